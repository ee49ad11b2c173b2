#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include <vector>

#include "engine/cards.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

// Codes by rank in the first suit; other suits add 13, 26, 39.
constexpr CardCode ACE = 1, SIX = 6, NINE = 9, TEN = 10, KING = 13;

struct TotalCase {
    std::vector<CardCode> cards;
    int total;
    bool soft;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const TotalCase& c, std::ostream* os) {
    for (size_t i = 0; i < c.cards.size(); ++i) *os << (i > 0 ? " " : "") << CardText(c.cards[i]);
}

class HandTotalTest : public ::testing::TestWithParam<TotalCase> {};

TEST_P(HandTotalTest, FollowsTheHandTotalRule) {
    const TotalCase& c = GetParam();
    const HandTotal result = TotalOf(c.cards.data(), static_cast<int>(c.cards.size()));
    EXPECT_EQ(result.total, c.total);
    EXPECT_EQ(result.soft, c.soft);
}

INSTANTIATE_TEST_SUITE_P(Cases, HandTotalTest,
                         ::testing::Values(TotalCase{{ACE, ACE + 13}, 12, true},        // A, A
                                           TotalCase{{ACE, ACE + 13, NINE}, 21, true},  // A, A, 9
                                           TotalCase{{ACE, SIX}, 17, true},             // soft 17
                                           TotalCase{{ACE, SIX, TEN}, 17, false},       // hard 17
                                           TotalCase{{KING, ACE}, 21, true},            // blackjack
                                           TotalCase{{TEN, SIX, KING}, 26, false},      // bust
                                           TotalCase{std::vector<CardCode>(21, ACE), 21,
                                                     false}));  // 21 aces

TEST(CardTable, ValuesCountsAndSuitsOfEveryCode) {
    for (CardCode code = 1; code <= 52; ++code) {
        const int rank = code % 13 == 0 ? 13 : code % 13;
        const int value = CardValue(code);
        const int count = CardCountValue(code);
        SCOPED_TRACE(code);
        if (rank == 1) {
            EXPECT_EQ(value, 11);
            EXPECT_EQ(count, -1);
        } else if (rank >= 10) {
            EXPECT_EQ(value, 10);
            EXPECT_EQ(count, -1);
        } else {
            EXPECT_EQ(value, rank);
            EXPECT_EQ(count, rank <= 6 ? 1 : 0);
        }
        EXPECT_EQ(CardSuit(code), (code - 1) / 13 + 1);
        EXPECT_EQ(CardHardValue(code), rank == 1 ? 1 : rank >= 10 ? 10 : rank);
    }
    // Code 0 is no card and has no points.
    EXPECT_EQ(CardValue(0), 0);
    EXPECT_EQ(CardHardValue(0), 0);
    EXPECT_EQ(CardCountValue(0), 0);
}

TEST(CardText, NamesByRank) {
    EXPECT_STREQ(CardText(13), "K");
    EXPECT_STREQ(CardText(14), "As");
    EXPECT_STREQ(CardText(26), "K");
    EXPECT_STREQ(CardText(52), "K");
    EXPECT_STREQ(CardText(10), "10");
    EXPECT_STREQ(CardText(11), "B");
    EXPECT_STREQ(CardText(12 + 39), "D");
}

TEST(CardTable, TenAndKingFormAPair) {
    EXPECT_EQ(CardValue(TEN), CardValue(KING + 26));
}

// The card-by-card total (a table look-up on the deal path) must agree with
// the whole-hand rule for every hand: all hands of up to five cards by their
// point values, a hand going on past 21, and totals beyond the table.
TEST(HandTotalCardByCard, AgreesWithTheWholeHandForEveryHandOfFiveCards) {
    // One code per point value: ace, 2..9, ten, and a king for a 10 of
    // another rank.
    const std::vector<CardCode> codes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13};
    std::vector<CardCode> hand;
    int checked = 0;
    std::function<void()> extend = [&] {
        HandTotal running;
        for (const CardCode code : hand) running = WithCard(running, code);
        const HandTotal whole = TotalOf(hand.data(), static_cast<int>(hand.size()));
        ASSERT_EQ(running.total, whole.total) << ::testing::PrintToString(hand);
        ASSERT_EQ(running.soft, whole.soft) << ::testing::PrintToString(hand);
        ++checked;
        if (hand.size() == 5) return;
        for (const CardCode code : codes) {
            hand.push_back(code);
            extend();
            hand.pop_back();
        }
    };
    extend();
    EXPECT_GT(checked, 160000);  // every sequence was walked, not cut short
}

TEST(HandTotalCardByCard, TotalsBeyondTheTableFollowTheRule) {
    // A hand that already holds 40 points, hard or with a soft flag left
    // over, still adds by the rule.
    EXPECT_EQ(WithCard(HandTotal{40, false}, 1).total, 41);
    EXPECT_FALSE(WithCard(HandTotal{40, false}, 1).soft);
    EXPECT_EQ(WithCard(HandTotal{31, false}, 10).total, 41);
    EXPECT_EQ(WithCard(HandTotal{12, true}, 10).total, 12);
    EXPECT_FALSE(WithCard(HandTotal{12, true}, 10).soft);
    // No card adds nothing.
    EXPECT_EQ(WithCard(HandTotal{17, true}, 0).total, 17);
    EXPECT_TRUE(WithCard(HandTotal{17, true}, 0).soft);
}

}  // namespace
}  // namespace tavexo
