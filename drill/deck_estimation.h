#pragma once

#include <array>
#include <cstdint>

#include "drill/quiz_round.h"
#include "engine/cards.h"
#include "engine/shoe.h"

namespace tavexo {

// The shoes whose discard trays the drills show.
inline constexpr std::array<int, 4> TRAY_SHOE_DECKS = {1, 4, 6, 8};

// How finely the user estimates the decks left: to the half or to the
// quarter deck.
enum class EstimateStep : int32_t { HalfDeck = 0, QuarterDeck = 1 };
double StepInDecks(EstimateStep step);

// The discard tray of a shoe: which shoe it belongs to and how many cards
// lie in it. What is not in the tray is still in the shoe.
struct DiscardTray {
    int shoeDecks = 6;
    int discarded = 0;

    int RemainingCards() const { return shoeDecks * CARDS_PER_DECK - discarded; }
    double RemainingDecks() const { return static_cast<double>(RemainingCards()) / CARDS_PER_DECK; }
};

// A tray with at least a quarter deck in it and at least a quarter deck
// left in the shoe, every count of cards in between equally likely.
DiscardTray MakeDiscardTray(int shoeDecks, ShoeShuffler& random);

// One answer of the deck estimation.
struct DeckEstimate {
    double answered = 0.0;
    double actual = 0.0;

    // Positive when the user saw more decks left than there are.
    double Error() const { return answered - actual; }
    // Right when no other multiple of the step lies nearer the true value:
    // off by at most half a step.
    bool Within(EstimateStep step) const;
};

struct DeckEstimationSettings {
    int shoeDecks = 6;  // one of TRAY_SHOE_DECKS
    EstimateStep step = EstimateStep::HalfDeck;
    int pictures = 10;
};

// A round of N trays: the user estimates the decks left in each, and the
// round keeps the score.
class DeckEstimationRound {
  public:
    DeckEstimationRound(const DeckEstimationSettings& settings, ShoeShuffler& random);

    const DeckEstimationSettings& Settings() const { return settings_; }
    const QuizRound& Round() const { return round_; }
    const DiscardTray& Tray() const { return tray_; }

    // The tray is on the screen from now on.
    void Shown(int64_t nowMs) { round_.Ask(nowMs); }
    DeckEstimate Answer(double decks, int64_t nowMs);
    // The next tray; false when the round is over.
    bool Next();

  private:
    DeckEstimationSettings settings_;
    ShoeShuffler& random_;
    QuizRound round_;
    DiscardTray tray_;
};

}  // namespace tavexo
