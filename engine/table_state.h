#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/cards.h"

namespace tavexo {

inline constexpr int BOX_COUNT = 7;

// A hand stops drawing at 21 or more and every card adds at least 1, so no
// hand can hold more than 21 cards, whatever the number of decks.
inline constexpr int MAX_HAND_CARDS = 24;

// The six action buttons of a box frame.
enum class Action { Hit, Stand, Surrender, Double, Split, Insure };
inline constexpr int ACTION_COUNT = 6;
inline constexpr int MAX_UNITS = 50;

struct THand {
    std::array<CardCode, MAX_HAND_CARDS> cards{};
    int32_t cardCount = 0;
    bool doubled = false;
    int32_t total = 0;
    float stake = 0.0f;
    // Whether `total` counts an ace as 11. The engine keeps it with the
    // total, so that the next card's total follows from the last one.
    bool soft = false;

    // Empties the places of the cards dealt. The engine deals and moves
    // cards only below cardCount and clears what a split takes away, so the
    // places from cardCount on are already empty.
    void WipeCards() {
        // Most hands end with four cards or fewer.
        cards[0] = cards[1] = cards[2] = cards[3] = 0;
        for (int i = 4; i < cardCount && i < MAX_HAND_CARDS; ++i) cards[i] = 0;
    }
    // What the rules read of a hand, cleared; the cards stay where they lie,
    // past the count, for a player that reads no card beyond it.
    void ClearPlay() {
        cardCount = 0;
        doubled = false;
        total = 0;
        soft = false;
    }
};

// The words of a box's decisions text, kept as codes so that the per-card
// path never builds strings; the text is made where it is shown.
enum class DecisionWord : uint8_t {
    Geteilt,
    Verdoppelt,
    Versichert,
    ZweimalVersichert,
    Aufgegeben
};

struct TDecisions {
    static constexpr int CAPACITY = 12;
    std::array<DecisionWord, CAPACITY> words{};
    int count = 0;

    bool Empty() const { return count == 0; }
    void Clear() { count = 0; }
    void Append(DecisionWord word) {
        if (count < CAPACITY) words[count++] = word;
    }
    // A surrender replaces whatever stood there.
    void Replace(DecisionWord word) {
        count = 0;
        Append(word);
    }
    std::string Text() const;
};

struct TPlayerBox {
    std::string name;  // UTF-8
    bool inPlay = true;
    bool turnDone = false;
    bool isRobot = false;
    bool isSoft = false;
    bool surrendered = false;
    std::array<THand, 2> hands{};
    bool natural = false;
    bool isSplit = false;
    bool onSecondHand = false;
    int32_t historyRow = 0;
    int32_t hintRow = 0;
    int32_t insuranceCount = 0;
    int32_t unitValue = 5;
    int32_t baseUnits = 0;
    int32_t lastHintRound = 0;
    float capital = 0.0f;
    float turnover = 0.0f;
    float startCapital = 0.0f;
    float countSnapshot = 0.0f;

    // State of the box frame's controls that the rules read.
    int32_t units = 1;    // the unit spin edit "Stücke", 0..50
    bool autoBet = true;  // "Autom. setzen"
    bool betEnabled = true;
    bool unitsEnabled = true;
    std::array<bool, ACTION_COUNT> enabled{};
    int32_t gauge = 0;  // decision gauge, tenths of a second
    bool decisionTimerRunning = false;
    TDecisions decisions;

    // The money of `count` units. Multiplied as floats, where no unit value
    // can overflow.
    float StakeOfUnits(int count) const {
        return static_cast<float>(unitValue) * static_cast<float>(count);
    }
    // What an action takes from the capital on top of the stakes already
    // charged: a double or a split one more hand-1 stake, an insurance half
    // of it; a double of an insured box, and a split of a box insured once,
    // insure the new stake as well.
    float ExtraStakeOf(Action action) const {
        const float stake = hands[0].stake;
        switch (action) {
            case Action::Double:
                return insuranceCount > 0 ? stake * 1.5f : stake;
            case Action::Split:
                return insuranceCount == 1 ? stake * 1.5f : stake;
            case Action::Insure:
                return stake / 2.0f;
            default:
                return 0.0f;
        }
    }
    // Double, split and insurance are offered only while the capital covers
    // their extra stake: nobody bets money they do not have.
    bool CanAfford(Action action) const { return capital >= ExtraStakeOf(action); }

