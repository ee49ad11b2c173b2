#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cerrno>
#include <filesystem>
#include <string>

#include "settings/file_io.h"
#include "settings/scratch_folder.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

// A file as another program, or the user, might have left it.
const std::string HAND_EDITED =
    "; Tavexo\r\n"
    "[Ablauft\xF6ne]\r\n"
    "0=1\r\n"
    "  RobotTon =  0  \r\n"
    "Fremd=etwas\r\n"
    "\r\n"
    "[regeln]\r\n"
    "Decks=\"2\"\r\n"
    "Decks=0\r\n"
    "[Eigenes]\r\n"
    "Schl\xFCssel=Wert mit Leerzeichen\r\n";

TEST(IniDocument, FindsSectionsAndKeysWithoutRegardToCase) {
    const IniDocument ini = IniDocument::FromBytes(HAND_EDITED);
    EXPECT_EQ(ini.Value("Ablauftöne", "0"), "1");
    EXPECT_EQ(ini.Value("ABLAUFTÖNE", "robotton"), "0");  // blanks around key and value go
    EXPECT_EQ(ini.Value("Regeln", "decks"), "2");         // first of two, quotes removed
    EXPECT_EQ(ini.Value("Eigenes", "Schlüssel"), "Wert mit Leerzeichen");
    EXPECT_EQ(ini.Value("Regeln", "0"), std::nullopt);
    EXPECT_EQ(ini.Value("Fehlt", "0"), std::nullopt);
    EXPECT_EQ(ini.Value("Ablauftöne", "; Tavexo"), std::nullopt);
}

struct IntCase {
    std::string value;
    int32_t expected;  // with fallback 77
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const IntCase& c, std::ostream* os) {
    ::tavexo::testing::PrintQuoted(c.value, os);
}

class IniReadInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniReadInt, AcceptsOnlyWholeNumbers) {
    const IniDocument ini = IniDocument::FromBytes("[S]\r\nk=" + GetParam().value + "\r\n");
    EXPECT_EQ(ini.ReadInt("S", "k", 77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniReadInt,
    ::testing::Values(IntCase{"2", 2}, IntCase{"0", 0}, IntCase{"-3", -3}, IntCase{"+4", 4},
                      IntCase{" 150 ", 150}, IntCase{"2147483647", 2147483647},
                      IntCase{"-2147483648", INT32_MIN}, IntCase{"2147483648", 77},
                      IntCase{"ja", 77}, IntCase{"", 77}, IntCase{"12abc", 77}, IntCase{"1.5", 77},
                      IntCase{"0x10", 77}, IntCase{"-", 77}, IntCase{"1 2", 77}));

TEST(IniDocument, BooleansAreWholeNumbers) {
    const IniDocument ini =
        IniDocument::FromBytes("[S]\r\nzwei=2\r\nnull=0\r\nja=ja\r\nleer=\r\nminus=-1\r\n");
    EXPECT_TRUE(ini.ReadBool("S", "zwei", false));
    EXPECT_FALSE(ini.ReadBool("S", "null", true));
    EXPECT_TRUE(ini.ReadBool("S", "ja", true));
    EXPECT_FALSE(ini.ReadBool("S", "ja", false));
    EXPECT_TRUE(ini.ReadBool("S", "leer", true));
    EXPECT_TRUE(ini.ReadBool("S", "minus", false));
    EXPECT_FALSE(ini.ReadBool("S", "fehlt", false));
}

TEST(IniDocument, SettingKeysKeepsEveryOtherLine) {
    IniDocument ini = IniDocument::FromBytes(HAND_EDITED);
    ini.Set("ablauftöne", "robotton", "1");  // in place, keeping the file's spelling
    ini.Set("Ablauftöne", "5", "0");         // new key: after the section's last line
    ini.Set("Regeln", "Decks", "1");         // the first of the two
    ini.Set("Verzögerung", "1", "10");       // new section: at the end
    EXPECT_EQ(ini.ToBytes(),
              "; Tavexo\r\n"
              "[Ablauft\xF6ne]\r\n"
              "0=1\r\n"
              "RobotTon=1\r\n"
              "Fremd=etwas\r\n"
              "5=0\r\n"
              "\r\n"
              "[regeln]\r\n"
              "Decks=1\r\n"
              "Decks=0\r\n"
              "[Eigenes]\r\n"
              "Schl\xFCssel=Wert mit Leerzeichen\r\n"
              "[Verz\xF6gerung]\r\n"
              "1=10\r\n");
}

TEST(IniDocument, WritesCrLfWhateverLineEndsItRead) {
    IniDocument ini = IniDocument::FromBytes("[A]\nx=1\r[B]\ny=2");
    ini.Set("B", "z", "3");
    EXPECT_EQ(ini.ToBytes(), "[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=3\r\n");
}

TEST(IniDocument, ALineBreakInAValueCannotSplitTheLine) {
    IniDocument ini;
    ini.Set("A", "x", "1\r\n[B]");
    EXPECT_EQ(ini.ToBytes(), "[A]\r\nx=1  [B]\r\n");
}

TEST(IniDocument, AUtf16FileIsReadAndStaysUtf16) {
    // "[Verzögerung]\r\n1=0\r\n" in UTF-16 little-endian, as Notepad saves "Unicode".
    std::string bytes = "\xFF\xFE";
    for (const char16_t c : u"[Verzögerung]\r\n1=0\r\n") {
        if (c == 0) break;
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    IniDocument ini = IniDocument::FromBytes(bytes);
    EXPECT_EQ(ini.ReadInt("Verzögerung", "1", 10), 0);
    EXPECT_EQ(ini.Encoding(), TextEncoding::Utf16LeBom);
    ini.Set("Verzögerung", "2", "150");
    const IniDocument again = IniDocument::FromBytes(ini.ToBytes());
    EXPECT_EQ(again.ReadInt("Verzögerung", "2", 0), 150);
    EXPECT_EQ(again.Encoding(), TextEncoding::Utf16LeBom);
}

TEST(IniDocument, AUtf8FileWithMarkIsRead) {
    const IniDocument ini = IniDocument::FromBytes("\xEF\xBB\xBF[Ablauftöne]\r\nRobotTon=1\r\n");
    EXPECT_TRUE(ini.ReadBool("Ablauftöne", "RobotTon", false));
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
    ScratchFolder folder;
    IniFile ini(folder.File("neu.ini"));
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.ReadInt("Regeln", "Decks", 3), 3);
    ASSERT_EQ(ini.Write("Regeln", "Decks", "0"), 0);
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.ReadInt("Regeln", "Decks", 3), 0);
    EXPECT_EQ(folder.Read("neu.ini"), "[Regeln]\r\nDecks=0\r\n");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"neu.ini"});
}

