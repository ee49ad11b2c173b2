#pragma once

#include <QTableView>

namespace tavexo {

// A table view for the long grids (a box's round history, its detail
// statistics, a hints log), whose accessible interface, the one screen
// readers use, holds the column titles and the rows in view, not every
// row: Qt's own table interface hands each of a long history's hundreds of
// thousands of cells to the accessibility system, which then stops
// answering for minutes. Scrolling brings other rows into the interface, as
// it brings them onto the screen, and the keyboard's current cell is always
// among them.
class GridView : public QTableView {
    Q_OBJECT
  public:
    explicit GridView(QWidget* parent = nullptr);

    // The model rows the accessible interface holds: those in view (first
    // and count; count 0 without rows).
    int FirstRowInView() const;
    int RowsInView() const;

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
};

}  // namespace tavexo
