#include <gtest/gtest.h>

#include "grid/ExtGrid.h"

using namespace grid;

namespace {
// Asks the sizing question the mouse asks before a sizing starts.
class TSizingProbe : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    plat::TGridState At(int X, int Y) {
        plat::TGridState state = plat::gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs);
        return state;
    }
};
}  // namespace

TEST(ExtGridStruct, ColumnAndRowSizingCanBeRefused) {
    TSizingProbe g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goColSizing, goRowSizing});
    std::vector<int> askedCols, askedRows;
    g.OnColumnSize = [&](TObject*, int col, bool& allow) {
        askedCols.push_back(col);
        allow = col != 2;
    };
    g.OnRowSize = [&](TObject*, int row, bool& allow) {
        askedRows.push_back(row);
        allow = row != 3;
    };
    const int edge1 = g.ComputeCellRect(1, 0).Right;
    const int edge2 = g.ComputeCellRect(2, 0).Right;
    const int mid0 = g.ComputeCellRect(1, 0).Top + 5;
    EXPECT_EQ(g.At(edge1, mid0), plat::gsColSizing);
    EXPECT_EQ(g.At(edge2, mid0), plat::gsNormal);
    EXPECT_EQ(askedCols, (std::vector<int>{1, 2}));
    const int bottom2 = g.ComputeCellRect(0, 2).Bottom;
    const int bottom3 = g.ComputeCellRect(0, 3).Bottom;
    const int x0 = 10;
    EXPECT_EQ(g.At(x0, bottom2), plat::gsRowSizing);
    EXPECT_EQ(g.At(x0, bottom3), plat::gsNormal);
    EXPECT_EQ(askedRows, (std::vector<int>{2, 3}));
}

TEST(ExtGridStruct, KeptSettingDefaults) {
    TExtStringGrid g(nullptr);
    EXPECT_FALSE(g.AutoSize());
    EXPECT_FALSE(g.SizeWithForm());
    EXPECT_FALSE(g.FilterActive());
    EXPECT_FALSE(g.FilterDropDownCheck());
    EXPECT_EQ(g.FilterDropDownRow(), 0);
    EXPECT_FALSE(g.SelectionRTFKeep());
    EXPECT_FALSE(g.URLFull());
    EXPECT_FALSE(g.JavaCSV());
    EXPECT_FALSE(g.AlwaysQuotes());
    EXPECT_FALSE(g.ExcelClipboardFormat());
    EXPECT_FALSE(g.ClearTextOnly());
    EXPECT_FALSE(g.IntegralHeight());
    EXPECT_EQ(g.DefaultAlignment(), plat::taLeftJustify);
    EXPECT_EQ(g.VAlignment(), vtaTop);
    EXPECT_EQ(g.DefaultEditor(), edNormal);
    EXPECT_EQ(g.FixedFooters(), 0);
    EXPECT_EQ(g.FixedRightCols(), 0);
    EXPECT_FALSE(g.FixedRowAlways());
    EXPECT_FALSE(g.FixedColAlways());
    EXPECT_EQ(g.SelectionMirrorColor(), plat::clNone);
    EXPECT_EQ(g.SelectionMirrorColorTo(), plat::clNone);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 50);
    EXPECT_EQ(g.HighlightColor(), plat::clHighlight);
    EXPECT_EQ(g.HighlightTextColor(), plat::clHighlightText);
    EXPECT_FALSE(g.ActiveCellShow());
    EXPECT_EQ(g.ActiveCellColorTo(), plat::clNone);
    EXPECT_EQ(g.HoverFixedCells(), hfNone);
    EXPECT_FALSE(g.URLShow());
    EXPECT_FALSE(g.URLShowInText());
    EXPECT_FALSE(g.AutoNumAlign());
    EXPECT_EQ(g.MaxEditLength(), 0);
    EXPECT_EQ(g.InvalidEntryTitle(), "");
    EXPECT_EQ(g.InvalidEntryText(), "");
    EXPECT_EQ(g.HintColor(), plat::clInfoBk);
    EXPECT_FALSE(g.HintShowCells());
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_EQ(g.ScrollColor(), plat::clNone);
    EXPECT_EQ(g.ScrollHints(), shNone);
    EXPECT_EQ(g.ScrollBarAlways(), saNone);
    EXPECT_TRUE(g.EnableWheel());
    EXPECT_EQ(g.IntelliPan(), ipVertical);
    EXPECT_TRUE(g.IntelliZoom());
    EXPECT_TRUE(g.EnhRowColMove());
    EXPECT_FALSE(g.FilterDropDownAuto());
    EXPECT_FALSE(g.FilterDropDownAllColumns());
    EXPECT_TRUE(g.FilterNormalCellsOnly());
    EXPECT_TRUE(g.AutoFilterUpdate());
    EXPECT_TRUE(g.ShowDesignHelper());
    EXPECT_EQ(g.Delimiter(), '\0');
    EXPECT_TRUE(g.QuoteEmptyCells());
    EXPECT_TRUE(g.SaveFixedCells());
    EXPECT_FALSE(g.SaveFixedRows());
    EXPECT_FALSE(g.SaveFixedCols());
    EXPECT_FALSE(g.SaveHiddenCells());
    EXPECT_TRUE(g.SaveVirtCells());
    EXPECT_TRUE(g.SaveWithHTML());
    EXPECT_TRUE(g.LoadFirstRow());
    EXPECT_TRUE(g.ShowNullDates());
    EXPECT_TRUE(g.FitCellsInGrid());
    EXPECT_EQ(g.ZoomFactor(), 0);
    EXPECT_EQ(g.MinColWidth(), 0);
    EXPECT_EQ(g.MaxColWidth(), 0);
    EXPECT_EQ(g.MinRowHeight(), 0);
    EXPECT_EQ(g.MaxRowHeight(), 0);
    EXPECT_FALSE(g.SizeGrowOnly());
    EXPECT_TRUE(g.UseDisabledFont());
    EXPECT_EQ(g.SelectionRectangleColor(), plat::clBlack);
    EXPECT_FALSE(g.FilterIncremental());
    // Loaded then sets the lower size limits from the stream's values.
    g.Loaded();
    EXPECT_EQ(g.MinRowHeight(), g.DefaultRowHeight());
    EXPECT_EQ(g.MinColWidth(), 10);
}

