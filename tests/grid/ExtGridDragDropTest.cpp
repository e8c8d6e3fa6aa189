// Drags of cells, rows and columns within a grid and between two grids,
// started by real presses and moves of the mouse, and drops of text and
// files from other programs.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "grid/ExtGridStartup.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/DragDrop.h"
#include "platform/Layout.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

#include "ExchangeTestSupport.h"

using namespace grid;
namespace pt = plat::test;

namespace {

// Notes the top-left point each paste or drop marks its rows with: the
// copied block's for a block of its own, (-1, -1) for one from elsewhere.
class TMarkingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void MarkPastedRows(plat::TPoint TopLeft, const TGridRect& R, TClipOperation Op) override {
        Marks.push_back(TopLeft);
        TExtStringGrid::MarkPastedRows(TopLeft, R, Op);
    }
    std::vector<plat::TPoint> Marks;
};

class GridDrag : public ::testing::Test {
protected:
    void SetUp() override {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 900, 400);
        a = MakeGrid(0);
        b = MakeGrid(450);
        form->Show();
    }
    TMarkingGrid* MakeGrid(int left) {
        auto* g = new TMarkingGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(left, 0, 420, 300);
        g->SetColCount(4);
        g->SetRowCount(6);
        g->SetOptions(g->Options() + plat::TGridOptions{plat::goEditing, plat::goRangeSelect});
        g->DragDropSettings().SetOleDropSource(true);
        g->DragDropSettings().SetOleDropTarget(true);
        return g;
    }
    static plat::TPoint Centre(TExtStringGrid& g, int c, int r) {
        const plat::TRect rc = g.GridCellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    // Presses on a cell of the source and moves the mouse far enough to
    // start a drag; Script then moves and drops.
    void DragFrom(TExtStringGrid& g, int c, int r, std::function<void(pt::TDragSession&)> Script,
                  plat::TShiftState Keys = 0) {
        // A script the grid never asked for must not run in a later test.
        auto ran = std::make_shared<bool>(false);
        std::weak_ptr<bool> alive = ran;
        pt::OnDrag([alive, Script](pt::TDragSession& s) {
            if (auto r = alive.lock()) {
                *r = true;
                Script(s);
            }
        });
        const plat::TPoint p = Centre(g, c, r);
        pt::MouseDown(g, plat::mbLeft, p.X, p.Y, Keys);
        pt::MouseMove(g, p.X + 10, p.Y + 2, plat::ssLeft | Keys);
        pt::MouseUp(g, plat::mbLeft, p.X + 10, p.Y + 2, Keys);
        EXPECT_TRUE(*ran) << "no drag started";
    }
    std::function<void(pt::TDragSession&)> DropAt(TExtStringGrid& g, int c, int r, plat::TShiftState keys = 0) {
        return [this, &g, c, r, keys](pt::TDragSession& s) {
            const plat::TPoint p = Centre(g, c, r);
            s.MoveTo(g, p.X, p.Y, keys);
            s.Drop(keys);
            (void)this;
        };
    }
    void Shot(const std::string& name) {
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(pt::SaveScreenshot(*form, std::string(VASTRIMO_TEST_OUT) + "/" + name));
    }
    std::unique_ptr<plat::TForm> form;
    TMarkingGrid* a = nullptr;
    TMarkingGrid* b = nullptr;
};

}  // namespace

TEST_F(GridDrag, MoveWithinAGridClearsTheSource) {
    a->SetCells(1, 1, "x");
    a->SetCells(2, 1, "y");
    a->SetSelection({1, 1, 2, 1});
    unsigned stopped = 99;
    a->OnOleDragStop = [&](TObject*, unsigned e) { stopped = e; };
    DragFrom(*a, 1, 1, DropAt(*a, 1, 3));
    EXPECT_EQ(stopped, plat::DROPEFFECT_MOVE);
    EXPECT_EQ(a->Cells(1, 3), "x");
    EXPECT_EQ(a->Cells(2, 3), "y");
    EXPECT_EQ(a->Cells(1, 1), "");
    EXPECT_EQ(a->Cells(2, 1), "");
    EXPECT_EQ(a->Selection(), (TGridRect{1, 3, 2, 3}));
    Shot("GridDragWithin.png");
}

