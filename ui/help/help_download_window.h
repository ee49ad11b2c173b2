#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace tavexo::help {

class HelpDownloadService;

// The window that offers to fetch a missing help file. It downloads next to
// the target first and only puts a file in place that really is our help,
// so a failed or wrong download never replaces anything.
class HelpDownloadWindow : public QWidget {
    Q_OBJECT
  public:
    struct Setup {
        QString url;     // where the help file lies on the server
        QString target;  // the data folder's help file
        // Runs after a good download: looks for the help again and says
        // whether the program has it now.
        std::function<bool()> helpArrived;
        std::function<void(const QString&)> inform;  // an information message
    };

    HelpDownloadWindow(HelpDownloadService& service, Setup setup, QWidget* parent = nullptr);

    static const QString NO_CONNECTION;
    static const QString DOWNLOAD_FAILED;

  private:
    void Download();
    bool FetchAndPutInPlace();

    HelpDownloadService& service_;
    Setup setup_;
    QPushButton* download_ = nullptr;
    QLabel* tick_ = nullptr;
};

}  // namespace tavexo::help
