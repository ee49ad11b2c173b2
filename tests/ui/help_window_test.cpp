// The help as the user meets it: F1 and help buttons open the right topic,
// contents, index and search work, the font size stays, a missing help file
// leads to the download window (and a present one never does), and the info
// window writes mail through the desktop.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "ui/help/help_browser.h"
#include "ui/help/help_context.h"
#include "ui/help/help_download.h"
#include "ui/help/help_download_window.h"
#include "ui/help/help_file_locator.h"
#include "ui/help/help_request.h"
#include "ui/help/help_system.h"
#include "ui/help/help_window.h"
#include "ui/help/info_window.h"

using namespace tavexo::help;

namespace {

QString BuiltHelpFile() {
    return FindHelpFile(StandardHelpFolders(QString()));
}

// Stands in for the program's download service: offline, or a server that
// answers with the given file (or with an error page when none is given).
class FakeDownload : public HelpDownloadService {
  public:
    bool online = true;
    QString serves;  // a file to hand out; empty: an error page
    int calls = 0;
    QString lastUrl;

    bool IsOnline() override { return online; }
    bool DownloadToFile(const QString& url, const QString& target) override {
        ++calls;
        lastUrl = url;
        if (!serves.isEmpty()) return QFile::copy(serves, target);
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly)) return false;
        file.write("<html><body>404 Not Found</body></html>");
        return true;
    }
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  public slots:
    void OpenMail(const QUrl& url) { openedUrls_ << url; }

  private slots:
    void init();
    void cleanup();

    void f1OpensTheTopicOfTheFocusedControl();
    void f1FallsBackToTheWindowsContext();
    void helpButtonsActAsF1AndQuestionMarksOpenTheirOwnTopic();
    void searchOpensEmptyAndFindsZaehlwert();
    void contentsShowTheStartPageAndTheTopics();
    void indexLeadsToItsTopic();
    void backAndForwardWalkTheHistory();
    void fontSizeIsKeptForTheNextStart();
    void aPresentHelpFileNeverOffersTheDownload();
    void aMissingHelpFileLeadsToTheDownloadWindow();
    void anUnwritableCacheStillShowsTheHelp();
    void downloadWithoutConnectionStopsWithAMessage();
    void aBrokenDownloadReplacesNothing();
    void aGoodDownloadMakesF1WorkAtOnce();
    void infoWindowShowsVersionAndWritesMail();

  private:
    std::unique_ptr<HelpSystem> MakeHelp(QStringList folders);
    HelpWindow* Shown() const {
        return help_ && help_->Window() && help_->Window()->isVisible() ? help_->Window() : nullptr;
    }
    QString ShownPage() const { return Shown() ? Shown()->CurrentTopic().fileName() : QString(); }

    QTemporaryDir data_;
    FakeDownload download_;
    QStringList messages_;
    QList<QUrl> openedUrls_;
    std::unique_ptr<QWidget> table_;
    std::unique_ptr<HelpSystem> help_;
};

void HelpWindowTest::init() {
    QVERIFY(data_.isValid());
    QVERIFY(!BuiltHelpFile().isEmpty());
    download_ = FakeDownload();
    messages_.clear();
    openedUrls_.clear();
    table_ = std::make_unique<QWidget>();
    table_->setWindowTitle(QStringLiteral("Tisch"));
    SetHelpContext(table_.get(), TableWindow);
    table_->resize(800, 600);
    table_->show();
    QVERIFY(QTest::qWaitForWindowExposed(table_.get()));
}

void HelpWindowTest::cleanup() {
    help_.reset();
    table_.reset();
    QFile::remove(data_.filePath(QLatin1String(HELP_FILE_NAME)));
}

