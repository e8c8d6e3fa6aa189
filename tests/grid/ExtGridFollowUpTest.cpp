#include "GridOnFormFixture.h"

#include "controls/ExtStyleIF.h"
#include "grid/ExtGridPaint.h"

using namespace grid;

namespace {
class GridFollowUp : public GridOnForm {};
}  // namespace

TEST_F(GridFollowUp, ShiftArrowKeepsTheDisjunctCellsInStepWithTheSelection) {
    ShowGrid(6, 10, false);
    grid->MouseActions().SetDisjunctCellSelect(true);
    grid->SetOptions(grid->Options() + plat::TGridOptions{plat::goRangeSelect});
    Select(2, 2);
    plat::test::SendKey(*grid, plat::VK_SHIFT, 0);  // a key released on (2, 2)
    plat::test::SendKey(*grid, plat::VK_RIGHT, plat::ssShift);
    plat::test::SendKey(*grid, plat::VK_DOWN, plat::ssShift);
    // Selection (2,2)-(3,3), current cell (3,3): every other cell is listed.
    EXPECT_TRUE(grid->GetSelectedCells(2, 2));
    EXPECT_TRUE(grid->GetSelectedCells(3, 2));
    EXPECT_TRUE(grid->GetSelectedCells(2, 3));
    EXPECT_FALSE(grid->GetSelectedCells(3, 3));
    plat::test::SendKey(*grid, plat::VK_UP, plat::ssShift);
    EXPECT_FALSE(grid->GetSelectedCells(2, 3)) << "left the selection";
    EXPECT_TRUE(grid->GetSelectedCells(2, 2));
}

TEST_F(GridFollowUp, SpaceSelectsOneCellOrTogglesWithCtrl) {
    ShowGrid(6, 10, false);
    grid->MouseActions().SetDisjunctCellSelect(true);
    grid->SetSelectedCells(4, 4, true);
    Select(2, 3);
    plat::test::SendKey(*grid, plat::VK_SPACE, 0);
    EXPECT_EQ(grid->SelectedCellsCount(), 1);
    EXPECT_TRUE(grid->GetSelectedCells(2, 3));
    Select(2, 3);
    plat::test::SendKey(*grid, plat::VK_SPACE, plat::ssCtrl);
    EXPECT_FALSE(grid->GetSelectedCells(2, 3)) << "Ctrl+Space takes a listed cell out";
    // A refusing OnSelectCell keeps the list as it is.
    grid->OnSelectCell = [](plat::TObject*, int, int, bool& can) { can = false; };
    plat::test::SendKey(*grid, plat::VK_SPACE, 0);
    EXPECT_EQ(grid->SelectedCellsCount(), 0);
}

TEST_F(GridFollowUp, AlwaysEditOpensTheEditorAfterAnArrow) {
    ShowGrid(5, 8, true);
    plat::test::ProcessEvents();
    grid->Navigation().SetAlwaysEdit(true);
    Select(1, 1);
    plat::test::SendKey(*grid, plat::VK_DOWN, 0);
    EXPECT_TRUE(grid->EditorMode());
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_TRUE(grid->InplaceEditor()->Visible());
}

TEST_F(GridFollowUp, SearchFooterLayout) {
    ShowGrid(5, 8, false);
    TSearchFooter& f = grid->SearchFooter();
    f.SetShowHighLight(true);
    f.SetShowMatchCase(true);
    f.SetShowFindNext(true);
    f.SetShowFindPrev(false);
    f.SetVisible(true);
    TExtStringGrid::TSearchFooterLayout l = grid->UpdateSearchFooter();
    EXPECT_EQ(l.MatchCaseLeft, 425);
    EXPECT_EQ(l.HighlightHeight, 23);
    EXPECT_EQ(l.FindPrevHeight, 0);
    EXPECT_EQ(l.MatchCaseHeight, 18);
    EXPECT_EQ(l.PanelHeight, 32);
    EXPECT_EQ(l.PanelTop, grid->Height() - 32);
    f.SetShowHighLight(false);
    f.SetVisible(false);
    l = grid->UpdateSearchFooter();
    EXPECT_EQ(l.MatchCaseLeft, 330);
    EXPECT_EQ(l.PanelHeight, 0);
}

TEST_F(GridFollowUp, LastRowScrollsAboveTheSearchFooter) {
    ShowGrid(5, 60, false);
    grid->SearchFooter().SetVisible(true);
    grid->Perform(plat::WM_VSCROLL, plat::MakeLParam(static_cast<int>(plat::SB_BOTTOM), 0), 0);
    grid->Perform(plat::WM_VSCROLL, plat::MakeLParam(static_cast<int>(plat::SB_ENDSCROLL), 0), 0);
    int bottom = grid->FixedRowsHeight();
    for (int r = grid->TopRow(); r < grid->RowCount(); ++r) bottom += grid->RowHeights(r);
    EXPECT_LE(bottom, grid->ClientHeight() - 32 + 2) << "the last row is not under the footer";
    const int top = grid->TopRow();
    grid->Perform(plat::WM_VSCROLL, plat::MakeLParam(static_cast<int>(plat::SB_LINEDOWN), 0), 0);
    EXPECT_EQ(grid->TopRow(), top) << "nothing further to scroll";
}

