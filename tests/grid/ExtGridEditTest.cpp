// The editing cycle driven by real keys and clicks: write-through while
// typing, Enter and Esc, validation, the end-of-edit report, check boxes
// and combo cells.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/StrUtils.h"
#include "grid/EsgCheck.h"
#include "grid/ExtCGrid.h"
#include "grid/ExtGridHint.h"
#include "grid/ExtGrid.h"
#include "grid/Undo.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/StdCtrls.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

struct Done {
    int col, row;
    friend bool operator==(const Done&, const Done&) = default;
};

class GridEdit : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 6, true);
        grid->OnEditCellDone = [this](plat::TObject*, int c, int r) { done.push_back({c, r}); };
        pt::ProcessEvents();
    }
    plat::TControl& Editor() { return *grid->InplaceEditor(); }
    plat::TPoint Center(int c, int r) {
        const plat::TRect rc = grid->GridCellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }

    std::vector<Done> done;
};

TEST_F(GridEdit, TypingWritesThroughAndEnterCommitsOnce) {
    grid->SetCells(1, 1, "old");
    Select(1, 1);
    pt::TypeText(*grid, "n");  // typing opens the editor over the old text
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(Editor(), "ew");
    EXPECT_EQ(grid->Cells(1, 1), "new");  // written through while editing
    EXPECT_TRUE(done.empty());
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_TRUE(done.empty()) << "the report comes after the key is handled";
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(1, 1), "new");
    EXPECT_EQ(done, (std::vector<Done>{{1, 1}}));
}

// An editable list opened by typing keeps the key that opened it, as a text
// cell does; a fixed list has no text to put it in.
TEST_F(GridEdit, TypingIntoAnEditableListKeepsTheFirstKey) {
    grid->OnGetEditorType = [](plat::TObject*, int, int, TEditorType& Editor) { Editor = edComboEdit; };
    grid->SetCells(1, 1, "old");
    Select(1, 1);
    pt::TypeText(*grid, "p");
    ASSERT_TRUE(grid->EditMode());
    ASSERT_NE(grid->EditCombo(), nullptr);
    pt::TypeText(*grid->EditCombo(), "ublic");
    pt::SendKey(*grid->EditCombo(), plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(1, 1), "public");
}

TEST_F(GridEdit, EscRestoresTheTextTheEditorOpenedWith) {
    grid->SetCells(2, 3, "abc");
    Select(2, 3);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(Editor(), "zz");
    EXPECT_EQ(grid->Cells(2, 3), "zz");  // the editor opens with all selected
    pt::SendKey(Editor(), plat::VK_ESCAPE);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 3), "abc");
    EXPECT_EQ(done.size(), 1u);
}

TEST_F(GridEdit, ValidationDecidesWhatIsStored) {
    const struct {
        const char* name;
        const char* typed;
        bool valid;
        const char* replace;  // nullptr: leave the value as typed
        bool called;
        bool stillOpen;
        const char* cell;
    } cases[] = {
        {"unchanged text skips validation", "", true, nullptr, false, false, "start"},
        {"accepted", "X", true, nullptr, true, false, "startX"},
        {"accepted with a new value", "X", true, "fixed", true, false, "fixed"},
        {"refused keeps the old text", "X", false, nullptr, true, true, "start"},
        {"refused with a replacement", "X", false, "better", true, true, "better"},
    };
    for (const auto& c : cases) {
        grid->SetCells(1, 2, "start");
        Select(1, 1);
        Select(1, 2);
        int calls = 0;
        grid->OnCellValidate = [&](plat::TObject*, int col, int row, std::string& value, bool& valid) {
            ++calls;
            EXPECT_EQ(col, 1);
            EXPECT_EQ(row, 2);
            if (c.replace) value = c.replace;
            valid = c.valid;
        };
        pt::SendKey(*grid, plat::VK_F2);
        ASSERT_TRUE(grid->EditMode()) << c.name;
        pt::SendKey(Editor(), plat::VK_END);
        if (*c.typed) pt::TypeText(Editor(), c.typed);
        done.clear();
        pt::SendKey(Editor(), plat::VK_RETURN);
        pt::ProcessEvents();
        EXPECT_EQ(calls, c.called ? 1 : 0) << c.name;
        EXPECT_EQ(grid->EditMode(), c.stillOpen) << c.name;
        EXPECT_EQ(grid->Cells(1, 2), c.cell) << c.name;
        EXPECT_EQ(done.size(), c.stillOpen ? 0u : 1u) << c.name;
        if (c.stillOpen) {
            grid->OnCellValidate = nullptr;
            pt::SendKey(Editor(), plat::VK_ESCAPE);
            pt::ProcessEvents();
        }
        EXPECT_FALSE(grid->EditMode()) << c.name;
    }
}

