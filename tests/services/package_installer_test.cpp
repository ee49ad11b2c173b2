// The update's package goes to the desktop's package installer, found the
// way a file manager finds it (GIO's registry of applications), in a
// desktop made up for each case: XDG folders with fake applications that
// write down what they were started with.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "services/package_installer.h"

using namespace tavexo;

class PackageInstallerTest : public QObject {
    Q_OBJECT
  private slots:
    void theInstallerIsChosenAsTheDesktopWould_data();
    void theInstallerIsChosenAsTheDesktopWould();
    void theInstallCommandQuotesThePath_data();
    void theInstallCommandQuotesThePath();
};

namespace {

struct FakeApplication {
    const char* id;
    const char* name;
    const char* categories;
};

constexpr FakeApplication PACKAGE_MANAGER{"paketinstaller", "Paketinstaller",
                                          "System;PackageManager;"};
constexpr FakeApplication ARCHIVE_VIEWER{"archiv", "Archivverwaltung", "Utility;Archiving;"};
constexpr FakeApplication SECOND_MANAGER{"softwarecenter", "Softwarecenter",
                                         "System;Settings;PackageManager;"};

// A desktop of its own: the applications in its data folder, each a script
// that writes its arguments to "<id>.started", their types in the folder's
// mimeinfo.cache (as update-desktop-database keeps it, which is where the
// desktop looks them up), and the user's choice for Debian packages in its
// mimeapps.list.
class FakeDesktop {
  public:
    explicit FakeDesktop(const QString& root) : root_(root) {
        QDir().mkpath(root_ + QStringLiteral("/share/applications"));
        QDir().mkpath(root_ + QStringLiteral("/config"));
        QDir().mkpath(root_ + QStringLiteral("/bin"));
    }

    void Add(const FakeApplication& app) {
        const QString script = root_ + QStringLiteral("/bin/") + QLatin1String(app.id);
        QFile run(script);
        QVERIFY(run.open(QIODevice::WriteOnly));
        run.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + QFile::encodeName(Started(app.id)) +
                  "\"\n");
        run.close();
        QVERIFY(run.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QFile entry(root_ + QStringLiteral("/share/applications/") + QLatin1String(app.id) +
                    QStringLiteral(".desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=" + QByteArray(app.name) + "\nExec=" +
                    QFile::encodeName(script) + " %f\nCategories=" + QByteArray(app.categories) +
                    "\nMimeType=" + DEBIAN_PACKAGE_TYPE + ";\n");
        registered_ += QByteArray(app.id) + ".desktop;";
        QFile cache(root_ + QStringLiteral("/share/applications/mimeinfo.cache"));
        QVERIFY(cache.open(QIODevice::WriteOnly));
        cache.write(QByteArray("[MIME Cache]\n") + DEBIAN_PACKAGE_TYPE + "=" + registered_ + "\n");
    }

    void Choose(const char* id) {
        QFile list(root_ + QStringLiteral("/config/mimeapps.list"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QByteArray("[Default Applications]\n") + DEBIAN_PACKAGE_TYPE + "=" + id +
                   ".desktop\n");
    }

    QString Started(const char* id) const {
        return root_ + QStringLiteral("/") + QLatin1String(id) + QStringLiteral(".started");
    }

    // The probe's answer in this desktop, and nothing else of the machine's.
    QString Open(const QString& package) const {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("HOME"), root_);
        env.insert(QStringLiteral("XDG_DATA_HOME"), root_ + QStringLiteral("/share"));
        env.insert(QStringLiteral("XDG_DATA_DIRS"), root_ + QStringLiteral("/nothing"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), root_ + QStringLiteral("/config"));
        env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root_ + QStringLiteral("/nothing"));
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("none"));
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(TAVEXO_INSTALLER_PROBE), {package});
        if (!probe.waitForFinished(30000)) return QStringLiteral("probe hangs");
        return QString::fromUtf8(probe.readAllStandardOutput()).trimmed();
    }

  private:
    QString root_;
    QByteArray registered_;
};

QString ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).trimmed();
}

}  // namespace

void PackageInstallerTest::theInstallerIsChosenAsTheDesktopWould_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("startedApp");
    QTest::newRow("the chosen package manager")
        << QStringList{"archiv", "paketinstaller"} << "paketinstaller"
        << "started Paketinstaller"
        << "paketinstaller";
    QTest::newRow("an archive viewer chosen: the package manager instead")
        << QStringList{"archiv", "paketinstaller"} << "archiv"
        << "started Paketinstaller"
        << "paketinstaller";
    QTest::newRow("nothing chosen: a registered package manager")
        << QStringList{"softwarecenter"} << ""
        << "started Softwarecenter"
        << "softwarecenter";
    QTest::newRow("only an archive viewer") << QStringList{"archiv"} << "archiv"
                                            << "none"
                                            << "";
    QTest::newRow("nothing at all") << QStringList{} << ""
                                    << "none"
                                    << "";
}

void PackageInstallerTest::theInstallerIsChosenAsTheDesktopWould() {
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);
    QFETCH(QString, outcome);
    QFETCH(QString, startedApp);
    QTemporaryDir root;
    FakeDesktop desktop(root.path());
    for (const FakeApplication& app : {PACKAGE_MANAGER, ARCHIVE_VIEWER, SECOND_MANAGER}) {
        if (installed.contains(QLatin1String(app.id))) desktop.Add(app);
    }
    if (!chosen.isEmpty()) desktop.Choose(chosen.toLatin1().constData());
    const QString package =
        root.filePath(QStringLiteral("Meine Downloads/tavexo_1.2.0.0_amd64.deb"));
    QVERIFY(QDir().mkpath(QFileInfo(package).absolutePath()));
    QFile(package).open(QIODevice::WriteOnly);

    QCOMPARE(desktop.Open(package), outcome);
    for (const FakeApplication& app : {PACKAGE_MANAGER, ARCHIVE_VIEWER, SECOND_MANAGER}) {
        const QString started = desktop.Started(app.id);
        if (startedApp == QLatin1String(app.id)) {
            // Started with the package's path as one argument, blanks and all.
            QTRY_COMPARE_WITH_TIMEOUT(ReadAll(started), package, 10000);
        } else {
            QVERIFY2(!QFileInfo::exists(started), app.id);
        }
    }
}

void PackageInstallerTest::theInstallCommandQuotesThePath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("command");
    QTest::newRow("plain")
        << "/home/a/.local/share/Tavexo/tavexo_1.2.0.0_amd64.deb"
        << "sudo apt install '/home/a/.local/share/Tavexo/tavexo_1.2.0.0_amd64.deb'";
    QTest::newRow("blank and quote") << "/home/a/Anna's Daten/t.deb"
                                     << "sudo apt install '/home/a/Anna'\\''s Daten/t.deb'";
    QTest::newRow("shell characters") << "/tmp/$(rm -rf x)`y`;z.deb"
                                      << "sudo apt install '/tmp/$(rm -rf x)`y`;z.deb'";
}

void PackageInstallerTest::theInstallCommandQuotesThePath() {
    QFETCH(QString, path);
    QFETCH(QString, command);
    QCOMPARE(InstallCommand(path), command);
    // What the shell makes of it is the path again, as one word.
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("printf '%s' ") + command.mid(17)});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), path);
}

QTEST_GUILESS_MAIN(PackageInstallerTest)
#include "package_installer_test.moc"