TEST_F(GridDrag, CopyBetweenGridsKeepsTheSource) {
    a->SetCells(1, 1, "p");
    a->SetCells(1, 2, "q");
    a->SetSelection({1, 1, 1, 2});
    // Ctrl held once the drag is under way makes it a copy.
    DragFrom(*a, 1, 1, DropAt(*b, 2, 2, plat::ssCtrl));
    EXPECT_EQ(b->Cells(2, 2), "p");
    EXPECT_EQ(b->Cells(2, 3), "q");
    EXPECT_EQ(a->Cells(1, 1), "p");
    Shot("GridDragBetween.png");
}

TEST_F(GridDrag, RichDragCarriesColours) {
    for (auto* g : {a, b}) g->Navigation().SetAllowFmtClipboard(true);
    a->SetCells(1, 1, "red");
    a->SetColors(1, 1, plat::clRed);
    a->SetSelection({1, 1, 1, 1});
    DragFrom(*a, 1, 1, DropAt(*b, 3, 4));
    EXPECT_EQ(b->Cells(3, 4), "red");
    EXPECT_EQ(b->Colors(3, 4), plat::clRed);
    EXPECT_EQ(a->Cells(1, 1), "");  // moved
}

TEST_F(GridDrag, RichDragCarriesPicturesAndKnowsItsOwnBlocks) {
    for (auto* g : {a, b}) g->Navigation().SetAllowFmtClipboard(true);
    plat::TBitmap bmp(4, 3);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) bmp.Canvas().SetPixels(x, y, plat::RGB(60 * x, 80 * y, 200));
    a->CreateBitmap(1, 1, false, haLeft, vaTop)->Assign(bmp);
    a->SetCells(1, 1, "pic");
    a->SetSelection({1, 1, 1, 1});
    DragFrom(*a, 1, 1, DropAt(*b, 2, 2, plat::ssCtrl));
    const plat::TBitmap* dropped = b->GetBitmap(2, 2);
    ASSERT_NE(dropped, nullptr);
    ASSERT_EQ(dropped->Width(), 4);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 3; ++y) EXPECT_EQ(dropped->Pixel(x, y), bmp.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(b->Marks, (std::vector<plat::TPoint>{{-1, -1}})) << "a block from another grid";
    a->SetSelection({1, 1, 1, 1});
    DragFrom(*a, 1, 1, DropAt(*a, 1, 4, plat::ssCtrl));
    ASSERT_NE(a->GetBitmap(1, 4), nullptr);
    EXPECT_EQ(a->Marks, (std::vector<plat::TPoint>{{1, 1}})) << "a block of the grid's own";
    Shot("GridDragPicture.png");
}

TEST_F(GridDrag, MoveKeepsOrClearsTheSourceBySetting) {
    const struct {
        const char* name;
        bool copyAlways;
        std::string wantSource;
    } cases[] = {{"copy always", true, "m"}, {"move", false, ""}};
    for (const auto& c : cases) {
        a->DragDropSettings().SetOleCopyAlways(c.copyAlways);
        a->SetCells(1, 1, "m");
        b->SetCells(1, 1, "");
        a->SetSelection({1, 1, 1, 1});
        DragFrom(*a, 1, 1, DropAt(*b, 1, 1));
        EXPECT_EQ(b->Cells(1, 1), "m") << c.name;
        EXPECT_EQ(a->Cells(1, 1), c.wantSource) << c.name;
    }
}

TEST_F(GridDrag, CancelledDragChangesNothing) {
    a->SetCells(1, 1, "c");
    a->SetSelection({1, 1, 1, 1});
    bool stopped = false;
    a->OnOleDragStop = [&](TObject*, unsigned) { stopped = true; };
    DragFrom(*a, 1, 1, [&](pt::TDragSession& s) {
        const plat::TPoint p = Centre(*b, 1, 1);
        s.MoveTo(*b, p.X, p.Y);
        EXPECT_EQ(s.Effect(), plat::DROPEFFECT_MOVE);
        s.Cancel();
    });
    EXPECT_FALSE(stopped);
    EXPECT_EQ(a->Cells(1, 1), "c");
    EXPECT_EQ(b->Cells(1, 1), "");
}

TEST_F(GridDrag, PressOutsideTheSelectionSelectsInstead) {
    a->SetSelection({1, 1, 1, 1});
    const plat::TPoint p = Centre(*a, 2, 3);
    pt::MouseDown(*a, plat::mbLeft, p.X, p.Y);
    pt::MouseUp(*a, plat::mbLeft, p.X, p.Y);
    EXPECT_EQ(a->Selection(), (TGridRect{2, 3, 2, 3}));
}