std::unique_ptr<HelpSystem> HelpWindowTest::MakeHelp(QStringList folders) {
    HelpSystem::Setup setup;
    setup.helpFolders = std::move(folders);
    setup.downloadTarget = data_.filePath(QLatin1String(HELP_FILE_NAME));
    setup.downloadUrl = HelpDownloadUrl(QStringLiteral("https://downloads.tavexo.example/"));
    setup.collectionFile = data_.filePath(QStringLiteral("cache/hilfe.qhc"));
    setup.inform = [this](const QString& text) { messages_ << text; };
    auto help = std::make_unique<HelpSystem>(std::move(setup), download_);
    help->SetMainWindow(table_.get());
    return help;
}

void HelpWindowTest::f1OpensTheTopicOfTheFocusedControl() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    // A part of the window with a topic of its own, as the history grid has.
    auto* history = new QLineEdit(table_.get());
    SetHelpContext(history, HistoryGrid);
    auto* inner = new QLineEdit(history);  // a control inside that part
    history->show();
    inner->show();
    inner->setFocus();
    QTest::keyClick(inner, Qt::Key_F1);
    QVERIFY(Shown());
    QCOMPARE(ShownPage(), QStringLiteral("verlauf.html"));
}

void HelpWindowTest::f1FallsBackToTheWindowsContext() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    auto* plain = new QLineEdit(table_.get());
    plain->show();
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_F1);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));

    // A window that declares nothing at all gets the main window's topic.
    QWidget bare;
    auto* field = new QLineEdit(&bare);
    bare.show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));

    // A window of its own: the drill.
    QWidget drill;
    SetHelpContext(&drill, CountingDrill);
    auto* box = new QPushButton(QStringLiteral("Starten"), &drill);
    drill.show();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    QCOMPARE(ShownPage(), QStringLiteral("ueben.html"));
}

void HelpWindowTest::helpButtonsActAsF1AndQuestionMarksOpenTheirOwnTopic() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    QWidget statistics;
    SetHelpContext(&statistics, StatisticsWindow);
    auto* detail = new QLineEdit(&statistics);
    SetHelpContext(detail, DetailStatistics);
    auto* helpButton = new QPushButton(QStringLiteral("?"), &statistics);
    helpButton->setFocusPolicy(Qt::NoFocus);  // as a tool button: the focus stays where it was
    QObject::connect(helpButton, &QPushButton::clicked, helpButton,
                     [helpButton] { RequestHelp(helpButton); });
    statistics.show();
    QVERIFY(QTest::qWaitForWindowActive(&statistics));

    // Nothing focused in the window: the window's topic.
    statistics.setFocus();
    QTest::mouseClick(helpButton, Qt::LeftButton);
    QCOMPARE(ShownPage(), QStringLiteral("statistik.html"));

    // The detail grid has the focus: its topic.
    statistics.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&statistics));
    detail->setFocus();
    QTest::mouseClick(helpButton, Qt::LeftButton);
    QCOMPARE(ShownPage(), QStringLiteral("auswertung.html"));

    // A "?" label beside one setting opens its own number directly.
    RequestHelpContext(&statistics, BetRamp);
    QCOMPARE(ShownPage(), QStringLiteral("einsatz.html"));
    help_->ShowHelpContext(DeviationReaction);
    QCOMPARE(ShownPage(), QStringLiteral("abweichung.html"));
    // An unknown number still opens a real page rather than nothing.
    help_->ShowHelpContext(4711);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));
}

void HelpWindowTest::searchOpensEmptyAndFindsZaehlwert() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowSearch();
    HelpWindow* window = Shown();
    QVERIFY(window);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("&Suche"));
    auto* query = window->findChild<QLineEdit*>(QStringLiteral("ESuche"));
    QVERIFY(query->text().isEmpty());
    QTRY_VERIFY(query->hasFocus());

    auto* results = window->findChild<QListWidget*>(QStringLiteral("GTreffer"));
    auto* status = window->findChild<QLabel*>(QStringLiteral("LTreffer"));
    query->setText(QStringLiteral("Zählwert"));  // keyClicks takes ASCII only
    QTest::keyClick(query, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(results->count() > 0, 20000);
    QVERIFY2(status->text().endsWith(QStringLiteral("Treffer")), qPrintable(status->text()));
    QStringList titles;
    for (int i = 0; i < results->count(); ++i) titles << results->item(i)->text();
    QVERIFY2(titles.contains(QStringLiteral("Hi-Lo: laufender und wahrer Zählwert")),
             qPrintable(titles.join('|')));

    // Activating a hit shows its page.
    const int hilo = titles.indexOf(QStringLiteral("Hi-Lo: laufender und wahrer Zählwert"));
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                      results->visualItemRect(results->item(hilo)).center());
    QCOMPARE(ShownPage(), QStringLiteral("hilo.html"));

    // Opening the search again starts from an empty query.
    help_->ShowSearch();
    QVERIFY(query->text().isEmpty());
    QCOMPARE(results->count(), 0);

    query->setText(QStringLiteral("Quantenschaum"));
    QTest::keyClick(query, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("Keine Treffer")), 20000);
}

