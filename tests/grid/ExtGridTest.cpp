#include <gtest/gtest.h>

#include "grid/ExtGrid.h"
#include "platform/GuiApp.h"

using namespace grid;

namespace {
// The grids are controls: every test of this program needs the GUI
// application object, offscreen.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override { plat::EnsureGuiApplication(); }
};
const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
}  // namespace

TEST(ExtGrid, NewGridDefaults) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.DefaultRowHeight(), 22);
    EXPECT_EQ(g.FixedRowHeight(), 22);
    EXPECT_EQ(g.FixedColWidth(), 64);
    EXPECT_EQ(g.Width(), 400);
    EXPECT_EQ(g.Height(), 250);
    EXPECT_EQ(g.FloatFormat(), "%.2f");
    EXPECT_EQ(g.CheckTrue(), "Y");
    EXPECT_EQ(g.CheckFalse(), "N");
    EXPECT_EQ(g.Look(), glBevel);
    EXPECT_EQ(g.XMLEncoding(), "ISO-8859-1");
    EXPECT_EQ(g.InvalidEntryIcon(), ieWarning);
    EXPECT_EQ(g.SelectionColor(), 0xEACAB6u);
    EXPECT_EQ(g.SelectionColorTo(), plat::clNone);
    EXPECT_EQ(g.SelectionTextColor(), plat::clBlack);
    EXPECT_EQ(g.URLColor(), 0xFF0000u);
    EXPECT_EQ(g.BorderColor(), 0xB99D7Fu);
    EXPECT_EQ(g.ActiveCellColor(), plat::clGray);
    EXPECT_EQ(g.DisabledFontColor(), plat::clSilver);
    EXPECT_EQ(g.FixedFont().Name(), "Tahoma");
    EXPECT_TRUE(g.FixedFont().Style().Contains(plat::fsBold));
    EXPECT_TRUE(g.ActiveCellFont().Style().Contains(plat::fsBold));
    EXPECT_TRUE(g.WordWrap());
    EXPECT_TRUE(g.ShowSelection());
    EXPECT_TRUE(g.EnableHTML());
    EXPECT_EQ(g.ScrollWidth(), 17);
    EXPECT_EQ(g.ScrollBars(), plat::ssBoth);
    EXPECT_EQ(g.FilterDropDownClear(), "(All)");
    EXPECT_EQ(g.PasswordChar(), "*");
    EXPECT_EQ(g.XYOffset(), (plat::TPoint{2, 2}));
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(g.KeloGradientFrom(), plat::clWhite);
    EXPECT_EQ(g.KeloGradientTo(), plat::ColorToRGB(plat::clBtnFace));
    EXPECT_EQ(g.KeloGradientMirrorFrom(), plat::clNone);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.NumHiddenRows(), 0);
}

TEST(ExtGrid, SettingsObjectDefaults) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.ControlLook().CheckSize(), 15);
    EXPECT_EQ(g.ControlLook().RadioSize(), 10);
    EXPECT_EQ(g.ControlLook().ControlStyle(), csTheme);
    EXPECT_EQ(g.ControlLook().CommentColor(), plat::clRed);
    EXPECT_EQ(g.ControlLook().FixedGradientHoverFrom(), plat::clWhite);
    EXPECT_EQ(g.ControlLook().FixedGradientHoverTo(), plat::clGray);
    EXPECT_EQ(g.ColumnSize().StretchColumn(), -1);
    EXPECT_FALSE(g.ColumnSize().Stretch());
    EXPECT_EQ(g.CellNode().NodeIndent(), 12);
    EXPECT_EQ(g.ShowModified().Color(), plat::clYellow);
    EXPECT_EQ(g.Balloon().InitialDelay(), -1);
}

TEST(ExtGrid, ProgressAppearanceTellsOnlyRealChanges) {
    TExtStringGrid g(nullptr);
    int changes = 0;
    g.ProgressAppearance().OnChange = [&] { ++changes; };
    g.ProgressAppearance().SetSteps(11);
    EXPECT_EQ(changes, 0);
    g.ProgressAppearance().SetSteps(12);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance other;
    other.SetLevel1Perc(50);
    g.ProgressAppearance().Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(g.ProgressAppearance().Level1Perc(), 50);
    EXPECT_EQ(g.ProgressAppearance().Steps(), 11);
}

