#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"

using namespace ctl;

namespace {

std::string Chars(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += char(c);
    return s;
}

// Regional separators for one test; restored afterwards so tests stay apart.
struct DecimalComma {
    char saved = base::DecimalSeparator();
    DecimalComma() { base::SetDecimalSeparator(','); }
    ~DecimalComma() { base::SetDecimalSeparator(saved); }
};

}  // namespace

TEST(ExtUtilSearch, PositionsAndTokens) {
    EXPECT_EQ(PosInUpperText("BC", "abcd"), 2);
    EXPECT_EQ(PosInUpperText("bc", "abcd"), 0);  // the substring is not upper-cased
    int pos = 99;
    EXPECT_FALSE(LocateChar('x', "abc", pos));
    EXPECT_EQ(pos, 99);
    EXPECT_TRUE(LocateChar('c', "abcc", pos));
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(LocateSubstring("cd", "abcd", pos), 3);
    EXPECT_EQ(PosWide(u"\u20AC", u"a\u20ACb"), 2);

    std::string text = "key=value", token;
    SplitOffToken(text, "=", token);
    EXPECT_EQ(token, "key");
    EXPECT_EQ(text, "value");
    text = "ab::cd";
    SplitOffToken(text, "::", token);  // only the separator's first character goes
    EXPECT_EQ(token, "ab");
    EXPECT_EQ(text, ":cd");
    text = "plain";
    SplitOffToken(text, ";", token);
    EXPECT_EQ(token, "");
    EXPECT_EQ(text, "plain");
}

TEST(ExtUtilSearch, QuotesAndParentheses) {
    int pos = 0;
    EXPECT_EQ(FirstUnquotedCharOfSet({'&', '|'}, "\"a&b\" | c", pos), '|');
    EXPECT_EQ(pos, 7);
    EXPECT_EQ(FirstUnquotedCharOfSet({'&'}, "\"a&b\"", pos), '\0');
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(StripUnquotedSpaces("a b \"c d\" e"), "ab\"c d\"e");
    EXPECT_EQ(MatchingParenPos("(a(b)c)d"), 7);
    EXPECT_EQ(MatchingParenPos("((a)"), 0);
    EXPECT_EQ(CountCharOccurrences('a', "banana"), 3);
}

TEST(ExtUtilSearch, ClampSizeLimits) {
    const struct { int value, min, max, want; } cases[] = {
        {5, 10, 10, 5}, {5, 10, 0, 10}, {50, 0, 20, 20}, {5, 0, 0, 5}, {15, 10, 20, 15}, {25, 10, 20, 20},
        {-3, 0, 20, -3}};
    for (const auto& c : cases)
        EXPECT_EQ(ClampSizeLimits(c.value, c.min, c.max), c.want) << c.value << " " << c.min << " " << c.max;
    std::string pw = "secret";
    FillWithChar(pw, '*');
    EXPECT_EQ(pw, "******");
    EXPECT_TRUE(CellInGridRect(2, 3, 2, 3, 4, 5));
    EXPECT_FALSE(CellInGridRect(5, 3, 2, 3, 4, 5));
}

TEST(ExtUtilCellText, Kinds) {
    const std::string packedEqA = EncodeWideCellText(u"=A");
    const std::string packedEq = EncodeWideCellText(u"=");
    const struct { std::string text; bool html; int kind; } cases[] = {
        {"", true, ctkPlain},
        {"=SUM(A1)", false, ctkFormula},
        {packedEqA, false, ctkFormula},
        {packedEq, false, ctkWide},
        {EncodeWideCellText(u"abc"), false, ctkWide},
        {"{\\rtf1}", false, ctkRichText},
        {"a</b>", true, ctkHtml},
        {"a</b>", false, ctkPlain},
        {"<B>bold", true, ctkHtml},
        {"<b>bold", true, ctkPlain},
        {"<i>x", true, ctkPlain},
        {"plain", true, ctkPlain},
        // One character: what follows it reads as a blank.
        {"=", false, ctkFormula},
        {"|", false, ctkPlain},
        {"{", false, ctkPlain},
        {"|\\", false, ctkWide},
        {"<", true, ctkPlain},
    };
    for (const auto& c : cases) EXPECT_EQ(GetCellTextKind(c.text, c.html), c.kind) << c.text;
}