void HelpWindowTest::contentsShowTheStartPageAndTheTopics() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowContents();
    HelpWindow* window = Shown();
    QVERIFY(window);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(ShownPage(), QStringLiteral("uebersicht.html"));
    QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Willkommen bei Tavexo")));

    auto* contents = window->findChild<QHelpContentWidget*>(QStringLiteral("HelpContents"));
    QTRY_VERIFY(contents->model()->rowCount() > 0);
    const QModelIndex root = contents->model()->index(0, 0);
    QTRY_VERIFY(contents->model()->rowCount(root) >= 6);
    const QModelIndex table = contents->model()->index(0, 0, root);
    QCOMPARE(table.data().toString(), QStringLiteral("Der Spieltisch"));
    emit contents->activated(table);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));
    // The page's picture comes out of the help file too.
    const QUrl picture = window->CurrentTopic().resolved(QUrl(QStringLiteral("bilder/tisch.png")));
    QVERIFY(window->Browser()
                ->loadResource(QTextDocument::ImageResource, picture)
                .toByteArray()
                .startsWith("\x89PNG"));
}

void HelpWindowTest::indexLeadsToItsTopic() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowContents();
    HelpWindow* window = Shown();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
    tabs->setCurrentIndex(1);
    auto* filter = window->findChild<QLineEdit*>(QStringLiteral("EIndex"));
    auto* index = window->findChild<QHelpIndexWidget*>(QStringLiteral("HelpIndex"));
    QTRY_VERIFY(index->model()->rowCount() > 20);  // the index is built in the background
    QTest::keyClicks(filter, QStringLiteral("Versicherungss"));
    QTest::keyClick(filter, Qt::Key_Return);
    QTRY_COMPARE(ShownPage(), QStringLiteral("versicherung.html"));
}

void HelpWindowTest::backAndForwardWalkTheHistory() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowHelpContext(TableWindow);
    help_->ShowHelpContext(BetRamp);
    HelpWindow* window = Shown();
    auto* back = window->findChild<QPushButton*>(QStringLiteral("BZurueck"));
    auto* forward = window->findChild<QPushButton*>(QStringLiteral("BVor"));
    QVERIFY(back->isEnabled());
    QVERIFY(!forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));
    QVERIFY(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(ShownPage(), QStringLiteral("einsatz.html"));
}

void HelpWindowTest::fontSizeIsKeptForTheNextStart() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowHelpContext(TableWindow);
    HelpWindow* window = Shown();
    const qreal normal = window->Browser()->font().pointSizeF();
    auto* larger = window->findChild<QPushButton*>(QStringLiteral("BGroesser"));
    QTest::mouseClick(larger, Qt::LeftButton);
    QTest::mouseClick(larger, Qt::LeftButton);
    QCOMPARE(window->Browser()->font().pointSizeF(), normal + 2);

    help_.reset();
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    help_->ShowHelpContext(TableWindow);
    QCOMPARE(Shown()->Browser()->ZoomStep(), 2);
    QCOMPARE(Shown()->Browser()->font().pointSizeF(), normal + 2);
    auto* smaller = Shown()->findChild<QPushButton*>(QStringLiteral("BKleiner"));
    for (int i = 0; i < 10; ++i)
        if (smaller->isEnabled()) QTest::mouseClick(smaller, Qt::LeftButton);
    QCOMPARE(Shown()->Browser()->ZoomStep(), HelpBrowser::MIN_ZOOM_STEP);
    QCOMPARE(Shown()->Browser()->font().pointSizeF(), 9.0);  // the smallest readable size
}

