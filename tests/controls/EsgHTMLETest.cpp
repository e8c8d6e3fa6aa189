#include "controls/EsgHTMLE.h"

#include <filesystem>
#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "controls/PictureContainer.h"
#include "platform/Bitmap.h"

namespace {

using namespace ctl;
using plat::TColor;

// A white surface with a fixed font, so expected sizes can be taken from
// the same canvas the renderer measures with.
struct Surface {
    plat::TBitmap bmp;
    explicit Surface(int w = 300, int h = 120) : bmp(w, h) {
        c().Font().SetName("DejaVu Sans");
        c().Font().SetSize(10);
        c().Font().SetColor(plat::clBlack);
    }
    plat::TCanvas& c() { return bmp.Canvas(); }
    int gh() { return c().TextHeight("gh"); }
    int width(const std::string& s) { return c().TextWidth(s); }
    int count(const std::function<bool(int r, int g, int b)>& pred, plat::TRect area = {0, 0, 10000, 10000}) {
        int n = 0;
        for (int y = std::max(0, area.Top); y < std::min(bmp.Height(), area.Bottom); ++y)
            for (int x = std::max(0, area.Left); x < std::min(bmp.Width(), area.Right); ++x) {
                const TColor p = bmp.Pixel(x, y);
                n += pred(plat::GetRValue(p), plat::GetGValue(p), plat::GetBValue(p));
            }
        return n;
    }
};

bool Reddish(int r, int g, int b) { return r > 150 && g < 90 && b < 90; }
bool Bluish(int r, int g, int b) { return b > 150 && r < 90 && g < 90; }
bool Dark(int r, int g, int b) { return r < 80 && g < 80 && b < 80; }

THtmlRenderResult Measure(Surface& s, const std::string& text, plat::TRect rect, bool wrap = false) {
    THtmlRenderArgs a;
    a.MeasureOnly = true;
    a.WordWrap = wrap;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), text, rect, a, r);
    return r;
}

// Hit-tests the point (x, y) of text drawn in a 300 x 40 box.
bool HitAt(Surface& s, const std::string& text, int x, int y, THtmlRenderResult& r) {
    THtmlRenderArgs a;
    a.CheckOnly = true;
    a.X = x;
    a.Y = y;
    return RenderHtmlText(s.c(), text, {0, 0, 300, 40}, a, r);
}

