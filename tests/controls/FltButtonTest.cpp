#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "platform/Actions.h"
#include "platform/ImgList.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

using namespace ctl;
using plat::RGB;
using plat::TColor;

namespace {

constexpr TColor kFace = RGB(248, 247, 237);
constexpr TColor kOrange = RGB(255, 128, 0);

// The look every window gives its buttons.
TFltButtonFace WindowFace() {
    TFltButtonFace f;
    f.Width = 100;
    f.Height = 23;
    f.Style = bsEncarta;
    f.Color = kFace;
    f.LightColor = plat::clGray;
    f.ShadowColor = plat::clGray;
    f.ColorWhenDown = kOrange;
    f.HotTrackColor = plat::clYellow;
    return f;
}

plat::TBitmap Draw(const TFltButtonFace& f) {
    plat::TBitmap bmp(f.Width, f.Height);
    DrawFltButtonFace(bmp.Canvas(), f);
    return bmp;
}

// Bounding box of the pixels of one colour.
plat::TRect BoxOf(const plat::TBitmap& bmp, TColor c) {
    plat::TRect box{bmp.Width(), bmp.Height(), -1, -1};
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (bmp.Pixel(x, y) == c) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x);
                box.Bottom = std::max(box.Bottom, y);
            }
    return box;
}

// A one-cell glyph: red, with a white lower-left pixel as its transparent colour.
plat::TBitmap RedGlyph(int cells) {
    plat::TBitmap g(8 * cells, 8);
    g.Canvas().Brush().SetColor(RGB(255, 0, 0));
    g.Canvas().FillRect({0, 0, 8 * cells, 8});
    g.Canvas().SetPixels(0, 7, plat::clWhite);
    return g;
}

class FltButtonFace : public ::testing::Test {
protected:
    void SetUp() override { plat::EnsureGuiApplication(); }
};

}  // namespace

TEST_F(FltButtonFace, WindowLookInEachState) {
    const struct { const char* state; bool enabled, pressed; int step; TColor face; } cases[] = {
        {"rest", true, false, 0, kFace},
        {"hot", true, false, 8, plat::clYellow},
        {"half faded", true, false, 4, RGB(251, 251, 118)},
        {"pressed", true, true, 8, kOrange},
        {"disabled", false, true, 8, kFace},
    };
    for (const auto& c : cases) {
        TFltButtonFace f = WindowFace();
        f.Enabled = c.enabled;
        f.Pressed = c.pressed;
        f.Hot = c.step > 0;
        f.HotTrackStep = c.step;
        const auto bmp = Draw(f);
        EXPECT_EQ(bmp.Pixel(50, 3), c.face) << c.state;
        EXPECT_EQ(bmp.Pixel(0, 10), plat::clGray) << c.state;   // 1-pixel frame
        EXPECT_EQ(bmp.Pixel(99, 10), plat::clGray) << c.state;
        EXPECT_EQ(bmp.Pixel(50, 22), plat::clGray) << c.state;
        EXPECT_EQ(bmp.Pixel(1, 10), c.face) << c.state;
    }
}

TEST_F(FltButtonFace, FocusWithoutPointerKeepsTheBaseColour) {
    TFltButtonFace f = WindowFace();
    f.Hot = true;  // focused: hot, but the step only follows the pointer
    f.HotTrackStep = 0;
    EXPECT_EQ(Draw(f).Pixel(50, 3), kFace);
}

TEST_F(FltButtonFace, FlatFrameShowsOnlyWhileHotOrPressed) {
    const struct { bool enabled, hot, pressed, frame; } cases[] = {
        {true, false, false, false}, {true, true, false, true}, {true, false, true, true}, {false, true, true, false}};
    for (auto style : {bsNormal, bsEncarta}) {
        for (const auto& c : cases) {
            TFltButtonFace f = WindowFace();
            f.Style = style;
            f.Flat = true;
            f.HotTrackColor = plat::clNone;
            f.ColorWhenDown = plat::clNone;
            f.Enabled = c.enabled;
            f.Hot = c.hot;
            f.Pressed = c.pressed;
            EXPECT_EQ(Draw(f).Pixel(0, 10) == plat::clGray, c.frame)
                << style << " " << c.enabled << c.hot << c.pressed;
        }
    }
}

