// The robot at the table: whole turns from stacked shoes, and a long seeded
// run in which every action it takes must have been offered to it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "strategy/table_strategy.h"
#include "support/named_case.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

class RobotTest : public TableFixture {
  protected:
    RobotTest() : strategy(table) {
        strategy.robot.SetListener([this](const Table&, int, Action a) { actions.push_back(a); });
    }
    TableStrategy strategy;
    std::vector<Action> actions;
};

struct RobotCase {
    const char* name;
    int deckChoice;
    std::vector<int> boxes;
    const char* cards;
    std::vector<Action> box1Actions;
    const char* decisions;    // box 1's decisions text
    float capital = 1000.0f;  // before the stake of 10 is charged
};

class RobotTurnTest : public RobotTest, public ::testing::WithParamInterface<RobotCase> {};

TEST_P(RobotTurnTest, PlaysByTheStrategy) {
    const RobotCase& c = GetParam();
    settings.rules.deckChoice = c.deckChoice;
    SeatBoxes({}, true);
    for (int box : c.boxes) table.ApplyProfile(box, BoxProfile{"Robo", true, true, c.capital, 10});
    strategy.robot.SetListener([this](const Table&, int box, Action a) {
        if (box == 1) actions.push_back(a);
    });
    Stack(c.cards);
    StopAfterOneRound();
    table.StartRun();
    EXPECT_EQ(actions, c.box1Actions);
    EXPECT_EQ(History(1, 5), c.decisions);
}

using A = Action;

