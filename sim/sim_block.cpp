#include "sim/sim_block.h"

#include "engine/table.h"
#include "sim/headless_host.h"
#include "sim/trace_writer.h"
#include "strategy/table_strategy.h"

namespace tavexo::sim {

namespace {

uint64_t SplitMix64(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Adds up what the statistics table does not keep (or keeps only in 32-bit
// floats): the money in doubles, the per-round results for the error and
// the split rounds (the table counts split hands by their payout, and a
// doubled split hand that wins under none); and writes the trace.
class BlockObserver : public TableObserver {
  public:
    BlockObserver(Table& table, SimTally& tally, const SimOptions& options, const BlockPlan& plan,
                  std::string* trace)
        : table_(table),
          tally_(tally),
          unit_(static_cast<double>(options.unit)),
          roundOffset_(plan.firstRound - 1),
          lastRound_(plan.rounds),
          trace_(trace) {}

    void ShoeShuffled(const TShoe& shoe) override {
        if (trace_ != nullptr) AppendShoeLine(*trace_, shoe);
    }

    void BoxRoundSettled(const TBoxSettlement& s) override {
        const int round = table_.State().roundNumber;
        if (round != currentRound_) {
            EndRound();
            currentRound_ = round;
        }
        const TPlayerBox& b = table_.Box(s.box);
        BoxTally& t = tally_.boxes[s.box - 1];
        t.splits += b.isSplit ? 1 : 0;
        const double result = s.result;
        if (s.result >= 0.0f) {
            t.won += result;
        } else {
            t.lost += result;
        }
        t.turnover += s.stake;
        if (s.bucket >= 1) t.buckets[s.bucket - 1].result += result;
        const double units = result / unit_;
        Singles& one = singles_[s.box - 1];
        one.count += 1;
        one.sumX += units;
        one.sumXX += units * units;
        roundUnits_ += units;
        roundGames_ += 1;

        if (trace_ != nullptr) {
            AppendBoxLine(*trace_, roundOffset_ + round, b, table_.Dealer(), s);
        }
        if (round == lastRound_) table_.StopRun();  // the round itself is played out
    }

    // Closes the round in progress and hands the boxes' sums over; call once
    // after the last round.
    void EndBlock() {
        EndRound();
        for (int b = 0; b < BOX_COUNT; ++b) {
            tally_.boxes[b].units.AddSingles(singles_[b].count, singles_[b].sumX,
                                             singles_[b].sumXX);
        }
    }

    void EndRound() {
        if (roundGames_ == 0) return;
        tally_.roundResults.Add(roundUnits_, roundGames_);
        tally_.rounds += 1;
        roundUnits_ = 0.0;
        roundGames_ = 0;
    }

  private:
    Table& table_;
    SimTally& tally_;
    double unit_;
    int64_t roundOffset_;
    int lastRound_;
    std::string* trace_;
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
};

// The counters that the statistics table keeps per box and bucket.
void TakeBucketCounters(const BucketTable& stats, SimTally& tally) {
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxTally& t = tally.boxes[box - 1];
        for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
            const TBucketStats& s = stats.At(box, bucket);
            t.games += s.games;
            t.wins += s.wins;
            t.losses += s.losses;
            t.pushes += s.pushes;
            t.busts += s.busts;
            t.blackjacks += s.blackjacks;
            // Every doubled hand pays nothing, two or four stakes.
            t.doubles += s.doubleWon + s.doubleLost + s.doublePush;
            t.surrenders += s.surrenderDealerMade + s.surrenderDealerBust;
            t.insurances += s.insuranceWon + s.insuranceLost;
            t.buckets[bucket - 1].games += s.games;
        }
        t.hands = t.games + t.splits;  // a split round settles two hands
    }
}

}  // namespace

uint64_t BlockSeed(uint64_t seed, int64_t block) {
    return SplitMix64(seed + static_cast<uint64_t>(block));
}

BlockOutput RunBlock(const SimOptions& options, const BlockPlan& plan) {
    BlockOutput out;
    TProgramSettings settings = SettingsOf(options);
    HeadlessHost host;
    Table table(settings, host, ShoeShuffler(plan.seed));
    table.SetRecordTexts(false);
    TableStrategy strategy(table);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        table.ApplyProfile(box, BoxProfile{"Robot " + std::to_string(box), box <= options.boxes,
                                           true, options.capital, options.unit});
    }
    BlockObserver observer(table, out.tally, options, plan, plan.trace ? &out.trace : nullptr);
    table.SetObserver(&observer);

    while (table.State().roundNumber < plan.rounds) {
        table.StartRun();
        if (!host.lastMessage.empty()) {
            out.note = "no box could pay its stake after round " +
                       std::to_string(plan.firstRound - 1 + table.State().roundNumber - 1);
            break;
        }
    }
    observer.EndBlock();
    table.SetObserver(nullptr);
    TakeBucketCounters(table.Stats(), out.tally);
    return out;
}

}  // namespace tavexo::sim
