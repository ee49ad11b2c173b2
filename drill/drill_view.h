#pragma once

#include <string>

#include "drill/count_check.h"
#include "engine/cards.h"

namespace tavexo {

// Which run controls the drill window offers: "Starten" and the deck count
// only while no run is going on (nor finishing its last round), "Stoppen"
// while a run may still be stopped and is not paused, "Pause" while a run
// is going on; while paused that button reads "Weiter".
struct DrillControls {
    bool startEnabled = true;
    bool decksEnabled = true;
    bool stopVisible = false;
    bool pauseVisible = false;
    bool paused = false;
};

// The named view operations of the counting drill's window. Places are
// numbered 1 to 8; place 8 is the dealer.
class DrillView {
  public:
    virtual ~DrillView() = default;

    // The n-th card of the place in this round (n from 1).
    virtual void ShowCard(int place, int n, CardCode code) = 0;
    virtual void HideCard(int place, int n) = 0;

    virtual void ShowCardCountValue(int value) = 0;
    virtual void ShowCounts(int running, double relative) = 0;
    // While the drill asks for the count, the count displays stay covered
    // until the answer is in.
    virtual void CoverCounts() = 0;
    virtual void ShowCardsDealt(int dealt) = 0;
    virtual void ShowRemainingDecks(int decks) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual void SetControls(const DrillControls& controls) = 0;

    // The check mode's question, its end (answered or skipped) and verdict.
    virtual void AskCount(bool withRelative) = 0;
    virtual void EndQuestion() = 0;
    virtual void ShowVerdict(const CountCheck& check) = 0;
    virtual void ShowScore(const DrillScore& score) = 0;
    // A run with at least one checked round has ended.
    virtual void SessionScored(const DrillScore& score) = 0;
};

}  // namespace tavexo