TEST_F(GridEdit, RefusedValueKeepsTheCurrentCell) {
    grid->OnCellValidate = [](plat::TObject*, int, int, std::string&, bool& valid) { valid = false; };
    Select(1, 1);
    pt::TypeText(*grid, "q");
    pt::SendKey(Editor(), plat::VK_DOWN);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_TRUE(grid->EditMode());
}

TEST_F(GridEdit, RefusedEntryIsExplainedInABalloonUnderTheEditor) {
    grid->OnCellValidate = [](plat::TObject*, int, int, std::string& value, bool& valid) { valid = value != "0"; };
    Select(1, 1);
    pt::TypeText(*grid, "0");
    pt::SendKey(Editor(), plat::VK_RETURN);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->InvalidEntryBalloon(), nullptr) << "no title and no text: nothing to say";

    grid->SetInvalidEntryTitle("Port");
    grid->SetInvalidEntryText("1 to 65535");
    grid->SetInvalidEntryIcon(ieError);
    pt::TypeText(Editor(), "0");
    pt::SendKey(Editor(), plat::VK_RETURN);
    ASSERT_TRUE(grid->EditMode());
    plat::TBalloonWindow* tip = grid->InvalidEntryBalloon();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->Visible());
    EXPECT_EQ(tip->Text(), "1 to 65535");
    EXPECT_EQ(tip->Title(), "Port");
    EXPECT_EQ(tip->Icon(), plat::bkError);
    const plat::TPoint under = grid->ClientToScreen({0, Editor().Top() + Editor().Height()});
    EXPECT_GE(tip->TipPoint().Y, under.Y - 2) << "pointing at the editor's lower edge";
    EXPECT_LE(tip->TipPoint().Y, under.Y);
    EXPECT_GE(tip->BoundsRect().Top, under.Y - 2) << "under the editor";
    pt::TypeText(Editor(), "8");  // typing on takes it away
    EXPECT_FALSE(tip->Visible());
    pt::TypeText(Editor(), "0");
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "80");
    EXPECT_FALSE(tip->Visible());
}

TEST_F(GridEdit, LinkedCheckerCorrectsBeforeAndMarksAfterTheWindowsCheck) {
    struct Checker : TExtStringGridCheck {
        std::string Correct(int, int, const std::string& s) override { return base::UpperCase(s); }
        std::string MarkError(int, int, const std::string& s) override { return s == "BAD" ? "<!>" + s : s; }
    };
    auto* checker = new Checker;
    checker->AutoCorrect = true;
    checker->AutoMarkError = true;
    grid->SetCellChecker(checker);
    std::vector<std::string> seen;
    grid->OnCellValidate = [&](plat::TObject*, int, int, std::string& value, bool&) { seen.push_back(value); };
    const struct {
        int row;
        const char* typed;
        const char* stored;
    } cases[] = {{1, "ok", "OK"}, {2, "bad", "<!>BAD"}};
    for (const auto& c : cases) {
        Select(1, c.row);
        pt::TypeText(*grid, std::string(c.typed, 1));  // opens the editor
        pt::TypeText(Editor(), c.typed + 1);
        pt::SendKey(Editor(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(1, c.row), c.stored) << c.typed;
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"OK", "BAD"})) << "the window sees the corrected text";

    delete checker;  // the grid forgets it rather than keeping a dangling link
    EXPECT_EQ(grid->CellChecker(), nullptr);
    Select(1, 3);
    pt::TypeText(*grid, "l");
    pt::TypeText(Editor(), "ow");
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 3), "low");
}