TEST(HtmlRender, ColourNames) {
    const struct {
        const char* text;
        TColor value;
    } cases[] = {
        {"clRed", 0x0000FF}, {"CLRED", 0x0000FF}, {"clnavy", 0x800000}, {"clBtnFace", 0xFF00000F},
        {"clInfoBk", 0xFF000018}, {"clOrange", 0}, {"", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(HtmlColorToColor(c.text), c.value) << c.text;
    EXPECT_EQ(HexColorToColor("#FF8000"), 0x0080FFu);
    EXPECT_EQ(HexColorToColor("#0000FF"), 0xFF0000u);
    EXPECT_EQ(HexColorToColor("#F"), 0u);
}

TEST(HtmlRender, MeasuresTextAndLines) {
    Surface s;
    const int gh = s.gh();
    const plat::TRect wide{0, 0, 300, 20};
    const struct {
        const char* text;
        int xsize;  // -1: not checked
        int lines;
        const char* strip;
    } cases[] = {
        {"", 0, 1, ""},
        {"abc", s.width("abc"), 1, "abc"},
        {"a<BR>bcd", s.width("bcd"), 2, "a\rbcd"},
        {"a\r\nbcd", s.width("bcd"), 2, "a\rbcd"},
        {"a\nbcd", s.width("abcd"), 1, "abcd"},
        {"a&amp;b", s.width("a&b"), 1, "a&&b"},
        {"<#12>x", s.width("#12x"), 1, "#12x"},
        {"ab<cd", s.width("ab"), 1, "ab"},
        {"ab<i", s.width("ab"), 1, "ab"},
        {"<Z>hidden</Z>x", s.width("x"), 1, "hiddenx"},
        {"a&nbsp;b &lt;c&gt;", s.width("a b <c>"), 1, "a b <c>"},
        {"&PERMIL;", s.width("‰"), 1, "‰"},
        {"&eacute;", -1, 1, "&eacute;"},
        {"<UL><LI>a<LI>b</UL>", -1, 3, "ab"},
        {"<HR>x", -1, 2, "x"},
        {"<P>a</P>b", -1, 2, "ab"},
        {"<UNKNOWN>a<XYZ>", s.width("a"), 1, "a"},
    };
    for (const auto& c : cases) {
        const THtmlRenderResult r = Measure(s, c.text, wide);
        if (c.xsize >= 0) {
            EXPECT_EQ(r.XSize, c.xsize) << c.text;
        }
        EXPECT_EQ(r.YSize, c.lines * gh) << c.text;
        EXPECT_EQ(r.StripVal, c.strip) << c.text;
    }
}

TEST(HtmlRender, FontSizesAndStyles) {
    Surface s;
    auto metricsAt = [&](int points, bool height) {
        plat::TFont f = s.c().Font();
        f.SetSize(points);
        plat::TBitmap b(10, 10);
        b.Canvas().SetFont(f);
        return height ? b.Canvas().TextHeight("gh") : b.Canvas().TextWidth("WWWW");
    };
    auto heightAt = [&](int points) { return metricsAt(points, true); };
    const plat::TRect wide{0, 0, 300, 100};
    EXPECT_EQ(Measure(s, "<FONT SIZE=\"3\">x</FONT>", wide).YSize, heightAt(12));
    EXPECT_EQ(Measure(s, "<FONT SIZE=\"9\">WWWW</FONT>", wide).XSize, metricsAt(9, false));
    // A smaller font does not make the line lower than the font it started with.
    EXPECT_EQ(Measure(s, "<FONT SIZE=\"1\">x</FONT>", wide).YSize, s.gh());
    EXPECT_EQ(Measure(s, "<FONT SIZE=\"5\">x</FONT>", wide).YSize, heightAt(16));
    // Closing tags return to the base font, and the canvas font comes back.
    EXPECT_EQ(Measure(s, "<FONT SIZE=\"5\">x</FONT><BR>y", wide).YSize, heightAt(16) + s.gh());
    EXPECT_EQ(s.c().Font().Size(), 10);

    plat::TFont bold = s.c().Font();
    bold.SetStyle({plat::fsBold});
    plat::TBitmap b(10, 10);
    b.Canvas().SetFont(bold);
    EXPECT_EQ(Measure(s, "<B>WWW</B>", wide).XSize, b.Canvas().TextWidth("WWW"));
}

TEST(HtmlRender, WordWrap) {
    Surface s;
    const int gh = s.gh();
    const int w = s.width("aaa bbb");
    // Room for "aaa " but not for "aaa bbb": the second word starts a line.
    THtmlRenderResult r = Measure(s, "aaa bbb", {0, 0, 1 + w - 2, 100}, true);
    EXPECT_EQ(r.YSize, 2 * gh);
    EXPECT_EQ(r.StripVal, "aaa bbb");  // each wrapped word once
    EXPECT_EQ(r.XSize, s.width("bbb"));
    // A word wider than the whole rectangle stays where it begins.
    r = Measure(s, "wwwwwwwwww", {0, 0, 20, 100}, true);
    EXPECT_EQ(r.YSize, gh);
    EXPECT_EQ(r.XSize, s.width("wwwwwwwwww"));
    // Pieces that join without a blank are never split.
    r = Measure(s, "aaa<B>bbb</B>", {0, 0, 1 + s.width("aaa") + 2, 100}, true);
    EXPECT_EQ(r.YSize, gh);
}

TEST(HtmlRender, NoWrapEndsInAnEllipsis) {
    Surface s;
    const THtmlRenderResult r =
        Measure(s, "<B>aaa</B><I>bbb</I><U>ccc</U>", {0, 0, 1 + s.width("aaab"), 100});
    EXPECT_EQ(r.YSize, s.gh());
    EXPECT_EQ(r.StripVal, "aaabbb");
}

TEST(HtmlRender, DrawingStopsAtTheRectangleBottom) {
    Surface s;
    const int gh = s.gh();
    const std::string text = "1<BR>2<BR>3<BR>4";
    EXPECT_EQ(Measure(s, text, {0, 0, 100, gh + 2}).YSize, 4 * gh);
    THtmlRenderArgs a;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), text, {0, 0, 100, 2 * gh}, a, r);
    EXPECT_EQ(r.YSize, 2 * gh);  // second line fits exactly, the third not
    RenderHtmlText(s.c(), text, {0, 0, 100, 1}, a, r);
    EXPECT_EQ(r.YSize, gh);  // the first line is always drawn
}

