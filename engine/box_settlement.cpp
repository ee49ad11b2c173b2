#include "engine/box_settlement.h"

namespace tavexo {

BoxPayout PayBox(TPlayerBox& b, const TDealerHand& dealer, TBucketStats& s, TBucketStats& d) {
    s.games += 1;
    const float before = b.capital;
    const int dealerTotal = dealer.total;
    const bool dealerBlackjack = dealer.isBlackjack;
    const float s1 = b.hands[0].stake;
    const int handCount = b.isSplit ? 2 : 1;

    if (!b.surrendered) {
        for (int hand = 1; hand <= handCount; ++hand) {
            const THand& h = b.Hand(hand);
            const int t = h.total;
            const float stake = h.stake;
            float r = 0.0f;
            if (t > 21) {
                s.busts += 1;
            } else if (b.natural) {
                r = dealerBlackjack ? s1 : 2.5f * stake;
                s.blackjacks += 1;
                b.natural = false;
            } else if (t > dealerTotal) {
                r = 2.0f * stake;
                s.wins += 1;
            } else if (t == dealerTotal && !dealerBlackjack) {
                r = stake;
                s.pushes += 1;
            } else if (t == dealerTotal) {
                s.losses += 1;  // a dealer blackjack beats every other 21
            } else if (dealerTotal > 21) {
                r = 2.0f * stake;
                s.wins += 1;
            } else {
                s.losses += 1;
            }
            if (h.doubled) {
                r *= 2.0f;
                if (r == 0.0f) s.doubleLost += 1;
                if (r == 2.0f * stake) s.doublePush += 1;
                if (r == 4.0f * stake) s.doubleWon += 1;
            }
            if (b.isSplit) {
                if (r == 0.0f) s.splitLost += 1;
                if (r == stake) s.splitPush += 1;
                if (r == 2.0f * stake) s.splitWon += 1;
            }
            b.capital += r;
        }
    }

    if (dealerBlackjack) {
        b.capital += static_cast<float>(b.insuranceCount) * 1.5f * s1;
        if (b.insuranceCount > 0) s.insuranceWon += 1;
        d.dealerBlackjacks += 1;
    } else if (b.insuranceCount > 0) {
        s.insuranceLost += 1;
    }
    if (dealerTotal > 21) d.dealerBusts += 1;

    int doubledHands = 0;
    for (int hand = 1; hand <= handCount; ++hand) doubledHands += b.Hand(hand).doubled ? 1 : 0;
    const float roundStake = s1 * static_cast<float>(handCount + doubledHands) +
                             static_cast<float>(b.insuranceCount) * s1 / 2.0f;
    b.turnover += roundStake;

    float result;
    if (b.surrendered) {
        if (dealerTotal > 21) {
            s.surrenderDealerBust += 1;
        } else {
            s.surrenderDealerMade += 1;
        }
        result = -(s1 / 2.0f);
        s.lostMoney += result;
        b.surrendered = false;
    } else {
        result = b.capital - before - roundStake;
        if (result >= 0.0f) {
            s.wonMoney += result;
        } else {
            s.lostMoney += result;
        }
    }
    return BoxPayout{roundStake, result};
}

}  // namespace tavexo
