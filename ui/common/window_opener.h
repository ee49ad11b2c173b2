#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>

namespace tavexo {

// The windows that the table window's tool bar and menu open.
enum class SecondaryWindow {
    Statistics,
    Profiles,
    TrainingCentre,
    StrategyHints,
    CountingDrill,
    Options,
    Update,
    LiveTables,
    Info,
};

// Opens every secondary window of the program at most once. A window is made
// by the factory registered for its kind, on first opening or ahead of time
// (CreateHidden, for the windows that exist from start-up on); opening it
// again brings the existing one back to its normal size and to the front
// instead of making a second one. A window that deletes itself on close
// (Qt::WA_DeleteOnClose) is made afresh the next time.
class WindowOpener {
  public:
    using Factory = std::function<QWidget*()>;

    WindowOpener() = default;
    // The windows it made go with it: they may point at things (the table,
    // the settings) that live no longer than their opener.
    ~WindowOpener();
    WindowOpener(const WindowOpener&) = delete;
    WindowOpener& operator=(const WindowOpener&) = delete;

    void Register(SecondaryWindow kind, Factory factory);
    // Puts a window in its place before it is shown for the first time;
    // afterwards it stays where the user leaves it.
    using Placement = std::function<void(QWidget*)>;
    void SetFirstPlacement(Placement place) { place_ = std::move(place); }
    bool IsRegistered(SecondaryWindow kind) const;

    // Makes the window now, hidden, unless it exists already.
    QWidget* CreateHidden(SecondaryWindow kind);
    // Makes the window if need be and shows it in front; nullptr when no
    // factory is registered for the kind.
    QWidget* Open(SecondaryWindow kind);
    // The window when it exists, else nullptr.
    QWidget* Existing(SecondaryWindow kind) const;

  private:
    std::map<SecondaryWindow, Factory> factories_;
    std::map<SecondaryWindow, QPointer<QWidget>> windows_;
    Placement place_;
};

}  // namespace tavexo
