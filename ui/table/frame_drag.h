#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace tavexo {

// Moving a frame of the table with the mouse: a press on the frame's own
// surface picks it up, the frame follows the mouse and stays grabbable on
// the table.
class FrameDrag {
  public:
    // True when the press started a drag (left button).
    bool Press(QWidget& frame, QMouseEvent* event);
    // True when the frame moved.
    bool Move(QWidget& frame, QMouseEvent* event);
    // True when a drag ended.
    bool Release(QMouseEvent* event);

  private:
    bool dragging_ = false;
    QPoint offset_;
};

}  // namespace tavexo
