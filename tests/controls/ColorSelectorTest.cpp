#include "controls/ColorSelector.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "PickerTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/Cursors.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
namespace pt = plat::test;
using ctltest::Rgb;

class ColorPanels : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 500, 400);
        form->SetColor(plat::clWhite);
        form->Show();
    }
    void TearDown() override { form.reset(); }
    template <class T>
    T* Make(int left) {
        T* p = new T(form.get());
        p->SetParent(form.get());
        p->SetLeft(left);
        p->SetTop(10);
        return p;
    }
    std::unique_ptr<plat::TForm> form;
};

TEST_F(ColorPanels, PaletteLaysOutOneRowApartAndJoinedShades) {
    auto* s = Make<TCustomColorSelector>(10);
    EXPECT_EQ((plat::TSize{s->Width(), s->Height()}), (plat::TSize{100, 50}));  // empty
    s->FillDefaultColors();
    ASSERT_EQ(s->Items().Count(), 60);
    EXPECT_EQ((plat::TSize{s->Width(), s->Height()}), (plat::TSize{165, 84}));
    const struct {
        int index;
        plat::TRect rect;
    } cases[] = {
        {0, {4, 4, 16, 16}},       {9, {148, 4, 160, 16}},  // first row, 4 apart
        {10, {4, 20, 16, 32}},                              // 4-pixel gap below the first row
        {20, {4, 32, 16, 44}},                              // lower rows touch
        {59, {148, 68, 160, 80}},
    };
    for (const auto& c : cases) EXPECT_EQ(s->Items().Items(c.index)->FRect, c.rect) << c.index;
    s->SetColumnGap(0);
    EXPECT_EQ(s->Items().Items(10)->FRect, (plat::TRect{4, 16, 16, 28}));
    EXPECT_EQ((plat::TSize{s->Width(), s->Height()}), (plat::TSize{129, 80}));
}

TEST_F(ColorPanels, PaletteSelectsByColourAndKey) {
    auto* s = Make<TCustomColorSelector>(10);
    s->FillDefaultColors();
    int fired = 0;
    s->OnItemSelect = [&](plat::TObject*) { ++fired; };
    const struct {
        plat::TColor color;
        int index;
        int fired;
    } colours[] = {
        {0x7F7F7F, 11, 1},  // the first box of that colour, not the one in the last row
        {0x123456, -1, 0},
        {0x064897, 59, 1},
        {plat::clNone, -1, 0},
    };
    for (const auto& c : colours) {
        fired = 0;
        s->SetSelectedColor(c.color);
        EXPECT_EQ(s->ItemIndex(), c.index) << std::hex << c.color;
        EXPECT_EQ(fired, c.fired) << std::hex << c.color;
    }
    const struct {
        int from;
        unsigned short key;
        bool editor, open;
        int result;
    } keys[] = {
        {5, plat::VK_UP, false, true, 5},     // first row: nothing above
        {55, plat::VK_DOWN, false, true, 55},  // last row: nothing below
        {15, plat::VK_UP, false, true, 5},
        {15, plat::VK_DOWN, false, true, 25},
        {-1, plat::VK_DOWN, false, true, 0},
        {15, plat::VK_UP, false, false, 14},  // closed: previous and next
        {15, plat::VK_LEFT, true, false, 15},  // typing editor, closed: arrows stay with it
        {15, plat::VK_RIGHT, true, true, 16},
        {15, plat::VK_HOME, false, false, 0},
        {15, plat::VK_NEXT, false, false, 59},
        {-1, plat::VK_LEFT, false, false, -1},  // nothing before no selection
        {15, plat::VK_TAB, false, true, 15},
    };
    for (const auto& k : keys) {
        s->SetItemIndex(k.from);
        s->SelectByKey(k.key, k.editor, k.open);
        EXPECT_EQ(s->ItemIndex(), k.result) << k.from << " key " << k.key;
    }
    s->SetItemIndex(3);
    s->SetEnabled(false);
    s->SelectByKey(plat::VK_RIGHT, false, true);
    EXPECT_EQ(s->ItemIndex(), 3);
    s->SetItemIndex(60);  // past the palette: refused
    EXPECT_EQ(s->ItemIndex(), 3);
}

