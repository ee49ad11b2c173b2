// tavexo-sim: robot boxes at the table engine's full speed.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "sim/process_share.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"
#include "sim/summary.h"

namespace {

constexpr double PROGRESS_AFTER_SECONDS = 3.0;

// A progress line on stderr once a run takes longer than a few seconds:
// rewritten in place on a terminal, a new line every ten seconds otherwise.
class Progress {
  public:
    explicit Progress(int64_t rounds) : rounds_(rounds), terminal_(isatty(STDERR_FILENO) != 0) {}

    void Update(int64_t done, double seconds) {
        if (seconds < PROGRESS_AFTER_SECONDS) return;
        if (!terminal_ && seconds < lastPrinted_ + 10.0) return;
        lastPrinted_ = seconds;
        const double perSecond = done / seconds;
        std::fprintf(stderr, "%stavexo-sim: %3.0f %% (%lld of %lld rounds, %.2f M rounds/s)%s",
                     terminal_ ? "\r" : "", 100.0 * done / rounds_, static_cast<long long>(done),
                     static_cast<long long>(rounds_), perSecond / 1e6, terminal_ ? "" : "\n");
        std::fflush(stderr);
        shown_ = true;
    }
    void End() {
        if (shown_ && terminal_) std::fputs("\n", stderr);
    }

  private:
    int64_t rounds_;
    bool terminal_;
    bool shown_ = false;
    double lastPrinted_ = -100.0;
};

uint64_t EntropySeed() {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavexo::sim;
    // Under mpirun or srun the processes share the blocks; the first prints.
    ProcessShare share(argc, argv);
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        if (share.First()) std::cerr << parsed.error << '\n';
        return 2;
    }
    const SimOptions& options = parsed.options;
    if (options.help) {
        if (share.First()) std::cout << UsageText();
        return 0;
    }
#ifndef TAVEXO_SIM_MPI
    if (StartedByMpiLauncher()) {
        std::cerr << "tavexo-sim: built without MPI; every process plays the whole simulation\n";
    }
#endif
    if (share.Size() > 1 && !options.trace.empty()) {
        if (share.First()) std::cerr << "tavexo-sim: --trace needs a single process\n";
        return 2;
    }

    SimControl control;
    share.ShareBlocks(control);
    std::ofstream trace;
    if (!options.trace.empty()) {
        trace.open(options.trace, std::ios::binary | std::ios::trunc);
        if (!trace) {
            std::cerr << "tavexo-sim: cannot write the trace file \"" << options.trace
                      << "\": " << std::strerror(errno) << '\n';
            return 2;
        }
        control.trace = &trace;
    }
    // The first process shows its own share's progress for all.
    Progress progress(options.rounds / share.Size());
    if (share.First()) {
        control.progress = [&progress](int64_t done, double seconds) {
            progress.Update(done, seconds);
        };
    }

    const uint64_t seed = share.AgreedSeed(options.seed ? *options.seed : EntropySeed());
    SimReport report = RunSimulation(options, seed, control);
    progress.End();
    share.Combine(report);

    int code = 0;
    if (trace.is_open()) {
        trace.close();
        if (!trace) {
            std::cerr << "tavexo-sim: writing the trace file \"" << options.trace << "\" failed\n";
            code = 1;
        }
    }
    if (share.First() && code == 0) {
        if (options.json) {
            PrintJson(std::cout, options, report);
        } else {
            PrintSummary(std::cout, options, report);
        }
        code = report.note.empty() ? 0 : 1;
    }
    return share.AgreedExitCode(code);
}
