#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "engine/table.h"
#include "settings/window_positions.h"
#include "ui/start/start_screen.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_area.h"
#include "ui/table/table_layout.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

QString LabelText(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) texts << (action->isSeparator() ? "-" : action->text());
    return texts;
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(data_.isValid()); }

    void startScreenWaitsForTheTable();
    void firstStartComesUpIdleWithDefaults();
    void captionsAreTheProgramsOwn();
    void layoutFormulas_data();
    void layoutFormulas();
    void sliderOneOnFullHdScreen();
    void toolbarButtonsOpenTheirWindowOnce_data();
    void toolbarButtonsOpenTheirWindowOnce();
    void savedPositionsComeBackAtNextStart();
    void aShortPositionsFileIsIgnored();
    void saveAndRestoreCyclesDoNotDrift();
    void storedPositionsAreFittedToTheScreen_data();
    void storedPositionsAreFittedToTheScreen();
    void firstStartFitsTheWorkArea();
    void resizingByTheWindowManagerLaysTheTableOut();
    void aFreshAccountGetsItsWholeDataPath();
    void closingTheStartScreenLetsTheUserIn();
    void returnAndSpacePressWeiter_data();
    void returnAndSpacePressWeiter();
    void nothingStartsBehindTheStartScreen();
    void everyTextIsNinePointOrMore();

  private:
    QTemporaryDir data_;
};

void StartupTest::startScreenWaitsForTheTable() {
    StartScreen start(data_.path());
    QCOMPARE(start.windowTitle(), QStringLiteral("Tavexo 1.1.1.0"));
    QCOMPARE(start.size(), QSize(400, 300));
    QVERIFY(!start.InitializationDone());
    QVERIFY(!start.WeiterButton()->isEnabled());
    QCOMPARE(start.WeiterButton()->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(start.WeiterButton()->text(), QStringLiteral("Weiter"));
    // Its creation made the data folders.
    for (const char* folder : {"Statistik", "Einstellungen", "Training", "Verlauf"})
        QVERIFY2(QDir(data_.filePath(QStringLiteral("Tavexo/") + folder)).exists(), folder);

    start.SetInitializationDone(true);
    QVERIFY(start.WeiterButton()->isEnabled());
    QCOMPARE(start.WeiterButton()->cursor().shape(), Qt::PointingHandCursor);
}

void StartupTest::firstStartComesUpIdleWithDefaults() {
    auto program = StartProgram(data_.path(), false);
    TableWindow& window = program->Window();
    QPointer<StartScreen> start = program->StartWindow();
    QVERIFY(start->InitializationDone());
    // The tool bar waits for the start screen.
    QVERIFY(!window.Panel()->isEnabled());
    QCOMPARE(window.windowOpacity(), 0.0);

    QTest::mouseClick(start->WeiterButton(), Qt::LeftButton);
    QCOMPARE(window.windowOpacity(), 1.0);
    QVERIFY(window.Panel()->isEnabled());
    QTRY_VERIFY(start.isNull());

    // No files: the default profiles sit at the boxes, idle.
    const char* names[] = {"Fritzi", "Uwe", "Carmen", "Thomas", "Peter", "Andrea", "Mattes"};
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxFrame* frame = window.Frame(box);
        QCOMPARE(frame->objectName(), QStringLiteral("Spieler%1").arg(box));
        QCOMPARE(frame->size(), QSize(310, 157));
        QCOMPARE(LabelText(frame, "LName"), QString::fromUtf8(names[box - 1]));
        QCOMPARE(LabelText(frame, "PKapital"), QStringLiteral("1.000,0\u00a0€"));
        QCOMPARE(frame->UnitsEdit()->value(), 1);
        QVERIFY(frame->AutoBetBox()->isChecked());
        QVERIFY(!frame->IsRolledUp());
        for (int a = 0; a < ACTION_COUNT; ++a)
            QVERIFY(!frame->ActionButton(Action(a))->isEnabled());
    }
    QCOMPARE(window.Dealer()->size(), QSize(310, DEALER_FRAME_HEIGHT));
    QCOMPARE(LabelText(window.Dealer(), "LRunde"), QString());
    QVERIFY(window.Panel()->bStart->isEnabled());
    QVERIFY(!window.Panel()->bStop->isEnabled());
    QVERIFY(window.PauseButton()->isHidden());
    QVERIFY(window.StopIndicator()->isHidden());
    QCOMPARE(window.PauseButton()->size(), QSize(58, 58));
    QCOMPARE(window.StopIndicator()->size(), QSize(105, 105));
    QCOMPARE(window.SizeSlider()->value(), 7);
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 1920, 1080));
    QVERIFY(program->Host().RecordedMessages().isEmpty());
}

