#include "controls/EsgEditBtn.h"

#include "platform/Messages.h"

namespace ctl {

using namespace plat;

// --------------------------------------------------------------- button

TExtSpeedButton::TExtSpeedButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() & ~(csClickEvents | csDoubleClicks));
}

void TExtSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft) {
        FPressed = true;
        Invalidate();
    }
}

void TExtSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FPressed = false;
    Invalidate();
    // Acted on at the release, wherever the pointer then is.
    if (FHost) FHost->ButtonReleased();
}

void TExtSpeedButton::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    Invalidate();
}

void TExtSpeedButton::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    Invalidate();
}

void TExtSpeedButton::Paint() {
    TCanvas& c = Canvas();
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    if (FHost && FHost->ButtonColor != clNone) {
        FFlat = true;
        TColor face = FHost->ButtonColor;
        TColor ink = FHost->ButtonTextColor;
        if (FPressed) face = FHost->ButtonColorDown, ink = FHost->ButtonTextColorDown;
        else if (FHot) face = FHost->ButtonColorHot, ink = FHost->ButtonTextColorHot;
        c.Brush().SetColor(face);
        c.Pen().SetColor(face);
        c.Rectangle(r);
        c.Brush().SetColor(ink);
        c.Pen().SetColor(ink);
    } else if (FFlat) {
        c.DrawEdge(r, FPressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        InflateRect(r, -1, -1);
    } else {
        c.DrawFrameControl(r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (FPressed ? DFCS_PUSHED : 0));
    }
    if (!FGlyph.Empty()) {
        int x = FGlyph.Width() < Width() ? (Width() - FGlyph.Width()) / 2 : 0;
        int y = FGlyph.Height() < Height() ? (Height() - FGlyph.Height()) / 2 : 0;
        if (FPressed) ++x, ++y;
        plat::TBitmap glyph = FGlyph;
        glyph.SetTransparent(true);
        c.Draw(x, y, glyph);
    }
    if (!Caption().empty()) {
        TRect tr = Rect(0, 0, Width(), Height());
        if (FPressed) OffsetRect(tr, 1, 1);
        c.Font().SetColor(clBlack);
        c.Brush().SetStyle(bsClear);
        c.DrawText(Caption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

// ----------------------------------------------------------------- host

TEsgEditButton::TEsgEditButton(TComponent* AOwner) : TWinControl(AOwner) {
    FButton = new TExtSpeedButton(this);
    FButton->SetParent(this);
    FButton->SetHostButton(this);
    SetBounds(0, 0, 20, 25);
}

void TEsgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FButton) FButton->SetBounds(0, 0, AWidth, AHeight);
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgEditButton::SetFlat(bool Value) {
    FFlat = Value;
    FButton->SetFlat(Value);
}

void TEsgEditButton::ButtonReleased() {
    if (OnClick) OnClick(this);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

// ----------------------------------------------------------------- edit

TEsgEditBtn::TEsgEditBtn(TComponent* AOwner) : TEdit(AOwner) {
    FButton = new TEsgEditButton(this);
    FButton->SetParent(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject* Sender) { DoClickBtn(Sender); };
    SetText("0");
    PlaceButton();
}

void TEsgEditBtn::PlaceButton() {
    if (FButton) FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), std::max(Height() - 3, 0));
}

void TEsgEditBtn::WMSize(TMessage& Message) {
    TEdit::WMSize(Message);
    PlaceButton();
}

void TEsgEditBtn::SetButtonWidth(int Value) {
    FButtonWidth = Value;
    FButton->SetBounds(FButton->Left(), FButton->Top(), Value, FButton->Height());
    PlaceButton();
}

void TEsgEditBtn::SetIsBevelLook(bool Value) {
    FIsBevelLook = Value;
    FButton->Button()->SetIsBevelLook(Value);
}

void TEsgEditBtn::DoClickBtn(TObject* Sender) {
    if (OnClickBtn) OnClickBtn(Sender);
}

void TEsgEditBtn::KeyDown(unsigned short& Key, TShiftState Shift) {
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !(Shift & (ssCtrl | ssAlt))) DoClickBtn(this);
}

void TEsgEditBtn::KeyPress(char32_t& Key) {
    if (!FEditorEnabled) {
        Key = 0;
        return;
    }
    TEdit::KeyPress(Key);
}

// ----------------------------------------------------------------- units

TEsgUnitEditBtn::TEsgUnitEditBtn(TComponent* AOwner) : TEsgEditBtn(AOwner) {
    FUnitSize = 20;
    FRightAlign = true;
}

void TEsgUnitEditBtn::SetUnitID(const std::string& Value) {
    FUnitID = Value;
    Invalidate();
}

void TEsgUnitEditBtn::SetUnitSpace(int Value) {
    FUnitSize = Value;
    Invalidate();
}

void TEsgUnitEditBtn::SetTextAndUnit(const std::string& Value) {
    for (const std::string& unit : FUnits) {
        if (unit.empty() || unit.size() > Value.size()) continue;
        // The unit must end the value and occur nowhere before that.
        if (Value.find(unit) == Value.size() - unit.size()) {
            SetText(Value.substr(0, Value.size() - unit.size()));
            SetUnitID(unit);
            return;
        }
    }
}

void TEsgUnitEditBtn::DoClickBtn(TObject*) {
    if (OnClickBtn) OnClickBtn(this);
    // The units menu needs the platform's popup menus, which our window
    // layer does not have yet; its commands arrive through UnitCommand.
}

void TEsgUnitEditBtn::UnitCommand(int Id) {
    if (Id < 1 || Id > int(FUnits.size())) return;
    const std::string previous = FUnitID;
    SetUnitID(FUnits[std::size_t(Id - 1)]);
    if (FUnitID != previous && OnUnitChanged) OnUnitChanged(this, FUnitID);
}

}  // namespace ctl
