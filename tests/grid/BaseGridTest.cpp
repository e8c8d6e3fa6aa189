#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "grid/BaseGrid.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"

using namespace grid;
using plat::TPoint;
using plat::TRect;

namespace {

class BaseGridModel : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 600, 400);
        grid = new TBaseGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 500, 300);
        grid->SetColCount(8);
        grid->SetRowCount(8);
    }
    std::unique_ptr<plat::TForm> form;
    TBaseGrid* grid = nullptr;
};

class Tag : public plat::TObject {};

// A grid that keeps two hidden columns beyond ColCount and gives new cell
// properties its own defaults, as the string grid does.
class DerivedGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    int TotalColCount() const override { return ColCount() + 2; }
    void GetCellPropertyDefaults(int, int, plat::TFont& AFont, plat::TBrush& ABrush, plat::TColor& AColorTo,
                                 plat::TColor&, plat::TColor&, plat::TAlignment& HA, TVAlignment& VA, bool& WW,
                                 TCellGradientDirection& GD) override {
        AFont.SetName("Courier");
        ABrush.SetColor(plat::RGB(1, 2, 3));
        AColorTo = plat::RGB(4, 5, 6);
        HA = plat::taRightJustify;
        VA = vtaBottom;
        WW = false;
        GD = GradientHorizontal;
    }
};

}  // namespace

TEST_F(BaseGridModel, WithoutPropertiesCellsBehaveLikeThePlainGrid) {
    grid->SetCells(2, 3, "text");
    EXPECT_EQ(grid->Cells(2, 3), "text");
    EXPECT_EQ(grid->GetGridCell(2, 3), "text");
    EXPECT_EQ(grid->BaseCell(2, 3), (TPoint{2, 3}));
    EXPECT_EQ(grid->CellSpan(2, 3), (TPoint{0, 0}));
    EXPECT_TRUE(grid->IsBaseCell(2, 3));
    EXPECT_FALSE(grid->IsMergedCell(2, 3));
    EXPECT_EQ(grid->Objects(2, 3), nullptr);
    EXPECT_FALSE(grid->HasCellProps(2, 3));
    EXPECT_FALSE(grid->FHasCellProps);
}

TEST_F(BaseGridModel, MergedBlockWorkedExample) {
    grid->SetCells(1, 2, "base");
    grid->MergeCells(1, 2, 3, 2);
    EXPECT_EQ(grid->MergeCount(), 1);
    EXPECT_EQ(grid->Cells(3, 3), "base");
    grid->SetCells(2, 3, "changed");
    EXPECT_EQ(grid->GetGridCell(1, 2), "changed");
    EXPECT_EQ(grid->GetGridCell(2, 3), "");
    for (int c = 1; c <= 3; ++c)
        for (int r = 2; r <= 3; ++r) {
            EXPECT_EQ(grid->CellSpan(c, r), (TPoint{2, 1})) << c << "," << r;
            EXPECT_EQ(grid->BaseCell(c, r), (TPoint{1, 2})) << c << "," << r;
            EXPECT_TRUE(grid->IsMergedCell(c, r));
            EXPECT_TRUE(grid->IsXMergedCell(c, r));
            EXPECT_TRUE(grid->IsYMergedCell(c, r));
        }
    EXPECT_EQ(grid->CellExt(2, 3), (TPoint{1, 0}));
    EXPECT_EQ(grid->FullCell(3, 2), (TRect{1, 2, 3, 3}));
    EXPECT_FALSE(grid->IsMergedNonBaseCell(1, 2));
    EXPECT_TRUE(grid->IsMergedNonBaseCell(2, 3));
    EXPECT_EQ(grid->MinRowSpan(2), 1);
    EXPECT_EQ(grid->MaxRowSpan(2), 1);
    EXPECT_EQ(grid->MaxRowSpan(5), 0);
    EXPECT_EQ(grid->MinRowSpan(5), grid->RowCount());
    EXPECT_TRUE(grid->RowSpanIdentical(2, 3));
    EXPECT_FALSE(grid->RowSpanIdentical(2, 5));

    // The block's rectangle spans all its cells, from any of them.
    const TRect whole = grid->CellRect(2, 3);
    EXPECT_EQ(whole, grid->CellRect(1, 2));
    EXPECT_EQ(whole.Width(), 3 * grid->ColWidths(1));
    EXPECT_EQ(whole.Height(), 2 * grid->RowHeights(2));
    EXPECT_EQ(grid->CellSize(3, 3), (TPoint{whole.Width(), whole.Height()}));
}

