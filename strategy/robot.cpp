#include "strategy/robot.h"

namespace tavexo {

bool ShouldHitOrDouble(Table& table, int box, int hand, int dealerValue, bool soft) {
    TPlayerBox& b = table.Box(box);
    const HitAnswer answer =
        ShouldHit(b, hand, dealerValue, soft, ContextOf(table), b.CanAfford(Action::Double));
    if (answer == HitAnswer::Double) {
        table.DoDouble(box, hand);
        return false;
    }
    return answer == HitAnswer::Hit;
}

void StrategyRobot::Act(Table& table, int box, Action action) {
    if (listener_) listener_(table, box, action);
    table.CarryOut(box, action);
}

void StrategyRobot::RobotPlay(Table& table, int box, int dealerValue) {
    TPlayerBox& b = table.Box(box);
    if (ShouldSurrender(b, dealerValue, b.isSoft, ContextOf(table))) {
        Act(table, box, Action::Surrender);
        return;
    }
    // What the capital does not cover is played as if the table did not
    // allow it.
    if (dealerValue == 11 && b.CanAfford(Action::Insure) && ShouldInsure(ContextOf(table))) {
        Act(table, box, Action::Insure);
    }

    const int hand = b.HandInPlay();
    if (b.CanAfford(Action::Split) && ShouldSplit(b, dealerValue, ContextOf(table))) {
        Act(table, box, Action::Split);
    } else if (b.CanAfford(Action::Double) &&
               ShouldDouble(b, hand, dealerValue, b.isSoft, ContextOf(table))) {
        Act(table, box, Action::Double);
    }
    // A double deals its one card and ends the hand by itself.
    if (b.Hand(hand).doubled) return;

    // Each hand is asked only while it is the hand in play: a hand that ended
    // by itself at 21 or more (and passed play on) takes no further decision.
    const int hands = b.isSplit ? 2 : 1;
    for (int h = 1; h <= hands; ++h) {
        auto inPlay = [&] { return !b.turnDone && b.HandInPlay() == h; };
        while (inPlay()) {
            // The table keeps the hand's total card by card; no need to
            // total the cards again.
            const THand& current = b.Hand(h);
            const HitAnswer answer =
                ShouldHitWithTotal(b, h, HandTotal{current.total, current.soft}, dealerValue,
                                   b.isSoft, ContextOf(table), b.CanAfford(Action::Double));
            if (answer == HitAnswer::Hit) {
                Act(table, box, Action::Hit);
            } else {
                // A split hand is doubled only here, where the hit question
                // finds the double.
                Act(table, box, answer == HitAnswer::Double ? Action::Double : Action::Stand);
                break;
            }
        }
    }
}

}  // namespace tavexo
