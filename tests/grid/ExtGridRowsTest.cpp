#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/CellProperties.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridFooter.h"
#include "ExchangeTestSupport.h"
#include "GridOnFormFixture.h"

using namespace grid;
using exchange_test::Scratch;
using exchange_test::WriteBytes;

namespace {

// One fixed row, column 0 fixed; column 1 holds the given texts from row 1.
void Fill(TExtStringGrid& g, const std::vector<std::string>& texts, int cols = 3) {
    g.SetColCount(cols);
    g.SetRowCount(static_cast<int>(texts.size()) + 1);
    for (size_t i = 0; i < texts.size(); ++i) g.SetCells(1, static_cast<int>(i) + 1, texts[i]);
}

std::vector<std::string> Column(TExtStringGrid& g, int col = 1) {
    std::vector<std::string> out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) out.push_back(g.Cells(col, r));
    return out;
}

using Texts = std::vector<std::string>;

}  // namespace

// ----------------------------------------------------------- insertion

TEST(ExtGridRows, InsertKeepsRowsPropertiesAndHiddenRowsInStep) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A", "B", "C", "D"});
    g.SetColors(1, 2, plat::clRed);  // B
    g.HideRow(4);                    // D, real row 4
    g.SetRowHeights(2, 40);
    g.InsertRows(2, 1);
    EXPECT_EQ(Column(g), (Texts{"A", "", "B", "C"}));
    EXPECT_EQ(g.RowHeights(2), g.DefaultRowHeight());
    EXPECT_EQ(g.RowHeights(3), 40);
    EXPECT_EQ(g.Colors(1, 3), plat::clRed);
    EXPECT_EQ(g.Colors(1, 2), plat::clNone);
    // The hidden row keeps its own row: shown again, it follows C.
    g.UnHideRowsAll();
    EXPECT_EQ(Column(g), (Texts{"A", "", "B", "C", "D"}));
}

TEST(ExtGridRows, InsertShiftsRowFlags) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A", "B", "C"});
    g.ShowModified().SetEnabled(true);
    g.SetRowModified(2, true);
    g.SetRowEnabled(3, false);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.InsertRows(1, 2);
    EXPECT_FALSE(g.GetRowModified(2));
    EXPECT_TRUE(g.GetRowModified(4));
    EXPECT_TRUE(g.GetRowEnabled(3));
    EXPECT_FALSE(g.GetRowEnabled(5));
    EXPECT_FALSE(g.GetRowSelect(2));
    EXPECT_TRUE(g.GetRowSelect(4));
    EXPECT_EQ(g.SelectedRowCount(), 1);
}

// A merged block a row change cuts through keeps covering its rows; one
// wholly below moves with them.
TEST(ExtGridRows, MergedBlocksFollowRowChanges) {
    const struct {
        const char* name;
        bool insert;
        int row, count;
        int baseRow, spanY;  // of the block that began at row 2, three rows high
    } cases[] = {
        {"insert inside", true, 3, 2, 2, 4},
        {"insert above", true, 1, 1, 3, 2},
        {"insert at base", true, 2, 1, 3, 2},
        {"remove inside", false, 3, 1, 2, 1},
        {"remove base", false, 2, 1, 2, 1},
        {"remove above", false, 1, 1, 1, 2},
        {"remove overlapping end", false, 4, 2, 2, 1},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"a", "m", "", "", "b", "c"});
        g.MergeCells(1, 2, 1, 3);
        if (c.insert) g.InsertRows(c.row, c.count);
        else g.RemoveRows(c.row, c.count);
        EXPECT_EQ(g.BaseCell(1, c.baseRow + c.spanY).Y, c.baseRow) << c.name;
        EXPECT_EQ(g.CellSpan(1, c.baseRow).Y, c.spanY) << c.name;
        EXPECT_FALSE(g.IsMergedCell(1, c.baseRow + c.spanY + 1)) << c.name;
        if (c.baseRow > 1) EXPECT_FALSE(g.IsMergedCell(1, c.baseRow - 1)) << c.name;
        // Every covered cell of the block reads the base cell's text.
        for (int r = c.baseRow; r <= c.baseRow + c.spanY; ++r)
            EXPECT_EQ(g.Cells(1, r), g.Cells(1, c.baseRow)) << c.name << " row " << r;
    }
}

// ----------------------------------------------------------- removal

