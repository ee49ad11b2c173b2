#include "sim/simulator.h"

#include <algorithm>
#include <atomic>
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
    OrderedCommit(SimReport& report, std::ostream* trace) : report_(report), trace_(trace) {}

    // `order` numbers this process's blocks 0, 1, 2, ... in block order.
    void Commit(int64_t order, int64_t block, BlockOutput output) {
        std::lock_guard lock(mutex_);
        pending_.emplace(order, std::make_pair(block, std::move(output)));
        for (auto next = pending_.find(next_); next != pending_.end();
             next = pending_.find(next_)) {
            Take(next->second.first, next->second.second);
            pending_.erase(next);
            ++next_;
        }
    }

  private:
    void Take(int64_t block, const BlockOutput& output) {
        report_.tally += output.tally;
        if (trace_ != nullptr) trace_->write(output.trace.data(), output.trace.size());
        if (!output.note.empty() && report_.note.empty()) {
            report_.note = output.note;
            report_.noteBlock = block;
        }
    }

    SimReport& report_;
    std::ostream* trace_;
    std::mutex mutex_;
    std::map<int64_t, std::pair<int64_t, BlockOutput>> pending_;
    int64_t next_ = 0;
};

}  // namespace

SimReport RunSimulation(const SimOptions& options, uint64_t seed, const SimControl& control) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    SimReport report;
    report.seed = seed;

    const int64_t blockRounds = std::max(1, control.blockRounds);
    const int64_t allBlocks = (options.rounds + blockRounds - 1) / blockRounds;
    const int64_t stride = std::max<int64_t>(1, control.blockStride);
    const int64_t offset = std::max<int64_t>(0, control.blockOffset);
    // This process's blocks: offset, offset + stride, ...
    const int64_t blocks = offset < allBlocks ? (allBlocks - offset + stride - 1) / stride : 0;
    OrderedCommit commit(report, control.trace);
    std::atomic<int64_t> nextBlock{0};
    std::atomic<int64_t> roundsDone{0};
    std::mutex doneMutex;
    std::condition_variable doneSignal;
    int running = static_cast<int>(std::min<int64_t>(options.threads, blocks));

    auto work = [&] {
        for (int64_t order = nextBlock++; order < blocks; order = nextBlock++) {
            const int64_t block = offset + order * stride;
            BlockPlan plan;
            plan.firstRound = block * blockRounds + 1;
            plan.rounds =
                static_cast<int>(std::min(blockRounds, options.rounds - block * blockRounds));
            plan.seed = BlockSeed(seed, block);
            plan.trace = control.trace != nullptr;
            BlockOutput output = RunBlock(options, plan);
            roundsDone += plan.rounds;
            commit.Commit(order, block, std::move(output));
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
