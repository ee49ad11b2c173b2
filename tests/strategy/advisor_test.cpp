// The advisor of the training mode: which notice each click earns, how the
// four reactions treat it, and what lands in the hints log.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "strategy/advisor.h"
#include "strategy/hints_log.h"
#include "strategy/table_strategy.h"
#include "support/named_case.h"
#include "support/recording_view.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

// A box as it stands at its first decision: two cards in hand 1, totalled,
// with the buttons the turn offers.
TPlayerBox BoxHolding(const std::string& ranks, std::vector<Action> offered) {
    TPlayerBox box;
    const std::vector<CardCode> cards = Cards(ranks);
    THand& h = box.Hand(1);
    for (CardCode c : cards) h.cards[h.cardCount++] = c;
    const HandTotal t = TotalOf(h.cards.data(), h.cardCount);
    h.total = t.total;
    box.isSoft = t.soft;
    for (Action a : offered) box.enabled[static_cast<int>(a)] = true;
    return box;
}

struct JudgeCase {
    const char* name;
    const char* cards;
    int dealer;
    float count;
    std::vector<Action> offered;
    Action clicked;
    const char* notice;  // "" for none
    Recommendation recommended;
};

class JudgeClickTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(JudgeClickTest, GivesTheNoticeOfTheFirstCheckThatFires) {
    const JudgeCase& c = GetParam();
    TGameRules rules;
    TTrainingSettings training;
    const StrategyContext context{rules, training, c.count};
    const Verdict v = JudgeClick(BoxHolding(c.cards, c.offered), c.clicked, c.dealer, context);
    EXPECT_EQ(std::string(v.notice ? v.notice : ""), c.notice);
    if (v.notice != nullptr) {
        EXPECT_EQ(v.recommended, c.recommended);
    }
}

using A = Action;
using R = Recommendation;
const std::vector<Action> FIRST = {A::Hit, A::Stand, A::Surrender};
const std::vector<Action> FIRST_ACE = {A::Hit, A::Stand, A::Surrender, A::Insure};
const std::vector<Action> PAIR = {A::Hit, A::Stand, A::Surrender, A::Split};
const std::vector<Action> PAIR_DOUBLE = {A::Hit, A::Stand, A::Surrender, A::Split, A::Double};
const std::vector<Action> DOUBLE = {A::Hit, A::Stand, A::Surrender, A::Double};