void StartupTest::captionsAreTheProgramsOwn() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tavexo 1.1.1.0"));

    const TopPanel* panel = window.Panel();
    const QList<QPair<QToolButton*, QString>> buttons = {
        {panel->bBeenden, "Be&enden"},
        {panel->bStart, "Spiel &starten"},
        {panel->bStop, "Spiel sto&ppen"},
        {panel->bStatistik, "&Verläufe && Statistiken"},
        {panel->bProfile, "Spieler-\nProfile"},
        {panel->bStrategietabellen, "Trainings-\nzentrum"},
        {panel->bHinweise, "Strategie-\n&hinweise"},
        {panel->bTraining, "Zählen üben"},
        {panel->bOptionen, "Optionen && Regeln"},
        {panel->bNeues, "Gibt es Neues?"},
        {panel->bLiveTische, "Live-Tische fürs Counten"},
    };
    for (const auto& [button, caption] : buttons) QCOMPARE(button->text(), caption);
    // Left to right in this order, the help button at the right end.
    for (qsizetype i = 1; i < buttons.size(); ++i)
        QVERIFY(buttons[i].first->x() > buttons[i - 1].first->x());
    QVERIFY(panel->bHelp->x() > panel->bLiveTische->x());

    const QList<QMenu*> menus = window.menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) titles << action->text();
    QCOMPARE(titles, QStringList({"Datei", "Spiel", "Mentax", "Extras", "Hilfe"}));
    QCOMPARE(MenuTexts(menus[0]), QStringList({"&Beenden"}));
    QCOMPARE(MenuTexts(menus[1]),
             QStringList({"Spiel &starten", "Spiel sto&ppen", "-", "&Verläufe && Statistiken"}));
    QVERIFY(!menus[1]->actions()[1]->isEnabled());
    QCOMPARE(MenuTexts(menus[2]),
             QStringList({"&Trainingszentrum...", "Strategie&hinweise...", "&Zählen üben..."}));
    QCOMPARE(MenuTexts(menus[3]),
             QStringList({"Programm&einstellungen...", "&Spieler-Profile..."}));
    QCOMPARE(MenuTexts(menus[4]), QStringList({"&Inhalt", "&Suchen...", "-", "In&fo..."}));

    BoxFrame* frame = window.Frame(3);
    const QList<QPair<Action, QString>> actions = {
        {Action::Hit, "Ziehen"},        {Action::Stand, "Halten"}, {Action::Surrender, "Aufgeben"},
        {Action::Double, "Verdoppeln"}, {Action::Split, "Teilen"}, {Action::Insure, "Versichern"},
    };
    for (const auto& [action, caption] : actions) {
        QCOMPARE(frame->ActionButton(action)->text(), caption);
        // The tooltip names the key that plays the action.
        QVERIFY(frame->ActionButton(action)->toolTip().contains(
            QStringLiteral("Taste %1").arg(BoxFrame::ActionKey(action))));
    }
    QCOMPARE(frame->BetButton()->text(), QStringLiteral("Bet"));
    QCOMPARE(frame->AutoBetBox()->text(), QStringLiteral("Autom. setzen"));
    QCOMPARE(frame->UnitsEdit()->minimum(), 0);
    QCOMPARE(frame->UnitsEdit()->maximum(), 50);
    QCOMPARE(LabelText(frame, "LEinsatz"), QString());
    QCOMPARE(window.PauseButton()->text(), QStringLiteral("Pause"));
    QVERIFY(window.findChild<QLabel*>("LF1")->text() == QStringLiteral("F1-Taste für Hilfe"));
    QCOMPARE(window.findChild<QPushButton*>("BPositionen")->text(),
             QStringLiteral("Positionen speichern"));

    DealerFrame* dealer = window.Dealer();
    for (const char* text : {"Dealer", "Runde:", "Trainings-\nmodus", "Zähler ausgeblendet",
                             "Hinweise gemäß Strategie", "relativ", "absolut"}) {
        bool found = false;
        for (QLabel* label : dealer->findChildren<QLabel*>())
            found = found || label->text() == QString::fromUtf8(text);
        QVERIFY2(found, text);
    }
}

