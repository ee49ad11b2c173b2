#include "strategy/strategy_tables.h"

namespace tavexo {

namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> keys;
    for (int key = first; key <= last; ++key) keys.push_back(key);
    return keys;
}

std::vector<std::string> Numbers(const std::vector<int>& keys) {
    std::vector<std::string> texts;
    for (int key : keys) texts.push_back(std::to_string(key));
    return texts;
}

constexpr const char* HIT_RULE =
    "Ziehen Sie, wenn der wahre Zählwert niedriger als der Tabellenwert ist.";
constexpr const char* DOUBLE_RULE =
    "Verdoppeln Sie, wenn der wahre Zählwert höher als der Tabellenwert ist.";
constexpr const char* SPLIT_RULE =
    "Teilen Sie, wenn der wahre Zählwert höher als der Tabellenwert ist.";
constexpr const char* SURRENDER_RULE =
    "Aufgeben, wenn der wahre Zählwert höher als der Tabellenwert ist.";
constexpr const char* SURRENDER_CAPTION = "Aufgeben [7 - 11 = Dealerkarte]";

std::array<StrategyGridSpec, 8> BuildGrids() {
    const std::vector<int> allDealers = Range(2, 11);
    return {{
        {"G1", "Ziehen harte Hand [2 - 11 = Dealerkarte]", "", HIT_RULE, allDealers, Range(12, 17),
         Numbers(Range(12, 17)), TableFamily::Hit,
         [](int row, int dealer) { return HardHitIndex.At(row, dealer); }, 0, GridAction::Hit,
         HandKind::Hard},
        {"G2", "Ziehen weiche Hand [2 - 11 = Dealerkarte]", "", HIT_RULE, allDealers, Range(13, 18),
         Numbers(Range(13, 18)), TableFamily::Hit,
         [](int row, int dealer) { return SoftHitIndex.At(row, dealer); }, 0, GridAction::Hit,
         HandKind::Soft},
        // The rules consult hard 4 as well, but the grid starts at 5.
        {"G3", "Verdoppeln harte Hand [2 - 11 = Dealerkarte]", "", DOUBLE_RULE, allDealers,
         Range(5, 11), Numbers(Range(5, 11)), TableFamily::ActAbove,
         [](int row, int dealer) { return HardDoubleIndex.At(row, dealer); }, 0, GridAction::Double,
         HandKind::Hard},
        {"G4", "Verdoppeln weiche Hand [2 - 11 = Dealerkarte]", "", DOUBLE_RULE, allDealers,
         Range(13, 21), Numbers(Range(13, 21)), TableFamily::ActAbove,
         [](int row, int dealer) { return SoftDoubleIndex.At(row, dealer); }, 0, GridAction::Double,
         HandKind::Soft},
        {"G5", "Teilen [2 - 11 = Dealerkarte]", "", SPLIT_RULE, allDealers, Range(2, 11),
         Numbers(Range(2, 11)), TableFamily::ActAbove,
         [](int row, int dealer) { return SplitIndex.At(row, dealer); }, 0, GridAction::Split,
         HandKind::Pair},
        {"G6", SURRENDER_CAPTION, "\u25C4 harte Hand", SURRENDER_RULE, Range(7, 11), Range(12, 17),
         Numbers(Range(12, 17)), TableFamily::ActAbove,
         [](int row, int dealer) { return HardSurrenderIndex.At(row, dealer); }, 0,
         GridAction::Surrender, HandKind::Hard},
        {"G7", SURRENDER_CAPTION, "weiche Hand", SURRENDER_RULE, Range(10, 11), Range(13, 16),
         Numbers(Range(13, 16)), TableFamily::ActAbove,
         [](int row, int dealer) { return SoftSurrenderIndex.At(row, dealer); }, 0,
         GridAction::Surrender, HandKind::Soft},
        {"G8",
         SURRENDER_CAPTION,
         "Paar",
         SURRENDER_RULE,
         Range(8, 11),
         Range(7, 8),
         {"7, 7", "8, 8"},
         TableFamily::ActAbove,
         [](int row, int dealer) { return PairSurrenderIndex.At(row, dealer); },
         32,
         GridAction::Surrender,
         HandKind::Pair},
    }};
}

}  // namespace

std::string CellText(TableFamily family, int32_t entry) {
    const int32_t always = family == TableFamily::Hit ? 100 : -100;
    if (entry == always) return "+";
    if (entry == -always) return "-";
    return std::to_string(entry);
}

std::string StrategyGridSpec::CellAt(int r, int c) const {
    if (r < 0 || c < 0 || r >= RowCount() || c >= ColumnCount()) return "";
    if (r == 0 && c == 0) return "";
    if (r == 0) return std::to_string(columns[c - 1]);
    if (c == 0) return rowLabels[r - 1];
    return CellText(family, lookup(rows[r - 1], columns[c - 1]));
}

const std::array<StrategyGridSpec, 8>& StrategyGrids() {
    static const std::array<StrategyGridSpec, 8> grids = BuildGrids();
    return grids;
}

}  // namespace tavexo