TEST_F(ColorPanels, PaletteMouseAndPainting) {
    auto* empty = Make<TCustomColorSelector>(300);
    pt::ClickAt(*empty, 10, 10);
    empty->SelectByKey(plat::VK_HOME, false, true);
    EXPECT_EQ(empty->ItemIndex(), -1);
    auto* s = Make<TCustomColorSelector>(10);
    s->FillDefaultColors();
    pt::MouseMove(*s, 25, 10);  // box 1
    EXPECT_EQ(s->ItemHot(), 1);
    pt::MouseMove(*s, 18, 10);  // between boxes
    EXPECT_EQ(s->ItemHot(), -1);
    pt::ClickAt(*s, 10 + 16 * 5, 10);
    EXPECT_EQ(s->ItemIndex(), 5);
    EXPECT_EQ(s->SelectedColor(), 0x4D50C0u);
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*s, 25, 9), Rgb(0x000000));       // a black box, inside
    EXPECT_EQ(pt::PixelAt(*s, 4, 4), Rgb(0xC5C5C5));        // a white box's frame
    EXPECT_EQ(pt::PixelAt(*s, 84, 4), Rgb(0x0000FF));       // selected: red outer frame
    EXPECT_EQ(pt::PixelAt(*s, 85, 5), Rgb(0x94E2FF));       // and the pale inner one
    EXPECT_EQ(pt::PixelAt(*s, 10, 31), Rgb(0xF2F2F2));      // joined shades: no line between
    EXPECT_EQ(pt::PixelAt(*s, 10, 32), Rgb(0xD8D8D8));
    EXPECT_EQ(pt::AccessibleNameOf(*s), "Colour palette");
    EXPECT_TRUE(pt::SaveScreenshot(*s, TestOutFile("ColorSelector_palette.png")));
}

TEST_F(ColorPanels, CubeColourUnderAPoint) {
    auto* cube = Make<TExtColorCubePanel>(10);
    EXPECT_EQ((plat::TSize{cube->Width(), cube->Height()}), (plat::TSize{182, 160}));
    const struct {
        int x, y;
        plat::TColor color;
    } cases[] = {
        {55, 20, 0x663300},   // cell 1
        {91, 80, 0xFFFFFF},   // cell 64, the middle of row 7
        {19, 80, 0x003300},   // row 7 starts at x 19
        {163, 80, 0x660066},  // and ends at 163
        {109, 130, 0x0000FF},
        {61, 20, 0x663300},   // 6 away from cells 1 and 2: the first wins
        {55, 26, 0x663300},   // 6 below the centre: still inside
        {55, 27, plat::clNone},
        {5, 5, plat::clNone},
    };
    for (const auto& c : cases) EXPECT_EQ(cube->ColorAtPos(c.x, c.y), c.color) << c.x << "," << c.y;
    EXPECT_EQ(cube->Cell(64).Color, 0xFFFFFFu);
    const struct {
        plat::TColor color;
        int index;
    } marks[] = {{0xFFFFFF, 64}, {0x663300, 1}, {0x2100A5, 127}, {0x123456, -1}};
    for (const auto& m : marks) {
        cube->SetSelectedColor(m.color);
        EXPECT_EQ(cube->SelectedIndex(), m.index) << std::hex << m.color;
    }
}

TEST_F(ColorPanels, CubeClickHoverAndPicture) {
    auto* cube = Make<TExtColorCubePanel>(10);
    int selects = 0, hides = 0;
    cube->OnSelect = [&](plat::TObject*) { ++selects; };
    cube->FOnShouldHide = [&](plat::TObject*) { ++hides; };
    pt::ClickAt(*cube, 55, 28);  // between cells
    EXPECT_EQ(selects, 0);
    EXPECT_EQ(cube->SelectedColor(), plat::clNone);
    pt::MouseMove(*cube, 109, 130);
    EXPECT_EQ(cube->HotIndex(), 118);
    EXPECT_EQ(cube->Hint(), "Red: 255,  Green: 0,  Blue: 0");
    pt::MouseMove(*cube, 2, 2);
    EXPECT_EQ(cube->Hint(), "");
    EXPECT_EQ(cube->HotIndex(), 118);  // the mark stays
    pt::ClickAt(*cube, 91, 80);
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(hides, 2);
    EXPECT_EQ(cube->SelectedColor(), 0xFFFFFFu);
    EXPECT_EQ(cube->SelectedIndex(), 64);
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*cube, 55, 20), Rgb(0x663300));
    EXPECT_EQ(pt::PixelAt(*cube, 19, 80), Rgb(0x003300));
    EXPECT_EQ(pt::PixelAt(*cube, 86, 80), Rgb(plat::clBlack));  // the selection's outline
    EXPECT_EQ(pt::PixelAt(*cube, 104, 130), Rgb(plat::clRed));   // the hot outline
    EXPECT_TRUE(pt::SaveScreenshot(*cube, TestOutFile("ColorCube.png")));
}

