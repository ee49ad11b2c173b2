#include "ui/help/help_file_locator.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEngineCore>

#include "services/program_data.h"
#include "ui/help/help_catalog.h"

namespace tavexo::help {

QStringList StandardHelpFolders(const QString& dataFolder) {
    QStringList folders;
    auto add = [&folders](const QString& folder) {
        if (folder.isEmpty()) return;
        const QString clean = QDir::cleanPath(folder);
        if (!folders.contains(clean)) folders << clean;
    };
    for (const QString& folder : ProgramDataFolders()) add(folder + QStringLiteral("/help"));
    add(dataFolder);
    return folders;
}

bool IsOurHelpFile(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    return QHelpEngineCore::namespaceName(path) == QLatin1String(HelpCatalog::NAMESPACE);
}

QString FindHelpFile(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QLatin1String(HELP_FILE_NAME));
        if (IsOurHelpFile(path)) return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

}  // namespace tavexo::help
