#include "ui/statistics/box_page.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/table.h"
#include "stats/grid_file.h"
#include "stats/grid_layouts.h"
#include "ui/common/grid_file_dialog.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/statistics/count_charts.h"
#include "ui/statistics/grid_frame.h"
#include "ui/statistics/spreadsheet_export.h"
#include "ui/statistics/statistics_grid_models.h"

namespace tavexo {

namespace {

// 418 pixels hold the 21 rows in the original font; ours needs a little more.
constexpr int DETAILS_HEIGHT = 440;
constexpr int DETAILS_GAP = 6;

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

BoxPage::BoxPage(Table& table, int box, const StatisticsServices& services, QWidget* parent)
    : QWidget(parent),
      table_(table),
      box_(box),
      services_(services),
      historyModel_(std::make_unique<HistoryGridModel>(table.HistoryGrid(box), services.locale)),
      detailsModel_(std::make_unique<DetailsGridModel>(table.DetailsGrid(box))) {
    setObjectName(QStringLiteral("Seite%1").arg(box));

    historyFrame_ = new GridFrame(GridFrame::Kind::History, historyModel_.get());
    detailsFrame_ = new GridFrame(GridFrame::Kind::Details, detailsModel_.get());
    help::SetHelpContext(historyFrame_, help::HistoryGrid);
    help::SetHelpContext(detailsFrame_, help::DetailStatistics);

    split_ = new QSplitter(Qt::Vertical);
    split_->setObjectName(QStringLiteral("Teilung"));
    split_->setHandleWidth(DETAILS_GAP);
    split_->setChildrenCollapsible(false);
    split_->addWidget(historyFrame_);
    split_->addWidget(detailsFrame_);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 0);
    split_->setSizes({400, DETAILS_HEIGHT});

