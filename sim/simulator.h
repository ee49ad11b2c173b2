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
// its time) and the trace depend on the seed and options only.
SimReport RunSimulation(const SimOptions& options, uint64_t seed, const SimControl& control = {});

}  // namespace tavexo::sim