TEST(HtmlRender, AnchorHitTests) {
    Surface s;
    const int gh = s.gh();
    const std::string text = "ab<A HREF=\"Page.htm\" TITLE=\"Tip\">link</A>cd<A>x</A><A HREF=\"two\">y</A>";
    const int linkLeft = 1 + s.width("ab");
    const int linkRight = linkLeft + s.width("link");
    const struct {
        int x;
        bool hit;
        const char* anchor;
        int mouseLink;
    } cases[] = {
        {linkLeft + 3, true, "Page.htm", 1},
        {linkRight - 2, true, "Page.htm", 1},
        {1 + s.width("a"), false, "", -1},
        {linkRight + s.width("cd") + 2, false, "", -1},  // anchor without HREF
        {linkRight + s.width("cdx") + 2, true, "two", 3},
    };
    for (const auto& c : cases) {
        THtmlRenderResult r;
        EXPECT_EQ(HitAt(s, text, c.x, gh / 2, r), c.hit) << c.x;
        EXPECT_EQ(r.AnchorVal, c.anchor) << c.x;
        EXPECT_EQ(r.MouseLink, c.mouseLink) << c.x;
        EXPECT_EQ(r.HyperLinks, 3);
        if (c.mouseLink == 1) {
            EXPECT_EQ(r.AnchorHint, "Tip");
            EXPECT_EQ(r.HoverRect, plat::Rect(linkLeft, 0, linkRight, gh));
        }
    }
}

TEST(HtmlRender, AnchorsOfAlignedParagraphs) {
    Surface s;
    const int gh = s.gh();
    const std::string text = "<P ALIGN=\"RIGHT\"><A HREF=\"x\">link</A>";
    const int w = s.width("link");
    const struct {
        int x;
        bool hit;
    } cases[] = {
        {300 - w / 2, true},
        {1 + w / 2, false},  // where the text would stand unaligned
    };
    for (const auto& c : cases) {
        THtmlRenderResult r;
        EXPECT_EQ(HitAt(s, text, c.x, gh / 2, r), c.hit) << c.x;
        EXPECT_EQ(r.MouseLink, c.hit ? 1 : -1) << c.x;
        EXPECT_EQ(r.AnchorVal, c.hit ? "x" : "") << c.x;
        if (c.hit) {
            EXPECT_EQ(r.HoverRect, plat::Rect(300 - w, 0, 300, gh));
        }
    }
}

