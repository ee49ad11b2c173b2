// What the table tells its view beyond the cards: the outcome badge of the
// settlement, soft totals, and labels that must not outlive their round
// (a split's second stake, a switched-off box's total, the advisor's
// notices and the stake hint, the counts of an old shoe).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "strategy/advisor.h"
#include "support/named_case.h"
#include "support/recording_view.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

class TableFeedback : public TableFixture {
  protected:
    TableFeedback() { table.SetView(&view); }

    RecordingView view;
};

struct OutcomeCase {
    const char* name;
    // Box card 1, dealer up-card, box card 2, the drawn cards, the dealer's.
    const char* cards;
    std::vector<Action> clicks;
    RoundOutcome outcome;
    const char* amount;
};

class OutcomeBadge : public TableFeedback, public ::testing::WithParamInterface<OutcomeCase> {};

TEST_P(OutcomeBadge, NamesTheResultWithItsMoney) {
    const OutcomeCase& c = GetParam();
    SeatBoxes({1});
    Stack(c.cards);
    StopAfterOneRound();
    auto clicks = std::make_shared<std::vector<Action>>(c.clicks);
    host.Whenever(
        [clicks](const Table& t) {
            return t.BoxInTurn() == 1 && !clicks->empty() && t.Box(1).Enabled(clicks->front());
        },
        [clicks](Table& t) {
            const Action next = clicks->front();
            clicks->erase(clicks->begin());
            t.ActionClicked(1, next);
        });

    table.StartRun();

    EXPECT_TRUE(clicks->empty());
    EXPECT_EQ(view.outcome[1], static_cast<int>(c.outcome) + 1);
    EXPECT_EQ(view.outcomeAmount[1], c.amount);
    EXPECT_EQ(view.outcome[2], 0) << "a box that did not play shows no badge";
}

// Stake 10 throughout; the money is the round's net result.
INSTANTIATE_TEST_SUITE_P(
    Settlement, OutcomeBadge,
    ::testing::Values(
        OutcomeCase{"Won", "10 9 K 8", {Action::Stand}, RoundOutcome::Won, "+10 €"},
        OutcomeCase{"Lost", "10 K 7 8", {Action::Stand}, RoundOutcome::Lost, "-10 €"},
        OutcomeCase{"Push", "10 K 8 8", {Action::Stand}, RoundOutcome::Push, "0,0"},
        OutcomeCase{"Blackjack", "A 9 K 8", {}, RoundOutcome::Blackjack, "+15 €"},
        OutcomeCase{"Bust", "10 9 6 K 8", {Action::Hit}, RoundOutcome::Bust, "-10 €"},
        OutcomeCase{
            "Surrendered", "10 A 6 K", {Action::Surrender}, RoundOutcome::Surrendered, "-5 €"}),
    [](const ::testing::TestParamInfo<OutcomeCase>& info) { return std::string(info.param.name); });

TEST_F(TableFeedback, ASoftHandShowsBothTotals) {
    SeatBoxes({1});
    // Box A, 6 (soft 17), hits a 4 (soft 21 stands by itself); dealer 9, 8.
    Stack("A 9 6 4 8");
    StopAfterOneRound();
    std::vector<std::string> totals;
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Hit); },
              [&totals, this](Table& t) {
                  totals.push_back(view.total1[1]);
                  t.ActionClicked(1, Action::Hit);
              });

    table.StartRun();

    ASSERT_EQ(totals.size(), 1u);
    EXPECT_EQ(totals[0], "7/17");
    EXPECT_EQ(view.total1[1], "21");  // a soft 21 is just 21
}

struct DealerTotalCase {
    const char* name;
    const char* cards;       // box, dealer up-card, box, then the dealer's draws
    const char* whileBoxes;  // the dealer's total during the box's turn
    const char* atTheEnd;
};

class DealerTotal : public TableFeedback, public ::testing::WithParamInterface<DealerTotalCase> {};

TEST_P(DealerTotal, ShowsWhatACounterExpects) {
    const DealerTotalCase& c = GetParam();
    SeatBoxes({1});
    Stack(c.cards);
    StopAfterOneRound();
    std::string whileBoxes;
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
              [&](Table& t) {
                  whileBoxes = view.dealerTotal;
                  t.ActionClicked(1, Action::Stand);
              });

    table.StartRun();

    EXPECT_EQ(whileBoxes, c.whileBoxes);
    EXPECT_EQ(view.dealerTotal, c.atTheEnd);
}

