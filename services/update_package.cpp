#include "services/update_package.h"

#include <QRegularExpression>

namespace tavexo {

QString PackageArchitecture() {
    return QStringLiteral(TAVEXO_PACKAGE_ARCHITECTURE);
}

std::optional<QString> UpdatePackageName(const QString& version) {
    static const QRegularExpression debianVersion(QStringLiteral("^[0-9][A-Za-z0-9.+~]*$"));
    if (!debianVersion.match(version).hasMatch()) return std::nullopt;
    return QStringLiteral("tavexo_%1_%2.deb").arg(version, PackageArchitecture());
}

}  // namespace tavexo
