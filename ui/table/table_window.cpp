#include "ui/table/table_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "engine/table.h"
#include "ui/common/card_area.h"
#include "ui/common/table_art.h"
#include "ui/common/tool_icons.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/repaint_pacer.h"
#include "ui/table/table_area.h"
#include "ui/table/table_layout.h"
#include "ui/table/top_panel.h"

namespace tavexo {

namespace {

const char* const WINDOW_STYLE = R"(
QMenuBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2e1d10, stop:1 #1c1108);
           color: #f0e6c8; font-size: 9pt; }
QMenuBar::item { padding: 3px 10px; background: transparent; }
QMenuBar::item:selected { background: #5a3a1c; }
QMenu { background: #23160c; color: #f0e6c8; border: 1px solid #a8884a; font-size: 9pt; }
QMenu::item { padding: 4px 24px 4px 18px; }
QMenu::item:selected { background: #5a3a1c; }
QMenu::item:disabled { color: #9a8a6c; }
QMenu::separator { height: 1px; background: #6a5430; margin: 3px 6px; }
QWidget#POben { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5c3719, stop:0.5 #3f2511,
                stop:1 #2a180a); border: none; border-bottom: 2px solid #c9a24a; }
QWidget#POben QToolButton { color: #f5e8c4; font-size: 9pt; padding: 1px 3px; border-radius: 5px;
                            font-family: "DejaVu Sans Condensed", "Nimbus Sans Narrow", sans-serif; }
QWidget#POben QToolButton:hover { background: rgba(255, 230, 160, 45); }
QWidget#POben QToolButton:pressed { background: rgba(0, 0, 0, 70); }
QWidget#POben QToolButton:disabled { color: #9a8468; }
QToolButton#BPause { color: #3a2410; font-size: 9pt; font-weight: bold; border-radius: 29px;
                     border: 2px solid #7a5a20;
                     background: qradialgradient(cx:0.5, cy:0.35, radius:0.7, fx:0.5, fy:0.3,
                     stop:0 #fff3c8, stop:1 #d0a84a); }
QToolButton#BPause:hover { border-color: #fff0b0; }
QToolButton#BPause:disabled { color: #7a6a50; }
QPushButton#BPositionen { color: #f0e6c8; font-size: 9pt; padding: 3px 10px 3px 6px;
                          border: 1px solid #a8884a; border-radius: 5px; background: rgba(0, 0, 0, 150); }
QPushButton#BPositionen:hover { background: rgba(0, 0, 0, 140); }
QLabel#LF1, QLabel#LFenstergroesse { color: #f0e6c8; font-size: 9pt; background: rgba(0, 0, 0, 110);
                                     border-radius: 4px; padding: 1px 4px; }
QSlider#Track1::groove:horizontal { height: 4px; background: rgba(0, 0, 0, 120); border-radius: 2px; }
QSlider#Track1::handle:horizontal { width: 12px; margin: -6px 0; border-radius: 6px;
                                    background: #e0c068; border: 1px solid #7a5a20; }
QSlider#Track1::sub-page:horizontal { background: #b89440; border-radius: 2px; }
)";

}  // namespace

TableWindow::TableWindow(Table& table, CardPainter& cards, QWidget* parent)
    : QMainWindow(parent), table_(table) {
    setObjectName(QStringLiteral("FMain"));
    setWindowTitle(QStringLiteral("Tavexo 1.1.1.0"));
    help::SetHelpContext(this, help::TableWindow);
    setStyleSheet(QString::fromLatin1(WINDOW_STYLE));
    // The work area: the window manager's panels stay visible beside the table.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        screen_ = screen->availableGeometry();

    BuildMenu();
    // The tool bar's buttons above the table, in one column with it: the
    // buttons give way to icons alone when the window is narrow (the
    // slider's small sizes), rather than holding the window wide.
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("Fenster"));
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    panel_ = new TopPanel(body);
    column->addWidget(panel_);
    area_ = new TableArea(body);
    column->addWidget(area_, 1);
    setCentralWidget(body);
    SetToolbarEnabled(false);

    for (int box = 1; box <= BOX_COUNT; ++box) {
        frames_[box - 1] = new BoxFrame(box, cards, area_);
        ConnectFrame(frames_[box - 1]);
    }
    dealer_ = new DealerFrame(cards, area_);
    connect(dealer_, &DealerFrame::moved, this, [this] {
        followDefaults_ = false;
        PlacePauseControls();
    });
    BuildTableControls();
    ConnectCommands();
    windows_.SetFirstPlacement([this](QWidget* tool) { PlaceToolWindow(tool); });
    new RepaintPacer(this);
    connect(area_, &TableArea::resized, this, &TableWindow::LayOutTable);
}

TableWindow::~TableWindow() = default;

void TableWindow::BuildMenu() {
    QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
    mnBeenden_ = datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);

    QMenu* spiel = menuBar()->addMenu(QStringLiteral("Spiel"));
    mnStart_ = spiel->addAction(QStringLiteral("Spiel &starten"), this, &TableWindow::StartClicked);
    mnStop_ =
        spiel->addAction(QStringLiteral("Spiel sto&ppen"), this, [this] { table_.StopRun(); });
    mnStop_->setEnabled(false);
    spiel->addSeparator();
    spiel->addAction(QStringLiteral("&Verläufe && Statistiken"), this, [this] {
        OpenWindow(SecondaryWindow::Statistics, QStringLiteral("Verläufe & Statistiken"));
    });

    QMenu* mentax = menuBar()->addMenu(QStringLiteral("Mentax"));
    mentax->addAction(QStringLiteral("&Trainingszentrum..."), this, [this] {
        OpenWindow(SecondaryWindow::TrainingCentre, QStringLiteral("Das Trainingszentrum"));
    });
    mentax->addAction(QStringLiteral("Strategie&hinweise..."), this, [this] {
        OpenWindow(SecondaryWindow::StrategyHints, QStringLiteral("Strategiehinweise"));
    });
    mentax->addAction(QStringLiteral("&Zählen üben..."), this, [this] {
        OpenWindow(SecondaryWindow::CountingDrill, QStringLiteral("Zählen üben"));
    });

    QMenu* extras = menuBar()->addMenu(QStringLiteral("Extras"));
    extras->addAction(QStringLiteral("Programm&einstellungen..."), this, [this] {
        OpenWindow(SecondaryWindow::Options, QStringLiteral("Optionen & Regeln"));
    });
    extras->addAction(QStringLiteral("&Spieler-Profile..."), this, [this] {
        OpenWindow(SecondaryWindow::Profiles, QStringLiteral("Spieler-Profile"));
    });

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("Hilfe"));
    hilfe->addAction(QStringLiteral("&Inhalt"), this, [this] { help::RequestHelpContents(this); });
    hilfe->addAction(QStringLiteral("&Suchen..."), this, [this] { help::RequestHelpSearch(this); });
    hilfe->addSeparator();
    hilfe->addAction(QStringLiteral("In&fo..."), this,
                     [this] { OpenWindow(SecondaryWindow::Info, QStringLiteral("Info")); });
}

void TableWindow::BuildTableControls() {
    stopIndicator_ = new QLabel(area_);
    stopIndicator_->setObjectName(QStringLiteral("StopAnzeige"));
    stopIndicator_->setPixmap(StopIndicatorPixmap(devicePixelRatioF()));
    stopIndicator_->setFixedSize(STOP_INDICATOR_SIZE, STOP_INDICATOR_SIZE);
    stopIndicator_->setToolTip(QStringLiteral("Das Spiel endet nach dieser Runde."));
    stopIndicator_->hide();

    bPause_ = new QToolButton(area_);
    bPause_->setObjectName(QStringLiteral("BPause"));
    bPause_->setText(QStringLiteral("Pause"));
    bPause_->setIcon(MakeToolIcon(ToolIcon::Pause, 24));
    bPause_->setIconSize(QSize(24, 24));
    bPause_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bPause_->setFixedSize(PAUSE_BUTTON_SIZE, PAUSE_BUTTON_SIZE);
    bPause_->setFocusPolicy(Qt::NoFocus);
    bPause_->hide();

    bPositionen_ = new QPushButton(MakeToolIcon(ToolIcon::Speichern, 16),
                                   QStringLiteral("Positionen speichern"), area_);
    bPositionen_->setObjectName(QStringLiteral("BPositionen"));
    bPositionen_->setFocusPolicy(Qt::NoFocus);
    bPositionen_->setToolTip(
        QStringLiteral("Fenstergröße und die Plätze der Boxen für den nächsten Start merken"));
    bPositionen_->adjustSize();

    lF1_ = new QLabel(QStringLiteral("F1-Taste für Hilfe"), area_);
    lF1_->setObjectName(QStringLiteral("LF1"));
    help::MakeHelpLink(lF1_, help::UsingHelp);
    lF1_->adjustSize();

    lSlider_ = new QLabel(QStringLiteral("Fenstergröße"), area_);
    lSlider_->setObjectName(QStringLiteral("LFenstergroesse"));
    lSlider_->adjustSize();
    track1_ = new QSlider(Qt::Horizontal, area_);
    track1_->setObjectName(QStringLiteral("Track1"));
    track1_->setRange(SLIDER_MIN, SLIDER_MAX);
    track1_->setValue(SLIDER_MAX);
    track1_->setPageStep(1);
    track1_->setFocusPolicy(Qt::NoFocus);
    track1_->setFixedSize(150, 20);
    track1_->setToolTip(QStringLiteral("Fenstergröße"));
}

void TableWindow::ConnectFrame(BoxFrame* frame) {
    // A frame the user has put somewhere stays there until the window's
    // size changes.
    connect(frame, &BoxFrame::moved, this, [this] { followDefaults_ = false; });
    connect(frame, &BoxFrame::actionClicked, this,
            [this](int box, Action action) { table_.ActionClicked(box, action); });
    connect(frame, &BoxFrame::betClicked, this, [this](int box) { table_.BetClick(box); });
    connect(frame, &BoxFrame::unitsChanged, this,
            [this](int box, int units) { table_.UnitsChanged(box, units); });
    connect(frame, &BoxFrame::autoBetToggled, this,
            [this](int box, bool on) { table_.SetAutoBet(box, on); });
    connect(frame, &BoxFrame::onOffClicked, this, [this](int box) { table_.BoxOnOff(box); });
}

void TableWindow::ConnectCommands() {
    connect(panel_->bBeenden, &QToolButton::clicked, this, [this] { table_.QuitButton(); });
    connect(panel_->bStart, &QToolButton::clicked, this, &TableWindow::StartClicked);
    connect(panel_->bStop, &QToolButton::clicked, this, [this] { table_.StopRun(); });
    connect(panel_->bStatistik, &QToolButton::clicked, this, [this] {
        OpenWindow(SecondaryWindow::Statistics, QStringLiteral("Verläufe & Statistiken"));
    });
    connect(panel_->bProfile, &QToolButton::clicked, this,
            [this] { OpenWindow(SecondaryWindow::Profiles, QStringLiteral("Spieler-Profile")); });
    connect(panel_->bStrategietabellen, &QToolButton::clicked, this, [this] {
        OpenWindow(SecondaryWindow::TrainingCentre, QStringLiteral("Das Trainingszentrum"));
    });
    connect(panel_->bHinweise, &QToolButton::clicked, this, [this] {
        OpenWindow(SecondaryWindow::StrategyHints, QStringLiteral("Strategiehinweise"));
    });
    connect(panel_->bTraining, &QToolButton::clicked, this,
            [this] { OpenWindow(SecondaryWindow::CountingDrill, QStringLiteral("Zählen üben")); });
    connect(panel_->bOptionen, &QToolButton::clicked, this,
            [this] { OpenWindow(SecondaryWindow::Options, QStringLiteral("Optionen & Regeln")); });
    connect(panel_->bNeues, &QToolButton::clicked, this,
            [this] { OpenWindow(SecondaryWindow::Update, QStringLiteral("Gibt es Neues?")); });
    connect(panel_->bLiveTische, &QToolButton::clicked, this, [this] {
        OpenWindow(SecondaryWindow::LiveTables, QStringLiteral("Live-Tische fürs Counten"));
    });
    // F1 itself is answered by the help for every window of the program.
    connect(panel_->bHelp, &QToolButton::clicked, this, [this] { help::RequestHelp(this); });

    connect(bPause_, &QToolButton::clicked, this, [this] { table_.TogglePause(); });
    connect(bPositionen_, &QPushButton::clicked, this, &TableWindow::SaveWindowPositions);
    connect(track1_, &QSlider::sliderReleased, this, &TableWindow::SizeSliderReleased);
    // Keyboard, wheel and clicks beside the handle move the slider without
    // a release; they resize at once.
    connect(track1_, &QSlider::valueChanged, this, [this] {
        if (!track1_->isSliderDown()) SizeSliderReleased();
    });

    // Keyboard play: one letter per action for the box in turn.
    for (int a = 0; a < ACTION_COUNT; ++a) {
        const auto action = static_cast<Action>(a);
        auto* key = new QShortcut(QKeySequence(BoxFrame::ActionKey(action)), this);
        connect(key, &QShortcut::activated, this, [this, action] { KeyAction(action); });
    }
}

void TableWindow::OpenWindow(SecondaryWindow kind, const QString& what) {
    if (windows_.Open(kind) == nullptr) NotAvailable(what);
}

void TableWindow::NotAvailable(const QString& what) {
    const QString text =
        QStringLiteral("„%1“ ist in dieser Version noch nicht verfügbar.").arg(what);
    table_.Host().ShowInformation(text.toStdString());
}

void TableWindow::StartClicked() {
    // The whole run happens inside this click: the table pumps the event
    // queue at every wait, so the window stays alive meanwhile.
    if (inRun_) return;
    if (runBlocker_) {
        if (const QString reason = runBlocker_(); !reason.isEmpty()) {
            table_.Host().ShowInformation(reason.toStdString());
            return;
        }
    }
    inRun_ = true;
    table_.StartRun();
    inRun_ = false;
    if (closeAfterRun_) close();
}

void TableWindow::KeyAction(Action action) {
    const int box = table_.BoxInTurn();
    if (box == 0 || table_.Box(box).isRobot) return;
    BoxFrame* frame = Frame(box);
    QPushButton* button = frame->ActionButton(action);
    // The same checks as a mouse click: a hidden, disabled or paused box
    // takes no key; the table itself refuses anything out of turn.
    if (frame->isVisible() && frame->isEnabled() && button->isEnabled()) button->click();
}

void TableWindow::closeEvent(QCloseEvent* event) {
    if (table_.State().running) {
        // Like "Beenden" during a run: refused, and the stop is requested.
        event->ignore();
        table_.QuitButton();
        return;
    }
    if (inRun_) {
        // A run is starting or ending: close once it is over.
        event->ignore();
        closeAfterRun_ = true;
        table_.StopRun();
        return;
    }
    event->accept();
}

// --- layout ---

QMargins TableWindow::FrameMargins() const {
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

void TableWindow::SetOuterGeometry(const QRect& bounds) {
    outerBounds_ = bounds;
    layoutSize_ = bounds.size();
    // move() places the window with its frame, resize() sizes the inside:
    // the frame comes off the size. Saved and restored alike, so a saved
    // window comes back exactly where it was.
    appliedMargins_ = FrameMargins();
    move(bounds.topLeft());
    resize(bounds.size().shrunkBy(appliedMargins_));
    // The window manager tells the frame only some time after the window
    // is shown; until then the bounds are applied again as it changes.
    if (!isVisible()) outerPending_ = true;
}

void TableWindow::SettleOuterGeometry() {
    if (!outerPending_) return;
    if (FrameMargins() != appliedMargins_) SetOuterGeometry(outerBounds_);
}

void TableWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!outerPending_) return;
    SettleOuterGeometry();
    // The frame's size arrives with one of the next window-manager events;
    // after a second the window is the user's to resize.
    for (int ms : {50, 200, 600}) QTimer::singleShot(ms, this, [this] { SettleOuterGeometry(); });
    QTimer::singleShot(1000, this, [this] {
        SettleOuterGeometry();
        outerPending_ = false;
    });
}

void TableWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    SettleOuterGeometry();
}

void TableWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    SettleOuterGeometry();
    if (!built_ || !isVisible() || outerPending_) return;
    // Resized or maximised by the window manager: the frames are laid out
    // for the new size, as the slider does.
    const QSize outer = frameGeometry().size();
    if (outer == layoutSize_) return;
    layoutSize_ = outer;
    followDefaults_ = true;
    LayOutTable();
}

TableRoom TableWindow::Room() const {
    return TableRoom{area_->size(), bPositionen_->geometry().united(lF1_->geometry()),
                     lSlider_->geometry().united(track1_->geometry())};
}

QSize TableWindow::MinimumOuterSize() const {
    const QSize chrome = frameGeometry().size() - area_->size();
    // The menu and the tool bar have a least width of their own.
    const QSize ownLeast = minimumSizeHint().grownBy(FrameMargins());
    return (MinimumTableSize(Room()) + chrome).expandedTo(ownLeast);
}

void TableWindow::LayOutTable() {
    PlaceBottomControls();
    // Smaller, the frames would lie over each other (a screen too small
    // for that has the last word).
    // (Measured only while the table shows: a hidden one keeps its old size.)
    const QSize inner =
        (MinimumOuterSize() - (frameGeometry().size() - size())).boundedTo(screen_.size());
    if (built_ && area_->isVisible() && minimumSize() != inner) setMinimumSize(inner);
    // Only a table that has its real size can say where its edge is.
    if (!built_ || !isVisible()) return;
    if (!followDefaults_) {
        KeepFramesOnTable();
        return;
    }
    const QSize outer = frameGeometry().size();
    SetDefaultPlaces(outer.width(), outer.height());
    PlaceFramesAtDefaults();
    PlacePauseControls();
}

