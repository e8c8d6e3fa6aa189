#include "grid/ExtGridButton.h"

#include <cmath>

namespace grid {

using namespace plat;

namespace {

int Round(double v) { return int(std::nearbyint(v)); }

}  // namespace

void DrawGridButtonGradient(TCanvas& Canvas, TColor From, TColor To, TColor Border, const TRect& R) {
    const TColor f = ColorToRGB(From);
    const TColor t = ColorToRGB(To);
    const int h = R.Height();
    for (int i = 0; i < 16; ++i) {
        const int top = R.Top + Round(i * h / 16.0);
        const int bandH = Round(h / 16.0) + 1;
        auto channel = [&](int a, int b) { return a + Round(i * (b - a) / 16.0); };
        const TColor c = RGB(channel(GetRValue(f), GetRValue(t)), channel(GetGValue(f), GetGValue(t)),
                             channel(GetBValue(f), GetBValue(t)));
        Canvas.Pen().SetColor(c);
        Canvas.Brush().SetColor(c);
        Canvas.Rectangle(R.Left, top, R.Right, std::min(top + bandH, R.Bottom));
    }
    if (Border != clNone) {
        Canvas.Pen().SetColor(Border);
        Canvas.Brush().SetStyle(bsClear);
        Canvas.Rectangle(R);
    }
}

TExtGridButton::TExtGridButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetBounds(0, 0, 22, 23);
    SetControlStyle(ControlStyle() & ~csClickEvents);
    FLook = 0;
}

void TExtGridButton::SetAllowAllUp(bool Value) {
    if (Value == FAllowAllUp) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TExtGridButton::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

// Tells the other buttons of the group: one down at a time, and they all
// share AllowAllUp.
void TExtGridButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TExtGridButton*>(Parent()->Controls(i));
        if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
        if (FDown && other->FDown) {
            other->FDown = false;
            other->FState = bsUp;
            other->Invalidate();
        }
        other->FAllowAllUp = FAllowAllUp;
    }
}

void TExtGridButton::SetDown(bool Value) {
    if (FGroupIndex == 0 && FStyle != tasCheck) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        Invalidate();
        return;
    }
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;  // a grouped down button is released by another one
    FDown = Value;
    if (Value) {
        if (FState == bsUp) Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Invalidate();
    }
}

void TExtGridButton::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TExtGridButton::SetLayout(TButtonLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Invalidate();
}

void TExtGridButton::SetMargin(int Value) {
    if (Value == FMargin || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TExtGridButton::SetSpacing(int Value) {
    if (Value == FSpacing) return;
    FSpacing = Value;
    Invalidate();
}

void TExtGridButton::SetShowCaption(bool Value) {
    if (Value == FShowCaption) return;
    FShowCaption = Value;
    Invalidate();
}

void TExtGridButton::SetShaded(bool Value) {
    FShaded = Value;
    if (Value) BuildShade();
}

void TExtGridButton::SetAutoThemeAdapt(bool Value) {
    FAutoThemeAdapt = Value;
    if (Value) ThemeAdapt();
}

void TExtGridButton::ThemeAdapt() {
    // No visual style is ever active here, which takes the plain preset.
    SetLook(1);
}

void TExtGridButton::SetLook(int Value) {
    struct TPreset {
        TColor color, colorTo, hot, hotTo, down, downTo, checked, checkedTo, borderDown, borderHot;
        bool rounded;
    };
    static const TPreset presets[] = {
        {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
        {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
        {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0, 0, false},
        {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
        {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
    };
    if (Value < 0 || Value > 6) return;
    FLook = Value;
    const TPreset& p = presets[Value];
    SetColor(p.color);
    ColorTo = p.colorTo;
    ColorHot = p.hot;
    ColorHotTo = p.hotTo;
    ColorDown = p.down;
    ColorDownTo = p.downTo;
    ColorChecked = p.checked;
    ColorCheckedTo = p.checkedTo;
    BorderDownColor = p.borderDown;
    BorderHotColor = p.borderHot;
    BorderColor = clNone;
    FRounded = p.rounded;
    FFlat = true;
    Invalidate();
}

void TExtGridButton::SetGlyph(const TBitmap& Value) {
    FGlyph = Value;
    if (FGlyphDisabled.Empty() && !Value.Empty()) {
        // A washed-out grey copy for the disabled look.
        FGlyphDisabled = Value;
        for (int y = 0; y < Value.Height(); ++y)
            for (int x = 0; x < Value.Width(); ++x) {
                const TColor c = Value.Pixel(x, y);
                const int g = Round((GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3.0) / 2 + 96;
                FGlyphDisabled.Canvas().SetPixels(x, y, RGB(g, g, g));
            }
    }
    if (FShaded) BuildShade();
    Invalidate();
}

void TExtGridButton::BuildShade() {
    if (FGlyph.Empty()) {
        FShade = TBitmap();
        return;
    }
    FShade = FGlyph;
    const TColor key = FGlyph.Pixel(0, FGlyph.Height() - 1);
    for (int y = 0; y < FGlyph.Height(); ++y)
        for (int x = 0; x < FGlyph.Width(); ++x)
            FShade.Canvas().SetPixels(x, y, FGlyph.Pixel(x, y) == key ? key : TColor(0x808080));
    FShade.SetTransparent(true);
}

void TExtGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FDropDownButton && X > ClientWidth() - 12) {
        FState = bsUp;
        if (OnDropDown) OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint at = ClientToScreen({0, Height()});
            FDropDownMenu->Popup(at.X, at.Y);
        }
        return;
    }
    if (!FDown || FStyle == tasCheck) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TExtGridButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    TButtonState s = inside ? bsDown : bsUp;
    if (FDown) s = bsExclusive;
    if (FStyle == tasCheck && FDown) s = bsDown;
    if (s != FState) {
        FState = s;
        Invalidate();
    }
}

void TExtGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck && inside) FDown = !FDown;
    } else if (inside) {
        SetDown(!FDown);
        if (FDown) FState = bsExclusive;
    } else if (FDown) {
        FState = bsExclusive;
    }
    Invalidate();
    if (inside) Click();
}

void TExtGridButton::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FMouseIn = true;
    if (Enabled() && !FDragging) Invalidate();
}

