// The grid files ("*.lauf", "*.stat", "*.trai"): any bytes either load, and
// then save and load again to the same grid and bytes, or are refused and
// leave the grid exactly as it was. The first byte picks the grid's kind.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "stats/grid_file.h"
#include "stats/grid_layouts.h"
#include "stats/text_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    TextGrid grid = [&] {
        switch (data[0] % 3) {
            case 0:
                return NewHistoryGrid();
            case 1:
                return NewDetailsGrid(DefaultTextFormat());
            default:
                return NewHintsGrid(DefaultTextFormat());
        }
    }();
    grid.SetCell(0, 1, "alt");
    const TextGrid before = grid;

    if (!DecodeGridFile(grid, bytes).ok) {
        FUZZ_CHECK(grid == before);
        return 0;
    }
    FUZZ_CHECK(grid.RowCount() >= 1);
    FUZZ_CHECK(grid.ColumnCount() == before.ColumnCount());
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        FUZZ_CHECK(grid.Cell(column, 0) == before.Cell(column, 0));  // titles stay
    }
    // Saved, a loaded grid loads again. After that first save the grid is
    // what the program itself writes (characters Windows-1252 lacks saved
    // as '?', empty fields read back as a blank), and from then on saving
    // and loading changes nothing.
    TextGrid second = before;
    FUZZ_CHECK(DecodeGridFile(second, EncodeGridFile(grid)).ok);
    const TStatGridFile saved = EncodeGridFile(second);
    TextGrid third = before;
    FUZZ_CHECK(DecodeGridFile(third, saved).ok);
    FUZZ_CHECK(third == second);
    FUZZ_CHECK(EncodeGridFile(third) == saved);
    return 0;
}
