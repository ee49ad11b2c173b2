// The shuffle draws the indices of several Fisher-Yates steps from one
// random number. These tests hold it to what a shuffle must be: every order
// equally likely, within one batch of steps and across a whole shoe, and the
// same shoes for the same seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "engine/shoe.h"

namespace tavexo {
namespace {

// Pearson's statistic of observed counts against one common expectation.
double ChiSquare(const std::vector<int>& observed, double expected) {
    double sum = 0.0;
    for (const int o : observed) sum += (o - expected) * (o - expected) / expected;
    return sum;
}

// Far beyond chance (six standard deviations of the statistic), yet a
// shuffle that favours some orders lands many times above it.
double Limit(int degreesOfFreedom) {
    return degreesOfFreedom + 6.0 * std::sqrt(2.0 * degreesOfFreedom);
}

class LastCards : public ::testing::TestWithParam<int> {};

// With all but the last n cards of a deck stacked, only those n are
// shuffled, all in one batch of n - 1 steps: each of the n! orders must
// come up equally often.
TEST_P(LastCards, EveryOrderIsEquallyLikely) {
    const int n = GetParam();
    std::vector<CardCode> stack;
    for (CardCode code = n + 1; code <= CARDS_PER_DECK; ++code) stack.push_back(code);
    int orders = 1;
    for (int i = 2; i <= n; ++i) orders *= i;
    const int shoes = 60 * orders;

    ShoeShuffler shuffler(static_cast<uint64_t>(n));
    TShoe shoe;
    std::map<std::vector<CardCode>, int> seen;
    for (int i = 0; i < shoes; ++i) {
        shuffler.StackNextShoe(stack, 40);
        shuffler.NewShoe(shoe, 1);
        ++seen[std::vector<CardCode>(shoe.cards.begin() + CARDS_PER_DECK - n,
                                     shoe.cards.begin() + CARDS_PER_DECK)];
    }
    ASSERT_EQ(static_cast<int>(seen.size()), orders);
    std::vector<int> counts;
    for (const auto& [order, count] : seen) counts.push_back(count);
    EXPECT_LT(ChiSquare(counts, 60.0), Limit(orders - 1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, LastCards, ::testing::Values(2, 3, 4, 5, 6, 7));

// Over whole decks (several batches each), every code is equally likely at
// every place.
TEST(Shuffle, EveryCodeIsEquallyLikelyAtEveryPlace) {
    constexpr int SHOES = 26000;
    ShoeShuffler shuffler(77);
    TShoe shoe;
    std::vector<int> counts(CARDS_PER_DECK * CARDS_PER_DECK, 0);
    for (int i = 0; i < SHOES; ++i) {
        shuffler.NewShoe(shoe, 1);
        for (int place = 0; place < CARDS_PER_DECK; ++place) {
            ++counts[place * CARDS_PER_DECK + shoe.cards[place] - 1];
        }
    }
    EXPECT_LT(ChiSquare(counts, SHOES / double(CARDS_PER_DECK)), Limit(51 * 51));
}

// A seed stands for one sequence of shoes, here and in every earlier trace
// of the simulator: a change of the shuffle shows up here first.
TEST(Shuffle, AFixedSeedDealsTheseShoes) {
    ShoeShuffler shuffler(2024);
    TShoe shoe;
    shuffler.NewShoe(shoe, 1);
    const std::vector<CardCode> deck(shoe.cards.begin(), shoe.cards.begin() + 52);
    EXPECT_EQ(deck, (std::vector<CardCode>{39, 21, 45, 41, 35, 36, 8,  14, 33, 46, 49, 23, 7,
                                           40, 20, 29, 15, 50, 10, 16, 2,  4,  43, 22, 31, 18,
                                           47, 1,  38, 24, 19, 51, 13, 12, 30, 27, 6,  17, 25,
                                           11, 9,  34, 52, 3,  26, 37, 5,  28, 48, 42, 44, 32}));
    EXPECT_EQ(shoe.cutPosition, 43);
    shuffler.NewShoe(shoe, 8);
    EXPECT_EQ(std::vector<CardCode>(shoe.cards.begin(), shoe.cards.begin() + 12),
              (std::vector<CardCode>{11, 30, 9, 40, 4, 17, 5, 37, 3, 6, 21, 12}));
    EXPECT_EQ(shoe.cards[415], 30);
    EXPECT_EQ(shoe.cutPosition, 338);
}

}  // namespace
}  // namespace tavexo