void TableWindow::KeepFramesOnTable() {
    const QSize table = area_->size();
    for (BoxFrame* frame : frames_) frame->move(ClampToTable(frame->pos(), frame->size(), table));
    dealer_->move(ClampToTable(dealer_->pos(), dealer_->size(), table));
    PlacePauseControls();
}

void TableWindow::ApplyStoredWindow(const TWindowPositions& positions) {
    setWindowState(Qt::WindowNoState);
    SetOuterGeometry(QRect(positions.windowLeft, positions.windowTop, positions.windowWidth,
                           positions.windowHeight));
    const QSignalBlocker quiet(track1_);
    track1_->setValue(std::clamp<int>(positions.sliderPosition, SLIDER_MIN, SLIDER_MAX));
}

void TableWindow::SetDefaultPlaces(int w, int h) {
    const TableLayout layout = FitLayout(tavexo::ComputeLayout(w, h), Room());
    defaultBoxes_ = layout.boxes;
    defaultDealer_ = layout.dealer;
}

void TableWindow::ComputeLayout(int w, int h) {
    SetDefaultPlaces(w, h);
    resize(w, height());
}

void TableWindow::PlaceFramesAtDefaults() {
    for (int box = 1; box <= BOX_COUNT; ++box) Frame(box)->move(defaultBoxes_[box - 1]);
    dealer_->move(defaultDealer_);
}