TEST_F(GridDrag, RowsMovedWithInsertAndRemove) {
    a->SetOptions(a->Options() + plat::TGridOptions{plat::goRowSelect});
    auto& dd = a->DragDropSettings();
    dd.SetOleInsertRows(true);
    dd.SetOleRemoveRows(true);
    for (int r = 1; r < 6; ++r) a->SetCells(1, r, "r" + std::to_string(r));
    a->SetSelection({0, 1, 3, 1});
    DragFrom(*a, 1, 1, DropAt(*a, 1, 4));
    EXPECT_EQ(a->RowCount(), 6);
    std::vector<std::string> col;
    for (int r = 1; r < 6; ++r) col.push_back(a->Cells(1, r));
    EXPECT_EQ(col, (std::vector<std::string>{"r2", "r3", "r1", "r4", "r5"}));
}

// Entire rows dragged below the last row of another grid are appended
// whole: the text starts at column 0 as the drop does, so every value
// lands in its own column, not one to the left.
TEST_F(GridDrag, EntireRowsAppendBelowTheLastRow) {
    for (auto* g : {a, b}) {
        g->SetOptions(g->Options() + plat::TGridOptions{plat::goRowSelect});
        g->DragDropSettings().SetOleEntireRows(true);
    }
    b->DragDropSettings().SetOleAppendRows(true);
    b->DragDropSettings().SetOleInsertRows(true);
    for (int r = 1; r < 6; ++r)
        for (int c = 0; c < 4; ++c) a->SetCells(c, r, std::string(1, static_cast<char>('a' + c)) + std::to_string(r));
    pt::ClickAt(*a, Centre(*a, 2, 2).X, Centre(*a, 2, 2).Y);
    DragFrom(*a, 2, 2, [this](pt::TDragSession& s) {
        s.MoveTo(*b, 100, 250, plat::ssCtrl);
        s.Drop(plat::ssCtrl);
    });
    ASSERT_EQ(b->RowCount(), 7);
    for (int c = 1; c < 4; ++c) EXPECT_EQ(b->Cells(c, 6), a->Cells(c, 2)) << c;
    EXPECT_EQ(b->Cells(0, 6), "") << "the fixed column takes no pasted text";
    EXPECT_EQ(b->Cells(0, 5), "");
    Shot("GridDragEntireRows.png");
}

TEST_F(GridDrag, ColumnReorderedByItsHeader) {
    auto& dd = a->DragDropSettings();
    dd.SetOleColumnDragDrop(true);
    dd.SetOleColumnReorder(true);
    for (int c = 0; c < 4; ++c) a->SetCells(c, 0, "h" + std::to_string(c));
    int droppedCol = -1;
    a->OnOleDropCol = [&](TObject*, int, int, int col) { droppedCol = col; };
    DragFrom(*a, 1, 0, DropAt(*a, 3, 0));
    EXPECT_EQ(droppedCol, 1);
    EXPECT_EQ(a->Cells(3, 0), "h1");
    EXPECT_EQ(a->Cells(1, 0), "h2");
}

TEST_F(GridDrag, ColumnDragWithoutCellPictureShowsItsHeader) {
    auto& dd = a->DragDropSettings();
    dd.SetOleColumnDragDrop(true);
    dd.SetOleColumnReorder(true);
    dd.SetShowCells(false);
    a->SetColWidths(1, 90);
    a->SetCells(1, 0, "Address");
    bool seen = false;
    DragFrom(*a, 1, 0, [&](pt::TDragSession& s) {
        const plat::TPoint p = Centre(*a, 3, 0);
        s.MoveTo(*a, p.X, p.Y);
        auto* header = dynamic_cast<plat::TForm*>(a->FindComponent("HeaderDragButton"));
        ASSERT_NE(header, nullptr) << "the header follows the pointer";
        seen = true;
        EXPECT_TRUE(header->Visible());
        EXPECT_EQ(header->Width(), 90);
        EXPECT_EQ(header->Height(), a->RowHeights(0));
        ASSERT_EQ(header->ControlCount(), 1);
        EXPECT_EQ(header->Controls(0)->Caption(), "Address");
        const plat::TPoint at = plat::Mouse->CursorPos();
        EXPECT_EQ(header->Left(), at.X) << "hung from the pointer by its bottom-left corner";
        EXPECT_EQ(header->Top() + header->Height(), at.Y);
        Shot("GridDragHeader.png");
        s.Drop();
    });
    EXPECT_TRUE(seen);
    EXPECT_EQ(a->FindComponent("HeaderDragButton"), nullptr) << "gone with the drag";
    EXPECT_EQ(a->Cells(3, 0), "Address");
}

