#include "controls/ExtDraw.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ctl {

using plat::TColor;
using plat::TRect;

namespace {

int Channel(TColor c, int shift) { return int((c >> shift) & 0xFF); }
TColor MakeColor(int r, int g, int b) { return plat::RGB(r, g, b); }
// Nearest, ties to even, as every rounding in these routines.
int RoundEven(double v) { return int(std::lrint(v)); }

void SetPenAndBrush(plat::TCanvas& canvas, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
}

void Line(plat::TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

}  // namespace

TColor HalveColor(TColor color) {
    const TColor c = plat::ColorToRGB(color);
    return MakeColor(Channel(c, 0) >> 1, Channel(c, 8) >> 1, Channel(c, 16) >> 1);
}

TColor ScaleColorPercent(TColor color, int percent) {
    const TColor c = plat::ColorToRGB(color);
    auto scale = [percent](int v) { return std::clamp(RoundEven(v + v * percent / 100.0), 0, 255); };
    return MakeColor(scale(Channel(c, 0)), scale(Channel(c, 8)), scale(Channel(c, 16)));
}

TColor InterpolateColor(TColor from, TColor to, int minimum, int maximum, int position) {
    if (to == plat::clNone) return from;
    const TColor f = plat::ColorToRGB(from), t = plat::ColorToRGB(to);
    const double range = maximum - minimum;
    auto mix = [&](int shift) {
        const int a = Channel(f, shift), b = Channel(t, shift);
        return a + (range == 0 ? 0 : RoundEven((b - a) / range * position));
    };
    return MakeColor(mix(0), mix(8), mix(16));
}

void FillGradientRect(plat::TCanvas& canvas, TColor from, TColor to, int steps, TRect rect, bool horizontal) {
    if (rect.Top == rect.Bottom) return;
    if (rect.Top > rect.Bottom) std::swap(rect.Top, rect.Bottom);
    if (from == plat::clNone || to == plat::clNone) {
        const TColor c = from == plat::clNone && to != plat::clNone ? to : from;
        if (c == plat::clNone) return;  // nothing to paint with
        SetPenAndBrush(canvas, c);
        canvas.FillRect(rect);
        return;
    }
    const TColor f = plat::ColorToRGB(from), t = plat::ColorToRGB(to);
    const int extent = horizontal ? rect.Width() - 1 : rect.Height() - 1;
    steps = std::max(std::min(steps, extent), 1);
    const double size = double(std::max(extent, 0)) / steps;
    const int farEdge = horizontal ? rect.Width() : rect.Height();
    for (int i = 0; i <= steps; ++i) {
        const int offset = int(i * size);
        auto channel = [&](int shift) {
            const int a = Channel(f, shift), b = Channel(t, shift);
            return a + RoundEven(double(i) * (b - a) / steps);
        };
        SetPenAndBrush(canvas, MakeColor(channel(0), channel(8), channel(16)));
        const int end = std::min(offset + int(size + 1), farEdge);
        if (horizontal)
            canvas.FillRect({rect.Left + offset, rect.Top, rect.Left + end, rect.Bottom});
        else
            canvas.FillRect({rect.Left, rect.Top + offset, rect.Right, rect.Top + end});
    }
}

void DrawSelectionGradientFace(plat::TCanvas& canvas, const TSelectionFaceColors& colors, TRect rect,
                               int cornerKind) {
    const int L = rect.Left, T = rect.Top, R = rect.Right - 1, B = rect.Bottom - 2;
    const int mid = T + (B - T) / 2;
    const bool leftEnd = cornerKind == 0 || cornerKind == 1;
    const bool rightEnd = cornerKind == 0 || cornerKind == 2;
    const int leftIndent = (cornerKind == 2 || cornerKind == 3) ? 0 : 2;
    const int rightIndent = (cornerKind == 1 || cornerKind == 3) ? 0 : 2;

    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(colors.innerTop);
    Line(canvas, L, T + 1, R, T + 1);
    if (leftEnd) Line(canvas, L + 1, T + 1, L + 1, mid);
    if (rightEnd) Line(canvas, R - 2, T + 1, R - 2, mid);
    canvas.Pen().SetColor(colors.innerBottom);
    Line(canvas, L, B - 1, R, B - 1);
    if (leftEnd) Line(canvas, L + 1, mid, L + 1, B - 1);
    if (rightEnd) Line(canvas, R - 2, mid, R - 2, B - 1);

    canvas.Pen().SetColor(colors.border);
    Line(canvas, L + leftIndent, T, R - rightIndent, T);
    Line(canvas, L + leftIndent, B, R - rightIndent, B);
    if (rightEnd) Line(canvas, R - 1, T + 2, R - 1, B - 1);
    if (leftEnd) Line(canvas, L, T + 2, L, B - 1);

    if (leftEnd) {
        for (auto [x, y] : {std::pair{L + 1, T}, {L + 1, T + 1}, {L, T + 1}, {L + 1, B}, {L + 1, B - 1}, {L, B - 1}})
            canvas.SetPixels(x, y, colors.edge);
        canvas.SetPixels(L, T, colors.background);
        canvas.SetPixels(L, B, colors.background);
    }
    if (rightEnd) {
        for (auto [x, y] : {std::pair{R - 2, T}, {R - 2, T + 1}, {R - 1, T + 1}, {R - 2, B}, {R - 2, B - 1},
                            {R - 1, B - 1}})
            canvas.SetPixels(x, y, colors.edge);
        canvas.SetPixels(R - 1, T, colors.background);
        canvas.SetPixels(R - 1, B, colors.background);
    }

    const TRect inside{L + leftIndent, T + 2, R - rightIndent, B - 1};
    if (colors.to == plat::clNone) {
        SetPenAndBrush(canvas, colors.from);
        canvas.FillRect(inside);
    } else if (colors.mirrorFrom == plat::clNone) {
        FillGradientRect(canvas, colors.from, colors.to, 16, inside, false);
    } else {
        const int half = inside.Top + inside.Height() / 2;
        FillGradientRect(canvas, colors.from, colors.to, 16, {inside.Left, inside.Top, inside.Right, half}, false);
        FillGradientRect(canvas, colors.mirrorFrom, colors.mirrorTo, 16, {inside.Left, half, inside.Right, inside.Bottom},
                         false);
    }
}

void PaintCellBackground(plat::TCanvas& canvas, TRect rect, TColor color, TColor colorTo, TColor mirrorColor,
                         TColor mirrorColorTo, bool horizontalSplit, TColor borderColor, bool linesOnly, bool fill) {
    if (fill && color != plat::clNone) {
        const bool leftToRight = !horizontalSplit;
        if (mirrorColor == plat::clNone) {
            if (colorTo == plat::clNone) {
                SetPenAndBrush(canvas, color);
                canvas.FillRect({rect.Left, rect.Top, rect.Right, rect.Bottom + 1});
            } else {
                FillGradientRect(canvas, color, colorTo, 128, rect, leftToRight);
            }
        } else {
            TRect first = rect, second = rect;
            if (horizontalSplit) {
                first.Bottom = rect.Top + rect.Height() / 2;
                second.Top = first.Bottom;
            } else {
                first.Right = rect.Left + rect.Width() / 2;
                second.Left = first.Right;
            }
            FillGradientRect(canvas, color, colorTo, 128, first, leftToRight);
            FillGradientRect(canvas, mirrorColor, mirrorColorTo, 128, second, leftToRight);
        }
    }
    if (borderColor != plat::clNone) {
        canvas.Pen().SetColor(borderColor);
        if (linesOnly) {
            Line(canvas, rect.Left, rect.Top, rect.Left, rect.Bottom);
            Line(canvas, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
        } else {
            canvas.Brush().SetColor(borderColor);
            canvas.FrameRect(rect);
        }
    }
}

void FillRectColor(plat::TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void DrawDownTriangle(plat::TCanvas& canvas, int x, int y, TColor color) {
    SetPenAndBrush(canvas, color);
    canvas.Polygon({{x - 3, y}, {x + 3, y}, {x, y + 3}});
}

void DrawCellShape(plat::TCanvas& canvas, int x, int y, int w, int h, TCellShape shape, TColor brushColor,
                   TColor penColor) {
    if (int(shape) < 0 || shape > csHalfStar) return;
    canvas.Brush().SetColor(brushColor);
    canvas.Pen().SetColor(penColor);
    if (shape == csCircle || shape == csSquare || shape == csRoundSquare) w = h = std::min(w, h);
    const int e = h / 2, c = w / 2;
    auto star = [&](std::initializer_list<int> points) {
        std::vector<plat::TPoint> pts;
        for (int k : points) {
            const double angle = k * M_PI / 5;
            const double rx = (k % 2 == 0) ? c : c / 3.0, ry = (k % 2 == 0) ? e : e / 3.0;
            pts.push_back({x + c + RoundEven(std::sin(angle) * rx), y + e - RoundEven(std::cos(angle) * ry)});
        }
        canvas.Polygon(pts);
    };
    const int v = w & ~1, q = v / 4, g = h & ~1, r = g / 4;
    switch (shape) {
        case csRectangle:
        case csSquare: canvas.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1); break;
        case csCircle:
        case csEllips: canvas.Ellipse(x, y, x + w, y + h); break;
        case csTriangleLeft: canvas.Polygon({{x + w, y}, {x + w, y + h}, {x, y + e}}); break;
        case csTriangleRight: canvas.Polygon({{x, y}, {x, y + h}, {x + w, y + e}}); break;
        case csTriangleUp: canvas.Polygon({{x, y + h}, {x + w, y + h}, {x + c, y}}); break;
        case csTriangleDown: canvas.Polygon({{x, y}, {x + w, y}, {x + c, y + h}}); break;
        case csDiamond: canvas.Polygon({{x, y + e}, {x + c, y}, {x + 2 * c, y + e}, {x + c, y + 2 * e}}); break;
        case csLineVert: canvas.FillRect({x + c, y, x + c + 1, y + h}); break;
        case csLineHorz: canvas.FillRect({x, y + e, x + w, y + e + 1}); break;
        case csRoundRect:
        case csRoundSquare: canvas.RoundRect(x, y, x + w, y + h, 10, 10); break;
        case csStar: star({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}); break;
        case csHalfStar: star({0, 5, 6, 7, 8, 9}); break;
        case csArrowUp:
            canvas.Polygon({{x, y + e}, {x + v / 2, y}, {x + v, y + e}, {x + 3 * q, y + e}, {x + 3 * q, y + h},
                            {x + q, y + h}, {x + q, y + e}});
            break;
        case csArrowDown:
            canvas.Polygon({{x, y + e}, {x + v / 2, y + h}, {x + v, y + e}, {x + 3 * q, y + e}, {x + 3 * q, y},
                            {x + q, y}, {x + q, y + e}});
            break;
        case csArrowLeft:
            canvas.Polygon({{x, y + g / 2}, {x + c, y}, {x + c, y + r}, {x + w, y + r}, {x + w, y + 3 * r},
                            {x + c, y + 3 * r}, {x + c, y + g}});
            break;
        case csArrowRight:
            canvas.Polygon({{x + w, y + g / 2}, {x + c, y}, {x + c, y + r}, {x, y + r}, {x, y + 3 * r},
                            {x + c, y + 3 * r}, {x + c, y + g}});
            break;
    }
}

}  // namespace ctl
