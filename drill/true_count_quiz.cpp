#include "drill/true_count_quiz.h"

#include <cmath>
#include <memory>

#include "engine/relative_count.h"

namespace tavexo {

namespace {
constexpr int QUARTER_DECK = CARDS_PER_DECK / 4;
// Typed decimals are binary fractions: 2,3 against 2,25 is a hair under or
// over the tolerance, and either way it is right.
constexpr double ROUNDING_ALLOWANCE = 1e-6;
}  // namespace

float TrueCountQuestion::TrueCount() const {
    const int total = shoeDecks * CARDS_PER_DECK;
    return ComputeRelativeCount(runningCount, total, total - remainingCards);
}

TrueCountQuestion MakeTrueCountQuestion(int shoeDecks, ShoeDisplay display, ShoeShuffler& random) {
    TrueCountQuestion q;
    q.shoeDecks = shoeDecks;
    const int total = shoeDecks * CARDS_PER_DECK;
    if (display == ShoeDisplay::DecksLeft) {
        const int quarters = total / QUARTER_DECK;  // 4 per deck
        q.remainingCards = QUARTER_DECK * (1 + random.UniformBelow(quarters - 1));
    } else {
        q.remainingCards = QUARTER_DECK + random.UniformBelow(total - 2 * QUARTER_DECK + 1);
    }
    // A shoe is 3 kB; the question is made once per answer.
    auto shoe = std::make_unique<TShoe>();
    random.NewShoe(*shoe, shoeDecks);
    for (int i = 0; i < total - q.remainingCards; ++i)
        q.runningCount += CardCountValue(shoe->cards[i]);
    return q;
}

bool TrueCountAnswer::Right() const {
    return std::fabs(Error()) <= TRUE_COUNT_TOLERANCE + ROUNDING_ALLOWANCE;
}

TrueCountRound::TrueCountRound(const TrueCountSettings& settings, ShoeShuffler& random)
    : settings_(settings), random_(random), round_(settings.questions) {
    question_ = MakeTrueCountQuestion(settings_.shoeDecks, settings_.display, random_);
}

TrueCountAnswer TrueCountRound::Answer(double trueCount, int64_t nowMs) {
    const TrueCountAnswer answer{trueCount, question_.TrueCount()};
    round_.Answer(answer.Right(), answer.Error(), nowMs);
    return answer;
}

bool TrueCountRound::Next() {
    if (!round_.Next()) return false;
    question_ = MakeTrueCountQuestion(settings_.shoeDecks, settings_.display, random_);
    return true;
}

}  // namespace tavexo
