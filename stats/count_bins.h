#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace tavexo {

// Rounds, stakes and results of one box by the relative count at the moment
// of the bet, in whole-number bins: bin k holds the counts k <= Z < k + 1,
// the floor the bet ramp bets by. The two end bins also take every count
// beyond them. Unlike the nine buckets of the detail statistics, which take
// the count after the box's own cards, this is the count a player can act
// on, so it shows what a count is worth.
struct CountBin {
    uint64_t rounds = 0;
    double staked = 0.0;   // stakes of the round, insurance included
    double result = 0.0;   // money won (above zero) or lost
    double squares = 0.0;  // the results squared, summed: their spread
};

class CountBins {
  public:
    static constexpr int LOWEST = -10;
    static constexpr int HIGHEST = 10;
    static constexpr int COUNT = HIGHEST - LOWEST + 1;

    // The bin of a relative count; a count that is not a number has none
    // (returns false).
    static bool BinOf(float relativeCount, int& bin) {
        if (std::isnan(relativeCount)) return false;
        const float whole = std::floor(relativeCount);
        bin = whole <= LOWEST ? LOWEST : whole >= HIGHEST ? HIGHEST : static_cast<int>(whole);
        return true;
    }

    void Record(float relativeCount, float stake, float result) {
        int bin = 0;
        if (!BinOf(relativeCount, bin)) return;
        CountBin& b = bins_[bin - LOWEST];
        b.rounds += 1;
        b.staked += stake;
        b.result += result;
        b.squares += static_cast<double>(result) * static_cast<double>(result);
    }

    // Bin LOWEST .. HIGHEST.
    const CountBin& At(int bin) const { return bins_[bin - LOWEST]; }
    CountBin& At(int bin) { return bins_[bin - LOWEST]; }
    void Reset() { bins_ = {}; }

    CountBins& operator+=(const CountBins& other) {
        for (int i = 0; i < COUNT; ++i) {
            bins_[i].rounds += other.bins_[i].rounds;
            bins_[i].staked += other.bins_[i].staked;
            bins_[i].result += other.bins_[i].result;
            bins_[i].squares += other.bins_[i].squares;
        }
        return *this;
    }

  private:
    std::array<CountBin, COUNT> bins_{};
};

}  // namespace tavexo
