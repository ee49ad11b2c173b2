// The built help file as the program reads it: every context number leads to
// a real topic, the full-text search works, and the lookup finds the file
// only where it really is.
#include <QDir>
#include <QFile>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "stats/grid_layouts.h"
#include "ui/help/help_catalog.h"
#include "ui/help/help_context.h"
#include "ui/help/help_file_locator.h"

using namespace tavexo::help;

namespace {

// The help file the build made (the first standard folder that has one).
QString BuiltHelpFile() {
    return FindHelpFile(StandardHelpFolders(QString()));
}

QStringList SearchTitles(HelpCatalog& catalog, const QString& query) {
    QHelpSearchEngine* search = catalog.Engine().searchEngine();
    QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
    search->search(query);
    if (done.isEmpty() && !done.wait(10000)) return {QStringLiteral("<search timed out>")};
    QStringList titles;
    for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
        titles << r.url().fileName();
    return titles;
}

}  // namespace

class HelpCatalogTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QVERIFY(cache_.isValid()); }
    void theBuildMadeTheHelpFile();
    void everyContextLeadsToARealTopic_data();
    void everyContextLeadsToARealTopic();
    void anUnknownContextLeadsNowhere();
    void everyStatisticsColumnIsInTheIndex();
    void searchFindsTheCountingWords();
    void lookupFindsOnlyOurHelpFile();
    void lookupTakesTheFirstFolderThatHasIt();
    void openingAnotherCopyReplacesTheRegisteredOne();

  private:
    QTemporaryDir cache_;
};

void HelpCatalogTest::theBuildMadeTheHelpFile() {
    const QString file = BuiltHelpFile();
    QVERIFY2(!file.isEmpty(), "no mentaxHilfe.qch in the build tree");
    QVERIFY(IsOurHelpFile(file));
}

void HelpCatalogTest::everyContextLeadsToARealTopic_data() {
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("heading");
    const struct {
        int context;
        const char* page;
        const char* heading;
    } rows[] = {
        {OptionsDialog, "optionen.html", "Optionen und Regeln"},
        {ProfilesDialog, "profile.html", "Spielerprofile"},
        {HistoryGrid, "verlauf.html", "Der Spielverlauf"},
        {UsingHelp, "hilfe.html", "Die Hilfe benutzen"},
        {MissingHelpFile, "hilfedatei.html", "Die Hilfe-Datei fehlt"},
        {UpdateWindow, "update.html", "Gibt es Neues?"},
        {TableWindow, "tisch.html", "Der Spieltisch"},
        {CountingDrill, "ueben.html", "Zählen üben"},
        {DeckEstimation, "decks-schaetzen.html", "Decks schätzen"},
        {TrueCountDrill, "wahrer-zaehlwert.html", "Wahrer Zählwert"},
        {IndexPlays, "indexspiele.html", "Indexspiele"},
        {PaceFinding, "tempo-finden.html", "Tempo finden"},
        {DetailStatistics, "auswertung.html", "Detailstatistik"},
        {StatisticsWindow, "statistik.html", "Verläufe und Statistiken"},
        {DeviationReaction, "abweichung.html", "Reaktion auf Strategieabweichung"},
        {TrainingCentre, "trainingszentrum.html", "Das Trainingszentrum"},
        {BetRamp, "einsatz.html", "Einsatzsteigerung"},
    };
    QCOMPARE(std::size(rows), ALL_HELP_CONTEXTS.size());
    for (const auto& row : rows)
        QTest::newRow(QByteArray::number(row.context).constData())
            << row.context << QString::fromLatin1(row.page) << QString::fromUtf8(row.heading);
}

void HelpCatalogTest::everyContextLeadsToARealTopic() {
    QFETCH(int, context);
    QFETCH(QString, page);
    QFETCH(QString, heading);
    QVERIFY(std::find(ALL_HELP_CONTEXTS.begin(), ALL_HELP_CONTEXTS.end(), context) !=
            ALL_HELP_CONTEXTS.end());

    HelpCatalog catalog(cache_.filePath(QStringLiteral("hilfe.qhc")));
    QVERIFY(catalog.Open(BuiltHelpFile()));
    const QUrl topic = catalog.TopicOf(context);
    QCOMPARE(topic.fileName(), page);
    const QString html = QString::fromUtf8(catalog.Engine().fileData(topic));
    QVERIFY2(html.contains(QStringLiteral("<h1>")), qPrintable(topic.toString()));
    QVERIFY2(html.contains(heading), qPrintable(heading));
}

void HelpCatalogTest::anUnknownContextLeadsNowhere() {
    HelpCatalog catalog(cache_.filePath(QStringLiteral("hilfe.qhc")));
    QVERIFY(catalog.TopicOf(TableWindow).isEmpty());  // nothing opened yet
    QVERIFY(catalog.Open(BuiltHelpFile()));
    QVERIFY(catalog.TopicOf(4711).isEmpty());
    QVERIFY(!catalog.Engine().fileData(catalog.StartPage()).isEmpty());
}

