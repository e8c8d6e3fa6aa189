// The header and footer bars of the pop-up and the flat buttons on them:
// background, border, image, caption and size grip of a bar, and the face,
// hover and press of its buttons.
#include "controls/ExtDropDownBars.h"

#include <algorithm>

#include "controls/EsgHTMLE.h"
#include "controls/ExtDropDown.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// ------------------------------------------------------------- bar button

THotTrackButton::THotTrackButton(TComponent* AOwner) : TCustomControl(AOwner) {}

// A control drawn by us takes every wheel turn it is shown; the turns over
// the buttons and bars of a drop-down are meant for what holds them.
static bool PassWheelToParent(TControl& Control, TMessage& Message) {
    if (Message.Msg != WM_MOUSEWHEEL || Control.Parent() == nullptr) return false;
    Control.Parent()->WndProc(Message);
    return true;
}

void THotTrackButton::Dispatch(TMessage& Message) {
    if (!PassWheelToParent(*this, Message)) TCustomControl::Dispatch(Message);
}

void THotTrackButton::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void THotTrackButton::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

TExtBarButton::TExtBarButton(TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer, int Index)
    : THotTrackButton(AOwner), FDropDown(DropDown), FFooter(Footer), FIndex(Index) {
    SetAccessibleRole(arButton);
}

void TExtBarButton::SetItem(const TBarButtonItem& Value) {
    FItem = Value;
    SetCaption(Value.Caption);
    SetAccessibleName(Value.Caption);
    SetEnabled(Value.Enabled);
    Invalidate();
}

void TExtBarButton::Click() {
    static constexpr TModalResult kCancelling[] = {mrCancel, mrAbort, mrIgnore, mrNo, mrNoToAll};
    static constexpr TModalResult kClosing[] = {mrOk, mrYes, mrAll, mrYesToAll};
    const TModalResult mr = FItem.ModalResult;
    if (FDropDown != nullptr && mr != mrNone) {
        if (std::find(std::begin(kCancelling), std::end(kCancelling), mr) != std::end(kCancelling))
            FDropDown->HideDropDown(true);
        else if (std::find(std::begin(kClosing), std::end(kClosing), mr) != std::end(kClosing))
            FDropDown->HideDropDown(false);
    }
    if (FDropDown != nullptr) {
        auto& ev = FFooter ? FDropDown->OnDropDownFooterButtonClick : FDropDown->OnDropDownHeaderButtonClick;
        if (ev) ev(FDropDown, FIndex);
    }
    TCustomControl::Click();
}

void TExtBarButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) FDown = true, Invalidate();
}

void TExtBarButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool wasDown = FDown;
    FDown = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // A release outside the button leaves it up without a click.
    if (Button == mbLeft && wasDown && X >= 0 && Y >= 0 && X < Width() && Y < Height()) Click();
}

void TExtBarButton::KeyDown(unsigned short& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled() && !(Shift & (ssCtrl | ssAlt))) {
        FDown = true;
        Repaint();
        FDown = false;
        Key = 0;
        // A key press is a click: the bar's button event fires as for the mouse.
        Click();
        return;
    }
    THotTrackButton::KeyDown(Key, Shift);
}

void TExtBarButton::Paint() {
    TCanvas& c = Canvas();
    const TExtButtonAppearance& a = FDropDown ? FDropDown->ButtonAppearance() : TExtButtonAppearance{};
    TColor from = a.Color, to = a.ColorTo, border = a.BorderColor;
    if (!Enabled()) from = a.ColorDisabled, to = a.ColorDisabledTo, border = a.BorderColorDisabled;
    else if (FDown) from = a.ColorDown, to = a.ColorDownTo, border = a.BorderColorDown;
    // The hot face is one colour only.
    else if (FHot) from = a.ColorHot, to = clNone, border = a.BorderColorHot;
    const TRect r = Rect(0, 0, Width(), Height());
    DrawItemBackground(c, r, from, to, border, 1, gdVertical);
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(Enabled() ? clBlack : clGray);
    TRect tr = r;
    const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
    if (images != nullptr && FItem.ImageIndex >= 0 && FItem.ImageIndex < images->Count()) {
        // The image leads; a caption follows it, else the image is centred.
        const int iw = images->Width(), ih = images->Height();
        const int x = Caption().empty() ? (r.Width() - iw) / 2 : r.Left + 4;
        images->Draw(c, x, (r.Height() - ih) / 2, FItem.ImageIndex);
        tr.Left = x + iw + 2;
        c.DrawText(Caption(), tr, DT_VCENTER | DT_SINGLELINE);
        return;
    }
    c.DrawText(Caption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

// -------------------------------------------------------------------- bar

TExtBar::TExtBar(TComponent* AOwner, TExtCustomDropDown* DropDown, bool Footer)
    : TCustomControl(AOwner), FDropDown(DropDown), FFooter(Footer) {
    SetAccessibleName(Footer ? "Footer" : "Header");
    SetAccessibleRole(arStaticText);
}

bool TExtBar::InGrip(int X, int Y) const { return GripShows() && X > Width() - 12 && Y > Height() - 15; }

void TExtBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TForm* f = ParentForm();
    if (Button != mbLeft || f == nullptr || !InGrip(X, Y)) return;
    FSizing = true;
    FSizeFrom = ClientToScreen(TPoint{X, Y});
    FStartWidth = f->Width();
    FStartHeight = f->Height();
    SetMouseCapture(true);
}

void TExtBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    TForm* f = ParentForm();
    if (FSizing && f != nullptr) {
        const TPoint at = ClientToScreen(TPoint{X, Y});
        // Never smaller than the pop-up's own minimum.
        f->SetBounds(f->Left(), f->Top(), std::max(80, FStartWidth + at.X - FSizeFrom.X),
                     std::max(50, FStartHeight + at.Y - FSizeFrom.Y));
        return;
    }
    SetCursor(InGrip(X, Y) ? crSizeNWSE : crDefault);
}

void TExtBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FSizing) return;
    FSizing = false;
    SetMouseCapture(false);
    SetCursor(crDefault);
}

void TExtBar::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    if (!FSizing) SetCursor(crDefault);
}

bool TExtBar::GripShows() const {
    return FFooter && FAppearance.SizeGrip && FDropDown != nullptr && FDropDown->DropDownSizeable();
}

TRect TExtBar::ButtonArea() const {
    if (!FFooter) return Rect(2, 2, Width() - 2, Height() - 3);
    return Rect(2, 2, Width() - (GripShows() ? 14 : 2), Height() - 2);
}

void TExtBar::Relink() {
    FAppearance = FFooter ? FDropDown->DropDownFooter() : FDropDown->DropDownHeader();
    SetHeight(FAppearance.Height);
    SetVisible(FAppearance.Visible);
    BuildButtons();
}

void TExtBar::ClearButtons() {
    for (auto it = FButtons.rbegin(); it != FButtons.rend(); ++it) delete *it;
    FButtons.clear();
}

void TExtBar::BuildButtons() {
    ClearButtons();
    const int h = std::max(0, ButtonArea().Height());
    TCanvas measure;
    for (size_t i = 0; i < FAppearance.Buttons.size(); ++i) {
        const TBarButtonItem& item = FAppearance.Buttons[i];
        auto* b = new TExtBarButton(this, FDropDown, FFooter, static_cast<int>(i));
        b->SetParent(this);
        b->SetItem(item);
        TSize sz = GetTextSize(measure, item.Caption);
        const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
        if (images != nullptr && item.ImageIndex >= 0) {
            sz.cx = item.Caption.empty() ? std::max(sz.cx, images->Width()) : sz.cx + images->Width() + 6;
            sz.cy = std::max(sz.cy, images->Height());
        }
        const int w = item.Width > 0 ? item.Width : sz.cx + 8;
        // A button is never taller than the area it sits in.
        const int bh = item.Height > 0 ? std::min(item.Height, h) : std::min(sz.cy + 4, h);
        b->SetBounds(0, 0, w, bh);
        FButtons.push_back(b);
    }
    ArrangeButtons();
}

void TExtBar::ArrangeButtons() {
    const TRect area = ButtonArea();
    int x = FAppearance.ButtonAlignment == baRight ? area.Right : area.Left;
    for (TExtBarButton* b : FButtons) {
        const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
        if (FAppearance.ButtonAlignment == baRight) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
            x -= 2;
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width() + 2;
        }
    }
}

void TExtBar::Dispatch(TMessage& Message) {
    if (!PassWheelToParent(*this, Message)) TCustomControl::Dispatch(Message);
}

void TExtBar::WMSize(TMessage& Message) {
    TCustomControl::WMSize(Message);
    ArrangeButtons();
}

void TExtBar::Paint() {
    TCanvas& c = Canvas();
    const TRect r = Rect(0, 0, Width(), Height());
    FCaptionRect = TRect{};
    if (OnDrawBackGround) {
        OnDrawBackGround(this, c, r);
        return;
    }
    const TBarAppearance& a = FAppearance;
    if (a.ColorTo == clNone) {
        if (a.Color != clNone) {
            c.Brush().SetColor(a.Color);
            c.FillRect(r);
        }
    } else if (a.Color != clNone)
        DrawGradient(c, a.Color, a.ColorTo, 80, r, a.GradientDirection == gdHorizontal);
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        c.Pen().SetColor(a.BorderColor);
        c.Pen().SetWidth(a.BorderWidth);
        const bool framed = FDropDown != nullptr && FDropDown->DropDownBorderWidth() > 0;
        const int y = FFooter ? 0 : r.Bottom - 1;
        c.MoveTo(0, y);
        c.LineTo(r.Right, y);
        if (!framed) {
            c.Brush().SetStyle(bsClear);
            c.Rectangle(r);
        }
        c.Pen().SetWidth(1);
    }
    TRect cr = r;
    InflateRect(cr, -a.BorderWidth, -a.BorderWidth);
    const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
    if (images != nullptr && a.ImageIndex >= 0 && a.ImageIndex < images->Count()) {
        images->Draw(c, cr.Left + 4, cr.Top + (cr.Height() - images->Height()) / 2, a.ImageIndex);
        cr.Left += images->Width() + 8;
    }
    std::string text = a.Caption;
    if (OnGetText) OnGetText(this, text);
    if (!text.empty()) {
        if (!FButtons.empty() && a.ButtonAlignment == baRight) cr.Right = FButtons.back()->Left() - 2;
        cr.Left += 2;
        c.Brush().SetStyle(bsClear);
        c.Font().SetColor(a.FontColor);
        TRect tr = cr;
        c.DrawText(text, tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        FCaptionRect = cr;
    }
    if (GripShows()) {
        // Six dots in a triangle at the bottom-right corner.
        const int gx = r.Right - a.BorderWidth - 16, gb = r.Bottom;
        c.Brush().SetColor(clGray);
        const int dots[6][2] = {{12, 4}, {8, 8}, {12, 8}, {4, 12}, {8, 12}, {12, 12}};
        for (auto& d : dots) c.FillRect(Rect(gx + d[0], gb - 16 + d[1], gx + d[0] + 2, gb - 16 + d[1] + 2));
    }
}

}  // namespace ctl