TEST(ExtGridStruct, AutoSizeFitsTheNormalColumnsWhenSwitchedOn) {
    TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "a rather long text for one column");
    const int before = g.ColWidths(1);
    g.SetAutoSize(true);
    EXPECT_GT(g.ColWidths(1), before);
    EXPECT_EQ(g.ColWidths(0), 64) << "fixed columns are left alone";
}

TEST(ExtGridStruct, SelectedRowAndColumnCountsCoverMergedBlocks) {
    const struct {
        const char* name;
        TGridRect sel;
        int rows, cols;
    } cases[] = {
        // Block at columns 2..3, rows 2..4 (spans 1 and 2).
        {"inside the block", {2, 2, 2, 2}, 3, 2},
        {"block at the top, longer selection", {2, 2, 2, 6}, 5, 2},
        {"block at the bottom", {2, 1, 2, 2}, 4, 1},
        {"plain cells", {5, 5, 6, 7}, 3, 2},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetColCount(8);
        g.MergeCells(2, 2, 2, 3);
        g.SetSelection(c.sel);
        EXPECT_EQ(g.SelectedRowCount(), c.rows) << c.name;
        EXPECT_EQ(g.SelectedColCount(), c.cols) << c.name;
    }
}

TEST(ExtGridStruct, CurrentCellOfAMergedBlockIsItsBaseCell) {
    TExtStringGrid g(nullptr);
    g.MergeCells(1, 1, 2, 2);
    g.SetCells(1, 1, "base");
    g.FocusCell(2, 2);
    EXPECT_EQ(g.GetCurrentCell(), "base");
    EXPECT_EQ(g.GetCurrentCellText(), "base");
    g.SetCurrentCell("new");
    EXPECT_EQ(g.GetGridCell(1, 1), "new");
    EXPECT_EQ(g.GetGridCell(2, 2), "");
}

