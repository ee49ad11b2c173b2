#include "stats/bucket_stats.h"

namespace tavexo {

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
