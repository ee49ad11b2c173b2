// The pages of "Zählen üben" beside the counting drill, as a new user works
// them by keyboard alone: "Decks schätzen", "Wahrer Zählwert" and
// "Indexspiele" with their scores, histories and Leitner boxes (kept across
// a restart), "Tempo finden" on the counting drill's page, and the rule
// that a drill and a table run never start inside each other.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include "drill/calendar_days.h"
#include "drill/index_cards.h"
#include "engine/table.h"
#include "ui/common/locale_text_format.h"
#include "ui/drill/counting_drill_window.h"
#include "ui/drill/deck_estimation_page.h"
#include "ui/drill/discard_tray_view.h"
#include "ui/drill/index_play_page.h"
#include "ui/drill/true_count_page.h"
#include "ui/help/help_context.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui/training/strategy_grid_view.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

template <class T>
T* Child(QWidget* parent, const char* name) {
    auto* child = parent->findChild<T*>(QLatin1String(name));
    if (child == nullptr) qWarning("missing %s", name);
    return child;
}

// What the user does: keys go to whatever has the keyboard focus.
QWidget* Focus() {
    return QApplication::focusWidget();
}
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focus(), key, modifiers);
}
void Type(const QString& text) {
    QTest::keyClicks(Focus(), text);
}

QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<missing %1>").arg(path);
    return QString::fromLatin1(file.readAll());  // the drills' files are Windows-1252
}

QString Decimal(double value, int decimals) {
    return LocaleTextFormat::TableLocale().toString(value, 'f', decimals);
}

// A card back from its picture's accessible name: "As", "2" .. "10", "B",
// "D", "K".
int ValueOfCardName(const QString& name) {
    if (name == QLatin1String("As")) return 11;
    if (name == QLatin1String("B") || name == QLatin1String("D") || name == QLatin1String("K"))
        return 10;
    return name.toInt();
}

CardCode CodeOfValue(int value) {
    return value == 11 ? 1 : value;  // the suit does not decide a play
}

}  // namespace

class DrillPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        data_ = std::make_unique<QTemporaryDir>();
        QVERIFY(data_->isValid());
        trainingFolder_ = data_->path() + QStringLiteral("/Tavexo/Training/");
    }
    void cleanup() {
        program_.reset();
        data_.reset();
    }

    void thePagesComeAfterTheCountingDrillEachWithItsHelp();
    void decksAreEstimatedByKeyboardAndTheRoundIsKept();
    void theTrueCountIsGradedByTheTablesRule();
    void indexPlaysAreAnsweredByKeysAndTheBoxesSurviveARestart();
    void tempoFindenDealsFasterAfterRightChecksAndKeepsThePaceHeld();
    void aRoundAndATableRunRefuseToStartInsideEachOther();

  private:
    void Start() {
        program_ = StartProgram(data_->path());
        QuickTable(*program_);
    }
    CountingDrillWindow* OpenDrill() {
        QTest::mouseClick(program_->Window().Panel()->bTraining, Qt::LeftButton);
        auto* w = qobject_cast<CountingDrillWindow*>(
            program_->Window().Windows().Existing(SecondaryWindow::CountingDrill));
        if (w != nullptr) {
            w->activateWindow();
            if (!QTest::qWaitForWindowActive(w)) qWarning("the drill window is not active");
        }
        return w;
    }
    // To the page by Ctrl+Tab, as the keyboard goes.
    void GoToPage(CountingDrillWindow* w, int page) {
        w->Pages()->tabBar()->setFocus();
        while (w->Pages()->currentIndex() != page) Press(Qt::Key_Tab, Qt::ControlModifier);
    }

    std::unique_ptr<QTemporaryDir> data_;
    QString trainingFolder_;
    std::unique_ptr<Program> program_;
};

