#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

#include "engine/table_state.h"
#include "settings/window_positions.h"

namespace tavexo {

inline constexpr int BOX_FRAME_WIDTH = 310;
inline constexpr int BOX_FRAME_HEIGHT = 157;
inline constexpr int DEALER_FRAME_WIDTH = 310;
inline constexpr int DEALER_FRAME_HEIGHT = 196;
inline constexpr int PAUSE_BUTTON_SIZE = 58;
inline constexpr int STOP_INDICATOR_SIZE = 105;
inline constexpr int DEALER_TOP = 10;

// The window's share of the screen for the size slider's values 1 to 7.
inline constexpr std::array<double, 7> WINDOW_SCALE = {0.66, 0.70, 0.75, 0.82, 0.90, 0.96, 1.00};
inline constexpr int SLIDER_MIN = 1;
inline constexpr int SLIDER_MAX = 7;

// The default places of the frames for a window of w x h pixels: box 1 at
// the upper right, down to box 4 at the bottom centre and up again to box 7
// at the upper left, the dealer frame at the top centre.
struct TableLayout {
    std::array<QPoint, BOX_COUNT> boxes;  // index 0 for box 1
    QPoint dealer;
};
TableLayout ComputeLayout(int w, int h);

// What a table of a given size holds besides the frames: the controls in
// its bottom corners ("Positionen speichern" with "F1-Taste für Hilfe" on
// the left, the size slider with its caption on the right), in table
// coordinates.
struct TableRoom {
    QSize table;
    QRect leftControls;
    QRect rightControls;
};

// The space kept between two frames, and between a frame and a control.
inline constexpr int FRAME_GAP = 6;

// The designed places moved just as far as needed that no two frames, no
// frame and the pause button or stop sign under the dealer, and no frame
// and a bottom control overlap, and every frame lies on the table: the
// columns of boxes keep clear of the middle column (dealer, pause, box 4),
// a column that does not fit its height closes up from the bottom. On a
// table smaller than MinimumTableSize some overlap cannot be helped.
TableLayout FitLayout(const TableLayout& designed, const TableRoom& room);
// The smallest table on which FitLayout keeps everything apart.
QSize MinimumTableSize(const TableRoom& room);

// The window's bounds for a slider value on a screen of the given geometry:
// the scaled size, centred. Never smaller than `minimum` (the size on which
// the frames lie apart) unless the screen itself is smaller.
QRect SliderWindowGeometry(const QRect& screen, int sliderValue, const QSize& minimum = {});

// A stored arrangement made fit for this screen: nullopt when it is
// nonsense (a slider outside 1..7, sizes or places no screen has), which
// means the default layout; otherwise the window's bounds moved and shrunk
// into `available` (the screen's work area). Frame places are left to
// ClampToTable once the table has its size.
std::optional<TWindowPositions> FitStoredPositions(const TWindowPositions& stored,
                                                   const QRect& available);

// A frame's place moved just far enough that the whole frame lies on a
// table of the given size (the top left corner wins on a table too small).
QPoint ClampToTable(const QPoint& place, const QSize& frame, const QSize& table);

// Where the pause button and the stop indicator go for a dealer frame.
struct PausePlaces {
    QPoint pauseButton;
    QPoint stopIndicator;
};
PausePlaces PlacePauseControls(const QRect& dealerFrame);

}  // namespace tavexo
