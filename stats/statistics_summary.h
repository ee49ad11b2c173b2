#pragma once

#include "stats/bucket_stats.h"
#include "stats/text_format.h"
#include "stats/text_grid.h"

namespace tavexo {

// Fills columns 1..20 of a box's detail statistics grid from its bucket
// records: the totals, their shares, and per bucket the counts and shares.
void WriteDetailStatistics(TextGrid& grid, const BucketTable& stats, int box,
                           const TextFormat& format);

}  // namespace tavexo
