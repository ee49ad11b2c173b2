#include "ui/help/help_system.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "ui/help/centre_over.h"
#include "ui/help/help_catalog.h"
#include "ui/help/help_context.h"
#include "ui/help/help_download_window.h"
#include "ui/help/help_file_locator.h"
#include "ui/help/help_request.h"
#include "ui/help/help_window.h"

namespace tavexo::help {

namespace {

void BringBack(QWidget* window) {
    if (window->isMinimized()) window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

HelpSystem::HelpSystem(Setup setup, HelpDownloadService& download)
    : setup_(std::move(setup)),
      download_(download),
      catalog_(std::make_unique<HelpCatalog>(setup_.collectionFile)) {
    if (qApp != nullptr) qApp->installEventFilter(this);
}

HelpSystem::~HelpSystem() {
    if (qApp != nullptr) qApp->removeEventFilter(this);
    delete downloadWindow_;
    // The help window holds widgets of the engine; it goes before the catalog.
    window_.reset();
}

bool HelpSystem::FindHelpFile() {
    const QString file = help::FindHelpFile(setup_.helpFolders);
    helpMissing_ = file.isEmpty() || !catalog_->Open(file);
    if (!file.isEmpty() && helpMissing_ && !fallbackFolder_) {
        // The help is there but the per-user collection cannot be written
        // (a full or read-only cache): a private collection for this run
        // still shows it, rather than offering a download that cannot help.
        fallbackFolder_ = std::make_unique<QTemporaryDir>();
        if (fallbackFolder_->isValid()) {
            window_.reset();
            catalog_ = std::make_unique<HelpCatalog>(
                fallbackFolder_->filePath(QStringLiteral("hilfe.qhc")));
            helpMissing_ = !catalog_->Open(file);
        }
    }
    return !helpMissing_;
}

bool HelpSystem::HelpFileMissing() const {
    return helpMissing_;
}

QString HelpSystem::HelpFile() const {
    return helpMissing_ ? QString() : catalog_->HelpFile();
}

HelpDownloadWindow* HelpSystem::DownloadWindow() const {
    return downloadWindow_;
}

HelpWindow& HelpSystem::EnsureWindow() {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>(*catalog_);
        CentreOver(window_.get(), mainWindow_);
    }
    return *window_;
}

void HelpSystem::ShowHelpContext(int context) {
    if (helpMissing_) {
        ShowDownloadWindow();
        return;
    }
    QUrl topic = catalog_->TopicOf(context);
    if (topic.isEmpty()) topic = catalog_->TopicOf(TableWindow);
    if (topic.isEmpty()) topic = catalog_->StartPage();
    EnsureWindow().ShowTopic(topic);
}

void HelpSystem::ShowHelpFor(QWidget* widget) {
    int context = HelpContextOf(widget);
    if (context == 0 && widget != nullptr) context = HelpContextOf(widget->window());
    if (context == 0) context = HelpContextOf(mainWindow_);
    ShowHelpContext(context != 0 ? context : TableWindow);
}

void HelpSystem::ShowContents() {
    if (helpMissing_) {
        ShowDownloadWindow();
        return;
    }
    EnsureWindow().ShowContents();
}

void HelpSystem::ShowSearch() {
    if (helpMissing_) {
        ShowDownloadWindow();
        return;
    }
    EnsureWindow().ShowSearch();
}

void HelpSystem::ShowDownloadWindow() {
    if (!downloadWindow_) {
        HelpDownloadWindow::Setup setup;
        setup.url = setup_.downloadUrl;
        setup.target = setup_.downloadTarget;
        setup.helpArrived = [this] { return FindHelpFile(); };
        setup.inform = setup_.inform;
        downloadWindow_ = new HelpDownloadWindow(download_, std::move(setup), mainWindow_);
        CentreOver(downloadWindow_, mainWindow_);
    }
    BringBack(downloadWindow_);
}

void HelpSystem::OfferDownloadIfMissing() {
    if (helpMissing_) ShowDownloadWindow();
}

bool HelpSystem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == HelpRequestEvent::Kind()) {
        const auto* request = static_cast<HelpRequestEvent*>(event);
        switch (request->Wanted()) {
            case HelpRequestEvent::Want::Context:
                ShowHelpContext(request->Context());
                break;
            case HelpRequestEvent::Want::Contents:
                ShowContents();
                break;
            case HelpRequestEvent::Want::Search:
                ShowSearch();
                break;
            case HelpRequestEvent::Want::AsF1: {
                // As F1 in the window of the button: the focused control
                // counts when it lies in that window.
                QWidget* origin = request->Origin();
                QWidget* focus = QApplication::focusWidget();
                if (origin != nullptr && focus != nullptr && focus->window() == origin->window())
                    origin = focus;
                ShowHelpFor(origin);
                break;
            }
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier &&
            watched->isWidgetType()) {
            ShowHelpFor(static_cast<QWidget*>(watched));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tavexo::help
