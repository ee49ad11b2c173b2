#pragma once

#include <QWidget>

#include "services/downloader.h"
#include "ui/services/service_environment.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;

namespace tavexo {

// "Gibt es Neues?": compares this program's version with the one the
// server publishes, downloads that version's Debian package and hands it to
// the desktop's package installer (or names the command that installs it);
// a program run from a folder of the user's own is removed once it has
// ended, one from a package never. Shows the maker's news. Closing
// destroys it.
class UpdateWindow : public QWidget {
    Q_OBJECT
  public:
    explicit UpdateWindow(ServiceEnvironment env, QWidget* parent = nullptr);

    // The handlers of the window's buttons.
    void CheckVersion();
    void DownloadInstaller();
    void Install();
    void ShowNews();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QUrl ServerFile(const QString& path) const;
    DownloadResult Download(const QString& path, const QString& target);

    ServiceEnvironment env_;
    bool placed_ = false;
    QString available_;  // the version the last check found
    QString package_;    // the downloaded package, once Download succeeded
    QPushButton* bPruefen_ = nullptr;
    QPushButton* bDownload_ = nullptr;
    QPushButton* bInstallation_ = nullptr;
    QPushButton* bMeldungen_ = nullptr;
    QLabel* lVerfuegbar_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTextBrowser* news_ = nullptr;
};

}  // namespace tavexo