void DrillPagesTest::thePagesComeAfterTheCountingDrillEachWithItsHelp() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    QTabWidget* pages = w->Pages();
    QCOMPARE(pages->count(), 4);
    QCOMPARE(pages->currentIndex(), 0);
    const QString captions[] = {QStringLiteral("Laufender Zählwert"),
                                QStringLiteral("Decks schätzen"), QStringLiteral("Wahrer Zählwert"),
                                QStringLiteral("Indexspiele")};
    const int contexts[] = {help::CountingDrill, help::DeckEstimation, help::TrueCountDrill,
                            help::IndexPlays};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->tabText(i), captions[i]);
        GoToPage(w, i);
        QCOMPARE(pages->currentIndex(), i);
        // F1 on the page's first control opens the page's own topic.
        QWidget* first = i == 0 ? Child<QWidget>(w, "BStart")
                                : qobject_cast<DrillPage*>(pages->widget(i))->FirstFocus();
        QCOMPARE(help::HelpContextOf(first), contexts[i]);
        if (i > 0) QCOMPARE(Focus(), first);
    }
    QCOMPARE(help::HelpContextOf(Child<QWidget>(w, "cbTempo")),
             static_cast<int>(help::PaceFinding));
}

void DrillPagesTest::decksAreEstimatedByKeyboardAndTheRoundIsKept() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    GoToPage(w, 1);
    auto* page = qobject_cast<DeckEstimationPage*>(w->Pages()->currentWidget());
    QVERIFY(page != nullptr);

    // Four decks, quarter decks, five trays.
    page->shoeDecks->setFocus();
    Press(Qt::Key_Up);  // 6 -> 4
    QCOMPARE(page->shoeDecks->currentText(), QStringLiteral("4 Decks"));
    page->step->setFocus();
    Press(Qt::Key_Down);
    QCOMPARE(page->step->currentText(), QStringLiteral("Viertel-Decks"));
    page->pictures->setFocus();
    page->pictures->selectAll();
    Type(QStringLiteral("5"));
    page->StartButton()->setFocus();
    Press(Qt::Key_Return);
    QVERIFY(page->RoundInProgress());
    QCOMPARE(Focus(), static_cast<QWidget*>(page->answer));
    // The other pages wait while a round goes on.
    QVERIFY(!w->Pages()->isTabEnabled(0));
    QVERIFY(!w->Pages()->isTabEnabled(3));

    auto* verdict = Child<QLabel>(page, "LErgebnis");
    // Right on, then half a deck too many, then right on three times.
    const double offsets[] = {0.0, 0.5, 0.0, 0.0, 0.0};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(
            page->Status()->text(),
            QStringLiteral("Bild %1 von 5: Wie viele Decks sind noch im Schlitten?").arg(i + 1));
        const DiscardTray tray = *page->tray->Tray();
        QCOMPARE(tray.shoeDecks, 4);
        // The user reads the tray; the test knows what lies in it.
        const double decks = std::round(tray.RemainingDecks() * 4.0) / 4.0 + offsets[i];
        page->answer->selectAll();
        Type(Decimal(decks, 2));
        Press(Qt::Key_Return);
        const QString expectedStart =
            offsets[i] == 0.0 ? QStringLiteral("Richtig: ") : QStringLiteral("Falsch: ");
        QVERIFY2(verdict->text().startsWith(
                     expectedStart + Decimal(tray.RemainingDecks(), 2) +
                     QStringLiteral(" Decks übrig (%1 Karten)").arg(tray.RemainingCards())),
                 qPrintable(verdict->text()));
        Press(Qt::Key_Return);
    }
    QVERIFY(!page->RoundInProgress());
    QVERIFY(w->Pages()->isTabEnabled(0));
    QCOMPARE(page->Status()->text(), QStringLiteral("Runde geschafft. „Starten“ für die nächste."));
    const QString score = Child<QLabel>(page, "LWertung")->text();
    QVERIFY2(score.startsWith(QStringLiteral("Richtig: 4 von 5 (80 %), mittlerer Fehler: ")),
             qPrintable(score));

    const QString history = ReadFile(trainingFolder_ + QStringLiteral("Übungsverlauf.csv"));
    QVERIFY2(history.contains(QStringLiteral(";Decks sch\u00e4tzen;4 Decks, Viertel-Decks;5;4;")),
             qPrintable(history));
    auto* grid = Child<QTableWidget>(page, "GLetzte");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("4 Decks, Viertel-Decks"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("4 von 5"));
}

