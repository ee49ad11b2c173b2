#include "engine/history_row.h"

namespace tavexo {

std::string CardsText(const CardCode* cards, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0) text += ' ';
        text += CardText(cards[i]);
    }
    return text;
}

std::string BoxCardsText(const TPlayerBox& box) {
    const THand& h1 = box.Hand(1);
    std::string text = CardsText(h1.cards.data(), h1.cardCount);
    if (box.isSplit) {
        const THand& h2 = box.Hand(2);
        text += " + " + CardsText(h2.cards.data(), h2.cardCount);
    }
    return text;
}

std::string BoxTotalText(const TPlayerBox& box) {
    std::string text = std::to_string(box.Hand(1).total);
    if (box.isSplit) text += " + " + std::to_string(box.Hand(2).total);
    return text;
}

HistoryRow HistoryRowOf(const TPlayerBox& box, const TDealerHand& dealer, float roundStake,
                        float result) {
    HistoryRow row;
    row.row = box.historyRow;
    row.units = box.units;
    row.roundStake = roundStake;
    row.dealerCards = CardsText(dealer.cards.data(), dealer.cardCount);
    row.boxCards = BoxCardsText(box);
    row.decisions = box.decisions.Text();
    row.dealerTotal = dealer.total;
    row.boxTotal = BoxTotalText(box);
    row.result = result;
    row.capital = box.capital;
    row.startCapital = box.startCapital;
    row.turnover = box.turnover;
    return row;
}

}  // namespace tavexo
