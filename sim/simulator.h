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
    std::string note;  // why the simulation played fewer rounds than asked, if it did
};

struct SimControl {
    int blockRounds = ROUNDS_PER_BLOCK;
    std::ostream* trace = nullptr;
    // Called once, at once, when a write to the trace fails, with the
    // error number; the simulation then goes on without the trace.
    std::function<void(int error)> traceFailed;
    // Called from the calling thread about twice a second while the tables
    // play, with the rounds done so far and the seconds since the start.
    std::function<void(int64_t rounds, double seconds)> progress;
};

// Plays options.rounds rounds in blocks, options.threads blocks at a time.
// Blocks are numbered and seeded independently of the threads, and their
// totals and trace lines are taken in block order, so the report (but for
// its time) and the trace depend on the seed and options only.
SimReport RunSimulation(const SimOptions& options, uint64_t seed, const SimControl& control = {});

}  // namespace tavexo::sim
