#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>

#include "base/StrUtils.h"

using namespace base;

namespace {

// Restores the separator even when an expectation fails half-way.
struct SeparatorGuard {
    char saved = DecimalSeparator();
    ~SeparatorGuard() { SetDecimalSeparator(saved); }
};

}  // namespace

TEST(StrToInt, DecimalAndHexTexts) {
    const struct { const char* text; bool ok; int value; } cases[] = {
        {"0", true, 0},
        {"42", true, 42},
        {"+7", true, 7},
        {"-15", true, -15},
        {"$1F", true, 31},
        {"$ff", true, 255},
        {"-$10", true, -16},
        {"0x1F", true, 31},
        {"0X1f", true, 31},
        {"-0x10", true, -16},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"$7FFFFFFF", true, 2147483647},
        {"$FFFFFFFF", true, -1},  // full 32-bit pattern, read as two's complement
        {"$000000001F", true, 31},
        // failures
        {"", false, 0},
        {" 5", false, 0},  // blanks are not skipped
        {"5 ", false, 0},
        {"-", false, 0},
        {"$", false, 0},
        {"0x", false, 0},
        {"1.5", false, 0},
        {"12a", false, 0},
        {"$1G", false, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"$100000000", false, 0},
        {"99999999999999999999999", false, 0},
        {"None", false, 0},
        {"x1F", false, 0},
    };
    for (const auto& c : cases) {
        int v = 12345;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) EXPECT_EQ(v, c.value) << c.text;
        else EXPECT_EQ(v, 12345) << "value changed on failure: " << c.text;
        EXPECT_EQ(StrToIntDef(c.text, -1), c.ok ? c.value : -1) << c.text;
    }
}

TEST(StrToInt, SixtyFourBitRange) {
    const struct { const char* text; bool ok; int64_t value; } cases[] = {
        {"9223372036854775807", true, INT64_MAX},
        {"-9223372036854775808", true, INT64_MIN},
        {"9223372036854775808", false, 0},
        {"$FFFFFFFFFFFFFFFF", true, -1},
        {"0x80000000", true, 0x80000000LL},  // fits in 64 bits, no wrap
        {"$10000000000000000", false, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrToInt64Def(c.text, 77), c.ok ? c.value : 77) << c.text;
    }
}

