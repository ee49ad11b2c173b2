#include "engine/shoe.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace tavexo {

namespace {

uint64_t EntropySeed() {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
}

// Fisher-Yates over cards[0, n): step by step from the back, the card at
// place i - 1 is swapped with one of the places 0 .. i - 1. The indices of up
// to six steps come from one 64-bit draw (Brackett-Rozinsky and Lemire,
// "Batched ranged random integer generation"): multiplying the draw by i
// gives the first index in the high 64 bits, the low 64 bits multiplied by
// i - 1 the next, and so on. The draws whose final low bits fall below
// 2^64 mod (i (i - 1) ... ) are drawn again, which makes every combination
// of indices, and so every order of the shoe, exactly equally likely.
// Draws the indices of `k` steps over cards[0, n) and carries them out.
// Every product of up to six bounds of a shoe (416^6) lies below 2^53, so a
// low part at or above 2^53 passes without the division that gives the
// exact limit.
// 2^64 mod (n (n - 1) ... (n - k + 1)): one draw in 2048 needs it, so it
// stays out of the loop, whose division would otherwise be worked out for
// every draw.
[[gnu::noinline, gnu::cold]] uint64_t ExactLimit(uint64_t n, uint64_t k) {
    uint64_t product = n;
    for (uint64_t t = 1; t < k; ++t) product *= n - t;
    return (0 - product) % product;
}

template <typename Generator>
inline void ShuffleSteps(CardCode* cards, uint64_t n, uint64_t k, Generator& rng) {
    using Uint128 = unsigned __int128;
    constexpr uint64_t ALWAYS_ABOVE_LIMIT = uint64_t{1} << 53;
    uint64_t indices[6];
    for (;;) {
        uint64_t low = rng();
        for (uint64_t t = 0; t < k; ++t) {
            const Uint128 m = static_cast<Uint128>(low) * (n - t);
            indices[t] = static_cast<uint64_t>(m >> 64);
            low = static_cast<uint64_t>(m);
        }
        if (low >= ALWAYS_ABOVE_LIMIT) [[likely]]
            break;
        if (low >= ExactLimit(n, k)) break;
    }
    for (uint64_t t = 0; t < k; ++t) std::swap(cards[n - 1 - t], cards[indices[t]]);
}

template <typename Generator>
void BatchedShuffle(CardCode* cards, uint64_t n, Generator& rng) {
    // Full batches of six steps with a fixed count, which the compiler
    // unrolls, then the last few steps.
    for (; n > 7; n -= 6) ShuffleSteps(cards, n, 6, rng);
    if (n > 1) ShuffleSteps(cards, n, n - 1, rng);
}

}  // namespace

ShoeShuffler::ShoeShuffler() : ShoeShuffler(EntropySeed()) {}

ShoeShuffler::ShoeShuffler(uint64_t seed) : seed_(seed), rng_(seed) {}

int ShoeShuffler::UniformBelow(int bound) {
    // Rejection sampling keeps every index equally likely.
    const uint64_t range = static_cast<uint64_t>(bound);
    const uint64_t limit = MersenneTwister64::max() - MersenneTwister64::max() % range;
    uint64_t r;
    do {
        r = rng_();
    } while (r >= limit);
    return static_cast<int>(r % range);
}

int ShoeShuffler::CutCardPosition(int total) {
    const int low = static_cast<int>(std::trunc(total * 0.185));
    const int high = static_cast<int>(std::nearbyint(total * 0.21));  // halves to even
    return total - low - UniformBelow(high - low);
}

void ShoeShuffler::StackNextShoe(std::vector<CardCode> firstCards, std::optional<int> cutPosition) {
    stacked_ = std::move(firstCards);
    stackedCut_ = cutPosition;
}

void ShoeShuffler::NewShoe(TShoe& shoe, int decks) {
    // The shoe holds at most eight decks; an empty one would leave no room
    // for a cut card.
    decks = std::clamp(decks, 1, MAX_SHOE_CARDS / CARDS_PER_DECK);
    const int total = decks * CARDS_PER_DECK;
    shoe.total = total;
    shoe.position = 0;

    const int restBegin = stacked_.empty() ? FillInOrder(shoe, decks) : FillStacked(shoe, decks);
    // The unstacked rest in a uniformly random order.
    BatchedShuffle(shoe.cards.data() + restBegin, static_cast<uint64_t>(total - restBegin), rng_);

    shoe.cutPosition = stackedCut_ ? *stackedCut_ : CutCardPosition(total);
    stacked_.clear();
    stackedCut_.reset();
}

int ShoeShuffler::FillInOrder(TShoe& shoe, int decks) {
    // Code 1..52 once per deck, in code order.
    int filled = 0;
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) {
        for (int n = 0; n < decks; ++n) shoe.cards[filled++] = code;
    }
    return 0;
}

int ShoeShuffler::FillStacked(TShoe& shoe, int decks) {
    // The stacked cards first, then the rest of the composition in code
    // order.
    const int total = decks * CARDS_PER_DECK;
    std::array<int, CARDS_PER_DECK + 1> remaining{};
    remaining.fill(decks);
    int filled = 0;
    for (const CardCode code : stacked_) {
        if (filled == total) break;
        if (code < 1 || code > CARDS_PER_DECK) continue;  // not a card: never dealt
        shoe.cards[filled++] = code;
        if (remaining[code] > 0) --remaining[code];
    }
    const int stackedCount = filled;
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) {
        for (int n = 0; n < remaining[code] && filled < total; ++n) shoe.cards[filled++] = code;
    }
    // Cards that the stack took beyond the composition leave holes at the end;
    // fill them so the shoe never holds a non-card.
    for (CardCode code = 1; filled < total; code = code % CARDS_PER_DECK + 1) {
        shoe.cards[filled++] = code;
    }
    return stackedCount;
}

}  // namespace tavexo
