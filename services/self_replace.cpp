#include "services/self_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>

namespace tavexo {

namespace {

// 'it'\''s': inside single quotes the shell takes every byte as it is, and
// only a single quote itself has to leave the quotes for a moment.
QByteArray ShellWord(const QString& path) {
    QByteArray word = QFile::encodeName(path);
    word.replace('\'', QByteArrayLiteral("'\\''"));
    return '\'' + word + '\'';
}

}  // namespace

QByteArray SelfReplaceScript(const SelfReplacePaths& paths) {
    const QByteArray program = ShellWord(paths.program);
    QByteArray script;
    script += "#!/bin/sh\n";
    script += "# Tavexo update: removes the old program once it has ended.\n";
    script += "while kill -0 " + QByteArray::number(paths.pid) + " 2>/dev/null; do sleep 1; done\n";
    script += "tries=0\n";
    script += "while [ -e " + program + " ] && [ $tries -lt 60 ]; do\n";
    script += "    rm -f -- " + program + " || sleep 1\n";
    script += "    tries=$((tries + 1))\n";
    script += "done\n";
    script += "rmdir -- " + ShellWord(paths.programFolder) + " 2>/dev/null\n";
    script += "rm -f -- " + ShellWord(paths.script) + "\n";
    return script;
}

bool StartSelfReplace(const QString& program, qint64 pid) {
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/uisXXXXXX.sh"));
    file.setAutoRemove(false);
    if (!file.open()) return false;
    SelfReplacePaths paths;
    paths.program = program;
    paths.programFolder = QFileInfo(program).absolutePath();
    paths.script = file.fileName();
    paths.pid = pid;
    const QByteArray script = SelfReplaceScript(paths);
    const bool written = file.write(script) == script.size() && file.flush();
    file.close();
    if (!written) {
        QFile::remove(paths.script);
        return false;
    }
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), {paths.script}, QDir::tempPath())) {
        QFile::remove(paths.script);
        return false;
    }
    return true;
}

}  // namespace tavexo
