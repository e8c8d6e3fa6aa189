// The grid drop-down driven by real keys: its list is a whole string grid
// filled from the items, looked up or narrowed by typing, confirmed by
// Enter or a click and cancelled by Esc; and every list picker opened as a
// cell editor through the grid's editor link.

#include "grid/GridDropDown.h"

#include "controls/DetailDropDown.h"
#include "controls/MultiColumnDropDown.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtGridSearchFooter.h"
#include "grid/ExtGridSortSettings.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "../controls/DropDownOnForm.h"
#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

void Describe(TCustomExtGridDropDown& dd) {
    ctl::TDropDownColumn name, code;
    name.Header = "Colour";
    code.Header = "Code";
    dd.Columns() = {name, code};
    const char* names[] = {"red", "green", "bordeaux", "blue", "zinc"};
    const char* codes[] = {"FF0000", "00FF00", "800020", "0000FF", "BAC4C8"};
    for (int i = 0; i < 5; ++i) dd.Items().Add({names[i], codes[i]});
    dd.EndUpdate();
}

class GridDropDown : public DropDownOnForm<TCustomExtGridDropDown> {
protected:
    void SetUp() override {
        DropDownOnForm::SetUp();
        Describe(*dd);
        Show();
    }
    TExtColGrid* List() const { return dd->GetGrid(); }
};

TEST_F(GridDropDown, HeightIsCutToWholeRows) {
    dd->DropDownHeader().Visible = false;
    dd->DropDownFooter().Visible = false;
    int h = 200;
    dd->AdjustDropDownHeight(h);
    EXPECT_EQ(h, 185);  // 25 + 2 + 7 x 22 + 4
}

TEST_F(GridDropDown, OpeningFillsTheListAndFindsTheChosenItemAfterASort) {
    dd->SetSorting(gsSingleColumn);
    dd->SetItemIndex(3);
    List()->SortSettings().SetColumn(0);
    dd->ShowDropDown();
    ASSERT_TRUE(dd->DroppedDown());
    TExtColGrid* g = List();
    EXPECT_EQ(g->RowCount(), 6);
    EXPECT_EQ(g->Cells(0, 0), "Colour");
    EXPECT_EQ(g->Cells(0, 1), "blue") << "sorted by the first column";
    EXPECT_EQ(g->Row(), 1) << "the row of item 3 moved with the sort";
    EXPECT_EQ(dd->RowToItem(g->Row()), 3);
    pt::SendKey(*g, plat::VK_DOWN);
    EXPECT_EQ(dd->Text(), "bordeaux");
    EXPECT_EQ(dd->ItemIndex(), 2);
    pt::SendKey(*g, plat::VK_ESCAPE);
    EXPECT_EQ(dd->ItemIndex(), 3) << "Esc restores the entry of the opening";
    EXPECT_EQ(dd->Text(), "blue");
}

// The list is written from the items only when they changed since the last
// opening; every way of changing them shows at the next opening.
TEST_F(GridDropDown, ChangedItemsShowAtTheNextOpening) {
    const struct {
        const char* name;
        std::function<void(ctl::TDropDownItems&)> change;
        std::vector<std::string> shown;
    } cases[] = {
        {"unchanged", [](ctl::TDropDownItems&) {}, {"red", "green", "bordeaux", "blue", "zinc"}},
        {"text", [](ctl::TDropDownItems& i) { i.Items(1).Text[0] = "lime"; },
         {"red", "lime", "bordeaux", "blue", "zinc"}},
        {"add", [](ctl::TDropDownItems& i) { i.Add({"lime"}); },
         {"red", "green", "bordeaux", "blue", "zinc", "lime"}},
        {"insert", [](ctl::TDropDownItems& i) { i.Insert(0).Text = {"lime"}; },
         {"lime", "red", "green", "bordeaux", "blue", "zinc"}},
        {"delete", [](ctl::TDropDownItems& i) { i.Delete(0); }, {"green", "bordeaux", "blue", "zinc"}},
        {"assign",
         [](ctl::TDropDownItems& i) {
             ctl::TDropDownItems other;
             other.Add({"lime"});
             i.Assign(other);
         },
         {"lime"}},
        {"clear", [](ctl::TDropDownItems& i) { i.Clear(); }, {}},
    };
    for (const auto& c : cases) {
        dd->Items().Clear();
        for (const char* n : {"red", "green", "bordeaux", "blue", "zinc"}) dd->Items().Add({n});
        dd->ShowDropDown();
        dd->HideDropDown(true);
        c.change(dd->Items());
        dd->ShowDropDown();
        std::vector<std::string> shown;
        for (int r = List()->FixedRows(); r < List()->RowCount(); ++r) shown.push_back(List()->Cells(0, r));
        EXPECT_EQ(shown, c.shown) << c.name;
        for (int r = List()->FixedRows(); r < List()->RowCount(); ++r)
            EXPECT_EQ(dd->RowToItem(r), r - 1) << c.name;
        dd->HideDropDown(true);
    }
}

