#include "sim/simulator.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace tavexo::sim {

namespace {

// Hands the blocks out and takes their outputs in block order, whatever
// order they finish in: the totals are summed and the trace is written
// block by block. The oldest unwritten block writes its trace chunks as
// they come; a later block keeps them until every block before it is
// written. While tracing, a block may start only within `window` blocks of
// the oldest unwritten one, so at most that many blocks' traces are held.
class OrderedCommit {
  public:
    OrderedCommit(SimReport& report, const SimControl& control, int64_t blocks, int64_t window)
        : report_(report),
          trace_(control.trace),
          traceFailed_(control.traceFailed),
          blocks_(blocks),
          window_(trace_ != nullptr ? window : std::numeric_limits<int64_t>::max()) {}

    // The order of the next block to play, once the window lets it start;
    // `blocks` when none is left.
    int64_t Begin() {
        std::unique_lock lock(mutex_);
        windowSignal_.wait(
            lock, [&] { return nextToStart_ >= blocks_ || nextToStart_ - next_ < window_; });
        if (nextToStart_ >= blocks_) return blocks_;
        return nextToStart_++;
    }

    // Whether a block starting now should trace: not after a failed write.
    bool Tracing() const { return tracing_.load(); }

    // A chunk of the trace of the block numbered `order`; leaves it empty.
    void Chunk(int64_t order, std::string& chunk) {
        std::lock_guard lock(mutex_);
        if (order == next_) {
            WriteHeld(held_[order]);
            Write(chunk);
            chunk.clear();  // keeps its buffer for the next chunk
        } else if (tracing_) {
            // A copy of just its size: the block's own buffer, grown to
            // twice a chunk, stays with it for the next chunk.
            held_[order].emplace_back(chunk);
            chunk.clear();
        } else {
            chunk.clear();
        }
        AfterFailure();
    }

    void Finish(int64_t order, int64_t block, BlockOutput output) {
        std::lock_guard lock(mutex_);
        if (tracing_ && !output.trace.empty()) held_[order].push_back(std::move(output.trace));
        finished_.emplace(order, std::make_pair(block, std::move(output)));
        for (auto next = finished_.find(next_); next != finished_.end();
             next = finished_.find(next_)) {
            Take(next->second.first, next->second.second);
            finished_.erase(next);
            ++next_;
        }
        // The block that is now the oldest writes what it holds at once.
        if (const auto held = held_.find(next_); held != held_.end()) WriteHeld(held->second);
        AfterFailure();
        windowSignal_.notify_all();
    }

  private:
    void Take(int64_t block, const BlockOutput& output) {
        report_.tally += output.tally;
        if (const auto held = held_.find(next_); held != held_.end()) {
            WriteHeld(held->second);
            held_.erase(held);
        }
        if (!output.note.empty() && report_.note.empty()) {
            report_.note = output.note;
            report_.noteBlock = block;
        }
    }

    void WriteHeld(std::vector<std::string>& chunks) {
        for (std::string& chunk : chunks) {
            Write(chunk);
            std::string().swap(chunk);
        }
        chunks.clear();
    }

    // The first failed write ends the trace: nothing more is written.
    void Write(const std::string& chunk) {
        if (!tracing_ || chunk.empty()) return;
        trace_->write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        if (*trace_) return;
        tracing_ = false;
        if (traceFailed_) traceFailed_();
    }

    // Once the trace failed nothing is held any more, and no block waits
    // for the window (called where no chunk list is in use).
    void AfterFailure() {
        if (tracing_) return;
        held_.clear();
        if (window_ != std::numeric_limits<int64_t>::max()) {
            window_ = std::numeric_limits<int64_t>::max();
            windowSignal_.notify_all();
        }
    }

    SimReport& report_;
    std::ostream* trace_;
    std::function<void()> traceFailed_;
    std::atomic<bool> tracing_{true};
    const int64_t blocks_;
    int64_t window_;
    std::mutex mutex_;
    std::condition_variable windowSignal_;
    std::map<int64_t, std::pair<int64_t, BlockOutput>> finished_;
    std::map<int64_t, std::vector<std::string>> held_;  // trace chunks by order
    int64_t next_ = 0;                                  // the oldest block not yet taken
    int64_t nextToStart_ = 0;
};

// Hands a block's trace chunks to the commit as the block plays.
class BlockChunks : public TraceChunkSink {
  public:
    BlockChunks(OrderedCommit& commit, int64_t order) : commit_(commit), order_(order) {}
    void TakeChunk(std::string& chunk) override { commit_.Chunk(order_, chunk); }

  private:
    OrderedCommit& commit_;
    int64_t order_;
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
    const int threadCount = static_cast<int>(std::min<int64_t>(options.threads, blocks));
    const int64_t window = control.traceWindow > 0 ? control.traceWindow : threadCount;
    OrderedCommit commit(report, control, blocks, window);
    std::atomic<int64_t> roundsDone{0};
    std::mutex doneMutex;
    std::condition_variable doneSignal;
    int running = threadCount;

    auto work = [&] {
        for (int64_t order = commit.Begin(); order < blocks; order = commit.Begin()) {
            if (control.blockStarting) control.blockStarting(order);
            const int64_t block = offset + order * stride;
            BlockPlan plan;
            plan.firstRound = block * blockRounds + 1;
            plan.rounds =
                static_cast<int>(std::min(blockRounds, options.rounds - block * blockRounds));
            plan.seed = BlockSeed(seed, block);
            plan.trace = control.trace != nullptr && commit.Tracing();
            BlockChunks chunks(commit, order);
            plan.traceChunks = plan.trace ? &chunks : nullptr;
            BlockOutput output = RunBlock(options, plan);
            roundsDone += plan.rounds;
            commit.Finish(order, block, std::move(output));
        }
        std::lock_guard lock(doneMutex);
        --running;
        doneSignal.notify_all();
    };

    std::vector<std::thread> threads;
    for (int t = threadCount; t > 0; --t) threads.emplace_back(work);
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
