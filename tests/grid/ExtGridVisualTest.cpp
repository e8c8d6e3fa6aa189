// The order in which a cell's colours are resolved: own colours, bands,
// fixed areas and the look's gradient, the colour events, the selection.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/ExtGrid.h"

using namespace grid;
using plat::RGB;
using plat::TColor;

namespace {

struct Look {
    TGridDrawState state;
    TColor brush = 0, colorTo = 0, mirror = 0, mirrorTo = 0;
    plat::TFont font;
    TCellGradientDirection gd = GradientHorizontal;
};

Look Resolve(TExtStringGrid& g, int col, int row, TGridDrawState state = {}, bool print = false,
             bool select = true) {
    Look l;
    l.state = state;
    plat::TBrush brush;
    plat::TAlignment ha;
    TVAlignment va;
    bool ww = false;
    g.CellVisualProperties(col, row, l.state, print, select, true, brush, l.colorTo, l.mirror, l.mirrorTo, l.font,
                           ha, va, ww, l.gd);
    l.brush = brush.Color();
    return l;
}

constexpr TColor kOwn = RGB(10, 200, 30);

}  // namespace

TEST(ExtGridVisual, OwnColoursAgainstFixedAreas) {
    const struct {
        const char* name;
        std::function<void(TExtStringGrid&)> setup;
        int col, row;
        TGridLook look;
        TColor brush;
    } cases[] = {
        {"plain cell keeps its colour in a fixed row", [](TExtStringGrid& g) { g.SetColors(2, 0, kOwn); }, 2, 0,
         glClassic, kOwn},
        {"a check box cell in a fixed row gets the fixed colour",
         [](TExtStringGrid& g) {
             g.AddCheckBox(2, 0, true, false);
             g.SetColors(2, 0, kOwn);
         },
         2, 0, glClassic, plat::clBtnFace},
        {"... or the look's gradient",
         [](TExtStringGrid& g) {
             g.AddCheckBox(2, 0, true, false);
             g.SetColors(2, 0, kOwn);
         },
         2, 0, glBevel, plat::clWhite},
        {"a check box cell keeps its colour in a normal row",
         [](TExtStringGrid& g) {
             g.AddCheckBox(2, 3, true, false);
             g.SetColors(2, 3, kOwn);
         },
         2, 3, glBevel, kOwn},
        {"a normal cell takes the grid colour", [](TExtStringGrid&) {}, 2, 3, glBevel, plat::clWindow},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        g.SetFixedColor(plat::clBtnFace);
        g.SetLook(c.look);
        c.setup(g);
        EXPECT_EQ(Resolve(g, c.col, c.row).brush, c.brush) << c.name;
    }
}

TEST(ExtGridVisual, FixedGradientAlsoWhenPrinting) {
    TExtStringGrid g(nullptr);
    g.SetLook(glBevel);
    g.SetKeloGradientFrom(plat::clWhite);
    g.SetKeloGradientTo(RGB(200, 200, 210));
    for (bool print : {false, true}) {
        const Look l = Resolve(g, 1, 0, {}, print);
        EXPECT_EQ(l.brush, plat::clWhite) << print;
        EXPECT_EQ(l.colorTo, RGB(200, 200, 210)) << print;
        EXPECT_EQ(l.state.Contains(gdFixed), !print) << "the fixed state is for the screen";
    }
    g.SetLook(glClassic);
    const Look l = Resolve(g, 1, 0);
    EXPECT_EQ(l.brush, g.FixedColor());
    EXPECT_EQ(l.colorTo, plat::clNone);
}

