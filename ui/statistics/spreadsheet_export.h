#pragma once

#include <string>
#include <string_view>

#include "stats/text_grid.h"

namespace tavexo {

// How the columns of an exported grid are formatted.
enum class SpreadsheetLayout {
    // Detail statistics: every column centred, the title row as text.
    Statistics,
    // Round history: round and units centred, the stake right-aligned, cards
    // to totals centred, result to return right-aligned.
    History,
};

// A sheet name that spreadsheet programs accept, made from a title: the
// characters [ ] : * ? / \ and control characters become "-", apostrophes
// at either end are dropped, and a name above 31 characters (UTF-16 units,
// as the programs count them) is cut and ends in "…". Never empty.
std::string SheetNameFor(std::string_view title);

struct SpreadsheetResult {
    bool ok = true;
    std::string message;  // German, for the user, when not ok
};

// Writes the grid as an .xlsx workbook with one sheet named after the title
// (SheetNameFor): grid row r, column c goes to the cell of row r + 1 and
// column c + 1 (fixed cells included, so the titles stand in row 1), up to
// `lastColumn`. A cell holding a whole number (blanks around it aside) is
// written as a number, as a spreadsheet program reads a typed number; every
// other cell as its text. Column widths are fitted to the longest text.
SpreadsheetResult ExportGridToSpreadsheet(const TextGrid& grid, const std::string& title,
                                          int lastColumn, SpreadsheetLayout layout,
                                          const std::string& path);

}  // namespace tavexo
