#pragma once

#include <QString>

#include <optional>

namespace tavexo {

// The Debian architecture this program was built for ("amd64"), as the
// package made from this build names it.
QString PackageArchitecture();

// The file name of the package of a published version for this machine,
// "tavexo_<version>_<architecture>.deb", as `make package` names it and
// the server keeps it below "/downloads/". Nothing when the version text
// cannot be part of such a name: it must start with a digit and hold only
// letters, digits and ". + ~" (a version from the server is never trusted
// to be a harmless file name).
std::optional<QString> UpdatePackageName(const QString& version);

}  // namespace tavexo
