#include "controls/ColorPicker.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "PickerTestSupport.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "TestOut.h"

namespace {

using namespace ctl;
namespace pt = plat::test;
using ctltest::Rgb;

class ColorPicker : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(100, 100, 400, 400);
        picker = new TExtColorPickerDropDown(form.get());
        picker->SetParent(form.get());
        picker->SetBounds(20, 20, 160, 22);
        picker->AddDefaultColors();
        picker->OnSelect = [this](plat::TObject*) { selected.push_back(picker->ItemIndex()); };
        form->Show();
        picker->SetFocus();
        pt::ProcessEvents();
    }
    void TearDown() override {
        picker->HideDropDown(false);
        form.reset();
    }
    void Open() {
        pt::SendKey(*picker, plat::VK_F4);
        ASSERT_TRUE(picker->DroppedDown());
        pt::ProcessEvents();
    }
    void Shot(const char* name) {
        pt::ProcessEvents();
        EXPECT_TRUE(pt::SaveScreenshot(*picker->DropDownForm(), TestOutFile(name)));
    }
    std::unique_ptr<plat::TForm> form;
    TExtColorPickerDropDown* picker = nullptr;
    std::vector<int> selected;  // ItemIndex at each OnSelect
};

TEST_F(ColorPicker, IndexAndColourFollowEachOther) {
    ASSERT_EQ(picker->Colors().Count(), 16);
    EXPECT_EQ(picker->Colors().Items(9)->Caption(), "Red");
    picker->SetItemIndex(9);
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
    picker->SetItemIndex(16);  // past the end: nothing
    picker->SetItemIndex(99);
    EXPECT_EQ(picker->ItemIndex(), 9);
    picker->SetItemIndex(-1);  // keeps the colour, still reports
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
    EXPECT_EQ(selected, (std::vector<int>{9, -1}));
    picker->SetItemIndex(9);
    picker->SetSelectedColor(0x123456);  // no entry has it: the entry stays
    EXPECT_EQ(picker->ItemIndex(), 9);
    EXPECT_EQ(picker->SelectedColorText(), "Red");
    picker->SetSelectedColor(plat::clBlue);
    EXPECT_EQ(picker->ItemIndex(), 12);
}

// The wheel over the picker's face (where its value shows) steps the
// colour, down to the next entry and up to the previous one.
TEST_F(ColorPicker, WheelOverTheFaceStepsTheColour) {
    picker->SetItemIndex(3);
    selected.clear();
    TPickerFace& face = *picker->Face();
    pt::Wheel(face, -120, 10, face.Height() / 2);
    EXPECT_EQ(picker->ItemIndex(), 4);
    pt::Wheel(face, 120, 10, face.Height() / 2);
    pt::Wheel(face, 120, 10, face.Height() / 2);
    EXPECT_EQ(picker->ItemIndex(), 2);
    EXPECT_EQ(picker->SelectedColor(), 0x008000u);
    EXPECT_EQ(selected, (std::vector<int>{4, 3, 2}));
    EXPECT_FALSE(picker->DroppedDown());
}

// The face is the picker's text: a click there opens the list.
TEST_F(ColorPicker, ClickOnTheFaceOpensTheList) {
    form->SetFocus();
    pt::ProcessEvents();
    pt::ClickAt(*picker->Face());
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_TRUE(picker->ItemSelector()->Visible());
    pt::SendKey(*picker, plat::VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_TRUE(picker->Focused());
}

TEST_F(ColorPicker, TextOfAColour) {
    picker->SetColorSelectionStyle(csDiscrete);  // not a list entry's caption
    const struct {
        plat::TColor color;
        TColorValueText kind;
        const char* text;
    } cases[] = {
        {plat::clRed, cvtHTML, "#FF0000"},
        {plat::clRed, cvtHex, "0000FF"},
        {plat::clRed, cvtRGB, "Red:255,Green:0,Blue:0"},
        {plat::clRed, cvtWebName, "clWebRed"},
        {plat::RGB(0xFF, 0xFA, 0xFA), cvtWebName, "clWebSnow"},
        {plat::RGB(0, 0xFF, 0xFF), cvtWebName, "clWebAqua"},  // the first of two names
        {0x563412, cvtWebName, "#123456"},
        {plat::clRed, cvtNone, ""},
        {plat::clBtnFace, cvtHex, "FF00000F"},  // system colours unresolved
        {plat::clBtnFace, cvtHTML, "#D4D0C8"},
        {plat::clNone, cvtHTML, ""},  // no colour is not black
    };
    for (const auto& c : cases) {
        picker->SetColorValueText(c.kind);
        picker->SetSelectedColor(c.color);
        EXPECT_EQ(picker->SelectedColorText(), c.text) << c.kind << " " << std::hex << c.color;
    }
}

TEST_F(ColorPicker, OpenListMovesWithKeysAndCancelRestores) {
    picker->SetItemIndex(2);
    selected.clear();
    Open();
    TExtCustomItemSelector* list = picker->ItemSelector();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->Visible());
    EXPECT_EQ(list->Items().Count(), 16);
    EXPECT_EQ(list->ItemIndex(), 2);
    pt::SendKey(*picker, plat::VK_DOWN);
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemIndex(), 3);
    EXPECT_EQ(picker->SelectedColor(), 0x008080u);
    Shot("ColorPicker_list_open.png");
    pt::SendKey(*picker, plat::VK_END);
    pt::SendKey(*picker, plat::VK_DOWN);  // last row: nothing below
    EXPECT_EQ(picker->ItemIndex(), 15);
    pt::SendKey(*picker, plat::VK_ESCAPE);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->ItemIndex(), 2);
    EXPECT_EQ(picker->SelectedColor(), 0x008000u);
    EXPECT_EQ(selected.back(), 2);  // the restore reports too
    Open();
    pt::ClickAt(*list->Panel(), 10, list->Items().Items(9)->FRect.Top + 5);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
}

