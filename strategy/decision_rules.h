#pragma once

#include "engine/table_state.h"
#include "settings/program_settings.h"
#include "stats/count_ratio.h"

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

// Whether to double `hand` (1 or 2), judged by its stored total. A soft hand
// is judged by the soft table only while the rules allow soft doubles.
bool ShouldDouble(const TPlayerBox& box, int hand, int dealerValue, bool soft,
                  const StrategyContext& context);

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
