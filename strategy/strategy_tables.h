#pragma once

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/double_offer.h"

namespace tavexo {

// A table of Hi-Lo count indices. Rows are keyed by a hand total (or, for
// splits, the point value of the paired cards), columns by the dealer's
// up-card value, 2..11 with the ace as 11. Entries of 100 and -100 are
// ordinary numbers far outside any count reached in play; they are compared
// like every other entry and only the display treats them specially.
template <int FirstRow, int LastRow, int FirstColumn = 2, int LastColumn = 11>
struct TIndexTable {
    static constexpr int firstRow = FirstRow;
    static constexpr int lastRow = LastRow;
    static constexpr int firstColumn = FirstColumn;
    static constexpr int lastColumn = LastColumn;

    std::array<std::array<int32_t, LastColumn - FirstColumn + 1>, LastRow - FirstRow + 1> entries;

    // The decision rules check their ranges before they look a key up, so a
    // key outside the table is a programming error.
    constexpr int32_t At(int row, int dealer) const {
        assert(row >= FirstRow && row <= LastRow);
        assert(dealer >= FirstColumn && dealer <= LastColumn);
        return entries[row - FirstRow][dealer - FirstColumn];
    }
};

// clang-format off
// Hit while the relative count is lower than the entry.
inline constexpr TIndexTable<12, 18> HardHitIndex{{{
    //       2     3     4     5     6     7     8     9    10     A
    {{    3,    2,    0,   -2,   -1,  100,  100,  100,  100,  100}},  // 12
    {{   -1,   -2,   -4,   -5,   -5,  100,  100,  100,  100,  100}},  // 13
    {{   -4,   -5,   -7,   -8,   -8,   18,  100,  100,  100,   13}},  // 14
    {{   -6,   -7,   -8,  -10,  -10,   10,   10,    8,    4,    9}},  // 15
    {{   -9,  -11,  -12,  -13,  -13,    9,    7,    5,    0,    8}},  // 16
    {{ -100, -100, -100, -100, -100, -100, -100, -100, -100,   -7}},  // 17
    {{ -100, -100, -100, -100, -100, -100, -100, -100, -100, -100}},  // 18
}}};

inline constexpr TIndexTable<13, 19> SoftHitIndex{{{
    //       2     3     4     5     6     7     8     9    10     A
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 13
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 14
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 15
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 16
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 17
    {{ -100, -100, -100, -100, -100, -100, -100,  100,  100,    1}},  // 18
    {{ -100, -100, -100, -100, -100, -100, -100, -100, -100, -100}},  // 19
}}};

// Double while the relative count is higher than the entry. Hard 11 against
// a 2 stands at 12 although its neighbours are negative; it is kept as the
// strategy was drawn up.
inline constexpr TIndexTable<4, 11> HardDoubleIndex{{{
    //       2     3     4     5     6     7     8     9    10     A
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 4
    {{  100,  100,  100,   13,  100,  100,  100,  100,  100,  100}},  // 5
    {{  100,  100,   16,   13,   16,  100,  100,  100,  100,  100}},  // 6
    {{  100,  100,   12,    9,   10,  100,  100,  100,  100,  100}},  // 7
    {{   14,    9,    6,    4,    2,   14,  100,  100,  100,  100}},  // 8
    {{    1,   -1,   -3,   -5,   -6,    3,    8,  100,  100,  100}},  // 9
    {{   -9,  -10,  -11,  -12,  -14,   -7,   -5,   -2,    4,    4}},  // 10
    {{   12,  -13,  -14,  -14,  -16,  -10,   -7,   -5,   -5,    1}},  // 11
}}};

// Soft 13 is an ace and a 2, soft 21 an ace and a ten.
inline constexpr TIndexTable<13, 21> SoftDoubleIndex{{{
    //       2     3     4     5     6     7     8     9    10     A
    {{   13,    7,    3,    0,   -3,  100,  100,  100,  100,  100}},  // 13
    {{   14,    7,    1,   -3,   -6,  100,  100,  100,  100,  100}},  // 14
    {{  100,    6,   -1,   -6,  -10,  100,  100,  100,  100,  100}},  // 15
    {{  100,    4,   -4,   -8,  -14,  100,  100,  100,  100,  100}},  // 16
    {{    1,   -5,   -8,  -11,  -14,  100,  100,  100,  100,  100}},  // 17
    {{    1,   -3,   -7,   -9,  -11,  100,  100,  100,  100,  100}},  // 18
    {{    9,    5,    3,    1,    1,   16,  100,  100,  100,  100}},  // 19
    {{   10,    9,    7,    5,    5,   14,  100,  100,  100,  100}},  // 20
    {{   14,   12,   10,    8,    8,  100,  100,  100,  100,  100}},  // 21
}}};

// Split while the relative count is higher than the entry; rows by the
// point value of the pair (any two ten-valued cards are a pair of tens).
inline constexpr TIndexTable<2, 11> SplitIndex{{{
    //       2     3     4     5     6     7     8     9    10     A
    {{   -4,   -6,   -8,  -10,  -14, -100,    6,  100,  100,  100}},  // 2, 2
    {{   -1,   -6,   -9,  -10,  -16, -100,  100,  100,  100,  100}},  // 3, 3
    {{  100,    8,    4,    0,  100,  100,  100,  100,  100,  100}},  // 4, 4
    {{  100,  100,  100,  100,  100,  100,  100,  100,  100,  100}},  // 5, 5
    {{   -2,   -4,   -6,   -8,  -11,  100,  100,  100,  100,  100}},  // 6, 6
    {{  -12,  -13,  -16, -100, -100, -100,    2,  100,  100,  100}},  // 7, 7
    {{ -100, -100, -100, -100, -100, -100, -100, -100,  100,  -13}},  // 8, 8
    {{   -3,   -5,   -6,   -7,   -8,    3,  -10,  -11,  100,    4}},  // 9, 9
    {{   10,    8,    6,    5,    4,   13,  100,  100,  100,  100}},  // 10, 10
    {{  -13,  -13,  -14,  -15,  -16,  -11,  -10,   -9,  -10,   -5}},  // A, A
}}};

// Surrender while the relative count is higher than the entry. Only the
// dealer columns 7..A exist: against a lower card nobody surrenders.
inline constexpr TIndexTable<4, 17, 7> HardSurrenderIndex{{{
    //       7     8     9    10     A
    {{  100,  100,  100,  100,  100}},  // 4
    {{  100,  100,  100,  100,  100}},  // 5
    {{  100,  100,  100,  100,  100}},  // 6
    {{  100,  100,  100,  100,  100}},  // 7
    {{  100,  100,  100,  100,  100}},  // 8
    {{  100,  100,  100,  100,  100}},  // 9
    {{  100,  100,  100,  100,  100}},  // 10
    {{  100,  100,  100,  100,  100}},  // 11
    {{  100,  100,  100,    8,    5}},  // 12
    {{  100,   13,    9,    3,   -8}},  // 13
    {{  100,    9,    5,   -1,   10}},  // 14
    {{  100,    7,    2,   -3,  -11}},  // 15
    {{  100,    5,    0,   -6,  -14}},  // 16
    {{  100,  100,   10,    5, -100}},  // 17
}}};

inline constexpr TIndexTable<13, 17, 7> SoftSurrenderIndex{{{
    //       7     8     9    10     A
    {{  100,  100,  100,  100,   13}},  // 13
    {{  100,  100,  100,  100,    9}},  // 14
    {{  100,  100,  100,   16,    7}},  // 15
    {{  100,  100,  100,   15,    5}},  // 16
    {{  100,  100,  100,  100,    6}},  // 17
}}};

// Rows by the point value of the pair: 7, 7 and 8, 8.
inline constexpr TIndexTable<7, 8, 7> PairSurrenderIndex{{{
    //       7     8     9    10     A
    {{  100,    8,    4,   -2,  -12}},  // 7, 7
    {{  100,  100,   10,   -2,  -14}},  // 8, 8
}}};
// clang-format on

// Insurance thresholds by the training choice "Versichern": 3, 5, 7, 10 and
// "nie" (1000, beyond any count).
inline constexpr std::array<int32_t, 5> InsuranceIndex = {3, 5, 7, 10, 1000};

// How the training centre writes an entry. A "+" always means "do it" and a
// "-" means "never": for the act-above tables that is -100 and 100, for the
// hit tables (where a high entry means hit) 100 and -100.
enum class TableFamily { ActAbove, Hit };
std::string CellText(TableFamily family, int32_t entry);

// What a strategy grid decides, and on which kind of hand; for the grids'
// explanations in words.
enum class GridAction { Hit, Double, Split, Surrender };
enum class HandKind { Hard, Soft, Pair };

// One strategy grid of the training centre, G1..G8, as data.
struct StrategyGridSpec {
    const char* name;                    // "G1".."G8"
    const char* caption;                 // caption of the group the grid sits in
    const char* label;                   // label beside the grid inside a shared group, or ""
    const char* rule;                    // how to read the grid
    std::vector<int> columns;            // dealer values, shown in row 0
    std::vector<int> rows;               // table row keys, in display order
    std::vector<std::string> rowLabels;  // texts of column 0, one per row
    TableFamily family;
    int32_t (*lookup)(int row, int dealer);
    int labelColumnWidth;  // pixels of column 0; 0 keeps the grid's own width
    GridAction action;
    HandKind hand;

    int ColumnCount() const { return static_cast<int>(columns.size()) + 1; }
    int RowCount() const { return static_cast<int>(rows.size()) + 1; }
    // Text of the cell in grid row `r` and grid column `c` (both 0-based,
    // row 0 and column 0 being the headers).
    std::string CellAt(int r, int c) const;
};

const std::array<StrategyGridSpec, 8>& StrategyGrids();

}  // namespace tavexo
