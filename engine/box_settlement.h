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
// pays; the table and the simulator's robot rounds both settle through it,
// every box of every round, so it lives in the header.
inline BoxPayout PayBox(TPlayerBox& b, const TDealerHand& dealer, TBucketStats& s,
                        TBucketStats& d) {
    s.games += 1;
    const float before = b.capital;
    const int dealerTotal = dealer.total;
    const bool dealerBlackjack = dealer.isBlackjack;
    const float s1 = b.hands[0].stake;
    const int handCount = b.isSplit ? 2 : 1;

    if (!b.surrendered) {
        // Each hand ends in exactly one of five outcomes. They are told apart
        // by flags rather than branches: which one it is depends on the cards
        // and defeats any branch prediction, and every box passes here.
        const float naturalFactor = dealerBlackjack ? 1.0f : 2.5f;  // stake back, or 3:2
        for (int hand = 1; hand <= handCount; ++hand) {
            const THand& h = b.Hand(hand);
            const int t = h.total;
            const float stake = h.stake;
            const bool bust = t > 21;
            const bool natural = !bust && b.natural;
            const bool beats = t > dealerTotal || dealerTotal > 21;
            // A dealer blackjack beats every other 21.
            const bool ties = t == dealerTotal && !dealerBlackjack;
            const bool won = !bust && !natural && beats;
            const bool pushed = !bust && !natural && !beats && ties;
            const bool lost = !bust && !natural && !beats && !ties;
            s.busts += bust;
            s.blackjacks += natural;
            s.wins += won;
            s.pushes += pushed;
            s.losses += lost;
            b.natural = b.natural && !natural;
            // Exactly one term is not zero, so the sum is that term exactly.
            const float factor = static_cast<float>(natural) * naturalFactor +
                                 static_cast<float>(won) * 2.0f + static_cast<float>(pushed);
            // A doubled hand pays nothing, two or four stakes.
            const float r = factor * stake * (h.doubled ? 2.0f : 1.0f);
            s.doubleLost += h.doubled && r == 0.0f;
            s.doublePush += h.doubled && r == 2.0f * stake;
            s.doubleWon += h.doubled && r == 4.0f * stake;
            s.splitLost += b.isSplit && r == 0.0f;
            s.splitPush += b.isSplit && r == stake;
            s.splitWon += b.isSplit && r == 2.0f * stake;
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
    d.dealerBusts += dealerTotal > 21;

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
        // Selected rather than branched on, as the outcomes above; adding
        // zero leaves either sum as it is.
        const bool won = result >= 0.0f;
        s.wonMoney += won ? result : 0.0f;
        s.lostMoney += won ? 0.0f : result;
    }
    return BoxPayout{roundStake, result};
}

}  // namespace tavexo
