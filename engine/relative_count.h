#pragma once

#include <array>
#include <cstdint>

#include "stats/count_ratio.h"

namespace tavexo {

// The Hi-Lo count of the shoe in play; reset with every new shoe.
struct TCount {
    int32_t RunningCount = 0;
    float RelativeCount = 0.0f;
};

// The running count per remaining deck; decks are rounded half to even, and
// with 26 or fewer cards left (0 decks) the count is doubled instead.
float ComputeRelativeCount(int32_t runningCount, int32_t shoeTotal, int32_t shoePosition);

namespace detail {

// Remaining decks by remaining cards, rounded half to even: 26 cards are 0
// decks, 78 are 2, 130 are 2.
constexpr std::array<uint8_t, 8 * 52 + 1> BuildDecksLeft() {
    std::array<uint8_t, 8 * 52 + 1> decks{};
    for (int remaining = 0; remaining <= 8 * 52; ++remaining) {
        int whole = remaining / 52;
        const int rest = remaining % 52;
        if (rest > 26 || (rest == 26 && whole % 2 != 0)) whole += 1;
        decks[remaining] = static_cast<uint8_t>(whole);
    }
    return decks;
}

inline constexpr std::array<uint8_t, 8 * 52 + 1> DECKS_LEFT = BuildDecksLeft();
inline constexpr std::array<double, 9> INVERSE_DECKS = {
    0.0, 1.0, 1.0 / 2.0, 1.0 / 3.0, 1.0 / 4.0, 1.0 / 5.0, 1.0 / 6.0, 1.0 / 7.0, 1.0 / 8.0};

}  // namespace detail

// The relative count of a running count and the decks left, as a float.
inline float RelativeCountOf(CountRatio ratio) {
    if (ratio.decks == 0) return static_cast<float>(2 * ratio.running);
    return static_cast<float>(ratio.running * detail::INVERSE_DECKS[ratio.decks]);
}

// The parts of the relative count when `remaining` cards (0 .. 8 decks) are
// left in the shoe.
inline CountRatio CountRatioAt(int32_t runningCount, int32_t remaining) {
    return CountRatio{runningCount, detail::DECKS_LEFT[remaining]};
}

// The relative count exactly as ComputeRelativeCount gives it, cheap enough
// for every card: the decks come from a table rather than through the
// floating-point environment's rounding, and the running count is
// multiplied by the decks' inverse. For the integer counts a shoe can reach,
// the product rounds to the same float as the quotient; a core test compares
// the two over every count and shoe position.
inline float RelativeCountAt(int32_t runningCount, int32_t shoeTotal, int32_t shoePosition) {
    const int32_t remaining = shoeTotal - shoePosition;
    if (remaining < 0 || remaining > 8 * 52) {
        return ComputeRelativeCount(runningCount, shoeTotal, shoePosition);
    }
    return RelativeCountOf(CountRatioAt(runningCount, remaining));
}

}  // namespace tavexo
