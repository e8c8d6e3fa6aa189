// The drop-down pickers as cell editors, driven by real keys: each opens
// over the cell with its text, writes its value back and closes, commits
// or stays open by the one key rule of the grid's special editors.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridPaint.h"
#include "grid/ExtGridPickerEditors.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "../controls/PickerTestSupport.h"
#include "EditSteps.h"
#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridPickerWrapper : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 6, true);
        grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = kind2;
        };
        pt::ProcessEvents();
    }
    // Opens the editor of cell (2, 2) with F2 and plays the steps into the
    // control that has the editor's place (the grid once it is closed).
    void Play(const std::string& cell, const std::vector<Step>& steps) { PlayInCell(*grid, 2, 2, cell, steps); }
    // The grid's picture, saved under the test output for people to look at.
    void Shot(const std::string& name) {
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/" + name));
    }
    TEditorType kind2 = edNormal;
};

TEST_F(GridPickerWrapper, EachPickerWritesItsValueBack) {
    const struct {
        const char* name;
        TEditorType kind;
        const char* cell;
        std::vector<Step> steps;
        const char* result;
        int row;  // where the grid stands afterwards
    } cases[] = {
        {"memo: typed text replaces the selected cell text", edMemoDropDown, "hello", {Type("xy"), Key(plat::VK_RETURN)},
         "xy", 2},
        {"memo: Esc keeps the cell", edMemoDropDown, "hello", {Type("xy"), Key(plat::VK_ESCAPE)}, "hello", 2},
        {"memo: Down commits and moves", edMemoDropDown, "a", {Type("b"), Key(plat::VK_DOWN)}, "b", 3},
        {"memo: End stays in the text", edMemoDropDown, "abc",
         {Key(plat::VK_END), Type("d"), Key(plat::VK_RETURN)}, "abcd", 2},
        {"track bar: the position comes back", edTrackbarDropDown, "7", {Key(plat::VK_RETURN)}, "7", 2},
        // The calculator shows its results with its own two decimals.
        {"calculator: Enter completes the pending sum", edCalculatorDropDown, "12",
         {Type("+3"), Key(plat::VK_RETURN)}, "15.00", 2},
        {"calculator: Esc drops the sum", edCalculatorDropDown, "12", {Type("+3"), Key(plat::VK_ESCAPE)}, "12", 2},
        {"calculator: no sum left from the last edit", edCalculatorDropDown, "4", {Key(plat::VK_RETURN)}, "4.00", 2},
        {"time: the cell's time comes back", edTimePickerDropDown, "10:30", {Key(plat::VK_RETURN)}, "10:30", 2},
        {"time: typed time replaces it", edTimePickerDropDown, "10:30", {Type("08:15"), Key(plat::VK_RETURN)}, "08:15",
         2},
        {"time: Esc keeps the cell", edTimePickerDropDown, "10:30", {Type("08:15"), Key(plat::VK_ESCAPE)}, "10:30", 2},
        {"detail: typed text", edDetailDropDown, "one", {Type("two"), Key(plat::VK_RETURN)}, "two", 2},
        {"detail: Down commits and moves", edDetailDropDown, "one", {Type("two"), Key(plat::VK_DOWN)}, "two", 3},
        {"columns: typed text", edGridDropDown, "one", {Type("two"), Key(plat::VK_RETURN)}, "two", 2},
        {"columns: Esc keeps the cell", edGridDropDown, "one", {Type("two"), Key(plat::VK_ESCAPE)}, "one", 2},
        {"grid list: typed text", edExtGridDropDown, "one", {Type("two"), Key(plat::VK_RETURN)}, "two", 2},
        {"grid list: Up commits and moves", edExtGridDropDown, "one", {Type("two"), Key(plat::VK_UP)}, "two", 1},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        Play(c.cell, c.steps);
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.name;
        EXPECT_EQ(grid->Row(), c.row) << c.name;
        EXPECT_TRUE(grid->Focused()) << c.name;
    }
}

