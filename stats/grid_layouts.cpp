#include "stats/grid_layouts.h"

#include "stats/bucket_stats.h"

namespace tavexo {

TextGrid NewHistoryGrid() {
    TextGrid grid(HISTORY_COLUMNS, HISTORY_INITIAL_ROWS);
    for (int c = 0; c < HISTORY_COLUMNS; ++c) grid.SetCell(c, 0, HISTORY_TITLES[c]);
    return grid;
}

void WriteDetailsLabels(TextGrid& grid, const TextFormat& format) {
    grid.SetCell(0, 0, DETAIL_TITLES[0]);
    for (int c = 1; c < DETAIL_COLUMNS; ++c) {
        grid.SetCell(c, 0, CentreByBlanks(format, DETAIL_TITLES[c], DETAIL_COLUMN_WIDTHS[c]));
    }
    const int width = DETAIL_COLUMN_WIDTHS[0];
    grid.SetCell(0, 1, CentreByBlanks(format, "gesamt", width));
    for (int row = 2; row < DETAIL_ROWS; row += 2) {
        grid.SetCell(0, row, CentreByBlanks(format, "in %", width));
    }
    for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
        grid.SetCell(0, 2 * bucket + 1, CentreByBlanks(format, BUCKET_LABELS[bucket - 1], width));
    }
}

TextGrid NewDetailsGrid(const TextFormat& format) {
    TextGrid grid(DETAIL_COLUMNS, DETAIL_ROWS);
    WriteDetailsLabels(grid, format);
    return grid;
}

TextGrid NewHintsGrid(const TextFormat& format) {
    TextGrid grid(HINT_COLUMNS, HINT_INITIAL_ROWS);
    for (int c = 0; c < HINT_COLUMNS; ++c) {
        grid.SetCell(c, 0, CentreByBlanks(format, HINT_TITLES[c], HINT_COLUMN_WIDTHS[c]));
    }
    return grid;
}

}  // namespace tavexo
