// The dealer's turn and the settlement of every box with its statistics and
// history row.
#include <string>

#include "engine/box_settlement.h"
#include "engine/history_row.h"
#include "engine/table.h"
#include "stats/history.h"
#include "stats/statistics_summary.h"

namespace tavexo {

void Table::DealerTurn() {
    int total = 0;
    do {
        total = DealToDealer();  // the first draw is the dealer's second card
    } while (total <= 16);
    dealer_.total = total;
    WaitWhilePaused();
    dealer_.isBlackjack = total == 21 && dealer_.cardCount == 2;
}

void Table::Settle() {
    // Nothing in the settlement deals a card, so the dealer's snapshot, and
    // with it the bucket of his counters, is the same for every box.
    const int dealerBucket = CountBucketOf(dealer_.countSnapshot);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        if (Box(box).InRound()) RecordBoxRound(box, dealerBucket);
    }
}

namespace {

// Records of bucket 0 (a count that is not a number) are counted nowhere.
TBucketStats& Record(BucketTable& stats, TBucketStats& nowhere, int box, int bucket) {
    return bucket >= 1 ? stats.At(box, bucket) : nowhere;
}

}  // namespace

void Table::RecordBoxRound(int box, int dealerBucket) {
    TPlayerBox& b = Box(box);
    WaitWhilePaused();
    Pump();
    const int bucket = CountBucketOf(b.countSnapshot);
    const float before = b.capital;
    const bool surrendered = b.surrendered;
    const BoxPayout paid = PayBox(b, dealer_, Record(stats_, nowhere_, box, bucket),
                                  Record(stats_, nowhere_, box, dealerBucket));
    const float roundStake = paid.roundStake;
    const float result = paid.result;
    ShowCapital(box);
    if (b.capital > before) PlayCue(Cue::Auszahlung, Sound::Coin2, true, box);

    if (view_ != nullptr) ShowRoundOutcome(box, result, surrendered);
    if (recordTexts_) {
        WriteHistoryRow(HistoryGrid(box), HistoryRowOf(b, dealer_, roundStake, result), *format_);
        betCountBins_[box - 1].Record(betCount_, roundStake, result);
        if (view_ != nullptr) view_->GridChanged(GridKind::History, box);
    }
    if (observer_ != nullptr) {
        observer_->BoxRoundSettled(
            TBoxSettlement{box, result, roundStake, surrendered, bucket, betCount_});
    }
    b.hands[0].doubled = false;
    b.hands[1].doubled = false;
    if (view_ != nullptr) view_->SetHint("");
}

void Table::ShowRoundOutcome(int box, float result, bool surrendered) {
    const TPlayerBox& b = Box(box);
    const int handCount = b.isSplit ? 2 : 1;
    bool allBust = true;
    for (int hand = 1; hand <= handCount; ++hand) allBust = allBust && b.Hand(hand).total > 21;
    const bool natural = !b.isSplit && b.Hand(1).cardCount == 2 && b.Hand(1).total == 21;
    RoundOutcome outcome = RoundOutcome::Push;
    if (surrendered) {
        outcome = RoundOutcome::Surrendered;
    } else if (allBust) {
        outcome = RoundOutcome::Bust;
    } else if (natural && result > 0.0f) {
        outcome = RoundOutcome::Blackjack;
    } else if (result > 0.0f) {
        outcome = RoundOutcome::Won;
    } else if (result < 0.0f) {
        outcome = RoundOutcome::Lost;
    }
    // Whole amounts without decimals; a blackjack's half unit with its one.
    const float whole = static_cast<float>(static_cast<long>(result));
    std::string amount = Money(result, whole == result ? 0 : 1);
    if (result > 0.0f) amount = "+" + amount;
    view_->ShowRoundOutcome(box, outcome, amount);
}

void Table::RunStatisticsSummary() {
    if (!recordTexts_) return;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        if (!Box(box).inPlay) continue;
        WriteDetailStatistics(DetailsGrid(box), stats_, box, *format_);
        if (view_ != nullptr) view_->GridChanged(GridKind::Details, box);
    }
}

void Table::ClearHistory(int box) {
    TextGrid& grid = HistoryGrid(box);
    for (int row = 1; row < grid.RowCount(); ++row) grid.ClearRow(row);
    Box(box).historyRow = 0;
    if (view_ != nullptr) view_->GridChanged(GridKind::History, box);
}

}  // namespace tavexo
