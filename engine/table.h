#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "engine/box_player.h"
#include "engine/cards.h"
#include "engine/relative_count.h"
#include "engine/shoe.h"
#include "engine/table_host.h"
#include "engine/table_state.h"
#include "engine/table_view.h"
#include "settings/profiles.h"
#include "settings/program_settings.h"
#include "stats/bucket_stats.h"
#include "stats/count_bins.h"
#include "stats/text_format.h"
#include "stats/text_grid.h"

namespace tavexo {

// What the settlement of one box and round leaves behind. The box itself is
// still as it was paid (hands, doubled flags, insurance count), except for
// what the settlement clears: the surrender and natural-blackjack flags.
struct TBoxSettlement {
    int box = 0;
    float result = 0.0f;  // the round's result in money
    float stake = 0.0f;   // the money bet this round, insurance included
    bool surrendered = false;
    int bucket = 0;         // the bucket of the box's count snapshot, 0 for none
    float betCount = 0.0f;  // the relative count when the bets were placed
};

// Told about what happens at the table, for those who keep their own record
// of it (the simulator's trace and totals).
class TableObserver {
  public:
    virtual ~TableObserver() = default;
    virtual void ShoeShuffled(const TShoe&) {}
    // Called once per box and round, after the box is paid and before its
    // doubled flags are cleared.
    virtual void BoxRoundSettled(const TBoxSettlement& s) { BoxSettled(s.box, s.result, s.stake); }
    // The short form, for observers that need no more than the money.
    virtual void BoxSettled(int /*box*/, float /*result*/, float /*stake*/) {}
};

// The blackjack table: shoe, seven boxes, dealer, count, statistics and the
// round cycle. It owns no window; everything it shows goes to a TableView and
// every wait, timer and sound to a TableHost. Boxes are numbered 1..7.
class Table {
  public:
    Table(TProgramSettings& settings, TableHost& host, ShoeShuffler shuffler = ShoeShuffler());
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // --- wiring ---
    void SetView(TableView* view);
    void SetTextFormat(const TextFormat* format);
    void SetObserver(TableObserver* observer) { observer_ = observer; }
    void SetRobot(RobotPlayer* robot) { robot_ = robot; }
    void SetAdvisor(ClickAdvisor* advisor) { advisor_ = advisor; }
    // The simulator turns the history and detail texts off; the counters and
    // the observer still see every round.
    void SetRecordTexts(bool record) { recordTexts_ = record; }
    void ApplyProfile(int box, const BoxProfile& profile);
    // A profile saved while the program runs: the box takes over everything
    // but its name, which reaches the table only at the next start. While a
    // round is in progress (from the bets to the settlement) a box does not
    // change whether it takes part until the round is settled: taken out, it
    // would lose the stake already charged; taken in, it would join a round
    // it was not dealt into. Returns true when that change has to wait.
    bool TakeOverProfile(int box, const BoxProfile& profile);

    // --- user input ---
    void StartRun();
    void StopRun();
    void TogglePause();
    void QuitButton();
    void TimerTick(int timerId);
    void BetClick(int box);
    void UnitsChanged(int box, int units);
    void SetAutoBet(int box, bool autoBet);
    void BoxOnOff(int box);
    // A click on one of the six action buttons of a box. Clicks on a disabled
    // button or outside the box's own turn are refused (returns false).
    bool ActionClicked(int box, Action action);
    // Re-reads the settings that act on the table at once (round delay,
    // gauges, training panel, box appearance).
    void SettingsChanged();

    // --- box actions (the robot and the advisor call these) ---
    void FinishHand(int box);
    void DoHit(int box);
    void DoDouble(int box, int hand);
    void DoSplit(int box);
    void DoInsure(int box);
    void DoSurrender(int box);
    // Carries out the clicked action itself, without advice.
    void CarryOut(int box, Action action);

    // --- statistics and history ---
    // Zeroes the nine buckets and the bet-count bins of all boxes.
    void ResetBucketStats() {
        stats_.Reset();
        for (CountBins& bins : betCountBins_) bins.Reset();
    }
    void RunStatisticsSummary();
    void ClearHistory(int box);

