// The help in the running program: F1 and the help button on the table,
// the help menu, the info window, and the download offer when (and only
// when) the help file is missing at start.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ui/help/help_download_window.h"
#include "ui/help/help_system.h"
#include "ui/help/help_window.h"
#include "ui/help/info_window.h"
#include "ui/statistics/box_page.h"
#include "ui/statistics/statistics_window.h"
#include "ui/table/box_frame.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

QAction* MenuEntry(TableWindow& window, const QString& menu, const QString& entry) {
    for (QAction* top : window.menuBar()->actions()) {
        if (top->text() != menu || !top->menu()) continue;
        for (QAction* action : top->menu()->actions())
            if (action->text() == entry) return action;
    }
    return nullptr;
}

QString ShownPage(Program& program) {
    help::HelpWindow* window = program.Help().Window();
    return window && window->isVisible() ? window->CurrentTopic().fileName() : QString();
}

}  // namespace

class HelpProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(data_.isValid()); }
    void f1OnTheTableOpensTheTablesTopic();
    void helpButtonAndF1LabelOpenTheirTopics();
    void helpMenuOpensContentsSearchAndInfo();
    void f1InTheStatisticsOpensTheTopicOfItsPart();
    void presentHelpNeverOffersTheDownload();
    void missingHelpOffersTheDownloadOnceTheTableIsShown();

  private:
    QTemporaryDir data_;
};

void HelpProgramTest::f1OnTheTableOpensTheTablesTopic() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The focus on a control of a box: the table's topic still.
    QWidget* onOff = window.Frame(3)->findChild<QWidget*>(QStringLiteral("spBut"));
    QVERIFY(onOff);
    onOff->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                    Qt::Key_F1);
    QCOMPARE(ShownPage(*program), QStringLiteral("tisch.html"));
    QVERIFY(program->Host().RecordedMessages().isEmpty());
}

void HelpProgramTest::helpButtonAndF1LabelOpenTheirTopics() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();
    QTest::mouseClick(window.Panel()->bHelp, Qt::LeftButton);
    QCOMPARE(ShownPage(*program), QStringLiteral("tisch.html"));

    auto* f1 = window.findChild<QLabel*>(QStringLiteral("LF1"));
    QCOMPARE(f1->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(f1, Qt::LeftButton);
    QCOMPARE(ShownPage(*program), QStringLiteral("hilfe.html"));
}

void HelpProgramTest::helpMenuOpensContentsSearchAndInfo() {
    auto program = StartProgram(data_.path());
    TableWindow& window = program->Window();

    MenuEntry(window, QStringLiteral("Hilfe"), QStringLiteral("&Suchen..."))->trigger();
    help::HelpWindow* help = program->Help().Window();
    QVERIFY(help && help->isVisible());
    auto* tabs = help->findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("&Suche"));
    QVERIFY(help->findChild<QLineEdit*>(QStringLiteral("ESuche"))->text().isEmpty());

    MenuEntry(window, QStringLiteral("Hilfe"), QStringLiteral("&Inhalt"))->trigger();
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("&Inhalt"));
    QCOMPARE(program->Help().Window(), help);

    QAction* info = MenuEntry(window, QStringLiteral("Hilfe"), QStringLiteral("In&fo..."));
    info->trigger();
    auto* shown = window.findChild<help::InfoWindow*>();
    QVERIFY(shown && shown->isVisible());
    QCOMPARE(shown->size(), QSize(400, 300));
    info->trigger();
    QCOMPARE(window.findChildren<help::InfoWindow*>().size(), 1);
    QVERIFY(program->Host().RecordedMessages().isEmpty());
}

void HelpProgramTest::f1InTheStatisticsOpensTheTopicOfItsPart() {
    auto program = StartProgram(data_.path());
    QTest::mouseClick(program->Window().Panel()->bStatistik, Qt::LeftButton);
    StatisticsWindow* statistics = program->Statistics();
    QVERIFY(statistics && statistics->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(statistics));

    auto* history = statistics->Page(1)->findChild<QWidget*>(QStringLiteral("GVerlauf"));
    auto* details = statistics->Page(1)->findChild<QWidget*>(QStringLiteral("GStatistik"));
    QVERIFY(history && details);
    history->setFocus();
    QTest::keyClick(history, Qt::Key_F1);
    QCOMPARE(ShownPage(*program), QStringLiteral("verlauf.html"));

    statistics->activateWindow();
    details->setFocus();
    QTest::keyClick(details, Qt::Key_F1);
    QCOMPARE(ShownPage(*program), QStringLiteral("auswertung.html"));

    // The window's own help button, with the focus on its close button.
    statistics->activateWindow();
    auto* close = statistics->findChild<QPushButton*>(QStringLiteral("BSchliessen"));
    close->setFocus();
    QTest::keyClick(close, Qt::Key_F1);
    QCOMPARE(ShownPage(*program), QStringLiteral("statistik.html"));
    QVERIFY(program->Host().RecordedMessages().isEmpty());
}

void HelpProgramTest::presentHelpNeverOffersTheDownload() {
    auto program = StartProgram(data_.path());
    QVERIFY(!program->Help().HelpFileMissing());
    QTest::qWait(50);
    QVERIFY(program->Help().DownloadWindow() == nullptr);
    QVERIFY(program->Window().findChild<help::HelpDownloadWindow*>() == nullptr);
}

void HelpProgramTest::missingHelpOffersTheDownloadOnceTheTableIsShown() {
    QTemporaryDir nowhere;
    const QStringList folders{nowhere.path(), data_.filePath(QStringLiteral("Tavexo"))};
    auto program = StartProgram(
        data_.path(), false, [&folders](ProgramConfig& config) { config.helpFolders = folders; });
    QVERIFY(program->Help().HelpFileMissing());
    // Not over the start screen: only once the table has faded in.
    QVERIFY(program->Help().DownloadWindow() == nullptr);
    program->StartWindow()->FadeOver();
    help::HelpDownloadWindow* offer = program->Help().DownloadWindow();
    QVERIFY(offer && offer->isVisible());
    QCOMPARE(offer->size(), QSize(341, 200));
    QVERIFY((offer->frameGeometry().center() - program->Window().frameGeometry().center())
                .manhattanLength() <= 4);

    // Until it is downloaded, F1 offers the download again.
    QTest::mouseClick(program->Window().Panel()->bHelp, Qt::LeftButton);
    QCOMPARE(program->Help().DownloadWindow(), offer);
    QVERIFY(program->Help().Window() == nullptr);
}

QTEST_MAIN(HelpProgramTest)
#include "help_program_test.moc"
