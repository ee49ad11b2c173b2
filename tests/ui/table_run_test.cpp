#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "engine/table.h"
#include "ui/common/card_area.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

QString Text(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

const QString QUIT_REFUSED = QStringLiteral(
    "Sorry, wir sind mitten im Spiel. Wenn die Runde zu Ende gespielt ist, klicken Sie bitte "
    "noch einmal auf \"Beenden\".");

std::vector<CardCode> Codes(const CardArea* area) {
    return area->Codes();
}

}  // namespace

class TableRunTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        QVERIFY(data_.isValid());
        program_ = StartProgram(data_.path());
        QuickTable(*program_);
    }
    void cleanup() { program_.reset(); }

    void sevenRobotsPlayRoundsUntilStopped();
    void humansPlayThroughButtonsAndKeys();
    void pauseHoldsTheTable();
    void quitDuringARunIsRefusedUntilTheRoundIsOver();
    void closingTheWindowDuringARunActsLikeBeenden();
    void aBoxSwitchedOffSitsOutAndComesBack();
    void unitsTheUserSetsReachTheTable();
    void movingTheDealerCarriesPauseAndStopSign();
    void theSettlementShowsEachBoxsOutcome();
    void stopEndsTheWaitForACorrectedStake();
    void longSplitHandsStayOnTheirSide_data();
    void longSplitHandsStayOnTheirSide();

  private:
    Table& table() { return program_->GetTable(); }
    TableWindow& window() { return program_->Window(); }
    void ClickStart() { QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton); }

    QTemporaryDir data_;
    std::unique_ptr<Program> program_;
};

void TableRunTest::sevenRobotsPlayRoundsUntilStopped() {
    Seat(*program_, {}, {1, 2, 3, 4, 5, 6, 7});
    QStringList labelsSeen;
    QSet<QString> capitalsSeen;
    RunScript script(table());
    // Watch the table as the user would, round after round.
    script.Then(
        [&] {
            const QString label = Text(window().Dealer(), "LRunde");
            if (labelsSeen.isEmpty() || labelsSeen.last() != label) labelsSeen << label;
            for (int box = 1; box <= BOX_COUNT; ++box)
                capitalsSeen << Text(window().Frame(box), "PKapital");
            return table().State().roundNumber >= 8 && labelsSeen.size() >= 3;
        },
        [&] {
            QVERIFY(window().PauseButton()->isVisible());
            QVERIFY(!window().Panel()->bStart->isEnabled());
            QTest::mouseClick(window().Panel()->bStop, Qt::LeftButton);
            QVERIFY(window().StopIndicator()->isVisible());
            QVERIFY(!window().Panel()->bStop->isEnabled());
        });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 1);
    const int rounds = table().State().roundNumber;
    QVERIFY(rounds >= 8);
    QCOMPARE(Text(window().Dealer(), "LRunde"), QString::number(rounds));
    // The label counted up through the rounds, never back.
    QVERIFY(labelsSeen.size() >= 3);
    for (qsizetype i = 1; i < labelsSeen.size(); ++i)
        QVERIFY(labelsSeen[i].toInt() > labelsSeen[i - 1].toInt());
    QVERIFY2(capitalsSeen.size() > 3, qPrintable(QStringList(capitalsSeen.values()).join(" | ")));
    // The last round stays on the table until the next start.
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY(window().Frame(box)->Cards()->CardCount() >= 2);
    QVERIFY(window().Dealer()->Cards()->CardCount() >= 2);
    // Idle again.
    QVERIFY(window().Panel()->bStart->isEnabled());
    QVERIFY(!window().Panel()->bStop->isEnabled());
    QVERIFY(window().PauseButton()->isHidden());
    QVERIFY(window().StopIndicator()->isHidden());
    QVERIFY(program_->Host().RecordedMessages().isEmpty());

    // The next start clears the old round first.
    RunScript again(table());
    again.Then([&] { return table().State().running; },
               [&] {
                   QVERIFY(window().Frame(1)->Cards()->CardCount() <= 3);
                   table().StopRun();
               });
    ClickStart();
    QCOMPARE(again.StepsDone(), 1);
    QCOMPARE(table().State().roundNumber, rounds + 1);
}

