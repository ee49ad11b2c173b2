#include "drill/count_check.h"

#include <cmath>
#include <cstdlib>

namespace tavexo {

int CountCheck::RunningError() const {
    return std::abs(answeredRunning - actualRunning);
}

double CountCheck::RelativeError() const {
    return answeredRelative ? std::fabs(*answeredRelative - actualRelative) : 0.0;
}

bool CountCheck::RelativeRight() const {
    // A small allowance for the binary fractions of the answer: 1.2 against
    // 1.7 is off by exactly one half, and that still counts as right.
    return RelativeError() <= RELATIVE_COUNT_TOLERANCE + 1e-9;
}

void DrillScore::Record(const CountCheck& check) {
    ++checked_;
    if (check.Right()) ++correct_;
    errorSum_ += check.RunningError();
}

void DrillScore::AddDealing(int cards, int64_t milliseconds) {
    cards_ += cards;
    dealingMs_ += milliseconds;
}

double DrillScore::MeanAbsoluteError() const {
    return checked_ == 0 ? 0.0 : static_cast<double>(errorSum_) / checked_;
}

double DrillScore::CardsPerSecond() const {
    return dealingMs_ <= 0 ? 0.0 : cards_ * 1000.0 / static_cast<double>(dealingMs_);
}

}  // namespace tavexo
