// Copy, cut and paste of grid cells through the clipboard, and the smart
// fill of a selection.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "base/DateTime.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridFooter.h"
#include "grid/Undo.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"

using namespace grid;

namespace {

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        saved = base::FormatSettings();
        base::SetFormatSettings(base::TFormatSettings{});
        plat::Clipboard().Clear();
    }
    void TearDown() override { base::SetFormatSettings(saved); }
    std::unique_ptr<TExtStringGrid> Grid(int cols, int rows, bool editing = true) {
        auto g = std::make_unique<TExtStringGrid>(nullptr);
        g->SetColCount(cols);
        g->SetRowCount(rows);
        if (editing) g->SetOptions(g->Options() + plat::TGridOptions{plat::goEditing, plat::goRangeSelect});
        return g;
    }
    static void Fill(TExtStringGrid& g, int c0, int r0, std::vector<std::vector<std::string>> rows) {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c) g.SetCells(c0 + int(c), r0 + int(r), rows[r][c]);
    }
    base::TFormatSettings saved;
};

}  // namespace

TEST_F(Clipboard, CopiedTextOfBlocksAndCells) {
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> cells;
        bool excel;
        std::string want;
    } cases[] = {
        {"one row has no line end", {{"a", "b"}}, false, "a\tb"},
        {"two rows end every row", {{"a", "b"}, {"c", "d"}}, false, "a\tb\r\nc\td\r\n"},
        // A line break stored as CR LF is one line break on the clipboard.
        {"crlf cell", {{"x\r\ny"}}, false, "\"x\ny\""},
        {"crlf cell for spreadsheets", {{"x\r\ny"}}, true, "\"x\ny\""},
        {"cr cell", {{"x\ry"}}, false, "\"x\ny\""},
    };
    for (const auto& c : cases) {
        auto g = Grid(5, 5);
        g->SetExcelClipboardFormat(c.excel);
        Fill(*g, 1, 1, c.cells);
        g->SetSelection({1, 1, int(c.cells[0].size()), int(c.cells.size())});
        g->CopySelectionToClipboard();
        EXPECT_EQ(plat::Clipboard().AsText(), c.want) << c.name;
        EXPECT_EQ(g->GetSelectionAsText(), c.want) << c.name;
    }
}

TEST_F(Clipboard, HtmlTagsStayOrGo) {
    auto g = Grid(3, 3);
    g->SetCells(1, 1, "<B>bold</B>");
    g->SetSelection({1, 1, 1, 1});
    g->CopySelectionToClipboard();
    EXPECT_EQ(plat::Clipboard().AsText(), "<B>bold</B>");
    g->Navigation().SetCopyHTMLTagsToClipboard(false);
    g->CopySelectionToClipboard();
    EXPECT_EQ(plat::Clipboard().AsText(), "bold");
    // A break in the HTML of a cell becomes the spreadsheet's line mark.
    g->SetExcelClipboardFormat(true);
    g->SetMultilinecells(true);
    g->SetCells(1, 1, "x<BR>y");
    g->CopySelectionToClipboard();
    EXPECT_EQ(plat::Clipboard().AsText(), "\"x\vy\"");
}

TEST_F(Clipboard, CutEmptiesEditableCellsOnly) {
    auto g = Grid(4, 3);
    g->SetSaveFixedCells(false);
    Fill(*g, 1, 1, {{"a", "b", "c"}, {"d", "e", "f"}});
    g->SetReadOnly(2, 1, true);
    g->OnCanEditCell = [](TObject*, int row, int col, bool& can) { can = !(row == 2 && col == 3); };
    g->CutToClipboard();
    EXPECT_EQ(plat::Clipboard().AsText(), "a\tb\tc\r\nd\te\tf\r\n");
    EXPECT_EQ(g->Cells(1, 1), "");
    EXPECT_EQ(g->Cells(2, 1), "b");  // read-only
    EXPECT_EQ(g->Cells(3, 2), "f");  // not editable
    EXPECT_EQ(g->Cells(2, 2), "");
    EXPECT_EQ(g->ClipLastOp(), coCut);
}

TEST_F(Clipboard, CutSelectionIsOneUndoStep) {
    auto g = Grid(4, 4);
    TExtGridUndoRedo undo(nullptr);
    g->SetUndoRedo(&undo);
    Fill(*g, 1, 1, {{"a", "b"}, {"c", "d"}});
    g->SetSelection({1, 1, 2, 2});
    g->CutSelectionToClipboard();
    EXPECT_EQ(g->Cells(1, 1) + g->Cells(2, 2), "");
    undo.Undo();
    EXPECT_EQ(g->Cells(1, 1) + g->Cells(2, 1) + g->Cells(1, 2) + g->Cells(2, 2), "abcd");
    g->SetUndoRedo(nullptr);
}

