// The training centre as the user meets it: its settings reach
// "Allgemein.ini" and the table at once, and its grids read as the strategy.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include "engine/table.h"
#include "program_test.h"
#include "settings/ini_file.h"
#include "settings/settings_store.h"
#include "ui/common/locale_text_format.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui/training/strategy_grid_view.h"
#include "ui/training/training_centre_window.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

class TrainingCentreTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void existsHiddenFromStartAndOpensFromTheTable();
    void trainingModeSwitchesAdvisorAndPanelAtOnce();
    void hidingTheCountsShowsTheNote();
    void liveCellsFollowEveryCountAtOnce();
    void insuranceChoiceGovernsRobotAndAdvisor_data();
    void insuranceChoiceGovernsRobotAndAdvisor();
    void gridsShowTheStrategy();
    void aFailedWriteKeepsTheStoredChoice();
    void fitsASmallScreen();

  private:
    TrainingCentreWindow* Centre() {
        return qobject_cast<TrainingCentreWindow*>(
            window().Windows().Existing(SecondaryWindow::TrainingCentre));
    }
    void OpenCentre() { QTest::mouseClick(window().Panel()->bStrategietabellen, Qt::LeftButton); }
    template <class T>
    T* Find(const char* name) {
        T* widget = Centre()->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) qWarning("no %s", name);
        return widget;
    }
    void Click(QAbstractButton* button) {
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    int IniValue(const char* section, const char* key) {
        const std::string path = SettingsStore(program_->Folders().settingsFolder).Path();
        return IniFile(path).ReadInt(section, key, -1);
    }
    QString Hint() { return window().Dealer()->findChild<QLabel*>("LHinweis")->text(); }
    void ClickStart() { QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton); }
};

void TrainingCentreTest::existsHiddenFromStartAndOpensFromTheTable() {
    TrainingCentreWindow* centre = Centre();
    QVERIFY(centre != nullptr);
    QVERIFY(centre->isHidden());
    OpenCentre();
    QVERIFY(centre->isVisible());
    Click(Find<QToolButton>("BSchliessen"));
    QVERIFY(centre->isHidden());
    // Opened again it is the same window, not a second one.
    OpenCentre();
    QCOMPARE(Centre(), centre);
    QVERIFY(centre->isVisible());
    Click(Find<QAbstractButton>("BSchliessen2"));
    QVERIFY(centre->isHidden());
}

// Box 1 holds 10 and 8 against a dealer 7; "Ziehen" is a plain mistake.
void TrainingCentreTest::trainingModeSwitchesAdvisorAndPanelAtOnce() {
    Seat(*program_, {1}, {});
    table().Shuffler().StackNextShoe({10, 7, 8, 5, 6}, 300);
    OpenCentre();
    auto* trainingMode = Find<QCheckBox>("cbTraiModus");
    QWidget* panel = window().Dealer()->findChild<QWidget*>("PTraining");
    QVERIFY(!trainingMode->isChecked());
    QVERIFY(panel->isHidden());

    Click(trainingMode);
    QVERIFY(trainingMode->isChecked());
    QCOMPARE(IniValue("Training", "go"), 1);
    QVERIFY(table().Settings().training.trainingMode);
    QVERIFY(!panel->isHidden());

    BoxFrame* box = window().Frame(1);
    QPushButton* hit = box->ActionButton(Action::Hit);
    RunScript script(table());
    script.Then([&] { return hit->isEnabled(); },
                [&] {
                    QTest::mouseClick(hit, Qt::LeftButton);
                    // Told, logged, and (reaction "ignorieren") not carried out.
                    QCOMPARE(Hint(), QStringLiteral("Nicht ziehen, halten"));
                    QCOMPARE(table().HintsGrid(1).Cell(4, 1), std::string("Nicht ziehen, halten"));
                    QCOMPARE(table().Box(1).Hand(1).cardCount, 2);

                    // Training mode off in the middle of the turn: the panel
                    // goes, and the same click is now simply carried out.
                    Click(trainingMode);
                    QCOMPARE(IniValue("Training", "go"), 0);
                    QVERIFY(panel->isHidden());
                    QTest::mouseClick(hit, Qt::LeftButton);
                });
    script.Then([&] { return table().Box(1).Hand(1).cardCount == 3; }, [&] { table().StopRun(); });
    ClickStart();
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 2);
    QCOMPARE(table().Box(1).hintRow, 1);
}

