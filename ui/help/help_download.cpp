#include "ui/help/help_download.h"

#include "ui/help/help_file_locator.h"

namespace tavexo::help {

namespace {
constexpr char DOWNLOAD_PREFIX[] = "k7w2d9x4m1q8c5v3h6";
static_assert(sizeof(DOWNLOAD_PREFIX) == 18 + 1);
}  // namespace

QString HelpDownloadUrl(const QString& serverBase) {
    QString base = serverBase;
    while (base.endsWith(QLatin1Char('/'))) base.chop(1);
    return base + QStringLiteral("/downloads/") + QLatin1String(DOWNLOAD_PREFIX) +
           QLatin1String(HELP_FILE_NAME);
}

}  // namespace tavexo::help