// Cells copied in one grid land in another with their colours and check
// boxes, through the grid's own clipboard form.
TEST_F(Clipboard, RichCopyCarriesColoursAndCheckBoxes) {
    auto from = Grid(4, 4), to = Grid(4, 4);
    for (auto* g : {from.get(), to.get()}) g->Navigation().SetAllowFmtClipboard(true);
    from->SetCells(1, 1, "red");
    from->SetColors(1, 1, plat::clRed);
    from->AddCheckBox(2, 1, true, false);
    from->SetFontColors(2, 1, plat::clBlue);
    from->SetSelection({1, 1, 2, 1});
    from->CopySelectionToClipboard();
    to->SetSelection({2, 2, 2, 2});
    to->PasteSelectionFromClipboard();
    EXPECT_EQ(to->Cells(2, 2), "red");
    EXPECT_EQ(to->Colors(2, 2), plat::clRed);
    bool state = false;
    EXPECT_TRUE(to->GetCheckBoxState(3, 2, state));
    EXPECT_TRUE(state);
    EXPECT_EQ(to->FontColors(3, 2), plat::clBlue);
}

TEST_F(Clipboard, RichPasteMarksOwnRowsAndNeverWritesPastTheEnd) {
    auto g = Grid(4, 4), other = Grid(4, 4);
    for (auto* x : {g.get(), other.get()}) {
        x->Navigation().SetAllowFmtClipboard(true);
        x->ShowModified().SetEnabled(true);
    }
    Fill(*g, 1, 1, {{"a", "b"}, {"c", "d"}});
    g->SetSelection({1, 1, 2, 2});
    g->CopySelectionToClipboard();
    // No growth allowed: the block is cut at the grid's edge.
    other->Navigation().SetAllowClipboardRowGrow(false);
    other->Navigation().SetAllowClipboardColGrow(false);
    int rows = 0, cols = 0;
    EXPECT_EQ(other->PasteClipboardAt(3, 3, rows, cols), 4);
    EXPECT_EQ(other->ColCount(), 4);
    EXPECT_EQ(other->RowCount(), 4);
    EXPECT_EQ(other->Cells(3, 3), "a");
    EXPECT_TRUE(other->GetRowModified(3));
    // Growth allowed: the grid widens and lengthens first.
    g->PasteClipboardAt(3, 3, rows, cols);
    EXPECT_EQ(g->ColCount(), 5);
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->Cells(4, 4), "d");
    EXPECT_TRUE(g->GetRowModified(4));
}

TEST_F(Clipboard, PastedTextGrowsOrStopsAtTheEdge) {
    const struct {
        const char* name;
        bool colGrow;
        int wantCols;
        std::string wantLast;
    } cases[] = {{"grows", true, 5, "b"}, {"stops", false, 4, ""}};
    for (const auto& c : cases) {
        auto g = Grid(4, 4);
        g->Navigation().SetAllowClipboardColGrow(c.colGrow);
        plat::Clipboard().SetAsText("a\tb\r\nc\td\r\n");
        g->SetSelection({3, 1, 3, 1});
        g->PasteSelectionFromClipboard();
        EXPECT_EQ(g->ColCount(), c.wantCols) << c.name;
        EXPECT_EQ(g->Cells(3, 1), "a") << c.name;
        EXPECT_EQ(g->Cells(3, 2), "c") << c.name;
        if (c.colGrow) {
            EXPECT_EQ(g->Cells(4, 1), c.wantLast) << c.name;
        }
    }
}

TEST_F(Clipboard, PasteAtTheLastRowGrowsTheRows) {
    auto g = Grid(3, 3);
    int rows = 0, cols = 0;
    EXPECT_EQ(g->PasteText(1, 2, rows, cols, "a\r\nb\r\nc"), 3);
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->Cells(1, 4), "c");
    g->Navigation().SetAllowClipboardRowGrow(false);
    g->PasteText(1, 3, rows, cols, "x\r\ny\r\nz");
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->Cells(1, 4), "y");
}

