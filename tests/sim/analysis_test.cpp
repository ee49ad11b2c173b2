// The counter's figures against cases with a known answer: a flat bet that
// wins one unit with probability p and loses one otherwise has the edge
// 2p - 1, the variance 1 - edge^2, and the risk of ruin before doubling of
// the gambler's ruin.
#include "sim/analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "sim/summary.h"
#include "tests/sim/mini_json.h"
#include "tests/sim/run_binary.h"

namespace tavexo::sim::testing {
namespace {

constexpr double P_WIN = 0.51;
constexpr double EDGE = 2.0 * P_WIN - 1.0;      // 0.02 units a round
constexpr double VARIANCE = 1.0 - EDGE * EDGE;  // 0.9996

// The chance that a walk of +1 (p) and -1 (1 - p) from `bankroll` reaches
// zero before twice the bankroll.
double GamblersRuin(double p, int bankroll) {
    const double r = (1.0 - p) / p;
    return (std::pow(r, bankroll) - std::pow(r, 2 * bankroll)) / (1.0 - std::pow(r, 2 * bankroll));
}

TEST(Analysis, FormulasOfAFlatBetWithAFixedEdge) {
    const RoundMoments m{100000.0, EDGE, VARIANCE};
    ASSERT_TRUE(RoundsToOneDeviation(m).has_value());
    EXPECT_NEAR(*RoundsToOneDeviation(m), 2499.0, 1e-9);  // 0.9996 / 0.0004
    EXPECT_NEAR(RiskOfRuinByFormula(m, 50.0), std::exp(-2.0 * 0.02 * 50.0 / 0.9996), 1e-15);
    EXPECT_NEAR(RiskOfRuinByFormula(m, 50.0), 0.13523, 1e-5);
    // Without an edge a bankroll is lost sooner or later; with no spread
    // never.
    EXPECT_EQ(RiskOfRuinByFormula({100.0, -0.01, 1.0}, 50.0), 1.0);
    EXPECT_EQ(RiskOfRuinByFormula({100.0, 0.0, 1.0}, 50.0), 1.0);
    EXPECT_EQ(RiskOfRuinByFormula({100.0, 0.5, 0.0}, 50.0), 0.0);
    EXPECT_FALSE(RoundsToOneDeviation({100.0, 0.0, 1.0}).has_value());
}

TEST(Analysis, BankrollTripsFindTheGamblersRuin) {
    // Results in half units: +1 and -1 unit.
    const std::vector<std::pair<int, uint64_t>> results = {{-2, 4900}, {2, 5100}};
    const TripOutcome trips = RiskOfRuinByTrips(results, 50.0, 20000, 12345);
    EXPECT_EQ(trips.trips, 20000u);
    EXPECT_EQ(trips.unfinished, 0u);
    const double exact = GamblersRuin(P_WIN, 50);  // 0.1193...
    EXPECT_NEAR(exact, 0.1193, 1e-3);
    // Four standard errors of 20000 trips.
    EXPECT_NEAR(trips.RuinShare(), exact, 4.0 * std::sqrt(exact * (1.0 - exact) / 20000.0));
    // The same seed draws the same trips.
    EXPECT_EQ(RiskOfRuinByTrips(results, 50.0, 20000, 12345).ruined, trips.ruined);
    // A losing bet ruins nearly every trip; nothing to draw from, no trips.
    EXPECT_GT(RiskOfRuinByTrips({{-2, 6000}, {2, 4000}}, 20.0, 2000, 7).RuinShare(), 0.97);
    EXPECT_EQ(RiskOfRuinByTrips({}, 20.0, 100, 7).trips, 0u);
}

// A box that played the flat bet: 10000 rounds, 5100 won and 4900 lost.
BoxTally FlatBetBox(double unit) {
    BoxTally t;
    t.games = 10000;
    t.won = 5100 * unit;
    t.lost = -4900 * unit;
    t.units.AddSingles(10000, 5100.0 - 4900.0, 10000.0);
    for (int i = 0; i < 5100; ++i) t.results.AddHalfUnits(2);
    for (int i = 0; i < 4900; ++i) t.results.AddHalfUnits(-2);
    return t;
}

TEST(Analysis, ABoxsFiguresFromItsTally) {
    SimOptions options;
    options.unit = 5;
    options.bankroll = 50.0;
    options.rorTrips = 4000;
    const ColumnAnalysis a = AnalyseBox(FlatBetBox(5.0), options, 1, 1);
    EXPECT_DOUBLE_EQ(a.units.rounds, 10000.0);
    EXPECT_NEAR(a.units.mean, EDGE, 1e-12);
    EXPECT_NEAR(a.units.variance, VARIANCE, 1e-12);
    EXPECT_NEAR(a.moneyPerRound, 5.0 * EDGE, 1e-12);
    EXPECT_NEAR(*a.n0, 2499.0, 1e-6);
    EXPECT_NEAR(a.winOverVariance, EDGE / VARIANCE, 1e-12);
    EXPECT_NEAR(*a.rorFormula, 0.13523, 1e-5);
    ASSERT_TRUE(a.rorTrips.has_value());
    EXPECT_EQ(a.rorTrips->trips, 4000u);
    EXPECT_NEAR(a.rorTrips->RuinShare(), GamblersRuin(P_WIN, 50), 0.025);
    // Without a bankroll there is no risk to tell.
    options.bankroll.reset();
    EXPECT_FALSE(AnalyseBox(FlatBetBox(5.0), options, 1, 1).rorFormula.has_value());
}

TEST(Analysis, ResultsCountInHalfUnits) {
    BoxResultHistogram h;
    for (const int64_t half : {-1, 3, 3, 4, -2000, 2000}) h.AddHalfUnits(half);
    EXPECT_EQ(h.At(-1), 1u);
    EXPECT_EQ(h.At(3), 2u);
    EXPECT_EQ(h.At(4), 1u);
    // Beyond the range: at its ends.
    EXPECT_EQ(h.At(-BoxResultHistogram::RANGE), 1u);
    EXPECT_EQ(h.At(BoxResultHistogram::RANGE), 1u);
}

TEST(Analysis, TheCountBinsFoldIntoTheRowsShown) {
    CountBins bins;
    bins.Record(-12.0f, 5.0f, -5.0f);  // beyond the lowest bin of the core
    bins.Record(-6.5f, 5.0f, 5.0f);    // -7
    bins.Record(-5.5f, 10.0f, 10.0f);  // -6
    bins.Record(-5.0f, 5.0f, -5.0f);   // -5
    bins.Record(0.5f, 5.0f, 2.5f);     // 0
    bins.Record(9.99f, 5.0f, 5.0f);    // 9
    bins.Record(14.0f, 100.0f, 200.0f);
    const std::vector<BetBinRow> rows = BetBinRows(bins);
    ASSERT_EQ(rows.size(), 17u);
    EXPECT_EQ(rows.front().label, "\u2264 \u22126");
    EXPECT_EQ(rows.front().sums.rounds, 3u);
    EXPECT_DOUBLE_EQ(rows.front().sums.result, 10.0);
    EXPECT_DOUBLE_EQ(rows.front().sums.squares, 25.0 + 25.0 + 100.0);
    EXPECT_EQ(rows[1].label, "\u22125");
    EXPECT_EQ(rows[1].sums.rounds, 1u);
    EXPECT_EQ(rows[6].label, "0");
    EXPECT_EQ(rows[6].sums.rounds, 1u);
    EXPECT_EQ(rows[15].label, "+9");
    EXPECT_EQ(rows.back().label, "\u2265 +10");
    EXPECT_DOUBLE_EQ(rows.back().sums.staked, 100.0);
}

// The program's JSON with the analysis: the old keys stay, and the new
// figures agree with the ones printed beside them.
TEST(Analysis, TheJsonOfARampRunWithABankroll) {
    const RunResult run =
        RunSim("--rounds 30000 --seed 3 --ramp 4 --bankroll 400 --ror-trips 100 --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = ParseJson(run.out);
    for (const Json* column : {&json["boxes"][0], &json["total"]}) {
        const Json& c = *column;
        for (const char* key :
             {"games", "result", "turnover", "result_per_round_units", "stderr_units", "buckets"}) {
            EXPECT_TRUE(c.Has(key)) << key;
        }
        const Json& a = c["analysis"];
        const double sd = a["sd_per_round_units"].Number();
        EXPECT_GT(sd, 0.5);
        EXPECT_NEAR(a["sd_per_100_rounds_units"].Number(), 10.0 * sd, 1e-9);
        EXPECT_NEAR(a["sd_per_hour_units"].Number(), 10.0 * sd, 1e-9);  // 100 rounds an hour
        const double win = a["win_per_100_rounds_units"].Number() / 100.0;
        EXPECT_NEAR(a["win_over_variance"].Number(), win / (sd * sd), 1e-12);
        EXPECT_EQ(a["bankroll_units"].Number(), 400.0);
        EXPECT_EQ(a["ror_trips"].Integer(), 100);
        const double ror = a["ror_formula"].Number();
        EXPECT_NEAR(ror, win > 0 ? std::exp(-2.0 * win * 400.0 / (sd * sd)) : 1.0, 1e-9);
        const Json& bins = c["bet_count_bins"];
        ASSERT_EQ(bins.items.size(), 17u);
        uint64_t rounds = 0;
        double share = 0.0;
        for (const Json& bin : bins.items) {
            rounds += static_cast<uint64_t>(bin["rounds"].Integer());
            share += bin["share"].Number();
        }
        EXPECT_EQ(rounds, static_cast<uint64_t>(c["games"].Integer()));
        EXPECT_NEAR(share, 1.0, 1e-9);
    }
    // Box 1's win per 100 rounds is its result per round.
    EXPECT_NEAR(json["boxes"][0]["analysis"]["win_per_100_rounds_units"].Number(),
                100.0 * json["boxes"][0]["result_per_round_units"].Number(), 1e-9);
}

}  // namespace
}  // namespace tavexo::sim::testing