INSTANTIATE_TEST_SUITE_P(
    Cases, JudgeClickTest,
    ::testing::Values(
        JudgeCase{"StandOnSixteenShouldSurrender", "10 6", 10, -2, FIRST, A::Stand,
                  "Nicht halten, aufgeben", R::Surrender},
        JudgeCase{"StandOnTwelveShouldHit",
                  "10 2",
                  4,
                  -1,
                  {A::Hit, A::Stand},
                  A::Stand,
                  "Nicht halten, ziehen",
                  R::Hit},
        JudgeCase{
            "StandOnTwelveAtZeroIsRight", "10 2", 4, 0, {A::Hit, A::Stand}, A::Stand, "", R::None},
        JudgeCase{"SplitFivesShouldDouble", "5 5", 6, 0, PAIR_DOUBLE, A::Split,
                  "Nicht teilen, verdoppeln", R::Double},
        JudgeCase{"SplitSixesAgainstSevenShouldHit", "6 6", 7, 0, PAIR, A::Split,
                  "Nicht teilen, ziehen", R::HitIfStillWise},
        JudgeCase{"SplitTensShouldStand", "10 K", 6, 0, PAIR, A::Split, "Nicht teilen, halten",
                  R::Stand},
        JudgeCase{"SurrenderThatTheStrategyWantsIsNeverQuestioned", "10 6", 10, 0.5, FIRST,
                  A::Surrender, "", R::None},
        JudgeCase{"SurrenderOnTwelveShouldHit", "10 2", 3, 0, FIRST, A::Surrender,
                  "Nicht aufgeben, ziehen", R::Hit},
        JudgeCase{"InsureAtTwoWithAHandToHitPassesSilently", "10 2", 11, 2, FIRST_ACE, A::Insure,
                  "", R::None},
        JudgeCase{"InsureOnEighteenShouldStand", "10 8", 11, 2, FIRST_ACE, A::Insure,
                  "Nicht versichern, halten", R::Stand},
        JudgeCase{"HitWhenInsuranceIsDue", "10 2", 11, 4, FIRST_ACE, A::Hit,
                  "Nicht ziehen, versichern", R::Insure},
        JudgeCase{"StandWhenInsuranceIsDueHasNoComma", "10 7", 11, 4, FIRST_ACE, A::Stand,
                  "Nicht halten versichern", R::Insure},
        JudgeCase{"HitOnEighteenShouldStand", "10 8", 6, 0, FIRST, A::Hit, "Nicht ziehen, halten",
                  R::Stand},
        JudgeCase{"HitOnElevenShouldDouble", "6 5", 6, 0, DOUBLE, A::Hit,
                  "Nicht ziehen, verdoppeln", R::Double},
        JudgeCase{"HitOnEightsShouldSplit", "8 8", 6, 0, PAIR, A::Hit, "Nicht ziehen, teilen",
                  R::Split},
        JudgeCase{"DoubleOnTwelveShouldHit",
                  "7 5",
                  7,
                  0,
                  {A::Hit, A::Stand, A::Double},
                  A::Double,
                  "Nicht verdoppeln, ziehen",
                  R::HitElseDouble},
        JudgeCase{"DoubleOnElevenIsRight", "6 5", 6, 0, DOUBLE, A::Double, "", R::None}),
    [](const auto& info) { return std::string(info.param.name); });

// The table in training mode with one human box: 10, 6 against a king, no
// surrender, so a stand earns "Nicht halten, ziehen" (count -1/8 < 0).
class ReactionTest : public TableFixture {
  protected:
    ReactionTest() : strategy(table) {
        table.SetView(&view);
        settings.training.trainingMode = true;
        settings.rules.noSurrender = true;
        SeatBoxes({1});
        Stack("10 K 6 5 7");
        StopAfterOneRound();
    }

    TableStrategy strategy;
    RecordingView view;
};

struct ReactionCase {
    const char* name;
    int mode;
    std::vector<Action> clicks;
    int cardsInHand;  // after the round
    int hintRows;
    int beepsBeforeEnd;
};

class ReactionModeTest : public ReactionTest, public ::testing::WithParamInterface<ReactionCase> {};

TEST_P(ReactionModeTest, ReactsAsChosen) {
    const ReactionCase& c = GetParam();
    settings.training.deviationReaction = c.mode;
    auto clicks = std::make_shared<std::vector<Action>>(c.clicks);
    host.Whenever(
        [clicks](const Table& t) {
            return t.BoxInTurn() == 1 && !t.Box(1).turnDone && !clicks->empty() &&
                   t.Box(1).Enabled(clicks->front());
        },
        [clicks](Table& t) {
            t.ActionClicked(1, clicks->front());
            clicks->erase(clicks->begin());
        });
    // Whatever is left after the scripted clicks stands by itself (time-out).
    table.StartRun();
    EXPECT_EQ(table.Box(1).Hand(1).cardCount, c.cardsInHand);
    EXPECT_EQ(table.Box(1).hintRow, c.hintRows);
    EXPECT_EQ(host.beeps - 1, c.beepsBeforeEnd);  // less the tone that ends the run
    EXPECT_EQ(table.HintsGrid(1).Cell(4, 1), "Nicht halten, ziehen");
    EXPECT_EQ(view.hints.front(), "Nicht halten, ziehen");
}

