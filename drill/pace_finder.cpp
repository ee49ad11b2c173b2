#include "drill/pace_finder.h"

#include <algorithm>
#include <cmath>

namespace tavexo {

namespace {
// Until the first miss: 15 % faster after every right check.
constexpr double OPENING_RISE = 1.15;
// After it, the pace moves on a log scale by step x (right - 0.95): a right
// check raises it by 5 % of the step, a wrong one lowers it by 95 %. The
// step starts at 0.4 and shrinks as 0.4 / (1 + n / 10) to a floor of 0.04.
constexpr double FIRST_STEP = 0.4;
constexpr double STEP_HALF_LIFE_CHECKS = 10.0;
constexpr double SMALLEST_STEP = 0.04;
}  // namespace

PaceFinder::PaceFinder(double startCardsPerSecond)
    : pace_(std::clamp(startCardsPerSecond, SLOWEST_PACE, FASTEST_PACE)) {}

int PaceFinder::CardIntervalMs() const {
    return static_cast<int>(std::lround(1000.0 / pace_));
}

void PaceFinder::Record(bool right) {
    checks_.push_back({pace_, right});
    if (right && !missed_) {
        pace_ = std::min(pace_ * OPENING_RISE, FASTEST_PACE);
        return;
    }
    missed_ = true;
    const double step =
        std::max(FIRST_STEP / (1.0 + stepsSinceMiss_ / STEP_HALF_LIFE_CHECKS), SMALLEST_STEP);
    ++stepsSinceMiss_;
    const double move = step * ((right ? 1.0 : 0.0) - TARGET_RIGHT_SHARE);
    pace_ = std::clamp(pace_ * std::exp(move), SLOWEST_PACE, FASTEST_PACE);
}

std::optional<double> PaceFinder::HeldPace() const {
    return HeldPaceOf(checks_);
}

std::optional<double> HeldPaceOf(const std::vector<PaceCheck>& checks) {
    std::optional<double> best;
    const size_t n = checks.size();
    for (size_t first = 0; first < n; ++first) {
        int right = 0;
        double slowest = FASTEST_PACE;
        for (size_t last = first; last < n; ++last) {
            right += checks[last].right ? 1 : 0;
            slowest = std::min(slowest, checks[last].cardsPerSecond);
            const auto length = static_cast<int>(last - first + 1);
            // In whole checks: 19 right of 20 is 95 %, 9 of 10 is not.
            if (length >= MIN_HELD_CHECKS && 20 * right >= 19 * length &&
                (!best || slowest > *best)) {
                best = slowest;
            }
        }
    }
    return best;
}

}  // namespace tavexo
