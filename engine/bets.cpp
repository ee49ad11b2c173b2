// Stakes: the unit spin edit, "Bet", the bet collection with the stake check
// of the training mode, and the opening deal.
#include <algorithm>
#include <string>

#include "engine/bet_ramp.h"
#include "engine/table.h"

namespace tavexo {

void Table::UnitsChanged(int box, int units) {
    TPlayerBox& b = Box(box);
    if (!b.unitsEnabled) return;
    b.units = std::clamp(units, 0, MAX_UNITS);
    CapUnitsByCapital(box);
}

void Table::ShowUnitsAndStake(int box, int unitsBefore) {
    const TPlayerBox& b = Box(box);
    if (b.units != unitsBefore) view_->SetUnits(box, b.units);
    view_->SetStakeHeight(box, Money(b.hands[0].stake, 0));
}

void Table::BetClick(int box) {
    TPlayerBox& b = Box(box);
    if (!b.betEnabled) return;
    const float wanted = b.StakeOfUnits(b.units);
    b.hands[0].stake = b.capital >= wanted ? wanted : 0.0f;
    state_.waitingForBet = false;
    state_.waitingBetweenRounds = false;
    if (view_ == nullptr) return;
    view_->ShowCoin(box, 1, b.hands[0].stake > 0.0f);
    view_->SetStakeLabel(box, "Einsatz: " + Money(b.hands[0].stake, 0));
}

int Table::CollectBets(bool deal, bool check) {
    int placed = 0;
    bool rampKnown = false;
    float rampCount = 0.0f;
    int32_t rampFactor = 0;
    int ramp = 1;
    if (deal) betCount_ = count_.RelativeCount;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        TPlayerBox& b = Box(box);
        if (!b.TakesPart()) continue;
        WaitWhilePaused();
        if (b.historyRow == 0) {
            b.baseUnits = b.units;
            b.startCapital = b.capital;
        }
        // The ramp is asked again only when the count or the ramp setting
        // (changed during a pause) has changed since the last box.
        if (!rampKnown || rampCount != count_.RelativeCount ||
            rampFactor != settings_.training.betRampFactor) {
            rampCount = count_.RelativeCount;
            rampFactor = settings_.training.betRampFactor;
            ramp = BetRampUnits(rampCount, rampFactor);
            rampKnown = true;
        }
        if (b.isRobot) SetUnitsFromEngine(box, ramp);

        if (check && !b.isRobot) {
            // The stake check looks at the first human box only.
            if (!settings_.training.trainingMode) return placed;
            const int wanted = b.baseUnits * ramp;
            if (b.units == wanted) return placed;
            if (settings_.training.deviationSound) Beep();
            if (settings_.training.showStrategicBet && view_ != nullptr) {
                view_->SetHint("Einsatz " + std::to_string(wanted) + " Stücke");
            }
            Pump();
            state_.waitingForBet = true;
            switch (settings_.training.betPause) {
                case 0:
                    WaitForBetCorrection(box);
                    break;
                case 1:
                    roundDelayIntervalMs_ = settings_.roundDelay * 100 + 5000;
                    break;
                default:
                    break;
            }
            return placed;
        }

        float stake = b.StakeOfUnits(b.units);
        if (stake > b.capital) {
            SetUnitsFromEngine(box, 0);
            stake = 0.0f;
            b.inPlay = false;
            // The title must not go on showing the last round's stake.
            if (view_ != nullptr) view_->SetStakeLabel(box, "Kapital reicht nicht");
        }
        b.hands[0].stake = stake;
        b.inPlay = stake > 0.0f;
        if (stake > 0.0f) {
            PlayCue(Cue::Einsatz, Sound::Coin1, true, box);
            if (view_ != nullptr) view_->ShowCoin(box, 1, true);
            if (deal) {
                b.isSplit = false;  // the last round's split is not this stake's
                ChargeStake(box, 1);
            }
            ++placed;
        }
    }
    return placed;
}

void Table::ShowChargedStake(int box, int multiplier) {
    const TPlayerBox& b = Box(box);
    if (b.isSplit) {
        ShowStake(box,
                  "Einsatz: " + Money(b.hands[0].stake, 0) + " und " + Money(b.hands[1].stake, 0));
    } else {
        ShowStake(box, "Einsatz: " + Money(static_cast<float>(multiplier) * b.hands[0].stake, 0));
    }
    ShowCapital(box);
}

void Table::WaitForBetCorrection(int box) {
    if (headless_) return;
    if (view_ != nullptr) view_->SetUnitsBlinking(box, true);
    // A stop, also one requested earlier in the round, ends the run without
    // waiting for the corrected stake: the hint has told what it should be.
    while (state_.waitingForBet && !state_.stopRequested) host_.WaitEvents();
    state_.waitingForBet = false;
    if (view_ != nullptr) view_->SetUnitsBlinking(box, false);
}

void Table::OpeningDeal() {
    for (int box = 1; box <= BOX_COUNT; ++box) {
        Box(box).ClearForNewRound();
        if (view_ != nullptr) view_->SetDecisionsText(box, "");
    }
    dealer_.cardCount = 0;
    dealer_.total = 0;
    dealer_.isBlackjack = false;

    for (int box = 1; box <= BOX_COUNT; ++box) {
        WaitWhilePaused();
        Pump();
        if (!Box(box).TakesPart()) continue;
        Box(box).historyRow += 1;
        DealToBox(box, 1);
    }
    DealToDealer();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        WaitWhilePaused();
        Pump();
        if (Box(box).TakesPart()) DealToBox(box, 1);
    }
}

}  // namespace tavexo
