// The statistics window as the user meets it: opened from the table's tool
// bar, filled by a robot run, grids saved, opened, cleared, exported.
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <functional>

#include "engine/table.h"
#include "program_test.h"
#include "settings/profiles.h"
#include "stats/grid_layouts.h"
#include "ui/statistics/box_page.h"
#include "ui/statistics/count_charts.h"
#include "ui/statistics/grid_frame.h"
#include "ui/statistics/statistics_grid_models.h"
#include "ui/statistics/statistics_window.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

QPushButton* Button(QWidget* frame, const char* name) {
    return frame->findChild<QPushButton*>(QString::fromLatin1(name));
}

QString Cell(QTableView* view, int row, int column, int role = Qt::DisplayRole) {
    return view->model()->index(row, column).data(role).toString();
}

QColor Colour(QTableView* view, int row, int column, int role) {
    return view->model()->index(row, column).data(role).value<QColor>();
}

}  // namespace

class StatisticsWindowTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void existsHiddenFromStartWithAPagePerBox();
    void fitsASmallScreenWithRoomForTheHistory();
    void rowsAppearDuringARobotRunWhileTheWindowIsOpen();
    void savingAndOpeningGiveTheSameGrids();
    void aFileThatFailsToLoadKeepsTheOldFileName();
    void historyCellsAreColouredByTheirContent();
    void hidingTheDetailsActsOnAllPages();
    void clearingEmptiesTheGridsAndZeroesEveryBox();
    void theExportedWorkbookHoldsTheGridWithItsFormats();
    void aLongTitleStillExports();
    void withoutASpreadsheetProgramTheWorkbookCanBeSaved();
    void theChartsShowTheHistoryAndBothCounts();

  private:
    // Each case's program records the workbooks it would open.
    void Configure(ProgramConfig& config) override {
        exported_.clear();
        opensSpreadsheet_ = true;
        config.openSpreadsheet = [this](const QString& path) {
            exported_ << path;
            return opensSpreadsheet_;
        };
    }
    // Here the window under test is the statistics window, not the table's.
    StatisticsWindow* window() { return program_->Statistics(); }
    GridFrame* History(int box) { return window()->Page(box)->HistoryFrame(); }
    GridFrame* Details(int box) { return window()->Page(box)->DetailsFrame(); }
    void OpenWindow() {
        QTest::mouseClick(program_->Window().Panel()->bStatistik, Qt::LeftButton);
        QVERIFY(window()->isVisible());
    }
    // Robots on the given boxes play until `rounds` rounds are over.
    void PlayRounds(std::initializer_list<int> robots, int rounds) {
        Seat(*program_, {}, robots);
        RunScript script(table());
        script.Then([&] { return table().State().roundNumber >= rounds; },
                    [&] { table().StopRun(); });
        QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
        QVERIFY(!script.TimedOut());
    }
    QString Folder(const std::string& folder) { return QString::fromStdString(folder); }
    QJsonObject ReadWorkbook(const QString& path) {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(READ_XLSX), path});
        if (!python.waitForFinished(30000)) return {};
        const QByteArray out = python.readAllStandardOutput();
        if (python.exitCode() != 0) qWarning() << python.readAllStandardError();
        return QJsonDocument::fromJson(out).object();
    }

    QStringList exported_;
    bool opensSpreadsheet_ = true;
};

void StatisticsWindowTest::existsHiddenFromStartWithAPagePerBox() {
    QVERIFY(window() != nullptr);
    QVERIFY(!window()->isVisible());
    QCOMPARE(window()->windowTitle(), QStringLiteral("Tavexo"));
    QCOMPARE(window()->Pages()->count(), BOX_COUNT);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const TPlayerBox& b = table().Box(box);
        const QString name = QString::fromStdString(b.name);
        QCOMPARE(window()->Pages()->tabText(box - 1),
                 b.isRobot ? QStringLiteral("Robot für ") + name : name);
    }
    // Only the boxes in play keep their pages once the profiles say so.
    table().Box(3).inPlay = false;
    window()->ShowPagesInPlay();
    QVERIFY(!window()->Pages()->isTabVisible(2));
    QVERIFY(window()->Pages()->isTabVisible(3));
    table().Box(3).inPlay = true;
    window()->ShowPagesInPlay();
    QVERIFY(window()->Pages()->isTabVisible(2));

    OpenWindow();
    QCOMPARE(window()->size(), QSize(1217, 874));
    // The tool bar opens the same window again rather than a second one.
    QTest::mouseClick(program_->Window().Panel()->bStatistik, Qt::LeftButton);
    QCOMPARE(program_->Window().Windows().Existing(SecondaryWindow::Statistics), window());
    QTest::mouseClick(window()->findChild<QPushButton*>(QStringLiteral("BSchliessen")),
                      Qt::LeftButton);
    QVERIFY(!window()->isVisible());
}

