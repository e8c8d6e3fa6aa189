#include "controls/EsgDateTimePicker.h"

#include "controls/DropDownDraw.h"

namespace ctl {

using namespace plat;

TEsgDateTimePicker::TEsgDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clWindow);
    SetBounds(0, 0, 186, 21);
    FDateTime = base::Now();
}

void TEsgDateTimePicker::SetDateTime(base::TDateTime Value) {
    FDateTime = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetKind(TDateTimeKind Value) {
    FKind = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetTileStyle(bool Value) {
    if (Value == FTileStyle) return;
    FTileStyle = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
}

void TEsgDateTimePicker::SetBorderStyle(int Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    Invalidate();
}

void TEsgDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft || Button == mbRight) FMouseHeld = true;
    Invalidate();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TEsgDateTimePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseHeld = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TEsgDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    const bool hover = X > Width() - FButtonWidth && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TEsgDateTimePicker::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    if (Enabled()) FMouseIn = true;
    Invalidate();
}

void TEsgDateTimePicker::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FMouseIn = false;
    FButtonHover = false;
    Invalidate();
}

void TEsgDateTimePicker::DrawButton(TCanvas& c) {
    TRect r = Rect(ClientWidth() - FButtonWidth + 2, 0, ClientWidth(), ClientHeight());
    InflateRect(r, -1, -1);
    const bool tileButton = FTileStyle && FKind != dtkTime;
    if (tileButton && ButtonColor != clNone) {
        DrawFlatDropButton(c, *this, Rect(r.Left + 2, r.Top, r.Right, r.Bottom), r.Left, TPoint{r.Left + 5, r.Top + 7},
                           FButtonHover, FMouseHeld);
    } else {
        // No visual styles here: the classic combo-box button.
        c.DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

void TEsgDateTimePicker::DrawBorders(TCanvas& c) {
    if (!FTileStyle) return;
    if (Enabled() && FBorderColor == clNone && FocusBorderColor == clNone) return;
    const TRect r = Rect(0, 0, Width(), Height());
    if (FBorderColor != clNone && !(Focused() && FocusBorderColor != clNone)) {
        c.Brush().SetColor(FBorderColor);
        c.FrameRect(r);
    } else if (FocusBorderColor != clNone && Focused()) {
        c.Brush().SetColor(FocusBorderColor);
        c.FrameRect(r);
    }
}

void TEsgDateTimePicker::Paint() {
    TCanvas& c = Canvas();
    c.SetFont(Font());
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, ClientWidth(), ClientHeight()));
    TRect text = Rect(3, 0, ClientWidth() - FButtonWidth, ClientHeight());
    c.Brush().SetStyle(bsClear);
    c.DrawText(FKind == dtkTime ? base::TimeToStr(FDateTime) : base::DateToStr(FDateTime), text,
               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    DrawButton(c);
    DrawBorders(c);
}

}  // namespace ctl
