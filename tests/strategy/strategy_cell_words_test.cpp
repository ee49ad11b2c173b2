#include "strategy/strategy_cell_words.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <string>
#include <vector>

#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

const StrategyGridSpec& Grid(const std::string& name) {
    for (const StrategyGridSpec& grid : StrategyGrids())
        if (grid.name == name) return grid;
    throw std::runtime_error("no grid " + name);
}

// The cell of a grid by its row key and dealer value, as the user reads it.
std::string MeaningOf(const std::string& name, int key, int dealer) {
    const StrategyGridSpec& grid = Grid(name);
    for (int r = 1; r < grid.RowCount(); ++r)
        for (int c = 1; c < grid.ColumnCount(); ++c)
            if (grid.rows[r - 1] == key && grid.columns[c - 1] == dealer)
                return CellMeaning(grid, r, c);
    return "<no cell>";
}

struct MeaningCase {
    std::string name;
    const char* grid;
    int key;
    int dealer;
    const char* words;
};

class CellMeaningTest : public ::testing::TestWithParam<MeaningCase> {};

TEST_P(CellMeaningTest, SaysInWordsWhatTheCellMeans) {
    const MeaningCase& c = GetParam();
    EXPECT_EQ(MeaningOf(c.grid, c.key, c.dealer), c.words);
}

INSTANTIATE_TEST_SUITE_P(
    EveryGridFamily, CellMeaningTest,
    ::testing::Values(
        MeaningCase{"HardHitIndex", "G1", 12, 2,
                    "Hart 12 gegen 2: ziehen, solange der wahre Zählwert unter 3 liegt"},
        MeaningCase{"HardHitAlways", "G1", 12, 7, "Hart 12 gegen 7: immer ziehen"},
        MeaningCase{"HardHitNever", "G1", 17, 2, "Hart 17 gegen 2: nie ziehen"},
        MeaningCase{"SoftHitAgainstAce", "G2", 18, 11,
                    "Weich 18 gegen Ass: ziehen, solange der wahre Zählwert unter 1 liegt"},
        MeaningCase{"HardDoubleNegative", "G3", 10, 9,
                    "Hart 10 gegen 9: verdoppeln, wenn der wahre Zählwert über -2 liegt"},
        MeaningCase{"SoftDoubleNever", "G4", 13, 7, "Weich 13 gegen 7: nie verdoppeln"},
        MeaningCase{"SplitAlways", "G5", 8, 2, "Paar 8, 8 gegen 2: immer teilen"},
        MeaningCase{"SplitAces", "G5", 11, 11,
                    "Paar A, A gegen Ass: teilen, wenn der wahre Zählwert über -5 liegt"},
        MeaningCase{"HardSurrender", "G6", 16, 10,
                    "Hart 16 gegen 10: aufgeben, wenn der wahre Zählwert über -6 liegt"},
        MeaningCase{"HardSurrenderAlways", "G6", 17, 11, "Hart 17 gegen Ass: immer aufgeben"},
        MeaningCase{"SoftSurrender", "G7", 15, 10,
                    "Weich 15 gegen 10: aufgeben, wenn der wahre Zählwert über 16 liegt"},
        MeaningCase{"PairSurrender", "G8", 8, 10,
                    "Paar 8, 8 gegen 10: aufgeben, wenn der wahre Zählwert über -2 liegt"}),
    [](const auto& info) { return info.param.name; });

TEST(CellMeaningTest, HeadersAndCellsOutsideSayNothing) {
    const StrategyGridSpec& g1 = Grid("G1");
    EXPECT_EQ(CellMeaning(g1, 0, 1), "");
    EXPECT_EQ(CellMeaning(g1, 1, 0), "");
    EXPECT_EQ(CellMeaning(g1, g1.RowCount(), 1), "");
    EXPECT_EQ(CellMeaning(g1, 1, g1.ColumnCount()), "");
}

struct FlipCase {
    std::string name;
    TableFamily family;
    int32_t entry;
    float count;
    bool flips;
};

class CountFlipTest : public ::testing::TestWithParam<FlipCase> {};

TEST_P(CountFlipTest, FlipsOnlyWhereTheCountCrossesTheIndex) {
    const FlipCase& c = GetParam();
    EXPECT_EQ(CountFlipsDecision(c.family, c.entry, c.count), c.flips);
}

INSTANTIATE_TEST_SUITE_P(
    BothFamilies, CountFlipTest,
    ::testing::Values(
        // Hard 12 against 2 (hit below 3): hit at 0, stand above 3.
        FlipCase{"HitIndexPassed", TableFamily::Hit, 3, 3.5f, true},
        FlipCase{"HitIndexReachedExactly", TableFamily::Hit, 3, 3.0f, true},
        FlipCase{"HitIndexNotReached", TableFamily::Hit, 3, 2.9f, false},
        // Hard 16 against 10 (hit below 0): stands at 0, hits at any minus.
        FlipCase{"HitZeroIndexBelow", TableFamily::Hit, 0, -0.1f, true},
        FlipCase{"HitZeroIndexAbove", TableFamily::Hit, 0, 2.0f, false},
        FlipCase{"HitNegativeIndex", TableFamily::Hit, -4, -5.0f, true},
        FlipCase{"HitAlwaysNeverFlips", TableFamily::Hit, 100, 30.0f, false},
        FlipCase{"HitNeverNeverFlips", TableFamily::Hit, -100, -30.0f, false},
        // Insurance-like act-above entries.
        FlipCase{"AboveIndexPassed", TableFamily::ActAbove, 4, 4.5f, true},
        FlipCase{"AboveIndexExactly", TableFamily::ActAbove, 4, 4.0f, false},
        FlipCase{"AboveNegativeIndexFallsBelow", TableFamily::ActAbove, -6, -6.5f, true},
        FlipCase{"AboveNegativeIndexAbove", TableFamily::ActAbove, -6, 1.0f, false},
        FlipCase{"NeutralCountFlipsNothing", TableFamily::ActAbove, 0, 0.0f, false}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tavexo
