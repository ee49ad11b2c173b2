#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace tavexo {

// What the update and live-tables windows need from the program and the
// platform. The program fills it with the real things; tests with a
// loopback server, a switchable network state and recorded messages.
struct ServiceEnvironment {
    QString dataFolder;     // ends with "/"
    QString programFolder;  // ends with "/"
    QString probeFile;      // the probe file of every download
    QUrl serverBase;        // the maker's server
    int downloadTimeoutMs = 20000;
    std::function<bool()> isOnline;
    std::function<void(const QString&)> inform;   // an information message, OK
    std::function<bool(const QString&)> confirm;  // a question, Yes (true) or No
    std::function<bool(const QUrl&)> openUrl;     // through the desktop
    // Hands over to the installer: removes this program once it has ended
    // and ends it now.
    std::function<void()> endForUpdate;
};

// The environment of the real program, for the given folders.
ServiceEnvironment DesktopServiceEnvironment(const QString& dataFolder,
                                             const QString& programFolder,
                                             const QString& probeFile);

}  // namespace tavexo
