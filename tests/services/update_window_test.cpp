// The update window driven by its buttons against a loopback server.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cut_off_widgets.h"
#include "loopback_http_server.h"
#include "services/update_package.h"
#include "settings/version_info.h"
#include "ui/services/update_window.h"

using namespace tavexo;
using Behaviour = LoopbackHttpServer::Behaviour;

namespace {

QByteArray VersionRecord(const QByteArray& version) {
    QByteArray record(VERSION_RECORD_SIZE, '\0');
    record[8] = static_cast<char>(version.size());
    record.replace(9, version.size(), version);
    return record;
}

}  // namespace

class UpdateWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { window_.reset(); }
    void theLastOfThreeRecordsIsShownAndEnablesDownload();
    void anEqualVersionLeavesDownloadDisabled();
    void aGarbledVersionFileIsAFailedCheck();
    void aVersionThatNamesNoPackageIsAFailedCheck();
    void aSilentServerIsATimeOutSaidSo();
    void anErrorPageIsAFailedDownloadAndInstallationStaysOff();
    void theDownloadedPackageGoesToTheInstaller_data();
    void theDownloadedPackageGoesToTheInstaller();
    void declinedInstallationNamesTheRealFiles();
    void offlineEveryButtonSaysSo();
    void showsEveryTextInFull();

  private:
    QPushButton* Button(const char* name) {
        return window_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString Available() {
        return window_->findChild<QLabel*>(QStringLiteral("LVerfuegbar"))->text();
    }
    void MakeWindow() {
        ServiceEnvironment env;
        env.dataFolder = dir_->path() + QLatin1Char('/');
        env.programFolder = QStringLiteral("/opt/tavexo/");
        env.probeFile = dir_->filePath(QStringLiteral("tmp.tmp"));
        env.serverBase = server_->Base();
        env.downloadTimeoutMs = 3000;
        env.isOnline = [this] { return online_; };
        env.inform = [this](const QString& text) { messages_ << text; };
        env.confirm = [this](const QString& text) {
            messages_ << text;
            return confirmAnswer_;
        };
        env.openUrl = [this](const QUrl& url) {
            opened_ << url;
            return true;
        };
        env.programFile = QStringLiteral("/home/anna/Programme/tavexo/tavexo");
        env.origin = [this] { return origin_; };
        env.openInstaller = [this](const QString& package) {
            handedOver_ << package;
            QFile file(package);
            if (file.open(QIODevice::ReadOnly)) handedOverBytes_ = file.readAll();
            return launch_;
        };
        env.endForUpdate = [this] { ended_ = true; };
        window_ = std::make_unique<UpdateWindow>(env);
        window_->show();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<LoopbackHttpServer> server_;
    std::unique_ptr<UpdateWindow> window_;
    bool online_ = true;
    bool confirmAnswer_ = false;
    bool ended_ = false;
    ProgramOrigin origin_ = ProgramOrigin::Package;
    InstallerLaunch launch_;
    QStringList handedOver_;
    QByteArray handedOverBytes_;
    QStringList messages_;
    QList<QUrl> opened_;
};

void UpdateWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    server_ = std::make_unique<LoopbackHttpServer>();
    online_ = true;
    confirmAnswer_ = false;
    ended_ = false;
    origin_ = ProgramOrigin::Package;
    launch_ = {};
    handedOver_.clear();
    handedOverBytes_.clear();
    messages_.clear();
    opened_.clear();
    MakeWindow();
}