void TableRunTest::humansPlayThroughButtonsAndKeys() {
    Seat(*program_, {2, 3}, {});
    // Box 2: 10, 8; box 3: 2, 3 then 4 and 5; dealer 10 then 7.
    table().Shuffler().StackNextShoe({10, 2, 36, 8, 3, 4, 5, 7}, 300);
    BoxFrame* box2 = window().Frame(2);
    BoxFrame* box3 = window().Frame(3);
    RunScript script(table());
    script.Then([&] { return box2->ActionButton(Action::Stand)->isEnabled(); },
                [&] {
                    // In box 2's turn box 3 offers nothing, and keys play box 2.
                    for (int a = 0; a < ACTION_COUNT; ++a)
                        QVERIFY(!box3->ActionButton(Action(a))->isEnabled());
                    QTest::keyClick(&window(), Qt::Key_H);
                });
    script.Then([&] { return box3->ActionButton(Action::Hit)->isEnabled(); },
                [&] {
                    QCOMPARE(box2->Cards()->CardCount(), 2);
                    QVERIFY(box3->ActionButton(Action::Surrender)->isEnabled());
                    QVERIFY(!box3->ActionButton(Action::Split)->isEnabled());
                    QVERIFY(!box3->ActionButton(Action::Insure)->isEnabled());
                    QCOMPARE(Text(box3, "LWert1"), QStringLiteral("5"));
                    QTest::mouseClick(box3->ActionButton(Action::Hit), Qt::LeftButton);
                });
    script.Then([&] { return box3->Cards()->CardCount() == 3; },
                [&] {
                    QVERIFY(!box3->ActionButton(Action::Surrender)->isEnabled());
                    QTest::keyClick(&window(), Qt::Key_Z);
                });
    script.Then([&] { return box3->Cards()->CardCount() == 4; },
                [&] {
                    QTest::mouseClick(window().Panel()->bStop, Qt::LeftButton);
                    QTest::mouseClick(box3->ActionButton(Action::Stand), Qt::LeftButton);
                });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 4);
    QCOMPARE(Codes(box2->Cards()), std::vector<CardCode>({10, 8}));
    QCOMPARE(Codes(box3->Cards()), std::vector<CardCode>({2, 3, 4, 5}));
    QCOMPARE(Codes(window().Dealer()->Cards()), std::vector<CardCode>({36, 7}));
    QCOMPARE(Text(box3, "LWert1"), QStringLiteral("14"));
    QCOMPARE(Text(window().Dealer(), "PBankStand"), QStringLiteral("17"));
    QCOMPARE(Text(box2, "PKapital"), QStringLiteral("1.005,0\u00a0€"));
    QCOMPARE(Text(box3, "PKapital"), QStringLiteral("995,0\u00a0€"));
    QCOMPARE(Text(box3, "LEinsatz"), QStringLiteral("Einsatz: 5\u00a0€"));

    // With no box in turn a key does nothing.
    QTest::keyClick(&window(), Qt::Key_Z);
    QCOMPARE(box3->Cards()->CardCount(), 4);
}

void TableRunTest::pauseHoldsTheTable() {
    Seat(*program_, {}, {1, 4, 7});
    int roundWhenPaused = 0;
    int polls = 0;
    RunScript script(table());
    script.Then([&] { return table().State().running; },
                [&] {
                    QTest::mouseClick(window().PauseButton(), Qt::LeftButton);
                    roundWhenPaused = table().State().roundNumber;
                    QCOMPARE(window().PauseButton()->text(), QStringLiteral("Weiter"));
                    for (int box = 1; box <= BOX_COUNT; ++box)
                        QVERIFY(!window().Frame(box)->isEnabled());
                    QVERIFY(!window().Panel()->bStop->isEnabled());
                    QVERIFY(window().Panel()->bOptionen->isEnabled());
                });
    // The table stops at its next wait, which may be in the next round;
    // from there on, many passes of the event queue later, nothing has
    // moved on.
    script.Then([&] { return ++polls > 20; },
                [&] { roundWhenPaused = table().State().roundNumber; });
    script.Then([&] { return ++polls > 200; },
                [&] {
                    QCOMPARE(table().State().roundNumber, roundWhenPaused);
                    QTest::mouseClick(window().PauseButton(), Qt::LeftButton);
                    QCOMPARE(window().PauseButton()->text(), QStringLiteral("Pause"));
                    for (int box = 1; box <= BOX_COUNT; ++box)
                        QVERIFY(window().Frame(box)->isEnabled());
                    QVERIFY(window().Panel()->bStop->isEnabled());
                    QVERIFY(!window().Panel()->bOptionen->isEnabled());
                });
    script.Then([&] { return table().State().roundNumber >= roundWhenPaused + 2; },
                [&] { table().StopRun(); });
    ClickStart();
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 4);
}

