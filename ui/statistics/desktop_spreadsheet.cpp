#include "ui/statistics/desktop_spreadsheet.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tavexo {

namespace {

constexpr int ASK_TIMEOUT_MS = 3000;

// xdg-open starts whatever it finds, and reports success even when nothing
// handles the type; xdg-mime says beforehand whether a program does.
bool DesktopHasSpreadsheetProgram() {
    QProcess ask;
    ask.start(
        QStringLiteral("xdg-mime"),
        {QStringLiteral("query"), QStringLiteral("default"),
         QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
    if (!ask.waitForFinished(ASK_TIMEOUT_MS)) {
        ask.kill();
        ask.waitForFinished(ASK_TIMEOUT_MS);
        return false;
    }
    return ask.exitStatus() == QProcess::NormalExit && ask.exitCode() == 0 &&
           !ask.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool OpenInSpreadsheetProgram(const QString& path) {
    if (!DesktopHasSpreadsheetProgram()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace tavexo
