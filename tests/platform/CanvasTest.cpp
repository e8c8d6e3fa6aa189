#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

using namespace plat;

namespace {

// A white bitmap of w x h to draw on.
struct Surface {
    TBitmap bmp;
    Surface(int w = 40, int h = 30) : bmp(w, h) {}
    TCanvas& c() { return bmp.Canvas(); }
    TColor at(int x, int y) const { return bmp.Pixel(x, y); }
    // Number of pixels of colour in row y / column x.
    int countRow(int y, TColor color) const {
        int n = 0;
        for (int x = 0; x < bmp.Width(); ++x) n += at(x, y) == color;
        return n;
    }
    int countCol(int x, TColor color) const {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y) n += at(x, y) == color;
        return n;
    }
    // Black pixels of column x (row -1) or row y (column -1) of b.
    static int CountIn(const TBitmap& b, int x, int y) {
        int n = 0;
        if (y < 0) {
            for (int yy = 0; yy < b.Height(); ++yy) n += b.Pixel(x, yy) == clBlack;
        } else {
            for (int xx = 0; xx < b.Width(); ++xx) n += b.Pixel(xx, y) == clBlack;
        }
        return n;
    }
    int count(TColor color) const {
        int n = 0;
        for (int y = 0; y < bmp.Height(); ++y) n += countRow(y, color);
        return n;
    }
};

}  // namespace

TEST(Colors, ValuesAndResolution) {
    EXPECT_EQ(RGB(255, 0, 0), clRed);
    EXPECT_EQ(RGB(0, 0, 255), clBlue);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
    EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
    const struct {
        TColor in;
        TColor out;
    } cases[] = {
        {clRed, clRed},
        {clBtnFace, RGB(212, 208, 200)},
        {clWindow, clWhite},
        {clWindowText, clBlack},
        {clHighlight, RGB(10, 36, 106)},
        {clBtnShadow, clGray},
        {cl3DDkShadow, RGB(64, 64, 64)},
        {clInfoBk, RGB(255, 255, 225)},
        {clNone, clBlack},
        {0x02123456u, 0x123456u},  // high byte other than system: dropped
    };
    for (const auto& c : cases) EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
}

TEST(Colors, IdentifiersRoundTrip) {
    const struct {
        TColor color;
        const char* name;
    } cases[] = {{clBtnFace, "clBtnFace"}, {clNone, "clNone"}, {clMoneyGreen, "clMoneyGreen"},
                 {cl3DDkShadow, "cl3DDkShadow"}, {clDefault, "clDefault"}};
    for (const auto& c : cases) {
        std::string name;
        ASSERT_TRUE(ColorToIdent(c.color, name)) << c.name;
        EXPECT_EQ(name, c.name);
        TColor back = 0;
        ASSERT_TRUE(IdentToColor(c.name, back));
        EXPECT_EQ(back, c.color);
    }
    std::string name;
    EXPECT_FALSE(ColorToIdent(RGB(1, 2, 3), name));
    TColor back = 0;
    EXPECT_TRUE(IdentToColor("CLRED", back));
    EXPECT_EQ(back, clRed);
    EXPECT_FALSE(IdentToColor("clNoSuchColour", back));
}

TEST(Geometry, RectHelpers) {
    TRect r = Rect(10, 10, 20, 30);
    EXPECT_EQ(r.Width(), 10);
    EXPECT_EQ(r.Height(), 20);
    EXPECT_TRUE(PtInRect(r, {10, 10}));
    EXPECT_FALSE(PtInRect(r, {20, 10}));  // right edge is outside
    EXPECT_FALSE(PtInRect(r, {10, 30}));
    InflateRect(r, 2, 3);
    EXPECT_EQ(r, Rect(8, 7, 22, 33));
    OffsetRect(r, -8, -7);
    EXPECT_EQ(r, Rect(0, 0, 14, 26));

    TRect out;
    EXPECT_TRUE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(out, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(out, Rect(0, 0, 10, 10), Rect(10, 0, 20, 10)));  // touching only
    EXPECT_EQ(out, TRect{});
    EXPECT_TRUE(UnionRect(out, Rect(0, 0, 0, 0), Rect(5, 5, 6, 6)));
    EXPECT_EQ(out, Rect(5, 5, 6, 6));
}

TEST(Geometry, RegionSubtract) {
    TRegion rgn(Rect(0, 0, 20, 20));
    rgn.Subtract(Rect(5, 5, 15, 15));
    EXPECT_TRUE(rgn.Contains({0, 0}));
    EXPECT_TRUE(rgn.Contains({19, 19}));
    EXPECT_FALSE(rgn.Contains({5, 5}));
    EXPECT_FALSE(rgn.Contains({14, 14}));
    EXPECT_TRUE(rgn.Contains({15, 14}));
    EXPECT_EQ(rgn.Bounds(), Rect(0, 0, 20, 20));
}

TEST(Font, SizeAndHeightFollowEachOther) {
    TFont f;
    int changes = 0;
    f.OnChange = [&] { ++changes; };
    const struct {
        int size;
        int height;
    } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {24, -32}};
    for (const auto& c : cases) {
        f.SetSize(c.size);
        EXPECT_EQ(f.Height(), c.height) << c.size;
        EXPECT_EQ(f.Size(), c.size) << c.size;
    }
    EXPECT_EQ(changes, 4);  // 8 points was already the default
    f.SetSize(24);
    EXPECT_EQ(changes, 4);

    TFont g;
    g.SetStyle({fsBold, fsItalic});
    g.SetColor(clRed);
    g.SetName("Monospace");
    f.Assign(g);
    EXPECT_TRUE(f.SameAs(g));
    EXPECT_TRUE(f.Style().Contains(fsBold));
    EXPECT_FALSE(f.Style().Contains(fsUnderline));
    EXPECT_EQ(changes, 5);
    EXPECT_FALSE(g.OnChange);  // Assign copies the description only
}

