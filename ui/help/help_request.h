#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace tavexo::help {

// A window asks for help by sending this event; whoever shows the help (the
// program's help system) picks it up through an application-wide event
// filter. So a window needs no reference to the help system: it only sets
// its context (SetHelpContext) and, for a help button, calls RequestHelp.
class HelpRequestEvent : public QEvent {
  public:
    // context 0: as the F1 key, the context of the focused control in the
    // origin's window, else of the origin.
    HelpRequestEvent(QWidget* origin, int context);
    static QEvent::Type Kind();

    QWidget* Origin() const { return origin_; }
    int Context() const { return context_; }

  private:
    QPointer<QWidget> origin_;
    int context_;
};

// What a help button does: the same as pressing F1 in its window.
void RequestHelp(QWidget* origin);

// Opens the help at the given context (the "?" labels beside single settings).
void RequestHelpContext(QWidget* origin, int context);

}  // namespace tavexo::help
