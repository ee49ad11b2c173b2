#pragma once

#include "engine/table_state.h"

namespace tavexo {

class Table;

// Plays a robot box's turn through the table's box actions.
class RobotPlayer {
  public:
    virtual ~RobotPlayer() = default;
    virtual void RobotPlay(Table& table, int box, int dealerValue) = 0;
};

// Judges a human click on an action button before it is carried out (the
// training mode's advisor); without one every click is carried out at once.
class ClickAdvisor {
  public:
    virtual ~ClickAdvisor() = default;
    virtual void ActionClick(Table& table, int box, Action action) = 0;
};

}  // namespace tavexo
