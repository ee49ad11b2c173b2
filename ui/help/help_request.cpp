#include "ui/help/help_request.h"

#include <QCoreApplication>

namespace tavexo::help {

HelpRequestEvent::HelpRequestEvent(QWidget* origin, int context)
    : QEvent(Kind()), origin_(origin), context_(context) {}

QEvent::Type HelpRequestEvent::Kind() {
    static const QEvent::Type kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}

void RequestHelp(QWidget* origin) {
    RequestHelpContext(origin, 0);
}

void RequestHelpContext(QWidget* origin, int context) {
    if (origin == nullptr) return;
    HelpRequestEvent event(origin, context);
    QCoreApplication::sendEvent(origin, &event);
}

}  // namespace tavexo::help
