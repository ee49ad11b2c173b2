// The round cycle as a user meets it: start, stop, pause, time-outs, the wait
// between rounds, the run limit and the cut card.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/named_case.h"
#include "support/recording_view.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

class RoundCycleTest : public TableFixture {
  protected:
    // Records the card codes of every shoe and the time each round starts.
    struct Recorder : TableObserver {
        int shuffles = 0;
        std::vector<int> settledBoxes;
        void ShoeShuffled(const TShoe&) override { ++shuffles; }
        void BoxSettled(int box, float, float) override { settledBoxes.push_back(box); }
    } recorder;

    RoundCycleTest() { table.SetObserver(&recorder); }
};

TEST_F(RoundCycleTest, ThreeBoxesAreDealtInOrderAndPaid) {
    SeatBoxes({1, 2, 3});
    // box 1, 2, 3, dealer up-card, box 1, 2, 3, then the dealer draws.
    Stack("10 9 8 7 K 9 6 K");
    for (int box : {1, 2, 3}) Always(box, Action::Stand);
    StopAfterOneRound();

    table.StartRun();

    EXPECT_EQ(History(1, 4), "10 K");
    EXPECT_EQ(History(2, 4), "9 9");
    EXPECT_EQ(History(3, 4), "8 6");
    EXPECT_EQ(History(1, 3), "7 K");
    EXPECT_EQ(History(1, 6), "17");
    EXPECT_FLOAT_EQ(table.Box(1).capital, 1010);
    EXPECT_FLOAT_EQ(table.Box(2).capital, 1010);
    EXPECT_FLOAT_EQ(table.Box(3).capital, 990);
    EXPECT_EQ(History(1, 9), "1.010,0 €");
    EXPECT_EQ(History(3, 10), "-10,0 €");  // saldo against the start capital
    EXPECT_EQ(History(1, 12), "100,00 %");
    EXPECT_EQ(recorder.settledBoxes, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(host.Count("sound:card"), 8);
    EXPECT_EQ(host.Count("sound-wait:coin1"), 3);
    EXPECT_EQ(table.State().roundNumber, 1);
    EXPECT_FALSE(table.State().running);
}

TEST_F(RoundCycleTest, StopDuringATurnFinishesTheRoundAndDefersTheCleanUp) {
    SeatBoxes({1, 2, 3});
    settings.roundDelay = 50;
    table.SettingsChanged();
    Stack("10 9 8 7 K 9 6 K");
    for (int box : {1, 2}) Always(box, Action::Stand);
    host.When([](const Table& t) { return t.BoxInTurn() == 3 && t.Box(3).Enabled(Action::Stand); },
              [](Table& t) {
                  t.StopRun();
                  t.ActionClicked(3, Action::Stand);
              });

    table.StartRun();

    EXPECT_EQ(recorder.settledBoxes.size(), 3u);  // the dealer played, all three were paid
    EXPECT_FALSE(host.TimerRunning(ROUND_DELAY_TIMER));
    EXPECT_TRUE(table.State().cleanupDeferred);
    EXPECT_EQ(table.Box(1).Hand(1).cardCount, 2);  // the cards stay on the table
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(table.DetailsGrid(1).Cell(1, 1), "1");  // the summary was written
    EXPECT_EQ(table.DetailsGrid(3).Cell(3, 1), "1");

    // The next start first clears the table, then shuffles.
    const int shufflesBefore = recorder.shuffles;
    host.When([](const Table& t) { return t.State().running; }, [](Table& t) { t.StopRun(); });
    Always(3, Action::Stand);
    table.StartRun();
    EXPECT_EQ(recorder.shuffles, shufflesBefore + 1);
    EXPECT_EQ(table.State().roundNumber, 2);
}

TEST_F(RoundCycleTest, StartWithoutBetsEndsAtOnce) {
    SeatBoxes({});
    table.StartRun();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0],
              "Keine Spieler mit Einsatz am Tisch.Die Karten bleiben im Schlitten.");
    EXPECT_EQ(table.State().roundNumber, 1);
    EXPECT_FALSE(table.State().running);
    EXPECT_EQ(host.beeps, 0);
    table.QuitButton();
    EXPECT_TRUE(host.closed);
}

