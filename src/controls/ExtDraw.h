#pragma once
// Drawing routines for grid cells and picker controls: gradients, the
// rounded selection face, cell backgrounds, colour helpers and small shapes.
// They keep no state and leave the canvas's pen, brush and font as they set
// them.

#include <string>

#include "platform/Graphics.h"

namespace ctl {

plat::TColor HalveColor(plat::TColor color);
// Each channel c becomes round(c + c * p / 100), kept within 0..255.
plat::TColor ScaleColorPercent(plat::TColor color, int percent);
plat::TColor InterpolateColor(plat::TColor from, plat::TColor to, int minimum, int maximum, int position);

// Gradient in steps + 1 bands, from left to right when horizontal, else top
// to bottom; with either colour clNone a solid fill in the other one.
void FillGradientRect(plat::TCanvas& canvas, plat::TColor from, plat::TColor to, int steps, plat::TRect rect,
                      bool horizontal);

struct TSelectionFaceColors {
    plat::TColor from, to, mirrorFrom, mirrorTo;
    plat::TColor innerTop, innerBottom, border, edge, background;
};
// cornerKind: 0 both ends rounded, 1 left end only, 2 right end only, 3 none.
void DrawSelectionGradientFace(plat::TCanvas& canvas, const TSelectionFaceColors& colors, plat::TRect rect,
                               int cornerKind);

void PaintCellBackground(plat::TCanvas& canvas, plat::TRect rect, plat::TColor color, plat::TColor colorTo,
                         plat::TColor mirrorColor, plat::TColor mirrorColorTo, bool horizontalSplit,
                         plat::TColor borderColor, bool linesOnly, bool fill);

void FillRectColor(plat::TCanvas& canvas, const plat::TRect& rect, plat::TColor color);
void DrawDownTriangle(plat::TCanvas& canvas, int x, int y, plat::TColor color);

enum TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond,
    csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp, csArrowDown,
    csArrowLeft, csArrowRight, csHalfStar
};
void DrawCellShape(plat::TCanvas& canvas, int x, int y, int w, int h, TCellShape shape, plat::TColor brushColor,
                   plat::TColor penColor);

}  // namespace ctl
