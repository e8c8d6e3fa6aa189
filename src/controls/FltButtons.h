#pragma once
// The face of the flat button: its styles, kinds and colour schemes, and the
// drawing of one face into a canvas. Kept apart from the control so the face
// can be drawn and checked without a window.

#include <string>

#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace ctl {

enum TFltButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TFltButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TFltButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
enum TFltColorStyle {
    lcsCustom, lcsGold, lcsChrome, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP, lcsAqua,
    lcsDefault, lcsQuicken
};

// Off-screen faces are made transparent with this colour.
constexpr plat::TColor kFltTransparentKey = plat::RGB(255, 0, 255);

struct TFltButtonFace {
    int Width = 0;
    int Height = 0;
    plat::TAlignment Alignment = plat::taCenter;
    std::string Caption;
    TFltButtonLayout Layout = blGlyphLeft;
    plat::TFont Font;
    plat::TColor ShadowColor = plat::clGray;
    plat::TColor LightColor = plat::clWhite;
    plat::TColor HotTrackColor = plat::clNone;
    plat::TColor ColorWhenDown = plat::clNone;
    plat::TColor Color = plat::clBtnFace;
    TFltButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    bool Hot = false;
    bool Pressed = false;
    const plat::TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    int HotTrackStep = 0;
};

void DrawFltButtonFace(plat::TCanvas& canvas, const TFltButtonFace& face);

// 32 horizontal bands from start to end colour, channels truncated.
void FillGradientBands(plat::TCanvas& canvas, plat::TColor start, plat::TColor end, int left, int top, int right,
                       int bottom);
// Step 0 gives the base colour, step 8 the hot colour.
plat::TColor BlendHotTrackColor(plat::TColor base, plat::TColor hot, int step);

}  // namespace ctl
