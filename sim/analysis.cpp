#include "sim/analysis.h"

#include <cmath>

#include <algorithm>

#include "engine/mersenne_twister.h"

namespace tavexo::sim {

namespace {

// Walker's alias table: a draw from the observed results in two steps, a
// uniform column and one comparison, whatever the number of results.
class AliasTable {
  public:
    explicit AliasTable(const std::vector<std::pair<int, uint64_t>>& results) {
        const size_t n = results.size();
        values_.resize(n);
        threshold_.resize(n);
        alias_.resize(n);
        double total = 0.0;
        for (const auto& [value, count] : results) total += static_cast<double>(count);
        std::vector<double> scaled(n);
        std::vector<size_t> small, large;
        for (size_t i = 0; i < n; ++i) {
            values_[i] = results[i].first;
            scaled[i] = static_cast<double>(results[i].second) * static_cast<double>(n) / total;
            (scaled[i] < 1.0 ? small : large).push_back(i);
        }
        while (!small.empty() && !large.empty()) {
            const size_t s = small.back();
            small.pop_back();
            const size_t l = large.back();
            threshold_[s] = scaled[s];
            alias_[s] = l;
            scaled[l] -= 1.0 - scaled[s];
            if (scaled[l] < 1.0) {
                large.pop_back();
                small.push_back(l);
            }
        }
        for (const size_t i : small) threshold_[i] = 1.0, alias_[i] = i;
        for (const size_t i : large) threshold_[i] = 1.0, alias_[i] = i;
    }

    template <typename Generator>
    int Draw(Generator& rng) const {
        const uint64_t bits = rng();
        // The high bits pick the column, the low 53 the side of its split.
        const size_t column =
            static_cast<size_t>((static_cast<unsigned __int128>(bits) * values_.size()) >> 64);
        const double side = static_cast<double>(bits & ((uint64_t{1} << 53) - 1)) * 0x1.0p-53;
        return values_[side < threshold_[column] ? column : alias_[column]];
    }

  private:
    std::vector<int> values_;
    std::vector<double> threshold_;
    std::vector<size_t> alias_;
};

}  // namespace

std::optional<double> RoundsToOneDeviation(const RoundMoments& m) {
    if (m.mean == 0.0) return std::nullopt;
    return m.variance / (m.mean * m.mean);
}

double RiskOfRuinByFormula(const RoundMoments& m, double bankroll) {
    if (m.mean <= 0.0) return 1.0;
    if (m.variance <= 0.0) return 0.0;
    return std::exp(-2.0 * m.mean * bankroll / m.variance);
}

TripOutcome RiskOfRuinByTrips(const std::vector<std::pair<int, uint64_t>>& results, double bankroll,
                              uint64_t trips, uint64_t seed) {
    TripOutcome outcome;
    outcome.trips = trips;
    uint64_t observed = 0;
    for (const auto& result : results) observed += result.second;
    if (trips == 0 || observed == 0) {
        outcome.trips = 0;
        return outcome;
    }
    // In half units, so that every result is a whole number.
    const int64_t start = std::llround(bankroll * 2.0);
    const int64_t goal = 2 * start;
    // A trip's expected length is about bankroll^2 / variance rounds; one
    // many times longer is given up (and counted as unfinished) rather than
    // played for ever where the results hardly move.
    double mean = 0.0, square = 0.0;
    for (const auto& [value, count] : results) {
        mean += value * static_cast<double>(count);
        square += static_cast<double>(value) * value * static_cast<double>(count);
    }
    mean /= static_cast<double>(observed);
    const double variance = square / static_cast<double>(observed) - mean * mean;
    const double expected = variance > 0.0 ? static_cast<double>(start) * start / variance : 1e6;
    const uint64_t longest = static_cast<uint64_t>(std::min(1e9, 1000.0 * expected + 1e5));

    const AliasTable table(results);
    MersenneTwister64 rng(seed);
    for (uint64_t t = 0; t < trips; ++t) {
        int64_t bank = start;
        uint64_t rounds = 0;
        while (bank > 0 && bank < goal && rounds < longest) {
            bank += table.Draw(rng);
            ++rounds;
        }
        if (bank <= 0) {
            outcome.ruined += 1;
        } else if (bank < goal) {
            outcome.unfinished += 1;
        }
    }
    return outcome;
}

}  // namespace tavexo::sim

