#include "strategy/hints_log.h"

#include "engine/history_row.h"
#include "stats/grid_layouts.h"

namespace tavexo {

void AppendHint(Table& table, int box, int hand, int dealerValue, const std::string& notice) {
    TPlayerBox& b = table.Box(box);
    TextGrid& grid = table.HintsGrid(box);
    b.hintRow += 1;
    const int row = b.hintRow;
    if (row >= grid.RowCount()) grid.SetRowCount(row + 1);
    if (b.historyRow != b.lastHintRound) {
        grid.SetCell(
            0, row,
            CentreByBlanks(table.Format(), std::to_string(b.historyRow), HINT_COLUMN_WIDTHS[0]));
        grid.SetCell(1, row, std::to_string(dealerValue));
        b.lastHintRound = b.historyRow;
    }
    const THand& h = b.Hand(hand);
    std::string cards = b.isSplit ? "Bl. " + std::to_string(hand) + ": " : "";
    cards += CardsText(h.cards.data(), h.cardCount);
    grid.SetCell(2, row, cards);
    grid.SetCell(3, row, FormatCount(table.Format(), table.Count().RelativeCount));
    grid.SetCell(4, row, notice);
    if (table.View() != nullptr) table.View()->GridChanged(GridKind::Hints, box);
}

void ClearHints(Table& table, int box) {
    TextGrid& grid = table.HintsGrid(box);
    for (int row = 1; row < grid.RowCount(); ++row) grid.ClearRow(row);
    table.Box(box).hintRow = 0;
    if (table.View() != nullptr) table.View()->GridChanged(GridKind::Hints, box);
}

}  // namespace tavexo
