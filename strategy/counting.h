#pragma once

#include <cstdint>

namespace tavexo {

// The Hi-Lo count of the shoe in play; reset with every new shoe.
struct TCount {
    int32_t RunningCount = 0;
    float RelativeCount = 0.0f;
};

// The running count per remaining deck; decks are rounded half to even, and
// with 26 or fewer cards left (0 decks) the count is doubled instead.
float ComputeRelativeCount(int32_t runningCount, int32_t shoeTotal, int32_t shoePosition);

// Recommended betting units (1..20) for the relative count under the ramp
// `betRampFactor` (0 keine, 1 max 2x, 2 max 4x, 3 0,5 x, 4 1 x).
int BetRampUnits(float relativeCount, int32_t betRampFactor);

}  // namespace tavexo
