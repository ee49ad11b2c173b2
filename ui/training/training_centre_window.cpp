#include "ui/training/training_centre_window.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

#include "engine/table.h"
#include "ui/common/locale_text_format.h"
#include "ui/common/tool_icons.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"
#include "ui/training/strategy_grid_view.h"
#include "ui/training/training_settings_panel.h"

namespace tavexo {

namespace {

QToolButton* ToolButton(QWidget* parent, QHBoxLayout* row, const char* name, const QString& text,
                        ToolIcon icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setIcon(MakeToolIcon(icon, 26));
    button->setIconSize(QSize(26, 26));
    button->setToolButtonStyle(text.isEmpty() ? Qt::ToolButtonIconOnly
                                              : Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

QLabel* WrappedLabel(const QString& text, QWidget* parent, const char* role = "note") {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setProperty("role", QLatin1String(role));
    return label;
}

}  // namespace

TrainingCentreWindow::TrainingCentreWindow(Table& table, const std::string& settingsFolder,
                                           WindowOpener& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), table_(table), windows_(windows) {
    setObjectName(QStringLiteral("FStrategie1"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAccessibleName(QStringLiteral("Trainingszentrum"));
    help::SetHelpContext(this, help::TrainingCentre);
    // Eight grids and the settings side by side: the shared style's smaller
    // type lets them fit a 1366 x 768 screen.
    setProperty("dense", true);
    ApplyWindowStyle(this);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 4, 8, 8);
    page->setSpacing(4);
    page->addWidget(BuildToolBar());
    page->addWidget(BuildExplanations());

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    body->addWidget(BuildGrids(), 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    settings_ = new TrainingSettingsPanel(table_, settingsFolder, this);
    right->addWidget(settings_);
    right->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen2"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    right->addWidget(close, 0, Qt::AlignRight);
    body->addLayout(right, 1);
    page->addLayout(body, 1);

    connect(settings_, &TrainingSettingsPanel::showCountsChanged, this,
            [this] { RefreshLiveCells(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // Its whole natural size: Qt would cut a new window to two thirds of the
    // screen, squeezing the grids.
    resize(sizeHint());
    RefreshLiveCells();
}

QWidget* TrainingCentreWindow::BuildToolBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PToolbar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QToolButton* close =
        ToolButton(bar, row, "BSchliessen", QStringLiteral("Schließen"), ToolIcon::Beenden);
    connect(close, &QToolButton::clicked, this, &QWidget::close);
    QToolButton* hints = ToolButton(bar, row, "BHinweise", QStringLiteral("Strategie-\nhinweise"),
                                    ToolIcon::Hinweise);
    connect(hints, &QToolButton::clicked, this, [this] {
        OpenSecondary(SecondaryWindow::StrategyHints, QStringLiteral("Strategiehinweise"));
    });
    QToolButton* drill =
        ToolButton(bar, row, "BTraining", QStringLiteral("Zählen üben"), ToolIcon::Zaehlen);
    connect(drill, &QToolButton::clicked, this, [this] {
        OpenSecondary(SecondaryWindow::CountingDrill, QStringLiteral("Zählen üben"));
    });
    QToolButton* helpButton = ToolButton(bar, row, "BHilfe", QString(), ToolIcon::Hilfe);
    helpButton->setToolTip(QStringLiteral("Hilfe"));
    helpButton->setAccessibleName(QStringLiteral("Hilfe"));
    connect(helpButton, &QToolButton::clicked, this, [this] { help::RequestHelp(this); });
    auto* pointer = WrappedLabel(QStringLiteral("Für weitere Erläuterungen zur Strategie und zur "
                                                "Anwendung der Tabellen rufen Sie bitte die Hilfe "
                                                "auf \u25BA"),
                                 bar, "warning");
    pointer->setObjectName(QStringLiteral("LHilfeHinweis"));
    row->addSpacing(12);
    row->addWidget(pointer, 1);
    // The pointer points at the help button: it goes last.
    row->removeWidget(helpButton);
    row->addWidget(helpButton);
    return bar;
}

QWidget* TrainingCentreWindow::BuildExplanations() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);
    row->addWidget(WrappedLabel(QStringLiteral("Die hier gemachten Angaben bestimmen die "
                                               "Strategie und die Hinweise/Korrekturen im "
                                               "Trainingsmodus."),
                                box),
                   2);
    row->addWidget(WrappedLabel(QStringLiteral("Die Tabellen weisen sogenannte wahre oder "
                                               "relative Zähl\u00ADwerte aus, die dem relativen "
                                               "Einfluss Rechnung tragen, den die ausgeteilten "
                                               "auf die verbleibenden Karten haben. "),
                                box),
                   3);
    row->addWidget(WrappedLabel(QStringLiteral("Pluszeichen in den Tabellen stehen für eine "
                                               "positive Ent\u00ADscheidung, Minuszeichen für eine "
                                               "negative, jeweils unab\u00ADhängig vom Zählwert."),
                                box),
                   3);
    return box;
}

// Groups of one grid each, except the surrender grids G6 to G8, which share
// one group and one rule.
QWidget* TrainingCentreWindow::GridGroup(int first, int last) {
    const auto& specs = StrategyGrids();
    auto* group = new QGroupBox(QString::fromUtf8(specs[first - 1].caption), this);
    group->setObjectName(QStringLiteral("Gr%1").arg(QString::fromUtf8(specs[first - 1].name)));
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    for (int n = first; n <= last; ++n) {
        grids_[n - 1] = new StrategyGridView(specs[n - 1], group);
        connect(grids_[n - 1], &StrategyGridView::cellDescribed, this,
                [this](const QString& words) { cellWords_->setText(words); });
    }
    if (first == last) {
        column->addWidget(grids_[first - 1], 0, Qt::AlignLeft);
    } else {
        // The hard-hand grid, "◄ harte Hand" pointing back at it and the
        // soft-hand grid beside it; the pairs underneath.
        auto labelFor = [&](int n) {
            auto* label = new QLabel(QString::fromUtf8(specs[n - 1].label), group);
            label->setBuddy(grids_[n - 1]);
            grids_[n - 1]->setAccessibleName(QString::fromUtf8(specs[n - 1].caption) + " – " +
                                             label->text().remove(QChar(0x25C4)).trimmed());
            return label;
        };
        auto* top = new QHBoxLayout;
        top->setSpacing(6);
        top->addWidget(grids_[first - 1], 0, Qt::AlignTop);
        auto* side = new QVBoxLayout;
        side->setSpacing(2);
        side->addWidget(labelFor(first));
        side->addWidget(labelFor(first + 1));
        side->addWidget(grids_[first], 0, Qt::AlignLeft);
        side->addStretch(1);
        top->addLayout(side);
        top->addStretch(1);
        column->addLayout(top);
        for (int n = first + 2; n <= last; ++n) {
            column->addWidget(labelFor(n));
            column->addWidget(grids_[n - 1], 0, Qt::AlignLeft);
        }
    }
    column->addWidget(WrappedLabel(QString::fromUtf8(specs[first - 1].rule), group));
    return group;
}

QWidget* TrainingCentreWindow::BuildGrids() {
    auto* area = new QWidget(this);
    auto* columns = new QHBoxLayout(area);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(8);

    auto* hit = new QVBoxLayout;
    hit->addWidget(GridGroup(1, 1));
    hit->addWidget(GridGroup(2, 2));
    auto* legend = new QGroupBox(QStringLiteral("Aktueller Zählwert"), area);
    auto* legendColumn = new QVBoxLayout(legend);
    liveNote_ = WrappedLabel(QString(), legend);
    liveNote_->setObjectName(QStringLiteral("LZaehlwert"));
    cellWords_ = WrappedLabel(QStringLiteral("Zeigen Sie auf ein Feld, um seine Bedeutung zu "
                                             "lesen."),
                              legend);
    cellWords_->setObjectName(QStringLiteral("LFeld"));
    cellWords_->setMinimumHeight(cellWords_->fontMetrics().lineSpacing() * 2);
    legendColumn->addWidget(liveNote_);
    legendColumn->addWidget(cellWords_);
    hit->addWidget(legend);
    hit->addStretch(1);

    auto* doubling = new QVBoxLayout;
    doubling->addWidget(GridGroup(3, 3));
    doubling->addWidget(GridGroup(4, 4));
    doubling->addStretch(1);

    auto* splitting = new QVBoxLayout;
    splitting->addWidget(GridGroup(5, 5));
    splitting->addWidget(GridGroup(6, 8));
    splitting->addStretch(1);

    columns->addLayout(hit);
    columns->addLayout(doubling);
    columns->addLayout(splitting);
    // The reading rules wrap to the width of the grid above them.
    for (QGroupBox* group : area->findChildren<QGroupBox*>())
        group->setMaximumWidth(grids_[0]->width() + 12);
    return area;
}

void TrainingCentreWindow::OpenSecondary(SecondaryWindow kind, const QString& what) {
    if (windows_.Open(kind) != nullptr) return;
    table_.Host().ShowInformation(
        QStringLiteral("„%1“ ist in dieser Version noch nicht verfügbar.").arg(what).toStdString());
}

std::optional<float> TrainingCentreWindow::LiveCount() const {
    // A user who hides the counts to keep them in the head would read the
    // count off the marks: no marks then.
    if (!table_.Settings().training.showCounts) return std::nullopt;
    const float count = table_.Count().RelativeCount;
    if (!std::isfinite(count)) return std::nullopt;
    return count;
}

void TrainingCentreWindow::RefreshLiveCells() {
    const std::optional<float> count = LiveCount();
    if (everMarked_ && count == shownCount_) return;
    everMarked_ = true;
    shownCount_ = count;
    for (StrategyGridView* grid : grids_) grid->MarkLiveCells(count);
    if (!count) {
        liveNote_->setText(
            QStringLiteral("Die Zählerstände sind ausgeblendet; die Tabellen "
                           "markieren daher keine Felder."));
        return;
    }
    const QString shown = LocaleTextFormat::TableLocale().toString(*count, 'f', 1);
    liveNote_->setText(QStringLiteral("Wahrer Zählwert jetzt: %1. Hervorgehoben sind die Felder, "
                                      "deren Entscheidung er gegenüber dem Zählwert 0 umkehrt.")
                           .arg(shown));
}

void TrainingCentreWindow::CountsChanged() {
    if (isVisible()) RefreshLiveCells();
}

void TrainingCentreWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    RefreshLiveCells();
}

}  // namespace tavexo