    // The start of a round: no cards, decisions, enabled buttons or
    // per-round flags of the last round (a split, a surrender), so that
    // nothing of it leaks into the deal; the stakes stay.
    void ClearForNewRound() {
        for (THand& h : hands) h.WipeCards();
        ClearPlay();
        enabled = {};
    }
    // The part of ClearForNewRound that the rules read: the simulator's
    // robot rounds show no cards and no buttons, and need no more.
    void ClearPlay() {
        decisions.Clear();
        for (THand& h : hands) h.ClearPlay();
        turnDone = false;
        isSplit = false;
        onSecondHand = false;
        natural = false;
        surrendered = false;
    }
    // Splits the pair of hand 1 into two hands of one card each, the second
    // with the same stake; `isSoft` follows hand 2, the last one totalled.
    void SplitPair() {
        THand& h1 = hands[0];
        THand& h2 = hands[1];
        h2.cards[0] = h1.cards[1];
        h1.cards[1] = 0;
        h1.cardCount = 1;
        h2.cardCount = 1;
        h2.stake = h1.stake;
        const HandTotal t1 = TotalOf(h1.cards.data(), 1);
        const HandTotal t2 = TotalOf(h2.cards.data(), 1);
        h1.total = t1.total;
        h1.soft = t1.soft;
        h2.total = t2.total;
        h2.soft = t2.soft;
        isSoft = t2.soft;
        isSplit = true;
    }

    THand& Hand(int hand) { return hands[hand - 1]; }
    const THand& Hand(int hand) const { return hands[hand - 1]; }
    int HandInPlay() const { return onSecondHand ? 2 : 1; }
    bool Enabled(Action action) const { return enabled[static_cast<int>(action)]; }
    // Takes part in the round: switched on and "Autom. setzen" checked.
    bool TakesPart() const { return inPlay && autoBet; }
    // Was dealt into the round in progress: in play, with a stake and cards.
    // A stake alone is not enough: "Bet" and the unit spin edit set a stake
    // also for a box that sits the round out.
    bool InRound() const { return inPlay && hands[0].stake > 0.0f && hands[0].cardCount > 0; }
};

struct TDealerHand {
    std::array<CardCode, MAX_HAND_CARDS> cards{};
    int32_t cardCount = 0;
    int32_t total = 0;
    bool isBlackjack = false;
    float countSnapshot = 0.0f;

    int UpCardValue() const { return cardCount > 0 ? CardValue(cards[0]) : 0; }
};

struct ActionButton {
    int box = 0;
    Action action = Action::Hit;
    bool operator==(const ActionButton&) const = default;
};

struct TTableState {
    int32_t roundNumber = 0;
    bool running = false;
    bool stopRequested = false;
    bool paused = false;
    bool cleanupDeferred = false;
    bool waitingBetweenRounds = false;
    bool waitingForBet = false;
    bool lastBoxDone = false;
    std::optional<ActionButton> lastActionButton;
    bool sameButtonTwice = false;
};

// Pixel places of the n-th card (1..12, later cards repeat the last place)
// inside the frame that holds the hand.
inline constexpr std::array<int, 12> BOX_CARD_X = {0,   20,  40,  60,  80,  98,
                                                   116, 134, 152, 170, 178, 196};
inline constexpr std::array<int, 12> DEALER_CARD_X = {0,   24,  48,  72,  96,  120,
                                                      144, 168, 192, 216, 240, 264};
inline constexpr std::array<int, 12> CARD_Y = {8, 5, 3, 3, 1, 3, 3, 5, 5, 7, 7, 8};
inline constexpr int SECOND_HAND_OFFSET_X = 160;

}  // namespace tavexo
