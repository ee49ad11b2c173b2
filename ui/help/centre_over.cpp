#include "ui/help/centre_over.h"

#include <QWidget>

namespace tavexo::help {

void CentreOver(QWidget* window, const QWidget* over) {
    if (over == nullptr) return;
    window->move(over->frameGeometry().center() - window->rect().center());
}

}  // namespace tavexo::help
