#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTemporaryDir;
class QWidget;

namespace tavexo::help {

class HelpCatalog;
class HelpDownloadService;
class HelpDownloadWindow;
class HelpWindow;

// The program's help: finds the help file, shows the help window at a
// context, answers F1 and the help requests of every window, and offers the
// download when the file is missing. One instance lives as long as the
// program; it listens to the whole application, so a new window only needs
// to declare its context (SetHelpContext) to get F1.
class HelpSystem : public QObject {
    Q_OBJECT
  public:
    struct Setup {
        QStringList helpFolders;  // where the help file may lie, in order
        QString downloadTarget;   // where a downloaded help file goes
        QString downloadUrl;      // where the server keeps it
        QString collectionFile;   // the per-user collection (written by the engine)
        std::function<void(const QString&)> inform;  // information messages
    };

    HelpSystem(Setup setup, HelpDownloadService& download);
    ~HelpSystem() override;

    // Looks for the help file and makes it the one shown; true when found.
    bool FindHelpFile();
    bool HelpFileMissing() const;
    // The help file shown; empty while it is missing.
    QString HelpFile() const;

    // The window the help belongs to: centres the small windows and stands
    // in for the context when nothing else declares one.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }

    // Opens the help at the topic of the context number (the table's topic
    // for an unknown number). Without a help file it offers the download.
    void ShowHelpContext(int context);
    // F1 on the widget: the context of the widget or its parents, else of
    // its window, else of the main window.
    void ShowHelpFor(QWidget* widget);
    void ShowContents();
    void ShowSearch();
    void ShowDownloadWindow();
    // At the first showing of the table: the download window, if the help
    // file was missing at start.
    void OfferDownloadIfMissing();

    HelpWindow* Window() const { return window_.get(); }
    HelpDownloadWindow* DownloadWindow() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HelpWindow& EnsureWindow();

    Setup setup_;
    HelpDownloadService& download_;
    std::unique_ptr<QTemporaryDir> fallbackFolder_;
    std::unique_ptr<HelpCatalog> catalog_;
    std::unique_ptr<HelpWindow> window_;
    QPointer<HelpDownloadWindow> downloadWindow_;
    QPointer<QWidget> mainWindow_;
    bool helpMissing_ = true;
};

}  // namespace tavexo::help
