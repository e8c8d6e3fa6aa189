#include "controls/ExtDrawBars.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "controls/ExtDraw.h"

namespace ctl {

using plat::TColor;
using plat::TRect;

namespace {

int RoundEven(double v) { return int(std::lrint(v)); }

void Frame(plat::TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FrameRect(r);
}

void Solid(plat::TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

}  // namespace

std::string FormatProgressText(const std::string& format, double position) {
    // Find the one directive; "%%" is a literal percent sign.
    size_t start = std::string::npos;
    char conversion = 0;
    int directives = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < format.size() && std::string_view("-+ #0123456789.").find(format[j]) != std::string_view::npos) ++j;
        ++directives;
        start = i;
        conversion = j < format.size() ? format[j] : 0;
        i = j;
    }
    char buf[256];
    const bool integer = conversion == 'd' || conversion == 'i' || conversion == 'u';
    const bool floating = conversion == 'f' || conversion == 'e' || conversion == 'g' || conversion == 'F' ||
                          conversion == 'E' || conversion == 'G';
    if (directives != 1 || start == std::string::npos || (!integer && !floating) || format.size() > 200) {
        std::string plain;
        for (size_t i = 0; i < format.size(); ++i) {
            plain += format[i];
            if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') ++i;
        }
        return plain;
    }
    std::string fmt = format;
    if (conversion == 'u') fmt[fmt.find('u', start)] = 'd';
    if (integer)
        std::snprintf(buf, sizeof buf, fmt.c_str(), RoundEven(position));
    else
        std::snprintf(buf, sizeof buf, fmt.c_str(), position);
    return buf;
}

void DrawProgressBar(plat::TCanvas& canvas, TRect rect, TColor fillColor, TColor fillTextColor, TColor emptyColor,
                     TColor emptyTextColor, double position, int hMargin, int vMargin, double minimum,
                     double maximum, const std::string& format, TColor borderColor, bool printing) {
    const TColor entryBrush = canvas.Brush().Color();
    int percentage = 0;
    std::string text;
    if (!format.empty()) {
        const double range = maximum - minimum;
        percentage = range == 0 ? 0 : RoundEven((position - minimum) * 100 / range);
        text = FormatProgressText(format, position);
    } else {
        percentage = RoundEven(position);
        text = std::to_string(percentage) + "%";
    }
    percentage = std::clamp(percentage, 0, 100);
    plat::InflateRect(rect, -hMargin, -vMargin);

    const int width = rect.Width(), height = rect.Height();
    const int filled = rect.Left + RoundEven(percentage * width / 100.0);
    const int tw = canvas.TextWidth(text);
    int th = canvas.TextHeight(text);
    if (printing) th = -th;
    const int x = rect.Left + (width - tw) / 2, y = rect.Top + (height - th) / 2;

    canvas.Brush().SetColor(fillColor);
    canvas.Font().SetColor(fillTextColor);
    canvas.TextRect({rect.Left, rect.Top, filled, rect.Bottom}, x, y, text);
    canvas.Brush().SetColor(emptyColor);
    canvas.Font().SetColor(emptyTextColor);
    canvas.TextRect({filled, rect.Top, rect.Right, rect.Bottom}, x, y, text);

    plat::InflateRect(rect, 1, 1);
    if (borderColor != plat::clNone) Frame(canvas, rect, borderColor);
    plat::InflateRect(rect, 1, 1);
    Frame(canvas, rect, entryBrush);
}

void DrawSignedBar(plat::TCanvas& canvas, TRect rect, int value, int maximum, bool showText, TColor negativeColor,
                   TColor positiveColor) {
    plat::InflateRect(rect, -2, -2);
    const int half = rect.Width() / 2;
    if (maximum <= 0) return;  // no scale: nothing to show
    value = std::clamp(value, -maximum, maximum);
    const double x = double(half) * value / maximum;
    if (showText) canvas.SetBkMode(plat::TRANSPARENT);
    if (value < 0)
        Solid(canvas, {rect.Left + half + RoundEven(x), rect.Top, rect.Left + half, rect.Bottom}, negativeColor);
    else
        Solid(canvas, {rect.Left + half, rect.Top, rect.Left + half + RoundEven(x), rect.Bottom}, positiveColor);
}

