#include "ui/common/card_area.h"

#include <QLabel>

#include <algorithm>

#include "engine/table_state.h"
#include "ui/common/card_painter.h"

namespace tavexo {

CardArea::CardArea(CardPainter& painter, const CardPlaces& places, QWidget* parent)
    : QWidget(parent), painter_(painter), places_(places) {}

QRect CardArea::CardPlace(int hand, int n) const {
    // Cards after the twelfth lie on the twelfth's place.
    const int place = std::clamp(n, 1, 12) - 1;
    const int x = places_.x[place] + (hand == 2 ? places_.secondHandOffset : 0);
    return QRect(QPoint(x, places_.y[place]), places_.cardSize);
}

void CardArea::ShowCard(int hand, int n, CardCode code) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Karte"));
    const bool small = places_.cardSize.width() < CARD_WIDTH;
    label->setPixmap(small ? painter_.SmallFace(code) : painter_.Face(code));
    label->setGeometry(CardPlace(hand, n));
    label->setToolTip(QString::fromUtf8(CardText(code)));
    label->show();
    label->raise();
    cards_.push_back({label, code});
    if (hand == 1 && n == 2) secondCard_ = label;
}

void CardArea::MoveSecondCardToHand2() {
    if (!secondCard_) return;
    secondCard_->move(CardPlace(2, 1).topLeft());
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