TEST_F(FltButtonFace, PressedNormalButtonShiftsItsGlyphButEncartaDoesNot) {
    const auto glyph = RedGlyph(1);
    for (auto style : {bsNormal, bsEncarta}) {
        TFltButtonFace f = WindowFace();
        f.Style = style;
        f.ColorWhenDown = plat::clNone;
        f.Glyph = &glyph;
        f.NumGlyphs = 1;
        const auto rest = BoxOf(Draw(f), RGB(255, 0, 0));
        f.Pressed = true;
        const auto down = BoxOf(Draw(f), RGB(255, 0, 0));
        const int shift = style == bsNormal ? 1 : 0;
        EXPECT_EQ(down.Left, rest.Left + shift) << style;
        EXPECT_EQ(down.Top, rest.Top + shift) << style;
        // Centred glyph without caption, its transparent corner left out.
        EXPECT_EQ(rest.Left, (100 - 8) / 2);
        EXPECT_EQ(rest.Right - rest.Left, 7);
    }
}

TEST_F(FltButtonFace, DisabledOneCellStripShowsNoGlyphAndGreyText) {
    const auto glyph = RedGlyph(1);
    TFltButtonFace f = WindowFace();
    f.Glyph = &glyph;
    f.NumGlyphs = 1;
    f.Enabled = false;
    f.Caption = "Disabled";
    const auto bmp = Draw(f);
    EXPECT_EQ(BoxOf(bmp, RGB(255, 0, 0)).Right, -1);
    // Any text pixel is grey or a blend of grey into the face.
    int dark = 0;
    for (int y = 2; y < 21; ++y)
        for (int x = 2; x < 98; ++x) {
            const TColor c = bmp.Pixel(x, y);
            if (c == kFace) continue;
            ++dark;
            EXPECT_GE(plat::GetRValue(c), 120) << x << "," << y;
        }
    EXPECT_GT(dark, 0);
}

TEST_F(FltButtonFace, GlyphCellsForHotAndPressed) {
    // Four cells of distinct colours: normal, disabled, pressed, hot.
    plat::TBitmap strip(32, 8);
    const TColor cells[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 0, 255)};
    for (int i = 0; i < 4; ++i) {
        strip.Canvas().Brush().SetColor(cells[i]);
        strip.Canvas().FillRect({8 * i, 0, 8 * i + 8, 8});
        strip.Canvas().SetPixels(8 * i, 7, plat::clWhite);
    }
    const struct { bool enabled, hot, pressed; int cell; } cases[] = {
        {true, false, false, 0}, {false, false, false, 1}, {true, true, false, 3}, {true, true, true, 2}};
    for (const auto& c : cases) {
        TFltButtonFace f = WindowFace();
        f.Style = bsNormal;
        f.ColorWhenDown = plat::clNone;
        f.HotTrackColor = plat::clNone;
        f.Glyph = &strip;
        f.NumGlyphs = 4;
        f.Enabled = c.enabled;
        f.Hot = c.hot;
        f.Pressed = c.pressed;
        EXPECT_GE(BoxOf(Draw(f), cells[c.cell]).Right, 0) << c.cell;
    }
}

TEST_F(FltButtonFace, BlendAndBands) {
    EXPECT_EQ(BlendHotTrackColor(RGB(0, 0, 0), RGB(255, 255, 255), 0), RGB(0, 0, 0));
    EXPECT_EQ(BlendHotTrackColor(RGB(0, 0, 0), RGB(255, 255, 255), 8), RGB(255, 255, 255));
    EXPECT_EQ(BlendHotTrackColor(RGB(0, 0, 0), RGB(255, 100, 9), 4), RGB(127, 50, 4));
    plat::TBitmap bmp(10, 62);
    FillGradientBands(bmp.Canvas(), RGB(0, 0, 0), RGB(31, 62, 93), 0, 0, 10, 62);
    EXPECT_EQ(bmp.Pixel(5, 0), RGB(0, 0, 0));
    EXPECT_EQ(bmp.Pixel(5, 61), RGB(30, 60, 90));  // the 32nd band starts at the bottom edge: empty
}

