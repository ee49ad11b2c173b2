#include "settings/profiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include "engine/table.h"
#include "settings/byte_fixture.h"
#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

// "Spieler.tvxo" of a first start, byte by byte.
std::string DefaultRecord() {
    return ByteRecord(1864, {{0, "01 01 01 01 01 01 01"},
                             {7, "06 46 72 69 74 7A 69"},     // 6 "Fritzi"
                             {263, "03 55 77 65"},            // 3 "Uwe"
                             {519, "06 43 61 72 6D 65 6E"},   // 6 "Carmen"
                             {775, "06 54 68 6F 6D 61 73"},   // 6 "Thomas"
                             {1031, "05 50 65 74 65 72"},     // 5 "Peter"
                             {1287, "06 41 6E 64 72 65 61"},  // 6 "Andrea"
                             {1543, "06 4D 61 74 74 65 73"},  // 6 "Mattes"
                             {1799, "00 00 00 00 00 00 00"},  // all human
                             {1806, "00 00"},                 // gap
                             {1808,
                              "0000 7A44  0000 7A44  0000 7A44  0000 7A44  0000 7A44  "
                              "0000 7A44  0000 7A44"},  // 1000.0f each
                             {1836,
                              "0500 0000  0500 0000  0500 0000  0500 0000  0500 0000  "
                              "0500 0000  0500 0000"}});
}

// Box 1 with 2500.5 capital, box 2 with unit value 50, box 3 named with two
// bytes outside ASCII, box 4 inactive, box 7 a robot.
std::string EditedRecord() {
    std::string bytes = DefaultRecord();
    const std::string box3 = HexBytes("0B 4A FC 72 67 65 6E 20 47 72 6F DF");  // "Jürgen Groß"
    bytes.replace(519, box3.size(), box3);
    bytes[3] = 0;
    bytes[1799 + 6] = 1;
    bytes.replace(1808, 4, HexBytes("00 48 1C 45"));
    bytes.replace(1836 + 4, 4, HexBytes("32 00 00 00"));
    return bytes;
}

TProfileFile EditedProfiles() {
    TProfileFile p;
    p.capital[0] = 2500.5f;
    p.unitValue[1] = 50;
    p.names[2] = "Jürgen Groß";
    p.active[3] = false;
    p.playerKind[6] = PLAYER_ROBOT;
    return p;
}

TEST(ProfileFile, DefaultsAreTheFirstStartProfiles) {
    const TProfileFile p;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        EXPECT_TRUE(p.active[i]);
        EXPECT_EQ(p.names[i], DEFAULT_PLAYER_NAMES[i]);
        EXPECT_EQ(p.playerKind[i], PLAYER_HUMAN);
        EXPECT_EQ(p.capital[i], 1000.0f);
        EXPECT_EQ(p.unitValue[i], 5);
    }
    EXPECT_EQ(EncodeProfiles(p), DefaultRecord());
}

TEST(ProfileFile, EachFieldHasItsOffsetAndEncoding) {
    EXPECT_EQ(EncodeProfiles(EditedProfiles()), EditedRecord());
    TProfileFile decoded;
    ASSERT_TRUE(DecodeProfiles(EditedRecord(), decoded));
    EXPECT_EQ(decoded, EditedProfiles());
}

TEST(ProfileFile, BytesAfterANameAndInTheGapAreNotRead) {
    std::string bytes = EditedRecord();
    bytes[263 + 4] = 'X';    // after "Uwe"
    bytes[263 + 255] = 'Y';  // end of the slot
    bytes[1806] = 0x55;
    bytes[1807] = 0x66;
    TProfileFile decoded;
    ASSERT_TRUE(DecodeProfiles(bytes, decoded));
    EXPECT_EQ(decoded, EditedProfiles());
}

TEST(ProfileFile, NamesAreCutAndLackingCharactersReplaced) {
    TProfileFile p;
    p.names[0] = std::string(300, 'a');
    p.names[1] = "Spieler ►";
    p.names[2] = "Äöüßäöüßäöüßäöü";  // 15 characters of two UTF-8 bytes each
    const std::string bytes = EncodeProfiles(p);
    EXPECT_EQ(static_cast<unsigned char>(bytes[7]), 255);
    TProfileFile back;
    ASSERT_TRUE(DecodeProfiles(bytes, back));
    EXPECT_EQ(back.names[0], std::string(255, 'a'));
    EXPECT_EQ(back.names[1], "Spieler ?");
    EXPECT_EQ(static_cast<unsigned char>(bytes[519]), 15);
    EXPECT_EQ(back.names[2], p.names[2]);
}

TEST(ProfileFile, ADamagedRecordCannotPutNonsenseOnTheTable) {
    std::string bytes = DefaultRecord();
    bytes[1799] = 7;                                      // no such player kind
    bytes.replace(1808 + 4, 4, HexBytes("00 00 C0 7F"));  // NaN
    bytes.replace(1808 + 8, 4, HexBytes("00 00 80 7F"));  // infinity
    TProfileFile decoded;
    ASSERT_TRUE(DecodeProfiles(bytes, decoded));
    EXPECT_EQ(decoded.playerKind[0], PLAYER_HUMAN);
    EXPECT_EQ(decoded.capital[1], 1000.0f);
    EXPECT_EQ(decoded.capital[2], 1000.0f);
}

// A hand-edited money field outside what the profiles dialog allows reads as
// its default; the other fields of the box and the other boxes are kept.
struct MoneyFieldCase {
    const char* name;
    size_t offset;  // of box 2's field
    const char* bytes;
    float capital;
    int32_t unitValue;
};

class DamagedMoneyField : public ::testing::TestWithParam<MoneyFieldCase> {};