namespace tavexo::sim {

namespace {

uint64_t TripSeed(uint64_t seed, int column) {
    // Apart from the blocks' seeds, which count up from the seed itself.
    uint64_t x = seed ^ 0xA0761D6478BD642FULL;
    x += 0x9E3779B97F4A7C15ULL * static_cast<uint64_t>(column + 1);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

RoundMoments MomentsOf(double samples, double sumX, double sumXX) {
    RoundMoments m;
    m.rounds = samples;
    if (samples <= 0.0) return m;
    m.mean = sumX / samples;
    m.variance = std::max(0.0, sumXX / samples - m.mean * m.mean);
    return m;
}

template <int Range>
std::vector<std::pair<int, uint64_t>> Observed(const ResultHistogram<Range>& histogram) {
    std::vector<std::pair<int, uint64_t>> results;
    for (int half = -Range; half <= Range; ++half) {
        if (histogram.At(half) > 0) results.emplace_back(half, histogram.At(half));
    }
    return results;
}

template <int Range>
ColumnAnalysis Analyse(const RoundMoments& units, double money,
                       const ResultHistogram<Range>& histogram, const SimOptions& options,
                       uint64_t seed, int column) {
    ColumnAnalysis a;
    a.units = units;
    a.moneyPerRound = units.rounds > 0.0 ? money / units.rounds : 0.0;
    a.n0 = RoundsToOneDeviation(units);
    a.winOverVariance = units.variance > 0.0 ? units.mean / units.variance : 0.0;
    if (options.bankroll) {
        a.rorFormula = RiskOfRuinByFormula(units, *options.bankroll);
        if (options.rorTrips > 0) {
            a.rorTrips = RiskOfRuinByTrips(Observed(histogram), *options.bankroll, options.rorTrips,
                                           TripSeed(seed, column));
        }
    }
    return a;
}

std::string SignedLabel(int bin) {
    // U+2212 MINUS SIGN, as a count is printed.
    if (bin < 0) return "\u2212" + std::to_string(-bin);
    if (bin > 0) return "+" + std::to_string(bin);
    return "0";
}

}  // namespace

ColumnAnalysis AnalyseBox(const BoxTally& box, const SimOptions& options, uint64_t seed,
                          int boxNumber) {
    const RoundMoments units =
        MomentsOf(static_cast<double>(box.units.samples), box.units.sumX, box.units.sumXX);
    return Analyse(units, box.Result(), box.results, options, seed, boxNumber);
}

ColumnAnalysis AnalyseAllBoxes(const SimTally& tally, const SimOptions& options, uint64_t seed) {
    const RatioMoments& r = tally.roundResults;
    const RoundMoments units = MomentsOf(static_cast<double>(r.samples), r.sumX, r.sumXX);
    return Analyse(units, tally.Total().Result(), tally.roundHistogram, options, seed, 0);
}

std::vector<BetBinRow> BetBinRows(const CountBins& bins) {
    std::vector<BetBinRow> rows;
    for (int bin = SHOWN_LOWEST_BIN; bin <= SHOWN_HIGHEST_BIN; ++bin) {
        BetBinRow row;
        row.bin = bin;
        row.label = SignedLabel(bin);
        if (bin == SHOWN_LOWEST_BIN) row.label = "\u2264 " + row.label;
        if (bin == SHOWN_HIGHEST_BIN) row.label = "\u2265 " + row.label;
        // The end rows take every bin beyond them.
        const int from = bin == SHOWN_LOWEST_BIN ? CountBins::LOWEST : bin;
        const int to = bin == SHOWN_HIGHEST_BIN ? CountBins::HIGHEST : bin;
        for (int b = from; b <= to; ++b) {
            const CountBin& c = bins.At(b);
            row.sums.rounds += c.rounds;
            row.sums.staked += c.staked;
            row.sums.result += c.result;
            row.sums.squares += c.squares;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tavexo::sim