TEST_F(GridDropDown, ConfirmingByKeysClicksAndOutsideClick) {
    int selects = 0;
    dd->OnSelect = [&](plat::TObject* s) {
        EXPECT_EQ(s, dd);
        ++selects;
    };
    dd->SetItemIndex(1);
    dd->ShowDropDown();
    TExtColGrid* g = List();
    pt::SendKey(*g, plat::VK_RETURN);  // at once: the entry shown stays
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->ItemIndex(), 1);
    EXPECT_EQ(selects, 1);

    dd->ShowDropDown();
    pt::Wheel(*g, -120, 5, 40);
    const int reached = dd->RowToItem(g->Row());
    EXPECT_NE(reached, 1);
    EXPECT_EQ(dd->ItemIndex(), 1) << "the wheel only moves";
    pt::SendKey(*g, plat::VK_RETURN);
    EXPECT_EQ(dd->ItemIndex(), reached) << "Enter takes the row the wheel reached";

    dd->ShowDropDown();
    const plat::TRect r = g->GridCellRect(0, 4);
    pt::ClickAt(*g, r.Left + 3, r.Top + 3);
    EXPECT_FALSE(dd->DroppedDown());
    EXPECT_EQ(dd->Text(), "blue");

    dd->ShowDropDown();
    pt::SendKey(*g, plat::VK_UP);
    dd->HideDropDown(false);  // a click outside keeps the row last chosen
    EXPECT_EQ(dd->ItemIndex(), 2);
}

// Keys typed into the open list, by lookup method and style.
TEST_F(GridDropDown, LookupAndNarrowingInTheOpenList) {
    const struct {
        const char* name;
        ctl::TLookupMethod method;
        TDropDownStyle style;
        const char* typed;
        std::string text, selected;
        int rows;  // data rows left in the list
        std::string current;
    } cases[] = {
        {"no lookup", ctl::lmNone, dsDropDown, "g", "red", "", 5, "red"},
        {"lookup", ctl::lmLookup, dsDropDown, "gr", "green", "een", 5, "green"},
        {"unmatched keeps the text", ctl::lmLookup, dsDropDown, "bz", "bordeaux", "ordeaux", 5, "bordeaux"},
        {"list restarts with the key", ctl::lmLookup, dsDropDownList, "bz", "zinc", "", 5, "zinc"},
        {"narrow r", ctl::lmNarrowDown, dsDropDown, "r", "red", "ed", 3, "red"},
        {"narrow re", ctl::lmNarrowDown, dsDropDown, "re", "red", "d", 2, "red"},
    };
    for (const auto& c : cases) {
        dd->SetLookupMethod(c.method);
        dd->SetStyle(c.style);
        dd->SetItemIndex(0);
        dd->SetFocus();  // entering clears the lookup and any narrowing
        dd->ShowDropDown();
        pt::TypeText(*List(), c.typed);
        EXPECT_EQ(dd->Text(), c.text) << c.name;
        EXPECT_EQ(Selected(), c.selected) << c.name;
        EXPECT_EQ(List()->RowCount() - List()->FixedRows(), c.rows) << c.name;
        EXPECT_EQ(List()->Cells(0, List()->Row()), c.current) << c.name;
        pt::SendKey(*List(), plat::VK_ESCAPE);  // closes and ends the search
        EXPECT_FALSE(dd->DroppedDown()) << c.name;
        List()->RemoveAllFilters();
    }
}

TEST_F(GridDropDown, BackspaceInAListOnlyEditRemovesExactlyTheSelection) {
    dd->SetStyle(dsDropDownList);
    EXPECT_FALSE(dd->EditorEnabled());
    dd->SetText("bordeaux");
    dd->SetSelStart(2);
    dd->SetSelLength(3);  // "rde"
    pt::SendKey(*dd, plat::VK_BACK);
    EXPECT_EQ(dd->Text(), "boaux");
    dd->SetStyle(dsDropDown);
    EXPECT_TRUE(dd->EditorEnabled());
}

