#include "ui/statistics/statistics_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/table.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"

namespace tavexo {

namespace {

constexpr int CLIENT_WIDTH = 1217;
constexpr int CLIENT_HEIGHT = 874;
constexpr int TOOLBAR_HEIGHT = 40;
constexpr int LEGEND_HEIGHT = 22;
// 418 pixels hold the 21 rows in the original font; ours needs a little more.
constexpr int DETAILS_HEIGHT = 440;

QPushButton* HelpButton(QWidget* parent, const QString& name) {
    auto* button = new QPushButton(QStringLiteral("Hilfe"), parent);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("Hilfe zu diesem Fenster (F1)"));
    QObject::connect(button, &QPushButton::clicked, parent,
                     [parent] { help::RequestHelp(parent); });
    return button;
}

}  // namespace

StatisticsWindow::StatisticsWindow(Table& table, StatisticsServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), table_(table), services_(std::move(services)) {
    setObjectName(QStringLiteral("Statistik1"));
    setWindowTitle(QStringLiteral("Tavexo"));
    help::SetHelpContext(this, help::StatisticsWindow);

    auto* top = new QWidget(this);
    top->setFixedHeight(TOOLBAR_HEIGHT);
    auto* topBar = new QHBoxLayout(top);
    topBar->setContentsMargins(6, 2, 6, 2);
    auto* close = new QPushButton(QStringLiteral("Sch&ließen"), top);
    close->setObjectName(QStringLiteral("BSchliessen"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    topBar->addWidget(close);
    topBar->addStretch(1);
    topBar->addWidget(HelpButton(this, QStringLiteral("BHilfe")));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Seiten"));
    pages_->setUsesScrollButtons(true);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        auto* page = new BoxPage(table_, box, services_, pages_);
        const TPlayerBox& b = table_.Box(box);
        const QString name = QString::fromStdString(b.name);
        pages_->addTab(page, b.isRobot ? QStringLiteral("Robot für ") + name : name);
        connect(page, &BoxPage::toggleDetailsRequested, this, &StatisticsWindow::ToggleDetails);
        boxPages_[box - 1] = page;
    }

    auto* legend = new QWidget(this);
    legend->setFixedHeight(LEGEND_HEIGHT + 8);
    auto* legendBar = new QHBoxLayout(legend);
    legendBar->setContentsMargins(6, 0, 6, 2);
    auto* legendText = new QLabel(QStringLiteral("Legende: siehe Hilfe"), legend);
    QFont bold = legendText->font();
    bold.setBold(true);
    legendText->setFont(bold);
    legendBar->addWidget(legendText);
    legendBar->addStretch(1);
    legendBar->addWidget(HelpButton(this, QStringLiteral("BHilfeLegende")));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(pages_, 1);
    layout->addWidget(legend);

    // Escape closes the window as "Schließen" does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    ApplyWindowStyle(this);
    resize(CLIENT_WIDTH, CLIENT_HEIGHT);
}

void StatisticsWindow::FitInto(const QRect& available) {
    // Room for the window frame, which the client size does not include.
    const int width = std::min(CLIENT_WIDTH, available.width() - 16);
    const int height = std::min(CLIENT_HEIGHT, available.height() - 40);
    resize(width, height);
    // On a small screen the history keeps room for a dozen rows.
    const int details =
        height >= CLIENT_HEIGHT ? DETAILS_HEIGHT : std::max(200, (height - 220) / 2);
    for (BoxPage* page : boxPages_) page->SetDetailsHeight(details);
    move(available.x() + (available.width() - width) / 2,
         available.y() + std::max(0, (available.height() - height - 30) / 2));
}

void StatisticsWindow::GridChanged(GridKind kind, int box) {
    if (box < 1 || box > BOX_COUNT) return;
    if (kind == GridKind::History) {
        // A hidden window catches up when it is shown: nobody sees the rows
        // meanwhile, and a robot run then spends no time on them.
        if (!isVisible()) {
            historyPending_[box - 1] = true;
            return;
        }
        Page(box)->RefreshHistory();
    } else if (kind == GridKind::Details) {
        Page(box)->RefreshDetails();
    }
}

void StatisticsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        if (!historyPending_[box - 1]) continue;
        historyPending_[box - 1] = false;
        Page(box)->RefreshHistory();
    }
}

void StatisticsWindow::ShowPagesInPlay() {
    for (int box = 1; box <= BOX_COUNT; ++box)
        pages_->setTabVisible(box - 1, table_.Box(box).inPlay);
}

void StatisticsWindow::ToggleDetails() {
    detailsHidden_ = !detailsHidden_;
    for (BoxPage* page : boxPages_) page->SetDetailsHidden(detailsHidden_);
}

}  // namespace tavexo