void TableWindow::BuildTable(const LoadedWindowPositions& stored) {
    if (stored.positionsLoaded) {
        const TWindowPositions& p = stored.positions;
        for (int box = 1; box <= BOX_COUNT; ++box)
            Frame(box)->move(p.boxes[box - 1].left, p.boxes[box - 1].top);
        dealer_->move(p.dealer.left, p.dealer.top);
        SetOuterGeometry(QRect(p.windowLeft, p.windowTop, p.windowWidth, p.windowHeight));
        followDefaults_ = false;
    } else {
        PlaceFramesAtDefaults();
        dealer_->move(static_cast<int>(std::nearbyint(screen_.width() / 2.0 - 155)), DEALER_TOP);
        SetOuterGeometry(screen_);
        followDefaults_ = true;
    }
    for (int box = 1; box <= BOX_COUNT; ++box) Frame(box)->UnitsEdit()->setValue(1);
    PlacePauseControls();
    PlaceBottomControls();
    built_ = true;
}

void TableWindow::SizeSliderReleased() {
    // A maximised window takes no size of its own.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    const QRect bounds = SliderWindowGeometry(screen_, track1_->value(), MinimumOuterSize());
    followDefaults_ = true;
    area_->hide();
    SetOuterGeometry(bounds);
    area_->show();
    // The table is laid out as soon as it has its new size (a window
    // manager may give it later).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    LayOutTable();
    // The tool bar's look at the new width may have changed what the table
    // needs; the window then stays centred at its larger size.
    const QRect settled = SliderWindowGeometry(screen_, track1_->value(), MinimumOuterSize());
    if (settled != bounds) SetOuterGeometry(settled);
}

