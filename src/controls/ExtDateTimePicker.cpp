#include "controls/ExtDateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "controls/DropDownDraw.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

double WholeDays(base::TDateTime V) { return std::trunc(V); }
double TimePart(base::TDateTime V) { return std::abs(V - std::trunc(V)); }

base::TDateTime Join(double Days, double Time) { return Days >= 0 ? Days + Time : Days - Time; }

// The time of day without its milliseconds.
double WholeSeconds(base::TDateTime V) {
    const base::TTimeParts t = base::DecodeTime(V);
    return base::EncodeTime(t.hour, t.minute, t.second, 0);
}

}  // namespace

unsigned DTPShiftFocusMessage() {
    static const unsigned id = RegisterWindowMessage("DTPShiftFocus");
    return id;
}

// ------------------------------------------------------------ flat picker

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TDateTimePicker(AOwner) {
    FButtonWidth = GetSystemMetrics(SM_CXVSCROLL) + 2;
    SetCtl3D(false);
}

void TCustomDateTimePicker::SetBorderStyle(TDTPBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    Invalidate();
}

void TCustomDateTimePicker::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    Invalidate();
}

void TCustomDateTimePicker::SetMetroStyle(bool Value) {
    if (Value == FMetroStyle) return;
    FMetroStyle = Value;
    Invalidate();
}

int TCustomDateTimePicker::DropButtonWidth() const {
    return TDateTimePicker::DropButtonWidth() > 0 ? FButtonWidth : 0;
}

void TCustomDateTimePicker::RememberBeforeDigit() {
    if (TDateTimePicker::Kind() != dtkTime) return;
    const base::TTimeParts t = base::DecodeTime(TDateTimePicker::DateTime());
    Fh = t.hour;
    Fm = t.minute;
    Fs = t.second;
    Fms = t.msec;
}

void TCustomDateTimePicker::KeyPress(char32_t& Key) {
    if (!FAutoTab || Key < U'0' || Key > U'9') {
        TDateTimePicker::KeyPress(Key);
        return;
    }
    RememberBeforeDigit();
    TDateTimePicker::KeyPress(Key);
    PostMessage(DTPShiftFocusMessage());
}

void TCustomDateTimePicker::PostRight() { PostMessage(WM_KEYDOWN, VK_RIGHT, 0); }

void TCustomDateTimePicker::ShiftFocus() {
    if (TDateTimePicker::Kind() != dtkTime) return;
    const base::TTimeParts t = base::DecodeTime(TDateTimePicker::DateTime());
    const bool changed = t.hour != Fh || t.minute != Fm || t.second != Fs;
    // A change moves the caret once, however many digit checks are waiting.
    Fh = t.hour;
    Fm = t.minute;
    Fs = t.second;
    if (changed) PostRight();
}

void TCustomDateTimePicker::Dispatch(TMessage& Message) {
    if (Message.Msg == DTPShiftFocusMessage()) {
        ShiftFocus();
        return;
    }
    TDateTimePicker::Dispatch(Message);
}

void TCustomDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseHeld = true;
    TDateTimePicker::MouseDown(Button, Shift, X, Y);
    Invalidate();
}

void TCustomDateTimePicker::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FMouseHeld = false;
    TDateTimePicker::MouseUp(Button, Shift, X, Y);
    Invalidate();
}

void TCustomDateTimePicker::MouseMove(TShiftState Shift, int X, int Y) {
    const bool hover = X >= ClientWidth() - FButtonWidth && X < ClientWidth();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
    TDateTimePicker::MouseMove(Shift, X, Y);
}

void TCustomDateTimePicker::CMMouseEnter(TMessage& Message) {
    TDateTimePicker::CMMouseEnter(Message);
    if (Enabled()) FMouseInControl = true;
    Invalidate();
}

void TCustomDateTimePicker::CMMouseLeave(TMessage& Message) {
    TDateTimePicker::CMMouseLeave(Message);
    FMouseInControl = false;
    FButtonHover = false;
    Invalidate();
}

void TCustomDateTimePicker::DoEnter() {
    FHasFocus = true;
    Invalidate();
    TDateTimePicker::DoEnter();
}

void TCustomDateTimePicker::DoExit() {
    FHasFocus = false;
    Invalidate();
    TDateTimePicker::DoExit();
}

TColor TCustomDateTimePicker::ParentColor_() const { return Parent() != nullptr ? Parent()->Color() : clBtnFace; }

