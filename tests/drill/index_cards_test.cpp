// The index drill's cards: which cells the rules let decide, on which hands
// they are asked, and that every question is decided by its own cell.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "drill/index_cards.h"
#include "support/cards.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::Cards;
using ::tavexo::testing::PrintTo;

const IndexCard* Find(const std::vector<IndexCard>& cards, const std::string& id) {
    for (const IndexCard& card : cards)
        if (card.cell.Id() == id) return &card;
    return nullptr;
}

int Sum(const std::vector<int>& hand) {
    int sum = 0;
    for (const int v : hand) sum += v;
    return sum;
}

TEST(IndexCards, EveryCountCellOfTheGridsIsACellAndEveryIdIsItsOwn) {
    const std::vector<IndexCell> cells = AllIndexCells(TTrainingSettings{});
    std::set<std::string> ids;
    for (const IndexCell& cell : cells) ids.insert(cell.Id());
    EXPECT_EQ(ids.size(), cells.size());
    // Counted off the grids as the training centre shows them: every cell
    // that is a number rather than "+" or "-", and the insurance threshold.
    EXPECT_TRUE(ids.count("G1:12:2"));    // 3
    EXPECT_TRUE(ids.count("G1:16:10"));   // 0
    EXPECT_FALSE(ids.count("G1:12:7"));   // "+"
    EXPECT_FALSE(ids.count("G1:17:2"));   // "-"
    EXPECT_TRUE(ids.count("G2:18:11"));   // 1, the one soft hit index
    EXPECT_FALSE(ids.count("G3:4:5"));    // row 4 is not shown
    EXPECT_TRUE(ids.count("G6:17:10"));   // shown, though never reached
    EXPECT_FALSE(ids.count("G7:17:11"));  // soft 17 is not shown
    EXPECT_TRUE(ids.count("G8:8:10"));
    EXPECT_TRUE(ids.count("V:3"));
    TTrainingSettings never;
    never.insuranceChoice = 4;  // "nie"
    const auto withoutInsurance = AllIndexCells(never);
    EXPECT_EQ(withoutInsurance.size(), cells.size() - 1);
    EXPECT_FALSE(withoutInsurance.back().IsInsurance());
}

TEST(IndexCards, TheMeaningIsTheTrainingCentresWords) {
    const IndexCell hit{0, 16, 10, 0};
    EXPECT_EQ(hit.Meaning(), "Hart 16 gegen 10: ziehen, solange der wahre Zählwert unter 0 liegt");
    const IndexCell split{4, 11, 11, -5};
    EXPECT_EQ(split.Meaning(),
              "Paar A, A gegen Ass: teilen, wenn der wahre Zählwert über -5 liegt");
    const IndexCell insurance{IndexCell::INSURANCE, 0, 11, 5};
    EXPECT_EQ(insurance.Meaning(),
              "Versicherung gegen ein Ass: versichern, wenn der wahre Zählwert über 5 liegt");
}

struct ActiveCase {
    const char* name;
    std::string id;
    TGameRules rules;
    bool active;
};

TGameRules Rules(bool noSurrender, bool softDouble, int doubleChoice) {
    TGameRules rules;
    rules.noSurrender = noSurrender;
    rules.softDouble = softDouble;
    rules.doubleChoice = doubleChoice;
    return rules;
}

class ActiveCellTest : public ::testing::TestWithParam<ActiveCase> {};