void HelpWindowTest::aPresentHelpFileNeverOffersTheDownload() {
    help_ = MakeHelp(StandardHelpFolders(data_.path()));
    QVERIFY(help_->FindHelpFile());
    QVERIFY(!help_->HelpFileMissing());
    help_->OfferDownloadIfMissing();
    help_->ShowHelpContext(TableWindow);
    help_->ShowSearch();
    QVERIFY(help_->DownloadWindow() == nullptr);
    QCOMPARE(download_.calls, 0);
}

void HelpWindowTest::aMissingHelpFileLeadsToTheDownloadWindow() {
    QTemporaryDir nowhere;
    help_ = MakeHelp({nowhere.path(), data_.path()});
    QVERIFY(!help_->FindHelpFile());
    QVERIFY(help_->HelpFileMissing());
    help_->OfferDownloadIfMissing();
    HelpDownloadWindow* offer = help_->DownloadWindow();
    QVERIFY(offer);
    QVERIFY(offer->isVisible());
    QCOMPARE(offer->windowTitle(), QStringLiteral("Tavexo"));
    QCOMPARE(offer->size(), QSize(341, 200));
    QCOMPARE(offer->findChild<QLabel*>(QStringLiteral("LHinweis"))->text(),
             QStringLiteral("Hinweis auf fehlende Hilfe-Datei"));
    QCOMPARE(
        offer->findChild<QLabel*>(QStringLiteral("LText"))->text(),
        QStringLiteral(
            "Die fehlende Datei mentaxHilfe.qch kann über \"Download\" heruntergeladen werden."));
    QVERIFY(!offer->findChild<QLabel*>(QStringLiteral("ImgHaken"))->isVisible());
    QCOMPARE(HelpContextOf(offer), MissingHelpFile);

    // F1 without a help file offers the same window again, not a second one.
    help_->ShowHelpContext(TableWindow);
    QCOMPARE(help_->DownloadWindow(), offer);
    QVERIFY(help_->Window() == nullptr);

    QTest::mouseClick(offer->findChild<QPushButton*>(QStringLiteral("BSchliessen")),
                      Qt::LeftButton);
    QTRY_VERIFY(help_->DownloadWindow() == nullptr);  // closing destroys it
}