TEST_F(ColorPicker, ClosedKeysAndTypeAhead) {
    const struct {
        unsigned short key;
        int result;
    } keys[] = {{plat::VK_DOWN, 0}, {plat::VK_DOWN, 1}, {plat::VK_UP, 0}, {plat::VK_UP, 0},
                {plat::VK_END, 15}, {plat::VK_DOWN, 15}, {plat::VK_HOME, 0}};
    for (const auto& k : keys) {
        pt::SendKey(*picker, k.key);
        EXPECT_EQ(picker->ItemIndex(), k.result) << k.key;
    }
    const struct {
        const char* typed;
        int waitMs;  // before the next letter
        const char* caption;
    } search[] = {{"R", 0, "Red"}, {"E", 700, "Red"}, {"G", 0, "Green"}, {"R", 700, "Green"},
                  {"S", 0, "Silver"}, {"A", 0, "Silver"}, {"Y", 0, "Silver"}};
    for (const auto& s : search) {
        pt::SendKey(*picker, static_cast<unsigned short>(s.typed[0]));
        EXPECT_EQ(picker->SelectedColorText(), s.caption) << s.typed;
        if (s.waitMs) pt::Wait(s.waitMs);
    }
    pt::Wait(700);
    pt::SendKey(*picker, plat::VK_DELETE);  // no letter: the search stays empty
    pt::SendKey(*picker, 'B');
    EXPECT_EQ(picker->SelectedColorText(), "Black");
    EXPECT_FALSE(picker->DroppedDown());
}

TEST_F(ColorPicker, FacePaintsTheChosenColour) {
    picker->SetItemIndex(9);
    picker->Face()->Repaint();
    pt::ProcessEvents();
    plat::TControl& face = *picker->Face();
    EXPECT_EQ(pt::PixelAt(face, 8, face.Height() / 2), Rgb(plat::clRed));
    EXPECT_EQ(pt::PixelAt(face, 3, face.Height() / 2), Rgb(plat::clBlack));  // the box's frame
    EXPECT_EQ(pt::AccessibleNameOf(face), "Colour picker");
    int custom = 0;
    picker->OnDrawSelectedColor = [&](plat::TObject* s, plat::TCanvas& c, plat::TRect r) {
        EXPECT_EQ(s, picker);
        ++custom;
        c.Brush().SetColor(plat::clLime);
        c.FillRect(r);
    };
    picker->Face()->Repaint();
    pt::ProcessEvents();
    EXPECT_GT(custom, 0);
    EXPECT_EQ(pt::PixelAt(face, 8, face.Height() / 2), Rgb(plat::clLime));
}

TEST_F(ColorPicker, PalettePickAndCancel) {
    picker->SetColorSelectionStyle(csDiscrete);
    picker->SetSelectedColor(plat::clWhite);
    ASSERT_EQ(picker->ItemIndex(), 15);
    Open();
    TCustomColorSelector* palette = picker->ColorSelector();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->ItemIndex(), 0);  // the white box
    EXPECT_EQ(picker->DropDownForm()->Width(), 165 + 2);
    EXPECT_EQ(picker->DropDownForm()->Height(), 84 + 2);
    pt::SendKey(*picker, plat::VK_DOWN);  // moves, stays open
    EXPECT_TRUE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), 0xF2F2F2u);
    EXPECT_EQ(picker->ItemIndex(), -1);
    Shot("ColorPicker_palette_open.png");
    pt::SendKey(*picker, plat::VK_ESCAPE);  // everything goes back
    EXPECT_EQ(picker->SelectedColor(), plat::clWhite);
    EXPECT_EQ(picker->ItemIndex(), 15);
    EXPECT_EQ(palette->ItemIndex(), 0);
    Open();
    pt::ClickAt(*palette, 25, 9);  // the black box
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), plat::clBlack);
    EXPECT_EQ(picker->ItemIndex(), -1);
}

TEST_F(ColorPicker, CubeAndSpectrumPickAndClose) {
    picker->SetColorSelectionStyle(csColorCube);
    Open();
    TExtColorCubePanel* cube = picker->ColorCubePanel();
    ASSERT_NE(cube, nullptr);
    EXPECT_TRUE(cube->Visible());
    EXPECT_FALSE(picker->ItemSelector()->Visible());
    Shot("ColorPicker_cube_open.png");
    pt::ClickAt(*cube, 109, 130);  // the pure red cell
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
    // The colour also names a list entry: reported once for -1, once for it.
    EXPECT_EQ(selected, (std::vector<int>{9, -1}));
    EXPECT_EQ(picker->ItemIndex(), -1);
    picker->Face()->Repaint();
    pt::ProcessEvents();
    EXPECT_EQ(pt::PixelAt(*picker->Face(), 8, picker->Face()->Height() / 2), Rgb(plat::clRed));

    picker->SetColorSelectionStyle(csSpectrum);
    Open();
    TExtColorSpectrumPanel* sp = picker->SpectrumPanel();
    ASSERT_NE(sp, nullptr);
    EXPECT_FALSE(cube->Visible());
    pt::MouseMove(*sp->SpectrumImage(), 64, 64);
    Shot("ColorPicker_spectrum_open.png");
    pt::ClickAt(*sp->SpectrumImage(), 64, 64);
    EXPECT_FALSE(picker->DroppedDown());
    EXPECT_EQ(picker->SelectedColor(), plat::RGB(0, 255, 255));
    EXPECT_EQ(picker->ItemIndex(), -1);  // aqua is a list entry, but a panel's pick is none
}

}  // namespace