TEST(ExtGridStruct, RowGradientNoneKeepsCellsThatCarryMore) {
    TExtStringGrid g(nullptr);
    g.SetRowColorTo(3, plat::clRed);
    g.AddCheckBox(2, 3, true, false);
    g.SetColors(4, 3, plat::clBlue);
    g.SetReadOnly(5, 3, true);
    g.SetRowColorTo(3, plat::clNone);
    EXPECT_EQ(g.ColorsTo(1, 3), plat::clNone);
    EXPECT_TRUE(g.HasCheckBox(2, 3));
    EXPECT_TRUE(g.ReadOnly(5, 3));
    EXPECT_EQ(g.ColorsTo(2, 3), plat::clNone);
    EXPECT_EQ(g.Colors(4, 3), plat::clBlue);
    EXPECT_EQ(g.ColorsTo(4, 3), plat::clNone);
}

TEST(ExtGridStruct, PrintLayoutColumnsOutsideTheRangeRaise) {
    TExtStringGrid g(nullptr);
    g.SetPrintColLayout(3, 120, 250);
    EXPECT_EQ(g.PrintColWidth(3), 120);
    EXPECT_EQ(g.PrintColOffset(3), 250);
    EXPECT_EQ(g.PrintColWidth(511), 0);
    for (int col : {-1, 512}) {
        try {
            (void)g.PrintColWidth(col);
            ADD_FAILURE() << "no error for " << col;
        } catch (const EExtGridError& e) {
            EXPECT_STREQ(e.what(), "Columns is not in valid range");
        }
        EXPECT_THROW((void)g.PrintColOffset(col), EExtGridError);
    }
}

TEST(ExtGridStruct, SizingBordersOfTheHeaders) {
    TExtStringGrid g(nullptr);
    g.SetOptions(g.Options() + TGridOptions{goColSizing});
    const plat::TRect header = g.ComputeCellRect(2, 0);
    const plat::TRect body = g.ComputeCellRect(2, 5);
    const struct {
        const char* name;
        int x, y;
        bool on;
    } cases[] = {
        {"header, near the right edge", header.Right - 2, header.Top + 5, true},
        {"header, near the left edge", header.Left + 3, header.Top + 5, true},
        {"header, middle", (header.Left + header.Right) / 2, header.Top + 5, false},
        {"normal row", body.Right - 2, body.Top + 5, false},
        {"outside the cells", -5, -5, false},
    };
    for (const auto& c : cases) EXPECT_EQ(g.IsOnSizingBorder(c.x, c.y), c.on) << c.name;
    g.SetOptions(g.Options() - TGridOptions{goColSizing});
    EXPECT_FALSE(g.IsOnSizingBorder(header.Right - 2, header.Top + 5));
}

TEST(ExtGridStruct, RepaintRectIgnoresNegativeCoordinates) {
    TExtStringGrid g(nullptr);
    g.ClearRepaintLog();
    g.RepaintRect({-1, 2, 3, 4});
    EXPECT_EQ(g.InvalidateCount(), 0);
    g.RepaintRect({1, 2, 3, 4});
    EXPECT_EQ(g.InvalidateCount(), 1);
}

TEST(ExtGridStruct, WideCellsRoundTrip) {
    TExtStringGrid g(nullptr);
    g.SetWideCells(1, 1, u"Grüße ✓");
    EXPECT_EQ(g.Cells(1, 1), "Grüße ✓");
    EXPECT_EQ(g.GetWideCells(1, 1), u"Grüße ✓");
}

TEST(ExtGridStruct, EditMaskAndFormatQuestions) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.GetEditMask(1, 1), "");
    g.SetEditMask("999");
    EXPECT_EQ(g.GetEditMask(1, 1), "999");
    g.OnGetEditMask = [](TObject*, int col, int, std::string& mask) {
        if (col == 2) mask = "AAA";
    };
    EXPECT_EQ(g.GetEditMask(2, 1), "AAA");
    TSortStyle style = ssAutomatic;
    std::string prefix, suffix;
    g.GetCellFormat(1, style, prefix, suffix);
    EXPECT_EQ(style, ssAutomatic) << "no handler: unchanged";
    g.OnGetFormat = [](TObject*, int, TSortStyle& s, std::string& p, std::string&) {
        s = ssNumeric;
        p = "$";
    };
    g.GetCellFormat(1, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(prefix, "$");
}
