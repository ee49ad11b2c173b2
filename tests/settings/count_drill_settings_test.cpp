#include "settings/count_drill_settings.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

bool SameSettings(const TCountDrillSettings& a, const TCountDrillSettings& b) {
    return a.placeActive == b.placeActive && a.cardDelay == b.cardDelay &&
           a.playerDelay == b.playerDelay && a.clearPause == b.clearPause && a.decks == b.decks &&
           a.displayGroups == b.displayGroups && a.announcement == b.announcement &&
           a.checkMode == b.checkMode && a.checkRelative == b.checkRelative;
}

TEST(CountDrillSettings, AMissingFileGivesTheDrillsStartState) {
    ScratchFolder folder;
    const TCountDrillSettings s = LoadCountDrillSettings(folder.Path());
    for (const bool on : s.placeActive) EXPECT_TRUE(on);
    EXPECT_EQ(s.cardDelay, 10);
    EXPECT_EQ(s.playerDelay, 20);
    EXPECT_EQ(s.clearPause, 30);
    EXPECT_EQ(s.decks, 8);
    for (const bool on : s.displayGroups) EXPECT_FALSE(on);
    EXPECT_EQ(s.announcement, 0);
}

TEST(CountDrillSettings, SavesEveryKeyInItsOrderAndReadsThemBack) {
    ScratchFolder folder;
    TCountDrillSettings s;
    s.placeActive[1] = false;
    s.placeActive[7] = false;  // the dealer
    s.cardDelay = 0;
    s.playerDelay = 100;
    s.clearPause = 200;
    s.decks = 1;
    s.displayGroups[0] = true;
    s.displayGroups[5] = true;
    s.announcement = 2;
    s.checkMode = 1;
    s.checkRelative = true;
    ASSERT_TRUE(SaveCountDrillSettings(folder.Path(), s).ok);
    EXPECT_EQ(folder.Read("Counttrai.ini"),
              "[Intens]\r\nBoxaktiv1=1\r\nBoxaktiv2=0\r\nBoxaktiv3=1\r\nBoxaktiv4=1\r\n"
              "Boxaktiv5=1\r\nBoxaktiv6=1\r\nBoxaktiv7=1\r\nBoxaktiv8=0\r\n"
              "Zeit1=0\r\nZeit2=100\r\nZeit3=200\r\nZeit4=1\r\n"
              "[Hilfe]\r\nKontrolle1=1\r\nKontrolle2=0\r\nKontrolle3=0\r\nKontrolle4=0\r\n"
              "Kontrolle5=0\r\nKontrolle6=1\r\nAnsage=2\r\n"
              "[Abfrage]\r\nModus=1\r\nWahrerCount=1\r\n");
    EXPECT_TRUE(SameSettings(LoadCountDrillSettings(folder.Path()), s));
}

TEST(CountDrillSettings, MissingKeysAndUnusableValuesReadAsDefaults) {
    ScratchFolder folder;
    folder.Write("Counttrai.ini",
                 "[Intens]\r\nBoxaktiv3=0\r\nZeit1=21\r\nZeit2=-1\r\nZeit3=viel\r\n"
                 "[Hilfe]\r\nKontrolle2=1\r\nAnsage=3\r\n[Abfrage]\r\nModus=3\r\n");
    TCountDrillSettings expected;
    expected.placeActive[2] = false;
    expected.displayGroups[1] = true;
    EXPECT_TRUE(SameSettings(LoadCountDrillSettings(folder.Path()), expected));

    folder.Write("Counttrai.ini", "[Intens]\r\nZeit4=9\r\n");
    EXPECT_EQ(LoadCountDrillSettings(folder.Path()).decks, 8);
    folder.Write("Counttrai.ini", "[Intens]\r\nZeit4=1\r\n");
    EXPECT_EQ(LoadCountDrillSettings(folder.Path()).decks, 1);
}

TEST(CountDrillSettings, AFailedSaveNamesTheFile) {
    ScratchFolder folder;
    const FileResult result = SaveCountDrillSettings(folder.Path() + "fehlt/", {});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(folder.Path() + "fehlt/Counttrai.ini", ENOENT).message);
}

}  // namespace
}  // namespace tavexo
