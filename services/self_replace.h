#pragma once

#include <QByteArray>
#include <QString>

namespace tavexo {

// What the clean-up after an update needs to know.
struct SelfReplacePaths {
    QString program;        // the running program file
    QString programFolder;  // its folder
    QString script;         // where the script itself lies
    qint64 pid = 0;         // the running program's process
};

// A POSIX shell script that waits until the program has ended, removes the
// program file, then its folder when that is empty, and finally itself.
// Every path is one single-quoted word, so no character in a path (quotes,
// "$(...)", a newline) can run a command.
QByteArray SelfReplaceScript(const SelfReplacePaths& paths);

// Writes the script to a new file "uis*.sh" in the temporary folder and
// starts it detached from the program; false when either step fails.
bool StartSelfReplace(const QString& program, qint64 pid);

}  // namespace tavexo
