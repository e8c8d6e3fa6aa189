#include "grid/ExtCheckBox.h"

#include "controls/FocusNext.h"
#include "platform/Messages.h"

namespace grid {

using namespace plat;

TExtCheckBox::TExtCheckBox(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 98, 20);
    SetColor(clWindow);
    SetCaption("TExtCheckBox");
    // The box runs its click itself, after toggling.
    SetControlStyle(ControlStyle() & ~csClickEvents);
    SetAccessibleRole(arCheckButton);
}

void TExtCheckBox::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TExtCheckBox::SetButtonVertAlign(TTextLayout Value) {
    if (Value == FButtonVertAlign) return;
    FButtonVertAlign = Value;
    Invalidate();
}

void TExtCheckBox::SetEllipsis(bool Value) {
    if (Value == FEllipsis) return;
    FEllipsis = Value;
    Invalidate();
}

void TExtCheckBox::SetState(TCheckBoxState Value) {
    if (Value == FState) return;
    FState = Value;
    Invalidate();
}

void TExtCheckBox::SetTransparent(bool Value) {
    FTransparent = Value;
    Invalidate();
}

void TExtCheckBox::Toggle() {
    if (!ReadOnly) SetChecked(!Checked());
}

void TExtCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FPressed = true;
    if (!Focused() && CanFocus()) SetFocus();
    FDown = true;
    Invalidate();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TExtCheckBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (FPressed) {
        const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
        if (inside != FDown) {
            FDown = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TExtCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FDown = false;
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && FPressed && Focused()) {
        Toggle();
        Click();
    }
    FPressed = false;
    Invalidate();
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TExtCheckBox::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = 0;
        ctl::FocusNextControl(*this);
        return;
    }
    if (Key == VK_SPACE) {
        FDown = true;
        Invalidate();
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TExtCheckBox::KeyUp(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_SPACE) {
        FDown = false;
        Toggle();
        Click();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TExtCheckBox::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void TExtCheckBox::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

void TExtCheckBox::CMEnabledChanged(TMessage& Message) {
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}

void TExtCheckBox::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    FFocused = true;
    Invalidate();
}

void TExtCheckBox::WMKillFocus(TMessage& Message) {
    TCustomControl::WMKillFocus(Message);
    FFocused = false;
    Invalidate();
}

void TExtCheckBox::Paint() {
    TCanvas& c = Canvas();
    c.SetFont(Font());
    if (!FTransparent) {
        c.Brush().SetColor(Color());
        c.FillRect(Rect(0, 0, ClientWidth(), ClientHeight()));
    }
    // No visual styles here: the classic 13 x 13 box.
    const bool right = FAlignment == taRightJustify;
    const int x = right ? ClientWidth() - 13 : 0;
    int y = 4;
    if (FButtonVertAlign == tlCenter) y = ClientHeight() / 2 - 6;
    else if (FButtonVertAlign == tlBottom) y = ClientHeight() - 17;
    TRect box = Bounds(x, y, 13, 13);
    unsigned state = DFCS_BUTTONCHECK;
    if (FState == cbChecked) state |= DFCS_CHECKED;
    if (FState == cbGrayed || !Enabled()) state |= DFCS_INACTIVE;
    if (FDown) state |= DFCS_PUSHED;
    c.DrawFrameControl(box, DFC_BUTTON, state);

    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    if (right) r.Right -= 9;
    else r.Left += 9;
    r.Top += 4;
    r.Left += 6;
    c.Brush().SetStyle(bsClear);
    const unsigned flags = DT_LEFT | DT_TOP | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0);
    if (!Enabled()) {
        TRect e = r;
        OffsetRect(e, 1, 1);
        c.Font().SetColor(clWhite);
        c.DrawText(Caption(), e, flags);
        c.Font().SetColor(0x808080);
    }
    c.DrawText(Caption(), r, flags);
    if (FFocused) {
        const TSize t = c.TextExtent(Caption());
        c.DrawFocusRect(Rect(r.Left - 2, r.Top, r.Left + t.cx + 1, r.Top + t.cy + 1));
    }
}

}  // namespace grid