TEST(ExtUtilCellText, PackedWideText) {
    const std::u16string wide = {0x0041, 0x20AC};
    const std::string packed = EncodeWideCellText(wide);
    // Each packed character is one code point 0..255 carried as UTF-8.
    std::string want = "|\\";
    want += Chars({0, 65, 32});
    want += "\xC2\xAC";  // code point 172
    EXPECT_EQ(packed, want);
    EXPECT_EQ(DecodeWideCellText(packed), wide);
    EXPECT_EQ(EncodeWideCellText(u""), "|\\");
    EXPECT_EQ(DecodeWideCellText("|\\" + Chars({0, 66, 0})), u"B");  // last unpaired dropped
    EXPECT_EQ(DecodeWideCellText("plain \xE2\x82\xAC"), u"plain \u20AC");
}

TEST(ExtUtilLineBreaks, FileCodes) {
    EXPECT_EQ(EncodeLineBreaksForFile(std::string("a\r\nb") + '\0'), Chars({'a', 9, 8, 'b', 1}));
    EXPECT_EQ(EncodeLineBreaksForFile("a\nb"), "a\nb");
    EXPECT_EQ(DecodeLineBreaksFromFile(Chars({'a', 9, 8, 'b'}), true), "a\r\nb");
    EXPECT_EQ(DecodeLineBreaksFromFile(Chars({'a', 9, 8, 'b'}), false), "a");
    EXPECT_EQ(DecodeLineBreaksFromFile("a\tb", true), "a\tb");
    // Round trip of a multi-line cell through the file form.
    EXPECT_EQ(DecodeLineBreaksFromFile(EncodeLineBreaksForFile("x\r\ny"), true), "x\r\ny");
}

