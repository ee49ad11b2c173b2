// The stake check of the training mode: after each round the first human
// box's units are compared with base units x bet ramp.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/named_case.h"
#include "support/recording_view.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

struct PauseCase {
    const char* name;
    int betPause;
    int64_t expectedWait;  // from the failed check to the next round
};

class StakeCheckFixture : public TableFixture {
  protected:
    void SetUp() override {
        table.SetView(&view);
        settings.rules.deckChoice = 0;  // one deck: the relative count is the running count
        settings.training.trainingMode = true;
        settings.training.betRampFactor = 4;  // "1 x"
        SeatBoxes({1});
        settings.roundDelay = 10;
        table.SettingsChanged();
        table.UnitsChanged(1, 2);  // the base: 2 units
        // Box 2, 3; dealer 7, 8, 4: running count +3 after the round.
        Stack("2 7 3 8 4");
        Always(1, Action::Stand);
        // Once the round is settled the user raises to 5 units: the ramp
        // wants 2 x 3 = 6.
        host.When([](const Table& t) { return t.Box(1).historyRow == 1 && t.Box(1).betEnabled; },
                  [this](Table& t) { t.UnitsChanged(1, unitsAfterRound); });
    }

    RecordingView view;
    int unitsAfterRound = 5;
};

class StakeCheckTest : public StakeCheckFixture, public ::testing::WithParamInterface<PauseCase> {};

TEST_P(StakeCheckTest, ShowsTheWantedStakeAndWaitsAsChosen) {
    settings.training.betPause = GetParam().betPause;
    auto failedAt = std::make_shared<int64_t>(-1);
    auto nextRound = std::make_shared<int64_t>(-1);
    auto beepsBeforeRound2 = std::make_shared<int>(-1);
    host.When([](const Table& t) { return t.State().waitingForBet; },
              [=, this](Table&) { *failedAt = host.Now(); });
    // Under "auf Setzen-Klick warten" the user clicks Bet after 7 s.
    host.When(
        [=, this](const Table& t) {
            return t.State().waitingForBet && *failedAt >= 0 && host.Now() >= *failedAt + 7000;
        },
        [](Table& t) { t.BetClick(1); });
    host.When([](const Table& t) { return t.State().roundNumber == 2; },
              [=, this](Table& t) {
                  *nextRound = host.Now();
                  *beepsBeforeRound2 = host.beeps;
                  t.StopRun();
                  t.BetClick(1);  // the check after round 2 may wait for Bet again
              });
    host.Whenever(
        [](const Table& t) { return t.State().roundNumber == 2 && t.State().waitingForBet; },
        [](Table& t) { t.BetClick(1); });

    table.StartRun();

    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.front(), "Einsatz 6 Stücke");
    EXPECT_EQ(*beepsBeforeRound2, 1);  // the failed check beeped
    EXPECT_EQ(*nextRound - *failedAt, GetParam().expectedWait);
}

INSTANTIATE_TEST_SUITE_P(
    BetPause, StakeCheckTest,
    ::testing::Values(PauseCase{"WaitForBet", 0, 7000 + 1000},  // Bet, then the 1 s delay
                      PauseCase{"PlusFiveSeconds", 1, 6000}, PauseCase{"NoExtraDelay", 2, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

struct StopCase {
    const char* name;
    bool whileWaiting;  // "Spiel stoppen" during the wait, or before it in the round
};

class StopAtStakeCheckTest : public StakeCheckFixture,
                             public ::testing::WithParamInterface<StopCase> {};

// Under "auf Setzen-Klick warten" a stop must not leave the run hanging until
// somebody clicks Bet.
TEST_P(StopAtStakeCheckTest, StopEndsTheRunWithoutWaitingForBet) {
    settings.training.betPause = 0;
    host.SetTimeLimit(60 * 1000);  // a wait nobody ends fails here, not after hours
    auto stoppedAt = std::make_shared<int64_t>(-1);
    if (GetParam().whileWaiting) {
        host.When([](const Table& t) { return t.State().waitingForBet; },
                  [=, this](Table& t) {
                      *stoppedAt = host.Now();
                      t.StopRun();
                  });
    } else {
        StopAfterOneRound();
        // The check comes right after the settlement, with no time between.
        host.When([](const Table& t) { return t.Box(1).historyRow == 1 && t.Box(1).betEnabled; },
                  [=, this](Table&) { *stoppedAt = host.Now(); });
    }

    table.StartRun();

    EXPECT_EQ(host.Now(), *stoppedAt);  // no wait after the stop
    EXPECT_FALSE(table.State().running);
    EXPECT_FALSE(table.State().waitingForBet);
    EXPECT_EQ(table.State().roundNumber, 1);
    EXPECT_TRUE(table.State().cleanupDeferred);
    EXPECT_FALSE(view.blinking[1]);
    EXPECT_TRUE(view.idle);
    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.back(), "Einsatz 6 Stücke");  // the check still tells the stake
    EXPECT_EQ(host.beeps, 2);                          // the failed check and the run's end
}

INSTANTIATE_TEST_SUITE_P(Stop, StopAtStakeCheckTest,
                         ::testing::Values(StopCase{"WhileWaiting", true},
                                           StopCase{"EarlierInTheRound", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StakeCheckTest, MatchingStakePassesSilently) {
    settings.training.betPause = 2;
    auto hintsBeforeRound2 = std::make_shared<size_t>(99);
    host.When([](const Table& t) { return t.State().roundNumber == 2; },
              [=, this](Table& t) {
                  *hintsBeforeRound2 = view.hints.size();
                  t.StopRun();
              });
    unitsAfterRound = 6;
    table.StartRun();
    EXPECT_EQ(*hintsBeforeRound2, 0u);
}

TEST_F(StakeCheckTest, UnitsAreCappedByTheCapital) {
    BoxProfile poor{"Arm", true, false, 12.0f, 5};
    table.ApplyProfile(2, poor);
    table.UnitsChanged(2, 3);
    EXPECT_EQ(table.Box(2).units, 2);
    EXPECT_FLOAT_EQ(table.Box(2).Hand(1).stake, 10);
    EXPECT_EQ(view.units[2], 2);
}

}  // namespace
}  // namespace tavexo::testing