void TrainingCentreTest::hidingTheCountsShowsTheNote() {
    OpenCentre();
    Click(Find<QCheckBox>("cbTraiModus"));
    auto* counts = Find<QCheckBox>("cbHinweise");
    QWidget* counter = window().Dealer()->findChild<QWidget*>("PCounter");
    QVERIFY(counts->isChecked());
    QVERIFY(counter->isVisible());
    Click(counts);
    QCOMPARE(IniValue("Strategie", "CountAnzeige"), 0);
    QVERIFY(!counter->isVisible());
    auto* note = window().Dealer()->findChild<QLabel*>("LAusgeblendet");
    QVERIFY(note != nullptr);
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("Zähler ausgeblendet"));
    // Nor do the grids give the count away any more.
    QVERIFY(Find<QLabel>("LZaehlwert")->text().contains("ausgeblendet"));
    Click(counts);
    QCOMPARE(IniValue("Strategie", "CountAnzeige"), 1);
    QVERIFY(counter->isVisible());
}

// Looked at between any two steps of the table, the centre shows the count
// of that very moment: it is told of each change, it does not wait for a
// timer to look.
void TrainingCentreTest::liveCellsFollowEveryCountAtOnce() {
    table().Settings().rules.deckChoice = 0;  // one deck: the relative count is the running count
    Seat(*program_, {}, {1, 2, 3, 4, 5, 6, 7});
    // Low cards first: the count climbs past 3, where hard 12 against a 2
    // stands; the rest of the shoe brings it down again.
    table().Shuffler().StackNextShoe({2, 3, 4, 5, 6, 15, 16, 17, 18, 19, 28, 29, 30, 31, 32}, 40);
    OpenCentre();
    TrainingCentreWindow* centre = Centre();
    QLabel* note = Find<QLabel>("LZaehlwert");
    const QLocale locale = LocaleTextFormat::TableLocale();
    int looks = 0;
    QSet<bool> marksSeen;
    QStringList lagging;
    RunScript script(table());
    script.Then(
        [&] {
            const float count = table().Count().RelativeCount;
            const QString shown = locale.toString(count, 'f', 1);
            const bool marked = centre->Grid(1)->IsMarked(12, 2);
            ++looks;
            marksSeen << marked;
            if (!note->text().startsWith(QStringLiteral("Wahrer Zählwert jetzt: %1.").arg(shown)) ||
                marked != (count >= 3.0f))
                lagging << shown + " / " + note->text().section('.', 0, 0);
            return table().State().roundNumber >= 4;
        },
        [&] { table().StopRun(); });
    ClickStart();

    QVERIFY(!script.TimedOut());
    QVERIFY(looks > 20);
    QCOMPARE(marksSeen.size(), 2);  // the count went above 3 and below again
    QVERIFY2(lagging.isEmpty(), qPrintable(lagging.join(" | ")));
}

void TrainingCentreTest::insuranceChoiceGovernsRobotAndAdvisor_data() {
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("insures");
    QTest::newRow("3") << "3" << 0 << true;
    QTest::newRow("nie") << "nie" << 4 << false;
}

// One deck, six robots on low cards and the human on 10, 8 against an ace:
// the count is 10 when the turns begin, far above the lowest threshold.
void TrainingCentreTest::insuranceChoiceGovernsRobotAndAdvisor() {
    QFETCH(QString, choice);
    QFETCH(int, stored);
    QFETCH(bool, insures);
    table().Settings().rules.deckChoice = 0;
    Seat(*program_, {1}, {2, 3, 4, 5, 6, 7});
    table().Shuffler().StackNextShoe({10, 2, 4, 6, 3, 5, 2, 1, 8, 3, 5, 2, 4, 6, 4}, 40);
    OpenCentre();
    Click(Find<QCheckBox>("cbTraiModus"));
    // The high count wants a higher stake than the box's one unit: the run
    // goes on without waiting for the stake to be corrected.
    Click(Find<QRadioButton>("RGPause_2"));
    QCOMPARE(IniValue("Strategie", "Setzpause"), 2);
    QRadioButton* radio = nullptr;
    for (auto* r : Find<QWidget>("RGVers")->findChildren<QRadioButton*>())
        if (r->text() == choice) radio = r;
    Click(radio);
    QVERIFY(radio->isChecked());
    QCOMPARE(IniValue("Strategie", "Versichern"), stored);
    QCOMPARE(table().Settings().training.insuranceChoice, stored);

    QPushButton* stand = window().Frame(1)->ActionButton(Action::Stand);
    float countAtTurn = 0;
    RunScript script(table());
    script.Then([&] { return stand->isEnabled(); },
                [&] {
                    countAtTurn = table().Count().RelativeCount;
                    QTest::mouseClick(stand, Qt::LeftButton);
                    if (insures) {
                        QCOMPARE(Hint(), QStringLiteral("Nicht halten versichern"));
                        QTest::mouseClick(window().Frame(1)->ActionButton(Action::Insure),
                                          Qt::LeftButton);
                        QTest::mouseClick(stand, Qt::LeftButton);
                    } else {
                        QCOMPARE(Hint(), QString());
                    }
                });
    script.Then([&] { return table().BoxInTurn() == 0 && table().Box(2).turnDone; },
                [&] { table().StopRun(); });
    ClickStart();
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 2);
    QCOMPARE(countAtTurn, 10.0f);
    QCOMPARE(table().Box(1).insuranceCount > 0, insures);
    QCOMPARE(table().Box(2).insuranceCount > 0, insures);
    QCOMPARE(table().Box(1).hintRow, insures ? 1 : 0);

    // The same count marks the live indices: hard 12 against a 2 stands
    // now (index 3), hard 16 against a 10 stands at 0 too.
    TrainingCentreWindow* centre = Centre();
    QVERIFY(centre->Grid(1)->IsMarked(12, 2));
    QVERIFY(!centre->Grid(1)->IsMarked(16, 10));
    QVERIFY(!centre->Grid(1)->IsMarked(12, 7));
}

