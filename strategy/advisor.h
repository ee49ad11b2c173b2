#pragma once

#include "engine/box_player.h"
#include "engine/table.h"
#include "strategy/decision_rules.h"

namespace tavexo {

// What the advisor would rather see instead of a click.
enum class Recommendation {
    None,
    Surrender,
    Insure,
    Split,
    Double,  // double the hand in play
    Hit,
    HitIfStillWise,  // ask the hit question again when carrying it out
    HitElseDouble,   // hit if the hit question says so, else the double itself
    Stand,
};

struct Verdict {
    const char* notice = nullptr;  // nullptr: the click is in line with the strategy
    Recommendation recommended = Recommendation::None;
};

// Judges a click on an action button of `box` against the strategy: the
// checks of the clicked button in their order, the first that fires gives
// the notice. Reads a copy of the box, since the hit question totals the
// hand afresh.
Verdict JudgeClick(TPlayerBox box, Action clicked, int dealerValue, const StrategyContext& context);

// The advisor of the training mode in the six action handlers: shows the
// notice, beeps, logs the hint and reacts as "Reaktion auf
// Stategieabweichung" says.
class StrategyAdvisor : public ClickAdvisor {
  public:
    void ActionClick(Table& table, int box, Action clicked) override;

  private:
    void ShowStrategyNotice(Table& table, int box, int hand, int dealerValue, const char* notice);
    void CarryOutRecommendation(Table& table, int box, int dealerValue, Recommendation recommended);
};

}  // namespace tavexo
