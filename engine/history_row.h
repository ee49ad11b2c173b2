#pragma once

#include <string>

#include "engine/table_state.h"
#include "stats/history.h"

namespace tavexo {

// "As 10", "6 5 K": the rank names in the order dealt.
std::string CardsText(const CardCode* cards, int count);
// "8 3 K + 8 10" after a split, else the first hand's names.
std::string BoxCardsText(const TPlayerBox& box);
// "21" or "21 + 18".
std::string BoxTotalText(const TPlayerBox& box);

HistoryRow HistoryRowOf(const TPlayerBox& box, const TDealerHand& dealer, float roundStake,
                        float result);

}  // namespace tavexo
