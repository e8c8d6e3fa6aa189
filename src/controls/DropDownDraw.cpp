#include "controls/DropDownDraw.h"

#include "controls/EsgHTMLE.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace ctl {

using namespace plat;

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect Rect, bool Horizontal) {
    Steps = std::clamp(Steps, 1, 65535);
    const TColor a = ColorToRGB(FromColor);
    const TColor b = ColorToRGB(ToColor);
    const double dr = double(GetRValue(b) - GetRValue(a)) / Steps;
    const double dg = double(GetGValue(b) - GetGValue(a)) / Steps;
    const double db = double(GetBValue(b) - GetBValue(a)) / Steps;
    const TRect clip = Rect;
    if (Horizontal) --Rect.Right;
    else --Rect.Bottom;
    const double w = (Horizontal ? Rect.Right - Rect.Left : Rect.Bottom - Rect.Top) / double(Steps);
    for (int n = 0; n < Steps; ++n) {
        const TColor c = RGB(GetRValue(a) + RoundHalfEven(n * dr), GetGValue(a) + RoundHalfEven(n * dg),
                             GetBValue(a) + RoundHalfEven(n * db));
        Canvas.Pen().SetColor(c);
        Canvas.Brush().SetColor(c);
        TRect band = Horizontal ? plat::Rect(Rect.Left + RoundHalfEven(n * w), Rect.Top,
                                             Rect.Left + RoundHalfEven(n * w) + RoundHalfEven(w) + 1, Rect.Bottom)
                                : plat::Rect(Rect.Left, Rect.Top + RoundHalfEven(n * w), Rect.Right,
                                             Rect.Top + RoundHalfEven(n * w) + RoundHalfEven(w) + 1);
        // The last band would reach one pixel past the rectangle and paint
        // over the neighbour (a frame line, the next cell): keep it inside.
        if (IntersectRect(band, band, clip)) Canvas.FillRect(band);
    }
}

TColor BlendColor(TColor Color1, TColor Color2, int Percent) {
    if (Percent >= 100) return Color1;
    if (Percent <= 0) return Color2;
    const TColor a = ColorToRGB(Color1), b = ColorToRGB(Color2);
    const double x = Percent / 100.0;
    auto mix = [&](int c1, int c2) { return RoundHalfEven(x * c1 + (1 - x) * c2); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor AdjustColorTone(TColor Color, int RPercent, int GPercent, int BPercent) {
    const TColor c = ColorToRGB(Color);
    auto tone = [](int ch, int p) {
        if (ch == 0) return std::max(0, p);
        return RoundHalfEven(std::min(100, 100 + p) / 100.0 * ch);
    };
    return RGB(tone(GetRValue(c), RPercent), tone(GetGValue(c), GPercent), tone(GetBValue(c), BPercent));
}

void DrawItemBackground(TCanvas& Canvas, TRect Rect, TColor Color, TColor ColorTo, TColor BorderColor, int PenWidth,
                        TGradientDirection Direction) {
    if (ColorTo != clNone && Color != clNone)
        DrawGradient(Canvas, Color, ColorTo, 80, Rect, Direction == gdHorizontal);
    else if (Color != clNone) {
        Canvas.Brush().SetColor(Color);
        Canvas.FillRect(Rect);
    }
    if (BorderColor != clNone && PenWidth > 0) {
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Pen().SetWidth(PenWidth);
        Canvas.Pen().SetColor(BorderColor);
        Canvas.Rectangle(Rect);
        Canvas.Pen().SetWidth(1);
    }
}

TSize GetTextSize(TCanvas& Canvas, const std::string& Text) {
    if (Text.empty()) return TSize{0, 0};
    TRect r = plat::Rect(0, 0, 1000, 500);
    Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
    return TSize{r.Right, r.Bottom};
}

std::string TruncateText(TCanvas& Canvas, const std::string& Text, int MaxWidth, bool AddEllipsis) {
    if (Canvas.TextWidth(Text) <= MaxWidth) return Text;
    for (size_t i = 0; i < Text.size(); ++i) {
        std::string candidate = Text.substr(0, Text.size() - i - 1);
        if (AddEllipsis) candidate += "...";
        if (Canvas.TextWidth(candidate) < MaxWidth) return candidate;
    }
    return Text;
}

std::string CaseAdjusted(const std::string& Text, bool CaseSensitive) {
    if (CaseSensitive) return Text;
    std::string r = Text;
    for (char& c : r) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

void DrawImageAndText(TCanvas& Canvas, TRect Rect, const std::string& Text, const IHtmlImageList* Images,
                      int ImageIndex) {
    const bool image = Images != nullptr && ImageIndex >= 0;
    if (image) {
        Images->Draw(Canvas, Rect.Left + 4, Rect.Top + (Rect.Height() - Images->Height()) / 2, ImageIndex);
        Rect.Left += 4 + Images->Width() + 8;
    }
    if (Text.empty()) return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!image) flags |= DT_CENTER;
    Canvas.DrawText(Text, Rect, flags);
}

void DrawTransparentGlyph(TCanvas& Canvas, const TBitmap& Bitmap, TColor BackColor, TRect Rect) {
    if (Bitmap.Empty()) return;
    const int w = std::min(Rect.Width(), Bitmap.Width()), h = std::min(Rect.Height(), Bitmap.Height());
    if (w <= 0 || h <= 0) return;
    const TColor key = Bitmap.Pixel(0, 0);
    const TColor back = ColorToRGB(BackColor);
    TBitmap part(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor p = Bitmap.Pixel(x, y);
            part.Canvas().SetPixels(x, y, p == key ? back : p);
        }
    Canvas.Draw(Rect.Left, Rect.Top, part);
}

TPoint DrawHtmlCaption(TCanvas& Canvas, const std::string& Text, TRect Rect, const IHtmlImageList* Images,
                       bool Draw) {
    if (Text.empty()) return {0, 0};
    THtmlRenderArgs args;
    args.Images = Images;
    args.MeasureOnly = !Draw;
    args.URLColor = clBlue;
    args.HoverColor = clNone;
    args.HoverFontColor = clNone;
    args.ShadowColor = clGray;
    THtmlRenderResult result;
    RenderHtmlText(Canvas, Text, Rect, args, result);
    return {result.XSize, result.YSize};
}

void DrawFlatDropButton(plat::TCanvas& c, const TEsgButtonColors& Colors, plat::TRect Face, int LineX,
                        plat::TPoint Arrow, bool Hover, bool Held) {
    plat::TColor face = Colors.ButtonColor;
    if (Hover) face = Held ? Colors.ButtonColorDown : Colors.ButtonColorHot;
    // A state without a colour of its own keeps the normal face.
    if (face == plat::clNone) face = Colors.ButtonColor;
    c.Brush().SetColor(face);
    c.FillRect(Face);
    if (Colors.ButtonBorderColor != plat::clNone) {
        c.Pen().SetColor(Colors.ButtonBorderColor);
        c.MoveTo(LineX, Face.Top);
        c.LineTo(LineX, Face.Bottom);
    }
    const plat::TColor arrow =
        Held && Colors.ButtonTextColorDown != plat::clNone ? Colors.ButtonTextColorDown : Colors.ButtonTextColor;
    if (arrow == plat::clNone) return;
    c.Brush().SetColor(arrow);
    c.Pen().SetColor(arrow);
    c.Polygon({{Arrow.X, Arrow.Y}, {Arrow.X + 6, Arrow.Y}, {Arrow.X + 3, Arrow.Y + 3}});
}

}  // namespace ctl
