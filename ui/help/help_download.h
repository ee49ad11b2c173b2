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

// The help file's address on the download server: below "/downloads/", its
// name behind a fixed prefix of 18 lower-case letters and digits.
QString HelpDownloadUrl(const QString& serverBase);

}  // namespace tavexo::help
