// The classic unthemed look: three-dimensional edges, push buttons, check
// boxes, radio buttons and scroll arrows in the system colours. Drawn
// through the canvas's own calls so they work on bitmaps and controls alike.

#include <algorithm>
#include <cmath>

#include "platform/Graphics.h"

namespace plat {

namespace {

void Fill(TCanvas& c, const TRect& r, TColor color) {
    if (IsRectEmpty(r)) return;
    c.Brush().SetColor(color);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
}

// One ring of an edge: the top and left sides in tl, then the bottom and
// right ones in br (which take the two far corners). Returns the rectangle
// inside the ring.
TRect Ring(TCanvas& c, TRect r, TColor tl, TColor br, unsigned sides) {
    if (sides & BF_LEFT) Fill(c, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1), tl);
    if (sides & BF_TOP) Fill(c, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1), tl);
    if (sides & BF_RIGHT) Fill(c, Rect(r.Right - 1, r.Top, r.Right, r.Bottom), br);
    if (sides & BF_BOTTOM) Fill(c, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), br);
    if (sides & BF_LEFT) ++r.Left;
    if (sides & BF_TOP) ++r.Top;
    if (sides & BF_RIGHT) --r.Right;
    if (sides & BF_BOTTOM) --r.Bottom;
    return r;
}

TRect CenteredSquare(const TRect& r) {
    const int s = std::max(0, std::min(r.Width(), r.Height()));
    const int x = r.Left + (r.Width() - s) / 2;
    const int y = r.Top + (r.Height() - s) / 2;
    return Bounds(x, y, s, s);
}

// The classic check mark, 7 x 7 pixels: a short stroke down, a long one up,
// each three pixels tall.
void CheckMark(TCanvas& c, const TRect& box, TColor color) {
    static const int kTop[7] = {2, 3, 4, 3, 2, 1, 0};
    const int gx = box.Left + (box.Width() - 7) / 2;
    const int gy = box.Top + (box.Height() - 7) / 2;
    for (int i = 0; i < 7; ++i) Fill(c, Rect(gx + i, gy + kTop[i], gx + i + 1, gy + kTop[i] + 3), color);
}

void CheckBox(TCanvas& c, const TRect& r, unsigned state) {
    const TRect box = CenteredSquare(r);
    if (IsRectEmpty(box)) return;
    TRect inner = box;
    if (state & DFCS_MONO) {
        inner = Ring(c, box, clWindowFrame, clWindowFrame, BF_RECT);
    } else if (state & DFCS_FLAT) {
        inner = Ring(c, box, clBtnShadow, clBtnShadow, BF_RECT);
    } else {
        inner = Ring(c, box, clBtnShadow, clBtnHighlight, BF_RECT);
        inner = Ring(c, inner, cl3DDkShadow, cl3DLight, BF_RECT);
    }
    const bool mixed = (state & DFCS_BUTTON3STATE) && (state & DFCS_CHECKED);
    const bool dim = (state & (DFCS_INACTIVE | DFCS_PUSHED)) || mixed;
    Fill(c, inner, dim ? clBtnFace : clWindow);
    if (state & DFCS_CHECKED) {
        TColor mark = clWindowText;
        if (mixed) mark = clBtnShadow;
        if (state & DFCS_INACTIVE) mark = clGrayText;
        CheckMark(c, inner, mark);
    }
}

void RadioButton(TCanvas& c, const TRect& r, unsigned state) {
    const TRect box = CenteredSquare(r);
    const int s = box.Width();
    if (s <= 0) return;
    const double centre = (s - 1) / 2.0;
    const double radius = s / 2.0;
    const bool flat = (state & (DFCS_FLAT | DFCS_MONO)) != 0;
    const bool dim = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    const TColor face = dim ? clBtnFace : clWindow;
    const TColor dot = (state & DFCS_INACTIVE) ? clGrayText : clWindowText;
    const double dotRadius = std::max(1.5, s / 6.0);
    for (int y = 0; y < s; ++y) {
        for (int x = 0; x < s; ++x) {
            const double dx = x - centre;
            const double dy = y - centre;
            const double d = std::sqrt(dx * dx + dy * dy) + 0.5;
            const bool upperLeft = dx + dy < 0;
            TColor color = clNone;
            if (d > radius) {
                continue;
            } else if (d > radius - 1) {
                color = flat ? ((state & DFCS_MONO) ? clWindowFrame : clBtnShadow)
                             : (upperLeft ? clBtnShadow : clBtnHighlight);
            } else if (d > radius - 2) {
                color = flat ? face : (upperLeft ? cl3DDkShadow : cl3DLight);
            } else {
                color = ((state & DFCS_CHECKED) && d <= dotRadius + 0.5) ? dot : face;
            }
            c.SetPixels(box.Left + x, box.Top + y, color);
        }
    }
}