TEST_F(GridEdit, WithoutSelectAllTypingGoesOnAfterTheText) {
    grid->SetCells(1, 1, "abc");
    grid->SetCells(1, 2, "xyz");
    grid->OnCellValidate = [](plat::TObject*, int, int, std::string& value, bool& valid) { valid = value != "abcd"; };
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_EQ(grid->InplaceEditor()->SelLength(), 3) << "by default the text is selected";
    pt::SendKey(Editor(), plat::VK_ESCAPE);

    grid->Navigation().SetEditSelectAll(false);
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0);
    EXPECT_EQ(grid->InplaceEditor()->SelStart(), 3);
    pt::TypeText(Editor(), "d");
    EXPECT_EQ(grid->InplaceEditor()->Text(), "abcd");
    pt::SendKey(Editor(), plat::VK_RETURN);  // refused: back to the old text, caret after it
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), "abc");
    EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0);
    EXPECT_EQ(grid->InplaceEditor()->SelStart(), 3);
}

TEST_F(GridEdit, ArrowOutOfTheEditorEndsTheEditOnce) {
    Select(1, 1);
    pt::TypeText(*grid, "v");
    pt::SendKey(Editor(), plat::VK_DOWN);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "v");
    EXPECT_EQ(done, (std::vector<Done>{{1, 1}}));
}

TEST_F(GridEdit, FocusLeavingTheEditorEndsTheEditOnce) {
    Select(2, 2);
    pt::TypeText(*grid, "w");
    ASSERT_TRUE(grid->InplaceEditor()->Focused());
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "w");
    EXPECT_EQ(done, (std::vector<Done>{{2, 2}}));
}

TEST_F(GridEdit, EditCellDoneNamesTheRealColumn) {
    grid->HideColumn(1);
    Select(2, 1);  // displayed column 2 is real column 3
    pt::TypeText(*grid, "h");
    pt::SendKey(Editor(), plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(3, 1), "h");
    EXPECT_EQ(done, (std::vector<Done>{{3, 1}}));
}

TEST_F(GridEdit, OnlyHtmlTextLosesItsTagsInTheEditor) {
    const struct {
        const char* cell;
        const char* shown;
    } cases[] = {
        {"Pump <A1>", "Pump <A1>"},
        {"a < b", "a < b"},
        {"<B>bold</B>", "bold"},
    };
    for (const auto& c : cases) {
        grid->SetCells(1, 1, c.cell);
        Select(2, 2);
        Select(1, 1);
        pt::SendKey(*grid, plat::VK_F2);
        ASSERT_TRUE(grid->EditMode());
        EXPECT_EQ(grid->InplaceEditor()->Text(), c.shown) << c.cell;
        // Closing without a change keeps the cell as it was.
        pt::SendKey(Editor(), plat::VK_RETURN);
        EXPECT_EQ(grid->Cells(1, 1), c.cell);
    }
    grid->SetCells(1, 1, "");
    Select(1, 1);
    pt::SendKey(*grid, plat::VK_F2);
    pt::TypeText(Editor(), "Pump <A1>");
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "Pump <A1>");
}

TEST_F(GridEdit, ReadOnlyCellsOpenNoEditorAndDropEnter) {
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 3; };
    std::vector<char32_t> keys;
    grid->OnKeyPress = [&](plat::TObject*, char32_t& k) { keys.push_back(k); };
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_RETURN);
    pt::TypeText(*grid, "x");
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(3, 1), "");
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(keys.front(), U'\r');
    Select(2, 1);  // editable again after the read-only cell
    pt::SendKey(*grid, plat::VK_RETURN);
    EXPECT_TRUE(grid->EditMode());
}

TEST_F(GridEdit, CheckBoxToggledOnceByClickAndBySpace) {
    grid->AddCheckBoxColumn(2, false, true);
    std::vector<bool> clicks;
    grid->OnCheckBoxClick = [&](plat::TObject*, int c, int r, bool state) {
        EXPECT_EQ(c, 2);
        EXPECT_EQ(r, 3);
        clicks.push_back(state);
    };
    const plat::TRect r = grid->GridCellRect(2, 3);
    pt::ClickAt(*grid, r.Left + 5, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(clicks, (std::vector<bool>{true}));
    EXPECT_TRUE(grid->IsChecked(2, 3));
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_FALSE(grid->EditMode());
    pt::SendKey(*grid, plat::VK_SPACE);
    EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
    EXPECT_FALSE(grid->IsChecked(2, 3));
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 3), grid->CheckFalse());
}

