#include <gtest/gtest.h>

#include "PaintTestSupport.h"
#include "controls/ExtDraw.h"
#include "platform/Bitmap.h"
#include "platform/GuiApp.h"

using namespace ctl;
using plat::RGB;
using plat::TColor;

namespace {

class ExtDraw : public ctltest::PaintTest {};

}  // namespace

TEST_F(ExtDraw, ColourHelpers) {
    EXPECT_EQ(ScaleColorPercent(plat::clWhite, 7), plat::clWhite);
    EXPECT_EQ(ScaleColorPercent(RGB(100, 100, 100), -20), RGB(80, 80, 80));
    EXPECT_EQ(ScaleColorPercent(RGB(10, 0, 250), 10), RGB(11, 0, 255));
    EXPECT_EQ(HalveColor(RGB(255, 100, 3)), RGB(127, 50, 1));
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), plat::clNone, 0, 10, 5), RGB(0, 0, 0));
    EXPECT_EQ(InterpolateColor(RGB(0, 100, 200), RGB(100, 0, 200), 0, 10, 5), RGB(50, 50, 200));
}

TEST_F(ExtDraw, VerticalGradientBandsFollowTheSteps) {
    // 16 steps on 5 rows are cut to 4 steps: five bands, one per row.
    auto bmp = White(3, 5);
    FillGradientRect(bmp.Canvas(), RGB(0, 0, 0), RGB(200, 100, 40), 16, {0, 0, 3, 5}, false);
    const TColor want[] = {RGB(0, 0, 0), RGB(50, 25, 10), RGB(100, 50, 20), RGB(150, 75, 30), RGB(200, 100, 40)};
    for (int y = 0; y < 5; ++y) EXPECT_EQ(bmp.Pixel(1, y), want[y]) << "row " << y;
}

TEST_F(ExtDraw, HorizontalGradientAndSolidFallbacks) {
    auto bmp = White(9, 2);
    FillGradientRect(bmp.Canvas(), RGB(0, 0, 0), RGB(80, 80, 80), 64, {0, 0, 9, 2}, true);
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(bmp.Pixel(4, 1), RGB(40, 40, 40));
    EXPECT_EQ(bmp.Pixel(8, 0), RGB(80, 80, 80));

    const struct { TColor from, to, want; } cases[] = {
        {RGB(1, 2, 3), plat::clNone, RGB(1, 2, 3)},
        {plat::clNone, RGB(4, 5, 6), RGB(4, 5, 6)},
    };
    for (const auto& c : cases) {
        auto solid = White(4, 4);
        FillGradientRect(solid.Canvas(), c.from, c.to, 16, {0, 0, 4, 4}, false);
        EXPECT_EQ(solid.Pixel(0, 0), c.want);
        EXPECT_EQ(solid.Pixel(3, 3), c.want);
    }
    auto empty = White(4, 4);
    FillGradientRect(empty.Canvas(), RGB(1, 2, 3), RGB(4, 5, 6), 16, {0, 2, 4, 2}, false);
    EXPECT_EQ(empty.Pixel(0, 2), plat::clWhite);
}

TEST_F(ExtDraw, CellBackgroundMirrorHalves) {
    auto bmp = White(10, 20);
    PaintCellBackground(bmp.Canvas(), {0, 0, 10, 20}, RGB(255, 0, 0), RGB(255, 0, 0), RGB(0, 0, 255),
                        RGB(0, 0, 255), true, plat::clNone, false, true);
    EXPECT_EQ(bmp.Pixel(5, 2), RGB(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(5, 17), RGB(0, 0, 255));

    auto framed = White(10, 10);
    PaintCellBackground(framed.Canvas(), {0, 0, 10, 10}, plat::clNone, plat::clNone, plat::clNone, plat::clNone, true,
                        RGB(0, 128, 0), true, true);
    EXPECT_EQ(framed.Pixel(0, 5), RGB(0, 128, 0));
    EXPECT_EQ(framed.Pixel(9, 5), RGB(0, 128, 0));
    EXPECT_EQ(framed.Pixel(5, 0), plat::clWhite);  // lines only: no top edge
}

TEST_F(ExtDraw, SelectionFaceBorderCornersAndFill) {
    auto bmp = White(20, 12);
    const TSelectionFaceColors colors{RGB(10, 10, 10), plat::clNone, plat::clNone, plat::clNone, RGB(1, 1, 1),
                                      RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5)};
    DrawSelectionGradientFace(bmp.Canvas(), colors, {0, 0, 20, 12}, 0);
    // Working rectangle L=0 T=0 R=19 B=10.
    EXPECT_EQ(bmp.Pixel(5, 0), RGB(3, 3, 3));    // top border
    EXPECT_EQ(bmp.Pixel(5, 10), RGB(3, 3, 3));   // bottom border
    EXPECT_EQ(bmp.Pixel(0, 5), RGB(3, 3, 3));    // left end
    EXPECT_EQ(bmp.Pixel(18, 5), RGB(3, 3, 3));   // right end
    EXPECT_EQ(bmp.Pixel(0, 0), RGB(5, 5, 5));    // rounded corner shows the background
    EXPECT_EQ(bmp.Pixel(1, 0), RGB(4, 4, 4));    // edge pixel
    EXPECT_EQ(bmp.Pixel(8, 5), RGB(10, 10, 10)); // solid inside
    EXPECT_EQ(bmp.Pixel(8, 1), RGB(1, 1, 1));    // inner top line
}

TEST_F(ExtDraw, ShapesKeepTheirBox) {
    auto bmp = White(20, 10);
    DrawCellShape(bmp.Canvas(), 0, 0, 20, 10, csCircle, RGB(255, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(bmp.Pixel(15, 5), plat::clWhite);  // a circle, not an ellipse over the box

    auto none = White(20, 10);
    DrawCellShape(none.Canvas(), 0, 0, 20, 10, static_cast<TCellShape>(19), RGB(255, 0, 0), RGB(255, 0, 0));
    for (int x = 0; x < 20; x += 3) EXPECT_EQ(none.Pixel(x, 5), plat::clWhite);
}
