// The boxes' turns: the offered decisions, the decision timer, the automatic
// end of a hand at 21 or more, and the six actions.
#include <string>

#include "engine/double_offer.h"
#include "engine/table.h"

namespace tavexo {

namespace {

constexpr int DECISION_TICK_MS = 1000;
constexpr int GAUGE_STEP = 10;  // tenths of a second per tick

}  // namespace

void Table::PlayersTurns() {
    const int dealerValue = dealer_.UpCardValue();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        if (Box(box).InRound()) PlayTurn(box, dealerValue);
    }
    boxInTurn_ = 0;
}

void Table::PlayTurn(int box, int dealerValue) {
    TPlayerBox& b = Box(box);
    b.turnDone = false;
    state_.lastBoxDone = false;
    b.isSplit = false;
    b.onSecondHand = false;
    boxInTurn_ = box;

    WaitWhilePaused();
    SetHandMarker(box, 1, true);
    Pump();

    const THand& h1 = b.Hand(1);
    const bool aceUp = dealerValue == 11;
    EnableAction(box, Action::Hit, true);
    EnableAction(box, Action::Stand, true);
    if (!settings_.rules.noSurrender) EnableAction(box, Action::Surrender, true);
    if (CardValue(h1.cards[0]) == CardValue(h1.cards[1]) && b.CanAfford(Action::Split)) {
        EnableAction(box, Action::Split, true);
    }
    if (DoubleOffered(settings_.rules, h1.total, b.isSoft) && b.CanAfford(Action::Double)) {
        EnableAction(box, Action::Double, true);
    }
    if (aceUp && b.CanAfford(Action::Insure)) EnableAction(box, Action::Insure, true);

    if (aceUp || h1.total < 21) {
        ResetGauge(box);
        b.decisionTimerRunning = true;
        if (!headless_) host_.StartTimer(box, DECISION_TICK_MS);
    } else {
        FinishHand(box);  // a blackjack against a non-ace stands at once
    }

    while (!b.turnDone && !state_.lastBoxDone) {
        Pump();
        WaitWhilePaused();
        if (b.turnDone || state_.lastBoxDone) break;
        if (b.isRobot) {
            if (robot_ != nullptr) robot_->RobotPlay(*this, box, dealerValue);
            // A robot never waits for anything: whatever it left open stands.
            if (!b.turnDone) FinishHand(box);
        } else {
            host_.WaitEvents();
        }
    }

    if (b.insuranceCount == 1) AppendDecision(box, DecisionWord::Versichert);
    if (b.insuranceCount == 2) AppendDecision(box, DecisionWord::ZweimalVersichert);
    if (view_ != nullptr) view_->SetHint("");
}

void Table::FinishHand(int box) {
    TPlayerBox& b = Box(box);
    SetHandMarker(box, 1, false);
    if (b.isSplit) {
        if (!b.onSecondHand) {
            const THand& h2 = b.Hand(2);
            const bool splitAceWaits =
                CardValue(h2.cards[0]) == 11 && settings_.rules.splitAcesOneCard;
            if (h2.cardCount == 1 && !splitAceWaits) DealToBox(box, 2);
            b.onSecondHand = true;
            ResetGauge(box);
            if (b.Hand(2).total < 21) {
                SetHandMarker(box, 2, true);
                return;  // the box plays on with hand 2
            }
        } else {
            SetHandMarker(box, 2, false);
        }
    }
    b.turnDone = true;
    b.natural = !b.isSplit && b.Hand(1).total == 21 && b.Hand(1).cardCount == 2;
    if (Unobserved()) {
        b.enabled = {};
        b.unitsEnabled = false;
        b.gauge = 0;
        b.decisionTimerRunning = false;
    } else {
        EndTurnOnScreen(box);
    }
    if (box == BOX_COUNT) state_.lastBoxDone = true;
}

void Table::EndTurnOnScreen(int box) {
    TPlayerBox& b = Box(box);
    DisableAllActions(box);
    Pump();
    b.unitsEnabled = false;
    if (view_ != nullptr) view_->SetUnitsEnabled(box, false);
    ResetGauge(box);
    if (b.decisionTimerRunning) {
        b.decisionTimerRunning = false;
        if (!headless_) host_.StopTimer(box);
    }
}

void Table::DoHit(int box) {
    ResetGauge(box);
    EnableAction(box, Action::Surrender, false);
    EnableAction(box, Action::Insure, false);
    DealToBox(box, Box(box).HandInPlay());
}

void Table::DoDouble(int box, int hand) {
    TPlayerBox& b = Box(box);
    ResetGauge(box);
    EnableAction(box, Action::Surrender, false);
    EnableAction(box, Action::Insure, false);
    b.Hand(hand).doubled = true;
    if (view_ != nullptr) view_->ShowCoin(box, 3, true);
    ChargeStake(box, 2);
    AppendDecision(box, DecisionWord::Verdoppelt);
    if (b.insuranceCount > 0) DoInsure(box);  // the doubled stake is insured too
    DealToBox(box, hand);
    if (b.Hand(hand).total < 21) FinishHand(box);
}

