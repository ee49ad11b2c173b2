#include "ui/statistics/grid_frame.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "stats/grid_layouts.h"
#include "ui/common/grid_view.h"
#include "ui/common/text_grid_model.h"

namespace tavexo {

namespace {

constexpr int ROW_HEIGHT = 17;
constexpr int DECISIONS_COLUMN = 5;
constexpr int MIN_DECISIONS_WIDTH = 180;
// The grid's room in a window of 1217 pixels: margins, frame, scroll bar.
constexpr int HISTORY_FITS_WIDTH = 1170;
constexpr int GRID_POINT_SIZE = 9;  // as the style sheet sets for role "grid"
const QString HIDE_DETAILS = QStringLiteral("▼ ausblenden");
const QString SHOW_DETAILS = QStringLiteral("▲ einblenden");

// The grids' columns are as wide as the layout says, or as their title and
// their widest usual text need in the grid's font, whichever is more.
int ColumnWidth(int layoutWidth, const char* title, const QString& widestText) {
    QFont font = QApplication::font();
    font.setPointSize(GRID_POINT_SIZE);
    const QFontMetrics cells(font);
    font.setBold(true);
    const QFontMetrics titles(font);
    return std::max({layoutWidth, titles.horizontalAdvance(QString::fromUtf8(title)) + 14,
                     cells.horizontalAdvance(widestText) + 10});
}

QPushButton* ToolButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

GridFrame::GridFrame(Kind kind, TextGridModel* model, QWidget* parent)
    : QWidget(parent), kind_(kind) {
    const bool history = kind == Kind::History;
    setObjectName(history ? QStringLiteral("frStat1") : QStringLiteral("frStat2"));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    auto* open = ToolButton(
        history ? QStringLiteral("Verlauf öffnen...") : QStringLiteral("Statistik öffnen..."),
        QStringLiteral("BOeffnen"), this);
    auto* save = ToolButton(
        history ? QStringLiteral("Verlauf speichern...") : QStringLiteral("Statistik speichern..."),
        QStringLiteral("BSpeichern"), this);
    auto* exportButton =
        ToolButton(QStringLiteral("Excel-Export"), QStringLiteral("BExport"), this);
    exportButton->setToolTip(QStringLiteral("Als Tabellenkalkulations-Datei (.xlsx) öffnen"));
    auto* print = ToolButton(QStringLiteral("Drucken..."), QStringLiteral("BDrucken"), this);
    auto* clear =
        ToolButton(history ? QStringLiteral("Verlauf leeren") : QStringLiteral("Statistik leeren"),
                   QStringLiteral("BLeeren"), this);
    connect(open, &QPushButton::clicked, this, &GridFrame::openClicked);
    connect(save, &QPushButton::clicked, this, &GridFrame::saveClicked);
    connect(exportButton, &QPushButton::clicked, this, &GridFrame::exportClicked);
    connect(print, &QPushButton::clicked, this, &GridFrame::printClicked);
    connect(clear, &QPushButton::clicked, this, &GridFrame::clearClicked);

    auto* fileBox = new QVBoxLayout;
    fileBox->setSpacing(0);
    auto* fileCaption = new QLabel(QStringLiteral("Datei"), this);
    fileName_ = new QLabel(this);
    fileName_->setObjectName(QStringLiteral("LDatei"));
    fileName_->setAccessibleName(QStringLiteral("Datei"));
    fileName_->setMinimumWidth(120);
    fileBox->addWidget(fileCaption);
    fileBox->addWidget(fileName_);

    auto* heading =
        new QLabel(history ? QStringLiteral("Spielverlauf") : QStringLiteral("Statistik"), this);
    heading->setProperty("role", QStringLiteral("heading"));

    bar->addWidget(open);
    bar->addWidget(save);
    bar->addWidget(exportButton);
    bar->addWidget(print);
    bar->addSpacing(12);
    bar->addLayout(fileBox);
    bar->addSpacing(12);
    bar->addWidget(heading);
    bar->addStretch(1);
    bar->addWidget(clear);

    view_ = new GridView(this);
    view_->setObjectName(history ? QStringLiteral("GVerlauf") : QStringLiteral("GStatistik"));
    view_->setAccessibleName(history ? QStringLiteral("Spielverlauf")
                                     : QStringLiteral("Detailstatistik"));
    view_->setProperty("role", QStringLiteral("grid"));
    view_->setModel(model);
    view_->setWordWrap(false);
    view_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view_->verticalHeader()->hide();
    // Fixed row heights keep a history of 100000 rows as quick as a short one.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(ROW_HEIGHT);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    if (history) {
        for (int c = 0; c < HISTORY_COLUMNS; ++c) {
            const bool money = c == 2 || c >= 8;
            const QString widest = money    ? QStringLiteral("-1.000,0 €")
                                   : c == 7 ? QStringLiteral("21 + 21")
                                            : QStringLiteral("10");
            view_->setColumnWidth(c,
                                  ColumnWidth(HISTORY_COLUMN_WIDTHS[c], HISTORY_TITLES[c], widest));
        }
        // The decisions column gives up what the wider columns took, so that
        // the history fits the window's usual width without scrolling.
        int total = 0;
        for (int c = 0; c < HISTORY_COLUMNS; ++c) total += view_->columnWidth(c);
        const int excess = total - HISTORY_FITS_WIDTH;
        if (excess > 0) {
            view_->setColumnWidth(
                DECISIONS_COLUMN,
                std::max(MIN_DECISIONS_WIDTH, view_->columnWidth(DECISIONS_COLUMN) - excess));
        }
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        for (int c = 0; c < DETAIL_COLUMNS; ++c) {
            const QString widest = c == 0             ? QStringLiteral("-1 >= Z > -3")
                                   : c == 5 || c == 6 ? QStringLiteral("-10.000,0 €")
                                                      : QStringLiteral("100,00 %");
            view_->setColumnWidth(c,
                                  ColumnWidth(DETAIL_COLUMN_WIDTHS[c], DETAIL_TITLES[c], widest));
        }
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);

    if (history) {
        auto* bottom = new QHBoxLayout;
        bottom->setContentsMargins(0, 0, 0, 0);
        const std::array<QString, 2> names = {QStringLiteral("BAusblendenLinks"),
                                              QStringLiteral("BAusblendenRechts")};
        for (int i = 0; i < 2; ++i) {
            toggles_[i] = ToolButton(HIDE_DETAILS, names[i], this);
            toggles_[i]->setAccessibleName(QStringLiteral("Detailstatistik ausblenden"));
            connect(toggles_[i], &QPushButton::clicked, this, &GridFrame::toggleDetailsClicked);
        }
        bottom->addWidget(toggles_[0]);
        bottom->addStretch(1);
        bottom->addWidget(toggles_[1]);
        layout->addLayout(bottom);
    }
}

void GridFrame::SetFileName(const QString& name) {
    fileName_->setText(name);
}

QString GridFrame::FileName() const {
    return fileName_->text();
}

void GridFrame::SetDetailsHidden(bool hidden) {
    for (QPushButton* button : toggles_) {
        if (button == nullptr) continue;
        button->setText(hidden ? SHOW_DETAILS : HIDE_DETAILS);
        button->setAccessibleName(hidden ? QStringLiteral("Detailstatistik einblenden")
                                         : QStringLiteral("Detailstatistik ausblenden"));
    }
}

}  // namespace tavexo
