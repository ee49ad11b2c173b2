// What a screen reader gets from a long grid: the column titles and the rows
// in view, as a table, with the keyboard's current cell among them, never
// the hundreds of thousands of cells of a long history.
#include <QAccessible>
#include <QTest>

#include <string>

#include "stats/text_grid.h"
#include "ui/common/grid_view.h"
#include "ui/common/text_grid_model.h"

using namespace tavexo;

namespace {

constexpr int COLUMNS = 13;
constexpr int ROWS = 100000;

// A history-sized grid: "row.column" in every cell, titles in row 0.
TextGrid LongGrid() {
    TextGrid grid(COLUMNS, ROWS + 1);
    for (int c = 0; c < COLUMNS; ++c) grid.SetCell(c, 0, "Spalte " + std::to_string(c));
    for (int r = 1; r <= ROWS; ++r) {
        for (int c = 0; c < COLUMNS; ++c)
            grid.SetCell(c, r, std::to_string(r) + "." + std::to_string(c));
    }
    return grid;
}

QString CellText(int modelRow, int column) {
    return QStringLiteral("%1.%2").arg(modelRow + 1).arg(column);
}

}  // namespace

class GridViewTest : public QObject {
    Q_OBJECT
  private slots:
    void aLongGridHandsOnlyTheRowsInView();
};

void GridViewTest::aLongGridHandsOnlyTheRowsInView() {
    const TextGrid grid = LongGrid();
    TextGridModel model(grid);
    GridView view;
    view.setModel(&model);
    view.resize(700, 420);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    QVERIFY(table != nullptr);
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    QVERIFY(cells != nullptr);
    const int rows = view.RowsInView();
    QVERIFY2(rows > 5 && rows < 40, qPrintable(QString::number(rows)));
    QCOMPARE(cells->rowCount(), rows);
    QCOMPARE(cells->columnCount(), COLUMNS);
    QCOMPARE(table->childCount(), (rows + 1) * COLUMNS);

    // The titles first, then the rows in view, row by row.
    QCOMPARE(table->child(3)->role(), QAccessible::ColumnHeader);
    QCOMPARE(table->child(3)->text(QAccessible::Name), QStringLiteral("Spalte 3"));
    QCOMPARE(table->child(COLUMNS + 2)->text(QAccessible::Name), CellText(0, 2));
    QCOMPARE(table->child(rows * COLUMNS + 1)->text(QAccessible::Name), CellText(rows - 1, 1));
    QVERIFY(table->child(table->childCount()) == nullptr);
    for (int i : {0, COLUMNS, 5 * COLUMNS + 4, table->childCount() - 1}) {
        QAccessibleInterface* child = table->child(i);
        QCOMPARE(table->indexOfChild(child), i);
        QCOMPARE(child->parent(), table);
    }

    // Scrolled to the end, the last rows are the table's.
    view.scrollToBottom();
    const int first = view.FirstRowInView();
    QVERIFY(first > ROWS - 40);
    QCOMPARE(table->childCount(), (view.RowsInView() + 1) * COLUMNS);
    QAccessibleInterface* last = table->child(table->childCount() - 1);
    QCOMPARE(last->text(QAccessible::Name), CellText(ROWS - 1, COLUMNS - 1));
    QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), CellText(first, 0));

    // The keyboard's current cell is one of them, wherever it is.
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    view.setCurrentIndex(model.index(12345, 6));
    QAccessibleInterface* focused = table->focusChild();
    QVERIFY(focused != nullptr);
    QCOMPARE(focused->text(QAccessible::Name), CellText(12345, 6));
    QVERIFY(table->indexOfChild(focused) >= COLUMNS);
}

QTEST_MAIN(GridViewTest)
#include "grid_view_test.moc"
