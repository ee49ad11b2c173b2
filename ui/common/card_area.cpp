#include "ui/common/card_area.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStringList>

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

int CardArea::CardsInHand(int hand) const {
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
    const int count = std::max(n, CardsInHand(hand));
    // The last card keeps its full face; the ones before share what is left.
    const int room = area.width() - places_.cardSize.width();
    const int spread = NominalX(count);
    int x = NominalX(n);
    if (spread > room && room > 0) x = x * room / spread;
    const int y = places_.y[std::clamp(n, 1, static_cast<int>(places_.y.size())) - 1];
    return QRect(QPoint(area.left() + x, y), places_.cardSize);
}

void CardArea::ShowCard(int hand, int n, CardCode code) {
    cards_.push_back({code, hand, n});
    if (hand == 2 && !split_) {
        // Hand 1 moves over to its half.
        split_ = true;
        update();
    } else {
        // A hand that closes up moves its earlier cards too.
        update(HandArea(hand));
    }
    CardsChanged();
}

void CardArea::MoveSecondCardToHand2() {
    for (Card& card : cards_) {
        if (card.hand == 1 && card.n == 2) {
            card.hand = 2;
            card.n = 1;
            split_ = true;
            update();
            CardsChanged();
            return;
        }
    }
}

void CardArea::Clear() {
    if (cards_.empty()) return;
    cards_.clear();
    split_ = false;
    update();
    CardsChanged();
}

void CardArea::CardsChanged() {
    // What the pictures show, for the tooltip and for screen readers.
    QStringList texts;
    for (const Card& card : cards_) texts << QString::fromUtf8(CardText(card.code));
    const QString cards = texts.join(QLatin1Char(' '));
    setToolTip(cards);
    setAccessibleName(cards.isEmpty() ? QStringLiteral("Keine Karten")
                                      : QStringLiteral("Karten: ") + cards);
}

void CardArea::paintEvent(QPaintEvent* event) {
    // Each card a picture drawn once and kept by the card painter; later
    // cards over earlier ones.
    QPainter p(this);
    const bool small = places_.cardSize.width() < CARD_WIDTH;
    for (const Card& card : cards_) {
        const QRect place = CardPlace(card.hand, card.n);
        if (!event->region().intersects(place)) continue;
        p.drawPixmap(place.topLeft(),
                     small ? painter_.SmallFace(card.code) : painter_.Face(card.code));
    }
}

std::vector<CardCode> CardArea::Codes() const {
    std::vector<CardCode> codes;
    for (const Card& card : cards_) codes.push_back(card.code);
    return codes;
}

}  // namespace tavexo
