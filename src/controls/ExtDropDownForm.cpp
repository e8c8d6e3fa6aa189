// The pop-up window of a drop-down and the arrow button inside the edit:
// where the pop-up goes, how it paints its colours and frame, how it closes
// when another window takes the activation, and the arrow's faces.
#include "controls/ExtDropDownForm.h"

#include <algorithm>

#include "controls/ExtDropDown.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/Process.h"

namespace ctl {

using namespace plat;

TPoint PlaceDropDown(TPoint P, int EditHeight, int FormWidth, int FormHeight, TDropPosition Position,
                     int ScreenHeight, const TMonitorRect& WorkArea) {
    TPoint r{P.X, P.Y + EditHeight - 1};
    if (Position == dpUp || (Position == dpAuto && P.Y + FormHeight >= ScreenHeight)) r.Y = P.Y - FormHeight;
    if (WorkArea.Left >= 0 && r.X + FormWidth > WorkArea.Right && r.X < WorkArea.Right)
        r.X = WorkArea.Right - FormWidth;
    return r;
}

// ------------------------------------------------------------------ form

namespace {

// The background of the pop-up: colours, frame, and the place of the bars
// and the inner control inside the frame.
class TDropDownClient : public TCustomControl {
public:
    TDropDownClient(TComponent* AOwner, TDropDownForm* Form) : TCustomControl(AOwner), FForm(Form) {
        SetAccessibleName("Drop-down");
        SetAccessibleRole(arClient);
    }
    void Arrange() {
        TExtCustomDropDown* dd = FForm->ExtDropDown();
        if (dd == nullptr) return;
        const int b = dd->DropDownBorderWidth();
        TRect r = Rect(b, b, Width() - b, Height() - b);
        if (TExtBar* h = FForm->Header(); h != nullptr && h->Visible()) {
            h->SetBounds(r.Left, r.Top, r.Width(), h->Height());
            r.Top += h->Height();
        }
        if (TExtBar* f = FForm->Footer(); f != nullptr && f->Visible()) {
            f->SetBounds(r.Left, r.Bottom - f->Height(), r.Width(), f->Height());
            r.Bottom -= f->Height();
        }
        if (TControl* c = dd->Control(); c != nullptr && c->Parent() == this)
            c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
    }

protected:
    void WMSize(TMessage& Message) override {
        TCustomControl::WMSize(Message);
        Arrange();
    }
    // The wheel over the pop-up's background is the pop-up's.
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_MOUSEWHEEL && Parent() != nullptr) Parent()->WndProc(Message);
        else TCustomControl::Dispatch(Message);
    }
    void Paint() override {
        TExtCustomDropDown* dd = FForm->ExtDropDown();
        if (dd == nullptr) return;
        TCanvas& c = Canvas();
        const int b = dd->DropDownBorderWidth();
        TRect r = Rect(b, b, Width() - b, Height() - b);
        if (dd->DropDownColor() != clNone && dd->DropDownColorTo() != clNone)
            DrawGradient(c, dd->DropDownColor(), dd->DropDownColorTo(), 80, r, dd->DropDownGradient() == gdHorizontal);
        else if (dd->DropDownColor() != clNone) {
            c.Brush().SetColor(dd->DropDownColor());
            c.FillRect(r);
        }
        if (b > 0 && dd->DropDownBorderColor() != clNone) {
            c.Brush().SetColor(dd->DropDownBorderColor());
            const int w = Width(), h = Height();
            c.FillRect(Rect(0, 0, w, b));
            c.FillRect(Rect(0, h - b, w, h));
            c.FillRect(Rect(0, 0, b, h));
            c.FillRect(Rect(w - b, 0, w, h));
        }
    }

private:
    TDropDownForm* FForm;
};

}  // namespace

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    FClient = new TDropDownClient(this, this);
    FClient->SetParent(this);
    FClient->SetAlign(alClient);
}

