// The simulator's behaviour pinned by a signature: fixed-seed runs over
// several rule sets, hashed from their trace, their JSON summary (without
// its timing) and their text summary (without its time lines). Any change
// to a rule, the strategy, the count or the money shows here; a
// restructuring must leave every signature as it is.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "sim/simulator.h"
#include "sim/summary.h"
#include "tests/support/signature.h"

namespace tavexo::sim::testing {
namespace {

using tavexo::testing::SignatureOf;

struct RuleSet {
    const char* name;
    SimOptions options;
    int blockRounds;
    const char* trace;  // the expected signatures
    const char* json;
    const char* text;
};

SimOptions Options(int64_t rounds, int boxes, int decks, int doubleChoice, bool softDouble,
                   bool splitAcesOneCard, bool surrender, int ramp, int insurance, int32_t unit,
                   float capital) {
    SimOptions o;
    o.rounds = rounds;
    o.boxes = boxes;
    o.decks = decks;
    o.doubleChoice = doubleChoice;
    o.softDouble = softDouble;
    o.splitAcesOneCard = splitAcesOneCard;
    o.surrender = surrender;
    o.ramp = ramp;
    o.insurance = insurance;
    o.unit = unit;
    o.capital = capital;
    return o;
}

std::string WithoutTimeLines(const std::string& text) {
    std::istringstream in(text);
    std::string line, kept;
    while (std::getline(in, line)) {
        if (line.rfind("wall time", 0) == 0 || line.rfind("rounds per second", 0) == 0) continue;
        kept += line + "\n";
    }
    return kept;
}

const RuleSet RULE_SETS[] = {
    {"eight decks, the defaults", Options(4000, 7, 8, 1, true, true, true, 4, 0, 5, 1000000.0f),
     1000, "3481c06e5741898a", "0ef68744d0932343", "e54883d741696285"},
    {"one deck, doubles on any two cards, no surrender, split aces play on",
     Options(4000, 3, 1, 0, false, false, false, 2, 2, 10, 100000.0f), 1000, "762fe16069ced968",
     "1c444178c0643f06", "552fda701f0498b1"},
    {"four decks, boxes that go broke", Options(3000, 5, 4, 2, true, true, true, 1, 1, 25, 600.0f),
     1000, "026be82a414912e0", "9e6a678d1aa06c22", "8e29e5b6e231efc3"},
    {"six decks, doubles on 11 only, insurance at the highest threshold",
     Options(4000, 7, 6, 3, true, false, true, 3, 3, 10, 2000.0f), 1000, "83dcd23eb2d84072",
     "7f1862942bcb45b9", "f5d09468b400e982"},
    {"eight decks, flat bets, never insure, one box, whole runs",
     Options(25000, 1, 8, 1, true, true, true, 0, 4, 5, 1000000.0f), 10000, "512e987aa1fb0c02",
     "1dca6269c0423397", "4ce57c5c697f7dcc"},
};

void ExpectPinnedSignatures(bool tableEngine) {
    for (const RuleSet& set : RULE_SETS) {
        std::ostringstream trace, json, text;
        SimControl control;
        control.blockRounds = set.blockRounds;
        control.trace = &trace;
        SimOptions options = set.options;
        options.threads = 2;
        options.tableEngine = tableEngine;
        const SimReport report = RunSimulation(options, 4242, control);
        PrintJson(json, options, report);
        PrintSummary(text, options, report);
        const std::string jsonWithoutTime = std::regex_replace(
            json.str(), std::regex("\"seconds\":[^,]*,\"rounds_per_second\":[^,]*,"), "");
        EXPECT_EQ(SignatureOf(trace.str()), set.trace) << set.name << ": the trace changed";
        EXPECT_EQ(SignatureOf(jsonWithoutTime), set.json) << set.name << ": the JSON changed";
        EXPECT_EQ(SignatureOf(WithoutTimeLines(text.str())), set.text)
            << set.name << ": the summary changed";
    }
}

TEST(SimSignature, FixedSeedRunsPlayAsPinned) {
    ExpectPinnedSignatures(false);
}

TEST(SimSignature, TheTableEngineGivesTheSameSignatures) {
    ExpectPinnedSignatures(true);
}

}  // namespace
}  // namespace tavexo::sim::testing
