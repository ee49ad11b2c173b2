#pragma once

#include <cstdint>
#include <string>

#include "sim/sim_options.h"
#include "sim/sim_tally.h"

namespace tavexo::sim {

// The rounds of a simulation are played in blocks of this many, each at a
// table of its own: the engine's own run length, so that one run of the
// round cycle plays one block.
inline constexpr int ROUNDS_PER_BLOCK = 10000;

// The seed of block `block`, derived from the simulation's seed.
uint64_t BlockSeed(uint64_t seed, int64_t block);

struct BlockPlan {
    int64_t firstRound = 1;  // the simulation-wide number of the block's first round
    int rounds = ROUNDS_PER_BLOCK;
    uint64_t seed = 0;
    bool trace = false;
};

struct BlockOutput {
    SimTally tally;
    std::string trace;  // the block's trace lines, when asked for
    std::string note;   // why the block ended early, if it did
};

// Plays one block: a fresh table with robot boxes 1..options.boxes, each
// with the starting capital, runs of the round cycle until the block's
// rounds are played (the stop is requested during the last one). The robot
// rounds play it unless options.tableEngine asks for the table engine; both
// give the same output, to the byte.
BlockOutput RunBlock(const SimOptions& options, const BlockPlan& plan);

// The note of a block whose boxes could no longer pay a stake.
std::string NoStakeNote(int64_t lastRound);

}  // namespace tavexo::sim
