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

    // Arithmetic rather than a branch on the decks: every question of every
    // box asks, and the shoe decides which way it goes.
    int32_t Scaled(int32_t k) const { return k * (decks + static_cast<int32_t>(decks == 0)); }
    int32_t Numerator() const { return running * (1 + static_cast<int32_t>(decks == 0)); }
};

inline bool operator>(CountRatio c, int32_t k) {
    return c.Numerator() > c.Scaled(k);
}
inline bool operator<(CountRatio c, int32_t k) {
    return c.Numerator() < c.Scaled(k);
}
inline bool operator>=(CountRatio c, int32_t k) {
    return !(c < k);
}
inline bool operator<=(CountRatio c, int32_t k) {
    return !(c > k);
}

}  // namespace tavexo
