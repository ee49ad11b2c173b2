#pragma once

#include <array>
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
          unit_(static_cast<double>(options.unit)),
          roundOffset_(plan.firstRound - 1),
          trace_(trace),
          traceChunks_(trace != nullptr ? plan.traceChunks : nullptr) {}

    void ShoeShuffled(const TShoe& shoe) {
        if (trace_ != nullptr) AppendShoeLine(*trace_, shoe);
    }

    // `round` counts from 1 within the block; `b` is the box as paid.
    void BoxSettled(int round, const TPlayerBox& b, const TDealerHand& dealer,
                    const TBoxSettlement& s) {
        if (round != currentRound_) {
            EndRound();
            currentRound_ = round;
        }
        BoxTally& t = tally_.boxes[s.box - 1];
        t.splits += b.isSplit ? 1 : 0;
        const double result = s.result;
        // Selected rather than branched on: a box wins or loses at random.
        const bool won = s.result >= 0.0f;
        t.won += won ? result : 0.0;
        t.lost += won ? 0.0 : result;
        t.turnover += s.stake;
        if (s.bucket >= 1) t.buckets[s.bucket - 1].result += result;
        const double units = result / unit_;
        Singles& one = singles_[s.box - 1];
        one.count += 1;
        one.sumX += units;
        one.sumXX += units * units;
        t.results.Add(units);
        // All boxes of a round bet at one count: its bin is found once.
        if (s.betCount != binCount_ || !binKnown_) {
            binCount_ = s.betCount;
            binKnown_ = CountBins::BinOf(s.betCount, bin_);
        }
        if (binKnown_) t.betBins.RecordInBin(bin_, s.stake, s.result);
        roundUnits_ += units;
        roundGames_ += 1;
        if (trace_ != nullptr) {
            AppendBoxLine(*trace_, roundOffset_ + round, b, dealer, s);
            if (traceChunks_ != nullptr && trace_->size() >= TRACE_CHUNK_BYTES) {
                traceChunks_->TakeChunk(*trace_);
            }
        }
    }

    // Closes the last round, hands the boxes' sums over and takes the
    // counters that the statistics table keeps per box and bucket; call once
    // at the end of the block.
    void EndBlock(const BucketTable& stats);

  private:
    void EndRound() {
        if (roundGames_ == 0) return;
        tally_.roundResults.Add(roundUnits_, roundGames_);
        tally_.roundHistogram.Add(roundUnits_);
        tally_.rounds += 1;
        roundUnits_ = 0.0;
        roundGames_ = 0;
    }

    SimTally& tally_;
    double unit_;
    int64_t roundOffset_;
    std::string* trace_;
    TraceChunkSink* traceChunks_;
    // Each box's round results in units, summed here and handed to the
    // tally at the end of the block.
    struct Singles {
        uint64_t count = 0;
        double sumX = 0.0;
        double sumXX = 0.0;
    };
    std::array<Singles, BOX_COUNT> singles_{};
    int currentRound_ = 0;
    double roundUnits_ = 0.0;
    int roundGames_ = 0;
    float binCount_ = 0.0f;
    bool binKnown_ = false;
    int bin_ = 0;
};

}  // namespace tavexo::sim
