#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/cards.h"
#include "engine/mersenne_twister.h"

namespace tavexo {

inline constexpr std::array<int, 4> DECK_COUNTS = {1, 4, 6, 8};
inline constexpr int MAX_SHOE_CARDS = 8 * CARDS_PER_DECK;

// The cards of one to eight decks, shuffled, with a cut card. `position`
// counts the cards dealt; the next card is cards[position] (0-based here).
struct TShoe {
    std::array<CardCode, MAX_SHOE_CARDS> cards{};
    int32_t position = 0;
    int32_t total = 0;
    int32_t cutPosition = 0;

    bool Empty() const { return position >= total; }
};

// Shuffles shoes. The generator is seeded once, from real entropy unless a
// seed is given; it is never re-seeded per shuffle, since two shuffles within
// one clock tick would otherwise repeat the same order.
class ShoeShuffler {
  public:
    ShoeShuffler();
    explicit ShoeShuffler(uint64_t seed);

    uint64_t Seed() const { return seed_; }

    // Fills the shoe with `decks` decks in a uniformly random order, places the
    // cut card and sets position 0. A stacked order, when one is pending,
    // comes first; the rest of the composition follows shuffled.
    void NewShoe(TShoe& shoe, int decks);

    // A uniform integer in 0 .. bound - 1 (bound > 0).
    int UniformBelow(int bound);

    // The cut card position for a shoe of `total` cards: 18.5 % to 21 % of the
    // cards lie behind it.
    int CutCardPosition(int total);

    // For tests: the next NewShoe deals these codes first, and places the cut
    // card at `cutPosition` when one is given.
    void StackNextShoe(std::vector<CardCode> firstCards, std::optional<int> cutPosition = {});

  private:
    // Fill the shoe's composition in order; return where the shuffle starts.
    static int FillInOrder(TShoe& shoe, int decks);
    int FillStacked(TShoe& shoe, int decks);

    uint64_t seed_;
    MersenneTwister64 rng_;
    std::vector<CardCode> stacked_;
    std::optional<int> stackedCut_;
};

}  // namespace tavexo