    // --- queries ---
    TPlayerBox& Box(int box) { return boxes_[box - 1]; }
    const TPlayerBox& Box(int box) const { return boxes_[box - 1]; }
    const TDealerHand& Dealer() const { return dealer_; }
    const TTableState& State() const { return state_; }
    TTableState& MutableState() { return state_; }
    const TShoe& Shoe() const { return shoe_; }
    const TCount& Count() const { return count_; }
    const BucketTable& Stats() const { return stats_; }
    // A box's rounds by the count its bet was placed at; kept while the
    // table records texts (not in the simulator, whose observer gets the
    // count with every settled box).
    const CountBins& BetCountBins(int box) const { return betCountBins_[box - 1]; }
    TProgramSettings& Settings() { return settings_; }
    const TProgramSettings& Settings() const { return settings_; }
    ShoeShuffler& Shuffler() { return shuffler_; }
    TableHost& Host() { return host_; }
    TableView* View() { return view_; }
    const TextFormat& Format() const { return *format_; }
    TextGrid& HistoryGrid(int box) { return *historyGrids_[box - 1]; }
    TextGrid& DetailsGrid(int box) { return *detailGrids_[box - 1]; }
    TextGrid& HintsGrid(int box) { return *hintGrids_[box - 1]; }
    // The box whose turn it is, 0 outside the boxes' turns.
    int BoxInTurn() const { return boxInTurn_; }
    int DealerTotal() {
        const HandTotal total = TotalOf(dealer_.cards.data(), dealer_.cardCount);
        if (view_ != nullptr) ShowDealerTotal(total);
        return total.total;
    }

  private:
    // Round cycle.
    void RoundLoop();
    void SetIdleControls(bool idle);
    void SetBettingEnabled(bool enabled);
    void WaitWhilePaused() {
        while (state_.paused && !headless_) host_.WaitEvents();
    }
    void EndOfRound();
    void ClearTableView();
    void WaitBetweenRounds();
    // Bets and the opening deal.
    int CollectBets(bool deal, bool check);
    void ChargeStake(int box, int multiplier) {
        Box(box).capital -= Box(box).hands[0].stake;
        if (view_ != nullptr) ShowChargedStake(box, multiplier);
    }
    void ShowChargedStake(int box, int multiplier);
    void WaitForBetCorrection(int box);
    void OpeningDeal();
    // Shoe and cards.
    // A shoe that runs dry mid-round is replaced even while a stop is pending.
    void NewShoe(bool evenWhenStopping = false);
    CardCode DrawCard() {
        // A round that needs more cards than the shoe holds goes on from a
        // fresh shoe rather than reading past its end.
        if (shoe_.Empty()) NewShoe(true);
        return shoe_.cards[shoe_.position++];
    }
    void DealToBox(int box, int hand);
    void ShowBoxCard(int box, int hand, CardCode code);
    int DealToDealer();
    void CountCard(CardCode code) {
        count_.RunningCount += CardCountValue(code);
        count_.RelativeCount = RelativeCountAt(count_.RunningCount, shoe_.total, shoe_.position);
        ShowCounts();
    }
    // Turns.
    void PlayersTurns();
    void PlayTurn(int box, int dealerValue);
    void AfterBoxCard(int box, int hand);
    // Rarely taken, out of the per-card path: a hand that reached 21 or
    // more, and the end of a turn that a view or a host follows.
    void HandEndsByItself(int box, int hand);
    void EndTurnOnScreen(int box);
    void SetHandMarker(int box, int hand, bool on) {
        if (view_ != nullptr) ShowHandMarker(box, hand, on);
    }
    void ShowHandMarker(int box, int hand, bool on);
    void DecisionTick(int box);
    void ResetGauge(int box) {
        Box(box).gauge = 0;
        if (view_ != nullptr) view_->SetGauge(box, 0, settings_.actionTime);
    }
    void EnableAction(int box, Action action, bool enabled) {
        Box(box).enabled[static_cast<int>(action)] = enabled;
        if (view_ != nullptr) view_->SetActionEnabled(box, action, enabled);
    }
    void DisableAllActions(int box);
    void AppendDecision(int box, DecisionWord word);
    // Dealer and settlement.
    void DealerTurn();
    void Settle();
    void RecordBoxRound(int box, int dealerBucket);
    void ShowRoundOutcome(int box, float result, bool surrendered);
    // Display helpers.
    void ApplyBoxAppearance(bool active, int box);
    void ApplyWaitingInPlay();
    // From its charge on, before its cards are dealt, too (the bets are
    // collected with pauses in between).
    bool HoldsStakeOfRound(int box) const {
        const TPlayerBox& b = Box(box);
        return roundInProgress_ && b.inPlay && b.hands[0].stake > 0.0f;
    }
    void RefreshView();
    void SetUnitsFromEngine(int box, int units) {
        Box(box).units = std::clamp(units, 0, MAX_UNITS);
        if (view_ != nullptr) view_->SetUnits(box, Box(box).units);
        CapUnitsByCapital(box);
    }
    void CapUnitsByCapital(int box) {
        TPlayerBox& b = Box(box);
        const int before = b.units;
        while (b.units > 0 && b.capital < b.StakeOfUnits(b.units)) {
            b.units -= 1;
            if (b.units == 0) b.inPlay = false;
        }
        b.hands[0].stake = b.StakeOfUnits(b.units);
        if (view_ != nullptr) ShowUnitsAndStake(box, before);
    }
    void ShowUnitsAndStake(int box, int unitsBefore);
    // The check inline, the text out of line: every settled box passes here.
    void ShowCapital(int box) {
        if (view_ != nullptr) ShowCapitalInView(box);
    }
    void ShowCapitalInView(int box);
    void ShowStake(int box, const std::string& text) {
        if (view_ != nullptr) view_->SetStakeLabel(box, text);
    }
    void ShowCounts() {
        if (view_ != nullptr) ShowCountsInView();
    }
    void ShowCountsInView();
    void ShowDealerTotal(HandTotal total);
    void ShowHandTotal(int box, int hand);
    std::string Money(float amount, int decimals) const {
        return format_->FormatMoney(amount, decimals);
    }
    // Cues and pacing; a headless table plays no sound and never waits.
    void PlayCue(Cue cue, Sound sound, bool wait, int box = 0) {
        if (!headless_) PlayCueOnHost(cue, sound, wait, box);
    }
    void PlayCueOnHost(Cue cue, Sound sound, bool wait, int box);
    void PumpAndPace() {
        if (!headless_) PumpAndPaceOnHost();
    }
    void PumpAndPaceOnHost();
    void Pump() {
        if (!headless_) host_.PumpEvents();
    }
    // Nobody sees the steps between two states: no view to draw them and no
    // host that could run a handler in between. The per-card path then sets
    // its flags in one go.
    // Kept as a flag of its own, set with the view, so that the per-card
    // path reads one byte rather than the host flag and the view pointer.
    bool Unobserved() const { return quiet_; }
    void Beep() {
        if (!headless_) host_.Beep();
    }

