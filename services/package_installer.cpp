#include "services/package_installer.h"

#include <QStringList>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#pragma pop_macro("signals")

#include <memory>

namespace tavexo {

namespace {

struct GObjectDeleter {
    void operator()(gpointer object) const {
        if (object != nullptr) g_object_unref(object);
    }
};
using AppInfo = std::unique_ptr<GAppInfo, GObjectDeleter>;

bool IsPackageManager(GAppInfo* app) {
    if (app == nullptr || !G_IS_DESKTOP_APP_INFO(app)) return false;
    const char* categories = g_desktop_app_info_get_categories(G_DESKTOP_APP_INFO(app));
    if (categories == nullptr) return false;
    return QString::fromUtf8(categories)
        .split(QLatin1Char(';'), Qt::SkipEmptyParts)
        .contains(QLatin1String("PackageManager"));
}

// The desktop's choice for Debian packages when it is a package manager,
// else the first registered package manager for them.
AppInfo ChooseInstaller() {
    AppInfo chosen(g_app_info_get_default_for_type(DEBIAN_PACKAGE_TYPE, FALSE));
    if (IsPackageManager(chosen.get())) return chosen;
    chosen.reset();
    GList* registered = g_app_info_get_recommended_for_type(DEBIAN_PACKAGE_TYPE);
    for (GList* item = registered; item != nullptr; item = item->next) {
        auto* app = static_cast<GAppInfo*>(item->data);
        if (IsPackageManager(app)) {
            chosen.reset(G_APP_INFO(g_object_ref(app)));
            break;
        }
    }
    g_list_free_full(registered, g_object_unref);
    return chosen;
}

}  // namespace

InstallerLaunch OpenWithPackageInstaller(const QString& packageFile) {
    InstallerLaunch launch;
    const AppInfo installer = ChooseInstaller();
    if (!installer) return launch;
    launch.installer = QString::fromUtf8(g_app_info_get_display_name(installer.get()));

    GFile* file = g_file_new_for_path(packageFile.toLocal8Bit().constData());
    GList files{file, nullptr, nullptr};
    GError* error = nullptr;
    // True only once the installer's process was spawned (or, for one the
    // session starts itself, asked to start over D-Bus).
    const gboolean started = g_app_info_launch(installer.get(), &files, nullptr, &error);
    g_object_unref(file);
    if (started) {
        launch.outcome = InstallerLaunch::Outcome::Started;
    } else {
        launch.outcome = InstallerLaunch::Outcome::Failed;
        if (error != nullptr) launch.error = QString::fromUtf8(error->message);
    }
    if (error != nullptr) g_error_free(error);
    return launch;
}

QString InstallCommand(const QString& packageFile) {
    // apt installs a local file named with a path; inside single quotes the
    // shell takes every character as it is but the quote itself.
    QString quoted = packageFile;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QStringLiteral("sudo apt install '%1'").arg(quoted);
}

}  // namespace tavexo
