#include "engine/bet_ramp.h"
#include "engine/relative_count.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tavexo {
namespace {

TEST(ComputeRelativeCount, RunningCountPerRemainingDeck) {
    struct Case {
        int32_t running;
        int32_t shoeTotal;
        int32_t position;
        float relative;
    };
    const std::vector<Case> cases = {
        {5, 416, 312, 2.5f},    // 104 left: 2 decks
        {-4, 416, 286, -2.0f},  // 130 left: 2.5 decks round to 2
        {4, 416, 338, 2.0f},    // 78 left: 1.5 decks round to 2
        {6, 416, 234, 1.5f},    // 182 left: 3.5 decks round to 4
        {6, 416, 260, 2.0f},    // 156 left: 3 decks
        {4, 416, 0, 0.5f},      // a full shoe of 8 decks
        {1, 416, 0, 0.125f},
        {-3, 312, 100, -0.75f},  // 212 left: 4.08 decks
        {2, 52, 0, 2.0f},        // a single deck, undealt
        {0, 416, 200, 0.0f},
        // 26 or fewer cards left round to 0 decks: the count is doubled.
        {3, 416, 390, 6.0f},
        {3, 52, 26, 6.0f},
        {-5, 416, 400, -10.0f},
        {3, 416, 389, 3.0f},  // 27 left round to 1 deck
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(ComputeRelativeCount(c.running, c.shoeTotal, c.position), c.relative)
            << c.running << " with " << c.shoeTotal - c.position << " cards left";
    }
}

struct RampCase {
    float count;
    int32_t factor;
    int units;
};

TEST(BetRampUnits, UnitsByFactorAndLevel) {
    const std::vector<RampCase> cases = {
        {25.0f, 0, 1},                                                    // keine
        {1.99f, 1, 1},   {2.0f, 1, 2},   {25.0f, 1, 2},                   // max 2x
        {3.9f, 2, 1},    {4.0f, 2, 4},   {25.0f, 2, 4},                   // max 4x
        {2.9f, 3, 1},    {3.0f, 3, 2},   {4.0f, 3, 2},   {5.5f, 3, 2},    // 0,5 x
        {6.0f, 3, 3},    {7.2f, 3, 4},   {9.0f, 3, 4},   {20.0f, 3, 10},  //
        {99.0f, 3, 10},                                                   //
        {0.0f, 4, 1},    {1.99f, 4, 1},  {2.0f, 4, 2},   {2.5f, 4, 2},    // 1 x
        {19.99f, 4, 19}, {20.0f, 4, 20}, {25.0f, 4, 20},                  //
        {10.0f, 5, 1},   {10.0f, -1, 1},                                  // unknown factor
    };
    for (const RampCase& c : cases) {
        EXPECT_EQ(BetRampUnits(c.count, c.factor), c.units)
            << "count " << c.count << ", factor " << c.factor;
    }
}

TEST(BetRampUnits, LowAndNegativeCountsBetOneUnit) {
    for (int32_t factor = 0; factor <= 4; ++factor) {
        for (float count :
             {1.5f, 0.0f, -0.5f, -2.0f, -25.0f, std::numeric_limits<float>::quiet_NaN()}) {
            EXPECT_EQ(BetRampUnits(count, factor), 1) << "count " << count << ", factor " << factor;
        }
    }
}

}  // namespace
}  // namespace tavexo