TEST_F(ColorPanels, SpectrumColourUnderAPoint) {
    const struct {
        int x, y;
        plat::TColor color;
    } cases[] = {
        {0, 0, plat::clWhite}, {100, 0, plat::clWhite},  // the top row is white
        {0, 64, plat::RGB(255, 0, 0)},                   // pure hues in the middle
        {64, 64, plat::RGB(0, 255, 255)},
        {32, 64, plat::RGB(127, 255, 0)},
        {0, 127, plat::clBlack}, {90, 127, plat::clBlack},
        {0, 32, plat::RGB(255, 128, 128)},  // halfway to white
    };
    for (const auto& c : cases) EXPECT_EQ(SpectrumColorAt(c.x, c.y), c.color) << c.x << "," << c.y;
    auto* sp = Make<TExtColorSpectrumPanel>(10);
    EXPECT_EQ((plat::TSize{sp->Width(), sp->Height()}), (plat::TSize{150, 174}));
    EXPECT_EQ(sp->SelectedRect(), (plat::TRect{10, 146, 73, 166}));
    EXPECT_EQ(sp->HotRect(), (plat::TRect{77, 146, 140, 166}));
    pt::ProcessEvents();
    for (const auto& c : cases)
        EXPECT_EQ(pt::PixelAt(*sp, 11 + c.x, 10 + c.y), Rgb(c.color)) << c.x << "," << c.y;
}

TEST_F(ColorPanels, SpectrumTakesTheColourUnderThePointer) {
    auto* sp = Make<TExtColorSpectrumPanel>(10);
    int selects = 0, hides = 0;
    sp->OnSelect = [&](plat::TObject*) { ++selects; };
    sp->FOnShouldHide = [&](plat::TObject*) { ++hides; };
    plat::TImage& image = *sp->SpectrumImage();
    pt::MouseDown(image, plat::mbLeft, 64, 64);  // before any move: no colour yet
    pt::MouseUp(image, plat::mbLeft, 64, 64);
    EXPECT_EQ(sp->SelectedColor(), plat::clNone);
    EXPECT_EQ(selects, 1);
    pt::MouseMove(image, 64, 64);
    EXPECT_EQ(sp->HotColor(), plat::RGB(0, 255, 255));
    pt::MouseMove(image, 0, 64);
    pt::ClickAt(image, 0, 64);
    EXPECT_EQ(sp->SelectedColor(), plat::RGB(255, 0, 0));
    EXPECT_EQ(selects, 2);
    EXPECT_EQ(hides, 2);
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*sp, 40, 156), Rgb(plat::RGB(255, 0, 0)));  // the selected box
    EXPECT_TRUE(pt::SaveScreenshot(*sp, TestOutFile("ColorSpectrum.png")));
}

// Over the spectrum the pointer is the program's own cross: black arms edged
// in white around a see-through gap at its hot spot.
TEST_F(ColorPanels, SpectrumShowsTheCrossPointer) {
    auto* sp = Make<TExtColorSpectrumPanel>(10);
    plat::TImage& image = *sp->SpectrumImage();
    EXPECT_EQ(image.Cursor(), crSpectrumPointer);
    plat::TBitmap pointer;
    plat::TPoint hot{};
    ASSERT_TRUE(pt::PointerPicture(image, pointer, hot));
    EXPECT_EQ(hot, (plat::TPoint{15, 15}));
    const struct {
        int x, y;
        int alpha, grey;
    } pixels[] = {
        {15, 15, 0, 0},     // the gap at the hot spot
        {15, 8, 255, 0},    // arms in black
        {22, 15, 255, 0},
        {14, 8, 255, 255},  // edged in white
        {15, 3, 255, 255},  // and capped
        {0, 0, 0, 0},       // the rest is see-through
        {30, 30, 0, 0},
    };
    for (const auto& p : pixels) {
        const std::uint8_t* px = pointer.ScanLine(p.y) + 4 * p.x;
        EXPECT_EQ(px[3], p.alpha) << p.x << "," << p.y;
        if (p.alpha > 0) EXPECT_EQ(px[1], p.grey) << p.x << "," << p.y;
    }
    EXPECT_TRUE(pointer.SavePng(TestOutFile("SpectrumPointer.png")));
}

}  // namespace
