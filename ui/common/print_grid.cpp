#include "ui/common/print_grid.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "ui/common/locale_text_format.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

// Above this many columns the columns are drawn narrower, so that wide grids
// still fit across the page.
constexpr int NARROW_FROM_COLUMNS = 27;

// Draws in tenths of a millimetre from the page's top left onto the
// printer's device pixels.
class PageCanvas {
  public:
    PageCanvas(QPainter& painter, double devicePerUnit)
        : painter_(painter), scale_(devicePerUnit) {}

    // A serif face whose whole line (ascent and descent) is `units` high.
    void SetFontHeight(int units) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setStyleHint(QFont::Serif);
        font.setPixelSize(1000);
        const double lineAtThousand = QFontMetricsF(font, painter_.device()).height();
        const double wanted = units * scale_;
        font.setPixelSize(
            std::max(1, static_cast<int>(std::lround(wanted * 1000 / lineAtThousand))));
        painter_.setFont(font);
    }

    double TextWidth(const QString& text) const {
        return QFontMetricsF(painter_.font(), painter_.device()).horizontalAdvance(text) / scale_;
    }

    // Text whose top left corner is at (x, top); cut to `width` units when
    // given, so that a long cell does not run over its neighbour.
    void Text(double x, double top, const QString& text, double width = 0) {
        const QFontMetricsF metrics(painter_.font(), painter_.device());
        QString shown = text;
        if (width > 0) shown = metrics.elidedText(text, Qt::ElideRight, width * scale_);
        painter_.drawText(QPointF(x * scale_, top * scale_ + metrics.ascent()), shown);
    }

    void Line(double x1, double y1, double x2, double y2, int penWidth) {
        painter_.setPen(QPen(Qt::black, penWidth * scale_));
        painter_.drawLine(QPointF(x1 * scale_, y1 * scale_), QPointF(x2 * scale_, y2 * scale_));
    }

  private:
    QPainter& painter_;
    double scale_;
};

QString PrintDate() {
    const QLocale locale = LocaleTextFormat::TableLocale();
    return locale.toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

}  // namespace

GridPrintLayout ComputeGridPrintLayout(int pageWidth, int pageHeight, int rowCount,
                                       int columnCount) {
    GridPrintLayout layout;
    layout.pageWidth = pageWidth;
    layout.pageHeight = pageHeight;
    const int space = pageHeight - PRINT_HEADER_RULE - PRINT_FOOTER_RULE - 80;
    // A page too small for one line still takes one, rather than dividing
    // by zero.
    layout.linesPerPage = std::max(1, space / PRINT_LINE_HEIGHT);
    const int rows = std::max(0, rowCount);
    layout.pageCount = std::max(1, (rows + layout.linesPerPage - 1) / layout.linesPerPage);
    layout.columnScale = columnCount < NARROW_FROM_COLUMNS ? 3.0 : 2.5;
    return layout;
}

bool PrintGrid(QPrinter& printer, const TextGrid& grid, const std::vector<int>& columnWidths,
               const QString& title, QPageLayout::Orientation orientation,
               const QString& subtitle) {
    printer.setPageOrientation(orientation);
    printer.setDocName(title);
    printer.setFullPage(true);

    // The page in whole millimetres, from the paper's own size: a size read
    // back through device pixels comes out a hair short and would lose the
    // last millimetre (and with it a line per page).
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    const int width = 10 * static_cast<int>(std::floor(paper.width() + 1e-6));
    const int height = 10 * static_cast<int>(std::floor(paper.height() + 1e-6));
    const GridPrintLayout layout =
        ComputeGridPrintLayout(width, height, grid.RowCount(), grid.ColumnCount());

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PageCanvas page(painter, printer.resolution() / 254.0);

    page.SetFontHeight(PRINT_TITLE_FONT);
    page.Text(width - PRINT_DATE_FROM_RIGHT, PRINT_HEADER_TOP, PrintDate());
    // The title gives way to the date rather than run into it.
    page.Text(PRINT_LEFT_MARGIN, PRINT_HEADER_TOP, title,
              width - PRINT_DATE_FROM_RIGHT - PRINT_LEFT_MARGIN - 50);

    for (int p = 1; p <= layout.pageCount; ++p) {
        page.SetFontHeight(PRINT_TEXT_FONT);
        page.Text(PRINT_LEFT_MARGIN, PRINT_SUBTITLE_TOP, subtitle);
        page.Line(PRINT_LEFT_MARGIN, PRINT_HEADER_RULE, width, PRINT_HEADER_RULE, PRINT_RULE_WIDTH);
        page.Line(PRINT_LEFT_MARGIN, height - PRINT_FOOTER_RULE, width, height - PRINT_FOOTER_RULE,
                  PRINT_RULE_WIDTH);

        const QString footer = QStringLiteral("Seite: %1 von %2").arg(p).arg(layout.pageCount);
        page.Text(width / 2 - static_cast<int>(page.TextWidth(footer)) / 2,
                  height - PRINT_FOOTER_TEXT, footer);

        double top = PRINT_FIRST_LINE;
        for (int k = 1; k <= layout.linesPerPage; ++k) {
            const int r = (p - 1) * layout.linesPerPage + k - 1;
            if (r < grid.RowCount()) {
                double x = PRINT_TEXT_LEFT;
                for (int c = 0; c < grid.ColumnCount(); ++c) {
                    const int pixels =
                        c < static_cast<int>(columnWidths.size()) ? columnWidths[c] : 64;
                    const double step = std::lround(pixels * layout.columnScale);
                    page.Text(x, top, QString::fromStdString(grid.Cell(c, r)), step);
                    x += step;
                }
            }
            top += PRINT_LINE_HEIGHT;
        }
        if (p < layout.pageCount) printer.newPage();
    }
    return painter.end();
}

bool PrintGridWithDialog(QWidget* parent, const TextGrid& grid,
                         const std::vector<int>& columnWidths, const QString& title,
                         const QString& subtitle) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(title);
    QPrintDialog dialog(&printer, parent);
    ApplyWindowStyle(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (PrintGrid(printer, grid, columnWidths, title, printer.pageLayout().orientation(), subtitle))
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Drucken"),
                    QStringLiteral("Der Drucker konnte nicht gestartet werden."), QMessageBox::Ok,
                    parent);
    ApplyWindowStyle(&box);
    box.exec();
    return false;
}

}  // namespace tavexo
