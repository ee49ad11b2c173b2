#include "engine/shoe.h"

#include <algorithm>
#include <cmath>

namespace tavexo {

namespace {

uint64_t EntropySeed() {
    std::random_device device;
    return (uint64_t{device()} << 32) ^ device();
}

}  // namespace

ShoeShuffler::ShoeShuffler() : ShoeShuffler(EntropySeed()) {}

ShoeShuffler::ShoeShuffler(uint64_t seed) : seed_(seed), rng_(seed) {}

int ShoeShuffler::UniformBelow(int bound) {
    // Rejection sampling keeps every index equally likely.
    const uint64_t range = static_cast<uint64_t>(bound);
    const uint64_t limit = std::mt19937_64::max() - std::mt19937_64::max() % range;
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

    // The ordered composition: code 1..52 once per deck.
    std::array<int, CARDS_PER_DECK + 1> remaining{};
    remaining.fill(decks);
    int filled = 0;
    for (const CardCode code : stacked_) {
        if (filled == total) break;
        if (code < 1 || code > CARDS_PER_DECK) continue;  // not a card: never dealt
        shoe.cards[filled++] = code;
        if (remaining[code] > 0) --remaining[code];
    }
    const int restBegin = filled;
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) {
        for (int n = 0; n < remaining[code] && filled < total; ++n) shoe.cards[filled++] = code;
    }
    // Cards that the stack took beyond the composition leave holes at the end;
    // fill them so the shoe never holds a non-card.
    for (CardCode code = 1; filled < total; code = code % CARDS_PER_DECK + 1) {
        shoe.cards[filled++] = code;
    }
    // Fisher-Yates over the unstacked rest: every order equally likely.
    for (int i = total - 1; i > restBegin; --i) {
        const int j = restBegin + UniformBelow(i - restBegin + 1);
        std::swap(shoe.cards[i], shoe.cards[j]);
    }

    shoe.cutPosition = stackedCut_ ? *stackedCut_ : CutCardPosition(total);
    stacked_.clear();
    stackedCut_.reset();
}

}  // namespace tavexo
