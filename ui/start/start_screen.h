#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "settings/data_folders.h"
#include "settings/profiles.h"

class QPushButton;

namespace tavexo {

class TableWindow;

// The start screen: the first window of a run. Its creation forms and
// creates the data folders and reads the player profiles; "Weiter" becomes
// active once the table window stands behind it, and fades over to it.
class StartScreen : public QWidget {
    Q_OBJECT
  public:
    // `baseFolder` is the per-user data location (the XDG data folder).
    explicit StartScreen(const QString& baseFolder, QWidget* parent = nullptr);

    const DataFolders& Folders() const { return folders_; }
    const TProfileFile& Profiles() const { return profiles_; }

    bool InitializationDone() const { return initializationDone_; }
    void SetInitializationDone(bool done);

    // The window "Weiter" fades over to.
    void SetTableWindow(TableWindow* window);
    QPushButton* WeiterButton() const { return weiter_; }

    // The 255 steps of the cross-fade, then the table's tool bar is enabled
    // and the start screen goes.
    void FadeOver();

    static constexpr int FADE_STEPS = 255;

  signals:
    void faded();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    DataFolders folders_;
    TProfileFile profiles_;
    bool initializationDone_ = false;
    bool fading_ = false;
    QPushButton* weiter_ = nullptr;
    QPointer<TableWindow> tableWindow_;
    QPixmap picture_;
};

// The data folders of a base folder, created as far as the file system lets
// us; an unwritable base leaves them missing, which is no error here.
DataFolders PrepareDataFolders(const QString& baseFolder);

// Whether the windowing system can make windows transparent.
bool PlatformFades();

}  // namespace tavexo
