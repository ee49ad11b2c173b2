#include "stats/count_bins.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tavexo {
namespace {

TEST(CountBins, ABinHoldsTheCountsFromItsNumberUpToTheNext) {
    struct Case {
        float z;
        int bin;
    };
    const std::vector<Case> cases = {
        {0.0f, 0},
        {0.99f, 0},
        {1.0f, 1},
        {-0.01f, -1},
        {-1.0f, -1},
        {-1.01f, -2},
        {2.5f, 2},
        {9.99f, 9},
        {10.0f, 10},
        {57.0f, 10},
        {-10.0f, -10},
        {-44.5f, -10},
        {std::numeric_limits<float>::infinity(), 10},
        {-std::numeric_limits<float>::infinity(), -10},
    };
    for (const Case& c : cases) {
        int bin = 99;
        EXPECT_TRUE(CountBins::BinOf(c.z, bin)) << c.z;
        EXPECT_EQ(bin, c.bin) << c.z;
    }
    int bin = 99;
    EXPECT_FALSE(CountBins::BinOf(std::numeric_limits<float>::quiet_NaN(), bin));
}

TEST(CountBins, RecordsRoundsStakesAndResultsAndAddsUp) {
    CountBins a;
    a.Record(2.4f, 20.0f, 20.0f);
    a.Record(2.9f, 20.0f, -20.0f);
    a.Record(-0.5f, 10.0f, -10.0f);
    a.Record(std::numeric_limits<float>::quiet_NaN(), 10.0f, 10.0f);  // nowhere
    EXPECT_EQ(a.At(2).rounds, 2u);
    EXPECT_DOUBLE_EQ(a.At(2).staked, 40.0);
    EXPECT_DOUBLE_EQ(a.At(2).result, 0.0);
    EXPECT_EQ(a.At(-1).rounds, 1u);
    EXPECT_DOUBLE_EQ(a.At(-1).result, -10.0);
    uint64_t all = 0;
    for (int bin = CountBins::LOWEST; bin <= CountBins::HIGHEST; ++bin) all += a.At(bin).rounds;
    EXPECT_EQ(all, 3u);

    CountBins b;
    b.Record(2.0f, 5.0f, 7.5f);
    b += a;
    EXPECT_EQ(b.At(2).rounds, 3u);
    EXPECT_DOUBLE_EQ(b.At(2).staked, 45.0);
    EXPECT_DOUBLE_EQ(b.At(2).result, 7.5);

    b.Reset();
    EXPECT_EQ(b.At(2).rounds, 0u);
}

}  // namespace
}  // namespace tavexo