TEST_F(GridEdit, ReadOnlyCheckBoxColumnOnlySelects) {
    grid->AddCheckBoxColumn(2, false, true);
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
    int clicks = 0;
    grid->OnCheckBoxClick = [&](plat::TObject*, int, int, bool) { ++clicks; };
    const plat::TRect r = grid->GridCellRect(2, 4);
    pt::ClickAt(*grid, r.Left + 5, (r.Top + r.Bottom) / 2);
    pt::SendKey(*grid, plat::VK_SPACE);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(grid->IsChecked(2, 4));
}

TEST_F(GridEdit, ChangeVetoesAskInOrderAndCanKeepTheCell) {
    std::vector<std::string> asked;
    bool allowRow = true;
    grid->OnRowChanging = [&](plat::TObject*, int from, int to, bool& allow) {
        asked.push_back("row " + std::to_string(from) + ">" + std::to_string(to));
        allow = allowRow;
    };
    grid->OnColChanging = [&](plat::TObject*, int from, int to, bool&) {
        asked.push_back("col " + std::to_string(from) + ">" + std::to_string(to));
    };
    grid->OnCellChanging = [&](plat::TObject*, int oldRow, int oldCol, int newRow, int newCol, bool& allow) {
        asked.push_back("cell " + std::to_string(oldCol) + "," + std::to_string(oldRow) + ">" +
                        std::to_string(newCol) + "," + std::to_string(newRow) + (allow ? "" : " refused"));
    };
    Select(1, 1);
    asked.clear();
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(asked, (std::vector<std::string>{"row 1>2", "cell 1,1>1,2"}));
    EXPECT_EQ(grid->Row(), 2);
    asked.clear();
    pt::SendKey(*grid, plat::VK_RIGHT);
    EXPECT_EQ(asked, (std::vector<std::string>{"col 1>2", "cell 1,2>2,2"}));
    allowRow = false;
    asked.clear();
    pt::SendKey(*grid, plat::VK_DOWN);
    EXPECT_EQ(asked, (std::vector<std::string>{"row 2>3", "cell 2,2>2,3 refused"}));
    EXPECT_EQ(grid->Row(), 2);
    // A refused move ends an open edit all the same; the cell keeps it.
    pt::TypeText(*grid, "k");
    pt::SendKey(Editor(), plat::VK_DOWN);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(2, 2), "k");
}

TEST_F(GridEdit, EditOnDoubleClickOnlyOpensNothingByKeys) {
    grid->MouseActions().SetEditOnDblClickOnly(true);
    Select(2, 2);
    Select(1, 1);
    pt::TypeText(*grid, "z");
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(*grid, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "");
    EXPECT_FALSE(grid->Options().Contains(plat::goEditing));
}

TEST_F(GridEdit, EditChangeReportsEachTypedChangeWithTheDisplayedColumn) {
    grid->HideColumn(1);
    std::vector<std::string> changes;
    grid->OnEditChange = [&](plat::TObject*, int c, int r, const std::string& v) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
    };
    Select(1, 1);  // real column 2
    pt::TypeText(*grid, "a");
    pt::TypeText(Editor(), "b");
    EXPECT_EQ(changes, (std::vector<std::string>{"1,1=a", "1,1=ab"}));
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_EQ(changes.size(), 2u) << "closing is no change";
}

TEST_F(GridEdit, StoredEditsMarkTheRowAndCanBeUndone) {
    TExtGridUndoRedo undo(form.get());
    grid->SetUndoRedo(&undo);
    grid->SetCells(1, 2, "was");
    Select(1, 2);
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(Editor(), plat::VK_RETURN);  // unchanged: nothing to undo
    EXPECT_EQ(undo.Count(), 0);
    EXPECT_FALSE(grid->GetRowModified(2));
    pt::TypeText(*grid, "is");
    pt::TypeText(Editor(), "s");
    pt::SendKey(Editor(), plat::VK_RETURN);
    ASSERT_EQ(undo.Count(), 1);
    EXPECT_EQ(undo.Items(0).OrigValue, "was");
    EXPECT_EQ(undo.Items(0).Value, "is");
    EXPECT_TRUE(grid->GetRowModified(2));
    undo.Undo();
    EXPECT_EQ(grid->Cells(1, 2), "was");
    grid->SetUndoRedo(nullptr);
}

