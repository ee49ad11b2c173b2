#pragma once

#include <string>
#include <vector>

namespace tavexo {

// A grid of text cells with a fixed number of columns and a row count that
// may change; row 0 holds the column titles. The statistics, history and
// hints windows show such grids; the core writes them.
class TextGrid {
  public:
    TextGrid(int columns, int rows) : columns_(columns), rows_(rows), cells_(columns * rows) {}

    int ColumnCount() const { return columns_; }
    int RowCount() const { return rows_; }

    // Cells outside the grid read as empty and ignore writes.
    const std::string& Cell(int column, int row) const {
        static const std::string empty;
        return Inside(column, row) ? cells_[Index(column, row)] : empty;
    }
    void SetCell(int column, int row, std::string text) {
        if (Inside(column, row)) cells_[Index(column, row)] = std::move(text);
    }

    // Keeps the cells of the rows that remain; new rows start empty.
    void SetRowCount(int rows) {
        if (rows < 0) rows = 0;
        cells_.resize(static_cast<size_t>(columns_) * rows);
        rows_ = rows;
    }

    void ClearRow(int row) {
        for (int c = 0; c < columns_; ++c) SetCell(c, row, {});
    }

    bool operator==(const TextGrid&) const = default;

  private:
    bool Inside(int column, int row) const {
        return column >= 0 && column < columns_ && row >= 0 && row < rows_;
    }
    size_t Index(int column, int row) const { return static_cast<size_t>(row) * columns_ + column; }

    int columns_;
    int rows_;
    std::vector<std::string> cells_;
};

}  // namespace tavexo