void UpdateWindowTest::theLastOfThreeRecordsIsShownAndEnablesDownload() {
    server_->SetRoute(
        QStringLiteral("/downloads/verinfos.tvx"),
        {200, VersionRecord("1.0.9.0") + VersionRecord("1.2.0.0") + VersionRecord("1.0.0.1"),
         Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QCOMPARE(Available(), QStringLiteral("1.0.0.1"));  // older, still different
    QVERIFY(Button("BDownload")->isEnabled());
    QVERIFY(messages_.isEmpty());
    // TAVEXO_SHOT_DIR=folder keeps a picture of the window for a look.
    if (const QString dir = qEnvironmentVariable("TAVEXO_SHOT_DIR"); !dir.isEmpty())
        window_->grab().save(dir + QStringLiteral("/update_window.png"));
}

void UpdateWindowTest::anEqualVersionLeavesDownloadDisabled() {
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("1.1.1.0"), Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QCOMPARE(Available(), QStringLiteral("1.1.1.0"));
    QVERIFY(!Button("BDownload")->isEnabled());
}

void UpdateWindowTest::aGarbledVersionFileIsAFailedCheck() {
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("1.2.0.0") + "half a record", Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QCOMPARE(messages_,
             QStringList{QStringLiteral("Die Prüfung hat leider nicht geklappt.\n\n"
                                        "Die Versionsdatei des Servers ist beschädigt.")});
    QCOMPARE(Available(), QString());
    QVERIFY(!Button("BDownload")->isEnabled());
}

void UpdateWindowTest::aVersionThatNamesNoPackageIsAFailedCheck() {
    // The version becomes part of a file name and an address: a text that
    // could climb out of the folder is never used.
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("../../x"), Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QCOMPARE(messages_, QStringList{QStringLiteral("Die Prüfung hat leider nicht geklappt.\n\n"
                                                   "Der Server nennt keine gültige Version "
                                                   "(„../../x“).")});
    QVERIFY(!Button("BDownload")->isEnabled());
}

void UpdateWindowTest::aSilentServerIsATimeOutSaidSo() {
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"), {200, {}, Behaviour::NeverAnswer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QCOMPARE(messages_, QStringList{QStringLiteral("Die Prüfung hat leider nicht geklappt.\n\n"
                                                   "Der Server hat zu lange nicht geantwortet.")});
}

void UpdateWindowTest::anErrorPageIsAFailedDownloadAndInstallationStaysOff() {
    const QString package = QStringLiteral("tavexo_2.0.0.0_%1.deb").arg(PackageArchitecture());
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("2.0.0.0"), Behaviour::Answer});
    server_->SetRoute(QStringLiteral("/downloads/") + package,
                      {404, "<html>Die Seite gibt es nicht</html>", Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QTest::mouseClick(Button("BDownload"), Qt::LeftButton);
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].startsWith(QStringLiteral(
                 "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.\n\n")),
             qPrintable(messages_[0]));
    QVERIFY2(messages_[0].contains(QStringLiteral("404")), qPrintable(messages_[0]));
    QVERIFY(!Button("BInstallation")->isEnabled());
    QVERIFY(!QFile::exists(dir_->filePath(package)));
}

void UpdateWindowTest::theDownloadedPackageGoesToTheInstaller_data() {
    QTest::addColumn<int>("origin");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<QString>("message");
    using O = InstallerLaunch::Outcome;
    const QString name = QStringLiteral("„tavexo_2.0.0.0_%1.deb“").arg(PackageArchitecture());
    const QString command = QStringLiteral("\n\nsudo apt install '<data>tavexo_2.0.0.0_%1.deb'")
                                .arg(PackageArchitecture());
    QTest::newRow("from a package, installer started")
        << int(ProgramOrigin::Package) << int(O::Started) << false
        << QStringLiteral(
               "Paketinstaller installiert jetzt das Paket %1. Starten Sie Tavexo "
               "danach neu.")
               .arg(name);
    QTest::newRow("from its own folder, installer started: the old copy goes")
        << int(ProgramOrigin::OwnFolder) << int(O::Started) << true << QString();
    QTest::newRow("from its own folder, no installer: nothing is removed")
        << int(ProgramOrigin::OwnFolder) << int(O::NoInstaller) << false
        << QStringLiteral(
               "Auf diesem System ist kein Paketinstaller für Debian-Pakete "
               "eingerichtet. Bitte installieren Sie das Paket %1 im Terminal mit dem "
               "Befehl")
                   .arg(name) +
               command;
    QTest::newRow("from its own folder, installer failed: nothing is removed")
        << int(ProgramOrigin::OwnFolder) << int(O::Failed) << false
        << QStringLiteral(
               "Der Paketinstaller „Paketinstaller“ konnte nicht gestartet werden "
               "(kaputt). Bitte installieren Sie das Paket %1 im Terminal mit dem "
               "Befehl")
                   .arg(name) +
               command;
    QTest::newRow("elsewhere, installer started: the program runs on")
        << int(ProgramOrigin::Elsewhere) << int(O::Started) << false
        << QStringLiteral(
               "Paketinstaller installiert jetzt das Paket %1. Starten Sie Tavexo "
               "danach neu.")
               .arg(name);
}