TEST_F(GridEdit, DisabledRowsCannotBecomeCurrent) {
    Select(1, 1);
    grid->SetRowEnabled(3, false);
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 1);
    grid->Navigation().SetSkipDisabledRows(false);
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridEdit, CellEditOpensAndClosesByCall) {
    int changed = 0;
    grid->OnCellsChanged = [&](plat::TObject*, const TGridRect& r) {
        ++changed;
        EXPECT_EQ(r, (TGridRect{1, 1, 1, 1}));
    };
    Select(1, 1);
    grid->ShowCellEdit();
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(Editor(), "c");
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_EQ(changed, 1);
    grid->OnGetEditorType = [](plat::TObject*, int, int, TEditorType& k) { k = edSpinEdit; };
    grid->ShowCellEdit();
    ASSERT_NE(grid->EditCtrl(), nullptr);
    grid->HideCellEdit();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(1, 1), "0") << "a text that is no number closes as 0";
    EXPECT_EQ(changed, 2);
}

TEST_F(GridEdit, CursorWalkLeavesTheTextAtItsEdges) {
    Select(1, 1);
    pt::TypeText(*grid, "a");
    pt::SendKey(Editor(), plat::VK_RIGHT);  // without the walk: the grid moves, the editor closes
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_FALSE(grid->EditMode());

    grid->Navigation().SetCursorWalkEditor(true);
    grid->OnCanEditCell = [](plat::TObject*, int, int col, bool& can) { can = col != 2; };
    Select(1, 2);
    pt::TypeText(*grid, "b");
    pt::SendKey(Editor(), plat::VK_RIGHT);  // past the read-only column, the editor open again
    EXPECT_EQ(grid->Cells(1, 2), "b");
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_TRUE(grid->EditMode());
    pt::SendKey(Editor(), plat::VK_HOME);
    pt::SendKey(Editor(), plat::VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->EditMode());
    pt::SendKey(Editor(), plat::VK_END);
    pt::SendKey(Editor(), plat::VK_LEFT);  // inside the text the caret moves, not the cell
    EXPECT_EQ(grid->Col(), 1);
    pt::SendKey(Editor(), plat::VK_ESCAPE);
    pt::ProcessEvents();
    EXPECT_EQ(done, (std::vector<Done>{{1, 1}, {1, 2}, {3, 2}, {1, 2}}));
}

TEST_F(GridEdit, FilledTextAdvancesByItself) {
    grid->SetMaxEditLength(2);
    grid->Navigation().SetAdvanceOnEnter(true);
    grid->Navigation().SetAdvanceAuto(true);
    Select(1, 1);
    pt::TypeText(*grid, "1");
    pt::TypeText(Editor(), "2");
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(1, 1), "12");
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_TRUE(grid->EditMode());
    pt::TypeText(Editor(), "3");
    pt::ProcessEvents();
    EXPECT_EQ(grid->Col(), 2) << "short of the limit the cell stays";
}

TEST_F(GridEdit, TabFromASpecialEditorCommitsAndLeavesTheGrid) {
    grid->OnGetEditorType = [](plat::TObject*, int, int, TEditorType& k) { k = edEditBtn; };
    Select(2, 2);
    pt::TypeText(*grid, "t");
    ASSERT_NE(grid->EditCtrl(), nullptr);
    pt::SendKey(*grid->EditCtrl(), plat::VK_TAB);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "t");
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ(done, (std::vector<Done>{{2, 2}}));
}

