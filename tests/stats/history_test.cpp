// The round history and the detail statistics as the statistics window
// shows them after real rounds.
#include <gtest/gtest.h>

#include <string>

#include "engine/history_row.h"
#include "stats/grid_layouts.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

class HistoryTest : public TableFixture {
  protected:
    void PlayOneRound(const std::string& cards) {
        Stack(cards);
        StopAfterOneRound();
        table.StartRun();
    }
};

TEST_F(HistoryTest, FirstRoundWritesRowOneAndShrinksTheGrid) {
    SeatBoxes({1});
    ASSERT_EQ(table.HistoryGrid(1).RowCount(), HISTORY_INITIAL_ROWS);
    Always(1, Action::Stand);
    PlayOneRound("A 9 K 10");  // a blackjack: two cards, 21, no decisions
    const TextGrid& g = table.HistoryGrid(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cell(0, 0), "Runde");
    EXPECT_EQ(g.Cell(0, 1).substr(g.Cell(0, 1).find_first_not_of(' ')), "1");
    EXPECT_EQ(g.Cell(1, 1), "1");
    EXPECT_EQ(g.Cell(2, 1), "10,0 €");
    EXPECT_EQ(g.Cell(4, 1), "As K");
    EXPECT_EQ(g.Cell(5, 1), "");
    EXPECT_EQ(g.Cell(7, 1), "21");
    EXPECT_EQ(g.Cell(11, 1), "10,0 €");
    EXPECT_EQ(g.Cell(12, 1), "150,00 %");
}

TEST_F(HistoryTest, ClearingRestartsSaldoButKeepsTurnover) {
    SeatBoxes({1});
    Always(1, Action::Stand);
    PlayOneRound("10 10 7 K");  // lose 10
    table.ClearHistory(1);
    EXPECT_EQ(table.HistoryGrid(1).Cell(4, 1), "");
    EXPECT_EQ(table.HistoryGrid(1).RowCount(), 2);  // the row count stays
    PlayOneRound("10 7 9 K");                       // win 10
    const TextGrid& g = table.HistoryGrid(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cell(4, 1), "10 9");
    EXPECT_EQ(g.Cell(10, 1), "10,0 €");   // saldo from 990, the capital before this round
    EXPECT_EQ(g.Cell(11, 1), "20,0 €");   // turnover since program start
    EXPECT_EQ(g.Cell(12, 1), "50,00 %");  // saldo / turnover
}

TEST_F(HistoryTest, SummaryFillsTotalsSharesAndTheSnapshotsBucket) {
    SeatBoxes({1, 2});
    Always(1, Action::Stand);
    Always(2, Action::Stand);
    PlayOneRound("10 10 9 7 K K");  // box 1: 17 against the dealer's 19
    const float snapshot = table.Box(1).countSnapshot;
    const int bucket = CountBucketOf(snapshot);
    ASSERT_GE(bucket, 1);
    EXPECT_EQ(table.Stats().At(1, bucket).games, 1u);
    const TextGrid& d = table.DetailsGrid(1);
    EXPECT_EQ(d.Cell(1, 1), "1");               // games
    EXPECT_EQ(d.Cell(3, 1), "1");               // lost
    EXPECT_EQ(d.Cell(5, 1), "0,0");             // +Saldo
    EXPECT_EQ(d.Cell(6, 1), "-10,0 €");         // -Saldo
    EXPECT_EQ(d.Cell(3, 2), "100,00 %");        // lost per game
    EXPECT_EQ(d.Cell(5, 2), "0,00 %");          // a zero sum has no share
    EXPECT_EQ(d.Cell(1, 2 * bucket + 1), "1");  // the bucket's games
    EXPECT_EQ(d.Cell(1, 2 * bucket + 2), "100,00 %");
    EXPECT_EQ(d.Cell(6, 2 * bucket + 2), "100,00 %");
    EXPECT_EQ(d.Cell(0, 2 * bucket + 1).substr(d.Cell(0, 2 * bucket + 1).find_first_not_of(' ')),
              BUCKET_LABELS[bucket - 1]);
    // Box 3 never played and was not in play: its grid stays untouched.
    EXPECT_EQ(table.DetailsGrid(3).Cell(1, 1), "");
}

TEST_F(HistoryTest, ABoxWithoutGamesShowsZerosAfterASummary) {
    SeatBoxes({1, 2});
    table.SetAutoBet(2, false);  // in play, but sits the round out
    Always(1, Action::Stand);
    PlayOneRound("10 7 9 K");
    const TextGrid& d = table.DetailsGrid(2);
    for (int row = 1; row < DETAIL_ROWS; ++row) {
        for (int c = 1; c < DETAIL_COLUMNS; ++c) {
            const std::string& cell = d.Cell(c, row);
            const bool money = (c == 5 || c == 6) && row % 2 == 1;
            const bool share = row % 2 == 0;
            SCOPED_TRACE("row " + std::to_string(row) + " column " + std::to_string(c));
            if (money) {
                EXPECT_EQ(cell, "0,0");
            } else if (share) {
                EXPECT_EQ(cell, "0,00 %");
            } else {
                EXPECT_EQ(cell, "0");
            }
        }
    }
}

}  // namespace
}  // namespace tavexo::testing
