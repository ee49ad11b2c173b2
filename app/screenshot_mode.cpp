#include "app/screenshot_mode.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <cstdio>

#include "settings/profiles.h"
#include "ui/help/help_system.h"
#include "ui/help/help_window.h"
#include "ui/program.h"
#include "ui/start/start_screen.h"
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
        QTimer::singleShot(400, this, &ScreenshotMode::Ready);
        return;
    }

    TProgramSettings& settings = program_.Settings();
    settings.cardDelay = 0;
    settings.roundDelay = 0;
    settings.actionTime = 600;
    settings.training.trainingMode = true;
    settings.training.showCounts = true;
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

void ScreenshotMode::Watch() {
    Table& table = program_.GetTable();
    TPlayerBox& box = table.Box(HUMAN_BOX);
    // In the last round box 4 changes hands before its turn and then waits
    // for a decision that nobody makes: the round stands still, mid-deal.
    if (box.isRobot && table.State().roundNumber >= rounds_ && table.BoxInTurn() < HUMAN_BOX) {
        box.isRobot = false;
        program_.Window().SetBoxName(HUMAN_BOX, box.name);
    }
    if (!box.isRobot && table.BoxInTurn() == HUMAN_BOX) Ready();
}

void ScreenshotMode::Ready() {
    if (ready_) return;
    ready_ = true;
    asked_ = qEnvironmentVariableIsSet("TAVEXO_SCREENSHOT_WINDOW");
    OpenAskedWindow();
    // Let the last changes reach the screen before the picture is taken.
    QTimer::singleShot(asked_ ? 1200 : 300, this, [] {
        std::fprintf(stderr, "TAVEXO_READY\n");
        std::fflush(stderr);
    });
}

// TAVEXO_SCREENSHOT_WINDOW puts one of the help's windows in front of the
// table: "hilfe:<context>" the help at that topic, "suche:<words>" the search
// with its hits, "info" the info window, "hilfe-download" the download offer.
void ScreenshotMode::OpenAskedWindow() {
    const QString asked = qEnvironmentVariable("TAVEXO_SCREENSHOT_WINDOW");
    help::HelpSystem& help = program_.Help();
    if (asked.startsWith(QLatin1String("hilfe:"))) {
        help.ShowHelpContext(asked.mid(6).toInt());
    } else if (asked.startsWith(QLatin1String("suche:"))) {
        help.ShowSearch();
        if (auto* query = help.Window()->findChild<QLineEdit*>(QStringLiteral("ESuche"))) {
            query->setText(asked.mid(6));
            // The index may still be in the making; the window waits for it.
            QTimer::singleShot(200, query, [query] { emit query->returnPressed(); });
        }
    } else if (asked == QLatin1String("info")) {
        program_.Window().Windows().Open(SecondaryWindow::Info);
    } else if (asked == QLatin1String("hilfe-download")) {
        help.ShowDownloadWindow();
    }
}

}  // namespace tavexo
