#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

class QLabel;

namespace tavexo::help {

// A window asks for help by sending this event; whoever shows the help (the
// program's help system) picks it up through an application-wide event
// filter. So a window needs no reference to the help system: it declares its
// context (SetHelpContext) and, for a help button, calls RequestHelp.
class HelpRequestEvent : public QEvent {
  public:
    enum class Want {
        AsF1,      // the topic of the focused control in the origin's window, else the origin's
        Context,   // the topic of a given context number
        Contents,  // the table of contents
        Search,    // the full-text search with an empty query
    };

    HelpRequestEvent(QWidget* origin, Want want, int context = 0);
    static QEvent::Type Kind();

    QWidget* Origin() const { return origin_; }
    Want Wanted() const { return want_; }
    int Context() const { return context_; }

  private:
    QPointer<QWidget> origin_;
    Want want_;
    int context_;
};

// What a help button does: the same as pressing F1 in its window.
void RequestHelp(QWidget* origin);
// Opens the help at the given context (the "?" beside a single setting).
void RequestHelpContext(QWidget* origin, int context);
// The help menu's "Inhalt" and "Suchen...".
void RequestHelpContents(QWidget* origin);
void RequestHelpSearch(QWidget* origin);

// Makes a label a link into the help: the hand cursor, and a click (or
// Enter/Space once it has the focus) opens the topic of the context.
void MakeHelpLink(QLabel* label, int context);

}  // namespace tavexo::help
