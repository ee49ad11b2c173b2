#include "ui/common/grid_file_dialog.h"

#include <QFileDialog>

namespace tavexo {

GridFileType GridFileTypeOf(GridFileKind kind) {
    switch (kind) {
        case GridFileKind::History:
            return {QStringLiteral("Verlauf-Datei"), QStringLiteral("lauf"),
                    QStringLiteral("Verlauf-Datei öffnen"),
                    QStringLiteral("Verlauf-Datei speichern")};
        case GridFileKind::Statistics:
            return {QStringLiteral("Statistik-Datei"), QStringLiteral("stat"),
                    QStringLiteral("Statistik-Datei öffnen"),
                    QStringLiteral("Statistik-Datei speichern")};
        case GridFileKind::Training:
            break;
    }
    return {QStringLiteral("Trainings-Datei"), QStringLiteral("trai"),
            QStringLiteral("Trainings-Datei öffnen"), QStringLiteral("Trainings-Datei speichern")};
}

namespace {

QString Ask(QWidget* parent, GridFileKind kind, const QString& folder, bool save) {
    const GridFileType type = GridFileTypeOf(kind);
    QFileDialog dialog(parent, save ? type.saveTitle : type.openTitle, folder);
    dialog.setObjectName(QStringLiteral("DateiDialog"));
    dialog.setNameFilter(type.kindName + QStringLiteral(" (*.") + type.extension +
                         QStringLiteral(")"));
    dialog.setDefaultSuffix(type.extension);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString AskGridFileToOpen(QWidget* parent, GridFileKind kind, const QString& folder) {
    return Ask(parent, kind, folder, false);
}

QString AskGridFileToSave(QWidget* parent, GridFileKind kind, const QString& folder) {
    return Ask(parent, kind, folder, true);
}

}  // namespace tavexo