TEST(Brush, ColourMakesClearBrushSolid) {
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clRed);
    EXPECT_EQ(b.Style(), bsSolid);
}

TEST(Canvas, FillRectReadsBackInBgrOrder) {
    Surface s;
    s.c().Brush().SetColor(clRed);
    s.c().FillRect(Rect(5, 5, 15, 10));
    EXPECT_EQ(s.at(5, 5), clRed);
    EXPECT_EQ(s.at(14, 9), clRed);
    EXPECT_EQ(s.at(15, 9), clWhite);  // right edge excluded
    EXPECT_EQ(s.at(14, 10), clWhite);  // bottom edge excluded
    EXPECT_EQ(s.count(clRed), 50);
    EXPECT_EQ(GetRValue(s.at(5, 5)), 255);
    EXPECT_EQ(GetBValue(s.at(5, 5)), 0);

    s.c().Brush().SetColor(clBtnFace);  // system colours resolve when painting
    s.c().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(s.at(0, 0), RGB(212, 208, 200));
}

TEST(Canvas, LineLeavesOutItsEndPoint) {
    const struct {
        const char* name;
        TPoint from, to;
        int pixels;
    } cases[] = {
        {"horizontal", {2, 5}, {12, 5}, 10},
        {"horizontal backwards", {12, 5}, {2, 5}, 10},
        {"vertical", {3, 2}, {3, 20}, 18},
        {"diagonal", {0, 0}, {10, 10}, 10},
        {"steep", {1, 1}, {4, 19}, 18},
        {"single point", {7, 7}, {7, 7}, 0},
    };
    for (const auto& c : cases) {
        Surface s;
        s.c().Pen().SetColor(clBlue);
        s.c().MoveTo(c.from.X, c.from.Y);
        s.c().LineTo(c.to.X, c.to.Y);
        EXPECT_EQ(s.count(clBlue), c.pixels) << c.name;
        EXPECT_EQ(s.at(c.to.X, c.to.Y), clWhite) << c.name;
        if (c.pixels > 0) {
            EXPECT_EQ(s.at(c.from.X, c.from.Y), clBlue) << c.name;
        }
        EXPECT_EQ(s.c().PenPos(), c.to) << c.name;
    }
}

TEST(Canvas, PenWidthAndStyle) {
    Surface s;
    s.c().Pen().SetColor(clBlack);
    s.c().Pen().SetWidth(3);
    s.c().MoveTo(5, 10);
    s.c().LineTo(30, 10);
    EXPECT_EQ(s.countCol(15, clBlack), 3);  // rows 9 to 11
    EXPECT_EQ(s.at(15, 9), clBlack);
    EXPECT_EQ(s.at(15, 11), clBlack);
    EXPECT_EQ(s.at(15, 12), clWhite);

    Surface d;
    d.c().Pen().SetStyle(psDot);
    d.c().MoveTo(0, 5);
    d.c().LineTo(36, 5);
    EXPECT_EQ(d.countRow(5, clBlack), 18);  // three on, three off
    EXPECT_EQ(d.at(2, 5), clBlack);
    EXPECT_EQ(d.at(3, 5), clWhite);

    Surface n;
    n.c().Pen().SetStyle(psClear);
    n.c().MoveTo(0, 5);
    n.c().LineTo(36, 5);
    EXPECT_EQ(n.count(clBlack), 0);
}

TEST(Canvas, XorPenDrawnTwiceLeavesNothing) {
    Surface s;
    s.c().Brush().SetColor(clRed);
    s.c().FillRect(Rect(0, 0, 40, 15));
    s.c().Pen().SetMode(pmNotXor);
    s.c().Pen().SetColor(clBlack);
    s.c().MoveTo(10, 0);
    s.c().LineTo(10, 30);
    EXPECT_EQ(s.at(10, 5), RGB(0, 255, 255));  // red inverted
    EXPECT_EQ(s.at(10, 20), clBlack);          // white inverted
    s.c().MoveTo(10, 0);
    s.c().LineTo(10, 30);
    EXPECT_EQ(s.at(10, 5), clRed);
    EXPECT_EQ(s.at(10, 20), clWhite);
}

TEST(Canvas, RectangleOutlineAndFill) {
    Surface s;
    s.c().Pen().SetColor(clBlack);
    s.c().Brush().SetColor(clYellow);
    s.c().Rectangle(5, 5, 15, 12);
    EXPECT_EQ(s.at(5, 5), clBlack);
    EXPECT_EQ(s.at(14, 11), clBlack);  // outline on the last pixel inside
    EXPECT_EQ(s.at(15, 11), clWhite);
    EXPECT_EQ(s.at(6, 6), clYellow);
    EXPECT_EQ(s.count(clBlack), 2 * 10 + 2 * 5);
    EXPECT_EQ(s.count(clYellow), 8 * 5);

    Surface clear;  // clear brush: outline only
    clear.c().Brush().SetStyle(bsClear);
    clear.c().Rectangle(Rect(2, 2, 10, 10));
    EXPECT_EQ(clear.at(5, 5), clWhite);
    EXPECT_EQ(clear.at(2, 5), clBlack);

    Surface wide;  // pen of width 3 centred on the outline
    wide.c().Pen().SetWidth(3);
    wide.c().Brush().SetColor(clRed);
    wide.c().Rectangle(10, 10, 30, 25);
    EXPECT_EQ(wide.at(9, 15), clBlack);
    EXPECT_EQ(wide.at(11, 15), clBlack);
    EXPECT_EQ(wide.at(12, 15), clRed);
    EXPECT_EQ(wide.at(8, 15), clWhite);
    EXPECT_EQ(wide.at(30, 15), clBlack);
    EXPECT_EQ(wide.at(31, 15), clWhite);
}

