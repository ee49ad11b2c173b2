#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace tavexo {

// The visible texts and buttons of a window that lie partly outside it or
// get less height than their text or picture needs, by object name (or
// text); empty when the window shows everything in full.
inline QStringList CutOffWidgets(QWidget* window) {
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if ((label == nullptr && button == nullptr) || !widget->isVisible()) continue;
        const int needed = label != nullptr && label->wordWrap()
                               ? label->heightForWidth(label->width())
                               : widget->minimumSizeHint().height();
        const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
        if (widget->height() >= needed && window->rect().contains(place)) continue;
        QString name = widget->objectName();
        if (name.isEmpty()) name = label != nullptr ? label->text() : button->text();
        cut << QStringLiteral("%1 (%2 of %3 px)").arg(name).arg(widget->height()).arg(needed);
    }
    return cut;
}

}  // namespace tavexo
