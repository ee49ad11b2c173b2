// The drill's arithmetic: the reserve, the remaining decks and the true
// count that divides by 1 where the table's would double.
#include <gtest/gtest.h>

#include "drill/drill_rules.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

struct ReserveCase {
    const char* name;
    int places;
    int reserve;
};

class DrillReserveTest : public ::testing::TestWithParam<ReserveCase> {};

TEST_P(DrillReserveTest, IsFiveAndAHalfCardsPerPlaceRoundedHalfToEven) {
    EXPECT_EQ(DrillReserve(GetParam().places), GetParam().reserve);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrillReserveTest,
                         ::testing::Values(ReserveCase{"OneBoxHalfUpToSix", 1, 6},
                                           ReserveCase{"TwoBoxes", 2, 11},
                                           ReserveCase{"ThreeBoxesHalfDownToSixteen", 3, 16},
                                           ReserveCase{"FiveBoxesHalfUpToTwentyEight", 5, 28},
                                           ReserveCase{"AllEightPlaces", 8, 44}),
                         [](const auto& info) { return std::string(info.param.name); });

struct DecksCase {
    const char* name;
    int cards;
    int dealt;
    int running;
    int decks;
    double relative;
};

class DrillDecksTest : public ::testing::TestWithParam<DecksCase> {};

TEST_P(DrillDecksTest, RemainingDecksAndTrueCount) {
    const DecksCase& c = GetParam();
    const int decks = DrillRemainingDecks(c.cards, c.dealt);
    EXPECT_EQ(decks, c.decks);
    EXPECT_DOUBLE_EQ(DrillRelativeCount(c.running, decks), c.relative);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrillDecksTest,
    ::testing::Values(DecksCase{"FullShoe", 416, 0, 0, 8, 0.0},
                      DecksCase{"TwoDecksLeft", 416, 312, 5, 2, 2.5},
                      DecksCase{"HalfOfFiveDecksRoundsDownToTwo", 416, 286, -4, 2, -2.0},
                      DecksCase{"ThirtyCardsLeftIsOneDeck", 416, 386, 7, 1, 7.0},
                      // The table would double here; the drill divides by 1.
                      DecksCase{"TwentyCardsLeftIsNoDeckYetDividesByOne", 416, 396, 7, 0, 7.0},
                      DecksCase{"HalfADeckRoundsToNone", 52, 26, -3, 0, -3.0},
                      DecksCase{"EmptyShoe", 52, 52, 4, 0, 4.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeckMessage, NamesOneDeckInTheSingular) {
    EXPECT_EQ(DeckMessage(1), "Gespielt wird mit 1 Deck = 52 Karten");
    EXPECT_EQ(DeckMessage(2), "Gespielt wird mit 2 Decks = 104 Karten");
    EXPECT_EQ(DeckMessage(8), "Gespielt wird mit 8 Decks = 416 Karten");
}

}  // namespace
}  // namespace tavexo
