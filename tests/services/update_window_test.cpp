// The update window driven by its buttons against a loopback server.
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cut_off_widgets.h"
#include "loopback_http_server.h"
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
    void anErrorPageIsAFailedDownloadAndInstallationStaysOff();
    void aDownloadedInstallerEnablesInstallation();
    void declinedInstallationNamesBothFolders();
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
    QStringList messages_;
    QList<QUrl> opened_;
};

void UpdateWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    server_ = std::make_unique<LoopbackHttpServer>();
    online_ = true;
    confirmAnswer_ = false;
    ended_ = false;
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
    QCOMPARE(messages_, QStringList{QStringLiteral("Die Prüfung hat leider nicht geklappt.\n")});
    QCOMPARE(Available(), QString());
    QVERIFY(!Button("BDownload")->isEnabled());
}

void UpdateWindowTest::anErrorPageIsAFailedDownloadAndInstallationStaysOff() {
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("2.0.0.0"), Behaviour::Answer});
    server_->SetRoute(QStringLiteral("/downloads/tvxupdate.exe"),
                      {404, "<html>Die Seite gibt es nicht</html>", Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QTest::mouseClick(Button("BDownload"), Qt::LeftButton);
    QCOMPARE(messages_, QStringList{QStringLiteral("Der Download ist gescheitert. Versuchen Sie "
                                                   "es bitte später noch einmal.")});
    QVERIFY(!Button("BInstallation")->isEnabled());
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("Update.exe"))));
}

void UpdateWindowTest::aDownloadedInstallerEnablesInstallation() {
    server_->SetRoute(QStringLiteral("/downloads/verinfos.tvx"),
                      {200, VersionRecord("2.0.0.0"), Behaviour::Answer});
    server_->SetRoute(QStringLiteral("/downloads/tvxupdate.exe"),
                      {200, QByteArray(2000, 'u'), Behaviour::Answer});
    QTest::mouseClick(Button("BPruefen"), Qt::LeftButton);
    QTest::mouseClick(Button("BDownload"), Qt::LeftButton);
    QVERIFY(Button("BInstallation")->isEnabled());
    QFile installer(dir_->filePath(QStringLiteral("Update.exe")));
    QVERIFY(installer.open(QIODevice::ReadOnly));
    QCOMPARE(installer.readAll(), QByteArray(2000, 'u'));

    confirmAnswer_ = true;
    QTest::mouseClick(Button("BInstallation"), Qt::LeftButton);
    QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(installer.fileName())});
    QVERIFY(ended_);
}

void UpdateWindowTest::declinedInstallationNamesBothFolders() {
    window_->Install();
    QCOMPARE(messages_.size(), 2);
    const QString data = dir_->path() + QLatin1Char('/');
    QCOMPARE(messages_[0],
             QStringLiteral("Um die Installation durchführen zu können, muss das Programm jetzt "
                            "geschlossen werden. Die Programm-Datei wird gelöscht und das Update "
                            "gestartet. Wenn etwas schief läuft, bitte das Update manuell durch "
                            "Doppelklick auf die Datei \"Update.exe\" im Verzeichnis ") +
                 data + QStringLiteral(" starten.\n\nSoll fortgefahren werden?"));
    QCOMPARE(messages_[1],
             QStringLiteral("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das "
                            "Update manuell durch Doppelklick auf die Datei \"Update.exe\" im "
                            "Verzeichnis ") +
                 data +
                 QStringLiteral(" starten.\n\nZuvor muss das Programm geschlossen und die Datei "
                                "\"TVX.exe\" im Verzeichnis /opt/tavexo/ gelöscht werden."));
    QVERIFY(opened_.isEmpty());
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
