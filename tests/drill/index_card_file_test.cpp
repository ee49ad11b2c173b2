// "Indexspiele.csv": the boxes of every player survive a save and a new
// start, damaged lines are kept, and a file that cannot be read is never
// overwritten.
#include <gtest/gtest.h>

#include <filesystem>

#include "drill/calendar_days.h"
#include "drill/index_card_file.h"
#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

const int DAY = DayNumber(2026, 12, 10);

TEST(IndexCardFile, EveryPlayersBoxesSurviveASaveAndANewStart) {
    ScratchFolder folder;
    {
        IndexCardStore store = IndexCardStore::Load(folder.Path());
        EXPECT_TRUE(store.Players().empty());
        LeitnerDeck& fritzi = store.Deck("Fritzi");
        fritzi.Record("G1:16:10", true, DAY);  // box 2, due the next day
        fritzi.Record("V:3", false, DAY);      // box 1, weak
        store.Deck("Jürgen").Record("G5:8:11", true, DAY);
        ASSERT_TRUE(store.Save(folder.Path()).ok);
    }
    // Windows-1252 text, one line per player and card, sorted.
    EXPECT_EQ(folder.Read("Indexspiele.csv"),
              "Spieler;Karte;Fach;F\xE4llig;Richtig;Falsch;Zuletzt falsch\r\n"
              "Fritzi;G1:16:10;2;2026-12-11;1;0;0\r\n"
              "Fritzi;V:3;1;2026-12-10;0;1;1\r\n"
              "J\xFCrgen;G5:8:11;2;2026-12-11;1;0;0\r\n");

    IndexCardStore again = IndexCardStore::Load(folder.Path());
    EXPECT_EQ(again.Players(), (std::vector<std::string>{"Fritzi", "Jürgen"}));
    EXPECT_EQ(again.Deck("Fritzi").Card("G1:16:10"), (LeitnerCard{2, DAY + 1, 1, 0, false}));
    EXPECT_EQ(again.Deck("Fritzi").Card("V:3"), (LeitnerCard{1, DAY, 0, 1, true}));
    EXPECT_EQ(again.Deck("Jürgen").Card("G5:8:11").box, 2);
    // A player's boxes are their own.
    EXPECT_FALSE(again.Deck("Jürgen").Card("G1:16:10").Seen());
}

TEST(IndexCardFile, LinesThatCannotBeReadAreKeptAndABoxOutOfRangeIsTheNearest) {
    ScratchFolder folder;
    folder.Write("Indexspiele.csv",
                 "Spieler;Karte;Fach;F\xE4llig;Richtig;Falsch;Zuletzt falsch\r\n"
                 "Uwe;G1:12:2;9;2026-12-01;6;0;0\r\n"    // box 9: the last box
                 "Uwe;G1:13:2;2;2026-02-30;1;0;0\r\n"    // no such day
                 "Uwe;G1:14:2;2;2026-12-01;1;0\r\n"      // a field missing
                 "Uwe;G1:12:2;1;2026-12-01;0;1;1\r\n"    // the same card again
                 "Uwe;G1:15:2;0;2026-12-01;0;1;1\r\n");  // box 0: the first box
    IndexCardStore store = IndexCardStore::Load(folder.Path());
    EXPECT_EQ(store.Deck("Uwe").Card("G1:12:2").box, 5);
    EXPECT_EQ(store.Deck("Uwe").Card("G1:15:2").box, 1);
    EXPECT_FALSE(store.Deck("Uwe").Card("G1:13:2").Seen());

    store.Deck("Uwe").Record("G1:16:2", true, DAY);
    ASSERT_TRUE(store.Save(folder.Path()).ok);
    const std::string saved = folder.Read("Indexspiele.csv");
    for (const char* kept :
         {"Uwe;G1:13:2;2;2026-02-30;1;0;0\r\n", "Uwe;G1:14:2;2;2026-12-01;1;0\r\n",
          "Uwe;G1:12:2;1;2026-12-01;0;1;1\r\n"})
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    EXPECT_NE(saved.find("Uwe;G1:16:2;2;2026-12-11;1;0;0\r\n"), std::string::npos);
}

TEST(IndexCardFile, AFileThatCannotBeReadIsNotReplaced) {
    ScratchFolder folder;
    // A folder where the file should be: reading fails, and so must saving,
    // rather than putting the new boxes alone in its place.
    std::filesystem::create_directory(folder.File("Indexspiele.csv"));
    IndexCardStore store = IndexCardStore::Load(folder.Path());
    store.Deck("Fritzi").Record("V:3", true, DAY);
    const FileResult result = store.Save(folder.Path());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("Indexspiele.csv kann nicht geschrieben werden"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Indexspiele.csv")));
}

TEST(IndexCardFile, ASeparatorInAPlayersNameCannotShiftTheFields) {
    ScratchFolder folder;
    IndexCardStore store = IndexCardStore::Load(folder.Path());
    store.Deck("Anna;Lena\r\n").Record("V:3", true, DAY);
    ASSERT_TRUE(store.Save(folder.Path()).ok);
    IndexCardStore again = IndexCardStore::Load(folder.Path());
    // Looked up by the same name, the player finds their boxes again.
    EXPECT_EQ(again.Deck("Anna;Lena\r\n").Card("V:3").box, 2);
}

}  // namespace
}  // namespace tavexo
