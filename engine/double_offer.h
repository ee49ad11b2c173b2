#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "settings/program_settings.h"

namespace tavexo {

// A set of two-card totals, 0..255.
class TTotalSet {
  public:
    constexpr TTotalSet(int first, int last) {
        for (int total = std::max(first, 0); total <= std::min(last, 255); ++total) {
            bits_[total / 64] |= uint64_t{1} << (total % 64);
        }
    }
    constexpr bool Contains(int total) const {
        if (total < 0 || total > 255) return false;
        return ((bits_[total / 64] >> (total % 64)) & 1) != 0;
    }

  private:
    std::array<uint64_t, 4> bits_{};
};

// The totals on which doubling is allowed, by the rule "Verdoppeln":
// 4..21, {9, 10, 11}, {10, 11}, {11}.
inline constexpr std::array<TTotalSet, 4> DoubleTotalSets = {TTotalSet(4, 21), TTotalSet(9, 11),
                                                             TTotalSet(10, 11), TTotalSet(11, 11)};

// Whether `total` is in the set of rule `doubleChoice`. A rule index outside
// 0..3 (a hand-edited settings file) allows no double at all.
constexpr bool IsDoubleTotal(int doubleChoice, int total) {
    if (doubleChoice < 0 || doubleChoice >= static_cast<int>(DoubleTotalSets.size())) {
        return false;
    }
    return DoubleTotalSets[doubleChoice].Contains(total);
}

// The Double button is offered on the two-card totals of the rule
// "Verdoppeln"; with soft doubling allowed, a soft hand counts with its ace as
// one as well (ace and 8 is 9 or 19), as the strategy reads the rule.
inline bool DoubleOffered(const TGameRules& rules, int total, bool soft) {
    return IsDoubleTotal(rules.doubleChoice, total) ||
           (soft && rules.softDouble && IsDoubleTotal(rules.doubleChoice, total - 10));
}

}  // namespace tavexo
