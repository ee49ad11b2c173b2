#pragma once

#include <QString>
#include <QStringList>

namespace tavexo::help {

// The help file's name, wherever it lies.
inline constexpr char HELP_FILE_NAME[] = "mentaxHilfe.qch";

// Where the help file may lie, in the order they are tried: "help" in the
// program's data folders (services/program_data.h: beside the program, an
// installed or the build tree, then the XDG data folders) and last the
// user's data folder, where a downloaded copy goes.
QStringList StandardHelpFolders(const QString& dataFolder);

// The full path of the first help file of ours found in the folders; empty
// when there is none. A file of that name that is not our help (a broken
// download, say) does not count.
QString FindHelpFile(const QStringList& folders);

// True when the file is a compiled help file with our help's namespace.
bool IsOurHelpFile(const QString& path);

}  // namespace tavexo::help
