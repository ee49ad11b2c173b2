#pragma once

#include <string>

#include "engine/table.h"

namespace tavexo {

// Appends one row to the box's strategy hints log: the round and the
// dealer's card on the first hint of a round, the hand's cards ("Bl. 2: 8 3"
// for a split box), the relative count and the notice. The grid grows as
// hints come.
void AppendHint(Table& table, int box, int hand, int dealerValue, const std::string& notice);

// Empties every hint row of the box; the next hint goes to row 1.
void ClearHints(Table& table, int box);

}  // namespace tavexo
