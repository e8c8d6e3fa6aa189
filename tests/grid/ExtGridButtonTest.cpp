#include "grid/ExtGridButton.h"

#include <cmath>

#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

namespace {

using namespace grid;

class GridButton : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
    }
    TExtGridButton* Make(int left = 0) {
        auto* b = new TExtGridButton(form.get());
        b->SetParent(form.get());
        b->SetBounds(left, 0, 90, 23);
        return b;
    }
    std::unique_ptr<plat::TForm> form;
};

TEST_F(GridButton, DownNeedsAGroupOrTheCheckStyle) {
    TExtGridButton* plain = Make();
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down());
    plain->SetStyle(tasCheck);
    plain->SetDown(true);
    EXPECT_TRUE(plain->Down());

    TExtGridButton* a = Make(100);
    TExtGridButton* b = Make(200);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    EXPECT_EQ(a->State(), bsExclusive);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    b->SetDown(false);  // a grouped down button cannot be released by writing
    EXPECT_TRUE(b->Down());
    a->SetAllowAllUp(true);  // shared by the whole group
    b->SetDown(false);
    EXPECT_FALSE(b->Down());
}

TEST_F(GridButton, ClicksOnReleaseInside) {
    TExtGridButton* btn = Make();
    int clicks = 0;
    btn->OnClick = [&](plat::TObject*) { ++clicks; };
    plat::test::MouseDown(*btn, plat::mbLeft, 10, 10);
    EXPECT_EQ(btn->State(), bsDown);
    EXPECT_EQ(clicks, 0);
    plat::test::MouseUp(*btn, plat::mbLeft, 10, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(btn->State(), bsUp);
    plat::test::MouseDown(*btn, plat::mbLeft, 10, 10);
    plat::test::MouseMove(*btn, 150, 10, plat::ssLeft);
    EXPECT_EQ(btn->State(), bsUp);
    plat::test::MouseUp(*btn, plat::mbLeft, 150, 10);
    EXPECT_EQ(clicks, 1);

    btn->SetStyle(tasCheck);
    plat::test::ClickAt(*btn, 10, 10);
    EXPECT_TRUE(btn->Down());
    plat::test::ClickAt(*btn, 10, 10);
    EXPECT_FALSE(btn->Down());
    EXPECT_EQ(clicks, 3);
}

TEST_F(GridButton, PropertyWrites) {
    TExtGridButton* btn = Make();
    btn->SetMargin(-2);
    EXPECT_EQ(btn->Margin(), -1);
    btn->SetMargin(3);
    EXPECT_EQ(btn->Margin(), 3);
    btn->SetLook(0);
    EXPECT_TRUE(btn->Rounded());
    btn->SetLook(2);
    EXPECT_FALSE(btn->Rounded());
    EXPECT_EQ(btn->Color(), 0xFDEADAu);
    EXPECT_EQ(btn->ColorHotTo, 0x91D0FFu);
    EXPECT_EQ(btn->BorderHotColor, 0u);
    btn->SetLook(7);
    EXPECT_EQ(btn->Look(), 2);
    EXPECT_EQ(btn->Color(), 0xFDEADAu);
    btn->SetAutoThemeAdapt(true);  // no visual style: the plain preset
    EXPECT_EQ(btn->Look(), 1);
    EXPECT_EQ(btn->ColorDown, 0xE2B598u);
}

TEST_F(GridButton, GlyphCopiesAndPlacement) {
    TExtGridButton* btn = Make();
    plat::TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(plat::clFuchsia);
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().SetPixels(5, 5, plat::RGB(200, 100, 50));
    btn->SetGlyph(glyph);
    EXPECT_EQ(btn->GlyphDisabled().Pixel(5, 5), plat::RGB(154, 154, 154));
    EXPECT_EQ(btn->ShadeBitmap().Pixel(5, 5), 0x808080u);
    EXPECT_EQ(btn->ShadeBitmap().Pixel(0, 0), plat::clFuchsia);
    plat::TBitmap other(8, 8);
    btn->SetGlyph(other);  // an existing disabled glyph stays
    EXPECT_EQ(btn->GlyphDisabled().Width(), 16);

    btn->SetGlyph(glyph);
    btn->SetLayout(plat::blGlyphRight);
    plat::TPoint gp;
    plat::TRect cr;
    btn->GlyphAndCaptionPos(gp, cr);
    EXPECT_EQ(gp, (plat::TPoint{0, 0}));  // no caption

    btn->SetCaption("Find");
    btn->SetLayout(plat::blGlyphLeft);
    btn->GlyphAndCaptionPos(gp, cr);
    plat::TCanvas measure;
    measure.SetFont(btn->Font());
    const int tw = measure.TextWidth("Find");
    const int margin = (90 - 16 - 4 - tw + 1) / 2;
    EXPECT_EQ(gp, (plat::TPoint{margin, 4}));
    EXPECT_EQ(cr.Left, margin + 16 + 4);
}

TEST(GridButtonGradient, SixteenBandsOneStepShort) {
    plat::TBitmap bmp(10, 32);
    DrawGridButtonGradient(bmp.Canvas(), plat::clBlack, plat::clWhite, plat::clNone, {0, 0, 10, 32});
    for (int i = 0; i < 16; ++i) {
        const int v = int(std::nearbyint(i * 255 / 16.0));
        EXPECT_EQ(bmp.Pixel(5, 2 * i), plat::RGB(v, v, v)) << i;
    }
    DrawGridButtonGradient(bmp.Canvas(), plat::clBlack, plat::clWhite, plat::clRed, {0, 0, 10, 32});
    EXPECT_EQ(bmp.Pixel(0, 10), plat::clRed);
    EXPECT_EQ(bmp.Pixel(5, 10), plat::RGB(80, 80, 80));
}

}  // namespace

