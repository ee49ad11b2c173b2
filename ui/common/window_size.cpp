#include "ui/common/window_size.h"

#include <QLayout>
#include <QWidget>

#include <algorithm>

namespace tavexo {

QSize FittingSize(QWidget* window, QSize preferred) {
    QLayout* layout = window->layout();
    if (layout == nullptr) return preferred;
    // The style sheet's fonts and paddings count only once polished.
    window->ensurePolished();
    const QSize minimum = layout->totalMinimumSize();
    const int width = std::max(preferred.width(), minimum.width());
    const int needed = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                                   : layout->totalSizeHint().height();
    return {width, std::max({preferred.height(), minimum.height(), needed})};
}

}  // namespace tavexo