void StartupTest::layoutFormulas_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QList<QPoint>>("boxes");
    QTest::addColumn<QPoint>("dealer");
    // b = round((w / 1440)² x 64), c = round((h / 810)² x 30), worked out by hand.
    QTest::newRow("1920 x 1080: b 114, c 53")
        << QSize(1920, 1080) << QList<QPoint>{{1496, 106}, {1382, 317}, {1268, 528}, {805, 634},
                                              {342, 528},  {228, 317},  {114, 106}}
        << QPoint(805, 10);
    QTest::newRow("1267 x 713: b 50, c 23, half pixel to even")
        << QSize(1267, 713) << QList<QPoint>{{907, 46},  {857, 227}, {807, 408}, {478, 454},
                                             {150, 408}, {100, 227}, {50, 46}}
        << QPoint(478, 10);
    QTest::newRow("1440 x 810: b 64, c 30")
        << QSize(1440, 810) << QList<QPoint>{{1066, 60}, {1002, 248}, {938, 436}, {565, 496},
                                             {192, 436}, {128, 248},  {64, 60}}
        << QPoint(565, 10);
}

void StartupTest::layoutFormulas() {
    QFETCH(QSize, window);
    QFETCH(QList<QPoint>, boxes);
    QFETCH(QPoint, dealer);
    const TableLayout layout = ComputeLayout(window.width(), window.height());
    for (int i = 0; i < BOX_COUNT; ++i) QCOMPARE(layout.boxes[i], boxes[i]);
    QCOMPARE(layout.dealer, dealer);
}

void StartupTest::sliderOneOnFullHdScreen() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    window.SizeSlider()->setValue(1);
    QCOMPARE(window.frameGeometry(), QRect(326, 183, 1267, 713));
    const TableLayout layout = ComputeLayout(1267, 713);
    for (int box = 1; box <= BOX_COUNT; ++box)
        QCOMPARE(window.Frame(box)->pos(), layout.boxes[box - 1]);
    QCOMPARE(window.Dealer()->pos(), QPoint(478, 10));
    // Pause button and stop sign under the dealer frame.
    QCOMPARE(window.StopIndicator()->pos(), QPoint(478 + 103, 10 + DEALER_FRAME_HEIGHT + 5));
    QCOMPARE(window.PauseButton()->pos(),
             QPoint(478 + 126, 10 + DEALER_FRAME_HEIGHT + 5 + 105 + 5));
    // Every frame lies wholly on the table at this size.
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY(window.Area()->rect().contains(window.Frame(box)->geometry()));

    window.SizeSlider()->setValue(7);
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 1920, 1080));
    window.SizeSlider()->setValue(4);
    QCOMPARE(window.frameGeometry(), QRect(173, 97, 1574, 886));
}

void StartupTest::toolbarButtonsOpenTheirWindowOnce_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("statistics") << "BStatistik" << int(SecondaryWindow::Statistics)
                                << "Verläufe & Statistiken";
    QTest::newRow("profiles") << "BProfile" << int(SecondaryWindow::Profiles) << "Spieler-Profile";
    QTest::newRow("training centre")
        << "BStrategietabellen" << int(SecondaryWindow::TrainingCentre) << "Das Trainingszentrum";
    QTest::newRow("hints") << "BHinweise" << int(SecondaryWindow::StrategyHints)
                           << "Strategiehinweise";
    QTest::newRow("drill") << "BTraining" << int(SecondaryWindow::CountingDrill) << "Zählen üben";
    QTest::newRow("options") << "BOptionen" << int(SecondaryWindow::Options) << "Optionen & Regeln";
    QTest::newRow("update") << "bsSkinSpeedButton1" << int(SecondaryWindow::Update)
                            << "Gibt es Neues?";
    QTest::newRow("live tables") << "bsSkinSpeedButton2" << int(SecondaryWindow::LiveTables)
                                 << "Live-Tische fürs Counten";
}

