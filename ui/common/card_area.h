#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "engine/cards.h"

class QLabel;

namespace tavexo {

class CardPainter;

// The place where a hand's cards lie: each card a picture at its place on
// the shallow arc, later cards over earlier ones.
class CardArea : public QWidget {
    Q_OBJECT
  public:
    // `cardX` gives the x of the n-th card of hand 1; hand 2 lies
    // SECOND_HAND_OFFSET_X further right.
    CardArea(CardPainter& painter, const std::array<int, 12>& cardX, QWidget* parent);

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
    std::array<int, 12> cardX_;
    std::vector<Card> cards_;
    QLabel* secondCard_ = nullptr;
};

}  // namespace tavexo
