#include "ui/table/frame_drag.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace tavexo {

namespace {

// How much of a frame must stay on the table.
constexpr int GRIP = 40;

}  // namespace

bool FrameDrag::Press(QWidget& frame, QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return false;
    dragging_ = true;
    offset_ = event->position().toPoint();
    frame.raise();
    event->accept();
    return true;
}

bool FrameDrag::Move(QWidget& frame, QMouseEvent* event) {
    QWidget* table = frame.parentWidget();
    if (!dragging_ || !table) return false;
    QPoint target = table->mapFromGlobal(event->globalPosition().toPoint()) - offset_;
    target.setX(std::clamp(target.x(), GRIP - frame.width(), std::max(0, table->width() - GRIP)));
    target.setY(std::clamp(target.y(), 0, std::max(0, table->height() - GRIP)));
    event->accept();
    if (target == frame.pos()) return false;
    frame.move(target);
    return true;
}

bool FrameDrag::Release(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return false;
    dragging_ = false;
    event->accept();
    return true;
}

}  // namespace tavexo
