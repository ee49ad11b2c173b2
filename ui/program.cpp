#include "ui/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>

#include <algorithm>
#include <exception>

#include "settings/settings_store.h"
#include "settings/update_server.h"
#include "settings/window_positions.h"
#include "stats/grid_layouts.h"
#include "ui/common/locale_text_format.h"
#include "ui/common/print_grid.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/profiles_dialog.h"
#include "ui/drill/counting_drill_window.h"
#include "ui/help/help_context.h"
#include "ui/help/help_download.h"
#include "ui/help/help_file_locator.h"
#include "ui/help/help_system.h"
#include "ui/help/info_window.h"
#include "ui/help/service_help_download.h"
#include "ui/services/live_tables_window.h"
#include "ui/services/update_window.h"
#include "ui/start/start_screen.h"
#include "ui/statistics/desktop_spreadsheet.h"
#include "ui/statistics/statistics_window.h"
#include "ui/table/table_layout.h"
#include "ui/table/table_window.h"
#include "ui/training/strategy_hints_window.h"
#include "ui/training/training_centre_window.h"

namespace tavexo {

namespace {

// Whom the index drill can drill: the profiles' names, those who play in
// person at the table first, each name once.
std::vector<std::string> IndexPlayers(const TProfileFile& profiles) {
    std::vector<std::string> names;
    for (const bool inPerson : {true, false}) {
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            const bool human = profiles.playerKind[i] != PLAYER_ROBOT && profiles.active[i];
            const std::string& name = profiles.names[i];
            if (human != inPerson || name.empty()) continue;
            if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
        }
    }
    return names;
}

}  // namespace

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
    statistics_.reset();
    if (start_) delete start_;
}

void Program::Start() {
    QString base = config_.dataBase;
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    start_ = new StartScreen(base);
    folders_ = start_->Folders();
    profiles_ = start_->Profiles();
    // One server for the update, its news and the help download.
    updateServer_ = QString::fromStdString(LoadUpdateServer(folders_.settingsFolder));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        start_->move(screen->availableGeometry().center() - start_->rect().center());
    help::SetHelpContext(start_, help::TableWindow);
    start_->show();
    start_->repaint();
    QCoreApplication::processEvents();
    CreateHelp();

    try {
        CreateTableWindow();
    } catch (const std::exception&) {
        // The start screen must never hang with a disabled button.
        start_->SetInitializationDone(true);
        throw;
    }
    RegisterWindows();
    help_->SetMainWindow(window_.get());
    // Once the table is in front, a missing help file is offered for download.
    QObject::connect(start_, &StartScreen::faded, window_.get(),
                     [this] { help_->OfferDownloadIfMissing(); });
    start_->SetTableWindow(window_.get());
    // Shown fully transparent behind the start screen; "Weiter" fades it in.
    window_->setWindowOpacity(0.0);
    window_->show();
    ShowTableWindow();
    start_->raise();
    start_->SetInitializationDone(true);
}

// Every secondary window in one place: how it is made, and whether it exists
// from start-up on (CreateHidden) or only from its first opening.
void Program::RegisterWindows() {
    WindowOpener& windows = window_->Windows();
    windows.Register(SecondaryWindow::Info, [this] { return new help::InfoWindow(window_.get()); });
    windows.Register(SecondaryWindow::Statistics, [this] { return CreateStatisticsWindow(); });
    windows.CreateHidden(SecondaryWindow::Statistics);
    // A box's statistics page shows while the saved profiles seat the box.
    SetBoxPageHandler([this](int box, bool inPlay) {
        if (statistics_) statistics_->Pages()->setTabVisible(box - 1, inPlay);
    });
    windows.Register(SecondaryWindow::Profiles,
                     [this] { return new ProfilesDialog(*this, window_.get()); });
    windows.Register(SecondaryWindow::Options,
                     [this] { return new OptionsDialog(*this, window_.get()); });
    const auto services = [this] {
        return DesktopServiceEnvironment(QString::fromStdString(folders_.dataFolder),
                                         QString::fromStdString(folders_.programFolder),
                                         QString::fromStdString(folders_.tempDownloadFile),
                                         QUrl(updateServer_));
    };
    windows.Register(SecondaryWindow::Update,
                     [this, services] { return new UpdateWindow(services(), window_.get()); });
    windows.CreateHidden(SecondaryWindow::Update);
    windows.Register(SecondaryWindow::LiveTables,
                     [this, services] { return new LiveTablesWindow(services(), window_.get()); });
    windows.CreateHidden(SecondaryWindow::LiveTables);
    windows.Register(SecondaryWindow::TrainingCentre, [this, &windows] {
        auto* centre =
            new TrainingCentreWindow(table_, folders_.settingsFolder, windows, window_.get());
        QObject::connect(window_.get(), &TableWindow::countsChanged, centre,
                         &TrainingCentreWindow::CountsChanged);
        return centre;
    });
    windows.Register(SecondaryWindow::StrategyHints, [this] {
        auto* hints = new StrategyHintsWindow(
            table_, QString::fromStdString(folders_.trainingFolder), window_.get());
        QObject::connect(window_.get(), &TableWindow::gridChanged, hints,
                         &StrategyHintsWindow::GridChanged);
        return hints;
    });
    windows.Register(SecondaryWindow::CountingDrill, [this] {
        auto* drill =
            new CountingDrillWindow(host_, cards_, folders_.trainingFolder, window_.get());
        drill->SetTableRunCheck([this] { return window_->RunInProgress(); });
        IndexPlaySources sources;
        sources.rules = [this] { return table_.Settings().rules; };
        sources.training = [this] { return table_.Settings().training; };
        sources.players = [this] { return IndexPlayers(profiles_); };
        drill->SetIndexPlaySources(std::move(sources));
        return drill;
    });
    // The drill and a table run both deal inside a click, pumping events as
    // they go: one started inside the other would hold the other still until
    // it ended. So each refuses to start while the other runs.
    window_->SetRunBlocker([this]() -> QString {
        const auto* drill = qobject_cast<CountingDrillWindow*>(
            window_->Windows().Existing(SecondaryWindow::CountingDrill));
        return drill == nullptr ? QString() : drill->TableBlockedMessage();
    });
}