TEST(HtmlRender, InlineControls) {
    Surface s;
    const int gh = s.gh();
    const std::string text = "ab<CONTROL TYPE=\"check\" ID=\"c1\" VALUE=\"true\" WIDTH=\"16\">"
                             "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"v\" WIDTH=\"50\">";
    const int left = 1 + s.width("ab");
    // Located by ID wherever the point is.
    THtmlRenderArgs a;
    a.CheckOnly = true;
    a.ControlID = "e1";
    THtmlRenderResult r;
    EXPECT_TRUE(RenderHtmlText(s.c(), text, {0, 0, 300, 60}, a, r));
    EXPECT_EQ(r.ControlRect, plat::Rect(left + 16, 0, left + 66, gh + 10));
    EXPECT_EQ(r.ControlType, "EDIT");
    EXPECT_EQ(r.ControlValue, "v");
    EXPECT_EQ(r.AnchorVal, "ctrl");
    // Under the point.
    a.ControlID.clear();
    a.X = left + 8;
    a.Y = 8;
    r = {};
    EXPECT_TRUE(RenderHtmlText(s.c(), text, {0, 0, 300, 60}, a, r));
    EXPECT_EQ(r.ControlID, "c1");
    EXPECT_EQ(r.ControlRect, plat::Rect(left, 0, left + 16, 16));
    // A control without WIDTH is ignored.
    EXPECT_EQ(Measure(s, "<CONTROL TYPE=\"EDIT\" ID=\"x\">", {0, 0, 300, 60}).XSize, 0);
    // A push button 40 high makes the line 38 high.
    EXPECT_EQ(Measure(s, "<CONTROL TYPE=\"BUTTON\" WIDTH=\"60\" HEIGHT=\"40\">", {0, 0, 300, 60}).YSize, 38);
    // A box that does not fit moves, with its tag, to the next line.
    EXPECT_EQ(Measure(s, "<CONTROL TYPE=\"EDIT\" WIDTH=\"60\"><CONTROL TYPE=\"EDIT\" WIDTH=\"60\">",
                      {0, 0, 100, 60}).YSize,
              2 * (gh + 10));
}

TEST(HtmlRender, CheckBoxValueDecidesTheMark) {
    auto dark = [](const std::string& value) {
        Surface s(60, 30);
        THtmlRenderArgs a;
        THtmlRenderResult r;
        RenderHtmlText(s.c(), "<CONTROL TYPE=\"CHECK\" VALUE=\"" + value + "\" WIDTH=\"16\">", {0, 0, 60, 30},
                       a, r);
        return s.count(Dark, {4, 4, 14, 14});
    };
    EXPECT_GT(dark("true"), dark("1"));
    EXPECT_EQ(dark("1"), dark("FALSE"));
}

TEST(HtmlRender, FontColours) {
    const struct {
        const char* text;
        bool red;
        bool black;
    } cases[] = {
        {"<FONT COLOR=\"#ff0000\">MMMM</FONT>", true, false},
        {"<FONT COLOR=\"#FF0000\">MMMM</FONT>", true, false},
        {"<FONT COLOR=\"#0000FF\">MMMM</FONT>", false, false},
        {"<FONT COLOR=\"clRed\">MMMM</FONT>", true, false},
        {"<FONT COLOR=\"CLRED\">MMMM</FONT>", true, false},
        {"<FONT COLOR=\"clNoSuch\">MMMM</FONT>", false, true},
        {"<FONT COLOR=\"\">MMMM</FONT>", false, false},  // the canvas's blue stays
    };
    for (const auto& c : cases) {
        Surface s;
        s.c().Font().SetColor(plat::clBlue);
        THtmlRenderArgs a;
        THtmlRenderResult r;
        RenderHtmlText(s.c(), c.text, {0, 0, 300, 40}, a, r);
        EXPECT_EQ(s.count(Reddish) > 0, c.red) << c.text;
        EXPECT_EQ(s.count(Dark) > 0, c.black) << c.text;
    }
}

