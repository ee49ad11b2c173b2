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
    void longSplitHandsKeepToTheirOwnSide_data();
    void longSplitHandsKeepToTheirOwnSide();
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
    const CardArea* area = frame.Cards();
    for (int n = 1; n <= 12; ++n) frame.ShowCard(1, n, n);
    QList<QRect> places = LaidCards(area);
    QCOMPARE(places.size(), 12);
    // Twelve cards still fit at their full step, on the shallow arc.
    for (int n = 2; n <= 12; ++n) QCOMPARE(places[n - 1].left() - places[n - 2].left(), 12);
    QCOMPARE(places[0].top(), 4);
    QCOMPARE(places[4].top(), 0);
    QCOMPARE(places[11].top(), 4);
    // More cards close up rather than lie on each other or outside the area.
    frame.ShowCard(1, 13, 13);
    frame.ShowCard(1, 14, 14);
    places = LaidCards(area);
    QCOMPARE(places.size(), 14);
    for (int n = 1; n <= 14; ++n) {
        QVERIFY(area->rect().contains(places[n - 1]));
        QCOMPARE(places[n - 1], area->CardPlace(1, n));
        if (n > 1) QVERIFY(places[n - 1].left() - places[n - 2].left() >= 10);
    }
    QCOMPARE(frame.Cards()->Codes().front(), 1);
    frame.ClearCards();
    QCOMPARE(frame.Cards()->CardCount(), 0);
    QVERIFY(LaidCards(frame.Cards()).isEmpty());
}

void FramesTest::longSplitHandsKeepToTheirOwnSide_data() {
    QTest::addColumn<int>("hand1");
    QTest::addColumn<int>("hand2");
    QTest::newRow("hand 1 of six") << 6 << 2;
    QTest::newRow("hand 2 of six") << 2 << 6;
    QTest::newRow("seven and eight") << 7 << 8;
    // Eleven cards is about the most a hand can take before 21.
    QTest::newRow("eleven each") << 11 << 11;
}

void FramesTest::longSplitHandsKeepToTheirOwnSide() {
    QFETCH(int, hand1);
    QFETCH(int, hand2);
    BoxFrame frame(3, cards_, nullptr);
    frame.show();
    frame.ShowCard(1, 1, 2);
    frame.ShowCard(1, 2, 15);
    frame.MoveSecondCardToHand2();
    // As the table deals them: hand 1 played out, then hand 2.
    for (int n = 2; n <= hand1; ++n) frame.ShowCard(1, n, 1 + n);
    for (int n = 2; n <= hand2; ++n) frame.ShowCard(2, n, 27 + n);

    const CardArea* area = frame.Cards();
    const QList<QLabel*> labels =
        area->findChildren<QLabel*>(QStringLiteral("Karte"), Qt::FindDirectChildrenOnly);
    QCOMPARE(labels.size(), hand1 + hand2);
    // Creation order: hand 1's first, the moved card, then the rest of each hand.
    QList<QRect> first{labels[0]->geometry()};
    QList<QRect> second{labels[1]->geometry()};
    for (int i = 2; i < 2 + hand1 - 1; ++i) first << labels[i]->geometry();
    for (int i = 2 + hand1 - 1; i < labels.size(); ++i) second << labels[i]->geometry();

    QVERIFY(!area->HandArea(1).intersects(area->HandArea(2)));
    for (const auto& [hand, cards] : {std::pair{1, first}, std::pair{2, second}}) {
        const QRect own = area->HandArea(hand);
        QVERIFY(area->rect().contains(own));
        for (int i = 0; i < cards.size(); ++i) {
            QVERIFY2(own.contains(cards[i]),
                     qPrintable(QStringLiteral("hand %1 card %2").arg(hand).arg(i + 1)));
            // Each card leaves a strip of the one before in view.
            if (i > 0) QVERIFY(cards[i].left() - cards[i - 1].left() >= 4);
        }
    }
    for (const QRect& a : first) {
        for (const QRect& b : second) QVERIFY(!a.intersects(b));
    }
    // The column beside the cards (chips, gauge, capital) stays clear.
    for (const char* name : {"Coin1", "Gauge1", "cbAutoSatz", "PKapital"}) {
        const QWidget* widget = frame.findChild<QWidget*>(QLatin1String(name));
        const QRect place(widget->mapTo(&frame, QPoint(0, 0)), widget->size());
        for (QLabel* card : labels)
            QVERIFY2(!place.intersects(QRect(card->mapTo(&frame, QPoint(0, 0)), card->size())),
                     name);
    }
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
