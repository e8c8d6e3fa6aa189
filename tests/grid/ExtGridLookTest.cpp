#include <gtest/gtest.h>

#include "GridOnFormFixture.h"

#include "grid/ExtGridLook.h"

using namespace grid;
using plat::clBlack;
using plat::clBtnFace;
using plat::clHighlight;
using plat::clHighlightText;
using plat::clNone;
using plat::TColor;

namespace {

// A record as a grid of another look holds it, so that every preset below
// really changes the look.
TGridLookColors StandardLook() {
    TGridLookColors L;
    L.Look = glCustom;
    SetLook(L, glStandard);
    return L;
}

}  // namespace

TEST(ExtGridLook, EachStyleWritesItsColourSet) {
    const struct {
        TExtGridStyle style;
        TGridLook look;
        TColor from, to, mirrorFrom, mirrorTo, active, activeTo, selection, selectionTo, selectionText, line, fixedLine,
            footer, footerTo;
        TGridSelectionStyle selStyle;
    } cases[] = {
        {gsSuiteABlue, glBevel, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack,
         0xC0C0C0, 0x808080, 0xFCE1CB, clNone, ssDefault},
        {gsSuiteASilver, glBevel, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack,
         0xC0C0C0, 0x808080, 0xECE2E1, clNone, ssDefault},
        {gsSuiteAOlive, glBevel, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, clBlack,
         0xC0C0C0, 0x808080, 0xCFF0EA, clNone, ssDefault},
        {gsSuiteAClassic, glBevel, 0xFFFFFF, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, clHighlight, clNone,
         clHighlightText, 0xC0C0C0, 0x808080, 0xFFFFFF, clNone, ssDefault},
        {gsSuiteBAzure, glSuiteB, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone,
         clBlack, 0xF1EDEB, 0xD1BBA4, 0xFBF9F6, clNone, ssSuiteB},
        {gsSuiteBObsidian, glSuiteB, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone,
         clBlack, 0xE5D7D0, 0x808080, 0xF7F7F7, clNone, ssSuiteB},
        {gsBevel, glBevel, clBtnFace, clBtnFace, clNone, clNone, clBtnFace, clBtnFace, clHighlight, clNone,
         clHighlightText, 0xC0C0C0, 0x808080, clBtnFace, clNone, ssDefault},
        {gsWorkbench, glStandard, 0xFFFFFF, clBtnFace, clNone, clNone, 0x94E6FB, 0x1595EE, clHighlight, clNone,
         clHighlightText, 0xC0C0C0, 0x808080, 0xFFFFFF, clNone, ssDefault},
        {gsSuiteBSilver, glSuiteB, 0xF3F3F1, 0xCAC9C8, clNone, clNone, 0x99CCFF, 0x699CFF,
         0x95C7F5, clNone, clBlack, 0xE5D7D0, 0x808080, 0xF3F3F1, clNone, ssSuiteB},
        {gsFrost, glFrost, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, clNone, clBlack,
         0xECECF0, 0xD4D2D1, 0xFFFFFF, 0xF4F2F1, ssFrost},
        {gsGlass, glGlass, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, clNone, clBlack,
         0xECECF0, 0xD4D2D1, 0xFDFCFA, 0xF7E9DD, ssGlass},
        {gsSuiteCBlue, glSuiteB, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
         clBlack, 0xC0C0C0, 0xC7B0A0, 0xF5E7DA, 0xF5E7DA, ssDefault},
        {gsSuiteCSilver, glSuiteB, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
         clBlack, 0xC0C0C0, 0xBAB5B1, 0xE8E3DF, 0xE8E3DF, ssDefault},
        {gsSuiteCBlack, glSuiteB, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
         clBlack, 0xC0C0C0, 0x444444, 0x6A6A6A, 0x6A6A6A, ssDefault},
    };
    for (const auto& c : cases) {
        TGridLookColors L = StandardLook();
        SetStyle(L, c.style);
        SCOPED_TRACE(testing::Message() << "style " << int(c.style));
        EXPECT_EQ(L.Look, c.look);
        EXPECT_EQ(L.Fixed.From, c.from);
        EXPECT_EQ(L.Fixed.To, c.to);
        EXPECT_EQ(L.Fixed.MirrorFrom, c.mirrorFrom);
        EXPECT_EQ(L.Fixed.MirrorTo, c.mirrorTo);
        EXPECT_EQ(L.ActiveCellColor, c.active);
        EXPECT_EQ(L.ActiveCellColorTo, c.activeTo);
        EXPECT_EQ(L.SelectionColor, c.selection);
        EXPECT_EQ(L.SelectionColorTo, c.selectionTo);
        EXPECT_EQ(L.SelectionTextColor, c.selectionText);
        EXPECT_EQ(L.GridLineColor, c.line);
        EXPECT_EQ(L.GridFixedLineColor, c.fixedLine);
        EXPECT_EQ(L.FooterColor, c.footer);
        EXPECT_EQ(L.FooterColorTo, c.footerTo);
        EXPECT_EQ(L.SelectionStyle, c.selStyle);
    }
}