TEST(StrToInt, StrictConversionThrowsWithTheText) {
    EXPECT_EQ(StrToInt("$10"), 16);
    try {
        StrToInt("abc");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

TEST(IntToHex, PadsAndWrapsNegatives) {
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(0x1234, 2), "1234");  // never truncates
    EXPECT_EQ(IntToHex(static_cast<uint32_t>(-1), 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex64(static_cast<uint64_t>(-2), 1), "FFFFFFFFFFFFFFFE");
    EXPECT_EQ(IntToHex64(0xABCDEFull, 8), "00ABCDEF");
}

TEST(HexToUInt64, DigitsOnly) {
    uint64_t v = 0;
    EXPECT_TRUE(TryHexToUInt64("dEaDbeef", v));
    EXPECT_EQ(v, 0xDEADBEEFull);
    EXPECT_TRUE(TryHexToUInt64("FFFFFFFFFFFFFFFF", v));
    EXPECT_EQ(v, UINT64_MAX);
    for (const char* bad : {"", "$1F", "0x1F", "1 ", "G", "10000000000000000"}) {
        v = 7;
        EXPECT_FALSE(TryHexToUInt64(bad, v)) << bad;
        EXPECT_EQ(v, 7u) << bad;
    }
}

TEST(CopyPos, OneBasedAndClamped) {
    const struct { const char* s; int index, count; const char* want; } copies[] = {
        {"abcdef", 2, 3, "bcd"},  {"abcdef", 1, 100, "abcdef"}, {"abcdef", 0, 2, "ab"},
        {"abcdef", -5, 2, "ab"},  {"abcdef", 6, 1, "f"},        {"abcdef", 7, 1, ""},
        {"abcdef", 3, 0, ""},     {"abcdef", 3, -1, ""},        {"", 1, 1, ""},
    };
    for (const auto& c : copies)
        EXPECT_EQ(Copy(c.s, c.index, c.count), c.want) << c.s << " " << c.index << " " << c.count;

    EXPECT_EQ(Pos("cd", "abcdef"), 3);
    EXPECT_EQ(Pos("a", "abcabc"), 1);
    EXPECT_EQ(Pos("a", "abcabc", 2), 4);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(Pos("c", "abc", 4), 0);
    EXPECT_EQ(Pos("a", "abc", 0), 0);
}

TEST(Text, TrimAndCase) {
    EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x \n"), "  x");
    EXPECT_EQ(Trim("\xC3\xA9 "), "\xC3\xA9");  // bytes above 0x7F are text, not blanks
    EXPECT_EQ(TrimView(" \t\r\n a b \x01"), "a b");
    EXPECT_EQ(TrimView(" \t "), "");
    EXPECT_EQ(UpperCase("abc\xC3\xA9xyz"), "ABC\xC3\xA9XYZ");
    EXPECT_EQ(LowerCase("ABC-Z"), "abc-z");
    EXPECT_TRUE(SameText("ParGen.XML", "pargen.xml"));
    EXPECT_FALSE(SameText("abc", "abcd"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_GT(CompareText("b", "A"), 0);
    EXPECT_LT(CompareText("ab", "abc"), 0);
    EXPECT_EQ(CompareText("Mixed", "mIXED"), 0);
    EXPECT_TRUE(StartsText("str", "STR12=abc"));
    EXPECT_FALSE(StartsText("str12", "STR"));
    EXPECT_TRUE(EndsText(".LNG", "english.lng"));
    EXPECT_FALSE(EndsText(".lng", "lng"));
}

TEST(Text, ReplaceAndSplit) {
    EXPECT_EQ(StringReplace("a.b.c", ".", "::"), "a::b::c");
    EXPECT_EQ(StringReplace("a.b.c", ".", "", false), "ab.c");
    EXPECT_EQ(StringReplace("Row row ROW", "row", "x", true, true), "x x x");
    EXPECT_EQ(StringReplace("Row row", "row", "x", true, false), "Row x");
    EXPECT_EQ(StringReplace("aaa", "a", "aa"), "aaaaaa");  // no re-scan of replaced text
    EXPECT_EQ(StringReplace("abc", "", "x"), "abc");
    EXPECT_EQ(StringOfChar('-', 3), "---");
    EXPECT_EQ(StringOfChar('-', -1), "");

    using V = std::vector<std::string>;
    EXPECT_EQ(SplitString("192.168.1.10", '.'), (V{"192", "168", "1", "10"}));
    EXPECT_EQ(SplitString("a;;b;", ';'), (V{"a", "", "b", ""}));
    EXPECT_EQ(SplitString(";", ';'), (V{"", ""}));
    EXPECT_EQ(SplitString("", ';'), V{""});  // never empty: parts[0] is always there
}

TEST(Float, ParsesWithRegionalSeparator) {
    SeparatorGuard guard;
    const struct { char sep; const char* text; bool ok; double value; } cases[] = {
        {'.', "1.5", true, 1.5},
        {'.', "-0.25", true, -0.25},
        {'.', "+3", true, 3},
        {'.', ".5", true, 0.5},
        {'.', "5.", true, 5},
        {'.', "1e3", true, 1000},
        {'.', "1.5E-2", true, 0.015},
        {'.', " 2.5 ", true, 2.5},
        {'.', "1,5", false, 0},
        {',', "1,5", true, 1.5},
        {',', "1.5", true, 1.5},  // the dot is always understood
        {',', "-1,25e1", true, -12.5},
        {'.', "", false, 0},
        {'.', ".", false, 0},
        {'.', "-", false, 0},
        {'.', "1e", false, 0},
        {'.', "1.2.3", false, 0},
        {'.', "abc", false, 0},
        {'.', "nan", false, 0},
        {'.', "inf", false, 0},
        {'.', "1e999", false, 0},
        {'.', "0x10", false, 0},
    };
    for (const auto& c : cases) {
        SetDecimalSeparator(c.sep);
        double v = 99;
        EXPECT_EQ(TryStrToFloat(c.text, v), c.ok) << c.text << " sep " << c.sep;
        EXPECT_DOUBLE_EQ(StrToFloatDef(c.text, -7), c.ok ? c.value : -7) << c.text << " sep " << c.sep;
    }
    SetDecimalSeparator('.');
    EXPECT_THROW(StrToFloat("x"), EConvertError);
}

TEST(Float, FormatsWithRegionalSeparator) {
    SeparatorGuard guard;
    const struct { char sep; double value; const char* str; } general[] = {
        {'.', 0, "0"},
        {'.', 1.5, "1.5"},
        {',', 1.5, "1,5"},
        {'.', -2, "-2"},
        {'.', 0.1 + 0.2, "0.3"},  // 15 significant digits hide the binary noise
        {'.', 123456789012345.0, "123456789012345"},
        {'.', 1e20, "1E20"},
        {'.', 1.5e-7, "1.5E-7"},
        {'.', 0.0001, "0.0001"},
    };
    for (const auto& c : general) {
        SetDecimalSeparator(c.sep);
        EXPECT_EQ(FloatToStr(c.value), c.str) << c.value;
    }
    const struct { char sep; double value; int decimals; const char* str; } fixed[] = {
        {'.', 3.14159, 2, "3.14"}, {',', 3.14159, 2, "3,14"}, {'.', 2.5, 0, "2"},
        {'.', -0.001, 2, "0.00"},  {'.', 1, 3, "1.000"},      {'.', -1.005, 1, "-1.0"},
    };
    for (const auto& c : fixed) {
        SetDecimalSeparator(c.sep);
        EXPECT_EQ(FloatToStrF(c.value, c.decimals), c.str) << c.value;
    }
}

TEST(Float, RoundTripsThroughText) {
    SeparatorGuard guard;
    for (char sep : {'.', ','}) {
        SetDecimalSeparator(sep);
        for (double v : {0.1, -123.456, 1e-10, 6.02214076e23, 868.1, 923.2}) {
            EXPECT_DOUBLE_EQ(StrToFloat(FloatToStr(v)), v) << v << " sep " << sep;
        }
    }
}

TEST(FormatText, PrintfStyleWithRegionalFloats) {
    SeparatorGuard guard;
    SetDecimalSeparator('.');
    EXPECT_EQ(Format("%d-%s-%x-%X-%5d|%-3s|", 42, "ab", 255, 255, 7, "z"), "42-ab-ff-FF-    7|z  |");
    EXPECT_EQ(Format("%.2f", 3.14159), "3.14");
    EXPECT_EQ(Format("100%%"), "100%");
    EXPECT_EQ(Format("%*d|%.*f", 4, 9, 1, 2.25), "   9|2.2");
    EXPECT_EQ(Format("%lld %zu %c", 1234567890123LL, static_cast<size_t>(5), 'Q'), "1234567890123 5 Q");
    EXPECT_EQ(Format("%08.3f", -1.5), "-001.500");
    SetDecimalSeparator(',');
    // Only the number takes the regional separator; literal dots stay.
    EXPECT_EQ(Format("v.%d = %.1f", 2, 0.5), "v.2 = 0,5");
    EXPECT_EQ(Format("%g", 1.25), "1,25");
    int written = 0;
    EXPECT_EQ(Format("ab%n|%d", &written, 5), "ab|5");  // %n writes nothing, later arguments stay in step
    EXPECT_EQ(written, 0);
    const std::string longText(2000, 'x');
    EXPECT_EQ(Format("[%s]", longText.c_str()), "[" + longText + "]");
}

TEST(FormatText, IgnoresTheProcessLocale) {
    // The GUI toolkit sets the process locale from the environment; a comma
    // locale there must not change our numbers.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
        GTEST_SKIP() << "no comma locale installed";
    SeparatorGuard guard;
    SetDecimalSeparator('.');
    EXPECT_EQ(Format("%.1f", 1.5), "1.5");
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    EXPECT_DOUBLE_EQ(StrToFloat("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Json, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(JsonEscape("a\"b\\c"), "a\\\"b\\\\c");
    EXPECT_EQ(JsonEscape("l1\nl2\r\t\b\f"), "l1\\nl2\\r\\t\\b\\f");
    EXPECT_EQ(JsonEscape(std::string("\x01\x1f", 2)), "\\u0001\\u001f");
    EXPECT_EQ(JsonEscape("caf\xC3\xA9/"), "caf\xC3\xA9/");
}

TEST(StrUtils, FloatFormatsTakeExactlyOneNumberDirective) {
    const struct {
        const char* fmt;
        bool valid;
    } cases[] = {
        {"%.2f", true},      {"%8.3e EUR", true}, {"100%% of %g", true}, {"%-+ #0'12.3G", true},
        {"%a", true},        {"", false},         {"no number", false},  {"%s", false},
        {"%s%s%s%s", false}, {"%d", false},       {"%n", false},         {"%.2f%.2f", false},
        {"%*f", false},      {"%.*f", false},     {"%Lf", false},        {"%lf", false},
        {"%1000f", false},   {"%.1000f", false},  {"%", false},          {"%.2", false},
    };
    for (const auto& c : cases) EXPECT_EQ(base::IsFloatFormat(c.fmt), c.valid) << c.fmt;
    EXPECT_EQ(base::FormatFloat("%.1f kg", 2.25), "2.2 kg");
    EXPECT_EQ(base::FormatFloat("%s%s%s%s", 2.5), "2.5");  // falls back to %g
}
