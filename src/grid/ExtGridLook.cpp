#include "grid/ExtGridLook.h"

#include <algorithm>

#include "controls/EsgHTMLE.h"
#include "grid/ExtGridPaint.h"
#include "grid/ExtGridView.h"

namespace grid {

using plat::clNone;

void TGridLookColors::SetControlFixed(TColor From, TColor To) {
    ControlFixed.From = From;
    ControlFixed.To = To;
    if (From != clNone) Fixed.From = From;
    if (To != clNone) Fixed.To = To;
}

void TGridLookColors::SetControlFixedMirror(TColor MirrorFrom, TColor MirrorTo) {
    ControlFixed.MirrorFrom = Fixed.MirrorFrom = MirrorFrom;
    ControlFixed.MirrorTo = Fixed.MirrorTo = MirrorTo;
}

namespace {

void WriteThrough(TFaceColors& Control, TFaceColors& Grid, const TFaceColors& Face, bool WithBorder) {
    Control.From = Face.From;
    Control.To = Face.To;
    Control.MirrorFrom = Grid.MirrorFrom = Face.MirrorFrom;
    Control.MirrorTo = Grid.MirrorTo = Face.MirrorTo;
    if (Face.From != clNone) Grid.From = Face.From;
    if (Face.To != clNone) Grid.To = Face.To;
    if (WithBorder) {
        Control.Border = Face.Border;
        if (Face.Border != clNone) Grid.Border = Face.Border;
    }
}

}  // namespace

void TGridLookColors::SetControlHover(const TFaceColors& Face, bool WithBorder) {
    WriteThrough(ControlHover, Hover, Face, WithBorder);
}

void TGridLookColors::SetControlDown(const TFaceColors& Face, bool WithBorder) {
    WriteThrough(ControlDown, Down, Face, WithBorder);
}

// ------------------------------------------------------------------ names
namespace {
struct TLookName {
    const char* ident;
    const char* text;
};
constexpr TLookName kLookNames[] = {
    {"glStandard", "Standard"},    {"glSoft", "Soft"},         {"glClassic", "Classic"},
    {"glKelo", "Kelo"},            {"glBevel", "Bevel"},     {"glListView", "ListView"},
    {"glFrost", "Frost"},  {"glGlass", "Glass"},    {"glSuiteB", "SuiteB"},
};
}  // namespace

void LookToIdent(TGridLook Value, std::string& Text) {
    if (Value >= glStandard && Value < glCustom) Text = kLookNames[Value].ident;
}

void LookToText(TGridLook Value, std::string& Text) {
    if (Value >= glStandard && Value < glCustom) Text = kLookNames[Value].text;
}

// ------------------------------------------------------------------ SetLook
void SetLook(TGridLookColors& L, TGridLook Value) {
    if (Value == L.Look) return;
    L.Look = Value;
    if (Value != glCustom) {
        L.SetControlFixedMirror(clNone, clNone);
        L.SetControlFixed(clNone, clNone);
        L.Fixed.From = L.Fixed.To = L.Fixed.MirrorFrom = L.Fixed.MirrorTo = clNone;
        L.SortHeader.From = clNone;
    }
    switch (Value) {
        case glFrost:
            SetStyle(L, gsFrost);
            L.Style = gsFrost;
            L.SelectionStyle = ssFrost;
            break;
        case glGlass:
            SetStyle(L, gsGlass);
            L.Style = gsGlass;
            L.SelectionStyle = ssGlass;
            break;
        case glSuiteB:
            SetStyle(L, gsSuiteBAzure);
            L.Style = gsSuiteBAzure;
            L.SelectionStyle = ssSuiteB;
            break;
        case glCustom:
            break;
        default: {
            L.SelectionStyle = ssDefault;
            if (L.Loading) break;
            const bool classic = Value == glStandard || Value == glSoft || Value == glClassic;
            if (classic) {
                L.FixedColor = plat::clBtnFace;
                L.SetControlFixed(plat::clBtnFace, clNone);
            } else {
                L.SetControlFixed(plat::clWhite, plat::clBtnFace);
            }
            L.GridFixedLineColor = plat::clGray;
            L.SetControlFixedMirror(clNone, clNone);
            L.GridLineColor = plat::clSilver;
            if (Value == glKelo || Value == glBevel) {
                L.ActiveCellColor = 0xEACAB6;
                L.ActiveCellColorTo = clNone;
                L.SelectionColor = 0xEACAB6;
                L.SelectionColorTo = clNone;
                L.SelectionTextColor = plat::clBlack;
                L.FooterColor = L.Fixed.From;
                L.FooterColorTo = L.Fixed.To;
                L.SetControlFixed(plat::clWhite, Value == glBevel ? plat::clBtnFace : plat::clSilver);
                L.SetControlHover({0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, clNone}, false);
                L.SetControlDown({0x868788, 0x737C7E, 0x737C7E, 0x627376, clNone}, false);
            } else {
                L.ActiveCellColor = plat::clGray;
                L.ActiveCellColorTo = clNone;
                L.SelectionColor = plat::clHighlight;
                L.SelectionTextColor = plat::clHighlightText;
                L.FooterColor = L.FooterColorTo = plat::clBtnFace;
            }
            break;
        }
    }
    L.ScrollType = ssNormal;
    L.BorderSingle = true;
    L.BorderColor = 0xB99D7F;
}

// ------------------------------------------------------------------ SetStyle
namespace {

enum TControlFixedRule { cfNone, cfKeep, cfClear };  // "—", K, N

struct TStyleRow {
    bool setsLook;
    TGridLook look;
    bool setsFixed;
    TColor from, to;
    bool setsMirror;
    TColor mirrorFrom, mirrorTo;
    bool setsActive;
    TColor active, activeTo;
    bool setsSelection;
    TColor selection, selectionTo, selectionText;
    bool setsLines;
    TColor line, fixedLine;
    TControlFixedRule rule;
};

constexpr TColor H = plat::clHighlight;
constexpr TColor HT = plat::clHighlightText;
constexpr TColor BF = plat::clBtnFace;
constexpr TColor BK = plat::clBlack;

// One row per style, in the style's order.
constexpr TStyleRow kStyles[] = {
    {true, glBevel, true, 0xFCE1CB, 0xE0A57D, true, clNone, clNone, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, BK,
     true, 0xC0C0C0, 0x808080, cfKeep},
    {true, glBevel, true, 0xECE2E1, 0xB39698, true, clNone, clNone, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, BK,
     true, 0xC0C0C0, 0x808080, cfKeep},
    {true, glBevel, true, 0xCFF0EA, 0x8CC0B1, true, clNone, clNone, true, 0x94E6FB, 0x1595EE, true, 0x94E6FB, 0x1595EE, BK,
     true, 0xC0C0C0, 0x808080, cfKeep},
    {true, glBevel, true, 0xFFFFFF, 0xCCD4D8, true, clNone, clNone, true, 0xD8D5D4, 0xD8D5D4, true, H, clNone, HT, true,
     0xC0C0C0, 0x808080, cfClear},
    {true, glSuiteB, true, 0xFBF9F6, 0xE8DBD2, true, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, true, 0x5EC1F1, clNone,
     BK, true, 0xF1EDEB, 0xD1BBA4, cfKeep},
    {true, glSuiteB, true, 0xF7F7F7, 0xDEDEDE, true, clNone, clNone, true, 0x9DD8F9, 0x5EC1F1, true, 0x5EC1F1, clNone,
     BK, true, 0xE5D7D0, 0x808080, cfKeep},
    {true, glBevel, true, BF, BF, true, clNone, clNone, true, BF, BF, true, H, clNone, HT, true, 0xC0C0C0, 0x808080, cfClear},
    {false, glBevel, true, 0xFFFFFF, BF, true, clNone, clNone, true, 0x94E6FB, 0x1595EE, true, H, clNone, HT, true, 0xC0C0C0,
     0x808080, cfClear},
    {false, glBevel, false, 0, 0, false, 0, 0, false, 0, 0, true, H, clNone, HT, false, 0, 0, cfNone},
    {true, glSuiteB, true, 0xF3F3F1, 0xCAC9C8, false, 0, 0, true, 0x99CCFF, 0x699CFF, true, 0x95C7F5, clNone, BK,
     true, 0xE5D7D0, 0x808080, cfKeep},
    {true, glFrost, true, 0xFFFFFF, 0xFFFFFF, true, 0xFAF8F7, 0xF4F2F1, true, 0xFDF8F1, 0xFCEFD5, true, 0xEACAB6, clNone,
     BK, true, 0xECECF0, 0xD4D2D1, cfClear},
    {true, glGlass, true, 0xFDFCFA, 0xFAF0E6, true, 0xF4E6DC, 0xF7E9DD, true, 0xFCEBDC, 0xFCDBC1, true, 0xEACAB6, clNone,
     BK, true, 0xECECF0, 0xD4D2D1, cfClear},
    {true, glStandard, false, 0, 0, false, 0, 0, false, 0, 0, true, H, clNone, HT, false, 0, 0, cfNone},
    {true, glSuiteB, true, 0xF5E7DA, 0xF5E7DA, true, 0xF5E7DA, 0xF5E7DA, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7,
     clNone, BK, true, 0xC0C0C0, 0xC7B0A0, cfClear},
    {true, glSuiteB, true, 0xE8E3DF, 0xE8E3DF, true, 0xE8E3DF, 0xE8E3DF, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7,
     clNone, BK, true, 0xC0C0C0, 0xBAB5B1, cfClear},
    {true, glSuiteB, true, 0x6A6A6A, 0x6A6A6A, true, 0x6A6A6A, 0x6A6A6A, true, 0x5BD5FF, 0x71EFFF, true, 0xFFDBB7,
     clNone, BK, true, 0xC0C0C0, 0x444444, cfClear},
};

constexpr TFaceColors kSortHeaderFrost{0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8, clNone};

void ResetControlLook(TGridLookColors& L) {
    // Only the mirror colours reach the grid here: the grid's own fixed,
    // hover and pressed colours stay until a style writes them.
    L.ControlColor = plat::clBlack;
    L.CommentColor = plat::clRed;
    L.ProgressBorderColor = plat::clGray;
    L.ControlFixed = {};
    L.Fixed.MirrorFrom = L.Fixed.MirrorTo = clNone;
    L.ControlHover = {plat::clWhite, plat::clGray, clNone, clNone, plat::clSilver};
    L.ControlDown = {plat::clSilver, plat::clGray, clNone, clNone, plat::clGray};
    L.Hover.MirrorFrom = L.Hover.MirrorTo = clNone;
    L.Down.MirrorFrom = L.Down.MirrorTo = clNone;
}

}  // namespace

void SetStyle(TGridLookColors& L, TExtGridStyle AStyle) {
    L.SelectionColor = plat::clHighlight;
    L.SelectionColorTo = clNone;
    L.SelectionTextColor = plat::clHighlightText;
    L.SelectionStyle = ssDefault;
    L.SortHeader = {};
    ResetControlLook(L);

    const TStyleRow& s = kStyles[AStyle];
    if (s.setsLook) SetLook(L, s.look);
    if (s.setsFixed) {
        L.Fixed.From = s.from;
        L.Fixed.To = s.to;
    }
    if (s.setsMirror) {
        L.Fixed.MirrorFrom = s.mirrorFrom;
        L.Fixed.MirrorTo = s.mirrorTo;
    }
    if (s.setsActive) {
        L.ActiveCellColor = s.active;
        L.ActiveCellColorTo = s.activeTo;
    }
    switch (s.rule) {
        case cfKeep:
            L.SetControlFixed(L.Fixed.From, L.Fixed.To);
            break;
        case cfClear:
            L.ControlFixed.From = L.ControlFixed.To = clNone;
            break;
        case cfNone:
            break;
    }
    // The hover and pressed sets of the styles that have their own.
    switch (AStyle) {
        case gsSuiteBAzure:
            L.SetControlHover({0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87});
            L.SetControlDown({0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D});
            break;
        case gsFrost:
            L.SetControlFixedMirror(L.Fixed.MirrorFrom, L.Fixed.MirrorTo);
            L.Hover = {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993};
            L.SetControlHover(L.Hover, false);
            L.SetControlDown({0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F});
            L.SortHeader = kSortHeaderFrost;
            break;
        case gsGlass:
            L.SetControlFixedMirror(L.Fixed.MirrorFrom, L.Fixed.MirrorTo);
            L.Hover = {0xFDF8F3, 0xF9F3EF, clNone, clNone, 0xEEE8E3};
            L.SetControlHover({0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, clNone}, false);
            L.SetControlDown({0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA});
            L.SortHeader = kSortHeaderFrost;
            break;
        case gsSuiteCBlue:
        case gsSuiteCSilver:
        case gsSuiteCBlack: {
            L.SetControlFixedMirror(L.Fixed.MirrorFrom, L.Fixed.MirrorTo);
            L.Hover = {};
            L.SetControlHover({0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8});
            L.SetControlDown({0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2});
            const TColor header = AStyle == gsSuiteCBlue ? 0xD6CEC7 : AStyle == gsSuiteCSilver ? 0xAAAAAA : 0xBABABA;
            L.SortHeader = {header, header, header, header, clNone};
            break;
        }
        default:
            break;
    }
    if (AStyle != gsCustom && AStyle != gsTerminal) {
        L.FooterColor = L.Fixed.From;
        L.FooterColorTo = L.Fixed.MirrorTo;
    }
    if (s.setsLines) {
        L.GridLineColor = s.line;
        L.GridFixedLineColor = s.fixedLine;
    }
    if (s.setsSelection) {
        L.SelectionColor = s.selection;
        L.SelectionColorTo = s.selectionTo;
        L.SelectionTextColor = s.selectionText;
    }
    switch (AStyle) {
        case gsSuiteBAzure:
            L.SelectionStyle = ssSuiteB;
            break;
        case gsFrost:
            L.SelectionStyle = ssFrost;
            break;
        case gsGlass:
            L.SelectionStyle = ssGlass;
            break;
        case gsSuiteBObsidian:
        case gsSuiteBSilver:
            break;  // what the look change left
        default:
            L.SelectionStyle = ssDefault;
            break;
    }
}

void SetComponentStyle(TGridLookColors& L, int AKeloStyle) {
    if (AKeloStyle < gsSuiteABlue || AKeloStyle > gsSuiteCBlack) return;
    const auto style = static_cast<TExtGridStyle>(AKeloStyle);
    L.Style = style;
    SetStyle(L, style);
    if (style != gsCustom && L.ScrollType == ssTile) L.ScrollType = ssNormal;
}

void SetTheme(TGridLookColors& L, TBevelColorScheme Scheme) {
    struct TRow {
        TColor from, to, mirrorFrom, mirrorTo, active, activeTo, footer, footerTo;
        bool controlFromGrid;
    };
    static constexpr TRow kRows[] = {
        {0xFFFFFF, BF, clNone, clNone, 0xFFFFFF, 0xFFD9B3, 0xFFFFFF, 0xFFD9B3, false},        // bcsNone
        {0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0xFCE1CB, 0xE0A57D, true},   // bcsBlue
        {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0xCFF0EA, 0x8CC0B1, true},   // bcsGreen
        {0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},   // bcsGray
        {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0x94E6FB, 0x1595EE, 0xECE2E1, 0xB39698, true},  // bcsFrost
    };
    const TRow& r = kRows[Scheme];
    L.Fixed.From = r.from;
    L.Fixed.To = r.to;
    L.Fixed.MirrorFrom = r.mirrorFrom;
    L.Fixed.MirrorTo = r.mirrorTo;
    L.ActiveCellColor = r.active;
    L.ActiveCellColorTo = r.activeTo;
    if (r.controlFromGrid) {
        L.SetControlFixed(r.from, r.to);
    } else {
        L.ControlFixed.From = L.ControlFixed.To = clNone;
    }
    L.FooterColor = r.footer;
    L.FooterColorTo = r.footerTo;
}

// ------------------------------------------------------------------ grid binding
TGridLookColors LookOfGrid(TExtStringGrid& Grid) {
    TGridLookColors L;
    ReadGridLook(Grid, L);
    return L;
}

void ReadGridLook(TExtStringGrid& Grid, TGridLookColors& L) {
    L.Look = Grid.Look();
    L.Loading = Grid.IsLoading();
    L.Fixed.From = Grid.KeloGradientFrom();
    L.Fixed.To = Grid.KeloGradientTo();
    L.Fixed.MirrorFrom = Grid.KeloGradientMirrorFrom();
    L.Fixed.MirrorTo = Grid.KeloGradientMirrorTo();
    const TControlLook& cl = Grid.ControlLook();
    L.ControlFixed = {cl.FixedGradientFrom(), cl.FixedGradientTo(), cl.FixedGradientMirrorFrom(),
                      cl.FixedGradientMirrorTo(), plat::clNone};
    L.ControlColor = cl.Color();
    L.CommentColor = cl.CommentColor();
    L.ProgressBorderColor = cl.ProgressBorderColor();
    L.ActiveCellColor = Grid.ActiveCellColor();
    L.ActiveCellColorTo = Grid.ActiveCellColorTo();
    L.SelectionColor = Grid.SelectionColor();
    L.SelectionColorTo = Grid.SelectionColorTo();
    L.SelectionTextColor = Grid.SelectionTextColor();
    L.ScrollType = Grid.ScrollType();
    L.BorderColor = Grid.BorderColor();
    L.FixedColor = Grid.FixedColor();
    L.GridLineColor = Grid.GridLineColor();
    L.GridFixedLineColor = Grid.GridFixedLineColor();
    L.SelectionStyle = Grid.SelectionStyle();
    L.FooterColor = Grid.SearchFooter().Color();
    L.FooterColorTo = Grid.SearchFooter().ColorTo();
}

void ApplyLookToGrid(const TGridLookColors& L, TExtStringGrid& Grid) {
    Grid.SetLookValue(L.Look);
    // The control look first: its setters write through to the grid's
    // colours, which then take the record's own values.
    TControlLook& cl = Grid.ControlLook();
    cl.SetFixedGradientFrom(L.ControlFixed.From);
    cl.SetFixedGradientTo(L.ControlFixed.To);
    cl.SetFixedGradientMirrorFrom(L.ControlFixed.MirrorFrom);
    cl.SetFixedGradientMirrorTo(L.ControlFixed.MirrorTo);
    Grid.SetKeloGradientFrom(L.Fixed.From);
    Grid.SetKeloGradientTo(L.Fixed.To);
    Grid.SetKeloGradientMirrorFrom(L.Fixed.MirrorFrom);
    Grid.SetKeloGradientMirrorTo(L.Fixed.MirrorTo);
    Grid.SetActiveCellColor(L.ActiveCellColor);
    Grid.SetActiveCellColorTo(L.ActiveCellColorTo);
    Grid.SetSelectionColor(L.SelectionColor);
    Grid.SetSelectionColorTo(L.SelectionColorTo);
    Grid.SetSelectionTextColor(L.SelectionTextColor);
    Grid.SearchFooter().SetColor(L.FooterColor);
    Grid.SearchFooter().SetColorTo(L.FooterColorTo);
    Grid.SetScrollType(L.ScrollType);
    Grid.SetBorderColor(L.BorderColor);
    Grid.SetFixedColor(L.FixedColor);
    Grid.SetGridLineColor(L.GridLineColor);
    Grid.SetGridFixedLineColor(L.GridFixedLineColor);
    Grid.SetSelectionStyle(L.SelectionStyle);
    Grid.ControlLook().SetColor(L.ControlColor);
    Grid.ControlLook().SetCommentColor(L.CommentColor);
}

// ------------------------------------------------------------------ the grid's look properties
void TExtStringGrid::SetLook(TGridLook Value) {
    if (Value == FLook) return;
    Painter().SetLook(Value);
}

void TExtStringGrid::SetLookValue(TGridLook Value) {
    if (Value == FLook) return;
    FLook = Value;
    Invalidate();
}

namespace {
// A face colour the grid keeps as it was given; "not set" stays not set.
void SetFace(TExtStringGrid& G, TColor& Field, TColor Value) {
    const TColor v = Value == plat::clNone ? Value : plat::ColorToRGB(Value);
    if (Field == v) return;
    Field = v;
    G.Invalidate();
}
}  // namespace

TColor TExtStringGrid::KeloGradientHoverFrom() { return Painter().Look().Hover.From; }
void TExtStringGrid::SetKeloGradientHoverFrom(TColor V) { SetFace(*this, Painter().Look().Hover.From, V); }
TColor TExtStringGrid::KeloGradientHoverTo() { return Painter().Look().Hover.To; }
void TExtStringGrid::SetKeloGradientHoverTo(TColor V) { SetFace(*this, Painter().Look().Hover.To, V); }
TColor TExtStringGrid::KeloGradientHoverMirrorFrom() { return Painter().Look().Hover.MirrorFrom; }
void TExtStringGrid::SetKeloGradientHoverMirrorFrom(TColor V) { SetFace(*this, Painter().Look().Hover.MirrorFrom, V); }
TColor TExtStringGrid::KeloGradientHoverMirrorTo() { return Painter().Look().Hover.MirrorTo; }
void TExtStringGrid::SetKeloGradientHoverMirrorTo(TColor V) { SetFace(*this, Painter().Look().Hover.MirrorTo, V); }
TColor TExtStringGrid::KeloGradientHoverBorder() { return Painter().Look().Hover.Border; }
void TExtStringGrid::SetKeloGradientHoverBorder(TColor V) { SetFace(*this, Painter().Look().Hover.Border, V); }
TColor TExtStringGrid::KeloGradientDownFrom() { return Painter().Look().Down.From; }
void TExtStringGrid::SetKeloGradientDownFrom(TColor V) { SetFace(*this, Painter().Look().Down.From, V); }
TColor TExtStringGrid::KeloGradientDownTo() { return Painter().Look().Down.To; }
void TExtStringGrid::SetKeloGradientDownTo(TColor V) { SetFace(*this, Painter().Look().Down.To, V); }
TColor TExtStringGrid::KeloGradientDownMirrorFrom() { return Painter().Look().Down.MirrorFrom; }
void TExtStringGrid::SetKeloGradientDownMirrorFrom(TColor V) { SetFace(*this, Painter().Look().Down.MirrorFrom, V); }
TColor TExtStringGrid::KeloGradientDownMirrorTo() { return Painter().Look().Down.MirrorTo; }
void TExtStringGrid::SetKeloGradientDownMirrorTo(TColor V) { SetFace(*this, Painter().Look().Down.MirrorTo, V); }
TColor TExtStringGrid::KeloGradientDownBorder() { return Painter().Look().Down.Border; }
void TExtStringGrid::SetKeloGradientDownBorder(TColor V) { SetFace(*this, Painter().Look().Down.Border, V); }

void TExtStringGrid::SetHoverFixedCells(THoverFixedCells Value) {
    FHoverFixedCells = Value;
    Invalidate();
}

void TExtStringGrid::SetFixedCellHover(const TFixedCellHover& Value) {
    TViewState& v = View();
    const TFixedCellHover was = v.HoverFixed;
    v.HoverFixed = Value;
    if (was == Value || FHoverFixedCells == hfNone) return;
    if (was.Col >= 0 && was.Row >= 0) RepaintCell(was.Col, was.Row);
    if (Value.Col >= 0 && Value.Row >= 0) RepaintCell(Value.Col, Value.Row);
}

TExtStringGrid::TFixedCellHover TExtStringGrid::FixedCellHover() { return View().HoverFixed; }

bool TExtStringGrid::HoverFixedCellAllowed(int ACol, int ARow) {
    switch (FHoverFixedCells) {
        case hfAll: return ACol < FixedCols() || ARow < FixedRows() || IsFixed(ACol, ARow);
        case hfFixedColumns: return ACol < FixedCols();
        case hfFixedRows: return ARow < FixedRows();
        default: return false;
    }
}

// ------------------------------------------------------------------ setters that store and repaint
namespace {
template <typename T>
void StoreAndRepaint(TExtStringGrid& G, T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    G.Invalidate();
}
}  // namespace

void TExtStringGrid::SetSelectionColorTo(TColor Value) { StoreAndRepaint(*this, FSelectionColorTo, Value); }
void TExtStringGrid::SetSelectionMirrorColor(TColor Value) { StoreAndRepaint(*this, FSelectionMirrorColor, Value); }
void TExtStringGrid::SetSelectionMirrorColorTo(TColor Value) {
    StoreAndRepaint(*this, FSelectionMirrorColorTo, Value);
}
void TExtStringGrid::SetSelectionTextColor(TColor Value) { StoreAndRepaint(*this, FSelectionTextColor, Value); }
void TExtStringGrid::SetSelectionColorMixerFactor(int Value) {
    StoreAndRepaint(*this, FSelectionColorMixerFactor, std::clamp(Value, 0, 100));
}
void TExtStringGrid::SetActiveCellColorTo(TColor Value) {
    FActiveCellColorTo = Value;
    Invalidate();
}

void TExtStringGrid::SetHighlightColor(TColor Value) {
    if (Value == FHighlightColor) return;
    FHighlightColor = Value;
    ctl::SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetHighlightTextColor(TColor Value) {
    if (Value == FHighlightTextColor) return;
    FHighlightTextColor = Value;
    ctl::SetHtmlHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TExtStringGrid::SetURLColor(TColor Value) {
    if (Value == FURLColor) return;
    FURLColor = Value;
    if (FURLShow) Invalidate();
}

void TExtStringGrid::SetURLShow(bool Value) { StoreAndRepaint(*this, FURLShow, Value); }
bool TExtStringGrid::URLFull() const { return FView && FView->URLFull; }
void TExtStringGrid::SetURLFull(bool Value) {
    View().URLFull = Value;
    if (FURLShow) Invalidate();
}

void TExtStringGrid::SetXYOffset(plat::TPoint Value) {
    FXYOffset = Value;
    Invalidate();
}

void TExtStringGrid::UpdateXYOffset(int X, int Y) { FXYOffset = {X, Y}; }

void TExtStringGrid::SetFlat(bool Value) {
    FFlat = Value;
    if (!FLoading) Invalidate();
}

void TExtStringGrid::SetShowDesignHelper(bool Value) { StoreAndRepaint(*this, FShowDesignHelper, Value); }

TSyncGrid& TExtStringGrid::SyncGrid() { return View().SyncGrid; }
TSearchFooter& TExtStringGrid::SearchFooter() { return View().SearchFooter; }

// ------------------------------------------------------------------ tones, component style, office theme
void TExtGridPainter::SetComponentStyle(ctl::TKeloStyle AStyle) {
    FComponentStyle = AStyle;
    ReadGridLook(FGrid, FLook);
    grid::SetComponentStyle(FLook, AStyle);
    ApplyLookToGrid(FLook, FGrid);
    FGrid.Invalidate();
}

void TExtGridPainter::SetColorTones(const ctl::TColorTones& ATones) {
    FTones = ATones;
    TExtStringGrid& g = FGrid;
    g.SetLook(glClassic);
    g.SetFlat(true);
    g.SetScrollType(ssTile);
    g.SetFixedColor(ATones.Foreground.BrushColor);
    g.FixedFont().SetColor(ATones.Foreground.TextColor);
    g.FixedFont().SetName(ctl::DefaultFontName());
    g.SetColor(ATones.Background.BrushColor);
    g.Font().SetName(ctl::DefaultFontName());
    g.Font().SetColor(ATones.Background.TextColor);
    g.SetSelectionColor(ATones.Selected.BrushColor);
    g.SetSelectionTextColor(ATones.Selected.TextColor);
    g.SetSelectionColorTo(plat::clNone);
    g.SetGridLineColor(0xE6E6E6);
    // Each channel less a fifth, rounded.
    const TColor f = plat::ColorToRGB(ATones.Foreground.BrushColor);
    auto darker = [](int c) { return c - static_cast<int>(c * 20 / 100.0 + 0.5); };
    g.SetGridFixedLineColor(plat::RGB(darker(plat::GetRValue(f)), darker(plat::GetGValue(f)),
                                      darker(plat::GetBValue(f))));
    g.ControlLook().SetControlStyle(csGlyph);
    g.SearchFooter().SetColor(ATones.Foreground.BrushColor);
    g.SearchFooter().SetColorTo(ATones.Foreground.BrushColor);
    g.Invalidate();
}

void TExtGridPainter::AdaptToOfficeTheme(ctl::TOfficeTheme Theme) {
    static constexpr ctl::TKeloStyle kStyleOf[] = {
        ctl::tsSuiteABlue,  ctl::tsSuiteASilver,   ctl::tsSuiteAOlive, ctl::tsSuiteAClassic,
        ctl::tsSuiteBAzure, ctl::tsSuiteBSilver,   ctl::tsSuiteBObsidian, ctl::tsSuiteCBlue,
        ctl::tsSuiteCSilver, ctl::tsSuiteCBlack};
    const bool changed = Theme != FLastTheme;
    FLastTheme = Theme;
    if (!changed || Theme == ctl::otUnknown) return;
    SetComponentStyle(kStyleOf[Theme]);
}

}  // namespace grid
