#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPixmap>

#include <array>

#include "engine/cards.h"

namespace tavexo {

inline constexpr int CARD_WIDTH = 71;
inline constexpr int CARD_HEIGHT = 96;
// The smaller cards of a box frame, where two split hands share the width.
inline constexpr int SMALL_CARD_WIDTH = 46;
inline constexpr int SMALL_CARD_HEIGHT = 62;

// The four suits in suit-number order (1 to 4) and their colours.
enum class Suit { Kreuz = 1, Pik, Herz, Karo };
bool IsRedSuit(int suit);
// A suit symbol filling the rectangle (0,0)-(1,1); scale it to the size wanted.
QPainterPath SuitPath(int suit);

// Our own card faces: indices in two corners, the pips of the number cards,
// a simple court figure for jack, queen and king, and a card back. Drawn with
// QPainter at the device pixel ratio of the screen so that they stay crisp.
class CardPainter {
  public:
    explicit CardPainter(qreal devicePixelRatio = 1.0);

    const QPixmap& Face(CardCode code);
    const QPixmap& Back();
    // The face at SMALL_CARD_WIDTH x SMALL_CARD_HEIGHT, its corner index
    // drawn anew at full size so that it reads as well as on a large card.
    const QPixmap& SmallFace(CardCode code);

    static QImage PaintFace(CardCode code, qreal devicePixelRatio = 1.0);
    static QImage PaintBack(qreal devicePixelRatio = 1.0);
    static QImage PaintSmallFace(CardCode code, qreal devicePixelRatio = 1.0);

  private:
    qreal ratio_;
    std::array<QPixmap, CARDS_PER_DECK> faces_;
    std::array<QPixmap, CARDS_PER_DECK> smallFaces_;
    QPixmap back_;
};

}  // namespace tavexo