// --- the control --------------------------------------------------------------------
namespace {

class FltButtonControl : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        button = new TFltButton(form.get());
        button->SetParent(form.get());
        button->SetBounds(10, 10, 100, 23);
        button->SetStyle(bsEncarta);
        button->SetColor(kFace);
        button->SetLightColor(plat::clGray);
        button->SetColorWhenDown(kOrange);
        button->SetHotTrackColor(plat::clYellow);
        button->SetCaption("OK");
        form->Show();
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    }
    TColor At(int x, int y) {
        const auto p = plat::test::PixelAt(*button, x, y);
        return RGB(p.R, p.G, p.B);
    }
    std::unique_ptr<plat::TForm> form;
    TFltButton* button = nullptr;
};

}  // namespace

TEST_F(FltButtonControl, DefaultsOfANewButton) {
    TFltButton b(form.get());
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 23);
    EXPECT_EQ(b.Alignment(), plat::taCenter);
    EXPECT_EQ(b.Color(), plat::clBtnFace);
    EXPECT_EQ(b.ColorWhenDown(), plat::clNone);
    EXPECT_EQ(b.HotTrackColor(), plat::clNone);
    EXPECT_EQ(b.LightColor(), plat::clWhite);
    EXPECT_EQ(b.ShadowColor(), plat::clGray);
    EXPECT_EQ(b.Style(), bsNormal);
    EXPECT_EQ(b.Layout(), blGlyphLeft);
    EXPECT_EQ(b.Kind(), bkCustom);
    EXPECT_EQ(b.ModalResult(), 0);
    EXPECT_EQ(b.NumGlyphs(), 0);
    EXPECT_TRUE(b.TabStop());
    EXPECT_FALSE(b.SlowDecease());
    EXPECT_TRUE(b.HotTrackFont().SameAs(form->Font()));
}

TEST_F(FltButtonControl, PaintsEachStateOnScreen) {
    EXPECT_EQ(At(50, 3), kFace);
    EXPECT_EQ(At(0, 10), plat::clGray);
    plat::test::MouseEnter(*button);
    EXPECT_EQ(button->HotTrackStep(), 8);
    EXPECT_EQ(At(50, 3), plat::clYellow);
    plat::test::MouseDown(*button, plat::mbLeft, 50, 10);
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(At(50, 3), kOrange);
    plat::test::MouseUp(*button, plat::mbLeft, 50, 10);
    plat::test::MouseLeave(*button);
    EXPECT_EQ(button->HotTrackStep(), 0);
    button->SetEnabled(false);
    EXPECT_EQ(At(50, 3), kFace);
}

TEST_F(FltButtonControl, FocusedDefaultButtonShowsItsFocusRectangle) {
    button->SetDefault(true);
    auto column = [&] {
        int marks = 0;
        for (int y = 5; y < 18; ++y)
            if (At(4, y) != kFace) ++marks;
        return marks;
    };
    EXPECT_EQ(column(), 0);
    button->SetFocus();
    plat::test::ProcessEvents();
    ASSERT_TRUE(button->Focused());
    EXPECT_GT(column(), 0);
    EXPECT_EQ(At(50, 3), kFace);  // focus alone keeps the base colour
}

TEST_F(FltButtonControl, ClickFiresOnClickAndSetsTheFormsModalResult) {
    int clicks = 0;
    button->OnClick = [&](plat::TObject* s) {
        ++clicks;
        EXPECT_EQ(s, button);
    };
    button->SetModalResult(plat::mrCancel);
    plat::test::ClickAt(*button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), plat::mrCancel);
    EXPECT_FALSE(button->Pressed());
    // Pressed on the button, released elsewhere: still a click.
    plat::test::MouseDown(*button, plat::mbLeft, 5, 5);
    plat::test::MouseMove(*button, 250, 150);
    plat::test::MouseUp(*button, plat::mbLeft, 250, 150);
    EXPECT_EQ(clicks, 2);
    // A disabled button does not click.
    button->SetEnabled(false);
    plat::test::ClickAt(*button);
    EXPECT_EQ(clicks, 2);
}

