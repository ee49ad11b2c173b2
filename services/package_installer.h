#pragma once

#include <QString>

namespace tavexo {

// The MIME type of a Debian package, as desktops register their installers.
inline constexpr const char* DEBIAN_PACKAGE_TYPE = "application/vnd.debian.binary-package";

// What came of handing a package to the desktop's package installer.
struct InstallerLaunch {
    enum class Outcome {
        Started,      // the installer's process was started with the package
        NoInstaller,  // no package manager is registered for Debian packages
        Failed,       // there is one, but it could not be started
    };
    Outcome outcome = Outcome::NoInstaller;
    QString installer;  // the installer's name as the desktop shows it
    QString error;      // why the start failed, in the system's words
};

// Opens the package with the desktop's package installer, as a double click
// in the file manager would, through the desktop's own registry of
// applications (GIO: the XDG application folders and mimeapps.list). Only
// an application that declares itself a package manager counts: the one
// chosen for Debian packages if it is one, else the first package manager
// registered for them. An archive viewer that also opens .deb files would
// show the package's contents and install nothing.
InstallerLaunch OpenWithPackageInstaller(const QString& packageFile);

// The command that installs the package in a terminal, the path quoted for
// the shell.
QString InstallCommand(const QString& packageFile);

}  // namespace tavexo