INSTANTIATE_TEST_SUITE_P(
    Cases, RobotTurnTest,
    ::testing::Values(
        // 10, 6 against a king at a count of -3/8: surrender beats -6.
        RobotCase{"SurrendersSixteenAgainstTen", 3, {1}, "10 K 6 7", {A::Surrender}, "Aufgegeben"},
        // 9, 9 against a 7 at count 0: no split (0 > 3 fails); hard 18 stands.
        RobotCase{"StandsOnNinesAgainstSeven", 3, {1}, "9 7 9 K", {A::Stand}, ""},
        // 6, 5 against a 6: doubles (count > -16) and the double ends the hand.
        RobotCase{"DoublesElevenAgainstSix", 3, {1}, "6 6 5 K 10", {A::Double}, "Verdoppelt"},
        // 8, 8 against a 9: split; hand 1 takes a 3 (hard 11 doubles inside
        // the hit question), hand 2 takes a king and stands on 18.
        RobotCase{"SplitsEightsAndDoublesASplitHand",
                  3,
                  {1},
                  "8 9 8 3 K K 10",
                  {A::Split, A::Double, A::Stand},
                  "Geteilt \u25BA Verdoppelt"},
        // One deck, three boxes dealt low cards: count +5 at box 1's turn
        // against an ace (threshold 3): insure, then play on.
        RobotCase{"InsuresAboveTheThreshold",
                  0,
                  {1, 2, 3},
                  "2 3 4 A 5 6 2 10 K K K 9",
                  {A::Insure, A::Hit, A::Stand},
                  "Versichert \u25BA Versichert"},
        // What the capital does not cover is played as if the table did not
        // allow it. 9 left after the stake: 11 against a 6 is hit, not
        // doubled.
        RobotCase{"HitsElevenItCannotDouble", 3, {1}, "6 6 5 K 10", {A::Hit}, "", 19.0f},
        // 9 left: the eights are not split; hard 16 against a 9 is hit.
        RobotCase{
            "KeepsEightsItCannotSplit", 3, {1}, "8 9 8 3 K K 10", {A::Hit, A::Stand}, "", 19.0f},
        // 4 left: no insurance at +5 against an ace.
        RobotCase{"NoInsuranceItCannotPay",
                  0,
                  {1, 2, 3},
                  "2 3 4 A 5 6 2 10 K K K 9",
                  {A::Hit, A::Stand},
                  "",
                  14.0f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RobotTest, NeverSurrendersWhileSurrenderIsOff) {
    settings.rules.noSurrender = true;
    SeatBoxes({1}, true);
    Stack("10 K 6 7");
    StopAfterOneRound();
    table.StartRun();
    ASSERT_FALSE(actions.empty());
    EXPECT_NE(actions.front(), Action::Surrender);
}

// Checks every hand that reaches the settlement against the hand-total rule:
// its stored total is its cards' total, and no card was dealt to a hand that
// had already reached 21.
struct HandAuditor : TableObserver {
    const Table* table = nullptr;
    int settled = 0;
    void BoxSettled(int box, float, float) override {
        ++settled;
        const TPlayerBox& b = table->Box(box);
        for (int hand = 1; hand <= (b.isSplit ? 2 : 1); ++hand) {
            const THand& h = b.Hand(hand);
            ASSERT_GE(h.cardCount, b.isSplit ? 1 : 2);
            EXPECT_EQ(TotalOf(h.cards.data(), h.cardCount).total, h.total);
            EXPECT_LT(TotalOf(h.cards.data(), h.cardCount - 1).total, 21)
                << "box " << box << " hand " << hand << " drew past 21";
            if (h.doubled) {
                EXPECT_LE(h.cardCount, 3);
            }
        }
    }
};

struct TableRules {
    const char* name;
    int deckChoice;
    int doubleChoice;
    bool softDouble;
    bool splitAcesOneCard;
    bool noSurrender;
    int insuranceChoice;
};

class RobotRunTest : public RobotTest, public ::testing::WithParamInterface<TableRules> {};

TEST_P(RobotRunTest, TakesOnlyOfferedActionsOverALongRun) {
    const TableRules& r = GetParam();
    settings.rules.deckChoice = r.deckChoice;
    settings.rules.doubleChoice = r.doubleChoice;
    settings.rules.softDouble = r.softDouble;
    settings.rules.splitAcesOneCard = r.splitAcesOneCard;
    settings.rules.noSurrender = r.noSurrender;
    settings.training.insuranceChoice = r.insuranceChoice;
    settings.cardDelay = 0;
    SeatBoxes({1, 2, 3, 4, 5, 6, 7}, true);
    for (int box = 1; box <= 7; ++box)
        table.ApplyProfile(box, BoxProfile{"R", true, true, 1e7f, 5});
    int offered = 0;
    int notOffered = 0;
    strategy.robot.SetListener([&](const Table& t, int box, Action a) {
        EXPECT_EQ(t.BoxInTurn(), box);
        if (t.Box(box).Enabled(a)) {
            ++offered;
        } else {
            ++notOffered;
            ADD_FAILURE() << "box " << box << " took action " << static_cast<int>(a)
                          << " that was not offered";
        }
    });
    HandAuditor auditor;
    auditor.table = &table;
    table.SetObserver(&auditor);
    host.When([](const Table& t) { return t.State().roundNumber == 3000; },
              [](Table& t) { t.StopRun(); });

    table.StartRun();

    EXPECT_EQ(notOffered, 0);
    EXPECT_GT(offered, 3000 * 7);
    EXPECT_EQ(auditor.settled, 3000 * 7);
    // Every box's statistics saw every round.
    for (int box = 1; box <= 7; ++box) EXPECT_EQ(table.Stats().BoxTotal(box).games, 3000u);
    EXPECT_EQ(table.HistoryGrid(7).RowCount(), 3001);
}

// Seven robots of 7 per unit with 50 each: many rounds end with less capital
// than a double, split or insurance needs. Every action taken was offered,
// and no capital ever goes below zero, whether the boxes win or go broke.
TEST_F(RobotTest, NeverBetsMoneyItDoesNotHave) {
    settings.rules.doubleChoice = 0;  // double on any two-card total
    settings.rules.splitAcesOneCard = false;
    settings.training.insuranceChoice = 0;
    settings.cardDelay = 0;
    SeatBoxes({1, 2, 3, 4, 5, 6, 7}, true);
    for (int box = 1; box <= 7; ++box) {
        table.ApplyProfile(box, BoxProfile{"R", true, true, 50.0f, 7});
    }
    int refusedForMoney = 0;
    strategy.robot.SetListener([&](const Table& t, int box, Action a) {
        const TPlayerBox& b = t.Box(box);
        EXPECT_TRUE(b.Enabled(a)) << "box " << box << " action " << static_cast<int>(a);
        EXPECT_GE(b.capital - b.ExtraStakeOf(a), 0.0f) << "box " << box;
    });
    struct CapitalWatch : TableObserver {
        const Table* table = nullptr;
        float lowest = 0.0f;
        void BoxSettled(int box, float, float) override {
            lowest = std::min(lowest, table->Box(box).capital);
        }
    } watch;
    watch.table = &table;
    table.SetObserver(&watch);
    host.Whenever(
        [](const Table& t) {
            for (int box = 1; box <= 7; ++box) {
                const TPlayerBox& b = t.Box(box);
                if (t.BoxInTurn() == box && b.Hand(1).cardCount == 2 && !b.isSplit &&
                    !b.CanAfford(Action::Double)) {
                    return true;
                }
            }
            return false;
        },
        [&](Table&) { ++refusedForMoney; });
    host.When([](const Table& t) { return t.State().roundNumber == 20000; },
              [](Table& t) { t.StopRun(); });

    table.StartRun();

    EXPECT_GE(watch.lowest, 0.0f);
    EXPECT_GT(refusedForMoney, 0) << "the run never met a box short of money";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RobotRunTest,
    ::testing::Values(TableRules{"Defaults", 3, 1, true, true, false, 0},
                      TableRules{"OneDeckAnyDouble", 0, 0, true, false, false, 0},
                      TableRules{"FourDecksElevenOnly", 1, 3, false, true, true, 4},
                      TableRules{"SixDecksTenOrEleven", 2, 2, true, false, false, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavexo::testing
