// tavexo-sim: robot boxes at the table engine's full speed.
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "sim/process_share.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"
#include "sim/summary.h"
#include "sim/trace_file.h"

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
        lineOpen_ = terminal_;
    }
    // Ends a progress line left open on a terminal, so that what follows
    // on stderr starts a line of its own; any thread may call it.
    void End() {
        if (lineOpen_.exchange(false)) std::fputs("\n", stderr);
    }

  private:
    int64_t rounds_;
    bool terminal_;
    std::atomic<bool> lineOpen_{false};
    double lastPrinted_ = -100.0;
};

// Writes all of `text` to the file descriptor; the errno of a failure, or 0.
int WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return wrote < 0 ? errno : EIO;
        done += static_cast<size_t>(wrote);
    }
    return 0;
}

// Removes the incomplete trace file and says so, or says why it could not.
void ReportRemoval(tavexo::sim::TraceFile& trace, const std::string& path) {
    trace.Close();
    if (!trace.IsRegularFile()) return;  // a device such as /dev/full stays
    std::string why;
    if (trace.RemoveWritten(why)) {
        std::cerr << "tavexo-sim: the incomplete trace file \"" << path << "\" is removed\n";
    } else {
        std::cerr << "tavexo-sim: the incomplete trace file \"" << path
                  << "\" could not be removed: " << why << '\n';
    }
}

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
    TraceFile trace;
    if (!options.trace.empty()) {
        if (!trace.Open(options.trace)) {
            std::cerr << "tavexo-sim: cannot write the trace file \"" << options.trace
                      << "\": " << trace.Error() << '\n';
            return 2;
        }
        control.trace = &trace.Stream();
    }
    // The first process shows its own share's progress for all.
    Progress progress(options.rounds / share.Size());
    if (share.First()) {
        control.progress = [&progress](int64_t done, double seconds) {
            progress.Update(done, seconds);
        };
    }

    // A failed trace write (a full disk) is told at once; the simulation
    // plays on to its summary, and a trace with rounds missing, which would
    // mislead whoever replays it, is removed at once, also to give the
    // space back.
    bool traceFailed = false;
    control.traceFailed = [&] {
        traceFailed = true;
        progress.End();
        std::cerr << "tavexo-sim: writing the trace file \"" << options.trace
                  << "\" failed: " << trace.Error() << "; the simulation goes on without it\n";
        ReportRemoval(trace, options.trace);
    };

    const uint64_t seed = share.AgreedSeed(options.seed ? *options.seed : EntropySeed());
    SimReport report = RunSimulation(options, seed, control);
    progress.End();
    share.Combine(report);

    int code = 0;
    if (trace.IsOpen() && !trace.Close() && !traceFailed) {
        // The last write, or the close, failed after the blocks were written.
        std::cerr << "tavexo-sim: writing the trace file \"" << options.trace
                  << "\" failed: " << trace.Error() << '\n';
        ReportRemoval(trace, options.trace);
        traceFailed = true;
    }
    if (traceFailed) code = 1;
    if (share.First()) {
        std::ostringstream summary;
        if (options.json) {
            PrintJson(summary, options, report);
        } else {
            PrintSummary(summary, options, report);
        }
        if (!report.note.empty()) code = 1;
        // A summary that never arrived (stdout on a full disk) is a failure.
        if (const int error = WriteAll(STDOUT_FILENO, summary.str()); error != 0) {
            std::cerr << "tavexo-sim: writing the summary failed: " << std::strerror(error) << '\n';
            code = 1;
        }
    }
    return share.AgreedExitCode(code);
}
