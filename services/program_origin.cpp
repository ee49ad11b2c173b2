#include "services/program_origin.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

namespace tavexo {

bool IsPackagedFile(const QString& path) {
    QProcess query;
    query.start(QStringLiteral("dpkg-query"), {QStringLiteral("--search"), path});
    if (!query.waitForStarted(5000)) return false;
    if (!query.waitForFinished(10000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return false;
    // dpkg-query takes the argument as a pattern: only a line naming the
    // file itself ("package: /usr/bin/tavexo") counts.
    const QStringList lines =
        QString::fromLocal8Bit(query.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (colon > 0 && line.mid(colon + 2) == path) return true;
    }
    return false;
}

ProgramOrigin OriginOf(const QString& programFile,
                       const std::function<bool(const QString&)>& isPackaged) {
    const QFileInfo program(programFile);
    if (isPackaged(program.absoluteFilePath())) return ProgramOrigin::Package;
    // Only our program is ever removed: started through the dynamic loader
    // ("ld-linux-x86-64.so.2 ./tavexo") the running file is the loader.
    if (program.fileName() != QLatin1String("tavexo") || !program.isFile() || program.isSymLink())
        return ProgramOrigin::Elsewhere;
    const QFileInfo folder(program.absolutePath());
    const uint user = geteuid();
    if (program.ownerId() != user || folder.ownerId() != user) return ProgramOrigin::Elsewhere;
    if (user == 0) {
        const QString home = QDir::cleanPath(QDir::homePath()) + QLatin1Char('/');
        if (home == QLatin1String("//") || !program.absolutePath().startsWith(home))
            return ProgramOrigin::Elsewhere;
    }
    return ProgramOrigin::OwnFolder;
}

}  // namespace tavexo
