#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "sim/sim_block.h"
#include "sim/sim_options.h"
#include "sim/sim_tally.h"

namespace tavexo::sim {

struct SimReport {
    SimTally tally;
    uint64_t seed = 0;
    double seconds = 0.0;
    std::string note;        // why the simulation played fewer rounds than asked, if it did
    int64_t noteBlock = -1;  // the block that ended early first, -1 for none
};

struct SimControl {
    int blockRounds = ROUNDS_PER_BLOCK;
    std::ostream* trace = nullptr;
    // Called once, at once, from the thread that wrote, when the trace
    // stream goes bad; the simulation then plays on without a trace.
    std::function<void()> traceFailed;
    // While tracing, a block starts only when it is fewer than this many
    // blocks after the oldest one not yet written, which bounds the memory
    // the blocks' traces take; 0 for the number of threads (at most one
    // block per thread is in memory, the oldest of them streaming).
    int traceWindow = 0;
    // Called by the thread about to play the block numbered `order` (0, 1,
    // 2, ... in this process's block order); for tests.
    std::function<void(int64_t order)> blockStarting;
    // Called from the calling thread about twice a second while the tables
    // play, with the rounds done so far and the seconds since the start.
    std::function<void(int64_t rounds, double seconds)> progress;
    // This process's share of the blocks, when several processes share a
    // simulation: blocks offset, offset + stride, offset + 2 stride, ...
    int64_t blockOffset = 0;
    int64_t blockStride = 1;
};

// Plays options.rounds rounds in blocks, options.threads blocks at a time.
// Blocks are numbered and seeded independently of the threads, and their
// totals and trace lines are taken in block order, so the report (but for
// its time) and the trace depend on the seed and options only. The trace
// is written while the blocks play: the oldest unwritten block writes its
// lines as it goes, later ones keep theirs until it is their turn.
SimReport RunSimulation(const SimOptions& options, uint64_t seed, const SimControl& control = {});

}  // namespace tavexo::sim