TEST(ExtGridRows, RemoveRowsBounds) {
    const struct {
        const char* name;
        int row, count;
        Texts left;
    } cases[] = {
        {"no count", 2, 0, {"A", "B", "C", "D"}},
        {"past the end", 5, 1, {"A", "B", "C", "D"}},
        {"count cut at the end", 3, 10, {"A", "B"}},
        {"middle", 2, 2, {"A", "D"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"A", "B", "C", "D"});
        g.RemoveRows(c.row, c.count);
        EXPECT_EQ(Column(g), c.left) << c.name;
    }
}

TEST(ExtGridRows, RemovingTheCurrentLastRowMakesTheLastNormalRowCurrent) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A", "B"});
    g.SetRow(2);
    g.RemoveRows(2, 1);
    EXPECT_EQ(g.Row(), 1);
}

TEST(ExtGridRows, RemovingRowsAboveAHiddenRowLowersItsIndex) {
    for (const bool ex : {false, true}) {
        TExtStringGrid g(nullptr);
        Fill(g, {"A", "B", "C", "D", "E"});
        g.HideRow(4);  // D
        if (ex) g.RemoveRowsEx(1, 2);
        else g.RemoveRows(1, 2);
        EXPECT_TRUE(g.IsHiddenRow(2)) << ex;
        g.UnHideRowsAll();
        EXPECT_EQ(Column(g), (Texts{"C", "D", "E"})) << ex;
    }
}

TEST(ExtGridRows, RemoveDuplicatesHonoursCase) {
    const struct {
        bool doCase;
        Texts left;
    } cases[] = {
        {false, {"a", "b", "c"}},
        {true, {"a", "b", "A", "c"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"a", "b", "A", "a", "b", "c", "b"});
        g.RemoveDuplicates(1, c.doCase);
        EXPECT_EQ(Column(g), c.left) << c.doCase;
    }
}

TEST(ExtGridRows, RemoveCheckedRows) {
    for (const bool checked : {true, false}) {
        TExtStringGrid g(nullptr);
        Fill(g, {"A", "B", "C", "D"});
        g.AddCheckBoxColumn(2);
        g.SetCheckBoxState(2, 2, true);
        g.SetCheckBoxState(2, 4, true);
        g.RemoveCheckedRows(2, checked);
        EXPECT_EQ(Column(g), checked ? (Texts{"A", "C"}) : (Texts{"B", "D"})) << checked;
    }
}

TEST(ExtGridRows, RemoveSelectedAndUnselectedRows) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A", "B", "C", "D"});
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.SetRowSelect(3, true);
    g.RemoveSelectedRows();
    EXPECT_EQ(Column(g), (Texts{"B", "D"}));
    g.SetRowSelect(2, true);
    g.RemoveUnSelectedRows();
    EXPECT_EQ(Column(g), (Texts{"D"}));
}

TEST(ExtGridRows, AutoDeleteRowEmptiesTheOnlyRowAndReports) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A"});
    int reported = -1;
    g.OnAutoDeleteRow = [&](TObject*, int r) { reported = r; };
    g.AutoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(reported, 1);
}

// ----------------------------------------------------------- clearing and merging

TEST(ExtGridClear, ClearTextOnlyKeepsCellLooks) {
    for (const bool textOnly : {true, false}) {
        TExtStringGrid g(nullptr);
        Fill(g, {"A", "B"});
        g.SetColors(1, 1, plat::clRed);
        g.SetClearTextOnly(textOnly);
        g.ClearRows(1, 1);
        EXPECT_EQ(g.Cells(1, 1), "");
        EXPECT_EQ(g.Colors(1, 1), textOnly ? plat::clRed : plat::clNone) << textOnly;
        EXPECT_EQ(g.Cells(1, 2), "B");
    }
}

TEST(ExtGridClear, ClearReachesHiddenColumns) {
    TExtStringGrid g(nullptr);
    Fill(g, {"A", "B"}, 4);
    g.SetCells(3, 1, "x");
    g.HideColumn(3);
    g.Clear();
    g.UnHideColumnsAll();
    EXPECT_EQ(g.Cells(3, 1), "");
    EXPECT_EQ(g.Cells(1, 2), "");
}

