#pragma once

#include <QGroupBox>

#include <vector>

#include "engine/cards.h"

class QLabel;

namespace tavexo {

class CardPainter;

// One place of the counting drill: a box "Spieler 1" to "Spieler 7" or the
// "Dealer", with a check mark in its title that says whether it receives
// cards, and the card area where its cards lie side by side, each 30
// pixels right of the one before, the later over the earlier.
class DrillPlaceBox : public QGroupBox {
    Q_OBJECT
  public:
    DrillPlaceBox(int place, CardPainter& painter, QWidget* parent = nullptr);

    void ShowCard(int n, CardCode code);
    void HideCard(int n);
    // The cards shown now, first to last.
    std::vector<CardCode> VisibleCards() const;
    QWidget* CardArea() const { return area_; }

    static QPoint CardPosition(int n) { return QPoint(n * 30 - 25, 7); }

  private:
    struct Card {
        QLabel* label;
        CardCode code;
    };
    CardPainter& painter_;
    QWidget* area_;
    // The pictures are kept and used again round after round.
    std::vector<Card> cards_;
};

}  // namespace tavexo
