#include "drill/deck_estimation.h"

#include <cmath>

namespace tavexo {

namespace {
constexpr int QUARTER_DECK = CARDS_PER_DECK / 4;
// Answers are typed with at most two decimals; the allowance keeps an
// answer exactly half a step off (2,25 against 2,5) on the right side of
// the line despite binary fractions.
constexpr double ROUNDING_ALLOWANCE = 1e-9;
}  // namespace

double StepInDecks(EstimateStep step) {
    return step == EstimateStep::QuarterDeck ? 0.25 : 0.5;
}

DiscardTray MakeDiscardTray(int shoeDecks, ShoeShuffler& random) {
    DiscardTray tray;
    tray.shoeDecks = shoeDecks;
    const int most = shoeDecks * CARDS_PER_DECK - QUARTER_DECK;
    tray.discarded = QUARTER_DECK + random.UniformBelow(most - QUARTER_DECK + 1);
    return tray;
}

bool DeckEstimate::Within(EstimateStep step) const {
    return std::fabs(Error()) <= StepInDecks(step) / 2.0 + ROUNDING_ALLOWANCE;
}

DeckEstimationRound::DeckEstimationRound(const DeckEstimationSettings& settings,
                                         ShoeShuffler& random)
    : settings_(settings), random_(random), round_(settings.pictures) {
    tray_ = MakeDiscardTray(settings_.shoeDecks, random_);
}

DeckEstimate DeckEstimationRound::Answer(double decks, int64_t nowMs) {
    const DeckEstimate estimate{decks, tray_.RemainingDecks()};
    round_.Answer(estimate.Within(settings_.step), estimate.Error(), nowMs);
    return estimate;
}

bool DeckEstimationRound::Next() {
    if (!round_.Next()) return false;
    tray_ = MakeDiscardTray(settings_.shoeDecks, random_);
    return true;
}

}  // namespace tavexo
