#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <utility>

#include "MyFunc/TextConv.h"

using namespace MyFunc;

TEST(CleanText, DropsBlanksFullWidthBlanksAndControls) {
    EXPECT_EQ(CleanText(" 1\x81\x40"
                        "0\t"),
              "10");
    EXPECT_EQ(CleanText("T R U E"), "TRUE");
    // Half-width katakana and other two-byte characters survive; 0x80 and 0xFD lead.
    EXPECT_EQ(CleanText("\xb1\x90\x5e\x80\x20"), "\xb1\x90\x5e\x80\x20");
    EXPECT_EQ(CleanText("a\x90"), "a");  // lone lead byte at the end
}

TEST(TextToBool, AcceptsTheTenWordsOnly) {
    for (const char* t :
         {"true", " on ", "T", "tRu", "1", "\x82\x50", "\x81\x9b", "\x90\x5e", "\x90\xb3"})
        EXPECT_TRUE(TextToBool(t)) << t;
    for (const char* t : {"0", "FALSE", "YES", "off", "", "TRUEX", "\x90\x7e"})
        EXPECT_FALSE(TextToBool(t)) << t;
    // A trail byte that looks like a lower-case letter is not upper-cased:
    // 0x93 0x74 must not become 0x93 0x54.
    EXPECT_FALSE(TextToBool("\x93\x74"));
    EXPECT_EQ(BoolToText(true), "1");
    EXPECT_EQ(BoolToText(false), "0");
}

TEST(Fill, ReplacesWholeMarksOnly) {
    const struct {
        const char* Text;
        const char* Filled;
    } cases[] = {
        {"\x81\x75{typed}\x81\x76",
         "\x81\x75"
         "30\x81\x76"},  // 「30」
        {"{typed}{typed}", "3030"},
        {"{typ}{typed", "{typ}{typed"},
        // 0x81 0x7B (a full-width plus) ends in "{": not the start of a mark.
        {"\x81{typed}", "\x81{typed}"},
    };
    for (const auto& c : cases) EXPECT_EQ(Fill(c.Text, "typed", "30"), c.Filled) << c.Text;
}

TEST(TextToInt, DecimalAndHexadecimal) {
    const std::pair<const char*, int32_t> cases[] = {
        {"12", 12},
        {" -7", -7},
        {"+8", 8},
        {"$1F", 31},
        {"0x1f", 31},
        {"X10", 16},
        {"$FFFFFFFF", -1},
        {"-$10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()}};
    for (const auto& [text, value] : cases) EXPECT_EQ(TextToInt(text), value) << text;
    for (const char* t : {"", "12 ", "1.5", "\x82\x50\x82\x51", "2147483648", "-2147483649", "$",
                          "$100000000", "0x", "-", "1e3", "99999999999999999999"})
        EXPECT_EQ(TextToInt(t), 0) << t;
}

TEST(TextToFloat, LenientGrammar) {
    const std::pair<const char*, double> cases[] = {{"3.5", 3.5},       {"-1e3", -1000.0},
                                                    {"5.", 5.0},        {".5", 0.5},
                                                    {"  +2E+2", 200.0}, {"1E-5", 1e-5}};
    for (const auto& [text, value] : cases) EXPECT_EQ(TextToFloat(text), value) << text;
    for (const char* t : {"", ".", "3,5", "3.5 ", "1e", "abc", "-", "+", "1e+", "0x10", "inf",
                          "nan", "1.2.3", "\x82\x50"})
        EXPECT_EQ(TextToFloat(t), 0.0) << t;
}

TEST(TextToFloat, RangeAndRounding) {
    // Outside the range of a double: 0, never infinity.
    EXPECT_EQ(TextToFloat("1e400"), 0.0);
    EXPECT_EQ(TextToFloat("-1e400"), 0.0);
    // Subnormal values keep their value.
    EXPECT_EQ(TextToFloat("4.9406564584124654e-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(TextToFloat("1e-310"), 1e-310);
    // Correct rounding of a halfway case that double rounding gets wrong.
    EXPECT_EQ(TextToFloat("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(TextToFloat("0.1"), 0.1);
    EXPECT_EQ(TextToFloat("2.2250738585072011e-308"), 2.2250738585072011e-308);
}

TEST(FloatToText, GeneralFormatWith15Digits) {
    EXPECT_EQ(FloatToText(6.283185307179586), "6.28318530717959");
    EXPECT_EQ(FloatToText(0.0), "0");
    EXPECT_EQ(FloatToText(-0.0), "0");
    EXPECT_EQ(FloatToText(12.5), "12.5");
    EXPECT_EQ(FloatToText(-3), "-3");
    EXPECT_EQ(FloatToText(100), "100");
    EXPECT_EQ(FloatToText(0.0001), "0.0001");
    EXPECT_EQ(FloatToText(0.00001), "1E-5");
    EXPECT_EQ(FloatToText(-1.25e-7), "-1.25E-7");
    EXPECT_EQ(FloatToText(2.5e15), "2.5E15");
    EXPECT_EQ(FloatToText(1e15), "1E15");
    EXPECT_EQ(FloatToText(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToText(999999999999999.9), "1E15");  // the rounded value decides
    EXPECT_EQ(FloatToText(0.99999999999999999), "1");
    EXPECT_EQ(FloatToText(1e300), "1E300");
    EXPECT_EQ(FloatToText(5e-324), "4.94065645841247E-324");
    EXPECT_EQ(FloatToText(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToText(123456.789), "123456.789");
}

TEST(FloatToText, LargestDoublesReadBack) {
    // Rounded to 15 digits they would lie beyond the range and read back as 0.
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(FloatToText(max), "1.79769313486231E308");
    EXPECT_EQ(FloatToText(-max), "-1.79769313486231E308");
    EXPECT_NEAR(TextToFloat(FloatToText(max)) / max, 1.0, 1e-14);
    EXPECT_EQ(FloatToText(1.7976931348622e308), "1.7976931348622E308");
}

TEST(FloatToText, RoundTripsTo15SignificantDigits) {
    std::mt19937_64 rng(742);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-320, 300);
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        if (!std::isfinite(v)) continue;
        const std::string text = FloatToText(v);
        const double back = TextToFloat(text);
        // Formatting the value read back gives the same text.
        ASSERT_EQ(FloatToText(back), text) << v;
        if (std::fabs(v) > 1e-300) {
            ASSERT_LE(std::fabs(back - v), std::fabs(v) * 5.1e-15) << text;
        }
    }
}

TEST(FloatToTextTrimmed, AxisAngleLabel) {
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 30.25), "30.25");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 90), "90");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, true, 90), "90.000000");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 1.0 / 3.0), "0.333333");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 0.1000001), "0.1");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 0.0), "0");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, -30.5), "-30.5");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, -0.0000001), "0");
    // Beyond 12 significant digits the places are filled with zeros.
    EXPECT_EQ(FloatToTextTrimmed(12, 6, true, 1234567.123456789), "1234567.123460");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 123456789012.7), "123456789013");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 1e13), "1.00000000000E13");
    EXPECT_EQ(FloatToTextTrimmed(12, 6, false, 999999999999.7), "1.00000000000E12");
}
