#include "ui/common/card_area.h"

#include <QLabel>

#include <algorithm>

#include "engine/table_state.h"
#include "ui/common/card_painter.h"

namespace tavexo {

CardArea::CardArea(CardPainter& painter, const CardPlaces& places, QWidget* parent)
    : QWidget(parent), painter_(painter), places_(places) {}

int CardArea::NominalX(int n) const {
    const auto& x = places_.x;
    const int last = static_cast<int>(x.size());
    if (n <= last) return x[std::max(n, 1) - 1];
    return x[last - 1] + (n - last) * (x[last - 1] - x[last - 2]);
}

int CardArea::HandCardCount(int hand) const {
    int count = 0;
    for (const Card& card : cards_) {
        if (card.hand == hand) count = std::max(count, card.n);
    }
    return count;
}

QRect CardArea::HandArea(int hand) const {
    if (hand == 1 && !split_) return rect();
    // A narrow gap keeps the two hands of a split apart.
    constexpr int HAND_GAP = 2;
    const int offset = places_.secondHandOffset;
    if (hand == 1) return QRect(0, 0, offset - HAND_GAP, height());
    return QRect(offset, 0, width() - offset, height());
}

QRect CardArea::CardPlace(int hand, int n) const {
    const QRect area = HandArea(hand);
    const int count = std::max(n, HandCardCount(hand));
    // The last card keeps its full face; the ones before share what is left.
    const int room = area.width() - places_.cardSize.width();
    const int spread = NominalX(count);
    int x = NominalX(n);
    if (spread > room && room > 0) x = x * room / spread;
    const int y = places_.y[std::clamp(n, 1, static_cast<int>(places_.y.size())) - 1];
    return QRect(QPoint(area.left() + x, y), places_.cardSize);
}

void CardArea::LayOutHand(int hand) {
    for (const Card& card : cards_) {
        if (card.hand == hand) card.label->setGeometry(CardPlace(hand, card.n));
    }
}

void CardArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOutHand(1);
    LayOutHand(2);
}

void CardArea::ShowCard(int hand, int n, CardCode code) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Karte"));
    const bool small = places_.cardSize.width() < CARD_WIDTH;
    label->setPixmap(small ? painter_.SmallFace(code) : painter_.Face(code));
    label->setToolTip(QString::fromUtf8(CardText(code)));
    cards_.push_back({label, code, hand, n});
    if (hand == 2 && !split_) {
        split_ = true;
        LayOutHand(1);
    }
    LayOutHand(hand);
    label->show();
    label->raise();
}

void CardArea::MoveSecondCardToHand2() {
    for (Card& card : cards_) {
        if (card.hand == 1 && card.n == 2) {
            card.hand = 2;
            card.n = 1;
            split_ = true;
            LayOutHand(1);
            LayOutHand(2);
            return;
        }
    }
}

void CardArea::Clear() {
    for (const Card& card : cards_) delete card.label;
    cards_.clear();
    split_ = false;
}

std::vector<CardCode> CardArea::Codes() const {
    std::vector<CardCode> codes;
    for (const Card& card : cards_) codes.push_back(card.code);
    return codes;
}

}  // namespace tavexo
