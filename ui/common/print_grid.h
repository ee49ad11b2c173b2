#pragma once

#include <QPageLayout>
#include <QString>

#include <vector>

#include "stats/text_grid.h"

class QPrinter;
class QWidget;

namespace tavexo {

// Where the lines of a printed grid go, in tenths of a millimetre on a page
// of pageWidth x pageHeight. The rows flow from page to page without
// repeated titles; row 0 (the column titles) is the first line of page 1.
struct GridPrintLayout {
    int pageWidth = 0;
    int pageHeight = 0;
    int linesPerPage = 0;
    int pageCount = 0;
    // Tenths of a millimetre per screen pixel of column width.
    double columnScale = 3.0;
};

// Fixed places on the page, in tenths of a millimetre from the top left.
inline constexpr int PRINT_LEFT_MARGIN = 200;
inline constexpr int PRINT_TEXT_LEFT = 250;
inline constexpr int PRINT_HEADER_TOP = 150;
inline constexpr int PRINT_SUBTITLE_TOP = 210;
inline constexpr int PRINT_HEADER_RULE = 300;
inline constexpr int PRINT_FIRST_LINE = 350;
inline constexpr int PRINT_FOOTER_RULE = 250;  // above the bottom edge
inline constexpr int PRINT_FOOTER_TEXT = 200;  // above the bottom edge
inline constexpr int PRINT_DATE_FROM_RIGHT = 450;
inline constexpr int PRINT_LINE_HEIGHT = 36;
inline constexpr int PRINT_TITLE_FONT = 42;
inline constexpr int PRINT_TEXT_FONT = 36;
inline constexpr int PRINT_RULE_WIDTH = 5;

// Page size in whole millimetres (as tenths), lines per page between the
// header and the footer rules, and the pages the rows need (at least one).
GridPrintLayout ComputeGridPrintLayout(int pageWidth, int pageHeight, int rowCount,
                                       int columnCount);

// Prints every row of the grid on the printer as it is set up (paper, output
// file), in the given orientation. The date and the title head page 1, the
// subtitle every page, "Seite: p von n" centred at the foot of each.
// columnWidths are the grid's screen column widths in pixels. Returns false
// when the printer could not be started.
bool PrintGrid(QPrinter& printer, const TextGrid& grid, const std::vector<int>& columnWidths,
               const QString& title, QPageLayout::Orientation orientation,
               const QString& subtitle = {});

// What a "drucken" button does: the printer set to portrait, the printer
// dialog, and on confirmation PrintGrid in the orientation then chosen. A
// printer that cannot be started is reported in a message box. Returns true
// when the grid was printed.
bool PrintGridWithDialog(QWidget* parent, const TextGrid& grid,
                         const std::vector<int>& columnWidths, const QString& title,
                         const QString& subtitle = {});

}  // namespace tavexo
