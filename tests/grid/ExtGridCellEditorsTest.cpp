// Editors over cells that are not the grid's normal ones, driven by real
// clicks and keys: fixed cells, inline form controls, the kept-visible
// combo and spin buttons, the combo list's extras and rich text cells.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridCellEditors.h"
#include "grid/ExtGridSpecialEditors.h"
#include "platform/Clipboard.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

class GridCellEditors : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 6, true);
        pt::ProcessEvents();
    }
    // The grid's one editor of a class, wherever it is.
    template <class T>
    T* Owned() {
        for (int i = 0; i < grid->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<T*>(grid->Components(i))) return t;
        return nullptr;
    }
    plat::TPoint Inside(int c, int r, int dx = 10, int dy = -1) {
        const plat::TRect rect = grid->GridCellRect(c, r);
        return {rect.Left + dx, dy < 0 ? rect.Top + rect.Height() / 2 : rect.Top + dy};
    }
};

TEST_F(GridCellEditors, FixedCellsAreEditedByTheConfiguredClickAndStoredOnLeaving) {
    const struct {
        const char* name;
        TGridFixedCellEdit rows, cols;
        TGridFixedCellEditor chosen;  // what OnFixedEdit picks
        plat::TMouseButton button;
        int col, row;
        const char* typed;
        const char* result;
    } cases[] = {
        {"header row, left click, edit", fceLeftClick, fceNone, fceEdit, plat::mbLeft, 2, 0, "Name", "Name"},
        {"fixed column, right click, edit", fceNone, fceRightClick, fceEdit, plat::mbRight, 0, 3, "R3", "R3"},
        {"header row, combo with free text", fceLeftClick, fceNone, fceComboEdit, plat::mbLeft, 3, 0, "Free",
         "Free"},
        {"a right click where a left click is asked edits nothing", fceLeftClick, fceNone, fceEdit, plat::mbRight, 2,
         0, "x", "head"},
    };
    for (const auto& c : cases) {
        grid->MouseActions().SetFixedRowsEdit(c.rows);
        grid->MouseActions().SetFixedColsEdit(c.cols);
        grid->OnFixedEdit = [&](plat::TObject*, int, int, TGridFixedCellEditor& kind, plat::TStrings& items) {
            kind = c.chosen;
            items.Add("One");
        };
        int done = 0;
        grid->OnEditingDone = [&](plat::TObject*) { ++done; };
        grid->SetCells(c.col, c.row, "head");
        const plat::TPoint p = Inside(c.col, c.row);
        pt::MouseDown(*grid, c.button, p.X, p.Y);
        pt::MouseUp(*grid, c.button, p.X, p.Y);
        pt::ProcessEvents();
        plat::TWinControl* ed =
            c.chosen == fceEdit ? static_cast<plat::TWinControl*>(grid->EditTrans()) : grid->ComboTrans();
        const bool opened = std::string(c.result) != "head";
        EXPECT_EQ(ed->Visible(), opened) << c.name;
        if (opened) {
            EXPECT_TRUE(ed->Focused()) << c.name;
            const plat::TRect r = grid->GridCellRect(c.col, c.row);
            EXPECT_NEAR(ed->Left(), r.Left + 1, 1) << c.name;
            EXPECT_NEAR(ed->Top(), r.Top + 1, 1) << c.name;
            EXPECT_EQ(ed->Text(), "head") << c.name;
            if (c.chosen == fceEdit) grid->EditTrans()->SelectAll();
            else grid->ComboTrans()->SetText("");
            pt::TypeText(*ed, c.typed);
            pt::SendKey(*ed, plat::VK_RETURN);
            EXPECT_TRUE(ed->Visible()) << c.name << ": Enter does not end a fixed-cell edit";
            other->SetFocus();
            pt::ProcessEvents();
            EXPECT_FALSE(ed->Visible()) << c.name;
            EXPECT_EQ(done, 1) << c.name;
        }
        EXPECT_EQ(grid->Cells(c.col, c.row), c.result) << c.name;
    }
}

