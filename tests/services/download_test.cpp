// Downloads against a loopback server: only a complete body with a success
// status ever reaches the target; everything else leaves it as it was.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "loopback_http_server.h"
#include "services/downloader.h"

using namespace tavexo;
using Behaviour = LoopbackHttpServer::Behaviour;

class DownloadTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void aCompleteBodyReplacesTheTarget();
    void failuresLeaveAnExistingFileUntouched_data();
    void failuresLeaveAnExistingFileUntouched();
    void aSilentServerEndsInFailureWithinTheTimeout();
    void aMissingFolderIsAFailureNotACrash();

  private:
    QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList LeftOvers() const {
        QStringList names = QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll(QStringLiteral("target.bin"));
        return names;
    }
    DownloadOptions Options() const {
        DownloadOptions options;
        options.probeFile = dir_->filePath(QStringLiteral("tmp.tmp"));
        options.silenceTimeoutMs = 3000;
        options.maxBytes = 4096;
        return options;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<LoopbackHttpServer> server_;
    QString target_;
};

void DownloadTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    server_ = std::make_unique<LoopbackHttpServer>();
    target_ = dir_->filePath(QStringLiteral("target.bin"));
}

void DownloadTest::aCompleteBodyReplacesTheTarget() {
    Write(target_, "old contents");
    server_->SetRoute(QStringLiteral("/f"), {200, "new contents", Behaviour::Answer});
    qint64 lastReceived = -1;
    DownloadOptions options = Options();
    options.progress = [&](qint64 received, qint64) { lastReceived = received; };
    const DownloadResult result =
        DownloadToFile(server_->Base().resolved(QUrl("/f")), target_, options);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(Read(target_), QByteArray("new contents"));
    // The probe first, then the target: two requests, and the probe stays.
    QCOMPARE(server_->Requests(QStringLiteral("/f")), 2);
    QCOMPARE(Read(Options().probeFile), QByteArray("new contents"));
    QCOMPARE(lastReceived, qint64(12));
}

void DownloadTest::failuresLeaveAnExistingFileUntouched_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<QString>("reason");
    const QByteArray page = "<html><body>Fehlerseite mit viel Text</body></html>";
    QTest::newRow("404 with a body") << 404 << page << int(Behaviour::Answer) << "404";
    QTest::newRow("500 with a body") << 500 << page << int(Behaviour::Answer) << "500";
    QTest::newRow("dropped mid-body")
        << 200 << QByteArray(3000, 'x') << int(Behaviour::DropMidBody) << "";
    QTest::newRow("larger than the limit")
        << 200 << QByteArray(5000, 'x') << int(Behaviour::Answer) << "größer";
    QTest::newRow("fewer than 4 bytes")
        << 200 << QByteArray("abc") << int(Behaviour::Answer) << "leere";
}

void DownloadTest::failuresLeaveAnExistingFileUntouched() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(int, behaviour);
    QFETCH(QString, reason);
    Write(target_, "what the user had");
    server_->SetRoute(QStringLiteral("/f"), {status, body, Behaviour(behaviour)});
    const DownloadResult result =
        DownloadToFile(server_->Base().resolved(QUrl("/f")), target_, Options());
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(reason), qPrintable(result.error));
    QCOMPARE(Read(target_), QByteArray("what the user had"));
    // Nothing half-written is left behind: no probe, no temporary file.
    QVERIFY2(LeftOvers().isEmpty() || LeftOvers() == QStringList{QStringLiteral("tmp.tmp")},
             qPrintable(LeftOvers().join(',')));
    if (status != 200 || behaviour != int(Behaviour::Answer) || body.size() >= 4)
        QVERIFY(!QFile::exists(Options().probeFile));
}

void DownloadTest::aSilentServerEndsInFailureWithinTheTimeout() {
    server_->SetRoute(QStringLiteral("/f"), {200, "", Behaviour::NeverAnswer});
    DownloadOptions options = Options();
    options.silenceTimeoutMs = 400;
    const DownloadResult result =
        DownloadToFile(server_->Base().resolved(QUrl("/f")), target_, options);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(QStringLiteral("nicht geantwortet")), qPrintable(result.error));
    QVERIFY(!QFile::exists(target_));
}

void DownloadTest::aMissingFolderIsAFailureNotACrash() {
    server_->SetRoute(QStringLiteral("/f"), {200, "contents", Behaviour::Answer});
    const QString target = dir_->filePath(QStringLiteral("missing/target.bin"));
    const DownloadResult result =
        DownloadToFile(server_->Base().resolved(QUrl("/f")), target, Options());
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(target), qPrintable(result.error));
}

QTEST_MAIN(DownloadTest)
#include "download_test.moc"
