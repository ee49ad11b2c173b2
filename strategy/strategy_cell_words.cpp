#include "strategy/strategy_cell_words.h"

namespace tavexo {

namespace {

std::string CardWord(int value) {
    return value == 11 ? "Ass" : std::to_string(value);
}

std::string HandWords(HandKind hand, int key) {
    switch (hand) {
        case HandKind::Hard:
            return "Hart " + std::to_string(key);
        case HandKind::Soft:
            return "Weich " + std::to_string(key);
        case HandKind::Pair: {
            const std::string card = key == 11 ? "A" : std::to_string(key);
            return "Paar " + card + ", " + card;
        }
    }
    return {};
}

const char* Verb(GridAction action) {
    switch (action) {
        case GridAction::Hit:
            return "ziehen";
        case GridAction::Double:
            return "verdoppeln";
        case GridAction::Split:
            return "teilen";
        case GridAction::Surrender:
            return "aufgeben";
    }
    return "";
}

}  // namespace

bool RecommendsAt(TableFamily family, int32_t entry, float relativeCount) {
    const auto e = static_cast<float>(entry);
    return family == TableFamily::Hit ? relativeCount < e : relativeCount > e;
}

bool CountFlipsDecision(TableFamily family, int32_t entry, float relativeCount) {
    return RecommendsAt(family, entry, relativeCount) != RecommendsAt(family, entry, 0.0f);
}

std::string CellMeaning(const StrategyGridSpec& grid, int r, int c) {
    if (r < 1 || c < 1 || r >= grid.RowCount() || c >= grid.ColumnCount()) return {};
    const int key = grid.rows[r - 1];
    const int dealer = grid.columns[c - 1];
    const std::string head = HandWords(grid.hand, key) + " gegen " + CardWord(dealer) + ": ";
    const std::string verb = Verb(grid.action);
    const std::string shown = grid.CellAt(r, c);
    if (shown == "+") return head + "immer " + verb;
    if (shown == "-") return head + "nie " + verb;
    const std::string entry = std::to_string(grid.lookup(key, dealer));
    if (grid.family == TableFamily::Hit)
        return head + verb + ", solange der wahre Zählwert unter " + entry + " liegt";
    return head + verb + ", wenn der wahre Zählwert über " + entry + " liegt";
}

}  // namespace tavexo