void TCustomDateTimePicker::DrawFlatButton(TCanvas& c) {
    const int cw = ClientWidth(), ch = ClientHeight();
    const TRect area = Rect(cw - FButtonWidth - 2, 4, cw - 2, ch - 4);
    c.Brush().SetColor(Color());
    c.FillRect(area);
    if (ButtonColor != clNone) {
        DrawFlatDropButton(c, *this, area, area.Left, TPoint{area.Left + 5, area.Top + 7}, FButtonHover, FMouseHeld);
    } else {
        // No visual styles here: the classic combo-box button.
        TRect r = area;
        c.DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? DFCS_FLAT : DFCS_INACTIVE));
    }
}

void TCustomDateTimePicker::DrawFlatBorder(TCanvas& c) {
    if (!FlatLook() || (Enabled() && FBorderColor == clNone && FFocusBorderColor == clNone)) return;
    const TRect r = Rect(0, 0, Width(), Height());
    const bool focused = FHasFocus || Focused();
    if (FBorderColor != clNone && !(focused && FFocusBorderColor != clNone)) {
        c.Brush().SetColor(FBorderColor);
        c.FrameRect(r);
    } else if (FFocusBorderColor != clNone) {
        if (focused) {
            c.Brush().SetColor(FFocusBorderColor);
            c.FrameRect(r);
        }
    } else {
        // Disabled without colours of its own: the frame blends into the parent.
        c.Brush().SetColor(ParentColor_());
        c.FrameRect(r);
        c.FrameRect(Rect(1, 1, Width() - (TDateTimePicker::Kind() == dtkTime ? 1 : FButtonWidth), Height() - 1));
        c.Brush().SetColor(Color());
        c.FrameRect(Rect(2, 2, Width() - 2, Height() - 2));
    }
    // The ring around the button: raised while the mouse is in or the picker
    // has the focus, else the button face.
    if (TDateTimePicker::Kind() == dtkTime) return;
    const int cw = ClientWidth(), ch = ClientHeight();
    c.ExcludeClipRect(Rect(cw - FButtonWidth + 4, 4, cw - 4, ch - 4));
    TRect b = Rect(cw - FButtonWidth - 2, 0, Width(), Height());
    InflateRect(b, -2, -2);
    if (Enabled() && (FMouseInControl || focused)) {
        c.DrawEdge(b, BDR_RAISEDINNER, BF_RECT);
    } else {
        c.Brush().SetColor(clBtnFace);
        c.FrameRect(Rect(b.Left, b.Top + 1, b.Right - 1, b.Bottom - 1));
    }
    c.ResetClip();
}

void TCustomDateTimePicker::Paint() {
    TDateTimePicker::Paint();
    if (Ctl3D() && !FlatLook()) return;  // the control's own look
    TCanvas& c = Canvas();
    if (FlatLook() && TDateTimePicker::Kind() != dtkTime) DrawFlatButton(c);
    if (!Ctl3D()) {
        const TRect r = Rect(0, 0, Width(), Height());
        c.Brush().SetColor(FBorderStyle == dbsNone ? ParentColor_() : FBorderColor);
        c.FrameRect(r);
        // No visual styles: a second ring inside keeps the field off the line.
        c.FrameRect(Rect(1, 1, Width() - 1, Height() - 1));
        c.Pen().SetColor(ParentColor_());
        c.MoveTo(1, Height() - 2);
        c.LineTo(1, 1);
        c.LineTo(Width() - 1, 1);
    }
    DrawFlatBorder(c);
}

// ------------------------------------------------------- date-time picker

TExtDateTimePicker::TExtDateTimePicker(TComponent* AOwner) : TCustomDateTimePicker(AOwner) {
    TCustomDateTimePicker::SetBorderStyle(dbsSingle);
    SetCtl3D(true);
    SetKind(dkDateTime);
    FLabelFont.OnChange = [this] { UpdateLabel(); };
}

TExtDateTimePicker::~TExtDateTimePicker() {
    if (FLabel != nullptr) FLabel->SetParent(nullptr);
}

std::string TExtDateTimePicker::Version() const {
    const unsigned v = static_cast<unsigned>(GetVersionNr());
    return std::to_string(v >> 24) + "." + std::to_string((v >> 16) & 0xFF) + "." + std::to_string((v >> 8) & 0xFF) +
           "." + std::to_string(v & 0xFF);
}

void TExtDateTimePicker::SetKind(TExtDateTimeKind Value) {
    if (Value == FKind) return;
    FKind = Value;
    TDateTimePicker::SetKind(Value == dkTime ? dtkTime : dtkDate);
    if (FKind == dkDateTime) CreateTimePicker();
    UpdateTimePicker();
}

