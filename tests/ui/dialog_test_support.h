#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QString>
#include <QTest>

#include <unistd.h>

#include <cerrno>
#include <string>

#include "ui/program.h"
#include "ui/table/table_window.h"

namespace tavexo::uitest {

// The menu entry with this caption (as written, with its "&").
inline QAction* MenuEntry(TableWindow& window, const QString& caption) {
    for (QAction* menu : window.menuBar()->actions()) {
        if (menu->menu() == nullptr) continue;
        for (QAction* entry : menu->menu()->actions())
            if (entry->text() == caption) return entry;
    }
    return nullptr;
}

inline QString LabelText(QWidget* parent, const char* name) {
    auto* label = parent->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

inline QByteArray ReadBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Makes the settings folder impossible to write in, as a read-only folder
// is for a normal user. The superuser writes even there, so for it the
// folder is replaced by a plain file. Returns the error number a write then
// meets.
inline int BlockSettingsFolder(const std::string& settingsFolder) {
    QString folder = QString::fromStdString(settingsFolder);
    if (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (geteuid() != 0) return EACCES;
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    if (blocker.open(QIODevice::WriteOnly)) blocker.write("kein Ordner");
    return ENOTDIR;
}

}  // namespace tavexo::uitest