void TableRunTest::quitDuringARunIsRefusedUntilTheRoundIsOver() {
    Seat(*program_, {}, {2, 5});
    RunScript script(table());
    script.Then([&] { return table().State().roundNumber >= 2 && table().State().running; },
                [&] {
                    QTest::mouseClick(window().Panel()->bBeenden, Qt::LeftButton);
                    QCOMPARE(program_->Host().RecordedMessages(), QStringList{QUIT_REFUSED});
                    QVERIFY(window().StopIndicator()->isVisible());
                    QVERIFY(!window().Panel()->bStop->isEnabled());
                });
    ClickStart();
    QCOMPARE(script.StepsDone(), 1);
    QVERIFY(window().isVisible());
    QVERIFY(!table().State().running);

    QTest::mouseClick(window().Panel()->bBeenden, Qt::LeftButton);
    QVERIFY(!window().isVisible());
    QCOMPARE(program_->Host().RecordedMessages().size(), 1);
}

void TableRunTest::closingTheWindowDuringARunActsLikeBeenden() {
    Seat(*program_, {}, {3});
    bool closed = true;
    int roundOfClose = 0;
    RunScript script(table());
    script.Then([&] { return table().State().running; },
                [&] {
                    roundOfClose = table().State().roundNumber;
                    closed = window().close();
                });
    ClickStart();
    QCOMPARE(script.StepsDone(), 1);
    QVERIFY(!closed);
    QCOMPARE(program_->Host().RecordedMessages(), QStringList{QUIT_REFUSED});
    // The run ended with the round in which the window was closed.
    QVERIFY(roundOfClose >= 1);
    QCOMPARE(table().State().roundNumber, roundOfClose);
    QVERIFY(window().isVisible());
    QVERIFY(window().close());
}

void TableRunTest::aBoxSwitchedOffSitsOutAndComesBack() {
    Seat(*program_, {}, {1, 2, 3});
    BoxFrame* box2 = window().Frame(2);
    QTest::mouseClick(box2->OnOffButton(), Qt::LeftButton);
    QVERIFY(box2->IsRolledUp());
    QVERIFY(box2->isVisible());
    QCOMPARE(Text(box2, "LEinsatz"), QStringLiteral("Uwe"));
    QVERIFY(box2->findChild<QLabel*>("LWert2")->isHidden());

    RunScript script(table());
    script.Then([&] { return table().State().running; }, [&] { table().StopRun(); });
    ClickStart();
    QCOMPARE(box2->Cards()->CardCount(), 0);
    QCOMPARE(window().Frame(1)->Cards()->CardCount() >= 2, true);

    QTest::mouseClick(box2->OnOffButton(), Qt::LeftButton);
    QVERIFY(!box2->IsRolledUp());
    QCOMPARE(Text(box2, "LEinsatz"), QString());
    // Back in play, it is dealt in again.
    RunScript next(table());
    next.Then([&] { return box2->Cards()->CardCount() >= 2; }, [&] { table().StopRun(); });
    ClickStart();
    QVERIFY(!next.TimedOut());
    QVERIFY(box2->Cards()->CardCount() >= 2);
}

void TableRunTest::unitsTheUserSetsReachTheTable() {
    Seat(*program_, {1}, {});
    BoxFrame* box1 = window().Frame(1);
    QSpinBox* units = box1->UnitsEdit();
    // The arrows, as the user clicks them.
    units->stepUp();
    units->stepUp();
    QCOMPARE(table().Box(1).units, 3);
    QCOMPARE(Text(box1, "LEinsatzHoehe"), QStringLiteral("15\u00a0€"));

    // A capital of 12 affords two units of 5: the table takes the third back
    // and the spin edit shows it.
    BoxProfile poor;
    poor.name = "Fritzi";
    poor.capital = 12.0f;
    poor.unitValue = 5;
    table().ApplyProfile(1, poor);
    units->stepUp();
    QCOMPARE(table().Box(1).units, 2);
    QCOMPARE(units->value(), 2);
    QCOMPARE(Text(box1, "LEinsatzHoehe"), QStringLiteral("10\u00a0€"));
}

