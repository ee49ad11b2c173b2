// The help download over real HTTP (a loopback server): a good help file
// arrives and works at once; an error page, even one sent with status 200,
// never becomes the help file.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "loopback_http_server.h"
#include "ui/help/help_context.h"
#include "ui/help/help_download.h"
#include "ui/help/help_download_window.h"
#include "ui/help/help_file_locator.h"
#include "ui/help/help_system.h"
#include "ui/help/help_window.h"
#include "ui/help/service_help_download.h"

using namespace tavexo::help;

namespace {

// The real download; only the network check is left out, because a test
// machine's interfaces say nothing about the loopback server.
class LoopbackHelpDownload : public ServiceHelpDownload {
  public:
    using ServiceHelpDownload::ServiceHelpDownload;
    bool IsOnline() override { return true; }
};

QByteArray BuiltHelp() {
    QFile file(FindHelpFile(StandardHelpFolders(QString())));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class HelpDownloadTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { help_.reset(); }
    void theHelpFileArrivesAndWorksAtOnce();
    void anErrorPageNeverBecomesTheHelp_data();
    void anErrorPageNeverBecomesTheHelp();

  private:
    void ClickDownload();
    QString Target() const { return data_->filePath(QLatin1String(HELP_FILE_NAME)); }

    std::unique_ptr<QTemporaryDir> data_;
    std::unique_ptr<QTemporaryDir> nowhere_;
    std::unique_ptr<LoopbackHttpServer> server_;
    std::unique_ptr<LoopbackHelpDownload> download_;
    std::unique_ptr<HelpSystem> help_;
    QStringList messages_;
    QString path_;
};

void HelpDownloadTest::init() {
    data_ = std::make_unique<QTemporaryDir>();
    nowhere_ = std::make_unique<QTemporaryDir>();
    server_ = std::make_unique<LoopbackHttpServer>();
    download_ = std::make_unique<LoopbackHelpDownload>(data_->filePath(QStringLiteral("tmp.tmp")));
    messages_.clear();
    const QString url = HelpDownloadUrl(server_->Base().toString());
    path_ = QUrl(url).path();
    HelpSystem::Setup setup;
    setup.helpFolders = {nowhere_->path(), data_->path()};
    setup.downloadTarget = Target();
    setup.downloadUrl = url;
    setup.collectionFile = data_->filePath(QStringLiteral("cache/hilfe.qhc"));
    setup.inform = [this](const QString& text) { messages_ << text; };
    help_ = std::make_unique<HelpSystem>(std::move(setup), *download_);
    QVERIFY(!help_->FindHelpFile());
}

void HelpDownloadTest::ClickDownload() {
    help_->OfferDownloadIfMissing();
    QVERIFY(help_->DownloadWindow());
    QTest::mouseClick(help_->DownloadWindow()->findChild<QPushButton*>(QStringLiteral("BDownload")),
                      Qt::LeftButton);
}

void HelpDownloadTest::theHelpFileArrivesAndWorksAtOnce() {
    const QByteArray help = BuiltHelp();
    QVERIFY(help.size() > 1000);
    server_->SetRoute(path_, {200, help, LoopbackHttpServer::Behaviour::Answer});
    QVERIFY(path_.startsWith(QStringLiteral("/downloads/")));
    QVERIFY(path_.endsWith(QStringLiteral("mentaxHilfe.qch")));

    ClickDownload();
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('|')));
    QVERIFY(server_->Requests(path_) >= 1);
    QVERIFY(IsOurHelpFile(Target()));
    QVERIFY(help_->DownloadWindow()->findChild<QLabel*>(QStringLiteral("ImgHaken"))->isVisible());
    QVERIFY(!help_->HelpFileMissing());

    help_->ShowHelpContext(TrainingCentre);
    QVERIFY(help_->Window() && help_->Window()->isVisible());
    QCOMPARE(help_->Window()->CurrentTopic().fileName(), QStringLiteral("trainingszentrum.html"));
}

void HelpDownloadTest::anErrorPageNeverBecomesTheHelp_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("not found") << 404 << QByteArray("<html>Nicht gefunden</html>");
    QTest::newRow("error page sent as success")
        << 200 << QByteArray("<html>Wartungsarbeiten</html>");
}

void HelpDownloadTest::anErrorPageNeverBecomesTheHelp() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    server_->SetRoute(path_, {status, body, LoopbackHttpServer::Behaviour::Answer});
    ClickDownload();
    QCOMPARE(messages_, QStringList{HelpDownloadWindow::DOWNLOAD_FAILED});
    QVERIFY(!QFile::exists(Target()));
    QVERIFY(help_->HelpFileMissing());
    QVERIFY(!help_->DownloadWindow()
                 ->findChild<QLabel*>(QStringLiteral("ImgHaken"))
                 ->isVisibleTo(help_->DownloadWindow()));
    // Nothing of the attempt is left in the data folder.
    const QStringList left = QDir(data_->path()).entryList(QDir::Files);
    QVERIFY2(left.isEmpty() || left == QStringList{QStringLiteral("tmp.tmp")},
             qPrintable(left.join(',')));
}

QTEST_MAIN(HelpDownloadTest)
#include "help_download_test.moc"
