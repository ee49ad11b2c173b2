#include "ui/common/card_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

#include <vector>

namespace tavexo {

namespace {

const QColor RED(178, 18, 38);
const QColor BLACK(22, 22, 28);
const QColor GOLD(214, 168, 52);
const QColor GOLD_DARK(150, 110, 20);
const QColor SKIN(244, 214, 182);
const QColor BORDER(120, 120, 120);

// The corner index: rank letter and a small suit, as German decks print them.
const std::array<const char*, 14> INDEX = {"",  "A", "2", "3",  "4", "5", "6",
                                           "7", "8", "9", "10", "B", "D", "K"};

QColor SuitColor(int suit) {
    return IsRedSuit(suit) ? RED : BLACK;
}

void FillSuit(QPainter& p, int suit, const QRectF& r) {
    QTransform t;
    t.translate(r.x(), r.y());
    t.scale(r.width(), r.height());
    p.fillPath(t.map(SuitPath(suit)), SuitColor(suit));
}

// A pip centred at (x, y); pips in the lower half are upside down, as on a
// real card, so that the card reads the same from both sides of the table.
void Pip(QPainter& p, int suit, qreal x, qreal y, qreal w, qreal h, bool flipped) {
    p.save();
    p.translate(x, y);
    if (flipped) p.rotate(180);
    FillSuit(p, suit, QRectF(-w / 2, -h / 2, w, h));
    p.restore();
}

QFont IndexFont(bool narrow) {
    QFont font;
    font.setFamilies(
        {QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")});
    font.setPixelSize(12);
    font.setBold(true);
    if (narrow) {
        font.setStretch(QFont::Condensed);
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1.0);
    }
    return font;
}

void Corner(QPainter& p, int rank, int suit) {
    p.setPen(SuitColor(suit));
    p.setFont(IndexFont(rank == 10));
    p.drawText(QRectF(0.5, 2, 15, 13), Qt::AlignHCenter | Qt::AlignVCenter, INDEX[rank]);
    FillSuit(p, suit, QRectF(3.5, 16, 9, 10));
}

// Pip places of the number cards, in units of the pip field (0..1).
struct PipPlace {
    qreal x, y;
};
constexpr qreal L = 0.0, C = 0.5, R = 1.0;
const std::array<std::vector<PipPlace>, 11> PIPS = {{
    {},
    {},
    {{C, 0}, {C, 1}},
    {{C, 0}, {C, 0.5}, {C, 1}},
    {{L, 0}, {R, 0}, {L, 1}, {R, 1}},
    {{L, 0}, {R, 0}, {C, 0.5}, {L, 1}, {R, 1}},
    {{L, 0}, {R, 0}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}},
    {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {L, 1}, {R, 1}},
    {{L, 0}, {R, 0}, {C, 0.25}, {L, 0.5}, {R, 0.5}, {C, 0.75}, {L, 1}, {R, 1}},
    {{L, 0},
     {R, 0},
     {L, 1.0 / 3},
     {R, 1.0 / 3},
     {C, 0.5},
     {L, 2.0 / 3},
     {R, 2.0 / 3},
     {L, 1},
     {R, 1}},
    {{L, 0},
     {R, 0},
     {C, 1.0 / 6},
     {L, 1.0 / 3},
     {R, 1.0 / 3},
     {L, 2.0 / 3},
     {R, 2.0 / 3},
     {C, 5.0 / 6},
     {L, 1},
     {R, 1}},
}};

void NumberPips(QPainter& p, int rank, int suit) {
    const QRectF field(23.5, 19, 24, 58);  // pip centres
    const bool crowded = rank >= 9;
    for (const PipPlace& place : PIPS[rank]) {
        const qreal x = field.x() + place.x * field.width();
        const qreal y = field.y() + place.y * field.height();
        Pip(p, suit, x, y, crowded ? 10.5 : 12, crowded ? 11.5 : 13, place.y > 0.5);
    }
}

void Ace(QPainter& p, int suit) {
    // A large pip with a thin ring, the ace's traditional flourish.
    p.setPen(QPen(SuitColor(suit), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(35.5, 48), 19, 19);
    Pip(p, suit, 35.5, 48, 26, 28, false);
}

// The upper half of a court figure in a 43 x 38 box; the lower half is the
// same figure turned about the card's centre.
void CourtHalf(QPainter& p, int rank, int suit) {
    const QColor robe = IsRedSuit(suit) ? RED : QColor(32, 58, 120);
    const QColor trim = IsRedSuit(suit) ? QColor(30, 60, 130) : RED;
    QPen outline(QColor(40, 30, 20), 0.7);

    // Robe and shoulders.
    QPainterPath body;
    body.moveTo(3, 38);
    body.cubicTo(4, 31, 9, 27.5, 21.5, 27.5);
    body.cubicTo(34, 27.5, 39, 31, 40, 38);
    body.closeSubpath();
    p.setPen(outline);
    p.setBrush(robe);
    p.drawPath(body);
    // A gold collar and a stripe of the second colour down the front.
    p.setBrush(GOLD);
    p.drawChord(QRectF(11, 22.5, 21, 10), 180 * 16, 180 * 16);
    p.setBrush(trim);
    p.drawRect(QRectF(19.5, 32, 4, 6));

    // Hair behind the face: long for the queen, short for the others.
    p.setBrush(rank == 12 ? QColor(196, 140, 40) : QColor(90, 60, 30));
    if (rank == 12)
        p.drawRoundedRect(QRectF(14.5, 13, 14, 16), 5, 5);
    else
        p.drawEllipse(QRectF(15.5, 13, 12, 11));

    // Face.
    p.setBrush(SKIN);
    p.drawEllipse(QRectF(16.5, 14.5, 10, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 20));
    p.drawEllipse(QPointF(19.6, 19.5), 0.8, 0.8);
    p.drawEllipse(QPointF(23.4, 19.5), 0.8, 0.8);
    p.setPen(QPen(QColor(170, 60, 50), 0.8));
    p.drawLine(QPointF(20.3, 23.5), QPointF(22.7, 23.5));

    p.setPen(outline);
    if (rank == 13) {
        // King: a full beard and a crown with three points.
        p.setBrush(QColor(225, 225, 225));
        QPainterPath beard;
        beard.moveTo(16.8, 22);
        beard.cubicTo(17, 29, 26, 29, 26.2, 22);
        beard.cubicTo(24, 25, 19, 25, 16.8, 22);
        p.drawPath(beard);
        QPainterPath crown;
        crown.moveTo(15, 15);
        crown.lineTo(14.5, 6);
        crown.lineTo(18.5, 10);
        crown.lineTo(21.5, 4);
        crown.lineTo(24.5, 10);
        crown.lineTo(28.5, 6);
        crown.lineTo(28, 15);
        crown.closeSubpath();
        p.setBrush(GOLD);
        p.drawPath(crown);
        p.setPen(Qt::NoPen);
        p.setBrush(RED);
        p.drawEllipse(QPointF(21.5, 12.3), 1.3, 1.3);
    } else if (rank == 12) {
        // Queen: a low tiara with a jewel and a flower in her hand.
        QPainterPath tiara;
        tiara.moveTo(16, 15.5);
        tiara.cubicTo(17, 9, 26, 9, 27, 15.5);
        tiara.cubicTo(24, 13.5, 19, 13.5, 16, 15.5);
        p.setBrush(GOLD);
        p.drawPath(tiara);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 120, 200));
        p.drawEllipse(QPointF(21.5, 11.5), 1.4, 1.4);
        p.setPen(QPen(QColor(40, 110, 40), 1.0));
        p.drawLine(QPointF(7, 36), QPointF(8.5, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(trim);
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(8.5, 22.5);
            p.rotate(i * 72);
            p.drawEllipse(QRectF(-1.2, -3.6, 2.4, 3.2));
            p.restore();
        }
        p.setBrush(GOLD);
        p.drawEllipse(QPointF(8.5, 22.5), 1.1, 1.1);
    } else {
        // Jack: a cap with a feather and a halberd over his shoulder.
        QPainterPath cap;
        cap.moveTo(14.5, 17);
        cap.cubicTo(13, 9, 30, 9, 29, 17);
        cap.cubicTo(24, 14.5, 19, 14.5, 14.5, 17);
        p.setBrush(trim);
        p.drawPath(cap);
        QPainterPath feather;
        feather.moveTo(27, 12);
        feather.cubicTo(31, 5, 35, 4, 37, 3);
        feather.cubicTo(35, 7, 32, 11, 27, 12);
        p.setBrush(GOLD);
        p.drawPath(feather);
        p.setPen(QPen(QColor(110, 80, 40), 1.2));
        p.drawLine(QPointF(35, 37), QPointF(35, 8));
        p.setPen(outline);
        p.setBrush(QColor(190, 190, 200));
        QPainterPath blade;
        blade.moveTo(35, 4);
        blade.lineTo(38.5, 9);
        blade.lineTo(35, 11);
        blade.closeSubpath();
        p.drawPath(blade);
    }
}

void Court(QPainter& p, int rank, int suit) {
    const QRectF frame(14.5, 10.5, 42, 75);
    p.setPen(QPen(SuitColor(suit), 1.0));
    QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
    shade.setColorAt(0, QColor(252, 240, 205));
    shade.setColorAt(0.5, QColor(246, 228, 180));
    shade.setColorAt(1, QColor(252, 240, 205));
    p.setBrush(shade);
    p.drawRect(frame);

    p.save();
    p.setClipRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.x() - 0.5, frame.y() - 0.5);
        CourtHalf(p, rank, suit);
        // A suit pip in the free upper corner of each half.
        FillSuit(p, suit, QRectF(3, 3, 8, 9));
        p.restore();
    }
    p.restore();
    p.setPen(QPen(GOLD_DARK, 0.8));
    p.drawLine(QPointF(frame.left(), 48), QPointF(frame.right(), 48));
}

