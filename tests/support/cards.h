#pragma once

#include <string>
#include <vector>

#include "engine/cards.h"

namespace tavexo::testing {

// Card codes from rank names, e.g. Cards("A K 8 8"): "A" ace, "2".."10",
// "B", "D", "K". Suits rotate so that repeated ranks look like real cards.
std::vector<CardCode> Cards(const std::string& ranks);

}  // namespace tavexo::testing
