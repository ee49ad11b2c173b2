#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>

class QPainter;

namespace tavexo {

// The table's own artwork, painted in code so that it stays sharp at every
// window size: the cloth, the chips, the stop sign and the dealer's panel.

// The green of the table; the cloth picture fades into it at its edges.
inline const QColor TABLE_GREEN(0, 85, 0);
inline const QColor TABLE_GOLD(224, 192, 104);

// The whole table area: the green cloth with its texture and, inside the
// margins 250 left and right, 150 top and 50 bottom, the printed picture
// (the arcs with the payout rules), stretched to that rectangle.
void PaintTableCloth(QPainter& painter, const QRect& area);
inline constexpr int CLOTH_MARGIN_LEFT = 250;
inline constexpr int CLOTH_MARGIN_RIGHT = 250;
inline constexpr int CLOTH_MARGIN_TOP = 150;
inline constexpr int CLOTH_MARGIN_BOTTOM = 50;

// Casino chip number `coin` (1 to 5), each in its own colour.
QPixmap ChipPixmap(int coin, int size, qreal devicePixelRatio = 1.0);

// The 105 x 105 stop sign shown while a stop is pending.
QPixmap StopIndicatorPixmap(qreal devicePixelRatio = 1.0);

// The dealer frame's background.
void PaintDealerBackground(QPainter& painter, const QRect& rect);

// A box frame's title plate and the darker field of the player's place
// (the rail with the buttons paints itself).
void PaintBoxFrame(QPainter& painter, const QRect& rect, int titleHeight, bool rolledUp);

// The start screen's picture.
QPixmap StartPicture(const QSize& size, qreal devicePixelRatio = 1.0);

}  // namespace tavexo