TEST_F(GridFollowUp, SpreadSheetSwitchesItsSettingsOn) {
    ShowGrid(5, 8, false);
    grid->SetSpreadSheet(true);
    EXPECT_TRUE(grid->SelectionRectangle());
    EXPECT_TRUE(grid->SelectionResizer());
    EXPECT_TRUE(grid->Navigation().AllowSmartClipboard());
    EXPECT_TRUE(grid->MouseActions().RangeSelectAndEdit());
    EXPECT_TRUE(grid->Options().Contains(plat::goEditing));
    EXPECT_TRUE(grid->Options().Contains(plat::goRangeSelect));
    grid->SetSpreadSheet(false);
    EXPECT_TRUE(grid->SelectionRectangle()) << "left as the user may want it";
}

TEST_F(GridFollowUp, OriginalColumnSizes) {
    ShowGrid(4, 8, false);
    grid->SetColWidths(2, 90);
    grid->InitOrigColSizes();
    EXPECT_EQ(grid->OrigColSizes(), (std::vector<int>{64, 64, 90, 64}));
    EXPECT_EQ(grid->OrigGridWidth(), 600);
}

TEST_F(GridFollowUp, ColourTonesMakeAFlatGrid) {
    ShowGrid(4, 8, false);
    ctl::TColorTones tones;
    tones.Background = {plat::clWhite, 0xCCCCCC, plat::clBlack};
    tones.Foreground = {plat::RGB(100, 150, 200), plat::clNone, plat::clWhite};
    tones.Selected = {plat::RGB(0, 120, 215), plat::clNone, plat::clWhite};
    grid->Painter().SetColorTones(tones);
    EXPECT_EQ(grid->Look(), glClassic);
    EXPECT_TRUE(grid->Flat());
    EXPECT_EQ(grid->ScrollType(), ssTile);
    EXPECT_EQ(grid->FixedColor(), plat::RGB(100, 150, 200));
    EXPECT_EQ(grid->GridFixedLineColor(), plat::RGB(80, 120, 160));
    EXPECT_EQ(grid->GridLineColor(), 0xE6E6E6u);
    EXPECT_EQ(grid->SelectionColor(), plat::RGB(0, 120, 215));
    EXPECT_EQ(grid->SelectionTextColor(), plat::clWhite);
    EXPECT_EQ(grid->ControlLook().ControlStyle(), csGlyph);
    EXPECT_FALSE(grid->HasColouredBorder()) << "a flat grid has no coloured border";
}

TEST_F(GridFollowUp, OfficeThemeIsFollowedOnChangeOnly) {
    ShowGrid(4, 8, false);
    TExtGridPainter& p = grid->Painter();
    p.AdaptToOfficeTheme(ctl::otUnknown);
    EXPECT_EQ(grid->Look(), glBevel);
    p.AdaptToOfficeTheme(ctl::otSuiteABlue);
    EXPECT_EQ(grid->KeloGradientFrom(), 0xFCE1CBu);
    // The same theme again leaves a colour the user set since.
    grid->SetKeloGradientFrom(0x010203);
    p.AdaptToOfficeTheme(ctl::otSuiteABlue);
    EXPECT_EQ(grid->KeloGradientFrom(), 0x010203u);
    p.AdaptToOfficeTheme(ctl::otSuiteBBlack);
    EXPECT_EQ(grid->Look(), glSuiteB);
    EXPECT_EQ(grid->KeloGradientFrom(), 0xF7F7F7u);
}

TEST_F(GridFollowUp, ColouredBorderByLook) {
    ShowGrid(4, 8, false);
    const struct {
        TGridLook look;
        bool flat;
        TColor colour;
        bool border;
    } cases[] = {{glBevel, false, 0xB99D7F, true},   {glListView, false, 0xB99D7F, true},
                 {glSoft, false, 0xB99D7F, true},    {glStandard, false, 0xB99D7F, false},
                 {glClassic, false, 0xB99D7F, false}, {glCustom, false, 0xB99D7F, false},
                 {glBevel, true, 0xB99D7F, false},   {glBevel, false, plat::clNone, false}};
    for (const auto& c : cases) {
        grid->SetLookValue(c.look);
        grid->SetFlat(c.flat);
        grid->SetBorderColor(c.colour);
        EXPECT_EQ(grid->HasColouredBorder(), c.border) << c.look << " " << c.flat;
    }
}

TEST_F(GridFollowUp, AutoSizeFitsEveryColumnWhenSwitchedOn) {
    ShowGrid(4, 5, false);
    grid->SetCells(1, 1, "a text much wider than sixty-four pixels");
    grid->SetCells(2, 1, "ab");
    grid->SetAutoSize(true);
    const int padding = 10;  // switching it on leaves room to type
    EXPECT_EQ(grid->ColWidths(1), FittedWidth("a text much wider than sixty-four pixels") + padding);
    EXPECT_EQ(grid->ColWidths(2), FittedWidth("ab") + padding);
    EXPECT_EQ(grid->ColWidths(0), 64) << "fixed columns are left";
}

TEST_F(GridFollowUp, AutoThemeAdaptTellsTheFooter) {
    ShowGrid(4, 5, false);
    grid->SetAutoThemeAdapt(true);
    EXPECT_TRUE(grid->AutoThemeAdapt());
    EXPECT_TRUE(grid->SearchFooter().AutoThemeAdapt());
    grid->SetAutoThemeAdapt(false);
    EXPECT_FALSE(grid->SearchFooter().AutoThemeAdapt());
}
