// The clean-up script after an update runs in a real shell: it removes the
// program, its empty folder and itself, and no path can make it run a
// command, whatever characters the path holds.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "services/self_replace.h"

using namespace tavexo;

class SelfReplaceTest : public QObject {
    Q_OBJECT
  private slots:
    void removesProgramFolderAndItself_data();
    void removesProgramFolderAndItself();
    void aFolderWithOtherFilesStays();
};

namespace {

// The process id of a process that has already ended.
qint64 EndedProcess() {
    QProcess process;
    process.start(QStringLiteral("/bin/true"), {});
    process.waitForFinished();
    return process.processId() != 0 ? process.processId() : 999999;
}

bool Touch(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

int RunScript(const SelfReplacePaths& paths, const QString& workDir) {
    QFile script(paths.script);
    if (!script.open(QIODevice::WriteOnly)) return -1;
    script.write(SelfReplaceScript(paths));
    script.close();
    QProcess shell;
    shell.setWorkingDirectory(workDir);
    shell.start(QStringLiteral("/bin/sh"), {paths.script});
    shell.waitForFinished(60000);
    return shell.exitCode();
}

}  // namespace

void SelfReplaceTest::removesProgramFolderAndItself_data() {
    QTest::addColumn<QString>("folderName");
    QTest::newRow("plain") << QStringLiteral("tavexo");
    QTest::newRow("spaces") << QStringLiteral("Meine Programme/Tavexo 1.1");
    QTest::newRow("quotes") << QStringLiteral("it's \"here\"");
    QTest::newRow("command substitution") << QStringLiteral("$(touch PWNED) `touch PWNED2`");
    QTest::newRow("newline") << QStringLiteral("two\nlines; touch PWNED3");
    QTest::newRow("semicolon and ampersand") << QStringLiteral("a;touch PWNED4&b|c");
}

void SelfReplaceTest::removesProgramFolderAndItself() {
    QFETCH(QString, folderName);
    QTemporaryDir root;
    const QString folder = root.filePath(folderName);
    QVERIFY(QDir().mkpath(folder));
    SelfReplacePaths paths;
    paths.program = folder + QStringLiteral("/tavexo ' $(touch PWNED5)");
    paths.programFolder = folder;
    paths.script = root.filePath(QStringLiteral("uis 'x'.sh"));
    paths.pid = EndedProcess();
    QVERIFY(Touch(paths.program));

    QCOMPARE(RunScript(paths, root.path()), 0);
    QVERIFY(!QFile::exists(paths.program));
    QVERIFY(!QDir(folder).exists());
    QVERIFY(!QFile::exists(paths.script));
    // Nothing ran: no file the "commands" in the paths would have made.
    const QStringList made = QDir(root.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QVERIFY2(made.isEmpty(), qPrintable(made.join(',')));
}

void SelfReplaceTest::aFolderWithOtherFilesStays() {
    QTemporaryDir root;
    SelfReplacePaths paths;
    paths.programFolder = root.filePath(QStringLiteral("prog"));
    QVERIFY(QDir().mkpath(paths.programFolder));
    paths.program = paths.programFolder + QStringLiteral("/tavexo");
    paths.script = root.filePath(QStringLiteral("uis.sh"));
    paths.pid = EndedProcess();
    QVERIFY(Touch(paths.program));
    QVERIFY(Touch(paths.programFolder + QStringLiteral("/notes.txt")));
    QCOMPARE(RunScript(paths, root.path()), 0);
    QVERIFY(!QFile::exists(paths.program));
    QVERIFY(QFile::exists(paths.programFolder + QStringLiteral("/notes.txt")));
}

QTEST_MAIN(SelfReplaceTest)
#include "self_replace_test.moc"
