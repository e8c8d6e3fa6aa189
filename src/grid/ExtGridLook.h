#pragma once
// Look presets of the string grid: a look (which fixed-cell face is painted)
// and the named colour sets that go with it. The presets work on a plain
// record of every colour they touch, so what each one writes can be checked
// without a window; ApplyLookToGrid then hands the record to a grid.
//
// Two layers of colours are kept, as the grid has them: the grid's own
// fixed-cell sets (what is painted) and the control look's (what a layout
// stores). A control-look colour reaches the grid's set when it is a colour
// (From, To and Border) or always (the mirror colours): SetControl* below
// follow that rule.

#include <string>

#include "grid/ExtGrid.h"
#include "grid/GridTypes.h"
#include "platform/Graphics.h"

namespace grid {

enum TExtGridStyle {
    gsSuiteABlue, gsSuiteASilver, gsSuiteAOlive, gsSuiteAClassic, gsSuiteBAzure,
    gsSuiteBObsidian, gsBevel, gsWorkbench, gsCustom, gsSuiteBSilver, gsFrost, gsGlass,
    gsTerminal, gsSuiteCBlue, gsSuiteCSilver, gsSuiteCBlack
};
enum TBevelColorScheme { bcsNone, bcsBlue, bcsGreen, bcsGray, bcsFrost };

// One face: a vertical gradient From -> To, optionally a second half
// MirrorFrom -> MirrorTo, and a frame.
struct TFaceColors {
    TColor From = plat::clNone;
    TColor To = plat::clNone;
    TColor MirrorFrom = plat::clNone;
    TColor MirrorTo = plat::clNone;
    TColor Border = plat::clNone;
    friend bool operator==(const TFaceColors&, const TFaceColors&) = default;
};

// Everything a preset writes. The defaults are the grid's at creation: the
// look glBevel with its colour set.
struct TGridLookColors {
    TGridLook Look = glBevel;
    TExtGridStyle Style = gsBevel;  // the last style applied
    bool Loading = false;               // presets then keep stored colours

    // The grid's fixed-cell sets (KeloGradient..., KeloGradientHover...,
    // KeloGradientDown...).
    TFaceColors Fixed{plat::clWhite, plat::clBtnFace, plat::clNone, plat::clNone, plat::clNone};
    TFaceColors Hover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, plat::clSilver};
    TFaceColors Down{0x868788, 0x737C7E, 0x737C7E, 0x627376, plat::clGray};
    // The control look's copies.
    TFaceColors ControlFixed{plat::clWhite, plat::clBtnFace, plat::clNone, plat::clNone, plat::clNone};
    TFaceColors ControlHover{0xCFD0D1, 0xBEC6C8, 0xBEC6C8, 0xABBCBF, plat::clSilver};
    TFaceColors ControlDown{0x868788, 0x737C7E, 0x737C7E, 0x627376, plat::clGray};
    TColor ControlColor = plat::clBlack;
    TColor CommentColor = plat::clRed;
    TColor ProgressBorderColor = plat::clGray;

    TColor FixedColor = plat::clBtnFace;
    TColor ActiveCellColor = 0xEACAB6;
    TColor ActiveCellColorTo = plat::clNone;
    TColor SelectionColor = 0xEACAB6;
    TColor SelectionColorTo = plat::clNone;
    TColor SelectionTextColor = plat::clBlack;
    TGridSelectionStyle SelectionStyle = ssDefault;
    TColor GridLineColor = plat::clSilver;
    TColor GridFixedLineColor = plat::clGray;
    TColor FooterColor = plat::clWhite;
    TColor FooterColorTo = plat::clBtnFace;
    TFaceColors SortHeader;  // HeaderColor, HeaderColorTo, HeaderMirrorColor, HeaderMirrorColorTo
    TScrollType ScrollType = ssNormal;
    bool BorderSingle = true;
    TColor BorderColor = 0xB99D7F;

    // Control-look writers with their write-through to the grid's sets.
    void SetControlFixed(TColor From, TColor To);
    void SetControlFixedMirror(TColor MirrorFrom, TColor MirrorTo);
    void SetControlHover(const TFaceColors& Face, bool WithBorder = true);
    void SetControlDown(const TFaceColors& Face, bool WithBorder = true);
};

// Identifier and display name of a look; for glCustom Text stays as it was.
void LookToIdent(TGridLook Value, std::string& Text);
void LookToText(TGridLook Value, std::string& Text);

// The preset writers. SetLook does nothing when the look is unchanged.
void SetLook(TGridLookColors& L, TGridLook Value);
void SetStyle(TGridLookColors& L, TExtGridStyle AStyle);
// The pack-wide style: the same 16 sets in the same order. A tile scroll
// type returns to normal unless the style is the custom one.
void SetComponentStyle(TGridLookColors& L, int AKeloStyle);
// Neither invalidates nor repaints the grid.
void SetTheme(TGridLookColors& L, TBevelColorScheme Scheme);

// The colours as a grid holds them now / written into a grid (the values
// the grid has no property for stay with the record).
TGridLookColors LookOfGrid(TExtStringGrid& Grid);
// Refreshes the values the grid holds; the rest of the record stays.
void ReadGridLook(TExtStringGrid& Grid, TGridLookColors& L);
void ApplyLookToGrid(const TGridLookColors& L, TExtStringGrid& Grid);

}  // namespace grid