void TExtDateTimePicker::CreateTimePicker() {
    if (FTimePicker != nullptr || FKind != dkDateTime) return;
    FTimePicker = new TCustomDateTimePicker(this);
    FTimePicker->SetAccessibleName("Time of day");
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->SetKind(dtkTime);
    FTimePicker->SetAutoTab(AutoTab());
    FTimePicker->OnChange = [this](TObject*) {
        // The date fields rebuild the value from their own copy: keep its
        // time in step, or the next date edit would undo this one.
        const base::TDateTime own = TDateTimePicker::DateTime();
        TDateTimePicker::SetDateTime(Join(WholeDays(own), TimePart(FTimePicker->DateTime())));
        Change();
        if (OnTimeChange) OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { Click(); };
    FTimePicker->OnKeyPress = [this](TObject*, char32_t& Key) { TimePickerKeyPress(Key); };
    FTimePicker->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) {
        if (OnKeyDown) OnKeyDown(this, Key, Shift);
    };
}

void TExtDateTimePicker::UpdateTimePicker() {
    if (FTimePicker == nullptr) return;
    if (FTimePicker->Parent() != this) FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == dkDateTime);
    if (FKind != dkDateTime) {
        TCustomDateTimePicker* gone = FTimePicker;
        FTimePicker = nullptr;
        gone->OnChange = nullptr;
        delete gone;
        return;
    }
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->SetFont(Font());
    // Sized to its text plus room for the caret field, left of the button;
    // there is no frame outside the client area here to lift it over.
    Canvas().SetFont(Font());
    const int w = Canvas().TextWidth(FTimePicker->DisplayText()) + 31;
    FTimePicker->SetBounds(Width() - w - 23, 0, w, Height());
}

base::TDateTime TExtDateTimePicker::DateTime() const {
    const base::TDateTime v = TDateTimePicker::DateTime();
    if (FTimePicker == nullptr) return v;
    return Join(WholeDays(v), TimePart(FTimePicker->DateTime()));
}

void TExtDateTimePicker::SetDateTime(base::TDateTime Value) {
    const base::TDateTime v = Join(WholeDays(Value), WholeSeconds(Value));
    TDateTimePicker::SetDateTime(v);
    if (FKind == dkDateTime) CreateTimePicker();
    if (FTimePicker != nullptr) FTimePicker->SetDateTime(v);
}

base::TDateTime TExtDateTimePicker::Date() const { return WholeDays(DateTime()); }

void TExtDateTimePicker::SetDate(base::TDateTime Value) { SetDateTime(Join(WholeDays(Value), TimePart(DateTime()))); }

base::TDateTime TExtDateTimePicker::Time() const {
    if (FKind == dkDateTime && FTimePicker != nullptr) return TimePart(FTimePicker->DateTime());
    return TimePart(TDateTimePicker::DateTime());
}

void TExtDateTimePicker::SetTime(base::TDateTime Value) {
    const base::TDateTime v = TDateTimePicker::DateTime();
    TDateTimePicker::SetDateTime(Join(WholeDays(v), TimePart(Value)));
    if (FTimePicker != nullptr) FTimePicker->SetDateTime(Join(WholeDays(v), TimePart(Value)));
    UpdateTimePicker();
}

void TExtDateTimePicker::SetTimeFormat(const std::string& Value) {
    if (FKind == dkTime) SetFormat(Value);
    FTimeFormat = Value;
    UpdateTimePicker();
}

void TExtDateTimePicker::SetAutoTab(bool Value) {
    TCustomDateTimePicker::SetAutoTab(Value);
    if (FTimePicker != nullptr) FTimePicker->SetAutoTab(Value);
}

// A cleared check box leaves no time to edit, whichever way the picker
// itself is switched.
void TExtDateTimePicker::SetChecked(bool Value) {
    TDateTimePicker::SetChecked(Value);
    if (FTimePicker != nullptr) FTimePicker->SetEnabled(Enabled() && (Value || !ShowCheckbox()));
}

void TExtDateTimePicker::SetEnabled(bool Value) {
    TCustomDateTimePicker::SetEnabled(Value);
    if (FTimePicker != nullptr) FTimePicker->SetEnabled(Value && (Checked() || !ShowCheckbox()));
    if (FLabel != nullptr && !FLabelAlwaysEnabled) FLabel->SetEnabled(Value);
}

void TExtDateTimePicker::SetBorderStyle(TDTPBorderStyle Value) {
    TCustomDateTimePicker::SetBorderStyle(Value);
    UpdateTimePicker();
}

void TExtDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateTimePicker();
    if (FLabel != nullptr && FLabel->Parent() != nullptr) UpdateLabel();
}

