#pragma once

#include "engine/table.h"
#include "strategy/advisor.h"
#include "strategy/robot.h"

namespace tavexo {

// The robot and the advisor, seated at one table for as long as it lives.
struct TableStrategy {
    explicit TableStrategy(Table& table) {
        table.SetRobot(&robot);
        table.SetAdvisor(&advisor);
    }
    TableStrategy(const TableStrategy&) = delete;
    TableStrategy& operator=(const TableStrategy&) = delete;

    StrategyRobot robot;
    StrategyAdvisor advisor;
};

}  // namespace tavexo
