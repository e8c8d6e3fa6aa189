#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grid/ExtCGrid.h"
#include "grid/ExtGridPaint.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

using namespace grid;
using plat::RGB;
using plat::TColor;
using plat::TRect;

namespace {

constexpr TColor kEnableColour = RGB(255, 216, 176);
constexpr TColor kPortColour = RGB(255, 255, 168);
constexpr TColor kHiddenColour = RGB(255, 0, 0);

std::string OutPath(const std::string& name) {
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    return std::string(VASTRIMO_TEST_OUT) + "/" + name;
}

// A rule table as the system's windows set one up: a row-number column,
// a check-box column holding "Y"/"N", numbers, a combo column, a hidden
// column and free text, 1025 rows, look glBevel.
struct RuleTable {
    std::unique_ptr<plat::TForm> form;
    TExtColumnGrid* grid = nullptr;
    TExtColumnGrid& g;
    static TExtColumnGrid& Make(std::unique_ptr<plat::TForm>& form, TExtColumnGrid*& grid) {
        plat::EnsureGuiApplication();
        form = std::make_unique<plat::TForm>(nullptr);
        form->SetBounds(0, 0, 560, 340);
        grid = new TExtColumnGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 520, 300);
        return *grid;
    }
    RuleTable() : g(Make(form, grid)) {
        g.SetColCount(6);
        g.SetRowCount(1025);
        const struct {
            const char* header;
            int width;
            TEditorType editor;
            TColor colour;
            plat::TAlignment align;
        } cols[] = {{"N", 40, edNormal, plat::clWindow, plat::taLeftJustify},
                    {"Enable", 50, edDataCheckBox, kEnableColour, plat::taCenter},
                    {"Port", 70, edNormal, kPortColour, plat::taRightJustify},
                    {"Mode", 90, edComboList, plat::clWindow, plat::taLeftJustify},
                    {"Hidden", 60, edNormal, kHiddenColour, plat::taLeftJustify},
                    {"Mnemonic", 200, edNormal, plat::clWhite, plat::taLeftJustify}};
        for (int c = 0; c < 6; ++c) {
            TGridColumnItem& item = g.Columns().Items(c);
            item.SetHeader(cols[c].header);
            item.SetEditor(cols[c].editor);
            item.SetColor(cols[c].colour);
            item.SetAlignment(cols[c].align);
            g.SetColWidths(c, cols[c].width);
        }
        for (int r = 1; r < 1025; ++r) {
            g.SetCells(0, r, std::to_string(r));
            g.SetCells(1, r, r % 2 == 0 ? "Y" : "N");
            g.SetCells(2, r, std::to_string(1000 + r));
            g.SetCells(3, r, "Uplink");
            g.SetCells(4, r, "secret");
            g.SetCells(5, r, "rule " + std::to_string(r));
        }
        g.HideColumn(4);
        g.ControlLook().SetControlStyle(csWinXP);
    }
    // The grid as the window layer paints it.
    plat::TBitmap Shot(const std::string& name) {
        const std::string path = OutPath(name);
        EXPECT_TRUE(plat::test::SaveScreenshot(g, path));
        plat::TBitmap bmp;
        EXPECT_TRUE(bmp.LoadFromFile(path)) << bmp.ErrorString();
        return bmp;
    }
    // The rectangle of a displayed cell in the painted picture.
    TRect CellAt(int ACol, int ARow) const {
        int x = 0, y = 0;
        for (int c = 0; c < ACol; ++c) x += g.ColWidths(c);
        for (int r = 0; r < ARow; ++r) y += g.RowHeights(r);
        return plat::Bounds(x, y, g.ColWidths(ACol), g.RowHeights(ARow));
    }
};

int CountPixels(const plat::TBitmap& bmp, const TRect& r, const std::function<bool(TColor)>& pred) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (pred(bmp.Pixel(x, y))) ++n;
    return n;
}

bool Dark(TColor c) { return plat::GetRValue(c) < 100 && plat::GetGValue(c) < 100 && plat::GetBValue(c) < 100; }

}  // namespace

