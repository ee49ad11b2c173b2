#pragma once

#include <QAbstractTableModel>

#include "stats/text_grid.h"

namespace tavexo {

// A table model over one of the core's text grids, without a copy: the cells
// are read from the grid whenever a view paints them. Grid row 0 holds the
// column titles and becomes the horizontal header; grid rows 1 .. n-1 are the
// model's rows 0 .. n-2.
//
// The core writes the grid without telling Qt; whoever learns that the grid
// changed (the table's GridChanged view operation) calls Refresh, which
// announces the rows added or dropped since the last call and repaints the
// rest. Until then the model keeps answering with its last row count, which
// is safe because the grid reads cells outside its rows as empty.
//
// Subclasses colour and align cells through CellStyle.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TextGridModel(const TextGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const TextGrid& Grid() const { return grid_; }
    // The grid row that a model row shows.
    static int GridRow(int modelRow) { return modelRow + 1; }

  public slots:
    // Brings the model in line with the grid: rows added since the last call
    // are inserted, rows dropped are removed, and every cell and title is
    // repainted (a load or a clear may have rewritten any of them).
    void Refresh();

  protected:
    // The text a view shows for a cell; the cell's own text by default.
    virtual QString DisplayText(int column, int gridRow, const std::string& text) const;
    // A role other than the display text of a cell (alignment, colours,
    // font); an invalid value leaves it to the view. `text` is the cell's.
    virtual QVariant CellStyle(int column, int gridRow, const std::string& text, int role) const;

  private:
    int GridDataRows() const;

    const TextGrid& grid_;
    int shownRows_ = 0;
};

}  // namespace tavexo
