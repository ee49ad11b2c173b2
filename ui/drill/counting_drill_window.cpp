#include "ui/drill/counting_drill_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "drill/drill_history.h"
#include "drill/drill_rules.h"
#include "ui/common/locale_text_format.h"
#include "ui/common/qt_table_host.h"
#include "ui/common/window_style.h"
#include "ui/drill/count_check_panel.h"
#include "ui/drill/deck_estimation_page.h"
#include "ui/drill/drill_displays_panel.h"
#include "ui/drill/drill_pace_panel.h"
#include "ui/drill/drill_place_box.h"
#include "ui/drill/pace_finder_panel.h"
#include "ui/drill/rollup_group.h"
#include "ui/drill/true_count_page.h"
#include "ui/help/help_context.h"

namespace tavexo {

namespace {
// Shown in the counts' places while the drill waits for the user's count.
const QString COVERED = QStringLiteral("?");
}  // namespace

CountingDrillWindow::CountingDrillWindow(QtTableHost& host, CardPainter& cards,
                                         std::string trainingFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      cards_(cards),
      trainingFolder_(std::move(trainingFolder)),
      drill_(host) {
    setObjectName(QStringLiteral("TFUebung"));
    setWindowTitle(QStringLiteral("Tavexo – Zählen üben"));
    setAccessibleName(QStringLiteral("Zählen üben"));
    help::SetHelpContext(this, help::CountingDrill);
    ApplyWindowStyle(this);
    Build();
    Connect();
    ApplySettings(LoadCountDrillSettings(trainingFolder_));
    drill_.SetView(this);
    const std::vector<DrillSessionRecord> sessions = LoadDrillHistory(trainingFolder_);
    history_->ShowHistory(sessions);
    tempo_->ShowHistory(sessions);
    // The program ends when the table window closes; a drill still dealing
    // must not hold it up.
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] {
        drill_.Abort();
        for (DrillPage* page : drillPages_) page->EndRound();
    });
}

CountingDrillWindow::~CountingDrillWindow() {
    drill_.SetView(nullptr);
}

void CountingDrillWindow::SetTableRunCheck(std::function<bool()> tableRunning) {
    for (DrillPage* page : drillPages_) {
        page->SetRunBlocker([tableRunning]() -> QString {
            if (!tableRunning()) return {};
            return QStringLiteral(
                "Am Tisch läuft ein Spiel. Die Übung kann erst starten, wenn es gestoppt ist.");
        });
    }
    drill_.SetRunBlocker([tableRunning = std::move(tableRunning)]() -> std::string {
        if (!tableRunning()) return {};
        return "Am Tisch läuft ein Spiel. Die Zählübung kann erst starten, wenn es gestoppt ist.";
    });
}

bool CountingDrillWindow::RunInProgress() const {
    if (drill_.Running()) return true;
    return std::any_of(drillPages_.begin(), drillPages_.end(),
                       [](const DrillPage* page) { return page->RoundInProgress(); });
}

QString CountingDrillWindow::TableBlockedMessage() const {
    if (drill_.Running()) {
        return QStringLiteral(
            "Die Zählübung läuft. Ein Spiel am Tisch kann erst starten, wenn sie gestoppt ist.");
    }
    for (const DrillPage* page : drillPages_) {
        if (page->RoundInProgress()) {
            return QStringLiteral(
                       "Die Übung „%1“ läuft. Ein Spiel am Tisch kann erst starten, wenn sie "
                       "beendet ist.")
                .arg(page->accessibleName());
        }
    }
    return {};
}

void CountingDrillWindow::SetIndexPlaySources(IndexPlaySources sources) {
    indexPage_->SetSources(std::move(sources));
}

