#include "controls/DetailDropDown.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "DropDownOnForm.h"

namespace {

using namespace ctl;
namespace pt = plat::test;

class DetailDropDown : public DropDownOnForm<TExtDetailDropDown> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        dd->SetItemHeight(40);
        dd->Items().Add("Beacon", "Sends <b>every</b> 10 s");
        dd->Items().Add("Bell", "");
        dd->Items().Add("Gauge", "Analog <i>4-20 mA</i>");
        dd->Items().Add("Meter", "Pulse counter");
        dd->OnSelect = [this](plat::TObject* s) {
            EXPECT_EQ(s, dd);
            ++selects;
        };
        Show();
    }
    int selects = 0;
};

TEST_F(DetailDropDown, ItemIndexSetsCaptionAndTellsOnlyRealChanges) {
    const struct {
        int value;
        int index;
        std::string text;
        int selects;
    } steps[] = {
        {2, 2, "Gauge", 1},
        {2, 2, "Gauge", 1},   // the present value: nothing happens
        {9, 2, "Gauge", 1},   // past the items: ignored
        {-1, -1, "", 1},      // empties the text without OnSelect
        {-5, -1, "", 1},
    };
    for (const auto& s : steps) {
        dd->SetItemIndex(s.value);
        EXPECT_EQ(dd->ItemIndex(), s.index) << s.value;
        EXPECT_EQ(dd->Text(), s.text) << s.value;
        EXPECT_EQ(selects, s.selects) << s.value;
    }
}

TEST_F(DetailDropDown, TypingCompletesCaptionsKeepingTheTypedCase) {
    pt::TypeText(*dd, "ga");
    EXPECT_EQ(dd->Text(), "gauge");
    EXPECT_EQ(Selected(), "uge");
    EXPECT_EQ(dd->ItemIndex(), 2);
    pt::SendKey(*dd, plat::VK_RETURN);  // no caption is "gauge" exactly
    EXPECT_EQ(dd->Text(), "gauge");
}

TEST_F(DetailDropDown, KeySearchCollectsOnlyCharacterKeysWithinHalfASecond) {
    dd->ShowDropDown();
    pt::SendKey(*dd, 'B');
    pt::SendKey(*dd, plat::VK_SHIFT);  // no character: stays out of the search
    pt::SendKey(*dd, 'E');
    EXPECT_EQ(dd->CurrentSearch(), "BE");
    EXPECT_EQ(dd->Selector()->ItemIndex(), 0);
    EXPECT_TRUE(dd->DroppedDown()) << "a search hit does not close the pop-up";
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    pt::SendKey(*dd, 'M');
    EXPECT_EQ(dd->CurrentSearch(), "M");
    EXPECT_EQ(dd->Selector()->ItemIndex(), 3);
}

TEST_F(DetailDropDown, OpenListMovesWithArrowsAndCancelsOrConfirms) {
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    pt::SendKey(*dd, plat::VK_DOWN);
    pt::SendKey(*dd, plat::VK_DOWN);
    EXPECT_EQ(dd->Selector()->ItemIndex(), 3);
    pt::SendKey(*dd, plat::VK_DOWN);  // at the last entry: nothing
    EXPECT_EQ(dd->Selector()->ItemIndex(), 3);
    EXPECT_TRUE(dd->DroppedDown());
    pt::SendKey(*dd, plat::VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1) << "Esc restores the entry of the opening";
    EXPECT_EQ(dd->Text(), "Bell");

    dd->ShowDropDown();
    TExtCustomItemSelector* s = dd->Selector();
    s->ScrollItemInView(2);
    const plat::TRect r = s->Items().Items(2)->FRect;
    pt::ClickAt(*s->Panel(), r.Left + 10, r.Top + 5);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->Text(), "Gauge");
}

// The wheel over the closed edit steps the entry; over the open list it
// moves the list's choice.
TEST_F(DetailDropDown, WheelStepsTheEntry) {
    dd->SetItemIndex(1);
    pt::Wheel(*dd, -120, 10, 10);
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->Text(), "Gauge");
    pt::Wheel(*dd, 120, 10, 10);
    pt::Wheel(*dd, 120, 10, 10);
    EXPECT_EQ(dd->ItemIndex(), 0);
    dd->ShowDropDown();
    pt::Wheel(*dd, -120, 10, 10);
    EXPECT_EQ(dd->Selector()->ItemIndex(), 1);
    EXPECT_TRUE(dd->DroppedDown());
}

TEST_F(DetailDropDown, ListReportingNoEntryChangesNothing) {
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    dd->Selector()->SetItemIndex(-1);
    EXPECT_TRUE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(dd->Text(), "Bell");
}