void TableWindow::PlacePauseControls() {
    const PausePlaces places = tavexo::PlacePauseControls(dealer_->geometry());
    stopIndicator_->move(places.stopIndicator);
    bPause_->move(places.pauseButton);
}

void TableWindow::PlaceBottomControls() {
    const int h = area_->height();
    const int w = area_->width();
    bPositionen_->move(12, h - bPositionen_->height() - 10);
    lF1_->move(bPositionen_->geometry().right() + 12,
               h - 10 - (bPositionen_->height() + lF1_->height()) / 2);
    track1_->move(w - track1_->width() - 14, h - track1_->height() - 12);
    lSlider_->move(track1_->x() - lSlider_->width() - 8,
                   track1_->y() + (track1_->height() - lSlider_->height()) / 2);
}

void TableWindow::PlaceToolWindow(QWidget* tool) const {
    // A window that has not sized itself takes the size its contents ask for.
    if (!tool->testAttribute(Qt::WA_Resized)) tool->adjustSize();
    // Its frame is not known before it is shown: the table's, drawn by the
    // same window manager, stands in for it.
    const QMargins frame = FrameMargins();
    const QSize room = screen_.size().shrunkBy(frame);
    const QSize inner = tool->size().boundedTo(room).expandedTo(tool->minimumSize());
    if (inner != tool->size()) tool->resize(inner);
    // A window that chose its place itself keeps it, only pulled onto the
    // screen; the others open over the middle of the table.
    QRect outer(tool->pos(), inner.grownBy(frame));
    if (!tool->testAttribute(Qt::WA_Moved)) outer.moveCenter(frameGeometry().center());
    // Even a window larger than the screen keeps its title bar in reach.
    outer.moveLeft(
        std::max(screen_.left(), std::min(outer.left(), screen_.right() + 1 - outer.width())));
    outer.moveTop(
        std::max(screen_.top(), std::min(outer.top(), screen_.bottom() + 1 - outer.height())));
    tool->move(outer.topLeft());
}

