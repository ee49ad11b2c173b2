#include "sim/sim_tally.h"

#include <algorithm>
#include <cmath>

namespace tavexo::sim {

RatioMoments& RatioMoments::operator+=(const RatioMoments& o) {
    samples += o.samples;
    sumX += o.sumX;
    sumXX += o.sumXX;
    sumXN += o.sumXN;
    sumN += o.sumN;
    sumNN += o.sumNN;
    return *this;
}

double RatioMoments::StdErr() const {
    if (samples < 2 || sumN <= 0.0) return 0.0;
    const double m = Mean();
    // The sum of squared deviations of each round from m times its games.
    const double squares = std::max(0.0, sumXX - 2.0 * m * sumXN + m * m * sumNN);
    const double k = static_cast<double>(samples);
    return std::sqrt(squares * k / (k - 1.0)) / sumN;
}

BoxTally& BoxTally::operator+=(const BoxTally& o) {
    games += o.games;
    hands += o.hands;
    wins += o.wins;
    losses += o.losses;
    pushes += o.pushes;
    busts += o.busts;
    blackjacks += o.blackjacks;
    doubles += o.doubles;
    splits += o.splits;
    surrenders += o.surrenders;
    insurances += o.insurances;
    won += o.won;
    lost += o.lost;
    turnover += o.turnover;
    units += o.units;
    for (int k = 0; k < BUCKET_COUNT; ++k) {
        buckets[k].games += o.buckets[k].games;
        buckets[k].result += o.buckets[k].result;
    }
    betBins += o.betBins;
    results += o.results;
    return *this;
}

SimTally& SimTally::operator+=(const SimTally& o) {
    rounds += o.rounds;
    for (int b = 0; b < BOX_COUNT; ++b) boxes[b] += o.boxes[b];
    roundResults += o.roundResults;
    roundHistogram += o.roundHistogram;
    return *this;
}

BoxTally SimTally::Total() const {
    BoxTally total;
    for (const BoxTally& box : boxes) total += box;
    total.units = roundResults;
    return total;
}

}  // namespace tavexo::sim
