#include "drill/quiz_round.h"

#include <algorithm>

namespace tavexo {

QuizRound::QuizRound(int questions) : questions_(std::max(1, questions)) {}

void QuizRound::Ask(int64_t nowMs) {
    if (Over()) return;
    asked_ = true;
    askedAt_ = nowMs;
}

int64_t QuizRound::Answer(bool right, double error, int64_t nowMs) {
    if (!asked_) return 0;
    asked_ = false;
    const int64_t taken = std::max<int64_t>(0, nowMs - askedAt_);
    score_.Record(right, error, taken);
    return taken;
}

bool QuizRound::Next() {
    asked_ = false;
    if (!Over()) ++number_;
    return !Over();
}

}  // namespace tavexo
