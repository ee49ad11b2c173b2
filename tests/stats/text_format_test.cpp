#include "stats/text_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tavexo {
namespace {

TEST(FormatPercent, ZeroEitherSideReadsZero) {
    const TextFormat& format = DefaultTextFormat();
    EXPECT_EQ(FormatPercent(format, 0.0f, 5.0f), "0,00 %");
    EXPECT_EQ(FormatPercent(format, 5.0f, 0.0f), "0,00 %");
    EXPECT_EQ(FormatPercent(format, 0.0f, 0.0f), "0,00 %");
    EXPECT_EQ(FormatPercent(format, 5.0f, -0.0f), "0,00 %");
}

TEST(FormatPercent, BOverATimesHundredWithTwoDecimals) {
    struct Case {
        float a;
        float b;
        const char* text;
    };
    const std::vector<Case> cases = {
        {8.0f, 1.0f, "12,50 %"},
        {3.0f, 1.0f, "33,33 %"},
        {3.0f, 2.0f, "66,67 %"},
        {4.0f, 4.0f, "100,00 %"},
        {100.0f, -25.0f, "-25,00 %"},
        {1.0f, 30.0f, "3000,00 %"},
        {1000.0f, 1.0f, "0,10 %"},
        // 0.125 and 12.125 exactly: halves round away from zero.
        {800.0f, 1.0f, "0,13 %"},
        {800.0f, 97.0f, "12,13 %"},
        {800.0f, -1.0f, "-0,13 %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatPercent(DefaultTextFormat(), c.a, c.b), c.text) << c.a << ", " << c.b;
    }
}

TEST(FormatMoney, ZeroIsZeroCommaZeroWhateverTheDecimals) {
    const TextFormat& format = DefaultTextFormat();
    EXPECT_EQ(format.FormatMoney(0.0f, 0), "0,0");
    EXPECT_EQ(format.FormatMoney(0.0f, 1), "0,0");
    EXPECT_EQ(format.FormatMoney(-0.0f, 0), "0,0");
}

TEST(FormatMoney, GermanCurrencyFormat) {
    struct Case {
        float amount;
        int decimals;
        const char* text;
    };
    const std::vector<Case> cases = {
        {1234.5f, 1, "1.234,5 €"},
        {-1234.5f, 1, "-1.234,5 €"},
        {-5.0f, 0, "-5 €"},
        {100.0f, 0, "100 €"},
        {12.5f, 1, "12,5 €"},
        {0.5f, 1, "0,5 €"},
        {999.0f, 0, "999 €"},
        {1000.0f, 0, "1.000 €"},
        {1234567.0f, 0, "1.234.567 €"},
        {1000000.0f, 1, "1.000.000,0 €"},
        {-16777216.0f, 1, "-16.777.216,0 €"},
        {999.96f, 1, "1.000,0 €"},  // the carry reaches a new group
        {0.04f, 1, "0,0 €"},        // not exactly zero: still a currency text
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DefaultTextFormat().FormatMoney(c.amount, c.decimals), c.text)
            << c.amount << " with " << c.decimals << " decimals";
    }
}

TEST(FormatMoney, ExactHalvesRoundAwayFromZero) {
    // As the currency format does; printf alone would make 2,2 and 2 of them.
    const TextFormat& format = DefaultTextFormat();
    EXPECT_EQ(format.FormatMoney(2.25f, 1), "2,3 €");
    EXPECT_EQ(format.FormatMoney(-2.25f, 1), "-2,3 €");
    EXPECT_EQ(format.FormatMoney(2.5f, 0), "3 €");
    EXPECT_EQ(format.FormatMoney(0.5f, 0), "1 €");
    EXPECT_EQ(format.FormatMoney(1234.5f, 0), "1.235 €");
    EXPECT_EQ(format.FormatMoney(999.5f, 0), "1.000 €");
}

TEST(FormatMoney, TenSignificantDigits) {
    // 12345678848 is the float nearest to 12345678901.
    const TextFormat& format = DefaultTextFormat();
    EXPECT_EQ(format.FormatMoney(12345678901.0f, 0), "12.345.678.850 €");
    EXPECT_EQ(format.FormatMoney(12345678901.0f, 1), "12.345.678.850,0 €");
    EXPECT_EQ(format.FormatMoney(1e10f, 0), "10.000.000.000 €");
    // 123456792 already has nine; the one decimal makes ten.
    EXPECT_EQ(format.FormatMoney(123456789.0f, 1), "123.456.792,0 €");
}

TEST(FormatMoney, NoNumberReadsZero) {
    const TextFormat& format = DefaultTextFormat();
    EXPECT_EQ(format.FormatMoney(std::numeric_limits<float>::quiet_NaN(), 1), "0,0");
    EXPECT_EQ(format.FormatMoney(std::numeric_limits<float>::infinity(), 1), "0,0");
    EXPECT_EQ(format.FormatMoney(-std::numeric_limits<float>::infinity(), 0), "0,0");
}

TEST(FormatCount, OneDecimalWithTheGermanSeparator) {
    EXPECT_EQ(FormatCount(DefaultTextFormat(), 2.5f), "2,5");
    EXPECT_EQ(FormatCount(DefaultTextFormat(), -0.3f), "-0,3");
    EXPECT_EQ(FormatCount(DefaultTextFormat(), 6.0f), "6,0");
    EXPECT_EQ(FormatCount(DefaultTextFormat(), -12.0f), "-12,0");
    // One running count over four decks: halves round away from zero.
    EXPECT_EQ(FormatCount(DefaultTextFormat(), 0.25f), "0,3");
    EXPECT_EQ(FormatCount(DefaultTextFormat(), -1.25f), "-1,3");
}

// Every character 10 pixels wide, so that the arithmetic is easy to follow.
class TenPixelFormat : public TextFormat {
  public:
    int TextWidth(std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
};

TEST(CentreByBlanks, BlanksToCentreInEightTenthsOfTheColumn) {
    struct Case {
        std::string text;
        int width;
        int blanks;
    };
    const TenPixelFormat format;
    const std::vector<Case> cases = {
        // target = round(width x 0.8); n = round((target - text) / 20)
        {"7", 100, 4},           // (80 - 10) / 20 = 3.5: to the even 4
        {"12", 100, 3},          // (80 - 20) / 20 = 3
        {"123", 100, 2},         // (80 - 30) / 20 = 2.5: to the even 2
        {"1234", 100, 2},        // 40 / 20 = 2
        {"12345", 100, 2},       // 30 / 20 = 1.5: to the even 2
        {"1", 24, 0},            // round(19.2) = 19; (19 - 10) / 20 = 0.45
        {"1", 26, 1},            // round(20.8) = 21; 11 / 20 = 0.55
        {"12345678", 100, 0},    // exactly as wide as the target
        {"1234567890", 100, 0},  // wider than the target: no blanks
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentreByBlanks(format, c.text, c.width), std::string(c.blanks, ' ') + c.text)
            << '"' << c.text << "\" in " << c.width;
    }
}

TEST(CentreByBlanks, DefaultFormatMeasuresCharactersNotBytes) {
    // Seven pixels a character: "Zähler" is six characters in seven bytes.
    // target 56; (56 - 42) / 14 = 1.
    EXPECT_EQ(CentreByBlanks(DefaultTextFormat(), "Zähler", 70), " Zähler");
}

}  // namespace
}  // namespace tavexo