TEST_F(Clipboard, LinesFromOtherProgramsAndMultiLineCells) {
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> want;  // column 1, rows 1..3
    } cases[] = {
        {"crlf", "a\r\nb\r\nc", {"a", "b", "c"}},
        {"lf", "a\nb\nc\n", {"a", "b", "c"}},
        {"cr", "a\rb\rc", {"a", "b", "c"}},
        {"quoted cell", "\"x\ny\"\r\nb\r\nc", {"x\r\ny", "b", "c"}},
        {"quoted cell of CR", "\"x\ry\"\r\nb\r\nc", {"x\r\ny", "b", "c"}},
        {"spreadsheet cell", "\"x\vy\"\nb\nc", {"x\r\ny", "b", "c"}},
        {"quote inside text", "5\" pipe\r\nb\r\nc", {"5\" pipe", "b", "c"}},
    };
    for (const auto& c : cases) {
        auto g = Grid(3, 5);
        int rows = 0, cols = 0;
        g->PasteText(1, 1, rows, cols, c.text);
        EXPECT_EQ((std::vector<std::string>{g->Cells(1, 1), g->Cells(1, 2), g->Cells(1, 3)}), c.want) << c.name;
    }
}

// A cell of several lines comes back as the grid stores typed lines: with
// CR LF, however the clipboard carried them.
TEST_F(Clipboard, CopyAndPasteBackKeepsMultiLineCells) {
    auto g = Grid(4, 4);
    Fill(*g, 1, 1, {{"x\r\ny", "b"}, {"c", "p\r\nq\r\n\xE2\x82\xAC"}});
    g->SetSelection({1, 1, 2, 2});
    g->CopySelectionToClipboard();
    auto h = Grid(4, 4);
    h->SetSelection({1, 1, 1, 1});
    h->PasteSelectionFromClipboard();
    EXPECT_EQ(h->Cells(1, 1), "x\r\ny");
    EXPECT_EQ(h->Cells(2, 1), "b");
    EXPECT_EQ(h->Cells(2, 2), "p\r\nq\r\n\xE2\x82\xAC");
    auto t = Grid(4, 4);
    t->SetSelection({1, 1, 1, 1});
    t->SetSelectionAsText(g->GetSelectionAsText());
    EXPECT_EQ(t->Cells(1, 1), "x\r\ny");
    EXPECT_EQ(t->Cells(2, 2), "p\r\nq\r\n\xE2\x82\xAC");
}

TEST_F(Clipboard, RichCopyCarriesPictures) {
    auto from = Grid(4, 4), to = Grid(4, 4);
    for (auto* g : {from.get(), to.get()}) g->Navigation().SetAllowFmtClipboard(true);
    plat::TBitmap bmp(3, 2);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y) bmp.Canvas().SetPixels(x, y, plat::RGB(80 * x, 100 * y, 7));
    from->CreateBitmap(1, 1, false, haLeft, vaTop)->Assign(bmp);
    from->CreatePicture(2, 1, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&bmp);
    from->SetSelection({1, 1, 2, 1});
    from->CopySelectionToClipboard();
    to->SetSelection({1, 2, 1, 2});
    to->PasteSelectionFromClipboard();
    const plat::TBitmap* pasted = to->GetBitmap(1, 2);
    const plat::TPicture* picture = to->GetPicture(2, 2);
    ASSERT_NE(pasted, nullptr);
    ASSERT_NE(picture, nullptr);
    plat::TBitmap fromPicture;
    fromPicture.Assign(*picture->Graphic());
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 2; ++y) {
            EXPECT_EQ(pasted->Pixel(x, y), bmp.Pixel(x, y)) << x << "," << y;
            EXPECT_EQ(fromPicture.Pixel(x, y), bmp.Pixel(x, y)) << x << "," << y;
        }
}

TEST_F(Clipboard, InsertModeMovesRowsDown) {
    auto g = Grid(3, 4);
    Fill(*g, 1, 1, {{"old1"}, {"old2"}});
    g->Navigation().SetClipboardPasteAction(paInsert);
    int rows = 0, cols = 0;
    g->PasteText(1, 1, rows, cols, "n1\r\nn2\r\n");
    EXPECT_EQ(g->RowCount(), 6);
    EXPECT_EQ(g->Cells(1, 1), "n1");
    EXPECT_EQ(g->Cells(1, 2), "n2");
    EXPECT_EQ(g->Cells(1, 3), "old1");
    EXPECT_EQ(g->Cells(1, 4), "old2");
}

TEST_F(Clipboard, PasteEventsMayChangeOrRefuse) {
    auto g = Grid(4, 3);
    std::vector<std::string> after;
    g->OnClipboardBeforePasteCell = [](TObject*, int c, int, std::string& v, bool& allow) {
        if (c == 2) allow = false;
        v = "<" + v + ">";
    };
    g->OnClipboardAfterPasteCell = [&](TObject*, int, int, const std::string& v) { after.push_back(v); };
    int rows = 0, cols = 0;
    g->PasteText(1, 1, rows, cols, "a\tb\tc");
    EXPECT_EQ(g->Cells(1, 1), "<a>");
    EXPECT_EQ(g->Cells(2, 1), "");
    EXPECT_EQ(g->Cells(3, 1), "<c>");
    EXPECT_EQ(after, (std::vector<std::string>{"<a>", "<c>"}));
}

