// The table in every size the slider gives, on a full HD screen and on a
// 1366 x 768 one: no frame lies over another, over the pause button or the
// stop sign under the dealer, or over a control in the table's bottom
// corners, and every frame lies on the table.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_area.h"
#include "ui/table/table_layout.h"
#include "ui/table/table_window.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

struct Part {
    QString name;
    QRect place;  // in table coordinates
};

QRect PlaceOn(const QWidget* table, const QWidget* widget) {
    return QRect(widget->mapTo(table, QPoint(0, 0)), widget->size());
}

// What lies on the table; the two groups of corner controls count as one
// piece each (their parts sit side by side by design).
QList<Part> PartsOf(TableWindow& window) {
    const QWidget* table = window.Area();
    QList<Part> parts;
    for (int box = 1; box <= BOX_COUNT; ++box)
        parts.append({QStringLiteral("box %1").arg(box), PlaceOn(table, window.Frame(box))});
    parts.append({QStringLiteral("dealer"), PlaceOn(table, window.Dealer())});
    parts.append({QStringLiteral("pause button"), PlaceOn(table, window.PauseButton())});
    parts.append({QStringLiteral("stop sign"), PlaceOn(table, window.StopIndicator())});
    const auto child = [&](const char* name) {
        return PlaceOn(table, window.findChild<QWidget*>(QLatin1String(name)));
    };
    parts.append({QStringLiteral("\"Positionen speichern\", \"F1-Taste für Hilfe\""),
                  child("BPositionen").united(child("LF1"))});
    parts.append({QStringLiteral("size slider"), child("Track1").united(child("LFenstergroesse"))});
    return parts;
}

QStringList Faults(TableWindow& window) {
    const QRect table = window.Area()->rect();
    const QList<Part> parts = PartsOf(window);
    QStringList faults;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!table.contains(parts[i].place)) faults << parts[i].name + QStringLiteral(" off the table");
        for (qsizetype j = i + 1; j < parts.size(); ++j) {
            const QRect both = parts[i].place.intersected(parts[j].place);
            if (!both.isEmpty()) {
                faults << QStringLiteral("%1 over %2 by %3 x %4")
                              .arg(parts[i].name, parts[j].name)
                              .arg(both.width())
                              .arg(both.height());
            }
        }
    }
    return faults;
}

}  // namespace

class TableLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void nothingOverlapsAtAnySliderPosition_data();
    void nothingOverlapsAtAnySliderPosition();
    void theDesignedArcStandsWhereThereIsRoom();
    void theWindowManagerCannotMakeTheTableTooSmall();
};

void TableLayoutTest::nothingOverlapsAtAnySliderPosition_data() {
    QTest::addColumn<QRect>("screen");
    QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080);
    QTest::newRow("1366 x 768") << QRect(0, 0, 1366, 768);
    // A panel at the top takes a strip of the small screen.
    QTest::newRow("1366 x 768, panel") << QRect(0, 30, 1366, 738);
}

void TableLayoutTest::nothingOverlapsAtAnySliderPosition() {
    QFETCH(QRect, screen);
    QTemporaryDir data;
    auto program =
        StartProgram(data.path(), true, [&](ProgramConfig& config) { config.screen = screen; });
    TableWindow& window = program->Window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int slider : {7, 1, 2, 3, 4, 5, 6, 7}) {
        window.SizeSlider()->setValue(slider);
        const QRect designed = SliderWindowGeometry(screen, slider);
        // The window takes the slider's size, or the smallest on which the
        // frames lie apart, centred on the screen.
        QTRY_VERIFY2(Faults(window).isEmpty(),
                     qPrintable(QStringLiteral("slider %1: ").arg(slider) +
                                Faults(window).join(QStringLiteral("; "))));
        const QRect bounds = window.frameGeometry();
        QVERIFY2(screen.contains(bounds), qPrintable(QStringLiteral("slider %1").arg(slider)));
        QVERIFY(bounds.width() >= designed.width() && bounds.height() >= designed.height());
        const QString where = QStringLiteral("slider %1: %2,%3 %4x%5")
                                  .arg(slider)
                                  .arg(bounds.x())
                                  .arg(bounds.y())
                                  .arg(bounds.width())
                                  .arg(bounds.height());
        QVERIFY2(qAbs(bounds.center().x() - screen.center().x()) <= 1, qPrintable(where));
        QVERIFY2(qAbs(bounds.center().y() - screen.center().y()) <= 1, qPrintable(where));
    }
    // The stop sign, shown, still lies apart.
    window.ShowStopIndicator(true);
    QVERIFY(Faults(window).isEmpty());
}

void TableLayoutTest::theDesignedArcStandsWhereThereIsRoom() {
    // The full HD table has room for the arc as designed: fitting it moves
    // nothing.
    QTemporaryDir data;
    auto program = StartProgram(data.path());
    TableWindow& window = program->Window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.SizeSlider()->setValue(7);
    QTRY_COMPARE(window.frameGeometry(), QRect(0, 0, 1920, 1080));
    const TableLayout designed = ComputeLayout(1920, 1080);
    for (int box = 1; box <= BOX_COUNT; ++box)
        QCOMPARE(window.Frame(box)->pos(), designed.boxes[box - 1]);
    QCOMPARE(window.Dealer()->pos(), designed.dealer);
}

void TableLayoutTest::theWindowManagerCannotMakeTheTableTooSmall() {
    QTemporaryDir data;
    auto program = StartProgram(data.path());
    TableWindow& window = program->Window();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1100);  // the window manager's placing of the window is over
    // As a window manager's resize handle would make it: far too small.
    window.resize(700, 450);
    QTRY_VERIFY(window.size().width() > 700);
    QTRY_VERIFY2(Faults(window).isEmpty(), qPrintable(Faults(window).join(QStringLiteral("; "))));
}

QTEST_MAIN(TableLayoutTest)
#include "table_layout_test.moc"
