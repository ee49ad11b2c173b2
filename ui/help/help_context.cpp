#include "ui/help/help_context.h"

#include <QVariant>
#include <QWidget>

namespace tavexo::help {

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(CONTEXT_PROPERTY, context);
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        bool ok = false;
        const int context = w->property(CONTEXT_PROPERTY).toInt(&ok);
        if (ok && context > 0) return context;
    }
    return 0;
}

}  // namespace tavexo::help
