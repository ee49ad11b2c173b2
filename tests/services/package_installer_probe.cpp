// Hands the package named on the command line to the desktop's package
// installer and prints what came of it, one word and the installer's name.
// package_installer_test runs it in a desktop of its own making (XDG
// folders with fake applications), a fresh process per case, as the
// desktop's registry is read once per process.
#include <QCoreApplication>
#include <QTextStream>

#include "services/package_installer.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) return 2;
    const tavexo::InstallerLaunch launch =
        tavexo::OpenWithPackageInstaller(QString::fromLocal8Bit(argv[1]));
    QTextStream out(stdout);
    switch (launch.outcome) {
        case tavexo::InstallerLaunch::Outcome::Started:
            out << "started " << launch.installer << "\n";
            break;
        case tavexo::InstallerLaunch::Outcome::NoInstaller:
            out << "none\n";
            break;
        case tavexo::InstallerLaunch::Outcome::Failed:
            out << "failed " << launch.installer << ": " << launch.error << "\n";
            break;
    }
    return 0;
}
