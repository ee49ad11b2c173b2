#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "engine/table_state.h"
#include "ui/common/card_area.h"
#include "ui/common/card_painter.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"

using namespace tavexo;

namespace {

// The cards of an area in the order they were put down, with their places.
QList<QRect> CardPlaces(const CardArea* area) {
    QList<QRect> places;
    for (QLabel* card :
         area->findChildren<QLabel*>(QStringLiteral("Karte"), Qt::FindDirectChildrenOnly))
        places << card->geometry();
    return places;
}

}  // namespace

class FramesTest : public QObject {
    Q_OBJECT
  private slots:
    void boxCardsLieOnTheArc();
    void aSplitMovesTheSecondCardToHandTwo();
    void dealerCardsLieOnTheirArc();
    void onlyTheUsersChangesOfUnitsAreReported();
    void markersAndUnitsBlink();
    void aSwitchedOffBoxRollsUpOrHides();

  private:
    CardPainter cards_;
};

void FramesTest::boxCardsLieOnTheArc() {
    BoxFrame frame(5, cards_, nullptr);
    for (int n = 1; n <= 14; ++n) frame.ShowCard(1, n, n);
    const QList<QRect> places = CardPlaces(frame.Cards());
    QCOMPARE(places.size(), 14);
    for (int n = 1; n <= 14; ++n) {
        // Cards after the twelfth lie on the twelfth's place.
        const int i = std::min(n, 12) - 1;
        QCOMPARE(places[n - 1], QRect(BOX_CARD_X[i], CARD_Y[i], CARD_WIDTH, CARD_HEIGHT));
    }
    QCOMPARE(frame.Cards()->Codes().front(), 1);
    frame.ClearCards();
    QCOMPARE(frame.Cards()->CardCount(), 0);
    QVERIFY(CardPlaces(frame.Cards()).isEmpty());
}

void FramesTest::aSplitMovesTheSecondCardToHandTwo() {
    BoxFrame frame(1, cards_, nullptr);
    frame.ShowCard(1, 1, 8);
    frame.ShowCard(1, 2, 21);  // the pair of eights
    frame.MoveSecondCardToHand2();
    frame.ShowCard(1, 2, 3);
    frame.ShowCard(2, 2, 9);
    const QList<QRect> places = CardPlaces(frame.Cards());
    const QSize size(CARD_WIDTH, CARD_HEIGHT);
    QCOMPARE(places[0], QRect(QPoint(BOX_CARD_X[0], CARD_Y[0]), size));
    QCOMPARE(places[1], QRect(QPoint(BOX_CARD_X[0] + SECOND_HAND_OFFSET_X, CARD_Y[0]), size));
    QCOMPARE(places[2], QRect(QPoint(BOX_CARD_X[1], CARD_Y[1]), size));
    QCOMPARE(places[3], QRect(QPoint(BOX_CARD_X[1] + SECOND_HAND_OFFSET_X, CARD_Y[1]), size));
    QCOMPARE(frame.Cards()->Codes(), std::vector<CardCode>({8, 21, 3, 9}));
}

void FramesTest::dealerCardsLieOnTheirArc() {
    DealerFrame dealer(cards_, nullptr);
    for (int n = 1; n <= 5; ++n) dealer.ShowCard(n, 40 + n);
    const QList<QRect> places = CardPlaces(dealer.Cards());
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(places[n - 1].topLeft(), QPoint(DEALER_CARD_X[n - 1], CARD_Y[n - 1]));
    // Each card lies over the one before.
    const QList<QLabel*> labels =
        dealer.Cards()->findChildren<QLabel*>(QStringLiteral("Karte"), Qt::FindDirectChildrenOnly);
    QCOMPARE(dealer.Cards()->childAt(places[4].topLeft() + QPoint(2, 40)), labels[4]);
}

void FramesTest::onlyTheUsersChangesOfUnitsAreReported() {
    BoxFrame frame(6, cards_, nullptr);
    QSignalSpy changed(&frame, &BoxFrame::unitsChanged);
    frame.SetUnits(7);  // the table's own change
    QCOMPARE(frame.UnitsEdit()->value(), 7);
    QCOMPARE(changed.count(), 0);
    frame.UnitsEdit()->stepUp();  // the user's arrow
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed[0], (QVariantList{6, 8}));
}

void FramesTest::markersAndUnitsBlink() {
    BoxFrame frame(2, cards_, nullptr);
    frame.show();
    QLabel* marker = frame.findChild<QLabel*>(QStringLiteral("LMarke2"));
    QVERIFY(marker->isHidden());
    frame.SetHandMarker(2, true);
    QVERIFY(marker->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(marker->isHidden(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(marker->isVisible(), 2000);
    frame.SetHandMarker(2, false);
    QVERIFY(marker->isHidden());
    QTest::qWait(600);
    QVERIFY(marker->isHidden());

    frame.SetUnitsBlinking(true);
    QTRY_VERIFY_WITH_TIMEOUT(frame.UnitsEdit()->property("blink").toBool(), 2000);
    frame.SetUnitsBlinking(false);
    QVERIFY(!frame.UnitsEdit()->property("blink").toBool());
}

void FramesTest::aSwitchedOffBoxRollsUpOrHides() {
    BoxFrame frame(4, cards_, nullptr);
    frame.show();
    frame.SetActive(false, true);
    QVERIFY(frame.IsRolledUp());
    QVERIFY(frame.isVisible());
    QVERIFY(frame.findChild<QLabel*>(QStringLiteral("LWert2"))->isHidden());
    frame.SetActive(false, false);  // "Nicht aktive Spieler ausblenden"
    QVERIFY(frame.isHidden());
    frame.SetActive(true, true);
    QVERIFY(frame.isVisible());
    QVERIFY(!frame.IsRolledUp());
    QVERIFY(!frame.findChild<QLabel*>(QStringLiteral("LWert2"))->isHidden());
}

QTEST_MAIN(FramesTest)
#include "frames_test.moc"