TEST(ExtGrid, GradientColoursReachTheGridOnlyWhenSet) {
    TExtStringGrid g(nullptr);
    const TColor before = g.KeloGradientFrom();
    g.ControlLook().SetFixedGradientFrom(plat::clNone);
    EXPECT_EQ(g.ControlLook().FixedGradientFrom(), plat::clNone);
    EXPECT_EQ(g.KeloGradientFrom(), before);
    g.ControlLook().SetFixedGradientMirrorFrom(plat::clRed);
    g.ControlLook().SetFixedGradientMirrorFrom(plat::clNone);
    EXPECT_EQ(g.KeloGradientMirrorFrom(), plat::clNone);
    g.ControlLook().SetFixedGradientTo(plat::clBtnFace);
    EXPECT_EQ(g.KeloGradientTo(), plat::ColorToRGB(plat::clBtnFace));
}

TEST(ExtGrid, FixedRowAlwaysKeepsOneFixedRow) {
    TExtStringGrid g(nullptr);
    g.SetFixedRowAlways(true);
    g.SetRowCount(1);
    EXPECT_EQ(g.TBaseGrid::FixedRows(), 0);
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRowCount(10);
    EXPECT_EQ(g.TBaseGrid::FixedRows(), 1);

    TExtStringGrid h(nullptr);
    h.SetFixedRowAlways(true);
    h.SetRowCount(3);
    h.SetFixedRows(5);
    EXPECT_EQ(h.TBaseGrid::FixedRows(), 2);
    h.SetRowCount(6);
    EXPECT_EQ(h.TBaseGrid::FixedRows(), 5);
}

TEST(ExtGrid, TopRowOutsideTheNormalRowsIsIgnored) {
    TExtStringGrid g(nullptr);
    g.SetTopRow(3);
    g.SetTopRow(g.RowCount());
    g.SetTopRow(0);
    EXPECT_EQ(g.TopRow(), 3);
}

TEST(ExtGrid, FixedSizes) {
    TExtStringGrid g(nullptr);
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 64);
    g.SetFixedColWidth(30);
    EXPECT_EQ(g.ColWidths(0), 30);
    EXPECT_EQ(g.ColWidths(1), 64);
    g.SetFixedRowHeight(30);
    EXPECT_EQ(g.RowHeights(0), 30);
    EXPECT_EQ(g.RowHeights(1), 22);
    g.SetFixedRowHeight(22);
    EXPECT_EQ(g.RowHeights(0), 22);
}

TEST(ExtGrid, RowChangeFiresRowUpdateWithOldAndNewRow) {
    TExtStringGrid g(nullptr);
    std::vector<std::pair<int, int>> seen;
    g.OnRowUpdate = [&](TObject*, int oldRow, int newRow) { seen.emplace_back(oldRow, newRow); };
    g.SetRow(3);
    g.SetRow(5);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(-1, 3));
    EXPECT_EQ(seen[1], std::make_pair(3, 5));
}

TEST(ExtGrid, UpdateLock) {
    TExtStringGrid g(nullptr);
    g.EndUpdate();  // unmatched: stays at zero and repaints
    EXPECT_EQ(g.UpdateCount(), 0);
    g.BeginUpdate();
    g.BeginUpdate();
    EXPECT_TRUE(g.LockUpdate());
    g.EndUpdate();
    EXPECT_TRUE(g.LockUpdate());
    g.EndUpdate();
    EXPECT_FALSE(g.LockUpdate());

    g.SetVisible(false);
    g.StartUpdate();
    g.BeginUpdate();  // does not count while invisible
    EXPECT_EQ(g.UpdateCount(), 1);
    g.EndUpdate();  // nor does this
    EXPECT_EQ(g.UpdateCount(), 1);
    g.ResetUpdate();
    EXPECT_EQ(g.UpdateCount(), 0);
}

TEST(ExtGrid, Version) {
    TExtStringGrid g(nullptr);
    EXPECT_EQ(g.Version(), "1.0.0.0");
    EXPECT_EQ(g.GetVersionString(), "1.0.0.0 Dec, 2026");
}