TEST_F(GridCellEditors, RefusedFixedCellValueKeepsTheEditorOnTheSameCell) {
    grid->MouseActions().SetFixedRowsEdit(fceLeftClick);
    std::vector<std::pair<int, int>> asked;
    grid->OnCellValidate = [&](plat::TObject*, int c, int r, std::string& v, bool& valid) {
        asked.push_back({c, r});
        valid = v != "bad";
    };
    grid->SetCells(2, 0, "head");
    const plat::TPoint p = Inside(2, 0);
    pt::ClickAt(*grid, p.X, p.Y);
    TGridTransEdit* ed = grid->EditTrans();
    ASSERT_TRUE(ed->Visible());
    ed->SelectAll();
    pt::TypeText(*ed, "bad");
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_TRUE(ed->Visible());
    EXPECT_TRUE(ed->Focused());
    EXPECT_EQ(grid->Cells(2, 0), "head");
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 0}}));
    // Another fixed cell does not open while the refused one stays.
    const plat::TPoint q = Inside(3, 0);
    pt::ClickAt(*grid, q.X, q.Y);
    EXPECT_EQ(ed->Col, 2);
    ed->SelectAll();
    pt::TypeText(*ed, "good");
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_FALSE(ed->Visible());
    EXPECT_EQ(grid->Cells(2, 0), "good");
}

TEST_F(GridCellEditors, FormControlEditorsWriteTheValueBackIntoTheControl) {
    struct Done {
        int row, col;
        std::string id, type, value;
        bool operator==(const Done&) const = default;
    };
    std::vector<Done> done;
    grid->OnControlEditDone = [&](plat::TObject*, int r, int c, const std::string& id, const std::string& type,
                                  const std::string& v) { done.push_back({r, c, id, type, v}); };
    const std::string cell = "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\" WIDTH=\"60\">"
                             "<CONTROL TYPE=\"PASSWORD\" ID=\"p1\" VALUE=\"pw\" WIDTH=\"60\">";
    grid->SetColWidths(2, 200);
    grid->SetCells(2, 3, cell);
    Select(1, 1);
    const plat::TPoint p = Inside(2, 3, 12, 8);
    pt::ClickAt(*grid, p.X, p.Y);
    pt::ProcessEvents();
    plat::TWinControl* focused = nullptr;
    for (plat::TWinControl* w : {static_cast<plat::TWinControl*>(grid), static_cast<plat::TWinControl*>(other)})
        if (w->Focused()) focused = w;
    ASSERT_EQ(focused, nullptr) << "the click opens an editor that takes the focus";
    auto* edit = Owned<TControlEdit>();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), "old");
    EXPECT_EQ(edit->PasswordChar(), 0u);
    edit->SelectAll();
    pt::TypeText(*edit, "new");
    // Tab goes on to the next control of the cell: the password.
    pt::SendKey(*edit, plat::VK_TAB);
    pt::ProcessEvents();
    std::string v;
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "e1", v);
    EXPECT_EQ(v, "new");
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "pw");
    EXPECT_EQ(edit->PasswordChar(), U'*');
    edit->SelectAll();
    pt::TypeText(*edit, "secret");
    pt::SendKey(*edit, plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_FALSE(edit->Visible());
    EXPECT_TRUE(grid->Focused());
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "p1", v);
    EXPECT_EQ(v, "secret");
    EXPECT_EQ(done, (std::vector<Done>{{3, 2, "e1", "EDIT", "new"}, {3, 2, "p1", "PASSWORD", "secret"}}));
}

TEST_F(GridCellEditors, FormComboOffersTheWindowsItems) {
    std::vector<std::string> picked;
    grid->OnControlComboList = [](plat::TObject*, int, int, const std::string&, const std::string&,
                                  const std::string&, plat::TStrings& items, bool& editable, int&) {
        items.Add("red");
        items.Add("green");
        editable = false;
    };
    grid->OnControlComboSelect = [&](plat::TObject*, int, int, int, const std::string&, const std::string& text) {
        picked.push_back(text);
    };
    grid->SetColWidths(2, 200);
    grid->SetCells(2, 3, "<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"red\" WIDTH=\"80\">");
    Select(1, 1);
    const plat::TPoint p = Inside(2, 3, 12, 8);
    pt::ClickAt(*grid, p.X, p.Y);
    pt::ProcessEvents();
    auto* combo = Owned<TControlCombo>();
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->Visible());
    EXPECT_EQ(combo->Style(), plat::csDropDownList);
    EXPECT_EQ(combo->ItemIndex(), 0);
    ASSERT_TRUE(pt::PickDroppedItem(*combo, 1));
    pt::SendKey(*combo, plat::VK_RETURN);
    pt::ProcessEvents();
    std::string v;
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "k", v);
    EXPECT_EQ(v, "green");
    EXPECT_EQ(picked, std::vector<std::string>{"green"});
}

