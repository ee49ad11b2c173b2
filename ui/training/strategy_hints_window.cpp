#include "ui/training/strategy_hints_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/table.h"
#include "ui/common/tool_icons.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"
#include "ui/training/hints_frame.h"

namespace tavexo {

namespace {

// The help topic of the hints log, which the help file keeps with the
// detail statistics.
constexpr int HINTS_HELP = 2060;
constexpr int WINDOW_WIDTH = 600;
constexpr int WINDOW_HEIGHT = 752;

}  // namespace

StrategyHintsWindow::StrategyHintsWindow(Table& table, const QString& trainingFolder,
                                         QWidget* parent)
    : QWidget(parent, Qt::Window), table_(table) {
    setObjectName(QStringLiteral("FHinweise"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAccessibleName(QStringLiteral("Strategie-Hinweise"));
    help::SetHelpContext(this, HINTS_HELP);
    ApplyWindowStyle(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 6, 8, 8);
    page->setSpacing(6);

    auto* top = new QHBoxLayout;
    auto* close = new QToolButton(this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    close->setText(QStringLiteral("Schließen"));
    close->setIcon(MakeToolIcon(ToolIcon::Beenden, 26));
    close->setIconSize(QSize(26, 26));
    close->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    close->setAutoRaise(true);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    top->addWidget(close);
    top->addStretch(1);
    auto* helpButton = new QToolButton(this);
    helpButton->setObjectName(QStringLiteral("BHilfe"));
    helpButton->setIcon(MakeToolIcon(ToolIcon::Hilfe, 26));
    helpButton->setIconSize(QSize(26, 26));
    helpButton->setAutoRaise(true);
    helpButton->setToolTip(QStringLiteral("Hilfe"));
    helpButton->setAccessibleName(QStringLiteral("Hilfe"));
    connect(helpButton, &QToolButton::clicked, this, [this] { help::RequestHelp(this); });
    top->addWidget(helpButton);
    page->addLayout(top);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    for (int box = 1; box <= BOX_COUNT; ++box) {
        frames_[box - 1] = new HintsFrame(table_, box, trainingFolder, tabs_);
        tabs_->addTab(frames_[box - 1], QString());
    }
    page->addWidget(tabs_, 1);

    auto* note = new QLabel(QStringLiteral("Spielt der Robot, gibt es keine Hinweise. Der Robot "
                                           "macht keinen Fehler im Sinne von "
                                           "Strategieabweichung."),
                            this);
    note->setWordWrap(true);
    note->setProperty("role", QStringLiteral("note"));
    page->addWidget(note);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto* close2 = new QPushButton(QStringLiteral("Schließen"), this);
    close2->setObjectName(QStringLiteral("BSchliessen2"));
    connect(close2, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(close2);
    page->addLayout(bottom);

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    RefreshTabs();
    // The log's own size, but never taller than the screen leaves room for.
    int height = WINDOW_HEIGHT;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        height = std::min(height, screen->availableGeometry().height() - 40);
    resize(WINDOW_WIDTH, height);
}

void StrategyHintsWindow::RefreshTabs() {
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const TPlayerBox& b = table_.Box(box);
        const QString name = QString::fromStdString(b.name);
        const int tab = box - 1;
        tabs_->setTabText(tab, b.isRobot ? QStringLiteral("Keine Hinweise für ") + name : name);
        tabs_->setTabVisible(tab, b.inPlay || b.hintRow > 0);
    }
    // Show a tab that can be seen.
    if (!tabs_->isTabVisible(tabs_->currentIndex())) {
        for (int tab = 0; tab < tabs_->count(); ++tab) {
            if (!tabs_->isTabVisible(tab)) continue;
            tabs_->setCurrentIndex(tab);
            break;
        }
    }
}

void StrategyHintsWindow::GridChanged(GridKind kind, int box) {
    if (kind != GridKind::Hints || box < 1 || box > BOX_COUNT) return;
    frames_[box - 1]->Refresh();
    // A box's first hint shows its tab even if it was not in play before.
    if (!tabs_->isTabVisible(box - 1)) RefreshTabs();
}

void StrategyHintsWindow::showEvent(QShowEvent* event) {
    // Profiles may have changed names, robots and seats since the last look.
    RefreshTabs();
    QWidget::showEvent(event);
}

}  // namespace tavexo
