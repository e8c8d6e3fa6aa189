#include "grid/GridIndicators.h"

#include <algorithm>
#include <numeric>

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"

namespace {

using namespace grid;

TEST(ArrowWindow, Shapes) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    const struct {
        TArrowDirection dir;
        plat::TPoint tip;
        plat::TPoint inside;
        plat::TPoint outside;
    } cases[] = {
        {arrUp, {5, 0}, {5, 7}, {0, 8}},
        {arrDown, {5, 8}, {5, 2}, {0, 0}},
        {arrLeft, {8, 5}, {2, 5}, {0, 0}},
        {arrRight, {0, 5}, {6, 5}, {8, 0}},
    };
    for (const auto& c : cases) {
        auto* w = new TArrowWindow(&form);
        w->Init(&form, c.dir);
        EXPECT_FALSE(w->Visible());
        EXPECT_EQ(w->Color(), 0x00FF00u);
        EXPECT_EQ(w->Parent(), &form);
        const auto& p = w->Points();
        EXPECT_NE(std::find(p.begin(), p.end(), c.tip), p.end()) << c.dir;
        EXPECT_TRUE(w->InShape(c.inside.X, c.inside.Y)) << c.dir;
        EXPECT_FALSE(w->InShape(c.outside.X, c.outside.Y)) << c.dir;
    }
    // The downward arrow spans 10 by 9 points.
    const auto down = ArrowPolygon(arrDown);
    int minX = 99, maxX = 0, maxY = 0;
    for (const auto& pt : down) minX = std::min(minX, pt.X), maxX = std::max(maxX, pt.X), maxY = std::max(maxY, pt.Y);
    EXPECT_EQ(maxX - minX + 2, 10);
    EXPECT_EQ(maxY + 1, 9);
}

TEST(GlowMask, KernelTrimming) {
    EXPECT_EQ(BlurKernel(0.1).size(), 3u);
    const auto k = BlurKernel(3);
    EXPECT_EQ(k.size() % 2, 1u);
    EXPECT_LT(k.size(), 21u);
    EXPECT_NEAR(std::accumulate(k.begin(), k.end(), 0.0), 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(k.front(), k.back());
}

TEST(GlowMask, BlurKeepsUniformAreasAndRefusesOtherFormats) {
    plat::TBitmap white(50, 50);
    white.SetPixelFormat(plat::pf24bit);
    GaussianBlur(white, 3);
    EXPECT_EQ(white.Pixel(0, 0), plat::clWhite);
    EXPECT_EQ(white.Pixel(25, 25), plat::clWhite);

    plat::TBitmap alpha(10, 10);
    alpha.SetPixelFormat(plat::pf32bit);
    try {
        GaussianBlur(alpha, 3);
        FAIL() << "no error";
    } catch (const EBlurError& e) {
        EXPECT_STREQ(e.what(), "Blur only works for 24-bit bitmaps");
    }
}

TEST(GlowMask, RoundRectMask) {
    plat::TBitmap hard;
    BuildRoundRectMask(hard, 60, 40, 4, 5, 0);
    EXPECT_EQ(hard.Width(), 60);
    EXPECT_EQ(hard.Pixel(30, 4), plat::clWhite);   // on the outline
    EXPECT_EQ(hard.Pixel(30, 20), plat::clBlack);  // inside
    EXPECT_EQ(hard.Pixel(0, 0), plat::clBlack);

    plat::TBitmap filled;
    BuildRoundRectMask(filled, 60, 40, 0, 5, 0);
    EXPECT_EQ(filled.Pixel(30, 20), plat::clWhite);

    plat::TBitmap soft;
    BuildRoundRectMask(soft, 60, 40, 4, 5, 3);
    const int edge = plat::GetRValue(soft.Pixel(30, 1));
    EXPECT_GT(edge, 0);  // the blur spreads the outline outwards
    EXPECT_LT(edge, 255);
    EXPECT_EQ(plat::GetRValue(soft.Pixel(30, 20)), 0);  // the middle stays dark
    EXPECT_EQ(soft.Pixel(25, 1), soft.Pixel(15, 1));   // middle columns copy column 15
}

TEST(GlowMask, MergeMask) {
    plat::TBitmap colour(4, 3);
    colour.SetPixelFormat(plat::pf24bit);
    colour.Canvas().Brush().SetColor(0x97D3FD);
    colour.Canvas().FillRect({0, 0, 4, 3});
    plat::TBitmap black(4, 3);
    black.Canvas().Brush().SetColor(plat::clBlack);
    black.Canvas().FillRect({0, 0, 4, 3});
    plat::TBitmap white(4, 3);

    TGridAlphaMask m;
    m.MergeMask(black, colour, plat::clRed);
    EXPECT_EQ(m.Pixel(1, 1), (TGridAlphaMask::TPixel{0, 0, 0, 0}));
    m.MergeMask(white, colour, plat::clRed);
    EXPECT_EQ(m.Pixel(1, 1), (TGridAlphaMask::TPixel{0x97, 0xD3, 0xFD, 255}));

    plat::TBitmap half(4, 3);
    half.Canvas().Brush().SetColor(plat::RGB(128, 128, 128));
    half.Canvas().FillRect({0, 0, 4, 3});
    m.MergeMask(half, colour, plat::clRed);
    EXPECT_EQ(m.Pixel(0, 0).A, 128);
    EXPECT_EQ(m.Pixel(0, 0).R, 0x7F);  // round(253 * 128 / 255)

    plat::TBitmap deep(4, 3);
    deep.SetPixelFormat(plat::pf32bit);
    TGridAlphaMask untouched;
    untouched.MergeMask(white, deep, plat::clRed);
    EXPECT_EQ(untouched.Width(), 0);

    TGridAlphaMask copy;
    m.Opacity = 230;
    copy.Assign(m);
    EXPECT_EQ(copy.Opacity, 230);
    EXPECT_EQ(copy.Pixel(3, 2), m.Pixel(3, 2));
}

TEST(GlowMask, FocusWindowDefaults) {
    plat::EnsureGuiApplication();
    plat::TForm form(nullptr);
    TGridFocusWindow w(&form);
    EXPECT_EQ(w.Width(), 0);
    EXPECT_EQ(w.Color(), 0x0000FFu);
    EXPECT_FALSE(w.Enabled());
}

}  // namespace