TEST(ExtGridClear, MergeColumnCellsMergesRunsOfEqualTexts) {
    TExtStringGrid g(nullptr);
    Fill(g, {"x", "x", "y", "y", "y", "z"});
    g.MergeColumnCells(1, true);
    EXPECT_EQ(g.CellSpan(1, 1).Y, 1);
    EXPECT_EQ(g.CellSpan(1, 3).Y, 2);
    EXPECT_FALSE(g.IsMergedCell(1, 6));
    g.SplitColumnCells(1);
    for (int r = 1; r <= 6; ++r) EXPECT_FALSE(g.IsMergedCell(1, r)) << r;
}

TEST(ExtGridClear, TrimIsCellAndWideCell) {
    TExtStringGrid g(nullptr);
    Fill(g, {"  abc", "abcd ", "|\\x", "a|\\"});
    g.TrimAll();
    EXPECT_EQ(Column(g), (Texts{"abc", "abcd", "|\\x", "a|\\"}));
    int c = -1, r = -1;
    EXPECT_TRUE(g.IsCell("abcd", c, r));
    EXPECT_EQ(c, 1);
    EXPECT_EQ(r, 2);
    EXPECT_FALSE(g.IsCell("bc", c, r));
    EXPECT_TRUE(g.IsWideCell(1, 3));
    EXPECT_FALSE(g.IsWideCell(1, 4));
}

// ----------------------------------------------------------- fills and checks

TEST(ExtGridFill, FillsWriteNormalCells) {
    TExtStringGrid g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(4);
    g.LinearFill(false);
    EXPECT_EQ(g.Cells(1, 1), "1:1");
    EXPECT_EQ(g.Cells(0, 0), "");
    g.FormatFill(false, "%d-%d");
    EXPECT_EQ(g.Cells(2, 3), "2-3");
    g.TextFill(true, "t");
    EXPECT_EQ(g.Cells(0, 0), "t");
}

TEST(ExtGridFill, FormatThatReadsOtherArgumentsIsRefused) {
    for (const char* fmt : {"%s-%d", "%d", "%d %d %d", "%n%d"}) {
        TExtStringGrid g(nullptr);
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCells(1, 1, "kept");
        EXPECT_THROW(g.FormatFill(false, fmt), EExtGridError) << fmt;
        EXPECT_EQ(g.Cells(1, 1), "kept") << fmt;
    }
}

TEST(ExtGridFill, NullDatesAreWrittenOnlyWhenAsked) {
    TExtStringGrid g(nullptr);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetShowNullDates(false);
    g.SetDates(1, 1, 0);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetShowNullDates(true);
    g.SetDates(1, 1, 0);
    EXPECT_NE(g.Cells(1, 1), "");
}

// ----------------------------------------------------------- numbering, selection, swapping

TEST(ExtGridNumbering, AutoNumberCol) {
    const struct {
        int start, offset;
        TSortDirection dir;
        Texts col;
    } cases[] = {
        {0, 0, sdAscending, {"1", "2", "3", "4"}},
        {0, 0, sdDescending, {"4", "3", "2", "1"}},
        {2, 0, sdAscending, {"-", "-", "3", "4"}},
        {0, 10, sdAscending, {"11", "12", "13", "14"}},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"-", "-", "-", "-"});
        g.SetAutoNumberStart(c.start);
        g.SetAutoNumberOffset(c.offset);
        g.SetAutoNumberDirection(c.dir);
        g.AutoNumberCol(1);
        EXPECT_EQ(Column(g), c.col) << c.start << " " << c.offset << " " << c.dir;
    }
}

TEST(ExtGridNumbering, SelectionTextAndFixedCells) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "b", "c"}, 4);
    g.SetCells(2, 1, "x");
    g.SetCells(2, 2, "y");
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.SelectedText(), "a\tx\r\nb\ty");
    EXPECT_TRUE(g.IsSelected(2, 2));
    EXPECT_FALSE(g.IsSelected(0, 1));
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(0, true);
    EXPECT_FALSE(g.IsSelected(1, 0));
}

