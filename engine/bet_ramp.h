#pragma once

#include <cstdint>

namespace tavexo {

// Recommended betting units (1..20) for the relative count under the ramp
// `betRampFactor` (0 keine, 1 max 2x, 2 max 4x, 3 0,5 x, 4 1 x). The robots
// bet by it and the stake check in training mode holds a human box to it.
int BetRampUnits(float relativeCount, int32_t betRampFactor);

}  // namespace tavexo
