#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "stats/count_ratio.h"

namespace tavexo {

inline constexpr int BUCKET_COUNT = 9;

// Labels of the nine count buckets, index bucket - 1.
inline constexpr std::array<const char*, BUCKET_COUNT> BUCKET_LABELS = {
    "-1 < Z < 1",   "1 <= Z < 3",   "3 <= Z < 5",   "5 <= Z < 8", "Z >= 8",
    "-1 >= Z > -3", "-3 >= Z > -5", "-5 >= Z > -8", "Z <= -8"};

// Bucket 1..9 of a relative count, given as a float or as a CountRatio.
// Counted as steps past the buckets' bounds rather than by branches: the
// count of each box is a coin toss for a branch predictor.
template <typename Count>
constexpr int CountBucketOfCount(const Count& z) {
    const int up = static_cast<int>(z >= 1) + static_cast<int>(z >= 3) + static_cast<int>(z >= 5) +
                   static_cast<int>(z >= 8);
    const int down = static_cast<int>(z <= -1) + static_cast<int>(z <= -3) +
                     static_cast<int>(z <= -5) + static_cast<int>(z <= -8);
    // 1 for -1 < z < 1, 2..5 upwards, 6..9 downwards; up and down never
    // both count.
    return 1 + up + (down > 0 ? 4 + down : 0);
}

// Bucket 1..9 of a relative count; 0 for a count that is not a number.
// Every settled box asks this, so it lives in the header.
inline int CountBucketOf(float z) {
    if (std::isnan(z)) return 0;
    return CountBucketOfCount(z);
}
namespace detail {
// The buckets of every count a shoe of up to eight decks reaches, by decks
// left and running count: eight decks hold 160 low and 160 high cards.
inline constexpr int TABLED_RUNNING = 160;
constexpr std::array<std::array<uint8_t, 2 * TABLED_RUNNING + 1>, 9> BuildBucketTable() {
    std::array<std::array<uint8_t, 2 * TABLED_RUNNING + 1>, 9> table{};
    for (int decks = 0; decks <= 8; ++decks) {
        for (int running = -TABLED_RUNNING; running <= TABLED_RUNNING; ++running) {
            table[decks][running + TABLED_RUNNING] =
                static_cast<uint8_t>(CountBucketOfCount(CountRatio{running, decks}));
        }
    }
    return table;
}
inline constexpr auto BUCKET_TABLE = BuildBucketTable();
}  // namespace detail

// Every box of every simulated round asks this: one look-up rather than the
// eight comparisons, for the counts a shoe reaches.
inline int CountBucketOf(CountRatio z) {
    const uint32_t running = static_cast<uint32_t>(z.running + detail::TABLED_RUNNING);
    if (running > 2 * detail::TABLED_RUNNING || static_cast<uint32_t>(z.decks) > 8) {
        return CountBucketOfCount(z);
    }
    return detail::BUCKET_TABLE[z.decks][running];
}

struct TBucketStats {
    uint32_t games = 0;
    uint32_t wins = 0;
    uint32_t losses = 0;
    uint32_t pushes = 0;
    uint32_t busts = 0;
    uint32_t blackjacks = 0;
    uint32_t splitWon = 0;
    uint32_t splitLost = 0;
    uint32_t splitPush = 0;
    uint32_t doubleWon = 0;
    uint32_t doubleLost = 0;
    uint32_t doublePush = 0;
    uint32_t surrenderDealerMade = 0;
    uint32_t surrenderDealerBust = 0;
    uint32_t insuranceWon = 0;
    uint32_t insuranceLost = 0;
    uint32_t dealerBlackjacks = 0;
    uint32_t dealerBusts = 0;
    float lostMoney = 0.0f;
    float wonMoney = 0.0f;

    TBucketStats& operator+=(const TBucketStats& other);
};

// The statistics of all seven boxes by bucket, box 1..7 and bucket 1..9.
class BucketTable {
  public:
    TBucketStats& At(int box, int bucket) { return records_[box - 1][bucket - 1]; }
    const TBucketStats& At(int box, int bucket) const { return records_[box - 1][bucket - 1]; }
    TBucketStats BoxTotal(int box) const;
    void Reset() { records_ = {}; }

  private:
    std::array<std::array<TBucketStats, BUCKET_COUNT>, 7> records_{};
};

}  // namespace tavexo
