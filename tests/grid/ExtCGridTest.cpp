#include <gtest/gtest.h>

#include "grid/ExtCGrid.h"

using namespace grid;

TEST(ExtCGrid, ColumnsFollowColCountAndHiddenColumnsKeepTheirItem) {
    TExtColumnGrid g(nullptr);
    EXPECT_EQ(g.Columns().Count(), 5);
    g.SetColCount(16);
    g.HideColumn(3);
    g.HideColumn(9);
    EXPECT_EQ(g.ColCount(), 14);
    EXPECT_EQ(g.Columns().Count(), 16);
    g.Columns().Items(9).SetName("nine");
    g.UnHideColumn(9);
    EXPECT_EQ(g.Columns().Count(), 16);
    EXPECT_EQ(g.GetColumnByName("nine"), &g.Columns().Items(9));
    g.SetColCount(4);
    EXPECT_EQ(g.Columns().Count(), 5) << "four displayed plus one hidden";
    EXPECT_EQ(g.GetColumnByName("nine"), nullptr);
    EXPECT_THROW(g.Columns().Items(5), std::out_of_range);
}

TEST(ExtCGrid, NewColumnsCopyTheLastColumnButNotItsHeader) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& last = g.Columns().Items(4);
    last.SetEditor(edComboList);
    last.SetReadOnly(true);
    last.SetAlignment(plat::taCenter);
    last.SetCheckTrue("1");
    last.SetMaxSize(15);
    last.SetHeader("Mode");
    last.ComboItems().Add("A");
    g.SetColCount(7);
    for (int i = 5; i < 7; ++i) {
        const TGridColumnItem& item = g.Columns().Items(i);
        EXPECT_EQ(item.Editor(), edComboList) << i;
        EXPECT_TRUE(item.ReadOnly()) << i;
        EXPECT_EQ(item.Alignment(), plat::taCenter) << i;
        EXPECT_EQ(item.CheckTrue(), "1") << i;
        EXPECT_EQ(item.MaxSize(), 15) << i;
        EXPECT_EQ(item.Header(), "") << i;
        EXPECT_EQ(item.ComboItems().Count(), 0) << i;
    }
}

TEST(ExtCGrid, NewItemValues) {
    TExtColumnGrid g(nullptr);
    const TGridColumnItem& item = g.Columns().Items(1);
    EXPECT_EQ(item.Editor(), edNormal);
    EXPECT_EQ(item.CheckTrue(), "Y");
    EXPECT_EQ(item.CheckFalse(), "N");
    EXPECT_EQ(item.DropDownCount(), 8);
    EXPECT_EQ(item.SpinStep(), 1);
    EXPECT_EQ(item.PrintColor(), plat::clWhite);
    EXPECT_TRUE(item.PrintBorderCustom());
    EXPECT_TRUE(item.PrintFontCustom());
    EXPECT_EQ(item.ColumnPopupType(), cpFixedCellsRClick);
    EXPECT_TRUE(item.PrintBorders().Contains(cbBottom));
    EXPECT_TRUE(item.Borders().Empty());
    EXPECT_EQ(item.Width(), 64);
    TGridColumnItem spare(nullptr);
    EXPECT_EQ(spare.Width(), 0) << "no collection, no grid width";
}

TEST(ExtCGrid, HeaderGoesToRowZeroOfTheRealColumn) {
    TExtColumnGrid g(nullptr);
    g.SetColCount(6);
    g.HideColumn(2);
    g.Columns().Items(3).SetHeader("Address");
    EXPECT_EQ(g.Cells(3, 0), "Address");
    g.Columns().Items(2).SetHeader("Hidden");
    EXPECT_EQ(g.Cells(2, 0), "Hidden");
    ASSERT_EQ(g.ColumnHeaders().Count(), 6);
    EXPECT_EQ(g.ColumnHeaders()[3], "Address");
    g.Columns().Items(3).SetHeader("Addr");
    EXPECT_EQ(g.Cells(3, 0), "Addr");

    g.SetColumnHeaders({"#", "One"});
    EXPECT_EQ(g.Columns().Items(1).Header(), "One");
}

