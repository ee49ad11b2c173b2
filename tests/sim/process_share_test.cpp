// A simulation shared by MPI processes must give the numbers of one process:
// the JSON of `mpirun -np 2` equals that of --threads 1 but for its time.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "sim/simulator.h"
#include "sim/summary.h"
#include "tests/sim/run_binary.h"

namespace tavexo::sim::testing {
namespace {

std::string WithoutTime(const std::string& json) {
    return std::regex_replace(json, std::regex("\"seconds\":[^,]*,\"rounds_per_second\":[^,]*,"),
                              "");
}

// Shares of the blocks, added up in another order, give the whole to the
// bit: what the processes' sum relies on.
TEST(ProcessShare, SharesOfTheBlocksAddUpToTheWhole) {
    SimOptions options;
    options.rounds = 9000;
    options.decks = 6;
    options.bankroll = 200.0;
    options.rorTrips = 50;
    SimControl whole;
    whole.blockRounds = 1000;
    const SimReport one = RunSimulation(options, 77, whole);
    SimReport summed;
    summed.seed = 77;
    for (int64_t offset : {2, 0, 1}) {
        SimControl share = whole;
        share.blockOffset = offset;
        share.blockStride = 3;
        SimReport part = RunSimulation(options, 77, share);
        EXPECT_EQ(part.tally.rounds, 3000);
        summed.tally += part.tally;
    }
    std::ostringstream a, b;
    PrintJson(a, options, one);
    summed.seconds = one.seconds;
    PrintJson(b, options, summed);
    EXPECT_EQ(WithoutTime(a.str()), WithoutTime(b.str()));
}

#ifdef TAVEXO_SIM_MPI
TEST(ProcessShare, TwoMpiProcessesGiveTheNumbersOfOne) {
    const std::string mpiexec = TAVEXO_MPIEXEC;
    ASSERT_FALSE(mpiexec.empty());
    const std::string args =
        " --rounds 45000 --seed 5 --decks 6 --bankroll 300 --ror-trips 200 --json";
    const RunResult one = RunSim(args + " --threads 1");
    // CI runs as root, which Open MPI refuses without being told; two
    // processes may share one core.
    const RunResult two = RunCommand(mpiexec + " --allow-run-as-root --oversubscribe -np 2 " +
                                     TAVEXO_SIM_BINARY + args);
    ASSERT_EQ(one.exitCode, 0) << one.err;
    ASSERT_EQ(two.exitCode, 0) << two.err;
    EXPECT_NE(one.out.find("\"rounds\":45000"), std::string::npos);
    EXPECT_EQ(WithoutTime(one.out), WithoutTime(two.out));
}

TEST(ProcessShare, ATraceNeedsASingleProcess) {
    const RunResult two =
        RunCommand(std::string(TAVEXO_MPIEXEC) + " --allow-run-as-root --oversubscribe -np 2 " +
                   TAVEXO_SIM_BINARY + " --rounds 100 --trace " + TempPath("never.jsonl"));
    EXPECT_EQ(two.exitCode, 2);
    EXPECT_NE(two.err.find("--trace needs a single process"), std::string::npos) << two.err;
}
#endif

}  // namespace
}  // namespace tavexo::sim::testing
