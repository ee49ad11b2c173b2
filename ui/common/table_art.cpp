#include "ui/common/table_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ui/common/card_painter.h"

namespace tavexo {

namespace {

// The printed picture is designed on a canvas of this size and stretched to
// the cloth's inner rectangle, as a bitmap would be.
constexpr double CANVAS_W = 1420;
constexpr double CANVAS_H = 790;
// All printed arcs share one centre above the canvas, so they run parallel
// to the curve of the boxes.
constexpr double ARC_CX = CANVAS_W / 2;
constexpr double ARC_CY = -308;

QFont SerifFont(double pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("P052"), QStringLiteral("Palatino Linotype"),
                      QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(bold);
    font.setLetterSpacing(QFont::PercentageSpacing, 108);
    return font;
}

QFont ScriptFont(double pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                      QStringLiteral("P052"), QStringLiteral("serif")});
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setItalic(true);
    return font;
}

// Writes `text` upright along the lower part of a circle around the arc
// centre, its baseline on the circle, centred at the bottom point.
void TextOnArc(QPainter& p, const QString& text, double radius, const QFont& font,
               const QColor& colour) {
    const QFontMetricsF metrics(font);
    const double span = metrics.horizontalAdvance(text) / radius;
    double angle = std::numbers::pi / 2 + span / 2;  // leftmost end; 90 degrees is straight down
    p.setFont(font);
    for (const QChar ch : text) {
        const double advance = metrics.horizontalAdvance(ch);
        const double mid = angle - advance / radius / 2;
        p.save();
        p.translate(ARC_CX + radius * std::cos(mid), ARC_CY + radius * std::sin(mid));
        p.rotate(mid * 180 / std::numbers::pi - 90);
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(QPointF(-advance / 2 + 1.2, 1.5), QString(ch));
        p.setPen(colour);
        p.drawText(QPointF(-advance / 2, 0), QString(ch));
        p.restore();
        angle -= advance / radius;
    }
}

void Arc(QPainter& p, double radius, double halfSpanDeg, const QPen& pen) {
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF circle(ARC_CX - radius, ARC_CY - radius, 2 * radius, 2 * radius);
    // Qt counts angles counter-clockwise from three o'clock: 270 is straight down.
    p.drawArc(circle, static_cast<int>((270 - halfSpanDeg) * 16),
              static_cast<int>(2 * halfSpanDeg * 16));
}

const QPixmap& FeltTile() {
    static const QPixmap tile = [] {
        // A fixed seed: the cloth looks the same at every start.
        QRandomGenerator random(85);
        QImage image(160, 160, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        for (int i = 0; i < 2600; ++i) {
            const int x = random.bounded(160);
            const int y = random.bounded(160);
            const bool light = random.bounded(2) == 0;
            const int alpha = 10 + random.bounded(16);
            image.setPixelColor(x, y,
                                light ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha));
        }
        return QPixmap::fromImage(image);
    }();
    return tile;
}

// `scale` is how much of the designed size the picture gets; at small
// window sizes the logo and the fine print would collide with the pause
// button and be too small to read, so they are left out there.
void PrintedPicture(QPainter& p, double scale) {
    // A soft light over the middle of the table.
    QRadialGradient light(QPointF(ARC_CX, 330), 620);
    light.setColorAt(0, QColor(70, 170, 80, 60));
    light.setColorAt(1, QColor(70, 170, 80, 0));
    p.fillRect(QRectF(0, 0, CANVAS_W, CANVAS_H), light);

    const bool details = scale >= 0.85;
    if (details) {
        QFont logo = ScriptFont(56);
        p.setFont(logo);
        const QRectF logoBox(ARC_CX - 200, 215, 400, 80);
        p.setPen(QColor(0, 0, 0, 70));
        p.drawText(logoBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Tavexo"));
        p.setPen(QColor(224, 192, 104, 150));
        p.drawText(logoBox, Qt::AlignCenter, QStringLiteral("Tavexo"));
    }

    TextOnArc(p, QStringLiteral("BLACK JACK ZAHLT 3 ZU 2"), 700, SerifFont(30, true), TABLE_GOLD);
    if (details)
        TextOnArc(p, QStringLiteral("Dealer zieht bis 16 und steht auf allen 17"), 722,
                  SerifFont(16, false), QColor(240, 230, 200, 200));

    const QPen band(QColor(224, 192, 104, 220), 2.2);
    Arc(p, 732, 23, band);
    Arc(p, 778, 23, band);
    TextOnArc(p, QStringLiteral("VERSICHERUNG ZAHLT 2 ZU 1"), 768, SerifFont(22, true),
              QColor(240, 230, 200));
}

QPainterPath Octagon(const QRectF& r) {
    const double cut = r.width() * (1 - 1 / std::numbers::sqrt2) / 2 * 1.0;
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right() - cut, r.top());
    path.lineTo(r.right(), r.top() + cut);
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left() + cut, r.bottom());
    path.lineTo(r.left(), r.bottom() - cut);
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