void DrillPagesTest::theTrueCountIsGradedByTheTablesRule() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    GoToPage(w, 2);
    auto* page = qobject_cast<TrueCountPage*>(w->Pages()->currentWidget());
    QVERIFY(page != nullptr);
    QCOMPARE(page->display->currentText(), QStringLiteral("Rest-Decks (Zahl)"));
    Press(Qt::Key_Return);  // "Starten" has the keyboard
    QVERIFY(page->RoundInProgress());

    auto* verdict = Child<QLabel>(page, "LErgebnis");
    const QRegularExpression runningText(QStringLiteral("^Laufender Zählwert ([+-]?\\d+)$"));
    const QRegularExpression decksText(QStringLiteral("^Im Schlitten: (\\d+),(\\d\\d) Decks$"));
    for (int i = 0; i < 4; ++i) {
        const auto running = runningText.match(page->running->text());
        const auto decks = decksText.match(page->decksLeft->text());
        QVERIFY2(running.hasMatch(), qPrintable(page->running->text()));
        QVERIFY2(decks.hasMatch(), qPrintable(page->decksLeft->text()));
        // The table's rule, worked out here on its own: whole decks, halves
        // to the even one, twice the count at half a deck or less.
        const int count = running.captured(1).toInt();
        const int quarters = decks.captured(1).toInt() * 4 + decks.captured(2).toInt() / 25;
        const int wholeDecks = static_cast<int>(std::nearbyint(quarters / 4.0));
        const double rule = wholeDecks == 0 ? 2.0 * count : double(count) / wholeDecks;
        // Right, then one point off, alternately.
        const double typed = std::round(rule * 10.0) / 10.0 + (i % 2 == 0 ? 0.0 : 1.0);
        page->answer->selectAll();
        Type(Decimal(typed, 1));
        Press(Qt::Key_Return);
        QVERIFY2(verdict->text().startsWith(i % 2 == 0 ? QStringLiteral("Richtig: ")
                                                       : QStringLiteral("Falsch: ")),
                 qPrintable(verdict->text() + QStringLiteral(" / typed ") + Decimal(typed, 1)));
        QVERIFY2(verdict->text().contains(QStringLiteral("%1 Karten sind").arg(quarters * 13)),
                 qPrintable(verdict->text()));
        Press(Qt::Key_Return);
    }
    // "Beenden" ends the round early; its four answers count.
    page->StopButton()->setFocus();
    Press(Qt::Key_Space);
    QVERIFY(!page->RoundInProgress());
    QVERIFY2(Child<QLabel>(page, "LWertung")->text().startsWith(QStringLiteral("Richtig: 2 von 4")),
             qPrintable(Child<QLabel>(page, "LWertung")->text()));
    const QString history = ReadFile(trainingFolder_ + QStringLiteral("Übungsverlauf.csv"));
    QVERIFY2(history.contains(QStringLiteral(";Wahrer Z\u00e4hlwert;6 Decks, Rest-Decks;4;2;")),
             qPrintable(history));
}