void ButtonFace(TCanvas& c, TRect& r, unsigned state) {
    TRect inner = r;
    if (state & (DFCS_FLAT | DFCS_MONO)) {
        const TColor frame = (state & DFCS_MONO) ? clWindowFrame : clBtnShadow;
        inner = Ring(c, r, frame, frame, BF_RECT);
    } else if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        inner = Ring(c, r, cl3DDkShadow, clBtnHighlight, BF_RECT);
        inner = Ring(c, inner, clBtnShadow, cl3DLight, BF_RECT);
    } else {
        inner = Ring(c, r, cl3DLight, cl3DDkShadow, BF_RECT);
        inner = Ring(c, inner, clBtnHighlight, clBtnShadow, BF_RECT);
    }
    // A hot face lights up under the pointer; pushed, it sinks instead.
    const bool hot = (state & DFCS_HOT) && !(state & (DFCS_PUSHED | DFCS_CHECKED | DFCS_INACTIVE));
    Fill(c, inner, hot ? clBtnHighlight : clBtnFace);
    if (state & DFCS_ADJUSTRECT) r = inner;
}

// A filled arrow head pointing in direction (0 up, 1 down, 2 left, 3 right).
void Arrow(TCanvas& c, const TRect& r, int direction, TColor color, int shift) {
    const int a = std::max(1, (std::min(r.Width(), r.Height()) + 1) / 4);
    const int cx = r.Left + r.Width() / 2 + shift;
    const int cy = r.Top + r.Height() / 2 + shift;
    for (int i = 0; i < a; ++i) {
        const int half = (direction == 0 || direction == 2) ? i : a - 1 - i;
        if (direction <= 1) {
            const int y = cy - a / 2 + i;
            Fill(c, Rect(cx - half, y, cx + half + 1, y + 1), color);
        } else {
            const int x = cx - a / 2 + i;
            Fill(c, Rect(x, cy - half, x + 1, cy + half + 1), color);
        }
    }
}

void ScrollButton(TCanvas& c, TRect& r, unsigned state) {
    TRect face = r;
    ButtonFace(c, face, state | DFCS_ADJUSTRECT);
    int direction = 1;
    switch (state & 0xFF) {
        case DFCS_SCROLLUP: direction = 0; break;
        case DFCS_SCROLLLEFT: direction = 2; break;
        case DFCS_SCROLLRIGHT: direction = 3; break;
        default: direction = 1; break;  // down and the combo box button
    }
    const int shift = (state & DFCS_PUSHED) ? 1 : 0;
    if (state & DFCS_INACTIVE) {
        // The embossed look of a disabled arrow.
        Arrow(c, r, direction, clBtnHighlight, shift + 1);
        Arrow(c, r, direction, clBtnShadow, shift);
    } else {
        Arrow(c, r, direction, clBtnText, shift);
    }
    if (state & DFCS_ADJUSTRECT) r = face;
}

}  // namespace

void TCanvas::DrawEdge(TRect& r, unsigned edge, unsigned flags) {
    SaveState();
    TColor outerTL = clNone, outerBR = clNone, innerTL = clNone, innerBR = clNone;
    const bool soft = (flags & BF_SOFT) != 0;
    if (edge & BDR_RAISEDOUTER) {
        outerTL = soft ? clBtnHighlight : cl3DLight;
        outerBR = cl3DDkShadow;
    } else if (edge & BDR_SUNKENOUTER) {
        outerTL = soft ? cl3DDkShadow : clBtnShadow;
        outerBR = clBtnHighlight;
    }
    if (edge & BDR_RAISEDINNER) {
        innerTL = soft ? cl3DLight : clBtnHighlight;
        innerBR = clBtnShadow;
    } else if (edge & BDR_SUNKENINNER) {
        innerTL = soft ? clBtnShadow : cl3DDkShadow;
        innerBR = cl3DLight;
    }
    if (flags & BF_MONO) {
        if (outerTL != clNone) outerTL = outerBR = clWindowFrame;
        if (innerTL != clNone) innerTL = innerBR = clWindow;
    } else if (flags & BF_FLAT) {
        if (outerTL != clNone) outerTL = outerBR = clBtnShadow;
        if (innerTL != clNone) innerTL = innerBR = clBtnFace;
    }
    TRect inner = r;
    if (outerTL != clNone) inner = Ring(*this, inner, outerTL, outerBR, flags & BF_RECT);
    if (innerTL != clNone) inner = Ring(*this, inner, innerTL, innerBR, flags & BF_RECT);
    if (flags & BF_MIDDLE) Fill(*this, inner, (flags & BF_MONO) ? clWindow : clBtnFace);
    RestoreState();
    if (flags & BF_ADJUST) r = inner;
}

void TCanvas::DrawFrameControl(TRect& r, unsigned kind, unsigned state) {
    SaveState();
    if (kind == DFC_BUTTON) {
        if (state & DFCS_BUTTONPUSH) {
            ButtonFace(*this, r, state);
        } else if (state & DFCS_BUTTONRADIO) {
            RadioButton(*this, r, state);
        } else {
            CheckBox(*this, r, state);
        }
    } else if (kind == DFC_SCROLL) {
        ScrollButton(*this, r, state);
    }
    RestoreState();
}

}  // namespace plat
