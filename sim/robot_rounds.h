#pragma once

#include "sim/sim_block.h"
#include "sim/sim_options.h"

namespace tavexo::sim {

// Plays one block of robot rounds without the table engine's machinery for
// windows, clicks, timers and sounds: the same rounds, card for card and
// cent for cent, as RunBlock through the table engine. The rules are not
// repeated here: the strategy questions, the index tables, the bet ramp,
// the count, the hand total and the payout are the engine's and the
// strategy's own functions; only the order of a robot's turn is written out
// flat. A test plays both ways over every rule set and compares their
// traces byte for byte.
BlockOutput PlayRobotBlock(const SimOptions& options, const BlockPlan& plan);

}  // namespace tavexo::sim
