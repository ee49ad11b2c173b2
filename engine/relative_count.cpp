#include "engine/relative_count.h"

#include <cmath>

namespace tavexo {

float ComputeRelativeCount(int32_t runningCount, int32_t shoeTotal, int32_t shoePosition) {
    const int remaining = shoeTotal - shoePosition;
    const double decks = std::nearbyint(remaining / 52.0);
    if (decks == 0.0) return static_cast<float>(2 * runningCount);
    return static_cast<float>(runningCount / decks);
}

}  // namespace tavexo