TEST_F(GridEdit, LookupCompletesTypedTextFromTheItems) {
    grid->SetLookup(true);
    grid->LookupItems().Add("Alpha");
    grid->LookupItems().Add("Beta");
    Select(1, 1);
    pt::TypeText(*grid, "b");
    pt::TypeText(Editor(), "e");
    EXPECT_EQ(Editor().Text(), "beta");
    EXPECT_EQ(grid->InplaceEditor()->SelStart(), 2);
    EXPECT_EQ(grid->InplaceEditor()->SelLength(), 2);
    pt::SendKey(Editor(), plat::VK_BACK, 0, "\b");  // takes the completion away, completes nothing
    EXPECT_EQ(Editor().Text(), "be");
    pt::SendKey(Editor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "be");

    grid->SetLookupCaseSensitive(true);
    Select(1, 2);
    pt::TypeText(*grid, "b");
    pt::TypeText(Editor(), "e");
    EXPECT_EQ(Editor().Text(), "be");
    pt::SendKey(Editor(), plat::VK_ESCAPE);

    grid->SetLookupHistory(true);
    Select(1, 3);
    pt::TypeText(*grid, "G");
    pt::TypeText(Editor(), "amma");
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_EQ(grid->LookupItems().IndexOf("Gamma"), 2);
    EXPECT_EQ(grid->Cells(1, 3), "Gamma");
}

TEST_F(GridEdit, AdvanceWithNoEditableCellStaysPut) {
    grid->OnCanEditCell = [](plat::TObject*, int, int, bool& can) { can = false; };
    Select(2, 3);
    grid->AdvanceCell(2, 3, true, true);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
    grid->AdvanceCell(2, 3, true, false);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 3);
}

class GridCombo : public GridEdit {
protected:
    void SetUp() override {
        GridEdit::SetUp();
        grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
            if (col != 3) return;
            kind = edComboList;
            grid->ClearComboString();
            for (const char* s : {"Off", "Slow", "Fast"}) grid->AddComboString(s);
        };
        grid->OnComboChange = [this](plat::TObject*, int c, int r, int idx, const std::string& text) {
            changes.push_back({c, r, idx, text});
        };
    }
    struct Change {
        int col, row, idx;
        std::string text;
        friend bool operator==(const Change&, const Change&) = default;
    };
    std::vector<Change> changes;
};

TEST_F(GridCombo, PickingAnItemReportsItOnceWithTheRealColumn) {
    grid->HideColumn(0 + 1);  // real column 3 shows as column 2
    grid->SetCells(3, 2, "Slow");
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_RETURN);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->EditControl(), edComboList);
    plat::TComboBox* cb = grid->EditCombo();
    ASSERT_TRUE(cb->Visible());
    EXPECT_EQ(cb->ItemIndex(), 1);
    EXPECT_TRUE(changes.empty()) << "opening on a listed text is no change";
    pt::SendKey(*cb, plat::VK_DOWN);
    EXPECT_EQ(changes, (std::vector<Change>{{3, 2, 2, "Fast"}}));
    EXPECT_EQ(grid->Cells(3, 2), "Fast");
    pt::SendKey(*cb, plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_FALSE(cb->Visible());
    EXPECT_EQ(grid->Cells(3, 2), "Fast");
    EXPECT_EQ(changes.size(), 1u);
    EXPECT_EQ(done, (std::vector<Done>{{3, 2}}));
}

TEST_F(GridCombo, TypingInAnEditableListReportsEachChangeOnce) {
    grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
        if (col != 3) return;
        kind = edComboEdit;
        grid->ClearComboString();
        for (const char* s : {"Off", "Slow"}) grid->AddComboString(s);
    };
    std::vector<Change> edits;  // the text event names the displayed column
    grid->OnEditChange = [&](plat::TObject*, int c, int r, const std::string& text) {
        edits.push_back({c, r, 0, text});
    };
    grid->HideColumn(0 + 1);  // real column 3 shows as column 2
    Select(2, 2);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(*grid->EditCombo(), "Tu");
    EXPECT_EQ(changes, (std::vector<Change>{{3, 2, -1, "T"}, {3, 2, -1, "Tu"}}));
    EXPECT_EQ(edits, (std::vector<Change>{{2, 2, 0, "T"}, {2, 2, 0, "Tu"}}));
    EXPECT_EQ(grid->Cells(3, 2), "Tu");
}

