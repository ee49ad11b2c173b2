#pragma once

#include <QString>

class QWidget;

namespace tavexo {

// The three kinds of grid file, each with its own extension and dialogs.
enum class GridFileKind { History, Statistics, Training };

struct GridFileType {
    QString kindName;   // "Verlauf-Datei"
    QString extension;  // "lauf"
    QString openTitle;  // "Verlauf-Datei öffnen"
    QString saveTitle;  // "Verlauf-Datei speichern"
};

GridFileType GridFileTypeOf(GridFileKind kind);

// The open or save dialog of the kind, starting in `folder`, with the kind's
// filter ("Verlauf-Datei (*.lauf)") and its extension added to a name typed
// without one. The chosen path, or an empty string when cancelled. The
// dialog's object name is "DateiDialog".
QString AskGridFileToOpen(QWidget* parent, GridFileKind kind, const QString& folder);
QString AskGridFileToSave(QWidget* parent, GridFileKind kind, const QString& folder);

}  // namespace tavexo
