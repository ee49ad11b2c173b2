#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "engine/cards.h"

class QLabel;

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
// the shallow arc, later cards over earlier ones.
class CardArea : public QWidget {
    Q_OBJECT
  public:
    CardArea(CardPainter& painter, const CardPlaces& places, QWidget* parent);

    // Where the n-th card (1..12, later ones on the twelfth's place) of a hand lies.
    QRect CardPlace(int hand, int n) const;

    void ShowCard(int hand, int n, CardCode code);
    // After a split hand 1's second card becomes hand 2's first.
    void MoveSecondCardToHand2();
    void Clear();

    int CardCount() const { return static_cast<int>(cards_.size()); }
    // The cards in the order they were put down.
    std::vector<CardCode> Codes() const;

  private:
    struct Card {
        QLabel* label;
        CardCode code;
    };
    CardPainter& painter_;
    CardPlaces places_;
    std::vector<Card> cards_;
    QLabel* secondCard_ = nullptr;
};

}  // namespace tavexo
