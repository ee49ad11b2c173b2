#include "engine/shoe.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

std::vector<CardCode> CardsOf(const TShoe& shoe) {
    return std::vector<CardCode>(shoe.cards.begin(), shoe.cards.begin() + shoe.total);
}

// How often each code 1..52 occurs among the shoe's cards.
std::array<int, CARDS_PER_DECK + 1> Composition(const TShoe& shoe) {
    std::array<int, CARDS_PER_DECK + 1> count{};
    for (const CardCode code : CardsOf(shoe)) {
        if (code >= 1 && code <= CARDS_PER_DECK)
            ++count[code];
        else
            ++count[0];  // not a card
    }
    return count;
}

class ShoeOfDecks : public ::testing::TestWithParam<int> {};

TEST_P(ShoeOfDecks, HoldsEveryCodeOncePerDeck) {
    const int decks = GetParam();
    ShoeShuffler shuffler(7);
    TShoe shoe;
    shoe.position = 99;
    shuffler.NewShoe(shoe, decks);
    EXPECT_EQ(shoe.total, decks * 52);
    EXPECT_EQ(shoe.position, 0);
    const auto count = Composition(shoe);
    EXPECT_EQ(count[0], 0);
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) EXPECT_EQ(count[code], decks) << code;
}

INSTANTIATE_TEST_SUITE_P(DeckCounts, ShoeOfDecks, ::testing::ValuesIn(DECK_COUNTS));

struct CutCase {
    int total;
    int first;
    int last;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.total << " cards";
}

class CutCard : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutCard, LiesInItsRangeAndReachesBothEnds) {
    const CutCase& c = GetParam();
    ShoeShuffler shuffler(2024);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(shuffler.CutCardPosition(c.total));
    EXPECT_EQ(*seen.begin(), c.first);
    EXPECT_EQ(*seen.rbegin(), c.last);
    EXPECT_EQ(static_cast<int>(seen.size()), c.last - c.first + 1);  // every value between

    TShoe shoe;
    shuffler.NewShoe(shoe, c.total / 52);
    EXPECT_GE(shoe.cutPosition, c.first);
    EXPECT_LE(shoe.cutPosition, c.last);
}

INSTANTIATE_TEST_SUITE_P(DeckCounts, CutCard,
                         ::testing::Values(CutCase{52, 42, 43}, CutCase{208, 165, 170},
                                           CutCase{312, 247, 255}, CutCase{416, 330, 340}),
                         [](const auto& info) {
                             return std::to_string(info.param.total) + "Cards";
                         });

TEST(ShoeShuffler, AFixedSeedRepeatsItsShoes) {
    ShoeShuffler a(12345), b(12345), other(54321);
    TShoe shoeA, shoeB, shoeOther;
    for (int round = 0; round < 2; ++round) {
        a.NewShoe(shoeA, 6);
        b.NewShoe(shoeB, 6);
        other.NewShoe(shoeOther, 6);
        EXPECT_EQ(CardsOf(shoeA), CardsOf(shoeB));
        EXPECT_EQ(shoeA.cutPosition, shoeB.cutPosition);
        EXPECT_NE(CardsOf(shoeA), CardsOf(shoeOther));
    }
}

TEST(ShoeShuffler, FreshShufflersDealDifferentShoes) {
    // Seeded from entropy, not from the clock: two made at the same moment
    // still differ (the chance of two equal 8-deck shoes is nil).
    ShoeShuffler a, b;
    EXPECT_NE(a.Seed(), b.Seed());
    TShoe shoeA, shoeB;
    a.NewShoe(shoeA, 8);
    b.NewShoe(shoeB, 8);
    EXPECT_NE(CardsOf(shoeA), CardsOf(shoeB));
}

TEST(ShoeShuffler, EveryCardCanEndUpAtEitherEndOfTheShoe) {
    // A shuffle that moves every card (or never touches the first or last
    // place) would miss some codes here.
    ShoeShuffler shuffler(99);
    std::set<CardCode> first, last;
    TShoe shoe;
    for (int i = 0; i < 3000; ++i) {
        shuffler.NewShoe(shoe, 1);
        first.insert(shoe.cards[0]);
        last.insert(shoe.cards[51]);
    }
    EXPECT_EQ(first.size(), 52u);
    EXPECT_EQ(last.size(), 52u);
}

TEST(ShoeShuffler, AStackedShoeDealsItsCardsFirstAndKeepsTheComposition) {
    ShoeShuffler shuffler(5);
    const std::vector<CardCode> stack = {1, 14, 27, 40, 10, 13};
    shuffler.StackNextShoe(stack, 20);
    TShoe shoe;
    shuffler.NewShoe(shoe, 1);
    EXPECT_EQ(std::vector<CardCode>(shoe.cards.begin(), shoe.cards.begin() + 6), stack);
    EXPECT_EQ(shoe.cutPosition, 20);
    const auto count = Composition(shoe);
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) EXPECT_EQ(count[code], 1) << code;

    // The stack is used once; the next shoe is shuffled and cut as usual.
    shuffler.NewShoe(shoe, 1);
    EXPECT_GE(shoe.cutPosition, 42);
    EXPECT_NE(std::vector<CardCode>(shoe.cards.begin(), shoe.cards.begin() + 6), stack);
}

TEST(ShoeShuffler, NeverFillsTheShoeWithSomethingThatIsNoCard) {
    ShoeShuffler shuffler(3);
    shuffler.StackNextShoe({0, 53, -1, 5});
    TShoe shoe;
    shuffler.NewShoe(shoe, 1);
    EXPECT_EQ(shoe.cards[0], 5);
    EXPECT_EQ(Composition(shoe)[0], 0);

    shuffler.NewShoe(shoe, 0);  // a deck count the table does not offer
    EXPECT_EQ(shoe.total, 52);
    shuffler.NewShoe(shoe, 9);
    EXPECT_EQ(shoe.total, 416);
}

}  // namespace
}  // namespace tavexo