void HelpWindowTest::anUnwritableCacheStillShowsTheHelp() {
    HelpSystem::Setup setup;
    setup.helpFolders = StandardHelpFolders(data_.path());
    // A collection below a plain file can never be created.
    QTemporaryDir elsewhere;
    QFile blocker(elsewhere.filePath(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    setup.collectionFile = elsewhere.filePath(QStringLiteral("blocked/hilfe.qhc"));
    help_ = std::make_unique<HelpSystem>(std::move(setup), download_);
    help_->SetMainWindow(table_.get());
    QVERIFY(help_->FindHelpFile());
    help_->ShowHelpContext(CountingDrill);
    QCOMPARE(ShownPage(), QStringLiteral("ueben.html"));
    QVERIFY(help_->DownloadWindow() == nullptr);
}

void HelpWindowTest::downloadWithoutConnectionStopsWithAMessage() {
    QTemporaryDir nowhere;
    help_ = MakeHelp({nowhere.path(), data_.path()});
    QVERIFY(!help_->FindHelpFile());
    download_.online = false;
    help_->ShowDownloadWindow();
    QTest::mouseClick(help_->DownloadWindow()->findChild<QPushButton*>(QStringLiteral("BDownload")),
                      Qt::LeftButton);
    QCOMPARE(
        messages_,
        QStringList{QStringLiteral(
            "Für den Download muss eine Verbindung zum Internet bestehen.\n\nIch breche ab.")});
    QCOMPARE(download_.calls, 0);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void HelpWindowTest::aBrokenDownloadReplacesNothing() {
    QTemporaryDir nowhere;
    help_ = MakeHelp({nowhere.path(), data_.path()});
    QVERIFY(!help_->FindHelpFile());
    help_->ShowDownloadWindow();
    HelpDownloadWindow* offer = help_->DownloadWindow();
    QTest::mouseClick(offer->findChild<QPushButton*>(QStringLiteral("BDownload")), Qt::LeftButton);
    QCOMPARE(download_.calls, 1);
    QCOMPARE(messages_,
             QStringList{QStringLiteral(
                 "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.")});
    QVERIFY(!QFile::exists(data_.filePath(QLatin1String(HELP_FILE_NAME))));
    QCOMPARE(QDir(data_.path()).entryList(QDir::Files), QStringList{});
    QVERIFY(!offer->findChild<QLabel*>(QStringLiteral("ImgHaken"))->isVisibleTo(offer));
    QVERIFY(offer->isVisible());  // open for another try
    QVERIFY(help_->HelpFileMissing());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void HelpWindowTest::aGoodDownloadMakesF1WorkAtOnce() {
    QTemporaryDir nowhere;
    help_ = MakeHelp({nowhere.path(), data_.path()});
    QVERIFY(!help_->FindHelpFile());
    download_.serves = BuiltHelpFile();
    help_->ShowDownloadWindow();
    HelpDownloadWindow* offer = help_->DownloadWindow();
    QTest::mouseClick(offer->findChild<QPushButton*>(QStringLiteral("BDownload")), Qt::LeftButton);
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('|')));
    QCOMPARE(download_.lastUrl,
             QStringLiteral(
                 "https://downloads.tavexo.example/downloads/k7w2d9x4m1q8c5v3h6mentaxHilfe.qch"));
    QVERIFY(IsOurHelpFile(data_.filePath(QLatin1String(HELP_FILE_NAME))));
    QVERIFY(offer->findChild<QLabel*>(QStringLiteral("ImgHaken"))->isVisible());
    QVERIFY(!help_->HelpFileMissing());

    auto* field = new QLineEdit(table_.get());
    field->show();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    QCOMPARE(ShownPage(), QStringLiteral("tisch.html"));
}

void HelpWindowTest::infoWindowShowsVersionAndWritesMail() {
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "OpenMail");
    QPointer<InfoWindow> info = new InfoWindow(table_.get());
    info->show();
    QCOMPARE(info->windowTitle(), QStringLiteral("Tavexo"));
    QCOMPARE(info->size(), QSize(400, 300));
    QVERIFY((info->frameGeometry().center() - table_->frameGeometry().center()).manhattanLength() <=
            4);
    QCOMPARE(HelpContextOf(info), TableWindow);
    QCOMPARE(info->findChild<QLabel*>(QStringLiteral("LVersion"))->text(),
             QStringLiteral("Version 1.1.1.0"));
    for (const char* name : {"LName", "LStrasse", "LPLZOrt", "LTelefon", "LFax", "LMail"})
        QVERIFY2(!info->findChild<QLabel*>(QLatin1String(name))->text().isEmpty(), name);

    auto* mail = info->findChild<QLabel*>(QStringLiteral("LMail"));
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(info->findChild<QLabel*>(QStringLiteral("LName"))->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(mail, Qt::LeftButton);
    QCOMPARE(openedUrls_,
             QList<QUrl>{QUrl(QStringLiteral("mailto:service@tavexo.example?subject=Tavexo"))});
    mail->setFocus();
    QTest::keyClick(mail, Qt::Key_Return);
    QCOMPARE(openedUrls_.size(), 2);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    // Closing it while the mouse is over the mail address leaves no hand
    // cursor behind, and the window goes.
    QTest::mouseMove(mail);
    QTest::mouseClick(info->findChild<QPushButton*>(QStringLiteral("BSchliessen")), Qt::LeftButton);
    QTRY_VERIFY(info.isNull());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