TEST_F(Clipboard, NothingPastesWithoutEditing) {
    auto g = Grid(3, 3, false);
    int rows = 0, cols = 0;
    EXPECT_EQ(g->PasteText(1, 1, rows, cols, "a"), 0);
    EXPECT_EQ(g->Cells(1, 1), "");
    g->Navigation().SetAllowClipboardAlways(true);
    EXPECT_EQ(g->PasteText(1, 1, rows, cols, "a"), 1);
    EXPECT_EQ(g->Cells(1, 1), "a");
}

TEST_F(Clipboard, CountTextBlock) {
    const struct {
        std::string text;
        int cols, rows;
    } cases[] = {{"a", 1, 0}, {"a\r\n", 1, 0}, {"a\tb\r\nc", 2, 1}, {"a\r\nb\tc\td\r\n", 3, 1}, {"a\nb\nc", 1, 2}};
    for (const auto& c : cases) {
        int cols = -1, rows = -1;
        TExtStringGrid::CountTextBlock(c.text, cols, rows);
        EXPECT_EQ(cols, c.cols) << c.text;
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST_F(Clipboard, SetSelectionAsTextGrowsFirst) {
    auto g = Grid(3, 3);
    g->SetSelection({2, 2, 2, 2});
    g->SetSelectionAsText("a\tb\tc\r\nd\r\ne");
    EXPECT_EQ(g->ColCount(), 5);
    EXPECT_EQ(g->RowCount(), 5);
    EXPECT_EQ(g->Cells(4, 2), "c");
    EXPECT_EQ(g->Cells(2, 4), "e");
}

// ------------------------------------------------------------------ smart fill

TEST_F(Clipboard, SmartFillOfASelection) {
    const struct {
        const char* name;
        std::string clip;
        std::vector<std::string> want;  // column 1, rows 1..4
    } cases[] = {
        {"one value fills all", "5", {"5", "5", "5", "5"}},
        {"integers continue", "1\r\n3", {"1", "3", "5", "7"}},
        {"pattern repeats", "a\r\nb\r\n", {"a", "b", "a", "b"}},
        {"dates by month", "15/01/2024\r\n15/02/2024", {"15/01/2024", "15/02/2024", "15/03/2024", "15/04/2024"}},
        {"dates by ten days", "01/01/2024\r\n11/01/2024", {"01/01/2024", "11/01/2024", "21/01/2024", "31/01/2024"}},
        {"day 31 by month", "31/01/2024\r\n31/03/2024", {"31/01/2024", "31/03/2024", "31/05/2024", "31/07/2024"}},
    };
    for (const auto& c : cases) {
        auto g = Grid(3, 6);
        g->Navigation().SetAllowSmartClipboard(true);
        plat::Clipboard().SetAsText(c.clip);
        g->SetSelection({1, 1, 1, 4});
        g->PasteSelectionFromClipboard();
        EXPECT_EQ((std::vector<std::string>{g->Cells(1, 1), g->Cells(1, 2), g->Cells(1, 3), g->Cells(1, 4)}), c.want)
            << c.name;
        EXPECT_EQ(g->RowCount(), 6) << c.name;
    }
}

TEST_F(Clipboard, SmartFillAlongARowAndOfCheckBoxes) {
    auto g = Grid(6, 3);
    g->Navigation().SetAllowSmartClipboard(true);
    plat::Clipboard().SetAsText("2\t4");
    g->SetSelection({1, 1, 4, 1});
    g->PasteSelectionFromClipboard();
    EXPECT_EQ(g->Cells(4, 1), "8");

    auto from = Grid(3, 3);
    from->AddCheckBox(1, 1, true, false);
    from->SetSelection({1, 1, 1, 1});
    from->CopySelectionToClipboard();
    EXPECT_EQ(plat::Clipboard().AsText(), "Y");
    auto to = Grid(3, 5);
    to->Navigation().SetAllowSmartClipboard(true);
    to->AddCheckBoxColumn(1);
    to->SetSelection({1, 1, 1, 3});
    to->PasteSelectionFromClipboard();
    for (int r = 1; r <= 3; ++r) {
        bool state = false;
        EXPECT_TRUE(to->GetCheckBoxState(1, r, state));
        EXPECT_TRUE(state) << r;
    }
}

TEST_F(Clipboard, ABlockMatchingTheSelectionIsNoSeries) {
    auto g = Grid(4, 5);
    g->Navigation().SetAllowSmartClipboard(true);
    plat::Clipboard().SetAsText("1\t2\r\n3\t4\r\n");
    g->SetSelection({1, 1, 2, 2});
    g->PasteSelectionFromClipboard();
    EXPECT_EQ(g->Cells(1, 1) + g->Cells(2, 1) + g->Cells(1, 2) + g->Cells(2, 2), "1234");
    EXPECT_EQ(g->Cells(1, 3), "");
}

TEST_F(Clipboard, OneRowRepeatsDownAWideSelection) {
    auto g = Grid(4, 5);
    g->Navigation().SetAllowSmartClipboard(true);
    plat::Clipboard().SetAsText("x\ty");
    g->SetSelection({1, 1, 2, 3});
    g->PasteSelectionFromClipboard();
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(g->Cells(1, r) + g->Cells(2, r), "xy") << r;
}

TEST_F(Clipboard, CutOfRowsOrColumnsPickedOneByOne) {
    const struct {
        const char* name;
        bool rows;
        std::vector<std::pair<int, int>> emptied, kept;  // (column, row)
    } cases[] = {
        {"rows", true, {{1, 1}, {3, 1}, {1, 3}, {3, 3}}, {{1, 2}, {3, 2}, {2, 4}}},
        {"columns", false, {{1, 1}, {1, 4}, {3, 2}, {3, 4}}, {{2, 1}, {2, 4}, {4, 3}}},
    };
    for (const auto& c : cases) {
        auto g = Grid(5, 5);
        for (int col = 1; col < 5; ++col)
            for (int row = 1; row < 5; ++row) g->SetCells(col, row, std::to_string(col) + std::to_string(row));
        if (c.rows) {
            g->MouseActions().SetDisjunctRowSelect(true);
            g->SetRowSelect(1, true);
            g->SetRowSelect(3, true);
        } else {
            g->MouseActions().SetDisjunctColSelect(true);
            g->SetColSelect(1, true);
            g->SetColSelect(3, true);
        }
        g->CutSelectionToClipboard();
        const std::string text = plat::Clipboard().AsText();
        for (const auto& [col, row] : c.emptied) {
            EXPECT_EQ(g->Cells(col, row), "") << c.name << " " << col << "," << row;
            EXPECT_NE(text.find(std::to_string(col) + std::to_string(row)), std::string::npos)
                << c.name << ": the cut cell is on the clipboard";
        }
        for (const auto& [col, row] : c.kept) {
            EXPECT_EQ(g->Cells(col, row), std::to_string(col) + std::to_string(row)) << c.name;
            EXPECT_EQ(text.find(std::to_string(col) + std::to_string(row)), std::string::npos) << c.name;
        }
        EXPECT_EQ(g->ClipLastOp(), coCut);
    }
}

TEST_F(Clipboard, PasteGrowsAboveAVisibleFooterRow) {
    auto source = Grid(3, 4);
    source->Navigation().SetAllowFmtClipboard(true);
    Fill(*source, 1, 1, {{"a"}, {"b"}, {"c"}});
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> paste;
    } cases[] = {
        {"text",
         [](TExtStringGrid& g) {
             int rows = 0, cols = 0;
             g.PasteText(1, 2, rows, cols, "a\r\nb\r\nc");
         }},
        {"selection text",
         [](TExtStringGrid& g) {
             g.SetSelection({1, 2, 1, 2});
             g.SetSelectionAsText("a\r\nb\r\nc");
         }},
        {"cell stream",
         [&source](TExtStringGrid& g) {
             source->SetSelection({1, 1, 1, 3});
             source->CopySelectionToClipboard();
             g.Navigation().SetAllowFmtClipboard(true);
             int rows = 0, cols = 0;
             g.PasteClipboardAt(1, 2, rows, cols);
         }},
    };
    for (const auto& c : cases) {
        // Rows 1 and 2 hold data, row 3 is the footer's.
        auto g = Grid(3, 4);
        g->SetCells(1, 3, "total");
        g->FloatingFooter().SetVisible(true);
        c.paste(*g);
        EXPECT_EQ(g->RowCount(), 6) << c.name;
        EXPECT_EQ(g->Cells(1, 2), "a") << c.name;
        EXPECT_EQ(g->Cells(1, 3), "b") << c.name;
        EXPECT_EQ(g->Cells(1, 4), "c") << c.name;
        EXPECT_EQ(g->Cells(1, 5), "total") << c.name << ": the footer row stays the last";
    }
}
