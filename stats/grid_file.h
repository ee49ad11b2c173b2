#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/file_io.h"
#include "stats/text_grid.h"

namespace tavexo {

// TStatGridFile: the text file of a history ("*.lauf"), detail statistics
// ("*.stat") or hints log ("*.trai") grid. Line 1 holds the row count, then
// one line per row 1 .. row count - 1 with every cell, comma-separated;
// Windows-1252, CR LF after every line. The title row stays out of the file.
// See docs/file-formats.md.
using TStatGridFile = std::string;

// An announced row count above this is refused unless the file really holds
// that many lines, so that a damaged first line cannot make the grid reserve
// gigabytes.
inline constexpr int MAX_ANNOUNCED_GRID_ROWS = 100000;

// Bounds on what one load may take, whatever the file says: its size, and
// the grid's cells (rows times columns; each empty cell alone takes 32
// bytes): 4 million cells hold a history of 300000 rounds in some 200 MB,
// far more than a box plays in practice.
inline constexpr size_t MAX_GRID_FILE_BYTES = size_t{64} << 20;
inline constexpr int64_t MAX_GRID_CELLS = 4'000'000;

// The file's bytes for the grid. Characters Windows-1252 lacks become '?'.
TStatGridFile EncodeGridFile(const TextGrid& grid);

// Fills the grid from a file's bytes. A first line that is not a usable row
// count, a file that ends early (at the first missing line) and a file
// larger than the bounds above fail with the grid unchanged.
FileResult DecodeGridFile(TextGrid& grid, std::string_view bytes);

// Writes the grid, replacing an existing file only once the new one is
// complete; a failure gives the message of WriteFailure().
FileResult SaveGridToFile(const TextGrid& grid, const std::string& path,
                          const FileCalls& calls = SystemFileCalls());
FileResult LoadGridFromFile(TextGrid& grid, const std::string& path);

// One line split into its fields: blanks and control characters around a
// field are skipped, a field in double quotes may hold commas and blanks (a
// doubled quote stands for one), and a comma that ends the line gives one
// more, empty field.
std::vector<std::string> SplitGridLine(std::string_view line);

// The cell text as a field: quoted when it holds a comma, a double quote or
// a character of code 32 or less.
std::string GridField(std::string_view cell);

}  // namespace tavexo