TEST(HtmlRender, AnchorColours) {
    for (bool keep : {false, true}) {
        Surface s;
        THtmlRenderArgs a;
        a.KeepColors = keep;
        a.URLColor = plat::clBlue;
        THtmlRenderResult r;
        RenderHtmlText(s.c(), "<A HREF=\"x\">MMMM</A>", {0, 0, 300, 40}, a, r);
        EXPECT_EQ(s.count(Bluish) > 0, !keep);
        EXPECT_EQ(s.count(Dark) > 0, keep);
    }
}

TEST(HtmlRender, FocusRectangleAndFocusAnchor) {
    for (int focus : {-1, 0}) {
        Surface s;
        THtmlRenderArgs a;
        a.FocusLink = focus;
        THtmlRenderResult r;
        RenderHtmlText(s.c(), "ab <A HREF=\"one\">link</A>", {0, 0, 300, 40}, a, r);
        EXPECT_EQ(r.FocusAnchor, focus == 0 ? "one" : "");
        // The dotted frame's left edge lies one pixel left of the anchor.
        const int x = 1 + s.width("ab ") - 1;
        EXPECT_EQ(s.count(Dark, {x, 0, x + 1, 40}) > 0, focus == 0);
    }
}

TEST(HtmlRender, HighlightAndErrorUnderline) {
    Surface s;
    SetHtmlHighlightColors(plat::clRed, plat::clWhite);
    THtmlRenderArgs a;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), "<HI>MM</HI>", {0, 0, 300, 40}, a, r);
    EXPECT_GT(s.count(Reddish), 20);
    SetHtmlHighlightColors(0xFF00000D, 0xFF00000E);

    Surface e;
    RenderHtmlText(e.c(), "<E>MMMM</E>", {0, 0, 300, 40}, a, r);
    const int bottom = e.gh();
    // The wave runs along the text bottom, within one pixel of it.
    EXPECT_GT(e.count(Reddish, {0, bottom - 1, 300, bottom + 2}), 4);
    EXPECT_EQ(e.count(Reddish, {0, 0, 300, bottom - 1}), 0);
}

TEST(HtmlRender, PicturesFromTheContainer) {
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->Name = "dot";
    {
        plat::TBitmap red(10, 8);
        red.Canvas().Brush().SetColor(plat::clRed);
        red.Canvas().FillRect({0, 0, 10, 8});
        std::ostringstream out;
        red.SaveToStream(out);
        item->Picture().LoadFromBytes(out.str());
    }
    Surface s;
    THtmlRenderArgs a;
    a.PictureContainer = &container;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), "<IMG SRC=\"dot\">", {0, 0, 300, 40}, a, r);
    EXPECT_EQ(s.count(Reddish), 80);
    EXPECT_EQ(r.XSize, 10);
    // Only WIDTH keeps the aspect ratio.
    a.MeasureOnly = true;
    RenderHtmlText(s.c(), "<IMG SRC=\"DOT\" WIDTH=\"20\">", {0, 0, 300, 40}, a, r);
    EXPECT_EQ(r.XSize, 20);
    EXPECT_EQ(r.YSize, 16);
    RenderHtmlText(s.c(), "<IMG SRC=\"dot\" HEIGHT=\"4\">", {0, 0, 300, 40}, a, r);
    EXPECT_EQ(r.XSize, 5);
    // An unknown picture takes no room.
    RenderHtmlText(s.c(), "<IMG SRC=\"none\">", {0, 0, 300, 40}, a, r);
    EXPECT_EQ(r.XSize, 0);
    a.MeasureOnly = false;

    // A picture inside an anchor is a hit and reports the anchor.
    a.CheckOnly = true;
    a.X = 5;
    a.Y = 4;
    r = {};
    EXPECT_TRUE(RenderHtmlText(s.c(), "<A HREF=\"pic\"><IMG SRC=\"dot\"></A>", {0, 0, 300, 40}, a, r));
    EXPECT_EQ(r.AnchorVal, "pic");
}

}  // namespace

