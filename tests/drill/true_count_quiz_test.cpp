// The true count drill grades by the table's own rule: the decks rounded
// half to even, the running count doubled below half a deck, one decimal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "drill/true_count_quiz.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

struct GradeCase {
    const char* name;
    int running;
    int shoeDecks;
    int remaining;  // cards left in the shoe
    double answer;
    bool right;
};

class TrueCountGradeTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(TrueCountGradeTest, FollowsTheTablesRule) {
    const GradeCase& c = GetParam();
    const TrueCountQuestion question{c.shoeDecks, c.remaining, c.running};
    EXPECT_EQ(TrueCountAnswer({c.answer, question.TrueCount()}).Right(), c.right)
        << "true count by the rule: " << question.TrueCount();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrueCountGradeTest,
    ::testing::Values(GradeCase{"TwoWholeDecks", 5, 6, 104, 2.5, true},
                      GradeCase{"TwoWholeDecksOffByATenth", 5, 6, 104, 2.4, false},
                      // 2.5 decks round to 2, not 3: 5 / 2, not 5 / 2.5.
                      GradeCase{"TwoAndAHalfDecksRoundToTwo", 5, 6, 130, 2.5, true},
                      GradeCase{"TwoAndAHalfDecksAreNotDividedExactly", 5, 6, 130, 2.0, false},
                      // 3.5 decks round to 4.
                      GradeCase{"ThreeAndAHalfDecksRoundToFour", 7, 8, 182, 1.8, true},
                      GradeCase{"ThreeAndAHalfDecksRoundToFourNotThree", 7, 8, 182, 2.3, false},
                      GradeCase{"OneAndAHalfDecksRoundToTwo", 10, 4, 78, 5.0, true},
                      GradeCase{"FourAndAHalfDecksRoundToFour", 4, 8, 234, 1.0, true},
                      GradeCase{"FourAndAHalfDecksNotDividedExactly", 4, 8, 234, 0.9, false},
                      // Half a deck or less: the decks round to 0 and the count doubles.
                      GradeCase{"HalfADeckDoublesTheCount", 3, 1, 26, 6.0, true},
                      GradeCase{"HalfADeckIsNotDividedByOne", 3, 1, 26, 3.0, false},
                      GradeCase{"AQuarterDeckDoublesANegativeCount", -3, 6, 13, -6.0, true},
                      GradeCase{"NegativeCount", -4, 6, 130, -2.0, true},
                      // One decimal: 7 / 3 is 2.33, and 2.3 is its value to a tenth.
                      GradeCase{"ThirdsToOneDecimal", 7, 6, 156, 2.3, true},
                      GradeCase{"ThirdsRoundedUpTooFar", 7, 6, 156, 2.4, false},
                      // 9 / 4 is 2.25: both neighbouring tenths are right.
                      GradeCase{"AQuarterPointRoundsEitherWayDown", 9, 6, 208, 2.2, true},
                      GradeCase{"AQuarterPointRoundsEitherWayUp", 9, 6, 208, 2.3, true},
                      GradeCase{"AQuarterPointOffByMore", 9, 6, 208, 2.1, false},
                      GradeCase{"AWholeNumberForAFraction", 7, 6, 156, 2.0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrueCountQuestion, WrittenDecksLeftAreWholeQuartersWithinTheShoe) {
    ShoeShuffler random(11);
    for (const int decks : TRAY_SHOE_DECKS) {
        std::set<int> remaining;
        for (int i = 0; i < 400; ++i) {
            const TrueCountQuestion q =
                MakeTrueCountQuestion(decks, ShoeDisplay::DecksLeft, random);
            ASSERT_EQ(q.remainingCards % 13, 0);
            ASSERT_GE(q.remainingCards, 13);
            ASSERT_LE(q.remainingCards, decks * 52 - 13);
            // The running count of the cards dealt cannot exceed their number.
            ASSERT_LE(std::abs(q.runningCount), decks * 52 - q.remainingCards);
            remaining.insert(q.remainingCards);
        }
        // Every quarter from one to the shoe less one comes up.
        EXPECT_EQ(static_cast<int>(remaining.size()), decks * 4 - 1) << decks << " decks";
    }
}

TEST(TrueCountQuestion, TheRunningCountIsThatOfAShuffledShoe) {
    // Over many shoes the running count of the cards dealt spreads both
    // ways around zero, as a shoe's does, and is not always even.
    ShoeShuffler random(5);
    int positive = 0;
    int negative = 0;
    int odd = 0;
    for (int i = 0; i < 300; ++i) {
        const TrueCountQuestion q = MakeTrueCountQuestion(6, ShoeDisplay::Tray, random);
        positive += q.runningCount > 0;
        negative += q.runningCount < 0;
        odd += q.runningCount % 2 != 0;
    }
    EXPECT_GT(positive, 90);
    EXPECT_GT(negative, 90);
    EXPECT_GT(odd, 90);
}

TEST(TrueCountRound, ScoresEachAnswerWithTheTimeItTook) {
    ShoeShuffler random(3);
    TrueCountRound round(TrueCountSettings{6, ShoeDisplay::DecksLeft, 2}, random);
    round.Shown(1000);
    const float first = round.Question().TrueCount();
    EXPECT_TRUE(round.Answer(first, 3500).Right());
    EXPECT_TRUE(round.Next());
    EXPECT_EQ(round.Round().Number(), 2);
    round.Shown(4000);
    const float second = round.Question().TrueCount();
    EXPECT_FALSE(round.Answer(second + 1.0, 5500).Right());
    EXPECT_FALSE(round.Next());
    EXPECT_TRUE(round.Round().Over());
    const QuizScore& score = round.Round().Score();
    EXPECT_EQ(score.Answered(), 2);
    EXPECT_EQ(score.Right(), 1);
    EXPECT_DOUBLE_EQ(score.SecondsPerAnswer(), 2.0);
    EXPECT_NEAR(score.MeanError(), 0.5, 1e-6);
}

}  // namespace
}  // namespace tavexo
