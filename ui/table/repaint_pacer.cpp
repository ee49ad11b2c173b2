#include "ui/table/repaint_pacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tavexo {

RepaintPacer::RepaintPacer(QWidget* window) : QObject(window), window_(window) {
    frameEnd_.setSingleShot(true);
    // The window's changes since its last picture are still marked for
    // painting; a new request paints them all in one go.
    connect(&frameEnd_, &QTimer::timeout, this, [this] {
        QCoreApplication::postEvent(window_, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
    });
    window->installEventFilter(this);
}

bool RepaintPacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != QEvent::UpdateRequest) return false;
    if (sinceLastPaint_.isValid() && sinceLastPaint_.elapsed() < FRAME_MS) {
        if (!frameEnd_.isActive())
            frameEnd_.start(FRAME_MS - static_cast<int>(sinceLastPaint_.elapsed()));
        return true;
    }
    sinceLastPaint_.start();
    return false;
}

}  // namespace tavexo
