#pragma once
// Painting and colour routines shared by the drop-down pop-up, its bars and
// the pickers (clock, memo, calculator). Stateless; they leave the canvas's
// pen and brush as they set them.

#include <string>

#include "controls/EsgButtonColors.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

namespace ctl {

class IHtmlImageList;

enum TGradientDirection { gdHorizontal, gdVertical };

// Rounds halves to the even neighbour, as the colour bands are computed.
int RoundHalfEven(double x);

// Fills Rect with Steps colour bands from FromColor towards ToColor (ToColor
// itself is never reached). Steps 0 counts as one band; the bands never
// leave Rect, so a caller's neighbouring pixels stay as they were.
void DrawGradient(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, int Steps, plat::TRect Rect,
                  bool Horizontal);
// Percent of Color1 over Color2 (100 or more: Color1, 0 or less: Color2).
plat::TColor BlendColor(plat::TColor Color1, plat::TColor Color2, int Percent);
// Negative percentages darken a channel; a channel at 0 becomes max(0, p).
plat::TColor AdjustColorTone(plat::TColor Color, int RPercent, int GPercent, int BPercent);
// Gradient (80 bands) or solid fill, then a frame when BorderColor is set.
void DrawItemBackground(plat::TCanvas& Canvas, plat::TRect Rect, plat::TColor Color, plat::TColor ColorTo,
                        plat::TColor BorderColor, int PenWidth, TGradientDirection Direction);
// The image (4 pixels in, centred in height) and then the text on one line,
// 8 pixels after the image or centred when there is none; the text ends in
// an ellipsis where it does not fit. No image list or a negative index: the
// text alone.
void DrawImageAndText(plat::TCanvas& Canvas, plat::TRect Rect, const std::string& Text, const IHtmlImageList* Images,
                      int ImageIndex);
// The part of Bitmap the size of Rect, copied to Rect with the colour of
// the bitmap's top-left pixel shown as BackColor.
void DrawTransparentGlyph(plat::TCanvas& Canvas, const plat::TBitmap& Bitmap, plat::TColor BackColor,
                          plat::TRect Rect);
plat::TSize GetTextSize(plat::TCanvas& Canvas, const std::string& Text);
std::string TruncateText(plat::TCanvas& Canvas, const std::string& Text, int MaxWidth, bool AddEllipsis);
// Draws (Draw true) or only measures a caption in the cells' HTML markup
// within Rect, Images serving inline image tags; returns its width and
// height, (0, 0) for an empty text.
plat::TPoint DrawHtmlCaption(plat::TCanvas& Canvas, const std::string& Text, plat::TRect Rect,
                             const IHtmlImageList* Images, bool Draw);
std::string CaseAdjusted(const std::string& Text, bool CaseSensitive);
// A flat drop-down button in the given colours: Face filled in the normal,
// hot or pressed colour, a border line down x = LineX and the arrow
// triangle with its top-left corner at Arrow.
void DrawFlatDropButton(plat::TCanvas& Canvas, const TEsgButtonColors& Colors, plat::TRect Face, int LineX,
                        plat::TPoint Arrow, bool Hover, bool Held);

}  // namespace ctl
