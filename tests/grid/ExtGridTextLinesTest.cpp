// The text editor's lines, driven by real keys and clicks: line breaks
// typed and kept, Up and Down inside the text, wrapping, the caret placed
// by the opening click, the cell growing while typing; the combo editor's
// list width and its open and close reports; the paste events.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

#include "GridOnFormFixture.h"

using namespace grid;
namespace pt = plat::test;

namespace {

struct Input {
    unsigned short key = 0;
    const char* text = nullptr;
    plat::TShiftState shift = 0;
};
Input K(unsigned short k, plat::TShiftState s = 0) { return {k, nullptr, s}; }
Input T(const char* t) { return {0, t, 0}; }

class GridTextLines : public GridOnForm {
protected:
    void SetUp() override {
        ShowGrid(5, 6, true);
        grid->Navigation().SetEditSelectAll(false);
        pt::ProcessEvents();
    }
    // Opens cell (2, 2) with F2 and plays the input into the editor while
    // it edits (into the grid once it has closed).
    void Play(const std::string& cell, const std::vector<Input>& inputs) {
        grid->SetCells(2, 2, cell);
        grid->SetFocus();
        Select(1, 1);
        Select(2, 2);
        pt::SendKey(*grid, plat::VK_F2);
        for (const Input& in : inputs) {
            plat::TWinControl* target = grid;
            if (grid->EditMode()) target = grid->InplaceEditor();
            if (in.text) pt::TypeText(*target, in.text);
            else pt::SendKey(*target, in.key, in.shift);
        }
        pt::ProcessEvents();
    }
    // Ends the edit by moving the focus away, as a user leaving the grid.
    void Leave() {
        other->SetFocus();
        pt::ProcessEvents();
    }
    int Caret() { return grid->InplaceEditor()->SelStart(); }
    int CaretLine() { return grid->InplaceEditor()->LineFromChar(Caret()); }
};

TEST_F(GridTextLines, EnterBreaksTheLineWhereTheGridSaysSoAndTheBreaksAreStored) {
    const struct {
        const char* name;
        bool wrap, lineFeedOnEnter, allowCtrlEnter;
        std::vector<Input> inputs;
        bool stillEditing;
        const char* cell;
    } cases[] = {
        {"Enter with LineFeedOnEnter", true, true, true, {T("ab"), K(plat::VK_RETURN), T("cd")}, true, "ab\r\ncd"},
        {"LineFeedOnEnter also without wrapping", false, true, false, {T("ab"), K(plat::VK_RETURN), T("cd")}, true,
         "ab\r\ncd"},
        {"Ctrl+Enter in a wrapping grid", true, false, true, {T("ab"), K(plat::VK_RETURN, plat::ssCtrl), T("cd")}, true,
         "ab\r\ncd"},
        {"Ctrl+Enter refused: nothing happens", true, false, false,
         {T("ab"), K(plat::VK_RETURN, plat::ssCtrl), T("cd")}, true, "abcd"},
        {"Ctrl+Enter without wrapping: nothing happens", false, false, true,
         {T("ab"), K(plat::VK_RETURN, plat::ssCtrl), T("cd")}, true, "abcd"},
        {"plain Enter ends the edit", true, false, true, {T("ab"), K(plat::VK_RETURN)}, false, "ab"},
        {"a text with breaks keeps them in a grid that does not wrap", false, false, false, {T("!")}, true,
         "one\r\ntwo!"},
        {"the caret counts a break as two characters", true, false, true,
         {K(plat::VK_LEFT), K(plat::VK_LEFT), K(plat::VK_LEFT), K(plat::VK_BACK)}, true, "onetwo"},
    };
    for (const auto& c : cases) {
        grid->SetWordWrap(c.wrap);
        grid->Navigation().SetLineFeedOnEnter(c.lineFeedOnEnter);
        grid->Navigation().SetAllowCtrlEnter(c.allowCtrlEnter);
        const bool startsWithBreaks = std::string(c.name).find("break") != std::string::npos &&
                                      std::string(c.cell).find("one") == 0;
        Play(startsWithBreaks ? "one\r\ntwo" : "", c.inputs);
        EXPECT_EQ(grid->EditMode(), c.stillEditing) << c.name;
        if (grid->EditMode()) Leave();
        EXPECT_FALSE(grid->EditMode()) << c.name;
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.name;
    }
}

TEST_F(GridTextLines, UpAndDownMoveInsideTheTextAndLeaveFromItsEnds) {
    grid->SetWordWrap(true);
    const struct {
        const char* name;
        bool caretAtStart;
        std::vector<unsigned short> keys;
        int row;   // where the grid stands afterwards
        int line;  // the editor's caret line when it still edits, else -1
    } cases[] = {
        {"Up from the last line stays in the text", false, {plat::VK_UP}, 2, 1},
        {"Up twice reaches the first line", false, {plat::VK_UP, plat::VK_UP}, 2, 0},
        {"Up from the first line leaves upwards", false, {plat::VK_UP, plat::VK_UP, plat::VK_UP}, 1, -1},
        {"Down from the last line leaves downwards", false, {plat::VK_DOWN}, 3, -1},
        {"Down from the first line stays in the text", true, {plat::VK_DOWN}, 2, 1},
    };
    for (const auto& c : cases) {
        Play("one\r\ntwo\r\nthree", {});
        ASSERT_TRUE(grid->EditMode()) << c.name;
        if (c.caretAtStart) grid->InplaceEditor()->SetSelStart(0);
        for (unsigned short k : c.keys) {
            plat::TWinControl* target = grid;
            if (grid->EditMode()) target = grid->InplaceEditor();
            pt::SendKey(*target, k);
        }
        pt::ProcessEvents();
        EXPECT_EQ(grid->Row(), c.row) << c.name;
        EXPECT_EQ(grid->EditMode() ? CaretLine() : -1, c.line) << c.name;
        if (grid->EditMode()) Leave();
        EXPECT_EQ(grid->Cells(2, 2), "one\r\ntwo\r\nthree") << c.name;
    }
}

TEST_F(GridTextLines, LongTextWrapsInTheEditorOfAWrappingGrid) {
    grid->SetColWidths(2, 60);
    grid->SetRowHeights(2, 60);
    const std::string text = "many words that cannot fit";
    for (bool wrap : {true, false}) {
        grid->SetWordWrap(wrap);
        Play(text, {});
        ASSERT_TRUE(grid->EditMode());
        plat::TInplaceEdit& ed = *grid->InplaceEditor();
        const int lastLine = ed.LineFromChar(static_cast<int>(text.size()));
        if (wrap) EXPECT_GT(lastLine, 1);
        else EXPECT_EQ(lastLine, 0);
        // Wrapped, the second line of the editor holds text (one line sits
        // in the middle of the editor).
        plat::TBitmap measure(1, 1);
        measure.Canvas().Font().Assign(grid->Font());
        const int lineHeight = measure.Canvas().TextHeight("Wg");
        int inked = 0;
        for (int x = 2; x < ed.Width() - 2; ++x)
            for (int y = lineHeight + 2; y < 2 * lineHeight; ++y)
                if (pt::PixelAt(ed, x, y).R < 128) ++inked;
        if (wrap) {
            EXPECT_GT(inked, 0);
            std::filesystem::create_directories(VASTRIMO_TEST_OUT);
            EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/text-editor-wrapped.png"));
        }
        pt::SendKey(ed, plat::VK_ESCAPE);
        pt::ProcessEvents();
    }
}

TEST_F(GridTextLines, OpeningClickPlacesTheCaretWhenAsked) {
    grid->MouseActions().SetDirectEdit(true);
    grid->SetColWidths(2, 200);
    const std::string text = "abcdefghij";
    plat::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(grid->Font());
    TEditorType kind = edNormal;
    grid->OnGetEditorType = [&](plat::TObject*, int, int, TEditorType& k) { k = kind; };
    const struct {
        const char* editor;
        TEditorType kind;
        bool wrap;
    } editors[] = {{"one line", edNormal, false}, {"lines", edNormal, true}, {"memo picker", edMemoDropDown, false}};
    for (const auto& e : editors) {
        kind = e.kind;
        grid->SetWordWrap(e.wrap);
        const struct {
            const char* name;
            bool positioning;
            int before;  // characters left of the click
        } cases[] = {
            {"after the third character", true, 3},
            {"after the seventh character", true, 7},
            {"without CaretPositioning the editor keeps its own caret", false, 7},
        };
        for (const auto& c : cases) {
            grid->MouseActions().SetCaretPositioning(c.positioning);
            grid->SetCells(2, 2, text);
            Select(2, 2);
            const plat::TRect r = grid->GridCellRect(2, 2);
            // Just right of the boundary after the character, well inside
            // the cell's padding and the editor's margin.
            const int x = r.Left + 4 + measure.Canvas().TextWidth(text.substr(0, c.before));
            pt::ClickAt(*grid, x, (r.Top + r.Bottom) / 2);
            pt::ProcessEvents();
            ASSERT_TRUE(grid->EditMode()) << e.editor << ": " << c.name;
            plat::TWinControl* shown = grid->EditCtrl();
            if (shown == nullptr) shown = grid->InplaceEditor();
            auto* ed = dynamic_cast<plat::TEdit*>(shown);
            ASSERT_NE(ed, nullptr) << e.editor;
            if (c.positioning) {
                EXPECT_NEAR(ed->SelStart(), c.before, 1) << e.editor << ": " << c.name;
                EXPECT_EQ(ed->SelLength(), 0) << e.editor << ": " << c.name;
            } else {
                EXPECT_TRUE(ed->SelStart() + ed->SelLength() == static_cast<int>(text.size()) || ed->SelStart() == 0)
                    << e.editor << ": " << c.name;
            }
            pt::SendKey(*ed, plat::VK_ESCAPE);
            pt::ProcessEvents();
        }
    }
    grid->OnGetEditorType = nullptr;
}

TEST_F(GridTextLines, CellGrowsWithTheTextWhileTyping) {
    grid->SetWordWrap(true);
    grid->SetColWidths(2, 50);
    std::vector<int> rowsSized;
    grid->OnEndRowSize = [&](plat::TObject*, int r) { rowsSized.push_back(r); };
    const struct {
        const char* name;
        bool height, width;
    } cases[] = {{"rows grow", true, false}, {"columns grow", false, true}, {"neither grows", false, false}};
    for (const auto& c : cases) {
        grid->SetColWidths(2, 50);
        grid->SetRowHeights(2, grid->DefaultRowHeight());
        rowsSized.clear();
        grid->SizeWhileTyping().Height = c.height;
        grid->SizeWhileTyping().Width = c.width;
        Play("", {T("several words typed here")});
        EXPECT_EQ(grid->RowHeights(2) > grid->DefaultRowHeight(), c.height) << c.name;
        EXPECT_EQ(!rowsSized.empty() && rowsSized.back() == 2, c.height) << c.name;
        EXPECT_EQ(grid->ColWidths(2) > 50, c.width) << c.name;
        if (c.height) {
            // The editor follows the taller row and shows every line.
            EXPECT_GE(grid->InplaceEditor()->Height(), grid->RowHeights(2) - 2) << c.name;
        }
        Leave();
        EXPECT_EQ(grid->Cells(2, 2), "several words typed here") << c.name;
    }
}

// An editor that shows lines takes pasted line breaks; a one-line editor
// refuses the whole paste with the warning sound instead of taking the
// lines into one line. A tab goes into neither.
TEST_F(GridTextLines, PastedLineBreaksOnlyWhereTheEditorShowsLines) {
    const struct {
        bool wrap;
        const char* clip;
        const char* cell;
    } cases[] = {
        {true, "one\r\ntwo", "one\r\ntwo"},
        {false, "one\r\ntwo", ""},
        {true, "one\ttwo", ""},
        {true, "one\r\n", "one"},
    };
    for (const auto& c : cases) {
        grid->SetWordWrap(c.wrap);
        plat::Clipboard().SetAsText(c.clip);
        Play("", {});
        ASSERT_TRUE(grid->EditMode());
        const int beeps = pt::BeepCount();
        pt::SendKey(*grid->InplaceEditor(), 'V', plat::ssCtrl);
        const bool refused = *c.cell == '\0';
        EXPECT_EQ(pt::BeepCount() - beeps, refused ? 1 : 0) << c.wrap << " " << c.clip;
        Leave();
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.wrap << " " << c.clip;
    }
}

TEST_F(GridTextLines, PasteEventsMayChangeOrRefuseTheTextAndHearTheResult) {
    const struct {
        const char* name;
        const char* replaced;  // nullptr: the clipboard text stays
        bool allow;
        const char* cell;
        bool after;
    } cases[] = {
        {"the clipboard text", nullptr, true, "pasted", true},
        {"a text the window puts in its place", "other", true, "other", true},
        {"refused", nullptr, false, "", false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> before, after;
        grid->OnClipboardBeforePasteCell = [&](plat::TObject*, int col, int row, std::string& v, bool& allow) {
            before.push_back(std::to_string(col) + std::to_string(row) + v);
            if (c.replaced) v = c.replaced;
            allow = c.allow;
        };
        grid->OnClipboardAfterPasteCell = [&](plat::TObject*, int col, int row, const std::string& v) {
            after.push_back(std::to_string(col) + std::to_string(row) + v);
        };
        plat::Clipboard().SetAsText("pasted");
        Play("", {K('V', plat::ssCtrl)});
        EXPECT_EQ(before, std::vector<std::string>{"22pasted"}) << c.name;
        EXPECT_EQ(after, c.after ? std::vector<std::string>{std::string("22") + c.cell} : std::vector<std::string>{})
            << c.name;
        Leave();
        EXPECT_EQ(grid->Cells(2, 2), c.cell) << c.name;
    }
}

TEST_F(GridTextLines, ComboListIsAsWideAsItsWidestItemAndReportsOpeningAndClosing) {
    grid->OnGetEditorType = [](plat::TObject*, int col, int, TEditorType& kind) {
        if (col == 2) kind = edComboList;
    };
    grid->SetColWidths(2, 60);
    grid->ClearComboString();
    const std::string widest = "an item far wider than the column";
    grid->AddComboString("one");
    grid->AddComboString(widest);
    plat::TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(grid->Font());
    const int textWidth = measure.Canvas().TextWidth(widest);
    std::vector<std::string> reports;
    grid->OnComboDropDown = [&](plat::TObject*, int r, int c) { reports.push_back("drop " + std::to_string(c * 10 + r)); };
    grid->OnComboCloseUp = [&](plat::TObject*, int r, int c) { reports.push_back("close " + std::to_string(c * 10 + r)); };
    for (bool autoSize : {true, false}) {
        grid->Navigation().SetAutoComboDropSize(autoSize);
        reports.clear();
        grid->SetCells(2, 2, "one");
        Select(2, 2);
        pt::SendKey(*grid, plat::VK_F2);
        plat::TComboBox* combo = grid->EditCombo();
        ASSERT_EQ(grid->EditCtrl(), combo);
        // The user opens the list from the keyboard and closes it again.
        pt::SendKey(*combo, plat::VK_DOWN, plat::ssAlt);
        pt::ProcessEvents();
        ASSERT_TRUE(combo->DroppedDown());
        if (autoSize) EXPECT_GE(combo->DroppedWidth(), textWidth + 8);
        combo->SetDroppedDown(false);
        pt::ProcessEvents();
        EXPECT_EQ(reports, (std::vector<std::string>{"drop 22", "close 22"})) << autoSize;
        pt::SendKey(*combo, plat::VK_ESCAPE);
        pt::ProcessEvents();
    }
}

}  // namespace