TEST_F(BaseGridModel, OneByOneMergeAndSplitting) {
    grid->MergeCells(4, 4, 1, 1);
    EXPECT_FALSE(grid->IsMergedCell(4, 4));
    EXPECT_TRUE(grid->IsBaseCell(4, 4));
    EXPECT_EQ(grid->CellProperties(4, 4)->CellSpanX(), 0);
    EXPECT_EQ(grid->CellProperties(4, 4)->CellSpanY(), 0);

    grid->MergeCells(1, 1, 2, 3);
    EXPECT_EQ(grid->MergeCount(), 2);
    grid->SplitCells(2, 3);  // any cell of the block
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 3; ++r) {
            EXPECT_FALSE(grid->IsMergedCell(c, r));
            EXPECT_EQ(grid->BaseCell(c, r), (TPoint{c, r}));
            EXPECT_EQ(grid->CellProperties(c, r)->CellSpanX(), -1);
        }
    EXPECT_EQ(grid->MergeCount(), 1);
    grid->SplitCells(6, 6);  // a plain cell: no cell changes, the counter drops
    EXPECT_EQ(grid->MergeCount(), 0);
    EXPECT_FALSE(grid->IsMergedCell(6, 6));
}

TEST_F(BaseGridModel, ColumnAndRowSpanComparisons) {
    // Columns 1 and 2 share one horizontal block in rows 1..2.
    grid->MergeCells(1, 1, 2, 2);
    EXPECT_TRUE(grid->ColSpanIdentical(1, 2));
    EXPECT_FALSE(grid->ColSpanIdentical(4, 5));  // no horizontal merge at all
    // Column 3 merged with 4 in row 5 only: column 4 differs from column 5 there.
    grid->MergeCells(3, 5, 2, 1);
    EXPECT_FALSE(grid->ColSpanIdentical(4, 5));
    EXPECT_FALSE(grid->ColSpanIdentical(2, 3));
}

TEST_F(BaseGridModel, ObjectsLiveInTheCellProperties) {
    Tag tag;
    grid->SetObjects(2, 2, &tag);
    EXPECT_EQ(grid->Objects(2, 2), &tag);
    EXPECT_EQ(grid->Cells(2, 2), "");  // the blank written on the way is taken back
    grid->SetCells(3, 3, "keep");
    grid->SetObjects(3, 3, &tag);
    EXPECT_EQ(grid->Cells(3, 3), "keep");
    EXPECT_EQ(grid->Objects(5, 5), nullptr);
    EXPECT_TRUE(grid->FHasCellProps);
}

TEST_F(BaseGridModel, NewPropertiesTakeTheGridsDefaults) {
    grid->SetColor(plat::RGB(10, 20, 30));
    grid->SetWordWrap(false);
    TCellProperties* p = grid->CellProperties(2, 2);
    EXPECT_EQ(p->BrushColor(), plat::RGB(10, 20, 30));
    EXPECT_EQ(p->BrushColorTo(), plat::clNone);
    EXPECT_FALSE(p->WordWrap());
    EXPECT_EQ(p->Alignment(), plat::taLeftJustify);
    EXPECT_EQ(p->OwnerCol(), 2);
    EXPECT_EQ(grid->CellProperties(2, 2), p);  // created once

    DerivedGrid derived(form.get());
    derived.SetColCount(4);
    TCellProperties* d = derived.CellProperties(5, 1);  // a hidden column beyond ColCount
    EXPECT_EQ(d->BrushColor(), plat::RGB(1, 2, 3));
    EXPECT_EQ(d->BrushColorTo(), plat::RGB(4, 5, 6));
    EXPECT_EQ(d->FontName(), "Courier");
    EXPECT_EQ(d->Alignment(), plat::taRightJustify);
    EXPECT_EQ(d->VAlignment(), vtaBottom);
    EXPECT_EQ(d->GradientDirection(), GradientHorizontal);
    EXPECT_TRUE(derived.HasCellProps(5, 1));
    derived.MergeCells(4, 1, 2, 1);
    derived.SetCells(5, 1, "hidden");
    EXPECT_EQ(derived.GetGridCell(4, 1), "hidden");
}