void DrillPagesTest::indexPlaysAreAnsweredByKeysAndTheBoxesSurviveARestart() {
    const int day = DayNumber(2026, 12, 10);
    const auto openIndexPage = [&](int today) {
        CountingDrillWindow* w = OpenDrill();
        IndexPlaySources sources;
        sources.rules = [this] { return program_->GetTable().Settings().rules; };
        sources.training = [this] { return program_->GetTable().Settings().training; };
        sources.players = [] { return std::vector<std::string>{"Fritzi", "Uwe"}; };
        sources.today = [today] { return today; };
        w->SetIndexPlaySources(sources);
        GoToPage(w, 3);
        return qobject_cast<IndexPlayPage*>(w->Pages()->currentWidget());
    };
    Start();
    IndexPlayPage* page = openIndexPage(day);
    QVERIFY(page != nullptr);
    const auto cards = ActiveIndexCards(program_->GetTable().Settings().rules,
                                        program_->GetTable().Settings().training);
    const int total = static_cast<int>(cards.size());
    QCOMPARE(page->standing->text(),
             QStringLiteral("Fällig: 0 · Neu: %1 · Gelernt: 0 · Schwach: 0").arg(total));
    QCOMPARE(page->player->currentText(), QStringLiteral("Fritzi"));
    page->cardsPerRound->setFocus();
    page->cardsPerRound->selectAll();
    Type(QStringLiteral("5"));
    page->StartButton()->setFocus();
    Press(Qt::Key_Return);
    QVERIFY(page->RoundInProgress());

    auto* verdict = Child<QLabel>(page, "LErgebnis");
    const QRegularExpression countText(QStringLiteral("^Wahrer Zählwert ([+-]?\\d+),(\\d)$"));
    // What the screen shows, played by the program's own strategy.
    const auto rightPlay = [&]() -> PlayChoice {
        const auto m = countText.match(page->count->text());
        const float count = (m.captured(1).startsWith(QLatin1Char('-')) ? -1.0f : 1.0f) *
                            (std::abs(m.captured(1).toFloat()) + m.captured(2).toFloat() / 10.0f);
        if (page->question->text().contains(QStringLiteral("Versichern")))
            return InsuranceChoiceAt(count, program_->GetTable().Settings().rules,
                                     program_->GetTable().Settings().training);
        std::vector<CardCode> hand;
        for (QLabel* card : page->handCards)
            if (card->isVisibleTo(page))
                hand.push_back(CodeOfValue(ValueOfCardName(card->accessibleName())));
        const int dealer = ValueOfCardName(page->dealerCard->accessibleName().mid(8));
        return StrategyPlay(hand, dealer, count, program_->GetTable().Settings().rules,
                            program_->GetTable().Settings().training);
    };
    // Card 1 right, card 2 wrong, by the keys.
    const PlayChoice first = rightPlay();
    Press(static_cast<Qt::Key>(IndexPlayPage::ActionKey(first).unicode()));
    QVERIFY2(verdict->text().startsWith(QStringLiteral("Richtig: %1.").arg(PlayChoiceText(first))),
             qPrintable(verdict->text()));
    QVERIFY(verdict->text().contains(QStringLiteral("Jetzt in Fach 2, wieder dran in 1 Tag.")));
    const QString firstCell = verdict->text().section(QLatin1Char('\n'), 1, 1);
    Press(Qt::Key_Return);
    const PlayChoice second = rightPlay();
    PlayChoice wrong = PlayChoice::Hit;
    for (int i = 0; i < PLAY_CHOICE_COUNT; ++i) {
        if (page->actions[i]->isEnabled() && ALL_PLAY_CHOICES[i] != second) {
            wrong = ALL_PLAY_CHOICES[i];
            break;
        }
    }
    Press(static_cast<Qt::Key>(IndexPlayPage::ActionKey(wrong).unicode()));
    QVERIFY2(verdict->text().startsWith(QStringLiteral("Falsch: Sie wählten %1. Richtig ist %2.")
                                            .arg(PlayChoiceText(wrong), PlayChoiceText(second))),
             qPrintable(verdict->text()));
    const QString secondCell = verdict->text().section(QLatin1Char('\n'), 1, 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^(G\\d|Versichern) · .+ liegt\\.$"))
                 .match(secondCell)
                 .hasMatch(),
             qPrintable(secondCell));
    // The wrong card comes back at the end: six cards in this round now.
    Press(Qt::Key_Return);
    QCOMPARE(page->Status()->text(), QStringLiteral("Karte 3 von 6"));
    page->StopButton()->click();
    QVERIFY(!page->RoundInProgress());
    QCOMPARE(page->standing->text(),
             QStringLiteral("Fällig: 1 · Neu: %1 · Gelernt: 0 · Schwach: 1").arg(total - 2));
    const QString boxes = ReadFile(trainingFolder_ + QStringLiteral("Indexspiele.csv"));
    QVERIFY2(boxes.contains(QStringLiteral(";2;2026-12-11;1;0;0\r\n")), qPrintable(boxes));
    QVERIFY2(boxes.contains(QStringLiteral(";1;2026-12-10;0;1;1\r\n")), qPrintable(boxes));
    // The other player's boxes are untouched.
    page->player->setFocus();
    Press(Qt::Key_Down);
    QCOMPARE(page->player->currentText(), QStringLiteral("Uwe"));
    QCOMPARE(page->standing->text(),
             QStringLiteral("Fällig: 0 · Neu: %1 · Gelernt: 0 · Schwach: 0").arg(total));

    // A new start, the next day: both cards are due, the older first.
    program_.reset();
    Start();
    page = openIndexPage(day + 1);
    QVERIFY(page != nullptr);
    QCOMPARE(page->player->currentText(), QStringLiteral("Fritzi"));
    QCOMPARE(page->standing->text(),
             QStringLiteral("Fällig: 2 · Neu: %1 · Gelernt: 0 · Schwach: 1").arg(total - 2));
    // The grid colours each cell by its box, and says so in words.
    bool boxTwoShown = false;
    for (StrategyGridView* grid : page->grids)
        for (int r = 0; r < grid->rowCount(); ++r)
            for (int c = 0; c < grid->columnCount(); ++c)
                boxTwoShown |=
                    grid->item(r, c)->toolTip().endsWith(QStringLiteral("– Fach 2, fällig"));
    boxTwoShown |= page->insurance->text().endsWith(QStringLiteral("Fach 2, fällig"));
    QVERIFY(boxTwoShown);
    verdict = Child<QLabel>(page, "LErgebnis");
    Press(Qt::Key_Return);
    QVERIFY(page->RoundInProgress());
    for (const QString& cell : {secondCell, firstCell}) {
        Press(static_cast<Qt::Key>(IndexPlayPage::ActionKey(rightPlay()).unicode()));
        QCOMPARE(verdict->text().section(QLatin1Char('\n'), 1, 1), cell);
        Press(Qt::Key_Return);
    }
    page->StopButton()->click();
    QCOMPARE(page->standing->text(),
             QStringLiteral("Fällig: 0 · Neu: %1 · Gelernt: 0 · Schwach: 0").arg(total - 2));
}

