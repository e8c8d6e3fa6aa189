// The drop-down pickers put into a cell through the grid's editor link: the
// picker edits the cell's text and the grid's keys still end the edit.

#include <gtest/gtest.h>

#include <string>

#include "base/DateTime.h"
#include "controls/ExtTimePickerDropDown.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class TTimeLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    plat::TWinControl* GetEditControl() override { return FPicker; }
    void CreateEditor(plat::TWinControl* AParent) override {
        FPicker = new ctl::TExtTimePickerDropDown(AParent);
        FPicker->SetParent(AParent);
        FPicker->SetEditorEnabled(true);
        FPicker->SetAnimation(false);
        WantKeyUpDown = true;
        FPicker->OnKeyDown = [this](plat::TObject* s, unsigned short& k, plat::TShiftState sh) {
            // Keys that close an open pop-up are the picker's own.
            if (!FPicker->DroppedDown()) EditKeyDown(s, k, sh);
        };
    }
    void GetEditorValue(std::string& S) override { S = FPicker->Text(); }
    void SetEditorValue(const std::string& S) override {
        base::TDateTime t = 0;
        FPicker->SetTime(base::TryStrToTime(S, t) ? t : 0);
    }
    ctl::TExtTimePickerDropDown* FPicker = nullptr;
};

class GridPickerLink : public GridOnForm {
protected:
    void SetUp() override {
        base::SetFormatSettings(base::TFormatSettings{});
        ShowGrid(4, 4, true);
        grid->OnGetEditorType = [](plat::TObject*, int, int, TEditorType& kind) { kind = edCustom; };
        grid->SetEditLink(&link);
        pt::ProcessEvents();
    }
    void TearDown() override {
        if (link.FPicker) link.FPicker->HideDropDown(false);
        grid->SetEditLink(nullptr);
    }
    void Open(const std::string& cell) {
        grid->SetCells(1, 1, cell);
        grid->SetCol(1);
        grid->SetRow(1);
        pt::SendKey(*grid, plat::VK_F2);
        ASSERT_NE(link.FPicker, nullptr);
        link.FPicker->SetSelStart(0);
    }
    TTimeLink link{nullptr};
};

TEST_F(GridPickerLink, TimePickerEditsTheCell) {
    Open("09:30:15");
    EXPECT_TRUE(grid->EditMode());
    pt::SendKey(*link.FPicker, plat::VK_UP);  // the hour, under the caret
    EXPECT_TRUE(grid->EditMode()) << "the picker keeps Up for itself";
    pt::SendKey(*link.FPicker, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "08:30:15");

    // Through the clock: Esc closes only the pop-up and gives back the time;
    // Enter in the closed edit then writes the cell.
    Open("10:00:00");
    pt::SendKey(*link.FPicker, plat::VK_F4);
    ASSERT_TRUE(link.FPicker->DroppedDown());
    pt::SendKey(*link.FPicker->DropDownForm(), plat::VK_PRIOR);
    EXPECT_EQ(link.FPicker->Text(), "11:00:00");
    pt::ProcessEvents();
    EXPECT_TRUE(pt::SaveScreenshot(*link.FPicker->DropDownForm(),
                                   std::string(VASTRIMO_TEST_OUT) + "/GridTimePicker_open.png"));
    pt::SendKey(*link.FPicker->DropDownForm(), plat::VK_RETURN);
    EXPECT_FALSE(link.FPicker->DroppedDown());
    EXPECT_TRUE(grid->EditMode());
    pt::SendKey(*link.FPicker, plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "11:00:00");

    Open("07:15:00");
    pt::SendKey(*link.FPicker, plat::VK_DOWN);
    pt::SendKey(*link.FPicker, plat::VK_ESCAPE);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "07:15:00") << "Esc leaves the cell as it was";
}

}  // namespace