TEST(IniFile, WritesOnTopOfWhatIsOnDiskNow) {
    ScratchFolder folder;
    folder.Write("a.ini", "[A]\r\nx=1\r\n");
    IniFile ini(folder.File("a.ini"));
    folder.Write("a.ini", "[A]\r\nx=1\r\ny=2\r\n");  // another writer, after our read
    ASSERT_EQ(ini.Write("A", "z", "3"), 0);
    EXPECT_EQ(folder.Read("a.ini"), "[A]\r\nx=1\r\ny=2\r\nz=3\r\n");
    EXPECT_EQ(ini.ReadInt("A", "y", 0), 2);
}

TEST(IniFile, AFailedWriteReportsTheErrorAndChangesNothing) {
    ScratchFolder folder;
    // Tests may run as root, for whom permissions do not stop a write; a
    // folder in the file's place and a missing folder do.
    std::filesystem::create_directory(folder.File("Allgemein.ini"));
    folder.Write("Allgemein.ini/inhalt", "bleibt");
    IniFile blocked(folder.File("Allgemein.ini"));
    EXPECT_FALSE(blocked.Exists());
    EXPECT_EQ(blocked.Write("A", "x", "1"), EISDIR);
    EXPECT_EQ(blocked.ReadInt("A", "x", 5), 5);
    EXPECT_EQ(folder.Read("Allgemein.ini/inhalt"), "bleibt");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Allgemein.ini"});

    IniFile nowhere(folder.File("fehlt/Allgemein.ini"));
    EXPECT_EQ(nowhere.Write("A", "x", "1"), ENOENT);
    EXPECT_FALSE(folder.Exists("fehlt"));
}

TEST(ReplaceFileContents, ReplacesTheWholeFileAndKeepsItsPermissions) {
    ScratchFolder folder;
    folder.Write("f", "a much longer old content");
    std::filesystem::permissions(
        folder.File("f"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_EQ(ReplaceFileContents(folder.File("f"), "neu"), 0);
    EXPECT_EQ(folder.Read("f"), "neu");
    EXPECT_EQ(std::filesystem::status(folder.File("f")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"f"});
}

TEST(ReplaceFileContents, WritesThroughASymbolicLink) {
    ScratchFolder folder;
    folder.Write("echt", "alt");
    std::filesystem::create_symlink(folder.File("echt"), folder.File("link"));
    ASSERT_EQ(ReplaceFileContents(folder.File("link"), "neu"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link")));
    EXPECT_EQ(folder.Read("echt"), "neu");
}

// A link whose target does not exist yet: saving creates the target and
// keeps the link, rather than replacing the link by a plain file. Relative
// links count from the link's own folder, and a chain is followed to its end.
TEST(ReplaceFileContents, CreatesTheTargetOfADanglingLink) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.File("daten"));
    std::filesystem::create_symlink("daten/Spieler.tvxo", folder.File("zwischen"));
    std::filesystem::create_symlink("zwischen", folder.File("link"));
    ASSERT_EQ(ReplaceFileContents(folder.File("link"), "neu"), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("zwischen")));
    EXPECT_EQ(folder.Read("daten/Spieler.tvxo"), "neu");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"daten", "link", "zwischen"}));
}

// A link into a folder that does not exist, and a loop of links: the save
// fails and nothing is left behind or replaced.
TEST(ReplaceFileContents, ALinkThatLeadsNowhereFails) {
    ScratchFolder folder;
    std::filesystem::create_symlink("fehlt/Spieler.tvxo", folder.File("link"));
    EXPECT_EQ(ReplaceFileContents(folder.File("link"), "neu"), ENOENT);
    std::filesystem::create_symlink("b", folder.File("a"));
    std::filesystem::create_symlink("a", folder.File("b"));
    EXPECT_EQ(ReplaceFileContents(folder.File("a"), "neu"), ELOOP);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("a")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("b")));
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"a", "b", "link"}));
}

}  // namespace
}  // namespace tavexo
