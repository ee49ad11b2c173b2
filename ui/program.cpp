#include "ui/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include <exception>

#include "settings/settings_store.h"
#include "settings/window_positions.h"
#include "ui/common/locale_text_format.h"
#include "ui/drill/counting_drill_window.h"
#include "ui/start/start_screen.h"
#include "ui/table/table_window.h"

namespace tavexo {

Program::Program(ProgramConfig config)
    : config_(std::move(config)),
      player_(config_.sound),
      host_(player_),
      table_(settings_, host_),
      cards_(qApp ? qApp->devicePixelRatio() : 1.0) {
    host_.SetRecordMessages(config_.recordMessages);
    host_.SetTimerHandler([this](int id) { table_.TimerTick(id); });
    table_.SetRobot(&robot_);
    table_.SetAdvisor(&advisor_);
    format_ =
        std::make_unique<LocaleTextFormat>(LocaleTextFormat::TableLocale(), QApplication::font());
    table_.SetTextFormat(format_.get());
}

Program::~Program() {
    // The table must not call a view that is already gone.
    table_.SetView(nullptr);
    if (start_) delete start_;
}

void Program::Start() {
    QString base = config_.dataBase;
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    start_ = new StartScreen(base);
    folders_ = start_->Folders();
    profiles_ = start_->Profiles();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start_->move(screen->geometry().center() - start_->rect().center());
    start_->show();
    start_->repaint();
    QCoreApplication::processEvents();

    try {
        CreateTableWindow();
    } catch (const std::exception&) {
        // The start screen must never hang with a disabled button.
        start_->SetInitializationDone(true);
        throw;
    }
    RegisterWindows();
    start_->SetTableWindow(window_.get());
    // Shown fully transparent behind the start screen; "Weiter" fades it in.
    window_->setWindowOpacity(0.0);
    window_->show();
    start_->raise();
    start_->SetInitializationDone(true);
}

// Every secondary window in one place: how it is made, and whether it exists
// from start-up on (CreateHidden) or only from its first opening.
void Program::RegisterWindows() {
    WindowOpener& windows = window_->Windows();
    windows.Register(SecondaryWindow::CountingDrill, [this] {
        auto* drill =
            new CountingDrillWindow(host_, cards_, folders_.trainingFolder, window_.get());
        drill->SetTableRunCheck([this] { return window_->RunInProgress(); });
        return drill;
    });
    // The drill and a table run both deal inside a click, pumping events as
    // they go: one started inside the other would hold the other still until
    // it ended. So each refuses to start while the other runs.
    window_->SetRunBlocker([&windows]() -> QString {
        const auto* drill =
            qobject_cast<CountingDrillWindow*>(windows.Existing(SecondaryWindow::CountingDrill));
        if (drill == nullptr || !drill->RunInProgress()) return {};
        return QStringLiteral(
            "Die Zählübung läuft. Ein Spiel am Tisch kann erst starten, wenn sie gestoppt ist.");
    });
}

void Program::CreateTableWindow() {
    window_ = std::make_unique<TableWindow>(table_, cards_);
    if (config_.screen) window_->SetScreenGeometry(*config_.screen);
    host_.SetMessageParent(window_.get());
    host_.SetCloseHandler([this] { window_->close(); });
    window_->SetSettingsFolder(folders_.settingsFolder);

    const LoadedWindowPositions stored = LoadWindowPositions(folders_.settingsFolder);
    if (stored.positionsLoaded) window_->ApplyStoredWindow(stored.positions);

    table_.SetView(window_.get());
    for (int box = 1; box <= BOX_COUNT; ++box)
        table_.ApplyProfile(box, BoxProfileOf(profiles_, box));

    const QRect screen = window_->ScreenGeometry();
    window_->ComputeLayout(screen.width(), screen.height());

    settings_ = SettingsStore(folders_.settingsFolder).LoadSettings();
    table_.SettingsChanged();

    window_->BuildTable(stored);
    table_.ResetBucketStats();
}

}  // namespace tavexo
