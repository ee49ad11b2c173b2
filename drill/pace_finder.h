#pragma once

#include <optional>
#include <vector>

namespace tavexo {

// "Tempo finden": the pace of the counting drill adapts to the user. After a
// right count check the cards come faster, after a wrong one slower, with
// the steps weighted 1 to 19, so that the pace settles where the user is
// right 19 times in 20. Until the first wrong answer the pace rises in
// large steps, to get near quickly from a slow start; after that the steps
// shrink with every check (down to a floor, so that the pace still follows
// a user who gets better), so that it settles instead of swinging.
inline constexpr double TARGET_RIGHT_SHARE = 0.95;
inline constexpr int MIN_HELD_CHECKS = 10;
inline constexpr double SLOWEST_PACE = 0.25;  // cards per second
inline constexpr double FASTEST_PACE = 10.0;

struct PaceCheck {
    double cardsPerSecond = 0.0;
    bool right = false;
};

class PaceFinder {
  public:
    explicit PaceFinder(double startCardsPerSecond = 1.0);

    double CardsPerSecond() const { return pace_; }
    // The time from one card to the next at the current pace.
    int CardIntervalMs() const;

    // The check of a round dealt at the current pace; moves the pace.
    void Record(bool right);
    const std::vector<PaceCheck>& Checks() const { return checks_; }

    // The fastest pace held: over every stretch of at least ten checks in a
    // row with 95 % or more of them right, the slowest pace in it; of these,
    // the fastest. Nothing before such a stretch exists.
    std::optional<double> HeldPace() const;

  private:
    double pace_;
    bool missed_ = false;
    int stepsSinceMiss_ = 0;
    std::vector<PaceCheck> checks_;
};

// The fastest pace held in a row of checks, by the rule of HeldPace().
std::optional<double> HeldPaceOf(const std::vector<PaceCheck>& checks);

}  // namespace tavexo
