#include "ui/services/update_window.h"

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "services/downloader.h"
#include "settings/version_info.h"
#include "ui/common/window_size.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

constexpr int HELP_CONTEXT_UPDATE = 1100;

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setProperty("role", "note");
    // Room for the wrapped lines: a group box does not ask its labels for
    // their height at the width they get.
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 3);
    return label;
}

// The hourglass while a download runs; restored however the download ends.
class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

UpdateWindow::UpdateWindow(ServiceEnvironment env, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(env)) {
    setObjectName(QStringLiteral("TFUpdate"));
    setWindowTitle(QStringLiteral("Tavexo %1").arg(QString::fromLatin1(PROGRAM_VERSION)));
    setAttribute(Qt::WA_DeleteOnClose);
    setProperty("helpContext", HELP_CONTEXT_UPDATE);
    ApplyWindowStyle(this);

    auto* bSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    bSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(bSchliessen, &QPushButton::clicked, this, &QWidget::close);

    auto* check = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), this);
    bPruefen_ = new QPushButton(QStringLiteral("Prüfen"), check);
    bPruefen_->setObjectName(QStringLiteral("BPruefen"));
    auto* installed = new QLabel(QString::fromLatin1(PROGRAM_VERSION), check);
    installed->setObjectName(QStringLiteral("LInstalliert"));
    lVerfuegbar_ = new QLabel(check);
    lVerfuegbar_->setObjectName(QStringLiteral("LVerfuegbar"));
    auto* checkLayout = new QGridLayout(check);
    checkLayout->addWidget(bPruefen_, 0, 0, 2, 1);
    checkLayout->addWidget(new QLabel(QStringLiteral("Installierte Version"), check), 0, 1);
    checkLayout->addWidget(installed, 0, 2);
    checkLayout->addWidget(new QLabel(QStringLiteral("Verfügbare Version"), check), 1, 1);
    checkLayout->addWidget(lVerfuegbar_, 1, 2);

    auto* download = new QGroupBox(this);
    download->setProperty("plain", true);
    bDownload_ = new QPushButton(QStringLiteral("Download"), download);
    bDownload_->setObjectName(QStringLiteral("BDownload"));
    bDownload_->setEnabled(false);
    auto* downloadLayout = new QHBoxLayout(download);
    downloadLayout->addWidget(bDownload_);
    downloadLayout->addWidget(Note(QStringLiteral("Wenn online eine aktuellere Version verfügbar "
                                                  "ist, wird der Download-Button aktiv."),
                                   download),
                              1);

    auto* install = new QGroupBox(this);
    install->setProperty("plain", true);
    bInstallation_ = new QPushButton(QStringLiteral("Installation"), install);
    bInstallation_->setObjectName(QStringLiteral("BInstallation"));
    bInstallation_->setEnabled(false);
    auto* installLayout = new QHBoxLayout(install);
    installLayout->addWidget(bInstallation_);
    installLayout->addWidget(
        Note(QStringLiteral("Nach dem Download wird der Installations-Button aktiv."), install), 1);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("DownloadProgress"));
    progress_->setAccessibleName(QStringLiteral("Fortschritt des Downloads"));
    progress_->setVisible(false);

    auto* newsGroup = new QGroupBox(QStringLiteral("Letzte Meldungen"), this);
    bMeldungen_ = new QPushButton(QStringLiteral("Meldungen aufrufen"), newsGroup);
    bMeldungen_->setObjectName(QStringLiteral("BMeldungen"));
    news_ = new QTextBrowser(newsGroup);
    news_->setObjectName(QStringLiteral("Meldungen"));
    news_->setAccessibleName(QStringLiteral("Letzte Meldungen"));
    news_->setOpenExternalLinks(true);
    news_->setPlaceholderText(QStringLiteral("Hier erscheinen die Meldungen des Herstellers."));
    auto* newsLayout = new QVBoxLayout(newsGroup);
    newsLayout->addWidget(bMeldungen_, 0, Qt::AlignLeft);
    newsLayout->addWidget(news_, 1);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(check);
    left->addWidget(download);
    left->addWidget(install);
    left->addWidget(progress_);
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(newsGroup, 2);
    auto* bar = new QHBoxLayout;
    bar->addWidget(bSchliessen);
    bar->addStretch(1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->setSpacing(6);
    outer->addLayout(bar);
    outer->addLayout(columns, 1);
    resize(FittingSize(this, QSize(640, 289)));
    MakePlaceholderReadable(news_);

    connect(bPruefen_, &QPushButton::clicked, this, &UpdateWindow::CheckVersion);
    connect(bDownload_, &QPushButton::clicked, this, &UpdateWindow::DownloadInstaller);
    connect(bInstallation_, &QPushButton::clicked, this, &UpdateWindow::Install);
    connect(bMeldungen_, &QPushButton::clicked, this, &UpdateWindow::ShowNews);
}

QUrl UpdateWindow::ServerFile(const QString& path) const {
    QUrl url = env_.serverBase;
    url.setPath(path);
    return url;
}

