// The per-card relative count of the table against the counting rule it
// stands in for, over every shoe size, position and reachable count.
#include "engine/relative_count.h"

#include <gtest/gtest.h>

#include "engine/shoe.h"
#include "stats/bucket_stats.h"

#include <vector>

namespace tavexo {
namespace {

TEST(RelativeCountAt, EqualsTheCountingRuleEverywhere) {
    for (const int decks : DECK_COUNTS) {
        const int total = decks * CARDS_PER_DECK;
        for (int position = 0; position <= total; ++position) {
            // A shoe of eight decks holds 160 cards of each sign.
            for (int running = -200; running <= 200; ++running) {
                const float expected = ComputeRelativeCount(running, total, position);
                const float fast = RelativeCountAt(running, total, position);
                ASSERT_EQ(fast, expected) << "running " << running << ", " << total - position
                                          << " cards left of " << total;
            }
        }
    }
}

// The whole-number comparisons of a count's parts against the float the table
// shows, for every running count a shoe can hold, every number of decks left
// and every table entry (and the entries that stand for "always" and
// "never").
TEST(CountRatio, ComparesWithEveryEntryAsTheRelativeCount) {
    std::vector<int32_t> entries = {1000, -1000, 1000000, -1000000};
    for (int32_t k = -120; k <= 120; ++k) entries.push_back(k);
    for (int32_t decks = 0; decks <= 8; ++decks) {
        for (int32_t running = -200; running <= 200; ++running) {
            const CountRatio ratio{running, decks};
            const float shown = RelativeCountOf(ratio);
            for (const int32_t k : entries) {
                const float entry = static_cast<float>(k);
                ASSERT_EQ(ratio > k, shown > entry) << running << " / " << decks << " > " << k;
                ASSERT_EQ(ratio < k, shown < entry) << running << " / " << decks << " < " << k;
                ASSERT_EQ(ratio >= k, shown >= entry) << running << " / " << decks << " >= " << k;
                ASSERT_EQ(ratio <= k, shown <= entry) << running << " / " << decks << " <= " << k;
            }
            ASSERT_EQ(CountBucketOf(ratio), CountBucketOf(shown)) << running << " / " << decks;
        }
    }
}

// The parts give the float of the shoe position they were taken at.
TEST(CountRatio, GivesTheRelativeCountOfItsShoePosition) {
    for (const int decks : DECK_COUNTS) {
        const int total = decks * CARDS_PER_DECK;
        for (int position = 0; position <= total; ++position) {
            for (int running = -200; running <= 200; running += 7) {
                ASSERT_EQ(RelativeCountOf(CountRatioAt(running, total - position)),
                          ComputeRelativeCount(running, total, position));
            }
        }
    }
}

}  // namespace
}  // namespace tavexo
