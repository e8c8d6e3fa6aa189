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

// ------------------------------------------------------------ appearances

TExtButtonAppearance::TExtButtonAppearance() { Font.SetName("Tahoma"); }

void TExtButtonAppearance::Assign(const TExtButtonAppearance& Source) {
    const TFont font = Font;
    *this = Source;
    Font = font;
}

void TBarAppearance::AssignColors(const TBarAppearance& Source) {
    ColorTo = Source.ColorTo;
    Color = Source.Color;
    BorderColor = Source.BorderColor;
    Font = Source.Font;
    GradientDirection = Source.GradientDirection;
}

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
    // The bar's background shows under a face without colours; the release
    // handling below decides about the click, so the platform's own click
    // must not come as well.
    SetControlStyle((ControlStyle() | csOpaque) & ~csClickEvents);
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

void TExtBarButton::SetStyle(TExtButtonStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    if (FStyle == tasButton && FGroupIndex == 0) FDown = false;
    Invalidate();
}

void TExtBarButton::SetDown(bool Value) {
    // A plain button outside a group never stays down.
    if (FGroupIndex == 0 && FStyle == tasButton) Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
    } else {
        if (Value == FDown || (FDown && !FAllowAllUp)) return;
        FDown = Value;
    }
    Invalidate();
    if (!FDown || FGroupIndex == 0 || Parent() == nullptr) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TExtBarButton*>(Parent()->Controls(i)); other != nullptr && other != this)
            other->GroupButtonDown(*this);
}

void TExtBarButton::GroupButtonDown(TExtBarButton& Sender) {
    if (Sender.FGroupIndex != FGroupIndex) return;
    if (Sender.FDown && FDown) {
        FDown = false;
        Invalidate();
    }
    FAllowAllUp = Sender.FAllowAllUp;
}

void TExtBarButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = FMouseInside = true;
    Invalidate();
}

void TExtBarButton::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FPressed) return;
    // Dragged off the button it shows up again, and back on it pressed.
    const bool inside = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    if (inside == FMouseInside) return;
    FMouseInside = inside;
    Invalidate();
}

void TExtBarButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool wasPressed = FPressed;
    FPressed = FMouseInside = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // A release outside the button leaves it as it was, without a click.
    if (Button != mbLeft || !wasPressed || X < 0 || Y < 0 || X >= Width() || Y >= Height()) return;
    if (FGroupIndex != 0 || FStyle == tasCheck) SetDown(!FDown);
    Click();
}

void TExtBarButton::KeyDown(unsigned short& Key, TShiftState Shift) {
    if ((Key == VK_RETURN || Key == VK_SPACE) && Enabled() && !(Shift & (ssCtrl | ssAlt))) {
        FPressed = FMouseInside = true;
        Repaint();
        FPressed = FMouseInside = false;
        Key = 0;
        if (FGroupIndex != 0 || FStyle == tasCheck) SetDown(!FDown);
        // A key press is a click: the bar's button event fires as for the mouse.
        Click();
        return;
    }
    THotTrackButton::KeyDown(Key, Shift);
}

void TExtBarButton::Paint() { DrawButton(Canvas()); }

void TExtBarButton::DrawButton(TCanvas& c) {
    if (FDropDown == nullptr) return;
    const TExtButtonAppearance& a = FDropDown->ButtonAppearance();
    // Only the normal face is a gradient; the others are one colour.
    TColor from = a.Color, to = a.ColorTo, border = a.BorderColor;
    if (!Enabled()) from = a.ColorDisabled, to = a.ColorDisabledTo, border = a.BorderColorDisabled;
    else if (Pressed()) from = to = a.ColorDown, border = a.BorderColorDown;
    else if (FDown) from = to = a.ColorChecked, border = a.BorderColorChecked;
    else if (FHot || Focused()) from = to = a.ColorHot, border = a.BorderColorHot;
    const TRect r = Rect(0, 0, Width(), Height());
    DrawItemBackground(c, r, from, to, border, 1, a.Gradient);
    c.Brush().SetStyle(bsClear);
    c.SetFont(a.Font);
    if (!Enabled()) c.Font().SetColor(clGray);
    const IHtmlImageList* images = FDropDown->Images();
    const bool image = images != nullptr && FItem.ImageIndex >= 0 && FItem.ImageIndex < images->Count();
    DrawImageAndText(c, r, Caption(), image ? images : nullptr, FItem.ImageIndex);
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
    for (int i = FButtons.Count() - 1; i >= 0; --i) delete FButtons.GetItemsEx(i);
    FButtons.Clear();
}