TEST(Canvas, FrameRectUsesTheBrush) {
    Surface s;
    s.c().Brush().SetColor(clGreen);
    s.c().FrameRect(Rect(3, 3, 13, 9));
    EXPECT_EQ(s.count(clGreen), 2 * 10 + 2 * 4);
    EXPECT_EQ(s.at(3, 3), clGreen);
    EXPECT_EQ(s.at(12, 8), clGreen);
    EXPECT_EQ(s.at(4, 4), clWhite);
}

TEST(Canvas, EllipseAndPolygonStayInTheirBox) {
    Surface s;
    s.c().Pen().SetColor(clBlue);
    s.c().Brush().SetColor(clBlue);
    s.c().Ellipse(10, 5, 30, 25);
    EXPECT_EQ(s.at(20, 15), clBlue);
    EXPECT_EQ(s.at(10, 5), clWhite);  // corner of the box lies outside the ellipse
    EXPECT_EQ(s.countRow(4, clBlue), 0);
    EXPECT_EQ(s.countRow(25, clBlue), 0);
    EXPECT_EQ(s.countCol(30, clBlue), 0);

    Surface t;
    t.c().Pen().SetColor(clRed);
    t.c().Brush().SetColor(clRed);
    t.c().Polygon({{5, 5}, {25, 5}, {15, 20}});
    EXPECT_EQ(t.at(15, 8), clRed);
    EXPECT_EQ(t.at(5, 19), clWhite);
}

TEST(Canvas, PixelsGetAndSet) {
    Surface s;
    s.c().SetPixels(3, 4, clPurple);
    EXPECT_EQ(s.c().Pixels(3, 4), clPurple);
    EXPECT_EQ(s.c().Pixels(4, 4), clWhite);
    EXPECT_EQ(s.c().Pixels(-1, 0), clNone);
    EXPECT_EQ(s.c().Pixels(40, 0), clNone);
}

TEST(Canvas, ClippingStopsDrawing) {
    Surface s;
    s.c().SetClipRect(Rect(10, 10, 20, 20));
    s.c().Brush().SetColor(clRed);
    s.c().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(s.count(clRed), 100);
    EXPECT_EQ(s.c().ClipRect(), Rect(10, 10, 20, 20));

    s.c().ExcludeClipRect(Rect(10, 10, 15, 20));
    s.c().Brush().SetColor(clBlue);
    s.c().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(s.count(clBlue), 50);
    EXPECT_EQ(s.at(12, 12), clRed);

    // Saved and restored with the rest of the state.
    s.c().SaveState();
    s.c().ResetClip();
    EXPECT_FALSE(s.c().HasClip());
    s.c().RestoreState();
    s.c().Brush().SetColor(clGreen);
    s.c().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(s.count(clGreen), 50);

    s.c().ResetClip();
    s.c().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(s.count(clGreen), 40 * 30);
}

TEST(Canvas, ClipRegionWithHole) {
    Surface s;
    TRegion rgn(Rect(0, 0, 20, 20));
    rgn.Subtract(Rect(5, 5, 15, 15));
    s.c().SetClipRegion(rgn);
    s.c().Brush().SetColor(clRed);
    s.c().FillRect(Rect(0, 0, 40, 30));
    EXPECT_EQ(s.count(clRed), 400 - 100);
    EXPECT_EQ(s.at(10, 10), clWhite);
}

TEST(Canvas, FocusRectInvertsAndRestores) {
    Surface s;
    s.c().DrawFocusRect(Rect(4, 4, 20, 14));
    const int black = s.count(clBlack);
    EXPECT_GT(black, 10);
    EXPECT_EQ(s.at(4, 4), clBlack);
    EXPECT_EQ(s.at(5, 4), clWhite);  // dotted
    EXPECT_EQ(s.at(10, 9), clWhite);  // inside untouched
    s.c().DrawFocusRect(Rect(4, 4, 20, 14));
    EXPECT_EQ(s.count(clWhite), 40 * 30);
}

TEST(Canvas, FloodFillUpToBorder) {
    Surface s;
    s.c().Brush().SetStyle(bsClear);
    s.c().Pen().SetColor(clGray);
    s.c().Rectangle(5, 5, 15, 15);
    s.c().Brush().SetColor(clLime);
    s.c().FloodFill(8, 8, clGray, fsBorder);
    EXPECT_EQ(s.count(clLime), 8 * 8);
    EXPECT_EQ(s.at(5, 5), clGray);
    EXPECT_EQ(s.at(20, 20), clWhite);
}