TEST(ExtCGrid, DataCheckBoxColumnUsesTheSharedGraphic) {
    TExtColumnGrid g(nullptr);
    g.Columns().Items(2).SetEditor(edDataCheckBox);
    EXPECT_EQ(g.GetCellType(2, 3), ctDataCheckBox);
    EXPECT_EQ(g.GetCellType(2, 0), ctEmpty) << "the header row has no box";
    EXPECT_EQ(g.GetCellType(1, 3), ctEmpty);
    TCellGraphic* shared = g.GetCellGraphic(2, 3);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->CellType(), ctVirtCheckBox);
    EXPECT_EQ(g.GetCellGraphic(2, 4), shared);

    g.SetCells(2, 3, "Y");
    bool s = false;
    ASSERT_TRUE(g.GetCheckBoxState(2, 3, s));
    EXPECT_TRUE(s);
    g.ToggleCheckBox(2, 3);
    EXPECT_EQ(g.Cells(2, 3), "N");
    EXPECT_TRUE(g.SetCheckBoxState(2, 4, true));
    EXPECT_EQ(g.Cells(2, 4), "Y");

    g.RemoveCheckBox(2, 3);
    EXPECT_EQ(g.GetCellGraphic(2, 3), shared) << "removing does not touch the shared box";
    g.AddButton(2, 5, 10, 10, "b", haLeft, vaTop);
    g.RemoveButton(2, 5);
    EXPECT_EQ(g.GetCellGraphic(2, 6)->CellType(), ctVirtCheckBox);

    g.ClearRepaintLog();
    g.Columns().Items(2).SetEditor(edNormal);
    EXPECT_GT(g.InvalidateCount(), 0);
    EXPECT_EQ(g.GetCellType(2, 3), ctEmpty);
}

TEST(ExtCGrid, ColumnCheckTextsWinOverTheEvent) {
    TExtColumnGrid g(nullptr);
    g.OnGetCheckTrue = [](TObject*, int, int, std::string& v) { v = "1"; };
    std::string v;
    g.GetCheckTrue(2, 3, v);
    EXPECT_EQ(v, "Y");
    g.GetCheckTrue(2, 0, v);
    EXPECT_EQ(v, "1") << "header cells are not the column's";
    g.Columns().Items(2).SetCheckFalse("off");
    g.GetCheckFalse(2, 3, v);
    EXPECT_EQ(v, "off");
}

TEST(ExtCGrid, EditableCells) {
    const struct {
        const char* name;
        bool columnReadOnly;
        bool columnFixed;
        bool cellReadOnly;
        int row;
        bool editable;
    } cases[] = {
        {"plain", false, false, false, 2, true},
        {"read-only column", true, false, false, 2, false},
        {"fixed column", false, true, false, 2, false},
        {"read-only cell", false, false, true, 2, false},
        {"read-only column, cell flag off", true, false, false, 2, false},
        {"header row", false, false, false, 0, false},
    };
    for (const auto& c : cases) {
        TExtColumnGrid g(nullptr);
        g.Columns().Items(2).SetReadOnly(c.columnReadOnly);
        g.Columns().Items(2).SetFixed(c.columnFixed);
        if (c.cellReadOnly) g.SetReadOnly(2, c.row, true);
        else g.SetReadOnly(2, c.row, false);
        bool can = true;
        g.CanEditCell(2, c.row, can);
        EXPECT_EQ(can, c.editable) << c.name;
    }
    TExtColumnGrid g(nullptr);
    bool can = true;
    g.CanEditCell(9, 2, can);
    EXPECT_FALSE(can) << "a column beyond the items is never editable";
}

TEST(ExtCGrid, EditorKindAndComboSettingsComeFromTheColumn) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(3);
    item.SetEditor(edComboList);
    item.ComboItems().Assign({"Coil", "Register"});
    item.SetDropDownCount(4);
    TEditorType e = edNormal;
    g.GetCellEditor(3, 2, e);
    EXPECT_EQ(e, edComboList);
    EXPECT_EQ(g.EditComboItems().Items(), (std::vector<std::string>{"Coil", "Register"}));
    EXPECT_EQ(g.EditDropDownCount(), 4);
    EXPECT_TRUE(g.HasComboBox(3, 2));
    EXPECT_FALSE(g.HasComboBox(3, 0));
    EXPECT_FALSE(g.HasComboBox(2, 2));

    g.OnGetEditorType = [](TObject*, int, int, TEditorType& ed) { ed = edNone; };
    g.GetCellEditor(3, 2, e);
    EXPECT_EQ(e, edNone) << "the event has the last word";
}

TEST(ExtCGrid, SizeLimitsAndEditLength) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(2);
    item.SetMaxSize(15);
    item.SetMinSize(5);
    int w = 40;
    g.DoUpdateColumnSize(2, w);
    EXPECT_EQ(w, 15);
    w = 2;
    g.DoUpdateColumnSize(2, w);
    EXPECT_EQ(w, 5);
    item.SetEditLength(15);
    g.SetCol(2);
    EXPECT_EQ(g.GetEditLimit(), 15);
    g.SetCol(1);
    EXPECT_EQ(g.GetEditLimit(), 0);
}

