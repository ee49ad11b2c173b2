// The trace on its way out: written in block order while the blocks play,
// with a bounded number of blocks ahead, and a failed write told at once
// with its reason while the simulation plays on to its summary.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "sim/simulator.h"
#include "sim/summary.h"
#include "sim/trace_file.h"
#include "tests/sim/run_binary.h"

namespace tavexo::sim::testing {
namespace {

namespace fs = std::filesystem;

// Takes `room` bytes, then fails every write as a full disk does.
class FillingBuffer : public std::streambuf {
  public:
    explicit FillingBuffer(size_t room) : room_(room) {}
    const std::string& Taken() const { return taken_; }

  protected:
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        const size_t fits = std::min(room_ - taken_.size(), static_cast<size_t>(size));
        taken_.append(data, fits);
        return static_cast<std::streamsize>(fits);
    }
    int_type overflow(int_type) override { return traits_type::eof(); }

  private:
    size_t room_;
    std::string taken_;
};

struct Played {
    std::string summary;  // the JSON without its timing
    std::string trace;
    int failures = 0;
};

// 36000 rounds in blocks of 6000: each block's trace (some 9 MB) goes out
// in several chunks.
SimOptions SixBlocks(int threads) {
    SimOptions options;
    options.rounds = 36000;
    options.threads = threads;
    options.decks = 2;
    return options;
}

Played Play(const SimOptions& options, std::ostream* trace, SimControl control = {}) {
    Played played;
    control.blockRounds = 6000;
    control.trace = trace;
    control.traceFailed = [&played] { ++played.failures; };
    const SimReport report = RunSimulation(options, 4711, control);
    std::ostringstream json;
    PrintJson(json, options, report);
    played.summary = std::regex_replace(
        json.str(), std::regex("\"seconds\":[^,]*,\"rounds_per_second\":[^,]*,"), "");
    return played;
}

Played PlayTraced(const SimOptions& options, SimControl control = {}) {
    std::ostringstream trace;
    Played played = Play(options, &trace, std::move(control));
    played.trace = trace.str();
    return played;
}

TEST(TraceOutput, IsTheSameWhateverTheThreadsAndTheWindow) {
    const Played one = PlayTraced(SixBlocks(1));
    ASSERT_GT(one.trace.size(), 6 * TRACE_CHUNK_BYTES) << "too short to come in chunks";
    EXPECT_EQ(one.failures, 0);
    for (const int threads : {2, 4}) {
        for (const int window : {0, 1, 2, 6}) {
            SimControl control;
            control.traceWindow = window;
            const Played many = PlayTraced(SixBlocks(threads), control);
            EXPECT_EQ(many.summary, one.summary) << threads << " threads, window " << window;
            EXPECT_TRUE(many.trace == one.trace)
                << threads << " threads, window " << window << ": the traces differ";
        }
    }
}

// While the oldest block is held up, the other threads start no more than
// the window's blocks: their traces wait in memory until it is written.
TEST(TraceOutput, NoBlockStartsBeyondTheWindow) {
    constexpr int THREADS = 4;
    std::atomic<bool> firstPlaying{false};
    std::atomic<int64_t> latestWhileFirstPlays{-1};
    SimControl control;
    control.blockStarting = [&](int64_t order) {
        if (order == 0) {
            firstPlaying = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            firstPlaying = false;
        } else if (firstPlaying) {
            int64_t seen = latestWhileFirstPlays.load();
            while (order > seen && !latestWhileFirstPlays.compare_exchange_weak(seen, order)) {
            }
        }
    };
    SimOptions options = SixBlocks(THREADS);
    options.rounds = 60000;  // ten blocks
    std::ostringstream trace;
    const Played played = Play(options, &trace, control);
    // The window is the threads: blocks 0 to 3.
    EXPECT_GE(latestWhileFirstPlays.load(), 1);
    EXPECT_LE(latestWhileFirstPlays.load(), THREADS - 1);
    SimOptions single = options;
    single.threads = 1;
    const Played one = PlayTraced(single);
    EXPECT_EQ(played.summary, one.summary);
    EXPECT_TRUE(trace.str() == one.trace) << "the traces differ";
}

// A disk that fills up: the failure is told once, what was written is the
// trace's beginning, nothing more is written, and the totals are those of
// the whole simulation.
TEST(TraceOutput, AFailedWriteIsToldOnceAndTheSimulationPlaysOn) {
    const Played whole = PlayTraced(SixBlocks(1));
    for (const int threads : {1, 3}) {
        for (const size_t room : {size_t{0}, size_t{100}, 3 * TRACE_CHUNK_BYTES + 17}) {
            FillingBuffer full(room);
            std::ostream trace(&full);
            const Played played = Play(SixBlocks(threads), &trace);
            EXPECT_EQ(played.failures, 1) << threads << " threads, room " << room;
            EXPECT_EQ(full.Taken().size(), room) << threads << " threads";
            EXPECT_TRUE(whole.trace.compare(0, room, full.Taken()) == 0)
                << threads << " threads, room " << room << ": not the trace's beginning";
            EXPECT_EQ(played.summary, whole.summary) << threads << " threads, room " << room;
        }
    }
}

TEST(TraceFile, ADeviceThatIsFullGivesItsReasonAndIsNeverRemoved) {
    TraceFile file;
    ASSERT_TRUE(file.Open("/dev/full")) << file.Error();
    EXPECT_FALSE(file.IsRegularFile());
    file.Stream() << std::string(5000, 'x');
    EXPECT_FALSE(file.Stream());
    EXPECT_EQ(file.ErrorNumber(), ENOSPC);
    EXPECT_EQ(file.Error(), "No space left on device");
    EXPECT_FALSE(file.Close());
    std::string why;
    EXPECT_FALSE(file.RemoveWritten(why));
    EXPECT_TRUE(fs::exists("/dev/full"));

    TraceFile missing;
    EXPECT_FALSE(missing.Open(TempPath("no-such-folder") + "/t.jsonl"));
    EXPECT_EQ(missing.Error(), "No such file or directory");
}

TEST(TraceFile, RemovesTheFileItWroteAndNoOther) {
    const fs::path folder = TempPath("remove-folder");
    fs::remove_all(folder);
    fs::create_directories(folder);

    // Through a symbolic link the file written is removed, not the link.
    TraceFile linked;
    fs::create_symlink("real.jsonl", folder / "link.jsonl");
    ASSERT_TRUE(linked.Open((folder / "link.jsonl").string()));
    linked.Stream() << "{\"shoe\":[]}\n";
    EXPECT_TRUE(linked.Close());
    EXPECT_EQ(fs::file_size(folder / "real.jsonl"), 12u);
    std::string why;
    EXPECT_TRUE(linked.RemoveWritten(why)) << why;
    EXPECT_FALSE(fs::exists(folder / "real.jsonl"));

    // A file put in its place meanwhile stays.
    TraceFile replaced;
    ASSERT_TRUE(replaced.Open((folder / "t.jsonl").string()));
    replaced.Close();
    { std::ofstream(folder / "other.jsonl") << "keep"; }
    fs::rename(folder / "other.jsonl", folder / "t.jsonl");
    EXPECT_FALSE(replaced.RemoveWritten(why));
    EXPECT_EQ(why, "the name now belongs to another file");
    EXPECT_EQ(ReadFile((folder / "t.jsonl").string()), "keep");
    fs::remove_all(folder);
}

// Runs the program with its files limited to `limitBytes` and SIGXFSZ
// ignored, so that the limit shows as a failing write (EFBIG), as a disk
// that fills up mid-write does.
RunResult RunSimWithFileLimit(const std::vector<std::string>& arguments, rlim_t limitBytes) {
    const std::string base = TempPath("limited");
    const std::string outPath = base + ".out";
    const std::string errPath = base + ".err";
    const pid_t child = fork();
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) {
            _exit(127);
        }
        // The output files are opened before the limit.
        const rlimit limit{limitBytes, limitBytes};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        std::vector<char*> argv;
        std::string program = TAVEXO_SIM_BINARY;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    RunResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

TEST(Program, ATraceToAFullDeviceIsReportedAndTheSummaryStillPrinted) {
    const RunResult full = RunSim("--rounds 20000 --seed 2 --trace /dev/full");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("writing the trace file \"/dev/full\" failed: No space left on device; "
                            "the simulation goes on without it\n"),
              std::string::npos)
        << full.err;
    EXPECT_EQ(full.err.find("removed"), std::string::npos) << full.err;
    EXPECT_NE(full.out.find("rounds              20000\n"), std::string::npos) << full.out;
    EXPECT_TRUE(fs::exists("/dev/full"));
}

