#include "ui/table/table_area.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/common/table_art.h"

namespace tavexo {

TableArea::TableArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tisch"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableArea::paintEvent(QPaintEvent* event) {
    const qreal ratio = devicePixelRatioF();
    if (cloth_.size() != size() * ratio) {
        cloth_ = QPixmap(size() * ratio);
        cloth_.setDevicePixelRatio(ratio);
        QPainter cloth(&cloth_);
        PaintTableCloth(cloth, rect());
    }
    QPainter p(this);
    p.drawPixmap(
        event->rect(), cloth_,
        QRectF(QPointF(event->rect().topLeft()) * ratio, QSizeF(event->rect().size()) * ratio));
}

void TableArea::resizeEvent(QResizeEvent*) {
    emit resized();
}

}  // namespace tavexo
