#pragma once

#include <cstdint>

#include "drill/quiz_score.h"

namespace tavexo {

// One round of timed questions: which question is up, since when it has
// been shown, and the score so far. The clock is the caller's (the drill
// host's steady milliseconds), so that a test runs a round on a fake one.
//
//   Ask -> Answer -> Next -> Ask -> ... -> Next answers false: the round is over.
class QuizRound {
  public:
    explicit QuizRound(int questions);

    int Number() const { return number_; }  // the question up, from 1
    int Questions() const { return questions_; }
    bool AwaitingAnswer() const { return asked_; }
    bool Over() const { return number_ > questions_; }
    const QuizScore& Score() const { return score_; }

    // The question is on the screen from now on.
    void Ask(int64_t nowMs);
    // Scores the answer to the question up; the time it took is returned.
    // Without a question asked, nothing is scored and 0 returned.
    int64_t Answer(bool right, double error, int64_t nowMs);
    // On to the next question; false when that was the last one.
    bool Next();

  private:
    int questions_;
    int number_ = 1;
    bool asked_ = false;
    int64_t askedAt_ = 0;
    QuizScore score_;
};

}  // namespace tavexo
