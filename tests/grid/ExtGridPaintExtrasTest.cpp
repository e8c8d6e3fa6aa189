#include <gtest/gtest.h>

#include "GridOnFormFixture.h"

#include <filesystem>
#include <memory>
#include <algorithm>
#include <string>
#include <vector>

#include "grid/ExtCGrid.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridPaint.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

using namespace grid;
using plat::TColor;

namespace {

struct ShownGrid : GridOnHiddenForm<> {
    ShownGrid() : GridOnHiddenForm({0, 0, 420, 260}, {10, 10, 400, 240}, 5, 8) {}
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

#include "grid/ExtGridCellLook.h"

TEST(ExtGridPaintExtras, GradientBackgroundRunsAcrossCellsAndBeyond) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetColCount(4);  // 4 x 64 leaves room at the right
    g.SetRowCount(4);
    g.BackGround().SetDisplay(bdGradientHorz);
    g.BackGround().SetColor(plat::clRed);
    g.BackGround().SetColorTo(plat::clBlue);
    g.SetColors(3, 2, plat::clLime);
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Gradient.png");
    // Row 3: away from the current cell, which shows the selection.
    const plat::TRect left = g.CellRect(1, 3), right = g.CellRect(3, 3);
    const TColor a = bmp.Pixel(left.Left + 3, left.Top + 3), b = bmp.Pixel(right.Right - 4, right.Top + 3);
    EXPECT_GT(plat::GetRValue(a), plat::GetBValue(a)) << "red side";
    EXPECT_GT(plat::GetBValue(b), plat::GetBValue(a));
    EXPECT_LT(plat::GetRValue(b), plat::GetRValue(a));
    // A cell with its own colour keeps it.
    const plat::TRect own = g.CellRect(3, 2);
    EXPECT_EQ(bmp.Pixel(own.Left + 3, own.Top + 3), plat::clLime);
    // Right of the last column and below the last row the gradient goes on.
    const TColor beyond = bmp.Pixel(350, 30), below = bmp.Pixel(100, 200);
    EXPECT_GT(plat::GetBValue(beyond), plat::GetRValue(beyond));
    EXPECT_NE(below, plat::ColorToRGB(plat::clWindow));
    // Without a second colour nothing is painted outside the cells.
    g.BackGround().SetColorTo(plat::clNone);
    const plat::TBitmap plain = t.Shot("ExtGridPaintExtras_NoGradient.png");
    EXPECT_EQ(plain.Pixel(350, 30), plat::ColorToRGB(g.Color()));
}

TEST(ExtGridPaintExtras, TiledPictureInTheNormalCells) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    plat::TBitmap tile(8, 8);
    tile.Canvas().Brush().SetColor(plat::RGB(0, 128, 128));
    tile.Canvas().FillRect({0, 0, 8, 8});
    g.BackGround().SetBitmap(tile);
    g.BackGround().SetDisplay(bdTile);
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Tiled.png");
    const plat::TRect cell = g.CellRect(2, 3), head = g.CellRect(2, 0);
    EXPECT_EQ(bmp.Pixel(cell.Left + 5, cell.Top + 5), plat::RGB(0, 128, 128));
    EXPECT_NE(bmp.Pixel(head.Left + 5, head.Top + 5), plat::RGB(0, 128, 128)) << "fixed cells are not chosen";
}

TEST(ExtGridPaintExtras, SelectionFrameAroundTheBlock) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetOptions(g.Options() + plat::TGridOptions{plat::goRangeSelect});
    g.SetSelection({1, 1, 2, 3});
    g.SetSelectionRectangle(true);
    g.SetSelectionResizer(true);
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Frame.png");
    const plat::TRect tl = g.CellRect(1, 1), br = g.CellRect(2, 3), inside = g.CellRect(1, 2);
    EXPECT_EQ(bmp.Pixel(tl.Left + 10, tl.Top), plat::clBlack) << "top side";
    EXPECT_EQ(bmp.Pixel(tl.Left, tl.Top + 10), plat::clBlack) << "left side";
    EXPECT_EQ(bmp.Pixel(br.Right - 3, br.Bottom - 3), plat::clBlack) << "resize square";
    EXPECT_NE(bmp.Pixel(inside.Right - 1, inside.Top + 10), plat::clBlack) << "no inner side";
    g.SetSelectionRectangle(false);
    const plat::TBitmap none = t.Shot("ExtGridPaintExtras_NoFrame.png");
    EXPECT_NE(none.Pixel(tl.Left + 10, tl.Top), plat::clBlack);
}

