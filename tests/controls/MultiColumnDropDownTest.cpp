#include "controls/MultiColumnDropDown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "DropDownOnForm.h"

namespace {

using namespace ctl;
namespace pt = plat::test;

TEST(ColumnFit, CarriesRoundingRemaindersIntoLaterColumns) {
    const struct {
        std::vector<int> widths;
        int avail;
        std::vector<int> fitted;
    } cases[] = {
        {{80, 80, 80}, 200, {66, 66, 67}},  // 66.39 each; the third takes the carried pixel
        {{100}, 101, {100}},
        {{50, 150}, 402, {100, 300}},
        {{}, 300, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(FitColumnWidths(c.widths, c.avail), c.fitted) << c.avail;
}

class MultiColumn : public DropDownOnForm<TExtMultiColumnDropDown> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        TDropDownColumn name, code;
        name.Header = "Name";
        code.Header = "Code";
        dd->Columns() = {name, code};
        for (const char* n : {"Alpha", "Beta", "Alphabet", "Gamma", "(spare)"})
            dd->Items().Add({n, std::string(n).substr(0, 2) + "-1"});
        dd->EndUpdate();
        Show();
    }
};

// Typing completes from the lookup column; the keys that delete switch the
// completion off until the next other key.
TEST_F(MultiColumn, TypeAheadByRealKeys) {
    const struct {
        const char* name;
        std::vector<std::pair<unsigned short, std::string>> keys;  // key 0: type the text
        std::string text, selected;
        int itemIndex;
    } cases[] = {
        {"completes", {{0, "al"}}, "Alpha", "pha", 0},
        {"longer prefix", {{0, "alphab"}}, "Alphabet", "et", 2},
        {"no entry", {{0, "z"}}, "z", "", -1},
        {"backspace stops", {{0, "al"}, {plat::VK_BACK, ""}}, "Al", "", 0},
        {"next letter resumes", {{0, "al"}, {plat::VK_BACK, ""}, {0, "p"}}, "Alpha", "ha", 0},
        {"enter takes the entry's case", {{0, "BETA"}, {plat::VK_RETURN, ""}}, "Beta", "", 1},
        {"esc with no entry", {{0, "zz"}, {plat::VK_ESCAPE, ""}}, "", "", -1},
    };
    for (const auto& c : cases) {
        dd->SetItemIndex(-1);
        for (const auto& [key, text] : c.keys) {
            if (key == 0) pt::TypeText(*dd, text);
            else pt::SendKey(*dd, key);
        }
        EXPECT_EQ(dd->Text(), c.text) << c.name;
        EXPECT_EQ(Selected(), c.selected) << c.name;
        EXPECT_EQ(dd->ItemIndex(), c.itemIndex) << c.name;
    }
}

TEST_F(MultiColumn, ItemIndexBoundsAndShortItems) {
    dd->Items().Add({});  // an item without texts
    dd->SetItemIndex(1);
    EXPECT_EQ(dd->Text(), "Beta");
    dd->SetItemIndex(dd->Items().Count());  // past the items: ignored
    EXPECT_EQ(dd->ItemIndex(), 1);
    dd->SetItemIndex(dd->Items().Count() - 1);
    EXPECT_EQ(dd->Text(), "");
    dd->SetItemIndex(-1);
    EXPECT_EQ(dd->Text(), "");
    EXPECT_EQ(dd->ItemIndex(), -1);
    // The short item neither stops the lookup nor the exact search.
    std::string found;
    int index = -1;
    EXPECT_TRUE(dd->FindLookupText("gam", found, index));
    EXPECT_EQ(found, "Gamma");
    EXPECT_EQ(dd->GetItemIndex("Zeta"), -1);
}

// A text set by the program is shown as given: completing it as if typed
// would turn an entry that starts another one into that other one.
TEST_F(MultiColumn, SetTextIsNotCompleted) {
    dd->Items().Add({"Gam"});
    dd->EndUpdate();
    const int gam = dd->Items().Count() - 1;
    dd->SetItemIndex(gam);
    EXPECT_EQ(dd->Text(), "Gam");
    EXPECT_EQ(dd->ItemIndex(), gam);
    pt::SendKey(*dd, plat::VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), gam);
}

TEST_F(MultiColumn, AssignCopiesItemsWhole) {
    dd->Items().Items(1).ImageIndex = 5;
    dd->SetItemIndex(2);
    TExtMultiColumnDropDown copy(form.get());
    copy.Assign(*dd);
    ASSERT_EQ(copy.Items().Count(), dd->Items().Count());
    EXPECT_EQ(copy.Items().Items(1).Text, dd->Items().Items(1).Text);
    EXPECT_EQ(copy.Items().Items(1).ImageIndex, 5);
    EXPECT_EQ(copy.Columns()[1].Header, "Code");
    EXPECT_EQ(copy.ItemIndex(), 2);
    EXPECT_EQ(copy.Text(), "");  // the index comes without the text
}

TEST_F(MultiColumn, HeightIsCutToWholeRows) {
    dd->DropDownHeader().Visible = false;
    dd->DropDownFooter().Visible = false;
    int h = 200;
    dd->AdjustDropDownHeight(h);
    EXPECT_EQ(h, 181);  // 25 + 2 + 7 x 22
    dd->DropDownHeader().Visible = true;
    h = 200;
    dd->AdjustDropDownHeight(h);
    EXPECT_EQ(h, 22 + 25 + 2 + 6 * 22);
}

