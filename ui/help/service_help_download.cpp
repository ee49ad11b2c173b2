#include "ui/help/service_help_download.h"

#include <QUrl>

#include "services/downloader.h"
#include "services/online_check.h"

namespace tavexo::help {

bool ServiceHelpDownload::IsOnline() {
    return tavexo::IsOnline();
}

bool ServiceHelpDownload::DownloadToFile(const QString& url, const QString& target) {
    DownloadOptions options;
    options.probeFile = probeFile_;
    return tavexo::DownloadToFile(QUrl(url), target, options).ok;
}

}  // namespace tavexo::help
