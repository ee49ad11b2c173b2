#pragma once

#include <cstdint>

#include "engine/table_state.h"
#include "stats/bucket_stats.h"

namespace tavexo {

// What one box's settlement moved: the round's stake (insurance included)
// and its result in money.
struct BoxPayout {
    float roundStake = 0.0f;
    float result = 0.0f;
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

// Pays a box's hands and insurance against the dealer's final hand, adds the
// round's stake to the box's turnover, clears its surrender and natural
// flags, and gives the keys by which the statistics count the settlement.
// The one place that knows what a hand pays; every box of every round passes
// here, in the table and in the simulator, so it lives in the header.
inline BoxPayout PayBoxMoney(TPlayerBox& b, const TDealerHand& dealer, SettlementKeys& keys) {
    const float before = b.capital;
    const int dealerTotal = dealer.total;
    const bool dealerBlackjack = dealer.isBlackjack;
    const bool dealerBust = dealerTotal > 21;
    const float s1 = b.hands[0].stake;
    const int handCount = b.isSplit ? 2 : 1;
    keys.hands = {NO_HAND, NO_HAND};

    if (!b.surrendered) {
        // Each hand ends in exactly one of five outcomes. They are told apart
        // by flags rather than branches: which one it is depends on the cards
        // and defeats any branch prediction, and every box passes here.
        const float naturalFactor = dealerBlackjack ? 1.0f : 2.5f;  // stake back, or 3:2
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
            b.natural = b.natural && !natural;
            const int outcome = static_cast<int>(natural) * Natural + static_cast<int>(won) * Won +
                                static_cast<int>(pushed) * Pushed + static_cast<int>(lost) * Lost;
            keys.hands[hand - 1] = static_cast<uint8_t>(
                outcome * 4 + static_cast<int>(h.doubled) * 2 + static_cast<int>(b.isSplit));
            // Exactly one term is not zero, so the sum is that term exactly.
            const float factor = static_cast<float>(natural) * naturalFactor +
                                 static_cast<float>(won) * 2.0f + static_cast<float>(pushed);
            // A doubled hand pays nothing, two or four stakes.
            b.capital += factor * h.stake * (h.doubled ? 2.0f : 1.0f);
        }
    }

    const bool insured = b.insuranceCount > 0;
    if (dealerBlackjack) b.capital += static_cast<float>(b.insuranceCount) * 1.5f * s1;
    keys.box = static_cast<uint8_t>((b.surrendered ? (dealerBust ? 2 : 1) : 0) * 3 +
                                    (insured ? (dealerBlackjack ? 1 : 2) : 0));
    keys.dealer =
        static_cast<uint8_t>(static_cast<int>(dealerBlackjack) * 2 + static_cast<int>(dealerBust));

    int doubledHands = 0;
    for (int hand = 1; hand <= handCount; ++hand) doubledHands += b.Hand(hand).doubled ? 1 : 0;
    const float roundStake = s1 * static_cast<float>(handCount + doubledHands) +
                             static_cast<float>(b.insuranceCount) * s1 / 2.0f;
    b.turnover += roundStake;

    float result;
    if (b.surrendered) {
        result = -(s1 / 2.0f);
        b.surrendered = false;
    } else {
        result = b.capital - before - roundStake;
    }
    return BoxPayout{roundStake, result};
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
