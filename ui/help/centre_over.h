#pragma once

class QWidget;

namespace tavexo::help {

// Puts a small window in the middle of another one (the table window), as
// the help's small windows open; nothing happens without the other window.
void CentreOver(QWidget* window, const QWidget* over);

}  // namespace tavexo::help
