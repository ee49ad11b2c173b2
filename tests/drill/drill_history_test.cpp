// The count check's history file: lines written and read back, bad lines
// passed over and never lost.
#include <gtest/gtest.h>

#include "drill/drill_history.h"
#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

TEST(DrillHistory, AppendsSessionsAndReadsThemBack) {
    ScratchFolder folder;
    EXPECT_TRUE(LoadDrillHistory(folder.Path()).empty());
    const DrillSessionRecord first{"2026-12-10 14:05", 8, 3, 12, 10, 0.25, 1.4, {}};
    const DrillSessionRecord second{"2026-12-11 09:30", 1, 8, 1, 1, 0.0, 2.75, 1.8};
    ASSERT_TRUE(AppendDrillSession(folder.Path(), first).ok);
    ASSERT_TRUE(AppendDrillSession(folder.Path(), second).ok);
    EXPECT_EQ(folder.Read("Zählverlauf.csv"),
              "Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s;Tempo\r\n"
              "2026-12-10 14:05;8;3;12;10;0,25;1,40;\r\n"
              "2026-12-11 09:30;1;8;1;1;0,00;2,75;1,80\r\n");
    EXPECT_EQ(LoadDrillHistory(folder.Path()), (std::vector<DrillSessionRecord>{first, second}));
}

TEST(DrillHistory, LinesThatCannotBeReadArePassedOverAndKept) {
    ScratchFolder folder;
    const std::string damaged =
        "Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s\r\n"
        "2026-12-01 10:00;8;3;5;4;0,20;1,00\r\n"
        "kaputt\r\n"
        "2026-12-02 10:00;8;3;5;9;0,20;1,00\r\n"  // more right than asked
        "2026-12-03 10:00;8;x;5;4;0,20;1,00\r\n"
        "2026-12-04 10:00;8;3;5;4;0,2";  // cut off mid-line
    folder.Write("Zählverlauf.csv", damaged);
    const auto sessions = LoadDrillHistory(folder.Path());
    ASSERT_EQ(sessions.size(), 1u);
    EXPECT_EQ(sessions[0].when, "2026-12-01 10:00");

    const DrillSessionRecord next{"2026-12-05 10:00", 4, 1, 2, 2, 0.0, 0.5, {}};
    ASSERT_TRUE(AppendDrillSession(folder.Path(), next).ok);
    EXPECT_EQ(folder.Read("Zählverlauf.csv"),
              damaged + "\r\n2026-12-05 10:00;4;1;2;2;0,00;0,50;\r\n");
    EXPECT_EQ(LoadDrillHistory(folder.Path()).back(), next);
}

TEST(DrillHistory, LinesOfEarlierVersionsWithoutTheTempoFieldAreRead) {
    ScratchFolder folder;
    folder.Write("Zählverlauf.csv",
                 "Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s\r\n"
                 "2026-12-01 10:00;8;3;5;4;0,20;1,00\r\n"
                 "2026-12-02 10:00;8;3;5;4;0,20;1,00;1,25\r\n"
                 "2026-12-03 10:00;8;3;5;4;0,20;1,00;schnell\r\n"
                 "2026-12-04 10:00;8;3;5;4;0,20;1,00;0,00\r\n");
    const auto sessions = LoadDrillHistory(folder.Path());
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_FALSE(sessions[0].heldPace.has_value());
    EXPECT_EQ(sessions[1].heldPace, 1.25);
}

TEST(DrillHistory, ASeparatorInTheDateCannotShiftTheFields) {
    const DrillSessionRecord odd{"10.12.;\r\n14:05", 8, 3, 1, 1, 0.0, 1.0, {}};
    const auto parsed = ParseSessionLine(FormatSessionLine(odd));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->when, "10.12.   14:05");
    EXPECT_EQ(parsed->checked, 1);
}

TEST(DrillHistory, AFailedWriteNamesTheFile) {
    ScratchFolder folder;
    const FileResult result =
        AppendDrillSession(folder.Path() + "fehlt/", {"heute", 1, 1, 1, 1, 0, 0, {}});
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Zählverlauf.csv kann nicht geschrieben werden"),
              std::string::npos);
}

}  // namespace
}  // namespace tavexo
