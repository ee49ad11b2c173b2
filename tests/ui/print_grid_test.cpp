// Printing a grid: pages, lines per page, the page numbers at the foot and
// the column places, read back from a real PDF with poppler's pdftotext.
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/print_grid.h"

using namespace tavexo;

class PrintGridTest : public QObject {
    Q_OBJECT
  private slots:
    void layoutFollowsPageAndGrid_data();
    void layoutFollowsPageAndGrid();
    void hundredRowsOnA4MakeTwoNumberedPages();
    void columnsAdvanceByTheirScaledWidths_data();
    void columnsAdvanceByTheirScaledWidths();
    void landscapeTurnsThePage();

  private:
    QString PrintToPdf(const TextGrid& grid, const std::vector<int>& widths, const QString& title,
                       QPageLayout::Orientation orientation, const QString& subtitle = {});
    QString Run(const QString& program, const QStringList& arguments);
    QTemporaryDir dir_;
    int files_ = 0;
};

namespace {

TextGrid NumberedGrid(int rows, int columns) {
    TextGrid grid(columns, rows);
    for (int r = 0; r < rows; ++r) {
        grid.SetCell(0, r, "Zeile" + std::to_string(r));
        for (int c = 1; c < columns; ++c)
            grid.SetCell(c, r, "Z" + std::to_string(r) + "S" + std::to_string(c));
    }
    return grid;
}

// The words "Zeile<n>" in a page's text, as numbers.
QList<int> RowsOn(const QString& text) {
    QList<int> rows;
    static const QRegularExpression word(QStringLiteral("\\bZeile(\\d+)\\b"));
    for (auto it = word.globalMatch(text); it.hasNext();) rows << it.next().captured(1).toInt();
    return rows;
}

}  // namespace

QString PrintGridTest::Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning() << program << "failed:" << process.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PrintGridTest::PrintToPdf(const TextGrid& grid, const std::vector<int>& widths,
                                  const QString& title, QPageLayout::Orientation orientation,
                                  const QString& subtitle) {
    const QString path = dir_.filePath(QStringLiteral("druck%1.pdf").arg(++files_));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!PrintGrid(printer, grid, widths, title, orientation, subtitle)) return {};
    return path;
}

void PrintGridTest::layoutFollowsPageAndGrid_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("linesPerPage");
    QTest::addColumn<int>("pages");
    QTest::addColumn<double>("scale");
    QTest::newRow("A4, 100 rows") << 2100 << 2970 << 100 << 5 << 65 << 2 << 3.0;
    QTest::newRow("A4, exactly two pages") << 2100 << 2970 << 130 << 5 << 65 << 2 << 3.0;
    QTest::newRow("A4, one row more") << 2100 << 2970 << 131 << 5 << 65 << 3 << 3.0;
    QTest::newRow("A4 landscape") << 2970 << 2100 << 100 << 13 << 40 << 3 << 3.0;
    QTest::newRow("26 columns keep full width") << 2100 << 2970 << 10 << 26 << 65 << 1 << 3.0;
    QTest::newRow("27 columns are narrower") << 2100 << 2970 << 10 << 27 << 65 << 1 << 2.5;
    QTest::newRow("an empty grid still has a page") << 2100 << 2970 << 0 << 5 << 65 << 1 << 3.0;
    QTest::newRow("a page too small for a line") << 1000 << 600 << 3 << 5 << 1 << 3 << 3.0;
}

void PrintGridTest::layoutFollowsPageAndGrid() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, rows);
    QFETCH(int, columns);
    const GridPrintLayout layout = ComputeGridPrintLayout(width, height, rows, columns);
    QTEST(layout.linesPerPage, "linesPerPage");
    QTEST(layout.pageCount, "pages");
    QTEST(layout.columnScale, "scale");
}

