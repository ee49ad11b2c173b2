// tavexo-sim: robot boxes at the table engine's full speed.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

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
    const ParsedOptions parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << parsed.error << '\n';
        return 2;
    }
    const SimOptions& options = parsed.options;
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }

    SimControl control;
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
    int traceError = 0;
    control.traceFailed = [&](int error) {
        traceError = error;
        std::cerr << "tavexo-sim: writing the trace file \"" << options.trace
                  << "\" failed: " << std::strerror(error)
                  << "; the simulation goes on without it\n";
    };
    Progress progress(options.rounds);
    control.progress = [&progress](int64_t done, double seconds) {
        progress.Update(done, seconds);
    };

    const uint64_t seed = options.seed ? *options.seed : EntropySeed();
    const SimReport report = RunSimulation(options, seed, control);
    progress.End();

    if (trace.is_open()) {
        errno = 0;
        trace.close();
        if (!trace && traceError == 0) {
            traceError = errno != 0 ? errno : EIO;
            std::cerr << "tavexo-sim: writing the trace file \"" << options.trace
                      << "\" failed: " << std::strerror(traceError) << '\n';
        }
        // A trace with blocks missing would mislead whoever replays it. Only
        // a plain file is removed, never a device such as /dev/full.
        std::error_code ec;
        if (traceError != 0 && std::filesystem::is_regular_file(options.trace, ec)) {
            std::filesystem::remove(options.trace, ec);
            std::cerr << "tavexo-sim: the incomplete trace file \"" << options.trace
                      << "\" is removed\n";
        }
    }
    if (options.json) {
        PrintJson(std::cout, options, report);
    } else {
        PrintSummary(std::cout, options, report);
    }
    return report.note.empty() && traceError == 0 ? 0 : 1;
}