TEST_F(BaseGridModel, ReplacingPropertiesAndAssign) {
    TCellProperties* p = grid->CellProperties(1, 1);
    grid->SetCellProperties(1, 1, p);  // its own object: kept, not freed
    EXPECT_EQ(grid->CellProperties(1, 1), p);
    p->SetBrushColor(plat::clRed);
    p->SetBrushColorTo(plat::clBlue);
    p->SetReadOnly(true);
    p->SetCellSpanX(3);
    auto* q = new TCellProperties(grid, 2, 2);
    q->SetBrushColorTo(plat::clGreen);
    q->Assign(*p);
    EXPECT_EQ(q->BrushColor(), plat::clRed);
    EXPECT_TRUE(q->ReadOnly());
    EXPECT_EQ(q->CellSpanX(), 3);
    EXPECT_EQ(q->OwnerCol(), 1);
    EXPECT_EQ(q->BrushColorTo(), plat::clGreen);  // not copied
    grid->SetCellProperties(2, 2, q);
    EXPECT_EQ(grid->CellProperties(2, 2), q);
}

TEST_F(BaseGridModel, DisplayTextEvents) {
    grid->SetCells(1, 1, "a");
    grid->SetCells(1, 5, "b");
    grid->OnGetDisplText = [](plat::TObject*, int, int, std::string& v) { v = "<" + v + ">"; };
    EXPECT_EQ(grid->Cells(1, 1), "a");  // no rows are asked for until the string grid says so
    grid->FNormalRowCount = 4;
    EXPECT_EQ(grid->Cells(1, 1), "<a>");
    EXPECT_EQ(grid->Cells(1, 5), "b");  // at or beyond the normal rows: stored text
    grid->OnGetDisplWideText = [](plat::TObject*, int, int, ctl::WideString& w) { w += u"\u20AC"; };
    EXPECT_EQ(grid->Cells(1, 1), ctl::EncodeWideCellText(u"<a>\u20AC"));
    // Merged cells ask the events for the base cell.
    grid->OnGetDisplWideText = nullptr;
    int askedCol = -1;
    grid->OnGetDisplText = [&](plat::TObject*, int c, int, std::string&) { askedCol = c; };
    grid->MergeCells(1, 1, 2, 1);
    (void)grid->Cells(2, 1);
    EXPECT_EQ(askedCol, 1);
}

TEST_F(BaseGridModel, BlankingAndFreeing) {
    grid->MergeCells(1, 1, 2, 1);
    grid->SetCells(2, 1, "t");
    std::unique_ptr<TCellProperties> dropped(grid->CellProperties(2, 1));
    grid->BlankCell(2, 1);  // empties the base cell's text, then drops the slot
    EXPECT_EQ(grid->GetGridCell(1, 1), "");
    EXPECT_FALSE(grid->HasCellProps(2, 1));
    TCellProperties* moved = grid->CellProperties(1, 1);
    grid->BlankRow(1);  // the properties moved elsewhere: dropped, not freed
    EXPECT_FALSE(grid->HasCellProps(1, 1));
    grid->SetCellProperties(3, 3, moved);
    EXPECT_EQ(grid->CellProperties(3, 3), moved);
    grid->FreeCellProps(3, 3);
    EXPECT_FALSE(grid->HasCellProps(3, 3));
    grid->CellProperties(6, 6);
    grid->SetRowCount(4);  // rows that go take their properties along
    grid->SetRowCount(8);
    EXPECT_FALSE(grid->HasCellProps(6, 6));
    EXPECT_THROW(grid->CellProperties(-1, 0), std::out_of_range);
}

TEST_F(BaseGridModel, RightArrowLeavesAMergedBlock) {
    form->Show();
    grid->SetFocus();
    grid->MergeCells(1, 2, 3, 1);
    grid->SetRow(2);
    grid->SetCol(1);
    plat::test::SendKey(*grid, plat::VK_RIGHT);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 2);
    // Entering the block from the right lands on its base cell.
    plat::test::SendKey(*grid, plat::VK_LEFT);
    EXPECT_EQ(grid->Col(), 1);
}

// A column walk hands out every row asked for, in order: cells never
// written (a short row, rows past the store's end) as empty texts, each
// cell's object with it, and it stops where the caller says.
TEST_F(BaseGridModel, ColumnWalkGivesEveryRowInOrder) {
    Tag tag;
    grid->SetGridCell(2, 1, "b1");
    grid->SetGridCell(0, 2, "short row");
    grid->SetGridCell(2, 3, "b3");
    grid->SetGridObject(2, 3, &tag);
    std::vector<std::pair<int, std::string>> seen;
    std::vector<plat::TObject*> objects;
    grid->ForEachColumnCell(2, 0, 6, [&](int row, const std::string& text, plat::TObject* object) {
        seen.emplace_back(row, text);
        objects.push_back(object);
        return true;
    });
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{
                        {0, ""}, {1, "b1"}, {2, ""}, {3, "b3"}, {4, ""}, {5, ""}, {6, ""}}));
    EXPECT_EQ(objects, (std::vector<plat::TObject*>{nullptr, nullptr, nullptr, &tag, nullptr, nullptr, nullptr}));
    seen.clear();
    grid->ForEachColumnCell(2, 1, 6, [&](int row, const std::string& text, plat::TObject*) {
        seen.emplace_back(row, text);
        return row < 3;
    });
    EXPECT_EQ(seen, (std::vector<std::pair<int, std::string>>{{1, "b1"}, {2, ""}, {3, "b3"}}));
    grid->SetGridObject(2, 3, nullptr);
}

