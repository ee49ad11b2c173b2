#include <QImage>
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

// Where an area's cards lie: hand 1's in their order, then hand 2's.
QList<QRect> LaidCards(const CardArea* area) {
    QList<QRect> places;
    for (int hand : {1, 2}) {
        for (int n = 1; n <= area->CardsInHand(hand); ++n) places << area->CardPlace(hand, n);
    }
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
    void theResultBadgeLiesBesideTheChips_data();
    void theResultBadgeLiesBesideTheChips();
    void theDealersBlackjackAndSoftTotalStandInFull();
    void aBoxWithoutMoneyShowsItAsMoney();

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
    QCOMPARE(area->CardCount(), hand1 + hand2);
    QCOMPARE(area->CardsInHand(1), hand1);
    QCOMPARE(area->CardsInHand(2), hand2);
    QList<QRect> first, second;
    for (int n = 1; n <= hand1; ++n) first << area->CardPlace(1, n);
    for (int n = 1; n <= hand2; ++n) second << area->CardPlace(2, n);

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
        for (const QRect& card : first + second)
            QVERIFY2(!place.intersects(card.translated(area->mapTo(&frame, QPoint(0, 0)))), name);
    }
}

void FramesTest::aSplitMovesTheSecondCardToHandTwo() {
    BoxFrame frame(1, cards_, nullptr);
    frame.ShowCard(1, 1, 8);
    frame.ShowCard(1, 2, 21);  // the pair of eights
    frame.MoveSecondCardToHand2();
    frame.ShowCard(1, 2, 3);
    frame.ShowCard(2, 2, 9);
    const CardArea* area = frame.Cards();
    QCOMPARE(area->CardsInHand(1), 2);
    QCOMPARE(area->CardsInHand(2), 2);
    QVERIFY(!area->CardPlace(1, 2).intersects(area->CardPlace(2, 1)));
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
    // Each card lies over the one before: the last shows whole, as its
    // picture is.
    const QImage drawn = dealer.Cards()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage last =
        cards_.Face(45).toImage().convertToFormat(QImage::Format_ARGB32).scaled(places[4].size());
    // (Inside its rounded corners, where the card below could show.)
    const QRect inside = QRect(QPoint(0, 0), places[4].size()).adjusted(4, 4, -4, -4);
    QCOMPARE(drawn.copy(inside.translated(places[4].topLeft())), last.copy(inside));
    QVERIFY(dealer.Cards()->accessibleName().startsWith(QStringLiteral("Karten: ")));
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
    for (const QRect& card : LaidCards(frame.Cards()))
        cards << card.translated(frame.Cards()->mapTo(&frame, QPoint(0, 0)));
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

void FramesTest::theResultBadgeLiesBesideTheChips_data() {
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QList<int>>("chips");
    QTest::newRow("won, one chip") << int(RoundOutcome::Won) << "+10 €" << QList<int>{1};
    QTest::newRow("blackjack, one chip")
        << int(RoundOutcome::Blackjack) << "+1.500 €" << QList<int>{1};
    QTest::newRow("doubled and lost, two chips")
        << int(RoundOutcome::Lost) << "-2.000 €" << QList<int>{1, 3};
    QTest::newRow("push, two chips") << int(RoundOutcome::Push) << "0,0" << QList<int>{1, 3};
    QTest::newRow("surrendered, no chip")
        << int(RoundOutcome::Surrendered) << "-5 €" << QList<int>{};
    QTest::newRow("bust, the stake's chip") << int(RoundOutcome::Bust) << "-10 €" << QList<int>{1};
}

void FramesTest::theResultBadgeLiesBesideTheChips() {
    QFETCH(int, outcome);
    QFETCH(QString, amount);
    QFETCH(QList<int>, chips);
    BoxFrame frame(2, cards_, nullptr);
    frame.show();
    frame.SetCapital(QStringLiteral("10.000,0 €"));
    for (int chip : chips) frame.ShowCoin(chip, true);
    frame.ShowOutcome(RoundOutcome(outcome), amount);

    auto* badge = frame.findChild<QLabel*>(QStringLiteral("LErgebnis"));
    QVERIFY(badge->isVisible());
    QVERIFY(frame.OutcomeText().startsWith(badge->text().section(QLatin1Char('\n'), 0, 0)));
    const auto place = [&](const QWidget* w) {
        return QRect(w->mapTo(&frame, QPoint(0, 0)), w->size());
    };
    const QRect badgePlace = place(badge);
    QVERIFY(frame.rect().contains(badgePlace));
    // Neither over a chip nor over the controls and labels around it.
    for (QWidget* other : badge->parentWidget()->findChildren<QWidget*>()) {
        if (other == badge || other->isHidden() || other == frame.Cards()) continue;
        QVERIFY2(!badgePlace.intersects(place(other)), qPrintable(other->objectName()));
    }
    for (int chip : chips)
        QVERIFY(frame.findChild<QLabel*>(QStringLiteral("Coin%1").arg(chip))->isVisible());
    // Its whole text can be read.
    const QStringList lines = badge->text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        QVERIFY2(badge->fontMetrics().horizontalAdvance(line) + 4 <= badge->width(),
                 qPrintable(QStringLiteral("%1: %2 in %3")
                                .arg(line)
                                .arg(badge->fontMetrics().horizontalAdvance(line))
                                .arg(badge->width())));
    QVERIFY(lines.size() * badge->fontMetrics().height() <= badge->height());

    // A chip that comes while it shows (the table shows at most the stake's
    // and the double's) goes beside it as well.
    frame.ShowCoin(3, true);
    QVERIFY(!place(badge).intersects(place(frame.findChild<QLabel*>(QStringLiteral("Coin3")))));
    frame.ClearOutcome();
    QVERIFY(frame.OutcomeText().isEmpty());
}

void FramesTest::theDealersBlackjackAndSoftTotalStandInFull() {
    DealerFrame dealer(cards_, nullptr);
    dealer.show();
    auto* total = dealer.findChild<QLabel*>(QStringLiteral("PBankStand"));
    auto* round = dealer.findChild<QLabel*>(QStringLiteral("LRundeTitel"));
    for (const char* text : {"1/11", "6/16", "Black Jack", "26", "17"}) {
        dealer.SetTotal(QString::fromUtf8(text));
        QVERIFY2(total->isVisible(), text);
        QVERIFY2(total->fontMetrics().horizontalAdvance(total->text()) + 8 <= total->width(), text);
        QVERIFY2(total->geometry().right() < round->geometry().left(), text);
    }
    dealer.SetTotal(QStringLiteral("Black Jack"));
    QCOMPARE(total->property("kind").toString(), QStringLiteral("blackjack"));
    dealer.SetTotal(QStringLiteral("26"));
    QCOMPARE(total->property("kind").toString(), QStringLiteral("bust"));
    dealer.SetTotal(QString());
    QVERIFY(total->isHidden());
}

void FramesTest::aBoxWithoutMoneyShowsItAsMoney() {
    // The core writes an amount of exactly zero as "0,0".
    BoxFrame frame(3, cards_, nullptr);
    frame.SetCapital(QStringLiteral("0,0"));
    frame.SetStakeHeight(QStringLiteral("0,0"));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("PKapital"))->text(),
             QStringLiteral("0,0\u00a0€"));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("LEinsatzHoehe"))->text(),
             QStringLiteral("0\u00a0€"));
    frame.SetCapital(QStringLiteral("1.005,0 €"));
    QCOMPARE(frame.findChild<QLabel*>(QStringLiteral("PKapital"))->text(),
             QStringLiteral("1.005,0 €"));
}

QTEST_MAIN(FramesTest)
#include "frames_test.moc"