TEST(ExtGridPaintExtras, LinksAndMarkers) {
    const struct {
        const char* name;
        bool show, full;
        bool blue;
    } cases[] = {{"off", false, false, false}, {"shown", true, false, true}, {"full", true, true, true}};
    int strippedWidth = 0, fullWidth = 0;
    for (const auto& c : cases) {
        ShownGrid t;
        TExtStringGrid& g = *t.g;
        g.SetColWidths(1, 200);
        g.SetCells(1, 1, "http://gw.example/cfg");
        g.SetURLShow(c.show);
        g.SetURLFull(c.full);
        const plat::TBitmap bmp = t.Shot(std::string("ExtGridPaintExtras_Link_") + c.name + ".png");
        const plat::TRect cell = g.CellRect(1, 1);
        int blue = 0;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Right; ++x) {
                const TColor p = bmp.Pixel(x, y);
                if (plat::GetBValue(p) > 180 && plat::GetRValue(p) < 90 && plat::GetGValue(p) < 90) ++blue;
            }
        EXPECT_EQ(blue > 10, c.blue) << c.name;
        const int w = g.GetCellTextSize(1, 1, false, false).X;
        if (c.show && !c.full) strippedWidth = w;
        if (c.full) fullWidth = w;
    }
    EXPECT_LT(strippedWidth, fullWidth) << "the protocol part is not measured";

    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetColWidths(1, 200);
    g.SetCells(1, 1, "Pump 12");
    g.AddMarker(1, 1, 1, 4);
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_Marker.png");
    const plat::TRect cell = g.CellRect(1, 1);
    int red = 0;
    for (int y = cell.Top; y < cell.Bottom; ++y)
        for (int x = cell.Left; x < cell.Right; ++x)
            if (bmp.Pixel(x, y) == plat::clRed) ++red;
    EXPECT_GT(red, 5) << "a red zig-zag under the marked characters";
}

namespace {

// The picture of a displayed cell, inset by two pixels so grid lines and
// the frame stay out.
std::vector<TColor> CellPixels(const plat::TBitmap& bmp, const plat::TRect& r) {
    std::vector<TColor> px;
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y)
        for (int x = r.Left + 2; x < r.Right - 2; ++x) px.push_back(bmp.Pixel(x, y));
    return px;
}

int DarkIn(const plat::TBitmap& bmp, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const TColor c = bmp.Pixel(x, y);
            if (plat::GetRValue(c) < 110 && plat::GetGValue(c) < 110 && plat::GetBValue(c) < 110) ++n;
        }
    return n;
}

}  // namespace

TEST(ExtGridPaintExtras, LongTextWrapsOntoTheNextLineUnlessWordWrapIsOff) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    g.SetColWidths(1, 70);
    g.SetRowHeights(3, 48);
    g.SetCells(1, 3, "alpha beta gamma");
    const plat::TRect r = g.GridCellRect(1, 3);
    const int line = g.Canvas().TextHeight("hg");
    ASSERT_GE(r.Height(), 2 * line + 6);
    plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_WordWrap.png");
    EXPECT_GT(DarkIn(bmp, r.Left, r.Top + line + 2, r.Right - 1, r.Bottom - 1), 0) << "the second line shows";
    g.SetWordWrap(false);
    bmp = t.Shot("ExtGridPaintExtras_NoWordWrap.png");
    EXPECT_EQ(DarkIn(bmp, r.Left, r.Top + line + 2, r.Right - 1, r.Bottom - 1), 0) << "one line only";
    EXPECT_GT(DarkIn(bmp, r.Left, r.Top, r.Right - 1, r.Top + line), 0);
}

TEST(ExtGridPaintExtras, NumbersShowThroughTheFloatFormatTheWindowGives) {
    ShownGrid t;
    TExtStringGrid& g = *t.g;
    // Column 1 is formatted by the window, 2 shows what 1 should look like,
    // 3 is not formatted, 4 asks for a format that is no number format.
    const char* texts[] = {"", "3.14159", "3.14", "3.14159", "3.14159"};
    for (int c = 1; c < 5; ++c) g.SetCells(c, 3, texts[c]);
    g.SetCells(1, 4, "42");
    g.SetCells(2, 4, "0042");
    g.SetCells(1, 5, "north");
    std::vector<int> asked;
    g.OnGetFloatFormat = [&](plat::TObject*, int c, int r, bool& isFloat, std::string& format) {
        asked.push_back(c * 10 + r);
        if (c == 1 && r == 4) format = "%04d";
        else if (c == 1) format = "%.2f";
        else if (c == 4) format = "%s";
        else isFloat = false;
    };
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_FloatFormat.png");
    auto cell = [&](int c, int r) { return CellPixels(bmp, g.GridCellRect(c, r)); };
    EXPECT_EQ(cell(1, 3), cell(2, 3)) << "3.14159 shows as 3.14";
    EXPECT_NE(cell(3, 3), cell(2, 3)) << "a cell the window keeps plain shows as stored";
    EXPECT_EQ(cell(4, 3), cell(3, 3)) << "a text format is not applied";
    EXPECT_EQ(cell(1, 4), cell(2, 4)) << "an integer format takes the integer value";
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 15), 0) << "a text that is no number is not asked about";
}

TEST(ExtGridPaintExtras, ColumnFloatFormatReachesTheDisplay) {
    GridOnHiddenForm<TExtColumnGrid> t({0, 0, 420, 260}, {10, 10, 400, 240}, 5, 8);
    TExtColumnGrid& g = *t.g;
    g.Columns().Items(1).SetFloatFormat("%.3f");
    g.Columns().Items(3).SetFloatFormat("%.3f");
    g.SetCells(1, 3, "7.5");
    g.SetCells(2, 3, "7.500");
    g.SetCells(3, 3, "1e3");  // an exponent is shown as typed
    g.SetCells(4, 3, "1e3");
    const plat::TBitmap bmp = t.Shot("ExtGridPaintExtras_ColumnFloatFormat.png");
    auto cell = [&](int c, int r) { return CellPixels(bmp, g.GridCellRect(c, r)); };
    EXPECT_EQ(cell(1, 3), cell(2, 3));
    EXPECT_EQ(cell(3, 3), cell(4, 3));
    EXPECT_EQ(g.Cells(1, 3), "7.5") << "the stored text stays";
}