TEST_F(GridCellEditors, KeptVisibleButtonsAreDrawnAndOpenTheirEditor) {
    grid->ControlLook().SetDropDownAlwaysVisible(true);
    grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edComboList;
        if (col == 3) kind = edSpinEdit;
    };
    grid->ClearComboString();
    grid->AddComboString("a");
    grid->AddComboString("b");
    grid->SetCells(2, 2, "a");
    grid->SetCells(3, 2, "5");
    grid->SetCells(4, 2, "5");
    grid->Invalidate();
    pt::ProcessEvents();
    // A button face in the cell's right end, none in a plain cell.
    const plat::TRect combo = grid->GridCellRect(2, 2), spin = grid->GridCellRect(3, 2),
                      plain = grid->GridCellRect(4, 2);
    // The face of a button where a plain cell shows its background.
    const pt::TRgb background = pt::PixelAt(*grid, plain.Right - 9, plain.Top + 4);
    auto greyAt = [&](const plat::TRect& r) { return !(pt::PixelAt(*grid, r.Right - 9, r.Top + 4) == background); };
    pt::SaveScreenshot(*grid, std::string(VASTRIMO_TEST_OUT) + "/grid_kept_visible_buttons.png");
    EXPECT_TRUE(greyAt(combo));
    EXPECT_TRUE(greyAt(spin));
    EXPECT_FALSE(greyAt(plain));

    Select(1, 1);
    pt::ClickAt(*grid, spin.Right - 6, spin.Top + 3);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->EditCtrl(), grid->SpinEdit());
    EXPECT_EQ(grid->SpinEdit()->Value(), 6);
    pt::SendKey(*grid->SpinEdit(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(3, 2), "6");

    std::vector<int> dropped;
    grid->OnComboDropDown = [&](plat::TObject*, int r, int c) { dropped.push_back(c * 10 + r); };
    pt::ClickAt(*grid, combo.Right - 6, combo.Top + 5);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->EditCtrl(), grid->EditCombo());
    EXPECT_TRUE(grid->EditCombo()->DroppedDown());
    EXPECT_EQ(dropped, std::vector<int>{22});
    pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
}

TEST_F(GridCellEditors, PickingAComboItemReportsItsObjectAndClosesWhenAsked) {
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edComboList;
    };
    plat::TObject first, second;
    grid->ClearComboString();
    grid->AddComboStringObject("one", &first);
    grid->AddComboStringObject("two", &second);
    grid->MouseActions().SetDirectComboDrop(true);
    grid->MouseActions().SetDirectComboClose(true);
    std::vector<plat::TObject*> objects;
    grid->OnComboObjectChange = [&](plat::TObject*, int, int, int, const std::string&, plat::TObject* o) {
        objects.push_back(o);
    };
    int closed = 0;
    grid->OnComboCloseUp = [&](plat::TObject*, int, int) { ++closed; };
    grid->SetCells(2, 2, "one");
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditCombo()->DroppedDown());
    ASSERT_TRUE(pt::PickDroppedItem(*grid->EditCombo(), 1));
    pt::ProcessEvents();
    EXPECT_EQ(objects, std::vector<plat::TObject*>{&second});
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(grid->Cells(2, 2), "two");
}

