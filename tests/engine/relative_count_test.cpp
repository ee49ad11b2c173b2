// The per-card relative count of the table against the counting rule it
// stands in for, over every shoe size, position and reachable count.
#include "engine/relative_count.h"

#include <gtest/gtest.h>

#include "engine/shoe.h"

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

}  // namespace
}  // namespace tavexo
