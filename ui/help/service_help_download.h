#pragma once

#include <QString>

#include "ui/help/help_download.h"

namespace tavexo::help {

// The help download through the program's own download service, the same
// one the update uses.
class ServiceHelpDownload : public HelpDownloadService {
  public:
    explicit ServiceHelpDownload(QString probeFile) : probeFile_(std::move(probeFile)) {}

    bool IsOnline() override;
    bool DownloadToFile(const QString& url, const QString& target) override;

  private:
    QString probeFile_;
};

}  // namespace tavexo::help
