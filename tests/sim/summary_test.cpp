// The summary's figures must agree with each other: the hands' outcomes
// with the games, the buckets with the totals, the boxes with "total", and
// the printed JSON with the tally it was printed from.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "sim/simulator.h"
#include "sim/summary.h"
#include "tests/sim/mini_json.h"

namespace tavexo::sim::testing {
namespace {

struct SummaryCase {
    const char* name;
    int boxes;
    int decks;
    int doubleChoice;
    bool surrender;
    int insurance;
};

void PrintTo(const SummaryCase& c, std::ostream* os) {
    *os << c.name;
}

class Summary : public ::testing::TestWithParam<SummaryCase> {
  protected:
    void SetUp() override {
        const SummaryCase& c = GetParam();
        options.rounds = 4000;
        options.boxes = c.boxes;
        options.decks = c.decks;
        options.doubleChoice = c.doubleChoice;
        options.surrender = c.surrender;
        options.insurance = c.insurance;
        SimControl control;
        control.blockRounds = 1500;
        report = RunSimulation(options, 777, control);
    }

    SimOptions options;
    SimReport report;
};

// Every settled hand ends in exactly one of the five outcomes; a
// surrendered round has no hand left to settle, and a split adds one.
TEST_P(Summary, OutcomesAddUpToTheHands) {
    const BoxTally total = report.tally.Total();
    for (int box = 0; box <= options.boxes; ++box) {
        const BoxTally& t = box == 0 ? total : report.tally.boxes[box - 1];
        SCOPED_TRACE(box == 0 ? "total" : "box " + std::to_string(box));
        EXPECT_EQ(t.games, static_cast<uint64_t>(options.rounds * (box == 0 ? options.boxes : 1)));
        EXPECT_EQ(t.hands, t.games + t.splits);
        EXPECT_EQ(t.wins + t.losses + t.pushes + t.busts + t.blackjacks, t.hands - t.surrenders);
        EXPECT_LE(t.doubles, t.hands);
        EXPECT_LE(t.insurances, t.games);
        // Blackjacks, doubles and splits happen in any few thousand rounds.
        EXPECT_GT(t.blackjacks, 0u);
        EXPECT_GT(t.doubles, 0u);
        EXPECT_GT(t.splits, 0u);
        if (!options.surrender) {
            EXPECT_EQ(t.surrenders, 0u);
        }
        if (options.insurance == 4) {
            EXPECT_EQ(t.insurances, 0u);
        }
    }
}

TEST_P(Summary, BucketsBoxesAndMoneyAgreeWithTheTotals) {
    const BoxTally total = report.tally.Total();
    BoxTally sum;
    for (int box = 1; box <= options.boxes; ++box) {
        const BoxTally& t = report.tally.boxes[box - 1];
        uint64_t games = 0;
        double result = 0.0;
        for (const BucketTally& b : t.buckets) {
            games += b.games;
            result += b.result;
        }
        EXPECT_EQ(games, t.games) << "box " << box;
        EXPECT_EQ(result, t.Result()) << "box " << box;
        EXPECT_GE(t.won, 0.0);
        EXPECT_LE(t.lost, 0.0);
        // The mean result per game in units is the money result over the
        // unit and the games.
        EXPECT_NEAR(t.units.Mean(), t.Result() / options.unit / t.games, 1e-12);
        sum += t;
    }
    EXPECT_EQ(sum.games, total.games);
    EXPECT_EQ(sum.wins, total.wins);
    EXPECT_EQ(sum.won, total.won);
    EXPECT_EQ(sum.lost, total.lost);
    EXPECT_EQ(sum.turnover, total.turnover);
    EXPECT_EQ(total.games, static_cast<uint64_t>(options.rounds * options.boxes));
    EXPECT_NEAR(total.units.Mean(), total.Result() / options.unit / total.games, 1e-12);
    // A round's result lies within a few units of its stake: the errors
    // lie between 0.3 and 10 units over the square root of the samples.
    for (const RatioMoments& m : {total.units, report.tally.boxes[0].units}) {
        const double root = std::sqrt(static_cast<double>(m.samples));
        EXPECT_GT(m.StdErr(), 0.3 / root);
        EXPECT_LT(m.StdErr(), 10.0 / root);
    }
}

TEST_P(Summary, TheJsonHoldsTheTally) {
    std::ostringstream out;
    PrintJson(out, options, report);
    const Json json = ParseJson(out.str());
    EXPECT_EQ(json["rounds"].Integer(), options.rounds);
    EXPECT_EQ(static_cast<uint64_t>(json["seed"].Integer()), 777u);
    ASSERT_EQ(static_cast<int>(json["boxes"].items.size()), options.boxes);
    for (int box = 0; box <= options.boxes; ++box) {
        const Json& j = box == 0 ? json["total"] : json["boxes"][box - 1];
        const BoxTally t = box == 0 ? report.tally.Total() : report.tally.boxes[box - 1];
        SCOPED_TRACE(box);
        EXPECT_EQ(static_cast<uint64_t>(j["games"].Integer()), t.games);
        EXPECT_EQ(static_cast<uint64_t>(j["splits"].Integer()), t.splits);
        EXPECT_EQ(static_cast<uint64_t>(j["insurances"].Integer()), t.insurances);
        EXPECT_EQ(j["result"].Number(), j["won"].Number() + j["lost"].Number());
        EXPECT_EQ(j["result"].Number(), t.Result());
        EXPECT_EQ(j["turnover"].Number(), t.turnover);
        EXPECT_EQ(j["result_per_round_units"].Number(), t.units.Mean());
        EXPECT_EQ(j["stderr_units"].Number(), t.units.StdErr());
        ASSERT_EQ(j["buckets"].items.size(), 9u);
        for (int k = 0; k < 9; ++k) {
            EXPECT_EQ(j["buckets"][k]["bucket"].Integer(), k + 1);
            EXPECT_EQ(static_cast<uint64_t>(j["buckets"][k]["games"].Integer()),
                      t.buckets[k].games);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, Summary,
                         ::testing::Values(SummaryCase{"SevenBoxesEightDecks", 7, 8, 1, true, 0},
                                           SummaryCase{"TwoBoxesOneDeck", 2, 1, 0, false, 4},
                                           SummaryCase{"FiveBoxesSixDecks", 5, 6, 3, true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavexo::sim::testing
