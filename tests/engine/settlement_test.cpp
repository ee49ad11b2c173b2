// Every row of the settlement: one box with a stake of 10 and a capital of
// 1000 plays a stacked round; the capital, the counters of its bucket, the
// history row and the decisions text must come out exactly.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

struct SettleCase {
    const char* name;
    // Dealt in this order: box card 1, dealer up-card, box card 2, the cards
    // the actions draw, then the dealer's cards.
    const char* cards;
    std::vector<Action> clicks;
    float capital;
    const char* result;  // history column "Ergebnis"
    const char* decisions;
    const char* boxCards;
    const char* boxTotal;
    std::function<void(const TBucketStats&)> counters;
};

void PrintTo(const SettleCase& c, std::ostream* os) {
    *os << c.name;
}

class SettlementTest : public TableFixture, public ::testing::WithParamInterface<SettleCase> {};

TEST_P(SettlementTest, PaysAndRecordsTheRound) {
    const SettleCase& c = GetParam();
    SeatBoxes({1});
    Stack(c.cards);
    StopAfterOneRound();
    auto clicks = std::make_shared<std::deque<Action>>(c.clicks.begin(), c.clicks.end());
    host.Whenever(
        [clicks](const Table& t) {
            return t.BoxInTurn() == 1 && !clicks->empty() && t.Box(1).Enabled(clicks->front());
        },
        [clicks](Table& t) {
            EXPECT_TRUE(t.ActionClicked(1, clicks->front()));
            clicks->pop_front();
        });

    table.StartRun();

    EXPECT_TRUE(clicks->empty()) << "not every click was offered";
    EXPECT_FLOAT_EQ(table.Box(1).capital, c.capital);
    EXPECT_EQ(History(1, 8), c.result);
    EXPECT_EQ(History(1, 5), c.decisions);
    EXPECT_EQ(History(1, 4), c.boxCards);
    EXPECT_EQ(History(1, 7), c.boxTotal);
    TBucketStats total = table.Stats().BoxTotal(1);
    EXPECT_EQ(total.games, 1u);
    c.counters(total);
}

using A = Action;