void TrainingCentreTest::gridsShowTheStrategy() {
    OpenCentre();
    TrainingCentreWindow* centre = Centre();
    struct Expected {
        int grid, key, dealer;
        const char* text;
    };
    const Expected cells[] = {{1, 12, 2, "3"},   {1, 12, 7, "+"},  {1, 17, 2, "-"},
                              {5, 8, 2, "+"},    {5, 5, 6, "-"},   {3, 11, 2, "12"},
                              {7, 16, 10, "15"}, {8, 8, 11, "-14"}};
    for (const Expected& e : cells) {
        QTableWidgetItem* cell = centre->Grid(e.grid)->CellFor(e.key, e.dealer);
        QVERIFY(cell != nullptr);
        QCOMPARE(cell->text(), QString::fromUtf8(e.text));
    }
    // Headers as the user reads them, and the sizes of the grids.
    StrategyGridView* g8 = centre->Grid(8);
    QCOMPARE(g8->objectName(), QStringLiteral("G8"));
    QCOMPARE(g8->verticalHeaderItem(1)->text(), QStringLiteral("8, 8"));
    QCOMPARE(g8->horizontalHeaderItem(0)->text(), QStringLiteral("8"));
    const int sizes[8][2] = {{10, 6}, {10, 6}, {10, 7}, {10, 9}, {10, 10}, {5, 6}, {2, 4}, {4, 2}};
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(centre->Grid(n)->columnCount(), sizes[n - 1][0]);
        QCOMPARE(centre->Grid(n)->rowCount(), sizes[n - 1][1]);
    }

    // A cell says what it means, and the window repeats it for the cell the
    // keyboard is on.
    QTableWidgetItem* twelveTwo = centre->Grid(1)->CellFor(12, 2);
    const QString words =
        QStringLiteral("Hart 12 gegen 2: ziehen, solange der wahre Zählwert unter 3 liegt");
    QCOMPARE(twelveTwo->toolTip(), words);
    centre->Grid(1)->setFocus();
    centre->Grid(1)->setCurrentItem(twelveTwo);
    QCOMPARE(Find<QLabel>("LFeld")->text(), words);
    // At a count of 0 nothing is live.
    for (int n = 1; n <= 8; ++n)
        for (int key : centre->Grid(n)->Grid().rows)
            for (int dealer : centre->Grid(n)->Grid().columns)
                QVERIFY(!centre->Grid(n)->IsMarked(key, dealer));
}

void TrainingCentreTest::aFailedWriteKeepsTheStoredChoice() {
    OpenCentre();
    // The settings file turned into a folder cannot be written.
    const QString path =
        QString::fromStdString(SettingsStore(program_->Folders().settingsFolder).Path());
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path));
    auto* sound = Find<QCheckBox>("cbAbwSound");
    QVERIFY(sound->isChecked());
    Click(sound);
    QVERIFY(sound->isChecked());
    QVERIFY(table().Settings().training.deviationSound);
    QRadioButton* accept = Find<QRadioButton>("RGModus_1");
    Click(accept);
    QVERIFY(!accept->isChecked());
    QVERIFY(Find<QRadioButton>("RGModus_0")->isChecked());
    QCOMPARE(table().Settings().training.deviationReaction, 0);
    QCOMPARE(program_->Host().RecordedMessages().size(), 2);
    QVERIFY(program_->Host().RecordedMessages().first().contains("kann nicht geschrieben werden"));
}

void TrainingCentreTest::fitsASmallScreen() {
    OpenCentre();
    const QSize size = Centre()->size();
    // Room for a title bar and a panel on a 1366 x 768 screen.
    QVERIFY2(size.width() <= 1366 && size.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
    QCOMPARE(Centre()->size(), Centre()->sizeHint());
}

QTEST_MAIN(TrainingCentreTest)
#include "training_centre_test.moc"
