#include "settings/cp1252.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

struct ConversionCase {
    std::string utf8;
    std::string cp1252;
};

// Listed by what the case feeds in, not as a byte dump.
void PrintTo(const ConversionCase& c, std::ostream* os) {
    ::tavexo::testing::PrintQuoted(c.utf8, os);
}

class Cp1252Conversion : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Cp1252Conversion, BothWays) {
    EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
    EXPECT_EQ(Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp1252Conversion,
    ::testing::Values(ConversionCase{"Ablauftöne", "Ablauft\xF6ne"},
                      ConversionCase{"Verzögerung", "Verz\xF6gerung"},
                      ConversionCase{"Jürgen Groß", "J\xFCrgen Gro\xDF"},
                      // the euro sign and the no-break space of a German money text
                      ConversionCase{"1.234,5\u00A0€", "1.234,5\xA0\x80"},
                      ConversionCase{"„Š“ – ™", "\x84\x8A\x93 \x96 \x99"},
                      ConversionCase{"ÿ", "\xFF"}, ConversionCase{"", ""}));

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, CharactersItLacksAndBrokenUtf8BecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("Versichert ► Verdoppelt"), "Versichert ? Verdoppelt");
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x82\xA1!"), "?!");  // a card outside the BMP
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");              // cut-off sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");           // overlong "/"
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80x"), "???x");    // encoded surrogate
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string utf8;
    TextEncoding encoding;
};

class DecodeText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeText, RecognisesTheByteOrderMark) {
    const DecodedText decoded = DecodeTextBytes(GetParam().bytes);
    EXPECT_EQ(decoded.utf8, GetParam().utf8);
    EXPECT_EQ(decoded.encoding, GetParam().encoding);
}

TEST_P(DecodeText, EncodingGivesTheBytesBack) {
    EXPECT_EQ(EncodeTextBytes(GetParam().utf8, GetParam().encoding), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeText,
    ::testing::Values(
        DecodeCase{"NoMark", "T\xF6n\r\n", "Tön\r\n", TextEncoding::Cp1252},
        DecodeCase{"Utf8", "\xEF\xBB\xBFT\xC3\xB6n \xE2\x96\xBA", "Tön ►", TextEncoding::Utf8Bom},
        DecodeCase{"Utf16LittleEndian", std::string("\xFF\xFET\0\xF6\0n\0\x3A\x26", 10), "Tön☺",
                   TextEncoding::Utf16LeBom},
        DecodeCase{"Utf16BigEndian", std::string("\xFE\xFF\0T\0\xF6\0n", 8), "Tön",
                   TextEncoding::Utf16BeBom},
        DecodeCase{"Utf16SurrogatePair", std::string("\xFF\xFE\x3C\xD8\xA1\xDC", 6),
                   "\xF0\x9F\x82\xA1", TextEncoding::Utf16LeBom}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeText, BrokenUtf16BecomesReplacementCharacters) {
    // A low surrogate alone, then an odd trailing byte that is no character.
    const DecodedText decoded =
        DecodeTextBytes(std::string("\xFF\xFE\x00\xDC"
                                    "A\0"
                                    "B",
                                    7));
    EXPECT_EQ(decoded.utf8,
              "\xEF\xBF\xBD"
              "A");
}

}  // namespace
}  // namespace tavexo