void DrawProgressPie(plat::TCanvas& canvas, TRect rect, TColor color, int percentage, bool printing) {
    const TColor gray = plat::RGB(128, 128, 128);
    canvas.Pen().SetColor(gray);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(plat::bsClear);
    canvas.Ellipse(rect);
    const int w = rect.Width(), h = rect.Height();
    const int cx = rect.Left + w / 2, cy = rect.Top + h / 2;
    canvas.MoveTo(cx, rect.Top);
    canvas.LineTo(cx, cy);
    const double angle = percentage / 100.0 * 2 * M_PI;
    canvas.LineTo(cx + RoundEven((w + 1) / 2.0 * std::sin(angle)), cy - RoundEven((h + 1) / 2.0 * std::cos(angle)));
    if (percentage != 0) {
        canvas.Brush().SetStyle(plat::bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FloodFill(rect.Left + w / 2 + 1, printing ? rect.Top - 2 : rect.Top + 2, gray, plat::fsBorder);
    }
}

void DrawLevelProgressBar(plat::TCanvas& canvas, TRect rect, int percentage, const TLevelProgress& s) {
    canvas.Brush().SetStyle(plat::bsSolid);
    canvas.Brush().SetColor(s.UnCompleteColor == plat::clNone ? plat::clWhite : s.UnCompleteColor);
    canvas.Pen().SetColor(s.ShowBorder ? s.BorderColor : s.UnCompleteColor);
    if (s.UnCompleteColor != plat::clNone) canvas.FillRect(rect);
    if (s.ShowBorder || s.UnCompleteColor != plat::clNone) Frame(canvas, rect, s.ShowBorder ? s.BorderColor : s.UnCompleteColor);
    const int length = (s.Vertical ? rect.Height() : rect.Width()) - 2;

    // One segment along the bar at [from, from + len), inset across.
    auto segment = [&](int from, int len, int inset, TColor color, TColor colorTo) {
        if (len <= 0) return;
        TRect r;
        if (s.Vertical)
            r = {rect.Left + inset, rect.Bottom - 1 - from - len, rect.Right - inset, rect.Bottom - 1 - from};
        else
            r = {rect.Left + 1 + from, rect.Top + inset, rect.Left + 1 + from + len, rect.Bottom - inset};
        if (!s.ShowGradient || colorTo == plat::clNone) {
            Solid(canvas, r, color);
            return;
        }
        // Mirrored across the bar: outer edges in ColorTo, the middle in Color.
        if (s.Vertical) {
            const int mid = r.Left + r.Width() / 2;
            FillGradientRect(canvas, colorTo, color, s.Steps, {r.Left, r.Top, mid, r.Bottom}, true);
            FillGradientRect(canvas, color, colorTo, s.Steps, {mid, r.Top, r.Right, r.Bottom}, true);
        } else {
            const int mid = r.Top + r.Height() / 2;
            FillGradientRect(canvas, colorTo, color, s.Steps, {r.Left, r.Top, r.Right, mid}, false);
            FillGradientRect(canvas, color, colorTo, s.Steps, {r.Left, mid, r.Right, r.Bottom}, false);
        }
    };

    if (percentage > 0) {
        if (s.Stacked) {
            const int first = RoundEven(std::min(percentage, s.Level1Perc) / 100.0 * length);
            segment(0, first, 1, s.Level0Color, s.Level0ColorTo);
            int second = 0;
            if (percentage >= s.Level1Perc) {
                second = RoundEven(length * (std::min(percentage, s.Level2Perc) - s.Level1Perc) / 100.0);
                segment(first, second, 1, s.Level1Color, s.Level1ColorTo);
            }
            if (percentage >= s.Level2Perc) {
                // At 100 the last segment takes all the rest, so the bar is
                // full whatever the rounding of the first two.
                const int third = percentage >= 100 ? length - first - second
                                                    : RoundEven(length * (percentage - s.Level2Perc) / 100.0);
                segment(first + second, third, 1, s.Level3Color, s.Level3ColorTo);
            }
        } else {
            TColor color = s.Level2Color, colorTo = s.Level2ColorTo;
            if (percentage < s.Level1Perc) color = s.Level0Color, colorTo = s.Level0ColorTo;
            else if (percentage < s.Level2Perc) color = s.Level1Color, colorTo = s.Level1ColorTo;
            else if (percentage > 99) color = s.Level3Color, colorTo = s.Level3ColorTo;
            if (s.CompletionSmooth) {
                segment(0, RoundEven(percentage / 100.0 * length), 1, color, colorTo);
            } else {
                const int filled = RoundEven(percentage * length / 100.0);
                int o = 2;
                while (o + 7 <= filled) {
                    segment(o - 1, 7, 2, color, colorTo);
                    o += 9;
                }
                if (filled - o > 2) segment(o - 1, filled - o, 2, color, colorTo);
            }
        }
    }

    if (s.ShowPercentage) {
        plat::TFont font = s.Font;
        font.SetColor(s.CompleteFontColor);
        if (s.Vertical) font.SetOrientation(900);
        canvas.SetFont(font);
        canvas.SetBkMode(plat::TRANSPARENT);
        const std::string text = std::to_string(percentage) + "%";
        const int tw = canvas.TextWidth(text), th = canvas.TextHeight(text);
        if (s.Vertical)
            canvas.TextOut(rect.Left + (rect.Width() - th) / 2, rect.Bottom - (rect.Height() - tw) / 2, text);
        else
            canvas.TextOut(rect.Left + (rect.Width() - tw) / 2, rect.Top + (rect.Height() - th) / 2, text);
    }
    if (s.ShowBorder) Frame(canvas, rect, s.BorderColor);
}

// --- in-cell buttons ----------------------------------------------------------------
namespace {

const TColorTone& ToneOf(const TColorTones& tones, int state) {
    switch (state) {
        case 1: return tones.Hover;
        case 2: return tones.Selected;
        case 3: return tones.Disabled;
        default: return tones.Background;
    }
}

unsigned ClassicState(int kind, int state) {
    unsigned flags = 0;
    if (state == 1) flags |= plat::DFCS_HOT;
    if (state == 2) flags |= plat::DFCS_PUSHED;
    if (state == 3) flags |= plat::DFCS_INACTIVE;
    if (kind == 2) flags |= plat::DFCS_FLAT;
    return flags;
}

}  // namespace

void DrawComboButton(plat::TCanvas& canvas, TRect rect, int kind, int state, const TColorTones& tones) {
    TRect r{rect.Right - 17 - 2, rect.Top + 1, rect.Right - 2, rect.Bottom - 1};
    if (kind == 3) {
        r.Left += 3;
        const TColorTone& tone = ToneOf(tones, state);
        Solid(canvas, r, tone.BrushColor);
        canvas.Pen().SetColor(tones.Background.BorderColor);
        canvas.MoveTo(r.Left + 1, r.Top);
        canvas.LineTo(r.Left + 1, r.Bottom);
        canvas.Pen().SetColor(tones.Background.TextColor);
        canvas.Brush().SetColor(tones.Background.TextColor);
        canvas.Polygon({{r.Left + 5, r.Top + 8}, {r.Left + 11, r.Top + 8}, {r.Left + 8, r.Top + 11}});
        return;
    }
    unsigned flags = plat::DFCS_SCROLLCOMBOBOX | (state == 3 ? plat::DFCS_INACTIVE : 0);
    if (kind == 2) flags |= plat::DFCS_FLAT;
    canvas.DrawFrameControl(r, plat::DFC_SCROLL, flags);
}

void DrawButtonFace(plat::TCanvas& canvas, TRect rect, int kind, int state, const TColorTones& tones) {
    if (kind == 3) {
        const TColorTone& tone = ToneOf(tones, state);
        canvas.Brush().SetColor(tone.BrushColor);
        canvas.Pen().SetColor(tone.BorderColor);
        canvas.Rectangle(rect);
        return;
    }
    canvas.DrawFrameControl(rect, plat::DFC_BUTTON, plat::DFCS_BUTTONPUSH | ClassicState(kind, state));
}

void DrawSpinButtons(plat::TCanvas& canvas, TRect rect, int kind, int state, const TColorTones& tones) {
    TRect r{rect.Right - 15 - 1, rect.Top - 1, rect.Right - 1, rect.Bottom - 1};
    const int mid = r.Top + r.Height() / 2;
    if (kind == 3) {
        const TColorTone& tone = ToneOf(tones, state);
        const TRect up{r.Left, r.Top, r.Right, mid}, down{r.Left, mid, r.Right, r.Bottom};
        for (const TRect& half : {up, down}) {
            canvas.Brush().SetColor(tone.BrushColor);
            canvas.Pen().SetColor(tone.BrushColor);
            canvas.Rectangle(half);
        }
        canvas.Brush().SetColor(plat::clBlack);
        canvas.Pen().SetColor(plat::clBlack);
        canvas.Polygon({{up.Left + 5, up.Top + 5}, {up.Left + 9, up.Top + 5}, {up.Left + 7, up.Top + 3}});
        canvas.Polygon({{down.Left + 5, down.Top + 1}, {down.Left + 9, down.Top + 1}, {down.Left + 7, down.Top + 3}});
        return;
    }
    unsigned flags = (state == 3 ? plat::DFCS_INACTIVE : 0) | (kind == 2 ? plat::DFCS_FLAT : 0);
    TRect up{r.Left, r.Top, r.Right, mid}, down{r.Left, mid + 1, r.Right, r.Bottom};
    canvas.DrawFrameControl(up, plat::DFC_SCROLL, plat::DFCS_SCROLLUP | flags);
    canvas.DrawFrameControl(down, plat::DFC_SCROLL, plat::DFCS_SCROLLDOWN | flags);
}

// --- error underline ---------------------------------------------------------------
void DrawErrorUnderline(plat::TCanvas& canvas, const std::string& text, TRect rect, int offset, int errorLength,
                        int errorStart) {
    // Left edge of the character at a 1-based byte position; past the
    // end, 4 pixels right of the last character.
    const auto charX = [&](int pos) {
        if (pos < 1) pos = 1;
        if (pos > int(text.size())) return canvas.TextWidth(text) + 4;
        return canvas.TextWidth(text.substr(0, size_t(pos - 1)));
    };
    const int startX = charX(errorStart);
    const int endX = charX(errorStart + std::max(errorLength, 1) - 1);
    const int base = rect.Top + offset;
    canvas.Pen().SetColor(plat::RGB(255, 0, 0));
    canvas.Pen().SetWidth(2);
    canvas.MoveTo(rect.Left + startX, base + 3);
    bool up = true;
    int x = startX;
    for (; x < endX; x += 3) {
        canvas.LineTo(rect.Left + x + 3, up ? base : base + 3);
        up = !up;
    }
    canvas.LineTo(rect.Left + x + 3, up ? base : base + 3);
    canvas.Pen().SetWidth(1);
}

// --- bitmaps --------------------------------------------------------------------------
void DrawBitmapTransparent(plat::TCanvas& canvas, const plat::TBitmap& bitmap, TColor background, TRect rect) {
    if (bitmap.Empty()) return;
    plat::TBitmap copy(bitmap);
    const TColor key = bitmap.Pixel(0, 0);
    const TColor bg = plat::ColorToRGB(background);
    for (int y = 0; y < copy.Height(); ++y)
        for (int x = 0; x < copy.Width(); ++x)
            if (bitmap.Pixel(x, y) == key) copy.Canvas().SetPixels(x, y, bg);
    canvas.Draw(rect.Left, rect.Top, copy);
}

bool DrawResourceBitmap(plat::TCanvas& canvas, TColor background, TRect rect, const std::string& name) {
    plat::TBitmap bmp;
    if (!bmp.LoadFromResource(name)) return false;
    DrawBitmapTransparent(canvas, bmp, background, rect);
    return true;
}

}  // namespace ctl