TEST_F(GridDrag, DroppedColumnTakesItsWidthAlong) {
    auto& dd = a->DragDropSettings();
    dd.SetOleColumnDragDrop(true);
    dd.SetOleColumnReorder(true);
    a->SetEnhRowColMove(false);
    a->SetColWidths(1, 120);
    a->SetColWidths(2, 50);
    a->SetColWidths(3, 50);
    a->SetCells(1, 0, "wide");
    DragFrom(*a, 1, 0, DropAt(*a, 3, 0));
    EXPECT_EQ(a->Cells(3, 0), "wide");
    EXPECT_EQ(a->ColWidths(3), 120) << "the dropped column moved with its width";
    EXPECT_EQ(a->ColWidths(1), 50);
    EXPECT_FALSE(a->EnhRowColMove()) << "the grid's own switch is back as it was";
}

TEST_F(GridDrag, MovedRowsPickedOneByOneAreEmptied) {
    a->SetOptions(a->Options() + plat::TGridOptions{plat::goRowSelect});
    a->MouseActions().SetDisjunctRowSelect(true);
    for (int r = 1; r < 6; ++r) a->SetCells(1, r, "r" + std::to_string(r));
    a->SetSelection({0, 1, 3, 3});
    a->SetRowSelect(1, true);
    a->SetRowSelect(3, true);
    DragFrom(*a, 1, 1, DropAt(*b, 1, 1));
    EXPECT_EQ(b->Cells(1, 1), "r1");
    EXPECT_EQ(a->Cells(1, 1), "");
    EXPECT_EQ(a->Cells(1, 3), "");
    EXPECT_EQ(a->Cells(1, 2), "r2") << "the row between the picked ones stays";
}

TEST_F(GridDrag, TextFromOutsideInsertsRows) {
    b->DragDropSettings().SetOleInsertRows(true);
    b->SetCells(1, 2, "below");
    plat::TDragData d;
    d.Add(plat::CF_UNICODETEXT, plat::TextToUnicodeBlock("one\r\ntwo\r\nthree"));
    const plat::TPoint p = Centre(*b, 1, 2);
    EXPECT_EQ(pt::DropOn(*b, p.X, p.Y, d), plat::DROPEFFECT_MOVE);
    EXPECT_EQ(b->RowCount(), 9);
    EXPECT_EQ(b->Cells(1, 2), "one");
    EXPECT_EQ(b->Cells(1, 4), "three");
    EXPECT_EQ(b->Cells(1, 5), "below");
    EXPECT_EQ(b->Selection(), (TGridRect{1, 2, 1, 4}));
}

TEST_F(GridDrag, TextBelowTheCellsChangesNothing) {
    plat::TDragData d;
    d.Add(plat::CF_UNICODETEXT, plat::TextToUnicodeBlock("x"));
    EXPECT_EQ(pt::DropOn(*b, 100, 295, d), plat::DROPEFFECT_NONE);
    for (const auto& row : exchange_test::CellsOf(*b))
        for (const auto& cell : row) EXPECT_EQ(cell, "");
}

TEST_F(GridDrag, DroppedFilesLoadByTheirExtension) {
    const std::string dir = exchange_test::Scratch("");
    const struct {
        const char* name;
        std::vector<std::string> files;
        bool loaded;
    } cases[] = {
        {"csv", {"data.csv"}, true},
        {"upper-case csv", {"DATA.CSV"}, true},
        {"csv inside the name", {"data.csv.txt"}, false},
        {"two files", {"data.csv", "more.csv"}, false},
    };
    for (const auto& c : cases) {
        plat::TDragData d;
        for (const auto& f : c.files) {
            exchange_test::WriteBytes(dir + "/" + f, "k,v\r\n1,2\r\n");
            d.Files.push_back(dir + "/" + f);
        }
        b->SetCells(0, 0, "");
        const plat::TPoint p = Centre(*b, 1, 1);
        pt::DropOn(*b, p.X, p.Y, d);
        EXPECT_EQ(b->Cells(0, 0) == "k", c.loaded) << c.name;
    }
}

