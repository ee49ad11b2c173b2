#include "sim/sim_block.h"

#include "engine/table.h"
#include "sim/block_tally.h"
#include "sim/headless_host.h"
#include "sim/robot_rounds.h"
#include "strategy/table_strategy.h"

namespace tavexo::sim {

namespace {

uint64_t SplitMix64(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// The table engine's way: a table window without a window, whose observer
// hands every settled box to the block's tally and asks the table to stop
// during the block's last round.
class TableBlockObserver : public TableObserver {
  public:
    TableBlockObserver(Table& table, BlockTally& tally, int lastRound)
        : table_(table), tally_(tally), lastRound_(lastRound) {}

    void ShoeShuffled(const TShoe& shoe) override { tally_.ShoeShuffled(shoe); }

    void BoxRoundSettled(const TBoxSettlement& s) override {
        const int round = table_.State().roundNumber;
        tally_.BoxSettled(round, table_.Box(s.box), table_.Dealer(), s);
        if (round == lastRound_) table_.StopRun();  // the round itself is played out
    }

  private:
    Table& table_;
    BlockTally& tally_;
    int lastRound_;
};

BlockOutput RunTableBlock(const SimOptions& options, const BlockPlan& plan) {
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
    BlockTally tally(out.tally, options, plan, plan.trace ? &out.trace : nullptr);
    TableBlockObserver observer(table, tally, plan.rounds);
    table.SetObserver(&observer);

    while (table.State().roundNumber < plan.rounds) {
        table.StartRun();
        if (!host.lastMessage.empty()) {
            out.note = NoStakeNote(plan.firstRound - 1 + table.State().roundNumber - 1);
            break;
        }
    }
    table.SetObserver(nullptr);
    tally.EndBlock(table.Stats());
    return out;
}

}  // namespace

void BlockTally::EndBlock(const BucketTable& stats) {
    EndRound();
    // Half units in money and in units; every product is exact.
    const double money = unitValue_ / 2.0;
    const auto inMoney = [money](int64_t halves) { return static_cast<double>(halves) * money; };
    const auto squaredInMoney = [money](int64_t squares) {
        return static_cast<double>(squares) * money * money;
    };
    for (int b = 0; b < BOX_COUNT; ++b) {
        const BoxSums& sums = sums_[b];
        BoxTally& t = tally_.boxes[b];
        t.splits += static_cast<uint64_t>(sums.splits);
        t.won += inMoney(sums.won);
        t.lost += inMoney(sums.lost);
        t.turnover += inMoney(sums.staked);
        for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
            t.buckets[bucket - 1].result += inMoney(sums.buckets[bucket]);
        }
        for (int bin = CountBins::LOWEST; bin <= CountBins::HIGHEST; ++bin) {
            const BinSums& in = sums.bins[bin - CountBins::LOWEST];
            CountBin& out = t.betBins.At(bin);
            out.rounds += static_cast<uint64_t>(in.rounds);
            out.staked += inMoney(in.staked);
            out.result += inMoney(in.result);
            out.squares += squaredInMoney(in.squares);
        }
        t.units.AddSingles(static_cast<uint64_t>(sums.games),
                           static_cast<double>(sums.won + sums.lost) * 0.5,
                           static_cast<double>(sums.squares) * 0.25);
    }
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxTally& t = tally_.boxes[box - 1];
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

std::string NoStakeNote(int64_t lastRound) {
    return "no box could pay its stake after round " + std::to_string(lastRound);
}

uint64_t BlockSeed(uint64_t seed, int64_t block) {
    return SplitMix64(seed + static_cast<uint64_t>(block));
}

BlockOutput RunBlock(const SimOptions& options, const BlockPlan& plan) {
    return options.tableEngine ? RunTableBlock(options, plan) : PlayRobotBlock(options, plan);
}

}  // namespace tavexo::sim