TEST_F(GridCombo, UnlistedTextSelectsTheFirstItemAndSaysSo) {
    grid->SetCells(3, 1, "");
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->EditCombo()->ItemIndex(), 0);
    EXPECT_EQ(changes, (std::vector<Change>{{3, 1, 0, "Off"}}));
    pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(3, 1), "");
    // Left without a pick: the cell keeps its text, and the window is told.
    EXPECT_EQ(changes, (std::vector<Change>{{3, 1, 0, "Off"}, {3, 1, -1, ""}}));
    Select(3, 2);
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(*grid->EditCombo(), plat::VK_TAB);
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(3, 1), "") << "Tab without a pick stores nothing";
    // Enter confirms the entry the list opened on.
    grid->SetFocus();
    pt::ProcessEvents();
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    pt::SendKey(*grid->EditCombo(), plat::VK_RETURN);
    pt::ProcessEvents();
    EXPECT_EQ(grid->Cells(3, 1), "Off");
}

TEST_F(GridCombo, WindowChosenItemServesUnlistedTexts) {
    EXPECT_FALSE(grid->SetComboSelectionString("Nope"));
    grid->ClearComboString();
    for (const char* s : {"Off", "Slow", "Fast"}) grid->AddComboString(s);
    EXPECT_TRUE(grid->SetComboSelectionString("Fast"));
    grid->SetCells(3, 1, "unknown");
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_EQ(grid->EditCombo()->ItemIndex(), 2);
    EXPECT_TRUE(changes.empty()) << "a chosen start is no change of the user";
    pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
    EXPECT_EQ(grid->Cells(3, 1), "unknown");
    EXPECT_EQ(grid->GetComboCount(), 3);
    EXPECT_TRUE(grid->RemoveComboString("Slow"));
    EXPECT_FALSE(grid->RemoveComboString("Slow"));
    EXPECT_EQ(grid->GetComboCount(), 2);
}

TEST_F(GridCombo, LeavingKeysFollowTheNavigationSettings) {
    grid->SetCells(3, 1, "Off");
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(*grid->EditCombo(), plat::VK_DOWN);  // turns the list
    EXPECT_TRUE(grid->EditMode());
    EXPECT_EQ(grid->EditCombo()->ItemIndex(), 1);
    pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
    EXPECT_EQ(grid->Cells(3, 1), "Off");

    grid->Navigation().SetComboGetUpDown(false);  // Down leaves for the next row
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(*grid->EditCombo(), plat::VK_DOWN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Cells(3, 1), "Off");

    grid->Navigation().SetAdvanceOnEnter(true);  // Enter commits and advances
    grid->Navigation().SetAdvanceAutoEdit(false);
    Select(3, 3);
    pt::SendKey(*grid, plat::VK_F2);
    pt::SendKey(*grid->EditCombo(), plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(3, 3), "Off");
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 3);
}

TEST_F(GridCombo, FreeTextJoinsTheListWithAHistory) {
    grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 3) kind = edComboEdit;
    };
    grid->SetLookupHistory(true);
    grid->ClearComboString();
    grid->AddComboString("Off");
    Select(3, 1);
    pt::SendKey(*grid, plat::VK_F2);
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(*grid->EditCombo(), "Turbo");
    other->SetFocus();
    pt::ProcessEvents();
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(3, 1), "Turbo");
    EXPECT_EQ(grid->EditCombo()->Items().IndexOf("Turbo"), 1);
}

TEST_F(GridCombo, ComboIndexOfACell) {
    // The list of a cell is the window's to fill when the grid asks for
    // the editor's properties.
    grid->OnGetEditorProp = [this](plat::TObject*, int, int, TEditLink*) {
        grid->ClearComboString();
        for (const char* s : {"Off", "Slow", "Fast"}) grid->AddComboString(s);
    };
    grid->SetComboIndex(3, 4, 2);
    EXPECT_EQ(grid->Cells(3, 4), "Fast");
    EXPECT_EQ(grid->GetComboIndex(3, 4), 2);
    grid->SetCells(3, 4, "none");
    EXPECT_EQ(grid->GetComboIndex(3, 4), -1);
    EXPECT_THROW(grid->SetComboIndex(3, 4, 3), EExtGridError);
    EXPECT_EQ(grid->Cells(3, 4), "none");
}