TEST(ExtGridVisual, BandsColourTheNormalRowsOnly) {
    TExtStringGrid g(nullptr);
    g.Bands().SetPrimaryColor(RGB(1, 1, 1));
    g.Bands().SetSecondaryColor(RGB(2, 2, 2));
    g.Bands().SetActive(true);
    g.SetRow(0);
    g.SetSelection({-1, -1, -1, -1});
    EXPECT_EQ(Resolve(g, 2, 1).brush, RGB(1, 1, 1));
    EXPECT_EQ(Resolve(g, 2, 2).brush, RGB(2, 2, 2));
    EXPECT_EQ(Resolve(g, 2, 3).brush, RGB(1, 1, 1));
    EXPECT_NE(Resolve(g, 0, 2).brush, RGB(2, 2, 2)) << "the fixed column is not banded";
    EXPECT_EQ(Resolve(g, 2, 2, {}, true).brush, g.Color()) << "not printed unless asked";
    g.Bands().SetPrint(true);
    EXPECT_EQ(Resolve(g, 2, 2, {}, true).brush, RGB(2, 2, 2));
}

TEST(ExtGridVisual, SelectionColourAndMixer) {
    TExtStringGrid g(nullptr);
    g.SetSelection({1, 1, 2, 2});
    const Look plain = Resolve(g, 1, 1, TGridDrawState{gdSelected});
    EXPECT_EQ(plain.brush, g.SelectionColor());
    EXPECT_TRUE(plain.state.Contains(gdSelected));
    EXPECT_EQ(plain.gd, GradientVertical) << "a selected cell always fades vertically";
    EXPECT_FALSE(Resolve(g, 3, 3).state.Contains(gdSelected));

    // An own colour under the selection: the selection colour unmixed,
    // then mixed half and half.
    g.SetColors(2, 2, RGB(0, 0, 0));
    g.SetSelectionColor(RGB(200, 100, 50));
    EXPECT_EQ(Resolve(g, 2, 2).brush, RGB(200, 100, 50));
    g.SetSelectionColorMixer(true);
    EXPECT_EQ(Resolve(g, 2, 2).brush, RGB(100, 50, 25));
    EXPECT_EQ(Resolve(g, 1, 1).brush, RGB(200, 100, 50)) << "the grid colour takes the selection colour";
    EXPECT_EQ(g.SelectionMixColor(plat::clNone), RGB(200, 100, 50));
    g.SetSelectionColorMixerFactor(100);
    EXPECT_EQ(Resolve(g, 2, 2).brush, RGB(200, 100, 50));
    g.SetSelectionColorMixerFactor(0);
    EXPECT_EQ(Resolve(g, 2, 2).brush, RGB(0, 0, 0));
    g.SetSelectionColorMixerFactor(50);
    EXPECT_EQ(Resolve(g, 2, 2, {}, true).brush, RGB(0, 0, 0)) << "printing shows no selection";
}

TEST(ExtGridVisual, EventsHaveTheirSay) {
    TExtStringGrid g(nullptr);
    g.SetColCount(6);
    g.HideColumn(2);
    int seenCol = -1;
    g.OnGetCellGradient = [&](TObject*, int, int ACol, TColor& C, TColor& CTo, TColor&, TColor&,
                              TCellGradientDirection& GD) {
        seenCol = ACol;
        C = RGB(9, 9, 9);
        CTo = RGB(8, 8, 8);
        GD = GradientHorizontal;
    };
    g.SetSelection({-1, -1, -1, -1});
    const Look l = Resolve(g, 2, 3);
    EXPECT_EQ(seenCol, 3) << "the real column";
    EXPECT_EQ(l.brush, RGB(9, 9, 9));
    EXPECT_EQ(l.colorTo, RGB(8, 8, 8));
    EXPECT_EQ(l.gd, GradientHorizontal);

    bool screen = false, print = false;
    g.OnGetCellGradient = nullptr;
    g.OnGetCellColor = [&](TObject*, int, int, TGridDrawState, plat::TBrush&, plat::TFont&) { screen = true; };
    g.OnGetCellPrintColor = [&](TObject*, int, int, TGridDrawState, plat::TBrush& B, plat::TFont&) {
        print = true;
        B.SetColor(RGB(7, 7, 7));
    };
    Resolve(g, 3, 3);
    EXPECT_TRUE(screen);
    EXPECT_FALSE(print);
    screen = false;
    EXPECT_EQ(Resolve(g, 3, 3, {}, true).brush, RGB(7, 7, 7));
    EXPECT_FALSE(screen);
}

