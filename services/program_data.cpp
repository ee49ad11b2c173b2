#include "services/program_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavexo {

namespace {

// From the folder of the installed program to its data, as the build
// configured it ("../share/tavexo" for bin/ and share/). The build tree
// puts its programs one folder below its top and the data into
// share/tavexo there, so "../share/tavexo" also finds it.
constexpr const char* DATA_FROM_PROGRAM[] = {TAVEXO_DATA_FROM_PROGRAM, "../share/tavexo"};

}  // namespace

QStringList ProgramDataFolders() {
    QStringList folders;
    auto add = [&folders](const QString& folder) {
        const QString clean = QDir::cleanPath(folder);
        if (!folders.contains(clean) && QFileInfo(clean).isDir()) folders << clean;
    };
    if (QCoreApplication::instance() != nullptr) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        for (const char* relative : DATA_FROM_PROGRAM)
            add(programFolder + QLatin1Char('/') + QLatin1String(relative));
    }
    const QStringList xdg = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& base : xdg) add(base + QStringLiteral("/tavexo"));
    return folders;
}

QString FindProgramData(const QString& relative) {
    for (const QString& folder : ProgramDataFolders()) {
        const QString path = folder + QLatin1Char('/') + relative;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

}  // namespace tavexo
