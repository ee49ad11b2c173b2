// The table model over a core grid: no copy, rows announced as the core adds
// them, titles from row 0.
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "stats/text_grid.h"
#include "ui/common/text_grid_model.h"

using namespace tavexo;

class TextGridModelTest : public QObject {
    Q_OBJECT
  private slots:
    void rowZeroIsTheHeaderAndTheOtherRowsAreTheData();
    void addedRowsAreAnnouncedOnRefresh();
    void droppedRowsAreRemovedAndRewrittenCellsRepainted();
    void aGridThatShrankBeforeTheRefreshReadsAsEmpty();
    void aViewFollowsAHundredThousandRowsAddedOneByOne();
};

namespace {
TextGrid SmallGrid() {
    TextGrid grid(3, 1);
    grid.SetCell(0, 0, "   Runde");
    grid.SetCell(1, 0, "Einsatz");
    grid.SetCell(2, 0, "Spielerentscheidungen");
    return grid;
}

QString Text(const TextGridModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}
}  // namespace

void TextGridModelTest::rowZeroIsTheHeaderAndTheOtherRowsAreTheData() {
    TextGrid grid = SmallGrid();
    grid.SetRowCount(3);
    grid.SetCell(2, 1, "Versichert ► Verdoppelt");
    grid.SetCell(0, 2, "2");
    TextGridModel model(grid);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Runde"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Spielerentscheidungen"));
    QCOMPARE(Text(model, 0, 2), QStringLiteral("Versichert ► Verdoppelt"));
    QCOMPARE(Text(model, 1, 0), QStringLiteral("2"));
    QCOMPARE(model.data(model.index(1, 0), Qt::ToolTipRole).toString(), QStringLiteral("2"));

    // No copy: what the core writes later is what the model reads.
    grid.SetCell(1, 1, "12,5 €");
    QCOMPARE(Text(model, 0, 1), QStringLiteral("12,5 €"));
}

void TextGridModelTest::addedRowsAreAnnouncedOnRefresh() {
    TextGrid grid = SmallGrid();
    TextGridModel model(grid);
    QCOMPARE(model.rowCount(), 0);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    grid.SetRowCount(2);
    grid.SetCell(0, 1, "1");
    QCOMPARE(model.rowCount(), 0);  // not until the refresh
    model.Refresh();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(1).toInt(), 0);
    QCOMPARE(inserted.at(0).at(2).toInt(), 0);

    grid.SetRowCount(5);
    model.Refresh();
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 1);
    QCOMPARE(inserted.at(1).at(2).toInt(), 3);

    model.Refresh();  // nothing new: nothing announced
    QCOMPARE(inserted.count(), 2);
}

void TextGridModelTest::droppedRowsAreRemovedAndRewrittenCellsRepainted() {
    TextGrid grid = SmallGrid();
    grid.SetRowCount(40);
    grid.SetCell(1, 39, "x");
    TextGridModel model(grid);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    // The first round after start shrinks a fresh history from 40 rows to 2.
    grid.SetRowCount(2);
    grid.SetCell(1, 1, "5,0 €");
    model.Refresh();
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 1);
    QCOMPARE(removed.at(0).at(2).toInt(), 38);
    QCOMPARE(changed.count(), 1);
    const QModelIndex topLeft = changed.at(0).at(0).value<QModelIndex>();
    const QModelIndex bottomRight = changed.at(0).at(1).value<QModelIndex>();
    QCOMPARE(topLeft, model.index(0, 0));
    QCOMPARE(bottomRight, model.index(0, 2));
    QCOMPARE(Text(model, 0, 1), QStringLiteral("5,0 €"));
}

void TextGridModelTest::aGridThatShrankBeforeTheRefreshReadsAsEmpty() {
    TextGrid grid = SmallGrid();
    grid.SetRowCount(40);
    for (int r = 1; r < 40; ++r) grid.SetCell(0, r, std::to_string(r));
    TextGridModel model(grid);
    QTableView view;
    view.setModel(&model);
    view.resize(400, 300);
    view.show();
    grid.SetRowCount(2);
    // A view that paints between the core's write and the refresh.
    view.scrollToBottom();
    view.repaint();
    QCOMPARE(Text(model, 30, 0), QString());
    model.Refresh();
    QCOMPARE(view.model()->rowCount(), 1);
}

void TextGridModelTest::aViewFollowsAHundredThousandRowsAddedOneByOne() {
    TextGrid grid = SmallGrid();
    TextGridModel model(grid);
    QTableView view;
    view.setModel(&model);
    view.resize(400, 300);
    view.show();
    constexpr int rows = 100000;
    for (int r = 1; r <= rows; ++r) {
        grid.SetRowCount(r + 1);
        grid.SetCell(0, r, std::to_string(r));
        model.Refresh();
    }
    view.scrollToBottom();
    QCOMPARE(view.model()->rowCount(), rows);
    const QModelIndex last = view.indexAt(QPoint(5, view.viewport()->height() - 5));
    QVERIFY(last.isValid());
    QCOMPARE(last.data().toString(), QString::number(last.row() + 1));
    QVERIFY(last.row() > rows - 30);
}

QTEST_MAIN(TextGridModelTest)
#include "text_grid_model_test.moc"