TEST_P(DamagedMoneyField, ReadsAsTheDefaultAndKeepsTheRest) {
    const MoneyFieldCase& c = GetParam();
    std::string bytes = EditedRecord();
    bytes.replace(c.offset, 4, HexBytes(c.bytes));
    bytes[1799 + 1] = PLAYER_ROBOT;
    TProfileFile decoded;
    ASSERT_TRUE(DecodeProfiles(bytes, decoded));
    EXPECT_EQ(decoded.capital[1], c.capital);
    EXPECT_EQ(decoded.unitValue[1], c.unitValue);
    EXPECT_EQ(decoded.playerKind[1], PLAYER_ROBOT);
    EXPECT_EQ(decoded.names[1], "Uwe");
    TProfileFile others = EditedProfiles();
    others.capital[1] = decoded.capital[1];
    others.unitValue[1] = decoded.unitValue[1];
    others.playerKind[1] = PLAYER_ROBOT;
    EXPECT_EQ(decoded, others);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, DamagedMoneyField,
    ::testing::Values(MoneyFieldCase{"UnitValueZero", 1840, "00 00 00 00", 1000.0f, 5},
                      MoneyFieldCase{"UnitValueNegative", 1840, "FF FF FF FF", 1000.0f, 5},
                      MoneyFieldCase{"UnitValueHundredMillion", 1840, "00 E1 F5 05", 1000.0f, 5},
                      MoneyFieldCase{"UnitValue51", 1840, "33 00 00 00", 1000.0f, 5},
                      MoneyFieldCase{"UnitValue1IsKept", 1840, "01 00 00 00", 1000.0f, 1},
                      MoneyFieldCase{"CapitalNaN", 1812, "00 00 C0 7F", 1000.0f, 50},
                      MoneyFieldCase{"CapitalInfinite", 1812, "00 00 80 7F", 1000.0f, 50},
                      MoneyFieldCase{"CapitalNegative", 1812, "00 00 7A C4", 1000.0f, 50},
                      MoneyFieldCase{"Capital99", 1812, "00 00 C6 42", 1000.0f, 50},
                      MoneyFieldCase{"Capital10001", 1812, "00 44 1C 46", 1000.0f, 50},
                      MoneyFieldCase{"Capital100IsKept", 1812, "00 00 C8 42", 100.0f, 50},
                      MoneyFieldCase{"Capital10000IsKept", 1812, "00 40 1C 46", 10000.0f, 50}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadProfiles, ReadsTheFirstRecordOfTheFile) {
    ScratchFolder folder;
    folder.Write("Spieler.tvxo", EditedRecord() + "surplus");
    EXPECT_EQ(LoadProfiles(folder.Path()), EditedProfiles());
}

TEST(LoadProfiles, FallsBackToTheDefaultsWhenTheFileIsUnusable) {
    ScratchFolder folder;
    EXPECT_EQ(LoadProfiles(folder.Path()), TProfileFile{});  // missing
    EXPECT_FALSE(folder.Exists("Spieler.tvxo"));             // and not written

    folder.Write("Spieler.tvxo", EditedRecord().substr(0, 1863));  // one byte short
    EXPECT_EQ(LoadProfiles(folder.Path()), TProfileFile{});
    folder.Write("Spieler.tvxo", "");
    EXPECT_EQ(LoadProfiles(folder.Path()), TProfileFile{});

    std::filesystem::remove(folder.File("Spieler.tvxo"));
    std::filesystem::create_directory(folder.File("Spieler.tvxo"));  // cannot be read
    EXPECT_EQ(LoadProfiles(folder.Path()), TProfileFile{});
}

TEST(SaveProfileFile, WritesExactlyOneRecord) {
    ScratchFolder folder;
    folder.Write("Spieler.tvxo", std::string(5000, 'x'));  // an older, longer file
    TProfileFile p = EditedProfiles();
    p.active.fill(false);  // "Alle deaktivieren"
    ASSERT_TRUE(SaveProfileFile(p, folder.Path()).ok);
    const std::string bytes = folder.Read("Spieler.tvxo");
    ASSERT_EQ(bytes.size(), 1864u);
    EXPECT_EQ(bytes.substr(0, 7), std::string(7, '\0'));
    EXPECT_EQ(LoadProfiles(folder.Path()), p);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Spieler.tvxo"});
}

TEST(SaveProfileFile, AFailureNamesFileAndReasonAndKeepsTheOldFile) {
    ScratchFolder folder;
    FileResult result = SaveProfileFile(TProfileFile{}, folder.Path() + "fehlt/");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(folder.Path() + "fehlt/Spieler.tvxo", ENOENT).message);

    std::filesystem::create_directory(folder.File("Spieler.tvxo"));
    folder.Write("Spieler.tvxo/alt", "alt");
    result = SaveProfileFile(TProfileFile{}, folder.Path());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(folder.File("Spieler.tvxo"), EISDIR).message);
    EXPECT_EQ(folder.Read("Spieler.tvxo/alt"), "alt");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Spieler.tvxo"});
}

TEST(BoxProfileOf, HandsEachBoxItsOwnProfile) {
    const TProfileFile p = EditedProfiles();
    EXPECT_EQ(BoxProfileOf(p, 1).capital, 2500.5f);
    EXPECT_EQ(BoxProfileOf(p, 2).unitValue, 50);
    EXPECT_EQ(BoxProfileOf(p, 3).name, "Jürgen Groß");
    EXPECT_FALSE(BoxProfileOf(p, 4).active);
    EXPECT_TRUE(BoxProfileOf(p, 5).active);
    EXPECT_TRUE(BoxProfileOf(p, 7).robot);
    EXPECT_FALSE(BoxProfileOf(p, 6).robot);
}

}  // namespace
}  // namespace tavexo