void StatisticsWindowTest::fitsASmallScreenWithRoomForTheHistory() {
    const QRect laptop(0, 0, 1366, 728);  // 1366 x 768 less a panel
    window()->FitInto(laptop);
    OpenWindow();
    QVERIFY(laptop.contains(window()->frameGeometry()));
    QVERIFY(window()->height() < 874);
    QVERIFY2(History(1)->View()->viewport()->height() >= 10 * 17,
             qPrintable(QString::number(History(1)->View()->viewport()->height())));
    QVERIFY(Details(1)->View()->viewport()->height() >= 8 * 17);
}

void StatisticsWindowTest::rowsAppearDuringARobotRunWhileTheWindowIsOpen() {
    OpenWindow();
    QTableView* grid = History(2)->View();
    Seat(*program_, {}, {2, 3});
    int rowsSeenDuringRun = 0;
    RunScript script(table());
    script.Then(
        [&] {
            rowsSeenDuringRun = grid->model()->rowCount();
            return table().State().roundNumber >= 12 && rowsSeenDuringRun >= 5;
        },
        [&] {
            QVERIFY(table().State().running);
            table().StopRun();
        });
    QTest::mouseClick(program_->Window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!script.TimedOut());
    QVERIFY(rowsSeenDuringRun >= 5);

    const int rounds = table().State().roundNumber;
    QCOMPARE(grid->model()->rowCount(), rounds);
    QCOMPARE(Cell(grid, rounds - 1, 0).trimmed(), QString::number(rounds));
    QCOMPARE(grid->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Ergebnis"));
    // The run's summary fills the detail statistics: "gesamt", "Spiele".
    QCOMPARE(Cell(Details(2)->View(), 0, 0).trimmed(), QStringLiteral("gesamt"));
    QCOMPARE(Cell(Details(2)->View(), 0, 1), QString::number(rounds));
    QCOMPARE(Details(2)->View()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Spiele"));
}

void StatisticsWindowTest::savingAndOpeningGiveTheSameGrids() {
    PlayRounds({1}, 6);
    OpenWindow();
    const QString historyPath = DataFile(QStringLiteral("anna"));
    const QString statsPath = DataFile(QStringLiteral("anna.stat"));
    const TextGrid historyBefore = table().HistoryGrid(1);
    const TextGrid detailsBefore = table().DetailsGrid(1);

    ChooseFile(QStringLiteral("Verlauf-Datei speichern"), QStringLiteral("Verlauf-Datei (*.lauf)"),
               Folder(program_->Folders().historyFolder), historyPath);
    QTest::mouseClick(Button(History(1), "BSpeichern"), Qt::LeftButton);
    // The extension is added to a name typed without one.
    QVERIFY(QFile::exists(historyPath + QStringLiteral(".lauf")));
    QCOMPARE(History(1)->FileName(), QStringLiteral("anna.lauf"));

    ChooseFile(QStringLiteral("Statistik-Datei speichern"),
               QStringLiteral("Statistik-Datei (*.stat)"),
               Folder(program_->Folders().statisticsFolder), statsPath);
    QTest::mouseClick(Button(Details(1), "BSpeichern"), Qt::LeftButton);
    QCOMPARE(Details(1)->FileName(), QStringLiteral("anna.stat"));

    AnswerMessage(QMessageBox::Yes);
    QTest::mouseClick(Button(History(1), "BLeeren"), Qt::LeftButton);
    QCOMPARE(Cell(History(1)->View(), 0, 9), QString());
    AnswerMessage(QMessageBox::Yes);
    QTest::mouseClick(Button(Details(1), "BLeeren"), Qt::LeftButton);
    QCOMPARE(Cell(Details(1)->View(), 0, 1), QString());

    ChooseFile(QStringLiteral("Verlauf-Datei öffnen"), QStringLiteral("Verlauf-Datei (*.lauf)"),
               Folder(program_->Folders().historyFolder), historyPath + QStringLiteral(".lauf"));
    QTest::mouseClick(Button(History(1), "BOeffnen"), Qt::LeftButton);
    ChooseFile(QStringLiteral("Statistik-Datei öffnen"), QStringLiteral("Statistik-Datei (*.stat)"),
               Folder(program_->Folders().statisticsFolder), statsPath);
    QTest::mouseClick(Button(Details(1), "BOeffnen"), Qt::LeftButton);

    // The same texts, except that an empty cell comes back as one blank.
    for (const auto& [before, view] :
         {std::pair{&historyBefore, History(1)->View()}, {&detailsBefore, Details(1)->View()}}) {
        QCOMPARE(view->model()->rowCount(), before->RowCount() - 1);
        for (int r = 1; r < before->RowCount(); ++r) {
            for (int c = 0; c < before->ColumnCount(); ++c) {
                // Windows-1252 has no pointer "►" (a split and a double in one
                // round): the file keeps a "?" in its place.
                const QString expected = QString::fromStdString(before->Cell(c, r))
                                             .replace(QChar(0x25BA), QLatin1Char('?'));
                const QString shown = Cell(view, r - 1, c);
                // Shown without the blanks that centre a text in the file.
                QVERIFY2(shown == expected.trimmed(),
                         qPrintable(QStringLiteral("row %1 column %2: %3 / %4")
                                        .arg(r)
                                        .arg(c)
                                        .arg(shown, expected)));
            }
        }
    }
    // A loaded history leaves the row counter: the next round writes row 1.
    QCOMPARE(table().Box(1).historyRow, 0);
}

void StatisticsWindowTest::aFileThatFailsToLoadKeepsTheOldFileName() {
    OpenWindow();
    const QString good = DataFile(QStringLiteral("gut.lauf"));
    ChooseFile(QStringLiteral("Verlauf-Datei speichern"), QStringLiteral("Verlauf-Datei (*.lauf)"),
               {}, good);
    QTest::mouseClick(Button(History(4), "BSpeichern"), Qt::LeftButton);
    QCOMPARE(History(4)->FileName(), QStringLiteral("gut.lauf"));

    const QString bad = DataFile(QStringLiteral("kaputt.lauf"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("zwanzig\r\n");
    file.close();
    QString message;
    ChooseFile(QStringLiteral("Verlauf-Datei öffnen"), QStringLiteral("Verlauf-Datei (*.lauf)"), {},
               bad);
    AnswerMessage(QMessageBox::Ok, &message);
    QTest::mouseClick(Button(History(4), "BOeffnen"), Qt::LeftButton);
    QVERIFY2(message.contains(QStringLiteral("kein gültiger ganzzahliger Wert")),
             qPrintable(message));
    QCOMPARE(History(4)->FileName(), QStringLiteral("gut.lauf"));
    QCOMPARE(History(4)->View()->model()->rowCount(), HISTORY_INITIAL_ROWS - 1);

    // A cancelled dialog changes nothing.
    ChooseFile(QStringLiteral("Verlauf-Datei öffnen"), QStringLiteral("Verlauf-Datei (*.lauf)"), {},
               {});
    QTest::mouseClick(Button(History(4), "BOeffnen"), Qt::LeftButton);
    QCOMPARE(History(4)->FileName(), QStringLiteral("gut.lauf"));
}

void StatisticsWindowTest::historyCellsAreColouredByTheirContent() {
    OpenWindow();
    // Round, units, stake, dealer, box cards, decisions, dealer total, box
    // total, result, capital, saldo, turnover, return.
    const QString path = DataFile(QStringLiteral("farben.lauf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "6\r\n"
        "\"  1\",1,\"5,0 \x80\",\"7 10\",\"10 6 K\",,17,26,\"-5,0 \x80\",\"995,0 \x80\",\"-5,0 "
        "\x80\",\"5,0 "
        "\x80\",\"-100,00 %\"\r\n"
        "\"  2\",1,\"10,0 \x80\",\"6 10\",\"8 5 K + 8 6 9\",Geteilt,16,\"23 + 23\",\"-10,0 "
        "\x80\",x,x,x,x\r\n"
        "\"  3\",1,\"5,0 \x80\",\"10 9\",\"10 8\",,19,18,\"-5,0 \x80\",x,x,x,x\r\n"
        "\"  4\",1,\"5,0 \x80\",\"10 8\",\"10 8\",,18,18,\"0,0\",x,x,x,x\r\n"
        "\"  5\",1,\"5,0 \x80\",\"6 10 K\",\"10 8\",,26,\"18 + 22\",\"5,0 \x80\",x,x,x,x\r\n");
    file.close();
    ChooseFile(QStringLiteral("Verlauf-Datei öffnen"), QStringLiteral("Verlauf-Datei (*.lauf)"), {},
               path);
    QTest::mouseClick(Button(History(1), "BOeffnen"), Qt::LeftButton);
    QTableView* grid = History(1)->View();
    QCOMPARE(grid->model()->rowCount(), 5);

    struct Expect {
        int row, column;
        QColor background, text;
    };
    const QList<Expect> cases = {
        {0, 7, PLAYER_BUST, Qt::white},         // bust
        {1, 7, PLAYER_DOUBLE_BUST, Qt::white},  // both split hands bust
        {2, 7, Qt::white, Qt::black},           // no bust
        {4, 7, PLAYER_BUST, Qt::white},         // one of two hands bust
        {4, 6, DEALER_BUST, Qt::white},         // the dealer bust
        {2, 6, Qt::white, Qt::black},
    };
    for (const Expect& e : cases) {
        QCOMPARE(Colour(grid, e.row, e.column, Qt::BackgroundRole), e.background);
        QCOMPARE(Colour(grid, e.row, e.column, Qt::ForegroundRole), e.text);
    }
    QCOMPARE(Colour(grid, 2, 8, Qt::BackgroundRole), RESULT_LOSS);  // loss
    QCOMPARE(Colour(grid, 3, 8, Qt::BackgroundRole), RESULT_PUSH);  // push
    QCOMPARE(Colour(grid, 4, 8, Qt::BackgroundRole), RESULT_WIN);   // win
    // Money right-aligned, the rest centred.
    const auto align = [&](int column) {
        return grid->model()->index(0, column).data(Qt::TextAlignmentRole).toInt() &
               Qt::AlignHorizontal_Mask;
    };
    QCOMPARE(align(2), int(Qt::AlignRight));
    QCOMPARE(align(8), int(Qt::AlignRight));
    QCOMPARE(align(12), int(Qt::AlignRight));
    QCOMPARE(align(4), int(Qt::AlignHCenter));
    // Text that is no number keeps the grid's colours; drawing goes on.
    QVERIFY(!grid->model()->index(1, 9).data(Qt::BackgroundRole).isValid());
    grid->viewport()->repaint();

    // The detail statistics: the nine bucket rows amber, the rest white.
    QTableView* details = Details(1)->View();
    QCOMPARE(Colour(details, 2, 3, Qt::BackgroundRole), BUCKET_ROW);   // grid row 3
    QCOMPARE(Colour(details, 18, 3, Qt::BackgroundRole), BUCKET_ROW);  // grid row 19
    QCOMPARE(Colour(details, 0, 3, Qt::BackgroundRole), QColor(Qt::white));
    QCOMPARE(Colour(details, 3, 3, Qt::BackgroundRole), QColor(Qt::white));
}

void StatisticsWindowTest::hidingTheDetailsActsOnAllPages() {
    OpenWindow();
    window()->Pages()->setCurrentIndex(2);
    QTest::mouseClick(Button(History(3), "BAusblendenLinks"), Qt::LeftButton);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        QVERIFY(Details(box)->isHidden());
        QCOMPARE(Button(History(box), "BAusblendenRechts")->text(), QStringLiteral("▲ einblenden"));
    }
    // The history takes the room that is free.
    QTRY_VERIFY(History(3)->height() > 700);

    window()->Pages()->setCurrentIndex(4);
    QTest::mouseClick(Button(History(5), "BAusblendenRechts"), Qt::LeftButton);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        QVERIFY(!Details(box)->isHidden());
        QCOMPARE(Button(History(box), "BAusblendenLinks")->text(), QStringLiteral("▼ ausblenden"));
    }
}

void StatisticsWindowTest::clearingEmptiesTheGridsAndZeroesEveryBox() {
    PlayRounds({1, 2}, 5);
    OpenWindow();
    QVERIFY(table().Stats().BoxTotal(2).games > 0);
    const QString box2Games = Cell(Details(2)->View(), 0, 1);
    QVERIFY(!box2Games.isEmpty());

    // Answered "No", nothing happens.
    AnswerMessage(QMessageBox::No);
    QTest::mouseClick(Button(Details(1), "BLeeren"), Qt::LeftButton);
    QVERIFY(table().Stats().BoxTotal(1).games > 0);

    AnswerMessage(QMessageBox::Yes);
    QTest::mouseClick(Button(Details(1), "BLeeren"), Qt::LeftButton);
    for (int r = 0; r < DETAIL_ROWS - 1; ++r)
        for (int c = 0; c < DETAIL_COLUMNS; ++c)
            QCOMPARE(Cell(Details(1)->View(), r, c), QString());
    QCOMPARE(Details(1)->View()->model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Spiele"));
    for (int box = 1; box <= BOX_COUNT; ++box) QCOMPARE(table().Stats().BoxTotal(box).games, 0u);
    QCOMPARE(Cell(Details(2)->View(), 0, 1), box2Games);  // shown until the next summary

    AnswerMessage(QMessageBox::Yes);
    QTest::mouseClick(Button(History(2), "BLeeren"), Qt::LeftButton);
    QCOMPARE(table().Box(2).historyRow, 0);
    QCOMPARE(Cell(History(2)->View(), 0, 0), QString());

    // The next run fills the numbers again, but the cleared labels stay away.
    PlayRounds({1, 2}, table().State().roundNumber + 2);
    QCOMPARE(Cell(Details(1)->View(), 0, 1), QStringLiteral("2"));
    QCOMPARE(Cell(Details(1)->View(), 0, 0), QString());
    QCOMPARE(History(2)->View()->model()->rowCount(), 2);
}

void StatisticsWindowTest::theExportedWorkbookHoldsTheGridWithItsFormats() {
    PlayRounds({1}, 3);
    OpenWindow();
    QTest::mouseClick(Button(History(1), "BExport"), Qt::LeftButton);
    QCOMPARE(exported_.size(), 1);
    const QString name = QString::fromStdString(table().Box(1).name);
    QJsonObject book = ReadWorkbook(exported_.last());
    QCOMPARE(book.value("sheets").toVariant().toStringList(),
             QStringList{QStringLiteral("Verlauf für ") + name});
    QJsonObject cells = book.value("cells").toObject();
    QCOMPARE(cells.value("A1").toObject().value("value").toString(), QStringLiteral("Runde"));
    QCOMPARE(cells.value("I1").toObject().value("value").toString(), QStringLiteral("Ergebnis"));
    QCOMPARE(cells.value("A2").toObject().value("value").toInt(), 1);
    QCOMPARE(cells.value("J4").toObject().value("value").toString(),
             QString::fromStdString(table().HistoryGrid(1).Cell(9, 3)));
    QCOMPARE(cells.value("A2").toObject().value("align").toString(), QStringLiteral("center"));
    QCOMPARE(cells.value("C2").toObject().value("align").toString(), QStringLiteral("right"));
    QCOMPARE(cells.value("I3").toObject().value("align").toString(), QStringLiteral("right"));
    // The titles and a row for every round the box played.
    QCOMPARE(book.value("rows").toInt(), table().State().roundNumber + 1);
    QCOMPARE(book.value("columns").toInt(), 13);
    // Widths fitted to the longest text: "Spielerentscheidungen" is wider
    // than the round numbers.
    QJsonObject widths = book.value("widths").toObject();
    QVERIFY(widths.value("F").toDouble() > widths.value("A").toDouble());

    QTest::mouseClick(Button(Details(1), "BExport"), Qt::LeftButton);
    QCOMPARE(exported_.size(), 2);
    book = ReadWorkbook(exported_.last());
    QCOMPARE(book.value("sheets").toVariant().toStringList(),
             QStringList{QStringLiteral("Detailstatistik für ") + name});
    cells = book.value("cells").toObject();
    QCOMPARE(book.value("rows").toInt(), 21);
    QCOMPARE(book.value("columns").toInt(), 21);
    QCOMPARE(cells.value("B1").toObject().value("value").toString().trimmed(),
             QStringLiteral("Spiele"));
    QCOMPARE(cells.value("B1").toObject().value("format").toString(), QStringLiteral("@"));
    QCOMPARE(cells.value("U1").toObject().value("align").toString(), QStringLiteral("center"));
    QCOMPARE(cells.value("B2").toObject().value("value").toInt(), table().State().roundNumber);
    QCOMPARE(cells.value("B2").toObject().value("format").toString(), QStringLiteral("General"));
}

void StatisticsWindowTest::aLongTitleStillExports() {
    BoxProfile profile;
    profile.name = "Maxi[1]: Müller";  // 15 characters, three not allowed
    profile.capital = 1000.0f;
    profile.active = true;
    table().ApplyProfile(3, profile);
    OpenWindow();
    QTest::mouseClick(Button(Details(3), "BExport"), Qt::LeftButton);
    QCOMPARE(exported_.size(), 1);
    const QJsonObject book = ReadWorkbook(exported_.last());
    const QStringList sheets = book.value("sheets").toVariant().toStringList();
    QCOMPARE(sheets.size(), 1);
    QCOMPARE(sheets.first(), QStringLiteral("Detailstatistik für Maxi-1-- M…"));
    QVERIFY(sheets.first().size() <= 31);
    QVERIFY(program_->Host().RecordedMessages().isEmpty());
}

void StatisticsWindowTest::withoutASpreadsheetProgramTheWorkbookCanBeSaved() {
    opensSpreadsheet_ = false;
    OpenWindow();
    const QString target = DataFile(QStringLiteral("verlauf.xlsx"));
    QString message;
    AnswerMessage(QMessageBox::Yes, &message);
    ChooseFile(QStringLiteral("Excel-Datei speichern"),
               QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"),
               Folder(program_->Folders().historyFolder), target);
    QTest::mouseClick(Button(History(6), "BExport"), Qt::LeftButton);
    QVERIFY2(message.contains(QStringLiteral("ist nicht auf Ihrem Rechner installiert")),
             qPrintable(message));
    QVERIFY(QFile::exists(target));
    const QJsonObject book = ReadWorkbook(target);
    QCOMPARE(book.value("cells").toObject().value("A1").toObject().value("value").toString(),
             QStringLiteral("Runde"));
}

void StatisticsWindowTest::theChartsShowTheHistoryAndBothCounts() {
    PlayRounds({5}, 8);
    OpenWindow();
    window()->Pages()->setCurrentIndex(4);
    auto* tabs = window()->Page(5)->findChild<QTabWidget*>(QStringLiteral("Ansicht"));
    tabs->setCurrentIndex(1);
    CountCharts* charts = window()->Page(5)->Charts();
    QVERIFY(charts->isVisible());
    auto* note = charts->findChild<QLabel*>(QStringLiteral("LHinweis"));
    QVERIFY(note->text().startsWith(QStringLiteral("Zählwert beim Setzen")));
    QTest::mouseClick(charts->findChild<QRadioButton*>(QStringLiteral("RBBereiche")),
                      Qt::LeftButton);
    QVERIFY(note->text().startsWith(QStringLiteral("Zählwert der Statistik")));
    QVERIFY(!charts->ShowsBetCount());
}

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
