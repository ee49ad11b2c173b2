#include "ui/training/hints_frame.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

#include "engine/table.h"
#include "stats/grid_file.h"
#include "stats/grid_layouts.h"
#include "strategy/hints_log.h"
#include "ui/common/grid_file_dialog.h"
#include "ui/common/grid_view.h"
#include "ui/common/print_grid.h"
#include "ui/common/window_style.h"
#include "ui/training/hints_grid_model.h"

namespace tavexo {

namespace {

constexpr int ROW_HEIGHT = 20;

QPushButton* Button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

// The last row that holds any text; 0 when only the titles do.
int LastWrittenRow(const TextGrid& grid) {
    for (int r = grid.RowCount() - 1; r > 0; --r)
        for (int c = 0; c < grid.ColumnCount(); ++c)
            if (QString::fromStdString(grid.Cell(c, r)).trimmed().size() > 0) return r;
    return 0;
}

}  // namespace

HintsFrame::HintsFrame(Table& table, int box, const QString& trainingFolder, QWidget* parent)
    : QWidget(parent), table_(table), box_(box), trainingFolder_(trainingFolder) {
    setObjectName(QStringLiteral("Hinw%1").arg(box));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    model_ = new HintsGridModel(table_.HintsGrid(box), this);
    view_ = new GridView(this);
    view_->setObjectName(QStringLiteral("G1"));
    view_->setProperty("role", QStringLiteral("grid"));
    view_->setModel(model_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setWordWrap(false);
    // Rows of one height let the view place ten thousand of them without
    // measuring each.
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(ROW_HEIGHT);
    // The log's column widths, or wider where a title needs more in the
    // style's bold type ("Dealerkarte", "rel. Zählwert").
    view_->ensurePolished();
    view_->horizontalHeader()->ensurePolished();
    for (int c = 0; c < HINT_COLUMNS; ++c)
        view_->setColumnWidth(
            c, std::max(HINT_COLUMN_WIDTHS[c], view_->horizontalHeader()->sectionSizeHint(c)));
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setAccessibleName(QStringLiteral("Strategie-Hinweise für %1")
                                 .arg(QString::fromStdString(table_.Box(box).name)));
    column->addWidget(view_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    connect(Button(this, buttons, "BOeffnen", QStringLiteral("Hinweise öffnen...")),
            &QPushButton::clicked, this, &HintsFrame::OpenFile);
    connect(Button(this, buttons, "BSpeichern", QStringLiteral("Hinweise speichern...")),
            &QPushButton::clicked, this, &HintsFrame::SaveFile);
    connect(Button(this, buttons, "BDrucken", QStringLiteral("Hinweise drucken")),
            &QPushButton::clicked, this, &HintsFrame::Print);
    buttons->addStretch(1);
    auto* file = new QLabel(QStringLiteral("Datei:"), this);
    buttons->addWidget(file);
    fileName_ = new QLabel(this);
    fileName_->setObjectName(QStringLiteral("LDatei"));
    fileName_->setMinimumWidth(90);
    file->setBuddy(fileName_);
    buttons->addWidget(fileName_);
    QPushButton* clear = Button(this, buttons, "BLoeschen", QString());
    clear->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    clear->setToolTip(QStringLiteral("Hinweise löschen"));
    clear->setAccessibleName(QStringLiteral("Hinweise löschen"));
    connect(clear, &QPushButton::clicked, this, &HintsFrame::Clear);
    column->addLayout(buttons);
    Refresh();
}

QString HintsFrame::FileName() const {
    return fileName_->text();
}

void HintsFrame::Refresh() {
    model_->Refresh();
}

void HintsFrame::ShowFailure(const std::string& message) {
    ShowErrorBox(this, QString::fromStdString(message));
}

void HintsFrame::OpenFile() {
    const QString path = AskGridFileToOpen(this, GridFileKind::Training, trainingFolder_);
    if (path.isEmpty()) return;
    TextGrid& grid = table_.HintsGrid(box_);
    const FileResult result = LoadGridFromFile(grid, path.toStdString());
    // The next hint goes below what the file brought, never over it.
    table_.Box(box_).hintRow = LastWrittenRow(grid);
    // A file that ended early has left the rows it had; show them either way.
    Refresh();
    if (!result.ok) {
        ShowFailure(result.message);
        return;
    }
    fileName_->setText(QFileInfo(path).fileName());
}

void HintsFrame::SaveFile() {
    const QString path = AskGridFileToSave(this, GridFileKind::Training, trainingFolder_);
    if (path.isEmpty()) return;
    const FileResult result = SaveGridToFile(table_.HintsGrid(box_), path.toStdString());
    if (!result.ok) {
        ShowFailure(result.message);
        return;
    }
    fileName_->setText(QFileInfo(path).fileName());
}

void HintsFrame::Print() {
    const std::vector<int> widths(HINT_COLUMN_WIDTHS.begin(), HINT_COLUMN_WIDTHS.end());
    PrintGridWithDialog(
        this, table_.HintsGrid(box_), widths,
        QStringLiteral("Strategie-Hinweise für ") + QString::fromStdString(table_.Box(box_).name));
}

void HintsFrame::Clear() {
    ClearHints(table_, box_);
    Refresh();
}

}  // namespace tavexo