void TExtGridButton::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FMouseIn = false;
    if (Enabled() && !FDragging) Invalidate();
}

void TExtGridButton::CMEnabledChanged(TMessage& Message) {
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}

void TExtGridButton::DblClick() {
    if (FDown) TCustomControl::DblClick();
}

const TBitmap& TExtGridButton::ChosenGlyph(TButtonState S) const {
    const TBitmap* g = &FGlyph;
    if (!Enabled()) g = &FGlyphDisabled;
    else if (S == bsDown || S == bsExclusive) g = &FGlyphDown;
    else if (FMouseIn) g = &FGlyphHot;
    return g->Empty() ? FGlyph : *g;
}

void TExtGridButton::GlyphAndCaptionPos(TPoint& GlyphPos, TRect& CaptionRect) const {
    TCanvas measure;
    measure.SetFont(Font());
    const TSize glyph{FGlyph.Width(), FGlyph.Height()};
    TSize text{0, 0};
    if (!Caption().empty()) {
        TRect r = Rect(0, 0, ClientWidth(), 0);
        measure.DrawText(Caption(), r, DT_CALCRECT | DT_SINGLELINE);
        text = {r.Width(), r.Height()};
    }
    const bool horizontal = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int client = horizontal ? ClientWidth() : ClientHeight();
    const int gSize = horizontal ? glyph.cx : glyph.cy;
    const int tSize = horizontal ? text.cx : text.cy;
    int margin = FMargin;
    int spacing = (gSize == 0 || tSize == 0) ? 0 : FSpacing;
    if (margin == -1 && spacing == -1) {
        margin = spacing = (client - gSize - tSize) / 3;
    } else if (margin == -1) {
        margin = (client - gSize - spacing - tSize + 1) / 2;
    } else if (spacing == -1) {
        spacing = (client - margin - gSize - tSize) / 2;
    }
    int gPos = margin;
    int tPos = margin + gSize + spacing;
    if (FLayout == blGlyphRight || FLayout == blGlyphBottom) {
        gPos = client - margin - gSize;
        tPos = gPos - spacing - tSize;
    }
    if (horizontal) {
        GlyphPos = {gPos, (ClientHeight() - glyph.cy + 1) / 2};
        CaptionRect = Bounds(tPos, (ClientHeight() - text.cy + 1) / 2, text.cx, text.cy);
    } else {
        GlyphPos = {(ClientWidth() - glyph.cx + 1) / 2, gPos};
        CaptionRect = Bounds((ClientWidth() - text.cx + 1) / 2, tPos, text.cx, text.cy);
    }
    if (Caption().empty()) GlyphPos = {0, 0};
}

