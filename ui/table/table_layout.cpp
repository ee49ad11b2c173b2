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

std::optional<TWindowPositions> FitStoredPositions(const TWindowPositions& stored,
                                                   const QRect& available) {
    // No screen is larger than this; anything beyond is not a place.
    constexpr int LIMIT = 32768;
    constexpr int MIN_SIDE = 200;
    auto sane = [](int32_t v) { return v > -LIMIT && v < LIMIT; };
    if (stored.sliderPosition < SLIDER_MIN || stored.sliderPosition > SLIDER_MAX) return {};
    if (stored.windowWidth < MIN_SIDE || stored.windowHeight < MIN_SIDE ||
        stored.windowWidth >= LIMIT || stored.windowHeight >= LIMIT)
        return {};
    if (!sane(stored.windowLeft) || !sane(stored.windowTop)) return {};
    for (const TFramePlace& place : stored.boxes)
        if (!sane(place.left) || !sane(place.top)) return {};
    if (!sane(stored.dealer.left) || !sane(stored.dealer.top)) return {};

    // A window from a larger screen shrinks to this one and comes into view.
    TWindowPositions fitted = stored;
    const int width = std::min<int>(stored.windowWidth, available.width());
    const int height = std::min<int>(stored.windowHeight, available.height());
    fitted.windowWidth = width;
    fitted.windowHeight = height;
    fitted.windowLeft =
        std::clamp<int>(stored.windowLeft, available.left(), available.right() + 1 - width);
    fitted.windowTop =
        std::clamp<int>(stored.windowTop, available.top(), available.bottom() + 1 - height);
    return fitted;
}

QPoint ClampToTable(const QPoint& place, const QSize& frame, const QSize& table) {
    const int x = std::max(0, std::min(place.x(), table.width() - frame.width()));
    const int y = std::max(0, std::min(place.y(), table.height() - frame.height()));
    return QPoint(x, y);
}

PausePlaces PlacePauseControls(const QRect& dealerFrame) {
    PausePlaces places;
    places.stopIndicator = QPoint(dealerFrame.left() + 103, dealerFrame.bottom() + 1 + 5);
    places.pauseButton =
        QPoint(dealerFrame.left() + 126, places.stopIndicator.y() + STOP_INDICATOR_SIZE + 5);
    return places;
}

}  // namespace tavexo
