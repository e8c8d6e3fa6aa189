#include "controls/FltButtons.h"

#include <algorithm>

namespace ctl {

using plat::TColor;
using plat::TRect;

namespace {

int R(TColor c) { return int(c & 0xFF); }
int G(TColor c) { return int((c >> 8) & 0xFF); }
int B(TColor c) { return int((c >> 16) & 0xFF); }

// Width of the caption as shown: the accelerator marks take no room.
std::string WithoutAccelMarks(const std::string& s) {
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') r += '&', ++i;
            continue;
        }
        r += s[i];
    }
    return r;
}

void DropLastChar(std::string& s) {
    if (s.empty()) return;
    size_t i = s.size() - 1;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) --i;  // whole UTF-8 character
    s.erase(i);
}

void Polyline(plat::TCanvas& canvas, std::initializer_list<plat::TPoint> pts) {
    auto it = pts.begin();
    canvas.MoveTo(it->X, it->Y);
    for (++it; it != pts.end(); ++it) canvas.LineTo(it->X, it->Y);
}

void LineOn(plat::TCanvas& canvas, std::initializer_list<plat::TPoint> pts) {
    for (const auto& p : pts) canvas.LineTo(p.X, p.Y);
}

void DrawTransparentGlyph(plat::TCanvas& canvas, const plat::TBitmap& strip, int cellX, int gw, int gh, int x,
                          int y) {
    if (gw <= 0 || gh <= 0 || strip.Empty()) return;
    plat::TBitmap cell(gw, gh);
    cell.Canvas().Draw(-cellX, 0, strip);
    cell.SetTransparentMode(plat::tmAuto);
    cell.SetTransparent(true);
    canvas.Draw(x, y, cell);
}

}  // namespace

TColor BlendHotTrackColor(TColor base, TColor hot, int step) {
    const TColor b = plat::ColorToRGB(base), h = plat::ColorToRGB(hot);
    const double s = step / 8.0;
    auto mix = [s](int x, int y) { return int(x * (1 - s) + y * s); };
    return plat::RGB(mix(R(b), R(h)), mix(G(b), G(h)), mix(B(b), B(h)));
}

void FillGradientBands(plat::TCanvas& canvas, TColor start, TColor end, int left, int top, int right, int bottom) {
    const TColor s = plat::ColorToRGB(start), e = plat::ColorToRGB(end);
    const int span = bottom - top;
    const plat::TPenStyle oldPen = canvas.Pen().Style();
    canvas.Pen().SetStyle(plat::psClear);
    double r = R(s), g = G(s), b = B(s);
    const double dr = (R(e) - R(s)) / 31.0, dg = (G(e) - G(s)) / 31.0, db = (B(e) - B(s)) / 31.0;
    for (int i = 0; i < 32; ++i) {
        const int y = top + i * span / 31;
        const int y2 = std::min(y + span / 31 + 1, bottom);
        canvas.Brush().SetColor(plat::RGB(int(r), int(g), int(b)));
        canvas.FillRect({left, y, right, y2});
        r += dr;
        g += dg;
        b += db;
    }
    canvas.Pen().SetStyle(oldPen);
}