INSTANTIATE_TEST_SUITE_P(
    EveryRule, SettlementTest,
    ::testing::Values(SettleCase{"Bust",
                                 "10 7 6 K 10",
                                 {A::Hit},
                                 990,
                                 "-10,0 €",
                                 "",
                                 "10 6 K",
                                 "26",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.busts, 1u);
                                     EXPECT_EQ(s.losses, 0u);
                                     EXPECT_FLOAT_EQ(s.lostMoney, -10);
                                 }},
                      SettleCase{"Blackjack",
                                 "A 9 K 10",
                                 {},
                                 1015,
                                 "15,0 €",
                                 "",
                                 "As K",
                                 "21",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.blackjacks, 1u);
                                     EXPECT_EQ(s.wins, 0u);
                                     EXPECT_FLOAT_EQ(s.wonMoney, 15);
                                 }},
                      SettleCase{"BlackjackAgainstBlackjack",
                                 "A A K K",
                                 {A::Stand},
                                 1000,
                                 "0,0",
                                 "",
                                 "As K",
                                 "21",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.blackjacks, 1u);
                                     EXPECT_EQ(s.pushes, 0u);
                                     EXPECT_EQ(s.dealerBlackjacks, 1u);
                                 }},
                      SettleCase{"Higher",
                                 "10 7 9 K",
                                 {A::Stand},
                                 1010,
                                 "10,0 €",
                                 "",
                                 "10 9",
                                 "19",
                                 [](const TBucketStats& s) { EXPECT_EQ(s.wins, 1u); }},
                      SettleCase{"Equal",
                                 "10 7 7 K",
                                 {A::Stand},
                                 1000,
                                 "0,0",
                                 "",
                                 "10 7",
                                 "17",
                                 [](const TBucketStats& s) { EXPECT_EQ(s.pushes, 1u); }},
                      SettleCase{"EqualAgainstDealerBlackjack",
                                 "5 A 6 K K",
                                 {A::Hit},
                                 990,
                                 "-10,0 €",
                                 "",
                                 "5 6 K",
                                 "21",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.losses, 1u);
                                     EXPECT_EQ(s.pushes, 0u);
                                     EXPECT_EQ(s.dealerBlackjacks, 1u);
                                 }},
                      SettleCase{"DealerBust",
                                 "10 6 3 10 10",
                                 {A::Stand},
                                 1010,
                                 "10,0 €",
                                 "",
                                 "10 3",
                                 "13",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.wins, 1u);
                                     EXPECT_EQ(s.dealerBusts, 1u);
                                 }},
                      SettleCase{"Lower",
                                 "10 10 7 K",
                                 {A::Stand},
                                 990,
                                 "-10,0 €",
                                 "",
                                 "10 7",
                                 "17",
                                 [](const TBucketStats& s) { EXPECT_EQ(s.losses, 1u); }},
                      SettleCase{"Doubled",
                                 "6 6 5 10 10 10",
                                 {A::Double},
                                 1020,
                                 "20,0 €",
                                 "Verdoppelt",
                                 "6 5 10",
                                 "21",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.doubleWon, 1u);
                                     EXPECT_EQ(s.wins, 1u);
                                 }},
                      SettleCase{"DoubledAgainstDealerBlackjack",
                                 "6 A 5 K K",
                                 {A::Double},
                                 980,
                                 "-20,0 €",
                                 "Verdoppelt",
                                 "6 5 K",
                                 "21",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.doubleLost, 1u);
                                     EXPECT_EQ(s.losses, 1u);
                                 }},
                      SettleCase{"Split",
                                 "8 7 8 K 10 10",
                                 {A::Split, A::Stand, A::Stand},
                                 1020,
                                 "20,0 €",
                                 "Geteilt",
                                 "8 K + 8 10",
                                 "18 + 18",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.splitWon, 2u);
                                     EXPECT_EQ(s.wins, 2u);
                                 }},
                      SettleCase{"DoubledSplitHandPushes",
                                 "8 7 8 3 6 10 10",
                                 {A::Split, A::Double, A::Stand},
                                 1010,
                                 "10,0 €",
                                 "Geteilt \u25BA Verdoppelt",
                                 "8 3 6 + 8 10",
                                 "17 + 18",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.doublePush, 1u);
                                     EXPECT_EQ(s.splitWon, 2u);
                                     EXPECT_EQ(s.splitPush, 0u);
                                 }},
                      SettleCase{"InsuredOnceAgainstBlackjack",
                                 "10 A 8 K",
                                 {A::Insure, A::Stand},
                                 1000,
                                 "0,0",
                                 "Versichert \u25BA Versichert",
                                 "10 8",
                                 "18",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.insuranceWon, 1u);
                                     EXPECT_EQ(s.losses, 1u);
                                 }},
                      SettleCase{"InsuredTwice",
                                 "6 A 5 9 7",
                                 {A::Insure, A::Double},
                                 1010,
                                 "10,0 €",
                                 "Versichert \u25BA Verdoppelt \u25BA 2 x versichert",
                                 "6 5 9",
                                 "20",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.insuranceLost, 1u);
                                     EXPECT_EQ(s.doubleWon, 1u);
                                 }},
                      SettleCase{"Surrender",
                                 "10 10 6 7",
                                 {A::Surrender},
                                 995,
                                 "-5,0 €",
                                 "Aufgegeben",
                                 "10 6",
                                 "16",
                                 [](const TBucketStats& s) {
                                     EXPECT_EQ(s.surrenderDealerMade, 1u);
                                     EXPECT_EQ(s.losses + s.wins + s.pushes + s.busts, 0u);
                                     EXPECT_FLOAT_EQ(s.lostMoney, -5);
                                 }}),
    [](const ::testing::TestParamInfo<SettleCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavexo::testing