void TableRunTest::movingTheDealerCarriesPauseAndStopSign() {
    DealerFrame* dealer = window().Dealer();
    QWidget* caption = dealer->findChild<QLabel*>("LDealer");
    const QPoint from = dealer->pos();
    QTest::mousePress(caption, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(caption, QPoint(64, 44));
    QTest::mouseRelease(caption, Qt::LeftButton, {}, QPoint(64, 44));
    QCOMPARE(dealer->pos(), from + QPoint(60, 40));
    QCOMPARE(window().StopIndicator()->pos(), dealer->pos() + QPoint(103, DEALER_FRAME_HEIGHT + 5));
    QCOMPARE(window().PauseButton()->pos(),
             dealer->pos() + QPoint(126, DEALER_FRAME_HEIGHT + 5 + 105 + 5));

    // A press on a button is a click, never a drag.
    BoxFrame* box1 = window().Frame(1);
    const QPoint boxAt = box1->pos();
    QTest::mousePress(box1->BetButton(), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(box1->BetButton(), QPoint(40, 40));
    QTest::mouseRelease(box1->BetButton(), Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(box1->pos(), boxAt);
}

void TableRunTest::theSettlementShowsEachBoxsOutcome() {
    Seat(*program_, {2, 3}, {});
    // Box 2: 10, K stands on 20; box 3: 10, 6 hits a K; dealer 9 then 8.
    table().Shuffler().StackNextShoe({10, 23, 9, 13, 6, 26, 8}, 300);
    BoxFrame* box2 = window().Frame(2);
    BoxFrame* box3 = window().Frame(3);
    RunScript script(table());
    script.Then([&] { return box2->ActionButton(Action::Stand)->isEnabled(); },
                [&] {
                    QCOMPARE(box2->OutcomeText(), QString());
                    QTest::mouseClick(box2->ActionButton(Action::Stand), Qt::LeftButton);
                });
    script.Then([&] { return box3->ActionButton(Action::Hit)->isEnabled(); },
                [&] {
                    table().StopRun();
                    QTest::mouseClick(box3->ActionButton(Action::Hit), Qt::LeftButton);
                });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QCOMPARE(box2->OutcomeText(), QStringLiteral("Gewonnen +5\u00a0€"));
    QCOMPARE(box3->OutcomeText(), QStringLiteral("Bust -5\u00a0€"));
    QCOMPARE(window().Frame(1)->OutcomeText(), QString());  // not at the table
    auto* total3 = box3->findChild<QLabel*>("LWert1");
    QCOMPARE(total3->text(), QStringLiteral("26"));
    QVERIFY(total3->property("bust").toBool());
    QVERIFY(!box2->findChild<QLabel*>("LWert1")->property("bust").toBool());

    // The next round starts with a clean table.
    RunScript next(table());
    next.Then([&] { return table().State().running; },
              [&] {
                  QCOMPARE(box2->OutcomeText(), QString());
                  QCOMPARE(box3->OutcomeText(), QString());
                  table().StopRun();
              });
    ClickStart();
    QCOMPARE(next.StepsDone(), 1);
}

void TableRunTest::stopEndsTheWaitForACorrectedStake() {
    Seat(*program_, {1}, {});
    TProgramSettings& settings = program_->Settings();
    settings.rules.deckChoice = 0;  // one deck: the relative count is the running count
    settings.training.trainingMode = true;
    settings.training.betRampFactor = 4;  // "1 x"
    settings.training.betPause = 0;       // "auf Setzen-Klick warten"
    table().SettingsChanged();
    // Box 2, 3; dealer 7, 8, 4: the count is +3 after the round, so the
    // check wants 3 units where the box bets 1.
    table().Shuffler().StackNextShoe({2, 7, 3, 8, 4}, 40);
    BoxFrame* box1 = window().Frame(1);
    bool neededBet = false;
    QElapsedTimer sinceStop;
    RunScript script(table());
    script.Then([&] { return box1->ActionButton(Action::Stand)->isEnabled(); },
                [&] { QTest::mouseClick(box1->ActionButton(Action::Stand), Qt::LeftButton); });
    script.Then([&] { return table().State().waitingForBet; },
                [&] {
                    QCOMPARE(Text(window().Dealer(), "LHinweis"),
                             QStringLiteral("Einsatz 3 Stücke"));
                    QVERIFY(window().Panel()->bStop->isEnabled());
                    QTest::mouseClick(window().Panel()->bStop, Qt::LeftButton);
                    sinceStop.start();
                });
    // Only if the stop did not end the wait: Bet, so that the test ends.
    script.Then([&] { return table().State().waitingForBet && sinceStop.elapsed() > 3000; },
                [&] {
                    neededBet = true;
                    QTest::mouseClick(box1->BetButton(), Qt::LeftButton);
                });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 2);
    QVERIFY2(!neededBet, "the run waited for Bet after the stop");
    QCOMPARE(table().State().roundNumber, 1);
    QVERIFY(!table().State().running);
    QVERIFY(window().Panel()->bStart->isEnabled());
    QVERIFY(!window().Panel()->bStop->isEnabled());
    QVERIFY(window().StopIndicator()->isHidden());
    QVERIFY(!box1->UnitsEdit()->property("blink").toBool());
    QCOMPARE(Codes(box1->Cards()), std::vector<CardCode>({2, 3}));  // the round stays on view
}

void TableRunTest::longSplitHandsStayOnTheirSide_data() {
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1366 x 768") << QSize(1366, 768);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void TableRunTest::longSplitHandsStayOnTheirSide() {
    QFETCH(QSize, screen);
    program_ = StartProgram(data_.path(), true, [&](ProgramConfig& config) {
        config.screen = QRect({0, 0}, screen);
    });
    QuickTable(*program_);
    Seat(*program_, {4}, {});
    // Box 4: a pair of twos, dealer 10. Hand 1 draws A A A 2 2 (six cards,
    // 9/19), hand 2 draws A 3 3 3 3 4 (seven cards, 19); the dealer 7.
    const std::vector<CardCode> hand1 = {2, 1, 14, 27, 28, 41};
    const std::vector<CardCode> hand2 = {15, 40, 3, 16, 29, 42, 4};
    std::vector<CardCode> shoe = {2, 36, 15};
    shoe.insert(shoe.end(), hand1.begin() + 1, hand1.end());
    shoe.insert(shoe.end(), hand2.begin() + 1, hand2.end());
    shoe.push_back(7);
    table().Shuffler().StackNextShoe(shoe, 200);

    BoxFrame* box4 = window().Frame(4);
    auto offered = [&](Action action, int hand, int cards) {
        const TPlayerBox& b = table().Box(4);
        return box4->ActionButton(action)->isEnabled() && b.HandInPlay() == hand &&
               b.Hand(hand).cardCount == cards;
    };
    auto click = [&](Action action) {
        return [&, action] { QTest::mouseClick(box4->ActionButton(action), Qt::LeftButton); };
    };
    QList<QRect> first, second;
    RunScript script(table());
    script.Then([&] { return offered(Action::Split, 1, 2); }, click(Action::Split));
    for (int cards = 2; cards < 6; ++cards)
        script.Then([&, cards] { return offered(Action::Hit, 1, cards); }, click(Action::Hit));
    script.Then([&] { return offered(Action::Stand, 1, 6); }, click(Action::Stand));
    for (int cards = 2; cards < 7; ++cards)
        script.Then([&, cards] { return offered(Action::Hit, 2, cards); }, click(Action::Hit));
    script.Then([&] { return offered(Action::Stand, 2, 7); },
                [&] {
                    // Both hands as the user sees them, in the frame's coordinates.
                    const CardArea* area = box4->Cards();
                    const QPoint offset = area->mapTo(box4, QPoint(0, 0));
                    for (int hand : {1, 2}) {
                        for (int n = 1; n <= area->CardsInHand(hand); ++n)
                            (hand == 1 ? first : second)
                                << area->CardPlace(hand, n).translated(offset);
                    }
                    table().StopRun();
                    QTest::mouseClick(box4->ActionButton(Action::Stand), Qt::LeftButton);
                });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 12);
    QCOMPARE(first.size(), 6);
    QCOMPARE(second.size(), 7);
    const QRect cardsArea(box4->Cards()->mapTo(box4, QPoint(0, 0)), box4->Cards()->size());
    for (const QRect& a : first) {
        QVERIFY(cardsArea.contains(a));
        for (const QRect& b : second) QVERIFY(!a.intersects(b));
    }
    for (const QRect& b : second) QVERIFY(cardsArea.contains(b));
    QCOMPARE(Text(box4, "LWert1"), QStringLiteral("9/19"));
    QCOMPARE(Text(box4, "LWert2"), QStringLiteral("19"));
}

QTEST_MAIN(TableRunTest)
#include "table_run_test.moc"