bool UpdateWindow::Download(const QString& path, const QString& target) {
    BusyCursor busy;
    DownloadOptions options;
    options.probeFile = env_.probeFile;
    options.silenceTimeoutMs = env_.downloadTimeoutMs;
    options.progress = [this](qint64 received, qint64 total) {
        progress_->setRange(0, total > 0 ? 1000 : 0);
        if (total > 0) progress_->setValue(static_cast<int>(received * 1000 / total));
    };
    progress_->setRange(0, 0);
    progress_->setVisible(true);
    // The buttons stay still while the download's own event loop runs, so
    // that no second download starts inside the first.
    const bool checkEnabled = bPruefen_->isEnabled();
    bPruefen_->setEnabled(false);
    const bool downloadEnabled = bDownload_->isEnabled();
    bDownload_->setEnabled(false);
    const DownloadResult result = DownloadToFile(ServerFile(path), target, options);
    bPruefen_->setEnabled(checkEnabled);
    bDownload_->setEnabled(downloadEnabled);
    progress_->setVisible(false);
    return result.ok;
}

void UpdateWindow::CheckVersion() {
    if (!env_.isOnline()) {
        env_.inform(
            QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const QString file = env_.dataFolder + QString::fromLatin1(VERSION_FILE_NAME);
    QFile::remove(file);
    std::optional<std::string> version;
    if (Download(QStringLiteral("/downloads/verinfos.tvx"), file)) {
        QFile downloaded(file);
        if (downloaded.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = downloaded.readAll();
            version = LatestVersionOf(std::string_view(bytes.constData(), bytes.size()));
        }
    }
    if (!version) {
        env_.inform(QStringLiteral("Die Prüfung hat leider nicht geklappt.\n"));
        return;
    }
    const QString available = QString::fromStdString(*version);
    lVerfuegbar_->setText(available);
    // Any difference counts, an older version too: the server knows best.
    bDownload_->setEnabled(available != QString::fromLatin1(PROGRAM_VERSION));
}

void UpdateWindow::DownloadInstaller() {
    if (!env_.isOnline()) {
        env_.inform(
            QStringLiteral("Für den Download der Installations-Datei muss eine "
                           "Verbindung zum Internet bestehen.\n\nIch breche ab."));
        return;
    }
    const QString installer = env_.dataFolder + QStringLiteral("Update.exe");
    QFile::remove(installer);
    if (Download(QStringLiteral("/downloads/tvxupdate.exe"), installer)) {
        bInstallation_->setEnabled(true);
    } else {
        env_.inform(QStringLiteral(
            "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal."));
    }
}

void UpdateWindow::Install() {
    const QString q = QStringLiteral("\"");
    const QString manual = QStringLiteral("Doppelklick auf die Datei ") + q +
                           QStringLiteral("Update.exe") + q + QStringLiteral(" im Verzeichnis ") +
                           env_.dataFolder;
    const bool proceed =
        env_.confirm(QStringLiteral("Um die Installation durchführen zu können, muss das Programm "
                                    "jetzt geschlossen werden. Die Programm-Datei wird gelöscht "
                                    "und das Update gestartet. Wenn etwas schief läuft, bitte das "
                                    "Update manuell durch ") +
                     manual + QStringLiteral(" starten.\n\nSoll fortgefahren werden?"));
    if (!proceed) {
        env_.inform(QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  "
                                   "könnnen das Update manuell durch ") +
                    manual +
                    QStringLiteral(" starten.\n\nZuvor muss das Programm geschlossen "
                                   "und die Datei ") +
                    q + QStringLiteral("TVX.exe") + q + QStringLiteral(" im Verzeichnis ") +
                    env_.programFolder + QStringLiteral(" gelöscht werden."));
        return;
    }
    if (!env_.openUrl(QUrl::fromLocalFile(env_.dataFolder + QStringLiteral("Update.exe")))) {
        env_.inform(QStringLiteral("Update konnte nicht gestartet werden. Bitte schließen Sie das "
                                   "Programm und starten Sie das Update manuell durch ") +
                    manual + QStringLiteral("."));
        return;
    }
    env_.endForUpdate();
}

void UpdateWindow::ShowNews() {
    if (!env_.isOnline()) {
        env_.inform(
            QStringLiteral("Für den Aufruf der Meldungen muss eine Verbindung zum "
                           "Internet bestehen.\n\nIch breche erst einmal ab."));
        return;
    }
    // QTextBrowser shows HTML but fetches nothing itself: the page comes
    // through the same download as every other file.
    const QString page = env_.dataFolder + QStringLiteral("aktuell.html");
    if (!Download(QStringLiteral("/aktuell.html"), page)) {
        news_->setPlainText(QStringLiteral("Die Meldungen konnten nicht geladen werden."));
        return;
    }
    QFile file(page);
    if (file.open(QIODevice::ReadOnly)) news_->setHtml(QString::fromUtf8(file.readAll()));
}

void UpdateWindow::showEvent(QShowEvent* event) {
    // Centred on the table window the first time it appears; after that
    // where the user left it.
    if (!placed_ && parentWidget() != nullptr) {
        move(parentWidget()->frameGeometry().center() - rect().center());
        placed_ = true;
    }
    QWidget::showEvent(event);
}

}  // namespace tavexo