TEST_F(DetailDropDown, ItemsCopyWhole) {
    TDetailItems copy;
    dd->Items().Items(0).Tag = 7;
    copy.Assign(dd->Items());
    ASSERT_EQ(copy.Count(), 4);
    EXPECT_EQ(copy.Items(0).Notes, "Sends <b>every</b> 10 s");
    EXPECT_EQ(copy.Items(0).Tag, 7);
    EXPECT_EQ(copy.IndexOf("Gauge"), 2);
    EXPECT_EQ(copy.IndexOf("gauge"), -1);
}

// The layout puts the caption on its side of the entry's picture, the
// picture on the other; an entry without caption shows it in the middle.
TEST_F(DetailDropDown, LayoutPlacesThePictureOppositeTheCaption) {
    plat::TBitmap red(10, 8);
    red.Canvas().Brush().SetColor(plat::clRed);
    red.Canvas().FillRect(plat::Rect(0, 0, 10, 8));
    dd->Items().Items(1).Image.SetGraphic(&red);  // Bell, without notes
    dd->Items().Add("", "");
    dd->Items().Items(4).Image.SetGraphic(&red);
    dd->SetDropDownWidth(200);
    dd->SetDropDownHeight(320);
    const pt::TRgb redRgb{255, 0, 0};
    const struct {
        TItemLayout layout;
        const char* name;
        int x, y;  // where the picture's middle lies, from the entry's top-left; negative from the right
    } cases[] = {
        {ilCaptionRight, "right", 2 + 5, 20},
        {ilCaptionLeft, "left", -(2 + 5), 20},
        {ilCaptionTop, "top", 0, 40 - 2 - 4},
        {ilCaptionBottom, "bottom", 0, 2 + 4},
    };
    for (const auto& c : cases) {
        dd->SetLayout(c.layout);
        dd->ShowDropDown();
        ASSERT_TRUE(dd->DroppedDown());
        TExtCustomItemSelector* s = dd->Selector();
        EXPECT_EQ(s->ItemLayout(), c.layout) << c.name;
        pt::ProcessEvents();
        const plat::TRect bell = s->Items().Items(1)->FRect;
        EXPECT_EQ(bell.Width(), 200 - 2 - 4) << "entries span the list";
        const int x = c.x > 0 ? bell.Left + c.x : (c.x < 0 ? bell.Right + c.x : bell.Left + bell.Width() / 2);
        EXPECT_EQ(pt::PixelAt(*s->Panel(), x, bell.Top + c.y), redRgb) << c.name;
        // The opposite place shows no picture.
        const int ox = c.x != 0 ? bell.Left + bell.Right - x : x;
        const int oy = c.x != 0 ? bell.Top + c.y : bell.Top + 40 - c.y;
        EXPECT_NE(pt::PixelAt(*s->Panel(), ox, oy), redRgb) << c.name;
        const plat::TRect alone = s->Items().Items(4)->FRect;
        EXPECT_EQ(pt::PixelAt(*s->Panel(), alone.Left + alone.Width() / 2, alone.Top + 20), redRgb) << c.name;
        EXPECT_TRUE(ShotOfPopup(std::string("DetailDropDown_layout_") + c.name)) << c.name;
        dd->HideDropDown(true);
    }
}

// Dragging the pop-up's size grip lays the entries out to the new width.
TEST_F(DetailDropDown, ResizingThePopUpWidensTheEntries) {
    dd->SetDropDownSizeable(true);
    dd->SetDropDownWidth(200);   // the user's size wins over the designed one
    dd->SetDropDownHeight(320);  // every entry fits: no scroll bar
    dd->ShowDropDown();
    TExtBar* footer = dd->DropDownForm()->Footer();
    ASSERT_NE(footer, nullptr);
    TExtCustomItemSelector* s = dd->Selector();
    const int before = dd->DropDownForm()->Width();
    EXPECT_EQ(s->Items().Items(0)->FRect.Width(), before - 2 - 4);
    const int x = footer->Width() - 4, y = footer->Height() - 4;
    pt::MouseDown(*footer, plat::mbLeft, x, y);
    pt::MouseMove(*footer, x + 80, y, plat::ssLeft);
    pt::MouseUp(*footer, plat::mbLeft, x + 80, y);
    ASSERT_EQ(dd->DropDownForm()->Width(), before + 80);
    for (int i = 0; i < s->Items().Count(); ++i)
        EXPECT_EQ(s->Items().Items(i)->FRect.Width(), before + 80 - 2 - 4) << i;
}

TEST_F(DetailDropDown, OpenListScreenshotAndAccessibility) {
    dd->SetItemIndex(0);
    dd->SetDropDownHeight(180);
    dd->ShowDropDown();
    EXPECT_EQ(dd->Selector()->AccessibleName(), "Entries");
    EXPECT_EQ(dd->Selector()->AccessibleRole(), plat::arList);
    EXPECT_TRUE(ShotOfPopup("DetailDropDown_open"));
}

}  // namespace
