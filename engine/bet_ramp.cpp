#include "engine/bet_ramp.h"

#include <cmath>

namespace tavexo {

int BetRampUnits(float relativeCount, int32_t betRampFactor) {
    if (betRampFactor == 0) return 1;
    int level = 1;
    if (relativeCount >= 20.0f) {
        level = 20;
    } else if (relativeCount >= 2.0f) {
        level = static_cast<int>(std::floor(relativeCount));
    }
    switch (betRampFactor) {
        case 1:
            return level >= 2 ? 2 : 1;
        case 2:
            return level >= 4 ? 4 : 1;
        case 3:
            return level <= 2 ? 1 : static_cast<int>(std::nearbyint(level / 2.0));
        case 4:
            return level;
        default:
            return 1;
    }
}

}  // namespace tavexo
