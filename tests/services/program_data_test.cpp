// Where the program finds its read-only data: the build tree's share/tavexo
// for a program run from the build, the XDG data folders in their order,
// nothing that is not a folder or a regular file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "services/program_data.h"

using namespace tavexo;

class ProgramDataTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void theBuildTreesDataIsFound();
    void dataFoldersFollowTheXdgOrder();
    void onlyRegularFilesCount_data();
    void onlyRegularFilesCount();

  private:
    QByteArray savedDataHome_;
    QByteArray savedDataDirs_;
};

namespace {

bool Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("RIFF") == 4;
}

}  // namespace

void ProgramDataTest::init() {
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
    savedDataDirs_ = qgetenv("XDG_DATA_DIRS");
}

void ProgramDataTest::cleanup() {
    qputenv("XDG_DATA_HOME", savedDataHome_);
    qputenv("XDG_DATA_DIRS", savedDataDirs_);
}

void ProgramDataTest::theBuildTreesDataIsFound() {
    // The tests see the build tree through XDG_DATA_DIRS, as CTest sets it.
    QCOMPARE(QFileInfo(FindProgramData(QStringLiteral("help/mentaxHilfe.qch"))).absoluteFilePath(),
             QFileInfo(QStringLiteral(TAVEXO_STAGED_DATA_DIR "/help/mentaxHilfe.qch"))
                 .absoluteFilePath());
    QVERIFY(FindProgramData(QStringLiteral("sounds/card.wav"))
                .startsWith(QStringLiteral(TAVEXO_STAGED_DATA_DIR)));
    QCOMPARE(FindProgramData(QStringLiteral("sounds/none.wav")), QString());
}

void ProgramDataTest::dataFoldersFollowTheXdgOrder() {
    QTemporaryDir home, first, second, without;
    QVERIFY(Touch(first.filePath(QStringLiteral("tavexo/sounds/card.wav"))));
    QVERIFY(Touch(second.filePath(QStringLiteral("tavexo/sounds/card.wav"))));
    QVERIFY(Touch(second.filePath(QStringLiteral("tavexo/help/mentaxHilfe.qch"))));
    QVERIFY(Touch(home.filePath(QStringLiteral("tavexo/sounds/bj.wav"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(without.path() + QLatin1Char(':') + first.path() +
                                               QLatin1Char(':') + second.path()));

    const QStringList folders = ProgramDataFolders();
    // A folder without "tavexo" is left out; the user's own comes first.
    const QStringList expected = {home.filePath(QStringLiteral("tavexo")),
                                  first.filePath(QStringLiteral("tavexo")),
                                  second.filePath(QStringLiteral("tavexo"))};
    QCOMPARE(folders.mid(folders.size() - 3), expected);
    QCOMPARE(FindProgramData(QStringLiteral("sounds/card.wav")),
             first.filePath(QStringLiteral("tavexo/sounds/card.wav")));
    QCOMPARE(FindProgramData(QStringLiteral("help/mentaxHilfe.qch")),
             second.filePath(QStringLiteral("tavexo/help/mentaxHilfe.qch")));
    QCOMPARE(FindProgramData(QStringLiteral("sounds/bj.wav")),
             home.filePath(QStringLiteral("tavexo/sounds/bj.wav")));
}

void ProgramDataTest::onlyRegularFilesCount_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("a FIFO") << QStringLiteral("fifo");
    QTest::newRow("a link to a device") << QStringLiteral("device");
    QTest::newRow("a dangling link") << QStringLiteral("dangling");
}

void ProgramDataTest::onlyRegularFilesCount() {
    // Something that is not a file in the first folder must not hide the
    // real file in the next, nor be opened (a FIFO would block the start).
    QFETCH(QString, kind);
    QTemporaryDir first, second;
    const QString odd = first.filePath(QStringLiteral("tavexo/sounds/card.wav"));
    QVERIFY(QDir().mkpath(QFileInfo(odd).absolutePath()));
    if (kind == QLatin1String("folder")) QVERIFY(QDir().mkpath(odd));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(odd).constData(), 0600), 0);
    if (kind == QLatin1String("device")) QVERIFY(QFile::link(QStringLiteral("/dev/zero"), odd));
    if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(first.filePath(QStringLiteral("gone")), odd));
    QVERIFY(Touch(second.filePath(QStringLiteral("tavexo/sounds/card.wav"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(first.filePath(QStringLiteral("empty"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(first.path() + QLatin1Char(':') + second.path()));
    QCOMPARE(FindProgramData(QStringLiteral("sounds/card.wav")),
             second.filePath(QStringLiteral("tavexo/sounds/card.wav")));
}

QTEST_GUILESS_MAIN(ProgramDataTest)
#include "program_data_test.moc"
