// The colour and image pickers as cell editors: opened over the cell
// through the grid's editor link, they show the cell's value, take a new
// one from their pop-up and write it back when the edit ends.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/ColorPicker.h"
#include "controls/ImagePicker.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

// The cell holds a colour's name; the picker lists the basic colours.
class TColorLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    plat::TWinControl* GetEditControl() override { return Picker; }
    void CreateEditor(plat::TWinControl* AParent) override {
        Picker = new ctl::TExtColorPickerDropDown(AParent);
        Picker->SetParent(AParent);
        Picker->AddDefaultColors();
    }
    void SetEditorValue(const std::string& S) override {
        Picker->SetItemIndex(-1);
        for (int i = 0; i < Picker->Colors().Count(); ++i)
            if (Picker->Colors().Items(i)->Caption() == S) Picker->SetItemIndex(i);
    }
    void GetEditorValue(std::string& S) override { S = Picker->SelectedColorText(); }
    ctl::TExtColorPickerDropDown* Picker = nullptr;
};

// The cell holds an image number of the picker's image list.
class TImageLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    plat::TWinControl* GetEditControl() override { return Picker; }
    void CreateEditor(plat::TWinControl* AParent) override {
        Picker = new ctl::TExtImagePickerDropDown(AParent);
        Picker->SetParent(AParent);
        for (int i = 0; i < 4; ++i) Picker->Items().Add()->SetImageIndex(i * 10);
    }
    void SetEditorValue(const std::string& S) override { Picker->SetImageIndex(std::stoi(S)); }
    void GetEditorValue(std::string& S) override { S = std::to_string(Picker->ImageIndex()); }
    ctl::TExtImagePickerDropDown* Picker = nullptr;
};

class GridPickerWriteBack : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(4, 4, true);
        grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = edCustom;
        };
        pt::ProcessEvents();
    }
    void Open(TEditLink& link, const std::string& value) {
        grid->SetEditLink(&link);
        grid->SetCells(2, 2, value);
        Select(1, 1);
        Select(2, 2);
        pt::SendKey(*grid, plat::VK_F2);
        pt::ProcessEvents();
    }
    // The grid ends the edit with the editor's value when the focus leaves.
    void Leave() {
        other->SetFocus();
        pt::ProcessEvents();
    }
};

TEST_F(GridPickerWriteBack, ColourPickerWritesTheChosenColourBack) {
    TColorLink link(form.get());
    Open(link, "Green");
    ASSERT_NE(link.Picker, nullptr);
    ASSERT_EQ(grid->EditCtrl(), link.Picker);
    EXPECT_EQ(link.Picker->SelectedColor(), plat::clGreen);
    pt::SendKey(*link.Picker, plat::VK_F4);
    ASSERT_TRUE(link.Picker->DroppedDown());
    pt::SendKey(*link.Picker, plat::VK_DOWN);
    pt::SendKey(*link.Picker, plat::VK_RETURN);  // takes the entry, closes the pop-up
    EXPECT_FALSE(link.Picker->DroppedDown());
    EXPECT_TRUE(grid->EditMode());
    pt::ProcessEvents();
    EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/GridColourPicker_editing.png"));
    Leave();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "Olive");
    grid->SetEditLink(nullptr);
}

TEST_F(GridPickerWriteBack, ImagePickerWritesTheChosenImageBack) {
    TImageLink link(form.get());
    Open(link, "10");
    ASSERT_EQ(grid->EditCtrl(), link.Picker);
    EXPECT_EQ(link.Picker->ItemIndex(), 1);
    pt::SendKey(*link.Picker, plat::VK_END);  // closed: the last entry
    Leave();
    EXPECT_EQ(grid->Cells(2, 2), "30");
    Open(link, "20");
    pt::SendKey(*link.Picker, plat::VK_F4);
    pt::SendKey(*link.Picker, plat::VK_UP);
    pt::SendKey(*link.Picker, plat::VK_ESCAPE);  // the pop-up's cancel keeps the cell's value
    Leave();
    EXPECT_EQ(grid->Cells(2, 2), "20");
    grid->SetEditLink(nullptr);
}

}  // namespace
