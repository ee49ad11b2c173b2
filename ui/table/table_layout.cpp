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
    layout.dealer = QPoint(Round((w - DEALER_FRAME_WIDTH) / 2.0), DEALER_TOP);
    return layout;
}

namespace {

// The lowest top a frame of the given place may have: the table's bottom,
// or the top of a bottom control that lies under it.
int LowestTop(int left, int height, const TableRoom& room) {
    int bottom = room.table.height();
    for (const QRect& control : {room.leftControls, room.rightControls}) {
        const bool under = left < control.right() + 1 + FRAME_GAP &&
                           left + BOX_FRAME_WIDTH + FRAME_GAP > control.left();
        if (under && !control.isEmpty()) bottom = std::min(bottom, control.top() - FRAME_GAP);
    }
    return bottom - height;
}

// Tops for a column of three boxes, top to bottom, each at its designed top
// or lower, apart from each other; a column too long for its room closes
// up from below.
void FitColumn(std::array<QPoint*, 3> column, const TableRoom& room) {
    int floor = 0;
    for (QPoint* place : column) {
        place->setY(std::max(place->y(), floor));
        floor = place->y() + BOX_FRAME_HEIGHT + FRAME_GAP;
    }
    int ceiling = LowestTop(column[2]->x(), BOX_FRAME_HEIGHT, room) + BOX_FRAME_HEIGHT + FRAME_GAP;
    for (int i = 2; i >= 0; --i) {
        QPoint* place = column[static_cast<size_t>(i)];
        const int lowest = std::min(ceiling, LowestTop(place->x(), BOX_FRAME_HEIGHT, room) +
                                                 BOX_FRAME_HEIGHT + FRAME_GAP) -
                           BOX_FRAME_HEIGHT - FRAME_GAP;
        place->setY(std::max(0, std::min(place->y(), lowest)));
        ceiling = place->y();
    }
}

// The bottom of the pause button under a dealer frame at `dealerTop`.
int PauseBottom(int dealerTop) {
    const PausePlaces pause = PlacePauseControls(QRect(0, dealerTop, 1, DEALER_FRAME_HEIGHT));
    return pause.pauseButton.y() + PAUSE_BUTTON_SIZE;
}

}  // namespace

TableLayout FitLayout(const TableLayout& designed, const TableRoom& room) {
    TableLayout fitted = designed;
    const int width = room.table.width();
    // The middle column: the dealer, the pause button and stop sign under
    // him, box 4 at the bottom.
    const int middle = std::max(0, std::min(designed.dealer.x(), width - DEALER_FRAME_WIDTH));
    fitted.dealer = QPoint(middle, std::max(0, designed.dealer.y()));
    QPoint& box4 = fitted.boxes[3];
    box4.setX(middle);
    const int box4Highest = PauseBottom(fitted.dealer.y()) + FRAME_GAP;
    box4.setY(std::max(box4Highest,
                       std::min(designed.boxes[3].y(), LowestTop(middle, BOX_FRAME_HEIGHT, room))));

    // The side columns keep clear of the middle one.
    const int rightmost = width - BOX_FRAME_WIDTH;
    const int rightColumn = middle + BOX_FRAME_WIDTH + FRAME_GAP;
    const int leftColumn = middle - FRAME_GAP - BOX_FRAME_WIDTH;
    for (int box : {1, 2, 3}) {
        QPoint& place = fitted.boxes[static_cast<size_t>(box - 1)];
        place.setX(std::max(0, std::min(std::max(place.x(), rightColumn), rightmost)));
    }
    for (int box : {5, 6, 7}) {
        QPoint& place = fitted.boxes[static_cast<size_t>(box - 1)];
        place.setX(std::max(0, std::min(place.x(), leftColumn)));
    }
    FitColumn({&fitted.boxes[0], &fitted.boxes[1], &fitted.boxes[2]}, room);
    FitColumn({&fitted.boxes[6], &fitted.boxes[5], &fitted.boxes[4]}, room);
    return fitted;
}

QSize MinimumTableSize(const TableRoom& room) {
    const int width = 3 * BOX_FRAME_WIDTH + 2 * FRAME_GAP;
    // The bottom strip the corner controls take, with their gap.
    int strip = 0;
    for (const QRect& control : {room.leftControls, room.rightControls}) {
        if (!control.isEmpty())
            strip = std::max(strip, room.table.height() - control.top() + FRAME_GAP);
    }
    const int column = 3 * BOX_FRAME_HEIGHT + 2 * FRAME_GAP + strip;
    const int middle = PauseBottom(DEALER_TOP) + FRAME_GAP + BOX_FRAME_HEIGHT + strip;
    return QSize(width, std::max(column, middle));
}

QRect SliderWindowGeometry(const QRect& screen, int sliderValue, const QSize& minimum) {
    const double f = WINDOW_SCALE[std::clamp(sliderValue, SLIDER_MIN, SLIDER_MAX) - 1];
    const int width =
        std::min(std::max(Round(screen.width() * f), minimum.width()), screen.width());
    const int height =
        std::min(std::max(Round(screen.height() * f), minimum.height()), screen.height());
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
