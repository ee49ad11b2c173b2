#include "sim/simulator.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace tavexo::sim {

namespace {

// Takes the blocks' outputs in block order, whatever order they finish in:
// the totals are summed and the trace is written block by block.
class OrderedCommit {
  public:
    OrderedCommit(SimReport& report, const SimControl& control)
        : report_(report), trace_(control.trace), traceFailed_(control.traceFailed) {}

    // Whether blocks still write their trace lines: not after a failure.
    bool Tracing() const { return tracing_.load(); }

    void Commit(int64_t block, BlockOutput output) {
        std::lock_guard lock(mutex_);
        pending_.emplace(block, std::move(output));
        for (auto next = pending_.find(next_); next != pending_.end();
             next = pending_.find(next_)) {
            Take(next->second);
            pending_.erase(next);
            ++next_;
        }
    }

  private:
    void Take(const BlockOutput& output) {
        report_.tally += output.tally;
        if (trace_ != nullptr) {
            errno = 0;
            trace_->write(output.trace.data(), output.trace.size());
            if (!*trace_) {
                const int error = errno != 0 ? errno : EIO;
                trace_ = nullptr;
                tracing_ = false;
                if (traceFailed_) traceFailed_(error);
            }
        }
        if (!output.note.empty() && report_.note.empty()) report_.note = output.note;
    }

    SimReport& report_;
    std::ostream* trace_;
    std::function<void(int)> traceFailed_;
    std::atomic<bool> tracing_{true};
    std::mutex mutex_;
    std::map<int64_t, BlockOutput> pending_;
    int64_t next_ = 0;
};

}  // namespace

SimReport RunSimulation(const SimOptions& options, uint64_t seed, const SimControl& control) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    SimReport report;
    report.seed = seed;

    const int64_t blockRounds = std::max(1, control.blockRounds);
    const int64_t blocks = (options.rounds + blockRounds - 1) / blockRounds;
    OrderedCommit commit(report, control);
    std::atomic<int64_t> nextBlock{0};
    std::atomic<int64_t> roundsDone{0};
    std::mutex doneMutex;
    std::condition_variable doneSignal;
    int running = static_cast<int>(std::min<int64_t>(options.threads, blocks));

    auto work = [&] {
        for (int64_t block = nextBlock++; block < blocks; block = nextBlock++) {
            BlockPlan plan;
            plan.firstRound = block * blockRounds + 1;
            plan.rounds =
                static_cast<int>(std::min(blockRounds, options.rounds - block * blockRounds));
            plan.seed = BlockSeed(seed, block);
            plan.trace = control.trace != nullptr && commit.Tracing();
            BlockOutput output = RunBlock(options, plan);
            roundsDone += plan.rounds;
            commit.Commit(block, std::move(output));
        }
        std::lock_guard lock(doneMutex);
        --running;
        doneSignal.notify_all();
    };

    std::vector<std::thread> threads;
    for (int t = running; t > 0; --t) threads.emplace_back(work);
    {
        std::unique_lock lock(doneMutex);
        while (!doneSignal.wait_for(lock, std::chrono::milliseconds(500),
                                    [&] { return running == 0; })) {
            if (control.progress) {
                lock.unlock();
                const std::chrono::duration<double> elapsed = Clock::now() - start;
                control.progress(roundsDone.load(), elapsed.count());
                lock.lock();
            }
        }
    }
    for (std::thread& thread : threads) thread.join();

    const std::chrono::duration<double> elapsed = Clock::now() - start;
    report.seconds = elapsed.count();
    return report;
}

}  // namespace tavexo::sim