TEST(ExtUtilLineBreaks, OneLineForms) {
    const struct { const char* name; std::string (*fn)(std::string_view); std::string in, out; } cases[] = {
        {"tilde", LineBreaksToTilde, "a\r\nb", "a~b"},
        {"untilde", TildeToLineBreaks, "a~b", "a\r\nb"},
        {"untilde caret", TildeToLineBreaks, "^", ""},
        {"untilde caret in text", TildeToLineBreaks, "a^", "a^"},
        {"quote", QuoteMultilineField, "a\r\nb", "\"a\vb\""},
        {"vt", VtToCrlf, "a\vb", "a\r\nb"},
        {"crlf to lf", CrlfToLf, "a\r\nb\rc", "a\nb\rc"},
        {"escape", EscapeNewlines, "a\r\nb", "a\\nb"},
        {"unescape", UnescapeNewlines, "a\\nb\\", "a\rb\\"},
        {"html", CrToHtmlBreaks, "a\rb", "a<br>b"},
        {"remove cr", RemoveCr, "a\r\nb", "a\nb"},
        {"cr to lf", CrToLf, "a\r\nb", "a\n\nb"},
        {"double quotes", DoubleQuoteChars, "say \"hi\"", "say \"\"hi\"\""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << c.name;
}

TEST(ExtUtilLineBreaks, CutFirstLine) {
    const struct { std::string text; bool keep; std::string line, rest; } cases[] = {
        {"one", true, "one", ""},
        {"one\r\ntwo\r\nthree", true, "one", "two\r\nthree"},
        {"one\r\ntwo", false, "one", ""},
        {"one\rtwo", true, "one", "two"},
    };
    for (const auto& c : cases) {
        std::string text = c.text, line;
        CutFirstLine(text, c.keep, line);
        EXPECT_EQ(line, c.line) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
    }
    EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
    EXPECT_EQ(CountTextLines("a\rb\rc", false), 1);
}

TEST(ExtUtilDelimited, QuotesOfFields) {
    EXPECT_EQ(UndoubleChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
    EXPECT_EQ(UndoubleChar('"', "abc"), "abc");
    const struct { std::string text; bool found; int pos; } finds[] = {
        {"abc\",x", true, 4},     // the closing quote of a field
        {"ab\"\"c\",x", true, 6}, // a doubled quote is part of the field
        {"abc\"", true, 4},       // a quote at the end closes it
        {"abc", false, 0},
        {"a\"\"b", false, 0},
    };
    for (const auto& c : finds) {
        int pos = -7;
        EXPECT_EQ(FindSingleQuote('"', c.text, pos), c.found) << c.text;
        EXPECT_EQ(pos, c.pos) << c.text;
    }
    EXPECT_EQ(CountSingleQuotes('"', "\"a,b\""), 2);
    EXPECT_EQ(CountSingleQuotes('"', "\"a,b"), 1);  // field continues on the next line
}

TEST(ExtUtilNumbers, Classify) {
    const struct { const char* text; char decimal; int kind; } cases[] = {
        {"-12", '.', ntInteger},
        {"-", '.', ntInteger},
        {"", '.', ntNoNumber},
        {"1.234,5", ',', ntDecimal},
        {"1,2,3", ',', ntNoNumber},
        {"1.5", '.', ntDecimal},
        {"1,234,567.5", '.', ntDecimal},
        {"1,23,567", '.', ntNoNumber},  // thousand separators too close
        {"1e5", '.', ntExponent},
        {"-1e-5", '.', ntExponent},
        {"1.5E+3", '.', ntExponent},
        {"e5", '.', ntNoNumber},
        {"1e", '.', ntNoNumber},
        {"1e-", '.', ntNoNumber},
        {"--5", '.', ntNoNumber},
        {"1-2", '.', ntNoNumber},
        {"abc", '.', ntNoNumber},
        {"1.2.3", '.', ntNoNumber},
    };
    const char saved = base::DecimalSeparator();
    for (const auto& c : cases) {
        base::SetDecimalSeparator(c.decimal);
        EXPECT_EQ(ClassifyNumberText(c.text), c.kind) << c.text;
    }
    base::SetDecimalSeparator(saved);
}

TEST(ExtUtilNumbers, Normalize) {
    {
        DecimalComma comma;
        EXPECT_EQ(NormalizeNumberText("(1.234,50 EUR)"), "-1234.50");
        EXPECT_EQ(NormalizeLocaleNumber("1.234,5"), "1234.5");
    }
    EXPECT_EQ(NormalizeNumberText("$ -5"), "-5");
    EXPECT_EQ(NormalizeNumberText(""), "");
    EXPECT_EQ(NormalizeNumberText("1,234.5 kg"), "1234.5");
    EXPECT_EQ(NormalizeNumberText("x"), "");
    EXPECT_TRUE(IsNumericChar(U'7'));
    EXPECT_TRUE(IsNumericChar(U'\u00B2'));
    EXPECT_FALSE(IsNumericChar(U'a'));
}

TEST(ExtUtilDates, Parse) {
    const struct { const char* text; bool dmy; int y, m, d; } cases[] = {
        {"31.12.24", true, 2024, 12, 31},
        {"31.12.26", true, 1926, 12, 31},
        {"1/2/5", true, 2005, 2, 1},
        {"12/31/99", false, 1999, 12, 31},
        {"31-12-2020", true, 2020, 12, 31},  // four digits are taken as written
        {"31.12.1926", true, 1926, 12, 31},
        {"29.02.824", true, 824, 2, 29},
    };
    for (const auto& c : cases) {
        const auto v = c.dmy ? ParseDateDMY(c.text) : ParseDateMDY(c.text);
        EXPECT_EQ(v, base::EncodeDate(c.y, c.m, c.d)) << c.text;
    }
    for (const char* zero : {"31/12", "31/x/2", "", "abc", "1/2/"})
        EXPECT_EQ(ParseDateDMY(zero), 0.0) << zero;
    EXPECT_THROW(ParseDateDMY("31.02.2024"), base::EConvertError);
}

TEST(ExtUtilDates, StepAndSeparators) {
    const auto d = base::EncodeDate(2024, 1, 31);
    EXPECT_EQ(StepDate(0, 0, 3, d, 0), d + 3);
    EXPECT_EQ(StepDate(1, 0, 0, base::EncodeDate(2024, 3, 5), 0), base::EncodeDate(2025, 3, 5));
    EXPECT_EQ(StepDate(0, -1, 0, base::EncodeDate(2024, 1, 5), 0), base::EncodeDate(2023, 12, 5));
    EXPECT_EQ(StepDate(0, 1, 0, base::EncodeDate(2024, 12, 5), 0), base::EncodeDate(2025, 1, 5));
    EXPECT_EQ(StepDate(0, 14, 0, base::EncodeDate(2024, 12, 5), 0), base::EncodeDate(2026, 2, 5));
    EXPECT_EQ(StepDate(1, 1, 0, d, 2.5), d + 2.5);
    EXPECT_THROW(StepDate(0, 1, 0, d, 0), base::EConvertError);  // 31 February
    EXPECT_TRUE(HasTwoDateSeparators("1/2/3"));
    EXPECT_FALSE(HasTwoDateSeparators("/2/3"));
    EXPECT_FALSE(HasTwoDateSeparators("1/23"));
}

TEST(ExtUtilLinks, UrlsAndAnchors) {
    EXPECT_TRUE(IsUrlText("see http://x"));
    EXPECT_TRUE(IsUrlText("mailto:a@b"));
    EXPECT_FALSE(IsUrlText("www.x.com"));
    EXPECT_EQ(StripUrlProtocol("https://host/p"), "host/p");
    EXPECT_EQ(StripUrlProtocol("mailto:a@b"), "a@b");
    int col = -1, row = -1;
    EXPECT_TRUE(ParseRowColRef("r12c3", col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 12);
    for (const char* bad : {"R1C", "RC12", "R1x2", "X1C2", "R-1C2"})
        EXPECT_FALSE(ParseRowColRef(bad, col, row)) << bad;
    EXPECT_EQ(ColorToHtmlHex(0x00FF8000), "0080FF");
    EXPECT_EQ(ColorToHtmlHex(0xFF00000F), "0F0000");

    std::string out;
    EXPECT_TRUE(TextToHtmlLinks("go <now> http://a.b/c?d", "HTTP://", out));
    EXPECT_EQ(out, "go &lt;now&gt; <a href=\"http://a.b/c\">http://a.b/c</a>?d");
    EXPECT_FALSE(TextToHtmlLinks("no link", "HTTP://", out));
}

TEST(ExtUtilClipboard, HtmlOffsets) {
    for (const std::string fragment : {"", "<table><tr><td>1</td></tr></table>"}) {
        const std::string html = BuildClipboardHtml(fragment);
        const int n = int(fragment.size());
        EXPECT_NE(html.find(base::Format("StartHTML:%.8d\r\n", 97)), std::string::npos);
        EXPECT_NE(html.find(base::Format("StartFragment:%.8d\r\n", 274)), std::string::npos);
        EXPECT_NE(html.find(base::Format("EndFragment:%.8d\r\n", 274 + n)), std::string::npos);
        EXPECT_NE(html.find(base::Format("EndHTML:%.8d\r\n", 306 + n)), std::string::npos);
        // The offsets must point where the parts really are.
        EXPECT_EQ(html.substr(97, 9), "<!DOCTYPE");
        EXPECT_EQ(html.substr(274, size_t(n)), fragment);
        EXPECT_EQ(html.size(), size_t(306 + n));
    }
}

TEST(ExtUtilMixedCase, Names) {
    const struct { const char* in; const char* out; } cases[] = {
        {"john smith", "John Smith"},
        {"JOHN o'neil-jones", "John O'Neil-Jones"},
        {"mcdonald", "McDonald"},
        {"ronald mcdonald", "Ronald McDonald"},
        {"henry ii", "Henry II"},
        {"henry iii", "Henry III"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ToMixedCase(c.in), c.out) << c.in;
}

TEST(ExtUtilDelimited, OemCodePage) {
    // "Größe" in the OEM code page is 47 72 94 E1 65; carried as the
    // Windows-1252 characters of those bytes: G r " á e.
    const std::string oem = StringToOem("Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(oem, "Gr\xE2\x80\x9D\xC3\xA1" "e");
    EXPECT_EQ(OemToString(oem), "Gr\xC3\xB6\xC3\x9F" "e");
    EXPECT_EQ(StringToOem("plain"), "plain");
    EXPECT_EQ(StringToOem("\xE2\x82\xAC"), "?");  // the euro sign has no OEM byte
}
