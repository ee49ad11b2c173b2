#include "ui/services/service_environment.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include "services/online_check.h"
#include "services/self_replace.h"
#include "services/update_server.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

QMessageBox* StyledBox(QMessageBox::Icon icon, const QString& text) {
    auto* box = new QMessageBox(icon, QStringLiteral("Tavexo"), text, QMessageBox::NoButton,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    ApplyWindowStyle(box);
    return box;
}

}  // namespace

ServiceEnvironment DesktopServiceEnvironment(const QString& dataFolder,
                                             const QString& programFolder,
                                             const QString& probeFile) {
    ServiceEnvironment env;
    env.dataFolder = dataFolder;
    env.programFolder = programFolder;
    env.probeFile = probeFile;
    env.serverBase = QUrl(QString::fromLatin1(UPDATE_SERVER_BASE));
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
    env.endForUpdate = [] {
        StartSelfReplace(QCoreApplication::applicationFilePath(),
                         QCoreApplication::applicationPid());
        // Nothing is saved: the installer takes over from here.
        QCoreApplication::exit(0);
    };
    return env;
}

}  // namespace tavexo