TEST_F(GridDropDown, TypeAheadInTheEditCompletesFromTheLookupColumn) {
    pt::TypeText(*dd, "bo");
    EXPECT_EQ(dd->Text(), "bordeaux");
    EXPECT_EQ(Selected(), "rdeaux");
    EXPECT_EQ(dd->ItemIndex(), 2);
    pt::TypeText(*dd, "q");
    EXPECT_EQ(dd->Text(), "boq");
    pt::SendKey(*dd, plat::VK_ESCAPE);
    EXPECT_EQ(dd->ItemIndex(), -1) << "Esc with a text that is no entry";
    EXPECT_EQ(dd->Text(), "");
}

TEST_F(GridDropDown, GridCellsAsEntriesRefuseRowsPastTheData) {
    dd->SetUseItems(false);
    TExtColGrid* g = List();
    g->SetColCount(2);
    g->SetRowCount(4);
    for (int r = 1; r < 4; ++r) g->SetCells(0, r, "row" + std::to_string(r));
    dd->SetItemIndex(2);
    EXPECT_EQ(dd->Text(), "row3");
    dd->SetItemIndex(3);  // the row after the last data row
    EXPECT_EQ(dd->ItemIndex(), 2);
    EXPECT_EQ(dd->Text(), "row3");
    dd->SetItemIndex(-1);
    EXPECT_EQ(dd->Text(), "");
    dd->SetText("row2");
    dd->ShowDropDown();
    EXPECT_EQ(g->Row(), 2) << "the opening finds the text among the cells";
    EXPECT_GE(dd->Columns().size(), 2u);
}

TEST_F(GridDropDown, GridEventsReachTheDropDown) {
    dd->Columns()[1].Color = 0x00FFFF;
    dd->Columns()[0].Alignment = plat::taRightJustify;
    std::vector<plat::TObject*> senders;
    bool blocked = false;
    dd->OnGridGetCellColor = [](plat::TObject*, int, int, TGridDrawState, plat::TBrush&, plat::TFont&) {};
    dd->OnGridTopLeftChanged = [&](plat::TObject* s) { senders.push_back(s); };
    dd->OnGridButtonClick = [&](plat::TObject*, int, int) { blocked = dd->DropDownForm()->BlockActivate(); };
    dd->ShowDropDown();
    TExtColGrid* g = List();
    plat::TBrush brush;
    plat::TFont font;
    brush.SetColor(plat::clWhite);
    g->OnGetCellColor(g, 1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::TColor{0x00FFFF}) << "a handler that does nothing keeps the column's colour";
    brush.SetColor(plat::clWhite);
    g->OnGetCellColor(g, 1, 5, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clWhite) << "a column without description keeps the grid's";
    plat::TAlignment h = plat::taLeftJustify;
    TVAlignment v{};
    g->OnGetAlignment(g, 1, 0, h, v);
    EXPECT_EQ(h, plat::taRightJustify);
    g->OnButtonClick(g, 0, 1);
    EXPECT_TRUE(blocked) << "a window the handler opens does not close the pop-up";
    EXPECT_FALSE(dd->DropDownForm()->BlockActivate());
    g->SetTopRow(2);
    ASSERT_FALSE(senders.empty());
    EXPECT_EQ(senders.back(), dd);
}

// The list's hint, moving and display-text events reach the drop-down's
// events with the list as Sender; the display text shows in the list.
TEST_F(GridDropDown, HintMoveAndDisplayTextEventsReachTheDropDown) {
    dd->ShowDropDown();
    EXPECT_FALSE(List()->OnGetDisplText) << "no handler: the list reads its cells directly";
    dd->HideDropDown(true);
    std::vector<std::string> heard;
    dd->OnGridAnchorHint = [&](plat::TObject* S, int ARow, int ACol, std::string& Anchor) {
        EXPECT_EQ(S, List());
        heard.push_back("hint " + std::to_string(ARow) + "," + std::to_string(ACol));
        Anchor = "Zone é";
    };
    dd->OnGridRowMoving = [&](plat::TObject* S, int ARow, bool& Allow) {
        EXPECT_EQ(S, List());
        heard.push_back("row " + std::to_string(ARow));
        Allow = ARow != 2;
    };
    dd->OnGridColumnMoving = [&](plat::TObject*, int ACol, bool& Allow) {
        heard.push_back("column " + std::to_string(ACol));
        Allow = false;
    };
    dd->OnGridGetDiplText = [](plat::TObject*, int, int ARow, std::string& Value) {
        if (ARow > 0) Value = "«" + Value + "»";
    };
    dd->ShowDropDown();
    TExtColGrid* g = List();
    std::string anchor = "a";
    g->OnAnchorHint(g, 1, 0, anchor);
    EXPECT_EQ(anchor, "Zone é");
    bool allow = true;
    g->OnRowMoving(g, 2, allow);
    EXPECT_FALSE(allow);
    allow = true;
    g->OnColumnMoving(g, 1, allow);
    EXPECT_FALSE(allow);
    EXPECT_EQ(heard, (std::vector<std::string>{"hint 1,0", "row 2", "column 1"}));
    // The list's cells read through it.
    EXPECT_EQ(g->Cells(0, 1), "«red»");
}

