// The drop-down's component styles: the colours a style gives the pop-up,
// the bars and the bar buttons, the tone set of the arrow button, the
// selection faces of the pickers' items and the frame colours.
#include <iterator>

#include "controls/ExtDraw.h"
#include "controls/ExtDropDown.h"

namespace ctl {

using namespace plat;

// ----------------------------------------------------------- styles

namespace {

struct TStyleRow {
    TKeloStyle style;
    TColor ddColor, ddColorTo, ddBorder;  // clDefault = not changed
    TColor hColor, hColorTo, hFont, hBorder, fColor, fColorTo, fFont, fBorder;
};

constexpr TColor kKeep = clDefault;

constexpr TStyleRow kStyleRows[] = {
    {tsSuiteABlue, 0xFFFFFF, clNone, kKeep, 0xFCE1CB, 0xE0A57D, 0, 0, 0xFCE1CB, 0xE0A57D, 0, 0x962D00},
    {tsSuiteASilver, 0xFFFFFF, clNone, kKeep, 0xECE2E1, 0xB39698, 0, 0x947C7C, 0xECE2E1, 0xB39698, 0, 0x947C7C},
    {tsSuiteAOlive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0, 0x588060, 0xCFF0EA, 0x8CC0B1, 0, 0x588060},
    {tsSuiteAClassic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, 0x808080, 0x808080,
     0xFFFFFF, 0x808080},
    {tsSuiteBAzure, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, 0xFFEFE3, 0xFFD2AF, 0x723708,
     0xFFD2AF},
    {tsSuiteBObsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, 0xF2F1F0, 0xC9C2BD,
     0x433C37, 0x5C534C},
    {tsBevel, 0xFFFFFF, clNone, kKeep, 0xFFFFFF, clBtnFace, 0, 0x808080, 0xFFFFFF, clBtnFace, 0, 0x808080},
    {tsWorkbench, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, 0xEBEEEF, 0x7E9898, 0xFFFFFF,
     0x962D00},
    {tsSuiteBSilver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, 0xF8F7F6, 0xE8E0DB,
     0x8B4215, 0x74706F},
    {tsFrost, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9, 0, 0xFCF2DA},
    {tsGlass, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0, clNone, clBtnFace, clBtnFace, 0, clNone},
    {tsSuiteCBlue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, 0xFDF6EF, 0xF0DAC7,
     0x5B391E, 0xC7B29F},
    {tsSuiteCSilver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, 0xFFFFFF, 0xEDE5E0,
     0x5B391E, 0xD2CDC8},
    {tsSuiteCBlack, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, 0xBFBFBF, 0x919191,
     0xD7D7D6, 0x6D6D6D},
};

bool IsSuiteGroup(TKeloStyle s) {
    return s == tsSuiteABlue || s == tsSuiteASilver || s == tsSuiteAOlive || s == tsSuiteBAzure ||
           s == tsSuiteBObsidian || s == tsWorkbench || s == tsSuiteBSilver;
}

TExtButtonAppearance ButtonLook(TKeloStyle s) {
    TExtButtonAppearance a;
    if (IsSuiteGroup(s)) {
        a.BorderColor = clNone;
        a.ColorHot = 0xEBFDFF, a.ColorHotTo = 0xACECFF, a.BorderColorHot = 0x99CEDB;
        a.ColorDown = 0xAAD9FF, a.ColorDownTo = 0x6EBBFF, a.BorderColorDown = 0x42AEFE;
        a.ColorDisabled = 0xF2F2F2, a.ColorDisabledTo = 0xB6B6B6;
        a.ColorChecked = 0x76AFF1, a.ColorCheckedTo = 0x4190F3, a.BorderColorChecked = 0x45667B;
        switch (s) {
            case tsSuiteABlue: a.Color = 0xFCE1CB, a.ColorTo = 0xE0A57D; break;
            case tsSuiteASilver: a.Color = 0xECE2E1, a.ColorTo = 0xB39698; break;
            case tsSuiteAOlive: a.Color = 0xCFF0EA, a.ColorTo = 0x8CC0B1; break;
            case tsSuiteBAzure: a.Color = 0xFFEFE3, a.ColorTo = 0xFFDDC4; break;
            case tsSuiteBObsidian: a.Color = 0xF2F1F0, a.ColorTo = 0xC9C2BD; break;
            case tsWorkbench: a.Color = 0xFFFFFF, a.ColorTo = 0xDFEDF0; break;
            default: a.Color = 0xF9F8F8, a.ColorTo = 0xE4E2DF; break;
        }
        return a;
    }
    struct R { TKeloStyle s; TColor v[14]; };
    static const R rows[] = {
        {tsSuiteAClassic, {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
                           0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080}},
        {tsBevel, {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption, clInactiveCaption,
                   clHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000}},
        {tsFrost, {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A, 0xFFFFFF,
                   0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}},
        {tsGlass, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF,
                   0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D}},
        {tsTerminal, {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
                      clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight}},
        {tsSuiteCBlue, {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                        0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
        {tsSuiteCSilver, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                          0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
        {tsSuiteCBlack, {0xBFBFBF, 0x919191, 0xD7D7D6, 0x8AE3FD, clNone, 0x58CAF1, 0x6CD0FF, clNone, 0x308AC2,
                         0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone, 0x4FA0CE}},
    };
    for (const R& r : rows)
        if (r.s == s) {
            const TColor* v = r.v;
            a.Color = v[0], a.ColorTo = v[1], a.BorderColor = v[2], a.ColorHot = v[3], a.ColorHotTo = v[4];
            a.BorderColorHot = v[5], a.ColorDown = v[6], a.ColorDownTo = v[7], a.BorderColorDown = v[8];
            a.ColorDisabled = v[9], a.ColorDisabledTo = v[10], a.ColorChecked = v[11], a.ColorCheckedTo = v[12];
            a.BorderColorChecked = v[13];
        }
    return a;
}

}  // namespace

void TExtCustomDropDown::SetComponentStyle(TKeloStyle AStyle) {
    FKeloStyle = AStyle;
    if (AStyle == tsCustom) return;
    for (const TStyleRow& r : kStyleRows) {
        if (r.style != AStyle) continue;
        SetDropDownColor(r.ddColor);
        FDropDownColorTo = r.ddColorTo;
        if (r.ddBorder != kKeep) FDropDownBorderColor = r.ddBorder;
        FDropDownHeader.Color = r.hColor, FDropDownHeader.ColorTo = r.hColorTo;
        FDropDownHeader.Font.SetColor(r.hFont), FDropDownHeader.BorderColor = r.hBorder;
        FDropDownFooter.Color = r.fColor, FDropDownFooter.ColorTo = r.fColorTo;
        FDropDownFooter.Font.SetColor(r.fFont), FDropDownFooter.BorderColor = r.fBorder;
    }
    // A style leaves the disabled border, the gradient direction and the
    // font as they are.
    TExtButtonAppearance look = ButtonLook(AStyle);
    look.BorderColorDisabled = FButtonAppearance.BorderColorDisabled;
    look.Gradient = FButtonAppearance.Gradient;
    look.Font = FButtonAppearance.Font;
    FButtonAppearance = look;
}

void TExtCustomDropDown::SetColorTones(const TColorTones& ATones) {
    FButton->ButtonColor = ATones.Background.BrushColor;
    FButton->ButtonColorHot = ATones.Hover.BrushColor;
    FButton->ButtonColorDown = ATones.Selected.BrushColor;
    FButton->ButtonBorderColor = ATones.Background.BorderColor;
    SetBorderColor(ATones.Background.BorderColor);
}

void TExtCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    FSelectionColorStyle = Value;
    switch (Value) {
        case scSuiteB: FSelectionColor = 0xD7FFFD, FSelectionColorTo = 0x58D4FC; break;
        case scFrost: FSelectionColor = 0xFDF8F1, FSelectionColorTo = 0xFCEFD5; break;
        case scGlass: FSelectionColor = 0xFCEBDC, FSelectionColorTo = 0xFCDBC1; break;
        case scCustom: break;
    }
}

void TExtCustomDropDown::DrawSelectionBackground(TCanvas& Canvas, TRect Rect, TColor BackgroundColor, int Kind) {
    if (FSelectionColorStyle == scCustom) {
        Canvas.Brush().SetColor(FSelectionColor);
        Canvas.Pen().SetColor(FSelectionColor);
        Canvas.FillRect(Rect);
        return;
    }
    TSelectionFaceColors f{};
    f.from = FSelectionColor, f.to = FSelectionColorTo, f.background = BackgroundColor;
    switch (FSelectionColorStyle) {
        case scSuiteB:
            f.mirrorFrom = 0x58D4FC, f.mirrorTo = 0xB3F1FC, f.border = 0x8DD7D3;
            f.innerTop = 0xF4FEFF, f.innerBottom = 0xCAF8FF, f.edge = 0xC3D9DF;
            break;
        case scFrost:
            f.mirrorFrom = clNone, f.mirrorTo = clNone, f.border = 0xFDDE99;
            f.innerTop = 0xFDFBF6, f.innerBottom = 0xFDF5E7, f.edge = 0xFCEDCB;
            break;
        default:
            f.mirrorFrom = clNone, f.mirrorTo = clNone, f.border = 0xCEA27D;
            f.innerTop = 0xFDF4EB, f.innerBottom = 0xFDEADB, f.edge = 0xE0C5AE;
            break;
    }
    DrawSelectionGradientFace(Canvas, f, Rect, Kind);
}

void TExtCustomDropDown::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
    FButton->Button()->Invalidate();
}

void TExtCustomDropDown::SetFocusBorderColor(TColor Value) {
    if (Value == FFocusBorderColor) return;
    FFocusBorderColor = Value;
    Invalidate();
}

void TExtCustomDropDown::SetDisabledBorder(bool Value) {
    if (Value == FDisabledBorder) return;
    FDisabledBorder = Value;
    Invalidate();
}

void TExtCustomDropDown::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

bool TExtCustomDropDown::ShowsActiveBorder() const { return FMouseInControl || Focused(); }

void TExtCustomDropDown::UpdateButtonFocus() {
    if (FButton != nullptr) FButton->Button()->SetFocusedLook(!Enabled() ? false : ShowsActiveBorder());
}

void TExtCustomDropDown::PaintOver(TCanvas& Canvas) {
    // Without colours of its own or the flat look the toolkit's frame stays.
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone) return;
    TRect r = Rect(0, 0, Width(), Height());
    Canvas.Brush().SetStyle(bsSolid);
    if (const TColor frame = FrameColor(); frame != clNone) {
        Canvas.Brush().SetColor(frame);
        Canvas.FrameRect(r);
        return;
    }
    // A colour that shows only with the focus leaves the frame alone meanwhile.
    if (FBorderColor != clNone || FFocusBorderColor != clNone || !FFlat) return;
    // Flat: a frame in the parent's colour, sunk by one line while the mouse
    // is over the edit or the edit holds the focus.
    const bool active = ShowsActiveBorder();
    const TColor b = active ? clBtnFace : (Parent() != nullptr ? Parent()->Color() : clBtnFace);
    if (active) Canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    Canvas.Brush().SetColor(b);
    Canvas.FrameRect(r);
    InflateRect(r, -1, -1);
    if (!active) Canvas.FrameRect(r);
}

TColor TExtCustomDropDown::FrameColor() const {
    if (!Enabled() && FDisabledBorder) return 0xC0C0C0;
    if (FBorderColor != clNone) return (!Focused() || FFocusBorderColor == clNone) ? FBorderColor : FFocusBorderColor;
    if (FFocusBorderColor != clNone) return Focused() ? FFocusBorderColor : clNone;
    return clNone;
}

}  // namespace ctl
