#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>

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

// The rail under a box's player place, with its action buttons: dark wood
// with a gold edge above and rounded lower corners.
void PaintBoxRail(QPainter& painter, const QRect& rect);

// A picture the size of `widget` at its device pixel ratio, painted by
// `paint` whenever its size or `variant` changes and kept otherwise: the
// frames' backgrounds are curves and gradients, far dearer to paint at
// every change of a card or a label than to copy.
class CachedPicture {
  public:
    template <typename Paint>
    const QPixmap& For(const QSize& size, qreal ratio, int variant, Paint paint) {
        if (picture_.isNull() || size_ != size || ratio_ != ratio || variant_ != variant) {
            size_ = size;
            ratio_ = ratio;
            variant_ = variant;
            picture_ = QPixmap(size * ratio);
            picture_.setDevicePixelRatio(ratio);
            picture_.fill(Qt::transparent);
            paint(picture_);
        }
        return picture_;
    }

  private:
    QPixmap picture_;
    QSize size_;
    qreal ratio_ = 0;
    int variant_ = -1;
};

// Copies the part of `picture` (of the widget's size) that `area` covers.
void DrawPicturePart(QPainter& painter, const QRect& area, const QPixmap& picture);

// The start screen's picture.
QPixmap StartPicture(const QSize& size, qreal devicePixelRatio = 1.0);

}  // namespace tavexo
