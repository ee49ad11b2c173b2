#pragma once

#include <cstdint>

#include "drill/deck_estimation.h"
#include "drill/quiz_round.h"
#include "engine/shoe.h"

namespace tavexo {

// How the true count drill shows what is left of the shoe: as its discard
// tray, to be judged by eye, or as the decks left written out.
enum class ShoeDisplay : int32_t { Tray = 0, DecksLeft = 1 };

// One question: a running count and a shoe part-way through.
struct TrueCountQuestion {
    int shoeDecks = 6;
    int remainingCards = 0;
    int runningCount = 0;

    DiscardTray Tray() const {
        return DiscardTray{shoeDecks, shoeDecks * CARDS_PER_DECK - remainingCards};
    }
    // The true count by the rule the table and the advisor play by
    // (ComputeRelativeCount): the running count per remaining deck, the
    // decks rounded half to even, and twice the running count once fewer
    // than half a deck remain.
    float TrueCount() const;
};

// A running count as the cards dealt so far from a shuffled shoe make it,
// with the shoe between a quarter deck dealt and a quarter deck left. Shown
// as decks left, the shoe stands at a whole quarter deck, so that the
// written value is exact.
TrueCountQuestion MakeTrueCountQuestion(int shoeDecks, ShoeDisplay display, ShoeShuffler& random);

// Answers are typed to one decimal, as the table shows the true count: an
// answer within half a tenth of the rule's value is right (2,3 or 2,4 for
// 7 / 3 = 2,33 would be 2,3 only; 2,2 and 2,3 for 2,25 both).
inline constexpr double TRUE_COUNT_TOLERANCE = 0.05;

struct TrueCountAnswer {
    double answered = 0.0;
    float actual = 0.0f;

    double Error() const { return answered - static_cast<double>(actual); }
    bool Right() const;
};

struct TrueCountSettings {
    int shoeDecks = 6;  // one of TRAY_SHOE_DECKS
    ShoeDisplay display = ShoeDisplay::DecksLeft;
    int questions = 10;
};

// A round of N questions with its score.
class TrueCountRound {
  public:
    TrueCountRound(const TrueCountSettings& settings, ShoeShuffler& random);

    const TrueCountSettings& Settings() const { return settings_; }
    const QuizRound& Round() const { return round_; }
    const TrueCountQuestion& Question() const { return question_; }

    void Shown(int64_t nowMs) { round_.Ask(nowMs); }
    TrueCountAnswer Answer(double trueCount, int64_t nowMs);
    bool Next();

  private:
    TrueCountSettings settings_;
    ShoeShuffler& random_;
    QuizRound round_;
    TrueCountQuestion question_;
};

}  // namespace tavexo