TEST_F(GridCombo, WheelAndLettersTurnTheOpenListOnceEach) {
    grid->SetCells(3, 4, "Off");
    Select(3, 4);
    pt::SendKey(*grid, plat::VK_F2);
    plat::TComboBox* cb = grid->EditCombo();
    ASSERT_TRUE(cb->Visible());
    pt::Wheel(*cb, -120, 5, 5);
    EXPECT_EQ(changes, (std::vector<Change>{{3, 4, 1, "Slow"}}));
    pt::TypeText(*cb, "f");
    EXPECT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes.back(), (Change{3, 4, 2, "Fast"}));
    EXPECT_EQ(grid->Row(), 4) << "the wheel over the list does not move the grid";
}

}  // namespace

namespace {

// The column grid as the windows store it: no goEditing in Options; each
// column says whether it is read-only and which editor it takes.
class ColumnGridEdit : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 700, 400);
        grid = new TExtColumnGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 600, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetOptions(grid->Options() - plat::TGridOptions{plat::goEditing});
        grid->Columns().Items(2).SetEditor(edComboList);
        for (const char* s : {"Auto", "Manual"}) grid->Columns().Items(2).ComboItems().Add(s);
        grid->Columns().Items(3).SetReadOnly(true);
        form->Show();
        grid->SetFocus();
        pt::ProcessEvents();
    }
    std::unique_ptr<plat::TForm> form;
    TExtColumnGrid* grid = nullptr;
};

TEST_F(ColumnGridEdit, EditableColumnsEditWithoutGoEditingStored) {
    grid->SetCol(1);
    grid->SetRow(1);
    pt::TypeText(*grid, "a");
    ASSERT_TRUE(grid->EditMode());
    pt::TypeText(*grid->InplaceEditor(), "b");
    pt::SendKey(*grid->InplaceEditor(), plat::VK_RETURN);
    EXPECT_EQ(grid->Cells(1, 1), "ab");

    grid->SetCol(3);  // read-only column: selecting it is all
    pt::TypeText(*grid, "x");
    pt::SendKey(*grid, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(3, 1), "");

    grid->SetCol(1);  // and editing comes back with the next editable cell
    pt::SendKey(*grid, plat::VK_F2);
    EXPECT_TRUE(grid->EditMode());
}

TEST_F(ColumnGridEdit, ComboColumnTakesItsOwnItems) {
    std::vector<std::pair<int, std::string>> changes;
    grid->OnComboChange = [&](plat::TObject*, int c, int, int idx, const std::string& text) {
        EXPECT_EQ(c, 2);
        changes.push_back({idx, text});
    };
    grid->SetCells(2, 2, "Manual");
    grid->SetCol(2);
    grid->SetRow(2);
    pt::SendKey(*grid, plat::VK_RETURN);
    ASSERT_TRUE(grid->EditMode());
    plat::TComboBox* cb = grid->EditCombo();
    ASSERT_EQ(cb->Items().Count(), 2);
    EXPECT_EQ(cb->ItemIndex(), 1);
    pt::SendKey(*cb, plat::VK_UP);
    pt::SendKey(*cb, plat::VK_RETURN);
    EXPECT_FALSE(grid->EditMode());
    EXPECT_EQ(grid->Cells(2, 2), "Auto");
    EXPECT_EQ(changes, (std::vector<std::pair<int, std::string>>{{0, "Auto"}}));
}

}  // namespace
namespace {

// A combo editor must stay open while the event loop runs, whichever
// style the cell before it left the control in.
TEST_F(GridCombo, StaysOpenWhileEventsRunAcrossStyles) {
    grid->OnGetEditorType = [this](plat::TObject*, int col, int, TEditorType& kind) {
        if (col < 3) return;
        kind = col == 3 ? edComboList : edComboEdit;
        grid->ClearComboString();
        for (const char* s : {"Off", "Slow", "Fast"}) grid->AddComboString(s);
    };
    for (int col : {4, 3, 4, 3}) {
        Select(col, 2);
        pt::SendKey(*grid, plat::VK_F2);
        pt::ProcessEvents();
        EXPECT_TRUE(grid->EditMode()) << col;
        EXPECT_TRUE(grid->EditCombo()->Focused()) << col;
        pt::SendKey(*grid->EditCombo(), plat::VK_ESCAPE);
        pt::ProcessEvents();
        EXPECT_FALSE(grid->EditMode()) << col;
    }
}

}  // namespace
