#pragma once

#include <cstdint>

namespace tavexo {

// A relative count by its parts: the running count over the decks left,
// where 0 decks left (26 cards or fewer) doubles the running count instead.
// Compared with a whole number it needs no division and no rounding:
// count > k is running > k * decks, and 2 * running > k for 0 decks. The
// float the table shows is the same quotient rounded; a core test checks
// that both compare alike with every index over every count and deck.
struct CountRatio {
    int32_t running = 0;
    int32_t decks = 1;

    constexpr int32_t Scaled(int32_t k) const { return decks > 0 ? k * decks : k; }
    constexpr int32_t Numerator() const { return decks > 0 ? running : 2 * running; }
};

constexpr bool operator>(CountRatio c, int32_t k) {
    return c.Numerator() > c.Scaled(k);
}
constexpr bool operator<(CountRatio c, int32_t k) {
    return c.Numerator() < c.Scaled(k);
}
constexpr bool operator>=(CountRatio c, int32_t k) {
    return !(c < k);
}
constexpr bool operator<=(CountRatio c, int32_t k) {
    return !(c > k);
}

}  // namespace tavexo
