// The command line: good values land in the options, bad ones give one
// clear line and exit code 2.
#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>
#include <vector>

#include "sim/sim_options.h"
#include "tests/sim/run_binary.h"

namespace tavexo::sim::testing {
namespace {

TEST(Options, NoArgumentsGiveTheDefaults) {
    const ParsedOptions parsed = ParseOptions({});
    ASSERT_EQ(parsed.error, "");
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.rounds, 100000);
    EXPECT_EQ(o.boxes, 7);
    EXPECT_EQ(o.decks, 8);
    EXPECT_EQ(o.doubleChoice, 1);
    EXPECT_TRUE(o.softDouble && o.splitAcesOneCard && o.surrender);
    EXPECT_EQ(o.ramp, 4);
    EXPECT_EQ(o.insurance, 0);
    EXPECT_EQ(o.unit, 5);
    EXPECT_EQ(o.capital, 1000000.0f);
    EXPECT_FALSE(o.seed.has_value());
    EXPECT_EQ(o.threads, 1);
    EXPECT_EQ(o.trace, "");
    EXPECT_FALSE(o.json || o.help);
}

TEST(Options, EveryOptionSetsItsField) {
    const ParsedOptions parsed = ParseOptions({"--rounds",
                                               "250",
                                               "--boxes=3",
                                               "--decks",
                                               "6",
                                               "--double",
                                               "0",
                                               "--no-soft-double",
                                               "--no-split-aces-one-card",
                                               "--no-surrender",
                                               "--ramp",
                                               "2",
                                               "--insurance",
                                               "4",
                                               "--unit",
                                               "10",
                                               "--capital",
                                               "2500.5",
                                               "--seed",
                                               "18446744073709551615",
                                               "--threads",
                                               "4",
                                               "--trace",
                                               "t.jsonl",
                                               "--json"});
    ASSERT_EQ(parsed.error, "");
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.rounds, 250);
    EXPECT_EQ(o.boxes, 3);
    EXPECT_EQ(o.decks, 6);
    EXPECT_EQ(o.doubleChoice, 0);
    EXPECT_FALSE(o.softDouble || o.splitAcesOneCard || o.surrender);
    EXPECT_EQ(o.ramp, 2);
    EXPECT_EQ(o.insurance, 4);
    EXPECT_EQ(o.unit, 10);
    EXPECT_EQ(o.capital, 2500.5f);
    EXPECT_EQ(o.seed, 18446744073709551615ULL);
    EXPECT_EQ(o.threads, 4);
    EXPECT_EQ(o.trace, "t.jsonl");
    EXPECT_TRUE(o.json);

    const TProgramSettings s = SettingsOf(o);
    EXPECT_EQ(s.rules.deckChoice, 2);
    EXPECT_EQ(s.rules.doubleChoice, 0);
    EXPECT_TRUE(s.rules.noSurrender);
    EXPECT_FALSE(s.rules.softDouble || s.rules.splitAcesOneCard || s.training.trainingMode);
    EXPECT_EQ(s.training.betRampFactor, 2);
    EXPECT_EQ(s.training.insuranceChoice, 4);
    EXPECT_EQ(s.cardDelay, 0);
    EXPECT_EQ(s.roundDelay, 0);
}

struct BadCase {
    std::vector<std::string> args;
    const char* named;  // the option the message must name
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const BadCase& c, std::ostream* os) {
    for (size_t i = 0; i < c.args.size(); ++i) *os << (i > 0 ? " " : "") << c.args[i];
}

class BadOptions : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadOptions, AreRefusedWithOneLineNamingThem) {
    const ParsedOptions parsed = ParseOptions(GetParam().args);
    EXPECT_NE(parsed.error.find(GetParam().named), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadOptions,
    ::testing::Values(
        BadCase{{"--rounds", "0"}, "--rounds"}, BadCase{{"--rounds", "12x"}, "--rounds"},
        BadCase{{"--rounds"}, "--rounds"}, BadCase{{"--boxes", "8"}, "--boxes"},
        BadCase{{"--boxes", "-1"}, "--boxes"}, BadCase{{"--decks", "5"}, "--decks"},
        BadCase{{"--double", "4"}, "--double"}, BadCase{{"--ramp", "5"}, "--ramp"},
        BadCase{{"--insurance", "x"}, "--insurance"}, BadCase{{"--unit", "0"}, "--unit"},
        BadCase{{"--unit", "2.5"}, "--unit"}, BadCase{{"--capital", "-5"}, "--capital"},
        BadCase{{"--capital", "nan"}, "--capital"}, BadCase{{"--capital", "9000000"}, "--capital"},
        BadCase{{"--unit", "50", "--capital", "20"}, "--capital"},
        BadCase{{"--seed", "-3"}, "--seed"}, BadCase{{"--threads", "0"}, "--threads"},
        BadCase{{"--trace="}, "--trace"}, BadCase{{"--json=yes"}, "--json"},
        BadCase{{"--fast"}, "--fast"}, BadCase{{"rounds"}, "rounds"},
        // found by fuzzing: an argument with a line break once split the message
        BadCase{{"--x\ny"}, "--x\\x0ay"}, BadCase{{"--unit", "1\r\n2"}, "1\\x0d\\x0a2"},
        BadCase{{std::string(500, '-')}, "...\""}));

TEST(Program, ExitsWithTwoAndOneLineOnABadOption) {
    for (const char* args : {"--decks 5", "--rounds", "--bogus", "--threads 0"}) {
        const RunResult run = RunSim(args);
        EXPECT_EQ(run.exitCode, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        ASSERT_FALSE(run.err.empty()) << args;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(Program, HelpAndASmallRun) {
    const RunResult help = RunSim("--help");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--rounds N"), std::string::npos);

    const RunResult run = RunSim("--rounds 300 --boxes 2 --seed 5");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("rounds              300\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("box-rounds settled  600 "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("seed 5,"), std::string::npos);

    const RunResult unwritable = RunSim("--rounds 10 --trace /nonexistent-dir/t.jsonl");
    EXPECT_EQ(unwritable.exitCode, 2);
    EXPECT_NE(unwritable.err.find("/nonexistent-dir/t.jsonl"), std::string::npos);
}

}  // namespace
}  // namespace tavexo::sim::testing