void UpdateWindowTest::theDownloadedPackageGoesToTheInstaller() {
    QFETCH(int, origin);
    QFETCH(int, outcome);
    QFETCH(bool, ends);
    QFETCH(QString, message);
    origin_ = ProgramOrigin(origin);
    launch_ = {InstallerLaunch::Outcome(outcome), QStringLiteral("Paketinstaller"),
               QStringLiteral("kaputt")};
    MakeWindow();
    const QString name = QStringLiteral("tavexo_2.0.0.0_%1.deb").arg(PackageArchitecture());
    // An older update's package left in the data folder goes.
    const QString old =
        dir_->filePath(QStringLiteral("tavexo_1.9.0.0_%1.deb").arg(PackageArchitecture()));
    QVERIFY(QFile(old).open(QIODevice::WriteOnly));
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("2.0.0.0"), Behaviour::Answer});
    server_->SetRoute(QStringLiteral("/downloads/") + name,
                      {200, QByteArray(2000, 'p'), Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QTest::mouseClick(Button("BDownload"), Qt::LeftButton);
    QVERIFY(Button("BInstallation")->isEnabled());
    QVERIFY(!QFile::exists(old));

    confirmAnswer_ = true;
    QTest::mouseClick(Button("BInstallation"), Qt::LeftButton);
    QCOMPARE(handedOver_, QStringList{dir_->filePath(name)});
    QCOMPARE(handedOverBytes_, QByteArray(2000, 'p'));
    QCOMPARE(ended_, ends);
    const QStringList informed = messages_.mid(1);  // after the question
    message.replace(QStringLiteral("<data>"), dir_->path() + QLatin1Char('/'));
    QCOMPARE(informed, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(opened_.isEmpty());
}

void UpdateWindowTest::declinedInstallationNamesTheRealFiles() {
    origin_ = ProgramOrigin::OwnFolder;
    MakeWindow();
    const QString name = QStringLiteral("tavexo_2.0.0.0_%1.deb").arg(PackageArchitecture());
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("2.0.0.0"), Behaviour::Answer});
    server_->SetRoute(QStringLiteral("/downloads/") + name,
                      {200, QByteArray(100, 'p'), Behaviour::Answer});
    window_->CheckVersion();
    window_->DownloadInstaller();
    window_->Install();
    QCOMPARE(messages_.size(), 2);
    const QString data = dir_->path() + QLatin1Char('/');
    const QString command = QStringLiteral("sudo apt install '") + data + name + QLatin1Char('\'');
    QCOMPARE(messages_[0],
             QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt "
                            "geschlossen werden. Die Programm-Datei "
                            "„/home/anna/Programme/tavexo/tavexo“ wird gelöscht und das Paket „") +
                 name +
                 QStringLiteral("“ dem Paketinstaller übergeben. Wenn etwas schief läuft, "
                                "installieren Sie das Paket bitte im Terminal mit dem "
                                "Befehl\n\n") +
                 command + QStringLiteral("\n\nSoll fortgefahren werden?"));
    QCOMPARE(messages_[1],
             QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie können das "
                            "Paket „") +
                 name + QStringLiteral("“ im Verzeichnis ") + data +
                 QStringLiteral(" später im Terminal mit dem Befehl\n\n") + command +
                 QStringLiteral("\n\ninstallieren. Danach kann die alte Programm-Datei "
                                "„/home/anna/Programme/tavexo/tavexo“ gelöscht werden."));
    QVERIFY(handedOver_.isEmpty());
    QVERIFY(!ended_);
}

void UpdateWindowTest::offlineEveryButtonSaysSo() {
    online_ = false;
    window_->CheckVersion();
    window_->DownloadInstaller();
    QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("BMeldungen")),
                      Qt::LeftButton);
    QCOMPARE(
        messages_,
        (QStringList{
            QStringLiteral("Für die Aktualisierung muss eine Verbindung zum Internet bestehen."),
            QStringLiteral("Für den Download der Installations-Datei muss eine Verbindung zum "
                           "Internet bestehen.\n\nIch breche ab."),
            QStringLiteral("Für den Aufruf der Meldungen muss eine Verbindung zum Internet "
                           "bestehen.\n\nIch breche erst einmal ab.")}));
    QCOMPARE(server_->Requests(QStringLiteral("/downloads/verinfos.tvx")), 0);
}

void UpdateWindowTest::showsEveryTextInFull() {
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    const QStringList cut = CutOffWidgets(window_.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

QTEST_MAIN(UpdateWindowTest)
#include "update_window_test.moc"
