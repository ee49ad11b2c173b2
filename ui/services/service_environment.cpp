#include "ui/services/service_environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>

#include "services/online_check.h"
#include "services/self_replace.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

QMessageBox* StyledBox(QMessageBox::Icon icon, const QString& text) {
    auto* box = new QMessageBox(icon, QStringLiteral("Tavexo"), text, QMessageBox::NoButton,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A command in the message (how to install the update) can be copied.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ApplyWindowStyle(box);
    return box;
}

}  // namespace

QString RunningProgramFile() {
    const QString file = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return file.isEmpty() ? QCoreApplication::applicationFilePath() : file;
}

ServiceEnvironment DesktopServiceEnvironment(const QString& dataFolder,
                                             const QString& programFolder, const QString& probeFile,
                                             const QUrl& serverBase) {
    ServiceEnvironment env;
    env.dataFolder = dataFolder;
    env.programFolder = programFolder;
    env.programFile = RunningProgramFile();
    env.origin = [program = env.programFile] { return OriginOf(program); };
    env.probeFile = probeFile;
    env.serverBase = serverBase;
    env.isOnline = IsOnline;
    env.inform = [](const QString& text) {
        QMessageBox* box = StyledBox(QMessageBox::Information, text);
        box->setStandardButtons(QMessageBox::Ok);
        box->exec();
    };
    env.confirm = [](const QString& text) {
        QMessageBox* box = StyledBox(QMessageBox::Question, text);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box->exec() == QMessageBox::Yes;
    };
    env.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    env.openInstaller = OpenWithPackageInstaller;
    env.endForUpdate = [program = env.programFile] {
        StartSelfReplace(program, QCoreApplication::applicationPid());
        // Nothing is saved: the installer takes over from here.
        QCoreApplication::exit(0);
    };
    return env;
}

}  // namespace tavexo
