#pragma once

#include <QWidget>

#include "ui/services/service_environment.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTextBrowser;

namespace tavexo {

// "Gibt es Neues?": compares this program's version with the one the maker
// publishes, downloads the installer, starts it and lets the old program be
// removed once it has ended; shows the maker's news. Closing destroys it.
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
    bool Download(const QString& path, const QString& target);

    ServiceEnvironment env_;
    bool placed_ = false;
    QPushButton* bPruefen_ = nullptr;
    QPushButton* bDownload_ = nullptr;
    QPushButton* bInstallation_ = nullptr;
    QPushButton* bMeldungen_ = nullptr;
    QLabel* lVerfuegbar_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTextBrowser* news_ = nullptr;
};

}  // namespace tavexo
