// The count check's verdict and the session score.
#include <gtest/gtest.h>

#include "drill/count_check.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

struct VerdictCase {
    const char* name;
    int answered;
    int actual;
    std::optional<double> answeredRelative;
    double actualRelative;
    bool right;
    int runningError;
};

class CountCheckTest : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(CountCheckTest, Verdict) {
    const VerdictCase& c = GetParam();
    const CountCheck check{c.answered, c.actual, c.answeredRelative, c.actualRelative};
    EXPECT_EQ(check.Right(), c.right);
    EXPECT_EQ(check.RunningError(), c.runningError);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountCheckTest,
    ::testing::Values(VerdictCase{"RunningRight", 5, 5, std::nullopt, 1.7, true, 0},
                      VerdictCase{"RunningTooHigh", 7, 5, std::nullopt, 1.7, false, 2},
                      VerdictCase{"RunningTooLowBelowZero", -4, 1, std::nullopt, 0.5, false, 5},
                      VerdictCase{"TrueCountRoundedInTheHeadIsRight", 5, 5, 2.0, 1.7, true, 0},
                      VerdictCase{"TrueCountHalfAPointOffIsStillRight", 5, 5, 1.2, 1.7, true, 0},
                      VerdictCase{"TrueCountFurtherOffIsWrong", 5, 5, 1.0, 1.7, false, 0},
                      VerdictCase{"RightTrueCountDoesNotSaveAWrongRunningCount", 4, 5, 1.7, 1.7,
                                  false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrillScore, CountsAnswersAndAveragesTheRunningCountError) {
    DrillScore score;
    EXPECT_EQ(score.MeanAbsoluteError(), 0.0);
    EXPECT_EQ(score.CardsPerSecond(), 0.0);
    score.Record(CountCheck{3, 3, std::nullopt, 0.0});
    score.Record(CountCheck{1, 3, std::nullopt, 0.0});
    score.Record(CountCheck{-2, 3, std::nullopt, 0.0});
    score.Record(CountCheck{3, 3, 9.0, 0.5});  // the true count is wrong
    EXPECT_EQ(score.Checked(), 4);
    EXPECT_EQ(score.Correct(), 1);
    EXPECT_DOUBLE_EQ(score.MeanAbsoluteError(), (0 + 2 + 5 + 0) / 4.0);
    score.AddDealing(30, 20000);
    score.AddDealing(10, 5000);
    EXPECT_DOUBLE_EQ(score.CardsPerSecond(), 40 / 25.0);
}

}  // namespace
}  // namespace tavexo