INSTANTIATE_TEST_SUITE_P(
    UpCardAndDraw, DealerTotal,
    ::testing::Values(DealerTotalCase{"AceAloneAndBlackjack", "10 A 9 K", "1/11", "Black Jack"},
                      DealerTotalCase{"SoftSeventeenStands", "10 A 9 6", "1/11", "17"},
                      DealerTotalCase{"SoftDrawsOn", "10 A 9 5 2", "1/11", "18"},
                      DealerTotalCase{"TwentyOneOfThreeCards", "10 6 9 5 K", "6", "21"},
                      DealerTotalCase{"Bust", "10 9 8 7 K", "9", "26"}),
    [](const ::testing::TestParamInfo<DealerTotalCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(TableFeedback, ABoxShortOfMoneySaysSoInsteadOfItsLastStake) {
    SeatBoxes({1, 2});
    Stack("10 9 8 7 K 8");
    Always(1, Action::Stand);
    Always(2, Action::Stand);
    StopAfterOneRound();
    table.StartRun();
    ASSERT_EQ(view.stakeLabel[2], "Einsatz: 10 €");

    // Box 2 is down to 5: its stake of 10 no longer fits.
    table.Box(2).capital = 5.0f;
    StopAfterOneRound();
    table.StartRun();

    EXPECT_EQ(view.stakeLabel[2], "Kapital reicht nicht");
    EXPECT_FALSE(table.Box(2).inPlay);
}

TEST_F(TableFeedback, TheNextRoundsStakeForgetsTheLastSplit) {
    SeatBoxes({1});
    // Round 1: 8, 8 split, each hand stands; dealer 10, 7. Round 2: plain.
    Stack("8 10 8 3 2 7 9 5 10 K 6");
    Always(1, Action::Split);
    Always(1, Action::Stand);
    std::string stakeOfSplitRound;
    host.When([](const Table& t) { return t.Box(1).isSplit; },
              [&](Table&) { stakeOfSplitRound = view.stakeLabel[1]; });
    host.When([](const Table& t) { return t.State().roundNumber == 2 && t.BoxInTurn() == 1; },
              [](Table& t) { t.StopRun(); });

    table.StartRun();

    EXPECT_EQ(stakeOfSplitRound, "Einsatz: 10 € und 10 €");
    EXPECT_EQ(view.stakeLabel[1], "Einsatz: 10 €");
}

TEST_F(TableFeedback, ASwitchedOffBoxShowsNoOldTotal) {
    SeatBoxes({1, 2});
    Stack("10 9 8 7 K 8");
    Always(1, Action::Stand);
    Always(2, Action::Stand);
    StopAfterOneRound();
    table.StartRun();
    ASSERT_EQ(view.total1[2], "19");

    table.BoxOnOff(2);  // between rounds, the last round still on the table

    EXPECT_EQ(view.total1[2], "");
    EXPECT_EQ(view.total2[2], "");
    EXPECT_EQ(view.stakeLabel[2], "Spieler2");
}

TEST_F(TableFeedback, TheBoxsNextActionClearsTheNotice) {
    StrategyAdvisor advisor;
    table.SetAdvisor(&advisor);
    settings.training.trainingMode = true;
    settings.training.deviationReaction = 0;  // the advice is only shown
    SeatBoxes({1});
    // Box 8, 8 against a dealer 6: standing is against the strategy.
    Stack("8 6 8 3 2 10 9");
    StopAfterOneRound();
    std::string afterStand;
    std::string afterSplit;
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Split); },
              [&](Table& t) {
                  t.ActionClicked(1, Action::Stand);  // refused by the advisor, noticed
                  afterStand = view.hint;
                  t.ActionClicked(1, Action::Split);  // as advised
                  afterSplit = view.hint;
              });
    // The split hands then stand when their time is up.

    table.StartRun();

    EXPECT_EQ(afterStand, "Nicht halten, teilen");
    EXPECT_EQ(afterSplit, "");
}

TEST_F(TableFeedback, TheStakeHintEndsWithItsRound) {
    settings.rules.deckChoice = 0;
    settings.training.trainingMode = true;
    settings.training.betRampFactor = 4;
    settings.training.betPause = 2;  // no wait: the hint only
    SeatBoxes({1});
    // Low cards raise the count: the ramp wants more than the 1 unit staked.
    Stack("2 3 4 5 6 6 3 10 K 9 8");
    Always(1, Action::Stand);
    std::string hintInRound2;
    host.When([](const Table& t) { return t.State().roundNumber == 2 && t.BoxInTurn() == 1; },
              [&](Table& t) {
                  hintInRound2 = view.hint;
                  t.StopRun();
              });

    table.StartRun();

    ASSERT_FALSE(view.hints.empty());
    EXPECT_NE(view.hints.front().find("Stücke"), std::string::npos) << view.hints.front();
    EXPECT_EQ(hintInRound2, "");
}

TEST_F(TableFeedback, ANewShoeIsShownShufflingAndStartsTheCountsAfresh) {
    settings.rules.deckChoice = 0;
    SeatBoxes({1});
    Stack("2 3 4 5 6 5");  // low cards: the count is well above zero
    Always(1, Action::Stand);
    StopAfterOneRound();
    table.StartRun();
    ASSERT_NE(view.running, "0");
    ASSERT_NE(view.running, "");
    EXPECT_FALSE(view.shuffling);
    EXPECT_EQ(view.shuffles, 1);

    // The next start shuffles a fresh shoe: its counts, not the old shoe's,
    // stand from the shuffle on.
    StopAfterOneRound();
    table.StartRun();

    EXPECT_EQ(view.shuffles, 2);
    EXPECT_EQ(view.runningWhenShuffled, "0");
    EXPECT_EQ(view.relativeWhenShuffled, "0,0");
}

}  // namespace
}  // namespace tavexo::testing
