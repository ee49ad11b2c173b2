// A seed and the options decide the whole output, to the last card, however
// many threads play the blocks.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>

#include "sim/simulator.h"
#include "sim/summary.h"
#include "tests/sim/mini_json.h"
#include "tests/sim/run_binary.h"

namespace tavexo::sim::testing {
namespace {

struct Output {
    std::string summary;  // the JSON without its timing
    std::string trace;
};

// The JSON summary with the two timing figures taken out.
std::string WithoutTime(const std::string& json) {
    EXPECT_GT(ParseJson(json)["seconds"].Number(), 0.0);
    return std::regex_replace(json, std::regex("\"seconds\":[^,]*,\"rounds_per_second\":[^,]*,"),
                              "");
}

Output Simulate(int threads, uint64_t seed) {
    SimOptions options;
    options.rounds = 2600;
    options.threads = threads;
    options.decks = 1;  // shoes run dry within rounds too
    std::ostringstream trace;
    std::ostringstream json;
    SimControl control;
    control.blockRounds = 500;
    control.trace = &trace;
    const SimReport report = RunSimulation(options, seed, control);
    PrintJson(json, options, report);
    return Output{WithoutTime(json.str()), trace.str()};
}

TEST(Determinism, OneAndThreeThreadsGiveTheSameOutput) {
    const Output one = Simulate(1, 31337);
    const Output three = Simulate(3, 31337);
    EXPECT_EQ(one.summary.find("seconds"), std::string::npos);
    EXPECT_EQ(one.summary, three.summary);
    EXPECT_TRUE(one.trace == three.trace) << "the traces differ";
    // Another seed plays other rounds.
    EXPECT_NE(one.summary, Simulate(3, 31338).summary);
}

// The same through the program: the text summary but for its time lines,
// and the trace file byte for byte.
TEST(Determinism, TheProgramRepeatsItselfWithAnyNumberOfThreads) {
    const std::string traceOne = TempPath("one.jsonl");
    const std::string traceThree = TempPath("three.jsonl");
    const std::string args = " --rounds 25000 --boxes 5 --decks 4 --seed 99 --trace ";
    const RunResult one = RunSim(args + traceOne + " --threads 1");
    const RunResult three = RunSim(args + traceThree + " --threads 3");
    ASSERT_EQ(one.exitCode, 0) << one.err;
    ASSERT_EQ(three.exitCode, 0) << three.err;
    const auto withoutTime = [](const std::string& text) {
        std::istringstream in(text);
        std::string line, kept;
        while (std::getline(in, line)) {
            if (line.rfind("wall time", 0) == 0 || line.rfind("rounds per second", 0) == 0 ||
                line.rfind("seed ", 0) == 0) {
                continue;  // the seed line names the thread count
            }
            kept += line + "\n";
        }
        return kept;
    };
    EXPECT_EQ(withoutTime(one.out), withoutTime(three.out));
    EXPECT_NE(one.out.find("seed 99,"), std::string::npos);
    const std::string textOne = ReadFile(traceOne);
    EXPECT_GT(textOne.size(), 1000000u);
    EXPECT_TRUE(textOne == ReadFile(traceThree)) << "the trace files differ";
    std::remove(traceOne.c_str());
    std::remove(traceThree.c_str());
}

}  // namespace
}  // namespace tavexo::sim::testing