QImage NewCardImage(qreal ratio) {
    QImage image(qRound(CARD_WIDTH * ratio), qRound(CARD_HEIGHT * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

void CardOutline(QPainter& p, const QBrush& fill) {
    p.setPen(QPen(BORDER, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, CARD_WIDTH - 1, CARD_HEIGHT - 1), 5, 5);
}

}  // namespace

bool IsRedSuit(int suit) {
    return suit == static_cast<int>(Suit::Herz) || suit == static_cast<int>(Suit::Karo);
}

QPainterPath SuitPath(int suit) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    auto heart = [](QPainterPath& h) {
        h.moveTo(0.5, 1.0);
        h.cubicTo(0.42, 0.84, 0.0, 0.62, 0.0, 0.3);
        h.cubicTo(0.0, 0.1, 0.15, 0.0, 0.28, 0.0);
        h.cubicTo(0.4, 0.0, 0.47, 0.08, 0.5, 0.2);
        h.cubicTo(0.53, 0.08, 0.6, 0.0, 0.72, 0.0);
        h.cubicTo(0.85, 0.0, 1.0, 0.1, 1.0, 0.3);
        h.cubicTo(1.0, 0.62, 0.58, 0.84, 0.5, 1.0);
        h.closeSubpath();
    };
    auto stem = [](QPainterPath& s) {
        s.moveTo(0.5, 0.55);
        s.cubicTo(0.52, 0.8, 0.6, 0.93, 0.74, 1.0);
        s.lineTo(0.26, 1.0);
        s.cubicTo(0.4, 0.93, 0.48, 0.8, 0.5, 0.55);
        s.closeSubpath();
    };
    switch (static_cast<Suit>(suit)) {
        case Suit::Herz:
            heart(path);
            break;
        case Suit::Karo:
            path.moveTo(0.5, 0.0);
            path.quadTo(0.66, 0.3, 0.9, 0.5);
            path.quadTo(0.66, 0.7, 0.5, 1.0);
            path.quadTo(0.34, 0.7, 0.1, 0.5);
            path.quadTo(0.34, 0.3, 0.5, 0.0);
            path.closeSubpath();
            break;
        case Suit::Pik: {
            QPainterPath h;
            heart(h);
            // The spade is a heart standing on its point, over a stem.
            QTransform t(1, 0, 0, -0.78, 0, 0.78);
            path.addPath(t.map(h));
            stem(path);
            break;
        }
        case Suit::Kreuz:
            path.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
            path.addEllipse(QPointF(0.25, 0.56), 0.23, 0.23);
            path.addEllipse(QPointF(0.75, 0.56), 0.23, 0.23);
            path.addEllipse(QPointF(0.5, 0.48), 0.13, 0.13);
            stem(path);
            break;
    }
    return path;
}

QImage CardPainter::PaintFace(CardCode code, qreal ratio) {
    QImage image = NewCardImage(ratio);
    if (code < 1 || code > CARDS_PER_DECK) return image;
    const int rank = CardRank(code);
    const int suit = CardSuit(code);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient paper(0, 0, CARD_WIDTH, CARD_HEIGHT);
    paper.setColorAt(0, QColor(255, 255, 255));
    paper.setColorAt(1, QColor(240, 238, 232));
    CardOutline(p, paper);

    Corner(p, rank, suit);
    p.save();
    p.translate(CARD_WIDTH, CARD_HEIGHT);
    p.rotate(180);
    Corner(p, rank, suit);
    p.restore();

    if (rank == 1)
        Ace(p, suit);
    else if (rank <= 10)
        NumberPips(p, rank, suit);
    else
        Court(p, rank, suit);
    return image;
}

QImage CardPainter::PaintBack(qreal ratio) {
    QImage image = NewCardImage(ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    CardOutline(p, QColor(250, 248, 242));

    const QRectF inner(4.5, 4.5, CARD_WIDTH - 9, CARD_HEIGHT - 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 20, 32));
    p.drawRoundedRect(inner, 3, 3);
    // A diagonal lattice, the classic casino back.
    p.save();
    p.setClipRect(inner.adjusted(1, 1, -1, -1));
    p.setPen(QPen(QColor(176, 52, 62), 1.0));
    for (int d = -100; d < 180; d += 7) {
        p.drawLine(QPointF(d, 0), QPointF(d + 100, 100));
        p.drawLine(QPointF(d + 100, 0), QPointF(d, 100));
    }
    p.restore();
    p.setPen(QPen(GOLD, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(2, 2, -2, -2), 2, 2);
    // The emblem: a gold oval with the table's initial.
    const QRectF oval(CARD_WIDTH / 2.0 - 14, CARD_HEIGHT / 2.0 - 18, 28, 36);
    p.setBrush(QColor(128, 20, 32));
    p.drawEllipse(oval);
    QFont font;
    font.setFamilies(
        {QStringLiteral("P052"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(GOLD);
    p.drawText(oval, Qt::AlignCenter, QStringLiteral("T"));
    return image;
}

QImage CardPainter::PaintSmallFace(CardCode code, qreal ratio) {
    QImage image(qRound(SMALL_CARD_WIDTH * ratio), qRound(SMALL_CARD_HEIGHT * ratio),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    if (code < 1 || code > CARDS_PER_DECK) return image;
    // Painted at the full size and scaled down smoothly.
    const QImage full = PaintFace(code, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, SMALL_CARD_WIDTH, SMALL_CARD_HEIGHT), full);
    // The upper index again at its full size: the part of the card that
    // stays visible under the next one.
    const QRectF patch(1.5, 1.5, 14, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(patch);
    p.setPen(SuitColor(CardSuit(code)));
    p.setFont(IndexFont(CardRank(code) == 10));
    p.drawText(QRectF(0.5, 1.5, 15, 13), Qt::AlignHCenter | Qt::AlignVCenter,
               INDEX[CardRank(code)]);
    FillSuit(p, CardSuit(code), QRectF(3.5, 15, 9, 10));
    return image;
}

CardPainter::CardPainter(qreal devicePixelRatio) : ratio_(devicePixelRatio) {}

const QPixmap& CardPainter::Face(CardCode code) {
    if (code < 1 || code > CARDS_PER_DECK) return Back();
    QPixmap& face = faces_[static_cast<size_t>(code - 1)];
    if (face.isNull()) face = QPixmap::fromImage(PaintFace(code, ratio_));
    return face;
}

const QPixmap& CardPainter::SmallFace(CardCode code) {
    if (code < 1 || code > CARDS_PER_DECK) return Back();
    QPixmap& face = smallFaces_[static_cast<size_t>(code - 1)];
    if (face.isNull()) face = QPixmap::fromImage(PaintSmallFace(code, ratio_));
    return face;
}

const QPixmap& CardPainter::Back() {
    if (back_.isNull()) back_ = QPixmap::fromImage(PaintBack(ratio_));
    return back_;
}

}  // namespace tavexo