// Settings of the drop-down reach its list at the next opening.
TEST_F(GridDropDown, ListSettingsAreCopiedAtEachOpening) {
    const struct {
        THomeEndAction homeEnd;
        int rowAfterEnd;
        bool footer, bands, allSelect;
    } cases[] = {
        {heFirstLastRow, 5, false, true, false},  // as constructed: End goes to the last entry
        {heFirstLastColumn, 1, true, false, true},
    };
    dd->SetRowSelect(false);  // a row-select grid takes End to the last row whatever it is told
    for (const auto& c : cases) {
        dd->Navigation().SetHomeEndKey(c.homeEnd);
        dd->SearchFooter().SetVisible(c.footer);
        dd->Bands().SetActive(c.bands);
        dd->Bands().SetPrimaryColor(0x00C800);
        dd->MouseActions().SetAllSelect(c.allSelect);
        dd->SetItemIndex(0);
        dd->ShowDropDown();
        TExtColGrid* g = List();
        pt::SendKey(*g, plat::VK_END);
        EXPECT_EQ(g->Row(), c.rowAfterEnd) << c.homeEnd;
        EXPECT_EQ(g->SearchPanel()->Visible(), c.footer) << c.homeEnd;
        EXPECT_EQ(g->Bands().Active(), c.bands) << c.homeEnd;
        EXPECT_EQ(g->Bands().PrimaryColor(), plat::TColor{0x00C800}) << c.homeEnd;
        EXPECT_EQ(g->MouseActions().AllSelect(), c.allSelect) << c.homeEnd;
        dd->HideDropDown(true);
    }
}

// The sort and compare events of the list reach the drop-down; its own
// sort handling still keeps the chosen entry selected.
TEST_F(GridDropDown, SortEventsReachTheDropDown) {
    dd->SetSorting(gsSingleColumn);
    dd->SetItemIndex(3);  // blue
    std::vector<int> canSort, clickSort;
    bool allow = false;
    dd->OnGridCanSort = [&](plat::TObject* s, int col, bool& doSort) {
        EXPECT_EQ(s, List());
        canSort.push_back(col);
        doSort = allow;
    };
    dd->OnGridClickSort = [&](plat::TObject*, int col) { clickSort.push_back(col); };
    // Column 0 sorts by the last letter, column 1 by its code backwards.
    dd->OnGridGetFormat = [](plat::TObject*, int col, TSortStyle& style, std::string&, std::string&) {
        style = col == 0 ? ssCustom : ssRaw;
    };
    dd->OnGridCustomCompare = [](plat::TObject*, const std::string& a, const std::string& b, int& res) {
        res = a.back() < b.back() ? -1 : (a.back() > b.back() ? 1 : 0);
    };
    dd->OnGridRawCompare = [this](plat::TObject*, int col, int r1, int r2, int& res) {
        res = List()->Cells(col, r2).compare(List()->Cells(col, r1));
    };
    dd->ShowDropDown();
    TExtColGrid* g = List();
    auto clickHeader = [&](int col) {
        const plat::TRect r = g->GridCellRect(col, 0);
        pt::ClickAt(*g, r.Left + 6, r.Top + 6);
    };
    clickHeader(0);
    EXPECT_EQ(canSort, std::vector<int>{0});
    EXPECT_TRUE(clickSort.empty()) << "a refused sort does not happen";
    EXPECT_EQ(g->Cells(0, 1), "red");
    allow = true;
    const struct {
        int col;
        std::vector<std::string> order;
    } sorts[] = {
        {0, {"zinc", "red", "blue", "green", "bordeaux"}},
        {1, {"red", "zinc", "bordeaux", "green", "blue"}},
    };
    for (const auto& s : sorts) {
        clickHeader(s.col);
        EXPECT_EQ(clickSort.back(), s.col);
        std::vector<std::string> order;
        for (int r = 1; r < g->RowCount(); ++r) order.push_back(g->Cells(0, r));
        EXPECT_EQ(order, s.order) << s.col;
        EXPECT_EQ(dd->RowToItem(g->Row()), 3) << "the chosen entry stays selected";
    }
    EXPECT_TRUE(dd->DroppedDown()) << "a header click chooses nothing";
    std::vector<int> spins;
    dd->OnGridSpinClick = [&](plat::TObject* s, int col, int row, int, bool) {
        EXPECT_EQ(s, g);
        spins = {col, row};
    };
    dd->HideDropDown(true);
    dd->ShowDropDown();
    g->OnSpinClick(g, 1, 2, 5, true);
    EXPECT_EQ(spins, (std::vector<int>{1, 2}));
}