TEST(ExtGridVisual, WordWrapComesFromTheCellThenTheApplication) {
    TExtStringGrid g(nullptr);
    g.SetWordWraps(2, 2, false);
    bool ww = true;
    TGridDrawState state;
    plat::TBrush brush;
    plat::TFont font;
    TColor to, m, mt;
    plat::TAlignment ha;
    TVAlignment va;
    TCellGradientDirection gd = GradientVertical;
    g.CellVisualProperties(2, 2, state, false, false, true, brush, to, m, mt, font, ha, va, ww, gd);
    EXPECT_FALSE(ww) << "the cell's own setting";
    g.OnGetWordWrap = [](TObject*, int ACol, int, bool& W) { W = ACol == 2; };
    ww = false;
    g.CellVisualProperties(2, 2, state, false, false, true, brush, to, m, mt, font, ha, va, ww, gd);
    EXPECT_TRUE(ww) << "the application decides last";
}

TEST(ExtGridVisual, DisabledGridPaintsDisabledText) {
    TExtStringGrid g(nullptr);
    g.SetEnabled(false);
    EXPECT_EQ(Resolve(g, 2, 2).font.Color(), g.DisabledFontColor());
    EXPECT_EQ(Resolve(g, 0, 0).font.Color(), g.DisabledFontColor());
}

// Where a cell's text sits: the grid's default, numbers to the right with
// AutoNumAlign, the cell's own alignment over both (not for "=" cells under
// AutoNumAlign), and the application's event last. Properties made for
// another reason (a colour) start from the grid's alignment of the moment.
TEST(ExtGridVisual, AlignmentComesFromTheGridTheCellThenTheApplication) {
    enum TOwn { none, centred, colouredWhileCentred };
    const struct {
        const char* name;
        bool autoNum;
        const char* text;
        TOwn own;
        bool event;  // the application asks for taRightJustify
        plat::TAlignment expected;
    } cases[] = {
        {"grid default", false, "abc", none, false, plat::taLeftJustify},
        {"number with AutoNumAlign", true, "12.5", none, false, plat::taRightJustify},
        {"cell's own over the default", false, "abc", centred, false, plat::taCenter},
        {"cell's own over AutoNumAlign", true, "12", centred, false, plat::taCenter},
        {"formula keeps the grid's", true, "=1+2", centred, false, plat::taLeftJustify},
        {"made while the grid centred", false, "abc", colouredWhileCentred, false, plat::taCenter},
        {"application last", false, "abc", centred, true, plat::taRightJustify},
    };
    for (const auto& c : cases) {
        TExtStringGrid g(nullptr);
        if (c.own == colouredWhileCentred) {
            g.SetDefaultAlignment(plat::taCenter);
            g.SetColors(2, 2, RGB(1, 2, 3));
            g.SetDefaultAlignment(plat::taLeftJustify);
        }
        g.SetAutoNumAlign(c.autoNum);
        g.SetCells(2, 2, c.text);
        if (c.own == centred) g.SetAlignments(2, 2, plat::taCenter);
        if (c.event)
            g.OnGetAlignment = [](TObject*, int, int, plat::TAlignment& HA, TVAlignment&) {
                HA = plat::taRightJustify;
            };
        TGridDrawState state;
        plat::TBrush brush;
        plat::TFont font;
        TColor to, m, mt;
        plat::TAlignment ha = plat::taLeftJustify;
        TVAlignment va;
        bool ww = false;
        TCellGradientDirection gd = GradientVertical;
        g.CellVisualProperties(2, 2, state, false, false, true, brush, to, m, mt, font, ha, va, ww, gd);
        EXPECT_EQ(ha, c.expected) << c.name;
    }
}