// Rows put in a new order move whole, along the cycles of the order; an
// order that names a row twice (which would lose the other row) is
// refused before any row moves.
TEST_F(BaseGridModel, RowOrderMovesWholeRowsAndRefusesRepeats) {
    struct Orderable : TBaseGrid {
        using TBaseGrid::TBaseGrid;
        using TBaseGrid::PermuteStoreRows;
    };
    Orderable g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(7);
    for (int r = 1; r <= 6; ++r) {
        g.SetGridCell(0, r, "a" + std::to_string(r));
        g.SetGridCell(2, r, "c" + std::to_string(r));
    }
    const auto column = [&g](int c) {
        std::vector<std::string> out;
        for (int r = 1; r <= 6; ++r) out.push_back(g.GetGridCell(c, r));
        return out;
    };
    // Two cycles (0 2 4) (1 5) and a row that stays.
    g.PermuteStoreRows(1, {2, 5, 4, 3, 0, 1});
    EXPECT_EQ(column(0), (std::vector<std::string>{"a3", "a6", "a5", "a4", "a1", "a2"}));
    EXPECT_EQ(column(2), (std::vector<std::string>{"c3", "c6", "c5", "c4", "c1", "c2"}));
    EXPECT_THROW(g.PermuteStoreRows(1, {0, 0, 2, 3, 4, 5}), std::invalid_argument);
    EXPECT_THROW(g.PermuteStoreRows(1, {0, 1, 2, 3, 4, 6}), std::invalid_argument);
    EXPECT_EQ(column(0), (std::vector<std::string>{"a3", "a6", "a5", "a4", "a1", "a2"}));
}

// A row taken out of the store leaves nothing behind (the store's end
// shrinks with it) and comes back whole, object included, into an empty
// row; put over a row that holds cells it replaces only as many cells as
// it brings, so a later column of that row survives.
TEST_F(BaseGridModel, RowEntryLeavesAndReturnsWhole) {
    struct Mover : TBaseGrid {
        using TBaseGrid::TBaseGrid;
        using TBaseGrid::CellsWithObjects;
        using TBaseGrid::PutStoreCells;
        using TBaseGrid::TakeStoreCells;
    };
    Mover g(nullptr);
    g.SetColCount(4);
    g.SetRowCount(5);
    plat::TObject tag;
    g.SetGridCell(0, 4, "a4");
    g.SetGridCell(2, 4, "c4");
    g.SetGridObject(1, 4, &tag);
    g.SetGridCell(3, 2, "d2");
    g.SetGridCell(0, 2, "a2");

    auto taken = g.TakeStoreCells(4);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[1].object, &tag);
    EXPECT_EQ(g.GetGridCell(0, 4), "");
    EXPECT_EQ(g.GetGridObject(1, 4), nullptr);
    EXPECT_EQ(g.CellsWithObjects(), (std::vector<std::pair<int, int>>{}));
    EXPECT_TRUE(g.TakeStoreCells(9).empty());  // past the store: nothing

    g.PutStoreCells(3, std::move(taken));
    EXPECT_EQ(g.GetGridCell(0, 3), "a4");
    EXPECT_EQ(g.GetGridCell(2, 3), "c4");
    EXPECT_EQ(g.CellsWithObjects(), (std::vector<std::pair<int, int>>{{1, 3}}));

    // Over row 2 (a2 . . d2): two cells come, the fourth stays.
    auto two = g.TakeStoreCells(3);
    two.resize(2);
    g.PutStoreCells(2, std::move(two));
    EXPECT_EQ(g.GetGridCell(0, 2), "a4");
    EXPECT_EQ(g.GetGridObject(1, 2), &tag);
    EXPECT_EQ(g.GetGridCell(3, 2), "d2");
    EXPECT_EQ(g.CellsWithObjects(), (std::vector<std::pair<int, int>>{{1, 2}}));
    g.SetGridObject(1, 2, nullptr);
}
