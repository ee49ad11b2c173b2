#include <QCryptographicHash>
#include <QGuiApplication>
#include <QSet>
#include <QTest>

#include "ui/common/card_painter.h"

using namespace tavexo;

namespace {

QByteArray Digest(const QImage& image) {
    const QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(plain.constBits(), plain.sizeInBytes()),
                                    QCryptographicHash::Sha1);
}

// Counts clearly red and clearly dark pixels in a part of a face.
struct Inks {
    int red = 0;
    int dark = 0;
};
Inks InksIn(const QImage& image, const QRect& area) {
    Inks inks;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 120 && c.green() < 80 && c.blue() < 90) ++inks.red;
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60 && c.alpha() > 200) ++inks.dark;
        }
    return inks;
}

}  // namespace

class CardPainterTest : public QObject {
    Q_OBJECT
  private slots:
    void everyCardHasItsOwnFace();
    void indexColourFollowsSuit();
    void bothCornersCarryTheIndex();
    void backAndCacheAndSharpness();
};

void CardPainterTest::everyCardHasItsOwnFace() {
    QSet<QByteArray> seen;
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) {
        const QImage face = CardPainter::PaintFace(code);
        QCOMPARE(face.size(), QSize(CARD_WIDTH, CARD_HEIGHT));
        // Opaque inside, transparent only in the rounded corners.
        QCOMPARE(face.pixelColor(35, 48).alpha(), 255);
        QCOMPARE(face.pixelColor(0, 0).alpha(), 0);
        seen.insert(Digest(face));
    }
    QCOMPARE(seen.size(), CARDS_PER_DECK);
    QVERIFY(!seen.contains(Digest(CardPainter::PaintBack())));
}

void CardPainterTest::indexColourFollowsSuit() {
    const QRect index(1, 1, 15, 27);
    for (CardCode code = 1; code <= CARDS_PER_DECK; ++code) {
        const Inks inks = InksIn(CardPainter::PaintFace(code), index);
        const bool red = IsRedSuit(CardSuit(code));
        QVERIFY2(
            red ? inks.red > 20 && inks.dark == 0 : inks.dark > 20 && inks.red == 0,
            qPrintable(
                QStringLiteral("card %1: red %2 dark %3").arg(code).arg(inks.red).arg(inks.dark)));
    }
}

void CardPainterTest::bothCornersCarryTheIndex() {
    // The lower index is the upper one turned round.
    for (CardCode code : {1, 10, 23, 37, 52}) {
        const QImage face = CardPainter::PaintFace(code);
        const QImage top = face.copy(1, 1, 15, 27);
        const QImage bottom = face.copy(CARD_WIDTH - 16, CARD_HEIGHT - 28, 15, 27)
                                  .transformed(QTransform().rotate(180));
        const Inks a = InksIn(top, top.rect());
        const Inks b = InksIn(bottom, bottom.rect());
        QVERIFY(a.red + a.dark > 20);
        QVERIFY(std::abs((a.red + a.dark) - (b.red + b.dark)) <= (a.red + a.dark) / 5);
    }
}

void CardPainterTest::backAndCacheAndSharpness() {
    CardPainter painter;
    const QPixmap& first = painter.Face(14);
    QCOMPARE(first.size(), QSize(CARD_WIDTH, CARD_HEIGHT));
    QCOMPARE(painter.Face(14).cacheKey(), first.cacheKey());
    // A code outside 1..52 shows the back rather than reading past the deck.
    QCOMPARE(painter.Face(0).cacheKey(), painter.Back().cacheKey());
    QCOMPARE(painter.Face(53).cacheKey(), painter.Back().cacheKey());

    // On a high-density screen the face has twice the pixels, same layout size.
    const QImage sharp = CardPainter::PaintFace(14, 2.0);
    QCOMPARE(sharp.size(), QSize(2 * CARD_WIDTH, 2 * CARD_HEIGHT));
    QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(CARD_WIDTH, CARD_HEIGHT));
}

QTEST_MAIN(CardPainterTest)
#include "card_painter_test.moc"
