#pragma once

#include <ostream>

#include "sim/sim_options.h"
#include "sim/simulator.h"

namespace tavexo::sim {

// Money over the turnover, in per cent; 0 without turnover.
double ResultPerTurnover(const BoxTally& tally);

// The summary as text: the run's size and speed, a column per box in play
// and one for all of them together, and the games and results by count
// bucket.
void PrintSummary(std::ostream& out, const SimOptions& options, const SimReport& report);

// The same as one JSON object on one line.
void PrintJson(std::ostream& out, const SimOptions& options, const SimReport& report);

}  // namespace tavexo::sim