TEST_F(GridCellEditors, RichTextCellsEditTheirTextAndKeepSubAndSuperscript) {
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edRichEdit;
    };
    grid->SetCells(2, 2, "H2O");
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    TExtRichEdit* rich = grid->InplaceRichEdit();
    ASSERT_EQ(grid->EditCtrl(), rich);
    EXPECT_EQ(rich->Text(), "H2O");
    rich->SetSelStart(1);
    rich->SetSelLength(1);
    rich->SelSubscript();
    EXPECT_TRUE(rich->IsSelSubscript());
    EXPECT_FALSE(rich->IsSelNormal());
    rich->SelSuperscript();
    EXPECT_TRUE(rich->IsSelSuperscript());
    // Typing before the raised character keeps the offset with it.
    rich->SetSelStart(0);
    rich->SetSelLength(0);
    pt::TypeText(*rich, "x");
    rich->SetSelStart(2);
    rich->SetSelLength(1);
    EXPECT_TRUE(rich->IsSelSuperscript());
    rich->SetSelStart(0);
    rich->SetSelLength(1);
    EXPECT_TRUE(rich->IsSelNormal());
    pt::SendKey(*rich, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "xH2O");
}

TEST_F(GridCellEditors, RichEditorGrowsTheRowWhileTypingWhereItFits) {
    grid->SizeWhileTyping().Height = true;
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edRichEdit;
    };
    std::vector<int> sized;
    grid->OnEndRowSize = [&](plat::TObject*, int r) { sized.push_back(r); };
    grid->SetRowHeights(2, 20);
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    TExtRichEdit* rich = grid->InplaceRichEdit();
    rich->RequestSize(50, 40);
    EXPECT_EQ(grid->RowHeights(2), 50);
    EXPECT_EQ(rich->Height(), 49);
    EXPECT_EQ(sized, std::vector<int>{2});
    // No room below: the row stays.
    rich->RequestSize(50, grid->ClientHeight());
    EXPECT_EQ(grid->RowHeights(2), 50);
    pt::SendKey(*rich, plat::VK_ESCAPE);
}

TEST_F(GridCellEditors, MaskedTextEditorTypesPlaceByPlace) {
    grid->SetEditMask("!99/99/0000;1;_");
    const struct {
        const char* name;
        const char* cell;
        bool improveSel;
        const char* typed;
        int backspaces;
        const char* result;
    } cases[] = {
        {"typing fills the places, literals are skipped", "", false, "15032024", 0, "15/03/2024"},
        {"letters are refused", "", false, "1a5b0c3", 0, "15/03/"},
        {"Backspace empties the place before the caret", "", false, "150320245", 2, "15/03/20"},
        {"the first place selected overwrites the day", "15/03/2024", true, "2", 0, "25/03/2024"},
    };
    for (const auto& c : cases) {
        grid->Navigation().SetImproveMaskSel(c.improveSel);
        grid->SetCells(2, 2, c.cell);
        Select(2, 2);
        pt::SendKey(*grid, plat::VK_F2);
        plat::TInplaceEdit* ed = grid->InplaceEditor();
        ASSERT_NE(ed, nullptr) << c.name;
        if (!c.improveSel) {
            ed->SetSelStart(0);
            ed->SetSelLength(0);
        }
        pt::TypeText(*ed, c.typed);
        for (int i = 0; i < c.backspaces; ++i) pt::SendKey(*ed, plat::VK_BACK);
        pt::SendKey(*ed, plat::VK_RETURN);
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.result) << c.name;
    }
    grid->SetEditMask("");
}

TEST_F(GridCellEditors, MaskedEditButtonAndFormControlStoreTheirValue) {
    // The edit button of the mask kind takes the cell's mask.
    grid->SetEditMask("00-00;0;_");
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edMaskEditBtn;
    };
    grid->SetCells(2, 2, "");
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_EQ(grid->EditCtrl(), grid->EditBtn());
    EXPECT_EQ(grid->EditBtn()->Text(), "__-__");
    grid->EditBtn()->SetSelStart(0);
    pt::TypeText(*grid->EditBtn(), "12x34");
    pt::SendKey(*grid->EditBtn(), plat::VK_BACK);
    pt::SendKey(*grid->EditBtn(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(2, 2), "123");
    grid->SetEditMask("");
    grid->OnGetEditorType = nullptr;

    // A MASK form control edits under its PROP.
    grid->SetColWidths(2, 200);
    grid->SetCells(2, 3, "<CONTROL TYPE=\"MASK\" ID=\"m\" VALUE=\"\" PROP=\"00:00;1;_\" WIDTH=\"60\">");
    Select(1, 1);
    const plat::TPoint p = Inside(2, 3, 12, 8);
    pt::ClickAt(*grid, p.X, p.Y);
    auto* edit = Owned<TControlEdit>();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(edit->Visible());
    EXPECT_EQ(edit->Text(), "__:__");
    edit->SetSelStart(0);
    edit->SetSelLength(0);
    pt::TypeText(*edit, "0930");
    pt::SendKey(*edit, plat::VK_RETURN);
    std::string v;
    ctl::GetHtmlControlValue(grid->Cells(2, 3), "m", v);
    EXPECT_EQ(v, "09:30");
}

