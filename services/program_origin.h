#pragma once

#include <QString>

#include <functional>

namespace tavexo {

// How the running program came onto the machine, which decides what an
// update may do with its files.
enum class ProgramOrigin {
    // A file of an installed Debian package: the package manager replaces
    // it, the program never deletes it.
    Package,
    // Unpacked or built in a folder of the user's own: after the update the
    // old copy is removed, as the update used to do on every system.
    OwnFolder,
    // Anything else (a system folder no package owns, another user's
    // folder): left alone.
    Elsewhere,
};

// Whether the package database lists the file as part of an installed
// package (dpkg-query -S); false where there is no package database.
bool IsPackagedFile(const QString& path);

// The origin of the program file. `isPackaged` answers whether a file
// belongs to a package (IsPackagedFile for the real program). Only a
// regular file named "tavexo" in a folder of the user's own is OwnFolder: it
// and its folder belong to the user, and for root they lie below its home,
// so that a system folder never counts.
ProgramOrigin OriginOf(const QString& programFile,
                       const std::function<bool(const QString&)>& isPackaged = IsPackagedFile);

}  // namespace tavexo