TEST(ExtGridLook, ControlLookFixedColoursFollowTheStyleRule) {
    // K: the control look takes the grid's From/To; N: it ends without them.
    const struct {
        TExtGridStyle style;
        bool keeps;
    } cases[] = {{gsSuiteABlue, true}, {gsSuiteBAzure, true}, {gsSuiteBSilver, true},
                 {gsSuiteAClassic, false}, {gsBevel, false}, {gsFrost, false},
                 {gsSuiteCBlack, false}};
    for (const auto& c : cases) {
        TGridLookColors L = StandardLook();
        SetStyle(L, c.style);
        EXPECT_EQ(L.ControlFixed.From, c.keeps ? L.Fixed.From : clNone) << c.style;
        EXPECT_EQ(L.ControlFixed.To, c.keeps ? L.Fixed.To : clNone) << c.style;
        EXPECT_NE(L.Fixed.From, clNone) << c.style;
    }
}

TEST(ExtGridLook, HoverAndPressedSetsOfTheStyles) {
    const struct {
        TExtGridStyle style;
        TFaceColors hover, down, sortHeader;
    } cases[] = {
        {gsSuiteBAzure, {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
         {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D}, {}},
        {gsFrost, {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
         {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, clNone}},
        // The control look's hover colours overwrite the grid's first ones;
        // the border written first stays.
        {gsGlass, {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
         {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA}, {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, clNone}},
        {gsSuiteCSilver, {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
         {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2}, {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA, clNone}},
    };
    for (const auto& c : cases) {
        TGridLookColors L = StandardLook();
        SetStyle(L, c.style);
        EXPECT_EQ(L.Hover, c.hover) << c.style;
        EXPECT_EQ(L.Down, c.down) << c.style;
        EXPECT_EQ(L.SortHeader, c.sortHeader) << c.style;
    }
}

TEST(ExtGridLook, XPLookPresetFromAnotherLook) {
    TGridLookColors L = StandardLook();
    SetLook(L, glBevel);
    EXPECT_EQ(L.Fixed, (TFaceColors{plat::clWhite, clBtnFace, clNone, clNone, clNone}));
    EXPECT_EQ(L.Hover.From, 0xCFD0D1u);
    EXPECT_EQ(L.Hover.MirrorTo, 0xABBCBFu);
    EXPECT_EQ(L.Down.From, 0x868788u);
    EXPECT_EQ(L.Down.MirrorTo, 0x627376u);
    EXPECT_EQ(L.GridFixedLineColor, plat::clGray);
    EXPECT_EQ(L.GridLineColor, plat::clSilver);
    EXPECT_EQ(L.ActiveCellColor, 0xEACAB6u);
    EXPECT_EQ(L.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(L.SelectionTextColor, clBlack);
    EXPECT_EQ(L.SelectionStyle, ssDefault);
    EXPECT_EQ(L.BorderColor, 0xB99D7Fu);
    EXPECT_EQ(L.ScrollType, ssNormal);
}

TEST(ExtGridLook, SameLookChangesNothing) {
    TGridLookColors L;
    L.ScrollType = ssTile;
    L.BorderColor = plat::clRed;
    L.Fixed.From = plat::clRed;
    SetLook(L, L.Look);
    EXPECT_EQ(L.ScrollType, ssTile);
    EXPECT_EQ(L.BorderColor, plat::clRed);
    EXPECT_EQ(L.Fixed.From, plat::clRed);
}

TEST(ExtGridLook, LoadingClearsFixedColoursButWritesNoPreset) {
    TGridLookColors L = StandardLook();
    L.Loading = true;
    L.SelectionColor = plat::clRed;
    L.SortHeader.From = plat::clRed;
    L.ScrollType = ssTile;
    SetLook(L, glBevel);
    EXPECT_EQ(L.Fixed.From, clNone);
    EXPECT_EQ(L.Fixed.To, clNone);
    EXPECT_EQ(L.SortHeader.From, clNone);
    EXPECT_EQ(L.SelectionColor, plat::clRed);
    EXPECT_EQ(L.ScrollType, ssNormal);
    EXPECT_EQ(L.BorderColor, 0xB99D7Fu);
}

TEST(ExtGridLook, ObsidianPressedColoursDependOnTheLookBefore) {
    TGridLookColors fromBevel;  // look glBevel
    SetStyle(fromBevel, gsSuiteBObsidian);
    EXPECT_EQ(fromBevel.Down.From, 0xE4C19Du);

    TGridLookColors already = StandardLook();
    SetLook(already, glSuiteB);
    already.Down.From = plat::clRed;
    SetStyle(already, gsSuiteBObsidian);
    EXPECT_EQ(already.Down.From, plat::clRed);
    EXPECT_EQ(already.SelectionStyle, ssDefault);
}

TEST(ExtGridLook, CustomStyleResetsOnlySelectionAndControlLook) {
    TGridLookColors L;
    L.SelectionColor = plat::clRed;
    L.SortHeader = {plat::clRed, plat::clRed, plat::clRed, plat::clRed, clNone};
    L.ControlColor = plat::clRed;
    const TFaceColors fixed = L.Fixed;
    const TColor line = L.GridLineColor;
    SetStyle(L, gsCustom);
    EXPECT_EQ(L.SelectionColor, clHighlight);
    EXPECT_EQ(L.SelectionTextColor, clHighlightText);
    EXPECT_EQ(L.SortHeader, TFaceColors{});
    EXPECT_EQ(L.ControlColor, clBlack);
    EXPECT_EQ(L.Fixed.From, fixed.From);
    EXPECT_EQ(L.GridLineColor, line);
    EXPECT_EQ(L.Look, glBevel);
}

TEST(ExtGridLook, ThemeSchemes) {
    const struct {
        TBevelColorScheme scheme;
        TColor from, to, active, footerTo, controlFrom;
    } cases[] = {
        {bcsBlue, 0xFCE1CB, 0xE0A57D, 0x94E6FB, 0xE0A57D, 0xFCE1CB},
        {bcsGreen, 0xCFF0EA, 0x8CC0B1, 0x94E6FB, 0x8CC0B1, 0xCFF0EA},
        {bcsGray, 0xECE2E1, 0xB39698, 0x94E6FB, 0xB39698, 0xECE2E1},
        {bcsFrost, 0xFFFFFF, 0xFFFFFF, 0x94E6FB, 0xB39698, 0xFFFFFF},
        {bcsNone, 0xFFFFFF, clBtnFace, 0xFFFFFF, 0xFFD9B3, clNone},
    };
    for (const auto& c : cases) {
        TGridLookColors L;
        SetTheme(L, c.scheme);
        EXPECT_EQ(L.Fixed.From, c.from) << c.scheme;
        EXPECT_EQ(L.Fixed.To, c.to) << c.scheme;
        EXPECT_EQ(L.ActiveCellColor, c.active) << c.scheme;
        EXPECT_EQ(L.FooterColorTo, c.footerTo) << c.scheme;
        EXPECT_EQ(L.ControlFixed.From, c.controlFrom) << c.scheme;
    }
}

TEST(ExtGridLook, LookNames) {
    const struct {
        TGridLook look;
        const char* ident;
        const char* text;
    } cases[] = {{glStandard, "glStandard", "Standard"}, {glBevel, "glBevel", "Bevel"},
                 {glListView, "glListView", "ListView"}, {glSuiteB, "glSuiteB", "SuiteB"},
                 {glCustom, "keep", "keep"}};
    for (const auto& c : cases) {
        std::string ident = "keep", text = "keep";
        LookToIdent(c.look, ident);
        LookToText(c.look, text);
        EXPECT_EQ(ident, c.ident);
        EXPECT_EQ(text, c.text);
    }
}

TEST(ExtGridLook, ComponentStyleLeavesTileScrolling) {
    TGridLookColors L;
    L.ScrollType = ssTile;
    SetComponentStyle(L, 8);  // the custom style keeps it
    EXPECT_EQ(L.ScrollType, ssTile);
    SetComponentStyle(L, 0);
    EXPECT_EQ(L.ScrollType, ssNormal);
    EXPECT_EQ(L.Style, gsSuiteABlue);
}

TEST(ExtGridLook, AppliedToAGrid) {
    TExtStringGrid g(nullptr);
    TGridLookColors L = LookOfGrid(g);
    SetStyle(L, gsSuiteABlue);
    ApplyLookToGrid(L, g);
    EXPECT_EQ(g.KeloGradientFrom(), 0xFCE1CBu);
    EXPECT_EQ(g.KeloGradientTo(), 0xE0A57Du);
    EXPECT_EQ(g.SelectionColor(), 0x94E6FBu);
    EXPECT_EQ(g.ActiveCellColor(), 0x94E6FBu);
}

// ------------------------------------------------------------------ the grid's published look

#include <filesystem>
#include <memory>

#include "grid/ExtGridPaint.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/GuiApp.h"
#include "platform/TestHooks.h"

namespace {

struct LookGrid : GridOnHiddenForm<> {
    LookGrid() : GridOnHiddenForm({0, 0, 420, 240}, {0, 0, 400, 200}, 5, 6) {}
};

TColor Rgb(TColor c) { return c == clNone ? c : plat::ColorToRGB(c); }

}  // namespace

TEST(ExtGridLook, PublishedLookAppliesItsPreset) {
    const struct {
        TGridLook look;
        TColor selection, active, from, to, mirrorTo, line, fixedLine;
        TGridSelectionStyle selectionStyle;
        TColor controlFrom;  // the control look's copy of From
    } cases[] = {
        {glStandard, clHighlight, plat::clGray, clBtnFace, clNone, clNone, plat::clSilver, plat::clGray, ssDefault,
         clBtnFace},
        {glFrost, 0xEACAB6, 0xFDF8F1, 0xFFFFFF, 0xFFFFFF, 0xF4F2F1, 0xECECF0, 0xD4D2D1, ssFrost, clNone},
        {glSuiteB, 0x5EC1F1, 0x9DD8F9, 0xFBF9F6, 0xE8DBD2, clNone, 0xF1EDEB, 0xD1BBA4, ssSuiteB, 0xFBF9F6},
        {glBevel, 0xEACAB6, 0xEACAB6, plat::clWhite, clBtnFace, clNone, plat::clSilver, plat::clGray, ssDefault,
         plat::clWhite},
        {glKelo, 0xEACAB6, 0xEACAB6, plat::clWhite, plat::clSilver, clNone, plat::clSilver, plat::clGray, ssDefault,
         plat::clWhite},
    };
    TExtStringGrid g(nullptr);
    for (const auto& c : cases) {
        g.SetLook(c.look);
        EXPECT_EQ(g.Look(), c.look);
        EXPECT_EQ(Rgb(g.SelectionColor()), Rgb(c.selection)) << c.look;
        EXPECT_EQ(Rgb(g.ActiveCellColor()), Rgb(c.active)) << c.look;
        EXPECT_EQ(g.KeloGradientFrom(), Rgb(c.from)) << c.look;
        EXPECT_EQ(g.KeloGradientTo(), Rgb(c.to)) << c.look;
        EXPECT_EQ(g.KeloGradientMirrorTo(), Rgb(c.mirrorTo)) << c.look;
        EXPECT_EQ(Rgb(g.GridLineColor()), Rgb(c.line)) << c.look;
        EXPECT_EQ(Rgb(g.GridFixedLineColor()), Rgb(c.fixedLine)) << c.look;
        EXPECT_EQ(g.SelectionStyle(), c.selectionStyle) << c.look;
        EXPECT_EQ(g.ControlLook().FixedGradientFrom(), c.controlFrom) << c.look;
    }
}

TEST(ExtGridLook, PresetKeepsColoursItDoesNotWrite) {
    TExtStringGrid g(nullptr);
    g.SetLook(glStandard);  // makes the painter's record
    g.SetGridLineColor(plat::clRed);
    g.SetBorderColor(plat::clGreen);
    g.SetLook(glStandard);  // unchanged: nothing at all happens
    EXPECT_EQ(g.GridLineColor(), plat::clRed);
    EXPECT_EQ(g.BorderColor(), plat::clGreen);
    // The custom look writes no colour: what was set one by one stays.
    g.SetLook(glCustom);
    EXPECT_EQ(g.GridLineColor(), plat::clRed);
    EXPECT_EQ(g.Look(), glCustom);
}

TEST(ExtGridLook, FixedFaceSettersKeepNotSet) {
    TExtStringGrid g(nullptr);
    const struct {
        void (TExtStringGrid::*set)(TColor);
        TColor (TExtStringGrid::*get)() const;
    } kept[] = {{&TExtStringGrid::SetKeloGradientFrom, &TExtStringGrid::KeloGradientFrom},
                {&TExtStringGrid::SetKeloGradientTo, &TExtStringGrid::KeloGradientTo},
                {&TExtStringGrid::SetKeloGradientMirrorFrom, &TExtStringGrid::KeloGradientMirrorFrom},
                {&TExtStringGrid::SetKeloGradientMirrorTo, &TExtStringGrid::KeloGradientMirrorTo}};
    for (const auto& k : kept) {
        (g.*k.set)(clNone);
        EXPECT_EQ((g.*k.get)(), clNone);
        (g.*k.set)(clBtnFace);
        EXPECT_EQ((g.*k.get)(), plat::ColorToRGB(clBtnFace));
    }
    g.SetKeloGradientHoverTo(clNone);
    EXPECT_EQ(g.KeloGradientHoverTo(), clNone);
    // Through the control look an unset From leaves the grid's colour.
    g.SetKeloGradientFrom(0x123456);
    g.ControlLook().SetFixedGradientFrom(clNone);
    EXPECT_EQ(g.KeloGradientFrom(), 0x123456u);
}

TEST(ExtGridLook, HoveredAndPressedHeaderFaces) {
    const TColor hoverTop = 0xCFD0D1, downTop = 0x868788;
    const struct {
        const char* name;
        THoverFixedCells setting;
        bool pressed;
        TColor top;  // the face's colour near its top, clNone: the normal face
    } cases[] = {{"none", hfNone, false, clNone},
                 {"hover", hfFixedRows, false, hoverTop},
                 {"pressed", hfAll, true, downTop},
                 {"columns only", hfFixedColumns, false, clNone}};
    for (const auto& c : cases) {
        LookGrid t;
        t.g->SetHoverFixedCells(c.setting);
        t.g->SetFixedCellHover({2, 0, c.pressed, false, false});
        const plat::TBitmap bmp = t.Shot(std::string("ExtGridLook_Hover_") + c.name + ".png");
        const int x = 64 * 2 + 30, y = 4;
        const TColor got = bmp.Pixel(x, y);
        const TColor other = bmp.Pixel(64 * 3 + 30, y);
        if (c.top == clNone) {
            EXPECT_EQ(got, other) << c.name;
        } else {
            EXPECT_NE(got, other) << c.name;
            EXPECT_NEAR(plat::GetRValue(got), plat::GetRValue(c.top), 12) << c.name;
            EXPECT_NEAR(plat::GetBValue(got), plat::GetBValue(c.top), 12) << c.name;
        }
    }
}