QPixmap NewPixmap(const QSize& size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

void PaintTableCloth(QPainter& p, const QRect& area) {
    p.fillRect(area, TABLE_GREEN);
    p.drawTiledPixmap(area, FeltTile());

    const QRect picture = area.adjusted(CLOTH_MARGIN_LEFT, CLOTH_MARGIN_TOP, -CLOTH_MARGIN_RIGHT,
                                        -CLOTH_MARGIN_BOTTOM);
    if (picture.width() > 50 && picture.height() > 50) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(picture.topLeft());
        const double sx = picture.width() / CANVAS_W;
        const double sy = picture.height() / CANVAS_H;
        p.scale(sx, sy);
        PrintedPicture(p, std::min(sx, sy));
        p.restore();
    }

    // Darker towards the edges, as under the lamp over a real table.
    QRadialGradient vignette(area.center(), std::hypot(area.width(), area.height()) * 0.62);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    p.fillRect(area, vignette);
}

QPixmap ChipPixmap(int coin, int size, qreal ratio) {
    static const QColor colours[] = {QColor(192, 40, 36), QColor(38, 84, 170), QColor(30, 30, 34),
                                     QColor(118, 52, 150), QColor(226, 120, 28)};
    const QColor colour = colours[(std::clamp(coin, 1, 5) - 1)];
    QPixmap pixmap = NewPixmap(QSize(size, size), ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size - 1.0, size - 1.0);
    const QPointF c = r.center();
    // Shadow, body, the edge spots and the inlay.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(r.translated(0.8, 1.0).adjusted(0.5, 0.5, -0.5, -0.5));
    p.setBrush(colour);
    p.drawEllipse(r.adjusted(0, 0, -0.8, -1));
    const QColor spot = coin == 3 ? TABLE_GOLD : QColor(245, 240, 230);
    p.setBrush(spot);
    const double radius = (size - 1.8) / 2;
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(c - QPointF(0.4, 0.5));
        p.rotate(i * 60);
        p.drawRect(QRectF(-radius * 0.16, -radius, radius * 0.32, radius * 0.28));
        p.restore();
    }
    p.setBrush(colour.lighter(112));
    p.setPen(QPen(spot, 0.8, Qt::DashLine));
    p.drawEllipse(c - QPointF(0.4, 0.5), radius * 0.6, radius * 0.6);
    return pixmap;
}