TEST_F(GridCellEditors, PasteIntoTheTextEditorAsksTheWindowAndFillsAMask) {
    std::vector<plat::TObject*> asked;
    bool allow = false;
    grid->OnClipboardPaste = [&](plat::TObject* Sender, bool& Allow) {
        asked.push_back(Sender);
        Allow = allow;
    };
    const struct {
        const char* mask;
        const char* clip;
        bool allow;
        const char* result;
    } cases[] = {
        {"", "12:30", false, "old"},
        {"", "12:30", true, "12:30"},
        {"00:00;1;_", "1230", true, "12:30"},
    };
    // By the keys and by the editor's own menu alike.
    for (const bool byMenu : {false, true})
        for (const auto& c : cases) {
            grid->SetEditMask(c.mask);
            allow = c.allow;
            asked.clear();
            plat::Clipboard().SetAsText(c.clip);
            grid->SetCells(2, 2, "old");
            Select(2, 2);
            pt::SendKey(*grid, plat::VK_F2);
            plat::TInplaceEdit* ed = grid->InplaceEditor();
            ed->SelectAll();
            if (*c.mask) {
                ed->SetSelStart(0);
                ed->SetSelLength(0);
            }
            if (byMenu) {
                pt::ContextMenuAt(*ed, 5, 5);
                plat::TPopupMenu* menu = plat::TPopupMenu::Showing();
                ASSERT_NE(menu, nullptr);
                ASSERT_EQ(menu->Items().at(3).Caption, "Paste");
                menu->Pick(3);
            } else {
                pt::SendKey(*ed, 'V', plat::ssCtrl);
            }
            pt::SendKey(*ed, plat::VK_RETURN);
            EXPECT_EQ(asked, std::vector<plat::TObject*>{ed}) << c.clip << (byMenu ? " by the menu" : "");
            EXPECT_EQ(grid->Cells(2, 2), c.result) << c.clip << (byMenu ? " by the menu" : "");
        }
    grid->SetEditMask("");
}

}  // namespace

namespace {

// The list of a combo cell opens with the editor whichever way the editor
// was started, and only when DirectComboDrop asks for it.
TEST_F(GridCellEditors, DirectComboDropOpensTheListWithTheEditor) {
    enum TStart { byF2, byClick };
    const struct {
        const char* name;
        int col;
        TStart start;
        bool direct;
    } cases[] = {
        {"list, F2", 2, byF2, true},       {"list, click", 2, byClick, true}, {"edit, F2", 3, byF2, true},
        {"edit, click", 3, byClick, true}, {"list, off", 2, byClick, false},  {"edit, off", 3, byF2, false},
    };
    for (const auto& c : cases) {
        // A grid of its own for each start: no click or list of the case
        // before is still on its way.
        ShowGrid(5, 6, true);
        pt::ProcessEvents();
        grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
            if (col == 2) kind = edComboList;
            if (col == 3) kind = edComboEdit;
        };
        grid->ClearComboString();
        grid->AddComboString("one");
        grid->AddComboString("two");
        grid->MouseActions().SetDirectEdit(true);
        grid->MouseActions().SetDirectComboDrop(c.direct);
        grid->SetCells(c.col, 2, "one");
        Select(1, 1);
        if (c.start == byF2) {
            Select(c.col, 2);
            pt::SendKey(*grid, plat::VK_F2);
        } else {
            const plat::TPoint p = Inside(c.col, 2);
            pt::ClickAt(*grid, p.X, p.Y);
        }
        pt::ProcessEvents();
        ASSERT_TRUE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->EditCombo()->DroppedDown(), c.direct) << c.name;
        grid->EditCombo()->SetDroppedDown(false);
        pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << c.name;
    }
}

}  // namespace