TEST_P(ActiveCellTest, HasACardOnlyWhereTheRulesLetItDecide) {
    const ActiveCase& c = GetParam();
    const auto cards = ActiveIndexCards(c.rules, TTrainingSettings{});
    EXPECT_EQ(Find(cards, c.id) != nullptr, c.active);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ActiveCellTest,
    ::testing::Values(
        // "Verdoppeln" 1 allows 9, 10 and 11 only.
        ActiveCase{"HardEightDoublesOnlyWhenAllowed", "G3:8:6", Rules(false, true, 1), false},
        ActiveCase{"HardEightDoublesUnderAnyTotal", "G3:8:6", Rules(false, true, 0), true},
        ActiveCase{"HardElevenDoubles", "G3:11:2", Rules(false, true, 3), true},
        ActiveCase{"SoftDoublesNeedAsVerdoppeln", "G4:18:3", Rules(false, false, 0), false},
        ActiveCase{"SoftDoublesWithAsVerdoppeln", "G4:18:3", Rules(false, true, 0), true},
        // An ace and an 8 may double under "9, 10 oder 11" as 9.
        ActiveCase{"SoftNineteenDoublesAsNine", "G4:19:6", Rules(false, true, 1), true},
        ActiveCase{"SoftSeventeenIsNotSevenUnderElevenOnly", "G4:17:3", Rules(false, true, 3),
                   false},
        ActiveCase{"SurrenderAllowed", "G6:16:10", Rules(false, true, 1), true},
        ActiveCase{"SurrenderForbidden", "G6:16:10", Rules(true, true, 1), false},
        ActiveCase{"HardSeventeenIsNeverSurrendered", "G6:17:10", Rules(false, true, 1), false},
        ActiveCase{"SoftSurrender", "G7:15:11", Rules(false, true, 1), true},
        // Eights against an ace: surrendering above -14 comes before
        // splitting above -13, so the split cell decides only without it.
        ActiveCase{"SplitBehindSurrender", "G5:8:11", Rules(false, true, 1), false},
        ActiveCase{"SplitWithoutSurrender", "G5:8:11", Rules(true, true, 1), true},
        ActiveCase{"PairSurrender", "G8:8:10", Rules(false, true, 1), true},
        ActiveCase{"HardHitSixteenAgainstTen", "G1:16:10", Rules(false, true, 1), true},
        ActiveCase{"SoftHitEighteenAgainstAce", "G2:18:11", Rules(false, true, 1), true},
        ActiveCase{"Insurance", "V:3", Rules(false, true, 1), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndexCards, AHitCellThatASurrenderWouldTakeOverIsAskedOnThreeCards) {
    const auto withSurrender = ActiveIndexCards(Rules(false, true, 1), TTrainingSettings{});
    const IndexCard* sixteen = Find(withSurrender, "G1:16:10");
    ASSERT_NE(sixteen, nullptr);
    for (const auto& hand : sixteen->hands) {
        EXPECT_EQ(hand.size(), 3u);
        EXPECT_EQ(Sum(hand), 16);
    }
    const auto withoutSurrender = ActiveIndexCards(Rules(true, true, 1), TTrainingSettings{});
    sixteen = Find(withoutSurrender, "G1:16:10");
    ASSERT_NE(sixteen, nullptr);
    EXPECT_TRUE(std::any_of(sixteen->hands.begin(), sixteen->hands.end(),
                            [](const auto& hand) { return hand.size() == 2; }));
    // The surrender cell of 16 against 10 is asked on 10-6 and 9-7; 8-8 has
    // its own cell.
    const IndexCard* surrender = Find(withSurrender, "G6:16:10");
    ASSERT_NE(surrender, nullptr);
    EXPECT_EQ(surrender->hands, (std::vector<std::vector<int>>{{6, 10}, {7, 9}}));
}

struct PlayCase {
    const char* name;
    const char* hand;
    int dealer;
    float count;
    TGameRules rules;
    PlayChoice play;
};

class StrategyPlayTest : public ::testing::TestWithParam<PlayCase> {};

TEST_P(StrategyPlayTest, IsWhatTheRobotWouldDo) {
    const PlayCase& c = GetParam();
    EXPECT_EQ(PlayChoiceText(
                  StrategyPlay(Cards(c.hand), c.dealer, c.count, c.rules, TTrainingSettings{})),
              std::string(PlayChoiceText(c.play)));
}

INSTANTIATE_TEST_SUITE_P(Cases, StrategyPlayTest,
                         ::testing::Values(PlayCase{"TensSplitAboveFour", "B D", 6, 4.5f,
                                                    Rules(false, true, 1), PlayChoice::Split},
                                           PlayCase{"TensStandAtFour", "B D", 6, 4.0f,
                                                    Rules(false, true, 1), PlayChoice::Stand},
                                           PlayCase{"SixteenSurrendersAboveMinusSix", "10 6", 10,
                                                    -1.0f, Rules(false, true, 1),
                                                    PlayChoice::Surrender},
                                           PlayCase{"EightsSurrenderAboveMinusTwoOnly", "8 8", 10,
                                                    -3.0f, Rules(false, true, 1), PlayChoice::Hit},
                                           PlayCase{"ThreeCardSixteenHitsBelowZero", "5 5 6", 10,
                                                    -0.5f, Rules(false, true, 1), PlayChoice::Hit},
                                           PlayCase{"ThreeCardSixteenStandsAtZero", "5 5 6", 10,
                                                    0.0f, Rules(false, true, 1), PlayChoice::Stand},
                                           PlayCase{"TenDoublesAgainstNine", "6 4", 9, 0.0f,
                                                    Rules(false, true, 1), PlayChoice::Double},
                                           PlayCase{"TenHitsWhenTheRuleForbidsTheDouble", "6 4", 9,
                                                    0.0f, Rules(false, true, 3), PlayChoice::Hit},
                                           PlayCase{"SoftNineteenDoublesAsNine", "A 8", 6, 1.5f,
                                                    Rules(false, true, 1), PlayChoice::Double},
                                           PlayCase{"SoftEighteenHitsAgainstAceBelowOne", "A 7", 11,
                                                    0.5f, Rules(false, true, 1), PlayChoice::Hit}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IndexQuestion, EveryQuestionIsDecidedByItsOwnCellOnBothSidesOfTheEntry) {
    for (const TGameRules& rules : {Rules(false, true, 1), Rules(true, false, 0)}) {
        ShoeShuffler random(23);
        for (const IndexCard& card : ActiveIndexCards(rules, TTrainingSettings{})) {
            int acting = 0;
            for (int i = 0; i < 24; ++i) {
                const IndexQuestion q = MakeIndexQuestion(card, rules, TTrainingSettings{}, random);
                SCOPED_TRACE(card.cell.Id() + " at " + std::to_string(q.trueCount));
                ASSERT_LE(std::abs(q.trueCount - static_cast<float>(card.cell.entry)), 2.0f);
                // The play is the cell's action exactly on its side.
                ASSERT_EQ(q.right == card.cell.Action(), card.cell.ActsAt(q.trueCount));
                if (card.cell.IsInsurance()) {
                    ASSERT_EQ(CardValue(q.dealer), 11);
                } else {
                    ASSERT_EQ(CardValue(q.dealer), card.cell.dealer);
                    ASSERT_EQ(q.right, StrategyPlay(q.hand, CardValue(q.dealer), q.trueCount, rules,
                                                    TTrainingSettings{}));
                    int sum = 0;
                    for (const CardCode code : q.hand) sum += CardValue(code);
                    // Soft totals count the ace as 11, as the grids' rows do.
                    ASSERT_EQ(sum,
                              card.cell.key *
                                  (StrategyGrids()[card.cell.grid].hand == HandKind::Pair ? 2 : 1));
                }
                acting += card.cell.ActsAt(q.trueCount);
            }
            EXPECT_GT(acting, 2) << card.cell.Id();
            EXPECT_LT(acting, 22) << card.cell.Id();
        }
    }
}

}  // namespace
}  // namespace tavexo