void TDropDownForm::InitializeAndUpdate() {
    if (FExtDropDown == nullptr) return;
    auto bar = [&](TExtBar*& b, bool footer, const TBarAppearance& a) {
        if (b == nullptr && a.Visible) {
            b = new TExtBar(this, FExtDropDown, footer);
            b->SetParent(FClient);
        }
        if (b != nullptr) b->Relink();
    };
    // The drop-down's painting and caption events are taken anew each time,
    // so a handler set since the last opening counts.
    bar(FHeader, false, FExtDropDown->DropDownHeader());
    if (FHeader) {
        FHeader->OnDrawBackGround = FExtDropDown->OnDrawHeader;
        FHeader->OnGetText = FExtDropDown->OnGetHeaderText;
    }
    bar(FFooter, true, FExtDropDown->DropDownFooter());
    if (FFooter) {
        FFooter->OnDrawBackGround = FExtDropDown->OnDrawFooter;
        FFooter->OnGetText = FExtDropDown->OnGetFooterText;
    }
    static_cast<TDropDownClient*>(FClient)->Arrange();
}

void TDropDownForm::Dispatch(TMessage& Message) {
    TForm::Dispatch(Message);
    if (Message.Msg == CM_DEACTIVATE && !FBlockActivate && Visible()) {
        FDeActivate = TickCountMs();
        if (FExtDropDown != nullptr) FExtDropDown->DoHideDropDown(FCancelOnDeActivate);
        else Hide();
    } else if (Message.Msg == WM_SIZE) {
        static_cast<TDropDownClient*>(FClient)->Arrange();
        if (FExtDropDown != nullptr && Visible()) FExtDropDown->DropDownFormSizing();
    }
}

// --------------------------------------------------------- arrow button

TExtDropDownSpeedButton::TExtDropDownSpeedButton(TComponent* AOwner, TDropDownEditButton* Host)
    : THotTrackButton(AOwner), FHost(Host) {
    SetAccessibleName("Open");
    SetAccessibleRole(arButton);
}

void TExtDropDownSpeedButton::SetFocusedLook(bool Value) {
    if (Value == FFocused) return;
    FFocused = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) FPressed = true, Invalidate();
}

void TExtDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FPressed = false;
    Invalidate();
    if (FHost->OnClick) FHost->OnClick(FHost);
}

void TExtDropDownSpeedButton::SetButtonStyle(TButtonStyle Value) {
    FButtonStyle = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetEtched(bool Value) {
    if (Value == FEtched) return;
    FEtched = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    Invalidate();
}

void TExtDropDownSpeedButton::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    Invalidate();
}

void TExtDropDownSpeedButton::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

// The glyph's top-left pixel names its see-through colour for all its
// pictures, which show the button face there.
TBitmap TExtDropDownSpeedButton::GlyphFor(bool Enabled) const {
    if (FGlyph.Empty()) return FGlyph;
    const int w = FGlyph.Width() / FNumGlyphs, h = FGlyph.Height();
    int index = 0;
    if (!Enabled && FNumGlyphs > 1) index = 1;
    else if (Pressed() && FNumGlyphs > 2) index = 2;
    const TColor key = FGlyph.Pixel(0, 0), face = ColorToRGB(clBtnFace);
    TBitmap part(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const TColor p = FGlyph.Pixel(index * w + x, y);
            part.Canvas().SetPixels(x, y, p == key ? face : p);
        }
    return part;
}

void TExtDropDownSpeedButton::Paint() {
    TCanvas& c = Canvas();
    TExtCustomDropDown* dd = FHost->DropDown();
    const bool enabled = dd == nullptr || (dd->Enabled() && !dd->ReadOnly());
    if (FButtonStyle == bsButton) PaintCaptionFace(c, enabled);
    else PaintArrowFace(c, enabled);
}