// Rows selected whole and dragged as entire rows give their text from
// column 0 on; either switch alone keeps the selected columns.
TEST(ExtGridNumbering, SelectionTextOfEntireRows) {
    const struct {
        bool rowSelect, entireRows;
        std::string text;
    } cases[] = {
        {true, true, "n1\ta\tx\tp\r\nn2\tb\ty\tq"},
        {true, false, "a\tx\tp\r\nb\ty\tq"},
        {false, true, "a\tx\tp\r\nb\ty\tq"},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"a", "b", "c"}, 4);
        for (int r = 1; r <= 2; ++r) {
            g.SetCells(0, r, "n" + std::to_string(r));
            g.SetCells(2, r, r == 1 ? "x" : "y");
            g.SetCells(3, r, r == 1 ? "p" : "q");
        }
        if (c.rowSelect) g.SetOptions(g.Options() + plat::TGridOptions{plat::goRowSelect});
        g.DragDropSettings().SetOleEntireRows(c.entireRows);
        g.SelectCells(1, 1, 3, 2);
        EXPECT_EQ(g.SelectedText(), c.text) << c.rowSelect << c.entireRows;
    }
}

TEST(ExtGridNumbering, SwapColumnsCarriesTheSortColumn) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "b"});
    g.SetCells(2, 1, "x");
    g.SetColWidths(1, 30);
    g.SetColWidths(2, 50);
    g.SetColors(2, 1, plat::clRed);
    g.SortSettings().SetColumn(1);
    g.SwapColumns(1, 2);
    EXPECT_EQ(g.Cells(1, 1), "x");
    EXPECT_EQ(g.Cells(2, 1), "a");
    EXPECT_EQ(g.ColWidths(1), 50);
    EXPECT_EQ(g.Colors(1, 1), plat::clRed);
    EXPECT_EQ(g.SortSettings().Column(), 2);
}

TEST(ExtGridNumbering, SwapRows) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "b", "c"});
    g.SetRowHeights(1, 33);
    g.SwapRows(2, 2);
    EXPECT_EQ(Column(g), (Texts{"a", "b", "c"}));
    g.SwapRows(1, 3);
    EXPECT_EQ(Column(g), (Texts{"c", "b", "a"}));
    EXPECT_EQ(g.RowHeights(3), 33);
}

// ----------------------------------------------------------- columns

TEST(ExtGridColumns, AddRemoveAndMergeColumns) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "b"}, 4);
    g.SetCells(2, 1, "b1");
    g.AddColumn();
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.ColWidths(4), g.DefaultColWidth());
    g.MergeCols(1, 2, " ");
    EXPECT_EQ(g.Cells(1, 1), "a b1");
    EXPECT_EQ(g.ColCount(), 4);
    g.RemoveCols(2, 10);
    EXPECT_EQ(g.ColCount(), 2);
}

// ----------------------------------------------------------- floating footer

namespace {
// Rows 1..3 hold 1, 2 and 4 in column 1; the last row is the footer row.
void FooterGrid(TExtStringGrid& g) {
    Fill(g, {"1", "2", "4", ""});
    g.FloatingFooter().SetHeight(24);
    g.FloatingFooter().SetVisible(true);
}
}  // namespace

TEST(ExtGridFooter, VisibleFooterTakesTheLastRow) {
    TExtStringGrid g(nullptr);
    FooterGrid(g);
    EXPECT_EQ(g.FixedFooters(), 1);
    g.FloatingFooter().SetVisible(false);
    EXPECT_EQ(g.FixedFooters(), 0);
}

TEST(ExtGridFooter, Calculations) {
    const struct {
        TColumnCalcType calc;
        std::string text;
    } cases[] = {
        {acSUM, "7.00"}, {acAVG, "2.33"}, {acMIN, "1.00"}, {acMAX, "4.00"}, {acCOUNT, "3"}, {acCUSTOM, ""},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        FooterGrid(g);
        g.SetCells(1, 4, "old");
        g.FloatingFooter().SetColumnCalc(1, c.calc);
        EXPECT_EQ(g.Cells(1, 4), c.text) << c.calc;
    }
}

TEST(ExtGridFooter, TotalsFollowRowChangesUnlessCalculationIsOff) {
    TExtStringGrid g(nullptr);
    FooterGrid(g);
    g.FloatingFooter().SetColumnCalc(1, acSUM);
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(1, 5), "7.00");  // the footer row stays last
    g.SetCells(1, 4, "3");
    g.InsertRows(g.RowCount(), 1);  // asked for after the footer: goes before it
    EXPECT_EQ(g.Cells(1, 6), "10.00");
    g.RemoveRows(1, 1);
    EXPECT_EQ(g.Cells(1, 5), "9.00");
    g.FloatingFooter().SetEnableCalculation(false);
    g.RemoveRows(1, 1);
    EXPECT_EQ(g.Cells(1, 4), "9.00");
}

