#include "ui/help/help_download_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

#include "ui/common/window_style.h"
#include "ui/help/help_context.h"
#include "ui/help/help_download.h"
#include "ui/help/help_file_locator.h"
#include "ui/help/help_request.h"

namespace tavexo::help {

const QString HelpDownloadWindow::NO_CONNECTION = QStringLiteral(
    "Für den Download muss eine Verbindung zum Internet bestehen.\n\nIch breche ab.");
const QString HelpDownloadWindow::DOWNLOAD_FAILED =
    QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");

HelpDownloadWindow::HelpDownloadWindow(HelpDownloadService& service, Setup setup, QWidget* parent)
    : QWidget(parent, Qt::Dialog), service_(service), setup_(std::move(setup)) {
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, MissingHelpFile);
    setFixedSize(341, 200);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("BHelp"));
    help->setAccessibleName(QStringLiteral("Hilfe"));
    help->setToolTip(QStringLiteral("Hilfe"));
    help->setFixedWidth(32);
    auto* heading = new QLabel(QStringLiteral("Hinweis auf fehlende Hilfe-Datei"), this);
    heading->setObjectName(QStringLiteral("LHinweis"));
    heading->setProperty("role", "fieldHeading");
    heading->setWordWrap(true);
    top->addWidget(help);
    top->addWidget(heading, 1);
    layout->addLayout(top);

    auto* text = new QLabel(QStringLiteral("Die fehlende Datei ") + QLatin1String(HELP_FILE_NAME) +
                                QStringLiteral(" kann über \"Download\" heruntergeladen werden."),
                            this);
    text->setObjectName(QStringLiteral("LText"));
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* row = new QHBoxLayout;
    download_ = new QPushButton(QStringLiteral("Download"), this);
    download_->setObjectName(QStringLiteral("BDownload"));
    tick_ = new QLabel(QStringLiteral("✓"), this);
    tick_->setObjectName(QStringLiteral("ImgHaken"));
    tick_->setAccessibleName(QStringLiteral("Download erfolgreich"));
    tick_->setToolTip(QStringLiteral("Download erfolgreich"));
    tick_->setProperty("role", "success");
    tick_->hide();
    row->addWidget(download_);
    row->addWidget(tick_);
    row->addStretch(1);
    layout->addLayout(row);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    auto* close = new QPushButton(QStringLiteral("Schließen"), this);
    close->setObjectName(QStringLiteral("BSchliessen"));
    bottom->addStretch(1);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(help, &QPushButton::clicked, this, [this] { RequestHelp(this); });
    connect(download_, &QPushButton::clicked, this, &HelpDownloadWindow::Download);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    download_->setFocus();
    ApplyWindowStyle(this);
}

void HelpDownloadWindow::Download() {
    if (!service_.IsOnline()) {
        if (setup_.inform) setup_.inform(NO_CONNECTION);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool ok = false;
    try {
        ok = FetchAndPutInPlace() && (!setup_.helpArrived || setup_.helpArrived());
    } catch (const std::exception&) {
        ok = false;
    }
    tick_->setVisible(ok);
    QApplication::restoreOverrideCursor();
    if (!ok && setup_.inform) setup_.inform(DOWNLOAD_FAILED);
}

bool HelpDownloadWindow::FetchAndPutInPlace() {
    const QString partial = setup_.target + QStringLiteral(".download");
    QFile::remove(partial);
    // A server that answers with an error page still "delivers" a file: only
    // a real help file of ours may replace the target.
    if (!service_.DownloadToFile(setup_.url, partial) || !IsOurHelpFile(partial)) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(setup_.target);
    if (!QFile::rename(partial, setup_.target)) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

}  // namespace tavexo::help