TEST_F(GridPickerWrapper, OpensOverTheCellAndHearsTypedKeysAsItself) {
    // The track bar's edit takes no typing; its keys are the arrows.
    for (TEditorType k : {edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown, edGridDropDown,
                          edExtGridDropDown}) {
        kind2 = k;
        std::vector<plat::TObject*> senders;
        grid->OnKeyPress = [&](plat::TObject* Sender, char32_t&) { senders.push_back(Sender); };
        std::vector<std::string> changes;
        grid->OnEditChange = [&](plat::TObject*, int, int, const std::string& v) { changes.push_back(v); };
        Play("1", {Type("2")});
        plat::TWinControl* c = grid->EditCtrl();
        ASSERT_NE(c, nullptr) << k;
        EXPECT_TRUE(c->Visible() && c->Focused()) << k;
        const plat::TRect r = grid->GridCellRect(2, 2);
        EXPECT_EQ(c->Left(), r.Left) << k;
        EXPECT_EQ(c->Top(), r.Top) << k;
        EXPECT_EQ(senders, std::vector<plat::TObject*>{c}) << k;
        EXPECT_FALSE(changes.empty()) << k;
        pt::SendKey(*c, plat::VK_ESCAPE);
        EXPECT_FALSE(c->Visible()) << k;
        grid->OnKeyPress = nullptr;
        grid->OnEditChange = nullptr;
    }
}

TEST_F(GridPickerWrapper, RefusedValueKeepsTheEditorOpenWithItsTextSelected) {
    kind2 = edMemoDropDown;
    grid->OnCellValidate = [](plat::TObject*, int, int, std::string& v, bool& valid) { valid = v != "bad"; };
    Play("ok", {Type("bad"), Key(plat::VK_UP)});
    ASSERT_TRUE(grid->EditMode());
    auto* memo = grid->MemoDropDown();
    EXPECT_EQ(grid->EditCtrl(), memo);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(memo->SelLength(), static_cast<int>(memo->Text().size()));
    EXPECT_GT(memo->SelLength(), 0);
    pt::TypeText(*memo, "good");
    pt::SendKey(*memo, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "good");
}

TEST_F(GridPickerWrapper, AltDownOpensThePopUpAndAClosingKeyThenKeepsTheGridInPlace) {
    kind2 = edTrackbarDropDown;
    Play("3", {Key(plat::VK_DOWN, plat::ssAlt)});
    auto* track = grid->TrackbarDropDown();
    ASSERT_TRUE(grid->EditMode());
    EXPECT_TRUE(track->DroppedDown());
    track->SetPosition(6);
    unsigned short k = plat::VK_DOWN;
    // The key reaches the edit's own handling while the pop-up is open.
    pt::SendKey(*track, k);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(track->DroppedDown());
    EXPECT_EQ(grid->Cells(2, 2), "6");
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridPickerWrapper, ColourPickerTakesTheCellColourAndStoresThePick) {
    kind2 = edColorPickerDropDown;
    grid->SetColors(2, 2, plat::clRed);
    grid->OnGetEditorProp = [](plat::TObject* Sender, int, int, TEditLink*) {
        static_cast<TExtStringGrid*>(Sender)->ColorPickerDropDown()->SetColorValueText(ctl::cvtHex);
    };
    Play("", {});
    auto* picker = grid->ColorPickerDropDown();
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
    picker->SetSelectedColor(plat::clGreen);
    pt::SendKey(*picker, plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Colors(2, 2), plat::clGreen);
    EXPECT_EQ(grid->Cells(2, 2), "008000");

    // Esc leaves both the colour and the text.
    grid->SetColors(2, 2, plat::clBlue);
    Play("keep", {Key(plat::VK_ESCAPE)});
    EXPECT_FALSE(grid->EditMode());
    // Home while the selector is closed ends the edit like the arrows; an
    // unchanged colour leaves the cell's text.
    Play("keep", {Key(plat::VK_HOME)});
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Colors(2, 2), plat::clBlue);
    EXPECT_EQ(grid->Cells(2, 2), "keep");
    EXPECT_EQ(grid->Colors(2, 2), plat::clBlue);
    EXPECT_EQ(grid->Cells(2, 2), "keep");
}

