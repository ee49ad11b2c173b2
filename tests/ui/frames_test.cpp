#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include "engine/table_state.h"
#include "ui/common/card_area.h"
#include "ui/common/card_painter.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_layout.h"

using namespace tavexo;

namespace {

// The cards of an area in the order they were put down, with their places.
QList<QRect> LaidCards(const CardArea* area) {
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
    void twoSplitHandsOfFiveStayReadable();
    void theDealerShowsTheShuffleAndFullCounts();

  private:
    CardPainter cards_;
};

void FramesTest::boxCardsLieOnTheArc() {
    BoxFrame frame(5, cards_, nullptr);
    for (int n = 1; n <= 14; ++n) frame.ShowCard(1, n, n);
    const QList<QRect> places = LaidCards(frame.Cards());
    QCOMPARE(places.size(), 14);
    for (int n = 1; n <= 14; ++n) {
        // Cards after the twelfth lie on the twelfth's place.
        const int i = std::min(n, 12) - 1;
        QCOMPARE(places[n - 1], frame.Cards()->CardPlace(1, i + 1));
    }
    QCOMPARE(frame.Cards()->Codes().front(), 1);
    frame.ClearCards();
    QCOMPARE(frame.Cards()->CardCount(), 0);
    QVERIFY(LaidCards(frame.Cards()).isEmpty());
}

void FramesTest::aSplitMovesTheSecondCardToHandTwo() {
    BoxFrame frame(1, cards_, nullptr);
    frame.ShowCard(1, 1, 8);
    frame.ShowCard(1, 2, 21);  // the pair of eights
    frame.MoveSecondCardToHand2();
    frame.ShowCard(1, 2, 3);
    frame.ShowCard(2, 2, 9);
    const QList<QRect> places = LaidCards(frame.Cards());
    const CardArea* area = frame.Cards();
    QCOMPARE(places[0], area->CardPlace(1, 1));
    QCOMPARE(places[1], area->CardPlace(2, 1));
    QCOMPARE(places[2], area->CardPlace(1, 2));
    QCOMPARE(places[3], area->CardPlace(2, 2));
    // Hand 2 starts right of hand 1's fifth card, with no card over another.
    QVERIFY(area->CardPlace(2, 1).left() > area->CardPlace(1, 5).left() + 12);
    QCOMPARE(frame.Cards()->Codes(), std::vector<CardCode>({8, 21, 3, 9}));
}

void FramesTest::dealerCardsLieOnTheirArc() {
    DealerFrame dealer(cards_, nullptr);
    for (int n = 1; n <= 5; ++n) dealer.ShowCard(n, 40 + n);
    const QList<QRect> places = LaidCards(dealer.Cards());
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

void FramesTest::twoSplitHandsOfFiveStayReadable() {
    BoxFrame frame(4, cards_, nullptr);
    frame.show();
    frame.SetName(QStringLiteral("Robot für Mattes"));
    frame.SetStakeLabel(QStringLiteral("Einsatz: 10 € und 20 €"));
    frame.SetHandTotal(1, QStringLiteral("7/17"));
    frame.SetHandTotal(2, QStringLiteral("21"));
    frame.ShowCoin(1, true);
    frame.ShowCoin(3, true);
    frame.ShowCard(1, 1, 2);
    frame.ShowCard(1, 2, 15);
    frame.MoveSecondCardToHand2();
    for (int n = 2; n <= 5; ++n) frame.ShowCard(1, n, 30 + n);
    for (int n = 2; n <= 5; ++n) frame.ShowCard(2, n, 40 + n);
    frame.SetDecisionsText(QStringLiteral("Geteilt, Verdoppelt"));

    QList<QRect> cards;
    for (QLabel* card : frame.Cards()->findChildren<QLabel*>(QStringLiteral("Karte")))
        cards << QRect(card->mapTo(&frame, QPoint(0, 0)), card->size());
    QCOMPARE(cards.size(), 10);
    const QWidget* rail = frame.findChild<QWidget*>("PLeiste");
    const int railTop = rail->mapTo(&frame, QPoint(0, 0)).y();
    for (const QRect& card : cards) {
        QVERIFY(frame.rect().contains(card));
        QVERIFY2(card.bottom() < railTop, "the buttons hide no part of a card");
    }
    // Nothing of the box lies over a card: tags, name, chips, gauge, badge.
    for (QWidget* widget : frame.findChildren<QWidget*>()) {
        if (widget->objectName() == QLatin1String("Karte") || widget->isHidden()) continue;
        if (widget->parentWidget() != frame.Cards()->parentWidget()) continue;
        if (widget == frame.Cards()) continue;
        const QRect place(widget->mapTo(&frame, QPoint(0, 0)), widget->size());
        for (const QRect& card : cards)
            QVERIFY2(!place.intersects(card), qPrintable(widget->objectName()));
    }
    // Every text stands in full.
    for (const char* name : {"LName", "PAktionen", "LEinsatz", "LWert1", "LWert2"}) {
        auto* label = frame.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label->isVisible(), name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    QCOMPARE(frame.findChild<QLabel*>("LName")->text(), QStringLiteral("Robot für Mattes"));
    QVERIFY(frame.findChild<QLabel*>("Coin1")->isVisible());
}

void FramesTest::theDealerShowsTheShuffleAndFullCounts() {
    DealerFrame dealer(cards_, nullptr);
    dealer.show();
    dealer.SetTrainingPanel(true, true);
    QVERIFY(!dealer.IsShuffling());
    dealer.SetShuffling(true);
    QVERIFY(dealer.IsShuffling());
    QVERIFY(dealer.findChild<QLabel*>("LMischen")->text().startsWith("Die Karten werden gemischt"));
    dealer.SetShuffling(false);
    QVERIFY(!dealer.IsShuffling());

    // The widest count a shoe can show fits its field.
    dealer.SetCounts(QStringLiteral("-99"), QStringLiteral("-99,9"));
    for (const char* name : {"LRel", "LAbs"}) {
        auto* label = dealer.findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
    }
    QCOMPARE(dealer.findChild<QLabel*>("LRel")->text(), QStringLiteral("-99,9"));
}

QTEST_MAIN(FramesTest)
#include "frames_test.moc"