void PrintGridTest::hundredRowsOnA4MakeTwoNumberedPages() {
    const TextGrid grid = NumberedGrid(100, 5);
    const QString pdf =
        PrintToPdf(grid, {50, 75, 130, 80, 239}, QStringLiteral("Hinweise für Anna"),
                   QPageLayout::Portrait, QStringLiteral("Unterzeile"));
    QVERIFY(!pdf.isEmpty());
    QVERIFY(Run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+2\\n")));

    const QString first = Run("pdftotext", {"-f", "1", "-l", "1", pdf, "-"});
    const QString second = Run("pdftotext", {"-f", "2", "-l", "2", pdf, "-"});
    QVERIFY2(first.contains("Seite: 1 von 2"), qPrintable(first));
    QVERIFY2(second.contains("Seite: 2 von 2"), qPrintable(second));

    // Rows 0 to 64 on page 1 (the titles row being the first line), the rest
    // on page 2, none lost and none twice.
    QList<int> expectFirst, expectSecond;
    for (int r = 0; r < 65; ++r) expectFirst << r;
    for (int r = 65; r < 100; ++r) expectSecond << r;
    QCOMPARE(RowsOn(first), expectFirst);
    QCOMPARE(RowsOn(second), expectSecond);

    // The title and the date head page 1 only; the subtitle every page.
    QVERIFY(first.contains("Hinweise für Anna"));
    QVERIFY(!second.contains("Hinweise für Anna"));
    QVERIFY(first.contains(QRegularExpression("\\d\\d\\.\\d\\d\\.\\d\\d")));
    QVERIFY(!second.contains(QRegularExpression("\\d\\d\\.\\d\\d\\.\\d\\d")));
    QVERIFY(first.contains("Unterzeile"));
    QVERIFY(second.contains("Unterzeile"));
}

void PrintGridTest::columnsAdvanceByTheirScaledWidths_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<double>("scale");
    QTest::newRow("5 columns, 3 units per pixel") << 5 << 3.0;
    QTest::newRow("27 columns, 2.5 units per pixel") << 27 << 2.5;
}

void PrintGridTest::columnsAdvanceByTheirScaledWidths() {
    QFETCH(int, columns);
    QFETCH(double, scale);
    const TextGrid grid = NumberedGrid(2, columns);
    std::vector<int> widths(columns, 40);
    widths[0] = 100;
    const QString pdf = PrintToPdf(grid, widths, QStringLiteral("Spalten"), QPageLayout::Portrait);
    QVERIFY(!pdf.isEmpty());
    const QString boxes = Run("pdftotext", {"-bbox", pdf, "-"});
    auto leftOf = [&](const QString& word) {
        const QRegularExpression re("xMin=\"([0-9.]+)\"[^>]*>" + word + "<");
        const auto match = re.match(boxes);
        return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
    };
    const double pointsPerUnit = 72.0 / 254.0;
    // Column 0 starts 25 mm in, column 1 after 100 scaled pixels, column 2
    // 40 scaled pixels further.
    QVERIFY(qAbs(leftOf("Zeile1") - 250 * pointsPerUnit) < 1.0);
    QVERIFY(qAbs(leftOf("Z1S1") - (250 + 100 * scale) * pointsPerUnit) < 1.0);
    QVERIFY(qAbs(leftOf("Z1S2") - (250 + 140 * scale) * pointsPerUnit) < 1.0);
}

void PrintGridTest::landscapeTurnsThePage() {
    const TextGrid grid = NumberedGrid(100, 3);
    const QString pdf =
        PrintToPdf(grid, {60, 60, 60}, QStringLiteral("Quer"), QPageLayout::Landscape);
    QVERIFY(!pdf.isEmpty());
    const QString info = Run("pdfinfo", {pdf});
    // A4 across: 842 x 595 points, 40 lines a page, so three pages.
    QVERIFY2(info.contains(QRegularExpression("Page size:\\s+84[12](\\.\\d+)? x 595")),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression("Pages:\\s+3\\n")));
    const QString last = Run("pdftotext", {"-f", "3", "-l", "3", pdf, "-"});
    QVERIFY(last.contains("Seite: 3 von 3"));
    QCOMPARE(RowsOn(last).first(), 80);
}

QTEST_MAIN(PrintGridTest)
#include "print_grid_test.moc"
