// The hot and selected item colours of each component style, for the list
// pickers of the drop-down family.
#include "controls/ExtDropDown.h"

namespace ctl {

using namespace plat;

namespace {

struct TItemColors {
    TColor Hot, HotTo, MirrorHot, MirrorHotTo, Selected, SelectedTo, MirrorSelected, MirrorSelectedTo, Border,
        BorderTop, BorderBottom, Edge, SelectedText;
};

// The suites share one warm face; the second and later suites add the
// light inner lines.
constexpr TItemColors kSuite = {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                0x7AE1FE, 0x42AEFE, clNone,   clNone,   clNone,   clBlack};
constexpr TItemColors kSuiteLined = {0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF, 0x42AEFE,
                                     0x7AE1FE, 0x42AEFE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clBlack};
constexpr TItemColors kClassic = {0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285, clNone,
                                  clNone,   0x808080, clNone, clNone, clNone,   clBlack};
constexpr TItemColors kBevel = {0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clNone,         clNone,
                                clNone,   clHighlight, clNone, clNone, clNone,   clHighlightText};
constexpr TItemColors kFrost = {0xFFFDF9, 0xFFFAF0, clNone,   clNone,   0xFEF9F0, 0xFDF0D7, clNone,
                                clNone,   0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clBlack};
constexpr TItemColors kGlass = {0xFDFBFA, 0xFDF3EB, clNone,   clNone,   0xFCEBDC, 0xFCDBC1, clNone,
                                clNone,   0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clBlack};
constexpr TItemColors kTerminal = {0xC0C0C0, 0xC0C0C0, clNone, clNone, clHighlight, clNone,         clNone,
                                   clNone,   0x808080, clNone, clNone, clNone,      clHighlightText};
constexpr TItemColors kSuiteC = {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
                                 0x7BEEFF, 0x308AC2, clNone,   clNone,   clNone,   clBlack};

const TItemColors* ColorsOf(TKeloStyle Style) {
    switch (Style) {
        case tsSuiteABlue:
        case tsSuiteASilver:
        case tsSuiteAOlive:
        case tsWorkbench: return &kSuite;
        case tsSuiteBAzure:
        case tsSuiteBObsidian:
        case tsSuiteBSilver: return &kSuiteLined;
        case tsSuiteAClassic: return &kClassic;
        case tsBevel: return &kBevel;
        case tsFrost: return &kFrost;
        case tsGlass: return &kGlass;
        case tsTerminal: return &kTerminal;
        case tsSuiteCBlue:
        case tsSuiteCSilver:
        case tsSuiteCBlack: return &kSuiteC;
        case tsCustom: return nullptr;
    }
    return nullptr;
}

}  // namespace

void SetItemAppearanceStyle(TItemAppearance* Appearance, TKeloStyle AStyle) {
    const TItemColors* c = ColorsOf(AStyle);
    if (Appearance == nullptr || c == nullptr) return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = a.BorderColorSelected = clNone;
    a.ColorHotText = clBlack;
    a.ColorHot = c->Hot;
    a.ColorHotTo = c->HotTo;
    a.ColorMirrorHot = c->MirrorHot;
    a.ColorMirrorHotTo = c->MirrorHotTo;
    a.ColorSelected = c->Selected;
    a.ColorSelectedTo = c->SelectedTo;
    a.ColorMirrorSelected = c->MirrorSelected;
    a.ColorMirrorSelectedTo = c->MirrorSelectedTo;
    a.BorderColor = c->Border;
    a.BorderColorTop = c->BorderTop;
    a.BorderColorBottom = c->BorderBottom;
    a.EdgeColor = c->Edge;
    a.ColorSelectedText = c->SelectedText;
}

}  // namespace ctl
