#pragma once

#include <QColor>

class QString;
class QWidget;

namespace tavexo {

// The colours of the shared window style (resources/style/tavexo.qss) for
// code that paints or colours cells itself.
inline const QColor STYLE_FELT(0x12, 0x3a, 0x22);
inline const QColor STYLE_CREAM_TEXT(0xf0, 0xe6, 0xc8);
inline const QColor STYLE_GOLD(0xe0, 0xc0, 0x68);
inline const QColor STYLE_GRID_BACKGROUND(0xfb, 0xf7, 0xea);
inline const QColor STYLE_GRID_TEXT(0x1e, 0x1a, 0x12);
// A grid cell that needs the eye now (a strategy index the count has passed);
// the grid text stays readable on it.
inline const QColor STYLE_LIVE_CELL(0xf2, 0xc9, 0x4c);
// The fixed first column of a grid (round numbers, row labels).
inline const QColor STYLE_GRID_FIXED(0xe8, 0xdf, 0xc4);
// The grey hint in an empty input field, 5.6:1 on the fields' light ground.
inline const QColor STYLE_PLACEHOLDER_TEXT(0x6a, 0x62, 0x50);

// Gives a window beside the table (a dialog, the statistics, the training
// centre, a message box) the table's look: the shared style sheet applies to
// the window and everything in it. The table window itself paints its own.
void ApplyWindowStyle(QWidget* window);

// The program's error message (a file that cannot be read or written): a
// box titled "Tavexo" in the shared style, waiting for "OK".
void ShowErrorBox(QWidget* parent, const QString& text);

// Qt draws the hint of an empty input field (its placeholder text) in the
// text colour at half strength, too faint on the light fields, and the style
// sheet has no word for it. Call once the field is inside its window.
void MakePlaceholderReadable(QWidget* field);

}  // namespace tavexo
