#pragma once

#include "engine/table_state.h"
#include "stats/bucket_stats.h"

namespace tavexo {

// What one box's settlement moved: the round's stake (insurance included)
// and its result in money.
struct BoxPayout {
    float roundStake = 0.0f;
    float result = 0.0f;
};

// Pays a box's hands and insurance against the dealer's final hand and counts
// the outcomes: `own` is the record of the box's count bucket, `dealers` that
// of the dealer's. Adds the round's stake to the box's turnover and clears
// its surrender and natural flags. The one place that knows what a hand
// pays; the table and the simulator's robot rounds both settle through it.
BoxPayout PayBox(TPlayerBox& box, const TDealerHand& dealer, TBucketStats& own,
                 TBucketStats& dealers);

}  // namespace tavexo
