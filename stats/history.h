#pragma once

#include <string>

#include "stats/text_format.h"
#include "stats/text_grid.h"

namespace tavexo {

// What one settled round of a box leaves in its history.
struct HistoryRow {
    int row = 0;  // the box's historyRow
    int units = 0;
    float roundStake = 0.0f;
    std::string dealerCards;
    std::string boxCards;
    std::string decisions;
    int dealerTotal = 0;
    std::string boxTotal;
    float result = 0.0f;
    float capital = 0.0f;
    float startCapital = 0.0f;
    float turnover = 0.0f;
};

// Writes row `row.row` of a history grid and sets the row count to one more.
void WriteHistoryRow(TextGrid& grid, const HistoryRow& row, const TextFormat& format);

}  // namespace tavexo
