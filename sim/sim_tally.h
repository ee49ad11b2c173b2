#pragma once

#include <array>
#include <cstdint>

#include "engine/table_state.h"
#include "sim/result_histogram.h"
#include "stats/bucket_stats.h"
#include "stats/count_bins.h"

namespace tavexo::sim {

// Sums for the mean result per game and its standard error. The samples are
// rounds: the boxes of one round face the same dealer hand, so their results
// are not independent, and the error is that of a ratio of round sums (each
// round adds its result x over its n games).
struct RatioMoments {
    uint64_t samples = 0;
    double sumX = 0.0;
    double sumXX = 0.0;
    double sumXN = 0.0;
    double sumN = 0.0;
    double sumNN = 0.0;

    void Add(double x, double n) {
        samples += 1;
        sumX += x;
        sumXX += x * x;
        sumXN += x * n;
        sumN += n;
        sumNN += n * n;
    }
    // `count` samples of one game each (n = 1), given by their sums.
    void AddSingles(uint64_t count, double sumOfX, double sumOfXX) {
        samples += count;
        sumX += sumOfX;
        sumXX += sumOfXX;
        sumXN += sumOfX;
        sumN += static_cast<double>(count);
        sumNN += static_cast<double>(count);
    }
    RatioMoments& operator+=(const RatioMoments& o);
    double Mean() const { return sumN > 0.0 ? sumX / sumN : 0.0; }
    double StdErr() const;
};

struct BucketTally {
    uint64_t games = 0;
    double result = 0.0;  // money
};

// One box's rounds, or all boxes together.
struct BoxTally {
    uint64_t games = 0;  // box-rounds with a stake
    uint64_t hands = 0;  // settled hands: two for a split box
    uint64_t wins = 0;
    uint64_t losses = 0;
    uint64_t pushes = 0;
    uint64_t busts = 0;
    uint64_t blackjacks = 0;
    uint64_t doubles = 0;     // doubled hands
    uint64_t splits = 0;      // split rounds
    uint64_t surrenders = 0;  // surrendered rounds
    uint64_t insurances = 0;  // insured rounds
    double won = 0.0;         // sum of the round results of zero or more
    double lost = 0.0;        // sum of the negative round results
    double turnover = 0.0;
    RatioMoments units;  // round results in units of the initial bet
    std::array<BucketTally, BUCKET_COUNT> buckets{};
    // Rounds, stakes and results in money by the count at the bet.
    CountBins betBins;
    BoxResultHistogram results;  // the round results by value

    double Result() const { return won + lost; }
    // Counters and money add up; the moments add only where the samples are
    // the same kind (one box's rounds with another block's of the same box).
    BoxTally& operator+=(const BoxTally& o);
};

struct SimTally {
    int64_t rounds = 0;  // rounds in which at least one box was settled
    std::array<BoxTally, BOX_COUNT> boxes{};
    RatioMoments roundResults;            // per round: the result of all boxes together
    RoundResultHistogram roundHistogram;  // the same by value

    SimTally& operator+=(const SimTally& o);
    // Hands every counter (uint64_t&, int64_t&) and every sum (double&) to
    // `visit`, always in the same order: a tally as two flat lists, for
    // adding up tallies of several processes.
    template <typename Visitor>
    void VisitFields(Visitor&& visit);
    // All boxes together, with the error taken over whole rounds.
    BoxTally Total() const;
};

template <typename Visitor>
void SimTally::VisitFields(Visitor&& visit) {
    const auto moments = [&visit](RatioMoments& m) {
        visit(m.samples);
        visit(m.sumX);
        visit(m.sumXX);
        visit(m.sumXN);
        visit(m.sumN);
        visit(m.sumNN);
    };
    visit(rounds);
    for (BoxTally& b : boxes) {
        for (uint64_t* counter :
             {&b.games, &b.hands, &b.wins, &b.losses, &b.pushes, &b.busts, &b.blackjacks,
              &b.doubles, &b.splits, &b.surrenders, &b.insurances}) {
            visit(*counter);
        }
        visit(b.won);
        visit(b.lost);
        visit(b.turnover);
        moments(b.units);
        for (BucketTally& k : b.buckets) {
            visit(k.games);
            visit(k.result);
        }
        for (int bin = CountBins::LOWEST; bin <= CountBins::HIGHEST; ++bin) {
            CountBin& c = b.betBins.At(bin);
            visit(c.rounds);
            visit(c.staked);
            visit(c.result);
            visit(c.squares);
        }
        for (uint64_t& count : b.results.counts) visit(count);
    }
    moments(roundResults);
    for (uint64_t& count : roundHistogram.counts) visit(count);
}

}  // namespace tavexo::sim