TEST(Canvas, TextMeasures) {
    TCanvas unbound;  // measuring needs no surface
    unbound.Font().SetName("Sans");
    unbound.Font().SetSize(8);
    const int w8 = unbound.TextWidth("Hello world");
    const int h8 = unbound.TextHeight("Hello world");
    EXPECT_GT(w8, 0);
    EXPECT_GT(h8, 0);
    EXPECT_EQ(unbound.TextWidth(""), 0);
    unbound.Font().SetSize(16);
    EXPECT_GT(unbound.TextWidth("Hello world"), w8 * 3 / 2);
    EXPECT_GT(unbound.TextHeight("Hello world"), h8 * 3 / 2);
    EXPECT_EQ(unbound.TextExtent("Hello").cx, unbound.TextWidth("Hello"));
    unbound.Font().SetStyle({fsBold});
    EXPECT_GE(unbound.TextWidth("Hello world"), unbound.TextWidth("Hello world"));
    EXPECT_FALSE(unbound.CanDraw());
}

TEST(Canvas, TextOutOpacityFollowsTheBrush) {
    Surface s(80, 30);
    s.c().Font().SetColor(clBlack);
    s.c().Brush().SetColor(clYellow);
    s.c().TextOut(2, 2, "Mm");
    const TSize ext = s.c().TextExtent("Mm");
    EXPECT_EQ(s.at(2, 2), clYellow);  // text cell background
    EXPECT_GT(s.count(clYellow), 0);
    EXPECT_EQ(s.at(2 + ext.cx + 1, 2), clWhite);

    Surface t(80, 30);
    t.c().Brush().SetStyle(bsClear);
    t.c().TextOut(2, 2, "Mm");
    EXPECT_EQ(t.count(clYellow), 0);
    EXPECT_LT(t.count(clWhite), 80 * 30);  // some ink

    Surface u(80, 30);  // SetBkMode lasts until the brush changes
    u.c().Brush().SetColor(clYellow);
    u.c().SetBkMode(TRANSPARENT);
    u.c().TextOut(2, 2, "Mm");
    EXPECT_EQ(u.count(clYellow), 0);
    u.c().Brush().SetColor(clAqua);
    u.c().TextOut(2, 2, "Mm");
    EXPECT_GT(u.count(clAqua), 0);
}

TEST(Canvas, DrawTextCalcRectWrapsNarrowRectangles) {
    TBitmap bmp(10, 10);
    TCanvas& c = bmp.Canvas();
    const std::string text = "The quick brown fox jumps over the lazy dog";
    const int lineHeight = c.TextHeight("Ag");
    TRect wide = Rect(0, 0, 1000, 0);
    const int h1 = c.DrawText(text, wide, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(h1, lineHeight);
    EXPECT_EQ(wide.Bottom, lineHeight);
    EXPECT_EQ(wide.Width(), c.TextWidth(text));

    TRect narrow = Rect(0, 0, c.TextWidth("quick brown") + 2, 0);
    const int limit = narrow.Right;
    const int h2 = c.DrawText(text, narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GE(h2, 4 * lineHeight);
    EXPECT_LE(narrow.Right, limit);

    // Without word break the text stays on one line; explicit breaks count.
    TRect single = Rect(0, 0, 20, 0);
    EXPECT_EQ(c.DrawText(text, single, DT_CALCRECT | DT_SINGLELINE), lineHeight);
    TRect lines = Rect(0, 0, 1000, 0);
    EXPECT_EQ(c.DrawText("one\ntwo\r\nthree", lines, DT_CALCRECT), 3 * lineHeight);
    EXPECT_EQ(lines.Width(), c.TextWidth("three"));

    // A word wider than the room stays whole unless edit-control rules apply.
    TRect word = Rect(0, 0, 10, 0);
    EXPECT_EQ(c.DrawText("Extraordinary", word, DT_CALCRECT | DT_WORDBREAK), lineHeight);
    TRect broken = Rect(0, 0, c.TextWidth("Extra") + 1, 0);
    EXPECT_GT(c.DrawText("Extraordinary", broken, DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL), lineHeight);
}

TEST(Canvas, DrawTextPrefixAndAlignment) {
    TBitmap bmp(200, 40);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetStyle(bsClear);
    TRect calc = Rect(0, 0, 200, 0);
    c.DrawText("&Open", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), c.TextWidth("Open"));
    calc = Rect(0, 0, 200, 0);
    c.DrawText("&Open", calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(calc.Width(), c.TextWidth("&Open"));
    calc = Rect(0, 0, 200, 0);
    c.DrawText("A && B", calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(calc.Width(), c.TextWidth("A & B"));

    // Ink lies left, centred or right as asked.
    const struct {
        unsigned flag;
        int minX, maxX;
    } cases[] = {{DT_LEFT, 0, 60}, {DT_CENTER, 70, 130}, {DT_RIGHT, 140, 200}};
    for (const auto& k : cases) {
        TBitmap b(200, 40);
        b.Canvas().Brush().SetStyle(bsClear);
        TRect r = Rect(0, 0, 200, 40);
        b.Canvas().DrawText("WW", r, k.flag | DT_VCENTER | DT_SINGLELINE);
        int lo = 200, hi = -1;
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (b.Pixel(x, y) != clWhite) {
                    lo = std::min(lo, x);
                    hi = std::max(hi, x);
                }
            }
        }
        EXPECT_GE(lo, k.minX) << k.flag;
        EXPECT_LE(hi, k.maxX) << k.flag;
    }
}

TEST(Canvas, DrawTextClipsUnlessNoClip) {
    const struct {
        unsigned extra;
        bool inkOutside;
    } cases[] = {{0, false}, {DT_NOCLIP, true}};
    for (const auto& k : cases) {
        TBitmap b(200, 30);
        b.Canvas().Brush().SetStyle(bsClear);
        TRect r = Rect(0, 0, 20, 30);
        b.Canvas().DrawText("WWWWWWWWWW", r, DT_SINGLELINE | k.extra);
        int outside = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 20; x < 200; ++x) outside += b.Pixel(x, y) != clWhite;
        }
        EXPECT_EQ(outside > 0, k.inkOutside) << k.extra;
    }
}

