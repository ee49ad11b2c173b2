// The counting drill's window as a user drives it: opened from the table,
// settings read and saved, the deck count locked during a run, the count
// check's verdicts and history, and the drill and a table run that refuse
// to start inside each other.
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <vector>

#include "engine/table.h"
#include "ui/drill/counting_drill_window.h"
#include "ui/drill/drill_place_box.h"
#include "ui/drill/rollup_group.h"
#include "ui/help/help_context.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
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

void TypeInto(QAbstractSpinBox* spin, const QString& text) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, text);
}

void ToggleByKeyboard(QWidget* checkable) {
    checkable->setFocus();
    QTest::keyClick(checkable, Qt::Key_Space);
}

QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("<missing %1>").arg(path);
    return QString::fromUtf8(file.readAll());
}

}  // namespace

class CountingDrillTest : public QObject {
    Q_OBJECT
  private slots:
    // Each test in a data folder of its own: one test's saved settings
    // must not become the next one's start.
    void init() {
        data_ = std::make_unique<QTemporaryDir>();
        QVERIFY(data_->isValid());
        trainingFolder_ = data_->path() + QStringLiteral("/Tavexo/Training/");
    }
    void cleanup() {
        program_.reset();
        data_.reset();
    }

    void opensFromTheTableOnceWithTheStoredSettings();
    void speichernWritesWhatTheControlsShow();
    void decksCannotBeChangedWhileADrillRuns();
    void theCheckSaysRightOrHowFarOffAndKeepsTheScore();
    void aTableRunAndADrillRefuseToStartInsideEachOther();
    void closingTheWindowEndsTheRun();

  private:
    void Start() {
        program_ = StartProgram(data_->path());
        QuickTable(*program_);
    }
    CountingDrillWindow* OpenDrill() {
        QTest::mouseClick(program_->Window().Panel()->bTraining, Qt::LeftButton);
        return qobject_cast<CountingDrillWindow*>(
            program_->Window().Windows().Existing(SecondaryWindow::CountingDrill));
    }
    // No delays, no sound: a shoe runs as fast as the pictures are placed.
    void Quick(CountingDrillWindow* w, int decks) {
        for (const char* name : {"spV1", "spV2", "spV3"}) TypeInto(Child<QSpinBox>(w, name), "0");
        TypeInto(Child<QSpinBox>(w, "spV4"), QString::number(decks));
        QTest::mouseClick(Child<QRadioButton>(w, "RGAnsage2"), Qt::LeftButton);
    }
    QString Message(CountingDrillWindow* w) { return Child<QLabel>(w, "LMeldung")->text(); }

    std::unique_ptr<QTemporaryDir> data_;
    QString trainingFolder_;
    std::unique_ptr<Program> program_;
};