TEST(ExtGridPaint, RuleTableOffscreen) {
    RuleTable t;
    TExtColumnGrid& g = t.g;
    g.SetSelection({2, 3, 3, 4});  // anchor (2, 3), current cell (3, 4)
    g.SetHoverRow(true);
    g.FHoverRowIdx = 6;
    const plat::TBitmap bmp = t.Shot("ExtGridPaint_RuleTable.png");

    // Header row: a face from white at the top to the button face at the
    // bottom, a white line along the top edge and the fixed grid line at
    // the right.
    const TRect head = t.CellAt(4, 0);
    EXPECT_EQ(bmp.Pixel(head.Left + 30, head.Top + 1), plat::clWhite);
    const TColor low = bmp.Pixel(head.Right - 30, head.Bottom - 4);
    EXPECT_LT(plat::GetRValue(low), 240);
    EXPECT_EQ(bmp.Pixel(head.Right - 1, head.Top + 5), plat::clGray);
    EXPECT_GT(CountPixels(bmp, head, Dark), 10) << "header text";

    // Row-number column: fixed look with its number in it.
    const TRect num = t.CellAt(0, 2);
    EXPECT_EQ(bmp.Pixel(num.Right - 1, num.Top + 5), plat::clGray);
    EXPECT_GT(CountPixels(bmp, num, Dark), 5);

    // Normal cells: column colour and silver grid lines.
    const TRect port = t.CellAt(2, 7);
    EXPECT_EQ(bmp.Pixel(port.Left + 3, port.Bottom - 4), kPortColour);
    EXPECT_EQ(bmp.Pixel(port.Right - 1, port.Top + 5), plat::clSilver);
    EXPECT_EQ(bmp.Pixel(port.Left + 5, port.Bottom - 1), plat::clSilver);

    // Numbers are right-aligned in their column.
    int leftmost = port.Right;
    for (int y = port.Top; y < port.Bottom; ++y)
        for (int x = port.Left; x < port.Right - 1; ++x)
            if (Dark(bmp.Pixel(x, y))) leftmost = std::min(leftmost, x);
    EXPECT_GT(leftmost, port.Left + port.Width() / 3);
    EXPECT_LT(leftmost, port.Right - 10);

    // Selection: cells of the range take the selection colour.
    const TRect sel = t.CellAt(2, 4);
    EXPECT_EQ(bmp.Pixel(sel.Left + 2, sel.Bottom - 3), TColor(0xEACAB6));
    // Hover row over the normal cells, not over the fixed column.
    const TRect hover = t.CellAt(4, 6);
    EXPECT_EQ(bmp.Pixel(hover.Right - 5, hover.Bottom - 4), plat::ColorToRGB(plat::clInfoBk));
    EXPECT_NE(bmp.Pixel(t.CellAt(0, 6).Left + 2, t.CellAt(0, 6).Top + 2), plat::ColorToRGB(plat::clInfoBk));

    // Check glyphs: "Y" in even rows shows the green mark, "N" none.
    auto green = [](TColor c) { return c == RGB(33, 161, 33); };
    EXPECT_GT(CountPixels(bmp, t.CellAt(1, 2), green), 5);
    EXPECT_EQ(CountPixels(bmp, t.CellAt(1, 3), green), 0);
    // The check column shows no "Y"/"N" text: only the glyph's frame is dark.
    EXPECT_EQ(CountPixels(bmp, t.CellAt(1, 3), [](TColor c) { return c == plat::clBlack; }), 0);

    // The hidden column does not show: its colour is nowhere, and the
    // displayed column 4 is the real column 5.
    EXPECT_EQ(CountPixels(bmp, {0, 0, bmp.Width(), bmp.Height()}, [](TColor c) { return c == kHiddenColour; }), 0);
    EXPECT_EQ(bmp.Pixel(t.CellAt(4, 8).Right - 5, t.CellAt(4, 8).Top + 3), plat::clWhite);

    // The grid has no input focus here (the form is not active): the
    // current cell shows no focus rectangle.
    const TRect cur = t.CellAt(3, 4);
    int dots = 0;
    for (int x = cur.Left + 2; x < cur.Right - 3; ++x)
        if (bmp.Pixel(x, cur.Top + 1) != bmp.Pixel(cur.Left + 2, cur.Top + 3)) ++dots;
    EXPECT_EQ(dots, 0);
}

TEST(ExtGridPaint, OnlyVisibleCellsArePainted) {
    RuleTable t;
    TExtGridPainter painter(t.g);
    plat::TBitmap bmp(t.g.Width(), t.g.Height());
    painter.Paint(bmp.Canvas());
    const int rowsShown = (t.g.Height() - t.g.RowHeights(0)) / t.g.RowHeights(1) + 2;
    EXPECT_LE(painter.PaintedCells(), rowsShown * t.g.ColCount());
    EXPECT_GE(painter.PaintedCells(), (rowsShown - 1) * 5);
}

TEST(ExtGridPaint, CheckGlyphNames) {
    const struct {
        TControlStyle style;
        bool checked, enabled;
        const char* name;
    } cases[] = {{csWinXP, true, true, "ESGCHK05"},  {csWinXP, false, true, "ESGCHK06"},
                 {csWinXP, true, false, "ESGCHK07"}, {csWinXP, false, false, "ESGCHK08"},
                 {csKelo, true, true, "ESGCHK01"},   {csKelo, false, false, "ESGCHK04"},
                 {csClassic, true, true, ""}};
    for (const auto& c : cases) {
        EXPECT_STREQ(TExtGridPainter::CheckGlyphName(c.style, c.checked, c.enabled), c.name);
        if (*c.name) {
            plat::TBitmap bmp;
            ASSERT_TRUE(bmp.LoadFromResource(std::string("glyphs/") + c.name + ".bmp")) << c.name;
            EXPECT_EQ(bmp.Width(), c.style == csWinXP ? 16 : 20);
        }
    }
}

