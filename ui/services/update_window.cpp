#include "ui/services/update_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
#include "services/package_installer.h"
#include "services/update_package.h"
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
    lVerfuegbar_->setTextFormat(Qt::PlainText);
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
    // Below the server's own path, so that a mirror may keep the files in a
    // folder of its own.
    QUrl url = env_.serverBase;
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    url.setPath(base + path);
    return url;
}

DownloadResult UpdateWindow::Download(const QString& path, const QString& target) {
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
    return result;
}

namespace {

const QString CHECK_OFFLINE =
    QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen.");
const QString DOWNLOAD_OFFLINE = QStringLiteral(
    "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.\n\n"
    "Ich breche ab.");
const QString NEWS_OFFLINE = QStringLiteral(
    "Für den Aufruf der Meldungen muss eine Verbindung zum Internet bestehen.\n\n"
    "Ich breche erst einmal ab.");

QString Quoted(const QString& text) {
    return QStringLiteral("„%1“").arg(text);
}

}  // namespace

void UpdateWindow::CheckVersion() {
    if (!env_.isOnline()) {
        env_.inform(CHECK_OFFLINE);
        return;
    }
    const QString file = env_.dataFolder + QString::fromLatin1(VERSION_FILE_NAME);
    QFile::remove(file);
    const DownloadResult fetched = Download(QStringLiteral("/downloads/verinfos.tvx"), file);
    if (fetched.unreachable) {
        env_.inform(CHECK_OFFLINE);
        return;
    }
    QString reason = fetched.error;
    std::optional<std::string> version;
    if (fetched.ok) {
        QFile downloaded(file);
        if (downloaded.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = downloaded.read(1024 * 1024);
            version = LatestVersionOf(std::string_view(bytes.constData(), bytes.size()));
        }
        if (!version) reason = QStringLiteral("Die Versionsdatei des Servers ist beschädigt.");
    }
    if (version && !UpdatePackageName(QString::fromStdString(*version))) {
        reason = QStringLiteral("Der Server nennt keine gültige Version (%1).")
                     .arg(Quoted(QString::fromStdString(*version)));
        version.reset();
    }
    if (!version) {
        env_.inform(QStringLiteral("Die Prüfung hat leider nicht geklappt.\n\n") + reason);
        return;
    }
    available_ = QString::fromStdString(*version);
    lVerfuegbar_->setText(available_);
    // Any difference counts, an older version too: the server knows best.
    bDownload_->setEnabled(available_ != QString::fromLatin1(PROGRAM_VERSION));
    bInstallation_->setEnabled(false);
    package_.clear();
}

void UpdateWindow::DownloadInstaller() {
    if (!env_.isOnline()) {
        env_.inform(DOWNLOAD_OFFLINE);
        return;
    }
    const std::optional<QString> name = UpdatePackageName(available_);
    if (!name) return;
    // An older update's package is of no use any more.
    const QDir data(env_.dataFolder);
    for (const QString& old : data.entryList(
             {QStringLiteral("tavexo_*_%1.deb").arg(PackageArchitecture())}, QDir::Files))
        QFile::remove(data.filePath(old));
    const QString package = env_.dataFolder + *name;
    const DownloadResult fetched = Download(QStringLiteral("/downloads/") + *name, package);
    if (fetched.ok) {
        package_ = package;
        bInstallation_->setEnabled(true);
    } else if (fetched.unreachable) {
        env_.inform(DOWNLOAD_OFFLINE);
    } else {
        env_.inform(QStringLiteral("Der Download ist gescheitert. Versuchen Sie es bitte später "
                                   "noch einmal.\n\n") +
                    fetched.error);
    }
}

void UpdateWindow::Install() {
    if (package_.isEmpty()) return;
    const QString name = QFileInfo(package_).fileName();
    const QString command = InstallCommand(package_);
    const bool removesItself = env_.origin && env_.origin() == ProgramOrigin::OwnFolder;
    // A program from a package, or from a folder not the user's, is left
    // to the package manager: it replaces the files, the program runs on.
    const QString question =
        removesItself ? QStringLiteral(
                            "Um die Installation durchführen zu können, muss das Programm jetzt "
                            "geschlossen werden. Die Programm-Datei %1 wird gelöscht und das "
                            "Paket %2 dem Paketinstaller übergeben.")
                            .arg(Quoted(env_.programFile), Quoted(name))
                      : QStringLiteral(
                            "Das Paket %1 wird jetzt dem Paketinstaller übergeben, der die "
                            "Programmdateien ersetzt. Tavexo läuft weiter; starten Sie es nach "
                            "der Installation neu.")
                            .arg(Quoted(name));
    const QString manual =
        QStringLiteral(
            "Wenn etwas schief läuft, installieren Sie das Paket bitte im Terminal "
            "mit dem Befehl\n\n%1")
            .arg(command);
    if (!env_.confirm(question + QLatin1Char(' ') + manual +
                      QStringLiteral("\n\nSoll fortgefahren werden?"))) {
        QString declined = QStringLiteral(
                               "Installation wurde auf Ihren Wunsch abgebrochen. Sie "
                               "können das Paket %1 im Verzeichnis %2 später im "
                               "Terminal mit dem Befehl\n\n%3\n\ninstallieren.")
                               .arg(Quoted(name), env_.dataFolder, command);
        if (removesItself) {
            declined += QStringLiteral(" Danach kann die alte Programm-Datei %1 gelöscht werden.")
                            .arg(Quoted(env_.programFile));
        }
        env_.inform(declined);
        return;
    }
    const InstallerLaunch launch = env_.openInstaller(package_);
    switch (launch.outcome) {
        case InstallerLaunch::Outcome::Started:
            // Only now, with the installer really running, may the old copy go.
            if (removesItself) {
                env_.endForUpdate();
            } else {
                env_.inform(QStringLiteral("%1 installiert jetzt das Paket %2. Starten Sie Tavexo "
                                           "danach neu.")
                                .arg(launch.installer, Quoted(name)));
            }
            return;
        case InstallerLaunch::Outcome::NoInstaller:
            env_.inform(QStringLiteral("Auf diesem System ist kein Paketinstaller für "
                                       "Debian-Pakete eingerichtet. Bitte installieren Sie das "
                                       "Paket %1 im Terminal mit dem Befehl\n\n%2")
                            .arg(Quoted(name), command));
            return;
        case InstallerLaunch::Outcome::Failed:
            env_.inform(QStringLiteral("Der Paketinstaller %1 konnte nicht gestartet werden (%2). "
                                       "Bitte installieren Sie das Paket %3 im Terminal mit dem "
                                       "Befehl\n\n%4")
                            .arg(Quoted(launch.installer), launch.error, Quoted(name), command));
            return;
    }
}

void UpdateWindow::ShowNews() {
    if (!env_.isOnline()) {
        env_.inform(NEWS_OFFLINE);
        return;
    }
    // QTextBrowser shows HTML but fetches nothing itself: the page comes
    // through the same download as every other file.
    const QString page = env_.dataFolder + QStringLiteral("aktuell.html");
    const DownloadResult fetched = Download(QStringLiteral("/aktuell.html"), page);
    if (fetched.unreachable) {
        env_.inform(NEWS_OFFLINE);
        return;
    }
    if (!fetched.ok) {
        news_->setPlainText(QStringLiteral("Die Meldungen konnten nicht geladen werden: ") +
                            fetched.error);
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
