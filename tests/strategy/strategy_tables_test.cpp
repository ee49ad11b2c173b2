#include "strategy/strategy_tables.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tavexo {
namespace {

template <const auto& table>
int32_t Look(int row, int dealer) {
    return table.At(row, dealer);
}

struct EntryCase {
    const char* table;
    int32_t (*lookup)(int row, int dealer);
    int row;
    int dealer;
    int32_t expected;
};

// Asymmetric entries, so that a transposed table or a shifted row or column
// shows up; plus the corners of every table.
const std::vector<EntryCase> kEntries = {
    {"HardHit", Look<HardHitIndex>, 12, 2, 3},
    {"HardHit", Look<HardHitIndex>, 14, 7, 18},
    {"HardHit", Look<HardHitIndex>, 14, 11, 13},
    {"HardHit", Look<HardHitIndex>, 15, 9, 8},
    {"HardHit", Look<HardHitIndex>, 16, 10, 0},
    {"HardHit", Look<HardHitIndex>, 17, 11, -7},
    {"HardHit", Look<HardHitIndex>, 18, 11, -100},
    {"SoftHit", Look<SoftHitIndex>, 13, 2, 100},
    {"SoftHit", Look<SoftHitIndex>, 18, 8, -100},
    {"SoftHit", Look<SoftHitIndex>, 18, 9, 100},
    {"SoftHit", Look<SoftHitIndex>, 18, 11, 1},
    {"SoftHit", Look<SoftHitIndex>, 19, 11, -100},
    {"HardDouble", Look<HardDoubleIndex>, 4, 2, 100},
    {"HardDouble", Look<HardDoubleIndex>, 5, 5, 13},
    {"HardDouble", Look<HardDoubleIndex>, 7, 4, 12},
    {"HardDouble", Look<HardDoubleIndex>, 8, 7, 14},
    {"HardDouble", Look<HardDoubleIndex>, 9, 8, 8},
    {"HardDouble", Look<HardDoubleIndex>, 10, 11, 4},
    {"HardDouble", Look<HardDoubleIndex>, 11, 2, 12},
    {"HardDouble", Look<HardDoubleIndex>, 11, 6, -16},
    {"SoftDouble", Look<SoftDoubleIndex>, 13, 2, 13},
    {"SoftDouble", Look<SoftDoubleIndex>, 15, 2, 100},
    {"SoftDouble", Look<SoftDoubleIndex>, 17, 3, -5},
    {"SoftDouble", Look<SoftDoubleIndex>, 19, 7, 16},
    {"SoftDouble", Look<SoftDoubleIndex>, 20, 6, 5},
    {"SoftDouble", Look<SoftDoubleIndex>, 21, 6, 8},
    {"Split", Look<SplitIndex>, 2, 8, 6},
    {"Split", Look<SplitIndex>, 4, 3, 8},
    {"Split", Look<SplitIndex>, 7, 8, 2},
    {"Split", Look<SplitIndex>, 8, 10, 100},
    {"Split", Look<SplitIndex>, 8, 11, -13},
    {"Split", Look<SplitIndex>, 9, 7, 3},
    {"Split", Look<SplitIndex>, 7, 9, 100},
    {"Split", Look<SplitIndex>, 10, 7, 13},
    {"Split", Look<SplitIndex>, 11, 11, -5},
    {"HardSurrender", Look<HardSurrenderIndex>, 4, 11, 100},
    {"HardSurrender", Look<HardSurrenderIndex>, 11, 10, 100},
    {"HardSurrender", Look<HardSurrenderIndex>, 12, 11, 5},
    {"HardSurrender", Look<HardSurrenderIndex>, 13, 8, 13},
    {"HardSurrender", Look<HardSurrenderIndex>, 14, 11, 10},
    {"HardSurrender", Look<HardSurrenderIndex>, 16, 10, -6},
    {"HardSurrender", Look<HardSurrenderIndex>, 17, 9, 10},
    {"HardSurrender", Look<HardSurrenderIndex>, 17, 11, -100},
    {"SoftSurrender", Look<SoftSurrenderIndex>, 13, 11, 13},
    {"SoftSurrender", Look<SoftSurrenderIndex>, 15, 10, 16},
    {"SoftSurrender", Look<SoftSurrenderIndex>, 16, 11, 5},
    {"SoftSurrender", Look<SoftSurrenderIndex>, 17, 11, 6},
    {"PairSurrender", Look<PairSurrenderIndex>, 7, 8, 8},
    {"PairSurrender", Look<PairSurrenderIndex>, 7, 11, -12},
    {"PairSurrender", Look<PairSurrenderIndex>, 8, 9, 10},
    {"PairSurrender", Look<PairSurrenderIndex>, 8, 11, -14},
};

TEST(StrategyTables, EntriesAtTheirRowAndColumn) {
    for (const EntryCase& c : kEntries) {
        EXPECT_EQ(c.lookup(c.row, c.dealer), c.expected)
            << c.table << "[" << c.row << "][" << c.dealer << "]";
    }
}

TEST(StrategyTables, WholeRowsThatMeanAlwaysOrNever) {
    for (int dealer = 2; dealer <= 11; ++dealer) {
        EXPECT_EQ(SplitIndex.At(5, dealer), 100) << "5, 5 against " << dealer;
        EXPECT_EQ(HardDoubleIndex.At(4, dealer), 100) << "hard 4 against " << dealer;
        EXPECT_EQ(HardHitIndex.At(18, dealer), -100) << "hard 18 against " << dealer;
        EXPECT_EQ(SoftHitIndex.At(19, dealer), -100) << "soft 19 against " << dealer;
        for (int soft = 13; soft <= 17; ++soft) {
            EXPECT_EQ(SoftHitIndex.At(soft, dealer), 100) << "soft " << soft;
        }
    }
    for (int total = 4; total <= 11; ++total) {
        for (int dealer = 7; dealer <= 11; ++dealer) {
            EXPECT_EQ(HardSurrenderIndex.At(total, dealer), 100) << total << " against " << dealer;
        }
    }
}

TEST(InsuranceIndex, ThresholdsByChoice) {
    EXPECT_EQ(InsuranceIndex, (std::array<int32_t, 5>{3, 5, 7, 10, 1000}));
}

TEST(DoubleTotalSets, MembershipByRule) {
    struct Rule {
        int first;
        int last;
    };
    const std::array<Rule, 4> rules = {{{4, 21}, {9, 11}, {10, 11}, {11, 11}}};
    for (int rule = 0; rule < 4; ++rule) {
        for (int total = -10; total <= 300; ++total) {
            const bool expected = total >= rules[rule].first && total <= rules[rule].last;
            EXPECT_EQ(IsDoubleTotal(rule, total), expected)
                << "rule " << rule << " total " << total;
        }
    }
}

TEST(DoubleTotalSets, RuleIndexOutsideTheFourAllowsNothing) {
    for (int total : {4, 9, 10, 11, 21}) {
        EXPECT_FALSE(IsDoubleTotal(-1, total));
        EXPECT_FALSE(IsDoubleTotal(4, total));
    }
}

TEST(DoubleTotalSets, TotalsOfTheWholeByteRange) {
    // The set type holds 0..255; a set that reaches the top must say so.
    constexpr TTotalSet wide(0, 255);
    EXPECT_TRUE(wide.Contains(0));
    EXPECT_TRUE(wide.Contains(63));
    EXPECT_TRUE(wide.Contains(64));
    EXPECT_TRUE(wide.Contains(255));
    EXPECT_FALSE(wide.Contains(256));
    EXPECT_FALSE(wide.Contains(-1));
}

TEST(CellText, PlusAndMinusByFamily) {
    struct Case {
        TableFamily family;
        int32_t entry;
        const char* text;
    };
    const std::vector<Case> cases = {
        {TableFamily::Hit, 3, "3"},
        {TableFamily::Hit, 100, "+"},
        {TableFamily::Hit, -100, "-"},
        {TableFamily::Hit, -7, "-7"},
        {TableFamily::Hit, 0, "0"},
        {TableFamily::ActAbove, -100, "+"},
        {TableFamily::ActAbove, 100, "-"},
        {TableFamily::ActAbove, 12, "12"},
        {TableFamily::ActAbove, -13, "-13"},
        {TableFamily::ActAbove, 99, "99"},
        {TableFamily::ActAbove, -101, "-101"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellText(c.family, c.entry), c.text) << c.entry;
    }
}

const StrategyGridSpec& Grid(const char* name) {
    for (const StrategyGridSpec& grid : StrategyGrids()) {
        if (std::string(grid.name) == name) return grid;
    }
    throw std::runtime_error(std::string("no grid ") + name);
}

TEST(StrategyGrids, SizesInGridOrder) {
    struct Size {
        const char* name;
        int columns;
        int rows;
    };
    const std::array<Size, 8> sizes = {{{"G1", 11, 7},
                                        {"G2", 11, 7},
                                        {"G3", 11, 8},
                                        {"G4", 11, 10},
                                        {"G5", 11, 11},
                                        {"G6", 6, 7},
                                        {"G7", 3, 5},
                                        {"G8", 5, 3}}};
    for (size_t i = 0; i < sizes.size(); ++i) {
        const StrategyGridSpec& grid = StrategyGrids()[i];
        EXPECT_STREQ(grid.name, sizes[i].name);
        EXPECT_EQ(grid.ColumnCount(), sizes[i].columns) << grid.name;
        EXPECT_EQ(grid.RowCount(), sizes[i].rows) << grid.name;
        EXPECT_EQ(grid.rowLabels.size(), grid.rows.size()) << grid.name;
    }
}

TEST(StrategyGrids, HeadersAndRowLabels) {
    const StrategyGridSpec& g1 = Grid("G1");
    EXPECT_EQ(g1.CellAt(0, 0), "");
    EXPECT_EQ(g1.CellAt(0, 1), "2");
    EXPECT_EQ(g1.CellAt(0, 10), "11");
    EXPECT_EQ(g1.CellAt(1, 0), "12");
    EXPECT_EQ(g1.CellAt(6, 0), "17");

    const StrategyGridSpec& g3 = Grid("G3");
    EXPECT_EQ(g3.CellAt(1, 0), "5");
    EXPECT_EQ(g3.CellAt(7, 0), "11");

    const StrategyGridSpec& g6 = Grid("G6");
    EXPECT_EQ(g6.CellAt(0, 1), "7");
    EXPECT_EQ(g6.CellAt(6, 0), "17");

    const StrategyGridSpec& g7 = Grid("G7");
    EXPECT_EQ(g7.CellAt(0, 1), "10");
    EXPECT_EQ(g7.CellAt(0, 2), "11");
    EXPECT_EQ(g7.CellAt(1, 0), "13");
    EXPECT_EQ(g7.CellAt(4, 0), "16");

    const StrategyGridSpec& g8 = Grid("G8");
    EXPECT_EQ(g8.CellAt(0, 1), "8");
    EXPECT_EQ(g8.CellAt(0, 4), "11");
    EXPECT_EQ(g8.CellAt(1, 0), "7, 7");
    EXPECT_EQ(g8.CellAt(2, 0), "8, 8");
    EXPECT_EQ(g8.labelColumnWidth, 32);

    // Outside the grid there is nothing to show.
    EXPECT_EQ(g8.CellAt(3, 0), "");
    EXPECT_EQ(g8.CellAt(0, 5), "");
    EXPECT_EQ(g8.CellAt(-1, 1), "");
}

TEST(StrategyGrids, CellsShowTheirTableEntry) {
    struct Case {
        const char* grid;
        int r;
        int c;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"G1", 1, 1, "3"},     // hard 12 against a 2
        {"G1", 1, 6, "+"},     // hard 12 against a 7: always hit
        {"G1", 6, 1, "-"},     // hard 17 against a 2: never hit
        {"G1", 3, 6, "18"},    // hard 14 against a 7
        {"G1", 6, 10, "-7"},   // hard 17 against an ace
        {"G2", 6, 10, "1"},    // soft 18 against an ace
        {"G2", 6, 1, "-"},     // soft 18 against a 2
        {"G3", 7, 1, "12"},    // hard 11 against a 2
        {"G3", 1, 4, "13"},    // hard 5 against a 5
        {"G3", 1, 1, "-"},     // hard 5 against a 2: never
        {"G4", 9, 1, "14"},    // soft 21 against a 2
        {"G4", 7, 6, "16"},    // soft 19 against a 7
        {"G5", 7, 1, "+"},     // 8, 8 against a 2: always split
        {"G5", 7, 9, "-"},     // 8, 8 against a 10: never
        {"G5", 8, 6, "3"},     // 9, 9 against a 7
        {"G5", 10, 10, "-5"},  // A, A against an ace
        {"G6", 3, 5, "10"},    // hard 14 against an ace
        {"G6", 6, 5, "+"},     // hard 17 against an ace
        {"G6", 5, 4, "-6"},    // hard 16 against a 10
        {"G7", 3, 1, "16"},    // soft 15 against a 10
        {"G7", 4, 2, "5"},     // soft 16 against an ace
        {"G8", 1, 1, "8"},     // 7, 7 against an 8
        {"G8", 2, 1, "-"},     // 8, 8 against an 8
        {"G8", 2, 3, "-2"},    // 8, 8 against a 10
        {"G8", 2, 4, "-14"},   // 8, 8 against an ace
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Grid(c.grid).CellAt(c.r, c.c), c.text)
            << c.grid << " (" << c.r << ", " << c.c << ")";
    }
    const StrategyGridSpec& g5 = Grid("G5");
    for (int c = 1; c < g5.ColumnCount(); ++c) {
        EXPECT_EQ(g5.CellAt(4, c), "-") << "5, 5 in column " << c;
    }
}