namespace {

plat::TBitmap Solid(int w, int h, TColor c) {
    plat::TBitmap b(w, h);
    b.Canvas().Brush().SetColor(c);
    b.Canvas().FillRect({0, 0, w, h});
    return b;
}

std::string BmpOf(const plat::TBitmap& b) {
    std::ostringstream out;
    b.SaveToStream(out);
    return out.str();
}

class OneImage : public IHtmlImageList {
public:
    int Count() const override { return 1; }
    int Width() const override { return 8; }
    int Height() const override { return 6; }
    void Draw(plat::TCanvas& c, int x, int y, int) const override { c.Draw(x, y, bmp); }
    void GetBitmap(int, plat::TBitmap& out) const override { out = bmp; }
    plat::TBitmap bmp = Solid(8, 6, plat::clRed);
};

TEST(HtmlRender, TabStopsScriptsAndParagraphs) {
    Surface s;
    const int gh = s.gh();
    const plat::TRect wide{0, 0, 300, 100};
    EXPECT_EQ(Measure(s, "a<IND x=\"50\">b", wide).XSize, 50 + s.width("b"));
    EXPECT_EQ(Measure(s, "a<IND x=\"1\">b", wide).XSize, s.width("ab"));  // never moves back
    EXPECT_EQ(Measure(s, "x<SUB>2</SUB>", wide).YSize, gh + gh / 4);
    EXPECT_EQ(Measure(s, "x<SUP>2</SUP>", wide).YSize, gh + gh / 4);
    EXPECT_EQ(Measure(s, "x<SUP>2</SUP><BR>y", wide).YSize, gh + gh / 4 + gh);

    const struct {
        const char* para;
        int left;
    } cases[] = {
        {"<P INDENT=\"20\">", 1 + 20},
        {"<P ALIGN=\"RIGHT\">", 300 - 30},
        {"<P ALIGN=\"CENTER\">", 1 + (299 - 30) / 2},
        {"<P ALIGN=\"RIGHT LEFT\">", 1},
    };
    for (const auto& c : cases) {
        THtmlRenderArgs a;
        a.CheckOnly = true;
        a.ControlID = "e";
        THtmlRenderResult r;
        RenderHtmlText(s.c(), std::string(c.para) + "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"30\">", wide, a, r);
        EXPECT_EQ(r.ControlRect.Left, c.left) << c.para;
    }
}

TEST(HtmlRender, BackgroundsAndBlink) {
    Surface s;
    THtmlRenderArgs a;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), "<BODY BGCOLOR=\"clRed\">x", {10, 10, 100, 50}, a, r);
    EXPECT_EQ(s.bmp.Pixel(10, 10), plat::clRed);
    EXPECT_EQ(s.bmp.Pixel(99, 49), plat::clRed);
    EXPECT_EQ(s.bmp.Pixel(100, 50), plat::clWhite);

    for (bool on : {true, false}) {
        Surface b;
        b.c().Brush().SetColor(plat::clWhite);
        a.BlinkOn = on;
        RenderHtmlText(b.c(), "<BLINK>MMMM</BLINK>", {0, 0, 300, 40}, a, r);
        EXPECT_EQ(b.count(Dark) > 0, on);
    }
    a.BlinkOn = true;

    Surface h;
    a.HoverColor = plat::clRed;
    RenderHtmlText(h.c(), "<A HREF=\"x\">MMMM</A> after", {0, 0, 300, 40}, a, r);
    EXPECT_GT(h.count(Reddish), 50);
    EXPECT_EQ(h.c().Brush().Color(), plat::clWhite);  // the canvas comes back as it was
}

