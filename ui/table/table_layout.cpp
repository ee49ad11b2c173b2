#include "ui/table/table_layout.h"

#include <algorithm>
#include <cmath>

namespace tavexo {

namespace {

// Halves go to the even neighbour, the rounding the layout was designed with
// (a 1267-pixel window puts the dealer frame at 478, not 479).
int Round(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

TableLayout ComputeLayout(int w, int h) {
    // The half circle widens and deepens with the square of the window size,
    // so that a small window keeps its boxes close together.
    const int b = Round(std::pow(w / 1440.0, 2) * 64);
    const int c = Round(std::pow(h / 810.0, 2) * 30);
    TableLayout layout;
    for (int i = 1; i <= 3; ++i)
        layout.boxes[i - 1] = QPoint(w - BOX_FRAME_WIDTH - i * b, (i + 1) * c + (i - 1) * 158);
    layout.boxes[3] = QPoint(Round((w - BOX_FRAME_WIDTH) / 2.0), 2 * c + layout.boxes[2].y());
    layout.boxes[4] = QPoint(3 * b, layout.boxes[2].y());
    layout.boxes[5] = QPoint(2 * b, layout.boxes[1].y());
    layout.boxes[6] = QPoint(b, layout.boxes[0].y());
    layout.dealer = QPoint(Round((w - DEALER_FRAME_WIDTH) / 2.0), 10);
    return layout;
}

QRect SliderWindowGeometry(const QRect& screen, int sliderValue) {
    const double f = WINDOW_SCALE[std::clamp(sliderValue, SLIDER_MIN, SLIDER_MAX) - 1];
    const int width = Round(screen.width() * f);
    const int height = Round(screen.height() * f);
    // Truncated, not rounded: an odd margin leaves the extra pixel below and right.
    const int left = screen.left() + (screen.width() - width) / 2;
    const int top = screen.top() + (screen.height() - height) / 2;
    return QRect(left, top, width, height);
}

PausePlaces PlacePauseControls(const QRect& dealerFrame) {
    PausePlaces places;
    places.stopIndicator = QPoint(dealerFrame.left() + 103, dealerFrame.bottom() + 1 + 5);
    places.pauseButton =
        QPoint(dealerFrame.left() + 126, places.stopIndicator.y() + STOP_INDICATOR_SIZE + 5);
    return places;
}

}  // namespace tavexo