INSTANTIATE_TEST_SUITE_P(Modes, ReactionModeTest,
                         ::testing::Values(
                             // Ignored: the stand is not carried out; the following hit is right.
                             ReactionCase{"Ignore", 0, {A::Stand, A::Hit}, 3, 1, 1},
                             ReactionCase{"Accept", 1, {A::Stand}, 2, 1, 1},
                             ReactionCase{"Replace", 2, {A::Stand}, 3, 1, 1},
                             // The first click does nothing; the second stands, is logged again,
                             // but neither shown nor sounded again.
                             ReactionCase{"SecondChance", 3, {A::Stand, A::Stand}, 2, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReactionTest, TrainingModeOffCarriesOutEveryClickSilently) {
    settings.training.trainingMode = false;
    Click(1, Action::Stand);
    table.StartRun();
    EXPECT_EQ(table.Box(1).Hand(1).cardCount, 2);
    EXPECT_EQ(table.Box(1).hintRow, 0);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(ReactionTest, HintRowsNameRoundDealerCardsAndCount) {
    settings.training.deviationReaction = 3;
    Click(1, Action::Stand);
    Click(1, Action::Stand);
    table.StartRun();
    const TextGrid& g = table.HintsGrid(1);
    const std::string& round = g.Cell(0, 1);
    EXPECT_EQ(round.substr(round.find_first_not_of(' ')), "1");
    EXPECT_EQ(g.Cell(1, 1), "10");
    EXPECT_EQ(g.Cell(2, 1), "10 6");
    EXPECT_EQ(g.Cell(3, 1), "-0,1");  // -1 over 8 decks
    // The second hint of the same round leaves round and dealer empty.
    EXPECT_EQ(g.Cell(0, 2), "");
    EXPECT_EQ(g.Cell(1, 2), "");
    EXPECT_EQ(g.Cell(4, 2), "Nicht halten, ziehen");
}

}  // namespace
}  // namespace tavexo::testing

namespace tavexo::testing {
namespace {

TEST(JudgeClick, APairToSplitAndToDoubleEarnsTheDoubleNoticeOnSplit) {
    TGameRules rules;
    rules.doubleChoice = 0;  // any two cards
    TTrainingSettings training;
    const StrategyContext context{rules, training, 5.0f};
    const Verdict v = JudgeClick(BoxHolding("4 4", {A::Hit, A::Stand, A::Split, A::Double}),
                                 A::Split, 5, context);
    ASSERT_NE(v.notice, nullptr);
    EXPECT_STREQ(v.notice, "Nicht teilen, verdoppeln");
}

class HintsLogTest : public TableFixture {};

TEST_F(HintsLogTest, GrowsPastFortyRowsAndClears) {
    TPlayerBox& b = table.Box(2);
    b.historyRow = 7;
    b.isSplit = true;
    b.Hand(2).cards[0] = 8;
    b.Hand(2).cards[1] = 3;
    b.Hand(2).cardCount = 2;
    for (int i = 0; i < 45; ++i) AppendHint(table, 2, 2, 10, "Nicht ziehen, halten");
    const TextGrid& g = table.HintsGrid(2);
    EXPECT_EQ(g.RowCount(), 46);
    EXPECT_EQ(g.Cell(4, 45), "Nicht ziehen, halten");
    EXPECT_EQ(g.Cell(2, 1), "Bl. 2: 8 3");
    EXPECT_EQ(g.Cell(1, 1), "10");
    EXPECT_EQ(g.Cell(1, 2), "");  // same round: no dealer card again

    ClearHints(table, 2);
    EXPECT_EQ(g.Cell(4, 45), "");
    AppendHint(table, 2, 2, 10, "Nicht halten, ziehen");
    EXPECT_EQ(g.Cell(4, 1), "Nicht halten, ziehen");
    EXPECT_EQ(g.Cell(0, 1), "");  // still the round of the last hint before clearing
    b.historyRow = 8;
    AppendHint(table, 2, 2, 9, "Nicht halten, ziehen");
    EXPECT_EQ(g.Cell(1, 2), "9");
}

}  // namespace
}  // namespace tavexo::testing
