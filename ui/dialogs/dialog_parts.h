#pragma once

#include <QString>

class QPushButton;
class QToolButton;
class QWidget;

namespace tavexo {

// The buttons every dialog of the program has, alike in each.
QPushButton* DialogButton(QWidget* parent, const char* objectName, const QString& caption);
// The picture-only help button; it is named for screen readers.
QToolButton* HelpButton(QWidget* parent);

}  // namespace tavexo