TEST(ExtGrid, AssignCopiesDisplayedColumnsAndCells) {
    TExtStringGrid src(nullptr);
    src.SetColCount(6);
    src.SetColWidths(2, 90);
    src.SetColWidths(3, 33);
    src.SetCells(4, 2, "kept");
    src.HideColumn(2);
    TExtStringGrid dst(nullptr);
    dst.Assign(&src);
    EXPECT_EQ(dst.ColCount(), 5);
    EXPECT_EQ(dst.ColWidths(2), 33);
    EXPECT_EQ(dst.Cells(4, 2), "kept");

    TExtStringGrid untouched(nullptr);
    plat::TObject other;
    untouched.Assign(&other);
    EXPECT_EQ(untouched.ColCount(), 5);
}

TEST(ExtGrid, LoadedMovesAlwaysShowEditorOutOfOptions) {
    TExtStringGrid g(nullptr);
    TGridOptions o = g.Options();
    o.Include(goAlwaysShowEditor);
    g.SetOptions(o);
    g.Loaded();
    EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
    EXPECT_TRUE(g.Navigation().AlwaysEdit());
    EXPECT_TRUE(g.IsLoaded());
}

TEST(ExtGrid, AutoColumnFilterListsDistinctTexts) {
    TExtStringGrid g(nullptr);
    g.SetFilterDropDownAuto(true);
    g.SetRowCount(4);
    g.SetCells(1, 1, "a b");
    g.SetCells(1, 2, "c");
    g.SetCells(1, 3, "a b");
    EXPECT_TRUE(g.GetColumnFilter(1));
    EXPECT_EQ(g.FilterList().Items(), (std::vector<std::string>{"(All)", "a b=\"a b\"", "c"}));
    g.SetFilterDropDownAuto(false);
    EXPECT_FALSE(g.GetColumnFilter(1));
}

TEST(ExtGrid, PerCellQuestionsWithoutHandlers) {
    TExtStringGrid g(nullptr);
    std::string v;
    g.GetCheckTrue(1, 1, v);
    EXPECT_EQ(v, "Y");
    g.GetCheckFalse(1, 1, v);
    EXPECT_EQ(v, "N");
    EXPECT_FALSE(g.HasComboBox(1, 1));
    EXPECT_FALSE(g.HasSpinEdit(1, 1));
    g.OnHasSpinEdit = [](TObject*, int, int, bool& has) { has = true; };
    EXPECT_TRUE(g.HasSpinEdit(1, 1));
    EXPECT_FALSE(g.HasSpinEdit(0, 1)) << "fixed cells never ask the handler";
    EXPECT_TRUE(g.IsFixed(0, 3));
    EXPECT_FALSE(g.IsFixed(2, 3));
    g.SetFixedFooters(1);
    EXPECT_TRUE(g.IsFixed(2, 9));
}

TEST(ExtGrid, EditabilityOfCellsWithProperties) {
    TExtStringGrid g(nullptr);
    bool can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_TRUE(can) << "no properties: decided by the event alone";
    g.SetColors(2, 2, plat::clRed);
    can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_FALSE(can) << "without goEditing a cell with properties is not editable";
    TGridOptions o = g.Options();
    o.Include(goEditing);
    g.SetOptions(o);
    can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_TRUE(can);
    g.SetReadOnly(2, 2, true);
    can = true;
    g.CanEditCell(2, 2, can);
    EXPECT_FALSE(can);
}

TEST(ExtGrid, CellColourRules) {
    TExtStringGrid g(nullptr);
    plat::TBrush brush;
    plat::TFont font;
    brush.SetColor(plat::clWhite);
    g.SetColors(2, 2, plat::clRed);
    g.SetFontColors(2, 2, plat::clBlue);
    g.GetCellColor(2, 2, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clRed);
    EXPECT_EQ(font.Color(), plat::clBlue);

    g.AddCheckBox(3, 2, false, false);
    g.SetColors(3, 2, plat::clRed);
    brush.SetColor(plat::clWhite);
    g.GetCellColor(3, 2, {}, brush, font);
    EXPECT_EQ(brush.Color(), plat::clWhite) << "a check-box cell keeps the prepared brush";

    g.SetActiveCellShow(true);
    g.SetRow(3);
    brush.SetColor(plat::clWhite);
    g.GetCellColor(0, 3, {}, brush, font);
    EXPECT_EQ(brush.Color(), g.ActiveCellColor());
    EXPECT_TRUE(font.Style().Contains(plat::fsBold));
}