    TProgramSettings& settings_;
    TableHost& host_;
    bool headless_;
    TableView* view_ = nullptr;
    bool quiet_;  // headless_ and no view_
    const TextFormat* format_;
    TableObserver* observer_ = nullptr;
    RobotPlayer* robot_ = nullptr;
    ClickAdvisor* advisor_ = nullptr;
    bool recordTexts_ = true;

    ShoeShuffler shuffler_;
    TShoe shoe_;
    TCount count_;
    std::array<TPlayerBox, BOX_COUNT> boxes_;
    TDealerHand dealer_;
    TTableState state_;
    BucketTable stats_;
    TBucketStats nowhere_;  // takes the counts of a count that is not a number
    std::array<CountBins, BOX_COUNT> betCountBins_{};
    float betCount_ = 0.0f;  // the relative count of the round's bets
    std::array<std::unique_ptr<TextGrid>, BOX_COUNT> historyGrids_;
    std::array<std::unique_ptr<TextGrid>, BOX_COUNT> detailGrids_;
    std::array<std::unique_ptr<TextGrid>, BOX_COUNT> hintGrids_;
    int roundDelayIntervalMs_ = 0;
    int boxInTurn_ = 0;
    // From the bet collection of a round to the end of its settlement.
    bool roundInProgress_ = false;
    // Taking part as saved in a profile during a round, for the boxes that
    // take it over once the round is settled.
    std::array<std::optional<bool>, BOX_COUNT> waitingInPlay_{};
};

}  // namespace tavexo
