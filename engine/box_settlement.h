#pragma once

#include <cstdint>

#include "engine/table_state.h"
#include "stats/bucket_stats.h"

namespace tavexo {

// A box's settlement in whole half stakes of hand 1: what its hands and
// insurance pay back, what the round staked (insurance included) and the
// round's result.
struct BoxHalfStakes {
    int32_t back = 0;
    int32_t staked = 0;
    int32_t net = 0;
};

// What one box's settlement moved: the round's stake (insurance included)
// and its result in money, and both in half stakes.
struct BoxPayout {
    float roundStake = 0.0f;
    float result = 0.0f;
    BoxHalfStakes halves;
};

// How a settlement counts in the statistics, as three small keys: each hand,
// the box (surrender, insurance) and the dealer. The table counts a box's
// keys at once; the simulator's robot rounds count how often each key came
// up and add the counters at the end of a block. Both count through the
// functions below, so a key means the same counters either way.
struct SettlementKeys {
    // Per hand: its outcome * 4 + doubled * 2 + split, or NO_HAND.
    std::array<uint8_t, 2> hands{};
    // Surrender (0 none, 1 against a made hand, 2 against a bust) * 3 +
    // insurance (0 none, 1 won, 2 lost).
    uint8_t box = 0;
    // Dealer blackjack * 2 + dealer bust.
    uint8_t dealer = 0;
};

// Each hand ends in exactly one outcome.
enum HandOutcome : uint8_t { Busted, Natural, Won, Pushed, Lost };
inline constexpr int HAND_KEYS = 20;
inline constexpr uint8_t NO_HAND = HAND_KEYS;
inline constexpr int BOX_KEYS = 9;
inline constexpr int DEALER_KEYS = 4;

// Adds the counters of a hand key `times` over. A doubled hand pays nothing,
// two or four stakes, a split hand nothing, one or two; the counters go by
// those multiples, so a doubled split hand that pushes counts as a split hand
// won. A natural is never doubled or split.
inline void CountHandKey(int key, uint32_t times, TBucketStats& s) {
    if (key >= HAND_KEYS) return;
    const int outcome = key / 4;
    const bool doubled = (key & 2) != 0;
    const bool split = (key & 1) != 0;
    switch (outcome) {
        case Busted:
            s.busts += times;
            break;
        case Natural:
            s.blackjacks += times;
            break;
        case Won:
            s.wins += times;
            break;
        case Pushed:
            s.pushes += times;
            break;
        default:
            s.losses += times;
            break;
    }
    if (outcome == Natural) return;
    const int stakes = (outcome == Won ? 2 : outcome == Pushed ? 1 : 0) * (doubled ? 2 : 1);
    if (doubled) {
        if (stakes == 0) s.doubleLost += times;
        if (stakes == 2) s.doublePush += times;
        if (stakes == 4) s.doubleWon += times;
    }
    if (split) {
        if (stakes == 0) s.splitLost += times;
        if (stakes == 1) s.splitPush += times;
        if (stakes == 2) s.splitWon += times;
    }
}

// Adds the counters of a box key `times` over, the box's games with them.
inline void CountBoxKey(int key, uint32_t times, TBucketStats& s) {
    s.games += times;
    const int surrender = key / 3;
    const int insurance = key % 3;
    if (surrender == 1) s.surrenderDealerMade += times;
    if (surrender == 2) s.surrenderDealerBust += times;
    if (insurance == 1) s.insuranceWon += times;
    if (insurance == 2) s.insuranceLost += times;
}

// Adds the dealer's counters of a key `times` over to the record of the
// dealer's count bucket.
inline void CountDealerKey(int key, uint32_t times, TBucketStats& d) {
    if ((key & 2) != 0) d.dealerBlackjacks += times;
    if ((key & 1) != 0) d.dealerBusts += times;
}

// What a box's hands and insurance pay against the dealer's final hand, in
// half stakes, and the keys by which the statistics count the settlement.
// The one place that knows what a hand pays; every box of every round passes
// here, in the table and in the simulator, so it lives in the header.
inline BoxHalfStakes SettleInHalfStakes(const TPlayerBox& b, const TDealerHand& dealer,
                                        SettlementKeys& keys) {
    const int dealerTotal = dealer.total;
    const bool dealerBlackjack = dealer.isBlackjack;
    const bool dealerBust = dealerTotal > 21;
    const int handCount = b.isSplit ? 2 : 1;
    keys.hands = {NO_HAND, NO_HAND};
    BoxHalfStakes halves;

    if (!b.surrendered) {
        // Each hand ends in exactly one of five outcomes. They are told apart
        // by flags rather than branches: which one it is depends on the cards
        // and defeats any branch prediction, and every box passes here.
        const int naturalBack = dealerBlackjack ? 2 : 5;  // the stake back, or 3:2
        for (int hand = 1; hand <= handCount; ++hand) {
            const THand& h = b.Hand(hand);
            const int t = h.total;
            const bool bust = t > 21;
            const bool natural = !bust && b.natural;
            const bool beats = t > dealerTotal || dealerBust;
            // A dealer blackjack beats every other 21.
            const bool ties = t == dealerTotal && !dealerBlackjack;
            const bool won = !bust && !natural && beats;
            const bool pushed = !bust && !natural && !beats && ties;
            const bool lost = !bust && !natural && !beats && !ties;
            const int outcome = static_cast<int>(natural) * Natural + static_cast<int>(won) * Won +
                                static_cast<int>(pushed) * Pushed + static_cast<int>(lost) * Lost;
            keys.hands[hand - 1] = static_cast<uint8_t>(
                outcome * 4 + static_cast<int>(h.doubled) * 2 + static_cast<int>(b.isSplit));
            // Exactly one term is not zero. A doubled hand pays nothing, two
            // or four stakes.
            const int back = static_cast<int>(natural) * naturalBack + static_cast<int>(won) * 4 +
                             static_cast<int>(pushed) * 2;
            halves.back += back << static_cast<int>(h.doubled);
            halves.staked += 2 << static_cast<int>(h.doubled);
        }
    } else {
        halves.staked = 2;  // half of it came back at the surrender
    }

    // Insurance costs half a stake and pays 2:1.
    halves.back += dealerBlackjack ? 3 * b.insuranceCount : 0;
    halves.staked += b.insuranceCount;
    halves.net = b.surrendered ? -1 : halves.back - halves.staked;
    const bool insured = b.insuranceCount > 0;
    keys.box = static_cast<uint8_t>((b.surrendered ? (dealerBust ? 2 : 1) : 0) * 3 +
                                    (insured ? (dealerBlackjack ? 1 : 2) : 0));
    keys.dealer =
        static_cast<uint8_t>(static_cast<int>(dealerBlackjack) * 2 + static_cast<int>(dealerBust));
    return halves;
}

// Pays a box as SettleInHalfStakes counts it, adds the round's stake to the
// box's turnover and clears its surrender and natural flags. Half a stake is
// a float held exactly, and so is every multiple of it a round reaches: the
// result is exact even where the capital is too large for its float to hold
// every half stake.
inline BoxPayout PayBoxMoney(TPlayerBox& b, const TDealerHand& dealer, SettlementKeys& keys) {
    const BoxHalfStakes halves = SettleInHalfStakes(b, dealer, keys);
    const float halfStake = b.hands[0].stake / 2.0f;
    b.capital += static_cast<float>(halves.back) * halfStake;
    const float roundStake = static_cast<float>(halves.staked) * halfStake;
    b.turnover += roundStake;
    b.surrendered = false;
    b.natural = false;
    return BoxPayout{roundStake, static_cast<float>(halves.net) * halfStake, halves};
}

// Pays a box as PayBoxMoney does and counts the outcomes at once: `own` is
// the record of the box's count bucket, `dealers` that of the dealer's.
inline BoxPayout PayBox(TPlayerBox& b, const TDealerHand& dealer, TBucketStats& s,
                        TBucketStats& d) {
    SettlementKeys keys;
    const BoxPayout paid = PayBoxMoney(b, dealer, keys);
    CountHandKey(keys.hands[0], 1, s);
    CountHandKey(keys.hands[1], 1, s);
    CountBoxKey(keys.box, 1, s);
    CountDealerKey(keys.dealer, 1, d);
    // Selected rather than branched on; adding zero leaves either sum as it is.
    const bool won = paid.result >= 0.0f;
    s.wonMoney += won ? paid.result : 0.0f;
    s.lostMoney += won ? 0.0f : paid.result;
    return paid;
}

}  // namespace tavexo