TEST_F(RoundCycleTest, QuitDuringARunIsRefusedAndRequestsTheStop) {
    SeatBoxes({1});
    Stack("10 7 9 K");
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
              [](Table& t) {
                  t.QuitButton();
                  t.ActionClicked(1, Action::Stand);
              });
    table.StartRun();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("Sorry, wir sind mitten im Spiel.", 0), 0u);
    EXPECT_FALSE(host.closed);
    EXPECT_EQ(table.State().roundNumber, 1);  // the stop ended the run after this round
    table.QuitButton();
    EXPECT_TRUE(host.closed);
}

TEST_F(RoundCycleTest, PauseHoldsTheDecisionTimer) {
    SeatBoxes({1});
    StopAfterOneRound();
    auto pausedAt = std::make_shared<int64_t>(-1);
    auto gaugeAtResume = std::make_shared<int>(-1);
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
              [pausedAt, this](Table& t) {
                  t.TogglePause();
                  *pausedAt = host.Now();
              });
    // Paused for 20 s, longer than the 15 s a decision may take.
    host.When([pausedAt,
               this](const Table&) { return *pausedAt >= 0 && host.Now() >= *pausedAt + 20000; },
              [gaugeAtResume](Table& t) {
                  *gaugeAtResume = t.Box(1).gauge;
                  t.TogglePause();
                  EXPECT_TRUE(t.ActionClicked(1, Action::Hit));
              });
    Stack("10 7 2 2 K");  // the hit after the pause draws a 2: hard 14, then time runs out
    table.StartRun();
    EXPECT_EQ(*gaugeAtResume, 0);
    EXPECT_EQ(table.Box(1).Hand(1).cardCount, 3);  // the hit came after the pause
    EXPECT_EQ(host.Count("sound-wait:piep"), 9);   // then the time ran out: 3 single, 3 double
}

TEST_F(RoundCycleTest, TimeOutStandsAtTheFifteenthTickWithWarnings) {
    SeatBoxes({1});
    Stack("10 7 6 K");
    StopAfterOneRound();
    auto started = std::make_shared<int64_t>(-1);
    auto ended = std::make_shared<int64_t>(-1);
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).decisionTimerRunning; },
              [started, this](Table&) { *started = host.Now(); });
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).turnDone; },
              [ended, this](Table&) { *ended = host.Now(); });
    table.StartRun();
    EXPECT_EQ(*ended - *started, 15000);
    EXPECT_EQ(table.Box(1).Hand(1).cardCount, 2);  // it stood
    // Ticks 10 to 12 warn once, ticks 13 to 15 twice.
    EXPECT_EQ(host.Count("sound-wait:piep"), 9);
}

TEST_F(RoundCycleTest, TheTenThousandthRoundEndsTheRun) {
    SeatBoxes({1});
    BoxProfile rich{"Reich", true, false, 1.0e7f, 10};
    table.ApplyProfile(1, rich);
    settings.cardDelay = 0;
    Always(1, Action::Stand);
    table.StartRun();
    EXPECT_EQ(table.State().roundNumber, 10000);
    EXPECT_FALSE(table.State().running);
    EXPECT_EQ(host.beeps, 1);
    EXPECT_EQ(table.HistoryGrid(1).RowCount(), 10001);

    StopAfterOneRound();
    table.StartRun();
    EXPECT_EQ(table.State().roundNumber, 10001);
}

struct WaitCase {
    const char* name;
    bool clickBet;
    int64_t expectedWait;
};

class WaitBetweenRoundsTest : public RoundCycleTest,
                              public ::testing::WithParamInterface<WaitCase> {};

TEST_P(WaitBetweenRoundsTest, EndsByTheDelayOrByBet) {
    SeatBoxes({1});
    settings.roundDelay = 50;
    table.SettingsChanged();
    Always(1, Action::Stand);
    auto waitStart = std::make_shared<int64_t>(-1);
    auto nextRound = std::make_shared<int64_t>(-1);
    const bool clickBet = GetParam().clickBet;
    host.When([](const Table& t) { return t.State().waitingBetweenRounds; },
              [=, this](Table& t) {
                  *waitStart = host.Now();
                  if (clickBet) t.BetClick(1);
              });
    host.When([](const Table& t) { return t.State().roundNumber == 2; },
              [=, this](Table& t) {
                  *nextRound = host.Now();
                  t.StopRun();
              });
    table.StartRun();
    EXPECT_EQ(*nextRound - *waitStart, GetParam().expectedWait);
}