TEST(ExtGridFooter, CustomCalculationEvent) {
    TExtStringGrid g(nullptr);
    FooterGrid(g);
    g.OnFooterCalc = [](TObject*, int c, int r, std::string& v) { v = std::to_string(c) + "/" + std::to_string(r); };
    g.FloatingFooter().SetColumnCalc(1, acCUSTOM);
    EXPECT_EQ(g.Cells(1, 4), "1/4");
}

TEST(ExtGridFooter, TemplateExpansion) {
    const auto col = [](int c) { return c == 2 ? std::string("17") : "c" + std::to_string(c); };
    const struct {
        const char* tmpl;
        const char* out;
    } cases[] = {
        {"Total: <#2>", "Total: 17"},
        {"<#x>left", "left"},
        {"<#1><#2>", "c117"},
        {"open <#2", "open <#2"},
        {"<#99999999999>", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TFloatingFooter::ExpandTemplate(c.tmpl, col), c.out) << c.tmpl;
}

// ----------------------------------------------------------- sizing

TEST(ExtGridAutoSize, ColumnsFitWithPaddingAndFixedColumnsStay) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a rather long text", ""}, 4);
    g.SetFixedRightCols(1);
    g.SetColWidths(0, 11);
    g.SetColWidths(3, 13);
    g.AutoSizeCol(2, 0);
    const int empty = g.ColWidths(2);
    g.AutoSizeColumns(false, 5);
    EXPECT_EQ(g.ColWidths(0), 11);
    EXPECT_EQ(g.ColWidths(3), 13);
    EXPECT_EQ(g.ColWidths(2), empty + 5);
    EXPECT_GT(g.ColWidths(1), empty + 5);
}

// The columns fill the width less the control's frame: a sunken single
// border takes 4 pixels, a flat one 2, none nothing.
TEST(ExtGridAutoSize, FitColumnsFillTheWidthInsideTheBorder) {
    const struct {
        plat::TFormBorderStyle border;
        bool ctl3d;
        int filled;
    } cases[] = {{plat::bsSingle, true, 396}, {plat::bsSingle, false, 398}, {plat::bsNone, true, 400}};
    for (const auto& k : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(4);
        g.SetRowCount(2);
        g.SetBounds(0, 0, 400, 100);
        g.SetScrollBars(plat::ssNone);
        g.SetBorderStyle(k.border);
        g.SetCtl3D(k.ctl3d);
        for (int c = 0; c < 4; ++c) g.SetColWidths(c, 40 + 10 * c);
        g.AutoFitColumns(true);
        int sum = 0;
        for (int c = 0; c < 4; ++c) sum += g.ColWidths(c);
        EXPECT_EQ(sum, k.filled) << k.filled;
        EXPECT_LT(g.ColWidths(0), g.ColWidths(3));
        // Already filling: nothing changes.
        const int w0 = g.ColWidths(0);
        g.AutoFitColumns(true);
        EXPECT_EQ(g.ColWidths(0), w0) << k.filled;
    }
}

TEST(ExtGridAutoSize, RowsAndControlSize) {
    TExtStringGrid g(nullptr);
    Fill(g, {"one", "two\r\nlines"});
    g.SetWordWrap(false);
    g.SetMultilinecells(true);  // line counting needs multi-line cells
    g.AutoSizeRows(false, 0);
    EXPECT_GT(g.RowHeights(2), g.RowHeights(1));
    g.SetScrollBars(plat::ssVertical);
    g.SizeToCells();
    EXPECT_EQ(g.ScrollBars(), plat::ssVertical);
    int w = 0;
    for (int c = 0; c < g.ColCount(); ++c) w += g.ColWidths(c);
    EXPECT_EQ(g.ClientWidth(), w);
}

// Hiding and inserting columns has no column limit: a wide grid keeps its
// map of hidden columns past any fixed table size.
TEST(ExtGridColumns, WideGridsHideAndInsertColumns) {
    TExtStringGrid g(nullptr);
    g.SetColCount(700);
    g.SetRowCount(2);
    g.SetCells(650, 1, "far");
    g.SetColWidths(650, 77);
    g.HideColumn(600);
    EXPECT_TRUE(g.IsHiddenColumn(600));
    EXPECT_EQ(g.ColCount(), 699);
    EXPECT_EQ(g.RealColIndex(649), 650);
    g.InsertCols(10, 2);
    EXPECT_EQ(g.TotalColCount(), 702);
    EXPECT_TRUE(g.IsHiddenColumn(602));
    EXPECT_EQ(g.Cells(652, 1), "far");
    EXPECT_EQ(g.AllColWidths(652), 77);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 702);
}

