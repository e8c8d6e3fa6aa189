#include "controls/EsgCombo.h"

#include "platform/Messages.h"

namespace ctl {

using namespace plat;

TEsgCustomCombo::TEsgCustomCombo(TComponent* AOwner) : TComboBox(AOwner) {}

TEsgCustomCombo::~TEsgCustomCombo() = default;

void TEsgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!Destroying()) UpdateLabel();
}

void TEsgCustomCombo::WndProc(TMessage& Message) {
    TComboBox::WndProc(Message);
    if (Message.Msg == WM_COMMAND) {
        const unsigned code = HiWord(Message.WParam);
        if (code == CBN_DROPDOWN || code == CBN_CLOSEUP) Invalidate();
        if (code == CBN_CLOSEUP && OnDropUp) OnDropUp(this);
    }
}

void TEsgCustomCombo::SelectItem(const std::string& AString) {
    const int i = Items().IndexOf(AString);
    if (i >= 0) SetItemIndex(i);
}

void TEsgCustomCombo::SetButtonWidth(int Value) {
    if (Value < 14 || Value > 32) return;
    FButtonWidth = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    if (FFlatParentColor && FFlat && Parent()) SetColor(Parent()->Color());
    else SetColor(FLoadedColor);
    Invalidate();
}

void TEsgCustomCombo::SetEtched(bool Value) {
    if (Value == FEtched) return;
    FEtched = Value;
    Invalidate();
}

void TEsgCustomCombo::SetFlatParentColor(bool Value) {
    FFlatParentColor = Value;
    Invalidate();
}

void TEsgCustomCombo::SetEnabled(bool Value) {
    const bool changed = Value != Enabled();
    if (changed && FFlat) {
        // A disabled flat combo blends into its parent until enabled again.
        if (!Value) {
            FOldColor = Color();
            FOldParentColor = ParentColor();
            if (Parent()) SetColor(Parent()->Color());
        } else {
            SetColor(FOldColor);
            SetParentColor(FOldParentColor);
        }
    }
    TComboBox::SetEnabled(Value);
    if (changed && FLabel && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
    UpdateLabel();
}

std::string TEsgCustomCombo::LabelCaption() const { return FLabel ? FLabel->Caption() : std::string(); }

void TEsgCustomCombo::SetLabelCaption(const std::string& Value) {
    if (!FLabel) {
        FLabel = new TLabel(this);
        if (Parent()) FLabel->SetParent(Parent());
        if (!ParentFont()) FLabel->SetFont(FLabelFont);
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelAlwaysEnabled(bool Value) {
    FLabelAlwaysEnabled = Value;
    if (FLabel) FLabel->SetEnabled(Value || Enabled());
    UpdateLabel();
}

void TEsgCustomCombo::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    UpdateLabel();
}

void PlaceCaptionLabel(TLabel& Label, const TControl& Owner, TLabelPosition Position, int Margin) {
    TCanvas measure;
    measure.SetFont(Label.Font());
    TRect r = Rect(0, 0, 1000, 255);
    measure.DrawText(Label.Caption(), r, DT_CALCRECT | DT_SINGLELINE | DT_HIDEPREFIX);
    const int w = r.Width();
    const int lh = Label.Height();
    const int lw = Label.Width();
    const int m = Margin;
    auto vCentre = [&] { return lh <= Owner.Height() ? Owner.Top() + (Owner.Height() - lh) / 2 : Owner.Top() - (lh - Owner.Height()) / 2; };
    auto hCentre = [&] { return lw <= Owner.Width() ? Owner.Left() + (Owner.Width() - lw) / 2 : Owner.Left() - (lw - Owner.Width()) / 2; };
    int top = Owner.Top();
    int left = Owner.Left();
    switch (Position) {
    case lpLeftTop: top = Owner.Top(), left = Owner.Left() - w - m; break;
    case lpLeftCenter: top = vCentre(), left = Owner.Left() - w - m; break;
    case lpLeftBottom: top = Owner.Top() + Owner.Height() - lh, left = Owner.Left() - w - m; break;
    case lpTopLeft: top = Owner.Top() - lh - m, left = Owner.Left(); break;
    case lpBottomLeft: top = Owner.Top() + Owner.Height() + m, left = Owner.Left(); break;
    case lpLeftTopLeft: top = Owner.Top(), left = Owner.Left() - m; break;
    case lpLeftCenterLeft: top = vCentre(), left = Owner.Left() - m; break;
    case lpLeftBottomLeft: top = Owner.Top() + Owner.Height() - lh, left = Owner.Left() - m; break;
    case lpTopCenter: top = Owner.Top() - lh - m, left = hCentre(); break;
    case lpBottomCenter: top = Owner.Top() + Owner.Height() + m, left = hCentre(); break;
    case lpRightTop: top = Owner.Top(), left = Owner.Left() + Owner.Width() + m; break;
    case lpRightCenter: top = vCentre(), left = Owner.Left() + Owner.Width() + m; break;
    case lpRighBottom: top = Owner.Top() + Owner.Height() - lh, left = Owner.Left() + Owner.Width() + m; break;
    case lpTopRight: top = Owner.Top() - lh - m, left = Owner.Left() + Owner.Width() - lw; break;
    case lpBottomRight: top = Owner.Top() + Owner.Height() + m, left = Owner.Left() + Owner.Width() - lw; break;
    }
    Label.SetBounds(left, top, lw, lh);
}

void LetterCaptionLabel(TLabel& Label, const TControl& Owner, const TFont& LabelFont, bool Bold) {
    TFont f(Owner.ParentFont() ? Owner.Font() : LabelFont);
    if (Bold) f.SetStyle(f.Style() + TFontStyles{fsBold});
    if (!Label.Font().SameAs(f)) Label.SetFont(f);
}

void TEsgCustomCombo::UpdateLabel() {
    if (!FLabel) return;
    if (!FLabel->Parent() && Parent()) FLabel->SetParent(Parent());
    FLabel->SetTransparent(FLabelTransparent);
    FLabel->SetVisible(Visible());
    PlaceCaptionLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
}

void TEsgCustomCombo::SetLabelBold(bool On) {
    if (!FLabel || !FocusLabel) return;
    TFontStyles s = FLabel->Font().Style();
    if (On) s.Include(fsBold);
    else s.Exclude(fsBold);
    FLabel->Font().SetStyle(s);
}

void TEsgCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
    TComboBox::MouseMove(Shift, X, Y);
    const bool hover = X > Width() - FButtonWidth && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TEsgCustomCombo::CMMouseEnter(TMessage& Message) {
    TComboBox::CMMouseEnter(Message);
    if (!FMouseInControl && Enabled()) {
        FMouseInControl = true;
        Invalidate();
    }
    if (AutoFocus && CanFocus()) SetFocus();
}

void TEsgCustomCombo::CMMouseLeave(TMessage& Message) {
    TComboBox::CMMouseLeave(Message);
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TEsgCustomCombo::DoEnter() {
    TComboBox::DoEnter();
    FHasFocus = true;
    if (FocusColor != clNone) SetColor(FocusColor);
    SetLabelBold(true);
}

void TEsgCustomCombo::DoExit() {
    TComboBox::DoExit();
    FHasFocus = false;
    if (FocusColor != clNone && FNormalColor != clNone) SetColor(FNormalColor);
    SetLabelBold(false);
}

}  // namespace ctl