TEST_F(FltButtonControl, ClickOpensItsPopupMenuAtTheLowerLeftCorner) {
    auto* menu = new plat::TPopupMenu(form.get());
    int picked = -1;
    for (int i = 0; i < 3; ++i) menu->Items().push_back({"Entry " + std::to_string(i), [&picked, i](plat::TObject*) { picked = i; }});
    button->SetPopupMenu(menu);
    const struct {
        const char* name;
        std::function<void()> press;
    } presses[] = {
        {"mouse", [&] { plat::test::ClickAt(*button); }},
        {"space", [&] {
             button->SetFocus();
             plat::test::SendKey(*button, plat::VK_SPACE);
         }},
    };
    for (const auto& p : presses) {
        picked = -1;
        p.press();
        ASSERT_EQ(plat::TPopupMenu::Showing(), menu) << p.name;
        const plat::TPoint corner = button->ClientToScreen({0, button->Height()});
        EXPECT_EQ(menu->PopupPoint().X, corner.X) << p.name;
        EXPECT_EQ(menu->PopupPoint().Y, corner.Y) << p.name;
        menu->Pick(2);
        EXPECT_EQ(picked, 2) << p.name;
        EXPECT_EQ(plat::TPopupMenu::Showing(), nullptr) << p.name;
    }
    // A disabled button opens nothing.
    button->SetEnabled(false);
    plat::test::ClickAt(*button);
    EXPECT_EQ(plat::TPopupMenu::Showing(), nullptr);
}

TEST_F(FltButtonControl, KeysAcceleratorsAndDialogKeys) {
    int clicks = 0;
    button->OnClick = [&](plat::TObject*) { ++clicks; };
    button->SetFocus();
    plat::test::SendKey(*button, plat::VK_SPACE);
    EXPECT_EQ(clicks, 1);
    plat::test::SendKey(*button, plat::VK_RETURN);
    EXPECT_EQ(clicks, 2);
    // A release without its press (the Enter that closed a dialog this
    // button opened) is not a click.
    button->Perform(plat::WM_KEYUP, plat::VK_RETURN);
    button->Perform(plat::WM_KEYUP, plat::VK_SPACE);
    EXPECT_EQ(clicks, 2);
    clicks = 1;
    button->SetCaption("&Save");
    EXPECT_EQ(button->Perform(plat::CM_DIALOGCHAR, 'S'), 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button->Perform(plat::CM_DIALOGCHAR, 'X'), 0);
    EXPECT_EQ(clicks, 2);

    // Enter clicks the default button unless another button has the focus.
    auto* other = new TFltButton(form.get());
    other->SetParent(form.get());
    other->SetBounds(120, 10, 100, 23);
    auto* edit = new plat::TEdit(form.get());
    edit->SetParent(form.get());
    edit->SetBounds(10, 60, 100, 23);
    button->SetDefault(true);
    form->SetActiveControl(other);
    button->Perform(plat::CM_DIALOGKEY, plat::VK_RETURN);
    EXPECT_EQ(clicks, 2);
    form->SetActiveControl(edit);
    button->Perform(plat::CM_DIALOGKEY, plat::VK_RETURN);
    EXPECT_EQ(clicks, 3);
    button->Perform(plat::CM_DIALOGKEY, plat::VK_ESCAPE);  // not a cancel button
    EXPECT_EQ(clicks, 3);
}