void TExtBar::BuildButtons() {
    ClearButtons();
    const int h = std::max(0, ButtonArea().Height());
    TCanvas measure;
    if (FDropDown != nullptr) measure.SetFont(FDropDown->ButtonAppearance().Font);
    for (size_t i = 0; i < FAppearance.Buttons.size(); ++i) {
        const TBarButtonItem& item = FAppearance.Buttons[i];
        auto* b = new TExtBarButton(this, FDropDown, FFooter, static_cast<int>(i));
        b->SetParent(this);
        b->SetItem(item);
        TSize sz = GetTextSize(measure, item.Caption);
        const IHtmlImageList* images = FDropDown ? FDropDown->Images() : nullptr;
        if (images != nullptr && item.ImageIndex >= 0) {
            // The image stands 4 pixels in, the caption 8 pixels after it.
            sz.cx = item.Caption.empty() ? std::max(sz.cx, images->Width()) : sz.cx + images->Width() + 8;
            sz.cy = std::max(sz.cy, images->Height());
        }
        const int w = item.Width > 0 ? item.Width : sz.cx + 8;
        // A button is never taller than the area it sits in.
        const int bh = item.Height > 0 ? std::min(item.Height, h) : std::min(sz.cy + 4, h);
        b->SetBounds(0, 0, w, bh);
        FButtons.Add(b);
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
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(a.Color);
            c.FillRect(r);
        }
    } else if (a.Color != clNone)
        DrawGradient(c, a.Color, a.ColorTo, 80, r, a.GradientDirection == gdHorizontal);
    if (a.BorderColor != clNone && a.BorderWidth > 0) {
        const int bw = a.BorderWidth;
        // A light line inside the border lifts the bar from the list.
        c.Brush().SetStyle(bsClear);
        c.Pen().SetWidth(1);
        c.Pen().SetColor(BlendColor(a.BorderColor, clWhite, 20));
        c.Rectangle(FFooter ? Rect(r.Left, r.Top + bw, r.Right, r.Bottom) : Rect(r.Left, r.Top, r.Right, r.Bottom - bw));
        // The line towards the list; the other three sides only where the
        // pop-up has no frame of its own around the bar.
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(a.BorderColor);
        c.FillRect(FFooter ? Rect(r.Left, r.Top, r.Right, r.Top + bw) : Rect(r.Left, r.Bottom - bw, r.Right, r.Bottom));
        const bool framed = FDropDown != nullptr && FDropDown->DropDownBorderWidth() > 0 &&
                            FDropDown->DropDownBorderColor() != clNone;
        if (!framed) {
            c.FillRect(Rect(r.Left, r.Top, r.Left + bw, r.Bottom));
            c.FillRect(Rect(r.Right - bw, r.Top, r.Right, r.Bottom));
            c.FillRect(FFooter ? Rect(r.Left, r.Bottom - bw, r.Right, r.Bottom) : Rect(r.Left, r.Top, r.Right, r.Top + bw));
        }
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
        // The caption keeps clear of the buttons on whichever side they stand.
        if (!FButtons.Empty()) {
            if (a.ButtonAlignment == baRight) cr.Right = FButtons.Last()->Left() - 2;
            else cr.Left = FButtons.Last()->Left() + FButtons.Last()->Width() + 2;
        }
        cr.Left += 2;
        c.Brush().SetStyle(bsClear);
        c.SetFont(a.Font);
        const TPoint size = DrawHtmlCaption(c, text, cr, images, false);
        if (size.Y < cr.Height()) cr.Top += (cr.Height() - size.Y) / 2;
        DrawHtmlCaption(c, text, cr, images, true);
        FCaptionRect = cr;
    }
    if (GripShows()) {
        // Six dots in a triangle at the bottom-right corner, each with a
        // shadow in the border colour one pixel up and left.
        const int gl = r.Right - a.BorderWidth - 16, gb = r.Bottom;
        const int dots[6][2] = {{5, 4}, {9, 4}, {13, 4}, {13, 8}, {13, 12}, {9, 8}};
        c.Brush().SetStyle(bsSolid);
        for (const TColor colour : {a.BorderColor, TColor(clWhite)}) {
            if (colour == clNone) continue;
            const int shift = colour == clWhite ? 0 : 1;
            c.Brush().SetColor(colour);
            for (auto& d : dots) {
                const int x = gl + d[0] - shift, y = gb - d[1] - shift;
                c.FillRect(Rect(x, y, x + 2, y + 2));
            }
        }
    }
}

}  // namespace ctl
