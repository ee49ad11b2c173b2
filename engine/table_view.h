#pragma once

#include <string>

#include "engine/cards.h"
#include "engine/table_state.h"

namespace tavexo {

enum class GridKind { History, Details, Hints };

// How a box's round ended, for the badge the box shows from its settlement
// until the table is cleared.
enum class RoundOutcome { Won, Lost, Push, Blackjack, Bust, Surrendered };

// The named view operations of the table window. The engine tells the view
// what changed; the view only draws. Boxes are 1..7, hands 1..2, card
// numbers start at 1. Every text is UTF-8.
class TableView {
  public:
    virtual ~TableView() = default;

    // Box frame.
    virtual void ShowBoxCard(int box, int hand, int n, CardCode code) = 0;
    // A split moves hand 1's second card to the place of hand 2.
    virtual void MoveSecondCardToHand2(int box) = 0;
    virtual void SetHandTotal(int box, int hand, const std::string& text) = 0;
    virtual void SetStakeLabel(int box, const std::string& text) = 0;
    virtual void SetStakeHeight(int box, const std::string& text) = 0;
    virtual void SetCapital(int box, const std::string& text) = 0;
    virtual void SetUnits(int box, int units) = 0;
    virtual void SetUnitsEnabled(int box, bool enabled) = 0;
    virtual void SetUnitsBlinking(int box, bool blinking) = 0;
    virtual void SetBetEnabled(int box, bool enabled) = 0;
    virtual void SetActionEnabled(int box, Action action, bool enabled) = 0;
    virtual void ShowCoin(int box, int coin, bool visible) = 0;
    virtual void SetHandMarker(int box, int hand, bool blinking) = 0;
    virtual void SetGauge(int box, int value, int maximum) = 0;
    virtual void SetDecisionsText(int box, const std::string& text) = 0;
    virtual void SetBoxName(int box, const std::string& text) = 0;
    // Active: normal on/off button, group unrolled, both totals shown.
    // Inactive: dimmed button, group rolled up, hand-2 total hidden.
    virtual void SetBoxActive(int box, bool active, bool frameVisible) = 0;
    // The settled round's outcome and its money result (signed, e.g. "+15 €");
    // ClearCards takes it away again.
    virtual void ShowRoundOutcome(int box, RoundOutcome outcome, const std::string& amount) = 0;

    // Dealer frame.
    virtual void ShowDealerCard(int n, CardCode code) = 0;
    virtual void SetDealerTotal(const std::string& text) = 0;
    virtual void SetRoundLabel(const std::string& text) = 0;
    virtual void SetHint(const std::string& text) = 0;
    virtual void SetCounts(const std::string& running, const std::string& relative) = 0;
    virtual void SetTrainingPanel(bool trainingVisible, bool countsVisible) = 0;
    // A new shoe is being shuffled (true) until it is ready (false).
    virtual void ShowShuffling(bool shuffling) = 0;

    // Table window.
    virtual void ClearCards() = 0;
    // The controls of an idle table (true) or of a run in progress (false).
    virtual void SetIdleControls(bool idle) = 0;
    virtual void SetPaused(bool paused) = 0;
    virtual void SetStopEnabled(bool enabled) = 0;
    virtual void ShowStopIndicator(bool visible) = 0;
    virtual void GridChanged(GridKind kind, int box) = 0;
};

}  // namespace tavexo
