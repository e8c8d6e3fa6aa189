#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <algorithm>
#include <string>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridPaint.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

using namespace grid;
using plat::TColor;

namespace {

struct ShownGrid {
    std::unique_ptr<plat::TForm> form;
    TExtStringGrid* g = nullptr;
    ShownGrid() {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 420, 260);
        g = new TExtStringGrid(form.get());
        g->SetParent(form.get());
        g->SetBounds(10, 10, 400, 240);
        g->SetColCount(5);
        g->SetRowCount(8);
    }
    plat::TBitmap Shot(const std::string& name) {
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        const std::string path = std::string(VASTRIMO_TEST_OUT) + "/" + name;
        EXPECT_TRUE(plat::test::SaveScreenshot(*g, path));
        plat::TBitmap bmp;
        EXPECT_TRUE(bmp.LoadFromFile(path)) << bmp.ErrorString();
        return bmp;
    }
};

}  // namespace

TEST(ExtGridPaintExtras, ColouredBorderAlongTheEdgeAndPaintedEvent) {
    ShownGrid t;
    int painted = 0;
    t.g->OnPainted = [&](plat::TObject*) { ++painted; };
    plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Border.png");
    EXPECT_GE(painted, 1);
    const TColor border = 0xB99D7F;
    EXPECT_EQ(bmp.Pixel(0, 100), border);
    EXPECT_EQ(bmp.Pixel(150, 0), border);
    t.g->SetFlat(true);
    bmp = t.Shot("ExtGridPaintExtras_FlatBorder.png");
    EXPECT_NE(bmp.Pixel(0, 100), border) << "a flat grid has none";
}

TEST(ExtGridPaintExtras, CellTextSize) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetCells(1, 1, "Port");
    g.SetCells(2, 1, "Port\r\nPort\r\nPort");
    const plat::TPoint one = g.GetCellTextSize(1, 1, false, false);
    const plat::TPoint three = g.GetCellTextSize(2, 1, false, false);
    EXPECT_GT(one.X, 10);
    EXPECT_EQ(three.X, one.X) << "the widest line";
    EXPECT_EQ(three.Y, 3 * one.Y);
    // Wrapped to the cell's width a long text needs several lines.
    g.SetCells(3, 1, "a long text that cannot fit into one narrow column at all");
    const plat::TPoint wrapped = g.GetCellTextSize(3, 1, true, false);
    EXPECT_LE(wrapped.X, g.ColWidths(3));
    EXPECT_GE(wrapped.Y, 3 * one.Y);
    // Turned a quarter, width and height change places (with the room).
    g.AddRotated(4, 1, 90, "Port");
    const plat::TPoint turned = g.GetCellTextSize(4, 1, false, false);
    EXPECT_EQ(turned.X, one.Y + 12);
    EXPECT_EQ(turned.Y, one.X + 12);
}

TEST(ExtGridPaintExtras, FocusGlowAroundTheCell) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    EXPECT_FALSE(g.FocusHelper().Enabled());
    const plat::TRect cell = g.CellRect(2, 3);
    g.ShowFocusWindow(cell);
    ASSERT_TRUE(g.FocusWindowShowing());
    // Four strips around the cell on the form; the cell itself stays clear.
    int strips = 0;
    for (int i = 0; i < t.form->ControlCount(); ++i) {
        plat::TControl* c = t.form->Controls(i);
        if (c == &g || !c->Visible()) continue;
        ++strips;
        const plat::TRect r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
        plat::TRect onForm = cell;
        plat::OffsetRect(onForm, g.Left(), g.Top());
        plat::TRect overlap;
        EXPECT_FALSE(plat::IntersectRect(overlap, r, onForm)) << i;
    }
    EXPECT_EQ(strips, 4);
    g.SetBounds(30, 20, 400, 240);
    g.MoveFocusWindow();
    g.HideFocusWindow();
    EXPECT_FALSE(g.FocusWindowShowing());
}

TEST(ExtGridPaintExtras, SynchronisedGridThatIsGoneIsLeftAlone) {
    ShownGrid a;
    auto* b = new TExtStringGrid(a.form.get());
    b->SetParent(a.form.get());
    b->SetRowCount(100);
    a.g->SetRowCount(100);
    a.g->SyncGrid().SetGrid(b);
    a.g->SyncGrid().SetScrollVertical(true);
    a.g->SetTopRow(20);
    EXPECT_EQ(b->TopRow(), 20);
    delete b;
    a.g->SetTopRow(30);  // must not reach the freed grid
    EXPECT_EQ(a.g->TopRow(), 30);
}

namespace {
int DarkPixels(const plat::TBitmap& bmp, const plat::TRect& r) {
    int n = 0;
    for (int y = r.Top + 1; y < r.Bottom - 2; ++y)
        for (int x = r.Left + 1; x < r.Right - 2; ++x) {
            const TColor c = bmp.Pixel(x, y);
            if (plat::GetRValue(c) < 90 && plat::GetGValue(c) < 90 && plat::GetBValue(c) < 90) ++n;
        }
    return n;
}
}  // namespace

TEST(ExtGridPaintExtras, ApplicationDrawingAndTheGridsText) {
    const struct {
        const char* name;
        bool drawCell, customDraw, noDefault;
        bool textShown;
    } cases[] = {{"no events", false, false, true, true},
                 {"event, default drawing kept", true, false, false, true},
                 {"draw cell alone", true, false, true, false},
                 {"custom draw alone", false, true, true, false}};
    for (const auto& c : cases) {
        ShownGrid t;
        TExtStringGrid& g = *t.g;
        g.HideColumn(1);  // the events get real columns
        g.SetCells(3, 2, "WWWW");
        std::vector<int> cols;
        if (c.drawCell) g.OnDrawCell = [&](plat::TObject*, int col, int row, plat::TRect, TGridDrawState) {
            if (row == 2) cols.push_back(col);
        };
        if (c.customDraw)
            g.OnCustomCellDraw = [&](plat::TObject*, plat::TCanvas&, int col, int row, TGridDrawState, plat::TRect, bool) {
                if (row == 2) cols.push_back(col);
            };
        g.SetNoDefaultDraw(c.noDefault);
        const plat::TBitmap bmp = t.Shot(std::string("ExtGridPaintExtras_Draw_") + c.name + ".png");
        const plat::TRect cell = g.CellRect(2, 2);  // displayed 2 = real 3
        EXPECT_EQ(DarkPixels(bmp, cell) > 10, c.textShown) << c.name;
        if (c.drawCell || c.customDraw) {
            EXPECT_NE(std::find(cols.begin(), cols.end(), 3), cols.end()) << c.name;
        }
    }
}

TEST(ExtGridPaintExtras, ClassicHeaderEdges) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetLook(glClassic);
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Classic.png");
    const plat::TRect head = g.CellRect(2, 0);
    // A black line down the right of the face, inside the fixed grid line.
    int black = 0;
    for (int y = head.Top + 3; y < head.Bottom - 3; ++y)
        for (int x = head.Right - 4; x < head.Right; ++x)
            if (bmp.Pixel(x, y) == plat::clBlack) ++black;
    EXPECT_GT(black, head.Height() / 2);
}