// Removing many scattered rows at once moves the kept rows with their
// looks, heights and flags.
TEST(ExtGridRows, ScatteredRemovalKeepsRowsWhole) {
    TExtStringGrid g(nullptr);
    Fill(g, {"a", "x", "b", "x", "c", "x"});
    g.ShowModified().SetEnabled(true);
    g.SetColors(2, 3, plat::clRed);  // b
    g.SetRowHeights(5, 41);          // c
    g.SetRowModified(5, true);
    g.SetRow(5);
    g.RemoveDuplicates(1, true);
    EXPECT_EQ(Column(g), (Texts{"a", "x", "b", "c"}));
    EXPECT_EQ(g.Colors(2, 3), plat::clRed);
    EXPECT_EQ(g.RowHeights(4), 41);
    EXPECT_TRUE(g.GetRowModified(4));
    EXPECT_FALSE(g.GetRowModified(2));
}

// Rows read from a file for insertion go in above the footer row, and the
// totals take them in.
TEST(ExtGridFooter, InsertedFileRowsGoAboveTheFooter) {
    TExtStringGrid g(nullptr);
    FooterGrid(g);
    g.FloatingFooter().SetColumnCalc(1, acSUM);
    const std::string path = Scratch("insert.csv");
    WriteBytes(path, ",10\r\n,20\r\n");
    g.InsertFromCSV(path);
    EXPECT_EQ(Column(g), (Texts{"1", "2", "4", "10", "20", "37.00"}));
}

// With hidden rows the totals read every real row but the footer row,
// whatever the number of hidden rows; a text the total cannot read leaves
// the footer cell empty rather than failing the row change.
TEST(ExtGridFooter, TotalsOverHiddenRowsAndText) {
    for (const int hide : {1, 2, 3}) {
        TExtStringGrid g(nullptr);
        Fill(g, {"1", "2", "4", "8", "16", ""});
        g.FloatingFooter().SetVisible(true);
        g.FloatingFooter().SetColumnCalc(1, acSUM);
        g.HideRows(1, hide);
        g.CalcFooter(1);
        EXPECT_EQ(g.Cells(1, g.RowCount() - 1), "31.00") << hide;
        g.FloatingFooter().SetCalculateHiddenRows(false);
        g.CalcFooter(1);
        const int shown[] = {0, 30, 28, 24};
        EXPECT_EQ(g.Cells(1, g.RowCount() - 1), std::to_string(shown[hide]) + ".00") << hide;
    }
    TExtStringGrid g(nullptr);
    FooterGrid(g);
    g.SetCells(1, 1, "text");
    g.FloatingFooter().SetColumnCalc(1, acMIN);
    EXPECT_EQ(g.Cells(1, 4), "");
    g.AddRow();
    EXPECT_EQ(g.RowCount(), 6);
}

// The bar shows at the grid's bottom in its colour, its border along the
// top, and the grid body no longer paints the footer row.
TEST(ExtGridFooter, BarPaintsAtTheBottom) {
    GridOnHiddenForm<> f({0, 0, 400, 300}, {0, 0, 300, 200}, 3, 4);
    TExtStringGrid& g = *f.g;
    g.SetCells(1, 1, "5");
    g.SetCells(1, 2, "6");
    // The footer cells are drawn as fixed cells; a look without painted
    // header faces lets the bar's own colour show under them.
    g.SetLook(glStandard);
    g.FloatingFooter().SetHeight(25);
    g.FloatingFooter().SetColor(plat::clYellow);
    g.FloatingFooter().SetBorderColor(plat::clRed);
    g.FloatingFooter().SetVisible(true);
    g.FloatingFooter().SetColumnCalc(1, acSUM);
    EXPECT_EQ(g.Cells(1, 3), "11.00");
    const plat::TBitmap bmp = f.Shot("GridFloatingFooter.png");
    const int top = g.Height() - 24;
    EXPECT_EQ(bmp.Pixel(3, top + 12), plat::clYellow);
    EXPECT_EQ(bmp.Pixel(3, top), plat::clRed);
    g.SetBounds(0, 0, 300, 150);
    EXPECT_EQ(g.FloatingFooter().Panel()->Top(), 150 - 24);
}