void CountingDrillTest::opensFromTheTableOnceWithTheStoredSettings() {
    QVERIFY(QDir().mkpath(trainingFolder_));
    QFile ini(trainingFolder_ + QStringLiteral("Counttrai.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[Intens]\r\nBoxaktiv2=0\r\nZeit1=3\r\nZeit4=1\r\n[Hilfe]\r\nKontrolle3=1\r\nAnsage=1\r\n");
    ini.close();
    Start();

    QVERIFY(program_->Window().Windows().Existing(SecondaryWindow::CountingDrill) == nullptr);
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    QVERIFY(w->isVisible());
    QCOMPARE(help::HelpContextOf(Child<QSpinBox>(w, "spV1")), 2050);
    QCOMPARE(Child<QGroupBox>(w, "Gr1")->title(), QStringLiteral("Spieler 1"));
    QCOMPARE(Child<QGroupBox>(w, "Gr8")->title(), QStringLiteral("Dealer"));
    QVERIFY(Child<QGroupBox>(w, "Gr1")->isChecked());
    QVERIFY(!Child<QGroupBox>(w, "Gr2")->isChecked());
    QCOMPARE(Child<QSpinBox>(w, "spV1")->value(), 3);
    QCOMPARE(Child<QSpinBox>(w, "spV2")->value(), 20);
    QCOMPARE(Child<QSpinBox>(w, "spV4")->value(), 1);
    QVERIFY(Child<QRadioButton>(w, "RGAnsage1")->isChecked());
    QCOMPARE(Message(w), QStringLiteral("Gespielt wird mit 1 Deck = 52 Karten"));
    // The groups' rolled-up state follows their check marks.
    QVERIFY(Child<RollUpGroup>(w, "GrOp1")->RolledUp());
    QVERIFY(!Child<RollUpGroup>(w, "GrOp3")->RolledUp());
    QVERIFY(!Child<QWidget>(w, "Labs")->isVisibleTo(w));  // GrOp2 around it is rolled up
    ToggleByKeyboard(Child<QGroupBox>(w, "GrOp2"));
    QVERIFY(Child<QWidget>(w, "Labs")->isVisibleTo(w));
    QVERIFY(Child<QPushButton>(w, "BStart")->isEnabled());
    QVERIFY(!Child<QPushButton>(w, "BStoppen")->isVisible());

    // Closing hides; the second opening brings the same window back.
    QTest::mouseClick(Child<QPushButton>(w, "BClose"), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(OpenDrill(), w);
    QVERIFY(w->isVisible());
    QVERIFY(Child<QWidget>(w, "Labs")->isVisibleTo(w));
}

void CountingDrillTest::speichernWritesWhatTheControlsShow() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    ToggleByKeyboard(Child<QGroupBox>(w, "Gr2"));
    QVERIFY(!Child<QGroupBox>(w, "Gr2")->isChecked());
    QVERIFY(!w->Drill().Settings().placeActive[1]);
    TypeInto(Child<QSpinBox>(w, "spV1"), "5");
    TypeInto(Child<QSpinBox>(w, "spV4"), "4");
    QTest::mouseClick(Child<QRadioButton>(w, "RGAnsage2"), Qt::LeftButton);
    ToggleByKeyboard(Child<QGroupBox>(w, "GrOp6"));
    QTest::mouseClick(Child<QPushButton>(w, "BSave1"), Qt::LeftButton);

    const QString ini = ReadFile(trainingFolder_ + QStringLiteral("Counttrai.ini"));
    for (const char* line :
         {"Boxaktiv1=1\r\n", "Boxaktiv2=0\r\n", "Zeit1=5\r\n", "Zeit2=20\r\n", "Zeit3=30\r\n",
          "Zeit4=4\r\n", "Kontrolle5=0\r\n", "Kontrolle6=1\r\n", "Ansage=2\r\n"})
        QVERIFY2(ini.contains(QLatin1String(line)), line);

    // The second button saves the same way.
    ToggleByKeyboard(Child<QGroupBox>(w, "Gr2"));
    QTest::mouseClick(Child<QPushButton>(w, "BSave2"), Qt::LeftButton);
    QVERIFY(ReadFile(trainingFolder_ + QStringLiteral("Counttrai.ini"))
                .contains(QLatin1String("Boxaktiv2=1\r\n")));
}

void CountingDrillTest::decksCannotBeChangedWhileADrillRuns() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    Quick(w, 8);
    auto* decks = Child<QSpinBox>(w, "spV4");
    RunScript script([w] { w->Drill().Abort(); });
    bool checked = false;
    script.Then([&] { return w->Drill().Dealt() > 3; },
                [&] {
                    QVERIFY(!decks->isEnabled());
                    QVERIFY(!Child<QPushButton>(w, "BStart")->isEnabled());
                    QVERIFY(Child<QPushButton>(w, "BStoppen")->isVisible());
                    QTest::keyClick(decks, Qt::Key_Down);
                    QTest::keyClick(decks, Qt::Key_PageDown);
                    QCOMPARE(decks->value(), 8);
                    QCOMPARE(w->Drill().Decks(), 8);
                    checked = true;
                    QTest::mouseClick(Child<QPushButton>(w, "BStoppen"), Qt::LeftButton);
                    QCOMPARE(Message(w), QStringLiteral("Gestoppt, Runde wird zu Ende gespielt"));
                });
    QTest::mouseClick(Child<QPushButton>(w, "BStart"), Qt::LeftButton);
    QVERIFY(checked);
    QVERIFY(!script.TimedOut());
    QCOMPARE(Message(w), QStringLiteral("Die Trainingsrunde wurde gestoppt."));
    QVERIFY(decks->isEnabled());
    QTest::keyClick(decks, Qt::Key_Down);
    QCOMPARE(w->Drill().Decks(), 7);
    QCOMPARE(Message(w), QStringLiteral("Gespielt wird mit 7 Decks = 364 Karten"));
    for (int place = 1; place <= 8; ++place) QVERIFY(w->Place(place)->VisibleCards().empty());
}