void HelpCatalogTest::everyStatisticsColumnIsInTheIndex() {
    HelpCatalog catalog(cache_.filePath(QStringLiteral("hilfe.qhc")));
    QVERIFY(catalog.Open(BuiltHelpFile()));
    // What a user who wonders about a column's caption types into the index.
    QList<QPair<const char*, QString>> captions;
    for (const char* title : tavexo::HISTORY_TITLES)
        captions.append({title, QStringLiteral("verlauf.html")});
    for (const char* title : tavexo::DETAIL_TITLES)
        captions.append({title, QStringLiteral("auswertung.html")});
    QStringList missing;
    for (const auto& [caption, page] : captions) {
        const QString keyword = QString::fromUtf8(caption);
        bool found = false;
        for (const QHelpLink& link : catalog.Engine().documentsForKeyword(keyword))
            found = found || link.url.fileName() == page;
        if (!found) missing << keyword;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
}

void HelpCatalogTest::searchFindsTheCountingWords() {
    HelpCatalog catalog(cache_.filePath(QStringLiteral("hilfe.qhc")));
    QHelpSearchEngine* search = catalog.Engine().searchEngine();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    QVERIFY(catalog.Open(BuiltHelpFile()));
    QVERIFY(indexed.wait(20000));

    const QStringList zaehlwert = SearchTitles(catalog, QStringLiteral("Zählwert"));
    QVERIFY2(zaehlwert.contains(QStringLiteral("hilo.html")), qPrintable(zaehlwert.join(',')));
    QVERIFY(zaehlwert.contains(QStringLiteral("tabellen.html")));
    QVERIFY(
        SearchTitles(catalog, QStringLiteral("Cut Card")).contains(QStringLiteral("hilo.html")));
    QVERIFY(SearchTitles(catalog, QStringLiteral("Quantenschaum")).isEmpty());
}

void HelpCatalogTest::lookupFindsOnlyOurHelpFile() {
    QTemporaryDir folder;
    QVERIFY(FindHelpFile({folder.path()}).isEmpty());

    // A broken download under the right name is no help file.
    QFile junk(folder.filePath(QLatin1String(HELP_FILE_NAME)));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("<html>404 Not Found</html>");
    junk.close();
    QVERIFY(FindHelpFile({folder.path()}).isEmpty());

    QVERIFY(QFile::remove(junk.fileName()));
    QVERIFY(QFile::copy(BuiltHelpFile(), junk.fileName()));
    QCOMPARE(FindHelpFile({folder.path()}),
             QDir(folder.path()).absoluteFilePath(QLatin1String(HELP_FILE_NAME)));
}

void HelpCatalogTest::lookupTakesTheFirstFolderThatHasIt() {
    QTemporaryDir empty, first, second;
    for (QTemporaryDir* d : {&first, &second})
        QVERIFY(QFile::copy(BuiltHelpFile(), d->filePath(QLatin1String(HELP_FILE_NAME))));
    const QString found = FindHelpFile({empty.path(), first.path(), second.path()});
    QCOMPARE(QFileInfo(found).absolutePath(), QFileInfo(first.path()).absoluteFilePath());

    // The program's data folders first (for the tests, the build tree's, as
    // for a program run from the build), the user's data folder last.
    const QStringList standard = StandardHelpFolders(QStringLiteral("/data/Tavexo"));
    QCOMPARE(standard.first(), QDir::cleanPath(QStringLiteral(TAVEXO_STAGED_DATA_DIR "/help")));
    QCOMPARE(standard.last(), QStringLiteral("/data/Tavexo"));
}

void HelpCatalogTest::openingAnotherCopyReplacesTheRegisteredOne() {
    QTemporaryDir copyFolder;
    const QString copy = copyFolder.filePath(QLatin1String(HELP_FILE_NAME));
    QVERIFY(QFile::copy(BuiltHelpFile(), copy));
    const QString collection = cache_.filePath(QStringLiteral("hilfe.qhc"));
    {
        HelpCatalog catalog(collection);
        QVERIFY(catalog.Open(BuiltHelpFile()));
    }
    HelpCatalog catalog(collection);
    QVERIFY(catalog.Open(copy));
    QCOMPARE(catalog.Engine().registeredDocumentations(),
             QStringList{QStringLiteral("tavexo.hilfe")});
    QCOMPARE(QFileInfo(catalog.Engine().documentationFileName(QStringLiteral("tavexo.hilfe")))
                 .absoluteFilePath(),
             QFileInfo(copy).absoluteFilePath());
    QVERIFY(!catalog.TopicOf(TableWindow).isEmpty());

    // A file that is not our help is refused and the open one stays.
    QVERIFY(!catalog.Open(collection));
    QCOMPARE(catalog.HelpFile(), QFileInfo(copy).absoluteFilePath());
}

QTEST_MAIN(HelpCatalogTest)
#include "help_catalog_test.moc"