void TableWindow::SaveWindowPositions() {
    if (settingsFolder_.empty()) return;
    TWindowPositions positions;
    for (int box = 1; box <= BOX_COUNT; ++box)
        positions.boxes[box - 1] = {Frame(box)->x(), Frame(box)->y()};
    const QRect outer = frameGeometry();
    positions.windowLeft = outer.left();
    positions.windowTop = outer.top();
    positions.windowWidth = outer.width();
    positions.windowHeight = outer.height();
    positions.sliderPosition = track1_->value();
    positions.dealer = {dealer_->x(), dealer_->y()};
    const FileResult result = tavexo::SaveWindowPositions(positions, settingsFolder_);
    if (!result.ok) table_.Host().ShowInformation(result.message);
}

void TableWindow::SetToolbarEnabled(bool enabled) {
    // The menu too: nothing may start behind the start screen.
    panel_->setEnabled(enabled);
    menuBar()->setEnabled(enabled);
}

// --- TableView ---

void TableWindow::ShowBoxCard(int box, int hand, int n, CardCode code) {
    Frame(box)->ShowCard(hand, n, code);
}
void TableWindow::MoveSecondCardToHand2(int box) {
    Frame(box)->MoveSecondCardToHand2();
}
void TableWindow::SetHandTotal(int box, int hand, const std::string& text) {
    Frame(box)->SetHandTotal(hand, QString::fromStdString(text));
}
void TableWindow::SetStakeLabel(int box, const std::string& text) {
    Frame(box)->SetStakeLabel(QString::fromStdString(text));
}
void TableWindow::SetStakeHeight(int box, const std::string& text) {
    Frame(box)->SetStakeHeight(QString::fromStdString(text));
}
void TableWindow::SetCapital(int box, const std::string& text) {
    Frame(box)->SetCapital(QString::fromStdString(text));
}
void TableWindow::SetUnits(int box, int units) {
    Frame(box)->SetUnits(units);
}
void TableWindow::SetUnitsEnabled(int box, bool enabled) {
    Frame(box)->SetUnitsEnabled(enabled);
}
void TableWindow::SetUnitsBlinking(int box, bool blinking) {
    Frame(box)->SetUnitsBlinking(blinking);
}
void TableWindow::SetBetEnabled(int box, bool enabled) {
    Frame(box)->SetBetEnabled(enabled);
}
void TableWindow::SetActionEnabled(int box, Action action, bool enabled) {
    Frame(box)->SetActionEnabled(action, enabled);
}
void TableWindow::ShowCoin(int box, int coin, bool visible) {
    Frame(box)->ShowCoin(coin, visible);
}
void TableWindow::SetHandMarker(int box, int hand, bool blinking) {
    Frame(box)->SetHandMarker(hand, blinking);
}
void TableWindow::SetGauge(int box, int value, int maximum) {
    Frame(box)->SetGauge(value, maximum);
}
void TableWindow::SetDecisionsText(int box, const std::string& text) {
    Frame(box)->SetDecisionsText(QString::fromStdString(text));
}
void TableWindow::SetBoxName(int box, const std::string& text) {
    Frame(box)->SetName(QString::fromStdString(text));
}
void TableWindow::SetBoxActive(int box, bool active, bool frameVisible) {
    Frame(box)->SetActive(active, frameVisible);
}
void TableWindow::ShowRoundOutcome(int box, RoundOutcome outcome, const std::string& amount) {
    Frame(box)->ShowOutcome(outcome, QString::fromStdString(amount));
}
void TableWindow::ShowDealerCard(int n, CardCode code) {
    dealer_->ShowCard(n, code);
}
void TableWindow::SetDealerTotal(const std::string& text) {
    dealer_->SetTotal(QString::fromStdString(text));
}
void TableWindow::SetRoundLabel(const std::string& text) {
    dealer_->SetRound(QString::fromStdString(text));
}
void TableWindow::SetHint(const std::string& text) {
    dealer_->SetHint(QString::fromStdString(text));
}
void TableWindow::SetCounts(const std::string& running, const std::string& relative) {
    dealer_->SetCounts(QString::fromStdString(running), QString::fromStdString(relative));
    emit countsChanged();
}
void TableWindow::SetTrainingPanel(bool trainingVisible, bool countsVisible) {
    dealer_->SetTrainingPanel(trainingVisible, countsVisible);
    emit countsChanged();
}
void TableWindow::ShowShuffling(bool shuffling) {
    dealer_->SetShuffling(shuffling);
}

