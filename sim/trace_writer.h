#pragma once

#include <cstdint>
#include <string>

#include "engine/table.h"

namespace tavexo::sim {

// The trace is JSON Lines, enough to replay every round from its shoe:
//   {"shoe":[c1,...,cN],"cut":K}       a new shoe, card codes in dealing order
//   {"round":R,"box":B,...}            one settled box-round
// A shoe that runs dry mid-round shows its successor's line where it was
// needed, before the lines of the round that used it.

void AppendShoeLine(std::string& out, const TShoe& shoe);

// `round` is the round's number in the whole simulation; `box` is the box as
// the settlement left it.
void AppendBoxLine(std::string& out, int64_t round, const TPlayerBox& box,
                   const TDealerHand& dealer, const TBoxSettlement& settled);

// Shortest text that reads back as the same float or double.
void AppendNumber(std::string& out, float value);
void AppendNumber(std::string& out, double value);
void AppendNumber(std::string& out, int64_t value);
void AppendNumber(std::string& out, uint64_t value);
void AppendJsonString(std::string& out, const std::string& text);

}  // namespace tavexo::sim
