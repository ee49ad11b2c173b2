#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

#include "engine/table.h"
#include "settings/data_folders.h"
#include "settings/profiles.h"
#include "settings/program_settings.h"
#include "strategy/advisor.h"
#include "strategy/robot.h"
#include "ui/common/card_painter.h"
#include "ui/common/qt_table_host.h"
#include "ui/common/sound_player.h"
#include "ui/start/start_screen.h"

namespace tavexo {

class LocaleTextFormat;
class StatisticsWindow;
class TableWindow;

namespace help {
class HelpDownloadService;
class HelpSystem;
}  // namespace help

// What may differ between the real program and its tests.
struct ProgramConfig {
    // The per-user data location; empty: the XDG data folder.
    QString dataBase;
    // The screen the table window sizes itself by; none: the primary screen.
    std::optional<QRect> screen;
    SoundPlayer::Output sound = SoundPlayer::Output::System;
    // Message boxes are recorded instead of shown (tests).
    bool recordMessages = false;
    // Where the help file is looked for; none: the build tree, the install
    // prefix and the data folder.
    std::optional<QStringList> helpFolders;
    // The per-user help collection; empty: in the user's cache folder.
    QString helpCollectionFile;
    // Fetches a missing help file; none: the program's own download service.
    help::HelpDownloadService* helpDownload = nullptr;
    // Opens an exported workbook; none: the desktop's spreadsheet program.
    std::function<bool(const QString& path)> openSpreadsheet;
};

// The program: everything that lives from start-up to the end of the run,
// created once. It brings the windows up in their fixed order: the start
// screen (data folders, profiles), then the table window (window positions,
// profiles into the boxes, layout, settings, frames, zeroed statistics),
// then the start screen learns that it may let the user in.
class Program {
  public:
    explicit Program(ProgramConfig config = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    void Start();

    StartScreen* StartWindow() const { return start_; }
    TableWindow& Window() const { return *window_; }
    StatisticsWindow* Statistics() const { return statistics_.get(); }
    Table& GetTable() { return table_; }
    QtTableHost& Host() { return host_; }
    const SoundPlayer& Sounds() const { return player_; }
    TProgramSettings& Settings() { return settings_; }
    const DataFolders& Folders() const { return folders_; }
    const TProfileFile& Profiles() const { return profiles_; }
    // F1, the help window and the help download (exists once Start ran).
    help::HelpSystem& Help() { return *help_; }
    // The profiles as last saved by the profiles dialog.
    void SetProfiles(const TProfileFile& profiles) { profiles_ = profiles; }

    // The statistics window shows a page per box that takes part. It sets
    // this handler to hear, box by box, when saved profiles change which
    // boxes take part.
    using BoxPageHandler = std::function<void(int box, bool inPlay)>;
    void SetBoxPageHandler(BoxPageHandler handler) { boxPageHandler_ = std::move(handler); }
    void BoxPageFollowsInPlay(int box, bool inPlay) {
        if (boxPageHandler_) boxPageHandler_(box, inPlay);
    }

  private:
    void CreateTableWindow();
    void RegisterWindows();
    void ShowTableWindow();
    void CreateHelp();
    StatisticsWindow* CreateStatisticsWindow();

    ProgramConfig config_;
    SoundPlayer player_;
    QtTableHost host_;
    TProgramSettings settings_;
    Table table_;
    StrategyRobot robot_;
    StrategyAdvisor advisor_;
    CardPainter cards_;
    std::unique_ptr<LocaleTextFormat> format_;
    std::unique_ptr<TableWindow> window_;
    std::unique_ptr<help::HelpDownloadService> ownDownload_;
    std::unique_ptr<help::HelpSystem> help_;
    std::unique_ptr<StatisticsWindow> statistics_;
    QPointer<StartScreen> start_;
    DataFolders folders_;
    TProfileFile profiles_;
    QString updateServer_;
    BoxPageHandler boxPageHandler_;
};

}  // namespace tavexo