void TExtDateTimePicker::SetParent(TWinControl* AParent) {
    TCustomDateTimePicker::SetParent(AParent);
    if (FLabel != nullptr) {
        FLabel->SetParent(AParent);
        UpdateLabel();
    }
}

void TExtDateTimePicker::CMColorChanged(TMessage& Message) {
    TCustomDateTimePicker::CMColorChanged(Message);
    UpdateTimePicker();
}

void TExtDateTimePicker::CMVisibleChanged(TMessage& Message) {
    TCustomDateTimePicker::CMVisibleChanged(Message);
    if (FLabel != nullptr) FLabel->SetVisible(Visible());
}

void TExtDateTimePicker::RememberBeforeDigit() {
    const base::TDateParts d = base::DecodeDate(TDateTimePicker::DateTime());
    Fy = d.year;
    Fmo = d.month;
    Fd = d.day;
    TCustomDateTimePicker::RememberBeforeDigit();
}

void TExtDateTimePicker::FocusTimePicker() {
    if (FTimePicker != nullptr && FTimePicker->CanFocus()) FTimePicker->SetFocus();
}

void TExtDateTimePicker::ShiftFocus() {
    if (FKind == dkTime) {
        TCustomDateTimePicker::ShiftFocus();
        return;
    }
    const base::TDateParts d = base::DecodeDate(TDateTimePicker::DateTime());
    const bool day = d.day != Fd, month = d.month != Fmo, year = d.year != Fy;
    Fd = d.day;
    Fmo = d.month;
    Fy = d.year;
    const std::string f = Format();
    if (!f.empty()) {
        const char last = static_cast<char>(std::tolower(static_cast<unsigned char>(f.back())));
        // The field that ends the date is complete: the time comes next.
        if ((day && last == 'd') || (month && last == 'm') || (year && last == 'y')) FocusTimePicker();
        else if (day || month || year) PostRight();
    } else if (day || month) {
        PostRight();
    } else if (year) {
        FocusTimePicker();
    }
}

void TExtDateTimePicker::DoEnter() {
    TCustomDateTimePicker::DoEnter();
    if (FFocusLabel && FLabel != nullptr) {
        TFont f = FLabel->Font();
        f.SetStyle(f.Style() + TFontStyles{fsBold});
        FLabel->SetFont(f);
    }
}

void TExtDateTimePicker::DoExit() {
    TCustomDateTimePicker::DoExit();
    if (FFocusLabel && FLabel != nullptr) {
        TFont f = FLabel->Font();
        f.SetStyle(f.Style() - TFontStyles{fsBold});
        FLabel->SetFont(f);
    }
}

// ------------------------------------------------------------ label

void TExtDateTimePicker::SetLabelCaption(const std::string& Value) {
    if (FLabel == nullptr) {
        FLabel = new TLabel(this);
        FLabel->SetFont(FLabelFont);
        FLabel->OnClick = [this](TObject*) {
            if (OnLabelClick) OnLabelClick(this);
        };
        FLabel->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick) OnLabelDblClick(this);
        };
        FLabel->SetEnabled(Enabled() || FLabelAlwaysEnabled);
    }
    FLabel->SetCaption(Value);
    if (Parent() != nullptr && FLabel->Parent() == nullptr) FLabel->SetParent(Parent());
    UpdateLabel();
}

void TExtDateTimePicker::UpdateLabel() {
    if (FLabel == nullptr) return;
    FLabel->SetTransparent(FLabelTransparent);
    LetterCaptionLabel(*FLabel, *this, FLabelFont, FFocusLabel && Focused());
    FLabel->SetVisible(Visible());
    if (FLabel->Parent() != nullptr) PlaceCaptionLabel(*FLabel, *this, FLabelPosition, FLabelMargin);
}

void TExtDateTimePicker::SetLabelPosition(TLabelPosition Value) {
    FLabelPosition = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelMargin(int Value) {
    FLabelMargin = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelTransparent(bool Value) {
    FLabelTransparent = Value;
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelAlwaysEnabled(bool Value) {
    FLabelAlwaysEnabled = Value;
    if (FLabel != nullptr && Value) FLabel->SetEnabled(true);
    UpdateLabel();
}

void TExtDateTimePicker::SetLabelFont(const TFont& Value) {
    // The assignment fires the font's change, which letters the label.
    FLabelFont = Value;
    UpdateLabel();
}

void TExtDateTimePicker::CMFontChanged(TMessage& Message) {
    TCustomDateTimePicker::CMFontChanged(Message);
    UpdateLabel();
}

}  // namespace ctl
