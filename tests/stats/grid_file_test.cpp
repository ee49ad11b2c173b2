#include "stats/grid_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include <filesystem>
#include <string>
#include <vector>

#include "settings/scratch_folder.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

using Fields = std::vector<std::string>;

TextGrid GridOf(int columns, const std::vector<Fields>& rows) {
    TextGrid grid(columns, static_cast<int>(rows.size()) + 1);
    for (int c = 0; c < columns; ++c) grid.SetCell(c, 0, "Titel " + std::to_string(c));
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            grid.SetCell(static_cast<int>(c), static_cast<int>(r) + 1, rows[r][c]);
        }
    }
    return grid;
}

Fields RowOf(const TextGrid& grid, int row) {
    Fields cells;
    for (int c = 0; c < grid.ColumnCount(); ++c) cells.push_back(grid.Cell(c, row));
    return cells;
}

struct FieldCase {
    std::string cell;
    std::string field;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const FieldCase& c, std::ostream* os) {
    ::tavexo::testing::PrintQuoted(c.cell, os);
}

class GridFieldQuoting : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GridFieldQuoting, QuotesCommasQuotesAndControlCharacters) {
    EXPECT_EQ(GridField(GetParam().cell), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Cells, GridFieldQuoting,
                         ::testing::Values(FieldCase{"12", "12"}, FieldCase{"", ""},
                                           FieldCase{"0,0", "\"0,0\""},
                                           FieldCase{"1.234,5\u00A0€", "\"1.234,5\u00A0€\""},
                                           FieldCase{"1.234,5 €", "\"1.234,5 €\""},
                                           FieldCase{"  12", "\"  12\""},  // centred by blanks
                                           FieldCase{"sagt \"ja\"", "\"sagt \"\"ja\"\"\""},
                                           FieldCase{"a\tb", "\"a\tb\""},
                                           FieldCase{"23,45 %", "\"23,45 %\""},
                                           FieldCase{"Hit", "Hit"}, FieldCase{"-1,5", "\"-1,5\""},
                                           FieldCase{"ä►", "ä►"}));

struct SplitCase {
    std::string line;
    Fields fields;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const SplitCase& c, std::ostream* os) {
    ::tavexo::testing::PrintQuoted(c.line, os);
}

class GridLineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(GridLineSplitting, FollowsTheFieldRules) {
    EXPECT_EQ(SplitGridLine(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GridLineSplitting,
    ::testing::Values(SplitCase{"a,b,c", {"a", "b", "c"}}, SplitCase{"", {}}, SplitCase{"   ", {}},
                      SplitCase{"a,,b", {"a", "", "b"}},
                      SplitCase{"a,", {"a", ""}},  // a comma at the very end
                      SplitCase{"a, ", {"a"}},     // not at the very end
                      SplitCase{",", {"", ""}}, SplitCase{"  a  ,\t b ", {"a", "b"}},
                      SplitCase{"a b", {"a", "b"}},  // a blank ends an unquoted field
                      SplitCase{"\"0,0\",x", {"0,0", "x"}}, SplitCase{"\"  7\"", {"  7"}},
                      SplitCase{"\"\",\"\"", {"", ""}},
                      SplitCase{"\"sagt \"\"ja\"\"\"", {"sagt \"ja\""}},
                      SplitCase{"\"ab\"cd,e", {"ab", "cd", "e"}},
                      SplitCase{"\"offen, bis zum Ende", {"offen, bis zum Ende"}}));

TEST(GridFile, SavesTheRowCountAndEveryRowButTheTitles) {
    const TextGrid grid = GridOf(4, {{"    1", "0,0", "1.234,5\u00A0€", "Versichert ► Verdoppelt"},
                                     {"    2", "", "-5,0\u00A0€", "Hit"}});
    EXPECT_EQ(EncodeGridFile(grid),
              "3\r\n"
              "\"    1\",\"0,0\",\"1.234,5\xA0\x80\",\"Versichert ? Verdoppelt\"\r\n"
              "\"    2\",,\"-5,0\xA0\x80\",Hit\r\n");
}

TEST(GridFile, AFreshHistoryGridIsFortyEmptyRows) {
    const TextGrid history(13, 40);
    const std::string bytes = EncodeGridFile(history);
    std::string expected = "40\r\n";
    for (int i = 0; i < 39; ++i) expected += ",,,,,,,,,,,,\r\n";
    EXPECT_EQ(bytes, expected);

    TextGrid loaded(13, 2);
    ASSERT_TRUE(DecodeGridFile(loaded, bytes).ok);
    EXPECT_EQ(loaded.RowCount(), 40);
    EXPECT_EQ(RowOf(loaded, 39), Fields(13, " "));  // empty fields come back as one blank
}

TEST(GridFile, RoundTripGivesTheTextsBackExceptWhatTheFileCannotHold) {
    ScratchFolder folder;
    const TextGrid saved =
        GridOf(5, {{"   12", "0,0", "1.234,5\u00A0€", "Versichert ► Verdoppelt", "sagt \"ja\""},
                   {"Summe", "", "Groß", "a,b,c", "Tab\there"}});
    ASSERT_TRUE(SaveGridToFile(saved, folder.File("v.lauf")).ok);

    TextGrid loaded(5, 1);
    loaded.SetCell(0, 0, "eigener Titel");
    ASSERT_TRUE(LoadGridFromFile(loaded, folder.File("v.lauf")).ok);
    EXPECT_EQ(loaded.RowCount(), 3);
    EXPECT_EQ(loaded.Cell(0, 0), "eigener Titel");  // titles are not in the file
    EXPECT_EQ(RowOf(loaded, 1),
              (Fields{"   12", "0,0", "1.234,5\u00A0€", "Versichert ? Verdoppelt", "sagt \"ja\""}));
    EXPECT_EQ(RowOf(loaded, 2), (Fields{"Summe", " ", "Groß", "a,b,c", "Tab\there"}));
}

TEST(GridFile, SurplusFieldsAreDroppedAndMissingOnesLeaveCellsEmpty) {
    TextGrid grid = GridOf(3, {{"alt", "alt", "alt"}, {"alt", "alt", "alt"}});
    ASSERT_TRUE(DecodeGridFile(grid, "3\r\na,b,c,d,e\r\nx\r\n").ok);
    EXPECT_EQ(RowOf(grid, 1), (Fields{"a", "b", "c"}));
    EXPECT_EQ(RowOf(grid, 2), (Fields{"x", "", ""}));
}

TEST(GridFile, ReadsFilesWithAByteOrderMarkAndOtherLineEnds) {
    TextGrid grid(2, 1);
    ASSERT_TRUE(DecodeGridFile(grid,
                               "\xEF\xBB\xBF"
                               "2\r\n\"a ► b\",ö\r\n")
                    .ok);
    EXPECT_EQ(RowOf(grid, 1), (Fields{"a ► b", "ö"}));

    std::string utf16 = "\xFF\xFE";
    for (const char16_t c : std::u16string(u"3\n\"x ► y\",1\nz")) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    ASSERT_TRUE(DecodeGridFile(grid, utf16).ok);  // no break after the last line
    EXPECT_EQ(RowOf(grid, 1), (Fields{"x ► y", "1"}));
    EXPECT_EQ(RowOf(grid, 2), (Fields{"z", ""}));
}

TEST(GridFile, AFirstLineThatIsNoRowCountLeavesTheGridAlone) {
    struct Case {
        std::string bytes;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"xyz\r\na,b\r\n", "'xyz' ist kein gültiger ganzzahliger Wert"},
        {"", "'' ist kein gültiger ganzzahliger Wert"},
        {"2,5\r\n", "'2,5' ist kein gültiger ganzzahliger Wert"},
        {"0\r\n", "'0' ist keine gültige Zeilenzahl"},
        {"-4\r\n", "'-4' ist keine gültige Zeilenzahl"},
        // Far more rows than the file holds: refused before anything is reserved.
        {"2000000000\r\na\r\nb\r\n", "'2000000000' ist keine gültige Zeilenzahl"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        TextGrid grid = GridOf(2, {{"alt", "alt"}});
        const FileResult result = DecodeGridFile(grid, c.bytes);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(grid.RowCount(), 2);
        EXPECT_EQ(RowOf(grid, 1), (Fields{"alt", "alt"}));
    }
}

// A truncated file once left a mix of its rows and the old ones.
TEST(GridFile, AShortFileLeavesTheGridAsItWas) {
    TextGrid grid = GridOf(3, {{"alt", "1"}, {"alt", "2"}});
    grid.SetCell(0, 0, "Titel");
    const TextGrid before = grid;
    const FileResult result = DecodeGridFile(grid, "5\r\na,1\r\nb,2\r\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Unerwartetes Dateiende: Zeile 4 fehlt");
    EXPECT_TRUE(grid == before);
}

// A file of blank lines that announces as many rows as it holds once took
// 2 GB; the grid's cells are bounded, whatever the file holds.
TEST(GridFile, AGridTooLargeForMemoryIsRefused) {
    const int rows = static_cast<int>(MAX_GRID_CELLS / 13) + 1;
    std::string bytes = std::to_string(rows) + "\n" + std::string(rows, '\n');
    TextGrid grid = GridOf(13, {{"alt"}});
    const TextGrid before = grid;
    const FileResult result = DecodeGridFile(grid, bytes);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "'" + std::to_string(rows) + "' ist keine gültige Zeilenzahl");
    EXPECT_TRUE(grid == before);

    // One row fewer fits into a single-column grid.
    TextGrid narrow(1, 1);
    EXPECT_TRUE(
        DecodeGridFile(narrow, std::to_string(rows - 1) + "\n" + std::string(rows, '\n')).ok);
}

TEST(GridFile, ALargeRowCountIsFineWhenTheFileHoldsTheRows) {
    std::string bytes = std::to_string(MAX_ANNOUNCED_GRID_ROWS + 2) + "\r\n";
    for (int i = 0; i <= MAX_ANNOUNCED_GRID_ROWS; ++i) bytes += "r\r\n";
    TextGrid grid(1, 1);
    ASSERT_TRUE(DecodeGridFile(grid, bytes).ok);
    EXPECT_EQ(grid.RowCount(), MAX_ANNOUNCED_GRID_ROWS + 2);
    EXPECT_EQ(grid.Cell(0, MAX_ANNOUNCED_GRID_ROWS + 1), "r");
}

TEST(GridFile, FileErrorsAreReportedAndChangeNothing) {
    ScratchFolder folder;
    TextGrid grid = GridOf(2, {{"alt", "alt"}});
    const FileResult missing = LoadGridFromFile(grid, folder.File("fehlt.stat"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, "Datei \"" + folder.File("fehlt.stat") +
                                   "\" kann nicht geöffnet werden (E/A-Fehler " +
                                   std::to_string(ENOENT) + ")");
    EXPECT_EQ(RowOf(grid, 1), (Fields{"alt", "alt"}));

    std::filesystem::create_directory(folder.File("x.stat"));
    const FileResult blocked = SaveGridToFile(grid, folder.File("x.stat"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_EQ(blocked.errorNumber, EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("x.stat")));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"x.stat"});
}

TEST(GridFile, SavingReplacesAnExistingFileWhole) {
    ScratchFolder folder;
    folder.Write("h.trai", std::string(1000, 'x'));
    ASSERT_TRUE(SaveGridToFile(GridOf(2, {{"a", "b"}}), folder.File("h.trai")).ok);
    EXPECT_EQ(folder.Read("h.trai"), "2\r\na,b\r\n");
}

}  // namespace
}  // namespace tavexo
