// "Tempo finden": the pace settles where a simulated user is right 19 times
// in 20, and the pace held is read off the checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "drill/pace_finder.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

// A user who is right with a probability that falls with the pace: 95 %
// at `pace95`, 50 % at half as fast again, and 99.7 % at two thirds of it.
struct SimulatedUser {
    double pace95;
    double RightChance(double pace) const {
        const double steps = std::log(pace / pace95) / std::log(1.5);
        return 1.0 / (1.0 + std::exp(std::log(19.0) * (steps - 1.0)));
    }
};

// A uniform number in [0, 1) from the generator's bits alone, the same
// with every standard library.
double Uniform(std::mt19937_64& bits) {
    return static_cast<double>(bits() >> 11) * 0x1.0p-53;
}

double FinalPace(const SimulatedUser& user, double start, int checks, uint64_t seed) {
    std::mt19937_64 bits(seed);
    PaceFinder finder(start);
    for (int i = 0; i < checks; ++i)
        finder.Record(Uniform(bits) < user.RightChance(finder.CardsPerSecond()));
    return finder.CardsPerSecond();
}

struct SettleCase {
    const char* name;
    double pace95;
    double start;
};

class PaceSettleTest : public ::testing::TestWithParam<SettleCase> {};

TEST_P(PaceSettleTest, SettlesNearThePaceTheUserHoldsAtNinetyFivePercent) {
    const SettleCase& c = GetParam();
    const SimulatedUser user{c.pace95};
    EXPECT_NEAR(user.RightChance(c.pace95), 0.95, 1e-9);
    std::vector<double> finals;
    for (uint64_t seed = 1; seed <= 40; ++seed)
        finals.push_back(FinalPace(user, c.start, 300, seed));
    std::sort(finals.begin(), finals.end());
    // Most users end within 15 % of their pace, and the middle one within 5 %.
    const double median = (finals[19] + finals[20]) / 2.0;
    EXPECT_NEAR(median, c.pace95, 0.05 * c.pace95);
    EXPECT_GT(finals[3], 0.85 * c.pace95);
    EXPECT_LT(finals[36], 1.15 * c.pace95);
}

INSTANTIATE_TEST_SUITE_P(Cases, PaceSettleTest,
                         ::testing::Values(SettleCase{"FasterThanTheStart", 2.0, 1.0},
                                           SettleCase{"MuchFasterThanTheStart", 4.0, 0.5},
                                           SettleCase{"SlowerThanTheStart", 0.8, 2.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaceFinder, SpeedsUpAfterARightCheckAndSlowsAfterAWrongOne) {
    PaceFinder finder(1.0);
    finder.Record(true);
    EXPECT_GT(finder.CardsPerSecond(), 1.0);
    const double before = finder.CardsPerSecond();
    finder.Record(false);
    EXPECT_LT(finder.CardsPerSecond(), before);
    const double afterMiss = finder.CardsPerSecond();
    finder.Record(true);
    EXPECT_GT(finder.CardsPerSecond(), afterMiss);
    EXPECT_EQ(finder.CardIntervalMs(),
              static_cast<int>(std::lround(1000.0 / finder.CardsPerSecond())));
    // The pace stays within what the drill can deal.
    PaceFinder fast(9.5);
    for (int i = 0; i < 5; ++i) fast.Record(true);
    EXPECT_DOUBLE_EQ(fast.CardsPerSecond(), FASTEST_PACE);
    PaceFinder slow(0.3);
    for (int i = 0; i < 5; ++i) slow.Record(false);
    EXPECT_DOUBLE_EQ(slow.CardsPerSecond(), SLOWEST_PACE);
}

struct HeldCase {
    const char* name;
    std::vector<PaceCheck> checks;
    std::optional<double> held;
};

std::vector<PaceCheck> Run(int count, double pace, bool right) {
    return std::vector<PaceCheck>(static_cast<size_t>(count), PaceCheck{pace, right});
}

std::vector<PaceCheck> Joined(std::initializer_list<std::vector<PaceCheck>> parts) {
    std::vector<PaceCheck> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class HeldPaceTest : public ::testing::TestWithParam<HeldCase> {};

TEST_P(HeldPaceTest, IsTheFastestPaceOfTenOrMoreChecksAtNinetyFivePercent) {
    EXPECT_EQ(HeldPaceOf(GetParam().checks), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeldPaceTest,
    ::testing::Values(
        HeldCase{"NineChecksAreTooFew", Run(9, 2.0, true), std::nullopt},
        HeldCase{"TenRightChecks", Run(10, 2.0, true), 2.0},
        // Nine of ten is 90 %.
        HeldCase{"OneMissInTen", Joined({Run(5, 2.0, true), Run(1, 2.0, false), Run(4, 2.0, true)}),
                 std::nullopt},
        // Nineteen of twenty is 95 %.
        HeldCase{"OneMissInTwenty",
                 Joined({Run(10, 2.0, true), Run(1, 2.5, false), Run(9, 3.0, true)}), 2.0},
        // The stretch is held at its slowest pace.
        HeldCase{"TheSlowestPaceOfTheStretch",
                 Joined({Run(5, 1.5, true), Run(5, 2.5, true), Run(3, 3.0, false)}), 1.5},
        HeldCase{"TheFastestStretchWins",
                 Joined({Run(10, 1.5, true), Run(2, 3.0, false), Run(10, 2.2, true)}), 2.2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PaceFinder, ReportsThePaceHeldOverItsOwnChecks) {
    PaceFinder finder(1.0);
    for (int i = 0; i < 9; ++i) finder.Record(true);
    EXPECT_FALSE(finder.HeldPace().has_value());
    finder.Record(true);
    ASSERT_TRUE(finder.HeldPace().has_value());
    EXPECT_DOUBLE_EQ(*finder.HeldPace(), 1.0);  // the first ten, from the start
    EXPECT_EQ(finder.Checks().size(), 10u);
}

}  // namespace
}  // namespace tavexo
