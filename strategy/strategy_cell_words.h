#pragma once

#include <cstdint>
#include <string>

#include "strategy/strategy_tables.h"

namespace tavexo {

// Whether a strategy entry recommends its action at a relative count: the
// hit tables hit below the entry, the others act above it.
bool RecommendsAt(TableFamily family, int32_t entry, float relativeCount);

// True when the count turns the entry's decision round compared with a
// neutral count of 0: the index is "live" at that count.
bool CountFlipsDecision(TableFamily family, int32_t entry, float relativeCount);

// What the cell in grid row r and grid column c (both from 1; row 0 and
// column 0 are the headers) says, in words, for example
// "Hart 12 gegen 2: ziehen, solange der wahre Zählwert unter 3 liegt".
// Empty for a header or a cell outside the grid.
std::string CellMeaning(const StrategyGridSpec& grid, int r, int c);

}  // namespace tavexo