TEST_F(GridDrag, DropTargetRegistrationFollowsTheSwitch) {
    EXPECT_TRUE(plat::IsDropTarget(*a));
    a->DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(plat::IsDropTarget(*a));
    // Copied settings register nothing by themselves.
    auto* c = new TExtStringGrid(form.get());
    c->SetParent(form.get());
    c->DragDropSettings().Assign(&b->DragDropSettings());
    EXPECT_TRUE(c->DragDropSettings().OleDropTarget());
    EXPECT_FALSE(plat::IsDropTarget(*c));
}

TEST_F(GridDrag, RichTextSwitchIsProgramWide) {
    plat::TDragData d;
    d.Add(RtfDragFormat(), std::string("{\\rtf1 r}") + '\0');
    const plat::TPoint p = Centre(*b, 1, 1);
    EXPECT_EQ(pt::DropOn(*b, p.X, p.Y, d), plat::DROPEFFECT_NONE);
    a->DragDropSettings().SetOleDropRTF(true);
    EXPECT_NE(pt::DropOn(*b, p.X, p.Y, d), plat::DROPEFFECT_NONE);
    EXPECT_EQ(b->Cells(1, 1), "{\\rtf1 r}");
    a->DragDropSettings().SetOleDropRTF(false);
}

TEST(GridDragSettings, Defaults) {
    TDragDropSettings s(nullptr);
    EXPECT_TRUE(s.ShowCells() && s.OleAcceptFiles() && s.OleAcceptText() && s.OleAcceptURLs());
    EXPECT_FALSE(s.OleDropTarget() || s.OleDropSource() || s.OleInsertRows() || s.OleRemoveRows() ||
                 s.OleCopyAlways() || s.OleDropRTF() || s.OleColumnDragDrop());
}

TEST(GridDragSettings, WindowLayoutSetsTheSwitches) {
    plat::EnsureGuiApplication();
    GridUnit();
    plat::TForm f(nullptr);
    const char* text =
        "object F: TForm\n"
        "  object G: TExtStringGrid\n"
        "    DragDropSettings.OleDropTarget = True\n"
        "    DragDropSettings.ShowCells = False\n"
        "  end\n"
        "end\n";
    std::string error;
    ASSERT_TRUE(plat::LoadLayout(f, "TForm", text, "drag.layout", {}, &error)) << error;
    auto& g = plat::LayoutComponent<TExtStringGrid>(f, "G");
    EXPECT_TRUE(g.DragDropSettings().OleDropTarget());
    EXPECT_FALSE(g.DragDropSettings().ShowCells());
    EXPECT_TRUE(plat::IsDropTarget(g));
}

namespace {

// A mirrored grid reads from the right: the picture of the dragged cells
// hangs left of the pointer, its right end a first column's width past it.
TEST_F(GridDrag, CellPictureOfAMirroredGridHangsLeftOfThePointer) {
    a->SetBiDiMode(plat::bdRightToLeft);
    a->DragDropSettings().SetShowCells(true);
    a->SetCells(1, 1, "x");
    a->SetCells(2, 1, "y");
    a->SetSelection({1, 1, 2, 1});
    bool seen = false;
    DragFrom(*a, 1, 1, [&](pt::TDragSession& s) {
        plat::TForm* picture = nullptr;
        for (int i = 0; i < a->ComponentCount(); ++i)
            if (auto* f = dynamic_cast<plat::TForm*>(a->Components(i)); f && f->Visible()) picture = f;
        ASSERT_NE(picture, nullptr);
        seen = true;
        // The drag started 10 px right of the centre of cell (1, 1).
        const plat::TPoint p = Centre(*a, 1, 1);
        const int pointer = a->ClientToScreen({p.X + 10, p.Y + 2}).X;
        EXPECT_EQ(picture->Left() + picture->Width(), pointer + 4 + a->ColWidths(0));
        EXPECT_GE(picture->Width(), a->ColWidths(1) + a->ColWidths(2));
        s.Drop();
    });
    EXPECT_TRUE(seen);
}

}  // namespace