TEST_F(FltButtonControl, KindsPresetsAndTheirResets) {
    button->SetKind(bkCancel);
    EXPECT_EQ(button->Caption(), "Abbrechen");
    EXPECT_EQ(button->ModalResult(), 2);
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(button->Glyph().Width(), 36);  // two 18 x 18 cells
    EXPECT_EQ(button->Glyph().Height(), 18);
    EXPECT_EQ(button->Kind(), bkCancel);
    button->SetModalResult(1);
    EXPECT_EQ(button->Kind(), bkCustom);
    button->SetKind(bkAll);
    EXPECT_EQ(button->ModalResult(), 12);  // the number a form closed by "Alle" reports
    EXPECT_EQ(plat::mrAll, 12);
    const auto glyph = RedGlyph(3);
    button->SetGlyph(&glyph);
    EXPECT_EQ(button->Kind(), bkCustom);
    EXPECT_EQ(button->NumGlyphs(), 3);
    button->SetGlyph(nullptr);
    EXPECT_EQ(button->NumGlyphs(), 0);
    EXPECT_TRUE(button->Glyph().Empty());

    button->SetColorStyle(lcsGold);
    EXPECT_EQ(button->Style(), bsModern);
    EXPECT_EQ(button->ColorStyle(), lcsCustom);
    EXPECT_EQ(button->Color(), RGB(192, 192, 0));
    EXPECT_EQ(button->HotTrackColor(), RGB(223, 223, 0));
    button->SetColorStyle(lcsQuicken);
    EXPECT_EQ(button->Font().Color(), RGB(255, 255, 255));
    EXPECT_EQ(button->Style(), bsQuicken);
    button->SetColorStyle(lcsUltraFlat2);
    EXPECT_TRUE(button->Flat());
    EXPECT_EQ(button->Font().Color(), plat::clBlack);
}

TEST_F(FltButtonControl, SlowFadeReturnsInEightSteps) {
    plat::test::MouseEnter(*button);
    plat::test::MouseLeave(*button);
    EXPECT_EQ(button->HotTrackStep(), 0);  // without the fade: at once
    EXPECT_FALSE(button->Fading());

    button->SetSlowDecease(true);
    plat::test::MouseEnter(*button);
    plat::test::MouseLeave(*button);
    EXPECT_TRUE(button->Fading());
    EXPECT_EQ(button->HotTrackStep(), 8);
    for (int i = 7; i >= 0; --i) {
        button->FadeTick();
        EXPECT_EQ(button->HotTrackStep(), i);
    }
    EXPECT_FALSE(button->Fading());  // paused once back at the base colour

    // The timer drives it by itself too.
    plat::test::MouseEnter(*button);
    plat::test::MouseLeave(*button);
    for (int i = 0; i < 100 && button->Fading(); ++i) plat::test::Wait(20);
    EXPECT_EQ(button->HotTrackStep(), 0);
    EXPECT_FALSE(button->Fading());
    button->SetSlowDecease(false);
    EXPECT_FALSE(button->Fading());
}

TEST_F(FltButtonControl, ScreenshotOfTheWindowLook) {
    button->SetKind(bkOK);
    button->SetStyle(bsEncarta);
    button->SetHotTrackColor(plat::clYellow);
    EXPECT_TRUE(plat::test::SaveScreenshot(*form, TestOutFile("fltbutton.png")));
    EXPECT_EQ(At(50, 3), kFace);
}

TEST_F(FltButtonControl, ReportsCaptionAndButtonRole) {
    button->SetCaption("Update Device");
    EXPECT_EQ(plat::test::AccessibleNameOf(*button), "Update Device");
    EXPECT_EQ(plat::test::AccessibleRoleOf(*button), "button");
}

TEST_F(FltButtonFace, LongCaptionIsCutWithoutWordWrapAndWrapsWithIt) {
    auto inkColumns = [](const plat::TBitmap& bmp, int x0, int x1, int y0, int y1) {
        int ink = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                if (bmp.Pixel(x, y) != kFace) ++ink;
        return ink;
    };
    TFltButtonFace f = WindowFace();
    f.Width = 60;
    f.Height = 40;
    f.Alignment = plat::taLeftJustify;
    f.Caption = "WWWWWWWWWWWWWWWWWWWWWWWW";
    const auto cut = Draw(f);
    EXPECT_GT(inkColumns(cut, 4, 20, 2, 38), 0);
    EXPECT_EQ(inkColumns(cut, 57, 59, 2, 38), 0);  // nothing runs past the room

    f.Caption = "Word word word";
    f.WordWrap = true;
    const auto wrapped = Draw(f);
    // Two or more lines: ink above and below the middle.
    EXPECT_GT(inkColumns(wrapped, 2, 58, 2, 19), 0);
    EXPECT_GT(inkColumns(wrapped, 2, 58, 21, 38), 0);
    f.WordWrap = false;
    const auto single = Draw(f);
    EXPECT_EQ(inkColumns(single, 2, 58, 2, 12), 0);  // one centred line only
}