QPixmap StopIndicatorPixmap(qreal ratio) {
    QPixmap pixmap = NewPixmap(QSize(105, 105), ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(Octagon(QRectF(5, 6, 97, 97)));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(Octagon(QRectF(2, 2, 97, 97)));
    QLinearGradient red(0, 0, 0, 105);
    red.setColorAt(0, QColor(222, 40, 40));
    red.setColorAt(1, QColor(160, 16, 20));
    p.setBrush(red);
    p.drawPath(Octagon(QRectF(7, 7, 87, 87)));
    p.setPen(QPen(QColor(250, 250, 250), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(Octagon(QRectF(11, 11, 79, 79)));
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans")});
    font.setPixelSize(23);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    p.setFont(font);
    p.setPen(QColor(250, 250, 250));
    p.drawText(QRectF(2, 2, 97, 97), Qt::AlignCenter, QStringLiteral("STOPP"));
    return pixmap;
}

void PaintDealerBackground(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(1, 1, -1, -1);
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0, QColor(96, 58, 28));
    wood.setColorAt(1, QColor(52, 30, 14));
    p.setPen(QPen(QColor(24, 14, 6), 1));
    p.setBrush(wood);
    p.drawRoundedRect(r, 12, 12);
    const QRectF felt = r.adjusted(5, 5, -5, -5);
    QLinearGradient green(felt.topLeft(), felt.bottomLeft());
    green.setColorAt(0, QColor(14, 96, 38));
    green.setColorAt(1, QColor(6, 66, 26));
    p.setBrush(green);
    p.setPen(QPen(TABLE_GOLD, 1.2));
    p.drawRoundedRect(felt, 8, 8);
    p.drawTiledPixmap(felt.toRect().adjusted(2, 2, -2, -2), FeltTile());
    p.restore();
}

void PaintBoxFrame(QPainter& p, const QRect& rect, int titleHeight, bool rolledUp) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (!rolledUp) {
        // The player's place: a darker field with a thin printed gold line.
        p.setPen(QPen(QColor(224, 192, 104, 150), 1.0));
        p.setBrush(QColor(0, 0, 0, 46));
        p.drawRoundedRect(r, 9, 9);
    }
    // The title plate.
    QPainterPath plate;
    const QRectF title(r.left(), r.top(), r.width(), titleHeight);
    plate.addRoundedRect(title, 9, 9);
    if (!rolledUp) plate.addRect(QRectF(r.left(), r.top() + titleHeight - 10, r.width(), 10));
    QLinearGradient dark(title.topLeft(), title.bottomLeft());
    dark.setColorAt(0, QColor(20, 36, 24, 235));
    dark.setColorAt(1, QColor(6, 18, 10, 235));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(plate.simplified());
    p.setPen(QPen(QColor(224, 192, 104, 200), 1.0));
    if (rolledUp)
        p.drawRoundedRect(title, 9, 9);
    else
        p.drawLine(QPointF(r.left() + 6, titleHeight - 0.5),
                   QPointF(r.right() - 6, titleHeight - 0.5));
    p.restore();
}

void PaintBoxRail(QPainter& p, const QRect& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect);
    constexpr qreal radius = 9;
    QPainterPath shape;
    shape.moveTo(r.topLeft());
    shape.lineTo(r.topRight());
    shape.lineTo(r.right(), r.bottom() - radius);
    shape.quadTo(r.bottomRight(), QPointF(r.right() - radius, r.bottom()));
    shape.lineTo(r.left() + radius, r.bottom());
    shape.quadTo(r.bottomLeft(), QPointF(r.left(), r.bottom() - radius));
    shape.closeSubpath();
    QLinearGradient wood(r.topLeft(), r.bottomLeft());
    wood.setColorAt(0, QColor(0x4c, 0x2d, 0x18));
    wood.setColorAt(0.55, QColor(0x34, 0x1e, 0x10));
    wood.setColorAt(1, QColor(0x22, 0x13, 0x0a));
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawPath(shape);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(TABLE_GOLD, 1));
    p.drawLine(rect.topLeft(), rect.topRight());
    p.restore();
}

void DrawPicturePart(QPainter& painter, const QRect& area, const QPixmap& picture) {
    const qreal ratio = picture.devicePixelRatio();
    painter.drawPixmap(area, picture,
                       QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

QPixmap StartPicture(const QSize& size, qreal ratio) {
    QPixmap pixmap = NewPixmap(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    p.fillRect(r, QColor(0, 70, 0));
    p.drawTiledPixmap(r.toRect(), FeltTile());
    QRadialGradient light(QPointF(r.width() * 0.5, r.height() * 0.35), r.width() * 0.7);
    light.setColorAt(0, QColor(60, 170, 80, 110));
    light.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(r, light);

    // A blackjack fanned out on the cloth, with a few chips beside it.
    const QPointF pivot(r.width() * 0.30, r.height() * 0.86);
    const CardCode hand[] = {0, 14, 39};  // a card back, the ace of Pik, the king of Herz
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(pivot);
        p.rotate(-24 + i * 16);
        p.translate(-CARD_WIDTH / 2.0, -CARD_HEIGHT - 30);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(QRectF(3, 4, CARD_WIDTH, CARD_HEIGHT), 5, 5);
        p.drawImage(QPointF(0, 0), hand[i] == 0 ? CardPainter::PaintBack(ratio)
                                                : CardPainter::PaintFace(hand[i], ratio));
        p.restore();
    }
    for (int i = 0; i < 4; ++i)
        p.drawPixmap(QPointF(r.width() * 0.52 + i * 3, r.height() * 0.70 - i * 5),
                     ChipPixmap(1 + (i % 2) * 2, 34, ratio));
    p.drawPixmap(QPointF(r.width() * 0.58 + 22, r.height() * 0.74), ChipPixmap(2, 34, ratio));

    const QRectF titleBox(r.width() * 0.36, r.height() * 0.08, r.width() * 0.62, 80);
    p.setFont(ScriptFont(62));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(titleBox.translated(2, 3), Qt::AlignCenter, QStringLiteral("Tavexo"));
    p.setPen(TABLE_GOLD);
    p.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Tavexo"));
    p.setFont(SerifFont(14, false));
    p.setPen(QColor(240, 230, 200));
    p.drawText(QRectF(titleBox.left(), titleBox.bottom() - 4, titleBox.width(), 22),
               Qt::AlignCenter, QStringLiteral("Black Jack und Kartenzählen"));
    return pixmap;
}

}  // namespace tavexo