// A button whose window exists opens it, and a second click brings the same
// window back instead of a second one; a window not built yet says so.
void StartupTest::toolbarButtonsOpenTheirWindowOnce() {
    QFETCH(QString, button);
    QFETCH(int, kind);
    QFETCH(QString, name);
    auto program = StartProgram(data_.path());
    auto* tool = program->Window().Panel()->findChild<QToolButton*>(button);
    QVERIFY(tool && tool->isVisible() && tool->isEnabled());
    const auto visibleWindows = [] {
        QSet<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isWindow()) windows.insert(w);
        return windows;
    };
    const QSet<QWidget*> before = visibleWindows();
    QTest::mouseClick(tool, Qt::LeftButton);
    if (!program->Window().Windows().IsRegistered(SecondaryWindow(kind))) {
        QCOMPARE(program->Host().RecordedMessages(),
                 QStringList{
                     QStringLiteral("„%1“ ist in dieser Version noch nicht verfügbar.").arg(name)});
        return;
    }
    QWidget* opened = program->Window().Windows().Existing(SecondaryWindow(kind));
    QVERIFY(opened != nullptr);
    QTRY_VERIFY(opened->isVisible());
    const QSet<QWidget*> afterFirst = visibleWindows();
    QVERIFY(afterFirst.contains(opened));
    QVERIFY(!before.contains(opened));
    opened->showMinimized();
    QTest::mouseClick(tool, Qt::LeftButton);
    QCOMPARE(program->Window().Windows().Existing(SecondaryWindow(kind)), opened);
    QVERIFY(!opened->isMinimized());
    QCOMPARE(visibleWindows(), afterFirst);
    QVERIFY(program->Host().RecordedMessages().isEmpty());
}

void StartupTest::savedPositionsComeBackAtNextStart() {
    {
        auto program = StartProgram(data_.path());
        TableWindow& window = program->Window();
        window.SizeSlider()->setValue(2);
        // Drag box 2 by its name label, as the user would.
        QWidget* name = window.Frame(2)->findChild<QLabel*>("LName");
        const QPoint from = window.Frame(2)->pos();
        QTest::mousePress(name, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(name, QPoint(-35, 25));
        QTest::mouseRelease(name, Qt::LeftButton, {}, QPoint(-35, 25));
        QCOMPARE(window.Frame(2)->pos(), from + QPoint(-40, 20));
        QTest::mouseClick(window.findChild<QPushButton*>("BPositionen"), Qt::LeftButton);
        QVERIFY(program->Host().RecordedMessages().isEmpty());
    }
    const QString file = data_.filePath("Tavexo/Einstellungen/Hauptfenster.tvxo");
    QCOMPARE(QFileInfo(file).size(), qint64(84));

    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    const TableLayout layout = ComputeLayout(1344, 756);  // slider 2: 0.70 of the screen
    QCOMPARE(window.Frame(2)->pos(), layout.boxes[1] + QPoint(-40, 20));
    QCOMPARE(window.Frame(5)->pos(), layout.boxes[4]);
    QCOMPARE(window.SizeSlider()->value(), 2);
    QCOMPARE(window.frameGeometry(), SliderWindowGeometry(QRect(0, 0, 1920, 1080), 2));
}

void StartupTest::aShortPositionsFileIsIgnored() {
    // A damaged "Hauptfenster.tvxo" (40 of its 84 bytes, all 0x7f) must not
    // throw the frames off the table.
    QVERIFY(QDir().mkpath(data_.filePath("Tavexo/Einstellungen")));
    QFile file(data_.filePath("Tavexo/Einstellungen/Hauptfenster.tvxo"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(40, '\x7f'));
    file.close();

    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    const TableLayout layout = ComputeLayout(1920, 1080);
    for (int box = 1; box <= BOX_COUNT; ++box)
        QCOMPARE(window.Frame(box)->pos(), layout.boxes[box - 1]);
    QCOMPARE(window.SizeSlider()->value(), 7);
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 1920, 1080));
    QVERIFY(program->Host().RecordedMessages().isEmpty());
    QCOMPARE(file.size(), qint64(40));  // and it is left as it was
}