TEST(Canvas, DrawTextEndEllipsisFitsTheRoom) {
    TBitmap b(300, 30);
    TCanvas& c = b.Canvas();
    c.Brush().SetStyle(bsClear);
    TRect r = Rect(0, 0, 60, 30);
    c.DrawText("A rather long caption for the room", r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    int hi = -1;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (b.Pixel(x, y) != clWhite) hi = std::max(hi, x);
        }
    }
    EXPECT_GE(hi, 0);
    EXPECT_LT(hi, 60);
}

TEST(Canvas, RotatedTextRunsUpwards) {
    TBitmap b(60, 120);
    TCanvas& c = b.Canvas();
    c.Brush().SetStyle(bsClear);
    c.Font().SetSize(12);
    c.Font().SetOrientation(900);
    c.TextOut(10, 110, "WWWWW");
    int lo = 120, hi = -1, left = 60, right = -1;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (b.Pixel(x, y) != clWhite) {
                lo = std::min(lo, y);
                hi = std::max(hi, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(hi, 0);
    EXPECT_GT(hi - lo, right - left);  // taller than wide
    EXPECT_LE(hi, 110);
    EXPECT_GE(left, 10);
}

TEST(Canvas, DashGapsFollowTheBackgroundMode) {
    const struct {
        const char* name;
        TBrushStyle brush;
        int gapColour;  // 0 = untouched background, 1 = brush colour
    } cases[] = {{"opaque", bsSolid, 1}, {"transparent", bsClear, 0}};
    for (const auto& c : cases) {
        Surface s;
        s.c().Brush().SetColor(clRed);
        s.c().Brush().SetStyle(c.brush);
        s.c().Pen().SetStyle(psDot);
        s.c().MoveTo(0, 5);
        s.c().LineTo(36, 5);
        EXPECT_EQ(s.at(0, 5), clBlack) << c.name;
        EXPECT_EQ(s.at(4, 5), c.gapColour ? clRed : clWhite) << c.name;
    }
}

TEST(Canvas, DottedXorSizingLineAppearsAndGoes) {
    // A column sizing line: black dotted pen in XOR mode over a white
    // brush, drawn twice at the same place.
    Surface s;
    s.c().Brush().SetColor(clWhite);
    s.c().Pen().SetColor(clBlack);
    s.c().Pen().SetStyle(psDot);
    s.c().Pen().SetMode(pmXor);
    s.c().MoveTo(10, 0);
    s.c().LineTo(10, 30);
    EXPECT_GT(s.countCol(10, clBlack), 10);
    s.c().MoveTo(10, 0);
    s.c().LineTo(10, 30);
    EXPECT_EQ(s.countCol(10, clWhite), 30);
}

TEST(Canvas, DrawEdgeClassicColours) {
    const struct {
        const char* name;
        unsigned edge, flags;
        TColor outerTL, innerTL, outerBR, innerBR;
    } cases[] = {
        {"raised", EDGE_RAISED, BF_RECT, cl3DLight, clBtnHighlight, cl3DDkShadow, clBtnShadow},
        {"raised soft", EDGE_RAISED, BF_RECT | BF_SOFT, clBtnHighlight, cl3DLight, cl3DDkShadow, clBtnShadow},
        {"sunken", EDGE_SUNKEN, BF_RECT, clBtnShadow, cl3DDkShadow, clBtnHighlight, cl3DLight},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT, clBtnShadow, clBtnFace, clBtnShadow, clBtnFace},
    };
    for (const auto& c : cases) {
        Surface s;
        TRect r = Rect(5, 5, 25, 20);
        s.c().DrawEdge(r, c.edge, c.flags | BF_MIDDLE | BF_ADJUST);
        EXPECT_EQ(r, Rect(7, 7, 23, 18)) << c.name;
        EXPECT_EQ(s.at(5, 10), ColorToRGB(c.outerTL)) << c.name;
        EXPECT_EQ(s.at(10, 5), ColorToRGB(c.outerTL)) << c.name;
        EXPECT_EQ(s.at(6, 10), ColorToRGB(c.innerTL)) << c.name;
        EXPECT_EQ(s.at(24, 10), ColorToRGB(c.outerBR)) << c.name;
        EXPECT_EQ(s.at(10, 19), ColorToRGB(c.outerBR)) << c.name;
        EXPECT_EQ(s.at(24, 5), ColorToRGB(c.outerBR)) << c.name;  // far corners: bottom-right colour
        EXPECT_EQ(s.at(23, 10), ColorToRGB(c.innerBR)) << c.name;
        EXPECT_EQ(s.at(15, 12), ColorToRGB(clBtnFace)) << c.name;
        EXPECT_EQ(s.at(4, 4), clWhite) << c.name;
        EXPECT_EQ(s.at(25, 20), clWhite) << c.name;
    }
    // Only the sides asked for, and the canvas keeps its own brush.
    Surface s;
    s.c().Brush().SetColor(clRed);
    TRect r = Rect(5, 5, 25, 20);
    s.c().DrawEdge(r, BDR_RAISEDINNER, BF_LEFT | BF_ADJUST);
    EXPECT_EQ(r, Rect(6, 5, 25, 20));
    EXPECT_EQ(s.at(5, 10), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(s.at(10, 5), clWhite);
    EXPECT_EQ(s.c().Brush().Color(), clRed);
}

TEST(Canvas, FrameControlCheckBoxAndRadio) {
    const TColor text = ColorToRGB(clWindowText);
    const TColor gray = ColorToRGB(clGrayText);
    const struct {
        const char* name;
        unsigned state;
        TColor mark;  // clNone = no mark
        TColor face;
    } cases[] = {
        {"check unchecked", DFCS_BUTTONCHECK, clNone, clWhite},
        {"check checked", DFCS_BUTTONCHECK | DFCS_CHECKED, text, clWhite},
        {"check disabled", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, gray, ColorToRGB(clBtnFace)},
        {"check flat", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT, text, clWhite},
        {"radio off", DFCS_BUTTONRADIO, clNone, clWhite},
        {"radio on", DFCS_BUTTONRADIO | DFCS_CHECKED, text, clWhite},
    };
    for (const auto& c : cases) {
        TBitmap b(13, 13);
        b.Canvas().Brush().SetColor(clFuchsia);
        b.Canvas().FillRect(Rect(0, 0, 13, 13));
        TRect r = Rect(0, 0, 13, 13);
        b.Canvas().DrawFrameControl(r, DFC_BUTTON, c.state);
        int marks = 0;
        for (int y = 3; y < 10; ++y) {
            for (int x = 3; x < 10; ++x) marks += c.mark != clNone && b.Pixel(x, y) == c.mark;
        }
        if (c.mark == clNone) {
            EXPECT_EQ(b.Pixel(6, 6), c.face) << c.name;
        } else {
            EXPECT_GT(marks, 4) << c.name;
        }
        EXPECT_EQ(b.Pixel(3, 4), c.face) << c.name;  // interior beside the mark
        if (c.state & DFCS_BUTTONRADIO) {
            EXPECT_EQ(b.Pixel(0, 0), clFuchsia) << c.name;  // round: corners untouched
        } else {
            EXPECT_NE(b.Pixel(0, 0), clFuchsia) << c.name;
        }
    }
}

TEST(Canvas, FrameControlButtonsAndArrows) {
    TBitmap b(17, 17);
    TRect r = Rect(0, 0, 17, 17);
    b.Canvas().DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    EXPECT_EQ(b.Pixel(8, 8), ColorToRGB(clBtnText));  // arrow in the middle
    EXPECT_EQ(b.Pixel(3, 3), ColorToRGB(clBtnFace));
    EXPECT_EQ(b.Pixel(16, 16), ColorToRGB(cl3DDkShadow));

    // The down arrow is widest at the top, the up arrow at the bottom.
    auto widthAt = [](TBitmap& bmp, int y) {
        int n = 0;
        for (int x = 0; x < bmp.Width(); ++x) n += bmp.Pixel(x, y) == ColorToRGB(clBtnText);
        return n;
    };
    TBitmap up(17, 17);
    r = Rect(0, 0, 17, 17);
    up.Canvas().DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLUP);
    int firstRow = -1, lastRow = -1;
    for (int y = 0; y < 17; ++y) {
        if (widthAt(up, y) > 0) {
            if (firstRow < 0) firstRow = y;
            lastRow = y;
        }
    }
    ASSERT_GE(firstRow, 0);
    EXPECT_LT(widthAt(up, firstRow), widthAt(up, lastRow));

    TBitmap push(20, 10);
    r = Rect(0, 0, 20, 10);
    push.Canvas().DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED | DFCS_ADJUSTRECT);
    EXPECT_EQ(push.Pixel(0, 0), ColorToRGB(cl3DDkShadow));  // pushed: dark outside at the top-left
    EXPECT_EQ(r, Rect(2, 2, 18, 8));
}

