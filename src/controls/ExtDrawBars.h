#pragma once
// Progress bars, in-cell buttons and transparent bitmaps drawn in grid cells
// and picker controls.

#include <string>

#include "controls/ExtStyleIF.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace ctl {

// The progress text's format takes one number: a "%d"/"%u"/"%i" directive
// gets the rounded position, a "%f"/"%e"/"%g" directive the position
// itself. A format with any other directive, or more than one, is shown as
// plain text, so a format typed by a user can never read a missing value.
std::string FormatProgressText(const std::string& format, double position);

void DrawProgressBar(plat::TCanvas& canvas, plat::TRect rect, plat::TColor fillColor, plat::TColor fillTextColor,
                     plat::TColor emptyColor, plat::TColor emptyTextColor, double position, int hMargin,
                     int vMargin, double minimum, double maximum, const std::string& format,
                     plat::TColor borderColor, bool printing);
void DrawSignedBar(plat::TCanvas& canvas, plat::TRect rect, int value, int maximum, bool showText,
                   plat::TColor negativeColor, plat::TColor positiveColor);
void DrawProgressPie(plat::TCanvas& canvas, plat::TRect rect, plat::TColor color, int percentage, bool printing);

struct TLevelProgress {
    plat::TColor Level0Color = plat::clLime, Level0ColorTo = plat::clNone;
    plat::TColor Level1Color = plat::clYellow, Level1ColorTo = plat::clNone;
    plat::TColor Level2Color = 0x00A5FF, Level2ColorTo = plat::clNone;
    plat::TColor Level3Color = plat::clRed, Level3ColorTo = plat::clNone;
    int Level1Perc = 70;
    int Level2Perc = 90;
    plat::TColor BorderColor = plat::clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    plat::TFont Font;
    plat::TColor CompleteFontColor = plat::clBlue;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 11;
    plat::TColor UnCompleteFontColor = plat::clWindowText;
    plat::TColor UnCompleteColor = plat::clNone;
    bool Vertical = false;
};
void DrawLevelProgressBar(plat::TCanvas& canvas, plat::TRect rect, int percentage, const TLevelProgress& settings);

// In-cell buttons. State: 0 normal, 1 hot, 2 pressed, 3 disabled. Kind: 0
// themed, 1 classic, 2 flat, 3 colours of the tone set. Themed drawing is
// not available here and draws as classic.
void DrawComboButton(plat::TCanvas& canvas, plat::TRect rect, int kind, int state, const TColorTones& tones);
void DrawButtonFace(plat::TCanvas& canvas, plat::TRect rect, int kind, int state, const TColorTones& tones);
void DrawSpinButtons(plat::TCanvas& canvas, plat::TRect rect, int kind, int state, const TColorTones& tones);

// A red zig-zag under the characters errorStart .. errorStart + errorLength - 1
// (1-based) of the text drawn at the rectangle's top-left corner, moved
// down by offset pixels; a start beyond the text marks the place after it.
void DrawErrorUnderline(plat::TCanvas& canvas, const std::string& text, plat::TRect rect, int offset,
                        int errorLength, int errorStart);

// Copies the bitmap with the colour of its pixel (0, 0) replaced by the
// background colour, at the rectangle's top-left corner in its own size.
void DrawBitmapTransparent(plat::TCanvas& canvas, const plat::TBitmap& bitmap, plat::TColor background,
                           plat::TRect rect);
// The same for a picture compiled into the program (resources/<name>).
bool DrawResourceBitmap(plat::TCanvas& canvas, plat::TColor background, plat::TRect rect, const std::string& name);

}  // namespace ctl
