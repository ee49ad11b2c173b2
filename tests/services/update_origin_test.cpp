// What an update does depends on where the program came from, and it
// fetches the package named after the published version: a package's
// files are never the program's to delete, a system folder never counts as
// the user's own, and no version text from the server becomes a path.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include "services/downloader.h"
#include "services/program_origin.h"
#include "services/update_package.h"

using namespace tavexo;

class UpdateOriginTest : public QObject {
    Q_OBJECT
  private slots:
    void packageNames_data();
    void packageNames();
    void thePackageDatabaseIsAskedForTheFileItself();
    void originOfTheProgram();
    void onlyANetworkWithoutWayOutIsOffline_data();
    void onlyANetworkWithoutWayOutIsOffline();
};

void UpdateOriginTest::packageNames_data() {
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("usable");
    QTest::newRow("four numbers") << "1.2.0.0" << true;
    QTest::newRow("tilde and plus") << "1.2~rc1+b2" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter first") << "v1.2" << false;
    QTest::newRow("slash") << "1.2/../../x" << false;
    QTest::newRow("blank") << "1.2 0" << false;
    QTest::newRow("underscore") << "1.2_amd64" << false;
    QTest::newRow("markup") << "1<b>2</b>" << false;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("1.\xd9\xa3") << false;
}

void UpdateOriginTest::packageNames() {
    QFETCH(QString, version);
    QFETCH(bool, usable);
    const std::optional<QString> name = UpdatePackageName(version);
    QCOMPARE(name.has_value(), usable);
    if (usable) {
        QCOMPARE(*name, QStringLiteral("tavexo_%1_%2.deb").arg(version, PackageArchitecture()));
    }
    QVERIFY(!PackageArchitecture().isEmpty());
}

void UpdateOriginTest::thePackageDatabaseIsAskedForTheFileItself() {
    // dpkg owns its own program; a pattern that matches it is not the file.
    QVERIFY(IsPackagedFile(QStringLiteral("/usr/bin/dpkg-query")));
    QVERIFY(!IsPackagedFile(QStringLiteral("/usr/bin/dpkg-quer*")));
    QTemporaryDir folder;
    const QString own = folder.filePath(QStringLiteral("tavexo"));
    QVERIFY(QFile(own).open(QIODevice::WriteOnly));
    QVERIFY(!IsPackagedFile(own));
}

void UpdateOriginTest::originOfTheProgram() {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto never = [](const QString&) { return false; };
    const auto always = [](const QString&) { return true; };

    const QString own = home.filePath(QStringLiteral("Programme/tavexo/tavexo"));
    QVERIFY(QDir().mkpath(QFileInfo(own).absolutePath()));
    QVERIFY(QFile(own).open(QIODevice::WriteOnly));
    QCOMPARE(OriginOf(own, never), ProgramOrigin::OwnFolder);
    // A package's file is the package manager's, wherever it lies.
    QCOMPARE(OriginOf(own, always), ProgramOrigin::Package);
    // Another file beside it (the dynamic loader, when it started the
    // program) is never ours to remove.
    const QString loader = home.filePath(QStringLiteral("Programme/tavexo/ld-linux-x86-64.so.2"));
    QVERIFY(QFile(loader).open(QIODevice::WriteOnly));
    QCOMPARE(OriginOf(loader, never), ProgramOrigin::Elsewhere);
    // A system folder is never the user's own, not even root's.
    QCOMPARE(OriginOf(QStringLiteral("/usr/bin/env"), never), ProgramOrigin::Elsewhere);

    QTemporaryDir outside;
    const QString elsewhere = outside.filePath(QStringLiteral("tavexo"));
    QVERIFY(QFile(elsewhere).open(QIODevice::WriteOnly));
    // For an ordinary user a folder of theirs anywhere is their own; for
    // root only below its home.
    QCOMPARE(OriginOf(elsewhere, never),
             geteuid() == 0 ? ProgramOrigin::Elsewhere : ProgramOrigin::OwnFolder);
    if (geteuid() == 0) {
        // Another user's program in root's home is not root's to remove.
        const QString others = home.filePath(QStringLiteral("Fremd/tavexo"));
        QVERIFY(QDir().mkpath(QFileInfo(others).absolutePath()));
        QVERIFY(QFile(others).open(QIODevice::WriteOnly));
        QCOMPARE(chown(QFile::encodeName(others).constData(), 65534, 65534), 0);
        QCOMPARE(OriginOf(others, never), ProgramOrigin::Elsewhere);
    }
    qputenv("HOME", savedHome);
}

void UpdateOriginTest::onlyANetworkWithoutWayOutIsOffline_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("unreachable");
    using E = QNetworkReply::NetworkError;
    QTest::newRow("no such host") << int(E::HostNotFoundError) << true;
    QTest::newRow("no route (unknown network error)") << int(E::UnknownNetworkError) << true;
    QTest::newRow("temporary network failure") << int(E::TemporaryNetworkFailureError) << true;
    // The server was reached and did something: say what.
    QTest::newRow("refused") << int(E::ConnectionRefusedError) << false;
    QTest::newRow("closed") << int(E::RemoteHostClosedError) << false;
    QTest::newRow("time-out") << int(E::OperationCanceledError) << false;
    QTest::newRow("TLS") << int(E::SslHandshakeFailedError) << false;
    QTest::newRow("not found") << int(E::ContentNotFoundError) << false;
    QTest::newRow("server error") << int(E::InternalServerError) << false;
}

void UpdateOriginTest::onlyANetworkWithoutWayOutIsOffline() {
    QFETCH(int, error);
    QFETCH(bool, unreachable);
    QCOMPARE(IsUnreachable(QNetworkReply::NetworkError(error)), unreachable);
}

QTEST_GUILESS_MAIN(UpdateOriginTest)
#include "update_origin_test.moc"
