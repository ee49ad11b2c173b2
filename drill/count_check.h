#pragma once

#include <cstdint>
#include <optional>

namespace tavexo {

// When the drill asks the user for the count.
enum class CheckMode : int32_t {
    Off = 0,         // never: the drill only deals
    EveryRound = 1,  // after each round, once the table is cleared
    EndOfShoe = 2,   // once, when the run ends (cut card or stop)
};

// The user's answer to one question and how far it was off. A true count
// answer is right within half a point: counters round the true count in
// their head, and the drill's own value has one decimal.
struct CountCheck {
    int answeredRunning = 0;
    int actualRunning = 0;
    std::optional<double> answeredRelative;  // asked only when the drill asks for it
    double actualRelative = 0.0;

    int RunningError() const;  // absolute difference
    bool RunningRight() const { return RunningError() == 0; }
    // Nothing asked counts as right.
    bool RelativeRight() const;
    double RelativeError() const;  // 0 when not asked
    bool Right() const { return RunningRight() && RelativeRight(); }
};

inline constexpr double RELATIVE_COUNT_TOLERANCE = 0.5;

// The score of one session (one run of the drill): how many rounds were
// checked, how many answers were right, how far the running count was off
// on average, and the pace of dealing.
class DrillScore {
  public:
    void Record(const CountCheck& check);
    // Cards dealt and the time spent dealing, without pauses and questions.
    void AddDealing(int cards, int64_t milliseconds);

    int Checked() const { return checked_; }
    int Correct() const { return correct_; }
    // Mean absolute error of the running count; 0 with nothing checked.
    double MeanAbsoluteError() const;
    double CardsPerSecond() const;
    int CardsDealt() const { return cards_; }

  private:
    int checked_ = 0;
    int correct_ = 0;
    int64_t errorSum_ = 0;
    int cards_ = 0;
    int64_t dealingMs_ = 0;
};

}  // namespace tavexo