namespace {

QString PositionsFile(const QTemporaryDir& data) {
    return data.filePath("Tavexo/Einstellungen/Hauptfenster.tvxo");
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void ClickSave(TableWindow& window) {
    QTest::mouseClick(window.findChild<QPushButton*>("BPositionen"), Qt::LeftButton);
}

}  // namespace

void StartupTest::saveAndRestoreCyclesDoNotDrift() {
    // Slider 3, a frame moved, saved; then three times: start, save again.
    // The record must not change by a single pixel.
    QFile::remove(PositionsFile(data_));
    {
        auto program = StartProgram(data_.path());
        program->Window().SizeSlider()->setValue(3);
        program->Window().Frame(6)->move(120, 260);
        ClickSave(program->Window());
    }
    const QByteArray first = ReadAll(PositionsFile(data_));
    QCOMPARE(first.size(), 84);
    for (int cycle = 1; cycle <= 3; ++cycle) {
        auto program = StartProgram(data_.path());
        QCOMPARE(program->Window().frameGeometry(),
                 SliderWindowGeometry(QRect(0, 0, 1920, 1080), 3));
        QCOMPARE(program->Window().Frame(6)->pos(), QPoint(120, 260));
        ClickSave(program->Window());
        QVERIFY(program->Host().RecordedMessages().isEmpty());
        QCOMPARE(ReadAll(PositionsFile(data_)), first);
    }
}

void StartupTest::storedPositionsAreFittedToTheScreen_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<bool>("defaults");  // the record is nonsense: the default layout
    QTest::addColumn<QRect>("window");   // otherwise: where the window must come up

    QTest::newRow("84 bytes of garbage") << QByteArray(84, '\x7f') << true << QRect();
    TWindowPositions slider;
    slider.windowWidth = 1200;
    slider.windowHeight = 700;
    slider.sliderPosition = 9;
    QTest::newRow("slider 9") << QByteArray::fromStdString(EncodeWindowPositions(slider)) << true
                              << QRect();
    TWindowPositions negative = slider;
    negative.sliderPosition = 3;
    negative.windowWidth = -5;
    QTest::newRow("negative width")
        << QByteArray::fromStdString(EncodeWindowPositions(negative)) << true << QRect();

    // Saved on a 2560 x 1440 screen, window and frames at its far corner.
    TWindowPositions larger;
    larger.sliderPosition = 7;
    larger.windowLeft = 2000;
    larger.windowTop = 1200;
    larger.windowWidth = 2560;
    larger.windowHeight = 1440;
    for (TFramePlace& box : larger.boxes) box = {2200, 1250};
    larger.dealer = {1800, 900};
    QTest::newRow("from a larger screen")
        << QByteArray::fromStdString(EncodeWindowPositions(larger)) << false
        << QRect(0, 0, 1920, 1080);
    TWindowPositions offScreen = larger;
    offScreen.windowLeft = -3000;
    offScreen.windowTop = 5000;
    offScreen.windowWidth = 1000;
    offScreen.windowHeight = 800;
    QTest::newRow("off the screen") << QByteArray::fromStdString(EncodeWindowPositions(offScreen))
                                    << false << QRect(0, 280, 1000, 800);
}

void StartupTest::storedPositionsAreFittedToTheScreen() {
    QFETCH(QByteArray, record);
    QFETCH(bool, defaults);
    QFETCH(QRect, window);
    WriteAll(PositionsFile(data_), record);

    auto program = StartProgram(data_.path());
    TableWindow& table = program->Window();
    if (defaults) {
        const TableLayout layout = ComputeLayout(1920, 1080);
        for (int box = 1; box <= BOX_COUNT; ++box)
            QCOMPARE(table.Frame(box)->pos(), layout.boxes[box - 1]);
        QCOMPARE(table.SizeSlider()->value(), 7);
        QCOMPARE(table.frameGeometry(), QRect(0, 0, 1920, 1080));
    } else {
        QCOMPARE(table.frameGeometry(), window);
    }
    // Whatever the file said, every frame lies wholly on the table.
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY2(table.Area()->rect().contains(table.Frame(box)->geometry()),
                 qPrintable(QStringLiteral("box %1").arg(box)));
    QVERIFY(table.Area()->rect().contains(table.Dealer()->geometry()));
    QVERIFY(program->Host().RecordedMessages().isEmpty());
    QCOMPARE(ReadAll(PositionsFile(data_)), record);  // the file is left as it was
}