TEST(ExtCGrid, ColumnFloatFormat) {
    TExtColumnGrid g(nullptr);
    g.Columns().Items(2).SetFloatFormat("%.1f");
    g.SetFloats(2, 1, 2.25);
    g.SetFloats(1, 1, 2.25);
    EXPECT_EQ(g.Cells(2, 1), "2.2");
    EXPECT_EQ(g.Cells(1, 1), "2.25");
    g.SetAllFloats(2, 2, 2.25);
    EXPECT_EQ(g.Cells(2, 2), "2.25") << "the All form keeps the grid's format";
}

TEST(ExtCGrid, WidthsFollowTheGrid) {
    TExtColumnGrid g(nullptr);
    g.Columns().Items(3).SetWidth(120);
    EXPECT_EQ(g.ColWidths(3), 120);
    g.HideColumn(1);
    EXPECT_EQ(g.ColWidths(2), 120);
    EXPECT_EQ(g.Columns().Items(3).Width(), 120);
    g.Columns().Items(3).SetWidth(90);
    EXPECT_EQ(g.ColWidths(2), 90);
}

TEST(ExtCGrid, AssignAndAssignVisuals) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& src = g.Columns().Items(1);
    src.SetHeader("H");
    src.SetName("n");
    src.ComboItems().Add("x");
    src.SetEditor(edComboEdit);
    TGridColumnItem& a = g.Columns().Items(2);
    a.Assign(&src);
    EXPECT_EQ(a.Header(), "H");
    EXPECT_EQ(a.Name(), "n");
    EXPECT_EQ(a.ComboItems().Count(), 1);
    EXPECT_EQ(a.Editor(), edComboEdit);
    TGridColumnItem& v = g.Columns().Items(3);
    v.AssignVisuals(src);
    EXPECT_EQ(v.Header(), "");
    EXPECT_EQ(v.Name(), "");
    EXPECT_EQ(v.ComboItems().Count(), 0);
    EXPECT_EQ(v.Editor(), edComboEdit);
    plat::TObject other;
    v.Assign(&other);
    EXPECT_EQ(v.Editor(), edComboEdit);
}

TEST(ExtCGrid, DisplayNameAndVersion) {
    TExtColumnGrid g(nullptr);
    EXPECT_EQ(g.Columns().Items(4).GetDisplayName(), "Column 4");
    g.Columns().Items(4).SetName("Enable");
    EXPECT_EQ(g.Columns().Items(4).GetDisplayName(), "Col 4: Enable");
    EXPECT_EQ(g.GetVersionString(), "1.0.0.0 Dec, 2026");
}

TEST(ExtCGrid, ColumnFilterEntriesShowTheirDisplayText) {
    TExtColumnGrid g(nullptr);
    g.Columns().Items(2).Filter().Assign({"Large=>100", "<5"});
    EXPECT_TRUE(g.GetColumnFilter(2));
    EXPECT_EQ(g.FilterList().Items(), (std::vector<std::string>{"Large", "<5"}));
    EXPECT_FALSE(g.GetColumnFilter(1));
}

TEST(ExtCGrid, LoadedRecordsTheColumnOrder) {
    TExtColumnGrid g(nullptr);
    g.Loaded();
    for (int i = 0; i < g.Columns().Count(); ++i) EXPECT_EQ(g.Columns().Items(i).DefIdx(), i);
}

TEST(ExtCGrid, CellColoursComeFromTheColumnThenTheCell) {
    TExtColumnGrid g(nullptr);
    TGridColumnItem& item = g.Columns().Items(2);
    item.SetColor(plat::clYellow);
    item.Font().SetName("Verdana");
    item.HeaderFont().SetName("Tahoma");
    plat::TBrush brush;
    plat::TFont font;
    g.GetCellColor(2, 3, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clYellow);
    EXPECT_EQ(font.Name(), "Verdana");
    g.GetCellColor(2, 0, {}, brush, font);
    EXPECT_EQ(font.Name(), "Tahoma");
    g.SetColors(2, 4, plat::clRed);
    g.GetCellColor(2, 4, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clRed);
    g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, plat::TBrush& b, plat::TFont&) {
        b.SetColor(plat::clAqua);
    };
    g.GetCellColor(2, 4, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clAqua) << "the event has the last word";
}