TEST(Canvas, DemoPicture) {
    // A picture of the drawing vocabulary for people to look at.
    TBitmap b(320, 200);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, 320, 200));
    for (int i = 0; i < 32; ++i) {
        c.Brush().SetColor(RGB(255 - i * 4, 255 - i * 2, 255));
        c.FillRect(Rect(10, 10 + i * 2, 150, 12 + i * 2));
    }
    c.Pen().SetColor(clGray);
    c.Brush().SetStyle(bsClear);
    c.RoundRect(10, 10, 150, 74, 6, 6);
    c.Font().SetSize(10);
    c.Font().SetStyle({fsBold});
    TRect caption = Rect(10, 10, 150, 74);
    c.DrawText("&Set Communication", caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    c.DrawFocusRect(Rect(14, 14, 146, 70));
    TRect edge = Rect(170, 10, 310, 74);
    c.DrawEdge(edge, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    c.Font().SetStyle({});
    c.Brush().SetStyle(bsClear);
    c.DrawText("A longer text that wraps inside its raised box", edge, DT_WORDBREAK | DT_CENTER);
    TRect box = Rect(10, 90, 23, 103);
    c.DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    box = Rect(30, 90, 43, 103);
    c.DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
    box = Rect(50, 88, 67, 105);
    c.DrawFrameControl(box, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    c.Pen().SetColor(clNavy);
    c.Brush().SetColor(clYellow);
    c.Ellipse(80, 85, 120, 115);
    c.Polygon({{130, 115}, {150, 85}, {170, 115}});
    c.Pen().SetWidth(3);
    c.Pen().SetColor(clRed);
    c.MoveTo(180, 90);
    c.LineTo(300, 110);
    c.Pen().SetWidth(1);
    c.Pen().SetStyle(psDot);
    c.MoveTo(180, 120);
    c.LineTo(300, 120);
    c.Pen().SetStyle(psSolid);
    c.Font().SetOrientation(900);
    c.Brush().SetStyle(bsClear);
    c.TextOut(10, 190, "Rotated");
    c.Font().SetOrientation(0);
    c.SetClipRect(Rect(40, 130, 300, 190));
    c.Font().SetSize(20);
    c.Font().SetColor(clMaroon);
    c.TextOut(30, 140, "Clipped text at the edge");
    c.ResetClip();
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/canvas_demo.png";
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    ASSERT_TRUE(b.SavePng(path)) << b.ErrorString();
    TBitmap back;
    ASSERT_TRUE(back.LoadFromFile(path)) << back.ErrorString();
    EXPECT_EQ(back.Width(), 320);
}

TEST(Canvas, DrawTextOddInputsEndAndStayInside) {
    const struct {
        const char* name;
        std::string text;
        int width;
        unsigned flags;
        int minLines, maxLines;
    } cases[] = {
        {"empty", "", 50, DT_WORDBREAK, 1, 1},
        {"blanks only, no room", "     ", 0, DT_WORDBREAK, 1, 6},
        {"leading blanks, no room", "   abc def", 0, DT_WORDBREAK, 1, 12},
        {"zero width edit control", "abc def", 0, DT_WORDBREAK | DT_EDITCONTROL, 2, 8},
        {"negative width", "abc def", -20, DT_WORDBREAK, 1, 8},
        {"lone ampersand", "&", 50, DT_WORDBREAK, 1, 1},
        {"trailing ampersand", "Save &", 50, DT_SINGLELINE, 1, 1},
        {"tabs expanded", "a\tb\tc", 500, DT_EXPANDTABS | DT_WORDBREAK, 1, 1},
        {"empty lines", "\n\n", 50, DT_WORDBREAK, 3, 3},
        {"blank after break", "one \ntwo", 500, DT_WORDBREAK, 2, 2},
    };
    TBitmap b(100, 100);
    TCanvas& c = b.Canvas();
    const int lh = c.TextHeight("Ag");
    for (const auto& k : cases) {
        TRect r = Rect(0, 0, k.width, 0);
        const int h = c.DrawText(k.text, r, k.flags | DT_CALCRECT);
        EXPECT_GE(h, k.minLines * lh) << k.name;
        EXPECT_LE(h, k.maxLines * lh) << k.name;
        TRect draw = Rect(0, 0, 100, 100);
        c.DrawText(k.text, draw, k.flags);  // must return, whatever the input
    }
}

namespace {

// Rows holding ink in b, as [first, last]; {-1, -1} when blank.
std::pair<int, int> InkRows(const TBitmap& b) {
    int first = -1, last = -1;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (b.Pixel(x, y) != clWhite) {
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

}  // namespace

TEST(Canvas, DrawTextVerticalPlacement) {
    // Vertical centring and bottom alignment apply to single lines only.
    const struct {
        const char* name;
        unsigned flags;
        int minTop, maxBottom;
    } cases[] = {
        {"top", DT_SINGLELINE | DT_TOP, 0, 20},
        {"centre", DT_SINGLELINE | DT_VCENTER, 30, 70},
        {"bottom", DT_SINGLELINE | DT_BOTTOM, 80, 99},
        {"centre without single line", DT_VCENTER, 0, 20},
    };
    for (const auto& c : cases) {
        TBitmap b(100, 100);
        b.Canvas().Brush().SetStyle(bsClear);
        TRect r = Rect(0, 0, 100, 100);
        b.Canvas().DrawText("Hg", r, c.flags);
        const auto ink = InkRows(b);
        EXPECT_GE(ink.first, c.minTop) << c.name;
        EXPECT_LE(ink.second, c.maxBottom) << c.name;
    }
}

TEST(Canvas, DrawTextEditControlHidesPartLines) {
    TBitmap probe(10, 10);
    const int lh = probe.Canvas().TextHeight("Ag");
    const struct {
        unsigned flags;
        bool secondLineInk;
    } cases[] = {{0, true}, {DT_EDITCONTROL, false}};
    for (const auto& c : cases) {
        TBitmap b(100, 100);
        b.Canvas().Brush().SetStyle(bsClear);
        TRect r = Rect(0, 0, 100, lh + lh / 2);  // room for one and a half lines
        b.Canvas().DrawText("Hg\nHg\nHg", r, c.flags);
        const auto ink = InkRows(b);
        EXPECT_EQ(ink.second >= lh, c.secondLineInk) << c.flags;
    }
}

TEST(Canvas, DegenerateCallsDrawNothingAndLeaveTheCanvasWorking) {
    // Sizes computed from cell widths can come out empty or inverted.
    const TRect rects[] = {Rect(0, 0, 0, 0), Rect(5, 5, 6, 6), Rect(10, 10, 5, 5), Rect(-50, -50, -10, -10),
                           Rect(30, 20, 32, 22), Rect(-5, -5, 100, 100)};
    TBitmap empty;
    for (const TRect& r0 : rects) {
        Surface s;
        TCanvas& c = s.c();
        TRect r = r0;
        c.DrawEdge(r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        r = r0;
        c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
        r = r0;
        c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED);
        r = r0;
        c.DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE);
        c.DrawFocusRect(r0);
        c.Rectangle(r0);
        c.Ellipse(r0);
        c.RoundRect(r0, 6, 6);
        c.StretchDraw(r0, s.bmp);
        c.StretchDraw(r0, empty);
        c.Draw(r0.Left, r0.Top, empty);
        c.CopyRect(r0, TCanvas(), r0);
        r = r0;
        c.DrawText("abc", r, DT_WORDBREAK | DT_END_ELLIPSIS);
        c.TextRect(r0, r0.Left, r0.Top, "abc");
        c.SetClipRect(r0);
        c.FillRect(r0);
        c.ResetClip();
    }
    Surface s;
    TCanvas& c = s.c();
    c.Polygon({{5, 5}});
    c.Polyline({{5, 5}});
    c.FloodFill(-1, 5, clBlack, fsBorder);
    c.FloodFill(400, 5, clBlack, fsSurface);
    c.TextOut(2, 2, std::string("\xFF\xFE invalid \xC3", 13));
    c.RestoreState();  // without a save: ignored
    c.Brush().SetColor(clRed);
    c.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(s.at(1, 1), clRed);
}

TEST(Canvas, TextInkIsExactlyTheFontColour) {
    // Text is drawn without smoothing, as on the classic desktop, so a
    // test can look for the font colour itself.
    TBitmap b(120, 30);
    b.Canvas().Brush().SetStyle(bsClear);
    b.Canvas().Font().SetColor(clRed);
    b.Canvas().TextOut(2, 2, "Quality & Grid");
    int red = 0, other = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) {
            const TColor p = b.Pixel(x, y);
            red += p == clRed;
            other += p != clRed && p != clWhite;
        }
    }
    EXPECT_GT(red, 20);
    EXPECT_EQ(other, 0);
}

TEST(Font, PositiveHeightIsTheWholeCell) {
    // A positive height asks for the cell (ascent plus descent), a negative
    // one for the character height, which leaves the cell taller.
    TCanvas c;
    c.Font().SetName("Sans");
    const int heights[] = {12, 16, 24, 40};
    for (int h : heights) {
        c.Font().SetHeight(h);
        EXPECT_NEAR(c.TextHeight("Ag"), h, 1) << h;
        c.Font().SetHeight(-h);
        EXPECT_GT(c.TextHeight("Ag"), h) << -h;
    }
}

TEST(Canvas, RoundShapesAreSymmetricAndStayInTheirBox) {
    const struct {
        const char* name;
        int w, h, cw, ch;
        bool ellipse;
    } cases[] = {
        {"button corner 6", 30, 12, 6, 6, false},
        {"quicken corner 4", 21, 9, 4, 4, false},
        {"cell shape 10", 17, 17, 10, 10, false},
        {"corner larger than box", 8, 6, 20, 20, false},
        {"circle", 13, 13, 0, 0, true},
        {"wide ellipse", 20, 9, 0, 0, true},
    };
    for (const auto& c : cases) {
        TBitmap b(c.w + 4, c.h + 4);
        b.Canvas().Brush().SetStyle(bsClear);
        if (c.ellipse) {
            b.Canvas().Ellipse(2, 2, 2 + c.w, 2 + c.h);
        } else {
            b.Canvas().RoundRect(2, 2, 2 + c.w, 2 + c.h, c.cw, c.ch);
        }
        int ink = 0;
        for (int y = 0; y < b.Height(); ++y) {
            for (int x = 0; x < b.Width(); ++x) {
                const bool on = b.Pixel(x, y) == clBlack;
                ink += on;
                const bool inside = x >= 2 && x < 2 + c.w && y >= 2 && y < 2 + c.h;
                if (on && !inside) ADD_FAILURE() << c.name << " ink outside at " << x << "," << y;
                const bool mirrorX = b.Pixel(2 + c.w - 1 - (x - 2), y) == clBlack;
                const bool mirrorY = b.Pixel(x, 2 + c.h - 1 - (y - 2)) == clBlack;
                if (inside && (on != mirrorX || on != mirrorY)) {
                    ADD_FAILURE() << c.name << " not symmetric at " << x << "," << y;
                }
            }
        }
        EXPECT_GT(ink, 0) << c.name;
        // The outline touches all four sides of the box.
        EXPECT_GT(Surface::CountIn(b, 2, -1), 0) << c.name;
        EXPECT_GT(Surface::CountIn(b, 1 + c.w, -1), 0) << c.name;
        EXPECT_GT(Surface::CountIn(b, -1, 2), 0) << c.name;
        EXPECT_GT(Surface::CountIn(b, -1, 1 + c.h), 0) << c.name;
    }
}

TEST(Canvas, ExpandedTabsAlignAtStopsOnEveryLine) {
    TBitmap b(10, 10);
    TCanvas& c = b.Canvas();
    auto width = [&](const std::string& text) {
        TRect r = Rect(0, 0, 1000, 0);
        c.DrawText(text, r, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
        return r.Width();
    };
    // Texts shorter than a stop reach the same column.
    EXPECT_NEAR(width("a\tX"), width("abc\tX"), 2);
    EXPECT_GT(width("a\tX"), width("a X"));
    // The stop counts from the start of each line, not of the text.
    EXPECT_EQ(width("abcde\n\tX"), width("\tX"));
    EXPECT_GT(width("\tX"), width("abcde"));
}