TEST(StrategyGrids, CaptionsAndRules) {
    const StrategyGridSpec& g1 = Grid("G1");
    EXPECT_STREQ(g1.caption, "Ziehen harte Hand [2 - 11 = Dealerkarte]");
    EXPECT_STREQ(g1.rule,
                 "Ziehen Sie, wenn der wahre Zählwert niedriger als der Tabellenwert ist.");
    EXPECT_STREQ(Grid("G2").rule, g1.rule);
    EXPECT_STREQ(Grid("G4").caption, "Verdoppeln weiche Hand [2 - 11 = Dealerkarte]");
    EXPECT_STREQ(Grid("G4").rule,
                 "Verdoppeln Sie, wenn der wahre Zählwert höher als der Tabellenwert ist.");
    EXPECT_STREQ(Grid("G5").caption, "Teilen [2 - 11 = Dealerkarte]");
    for (const char* name : {"G6", "G7", "G8"}) {
        EXPECT_STREQ(Grid(name).caption, "Aufgeben [7 - 11 = Dealerkarte]");
        EXPECT_STREQ(Grid(name).rule,
                     "Aufgeben, wenn der wahre Zählwert höher als der Tabellenwert ist.");
    }
    EXPECT_STREQ(Grid("G6").label, "\u25C4 harte Hand");
    EXPECT_STREQ(Grid("G7").label, "weiche Hand");
    EXPECT_STREQ(Grid("G8").label, "Paar");
}

}  // namespace
}  // namespace tavexo
