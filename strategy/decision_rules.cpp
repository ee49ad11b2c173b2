#include "strategy/decision_rules.h"

#include "strategy/strategy_tables.h"

namespace tavexo {

bool ShouldInsure(const StrategyContext& context) {
    const int choice = context.training.insuranceChoice;
    // An unknown choice (a hand-edited settings file) reads as "nie".
    if (choice < 0 || choice >= static_cast<int>(InsuranceIndex.size())) return false;
    return CountAbove(context, InsuranceIndex[choice]);
}

bool ShouldSplit(const TPlayerBox& box, int dealerValue, const StrategyContext& context) {
    const THand& hand = box.Hand(1);
    if (hand.cardCount != 2) return false;
    const int first = CardValue(hand.cards[0]);
    if (first != CardValue(hand.cards[1])) return false;
    return CountAbove(context, SplitIndex.At(first, dealerValue));
}

bool ShouldDouble(const TPlayerBox& box, int hand, int dealerValue, bool soft,
                  const StrategyContext& context) {
    const THand& h = box.Hand(hand);
    if (h.cardCount != 2) return false;
    const int total = h.total;
    const int choice = context.rules.doubleChoice;
    const bool softPath = soft && context.rules.softDouble;
    // A soft hand may also double on its low total, the ace counted as 1:
    // under "9, 10 oder 11" an ace and an 8 (soft 19) counts as 9.
    const bool allowed =
        IsDoubleTotal(choice, total) || (softPath && IsDoubleTotal(choice, total - 10));
    if (!allowed) return false;
    if (softPath) {
        // Two aces (soft 12) are never doubled.
        if (total < SoftDoubleIndex.firstRow || total > SoftDoubleIndex.lastRow) return false;
        return CountAbove(context, SoftDoubleIndex.At(total, dealerValue));
    }
    if (total < HardDoubleIndex.firstRow || total > HardDoubleIndex.lastRow) return false;
    return CountAbove(context, HardDoubleIndex.At(total, dealerValue));
}

bool ShouldSurrender(const TPlayerBox& box, int dealerValue, bool soft,
                     const StrategyContext& context) {
    const THand& hand = box.Hand(1);
    if (box.isSplit || hand.doubled || box.turnDone || box.insuranceCount > 0 ||
        hand.cardCount != 2 || context.rules.noSurrender) {
        return false;
    }
    const int total = hand.total;
    const int first = CardValue(hand.cards[0]);
    if (total < 12) return false;
    if (soft && (total < 13 || total > 16)) return false;
    if (dealerValue <= 7) return false;
    if (total > 16) return false;
    if (soft) return CountAbove(context, SoftSurrenderIndex.At(total, dealerValue));
    // Sevens and eights have their own row; the hard total is not consulted.
    if ((first == 7 || first == 8) && CardValue(hand.cards[1]) == first) {
        return CountAbove(context, PairSurrenderIndex.At(first, dealerValue));
    }
    return CountAbove(context, HardSurrenderIndex.At(total, dealerValue));
}

HitAnswer ShouldHit(TPlayerBox& box, int hand, int dealerValue, bool soft,
                    const StrategyContext& context) {
    const THand& h = box.Hand(hand);
    return ShouldHitWithTotal(box, hand, TotalOf(h.cards.data(), h.cardCount), dealerValue, soft,
                              context);
}

HitAnswer ShouldHitWithTotal(TPlayerBox& box, int hand, HandTotal current, int dealerValue,
                             bool soft, const StrategyContext& context) {
    const THand& h = box.Hand(hand);
    if (box.isSplit && h.cardCount > 0 && CardValue(h.cards[0]) == 11 &&
        context.rules.splitAcesOneCard) {
        return HitAnswer::Stand;
    }
    box.isSoft = current.soft;
    const int total = current.total;
    if (total > 21) {
        box.turnDone = true;
        return HitAnswer::Stand;
    }
    if (soft) {
        if (total >= 19) return HitAnswer::Stand;
        if (total <= 12) return HitAnswer::Hit;
        return CountBelow(context, SoftHitIndex.At(total, dealerValue))
                   ? HitAnswer::Hit
                   : HitAnswer::Stand;
    }
    if (total >= 18) return HitAnswer::Stand;
    if (ShouldDouble(box, hand, dealerValue, false, context)) return HitAnswer::Double;
    if (total <= 11) return HitAnswer::Hit;
    return CountBelow(context, HardHitIndex.At(total, dealerValue))
               ? HitAnswer::Hit
               : HitAnswer::Stand;
}

}  // namespace tavexo