namespace {

// Pixels of one colour in a rectangle of a picture.
int CountPixels(const plat::TBitmap& bmp, plat::TRect r, plat::TColor color) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (bmp.Pixel(x, y) == color) ++n;
    return n;
}

}  // namespace

// A total is drawn as the cell would be: its own colour, font colour and
// the column's alignment.
TEST(ExtGridFooter, BarDrawsTheTotalsAsCells) {
    GridOnHiddenForm<> f({0, 0, 400, 300}, {0, 0, 320, 200}, 3, 4);
    TExtStringGrid& g = *f.g;
    g.SetColWidths(1, 150);
    g.SetCells(1, 1, "5");
    g.SetCells(1, 2, "6");
    g.FloatingFooter().SetHeight(25);
    g.FloatingFooter().SetVisible(true);
    g.FloatingFooter().SetColumnCalc(1, acSUM);
    g.SetColors(1, 3, plat::clYellow);
    g.SetFontColors(1, 3, plat::clBlue);
    g.OnGetAlignment = [](TObject*, int, int ACol, plat::TAlignment& HA, TVAlignment&) {
        if (ACol == 1) HA = plat::taRightJustify;
    };
    const plat::TBitmap bmp = f.Shot("GridFloatingFooterCells.png");
    const int top = g.FloatingFooter().Panel()->Top();
    const int left = g.ColWidths(0), right = left + g.ColWidths(1);
    const plat::TRect leftHalf{left + 2, top + 2, left + 75, top + 22};
    const plat::TRect rightHalf{left + 75, top + 2, right - 2, top + 22};
    EXPECT_GT(CountPixels(bmp, leftHalf, plat::clYellow), 0) << "the cell's own colour";
    EXPECT_EQ(CountPixels(bmp, leftHalf, plat::clBlue), 0) << "right-aligned text stays right";
    EXPECT_GT(CountPixels(bmp, rightHalf, plat::clBlue), 0) << "the total in the cell's font colour";
}

// A right-to-left grid's bar is its mirror: the columns' part starts at the
// right edge, a total's colour stands under its mirrored column, and the
// pointer finds the column shown under it.
TEST(ExtGridFooter, MirroredBarRunsFromTheRight) {
    GridOnHiddenForm<> f({0, 0, 400, 300}, {0, 0, 320, 200}, 3, 4);
    TExtStringGrid& g = *f.g;
    g.SetBiDiMode(plat::bdRightToLeft);
    g.SetLook(glStandard);
    g.SetColor(plat::clWhite);
    g.SetColWidths(0, 30);
    g.SetColWidths(1, 60);
    g.SetColWidths(2, 30);
    g.FloatingFooter().SetHeight(25);
    g.FloatingFooter().SetColor(plat::clYellow);
    g.FloatingFooter().SetVisible(true);
    g.SetColors(1, 3, plat::clLime);
    const plat::TBitmap bmp = f.Shot("GridFloatingFooterMirrored.png");
    const TFooterPanel& bar = *g.FloatingFooter().Panel();
    const int x0 = bar.Left(), w = bar.Width(), top = bar.Top();
    const plat::TRect mirrored{x0 + w - 90 + 2, top + 3, x0 + w - 30 - 2, top + 22};
    const plat::TRect unmirrored{x0 + 30 + 2, top + 3, x0 + 90 - 2, top + 22};
    EXPECT_GT(CountPixels(bmp, mirrored, plat::clLime), 0) << "the total's colour under its mirrored column";
    EXPECT_EQ(CountPixels(bmp, unmirrored, plat::clLime), 0);
    EXPECT_EQ(bmp.Pixel(x0 + 5, top + 12), plat::clWhite) << "past the columns, the grid's colour";
    EXPECT_EQ(bar.ColumnAt(w - 50), 1);
    EXPECT_EQ(bar.ColumnAt(w - 10), 0);
    EXPECT_EQ(bar.ColumnAt(5), -1);
}

