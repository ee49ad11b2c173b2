#include "strategy/decision_rules.h"

#include "strategy/strategy_tables.h"

namespace tavexo {

namespace {

using detail::BEYOND_EVERY_COUNT;
using detail::EntryGrid;
using detail::HARD_HAND;
using detail::MAX_KEYED_TOTAL;
using detail::PAIR_OF_SEVENS;
using detail::SOFT_HAND;

// Surrender while the count is above the entry: only a hard 12..16, a soft
// 13..16, or a pair of sevens or eights, against a dealer's 8 to ace.
constexpr std::array<EntryGrid, 4> BuildSurrenderEntries() {
    std::array<EntryGrid, 4> entries{};
    for (int kind = 0; kind < 4; ++kind) {
        for (int total = 0; total <= MAX_KEYED_TOTAL; ++total) {
            for (int dealer = 0; dealer < 12; ++dealer) {
                int32_t entry = BEYOND_EVERY_COUNT;
                if (dealer >= 8 && total >= 12 && total <= 16) {
                    if (kind == SOFT_HAND && total >= 13) {
                        entry = SoftSurrenderIndex.At(total, dealer);
                    } else if (kind == HARD_HAND) {
                        entry = HardSurrenderIndex.At(total, dealer);
                    } else if (kind >= PAIR_OF_SEVENS) {
                        // Sevens and eights have their own row; the hard total
                        // is not consulted.
                        entry = PairSurrenderIndex.At(kind - PAIR_OF_SEVENS + 7, dealer);
                    }
                }
                entries[kind][total][dealer] = entry;
            }
        }
    }
    return entries;
}

// Hit while the count is below the entry: a soft 12 or less and a hard 11
// or less always, a soft 19 and a hard 18 or more never.
constexpr std::array<EntryGrid, 2> BuildHitEntries() {
    std::array<EntryGrid, 2> entries{};
    for (int total = 0; total <= MAX_KEYED_TOTAL; ++total) {
        for (int dealer = 0; dealer < 12; ++dealer) {
            int32_t soft = total <= 12 ? BEYOND_EVERY_COUNT : -BEYOND_EVERY_COUNT;
            if (total >= 13 && total <= 18 && dealer >= 2) soft = SoftHitIndex.At(total, dealer);
            int32_t hard = total <= 11 ? BEYOND_EVERY_COUNT : -BEYOND_EVERY_COUNT;
            if (total >= 12 && total <= 17 && dealer >= 2) hard = HardHitIndex.At(total, dealer);
            entries[SOFT_HAND][total][dealer] = soft;
            entries[HARD_HAND][total][dealer] = hard;
        }
    }
    return entries;
}

constexpr std::array<EntryGrid, 4> SURRENDER_ENTRIES = BuildSurrenderEntries();
constexpr std::array<EntryGrid, 2> HIT_ENTRIES = BuildHitEntries();

}  // namespace

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

bool ShouldSurrender(const TPlayerBox& box, int dealerValue, bool soft,
                     const StrategyContext& context) {
    const THand& hand = box.Hand(1);
    if (box.isSplit || hand.doubled || box.turnDone || box.insuranceCount > 0 ||
        hand.cardCount != 2 || context.rules.noSurrender) {
        return false;
    }
    const int total = hand.total;
    if (total < 0 || total > MAX_KEYED_TOTAL || dealerValue < 2 || dealerValue > 11) return false;
    const int first = CardValue(hand.cards[0]);
    const bool pair = (first == 7 || first == 8) && CardValue(hand.cards[1]) == first;
    const int kind = soft ? SOFT_HAND : pair ? first - 7 + PAIR_OF_SEVENS : HARD_HAND;
    return CountAbove(context, SURRENDER_ENTRIES[kind][total][dealerValue]);
}

HitAnswer ShouldHit(TPlayerBox& box, int hand, int dealerValue, bool soft,
                    const StrategyContext& context, bool mayDouble) {
    const THand& h = box.Hand(hand);
    return ShouldHitWithTotal(box, hand, TotalOf(h.cards.data(), h.cardCount), dealerValue, soft,
                              context, mayDouble);
}

HitAnswer ShouldHitWithTotal(TPlayerBox& box, int hand, HandTotal current, int dealerValue,
                             bool soft, const StrategyContext& context, bool mayDouble) {
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
    if (!soft && total < 18 && mayDouble && ShouldDouble(box, hand, dealerValue, false, context)) {
        return HitAnswer::Double;
    }
    if (total < 0 || dealerValue < 2 || dealerValue > 11) return HitAnswer::Stand;
    const int kind = soft ? SOFT_HAND : HARD_HAND;
    return CountBelow(context, HIT_ENTRIES[kind][total][dealerValue]) ? HitAnswer::Hit
                                                                      : HitAnswer::Stand;
}

}  // namespace tavexo
