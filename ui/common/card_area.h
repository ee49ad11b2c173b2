#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "engine/cards.h"

namespace tavexo {

class CardPainter;

// Where the cards of an area lie: the n-th card of hand 1 at (x[n-1],
// y[n-1]), hand 2 secondHandOffset further right, each card of the given
// size (the small faces when it is smaller than a full card).
struct CardPlaces {
    std::array<int, 12> x;
    std::array<int, 12> y;
    int secondHandOffset;
    QSize cardSize;
};

// The place where a hand's cards lie: each card a picture at its place on
// the shallow arc, later cards over earlier ones. A hand that would run out
// of its share of the area (the whole width, or its half after a split) is
// fanned tighter, so that no card lies over the other hand or outside. The
// area paints the pictures itself: a robot table deals hundreds of cards a
// second, and a widget per card would cost far more than the card.
class CardArea : public QWidget {
    Q_OBJECT
  public:
    CardArea(CardPainter& painter, const CardPlaces& places, QWidget* parent);

    // Where the n-th card of a hand lies while the hand holds the cards it
    // holds now (at least n).
    QRect CardPlace(int hand, int n) const;
    // The share of the area a hand's cards keep to.
    QRect HandArea(int hand) const;
    // The cards a hand holds.
    int CardsInHand(int hand) const;

    void ShowCard(int hand, int n, CardCode code);
    // After a split hand 1's second card becomes hand 2's first.
    void MoveSecondCardToHand2();
    void Clear();

    int CardCount() const { return static_cast<int>(cards_.size()); }
    // The cards in the order they were put down.
    std::vector<CardCode> Codes() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Card {
        CardCode code;
        int hand;
        int n;
    };
    // The x of the n-th card before any tightening; past the twelfth place
    // the last step repeats.
    int NominalX(int n) const;
    void CardsChanged();

    CardPainter& painter_;
    CardPlaces places_;
    std::vector<Card> cards_;
    bool split_ = false;
};

}  // namespace tavexo
