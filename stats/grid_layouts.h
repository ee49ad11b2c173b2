#pragma once

#include <array>

#include "stats/text_format.h"
#include "stats/text_grid.h"

namespace tavexo {

// Column widths in pixels of the three kinds of grid, shared by the core
// (which centres texts by blanks for them) and the windows that show them.
inline constexpr int HISTORY_COLUMNS = 13;
inline constexpr int HISTORY_INITIAL_ROWS = 40;
inline constexpr std::array<int, HISTORY_COLUMNS> HISTORY_COLUMN_WIDTHS = {
    70, 50, 60, 80, 140, 280, 50, 53, 70, 90, 70, 100, 70};
inline constexpr std::array<const char*, HISTORY_COLUMNS> HISTORY_TITLES = {
    "Runde",  "Stücke",  "Einsatz",  "Dealerkarten", "Spielerkarten", "Spielerentscheidungen",
    "Dealer", "Spieler", "Ergebnis", "Gesamt",       "Saldo",         "Umsatz",
    "Rendite"};

inline constexpr int DETAIL_COLUMNS = 21;
inline constexpr int DETAIL_ROWS = 21;
inline constexpr std::array<int, DETAIL_COLUMNS> DETAIL_COLUMN_WIDTHS = {
    70, 54, 53, 53, 53, 100, 100, 48, 42, 53, 53, 53, 48, 48, 48, 60, 60, 48, 48, 48, 48};
inline constexpr std::array<const char*, DETAIL_COLUMNS> DETAIL_TITLES = {
    "Rel. Zählw.", "Spiele",   "Win",       "Lost",    "Even",    "+Saldo", "-Saldo",
    "Bust",        "BJ",       "Split +",   "Split -", "Split 0", "Dbl +",  "Dbl -",
    "Dbl 0",       "Surr1721", "Surr > 21", "Insu +",  "Insu -",  "D BJ",   "D Bust"};

inline constexpr int HINT_COLUMNS = 5;
inline constexpr int HINT_INITIAL_ROWS = 40;
inline constexpr std::array<int, HINT_COLUMNS> HINT_COLUMN_WIDTHS = {50, 75, 130, 80, 239};
inline constexpr std::array<const char*, HINT_COLUMNS> HINT_TITLES = {
    "Runde", "Dealerkarte", "Spielerkarten", "rel. Zählwert", "Strategiehinweis"};

// Fresh grids with their titles (and, for the details, the row labels).
TextGrid NewHistoryGrid();
TextGrid NewDetailsGrid(const TextFormat& format);
TextGrid NewHintsGrid(const TextFormat& format);
// The fixed column 0 and row 0 texts of a details grid.
void WriteDetailsLabels(TextGrid& grid, const TextFormat& format);

}  // namespace tavexo