    charts_ = new CountCharts(table, box, FromUtf8(services_.folders.statisticsFolder));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("Ansicht"));
    tabs_->addTab(split_, QStringLiteral("&Tabellen"));
    tabs_->addTab(charts_, QStringLiteral("&Diagramme"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (tabs_->currentWidget() == charts_) charts_->Refresh();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tabs_);

    for (GridFrame* frame : {historyFrame_, detailsFrame_}) {
        const bool history = frame == historyFrame_;
        connect(frame, &GridFrame::openClicked, this, [this, history] { OpenGrid(history); });
        connect(frame, &GridFrame::saveClicked, this, [this, history] { SaveGrid(history); });
        connect(frame, &GridFrame::exportClicked, this, [this, history] { ExportGrid(history); });
        connect(frame, &GridFrame::printClicked, this, [this, history] { PrintGrid(history); });
    }
    connect(historyFrame_, &GridFrame::clearClicked, this, &BoxPage::ClearHistory);
    connect(detailsFrame_, &GridFrame::clearClicked, this, &BoxPage::ClearDetails);
    connect(historyFrame_, &GridFrame::toggleDetailsClicked, this,
            &BoxPage::toggleDetailsRequested);
}

BoxPage::~BoxPage() = default;

QString BoxPage::BoxName() const {
    return FromUtf8(table_.Box(box_).name);
}

void BoxPage::SetDetailsHidden(bool hidden) {
    detailsFrame_->setVisible(!hidden);
    historyFrame_->SetDetailsHidden(hidden);
}

void BoxPage::SetDetailsHeight(int height) {
    const int total = std::max(split_->height(), 2 * height);
    split_->setSizes({total - height, height});
}

void BoxPage::RefreshHistory() {
    historyModel_->Refresh();
    if (tabs_->currentWidget() == charts_) charts_->Refresh();
}

void BoxPage::RefreshDetails() {
    detailsModel_->Refresh();
    if (tabs_->currentWidget() == charts_) charts_->Refresh();
}

void BoxPage::OpenGrid(bool history) {
    const GridFileKind kind = history ? GridFileKind::History : GridFileKind::Statistics;
    const std::string& folder =
        history ? services_.folders.historyFolder : services_.folders.statisticsFolder;
    const QString path = AskGridFileToOpen(this, kind, FromUtf8(folder));
    if (path.isEmpty()) return;
    TextGrid& grid = history ? table_.HistoryGrid(box_) : table_.DetailsGrid(box_);
    const FileResult result = LoadGridFromFile(grid, path.toStdString());
    // A file that ended early has left the rows it had; show them either way.
    history ? RefreshHistory() : RefreshDetails();
    if (!result.ok) {
        ShowErrorBox(this, FromUtf8(result.message));
        return;
    }
    (history ? historyFrame_ : detailsFrame_)->SetFileName(QFileInfo(path).fileName());
}

void BoxPage::SaveGrid(bool history) {
    const GridFileKind kind = history ? GridFileKind::History : GridFileKind::Statistics;
    const std::string& folder =
        history ? services_.folders.historyFolder : services_.folders.statisticsFolder;
    const QString path = AskGridFileToSave(this, kind, FromUtf8(folder));
    if (path.isEmpty()) return;
    const TextGrid& grid = history ? table_.HistoryGrid(box_) : table_.DetailsGrid(box_);
    const FileResult result = SaveGridToFile(grid, path.toStdString());
    if (!result.ok) {
        ShowErrorBox(this, FromUtf8(result.message));
        return;
    }
    (history ? historyFrame_ : detailsFrame_)->SetFileName(QFileInfo(path).fileName());
}

void BoxPage::ExportGrid(bool history) {
    const QString title =
        (history ? QStringLiteral("Verlauf für ") : QStringLiteral("Detailstatistik für ")) +
        BoxName();
    const TextGrid& grid = history ? table_.HistoryGrid(box_) : table_.DetailsGrid(box_);
    const SpreadsheetLayout layout =
        history ? SpreadsheetLayout::History : SpreadsheetLayout::Statistics;

    // The workbook is opened from the temporary folder, as a new document
    // that the user saves where he likes from the spreadsheet program.
    QDir folder(QDir::temp().filePath(QStringLiteral("Tavexo-Export")));
    folder.mkpath(QStringLiteral("."));
    const QString path =
        folder.filePath(FromUtf8(SheetNameFor(title.toStdString())) + QStringLiteral(".xlsx"));
    const SpreadsheetResult written = ExportGridToSpreadsheet(
        grid, title.toStdString(), grid.ColumnCount() - 1, layout, path.toStdString());
    if (!written.ok) {
        ShowErrorBox(this, FromUtf8(written.message));
        return;
    }
    if (services_.openSpreadsheet && services_.openSpreadsheet(path)) return;

    QMessageBox ask(QMessageBox::Question, QStringLiteral("Tavexo"),
                    QStringLiteral("Ein Tabellenkalkulationsprogramm für .xlsx-Dateien ist nicht "
                                   "auf Ihrem Rechner installiert, die Tabelle kann daher nicht "
                                   "geöffnet werden.\n\nMöchten Sie sie stattdessen als Datei "
                                   "speichern?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::Yes);
    if (ask.exec() != QMessageBox::Yes) return;

    const std::string& start =
        history ? services_.folders.historyFolder : services_.folders.statisticsFolder;
    QFileDialog dialog(this, QStringLiteral("Excel-Datei speichern"),
                       QDir(FromUtf8(start)).filePath(QFileInfo(path).fileName()));
    dialog.setObjectName(QStringLiteral("DateiDialog"));
    dialog.setNameFilter(QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"));
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString target = dialog.selectedFiles().constFirst();

    // Replaces an existing file only once the copy is complete.
    QFile source(path);
    QSaveFile copy(target);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
        copy.write(source.readAll()) < 0 || !copy.commit()) {
        // The reason as Qt has it from the system ("No space left on device").
        const QString reason =
            source.error() != QFileDevice::NoError ? source.errorString() : copy.errorString();
        ShowErrorBox(this, QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden (%2).")
                               .arg(QDir::toNativeSeparators(target), reason));
    }
}

void BoxPage::PrintGrid(bool history) {
    if (!services_.print) return;
    const QString title =
        (history ? QStringLiteral("Verlauf für ") : QStringLiteral("Detailstatistik für ")) +
        BoxName();
    services_.print(this, history ? table_.HistoryGrid(box_) : table_.DetailsGrid(box_), title);
}

bool BoxPage::Confirm(const QString& question) {
    QMessageBox ask(QMessageBox::Question, QStringLiteral("Tavexo"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::No);
    return ask.exec() == QMessageBox::Yes;
}

void BoxPage::ClearHistory() {
    if (!Confirm(QStringLiteral("Den Spielverlauf von %1 leeren?").arg(BoxName()))) return;
    table_.ClearHistory(box_);  // the table reports the change; refreshed here too
    RefreshHistory();
}

void BoxPage::ClearDetails() {
    if (!Confirm(QStringLiteral("Die Statistik leeren? Das setzt die Zähler aller sieben Boxen "
                                "auf null.")))
        return;
    TextGrid& grid = table_.DetailsGrid(box_);
    for (int row = 1; row < grid.RowCount(); ++row) grid.ClearRow(row);
    table_.ResetBucketStats();
    RefreshDetails();
    charts_->Refresh();
}

}  // namespace tavexo
