#include "ui/common/painted_label.h"

#include <QPainter>

namespace tavexo {

PaintedLabel::PaintedLabel(QWidget* parent) : QLabel(parent) {}

void PaintedLabel::SetColours(const Colours& colours) {
    if (colours.text == colours_.text && colours.field == colours_.field &&
        colours.border == colours_.border && colours.radius == colours_.radius &&
        colours.padding == colours_.padding)
        return;
    colours_ = colours;
    update();
}

void PaintedLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (colours_.field.isValid() || colours_.border.isValid()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(colours_.border.isValid() ? QPen(colours_.border, 1) : QPen(Qt::NoPen));
        p.setBrush(colours_.field.isValid() ? QBrush(colours_.field) : QBrush(Qt::NoBrush));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), colours_.radius,
                          colours_.radius);
    }
    p.setPen(colours_.text);
    p.setFont(font());
    p.drawText(rect().adjusted(colours_.padding, 0, -colours_.padding, 0), int(alignment()),
               text());
}

}  // namespace tavexo
