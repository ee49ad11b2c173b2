#pragma once

#include <cstdint>

namespace tavexo {

// The score of a round of questions in one of the timed drills: how many
// answers, how many right, how far they were off on average, and how long
// the user took per answer.
class QuizScore {
  public:
    // `error` is how far the answer was off, in the drill's own unit (decks,
    // true count points); `milliseconds` the time from the question to the
    // answer.
    void Record(bool right, double error, int64_t milliseconds);

    int Answered() const { return answered_; }
    int Right() const { return right_; }
    // 0 to 1; 0 with nothing answered.
    double RightShare() const;
    // Mean absolute error; 0 with nothing answered.
    double MeanError() const;
    double SecondsPerAnswer() const;

  private:
    int answered_ = 0;
    int right_ = 0;
    double errorSum_ = 0.0;
    int64_t milliseconds_ = 0;
};

}  // namespace tavexo