namespace {

// An image list of one 16 x 16 picture: a red square on the clear magenta.
std::unique_ptr<plat::TImageList> RedSquareList(plat::TComponent* owner) {
    auto list = std::make_unique<plat::TImageList>(owner, 16, 16);
    plat::TBitmap pic(16, 16);
    pic.Canvas().Brush().SetColor(plat::clFuchsia);
    pic.Canvas().FillRect({0, 0, 16, 16});
    pic.Canvas().Brush().SetColor(plat::clRed);
    pic.Canvas().FillRect({4, 4, 12, 12});
    pic.SetTransparentColor(plat::clFuchsia);
    pic.SetTransparent(true);
    list->Add(pic);
    return list;
}

bool ButtonShows(TFltButton& b, TColor colour) {
    const std::string path = TestOutFile("flt_button_action.png");
    if (!plat::test::SaveScreenshot(b, path)) return false;
    plat::TBitmap shot;
    if (!shot.LoadFromFile(path)) return false;
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (shot.Pixel(x, y) == colour) return true;
    return false;
}

}  // namespace

TEST_F(FltButtonControl, ActionGivesItsPictureAndRunsOnClick) {
    auto images = RedSquareList(nullptr);
    const struct {
        const char* name;
        int index;
        bool ownGlyph;
        bool picture;  // the action's picture shows
    } cases[] = {
        {"picture of the action", 0, false, true},
        {"index past the list", 1, false, false},
        {"no index", -1, false, false},
        {"the button's own glyph stays", 0, true, false},
    };
    for (const auto& c : cases) {
        TFltButton b(form.get());
        b.SetParent(form.get());
        b.SetBounds(10, 50, 100, 23);
        b.SetColor(kFace);
        if (c.ownGlyph) {
            plat::TBitmap own(16, 16);
            own.Canvas().Brush().SetColor(plat::clFuchsia);
            own.Canvas().FillRect({0, 0, 16, 16});
            own.Canvas().Brush().SetColor(plat::clBlue);
            own.Canvas().FillRect({4, 4, 12, 12});
            b.SetGlyph(&own);
        }
        plat::TAction action(nullptr);
        std::vector<std::string> heard;
        action.OnExecute = [&](plat::TObject*) { heard.push_back("action"); };
        b.OnClick = [&](plat::TObject*) { heard.push_back("click"); };
        b.SetAction(&action);
        // The picture arrives when the action gets it, as well as at the link.
        action.SetImages(images.get());
        action.SetImageIndex(c.index);
        plat::test::ProcessEvents();
        EXPECT_EQ(ButtonShows(b, plat::clRed), c.picture) << c.name;
        EXPECT_FALSE(ButtonShows(b, plat::clFuchsia)) << c.name;
        if (c.picture) EXPECT_EQ(b.NumGlyphs(), 1) << c.name;
        if (c.ownGlyph) EXPECT_TRUE(ButtonShows(b, plat::clBlue)) << c.name;
        plat::test::ClickAt(b);
        EXPECT_EQ(heard, (std::vector<std::string>{"click", "action"})) << c.name;
        b.SetAction(nullptr);
    }
    // An action freed before its button leaves the button clicking alone.
    TFltButton b(form.get());
    b.SetParent(form.get());
    int clicks = 0;
    b.OnClick = [&](plat::TObject*) { ++clicks; };
    {
        plat::TAction gone(nullptr);
        b.SetAction(&gone);
    }
    EXPECT_EQ(b.Action(), nullptr);
    plat::test::ClickAt(b);
    EXPECT_EQ(clicks, 1);
}
