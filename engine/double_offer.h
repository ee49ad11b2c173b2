#pragma once

#include "settings/program_settings.h"
#include "strategy/strategy_tables.h"

namespace tavexo {

// The Double button is offered on the two-card totals of the rule
// "Verdoppeln"; with soft doubling allowed, a soft hand counts with its ace as
// one as well (ace and 8 is 9 or 19), as the strategy reads the rule.
inline bool DoubleOffered(const TGameRules& rules, int total, bool soft) {
    return IsDoubleTotal(rules.doubleChoice, total) ||
           (soft && rules.softDouble && IsDoubleTotal(rules.doubleChoice, total - 10));
}

}  // namespace tavexo
