#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavexo {

// A card is a code from 1 to 52: rank = code mod 13 (0 reads as king),
// suit = (code - 1) div 13 + 1. 0 never denotes a card.
using CardCode = int32_t;

inline constexpr int CARDS_PER_DECK = 52;

struct TCardInfo {
    int32_t value;       // point value: ace 11, ten and faces 10
    int32_t countValue;  // Hi-Lo: +1 for 2..6, 0 for 7..9, -1 for tens and aces
    int32_t suit;        // 1..4
};

namespace detail {
constexpr std::array<TCardInfo, CARDS_PER_DECK> BuildCardTable() {
    std::array<TCardInfo, CARDS_PER_DECK> table{};
    for (int code = 1; code <= CARDS_PER_DECK; ++code) {
        const int rank = code % 13 == 0 ? 13 : code % 13;
        const int value = rank == 1 ? 11 : (rank >= 10 ? 10 : rank);
        const int count = (rank >= 2 && rank <= 6) ? 1 : (rank >= 7 && rank <= 9) ? 0 : -1;
        table[code - 1] = TCardInfo{value, count, (code - 1) / 13 + 1};
    }
    return table;
}
}  // namespace detail

// Indexed by code - 1.
inline constexpr std::array<TCardInfo, CARDS_PER_DECK> CARD_TABLE = detail::BuildCardTable();

// Entries 1..13; entry 0 is unused so that the rank indexes it directly.
inline constexpr std::array<const char*, 14> RANK_NAMES = {"",  "As", "2", "3",  "4", "5", "6",
                                                           "7", "8",  "9", "10", "B", "D", "K"};

// A card's value with the ace as 1, its Hi-Lo value and its point value,
// in one look-up: every card dealt and every decision reads them.
// Four bytes, so that a code indexes it by scaling alone.
struct alignas(4) CardPoints {
    uint8_t hard = 0;
    int8_t count = 0;
    uint8_t value = 0;
};

namespace detail {
// Indexed by the code itself; 0 is no card and has no points.
constexpr std::array<CardPoints, CARDS_PER_DECK + 1> BuildCardPoints() {
    std::array<CardPoints, CARDS_PER_DECK + 1> points{};
    for (int code = 1; code <= CARDS_PER_DECK; ++code) {
        const TCardInfo& card = CARD_TABLE[code - 1];
        points[code] =
            CardPoints{static_cast<uint8_t>(card.value == 11 ? 1 : card.value),
                       static_cast<int8_t>(card.countValue), static_cast<uint8_t>(card.value)};
    }
    return points;
}
inline constexpr std::array<CardPoints, CARDS_PER_DECK + 1> CARD_POINTS = BuildCardPoints();
}  // namespace detail

// `code` must be a card (1 .. 52) or 0, which has no points: the shoe holds
// only cards.
inline CardPoints PointsOf(CardCode code) {
    return detail::CARD_POINTS[code];
}
inline int CardValue(CardCode code) {
    return PointsOf(code).value;
}
inline int CardCountValue(CardCode code) {
    return PointsOf(code).count;
}
inline int CardSuit(CardCode code) {
    return CARD_TABLE[code - 1].suit;
}
inline int CardRank(CardCode code) {
    return code % 13 == 0 ? 13 : code % 13;
}
const char* CardText(CardCode code);

struct HandTotal {
    int total = 0;
    bool soft = false;  // an ace still counts 11
};

// The point value with the ace as 1; 0 for a code that is no card.
inline int CardHardValue(CardCode code) {
    return PointsOf(static_cast<uint32_t>(code) <= CARDS_PER_DECK ? code : 0).hard;
}

// The hand total rule shared by boxes and dealer: aces count 11 and are
// counted down to 1, one at a time, while the sum exceeds 21. Since two aces
// at 11 already make 22, at most one ace can keep its 11: the total is the
// sum with every ace as 1, plus 10 when there is an ace and that fits. Every
// card of every round passes here, so it lives in the header.
inline HandTotal TotalOf(const CardCode* cards, int count) {
    int hard = 0;
    bool ace = false;
    for (int i = 0; i < count; ++i) {
        const int value = CardHardValue(cards[i]);
        hard += value;
        ace = ace || value == 1;
    }
    const bool soft = ace && hard <= 11;
    return HandTotal{soft ? hard + 10 : hard, soft};
}

namespace detail {
// The same rule card by card: with every ace as 1 a hand's hard sum only
// grows, and one ace counts 11 while that keeps it at 21 or less.
constexpr HandTotal AddCard(HandTotal before, int value) {
    const int hard = before.total - (before.soft ? 10 : 0) + value;
    const bool soft = (before.soft || value == 1) && hard <= 11;
    return HandTotal{hard + (soft ? 10 : 0), soft};
}

// AddCard for every total below 32, hard and soft, and every hard value of
// a card (0 adds nothing), the result packed as total + 64 * soft. A hand
// draws only below 21, so its totals stay inside.
inline constexpr int TABLED_TOTALS = 32;
inline constexpr int HIGHEST_HARD_VALUE = 10;
constexpr std::array<std::array<uint8_t, HIGHEST_HARD_VALUE + 1>, 2 * TABLED_TOTALS>
BuildNextTotals() {
    std::array<std::array<uint8_t, HIGHEST_HARD_VALUE + 1>, 2 * TABLED_TOTALS> next{};
    for (int soft = 0; soft <= 1; ++soft) {
        for (int total = 0; total < TABLED_TOTALS; ++total) {
            for (int value = 0; value <= HIGHEST_HARD_VALUE; ++value) {
                const HandTotal t = AddCard(HandTotal{total, soft == 1}, value);
                next[soft * TABLED_TOTALS + total][value] =
                    static_cast<uint8_t>(t.total + (t.soft ? 64 : 0));
            }
        }
    }
    return next;
}
inline constexpr auto NEXT_TOTALS = BuildNextTotals();
}  // namespace detail

// Adds a card of `hardValue` (the ace as 1; 0 adds nothing) to a hand whose
// total so far is `before`. Every card of every round passes here: one
// look-up in a table drawn from the rule above instead of the arithmetic,
// whose steps depend on one another.
inline HandTotal WithHardValue(HandTotal before, int hardValue) {
    if (static_cast<uint32_t>(before.total) >= detail::TABLED_TOTALS) [[unlikely]] {
        return detail::AddCard(before, hardValue);
    }
    const int next = detail::NEXT_TOTALS[static_cast<int>(before.soft) * detail::TABLED_TOTALS +
                                         before.total][hardValue];
    return HandTotal{next & 63, next >= 64};
}

// Adds `code` to a hand whose total so far is `before`; a code that is no
// card adds nothing.
inline HandTotal WithCard(HandTotal before, CardCode code) {
    return WithHardValue(before, CardHardValue(code));
}

}  // namespace tavexo