TEST_F(GridDropDown, OpenListScreenshotAndAccessibility) {
    dd->SetItemIndex(2);
    dd->ShowDropDown();
    EXPECT_EQ(List()->AccessibleName(), "Entries");
    EXPECT_EQ(List()->AccessibleRole(), plat::arTable);
    EXPECT_TRUE(ShotOfPopup("GridDropDown_open"));
}

// The pickers as a cell's editor, through the grid's editor link: the cell
// text selects its entry, the list choice goes back into the cell. Each
// picker takes the cell text its own way, as its cell editor does.
void Describe(ctl::TExtMultiColumnDropDown& dd) {
    ctl::TDropDownColumn name;
    name.Header = "Colour";
    dd.Columns() = {name};
    for (const char* n : {"red", "green", "bordeaux", "blue", "zinc"}) dd.Items().Add({n});
}
void Describe(ctl::TExtDetailDropDown& dd) {
    for (const char* n : {"red", "green", "bordeaux", "blue", "zinc"}) dd.Items().Add(n);
}
void TakeCellText(TCustomExtGridDropDown& dd, const std::string& S) {
    std::string found;
    int index = -1;
    if (!S.empty()) dd.FindLookupText(S, found, index);
    dd.SetItemIndex(S.empty() ? 0 : index);
    dd.SetText(S);
}
void TakeCellText(ctl::TExtMultiColumnDropDown& dd, const std::string& S) {
    dd.SetItemIndex(S.empty() ? 0 : dd.GetItemIndex(S));
    dd.SetText(S);
}
void TakeCellText(ctl::TExtDetailDropDown& dd, const std::string& S) {
    dd.SetText(S);
    if (const int i = dd.Items().IndexOf(dd.Text()); i >= 0) dd.SetItemIndex(i);
}

template <class TPicker>
class TPickerLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    plat::TWinControl* GetEditControl() override { return FPicker; }
    void CreateEditor(plat::TWinControl* AParent) override {
        FPicker = new TPicker(AParent);
        FPicker->SetParent(AParent);
        Describe(*FPicker);
        if constexpr (requires { FPicker->EndUpdate(); }) FPicker->EndUpdate();
        FPicker->OnKeyDown = [this](plat::TObject* s, unsigned short& k, plat::TShiftState sh) {
            if (!FPicker->DroppedDown()) EditKeyDown(s, k, sh);
        };
    }
    void SetEditorValue(const std::string& S) override { TakeCellText(*FPicker, S); }
    void GetEditorValue(std::string& S) override { S = FPicker->GetText(); }
    TPicker* FPicker = nullptr;
};

template <class TPicker>
class PickerEditor : public GridOnForm {};
using Pickers = ::testing::Types<TCustomExtGridDropDown, ctl::TExtMultiColumnDropDown, ctl::TExtDetailDropDown>;
TYPED_TEST_SUITE(PickerEditor, Pickers);

TYPED_TEST(PickerEditor, ChosenEntryIsWrittenBackIntoTheCell) {
    this->ShowGrid(4, 5, true);
    auto* grid = this->grid;
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edCustom;
    };
    TPickerLink<TypeParam> link(this->form.get());
    grid->SetEditLink(&link);
    grid->SetCells(2, 2, "green");
    pt::ProcessEvents();
    this->Select(1, 1);
    this->Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    TypeParam* d = link.FPicker;
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ItemIndex(), 1) << "the cell text selects its entry";
    pt::SendKey(*d, plat::VK_DOWN, plat::ssAlt);
    ASSERT_TRUE(d->DroppedDown());
    auto* list = dynamic_cast<plat::TWinControl*>(d->Control());
    ASSERT_NE(list, nullptr);
    pt::SendKey(*list, plat::VK_DOWN);
    pt::SendKey(*list, plat::VK_RETURN);
    EXPECT_FALSE(d->DroppedDown());
    EXPECT_EQ(d->GetText(), "bordeaux");
    pt::SendKey(*d, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "bordeaux");
    grid->SetEditLink(nullptr);
}

}  // namespace