void Table::DoSplit(int box) {
    TPlayerBox& b = Box(box);
    ResetGauge(box);
    EnableAction(box, Action::Surrender, false);
    if (view_ != nullptr) view_->MoveSecondCardToHand2(box);
    b.SplitPair();
    if (view_ != nullptr) {
        ShowHandTotal(box, 1);
        ShowHandTotal(box, 2);
    }
    ChargeStake(box, 1);
    AppendDecision(box, DecisionWord::Geteilt);
    if (b.insuranceCount == 1) DoInsure(box);  // the second hand is insured too
    EnableAction(box, Action::Split, false);
    EnableAction(box, Action::Insure, false);
    DealToBox(box, 1);
    if (settings_.rules.splitAcesOneCard && CardValue(b.hands[0].cards[0]) == 11) {
        // Split aces take one card each and the turn is over.
        FinishHand(box);
        DealToBox(box, 2);
        FinishHand(box);
        b.turnDone = true;
    }
}

void Table::DoInsure(int box) {
    TPlayerBox& b = Box(box);
    if (b.insuranceCount == 0) {
        ResetGauge(box);
        EnableAction(box, Action::Surrender, false);
        EnableAction(box, Action::Insure, false);
        AppendDecision(box, DecisionWord::Versichert);
    }
    b.insuranceCount += 1;
    b.capital -= b.hands[0].stake / 2.0f;
    ShowCapital(box);
    // What is left may no longer cover a double or a split (which would now
    // insure their stake as well).
    if (!b.CanAfford(Action::Double)) EnableAction(box, Action::Double, false);
    if (!b.CanAfford(Action::Split)) EnableAction(box, Action::Split, false);
    const int n = b.insuranceCount;
    if ((n == 1 || n == 2) && b.Hand(n).total == 21) FinishHand(box);  // an insured 21 stands
}

void Table::DoSurrender(int box) {
    TPlayerBox& b = Box(box);
    SetHandMarker(box, 1, false);
    b.capital += b.hands[0].stake / 2.0f;
    ResetGauge(box);
    b.turnDone = true;
    b.surrendered = true;
    ShowCapital(box);
    ShowStake(box, "Aufgegeben");
    if (view_ != nullptr) view_->ShowCoin(box, 1, false);
    b.decisions.Replace(DecisionWord::Aufgegeben);
    if (view_ != nullptr) view_->SetDecisionsText(box, b.decisions.Text());
    FinishHand(box);
}

void Table::CarryOut(int box, Action action) {
    switch (action) {
        case Action::Hit:
            DoHit(box);
            break;
        case Action::Stand:
            FinishHand(box);
            break;
        case Action::Surrender:
            DoSurrender(box);
            break;
        case Action::Double:
            DoDouble(box, Box(box).HandInPlay());
            break;
        case Action::Split:
            DoSplit(box);
            break;
        case Action::Insure:
            DoInsure(box);
            break;
    }
}

bool Table::ActionClicked(int box, Action action) {
    const TPlayerBox& b = Box(box);
    if (box != boxInTurn_ || b.turnDone || state_.paused || !b.Enabled(action)) return false;
    // The box's next action answers the last notice, whatever it was.
    if (view_ != nullptr) view_->SetHint("");
    if (advisor_ != nullptr) {
        advisor_->ActionClick(*this, box, action);
    } else {
        CarryOut(box, action);
    }
    return true;
}

void Table::ShowHandMarker(int box, int hand, bool on) {
    view_->SetHandMarker(box, hand, on);
    Pump();
}

void Table::DecisionTick(int box) {
    TPlayerBox& b = Box(box);
    if (!b.decisionTimerRunning) return;
    Pump();
    if (!state_.paused) {
        b.gauge += GAUGE_STEP;
        if (view_ != nullptr) view_->SetGauge(box, b.gauge, settings_.actionTime);
    }
    const int remaining = settings_.actionTime - b.gauge;
    Pump();
    if (remaining < 21) {
        PlayCue(Cue::Zeitablauf, Sound::Piep, true, box);
        PlayCue(Cue::Zeitablauf, Sound::Piep, true, box);
    } else if (remaining < 51) {
        PlayCue(Cue::Zeitablauf, Sound::Piep, true, box);
    }
    if (remaining <= 0) FinishHand(box);  // time is up: the hand in play stands
}

void Table::DisableAllActions(int box) {
    for (int a = 0; a < ACTION_COUNT; ++a) EnableAction(box, static_cast<Action>(a), false);
}

void Table::AppendDecision(int box, DecisionWord word) {
    TPlayerBox& b = Box(box);
    b.decisions.Append(word);
    if (view_ != nullptr) view_->SetDecisionsText(box, b.decisions.Text());
}

}  // namespace tavexo
