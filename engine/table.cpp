#include "engine/table.h"

#include <algorithm>
#include <string>

#include "stats/grid_layouts.h"

namespace tavexo {

Table::Table(TProgramSettings& settings, TableHost& host, ShoeShuffler shuffler)
    : settings_(settings),
      host_(host),
      headless_(host.Headless()),
      quiet_(headless_),
      format_(&DefaultTextFormat()),
      shuffler_(std::move(shuffler)) {
    for (int b = 0; b < BOX_COUNT; ++b) {
        historyGrids_[b] = std::make_unique<TextGrid>(NewHistoryGrid());
        detailGrids_[b] = std::make_unique<TextGrid>(NewDetailsGrid(*format_));
        hintGrids_[b] = std::make_unique<TextGrid>(NewHintsGrid(*format_));
        boxes_[b].name = "Spieler " + std::to_string(b + 1);
    }
    roundDelayIntervalMs_ = settings_.roundDelay * 100;
}

void Table::SetView(TableView* view) {
    view_ = view;
    quiet_ = headless_ && view_ == nullptr;
    RefreshView();
}

void Table::SetTextFormat(const TextFormat* format) {
    format_ = format != nullptr ? format : &DefaultTextFormat();
    // The centred titles depend on the font's widths.
    for (int b = 0; b < BOX_COUNT; ++b) {
        WriteDetailsLabels(*detailGrids_[b], *format_);
        const TextGrid fresh = NewHintsGrid(*format_);
        for (int c = 0; c < fresh.ColumnCount(); ++c)
            hintGrids_[b]->SetCell(c, 0, fresh.Cell(c, 0));
    }
    RefreshView();
}

void Table::ApplyProfile(int box, const BoxProfile& profile) {
    TPlayerBox& b = Box(box);
    b.name = profile.name;
    b.inPlay = profile.active;
    b.isRobot = profile.robot;
    b.capital = profile.capital;
    // A unit of no money (or less) would give a stake that pays the box.
    b.unitValue = std::max(profile.unitValue, 1);
    if (view_ == nullptr) return;
    view_->SetBoxName(box, b.isRobot ? "Robot für " + b.name : b.name);
    ShowCapital(box);
    ApplyBoxAppearance(b.inPlay, box);
}

bool Table::TakeOverProfile(int box, const BoxProfile& profile) {
    TPlayerBox& b = Box(box);
    b.isRobot = profile.robot;
    b.capital = profile.capital;
    b.unitValue = std::max(profile.unitValue, 1);  // as ApplyProfile
    // The stake of a round in progress stays as charged; only the label that
    // shows what the units are worth follows the new unit value.
    bool waits = false;
    waitingInPlay_[box - 1].reset();
    const bool changes = profile.active != b.inPlay;
    if (changes) {
        waits = HoldsStakeOfRound(box) || (roundInProgress_ && profile.active);
        if (waits) {
            waitingInPlay_[box - 1] = profile.active;
        } else {
            b.inPlay = profile.active;
        }
    }
    if (view_ == nullptr) return waits;
    view_->SetBoxName(box, b.isRobot ? "Robot für " + b.name : b.name);
    ShowCapital(box);
    view_->SetStakeHeight(box, Money(b.StakeOfUnits(b.units), 0));
    // A box that plays on keeps the stake and total of its round on screen.
    if ((changes && !waits) || !b.inPlay) ApplyBoxAppearance(b.inPlay, box);
    return waits;
}

void Table::ApplyWaitingInPlay() {
    for (int box = 1; box <= BOX_COUNT; ++box) {
        std::optional<bool>& waiting = waitingInPlay_[box - 1];
        if (!waiting) continue;
        Box(box).inPlay = *waiting;
        waiting.reset();
        ApplyBoxAppearance(Box(box).inPlay, box);
    }
}

void Table::RefreshView() {
    if (view_ == nullptr) return;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const TPlayerBox& b = Box(box);
        view_->SetBoxName(box, b.isRobot ? "Robot für " + b.name : b.name);
        ShowCapital(box);
        view_->SetUnits(box, b.units);
        view_->SetStakeHeight(box, Money(b.StakeOfUnits(b.units), 0));
        view_->SetGauge(box, b.gauge, settings_.actionTime);
        for (int a = 0; a < ACTION_COUNT; ++a) {
            view_->SetActionEnabled(box, static_cast<Action>(a), b.enabled[a]);
        }
        ApplyBoxAppearance(b.inPlay, box);
    }
    view_->SetRoundLabel(state_.roundNumber > 0 ? std::to_string(state_.roundNumber) : "");
    view_->SetTrainingPanel(settings_.training.trainingMode, settings_.training.showCounts);
    view_->SetIdleControls(!state_.running);
}

