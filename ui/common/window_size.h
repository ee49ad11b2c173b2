#pragma once

#include <QSize>

class QWidget;

namespace tavexo {

// The size a window opens with: the preferred size, made as large as the
// window's content needs at that width (its wrapped texts, the shared
// style's type and padding), so that nothing in it is cut off. Call it once
// the window's layout is complete.
QSize FittingSize(QWidget* window, QSize preferred);

}  // namespace tavexo
