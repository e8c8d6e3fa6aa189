#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "controls/ExtDrawBars.h"
#include "platform/GuiApp.h"

using namespace ctl;
using plat::RGB;
using plat::TColor;

namespace {

class ExtDrawBars : public ctltest::PaintTest {};

constexpr TColor kFill = RGB(0, 0, 200), kEmpty = RGB(230, 230, 230);

}  // namespace

TEST(ProgressText, FormatsOneNumberSafely) {
    const struct { const char* format; double pos; const char* want; } cases[] = {
        {"%d%%", 42.6, "43%"},
        {"%u items", 7.2, "7 items"},
        {"%.1f done", 42.64, "42.6 done"},  // 'd' in the text does not make it an integer format
        {"%5.2f", 1.5, " 1.50"},
        {"%s", 1, "%s"},                    // no text argument exists: shown as written
        {"%d of %d", 3, "%d of %d"},
        {"50%%", 3, "50%"},
        {"plain", 3, "plain"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatProgressText(c.format, c.pos), c.want) << c.format;
}

TEST_F(ExtDrawBars, ProgressBarFillsToItsPercentage) {
    const struct { const char* format; double pos; int filledTo; } cases[] = {
        {"%d%%", 42.6, 43},  // 43 percent of 100 pixels
        {"", 150, 100},      // without a format the position is the percentage, capped
        {"", -5, 0},
    };
    for (const auto& c : cases) {
        auto bmp = White(104, 34);
        DrawProgressBar(bmp.Canvas(), {2, 2, 102, 32}, kFill, plat::clWhite, kEmpty, plat::clBlack, c.pos, 0, 0, 0,
                        100, c.format, plat::clBlack, false);
        if (c.filledTo > 0) {
            EXPECT_EQ(bmp.Pixel(2 + c.filledTo - 1, 3), kFill) << c.format << c.pos;
        }
        if (c.filledTo < 100) {
            EXPECT_EQ(bmp.Pixel(2 + c.filledTo, 3), kEmpty) << c.format << c.pos;
        }
        EXPECT_EQ(bmp.Pixel(1, 10), plat::clBlack) << "border";
    }
}

TEST_F(ExtDrawBars, StackedLevelsFillTheWholeLengthAtOneHundred) {
    TLevelProgress s;
    s.Stacked = true;
    s.ShowGradient = false;
    s.ShowPercentage = false;
    s.Level1Perc = 33;
    s.Level2Perc = 67;
    s.Level0Color = RGB(0, 255, 0);
    s.Level1Color = RGB(255, 255, 0);
    s.Level3Color = RGB(255, 0, 0);
    s.UnCompleteColor = plat::clWhite;
    s.ShowBorder = true;
    auto bmp = White(103, 12);
    DrawLevelProgressBar(bmp.Canvas(), {0, 0, 103, 12}, 100, s);
    EXPECT_EQ(bmp.Pixel(1, 6), RGB(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(50, 6), RGB(255, 255, 0));
    EXPECT_EQ(bmp.Pixel(101, 6), RGB(255, 0, 0));  // the last inner pixel
    EXPECT_EQ(bmp.Pixel(102, 6), plat::clBlack);    // the border

    auto half = White(103, 12);
    DrawLevelProgressBar(half.Canvas(), {0, 0, 103, 12}, 50, s);
    EXPECT_EQ(half.Pixel(40, 6), RGB(255, 255, 0));
    EXPECT_EQ(half.Pixel(60, 6), plat::clWhite);
}

TEST_F(ExtDrawBars, SignedBarGrowsFromTheMiddle) {
    auto bmp = White(104, 10);
    DrawSignedBar(bmp.Canvas(), {0, 0, 104, 10}, -50, 100, false, RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(bmp.Pixel(40, 5), RGB(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(20, 5), plat::clWhite);
    EXPECT_EQ(bmp.Pixel(60, 5), plat::clWhite);
    auto pos = White(104, 10);
    DrawSignedBar(pos.Canvas(), {0, 0, 104, 10}, 500, 100, false, RGB(255, 0, 0), RGB(0, 255, 0));
    EXPECT_EQ(pos.Pixel(100, 5), RGB(0, 255, 0));  // capped at the maximum
}

TEST_F(ExtDrawBars, CustomComboButtonUsesTheTones) {
    TColorTones tones;
    tones.Background = {RGB(200, 200, 255), RGB(0, 0, 128), RGB(10, 10, 10)};
    tones.Hover = {RGB(255, 240, 200), RGB(0, 0, 128), RGB(10, 10, 10)};
    for (int state : {0, 1}) {
        auto bmp = White(60, 20);
        DrawComboButton(bmp.Canvas(), {0, 0, 60, 20}, 3, state, tones);
        // The button is the 17 pixels at the right, moved 2 left, then 3 right for custom.
        const int left = 60 - 19 + 3;
        EXPECT_EQ(bmp.Pixel(left + 12, 4), state == 0 ? RGB(200, 200, 255) : RGB(255, 240, 200));
        EXPECT_EQ(bmp.Pixel(left + 1, 10), RGB(0, 0, 128));
        EXPECT_EQ(bmp.Pixel(left + 8, 9), RGB(10, 10, 10));  // the arrow
        EXPECT_EQ(bmp.Pixel(10, 10), plat::clWhite);         // the rest of the cell
    }
}

TEST_F(ExtDrawBars, TransparentBitmapTakesTheBackground) {
    plat::TBitmap pic(4, 4);
    pic.Canvas().Brush().SetColor(RGB(255, 0, 255));
    pic.Canvas().FillRect({0, 0, 4, 4});
    pic.Canvas().SetPixels(2, 2, RGB(0, 0, 0));
    auto bmp = White(10, 10);
    DrawBitmapTransparent(bmp.Canvas(), pic, RGB(0, 128, 0), {3, 3, 10, 10});
    EXPECT_EQ(bmp.Pixel(3, 3), RGB(0, 128, 0));
    EXPECT_EQ(bmp.Pixel(5, 5), RGB(0, 0, 0));
    EXPECT_EQ(bmp.Pixel(7, 7), plat::clWhite);
    EXPECT_TRUE(DrawResourceBitmap(bmp.Canvas(), plat::clWhite, {0, 0, 10, 10}, "glyphs/LBOK.bmp"));
    EXPECT_FALSE(DrawResourceBitmap(bmp.Canvas(), plat::clWhite, {0, 0, 10, 10}, "glyphs/none.bmp"));
}

TEST_F(ExtDrawBars, ErrorUnderlineMarksOnlyTheWrongWord) {
    auto bmp = White(200, 30);
    bmp.Canvas().Font().SetHeight(-12);
    const std::string text = "good badword good";
    const int from = bmp.Canvas().TextWidth("good ");
    const int to = bmp.Canvas().TextWidth("good badword");
    DrawErrorUnderline(bmp.Canvas(), text, {0, 0, 200, 30}, 14, 7, 6);
    auto redIn = [&](int x0, int x1) {
        int red = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = 12; y < 20; ++y)
                if (bmp.Pixel(x, y) == RGB(255, 0, 0)) ++red;
        return red;
    };
    EXPECT_GT(redIn(from + 1, to - 2), 0);
    EXPECT_EQ(redIn(0, from - 1), 0);
    EXPECT_EQ(redIn(to + 6, 200), 0);
}

TEST_F(ExtDrawBars, PieFillsTheWedgeClockwiseFromTheTop) {
    const struct { int pct; bool rightFilled, leftFilled; } cases[] = {{50, true, false}, {0, false, false}};
    for (const auto& c : cases) {
        auto bmp = White(41, 41);
        DrawProgressPie(bmp.Canvas(), {0, 0, 41, 41}, RGB(0, 160, 0), c.pct, false);
        EXPECT_EQ(bmp.Pixel(30, 12) == RGB(0, 160, 0), c.rightFilled) << c.pct;
        EXPECT_EQ(bmp.Pixel(10, 28) == RGB(0, 160, 0), c.leftFilled) << c.pct;
        EXPECT_EQ(bmp.Pixel(1, 1), plat::clWhite) << "outside the circle";
    }
}
