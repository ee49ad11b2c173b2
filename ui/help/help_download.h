#pragma once

#include <QString>

namespace tavexo::help {

// What the help download needs from the program's download service: the
// same two calls the update download uses.
class HelpDownloadService {
  public:
    virtual ~HelpDownloadService() = default;
    virtual bool IsOnline() = 0;
    // True when the resource at the address was stored in the target file.
    virtual bool DownloadToFile(const QString& url, const QString& target) = 0;
};

// Stands in for the program's download service until that exists: it
// claims a connection and fails every download, so the user sees the
// ordinary "download failed" message rather than a wrong one.
class PendingDownloadService : public HelpDownloadService {
  public:
    bool IsOnline() override { return true; }
    bool DownloadToFile(const QString&, const QString&) override { return false; }
};

// The help file's address on the download server: below "/downloads/", its
// name behind a fixed prefix of 18 lower-case letters and digits.
QString HelpDownloadUrl(const QString& serverBase);

}  // namespace tavexo::help
