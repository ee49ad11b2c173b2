#pragma once

#include <QNetworkReply>
#include <QString>
#include <QUrl>

#include <functional>

namespace tavexo {

struct DownloadOptions {
    // The probe file every download is fetched into first ("tmp.tmp" in the
    // temporary folder).
    QString probeFile;
    // A server that sends nothing for this long ends the download.
    int silenceTimeoutMs = 20000;
    // Bodies larger than this are refused, so a wrong address can never
    // fill the disk.
    qint64 maxBytes = 64LL * 1024 * 1024;
    // Called while bytes arrive: received and total (-1 when unknown).
    std::function<void(qint64, qint64)> progress;
};

struct DownloadResult {
    bool ok = false;
    QString error;  // why it failed, in German, for a message
    // The server's host could not be found or reached: the machine has no
    // way out, as far as the user can tell.
    bool unreachable = false;
};

// Whether a request failed because the server's host could not be found or
// reached (no name lookup, no route to the host or the network, which Qt
// reports as an unknown network error), rather than for something the
// server did.
bool IsUnreachable(QNetworkReply::NetworkError error);

// Fetches `url` into `target`: first into the probe file, and only when that
// gave a body of at least 4 bytes with a success status, a second time into
// a temporary file beside `target` that replaces it once complete. Any HTTP
// status other than 2xx, a time-out, a dropped connection or an oversized
// body fails, and then `target` is exactly as it was. Runs its own event
// loop meanwhile, so the calling window stays responsive.
DownloadResult DownloadToFile(const QUrl& url, const QString& target,
                              const DownloadOptions& options);

}  // namespace tavexo