TEST_F(GridPickerWrapper, ImagePickerReadsAndWritesTheImageIndex) {
    kind2 = edImagePickerDropDown;
    auto* picker = grid->ImagePickerDropDown();
    for (int i = 0; i < 4; ++i) {
        ctl::TImageItem* item = picker->Items().Add();
        item->SetImageIndex(10 + i);
        item->SetCaption("image " + std::to_string(i));
    }
    const struct {
        const char* name;
        const char* cell;
        std::vector<Step> steps;
        const char* result;
    } cases[] = {
        {"the cell's index comes back", "11", {Key(plat::VK_RETURN)}, "11"},
        {"a pick in the pop-up", "11", {Key(plat::VK_DOWN, plat::ssAlt), Key(plat::VK_RIGHT), Key(plat::VK_RETURN)},
         "12"},
        {"Esc keeps the cell", "11", {Key(plat::VK_DOWN, plat::ssAlt), Key(plat::VK_RIGHT), Key(plat::VK_ESCAPE)}, "11"},
        {"an index no entry has stays", "99", {Key(plat::VK_RETURN)}, "99"},
    };
    for (const auto& c : cases) {
        Play(c.cell, c.steps);
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.name;
    }
}

TEST_F(GridPickerWrapper, ListPickersOpenOnTheEntryTheCellLooksUp) {
    auto* cols = grid->GridDropDown();
    auto* list = grid->ExtGridDropDown();
    for (ctl::TColumnDropDown* p : {static_cast<ctl::TColumnDropDown*>(cols), static_cast<ctl::TColumnDropDown*>(list)}) {
        p->Columns() = {ctl::TDropDownColumn{}, ctl::TDropDownColumn{}};
        for (const char* n : {"Alpha", "Beta", "Gamma"}) p->Items().Add({n, std::string(n) + " code"});
    }
    // A program may switch the list's fixed header row off; the editor
    // keeps it, or the first entry would become the header.
    list->Grid()->SetFixedRowAlways(false);
    const struct {
        const char* name;
        TEditorType kind;
        const char* cell;
        int item;
    } cases[] = {
        // Each case follows one that left another entry chosen.
        {"grid list: a prefix finds its entry", edExtGridDropDown, "be", 1},
        {"grid list: no entry has the text", edExtGridDropDown, "zeta", -1},
        {"grid list: an empty cell opens on the first", edExtGridDropDown, "", 0},
        {"grid list: the whole text", edExtGridDropDown, "Gamma", 2},
        {"columns: a prefix finds its entry", edGridDropDown, "be", 1},
        {"columns: no entry has the text", edGridDropDown, "zeta", -1},
        {"columns: an empty cell opens on the first", edGridDropDown, "", 0},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        Play(c.cell, {});
        ctl::TColumnDropDown* p = c.kind == edGridDropDown ? static_cast<ctl::TColumnDropDown*>(cols) : list;
        ASSERT_EQ(grid->EditCtrl(), p) << c.name;
        EXPECT_EQ(p->ItemIndex(), c.item) << c.name;
        EXPECT_EQ(p->Text(), c.cell) << c.name;
        if (c.kind == edExtGridDropDown) {
            EXPECT_TRUE(list->Grid()->FixedRowAlways()) << c.name;
            // The open list stands on the entry's row.
            pt::SendKey(*p, plat::VK_DOWN, plat::ssAlt);
            ASSERT_TRUE(p->DroppedDown()) << c.name;
            if (c.item >= 0) EXPECT_EQ(list->Grid()->Row(), list->ItemToRow(c.item)) << c.name;
            pt::SendKey(*p, plat::VK_ESCAPE);
        }
        pt::SendKey(*p, plat::VK_ESCAPE);
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.name;
    }
    // A pick from the open list is what the cell gets.
    kind2 = edExtGridDropDown;
    Play("al", {Key(plat::VK_DOWN, plat::ssAlt)});
    ASSERT_TRUE(list->DroppedDown());
    pt::SendKey(*list->Grid(), plat::VK_DOWN);
    pt::SendKey(*list->Grid(), plat::VK_RETURN);
    pt::ProcessEvents();
    ASSERT_FALSE(list->DroppedDown());
    pt::SendKey(*list, plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "Beta");
}

