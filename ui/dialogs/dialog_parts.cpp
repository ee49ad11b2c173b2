#include "ui/dialogs/dialog_parts.h"

#include <QPushButton>
#include <QToolButton>

#include "ui/common/tool_icons.h"

namespace tavexo {

QPushButton* DialogButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    // Enter in a field must not save or close behind the user's back.
    button->setAutoDefault(false);
    return button;
}

QToolButton* HelpButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("BHelp"));
    button->setIcon(MakeToolIcon(ToolIcon::Hilfe, 24));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(QStringLiteral("Hilfe"));
    button->setAccessibleName(QStringLiteral("Hilfe"));
    return button;
}

}  // namespace tavexo