void CountingDrillWindow::BuildPages(QWidget* countingPage) {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Seiten"));
    pages_->setAccessibleName(QStringLiteral("Übungen"));
    pages_->addTab(countingPage, QStringLiteral("Laufender Zählwert"));
    deckPage_ = new DeckEstimationPage(host_, random_, trainingFolder_, pages_);
    trueCountPage_ = new TrueCountPage(host_, random_, trainingFolder_, pages_);
    indexPage_ = new IndexPlayPage(host_, cards_, random_, trainingFolder_, pages_);
    drillPages_ = {deckPage_, trueCountPage_, indexPage_};
    for (DrillPage* page : drillPages_) {
        pages_->addTab(page, page->accessibleName());
        connect(page, &DrillPage::roundChanged, this, &CountingDrillWindow::LockPages);
        connect(page, &DrillPage::closeRequested, this, &QWidget::close);
    }
    // The keyboard goes where the page's work begins.
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 0) return;
        if (index == 3) indexPage_->Refresh();
        if (QWidget* first = drillPages_[static_cast<size_t>(index - 1)]->FirstFocus())
            first->setFocus();
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(pages_);
}

void CountingDrillWindow::LockPages() {
    const bool busy = RunInProgress();
    for (int i = 0; i < pages_->count(); ++i)
        pages_->setTabEnabled(i, !busy || i == pages_->currentIndex());
}

void CountingDrillWindow::Build() {
    auto* countingPage = new QWidget(this);
    countingPage->setObjectName(QStringLiteral("SeiteLaufend"));
    auto* outer = new QHBoxLayout(countingPage);
    auto* left = new QVBoxLayout;

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("LMeldung"));
    message_->setProperty("role", QStringLiteral("heading"));
    message_->setAccessibleName(QStringLiteral("Meldung"));
    message_->setText(QString::fromStdString(DeckMessage(8)));
    left->addWidget(message_);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    for (int place = 1; place <= DRILL_PLACE_COUNT; ++place) {
        places_[place - 1] = new DrillPlaceBox(place, cards_, this);
        grid->addWidget(places_[place - 1], (place - 1) / 4, (place - 1) % 4);
    }
    left->addLayout(grid);

    auto* lower = new QHBoxLayout;
    pace_ = new DrillPacePanel(this);
    check_ = new CountCheckPanel(this);
    lower->addWidget(pace_);
    lower->addWidget(check_, 1);
    left->addLayout(lower);
    tempo_ = new PaceFinderPanel(this);
    left->addWidget(tempo_);
    // Room that the displays beside take goes below, not into the groups.
    left->addStretch();

    auto* right = new QVBoxLayout;
    displays_ = new DrillDisplaysPanel(this);
    displays_->setObjectName(QStringLiteral("PAnzeigen"));
    displays_->setMinimumWidth(300);
    right->addWidget(displays_);
    right->addStretch();
    history_ = new DrillHistoryGroup(this);
    right->addWidget(history_);
    save2_ = new QPushButton(QStringLiteral("Speichern"), this);
    save2_->setObjectName(QStringLiteral("BSave2"));
    save2_->setToolTip(QStringLiteral("Die Einstellungen der Übung speichern"));
    save2_->setAutoDefault(false);
    close2_ = new QPushButton(QStringLiteral("Schließen"), this);
    close2_->setObjectName(QStringLiteral("BClose1"));
    close2_->setAutoDefault(false);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addWidget(save2_);
    rightButtons->addWidget(close2_);
    right->addLayout(rightButtons);

    outer->addLayout(left, 1);
    outer->addLayout(right);
    BuildPages(countingPage);
}