// No visual-styles binding exists here (ThemeApi().Loaded is false), so
// the faces take the classic, flat or coloured look.
void TExtDropDownSpeedButton::PaintArrowFace(TCanvas& c, bool enabled) {
    const TRect r = Rect(0, 0, Width(), Height());
    TExtCustomDropDown* dd = FHost->DropDown();
    if (FHost->ButtonColor == clNone) {
        if (!FGlyph.Empty()) {
            // A glyph of its own stands on a plain framed face.
            c.Brush().SetColor(clBtnFace);
            c.Pen().SetColor(0x808080);
            c.Rectangle(r);
            c.Draw(0, 0, GlyphFor(enabled));
            return;
        }
        TRect fr = r;
        c.DrawFrameControl(fr, DFC_BUTTON, DFCS_BUTTONPUSH | (Pressed() && enabled ? DFCS_PUSHED : 0));
        c.Pen().SetColor(clBtnFace);
        c.MoveTo(Width() - 2, 0);
        c.LineTo(0, 0);
        c.LineTo(0, Height() - 1);
        c.Pen().SetColor(clWhite);
        c.MoveTo(Width() - 3, 1);
        c.LineTo(1, 1);
        c.LineTo(1, Height() - 2);
        const TColor ink = enabled ? clBlack : clGray;
        c.Pen().SetColor(ink);
        c.Brush().SetColor(ink);
        c.Polygon({{5, 7}, {11, 7}, {8, 10}});
        return;
    }
    TColor face = FHost->ButtonColor, ink = FHost->ButtonTextColor;
    if (Pressed()) face = FHost->ButtonColorDown, ink = FHost->ButtonTextColorDown;
    else if (FHot) face = FHost->ButtonColorHot, ink = FHost->ButtonTextColorHot;
    c.Brush().SetColor(face);
    c.FillRect(r);
    if (dd != nullptr && dd->BorderColor() != clNone) {
        c.Pen().SetColor(dd->BorderColor());
        c.MoveTo(0, 0);
        c.LineTo(0, Height());
    }
    if (ink != clNone) {
        c.Pen().SetColor(ink);
        c.Brush().SetColor(ink);
        c.Polygon({{5, 7}, {11, 7}, {8, 10}});
    }
}

void TExtDropDownSpeedButton::PaintCaptionFace(TCanvas& c, bool enabled) {
    const TRect r = Rect(0, 0, Width(), Height());
    const bool down = Pressed() && enabled;
    const int shift = down ? 1 : 0;
    if (TExtCustomDropDown* dd = FHost->DropDown()) c.SetFont(dd->Font());
    if (!enabled) c.Font().SetColor(clGrayText);
    const TBitmap g = GlyphFor(enabled);
    if (FFlat) {
        c.Brush().SetColor(clBtnFace);
        c.FillRect(r);
        TRect edge = Rect(0, 0, Width() + 1, Height() + 1);
        c.DrawEdge(edge, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (down ? BF_FLAT : 0));
        if (!g.Empty()) {
            c.Draw(3 + shift, 3 + shift, g);
        }
        if (!Caption().empty()) {
            TRect tr = Rect(3 + shift, 1 + shift, Width() - 3 + shift, Height() - 1 + shift);
            c.Brush().SetStyle(bsClear);
            c.DrawText(Caption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        return;
    }
    // The classic push button: glyph and caption centred side by side.
    TRect fr = r;
    c.DrawFrameControl(fr, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    const TSize text = Caption().empty() ? TSize{0, 0} : GetTextSize(c, Caption());
    const int gap = !g.Empty() && text.cx > 0 ? 4 : 0;
    int x = (Width() - (g.Empty() ? 0 : g.Width()) - gap - text.cx) / 2 + shift;
    if (!g.Empty()) {
        const int y = (Height() - g.Height()) / 2 + shift;
        c.Draw(x, y, g);
        x += g.Width() + gap;
    }
    if (text.cx > 0) {
        TRect tr = Rect(x, shift, Width(), Height() + shift);
        c.Brush().SetStyle(bsClear);
        c.DrawText(Caption(), tr, DT_VCENTER | DT_SINGLELINE);
    }
}

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner, TExtCustomDropDown* DropDown)
    : TWinControl(AOwner), FDropDown(DropDown) {
    FButton = new TExtDropDownSpeedButton(this, this);
    FButton->SetParent(this);
    SetBounds(0, 0, 16, 25);
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    // The container keeps its own width whatever a caller asks for.
    (void)AWidth;
    if (FButton) FButton->SetBounds(0, 0, FBWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, FBWidth, AHeight);
}

void TDropDownEditButton::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_MOUSEWHEEL && Parent() != nullptr) Parent()->WndProc(Message);
    else TWinControl::Dispatch(Message);
}

void TDropDownEditButton::SetBWidth(int Value) {
    FBWidth = Value;
    SetBounds(Left(), Top(), Value, Height());
}

}  // namespace ctl