TEST_F(GridPickerWrapper, DetailPickerOpensOnTheEntryNamedByTheCell) {
    kind2 = edDetailDropDown;
    auto* detail = grid->DetailPickerDropDown();
    for (const char* n : {"North", "South", "East"}) detail->Items().Add(n, std::string("to the ") + n);
    const struct {
        const char* cell;
        int item;
    } cases[] = {{"South", 1}, {"West", -1}, {"East", 2}, {"", -1}, {"north", -1}};
    for (const auto& c : cases) {
        Play(c.cell, {});
        ASSERT_EQ(grid->EditCtrl(), detail) << c.cell;
        EXPECT_EQ(detail->ItemIndex(), c.item) << c.cell;
        EXPECT_EQ(detail->Text(), c.cell) << c.cell;
        pt::SendKey(*detail, plat::VK_ESCAPE);
        EXPECT_FALSE(grid->EditMode()) << c.cell;
    }
}

TEST_F(GridPickerWrapper, ColourPickerOnAShapeCellColoursTheShape) {
    kind2 = edColorPickerDropDown;
    grid->AddShape(2, 2, ctl::csCircle, plat::clRed, plat::clBlack, haCenter, vaCenter);
    grid->SetColors(2, 2, plat::clYellow);
    std::vector<plat::TColor> heard;
    grid->OnColorSelected = [&](plat::TObject* Sender, int ACol, int ARow, plat::TColor Color, std::string& Value) {
        EXPECT_EQ(Sender, grid);
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 2);
        heard.push_back(Color);
        Value = "picked";
    };
    Play("", {});
    auto* picker = grid->ColorPickerDropDown();
    ASSERT_EQ(grid->EditCtrl(), picker);
    EXPECT_EQ(picker->SelectedColor(), plat::clRed);
    picker->SetSelectedColor(plat::clBlue);
    pt::SendKey(*picker, plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->GetShapeColor(2, 2), plat::clBlue);
    EXPECT_EQ(grid->Colors(2, 2), plat::clYellow);
    EXPECT_EQ(grid->Cells(2, 2), "picked");
    EXPECT_EQ(heard, std::vector<plat::TColor>{plat::clBlue});
    pt::ProcessEvents();
    Shot("GridColourPicker_shape.png");
    const plat::TRect r = grid->CellRect(2, 2);
    EXPECT_EQ(pt::PixelAt(*grid, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), ctltest::Rgb(plat::clBlue));
}

TEST_F(GridPickerWrapper, EscLeavesTheColourAndImageTheCellHad) {
    // A choice moved with the pop-up closed is still only a choice: Esc
    // must not store it beside the restored text.
    kind2 = edColorPickerDropDown;
    grid->SetColors(2, 2, plat::clRed);
    Play("red", {});
    auto* colour = grid->ColorPickerDropDown();
    colour->SetSelectedColor(plat::clGreen);
    pt::SendKey(*colour, plat::VK_ESCAPE);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Colors(2, 2), plat::clRed);
    EXPECT_EQ(grid->Cells(2, 2), "red");

    ctltest::TSquareImages images(4, 16, {plat::clRed, plat::clGreen, plat::clBlue, plat::clYellow});
    grid->SetGridImages(&images);
    grid->AddImageIdx(2, 2, 1, haLeft, vaTop);
    kind2 = edImagePickerDropDown;
    // End chooses the last image while the pop-up is closed.
    Play("text", {Key(plat::VK_END)});
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->ImagePickerDropDown()->ImageIndex(), 3);
    pt::SendKey(*grid->ImagePickerDropDown(), plat::VK_ESCAPE);
    EXPECT_FALSE(grid->EditMode());
    int index = -1;
    ASSERT_TRUE(grid->GetImageIdx(2, 2, index));
    EXPECT_EQ(index, 1);
    grid->SetGridImages(nullptr);
}