TEST(Program, ASummaryThatCannotBeWrittenIsAFailure) {
    const RunResult full = RunCommand("sh -c '" + std::string(TAVEXO_SIM_BINARY) +
                                      " --rounds 100 --seed 1 >/dev/full'");
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "tavexo-sim: writing the summary failed: No space left on device\n");
}

TEST(Program, ATraceCutShortMidWriteIsRemovedAndTheSummaryStillPrinted) {
    const std::string path = TempPath("limited.jsonl");
    for (const char* threads : {"1", "3"}) {
        const RunResult run = RunSimWithFileLimit(
            {"--rounds", "40000", "--seed", "2", "--json", "--threads", threads, "--trace", path},
            64 * 1024);
        EXPECT_EQ(run.exitCode, 1) << threads << " threads";
        EXPECT_NE(run.err.find("writing the trace file \"" + path + "\" failed: File too large"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("the incomplete trace file \"" + path + "\" is removed"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.out.find("\"rounds\":40000"), std::string::npos) << run.out;
        EXPECT_FALSE(fs::exists(path)) << threads << " threads";
    }
    // Within the limit the same run writes its whole trace and succeeds.
    const RunResult small = RunSimWithFileLimit(
        {"--rounds", "40", "--seed", "2", "--boxes", "1", "--trace", path}, 64 * 1024);
    EXPECT_EQ(small.exitCode, 0) << small.err;
    EXPECT_GT(fs::file_size(path), 1000u);
    fs::remove(path);
}

}  // namespace
}  // namespace tavexo::sim::testing
