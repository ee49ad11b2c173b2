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

// Takes a block's trace in pieces while the block plays, so that a block
// need not hold its whole trace (some 16 MB for 10000 rounds of 7 boxes).
class TraceChunkSink {
  public:
    virtual ~TraceChunkSink() = default;
    // Takes the bytes of `chunk` and leaves it empty for the next ones.
    virtual void TakeChunk(std::string& chunk) = 0;
};

// About how many bytes of trace a block gathers before handing them on.
inline constexpr size_t TRACE_CHUNK_BYTES = size_t{1} << 20;

// The seed of block `block`, derived from the simulation's seed.
uint64_t BlockSeed(uint64_t seed, int64_t block);

struct BlockPlan {
    int64_t firstRound = 1;  // the simulation-wide number of the block's first round
    int rounds = ROUNDS_PER_BLOCK;
    uint64_t seed = 0;
    bool trace = false;
    // Where the trace goes while the block plays; without one the whole
    // trace stays in the output.
    TraceChunkSink* traceChunks = nullptr;
};

struct BlockOutput {
    SimTally tally;
    std::string trace;  // the block's trace lines (those not handed on), when asked for
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