TEST(HtmlRender, PicturesFromImagesAndAddresses) {
    Surface s;
    OneImage images;
    THtmlRenderArgs a;
    a.Images = &images;
    THtmlRenderResult r;
    RenderHtmlText(s.c(), "<IMG SRC=\"IDX:0\"><IMG SRC=\"IDX:5\">", {0, 0, 300, 40}, a, r);
    EXPECT_EQ(s.count(Reddish), 48);
    EXPECT_EQ(r.XSize, 8);

    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/Blue.bmp";
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    ASSERT_TRUE(Solid(6, 4, plat::clBlue).SaveToFile(path));
    THTMLPictureCache cache;
    a.PictureCache = &cache;
    const std::string text = "<IMG SRC=\"file://" + path + "\"><IMG SRC=\"http://nowhere.invalid/x.png\">";
    Surface t;
    RenderHtmlText(t.c(), text, {0, 0, 300, 40}, a, r);
    RenderHtmlText(t.c(), text, {0, 0, 300, 40}, a, r);
    EXPECT_EQ(t.count(Bluish), 24);
    ASSERT_EQ(cache.Count(), 2);  // one entry per address, kept between calls
    EXPECT_EQ(cache.GetPicture(0)->ID(), "file://" + path);
    EXPECT_TRUE(cache.GetPicture(1)->Empty());
}

TEST(HtmlRender, AltPictureWhileThePointIsOverIt) {
    TPictureContainer container(nullptr);
    TPictureItem* red = container.Items().Add();
    red->Name = "red";
    red->Picture().LoadFromBytes(BmpOf(Solid(10, 10, plat::clRed)));
    TPictureItem* blue = container.Items().Add();
    blue->Name = "blue";
    blue->Picture().LoadFromBytes(BmpOf(Solid(10, 10, plat::clBlue)));
    const std::string text = "<A HREF=\"x\"><IMG SRC=\"red\" ALT=\"blue\"></A>";
    for (bool over : {false, true}) {
        Surface s;
        THtmlRenderArgs a;
        a.PictureContainer = &container;
        a.X = over ? 5 : 200;
        a.Y = over ? 5 : 30;
        THtmlRenderResult r;
        RenderHtmlText(s.c(), text, {0, 0, 300, 40}, a, r);
        EXPECT_EQ(s.count(Bluish) > 0, over);
        EXPECT_EQ(s.count(Reddish) > 0, !over);
    }
}

}  // namespace

namespace {

TEST(HtmlRender, HugeNumbersInTagsAreHeldToARange) {
    // Cell texts can come from files and device names; the layout adds and
    // scales these numbers, which overflowed int before.
    TPictureContainer container(nullptr);
    TPictureItem* item = container.Items().Add();
    item->Name = "dot";
    {
        plat::TBitmap red(10, 8);
        std::ostringstream out;
        red.SaveToStream(out);
        item->Picture().LoadFromBytes(out.str());
    }
    const std::string big = "2147483647";
    const std::string texts[] = {
        "<IND X=\"" + big + "\">a<IND X=\"" + big + "\">b",
        "<P INDENT=\"" + big + "\">a</P><P ALIGN=\"RIGHT\" INDENT=\"" + big + "\">b</P>",
        "<R A=\"" + big + "\">a</R>",
        "<R A=\"-" + big + "\">a</R>",
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"" + big + "\" HEIGHT=\"" + big + "\">x",
        "<IMG SRC=\"dot\" WIDTH=\"" + big + "\" HEIGHT=\"" + big + "\">x<IMG SRC=\"dot\" WIDTH=\"" + big + "\">",
        "<IMG SRC=\"dot\" HEIGHT=\"" + big + "\">",
        "<FONT SIZE=\"" + big + "\">a</FONT>",
    };
    for (const std::string& text : texts) {
        for (bool measure : {false, true}) {
            Surface s;
            THtmlRenderArgs a;
            a.PictureContainer = &container;
            a.MeasureOnly = measure;
            a.WordWrap = measure;
            THtmlRenderResult r;
            RenderHtmlText(s.c(), text, {0, 0, 300, 40}, a, r);
            EXPECT_GE(r.XSize, 0) << text;
            EXPECT_GE(r.YSize, 0) << text;
        }
    }
}

}  // namespace
