#pragma once

#include <QString>
#include <QStringList>

namespace tavexo {

// Where the program's read-only data (the help file, the sounds) is looked
// for, in order: the "tavexo" data folder beside the running program (an
// installed tree wherever its prefix is, an unpacked package, the build
// tree, which lays its data out the same way), then "tavexo" in each XDG
// data folder (XDG_DATA_HOME, then XDG_DATA_DIRS: /usr/local/share,
// /usr/share). Folders that do not exist are left out.
QStringList ProgramDataFolders();

// The first file at `relative` (say "sounds/card.wav") in those folders;
// empty when none has it.
QString FindProgramData(const QString& relative);

}  // namespace tavexo
