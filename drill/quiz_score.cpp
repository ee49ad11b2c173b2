#include "drill/quiz_score.h"

#include <cmath>

namespace tavexo {

void QuizScore::Record(bool right, double error, int64_t milliseconds) {
    ++answered_;
    if (right) ++right_;
    errorSum_ += std::fabs(error);
    // A clock that went backwards between question and answer adds nothing.
    if (milliseconds > 0) milliseconds_ += milliseconds;
}

double QuizScore::RightShare() const {
    return answered_ == 0 ? 0.0 : static_cast<double>(right_) / answered_;
}

double QuizScore::MeanError() const {
    return answered_ == 0 ? 0.0 : errorSum_ / answered_;
}

double QuizScore::SecondsPerAnswer() const {
    return answered_ == 0 ? 0.0 : static_cast<double>(milliseconds_) / 1000.0 / answered_;
}

}  // namespace tavexo