// The list confirms by key or click and cancels by Esc; the wheel alone
// only moves.
TEST_F(MultiColumn, OpenListChoosesByKeysAndCancelsByEsc) {
    int selects = 0;
    dd->OnSelect = [&](plat::TObject* s) {
        EXPECT_EQ(s, dd);
        ++selects;
    };
    dd->SetItemIndex(0);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    TExtColGrid* g = dd->Grid();
    EXPECT_EQ(g->Row(), 1);
    pt::SendKey(*g, plat::VK_DOWN);
    EXPECT_EQ(dd->Text(), "Beta");  // the row under the cursor is shown
    pt::SendKey(*g, plat::VK_ESCAPE);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 0);
    EXPECT_EQ(dd->Text(), "Alpha");

    dd->ShowDropDown();
    pt::SendKey(*g, plat::VK_DOWN);
    pt::SendKey(*g, plat::VK_DOWN);
    pt::SendKey(*g, plat::VK_RETURN);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->Text(), "Alphabet");
    EXPECT_EQ(selects, 1);

    dd->ShowDropDown();
    EXPECT_EQ(g->Row(), 3);
    pt::Wheel(*g, -120, 5, 40);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_EQ(dd->ItemIndex(), 2) << "the wheel does not choose";
    dd->HideDropDown(false);  // a click outside
    EXPECT_EQ(dd->ItemIndex(), 2);
}

TEST_F(MultiColumn, CharactersTypedInTheListLookUpTheLookupColumn) {
    const struct {
        const char* typed;
        int row;
        const char* entry;  // the lookup entry left
    } cases[] = {
        {"g", 4, "g"},
        {"alphab", 3, "alphab"},
        {"bx", 2, ""},   // b finds Beta; neither bx nor x finds more: the search starts over
        {"ag", 4, "g"},  // ag finds nothing: g alone does
        {"(", 5, "("},   // a character, though its code is that of a navigation key
    };
    for (const auto& c : cases) {
        dd->SetItemIndex(-1);
        dd->ShowDropDown();
        TExtColGrid* g = dd->Grid();
        pt::TypeText(*g, c.typed);
        EXPECT_EQ(g->Row(), c.row) << c.typed;
        EXPECT_EQ(dd->LookupEntry(), c.entry) << c.typed;
        pt::SendKey(*g, plat::VK_ESCAPE);  // closes and starts the next search afresh
        EXPECT_FALSE(dd->DroppedDown());
    }
}

// Dragging the pop-up's size grip refits the columns to the new width,
// from their designed widths each time.
TEST_F(MultiColumn, ResizingThePopUpRefitsTheColumns) {
    dd->SetDropDownSizeable(true);
    dd->SetDropDownAutoWidth(false);
    dd->SetDropDownWidth(200);
    dd->ShowDropDown();
    TDropDownForm* f = dd->DropDownForm();
    TExtBar* footer = f->Footer();
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(dd->Grid()->ColWidths(0), 99);  // 80 x 200 / 161
    const struct {
        int dx;
        int width;
    } drags[] = {{100, 149}, {-150, 75}};  // to 300 and back to 150 wide
    for (const auto& d : drags) {
        const int x = footer->Width() - 4, y = footer->Height() - 4;
        pt::MouseDown(*footer, plat::mbLeft, x, y);
        pt::MouseMove(*footer, x + d.dx, y, plat::ssLeft);
        pt::MouseUp(*footer, plat::mbLeft, x + d.dx, y);
        EXPECT_EQ(dd->Grid()->ColWidths(0), d.width) << f->Width();
        EXPECT_EQ(dd->Grid()->ColWidths(1), d.width) << f->Width();
    }
}

TEST_F(MultiColumn, OpenListScreenshotAndAccessibility) {
    dd->Items().Items(0).ImageIndex = 0;
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    TExtColGrid* g = dd->Grid();
    EXPECT_EQ(g->AccessibleName(), "Entries");
    EXPECT_EQ(g->AccessibleRole(), plat::arTable);
    EXPECT_TRUE(ShotOfPopup("MultiColumnDropDown_open"));
    // The fitted columns fill the pop-up.
    int sum = 0;
    for (int i = 0; i < g->ColCount(); ++i) sum += g->ColWidths(i);
    const int bar = g->VisibleRowCount() < dd->Items().Count() ? plat::GetSystemMetrics(plat::SM_CXVSCROLL) : 0;
    EXPECT_NEAR(sum, dd->DropDownForm()->Width() - bar, 2);
}

TEST_F(MultiColumn, StylesColourHeaderAndLines) {
    const struct {
        TKeloStyle style;
        plat::TColor header, headerTo, line;
    } cases[] = {
        {tsSuiteABlue, 0xD68759, 0x933803, 0x962D00},
        {tsFrost, 0xFFFDF9, 0xFFFAF0, 0xFCF2DA},
        {tsSuiteCBlack, 0x828282, plat::clNone, 0xEEDDCF},
        {tsBevel, plat::clBtnFace, plat::clBtnFace, 0xC0C0C0},
    };
    for (const auto& c : cases) {
        dd->SetComponentStyle(c.style);
        EXPECT_EQ(dd->HeaderColor(), c.header) << c.style;
        EXPECT_EQ(dd->HeaderColorTo(), c.headerTo) << c.style;
        EXPECT_EQ(dd->LineColor(), c.line) << c.style;
    }
    const plat::TColor before = dd->HeaderColor();
    dd->SetComponentStyle(tsCustom);
    EXPECT_EQ(dd->HeaderColor(), before);
}

}  // namespace