// The windows that exist from the table window's first showing on: the
// hints log must be there before the first hint.
void Program::ShowTableWindow() {
    WindowOpener& windows = window_->Windows();
    windows.CreateHidden(SecondaryWindow::TrainingCentre);
    windows.CreateHidden(SecondaryWindow::StrategyHints);
}

// The help is looked for while the start screen stands, so that the table
// window knows at its first showing whether to offer the download.
void Program::CreateHelp() {
    help::HelpDownloadService* download = config_.helpDownload;
    if (download == nullptr) {
        ownDownload_ = std::make_unique<help::ServiceHelpDownload>(
            QString::fromStdString(folders_.tempDownloadFile));
        download = ownDownload_.get();
    }
    const QString dataFolder = QString::fromStdString(folders_.dataFolder);
    help::HelpSystem::Setup setup;
    setup.helpFolders = config_.helpFolders.value_or(help::StandardHelpFolders(dataFolder));
    setup.downloadTarget = dataFolder + QLatin1String(help::HELP_FILE_NAME);
    setup.downloadUrl = help::HelpDownloadUrl(updateServer_);
    setup.collectionFile = config_.helpCollectionFile;
    if (setup.collectionFile.isEmpty())
        setup.collectionFile = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                               QStringLiteral("/hilfe.qhc");
    setup.inform = [this](const QString& text) { host_.ShowInformation(text.toStdString()); };
    help_ = std::make_unique<help::HelpSystem>(std::move(setup), *download);
    help_->FindHelpFile();
}

StatisticsWindow* Program::CreateStatisticsWindow() {
    StatisticsServices services;
    services.folders = folders_;
    services.locale = format_->Locale();
    services.openSpreadsheet =
        config_.openSpreadsheet ? config_.openSpreadsheet : OpenInSpreadsheetProgram;
    services.print = [](QWidget* parent, const TextGrid& grid, const QString& title) {
        const bool history = grid.ColumnCount() == HISTORY_COLUMNS;
        std::vector<int> widths =
            history ? std::vector<int>(HISTORY_COLUMN_WIDTHS.begin(), HISTORY_COLUMN_WIDTHS.end())
                    : std::vector<int>(DETAIL_COLUMN_WIDTHS.begin(), DETAIL_COLUMN_WIDTHS.end());
        PrintGridWithDialog(parent, grid, widths, title);
    };
    statistics_ = std::make_unique<StatisticsWindow>(table_, std::move(services), window_.get());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        statistics_->FitInto(config_.screen ? *config_.screen : screen->availableGeometry());
    QObject::connect(window_.get(), &TableWindow::gridChanged, statistics_.get(),
                     &StatisticsWindow::GridChanged);
    return statistics_.get();
}

void Program::CreateTableWindow() {
    window_ = std::make_unique<TableWindow>(table_, cards_);
    if (config_.screen) window_->SetScreenGeometry(*config_.screen);
    host_.SetMessageParent(window_.get());
    host_.SetCloseHandler([this] { window_->close(); });
    window_->SetSettingsFolder(folders_.settingsFolder);

    // A damaged record or one from another screen must not put the window
    // out of sight: nonsense means the defaults, the rest is fitted.
    LoadedWindowPositions stored = LoadWindowPositions(folders_.settingsFolder);
    if (stored.positionsLoaded) {
        const auto fitted = FitStoredPositions(stored.positions, window_->ScreenGeometry());
        stored.positionsLoaded = fitted.has_value();
        if (fitted) stored.positions = *fitted;
    }
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
