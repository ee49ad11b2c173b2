#pragma once

#include <functional>

#include "engine/box_player.h"
#include "engine/table.h"
#include "strategy/decision_rules.h"

namespace tavexo {

// The strategy questions as the table asks them at this moment: its rules,
// its insurance choice and the relative count now.
inline StrategyContext ContextOf(const Table& table) {
    return StrategyContext{table.Settings().rules, table.Settings().training,
                           table.Count().RelativeCount};
}

// ShouldHit with its double carried out: a hard hand that should be doubled
// is doubled here, and the answer is then no.
bool ShouldHitOrDouble(Table& table, int box, int hand, int dealerValue, bool soft);

// Plays a robot box exactly by the strategy: surrender, insurance, split or
// double, then hit and stand hand by hand.
class StrategyRobot : public RobotPlayer {
  public:
    // Told of every action the robot chooses, just before it is carried out.
    using Listener = std::function<void(const Table&, int box, Action action)>;
    void SetListener(Listener listener) { listener_ = std::move(listener); }

    void RobotPlay(Table& table, int box, int dealerValue) override;

  private:
    void Act(Table& table, int box, Action action);

    Listener listener_;
};

}  // namespace tavexo