void StartupTest::firstStartFitsTheWorkArea() {
    // A 1366 x 768 screen with a 30-pixel panel at its top.
    const QRect workArea(0, 30, 1366, 738);
    QTemporaryDir fresh;
    auto program =
        StartProgram(fresh.path(), true, [&](ProgramConfig& config) { config.screen = workArea; });
    TableWindow& window = program->Window();
    QCOMPARE(window.frameGeometry(), workArea);
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY2(window.Area()->rect().contains(window.Frame(box)->geometry()),
                 qPrintable(QStringLiteral("box %1").arg(box)));
    // The slider's sizes are shares of the work area too, never so small
    // that the frames would lie over each other: here 1120 x 605 is too low.
    window.SizeSlider()->setValue(4);
    const QRect share = SliderWindowGeometry(workArea, 4);
    QTRY_COMPARE(window.frameGeometry().width(), share.width());
    QVERIFY(window.frameGeometry().height() > share.height());
    QVERIFY(window.frameGeometry().height() >= window.minimumHeight());
    QCOMPARE(window.frameGeometry().center().x(), share.center().x());
    QVERIFY(workArea.contains(window.frameGeometry()));
}

void StartupTest::resizingByTheWindowManagerLaysTheTableOut() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    // The first second belongs to the window manager's placing of the window.
    QTest::qWait(1100);
    // As a window manager's resize handle does: the frame stays, the inside grows.
    window.resize(QSize(1500, 900) - (window.frameGeometry().size() - window.size()));
    QTRY_COMPARE(window.frameGeometry().size(), QSize(1500, 900));
    const TableLayout layout = ComputeLayout(1500, 900);
    for (int box = 1; box <= BOX_COUNT; ++box)
        QCOMPARE(window.Frame(box)->pos(), layout.boxes[box - 1]);
    QCOMPARE(window.Dealer()->pos(), layout.dealer);
    QCOMPARE(window.StopIndicator()->pos(),
             window.Dealer()->pos() + QPoint(103, DEALER_FRAME_HEIGHT + 5));
}

void StartupTest::aFreshAccountGetsItsWholeDataPath() {
    // A new user's home: not even ~/.local/share exists yet.
    const QString base = data_.filePath("home/neu/.local/share");
    QVERIFY(!QDir(base).exists());
    auto program = StartProgram(base);
    ClickSave(program->Window());
    QVERIFY2(program->Host().RecordedMessages().isEmpty(),
             qPrintable(program->Host().RecordedMessages().join(" | ")));
    QCOMPARE(QFileInfo(base + "/Tavexo/Einstellungen/Hauptfenster.tvxo").size(), qint64(84));
}

void StartupTest::closingTheStartScreenLetsTheUserIn() {
    auto program = StartProgram(data_.path(), false);
    QPointer<StartScreen> start = program->StartWindow();
    TableWindow& window = program->Window();
    QVERIFY(!window.Panel()->isEnabled());
    start->close();  // the window manager's close, not "Weiter"
    QTRY_VERIFY(start.isNull());
    QVERIFY(window.Panel()->isEnabled());
    QVERIFY(window.menuBar()->isEnabled());
    QCOMPARE(window.windowOpacity(), 1.0);
}

void StartupTest::returnAndSpacePressWeiter_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void StartupTest::returnAndSpacePressWeiter() {
    QFETCH(int, key);
    auto program = StartProgram(data_.path(), false);
    QPointer<StartScreen> start = program->StartWindow();
    QTest::keyClick(start.data(), Qt::Key(key));
    QTRY_VERIFY(start.isNull());
    QVERIFY(program->Window().Panel()->isEnabled());
}

void StartupTest::nothingStartsBehindTheStartScreen() {
    auto program = StartProgram(data_.path(), false);
    TableWindow& window = program->Window();
    // The menu, like the tool bar, waits for the start screen.
    QVERIFY(!window.menuBar()->isEnabled());
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QVERIFY(!program->GetTable().State().running);
    QCOMPARE(program->GetTable().State().roundNumber, 0);
    program->StartWindow()->FadeOver();
    QVERIFY(window.menuBar()->isEnabled());
}

void StartupTest::everyTextIsNinePointOrMore() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    window.SizeSlider()->setValue(4);
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) text = button->text();
        if (text.isEmpty()) continue;
        widget->ensurePolished();
        const qreal points = QFontInfo(widget->font()).pointSizeF();
        QVERIFY2(
            points >= 8.95,
            qPrintable(
                QStringLiteral("%1 \"%2\": %3 pt").arg(widget->objectName(), text).arg(points)));
        ++checked;
    }
    QVERIFY(checked > 50);
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