// The rows end above the bar: the last data row scrolled into view is
// wholly visible, not under the bar.
TEST(ExtGridFooter, RowsScrollClearOfTheBar) {
    GridOnHiddenForm<> f({0, 0, 400, 300}, {0, 0, 300, 200}, 3, 30);
    TExtStringGrid& g = *f.g;
    const int before = g.VisibleRowCount();
    g.FloatingFooter().SetHeight(41);
    g.FloatingFooter().SetVisible(true);
    EXPECT_LT(g.VisibleRowCount(), before);
    g.SetRow(g.RowCount() - 2);
    EXPECT_LE(g.CellRect(1, g.RowCount() - 2).Bottom, g.FloatingFooter().Panel()->Top());
    EXPECT_GT(g.CellRect(1, g.RowCount() - 2).Bottom, 0);
}

// The preview styles sit in a raised frame; the previewed cell of the
// current row is drawn with its own font colour.
TEST(ExtGridFooter, ColumnPreviewInARaisedFrame) {
    GridOnHiddenForm<> f({0, 0, 400, 300}, {0, 0, 300, 200}, 3, 4);
    TExtStringGrid& g = *f.g;
    g.SetCells(2, 2, "preview");
    g.SetFontColors(2, 2, plat::clRed);
    g.SetRow(2);
    g.FloatingFooter().SetFooterStyle(fsColumnPreview);
    g.FloatingFooter().SetColumn(2);
    g.FloatingFooter().SetHeight(25);
    g.FloatingFooter().SetVisible(true);
    const plat::TBitmap bmp = f.Shot("GridFloatingFooterPreview.png");
    const int top = g.FloatingFooter().Panel()->Top();
    int used = 0;
    for (int c = 0; c < g.ColCount(); ++c) used += g.ColWidths(c);
    used = std::min(used, g.Width());
    EXPECT_EQ(bmp.Pixel(0, top + 10), plat::clWhite);
    EXPECT_EQ(bmp.Pixel(10, top), plat::clWhite);
    EXPECT_EQ(bmp.Pixel(used - 1, top + 10), plat::clGray);
    EXPECT_EQ(bmp.Pixel(10, top + 23), plat::clGray);
    EXPECT_GT(CountPixels(bmp, {2, top + 2, used - 2, top + 22}, plat::clRed), 0);
}

// The sort glyph takes room only in the sorted column and only while it
// shows.
TEST(ExtGridAutoSize, SortGlyphRoom) {
    const struct {
        bool show;
        int column;
        int extra;
    } cases[] = {{true, 1, 10}, {false, 1, 0}, {true, 2, 0}};
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"a", "b"});
        g.SetCells(1, 0, "A header wider than any cell");
        g.AutoSizeCol(1, 0);
        const int plain = g.ColWidths(1);
        g.SortSettings().SetRow(0);
        g.SortSettings().SetColumn(c.column);
        g.SortSettings().SetShow(c.show);
        g.AutoSizeCol(1, 0);
        EXPECT_EQ(g.ColWidths(1), plain + c.extra) << c.show << " " << c.column;
    }
}

// Properties that belong to someone else are only let go: the owner frees
// them afterwards, which the sanitizers would report as a double free had
// the grid freed them first.
TEST(ExtGridRows, PropertiesNotOwnedAreLetGoNotFreed) {
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> empty;
    } cases[] = {
        {"ClearRect", [](TExtStringGrid& g) { g.ClearRect(0, 1, 2, 2); }},
        {"ClearRows", [](TExtStringGrid& g) { g.ClearRows(1, 2); }},
        {"RemoveRows", [](TExtStringGrid& g) { g.RemoveRows(1, 2); }},
        {"RemoveCols", [](TExtStringGrid& g) { g.RemoveCols(1, 1); }},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        Fill(g, {"A", "B", "C"});
        std::vector<std::unique_ptr<TCellProperties>> theirs;
        for (int r = 1; r <= 2; ++r) {
            theirs.push_back(std::make_unique<TCellProperties>(&g, 1, r));
            theirs.back()->SetBrushColor(plat::clRed);
            g.SetCellProperties(1, r, theirs.back().get());
        }
        g.SetObjectsNotOwned(true);
        c.empty(g);
        for (int r = 1; r < g.RowCount(); ++r) EXPECT_EQ(g.Colors(1, r), plat::clNone) << c.name << " " << r;
        g.SetObjectsNotOwned(false);
        for (const auto& p : theirs) EXPECT_EQ(p->BrushColor(), plat::clRed) << c.name;
    }
}
