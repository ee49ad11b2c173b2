#include "ui/help/help_request.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "ui/help/help_context.h"

namespace tavexo::help {

namespace {

void Send(QWidget* origin, HelpRequestEvent::Want want, int context = 0) {
    if (origin == nullptr) return;
    HelpRequestEvent event(origin, want, context);
    QCoreApplication::sendEvent(origin, &event);
}

// Turns clicks and Enter/Space on a label into a help request.
class HelpLinkFilter : public QObject {
  public:
    HelpLinkFilter(QLabel* label, int context) : QObject(label), label_(label), context_(context) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != label_) return false;
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                label_->rect().contains(mouse->position().toPoint())) {
                RequestHelpContext(label_, context_);
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                RequestHelpContext(label_, context_);
                return true;
            }
        }
        return false;
    }

  private:
    QLabel* label_;
    int context_;
};

}  // namespace

HelpRequestEvent::HelpRequestEvent(QWidget* origin, Want want, int context)
    : QEvent(Kind()), origin_(origin), want_(want), context_(context) {}

QEvent::Type HelpRequestEvent::Kind() {
    static const QEvent::Type kind = static_cast<QEvent::Type>(QEvent::registerEventType());
    return kind;
}

void RequestHelp(QWidget* origin) {
    Send(origin, HelpRequestEvent::Want::AsF1);
}

void RequestHelpContext(QWidget* origin, int context) {
    Send(origin, HelpRequestEvent::Want::Context, context);
}

void RequestHelpContents(QWidget* origin) {
    Send(origin, HelpRequestEvent::Want::Contents);
}

void RequestHelpSearch(QWidget* origin) {
    Send(origin, HelpRequestEvent::Want::Search);
}

void MakeHelpLink(QLabel* label, int context) {
    SetHelpContext(label, context);
    label->setCursor(Qt::PointingHandCursor);
    if (label->accessibleName().isEmpty())
        label->setAccessibleName(label->text().isEmpty() ? QStringLiteral("Hilfe") : label->text());
    label->setAccessibleDescription(QStringLiteral("Öffnet die Hilfe"));
    if (label->toolTip().isEmpty()) label->setToolTip(QStringLiteral("Hilfe öffnen"));
    label->installEventFilter(new HelpLinkFilter(label, context));
}

}  // namespace tavexo::help
