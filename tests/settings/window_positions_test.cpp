#include "settings/window_positions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/byte_fixture.h"
#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

// Boxes 1..7 at (10*n, 20*n + 1), box 7's Left negative (a second monitor to
// the left), the dealer at (300, 40), the window 1024 x 768 at (-8, 0x01020304),
// slider 5.
const char* const RECORD_HEX =
    "0A000000 15000000  14000000 29000000  1E000000 3D000000  28000000 51000000 "
    "32000000 65000000  3C000000 79000000  9CFFFFFF 8D000000 "  // box 7: -100, 141
    "2C010000 28000000 "                                        // dealer 300, 40
    "00040000 00030000 "                                        // width 1024, height 768
    "F8FFFFFF 04030201 "                                        // left -8, top 0x01020304
    "05000000";                                                 // slider

TWindowPositions RecordValues() {
    TWindowPositions p;
    for (int n = 1; n <= 7; ++n) p.boxes[n - 1] = {10 * n, 20 * n + 1};
    p.boxes[6].left = -100;
    p.dealer = {300, 40};
    p.windowWidth = 1024;
    p.windowHeight = 768;
    p.windowLeft = -8;
    p.windowTop = 0x01020304;
    p.sliderPosition = 5;
    return p;
}

TEST(WindowPositions, EachFieldHasItsOffset) {
    const std::string bytes = HexBytes(RECORD_HEX);
    ASSERT_EQ(bytes.size(), 84u);
    EXPECT_EQ(EncodeWindowPositions(RecordValues()), bytes);

    TWindowPositions decoded;
    ASSERT_TRUE(DecodeWindowPositions(bytes, decoded));
    EXPECT_EQ(decoded, RecordValues());
}

TEST(WindowPositions, SaveWritesExactly84BytesAndLoadReadsThem) {
    ScratchFolder folder;
    ASSERT_TRUE(SaveWindowPositions(RecordValues(), folder.Path()).ok);
    const std::string bytes = folder.Read("Hauptfenster.tvxo");
    ASSERT_EQ(bytes.size(), 84u);
    EXPECT_EQ(bytes.substr(80), HexBytes("05000000"));

    const LoadedWindowPositions loaded = LoadWindowPositions(folder.Path());
    EXPECT_TRUE(loaded.positionsLoaded);
    EXPECT_EQ(loaded.positions, RecordValues());
}

TEST(WindowPositions, AMissingShortOrUnreadableFileIsNotLoaded) {
    ScratchFolder folder;
    EXPECT_FALSE(LoadWindowPositions(folder.Path()).positionsLoaded);
    folder.Write("Hauptfenster.tvxo", HexBytes(RECORD_HEX).substr(0, 83));
    const LoadedWindowPositions shortFile = LoadWindowPositions(folder.Path());
    EXPECT_FALSE(shortFile.positionsLoaded);
    EXPECT_EQ(shortFile.positions, TWindowPositions{});

    std::filesystem::remove(folder.File("Hauptfenster.tvxo"));
    std::filesystem::create_directory(folder.File("Hauptfenster.tvxo"));
    EXPECT_FALSE(LoadWindowPositions(folder.Path()).positionsLoaded);
}

TEST(WindowPositions, AFailedSaveNamesFileAndReasonAndKeepsTheOldFile) {
    ScratchFolder folder;
    const FileResult missing = SaveWindowPositions(RecordValues(), folder.Path() + "fehlt/");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message,
              WriteFailure(folder.Path() + "fehlt/Hauptfenster.tvxo", ENOENT).message);

    std::filesystem::create_directory(folder.File("Hauptfenster.tvxo"));
    const FileResult blocked = SaveWindowPositions(RecordValues(), folder.Path());
    EXPECT_EQ(blocked.message, WriteFailure(folder.File("Hauptfenster.tvxo"), EISDIR).message);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("Hauptfenster.tvxo")));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Hauptfenster.tvxo"});
}

}  // namespace
}  // namespace tavexo