TEST(ExtGridPaint, DataCheckBoxComparesTheTextExactly) {
    const struct {
        const char* text;
        bool checked;
    } cases[] = {{"Y", true}, {"y", false}, {"Yes", false}, {"N", false}};
    for (const auto& c : cases) {
        RuleTable t;
        t.g.SetCells(1, 2, c.text);
        const plat::TBitmap bmp = t.Shot("ExtGridPaint_Check.png");
        const int green = CountPixels(bmp, t.CellAt(1, 2), [](TColor p) { return p == RGB(33, 161, 33); });
        EXPECT_EQ(green > 0, c.checked) << c.text;
    }
}

TEST(ExtGridPaint, ReadOnlyCheckColumnShowsTheDisabledGlyph) {
    RuleTable t;
    t.g.Columns().Items(1).SetReadOnly(true);
    const plat::TBitmap bmp = t.Shot("ExtGridPaint_ReadOnlyCheckColumnShowsTheDisabledGlyph.png");
    const TRect cell = t.CellAt(1, 2);
    EXPECT_EQ(CountPixels(bmp, cell, [](TColor p) { return p == RGB(33, 161, 33); }), 0);
    EXPECT_GT(CountPixels(bmp, cell, [](TColor p) { return p == RGB(160, 160, 160); }), 5);
}

TEST(ExtGridPaint, ScrolledFarDownPaintsTheRowsThere) {
    RuleTable t;
    t.g.SetTopRow(1000);
    const plat::TBitmap bmp = t.Shot("ExtGridPaint_ScrolledFarDownPaintsTheRowsThere.png");
    // Row 1000 is even: its check box shows checked right under the header.
    const TRect first = {t.CellAt(1, 1).Left, t.CellAt(1, 1).Top, t.CellAt(1, 1).Right, t.CellAt(1, 1).Bottom};
    EXPECT_GT(CountPixels(bmp, first, [](TColor p) { return p == RGB(33, 161, 33); }), 5);
    const TRect next = t.CellAt(1, 2);
    EXPECT_EQ(CountPixels(bmp, next, [](TColor p) { return p == RGB(33, 161, 33); }), 0);
}

TEST(ExtGridPaint, XPHeaderEdges) {
    RuleTable t;
    const plat::TBitmap bmp = t.Shot("ExtGridPaint_XPHeaderEdges.png");
    const TRect head = t.CellAt(4, 0);
    // A white line along the left of the face.
    EXPECT_EQ(bmp.Pixel(head.Left + 1, head.Bottom - 6), plat::clWhite);
    // Its bottom line is half the fixed colour.
    EXPECT_EQ(bmp.Pixel(head.Left + 20, head.Bottom - 2), plat::RGB(212 / 2, 208 / 2, 200 / 2));
}

TEST(ExtGridPaint, PaintedGridReportsItsNameAndTableRole) {
    RuleTable t;
    t.g.SetName("ACG_LoRaWAN_Uplink");
    t.Shot("ExtGridPaint_Accessible.png");
    EXPECT_EQ(t.g.AccessibleRole(), plat::arTable);
    EXPECT_EQ(t.g.AccessibleName(), "ACG_LoRaWAN_Uplink");
}

TEST(ExtGridPaint, SizingLineGoesWhenDrawnAgain) {
    RuleTable t;
    TExtGridPainter& painter = t.g.Painter();
    plat::TBitmap bmp(t.g.Width(), t.g.Height());
    painter.Paint(bmp.Canvas());
    std::vector<TColor> before;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) before.push_back(bmp.Pixel(x, y));
    auto differing = [&](const plat::TBitmap& a) {
        int n = 0;
        size_t i = 0;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.Pixel(x, y) != before[i++]) ++n;
        return n;
    };
    const struct {
        bool column;
        int at;
    } cases[] = {{true, 100}, {false, 60}};
    for (const auto& c : cases) {
        if (c.column) painter.DrawColSizeLine(bmp.Canvas(), c.at);
        else painter.DrawRowSizeLine(bmp.Canvas(), c.at);
        const int shown = differing(bmp);
        EXPECT_GT(shown, (c.column ? bmp.Height() : bmp.Width()) / 3) << "a dotted line across the grid";
        if (c.column) painter.DrawColSizeLine(bmp.Canvas(), c.at);
        else painter.DrawRowSizeLine(bmp.Canvas(), c.at);
        EXPECT_EQ(differing(bmp), 0);
        EXPECT_EQ(bmp.Canvas().Pen().Mode(), plat::pmCopy) << "the pen is put back";
    }
}
