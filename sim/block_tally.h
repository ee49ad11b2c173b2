#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/table.h"
#include "sim/sim_block.h"
#include "sim/trace_writer.h"

namespace tavexo::sim {

// Adds up a block's settled box-rounds: what the statistics table does not
// keep (or keeps only in 32-bit floats): the money in doubles, the per-round
// results for the error and the split rounds (the table counts split hands
// by their payout, and a doubled split hand that wins under none); and
// writes the trace. Both ways of playing a block, the table engine and the
// robot rounds, report through it, so that their outputs can only differ
// where their play does.
class BlockTally {
  public:
    BlockTally(SimTally& tally, const SimOptions& options, const BlockPlan& plan,
               std::string* trace)
        : tally_(tally),
          unitValue_(static_cast<double>(options.unit)),
          halvesPerMoney_(2.0f / static_cast<float>(options.unit)),
          roundOffset_(plan.firstRound - 1),
          trace_(trace),
          traceChunks_(trace != nullptr ? plan.traceChunks : nullptr) {}

    void ShoeShuffled(const TShoe& shoe) {
        if (trace_ != nullptr) AppendShoeLine(*trace_, shoe);
    }

    // `round` counts from 1 within the block; `b` is the box as paid.
    void BoxSettled(int round, const TPlayerBox& b, const TDealerHand& dealer,
                    const TBoxSettlement& s) {
        // Every stake and result is a whole number of half units, held
        // exactly by the engine's floats within the simulator's limits of
        // capital and unit.
        CountBox(round, s.box, s.bucket, s.betCount, b.isSplit,
                 std::lrint(s.result * halvesPerMoney_), std::lrint(s.stake * halvesPerMoney_));
        if (Tracing()) TraceBox(round, b, dealer, s);
    }

    // BoxSettled without the trace, for a caller that knows the result and
    // the stake in half units. Every settled box of the robot rounds passes
    // here, inlined into their loop. Summed as whole numbers, the money
    // follows at the end of the block, equal to the sum of the doubles and
    // cheaper than summing them one box at a time.
    [[gnu::always_inline]] void CountBox(int round, int box, int bucket, float betCount, bool split,
                                         int64_t half, int64_t staked) {
        if (round != currentRound_) {
            EndRound();
            currentRound_ = round;
        }
        BoxSums& sums = sums_[box - 1];
        sums.splits += split ? 1 : 0;
        // Selected rather than branched on: a box wins or loses at random.
        const bool won = half >= 0;
        sums.won += won ? half : 0;
        sums.lost += won ? 0 : half;
        sums.staked += staked;
        sums.games += 1;
        sums.squares += half * half;
        sums.buckets[bucket] += half;
        tally_.boxes[box - 1].results.AddHalfUnits(half);
        // All boxes of a round bet at one count: its bin is found once.
        if (betCount != binCount_ || !binKnown_) {
            binCount_ = betCount;
            binKnown_ = CountBins::BinOf(betCount, bin_);
        }
        if (binKnown_) {
            BinSums& bin = sums.bins[bin_ - CountBins::LOWEST];
            bin.rounds += 1;
            bin.staked += staked;
            bin.result += half;
            bin.squares += half * half;
        }
        roundHalves_ += half;
        roundGames_ += 1;
    }

    // Closes the last round, hands the boxes' sums over and takes the
    // counters that the statistics table keeps per box and bucket; call once
    // at the end of the block.
    void EndBlock(const BucketTable& stats);

    bool Tracing() const { return trace_ != nullptr; }

    // Writes a counted box's line of the trace; only while tracing.
    [[gnu::noinline]] void TraceBox(int round, const TPlayerBox& b, const TDealerHand& dealer,
                                    const TBoxSettlement& s) {
        AppendBoxLine(*trace_, roundOffset_ + round, b, dealer, s);
        if (traceChunks_ != nullptr && trace_->size() >= TRACE_CHUNK_BYTES) {
            traceChunks_->TakeChunk(*trace_);
        }
    }

  private:
    void EndRound() {
        if (roundGames_ == 0) return;
        tally_.roundResults.Add(static_cast<double>(roundHalves_) * 0.5, roundGames_);
        tally_.roundHistogram.AddHalfUnits(roundHalves_);
        tally_.rounds += 1;
        roundHalves_ = 0;
        roundGames_ = 0;
    }

    SimTally& tally_;
    double unitValue_;
    float halvesPerMoney_;
    int64_t roundOffset_;
    std::string* trace_;
    TraceChunkSink* traceChunks_;
    // Each box's sums in half units, handed to the tally in money and units
    // at the end of the block. Bucket 0 (a count that is not a number) is
    // summed but shown nowhere.
    struct BinSums {
        int64_t rounds = 0;
        int64_t staked = 0;
        int64_t result = 0;
        int64_t squares = 0;
    };
    struct BoxSums {
        int64_t games = 0;
        int64_t splits = 0;
        int64_t won = 0;
        int64_t lost = 0;
        int64_t staked = 0;
        int64_t squares = 0;
        std::array<int64_t, BUCKET_COUNT + 1> buckets{};
        std::array<BinSums, CountBins::COUNT> bins{};
    };
    std::array<BoxSums, BOX_COUNT> sums_{};
    int currentRound_ = 0;
    int64_t roundHalves_ = 0;
    int roundGames_ = 0;
    float binCount_ = 0.0f;
    bool binKnown_ = false;
    int bin_ = 0;
};

}  // namespace tavexo::sim
