// The whole update as a user meets it, in the real program: the server is a
// loopback server named in "Allgemein.ini" (a mirror's folder included),
// "Gibt es Neues?" opens the window, "Prüfen", "Download" and
// "Installation" are clicked, the question is answered, and the package
// reaches the desktop's package installer, here a fake one registered the
// way desktops register theirs, which writes down what it was given.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "loopback_http_server.h"
#include "services/package_installer.h"
#include "services/update_package.h"
#include "settings/version_info.h"
#include "ui/program.h"
#include "ui/table/table_window.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

class UpdateFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void checkDownloadAndInstallAgainstTheConfiguredServer();
};

namespace {

QByteArray VersionRecord(const QByteArray& version) {
    QByteArray record(VERSION_RECORD_SIZE, '\0');
    record[8] = static_cast<char>(version.size());
    record.replace(9, version.size(), version);
    return record;
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString InstallerRecord() {
    return QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath(QStringLiteral("installer.got"));
}

}  // namespace

void UpdateFlowTest::initTestCase() {
    // CTest gives the test a private XDG_DATA_HOME and XDG_CONFIG_HOME: the
    // fake installer goes there before the desktop's registry is first read.
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY(!data.isEmpty() && !config.isEmpty());
    const QString script = data + QStringLiteral("/fake-installer.sh");
    QVERIFY(WriteFile(script, "#!/bin/sh\nprintf '%s' \"$1\" > \"" +
                                  QFile::encodeName(InstallerRecord()) + "\"\n"));
    QVERIFY(QFile(script).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(WriteFile(
        data + QStringLiteral("/applications/paketinstaller.desktop"),
        "[Desktop Entry]\nType=Application\nName=Paketinstaller\nExec=" +
            QFile::encodeName(script) +
            " %f\nCategories=System;PackageManager;\nMimeType=" + DEBIAN_PACKAGE_TYPE + ";\n"));
    QVERIFY(WriteFile(
        data + QStringLiteral("/applications/mimeinfo.cache"),
        QByteArray("[MIME Cache]\n") + DEBIAN_PACKAGE_TYPE + "=paketinstaller.desktop;\n"));
    QVERIFY(WriteFile(config + QStringLiteral("/mimeapps.list"),
                      QByteArray("[Default Applications]\n") + DEBIAN_PACKAGE_TYPE +
                          "=paketinstaller.desktop;\n"));
}

void UpdateFlowTest::checkDownloadAndInstallAgainstTheConfiguredServer() {
    LoopbackHttpServer server;
    const QString package = *UpdatePackageName(QStringLiteral("2.0.0.0"));
    const QByteArray packageBytes = QByteArray(50000, 'd') + "ende";
    using Route = LoopbackHttpServer::Route;
    server.SetRoute(QStringLiteral("/spiegel/downloads/verinfos.tvx"),
                    Route{200, VersionRecord("2.0.0.0"), {}});
    server.SetRoute(QStringLiteral("/spiegel/downloads/") + package, Route{200, packageBytes, {}});
    server.SetRoute(QStringLiteral("/spiegel/aktuell.html"),
                    Route{200, "<p>Neu: das Paket</p>", {}});

    QTemporaryDir base;
    const QString settings = base.filePath(QStringLiteral("Tavexo/Einstellungen/Allgemein.ini"));
    QVERIFY(WriteFile(settings, "[Aktualisierung]\r\nServer=" +
                                    server.Base().toString().toLatin1() + "/spiegel/\r\n"));
    std::unique_ptr<Program> program = StartProgram(base.path());

    auto* open =
        program->Window().findChild<QAbstractButton*>(QStringLiteral("bsSkinSpeedButton1"));
    QVERIFY(open != nullptr);
    QCOMPARE(open->text(), QStringLiteral("Gibt es Neues?"));
    open->click();
    QWidget* update = program->Window().Windows().Existing(SecondaryWindow::Update);
    QVERIFY(update != nullptr);
    QTRY_VERIFY(update->isVisible());
    auto button = [update](const char* name) {
        return update->findChild<QPushButton*>(QString::fromLatin1(name));
    };

    QTest::mouseClick(button("BPruefen"), Qt::LeftButton);
    QCOMPARE(update->findChild<QLabel*>(QStringLiteral("LVerfuegbar"))->text(),
             QStringLiteral("2.0.0.0"));
    QVERIFY(button("BDownload")->isEnabled());
    QTest::mouseClick(button("BDownload"), Qt::LeftButton);
    QVERIFY(button("BInstallation")->isEnabled());
    const QString downloaded = base.filePath(QStringLiteral("Tavexo/")) + package;
    QFile file(downloaded);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), packageBytes);

    // The question, answered "Ja"; then the word that the installer runs.
    QStringList texts;
    WhenModal([&texts](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        texts << box->text();
        // TAVEXO_SHOT_DIR=folder keeps a picture of the question for a look.
        if (const QString dir = qEnvironmentVariable("TAVEXO_SHOT_DIR"); !dir.isEmpty())
            box->grab().save(dir + QStringLiteral("/update_question.png"));
        WhenModal([&texts](QWidget* next) {
            auto* info = qobject_cast<QMessageBox*>(next);
            QVERIFY(info != nullptr);
            texts << info->text();
            if (const QString dir = qEnvironmentVariable("TAVEXO_SHOT_DIR"); !dir.isEmpty())
                info->grab().save(dir + QStringLiteral("/update_started.png"));
            info->button(QMessageBox::Ok)->click();
        });
        box->button(QMessageBox::Yes)->click();
    });
    QTest::mouseClick(button("BInstallation"), Qt::LeftButton);
    QTRY_COMPARE(texts.size(), 2);
    QVERIFY2(
        texts[0].contains(QStringLiteral("sudo apt install '") + downloaded + QLatin1Char('\'')),
        qPrintable(texts[0]));
    QCOMPARE(texts[1],
             QStringLiteral("Paketinstaller installiert jetzt das Paket „%1“. Starten Sie "
                            "Tavexo danach neu.")
                 .arg(package));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(InstallerRecord()), 10000);
    QFile record(InstallerRecord());
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(record.readAll()), downloaded);
    // The test program is no "tavexo" of the user's own: it stays, and runs on.
    QVERIFY(QFile::exists(QCoreApplication::applicationFilePath()));

    // The news come from the same server.
    QTest::mouseClick(button("BMeldungen"), Qt::LeftButton);
    QCOMPARE(server.Requests(QStringLiteral("/spiegel/aktuell.html")), 2);  // probe and body
}

QTEST_MAIN(UpdateFlowTest)
#include "update_flow_test.moc"
