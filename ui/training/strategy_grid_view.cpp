#include "ui/training/strategy_grid_view.h"

#include <QHeaderView>

#include <algorithm>

#include "strategy/strategy_cell_words.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

constexpr int CELL_WIDTH = 26;
constexpr int LABEL_WIDTH = 30;
constexpr int ROW_HEIGHT = 18;

// The item role that remembers whether a cell is marked.
constexpr int MARKED_ROLE = Qt::UserRole + 1;

}  // namespace

StrategyGridView::StrategyGridView(const StrategyGridSpec& grid, QWidget* parent)
    : QTableWidget(parent), grid_(grid) {
    setObjectName(QString::fromUtf8(grid.name));
    setAccessibleName(QString::fromUtf8(grid.caption));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The compact grid font of the shared style: eleven columns of three
    // characters side by side.
    setProperty("compact", true);
    Fill();
    FitToContents();

    connect(this, &QTableWidget::cellEntered, this,
            [this](int row, int column) { emit cellDescribed(item(row, column)->toolTip()); });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0) emit cellDescribed(item(row, column)->toolTip());
    });
}

void StrategyGridView::Fill() {
    setColumnCount(grid_.ColumnCount() - 1);
    setRowCount(grid_.RowCount() - 1);
    QStringList dealers;
    for (int c = 1; c < grid_.ColumnCount(); ++c)
        dealers << QString::fromStdString(grid_.CellAt(0, c));
    setHorizontalHeaderLabels(dealers);
    QStringList hands;
    for (int r = 1; r < grid_.RowCount(); ++r) hands << QString::fromStdString(grid_.CellAt(r, 0));
    setVerticalHeaderLabels(hands);

    for (int r = 1; r < grid_.RowCount(); ++r) {
        for (int c = 1; c < grid_.ColumnCount(); ++c) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(grid_.CellAt(r, c)));
            cell->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            const QString words = QString::fromStdString(CellMeaning(grid_, r, c));
            cell->setToolTip(words);
            cell->setData(Qt::AccessibleTextRole, words);
            cell->setBackground(STYLE_GRID_BACKGROUND);
            setItem(r - 1, c - 1, cell);
        }
    }
}

void StrategyGridView::FitToContents() {
    // The shared style's paddings decide the smallest sections: measure
    // with them in force.
    ensurePolished();
    QHeaderView* across = horizontalHeader();
    QHeaderView* down = verticalHeader();
    across->setSectionResizeMode(QHeaderView::Fixed);
    down->setSectionResizeMode(QHeaderView::Fixed);
    across->setDefaultSectionSize(CELL_WIDTH);
    across->setMinimumSectionSize(CELL_WIDTH);
    down->setDefaultSectionSize(ROW_HEIGHT);
    down->setMinimumSectionSize(ROW_HEIGHT);
    down->setDefaultAlignment(Qt::AlignCenter);
    // The labels' own width where the given one is too narrow for the
    // font ("8, 8" in bold).
    int labelWidth = grid_.labelColumnWidth > 0 ? grid_.labelColumnWidth : LABEL_WIDTH;
    down->ensurePolished();
    across->ensurePolished();
    QFont bold = down->font();
    bold.setBold(true);
    for (int r = 0; r < rowCount(); ++r)
        labelWidth = std::max(
            labelWidth, QFontMetrics(bold).horizontalAdvance(verticalHeaderItem(r)->text()) + 10);
    down->setFixedWidth(labelWidth);
    across->setFixedHeight(ROW_HEIGHT + 2);
    const int frame = 2 * frameWidth();
    setFixedSize(labelWidth + across->length() + frame, across->height() + down->length() + frame);
}

void StrategyGridView::MarkLiveCells(std::optional<float> relativeCount) {
    for (int r = 1; r < grid_.RowCount(); ++r) {
        for (int c = 1; c < grid_.ColumnCount(); ++c) {
            const int32_t entry = grid_.lookup(grid_.rows[r - 1], grid_.columns[c - 1]);
            const bool marked =
                relativeCount && CountFlipsDecision(grid_.family, entry, *relativeCount);
            QTableWidgetItem* cell = item(r - 1, c - 1);
            if (cell->data(MARKED_ROLE).toBool() == marked) continue;
            cell->setData(MARKED_ROLE, marked);
            // Colour and weight together, so the mark does not rest on colour.
            cell->setBackground(marked ? STYLE_LIVE_CELL : STYLE_GRID_BACKGROUND);
            QFont font = cell->font();
            font.setBold(marked);
            cell->setFont(font);
        }
    }
}

QTableWidgetItem* StrategyGridView::CellFor(int key, int dealer) const {
    for (int r = 1; r < grid_.RowCount(); ++r)
        for (int c = 1; c < grid_.ColumnCount(); ++c)
            if (grid_.rows[r - 1] == key && grid_.columns[c - 1] == dealer)
                return item(r - 1, c - 1);
    return nullptr;
}

bool StrategyGridView::IsMarked(int key, int dealer) const {
    const QTableWidgetItem* cell = CellFor(key, dealer);
    return cell != nullptr && cell->data(MARKED_ROLE).toBool();
}

}  // namespace tavexo