void DrillPagesTest::tempoFindenDealsFasterAfterRightChecksAndKeepsThePaceHeld() {
    // A pace held before: this session starts near ten cards a second, so
    // that the test waits a few seconds at most.
    QVERIFY(QDir().mkpath(trainingFolder_));
    QFile old(trainingFolder_ + QStringLiteral("Zählverlauf.csv"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(
        "Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s;Tempo\r\n"
        "2026-12-01 10:00;1;1;12;12;0,00;9,00;12,00\r\n");
    old.close();
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    QVERIFY(Child<QWidget>(w, "DiagrammTempo")->isVisibleTo(w));
    QVERIFY(!Child<QWidget>(w, "LKeinTempo")->isVisibleTo(w));
    for (const char* name : {"spV3"}) {
        Child<QSpinBox>(w, name)->setFocus();
        Child<QSpinBox>(w, name)->selectAll();
        Type(QStringLiteral("0"));
    }
    Child<QSpinBox>(w, "spV4")->setFocus();
    Child<QSpinBox>(w, "spV4")->selectAll();
    Type(QStringLiteral("2"));
    QTest::mouseClick(Child<QRadioButton>(w, "RGAnsage2"), Qt::LeftButton);
    for (const char* other : {"Gr2", "Gr3", "Gr4", "Gr5", "Gr6", "Gr7", "Gr8"}) {
        Child<QWidget>(w, other)->setFocus();
        Press(Qt::Key_Space);
    }
    auto* tempo = Child<QCheckBox>(w, "cbTempo");
    tempo->setFocus();
    Press(Qt::Key_Space);
    QVERIFY(tempo->isChecked());
    // The found pace replaces these two delays and asks every round.
    QVERIFY(!Child<QSpinBox>(w, "spV1")->isEnabled());
    QVERIFY(!Child<QComboBox>(w, "cbAbfrage")->isEnabled());

    auto* running = Child<QSpinBox>(w, "spLaufend");
    RunScript script([w] { w->Drill().Abort(); });
    int answered = 0;
    for (int round = 0; round < 11; ++round) {
        script.Then([&] { return running->isEnabled(); },
                    [&] {
                        running->selectAll();
                        Type(QString::number(w->Drill().RunningCount()));
                        Press(Qt::Key_Return);
                        ++answered;
                        if (answered == 11)
                            QTest::mouseClick(Child<QPushButton>(w, "BStoppen"), Qt::LeftButton);
                    });
    }
    Child<QPushButton>(w, "BStart")->setFocus();
    Press(Qt::Key_Space);
    QVERIFY(script.AllDone());
    QVERIFY(!script.TimedOut());
    QCOMPARE(answered, 11);
    // Started a fifth below the 12 held before, at 9.6 cards a second, and
    // after the first right check at the fastest, 10: ten checks in a row
    // held there.
    QCOMPARE(Child<QLabel>(w, "LGehalten")->text(), QStringLiteral("Gehalten: 10,00 Karten/s"));
    QCOMPARE(Child<QLabel>(w, "LTempo")->text(), QStringLiteral("Tempo: 10,00 Karten/s"));
    const QString history = ReadFile(trainingFolder_ + QStringLiteral("Zählverlauf.csv"));
    QVERIFY2(history.contains(
                 QRegularExpression(QStringLiteral(";2;1;11;11;0,00;[0-9]+,[0-9]+;10,00\r\n"))),
             qPrintable(history));
}

void DrillPagesTest::aRoundAndATableRunRefuseToStartInsideEachOther() {
    Start();
    Seat(*program_, {}, {1});
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    GoToPage(w, 1);
    auto* page = qobject_cast<DrillPage*>(w->Pages()->currentWidget());

    // A round asked for during a table run is refused; the table goes on.
    RunScript tableScript(program_->GetTable());
    tableScript.Then([&] { return program_->GetTable().State().roundNumber >= 1; },
                     [&] {
                         page->StartButton()->click();
                         QVERIFY(!page->RoundInProgress());
                         QCOMPARE(page->Status()->text(),
                                  QStringLiteral("Am Tisch läuft ein Spiel. Die Übung kann erst "
                                                 "starten, wenn es gestoppt ist."));
                     });
    tableScript.Then([&] { return program_->GetTable().State().roundNumber >= 2; },
                     [&] { program_->GetTable().StopRun(); });
    QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
    QCOMPARE(tableScript.StepsDone(), 2);

    // A table run asked for during a round is refused; the round goes on.
    page->StartButton()->click();
    QVERIFY(page->RoundInProgress());
    program_->Host().ClearRecordedMessages();
    const int roundsBefore = program_->GetTable().State().roundNumber;
    QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!program_->Window().RunInProgress());
    QCOMPARE(program_->GetTable().State().roundNumber, roundsBefore);
    QCOMPARE(program_->Host().RecordedMessages(),
             QStringList{QStringLiteral("Die Übung „Decks schätzen“ läuft. Ein Spiel am Tisch "
                                        "kann erst starten, wenn sie beendet ist.")});
    QVERIFY(page->RoundInProgress());
    // Closing the window ends the round; the table may play again.
    w->close();
    QVERIFY(!page->RoundInProgress());
    QVERIFY(w->TableBlockedMessage().isEmpty());
}

QTEST_MAIN(DrillPagesTest)
#include "drill_pages_test.moc"
