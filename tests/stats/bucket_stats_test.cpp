#include "stats/bucket_stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/relative_count.h"

namespace tavexo {
namespace {

TEST(CountBucketOf, BoundariesBelongToTheBucketFurtherFromZero) {
    struct Case {
        float z;
        int bucket;
    };
    const std::vector<Case> cases = {
        {0.0f, 1},
        {0.99f, 1},
        {-0.99f, 1},
        {std::nextafter(1.0f, 0.0f), 1},
        {std::nextafter(-1.0f, 0.0f), 1},
        {1.0f, 2},
        {2.99f, 2},
        {3.0f, 3},
        {std::nextafter(5.0f, 0.0f), 3},
        {5.0f, 4},
        {7.99f, 4},
        {8.0f, 5},
        {1000.0f, 5},
        {std::numeric_limits<float>::infinity(), 5},
        {-1.0f, 6},
        {std::nextafter(-3.0f, 0.0f), 6},
        {-3.0f, 7},
        {-4.99f, 7},
        {-5.0f, 8},
        {std::nextafter(-8.0f, 0.0f), 8},
        {-8.0f, 9},
        {-1000.0f, 9},
        {-std::numeric_limits<float>::infinity(), 9},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CountBucketOf(c.z), c.bucket) << c.z;
    }
}

// The simulator finds the bucket from the count's parts, the table from the
// float it shows; both must agree for every count a shoe reaches and beyond
// (where the parts are compared instead of looked up).
TEST(CountBucketOf, TheCountsPartsGiveTheBucketOfItsFloat) {
    for (int32_t decks = 0; decks <= 8; ++decks) {
        for (int32_t running = -200; running <= 200; ++running) {
            const CountRatio ratio{running, decks};
            ASSERT_EQ(CountBucketOf(ratio), CountBucketOf(RelativeCountOf(ratio)))
                << running << " over " << decks << " decks";
        }
    }
}

TEST(BucketTable, BoxTotalSumsTheBoxsNineBuckets) {
    BucketTable table;
    table.At(3, 1).games = 2;
    table.At(3, 9).games = 5;
    table.At(3, 4).wonMoney = 12.5f;
    table.At(3, 6).lostMoney = -2.5f;
    table.At(3, 9).dealerBusts = 1;
    table.At(4, 1).games = 100;  // another box
    const TBucketStats total = table.BoxTotal(3);
    EXPECT_EQ(total.games, 7u);
    EXPECT_EQ(total.dealerBusts, 1u);
    EXPECT_EQ(total.wonMoney, 12.5f);
    EXPECT_EQ(total.lostMoney, -2.5f);
    table.Reset();
    EXPECT_EQ(table.BoxTotal(4).games, 0u);
}

}  // namespace
}  // namespace tavexo
