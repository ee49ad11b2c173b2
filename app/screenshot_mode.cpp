#include "app/screenshot_mode.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <utility>

#include "settings/profiles.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_system.h"
#include "ui/help/help_window.h"
#include "ui/program.h"
#include "ui/start/start_screen.h"
#include "ui/statistics/statistics_window.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"

namespace tavexo {

namespace {

constexpr int HUMAN_BOX = 4;

}  // namespace

ScreenshotMode::ScreenshotMode(Program& program) : QObject(nullptr), program_(program) {
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("TAVEXO_SCREENSHOT", &ok);
    if (!ok) return;
    rounds_ = rounds;
    window_ = qEnvironmentVariable("TAVEXO_SCREENSHOT_WINDOW");
    QTimer::singleShot(0, this, &ScreenshotMode::Begin);
}

void ScreenshotMode::Begin() {
    if (rounds_ < 0) {
        // The start screen itself, waiting for "Weiter".
        Ready();
        return;
    }
    if (StartScreen* start = program_.StartWindow()) start->FadeOver();
    TableWindow& window = program_.Window();
    bool ok = false;
    const int slider = qEnvironmentVariableIntValue("TAVEXO_SCREENSHOT_SLIDER", &ok);
    if (ok) window.SizeSlider()->setValue(slider);
    if (rounds_ == 0) {
        OpenRequestedWindow();
        QTimer::singleShot(400, this, &ScreenshotMode::Ready);
        return;
    }

    TProgramSettings& settings = program_.Settings();
    settings.cardDelay = 0;
    settings.roundDelay = 0;
    settings.actionTime = 600;
    settings.training.trainingMode = true;
    settings.training.showCounts = true;
    if (!window_.isEmpty()) settings.soundCues.fill(false);
    Table& table = program_.GetTable();
    table.SettingsChanged();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxProfile profile = BoxProfileOf(program_.Profiles(), box);
        profile.active = true;
        profile.robot = true;
        table.ApplyProfile(box, profile);
    }

    auto* watch = new QTimer(this);
    connect(watch, &QTimer::timeout, this, &ScreenshotMode::Watch);
    watch->start(5);
    QTimer::singleShot(0, &window, [&window] { window.Panel()->bStart->click(); });
}

void ScreenshotMode::OpenRequestedWindow() {
    const QString name = qEnvironmentVariable("TAVEXO_SCREENSHOT_OPEN");
    const std::pair<const char*, SecondaryWindow> windowsByName[] = {
        {"profiles", SecondaryWindow::Profiles},       {"options", SecondaryWindow::Options},
        {"training", SecondaryWindow::TrainingCentre}, {"hints", SecondaryWindow::StrategyHints},
        {"drill", SecondaryWindow::CountingDrill},     {"update", SecondaryWindow::Update},
        {"live", SecondaryWindow::LiveTables},
    };
    for (const auto& [windowName, kind] : windowsByName) {
        if (name == QLatin1String(windowName)) program_.Window().Windows().Open(kind);
    }
}

void ScreenshotMode::Watch() {
    Table& table = program_.GetTable();
    if (!window_.isEmpty()) {
        if (table.State().roundNumber < rounds_) return;
        if (table.State().running) {
            table.StopRun();
        } else if (!windowShown_) {
            windowShown_ = true;
            ShowStatistics();
        }
        return;
    }
    TPlayerBox& box = table.Box(HUMAN_BOX);
    // In the last round box 4 changes hands before its turn and then waits
    // for a decision that nobody makes: the round stands still, mid-deal.
    if (box.isRobot && table.State().roundNumber >= rounds_ && table.BoxInTurn() < HUMAN_BOX) {
        box.isRobot = false;
        program_.Window().SetBoxName(HUMAN_BOX, box.name);
    }
    if (!box.isRobot && table.BoxInTurn() == HUMAN_BOX) Ready();
}

void ScreenshotMode::ShowStatistics() {
    program_.Window().Panel()->bStatistik->click();
    if (StatisticsWindow* statistics = program_.Statistics()) {
        if (window_ == QStringLiteral("charts")) {
            if (auto* view = statistics->Page(1)->findChild<QTabWidget*>(QStringLiteral("Ansicht")))
                view->setCurrentIndex(1);
        }
    }
    QTimer::singleShot(600, this, &ScreenshotMode::Ready);
}

void ScreenshotMode::Ready() {
    if (ready_) return;
    ready_ = true;
    const bool helpShown = OpenHelpWindow();
    // Let the last changes reach the screen before the picture is taken.
    QTimer::singleShot(helpShown ? 1200 : 300, this, [this] {
        ReportData();
        std::fprintf(stderr, "TAVEXO_READY\n");
        std::fflush(stderr);
    });
}

// Where the help and the sounds came from, and the help topic shown, for a
// check of an installed or unpacked tree (scripts/check-package.sh).
void ScreenshotMode::ReportData() {
    help::HelpSystem& help = program_.Help();
    QString topic;
    if (help.Window() != nullptr && help.Window()->isVisible())
        topic = help.Window()->Browser()->documentTitle();
    int sounds = 0;
    QString soundFolder;
    for (int i = 0; i < SOUND_COUNT; ++i) {
        if (!program_.Sounds().Loaded(static_cast<Sound>(i))) continue;
        ++sounds;
        soundFolder = QFileInfo(SoundPlayer::SoundFile(static_cast<Sound>(i))).absolutePath();
    }
    std::fprintf(stderr, "TAVEXO_HELP_FILE %s\nTAVEXO_HELP_TOPIC %s\nTAVEXO_SOUNDS %d/%d %s\n",
                 qPrintable(help.HelpFile()), qPrintable(topic), sounds, SOUND_COUNT,
                 qPrintable(soundFolder));
}

// "hilfe:<context>" the help at that topic, "suche:<words>" the search with
// its hits, "info" the info window, "hilfe-download" the download offer.
bool ScreenshotMode::OpenHelpWindow() {
    help::HelpSystem& help = program_.Help();
    if (window_.startsWith(QLatin1String("hilfe:"))) {
        help.ShowHelpContext(window_.mid(6).toInt());
    } else if (window_.startsWith(QLatin1String("suche:"))) {
        help.ShowSearch();
        if (auto* query = help.Window()->findChild<QLineEdit*>(QStringLiteral("ESuche"))) {
            query->setText(window_.mid(6));
            // The index may still be in the making; the window waits for it.
            QTimer::singleShot(200, query, [query] { emit query->returnPressed(); });
        }
    } else if (window_ == QLatin1String("info")) {
        program_.Window().Windows().Open(SecondaryWindow::Info);
    } else if (window_ == QLatin1String("hilfe-download")) {
        help.ShowDownloadWindow();
    } else {
        return false;
    }
    return true;
}

}  // namespace tavexo