namespace {

TEST_F(GridButton, PaintsTheFaceOfItsState) {
    TExtGridButton* btn = Make(150);  // away from where the pointer rests
    btn->SetLook(1);
    form->Show();
    plat::test::ProcessEvents();
    const plat::TColor face = plat::ColorToRGB(plat::clBtnFace);
    EXPECT_EQ(plat::test::PixelAt(*btn, 45, 5),
              (plat::test::TRgb{plat::GetRValue(face), plat::GetGValue(face), plat::GetBValue(face)}));
    plat::test::MouseEnter(*btn);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*btn, 45, 5), (plat::test::TRgb{0xC1, 0xD2, 0xEE}));
    plat::test::MouseDown(*btn, plat::mbLeft, 45, 5);
    plat::test::ProcessEvents();
    EXPECT_EQ(plat::test::PixelAt(*btn, 45, 5), (plat::test::TRgb{0x98, 0xB5, 0xE2}));
    plat::test::MouseUp(*btn, plat::mbLeft, 45, 5);
}

}  // namespace

namespace {

TEST_F(GridButton, DropDownZoneAndDoubleClicks) {
    TExtGridButton* btn = Make();
    btn->SetDropDownButton(true);
    int drops = 0, clicks = 0, doubles = 0;
    btn->OnDropDown = [&](plat::TObject*) { ++drops; };
    btn->OnClick = [&](plat::TObject*) { ++clicks; };
    btn->OnDblClick = [&](plat::TObject*) { ++doubles; };
    plat::test::ClickAt(*btn, 90 - 5, 10);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(btn->State(), bsUp);
    plat::test::ClickAt(*btn, 10, 10);
    EXPECT_EQ(clicks, 1);

    plat::test::DoubleClickAt(*btn, 10, 10);
    EXPECT_EQ(doubles, 0);  // only while the button is down
    btn->SetGroupIndex(3);
    btn->SetDown(true);
    plat::test::DoubleClickAt(*btn, 10, 10);
    EXPECT_GE(doubles, 1);
}

TEST_F(GridButton, ArrowPartOpensTheDropDownMenuBelowTheButton) {
    form->Show();
    TExtGridButton* btn = Make(20);
    btn->SetDropDownButton(true);
    auto* menu = new plat::TPopupMenu(form.get());
    std::string picked;
    for (const char* caption : {"Copy", "Paste"})
        menu->Items().push_back({caption, [&picked, caption](plat::TObject*) { picked = caption; }});
    btn->SetDropDownMenu(menu);
    int clicks = 0;
    btn->OnClick = [&](plat::TObject*) { ++clicks; };

    plat::test::ClickAt(*btn, 10, 10);  // the face clicks, no menu
    EXPECT_EQ(plat::TPopupMenu::Showing(), nullptr);
    plat::test::ClickAt(*btn, 90 - 5, 10);
    ASSERT_EQ(plat::TPopupMenu::Showing(), menu);
    EXPECT_TRUE(menu->IsShowing());
    const plat::TPoint corner = btn->ClientToScreen({0, 23});
    EXPECT_EQ(menu->PopupPoint().X, corner.X);
    EXPECT_EQ(menu->PopupPoint().Y, corner.Y);
    menu->Pick(1);
    EXPECT_EQ(picked, "Paste");
    EXPECT_FALSE(menu->IsShowing());
    EXPECT_EQ(plat::TPopupMenu::Showing(), nullptr);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