TEST_F(GridPickerWrapper, ColourAndImageWaitForTheValidationToPass) {
    // A refused value must leave the cell as it was: no colour or image
    // stored beside it, and no pick reported to the window.
    ctltest::TSquareImages images(4, 16, {plat::clRed, plat::clGreen, plat::clBlue, plat::clYellow});
    grid->SetGridImages(&images);
    std::vector<std::string> heard;
    grid->OnColorSelected = [&](plat::TObject*, int, int, plat::TColor, std::string&) { heard.push_back("colour"); };
    grid->OnImageSelected = [&](plat::TObject*, int, int, int) { heard.push_back("image"); };
    bool accept = false;
    std::vector<std::string> validated;
    grid->OnCellValidate = [&](plat::TObject*, int, int, std::string& Value, bool& Valid) {
        validated.push_back(Value);
        Valid = accept;
    };
    // The image of an image-list cell keeps the cell's text: only a
    // validation that runs always sees it.
    grid->SetAlwaysValidate(true);
    const struct {
        const char* name;
        TEditorType kind;
        bool accept;
    } cases[] = {
        {"colour refused", edColorPickerDropDown, false},
        {"colour accepted", edColorPickerDropDown, true},
        {"image refused", edImagePickerDropDown, false},
        {"image accepted", edImagePickerDropDown, true},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        accept = c.accept;
        heard.clear();
        validated.clear();
        grid->SetColors(2, 2, plat::clRed);
        grid->RemoveImageIdx(2, 2);
        grid->AddImageIdx(2, 2, 1, haLeft, vaTop);
        plat::TWinControl* picker = nullptr;
        if (c.kind == edColorPickerDropDown) {
            Play("red", {});
            grid->ColorPickerDropDown()->SetSelectedColor(plat::clBlue);
            picker = grid->ColorPickerDropDown();
        } else {
            Play("red", {Key(plat::VK_END)});  // End chooses the last image
            picker = grid->ImagePickerDropDown();
        }
        ASSERT_EQ(grid->EditCtrl(), picker) << c.name;
        pt::SendKey(*picker, plat::VK_RETURN);
        pt::ProcessEvents();
        EXPECT_EQ(validated.size(), 1u) << c.name;
        EXPECT_EQ(grid->EditMode(), !c.accept) << c.name << ": a refused value keeps the editor open";
        if (!c.accept) {
            EXPECT_TRUE(heard.empty()) << c.name << ": no pick is reported before the value passed";
            // Giving up on the edit stores nothing either.
            pt::SendKey(*picker, plat::VK_ESCAPE);
            EXPECT_FALSE(grid->EditMode()) << c.name;
        } else {
            EXPECT_EQ(heard, std::vector<std::string>{c.kind == edColorPickerDropDown ? "colour" : "image"}) << c.name;
        }
        const bool colourPicked = c.accept && c.kind == edColorPickerDropDown;
        EXPECT_EQ(grid->Colors(2, 2), colourPicked ? plat::clBlue : plat::clRed) << c.name;
        int index = -1;
        ASSERT_TRUE(grid->GetImageIdx(2, 2, index)) << c.name;
        EXPECT_EQ(index, c.accept && c.kind == edImagePickerDropDown ? 3 : 1) << c.name;
    }
    grid->SetAlwaysValidate(false);
    grid->SetGridImages(nullptr);
}

