#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/sim_options.h"
#include "sim/sim_tally.h"

namespace tavexo::sim {

// What a counter asks of a simulation, from the results per round: the
// win rate, its spread, how long until the win shows through the spread,
// and how big a bankroll must be. Units are the box's initial bet.

// Mean and variance of the results per round, in units.
struct RoundMoments {
    double rounds = 0.0;
    double mean = 0.0;
    double variance = 0.0;  // of one round's result
};

// Rounds until the expected win equals one standard deviation of the total:
// N0 = variance / mean^2. Infinite (returned as none) without an edge.
std::optional<double> RoundsToOneDeviation(const RoundMoments& m);

// The risk of losing a bankroll of `bankroll` units with this win and
// spread per round, over an unlimited play: exp(-2 mean bankroll /
// variance); 1 without a positive edge.
double RiskOfRuinByFormula(const RoundMoments& m, double bankroll);

// Bankroll trips drawn round by round from the observed results: each trip
// starts with `bankroll` units and ends when it reaches zero (ruin) or twice
// the bankroll. Rounds are drawn independently from `results`, the
// observed counts of each result in half units.
struct TripOutcome {
    uint64_t trips = 0;
    uint64_t ruined = 0;
    uint64_t unfinished = 0;  // still going after the longest trip allowed
    double RuinShare() const {
        const uint64_t finished = trips - unfinished;
        return finished > 0 ? static_cast<double>(ruined) / static_cast<double>(finished) : 0.0;
    }
};
TripOutcome RiskOfRuinByTrips(const std::vector<std::pair<int, uint64_t>>& results, double bankroll,
                              uint64_t trips, uint64_t seed);

}  // namespace tavexo::sim

namespace tavexo::sim {

// The analysis of one column of the summary: a box, or all boxes together
// (then a round is the table's round, all boxes' results summed).
struct ColumnAnalysis {
    RoundMoments units;            // results per round, in units
    double moneyPerRound = 0.0;    // the mean result per round in money
    std::optional<double> n0;      // RoundsToOneDeviation
    double winOverVariance = 0.0;  // mean / variance, 0 without spread
    std::optional<double> rorFormula;
    std::optional<TripOutcome> rorTrips;
};

ColumnAnalysis AnalyseBox(const BoxTally& box, const SimOptions& options, uint64_t seed,
                          int boxNumber);
ColumnAnalysis AnalyseAllBoxes(const SimTally& tally, const SimOptions& options, uint64_t seed);

// The bins of the count at the bet as the summary shows them: from "≤ −6"
// to "≥ +10", each with its rounds, stakes and results in money.
struct BetBinRow {
    int bin = 0;        // -6 .. 10
    std::string label;  // "≤ −6", "−5", ..., "0", "+1", ..., "≥ +10"
    CountBin sums;
};
inline constexpr int SHOWN_LOWEST_BIN = -6;
inline constexpr int SHOWN_HIGHEST_BIN = 10;
std::vector<BetBinRow> BetBinRows(const CountBins& bins);

}  // namespace tavexo::sim
