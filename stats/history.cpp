#include "stats/history.h"

#include "stats/grid_layouts.h"

namespace tavexo {

void WriteHistoryRow(TextGrid& grid, const HistoryRow& r, const TextFormat& format) {
    if (r.row < 1) return;
    // The grid grows to the row first: a loaded file may have left fewer rows.
    if (grid.RowCount() <= r.row) grid.SetRowCount(r.row + 1);
    const int row = r.row;
    const float saldo = r.capital - r.startCapital;
    grid.SetCell(0, row, CentreByBlanks(format, std::to_string(row), HISTORY_COLUMN_WIDTHS[0]));
    grid.SetCell(1, row, std::to_string(r.units));
    grid.SetCell(2, row, format.FormatMoney(r.roundStake, 1));
    grid.SetCell(3, row, r.dealerCards);
    grid.SetCell(4, row, r.boxCards);
    grid.SetCell(5, row, r.decisions);
    grid.SetCell(6, row, std::to_string(r.dealerTotal));
    grid.SetCell(7, row, r.boxTotal);
    grid.SetCell(11, row, format.FormatMoney(r.turnover, 1));
    grid.SetCell(8, row, format.FormatMoney(r.result, 1));
    grid.SetCell(9, row, format.FormatMoney(r.capital, 1));
    grid.SetCell(10, row, format.FormatMoney(saldo, 1));
    grid.SetCell(12, row, FormatPercent(format, r.turnover, saldo));
    grid.SetRowCount(row + 1);
}

}  // namespace tavexo
