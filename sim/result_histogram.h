#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavexo::sim {

// Round results counted by their value in half units, the smallest step by
// which a round's result can differ (a surrender, an insurance, a
// blackjack's 3:2). Values beyond `Range` half units either way, which no
// round of up to 20 units per box reaches, count at the end they passed.
// The counts add up exactly in any order, so blocks, threads and processes
// can be summed as they come.
template <int Range>
struct ResultHistogram {
    static constexpr int RANGE = Range;
    std::array<uint64_t, 2 * Range + 1> counts{};

    void AddHalfUnits(int64_t half) {
        counts[static_cast<size_t>(std::clamp<int64_t>(half, -Range, Range) + Range)] += 1;
    }
    uint64_t At(int halfUnits) const { return counts[static_cast<size_t>(halfUnits + Range)]; }
    ResultHistogram& operator+=(const ResultHistogram& o) {
        for (size_t i = 0; i < counts.size(); ++i) counts[i] += o.counts[i];
        return *this;
    }
};

// One box's round: at most two hands of 20 units, each doubled, and the
// insurance of both, well inside 200 units.
using BoxResultHistogram = ResultHistogram<400>;
// A round of all seven boxes together.
using RoundResultHistogram = ResultHistogram<2800>;

}  // namespace tavexo::sim