void CountingDrillTest::theCheckSaysRightOrHowFarOffAndKeepsTheScore() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    Quick(w, 1);
    // One box alone gets a dozen rounds out of one deck.
    for (const char* other : {"Gr2", "Gr3", "Gr4", "Gr5", "Gr6", "Gr7", "Gr8"})
        ToggleByKeyboard(Child<QGroupBox>(w, other));
    Child<QComboBox>(w, "cbAbfrage")->setFocus();
    QTest::keyClick(Child<QComboBox>(w, "cbAbfrage"), Qt::Key_Down);  // "nach jeder Runde"
    QCOMPARE(Child<QComboBox>(w, "cbAbfrage")->currentIndex(), 1);
    ToggleByKeyboard(Child<QGroupBox>(w, "GrOp2"));
    ToggleByKeyboard(Child<QGroupBox>(w, "GrOp3"));
    auto* running = Child<QSpinBox>(w, "spLaufend");
    auto* verdict = Child<QLabel>(w, "LUrteil");
    auto* absolute = Child<QLabel>(w, "Labs");

    RunScript script([w] { w->Drill().Abort(); });
    int actual = 0;
    script.Then([&] { return running->isEnabled(); },
                [&] {
                    // The counts stay covered until the answer is in.
                    QCOMPARE(absolute->text(), QStringLiteral("?"));
                    QCOMPARE(Message(w), QStringLiteral("Wie steht der Count?"));
                    actual = w->Drill().RunningCount();
                    TypeInto(running, QString::number(actual));
                    QTest::mouseClick(Child<QPushButton>(w, "BPruefen"), Qt::LeftButton);
                    QCOMPARE(verdict->text(),
                             QStringLiteral("Richtig! Der Count steht bei %1.").arg(actual));
                    QCOMPARE(absolute->text(), QString::number(actual));
                });
    script.Then(
        [&] { return running->isEnabled(); },
        [&] {
            actual = w->Drill().RunningCount();
            TypeInto(running, QString::number(actual + 2));
            QTest::keyClick(running, Qt::Key_Return);
            QCOMPARE(verdict->text(),
                     QStringLiteral("Laufender Count um 2 daneben: er steht bei %1.").arg(actual));
            const QString score = Child<QLabel>(w, "LPunkte")->text();
            QVERIFY2(
                score.startsWith(QStringLiteral("Geprüft: 2, richtig: 1, mittlerer Fehler: 1,00")),
                qPrintable(score));
            QTest::mouseClick(Child<QPushButton>(w, "BStoppen"), Qt::LeftButton);
        });
    QTest::mouseClick(Child<QPushButton>(w, "BStart"), Qt::LeftButton);
    QVERIFY(script.AllDone());
    QVERIFY(!script.TimedOut());

    // The session went to the history file and shows as the latest result.
    const QString history = ReadFile(trainingFolder_ + QStringLiteral("Zählverlauf.csv"));
    QVERIFY2(history.contains(QLatin1String(";1;1;2;1;1,00;")), qPrintable(history));
    auto* grid = Child<QTableWidget>(w, "GVerlauf");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("1 von 2"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("1,00"));
}

void CountingDrillTest::aTableRunAndADrillRefuseToStartInsideEachOther() {
    Start();
    Seat(*program_, {}, {1});
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    Quick(w, 8);

    // A drill started during a table run is refused; the table goes on.
    RunScript tableScript(program_->GetTable());
    tableScript.Then([&] { return program_->GetTable().State().roundNumber >= 1; },
                     [&] {
                         QTest::mouseClick(Child<QPushButton>(w, "BStart"), Qt::LeftButton);
                         QVERIFY(!w->Drill().Running());
                         QCOMPARE(w->Drill().Dealt(), 0);
                         QCOMPARE(Message(w),
                                  QStringLiteral("Am Tisch läuft ein Spiel. Die Zählübung kann "
                                                 "erst starten, wenn es gestoppt ist."));
                     });
    tableScript.Then([&] { return program_->GetTable().State().roundNumber >= 3; },
                     [&] { program_->GetTable().StopRun(); });
    QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
    QCOMPARE(tableScript.StepsDone(), 2);
    QVERIFY(!tableScript.TimedOut());

    // A table run started during the drill is refused; the drill goes on.
    program_->Host().ClearRecordedMessages();
    int roundsBefore = program_->GetTable().State().roundNumber;
    RunScript drillScript([w] { w->Drill().Abort(); });
    drillScript.Then(
        [&] { return w->Drill().Dealt() >= 3; },
        [&] {
            QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
            QVERIFY(!program_->Window().RunInProgress());
            QCOMPARE(program_->GetTable().State().roundNumber, roundsBefore);
            QCOMPARE(program_->Host().RecordedMessages(),
                     QStringList{QStringLiteral("Die Zählübung läuft. Ein Spiel am Tisch kann erst "
                                                "starten, wenn sie gestoppt ist.")});
        });
    int dealtAfterRefusal = 0;
    drillScript.Then([&] { return true; }, [&] { dealtAfterRefusal = w->Drill().Dealt(); });
    drillScript.Then([&] { return w->Drill().Dealt() > dealtAfterRefusal + 3; },
                     [&] { QTest::mouseClick(Child<QPushButton>(w, "BStoppen"), Qt::LeftButton); });
    QTest::mouseClick(Child<QPushButton>(w, "BStart"), Qt::LeftButton);
    QVERIFY(drillScript.AllDone());
    QVERIFY(!drillScript.TimedOut());
    QCOMPARE(Message(w), QStringLiteral("Die Trainingsrunde wurde gestoppt."));
}

void CountingDrillTest::closingTheWindowEndsTheRun() {
    Start();
    CountingDrillWindow* w = OpenDrill();
    QVERIFY(w != nullptr);
    Quick(w, 8);
    RunScript script([w] { w->Drill().Abort(); });
    script.Then([&] { return w->Drill().Dealt() >= 5; },
                [&] { QTest::mouseClick(Child<QPushButton>(w, "BClose1"), Qt::LeftButton); });
    QTest::mouseClick(Child<QPushButton>(w, "BStart"), Qt::LeftButton);
    QVERIFY(script.AllDone());
    QVERIFY(!script.TimedOut());
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Drill().Running());
    QVERIFY(w->Drill().Dealt() < 20);
    for (int place = 1; place <= 8; ++place) QVERIFY(w->Place(place)->VisibleCards().empty());
}

QTEST_MAIN(CountingDrillTest)
#include "counting_drill_test.moc"
