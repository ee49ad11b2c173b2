#include "ui/common/grid_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>

#include <map>
#include <utility>

namespace tavexo {

namespace {

// Cells the interface keeps made before it lets go of those out of view.
constexpr size_t KEPT_CELLS = 4000;

// One cell of a grid, or a column title (row -1), for the accessibility
// system. It asks the view for everything, so it stays true while the
// grid changes, and says it is gone once its row is.
class GridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    GridCell(GridView* view, int row, int column) : view_(view), row_(row), column_(column) {}

    bool isValid() const override {
        return view_ && view_->model() && column_ < view_->model()->columnCount() &&
               row_ < view_->model()->rowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return view_ ? view_->window()->windowHandle() : nullptr;
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
        const QAbstractItemModel* model = view_->model();
        if (row_ < 0) return model->headerData(column_, Qt::Horizontal).toString();
        return model->index(row_, column_).data().toString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        QRect place;
        if (row_ < 0) {
            const QHeaderView* header = view_->horizontalHeader();
            place = QRect(header->sectionViewportPosition(column_), 0,
                          header->sectionSize(column_), header->height());
            return QRect(header->viewport()->mapToGlobal(place.topLeft()), place.size());
        }
        place = view_->visualRect(view_->model()->index(row_, column_));
        return QRect(view_->viewport()->mapToGlobal(place.topLeft()), place.size());
    }
    QAccessible::Role role() const override {
        return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        if (row_ >= 0) {
            const QModelIndex index = view_->model()->index(row_, column_);
            s.selectable = true;
            s.focusable = true;
            s.selected = view_->selectionModel() && view_->selectionModel()->isSelected(index);
            s.focused = view_->hasFocus() && view_->currentIndex() == index;
        }
        const QRect shown = view_->viewport()->rect();
        if (row_ >= 0 &&
            !shown.intersects(view_->visualRect(view_->model()->index(row_, column_))))
            s.invisible = s.offscreen = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    // QAccessibleTableCellInterface: places within the rows in view.
    bool isSelected() const override { return state().selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        QAccessibleInterface* title = nullptr;
        if (row_ >= 0 && view_) {
            if (QAccessibleTableInterface* t = TableOf(parent())) title = t->cellAt(-1, column_);
        }
        return title ? QList<QAccessibleInterface*>{title} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override {
        return view_ && row_ >= 0 ? row_ - view_->FirstRowInView() : -1;
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    int Row() const { return row_; }
    int Column() const { return column_; }

  private:
    static QAccessibleTableInterface* TableOf(QAccessibleInterface* iface) {
        return iface ? iface->tableInterface() : nullptr;
    }

    QPointer<GridView> view_;
    int row_;
    int column_;
};

// The grid as a table of its column titles and the rows in view.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit GridAccessible(GridView* view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~GridAccessible() override {
        for (const auto& [place, id] : cells_) QAccessible::deleteAccessibleInterface(id);
    }

    GridView* View() const { return static_cast<GridView*>(widget()); }

    int childCount() const override { return (View()->RowsInView() + 1) * columnCount(); }
    QAccessibleInterface* child(int index) const override {
        const int columns = columnCount();
        if (index < 0 || columns == 0 || index >= childCount()) return nullptr;
        const int row = index / columns - 1;  // -1: the column titles
        return Cell(row < 0 ? -1 : View()->FirstRowInView() + row, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const GridCell*>(child);
        if (cell == nullptr || cell->parent() != this) return -1;
        const int columns = columnCount();
        if (cell->Row() < 0) return cell->Column();
        const int row = cell->Row() - View()->FirstRowInView();
        if (row < 0 || row >= View()->RowsInView()) return -1;
        return (row + 1) * columns + cell->Column();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = View()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = View()->indexAt(at);
        return index.isValid() ? Cell(index.row(), index.column()) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = View()->currentIndex();
        return View()->hasFocus() && current.isValid() ? Cell(current.row(), current.column())
                                                       : nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description && View()->RowsInView() > 0) {
            const int first = View()->FirstRowInView() + 1;
            return QStringLiteral("Zeilen %1 bis %2 von %3")
                .arg(first)
                .arg(first + View()->RowsInView() - 1)
                .arg(View()->model()->rowCount());
        }
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTableInterface: rows are the rows in view.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (column < 0 || column >= columnCount() || row >= rowCount()) return nullptr;
        return Cell(row < 0 ? -1 : View()->FirstRowInView() + row, column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        return View()->model() ? View()->model()->headerData(column, Qt::Horizontal).toString()
                               : QString();
    }
    QString rowDescription(int row) const override {
        return QString::number(View()->FirstRowInView() + row + 1);
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override {
        return View()->model() ? View()->model()->columnCount() : 0;
    }
    int rowCount() const override { return View()->RowsInView(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Rows added or removed change nothing here until they come into view;
    // cells whose rows are gone say so (isValid) and are let go.
    void modelChange(QAccessibleTableModelChangeEvent*) override { ForgetCells(); }

  private:
    QAccessibleInterface* Cell(int row, int column) const {
        const auto place = std::make_pair(row, column);
        const auto it = cells_.find(place);
        if (it != cells_.end()) return QAccessible::accessibleInterface(it->second);
        if (cells_.size() >= KEPT_CELLS) ForgetCells();
        auto* cell = new GridCell(View(), row, column);
        cells_[place] = QAccessible::registerAccessibleInterface(cell);
        return cell;
    }

    // Lets go of the cells out of view and those whose rows are gone.
    void ForgetCells() const {
        const int first = View()->FirstRowInView();
        const int last = first + View()->RowsInView() - 1;
        for (auto it = cells_.begin(); it != cells_.end();) {
            const int row = it->first.first;
            const bool keep = row < 0 || (row >= first && row <= last &&
                                          row < (View()->model() ? View()->model()->rowCount() : 0));
            if (keep) {
                ++it;
                continue;
            }
            QAccessible::deleteAccessibleInterface(it->second);
            it = cells_.erase(it);
        }
    }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QAccessibleInterface* GridAccessibleFactory(const QString&, QObject* object) {
    if (auto* view = qobject_cast<GridView*>(object)) return new GridAccessible(view);
    return nullptr;
}

}  // namespace

GridView::GridView(QWidget* parent) : QTableView(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(GridAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
    // With a screen reader running, the table view being built has already
    // been given Qt's own interface, every cell and all: it makes way for
    // this grid's.
    if (QAccessible::isActive()) {
        QAccessibleInterface* made = QAccessible::queryAccessibleInterface(this);
        if (made != nullptr && dynamic_cast<GridAccessible*>(made) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    // Other rows come into view: a screen reader looks at the table again.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!QAccessible::isActive()) return;
        QAccessibleEvent event(this, QAccessible::VisibleDataChanged);
        QAccessible::updateAccessibility(&event);
    });
}

int GridView::FirstRowInView() const {
    const int first = rowAt(0);
    return first < 0 ? 0 : first;
}

int GridView::RowsInView() const {
    if (model() == nullptr || model()->rowCount() == 0) return 0;
    const int first = FirstRowInView();
    int last = rowAt(viewport()->height() - 1);
    if (last < 0) last = model()->rowCount() - 1;
    return last - first + 1;
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Not QTableView's: it would tell the accessibility system the cell's
    // place among all cells, which this grid's interface does not count.
    QAbstractItemView::currentChanged(current, previous);
    if (!QAccessible::isActive() || !current.isValid() || !hasFocus()) return;
    const int row = current.row() - FirstRowInView();
    if (row < 0 || row >= RowsInView()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild((row + 1) * model()->columnCount() + current.column());
    QAccessible::updateAccessibility(&event);
}

void GridView::selectionChanged(const QItemSelection& selected,
                                const QItemSelection& deselected) {
    // One event for the grid, not one per selected cell of a long history.
    QAbstractItemView::selectionChanged(selected, deselected);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tavexo