void TExtGridButton::PaintFace(TRect& R) {
    TCanvas& c = Canvas();
    auto fill = [&](TColor from, TColor to, TColor outline) {
        if (to == clNone) {
            c.Brush().SetColor(from);
            c.Pen().SetColor(outline == clNone || FRounded ? from : outline);
            c.Rectangle(R);
        } else {
            DrawGridButtonGradient(c, from, to, FRounded ? clNone : outline, R);
        }
    };
    if (BorderDownColor == clNone || FRounded) InflateRect(R, -1, -1);
    const bool hotLook = FMouseIn && Enabled();
    if (!hotLook) {
        if (FStyle == tasCheck && FDown) {
            fill(ColorChecked, ColorCheckedTo, BorderDownColor);
        } else {
            fill(Color(), ColorTo, FDown ? BorderDownColor : BorderColor);
            if (BorderColor != clNone) {
                c.Pen().SetColor(BorderColor);
                c.Brush().SetStyle(bsClear);
                if (FRounded) {
                    TRect b = R;
                    InflateRect(b, 1, 1);
                    c.RoundRect(b, 8, 8);
                } else {
                    c.Rectangle(R);
                }
            }
        }
    } else {
        const bool checked = FStyle == tasCheck && FDown && FState != bsDown;
        const TColor border = FState == bsDown || checked ? BorderDownColor : BorderHotColor;
        if (checked) fill(ColorChecked, ColorCheckedTo, BorderDownColor);
        else if (FState == bsDown) fill(ColorDown, ColorDownTo, BorderDownColor);
        else fill(ColorHot, ColorHotTo, BorderHotColor);
        if (FRounded && border != clNone) {
            TRect b = R;
            InflateRect(b, 1, 1);
            c.Pen().SetColor(border);
            c.Brush().SetStyle(bsClear);
            c.RoundRect(b, 8, 8);
        }
        if (FDropDownButton && border != clNone) {
            c.Pen().SetColor(border);
            c.MoveTo(R.Right - 12, R.Top);
            c.LineTo(R.Right - 12, R.Bottom);
        }
    }
    InflateRect(R, -1, -1);
}

void TExtGridButton::Paint() {
    TCanvas& c = Canvas();
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = (FDown && FGroupIndex != 0) ? bsExclusive : bsUp;
    }
    TButtonState shown = FState;
    if (FStyle == tasCheck && FDown) shown = bsDown;
    const TButtonState saved = FState;
    FState = shown;

    TRect face = Rect(0, 0, ClientWidth(), ClientHeight());
    c.SetFont(Font());
    if (FFlat) {
        PaintFace(face);
    } else {
        c.DrawFrameControl(face, DFC_BUTTON,
                           DFCS_BUTTONPUSH | DFCS_ADJUSTRECT |
                               (FState == bsDown || FState == bsExclusive ? DFCS_PUSHED : 0));
    }
    TPoint offset{0, 0};
    if (FState == bsDown || FState == bsExclusive) {
        if (FState == bsExclusive && (!FFlat || !FMouseIn)) {
            TRect r = face;
            InflateRect(r, 1, 1);
            if (ColorCheckedTo == clNone) {
                c.Brush().SetColor(ColorChecked);
                c.Pen().SetColor(ColorChecked);
                c.Rectangle(r);
            } else {
                DrawGridButtonGradient(c, ColorChecked, ColorCheckedTo, FDown ? BorderDownColor : BorderColor, r);
            }
        }
        if (!FFlat) offset = {1, 1};
    } else if (FFlat && Enabled() && FShaded && FMouseIn) {
        offset = {-1, -1};
    }
    if (FDropDownButton) {
        const int mid = ClientHeight() / 2;
        const int right = ClientWidth();
        c.Brush().SetColor(Font().Color());
        c.Pen().SetColor(Font().Color());
        c.Polygon({{right - 8, mid - 1}, {right - 4, mid - 1}, {right - 6, mid + 1}});
    }

    TPoint gp;
    TRect cr;
    GlyphAndCaptionPos(gp, cr);
    gp.X += offset.X, gp.Y += offset.Y;
    OffsetRect(cr, offset.X, offset.Y);
    const TButtonState glyphState = (FDown && FGroupIndex != 0) ? bsDown : FState;
    const TBitmap& glyph = ChosenGlyph(glyphState);
    if (!glyph.Empty()) {
        if (Enabled() && FShaded && FMouseIn && FState != bsDown && !FShade.Empty()) {
            const int d = Caption().empty() ? 0 : 2;
            c.Draw(gp.X + d, gp.Y + d, FShade);
        }
        TBitmap g = glyph;
        g.SetTransparent(true);
        c.Draw(gp.X, gp.Y, g);
    }
    if (FShowCaption && !Caption().empty()) {
        c.Brush().SetStyle(bsClear);
        TRect r = cr;
        if (FFlat && Enabled() && FShaded && FMouseIn && FState != bsDown) OffsetRect(r, 1, 1);
        if (!Enabled()) {
            TRect e = r;
            OffsetRect(e, 1, 1);
            c.Font().SetColor(clBtnHighlight);
            c.DrawText(Caption(), e, DT_CENTER | DT_SINGLELINE);
            c.Font().SetColor(clBtnShadow);
        }
        c.DrawText(Caption(), r, DT_CENTER | DT_SINGLELINE);
    }
    FState = saved;
}

}  // namespace grid
