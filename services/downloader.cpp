#include "services/downloader.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>

namespace tavexo {

namespace {

// One GET of `url` into `path`. The body goes into a temporary file beside
// `path` that takes its place only when everything arrived with a success
// status, so a failure never leaves a part of a body, nor an error page,
// where the caller looks for the file.
DownloadResult Fetch(QNetworkAccessManager& manager, const QUrl& url, const QString& path,
                     const DownloadOptions& options, qint64& received) {
    received = 0;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(path, file.errorString())};
    }

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tavexo"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);

    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    bool timedOut = false;
    bool tooLarge = false;
    bool writeFailed = false;

    QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        silence.start(options.silenceTimeoutMs);
        const QByteArray chunk = reply->readAll();
        if (received + chunk.size() > options.maxBytes) {
            tooLarge = true;
            reply->abort();
            return;
        }
        if (file.write(chunk) != chunk.size()) {
            writeFailed = true;
            reply->abort();
            return;
        }
        received += chunk.size();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 bytes, qint64 total) {
                         if (total > options.maxBytes) {
                             tooLarge = true;
                             reply->abort();
                             return;
                         }
                         if (options.progress) options.progress(bytes, total);
                     });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    silence.start(options.silenceTimeoutMs);
    loop.exec();
    silence.stop();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason =
        reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    const QNetworkReply::NetworkError networkError = reply->error();
    const QString networkText = reply->errorString();
    reply->deleteLater();

    DownloadResult result;
    if (timedOut) {
        result.error = QStringLiteral("Der Server hat zu lange nicht geantwortet.");
    } else if (tooLarge) {
        result.error =
            QStringLiteral("Die Datei ist größer als erlaubt (%1 Bytes).").arg(options.maxBytes);
    } else if (writeFailed) {
        result.error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(path, file.errorString());
    } else if (status != 0 && (status < 200 || status > 299)) {
        // An error page is never the file asked for, however long it is.
        result.error = QStringLiteral("Der Server antwortete mit %1 %2.").arg(status).arg(reason);
    } else if (networkError != QNetworkReply::NoError) {
        result.error = networkText;
        result.unreachable = IsUnreachable(networkError);
    } else if (status == 0 && url.scheme().startsWith(QLatin1String("http"))) {
        result.error = QStringLiteral("Der Server hat keine gültige Antwort gesendet.");
    } else if (!file.commit()) {
        result.error = QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
                           .arg(path, file.errorString());
    } else {
        result.ok = true;
    }
    if (!result.ok) file.cancelWriting();
    return result;
}

}  // namespace

bool IsUnreachable(QNetworkReply::NetworkError error) {
    return error == QNetworkReply::HostNotFoundError ||
           error == QNetworkReply::UnknownNetworkError ||
           error == QNetworkReply::TemporaryNetworkFailureError ||
           error == QNetworkReply::NetworkSessionFailedError;
}

DownloadResult DownloadToFile(const QUrl& url, const QString& target,
                              const DownloadOptions& options) {
    if (!options.probeFile.isEmpty() && QFile::exists(options.probeFile)) {
        QFile::remove(options.probeFile);
    }
    QNetworkAccessManager manager;
    qint64 received = 0;
    if (!options.probeFile.isEmpty()) {
        const DownloadResult probe = Fetch(manager, url, options.probeFile, options, received);
        if (!probe.ok) return probe;
        // A body of fewer than 4 bytes is no file this program publishes.
        if (received < 4) {
            return {false, QStringLiteral("Der Server hat eine leere Antwort gesendet.")};
        }
    }
    return Fetch(manager, url, target, options, received);
}

}  // namespace tavexo