void Table::SettingsChanged() {
    roundDelayIntervalMs_ = settings_.roundDelay * 100;
    if (view_ == nullptr) return;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        view_->SetGauge(box, Box(box).gauge, settings_.actionTime);
        // Only an inactive box looks different by the settings (hidden or
        // not); an active one keeps its stake and total of the round.
        if (!Box(box).inPlay) ApplyBoxAppearance(false, box);
    }
    view_->SetTrainingPanel(settings_.training.trainingMode, settings_.training.showCounts);
}

void Table::ApplyBoxAppearance(bool active, int box) {
    if (view_ == nullptr) return;
    if (active) {
        view_->SetStakeLabel(box, "");
        view_->SetHandTotal(box, 1, "");
        view_->SetBoxActive(box, true, true);
    } else {
        // A box switched off shows its player's name and no total of its last hand.
        view_->SetStakeLabel(box, Box(box).name);
        view_->SetHandTotal(box, 1, "");
        view_->SetHandTotal(box, 2, "");
        view_->SetBoxActive(box, false, !settings_.hidePassive);
    }
}

void Table::BoxOnOff(int box) {
    // A box holding a stake stays in the round it was charged for; otherwise
    // the stake would never be settled.
    if (HoldsStakeOfRound(box)) return;
    TPlayerBox& b = Box(box);
    b.inPlay = !b.inPlay;
    waitingInPlay_[box - 1].reset();  // the user's latest word counts
    ApplyBoxAppearance(b.inPlay, box);
}

void Table::SetAutoBet(int box, bool autoBet) {
    Box(box).autoBet = autoBet;
}

void Table::ShowDealerTotal(HandTotal total) {
    // The dealer's blackjack is named, as a box's is. While his ace may
    // still count 1 or 11 he shows both totals, as the boxes do ("1/11");
    // from 17 on he stands, so his total is the one that counts.
    std::string text = std::to_string(total.total);
    if (total.total == 21 && dealer_.cardCount == 2)
        text = "Black Jack";
    else if (total.soft && total.total < 17)
        text = std::to_string(total.total - 10) + "/" + text;
    view_->SetDealerTotal(text);
}

void Table::ShowHandTotal(int box, int hand) {
    // A soft hand shows both of its totals, the ace as 1 and as 11: "7/17".
    const THand& h = Box(box).Hand(hand);
    std::string text = std::to_string(h.total);
    if (h.soft && h.total < 21) text = std::to_string(h.total - 10) + "/" + text;
    view_->SetHandTotal(box, hand, text);
}

void Table::ShowCapitalInView(int box) {
    view_->SetCapital(box, Money(Box(box).capital, 1));
}

void Table::ShowCountsInView() {
    view_->SetCounts(std::to_string(count_.RunningCount),
                     FormatCount(*format_, count_.RelativeCount));
}

void Table::PlayCueOnHost(enum Cue cue, Sound sound, bool wait, int box) {
    CueSource source = CueSource::Table;
    if (box != 0) source = Box(box).isRobot ? CueSource::RobotBox : CueSource::Box;
    if (CueAllowed(settings_, cue, source)) host_.PlaySound(sound, wait);
}

void Table::PumpAndPaceOnHost() {
    host_.PumpEvents();
    if (settings_.cardDelay > 0) host_.Sleep(settings_.cardDelay * 100);
}

void Table::TimerTick(int timerId) {
    if (timerId == ROUND_DELAY_TIMER) {
        state_.waitingBetweenRounds = false;  // RoundDelayTick
    } else if (timerId >= 1 && timerId <= BOX_COUNT) {
        DecisionTick(timerId);
    }
}

}  // namespace tavexo
