#include "controls/HtmlText.h"

#include <gtest/gtest.h>

namespace {

using namespace ctl;

TEST(HtmlText, EscapeAndUnescape) {
    const struct {
        const char* in;
        bool accents;
        const char* escaped;
    } cases[] = {
        {"a&b", false, "a&amp;b"},
        {"x*amp;y", false, "x&amp;y"},  // the marker of the two-step escape
        {"\"<b>\"", false, "&quot;&lt;b&gt;&quot;"},
        {"café", false, "café"},
        {"café", true, "caf&eacute;"},
        {"ã", true, "ã"},
        {"€ 5 «x»", true, "&euro; 5 &laquo;x&raquo;"},
    };
    for (const auto& c : cases) EXPECT_EQ(HtmlEscape(c.in, c.accents), c.escaped) << c.in;
}

TEST(HtmlText, EscapeRoundTripsEveryTableCharacter) {
    const std::string all =
        "éèëêóòöôíìïîúùüûáàäâÉÈËÊÓÒÖÔÍÌÏÎÚÙÜÛÁÀÄÂçÇøØåÅ©®€«» & \" < > ã";
    EXPECT_EQ(HtmlUnescape(HtmlEscape(all, true), true), all);
    // An entity typed as text survives the trip instead of being decoded
    // twice on the way back.
    for (const char* text : {"&amp;", "&lt;b&gt;", "a&amp;amp;b", "&quot;", "&eacute;", "&QUOT;x&Euro;"})
        EXPECT_EQ(HtmlUnescape(HtmlEscape(text, true), true), text) << text;
}

TEST(HtmlText, UnescapeAccentCases) {
    // The small-letter name is handled first and matches in any ASCII case.
    EXPECT_EQ(HtmlUnescape("&Eacute;&eacute;", true), "éé");
    EXPECT_EQ(HtmlUnescape("&Eacute;", true), "É");
    EXPECT_EQ(HtmlUnescape("&eacute;", false), "&eacute;");
    EXPECT_EQ(HtmlUnescape("&amp;lt;", false), "&lt;");
}

TEST(HtmlText, PlainAndVisibleText) {
    const struct {
        const char* in;
        const char* plain;
        const char* visible;
    } cases[] = {
        {"a<br>b<HR>c", "a\r\nb\r\nc", "abc"},
        {"<b>bold</b> <i>it</i>", "bold it", "bold it"},
        {"a>b<i>c", "a>bc", "a>b<i>c"},
        {"ab<cd", "ab<cd", "ab<cd"},
        {"x<b>y<z", "xy<z", "xy<z"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HtmlToPlainText(c.in), c.plain) << c.in;
        EXPECT_EQ(HtmlVisibleText(c.in), c.visible) << c.in;
    }
}

TEST(HtmlText, VisibleToTextPos) {
    const struct {
        const char* text;
        int n;
        int pos;
    } cases[] = {
        {"abc", 1, 1}, {"abc", 3, 3}, {"abc", 4, 4}, {"abc", 5, 0},
        {"<b>abc", 1, 1},   // a tag before the first character
        {"a<b>bc", 2, 2},   // lands before the tag
        {"a<b>bc", 3, 6}, {"a<b>", 2, 2}, {"", 1, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(VisibleToTextPos(c.text, c.n), c.pos) << c.text << " " << c.n;
}

TEST(HtmlText, HighlightInsertAndRemove) {
    const struct {
        const char* text;
        const char* search;
        bool caseSensitive;
        const char* highlighted;
    } cases[] = {
        {"abab", "ab", true, "<HI>ab</HI><HI>ab</HI>"},
        {"ababX", "ab", true, "<HI>ab</HI><HI>ab</HI>X"},
        {"xAbx", "ab", false, "x<HI>Ab</HI>x"},
        {"xAbx", "ab", true, "xAbx"},
        {"<b>one</b> two", "two", true, "<b>one</b> <HI>two</HI>"},
        {"a<i>bc</i>d", "bcd", true, "a<HI><i>bc</i>d</HI>"},
        {"aaa", "aa", true, "<HI>aa</HI>a"},
        {"abc", "", true, "abc"},
    };
    for (const auto& c : cases) {
        const std::string h = InsertHighlightTags(c.text, c.search, "HI", c.caseSensitive);
        EXPECT_EQ(h, c.highlighted) << c.text;
        EXPECT_EQ(HtmlVisibleText(h), HtmlVisibleText(c.text)) << c.text;
        EXPECT_EQ(RemoveHighlightTags(h, "hi"), c.text) << c.text;
    }
}

TEST(HtmlText, HighlightInTextWithStrayBrackets) {
    // Visible brackets are escaped so the inserted tags stay tags.
    const std::string h = InsertHighlightTags("a > b", "b", "HI", true);
    EXPECT_EQ(h, "a &gt; <HI>b</HI>");
    EXPECT_EQ(RemoveHighlightTags(h, "HI"), "a > b");
}

TEST(HtmlText, ControlTags) {
    const std::string text =
        "<CONTROL TYPE=\"button\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\" HEIGHT=\"30\">"
        "<control type=\"edit\" id=\"e1\" value=\"a&amp;b\" width=\"50\" maxlen=\"12x\" prop=\"p&quot;\">"
        "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\" WIDTH=\"16\">"
        "<CONTROL TYPE=\"COMBO\" ID=\"k1\" VALUE=\"x\" WIDTH=\"60\">"
        "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">";
    EXPECT_TRUE(HasHtmlControls(text));
    EXPECT_FALSE(HasHtmlControls("<b>x</b>"));
    std::string v;
    ASSERT_TRUE(GetHtmlControlValue(text, "e1", v));
    EXPECT_EQ(v, "a&b");
    EXPECT_FALSE(GetHtmlControlValue(text, "E1", v));  // IDs compare exactly
    EXPECT_EQ(GetHtmlControlProp(text, "e1"), "p\"");
    EXPECT_EQ(GetHtmlControlProp(text, "nope"), "");
    EXPECT_EQ(GetHtmlControlMaxLen(text, "e1"), 12);
    EXPECT_EQ(GetHtmlControlMaxLen(text, "b1"), 0);

    const THtmlControlTag t = ParseControlTag("CONTROL TYPE=\"button\" ID=\"b1\" WIDTH=\"40\" HEIGHT=\"30\">");
    EXPECT_EQ(t.type, "BUTTON");
    EXPECT_EQ(t.width, "40");
    EXPECT_EQ(t.height, "30");

    EXPECT_EQ(NextEditControlId(text, ""), "e1");
    EXPECT_EQ(NextEditControlId(text, "e1"), "k1");
    EXPECT_EQ(NextEditControlId(text, "k1"), "");

    const std::string cleared = ClearRadioControls(text);
    ASSERT_TRUE(GetHtmlControlValue(cleared, "r1", v));
    EXPECT_EQ(v, "FALSE");
    ASSERT_TRUE(GetHtmlControlValue(cleared, "c1", v));
    EXPECT_EQ(v, "TRUE");
}

TEST(HtmlText, SetControlValueRewritesTheTag) {
    std::string text = "a<CONTROL TYPE=\"edit\" ID=\"e1\" VALUE=\"x\" WIDTH=\"50\" HEIGHT=\"30\" "
                       "PROP=\"p\" MAXLEN=\"8\">b";
    ASSERT_TRUE(SetHtmlControlValue(text, "e1", "say \"hi\" <now>"));
    EXPECT_EQ(text, "a<CONTROL ID=\"e1\" VALUE=\"say &quot;hi&quot; &lt;now&gt;\" WIDTH=\"50\" "
                    "TYPE=\"EDIT\" PROP=\"p\" MAXLEN=\"8\">b");
    std::string v;
    ASSERT_TRUE(GetHtmlControlValue(text, "e1", v));
    EXPECT_EQ(v, "say \"hi\" <now>");

    const std::string before = text;
    EXPECT_FALSE(SetHtmlControlValue(text, "zz", "1"));
    EXPECT_EQ(text, before);
}

TEST(HtmlText, ControlAttributesAreReadAsPairs) {
    // Texts inside a value never count as attributes, whichever comes first.
    const struct {
        const char* value;
    } cases[] = {{"TYPE=x"}, {"ID=\"b\" TYPE=\"RADIO\""}, {"WIDTH=9 HEIGHT=9"}, {" MAXLEN=1"}};
    for (const auto& c : cases) {
        std::string text = "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"\" WIDTH=\"40\">";
        ASSERT_TRUE(SetHtmlControlValue(text, "e1", c.value)) << c.value;
        const THtmlControlTag t = ParseControlTag(text.substr(1));
        EXPECT_EQ(t.type, "EDIT") << c.value;
        EXPECT_EQ(t.id, "e1") << c.value;
        EXPECT_EQ(t.width, "40") << c.value;
        EXPECT_EQ(t.maxLen, "") << c.value;
        EXPECT_EQ(t.value, c.value);
    }
    // Unquoted values, blanks around "=" and repeated names.
    const THtmlControlTag t = ParseControlTag("CONTROL type=check ID = \"k\" ID=\"z\" MAXLEN=5>");
    EXPECT_EQ(t.type, "CHECK");
    EXPECT_EQ(t.id, "k");
    EXPECT_EQ(t.maxLen, "5");
}

TEST(HtmlText, HighlightOfAMatchTheTagWalkCannotPlace) {
    // HtmlVisibleText keeps "a>b<i>C" whole, the tag walk sees "a>b" and
    // "C": the match at the fifth visible character has no place in the text.
    std::string marked;
    ASSERT_NO_THROW(marked = InsertHighlightTags("a>b<i>C", "c", "hi", false));
    EXPECT_EQ(RemoveHighlightTags(marked, "hi"), "a>b<i>C");
}

TEST(HtmlText, SmallHelpers) {
    EXPECT_EQ(PasswordMask("pé1"), "***");
    EXPECT_EQ(SpacesToNbsp("a b"), "a&nbsp;b");
    EXPECT_EQ(PosNoCase("cD", "abCd"), 3);
    EXPECT_EQ(PosNoCase("x", "abc"), 0);
    int p = -1;
    EXPECT_EQ(PosUpperStore("BC", "abc", p), 2);
    EXPECT_EQ(p, 2);
    EXPECT_EQ(PosStore("bc", "abc", p), 2);
    std::string s = "xAbab";
    EXPECT_TRUE(ReplaceFirstNoCase("ab", "-", s));
    EXPECT_EQ(s, "x-ab");
    EXPECT_EQ(UnwrapHashMarkers("a<#12>b<#x"), "a#12b#x");
    EXPECT_EQ(LineBreaksToBr("a\r\nb", true), "a<BR>b");
    EXPECT_EQ(LineBreaksToBr("a\r\nb", false), "ab");

    const struct {
        const char* text;
        int value;
    } ints[] = {{"12", 12}, {"-12", -12}, {"12px", 12}, {"-12px", 12}, {"x", 0}, {"", 0}, {"$10", 16}};
    for (const auto& c : ints) EXPECT_EQ(IntOfText(c.text), c.value) << c.text;

    EXPECT_EQ(FindTextFrom("b", "abab", 0, p, true), 2);
    EXPECT_EQ(FindTextFrom("b", "abab", 2, p, true), 4);
    EXPECT_EQ(FindTextFrom("B", "abab", 0, p, true), 0);
    EXPECT_EQ(p, 0);
    EXPECT_EQ(FindTextFrom("É", "café", 0, p, false), 4);
}

TEST(HtmlText, ReplaceAllNoCaseNeedsAnExactOccurrence) {
    std::string s = "AB ab";
    ReplaceAllNoCase("ab", "x", s);
    EXPECT_EQ(s, "x x");
    s = "AB AB";
    ReplaceAllNoCase("ab", "x", s);
    EXPECT_EQ(s, "AB AB");
}

}  // namespace
