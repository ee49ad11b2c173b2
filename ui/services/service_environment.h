#pragma once

#include <QString>
#include <QUrl>

#include <functional>

#include "services/package_installer.h"
#include "services/program_origin.h"

namespace tavexo {

// What the update and live-tables windows need from the program and the
// platform. The program fills it with the real things; tests with a
// loopback server, a switchable network state and recorded messages.
struct ServiceEnvironment {
    QString dataFolder;     // ends with "/"
    QString programFolder;  // ends with "/"
    QString programFile;    // the running program's file
    // Where the program came from; asked only when an update is installed
    // (it may ask the package database).
    std::function<ProgramOrigin()> origin;
    QString probeFile;  // the probe file of every download
    QUrl serverBase;    // the update server ("Allgemein.ini", [Aktualisierung] Server)
    int downloadTimeoutMs = 20000;
    std::function<bool()> isOnline;
    std::function<void(const QString&)> inform;   // an information message, OK
    std::function<bool(const QString&)> confirm;  // a question, Yes (true) or No
    std::function<bool(const QUrl&)> openUrl;     // through the desktop
    // Hands a downloaded package to the desktop's package installer.
    std::function<InstallerLaunch(const QString& package)> openInstaller;
    // After the installer started for a program in a folder of the user's
    // own: removes this program once it has ended, and ends it now.
    std::function<void()> endForUpdate;
};

// The environment of the real program, for the given folders and server.
ServiceEnvironment DesktopServiceEnvironment(const QString& dataFolder,
                                             const QString& programFolder, const QString& probeFile,
                                             const QUrl& serverBase);

// The running program's own file, as the kernel knows it: /proc/self/exe,
// not the name it was started by.
QString RunningProgramFile();

}  // namespace tavexo
