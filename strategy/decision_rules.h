#pragma once

#include "engine/double_offer.h"
#include "engine/table_state.h"
#include "settings/program_settings.h"
#include "stats/count_ratio.h"
#include "strategy/strategy_tables.h"

namespace tavexo {

// What the five strategy questions read besides the box: the table rules,
// the insurance choice of the training centre and the relative count.
struct StrategyContext {
    const TGameRules& rules;
    const TTrainingSettings& training;
    float count;
    // With `exact` set, the count is taken from `ratio` instead, compared in
    // whole numbers with the same answers (the simulator's robot rounds).
    bool exact = false;
    CountRatio ratio{};
};

// The count compared with a table entry, the only way the questions read it.
inline bool CountAbove(const StrategyContext& context, int32_t entry) {
    return context.exact ? context.ratio > entry : context.count > static_cast<float>(entry);
}
inline bool CountBelow(const StrategyContext& context, int32_t entry) {
    return context.exact ? context.ratio < entry : context.count < static_cast<float>(entry);
}

// The questions compare the count with one table entry, strictly. They do
// not ask whether the matching button is enabled; that is the caller's part.

// Whether to buy insurance. Whether the dealer shows an ace, or the box is
// already insured, is for the caller to decide.
bool ShouldInsure(const StrategyContext& context);

// Whether to split hand 1 (a two-card pair by point value).
bool ShouldSplit(const TPlayerBox& box, int dealerValue, const StrategyContext& context);

namespace detail {

// The surrender, double and hit questions look their entry up by the kind of
// hand, its total and the dealer's card in one step, in tables drawn from
// the index tables when the program is built. A hand that the rules never
// let act (or always let act) gets an entry beyond every count a shoe
// reaches, so the comparison gives the fixed answer; the lookup saves the
// chain of range checks, whose outcome depends on the cards and cannot be
// predicted.
inline constexpr int32_t BEYOND_EVERY_COUNT = 1000000;
inline constexpr int MAX_KEYED_TOTAL = 21;
inline constexpr int HARD_HAND = 0;
inline constexpr int SOFT_HAND = 1;
inline constexpr int PAIR_OF_SEVENS = 2;  // and PAIR_OF_SEVENS + 1 for eights
using EntryGrid = std::array<std::array<int32_t, 12>, MAX_KEYED_TOTAL + 1>;

// Double while the count is above the entry, by the rule "Verdoppeln", by
// whether the hand is judged as soft (soft hands with soft doubling
// allowed), and by the stored total.
inline constexpr int DOUBLE_RULES = static_cast<int>(DoubleTotalSets.size());
constexpr std::array<std::array<EntryGrid, 2>, DOUBLE_RULES> BuildDoubleEntries() {
    std::array<std::array<EntryGrid, 2>, DOUBLE_RULES> entries{};
    for (int choice = 0; choice < DOUBLE_RULES; ++choice) {
        for (int softPath = 0; softPath <= 1; ++softPath) {
            for (int total = 0; total <= MAX_KEYED_TOTAL; ++total) {
                // A soft hand may also double on its low total, the ace
                // counted as 1: under "9, 10 oder 11" an ace and an 8 (soft
                // 19) counts as 9.
                const bool allowed = IsDoubleTotal(choice, total) ||
                                     (softPath == 1 && IsDoubleTotal(choice, total - 10));
                for (int dealer = 0; dealer < 12; ++dealer) {
                    int32_t entry = BEYOND_EVERY_COUNT;
                    if (allowed && dealer >= 2) {
                        if (softPath == 1) {
                            // Two aces (soft 12) are never doubled.
                            if (total >= SoftDoubleIndex.firstRow &&
                                total <= SoftDoubleIndex.lastRow) {
                                entry = SoftDoubleIndex.At(total, dealer);
                            }
                        } else if (total >= HardDoubleIndex.firstRow &&
                                   total <= HardDoubleIndex.lastRow) {
                            entry = HardDoubleIndex.At(total, dealer);
                        }
                    }
                    entries[choice][softPath][total][dealer] = entry;
                }
            }
        }
    }
    return entries;
}

inline constexpr std::array<std::array<EntryGrid, 2>, DOUBLE_RULES> DOUBLE_ENTRIES =
    BuildDoubleEntries();

}  // namespace detail

// Whether to double `hand` (1 or 2), judged by its stored total. A soft hand
// is judged by the soft table only while the rules allow soft doubles.
// Every box asks it at least once, so it lives in the header.
inline bool ShouldDouble(const TPlayerBox& box, int hand, int dealerValue, bool soft,
                         const StrategyContext& context) {
    const THand& h = box.Hand(hand);
    if (h.cardCount != 2) return false;
    const int total = h.total;
    const int choice = context.rules.doubleChoice;
    // A rule index outside the four (a hand-edited settings file) allows no
    // double at all.
    if (choice < 0 || choice >= detail::DOUBLE_RULES || total < 0 ||
        total > detail::MAX_KEYED_TOTAL || dealerValue < 2 || dealerValue > 11) {
        return false;
    }
    const bool softPath = soft && context.rules.softDouble;
    return CountAbove(context,
                      detail::DOUBLE_ENTRIES[choice][softPath ? 1 : 0][total][dealerValue]);
}

// Whether to surrender; only a first decision on two cards can be one.
bool ShouldSurrender(const TPlayerBox& box, int dealerValue, bool soft,
                     const StrategyContext& context);

enum class HitAnswer { Stand, Hit, Double };

// Whether to draw to `hand`. Totals the hand afresh and keeps the soft flag
// of that total in `box.isSoft`, while the decision itself follows `soft` as
// passed; a total over 21 ends the box's turn (`turnDone`). A hard hand that
// should be doubled answers Double: the caller carries out the double, after
// which the hand takes no further card. With `mayDouble` false (the capital
// does not cover a double) the answer is the one for a table that does not
// allow the double.
HitAnswer ShouldHit(TPlayerBox& box, int hand, int dealerValue, bool soft,
                    const StrategyContext& context, bool mayDouble = true);

// ShouldHit for a caller that already holds the hand's total by the hand
// total rule, as the table keeps it in THand::total and THand::soft: the
// same answer without totalling the cards again. The robot asks this on
// every hit decision.
HitAnswer ShouldHitWithTotal(TPlayerBox& box, int hand, HandTotal current, int dealerValue,
                             bool soft, const StrategyContext& context, bool mayDouble = true);

}  // namespace tavexo