TEST_F(GridPickerWrapper, ImagePickerOnImageCellsTakesTheGridsImages) {
    ctltest::TSquareImages images(6, 16, {plat::clRed, plat::clGreen, plat::clBlue});
    grid->SetGridImages(&images);
    kind2 = edImagePickerDropDown;
    auto* picker = grid->ImagePickerDropDown();
    std::vector<int> heard;
    grid->OnImageSelected = [&](plat::TObject*, int, int, int Index) { heard.push_back(Index); };

    // An image-list cell: the image is the cell's graphic, its text stays.
    grid->AddImageIdx(2, 2, 3, haLeft, vaTop);
    Play("caption", {});
    ASSERT_EQ(grid->EditCtrl(), picker);
    EXPECT_EQ(picker->Images(), &images);
    EXPECT_EQ(picker->Items().Count(), 6);
    EXPECT_EQ(picker->ImageIndex(), 3);
    pt::SendKey(*picker, plat::VK_DOWN, plat::ssAlt);
    ASSERT_TRUE(picker->DroppedDown());
    pt::SendKey(*picker, plat::VK_RIGHT);
    pt::SendKey(*picker, plat::VK_RETURN);
    pt::ProcessEvents();
    if (grid->EditMode()) pt::SendKey(*picker, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    int index = -1;
    ASSERT_TRUE(grid->GetImageIdx(2, 2, index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(grid->Cells(2, 2), "caption");
    EXPECT_EQ(heard, std::vector<int>{4});
    pt::ProcessEvents();
    Shot("GridImagePicker_imagecell.png");
    const plat::TRect r = grid->CellRect(2, 2);
    // Image 4 is the second of the colours, drawn at the cell's top left.
    EXPECT_EQ(pt::PixelAt(*grid, r.Left + 8, r.Top + 8), ctltest::Rgb(plat::clGreen));
    grid->RemoveImageIdx(2, 2);

    // A data-image cell holds the index as its value.
    grid->AddDataImage(2, 2, 0, haLeft, vaTop);
    heard.clear();
    Play("3", {Key(plat::VK_END), Key(plat::VK_RETURN)});
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "5");
    EXPECT_EQ(heard, std::vector<int>{5});
    grid->SetGridImages(nullptr);
}

// Each picker editor opens with the grid's header and footer bars and the
// grid's style, and a click on a bar button tells the grid which cell's
// editor it was.
TEST_F(GridPickerWrapper, PickersShowTheGridsBarsAndReportTheirButtons) {
    const ctl::TBarAppearance fresh = grid->ControlLook().DropDownHeader();
    EXPECT_TRUE(fresh.Visible);
    EXPECT_EQ(fresh.Font.Name(), "Tahoma");
    EXPECT_EQ(fresh.Font.Height(), -11);
    EXPECT_EQ(grid->ControlLook().DropDownFooter().Font.Name(), "Tahoma");
    ctl::TBarAppearance header = fresh;
    header.Caption = "Zone <b>é</b>";
    header.Buttons = {{"Ω", true, 24, 0, plat::mrNone}};
    grid->ControlLook().SetDropDownHeader(header);
    ctl::TBarAppearance footer = grid->ControlLook().DropDownFooter();
    footer.Buttons = {{"OK", true, 30, 0, plat::mrOk}};
    grid->ControlLook().SetDropDownFooter(footer);
    grid->Painter().SetComponentStyle(ctl::tsGlass);
    std::vector<std::string> heard;
    grid->OnDropDownHeaderButtonClick = [&](plat::TObject* Sender, int ACol, int ARow, int Index) {
        EXPECT_EQ(Sender, grid);
        heard.push_back("header " + std::to_string(ACol) + "," + std::to_string(ARow) + " #" + std::to_string(Index));
    };
    grid->OnDropDownFooterButtonClick = [&](plat::TObject*, int ACol, int ARow, int Index) {
        heard.push_back("footer " + std::to_string(ACol) + "," + std::to_string(ARow) + " #" + std::to_string(Index));
    };
    for (TEditorType k : {edColorPickerDropDown, edMemoDropDown, edDetailDropDown}) {
        kind2 = k;
        heard.clear();
        Play("", {Key(plat::VK_DOWN, plat::ssAlt)});
        auto* picker = dynamic_cast<ctl::TExtCustomDropDown*>(grid->EditCtrl());
        ASSERT_NE(picker, nullptr) << k;
        ASSERT_TRUE(picker->DroppedDown()) << k;
        EXPECT_EQ(picker->GetComponentStyle(), ctl::tsGlass) << k;
        ctl::TDropDownForm* f = picker->DropDownForm();
        ASSERT_NE(f->Header(), nullptr) << k;
        ASSERT_NE(f->Footer(), nullptr) << k;
        EXPECT_TRUE(f->Header()->Visible()) << k;
        EXPECT_EQ(f->Header()->Appearance().Caption, "Zone <b>é</b>") << k;
        pt::ClickAt(*f->Header()->Buttons(0));
        EXPECT_TRUE(picker->DroppedDown()) << k;
        pt::ClickAt(*f->Footer()->Buttons(0));
        EXPECT_FALSE(picker->DroppedDown()) << k;
        EXPECT_EQ(heard, (std::vector<std::string>{"header 2,2 #0", "footer 2,2 #0"})) << k;
        pt::SendKey(*picker, plat::VK_ESCAPE);
        pt::ProcessEvents();
    }
    // A copy of the look takes the bars along.
    TExtStringGrid other(form.get());
    other.ControlLook().Assign(grid->ControlLook());
    EXPECT_EQ(other.ControlLook().DropDownHeader().Caption, "Zone <b>é</b>");
    EXPECT_EQ(other.ControlLook().DropDownFooter().Buttons.size(), 1u);
}

TEST_F(GridPickerWrapper, TimePickerShowsNoFocusMarkOverTheCell) {
    kind2 = edTimePickerDropDown;
    // A program that makes the time pick-only still sees the time it edits.
    grid->OnGetEditorProp = [](plat::TObject* Sender, int, int, TEditLink*) {
        static_cast<TExtStringGrid*>(Sender)->TimePickerDropDown()->SetEditorEnabled(false);
    };
    Play("10:30:00", {});
    auto* time = grid->TimePickerDropDown();
    ASSERT_EQ(grid->EditCtrl(), time);
    ASSERT_TRUE(time->Focused());
    EXPECT_FALSE(time->FocusDraw());
    EXPECT_FALSE(time->FocusMarkShown());
    pt::SendKey(*time, plat::VK_ESCAPE);
    EXPECT_FALSE(grid->EditMode());

    // The same picker outside the grid marks its focus.
    ctl::TExtTimePickerDropDown plain(form.get());
    plain.SetParent(form.get());
    plain.SetBounds(10, 300, 120, 22);
    plain.SetFocus();
    pt::ProcessEvents();
    ASSERT_TRUE(plain.Focused());
    EXPECT_TRUE(plain.FocusMarkShown());
    // A click on the marked text opens the pick-only picker's pop-up; once
    // it closes, the picker has the focus and its mark again.
    pt::MouseDown(plain, plat::mbLeft, 20, 10);
    pt::MouseUp(plain, plat::mbLeft, 20, 10);
    pt::ProcessEvents();
    EXPECT_TRUE(plain.DroppedDown());
    plain.HideDropDown(true);
    pt::ProcessEvents();
    EXPECT_TRUE(plain.Focused());
    EXPECT_TRUE(plain.FocusMarkShown());
    plain.SetFocusDraw(false);
    EXPECT_FALSE(plain.FocusMarkShown());
}

}  // namespace

namespace {

TEST_F(GridPickerWrapper, TrackBarAndColourPickersKeepEnterAndEscFromTheForm) {
    const struct {
        const char* name;
        TEditorType kind;
        bool tabs;
        bool enter, esc, tab;
    } cases[] = {
        {"track bar", edTrackbarDropDown, false, true, true, false},
        {"track bar, tabs", edTrackbarDropDown, true, true, true, true},
        {"colour", edColorPickerDropDown, false, true, true, false},
        {"memo", edMemoDropDown, false, false, false, false},
        {"memo, tabs", edMemoDropDown, true, false, false, true},
    };
    for (const auto& c : cases) {
        kind2 = c.kind;
        grid->SetOptions(c.tabs ? grid->Options() + plat::TGridOptions{plat::goTabs}
                                : grid->Options() - plat::TGridOptions{plat::goTabs});
        Play("3", {});
        ASSERT_TRUE(grid->EditMode()) << c.name;
        plat::TWinControl* editor = grid->EditCtrl();
        ASSERT_NE(editor, nullptr) << c.name;
        EXPECT_EQ(editor->Perform(plat::CM_WANTSPECIALKEY, plat::VK_RETURN) != 0, c.enter) << c.name;
        EXPECT_EQ(editor->Perform(plat::CM_WANTSPECIALKEY, plat::VK_ESCAPE) != 0, c.esc) << c.name;
        EXPECT_EQ(editor->Perform(plat::CM_WANTSPECIALKEY, plat::VK_TAB) != 0, c.tab) << c.name;
        pt::SendKey(*editor, plat::VK_ESCAPE);
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << c.name;
    }
}

}  // namespace
