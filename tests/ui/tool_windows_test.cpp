// The windows the table opens: owned by the table window (so they stay in
// front of it when the table is clicked), opened where they can be seen
// whole on a full HD and on a 1366 x 768 screen, and closed by Escape.
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "ui/common/window_opener.h"
#include "ui/table/table_window.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

class ToolWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void ownedByTheTableAndSeenWhole_data();
    void ownedByTheTableAndSeenWhole();
};

void ToolWindowsTest::ownedByTheTableAndSeenWhole_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("escape");  // Escape closes it
    const struct {
        const char* name;
        SecondaryWindow kind;
        bool escape;
    } windows[] = {
        {"statistics", SecondaryWindow::Statistics, true},
        {"training centre", SecondaryWindow::TrainingCentre, true},
        {"strategy hints", SecondaryWindow::StrategyHints, true},
        {"counting drill", SecondaryWindow::CountingDrill, true},
        {"options", SecondaryWindow::Options, true},
        {"profiles", SecondaryWindow::Profiles, true},
        {"update", SecondaryWindow::Update, false},
        {"live tables", SecondaryWindow::LiveTables, false},
        {"info", SecondaryWindow::Info, false},
    };
    for (const QRect& screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 1366, 768)}) {
        for (const auto& w : windows) {
            QTest::addRow("%s, %dx%d", w.name, screen.width(), screen.height())
                << screen << int(w.kind) << w.escape;
        }
    }
}

void ToolWindowsTest::ownedByTheTableAndSeenWhole() {
    QFETCH(QRect, screen);
    QFETCH(int, kind);
    QFETCH(bool, escape);
    QTemporaryDir data;
    auto program =
        StartProgram(data.path(), true, [&](ProgramConfig& config) { config.screen = screen; });
    TableWindow& table = program->Window();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QPointer<QWidget> tool = table.Windows().Open(SecondaryWindow(kind));
    QVERIFY(tool != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(tool));
    QCOMPARE(tool->parentWidget(), &table);
    QVERIFY(tool->windowHandle() != nullptr);
    QCOMPARE(tool->windowHandle()->transientParent(), table.windowHandle());
    QVERIFY2(screen.contains(tool->frameGeometry()),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(tool->frameGeometry().x())
                            .arg(tool->frameGeometry().y())
                            .arg(tool->frameGeometry().width())
                            .arg(tool->frameGeometry().height())));
    // Over the middle of the table.
    QVERIFY(tool->frameGeometry().contains(table.frameGeometry().center()));

    if (!escape) return;
    QVERIFY(QTest::qWaitForWindowActive(tool));
    QTest::keyClick(tool, Qt::Key_Escape);
    QTRY_VERIFY(tool == nullptr || !tool->isVisible());
}

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