void TableWindow::ClearCards() {
    for (BoxFrame* frame : frames_) {
        frame->ClearCards();
        frame->ClearOutcome();
    }
    dealer_->ClearCards();
}

void TableWindow::SetIdleControls(bool idle) {
    bPause_->setVisible(!idle);
    bPause_->setEnabled(!idle);
    panel_->bStart->setEnabled(idle);
    mnStart_->setEnabled(idle);
    panel_->bStop->setEnabled(!idle);
    mnStop_->setEnabled(!idle);
    panel_->bProfile->setEnabled(idle);
    panel_->bOptionen->setEnabled(idle);
}

void TableWindow::SetPaused(bool paused) {
    // A paused table takes no box input; the options may be opened meanwhile.
    for (BoxFrame* frame : frames_) frame->setEnabled(!paused);
    panel_->bStop->setEnabled(!paused);
    mnStop_->setEnabled(!paused);
    panel_->bOptionen->setEnabled(paused);
    bPause_->setText(paused ? QStringLiteral("Weiter") : QStringLiteral("Pause"));
    bPause_->setIcon(MakeToolIcon(paused ? ToolIcon::Weiter : ToolIcon::Pause, 24));
}

void TableWindow::SetStopEnabled(bool enabled) {
    panel_->bStop->setEnabled(enabled);
    mnStop_->setEnabled(enabled);
}

void TableWindow::ShowStopIndicator(bool visible) {
    stopIndicator_->setVisible(visible);
    if (visible) stopIndicator_->raise();
}

void TableWindow::GridChanged(GridKind kind, int box) {
    emit gridChanged(kind, box);
}

}  // namespace tavexo
