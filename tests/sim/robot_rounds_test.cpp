// The simulator's robot rounds against the table engine they stand in for:
// the same shoes must give the same rounds, card for card and cent for cent,
// under every rule set. Both play a block from the same seed; their traces
// (every shoe and every settled box with its cards, decisions, money and
// count) and their summaries must be equal byte for byte. A longer run of
// the same comparison is scripts/sim-differential.sh.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "sim/sim_block.h"
#include "sim/summary.h"

namespace tavexo::sim::testing {
namespace {

struct Played {
    std::string trace;
    std::string summary;
    std::string note;
};

Played Play(SimOptions options, const BlockPlan& plan, bool tableEngine) {
    options.tableEngine = tableEngine;
    const BlockOutput out = RunBlock(options, plan);
    SimReport report;
    report.tally = out.tally;
    report.note = out.note;
    std::ostringstream json;
    PrintJson(json, options, report);
    return Played{out.trace, json.str(), out.note};
}

// Compares both ways of playing; returns false (after reporting) on the
// first difference, so that a broken rule set does not flood the log.
bool PlayBothAlike(const SimOptions& options, const BlockPlan& plan, const std::string& label) {
    const Played robot = Play(options, plan, false);
    const Played table = Play(options, plan, true);
    EXPECT_FALSE(table.trace.empty()) << label;
    if (robot.trace != table.trace) {
        size_t at = 0;
        while (at < robot.trace.size() && at < table.trace.size() &&
               robot.trace[at] == table.trace[at]) {
            ++at;
        }
        const size_t from =
            table.trace.rfind('\n', at) == std::string::npos ? 0 : table.trace.rfind('\n', at) + 1;
        ADD_FAILURE() << label << ": the traces part at byte " << at
                      << "\ntable: " << table.trace.substr(from, table.trace.find('\n', at) - from)
                      << "\nrobot: " << robot.trace.substr(from, robot.trace.find('\n', at) - from);
        return false;
    }
    if (robot.summary != table.summary) {
        ADD_FAILURE() << label << ": the summaries differ\ntable: " << table.summary
                      << "robot: " << robot.summary;
        return false;
    }
    return true;
}

// Every combination of the rule options and the robots' choices, each with
// a seed of its own: 3200 rule sets, a short block each.
TEST(RobotRounds, PlayAsTheTableEngineUnderEveryRuleSet) {
    int combination = 0;
    for (const int decks : {1, 4, 6, 8}) {
        for (int doubleChoice = 0; doubleChoice <= 3; ++doubleChoice) {
            for (const bool softDouble : {true, false}) {
                for (const bool splitAces : {true, false}) {
                    for (const bool surrender : {true, false}) {
                        for (int ramp = 0; ramp <= 4; ++ramp) {
                            for (int insurance = 0; insurance <= 4; ++insurance) {
                                SimOptions o;
                                o.decks = decks;
                                o.doubleChoice = doubleChoice;
                                o.softDouble = softDouble;
                                o.splitAcesOneCard = splitAces;
                                o.surrender = surrender;
                                o.ramp = ramp;
                                o.insurance = insurance;
                                o.boxes = 1 + combination % 7;
                                BlockPlan plan;
                                plan.rounds = 40;
                                plan.firstRound = 1 + 40 * combination;
                                plan.seed = 1000 + combination;
                                plan.trace = true;
                                const std::string label =
                                    "rule set " + std::to_string(combination) + " (" +
                                    RulesText(o) + ", " + std::to_string(o.boxes) + " boxes)";
                                ++combination;
                                if (!PlayBothAlike(o, plan, label)) return;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(combination, 3200);
}

// Longer blocks from many seeds: shoes run dry within rounds and are cut,
// splits meet doubles and insurance, and a block longer than one run of the
// round cycle starts its next run from a fresh shoe.
TEST(RobotRounds, PlayAsTheTableEngineOverLongBlocks) {
    struct Case {
        int decks;
        int insurance;
        int rounds;
    };
    for (const Case c : {Case{1, 0, 3000}, Case{8, 1, 10400}, Case{4, 2, 2500}, Case{6, 4, 2500}}) {
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            SimOptions o;
            o.decks = c.decks;
            o.insurance = c.insurance;
            o.doubleChoice = static_cast<int>(seed % 4);
            o.splitAcesOneCard = seed % 2 == 0;
            BlockPlan plan;
            plan.rounds = c.rounds;
            plan.seed = seed * 7919 + static_cast<uint64_t>(c.decks);
            plan.trace = true;
            ASSERT_TRUE(PlayBothAlike(
                o, plan, std::to_string(c.decks) + " decks, seed " + std::to_string(seed)));
        }
    }
}

// Boxes whose capital runs short bet fewer units, drop out one by one, and
// the block ends with a note when none can pay; the robot rounds must do
// all of it at the same round.
TEST(RobotRounds, RunShortOfMoneyAsTheTableEngine) {
    for (const float capital : {5.0f, 40.0f, 97.5f, 300.0f}) {
        for (const int unit : {5, 1, 7}) {
            SimOptions o;
            o.capital = capital;
            o.unit = unit;
            o.decks = 1;
            o.insurance = 0;
            BlockPlan plan;
            plan.rounds = 2000;
            plan.seed = static_cast<uint64_t>(capital) * 31 + static_cast<uint64_t>(unit);
            plan.trace = true;
            const std::string label =
                "capital " + std::to_string(capital) + ", unit " + std::to_string(unit);
            ASSERT_TRUE(PlayBothAlike(o, plan, label));
            if (capital <= 5.0f) {
                EXPECT_NE(Play(o, plan, false).note, "") << label << ": no box ran dry";
            }
        }
    }
}

// Without a trace the robot rounds keep the counts of the buckets as whole
// numbers only; the summary must not change.
TEST(RobotRounds, TheSummaryIsTheSameWithoutATrace) {
    SimOptions o;
    o.decks = 6;
    BlockPlan plan;
    plan.rounds = 3000;
    plan.seed = 4242;
    const Played quiet = Play(o, plan, false);
    plan.trace = true;
    const Played traced = Play(o, plan, true);
    EXPECT_TRUE(quiet.trace.empty());
    EXPECT_EQ(quiet.summary, traced.summary);
}

}  // namespace
}  // namespace tavexo::sim::testing