INSTANTIATE_TEST_SUITE_P(Cases, WaitBetweenRoundsTest,
                         ::testing::Values(WaitCase{"DelayRunsOut", false, 5000},
                                           WaitCase{"BetEndsTheWait", true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RoundCycleTest, StopDuringTheWaitBetweenRoundsEndsTheRunAtOnce) {
    SeatBoxes({1});
    settings.roundDelay = 50;
    table.SettingsChanged();
    Always(1, Action::Stand);
    auto stoppedAt = std::make_shared<int64_t>(-1);
    host.When([](const Table& t) { return t.State().waitingBetweenRounds; },
              [=, this](Table& t) {
                  *stoppedAt = host.Now();
                  t.StopRun();
              });
    table.StartRun();
    EXPECT_EQ(host.Now(), *stoppedAt);
    EXPECT_EQ(table.State().roundNumber, 1);
    EXPECT_FALSE(table.State().running);
    EXPECT_FALSE(host.TimerRunning(ROUND_DELAY_TIMER));
}

TEST_F(RoundCycleTest, CutCardActsOnlyAtTheEndOfTheRound) {
    SeatBoxes({1});
    // The cut card lies after the third card; the round needs five.
    Stack("10 7 9 K 5", 3);
    Always(1, Action::Stand);
    host.When([](const Table& t) { return t.State().roundNumber == 2; },
              [](Table& t) { t.StopRun(); });
    table.StartRun();
    EXPECT_EQ(History(1, 4), "10 9");  // round 1 was played from the stacked shoe
    EXPECT_EQ(History(1, 3), "7 K");
    EXPECT_EQ(recorder.shuffles, 2);  // at the start and after round 1
}

TEST_F(RoundCycleTest, ADryShoeMidRoundGoesOnFromAFreshShoe) {
    settings.rules.deckChoice = 0;  // one deck
    SeatBoxes({1, 2, 3, 4, 5, 6, 7});
    for (int box = 1; box <= 7; ++box) Always(box, Action::Hit);  // hit until the hand ends
    // A cut card behind the last card: only running dry can reshuffle.
    table.Shuffler().StackNextShoe({}, 52);
    host.When([](const Table& t) { return t.State().roundNumber == 4; },
              [](Table& t) { t.StopRun(); });
    table.StartRun();
    EXPECT_GE(recorder.shuffles, 2);
    for (int box = 1; box <= 7; ++box) {
        const THand& h = table.Box(box).Hand(1);
        for (int i = 0; i < h.cardCount; ++i) {
            EXPECT_GE(h.cards[i], 1);
            EXPECT_LE(h.cards[i], 52);
        }
    }
}

TEST_F(RoundCycleTest, ClicksOutOfTurnAreRefused) {
    SeatBoxes({1, 2});
    Stack("10 9 7 K 9 K");
    StopAfterOneRound();
    auto refused = std::make_shared<int>(0);
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
              [refused](Table& t) {
                  // Box 2 holds 9, 9: its buttons are not offered before its turn.
                  *refused += t.ActionClicked(2, Action::Split) ? 0 : 1;
                  *refused += t.ActionClicked(2, Action::Stand) ? 0 : 1;
                  t.ActionClicked(1, Action::Stand);
              });
    Always(2, Action::Stand);
    table.StartRun();
    EXPECT_EQ(*refused, 2);
    EXPECT_EQ(table.Box(2).Hand(1).cardCount, 2);
    EXPECT_FALSE(table.Box(2).isSplit);
}

TEST_F(RoundCycleTest, BetForABoxThatSitsOutGivesItNoTurn) {
    SeatBoxes({1, 2});
    table.SetAutoBet(2, false);
    table.BetClick(2);  // sets a stake, but "Autom. setzen" is off
    Stack("10 7 9 K");
    Always(1, Action::Stand);
    StopAfterOneRound();
    table.StartRun();
    EXPECT_EQ(recorder.settledBoxes, (std::vector<int>{1}));
    EXPECT_FLOAT_EQ(table.Box(2).capital, 1000);
}

}  // namespace
}  // namespace tavexo::testing