void DrawFltButtonFace(plat::TCanvas& canvas, const TFltButtonFace& f) {
    const int W = f.Width, H = f.Height;
    const bool pressed = f.Pressed && f.Enabled;
    const int P = (pressed && f.Style != bsEncarta) ? 1 : 0;

    TColor face = plat::ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != plat::clNone) face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (pressed && f.ColorWhenDown != plat::clNone) face = plat::ColorToRGB(f.ColorWhenDown);

    // Background.
    switch (f.Style) {
        case bsShape:
            canvas.Brush().SetColor(kFltTransparentKey);
            canvas.FillRect({0, 0, W, H});
            break;
        case bsNormal:
        case bsEncarta:
        case bsOld:
            canvas.Brush().SetColor(face);
            canvas.FillRect({-1, -1, W + 1, H + 1});
            break;
        case bsModern:
            FillGradientBands(canvas, f.LightColor, face, 2, 2, W - 2, H / 4 + P);
            FillGradientBands(canvas, face, f.LightColor, 2, H / 4 + P, W - 2, H - 1);
            break;
        case bsQuicken: break;
    }
    canvas.Brush().SetStyle(plat::bsClear);

    // Frame.
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(plat::psSolid);
    const bool frame = (f.Enabled && (!f.Flat || f.Hot || pressed)) || (!f.Enabled && !f.Flat);
    switch (f.Style) {
        case bsNormal:
        case bsEncarta:
            if (frame) {
                canvas.Pen().SetColor(pressed ? f.ShadowColor : f.LightColor);
                Polyline(canvas, {{0, H - 1}, {0, 0}, {W - 1, 0}});
                canvas.Pen().SetColor(pressed ? f.LightColor : f.ShadowColor);
                LineOn(canvas, {{W - 1, H - 1}, {0, H - 1}});
            }
            break;
        case bsOld:
            if (frame) {
                canvas.Pen().SetColor(f.ShadowColor);
                if (pressed)
                    Polyline(canvas, {{1, H - 3}, {1, 1}, {W - 2, 1}});
                else
                    Polyline(canvas, {{W - 2, 0}, {W - 2, H - 2}, {0, H - 2}});
                canvas.Pen().SetColor(pressed ? plat::cl3DDkShadow : f.LightColor);
                Polyline(canvas, {{0, H - 1}, {0, 0}, {W - 1, 0}});
                canvas.Pen().SetColor(pressed ? f.LightColor : plat::cl3DDkShadow);
                LineOn(canvas, {{W - 1, H - 1}, {-1, H - 1}});
            }
            break;
        case bsModern:
            canvas.Pen().SetColor(pressed ? f.ShadowColor : face);
            canvas.Rectangle(1, 1, W - 1, H - 1);
            canvas.Pen().SetColor(f.ShadowColor);
            canvas.RoundRect(0, 0, W, H, 6, 6);
            break;
        case bsQuicken:
            canvas.Brush().SetColor(face);
            canvas.Pen().SetStyle(plat::psClear);
            canvas.RoundRect(0, 1, W, H, 4, 4);
            canvas.Pen().SetStyle(plat::psSolid);
            canvas.Brush().SetStyle(plat::bsClear);
            canvas.Pen().SetColor(f.ShadowColor);
            Polyline(canvas, {{4, 0}, {W - 5, 0}});
            Polyline(canvas, {{4, H - 1}, {W - 5, H - 1}});
            break;
        case bsShape: break;
    }

    // Font.
    plat::TFont font = f.Font;
    if (pressed && f.Style == bsEncarta) font.SetStyle(font.Style() + plat::TFontStyles{plat::fsBold});
    if (!f.Enabled) font.SetColor(plat::clGray);
    canvas.SetFont(font);

    // Glyph cell.
    const plat::TBitmap* glyph = f.Glyph && !f.Glyph->Empty() ? f.Glyph : nullptr;
    const int gw = glyph && f.NumGlyphs > 0 ? glyph->Width() / f.NumGlyphs : 0;
    const int gh = glyph ? glyph->Height() : 0;
    int index = 0;
    if (!f.Enabled) {
        index = 1;
    } else {
        if (f.Hot && f.NumGlyphs > 3) index = 3;
        if (pressed && f.NumGlyphs > 2) index = 2;
    }

    unsigned format = plat::DT_WORDBREAK;
    format |= f.Alignment == plat::taLeftJustify ? plat::DT_LEFT
              : f.Alignment == plat::taRightJustify ? plat::DT_RIGHT
                                                     : plat::DT_CENTER;

    auto fitAndMeasure = [&](int maxWidth, std::string& caption, int& tw, int& th) {
        maxWidth = std::max(maxWidth, 0);
        if (!f.WordWrap)
            while (!caption.empty() && canvas.TextWidth(WithoutAccelMarks(caption)) > maxWidth) DropLastChar(caption);
        TRect r{0, 0, maxWidth, 0};
        if (caption.empty()) {
            tw = th = 0;
        } else {
            canvas.DrawText(caption, r, format | plat::DT_CALCRECT);
            tw = r.Width();
            th = r.Height();
        }
        return maxWidth;
    };

    std::string caption = f.Caption;
    int tw = 0, th = 0, textLeft = 0, textTop = 0, glyphLeft = 0, glyphTop = 0, M = 0;
    canvas.SetBkMode(plat::TRANSPARENT);
    if (f.Style == bsShape) {
        M = fitAndMeasure(W - 8, caption, tw, th);
        glyphLeft = (W - gw) / 2;
        glyphTop = (H - gh) / 2;
        TRect r{P, (H - th) / 2 + P, W, H};
        canvas.DrawText(caption, r, plat::DT_WORDBREAK | plat::DT_CENTER);
    } else {
        if (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) {
            M = fitAndMeasure(W - 8 - (gw > 0 ? gw + 4 : 0), caption, tw, th);
            textTop = (H - th) / 2 + P;
            textLeft = P + 4;
            glyphTop = (H - gh) / 2 + P;
            const int T = caption.empty() ? 0 : tw + 4;
            if (f.Layout == blGlyphLeft) {
                if (gw > 0) textLeft += gw + 4;
                glyphLeft = P + 4;
                if (!f.WordWrap) {
                    if (f.Alignment == plat::taRightJustify) glyphLeft = W - 4 - gw - T + P;
                    else if (f.Alignment == plat::taCenter) glyphLeft = (W - gw) / 2 + P - T / 2;
                }
            } else {
                glyphLeft = P + 4 + T;
                if (!f.WordWrap) {
                    if (f.Alignment == plat::taLeftJustify) glyphLeft = P + 4 + T;
                    else if (f.Alignment == plat::taRightJustify) glyphLeft = W - 4 + P - gw;
                    else glyphLeft = (W - gw) / 2 + P + T / 2;
                }
            }
        } else {
            M = fitAndMeasure(W - 8, caption, tw, th);
            const int block = th + (gh > 0 ? gh + 4 : 0);
            textLeft = P + 4;
            if (f.Layout == blGlyphTop) {
                glyphTop = (H - block) / 2 + P;
                textTop = (H - block) / 2 + gh + P;
            } else {
                textTop = (H - block) / 2 + P;
                glyphTop = (H - block) / 2 + th + P;
            }
            glyphLeft = f.Alignment == plat::taLeftJustify    ? P + 4
                        : f.Alignment == plat::taRightJustify ? W - gw - 4 + P
                                                              : (W - gw) / 2 + P;
        }
        TRect r{textLeft, textTop, textLeft + M, textTop + th};
        if (!caption.empty()) canvas.DrawText(caption, r, format);
    }
    if (glyph) DrawTransparentGlyph(canvas, *glyph, index * gw, gw, gh, glyphLeft, glyphTop);

    // The drop-down arrow of an attached popup menu: a black 5 x 3 wedge.
    if (f.HasPopup) {
        const int x = W - 11, y = H / 2 - 1;
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(plat::clBlack);
        for (int row = 0; row < 3; ++row) canvas.FillRect({x + row, y + row, x + 5 - row, y + row + 1});
    }
}

}  // namespace ctl
