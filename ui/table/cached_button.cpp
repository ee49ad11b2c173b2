#include "ui/table/cached_button.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavexo {

CachedButton::CachedButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void CachedButton::paintEvent(QPaintEvent*) {
    if (text() != drawnText_) {
        pictures_.clear();
        drawnText_ = text();
    }
    const int look = (isEnabled() ? 1 : 0) | (isDown() ? 2 : 0) | (underMouse() ? 4 : 0) |
                     (isChecked() ? 8 : 0) | (hasFocus() ? 16 : 0);
    QPixmap& picture = pictures_[look];
    const qreal ratio = devicePixelRatioF();
    if (picture.isNull()) {
        picture = QPixmap(size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStylePainter painter(&picture, this);
        QStyleOptionButton option;
        initStyleOption(&option);
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

void CachedButton::resizeEvent(QResizeEvent* event) {
    pictures_.clear();
    QPushButton::resizeEvent(event);
}

void CachedButton::changeEvent(QEvent* event) {
    // A new font, palette or style changes every look.
    if (event->type() != QEvent::EnabledChange) pictures_.clear();
    QPushButton::changeEvent(event);
}

}  // namespace tavexo
