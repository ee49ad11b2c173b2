#include "ui/common/card_area.h"

#include <QLabel>

#include <algorithm>

#include "engine/table_state.h"
#include "ui/common/card_painter.h"

namespace tavexo {

CardArea::CardArea(CardPainter& painter, const std::array<int, 12>& cardX, QWidget* parent)
    : QWidget(parent), painter_(painter), cardX_(cardX) {}

void CardArea::ShowCard(int hand, int n, CardCode code) {
    // Cards after the twelfth lie on the twelfth's place.
    const int place = std::clamp(n, 1, 12) - 1;
    const int x = cardX_[place] + (hand == 2 ? SECOND_HAND_OFFSET_X : 0);
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Karte"));
    label->setPixmap(painter_.Face(code));
    label->setGeometry(x, CARD_Y[place], CARD_WIDTH, CARD_HEIGHT);
    label->setToolTip(QString::fromUtf8(CardText(code)));
    label->show();
    label->raise();
    cards_.push_back({label, code});
    if (hand == 1 && n == 2) secondCard_ = label;
}

void CardArea::MoveSecondCardToHand2() {
    if (!secondCard_) return;
    secondCard_->move(cardX_[0] + SECOND_HAND_OFFSET_X, CARD_Y[0]);
    secondCard_ = nullptr;
}

void CardArea::Clear() {
    for (const Card& card : cards_) delete card.label;
    cards_.clear();
    secondCard_ = nullptr;
}

std::vector<CardCode> CardArea::Codes() const {
    std::vector<CardCode> codes;
    for (const Card& card : cards_) codes.push_back(card.code);
    return codes;
}

}  // namespace tavexo
