#include "engine/cards.h"

namespace tavexo {

namespace {

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

}  // namespace

const std::array<TCardInfo, CARDS_PER_DECK> CARD_TABLE = BuildCardTable();

const char* CardText(CardCode code) {
    return RANK_NAMES[CardRank(code)];
}

HandTotal TotalOf(const CardCode* cards, int count) {
    int sum = 0;
    int aces = 0;
    for (int i = 0; i < count; ++i) {
        const int value = CardValue(cards[i]);
        sum += value;
        aces += value == 11 ? 1 : 0;
    }
    while (sum > 21 && aces > 0) {
        sum -= 10;
        --aces;
    }
    return HandTotal{sum, aces > 0};
}

}  // namespace tavexo