void CountingDrillWindow::Connect() {
    for (int place = 1; place <= DRILL_PLACE_COUNT; ++place) {
        connect(places_[place - 1], &QGroupBox::toggled, this,
                [this, place](bool on) { drill_.SetPlaceActive(place, on); });
    }
    connect(pace_->cardDelay, &QSpinBox::valueChanged, this,
            [this](int v) { drill_.SetCardDelay(v); });
    connect(pace_->playerDelay, &QSpinBox::valueChanged, this,
            [this](int v) { drill_.SetPlayerDelay(v); });
    connect(pace_->clearPause, &QSpinBox::valueChanged, this,
            [this](int v) { drill_.SetClearPause(v); });
    connect(pace_->decks, &QSpinBox::valueChanged, this, [this](int v) {
        // The spin box is locked during a run; should a change come through
        // anyway, the shoe in play keeps its size and the box shows it.
        if (!drill_.SetDecks(v)) {
            const QSignalBlocker quiet(pace_->decks);
            pace_->decks->setValue(drill_.Decks());
        }
    });
    connect(pace_->announcement, &QButtonGroup::idClicked, this,
            [this](int id) { drill_.SetAnnouncement(id); });
    connect(displays_, &DrillDisplaysPanel::groupToggled, this,
            [this](int group, bool on) { drill_.SetDisplayGroup(group, on); });
    connect(check_->mode, &QComboBox::currentIndexChanged, this,
            [this](int index) { drill_.SetCheckMode(static_cast<CheckMode>(index)); });
    connect(check_->askRelative, &QCheckBox::toggled, this,
            [this](bool on) { drill_.SetAskRelative(on); });
    connect(check_, &CountCheckPanel::answered, this,
            [this](int running, std::optional<double> relative) {
                drill_.AnswerCount(running, relative);
                if (findingPace_) tempo_->ShowFinder(paceFinder_);
            });
    connect(tempo_->on, &QCheckBox::toggled, this, &CountingDrillWindow::TempoToggled);
    connect(check_, &CountCheckPanel::skipped, this, [this] { drill_.SkipQuestion(); });

    // The run happens inside the click, pumping events as it goes; the
    // drill refuses a second start while it is on the stack.
    connect(pace_->start, &QPushButton::clicked, this, &CountingDrillWindow::StartRun);
    connect(pace_->stop, &QPushButton::clicked, this, [this] { drill_.Stop(); });
    connect(pace_->pause, &QPushButton::clicked, this, [this] { drill_.TogglePause(); });
    connect(pace_->save, &QPushButton::clicked, this, &CountingDrillWindow::Save);
    connect(save2_, &QPushButton::clicked, this, &CountingDrillWindow::Save);
    connect(pace_->close, &QPushButton::clicked, this, &QWidget::close);
    connect(close2_, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes the window as "Schließen" does, as in every tool window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void CountingDrillWindow::StartRun() {
    if (drill_.Running()) return;
    findingPace_ = tempo_->on->isChecked();
    if (findingPace_) {
        paceFinder_ = PaceFinder(PaceFinderStart(LoadDrillHistory(trainingFolder_)));
        tempo_->ShowFinder(paceFinder_);
    }
    drill_.SetPaceFinder(findingPace_ ? &paceFinder_ : nullptr);
    drill_.Start();
}

void CountingDrillWindow::TempoToggled(bool on) {
    // The found pace replaces these two delays and asks after every round.
    pace_->cardDelay->setEnabled(!on);
    pace_->playerDelay->setEnabled(!on);
    check_->mode->setEnabled(!on && !drill_.Running());
}

void CountingDrillWindow::ApplySettings(const TCountDrillSettings& s) {
    for (int place = 1; place <= DRILL_PLACE_COUNT; ++place)
        places_[place - 1]->setChecked(s.placeActive[place - 1]);
    pace_->cardDelay->setValue(s.cardDelay);
    pace_->playerDelay->setValue(s.playerDelay);
    pace_->clearPause->setValue(s.clearPause);
    pace_->decks->setValue(s.decks);
    pace_->announcement->button(s.announcement)->setChecked(true);
    for (int group = 1; group <= DRILL_DISPLAY_GROUP_COUNT; ++group)
        displays_->SetGroupChecked(group, s.displayGroups[group - 1]);
    check_->mode->setCurrentIndex(s.checkMode);
    check_->askRelative->setChecked(s.checkRelative);
    // The controls' signals carried most of this; the rest (and what did
    // not change) goes to the drill in one piece.
    drill_.ApplySettings(s);
}

void CountingDrillWindow::Save() {
    TCountDrillSettings s = drill_.Settings();
    // What the controls show is what is saved, the deck count included.
    s.decks = pace_->decks->value();
    const FileResult result = SaveCountDrillSettings(trainingFolder_, s);
    if (!result.ok) ShowFailure(result.message);
}

void CountingDrillWindow::ShowFailure(const std::string& message) {
    host_.ShowError(MessageText(message));
}

int CountingDrillWindow::ActivePlaces() const {
    int n = 0;
    for (const bool on : drill_.Settings().placeActive) n += on;
    return n;
}

void CountingDrillWindow::showEvent(QShowEvent* event) {
    // The first time over the middle of the table window; later where the
    // user left it.
    if (!placed_) {
        placed_ = true;
        adjustSize();
        if (const QWidget* table = parentWidget()) {
            QRect frame = frameGeometry();
            frame.moveCenter(table->frameGeometry().center());
            if (const QScreen* screen = table->screen()) {
                const QRect free = screen->availableGeometry();
                frame.moveLeft(
                    std::max(free.left(), std::min(frame.left(), free.right() - frame.width())));
                frame.moveTop(
                    std::max(free.top(), std::min(frame.top(), free.bottom() - frame.height())));
            }
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void CountingDrillWindow::closeEvent(QCloseEvent* event) {
    // Hidden, not destroyed: the drill's settings stay for the next opening.
    // A run does not go on behind a closed window.
    drill_.Abort();
    for (DrillPage* page : drillPages_) page->EndRound();
    event->accept();
}

// --- DrillView ---

void CountingDrillWindow::ShowCard(int place, int n, CardCode code) {
    places_[place - 1]->ShowCard(n, code);
}

void CountingDrillWindow::HideCard(int place, int n) {
    places_[place - 1]->HideCard(n);
}

void CountingDrillWindow::ShowCardCountValue(int value) {
    displays_->ShowCardCountValue(value);
}

void CountingDrillWindow::ShowCounts(int running, double relative) {
    displays_->ShowCounts(QString::number(running),
                          LocaleTextFormat::TableLocale().toString(relative, 'f', 1));
}

void CountingDrillWindow::CoverCounts() {
    displays_->ShowCounts(COVERED, COVERED);
}

void CountingDrillWindow::ShowCardsDealt(int dealt) {
    displays_->ShowCardsDealt(dealt);
}

void CountingDrillWindow::ShowRemainingDecks(int decks) {
    displays_->ShowRemainingDecks(decks);
}

void CountingDrillWindow::ShowMessage(const std::string& text) {
    message_->setText(QString::fromStdString(text));
}

void CountingDrillWindow::SetControls(const DrillControls& controls) {
    pace_->SetControls(controls);
    // Called before the pages exist, with the idle controls.
    if (pages_ != nullptr) LockPages();
    // The deck count and the check's settings belong to the run as a whole.
    check_->mode->setEnabled(controls.startEnabled && !tempo_->on->isChecked());
    check_->askRelative->setEnabled(controls.startEnabled);
    tempo_->on->setEnabled(controls.startEnabled);
}

void CountingDrillWindow::AskCount(bool withRelative) {
    message_->setText(withRelative ? QStringLiteral("Wie stehen der laufende und der wahre Count?")
                                   : QStringLiteral("Wie steht der Count?"));
    check_->Ask(withRelative);
}

void CountingDrillWindow::EndQuestion() {
    // The answer fields are about to be disabled; the keyboard goes back to
    // the run's buttons rather than to whatever follows in the tab order.
    const bool answering = check_->isAncestorOf(QApplication::focusWidget());
    check_->EndQuestion();
    if (answering) (pace_->pause->isVisible() ? pace_->pause : pace_->start)->setFocus();
    if (drill_.Running() && !drill_.StopRequested())
        message_->setText(QString::fromStdString(DeckMessage(drill_.Decks())));
}

void CountingDrillWindow::ShowVerdict(const CountCheck& check) {
    check_->ShowVerdict(check);
}

void CountingDrillWindow::ShowScore(const DrillScore& score) {
    check_->ShowScore(score);
}

void CountingDrillWindow::SessionScored(const DrillScore& score) {
    DrillSessionRecord record;
    record.when =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
    record.decks = drill_.Decks();
    record.places = ActivePlaces();
    record.checked = score.Checked();
    record.correct = score.Correct();
    record.meanError = score.MeanAbsoluteError();
    record.cardsPerSecond = score.CardsPerSecond();
    if (findingPace_) record.heldPace = paceFinder_.HeldPace();
    const FileResult result = AppendDrillSession(trainingFolder_, record);
    if (!result.ok) ShowFailure(result.message);
    const std::vector<DrillSessionRecord> sessions = LoadDrillHistory(trainingFolder_);
    history_->ShowHistory(sessions);
    tempo_->ShowHistory(sessions);
}

}  // namespace tavexo
