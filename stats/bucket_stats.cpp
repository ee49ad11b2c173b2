#include "stats/bucket_stats.h"

#include <cmath>

namespace tavexo {

int CountBucketOf(float z) {
    if (std::isnan(z)) return 0;
    if (z > -1.0f && z < 1.0f) return 1;
    if (z >= 8.0f) return 5;
    if (z >= 5.0f) return 4;
    if (z >= 3.0f) return 3;
    if (z >= 1.0f) return 2;
    if (z <= -8.0f) return 9;
    if (z <= -5.0f) return 8;
    if (z <= -3.0f) return 7;
    return 6;
}

TBucketStats& TBucketStats::operator+=(const TBucketStats& o) {
    games += o.games;
    wins += o.wins;
    losses += o.losses;
    pushes += o.pushes;
    busts += o.busts;
    blackjacks += o.blackjacks;
    splitWon += o.splitWon;
    splitLost += o.splitLost;
    splitPush += o.splitPush;
    doubleWon += o.doubleWon;
    doubleLost += o.doubleLost;
    doublePush += o.doublePush;
    surrenderDealerMade += o.surrenderDealerMade;
    surrenderDealerBust += o.surrenderDealerBust;
    insuranceWon += o.insuranceWon;
    insuranceLost += o.insuranceLost;
    dealerBlackjacks += o.dealerBlackjacks;
    dealerBusts += o.dealerBusts;
    lostMoney += o.lostMoney;
    wonMoney += o.wonMoney;
    return *this;
}

TBucketStats BucketTable::BoxTotal(int box) const {
    TBucketStats total;
    for (const auto& record : records_[box - 1]) total += record;
    return total;
}

}  // namespace tavexo
