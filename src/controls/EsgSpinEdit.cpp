#include "controls/EsgSpinEdit.h"

#include <cmath>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/FocusNext.h"
#include "controls/LocaleText.h"

namespace ctl {

using namespace plat;

namespace {

base::TDateTime AddMonths(base::TDateTime date, int months) {
    base::TDateParts d = base::DecodeDate(date);
    int m = d.month - 1 + months;
    int y = d.year + (m >= 0 ? m / 12 : (m - 11) / 12);
    m = ((m % 12) + 12) % 12 + 1;
    const int day = std::min(d.day, base::DaysInMonth(y, m));
    const double time = date - std::floor(date);
    return base::EncodeDate(y, m, day) + time;
}

bool InLimits(double v, double lo, double hi) { return lo == hi || (v >= lo && v <= hi); }

}  // namespace

// ------------------------------------------------------------ timer button

TExtTimerSpeedButton::TExtTimerSpeedButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() & ~(csClickEvents | csDoubleClicks));
}

void TExtTimerSpeedButton::SetButtonDirection(TButtonDirection Value) {
    FButtonDirection = Value;
    Invalidate();
}

void TExtTimerSpeedButton::DoClick() {
    if (FSpinOwner) FSpinOwner->BtnClick(this);
    else if (OnClick) OnClick(this);
}

void TExtTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = true;
    if (FSpinOwner) FSpinOwner->BtnMouseDown(this);
    DoClick();
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->OnTimer = [this](TObject* Sender) { TimerExpired(Sender); };
        }
        FRepeatTimer->SetInterval(400);
        FRepeatTimer->SetEnabled(true);
    }
    Invalidate();
}

void TExtTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FPressed = false;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    Invalidate();
}

void TExtTimerSpeedButton::TimerExpired(TObject*) {
    FRepeatTimer->SetInterval(100);
    if (!FPressed) return;
    try {
        DoClick();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TExtTimerSpeedButton::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    FHasMouse = true;
    Invalidate();
}

void TExtTimerSpeedButton::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    FHasMouse = false;
    Invalidate();
}

void TExtTimerSpeedButton::Paint() {
    TCanvas& c = Canvas();
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    const TEsgSpinButton* owner = FSpinOwner;
    if (owner && owner->ButtonColor != clNone) {
        TColor face = owner->ButtonColor;
        if (FPressed) face = owner->ButtonColorDown;
        else if (FHasMouse) face = owner->ButtonColorHot;
        c.Brush().SetColor(face);
        c.Pen().SetColor(face);
        c.Rectangle(r);
        c.Brush().SetColor(clBlack);
        c.Pen().SetColor(clBlack);
        std::vector<TPoint> p;
        switch (FButtonDirection) {
        case bdLeft: p = {{5, 5}, {3, 7}, {5, 9}}; break;
        case bdRight: p = {{3, 5}, {5, 7}, {3, 9}}; break;
        case bdUp: p = {{4, 4}, {8, 4}, {6, 2}}; break;
        case bdDown: p = {{4, 2}, {8, 2}, {6, 4}}; break;
        }
        c.Polygon(p);
        return;
    }
    // No visual styles exist here: the classic arrow frame controls.
    unsigned kind = DFCS_SCROLLUP;
    if (FButtonDirection == bdDown) kind = DFCS_SCROLLDOWN;
    else if (FButtonDirection == bdLeft) kind = DFCS_SCROLLLEFT;
    else if (FButtonDirection == bdRight) kind = DFCS_SCROLLRIGHT;
    c.DrawFrameControl(r, DFC_SCROLL, kind | (FPressed ? DFCS_PUSHED : 0) | (FFlat ? DFCS_FLAT : 0));
}

// ---------------------------------------------------------------- pair

TEsgSpinButton::TEsgSpinButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() | csOpaque);
    auto make = [this](TButtonDirection dir) {
        auto* b = new TExtTimerSpeedButton(this);
        b->SetParent(this);
        b->SetTimeBtnState({tbAllowTimer});
        b->SetButtonDirection(dir);
        b->SetSpinOwner(this);
        return b;
    };
    FUpButton = make(bdUp);
    FDownButton = make(bdDown);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

void TEsgSpinButton::AdjustSize(int& W, int& H) {
    if (!FUpButton || !FDownButton) return;
    if (FDirection == spVertical) {
        if (W < 15) W = 15;
        const int half = H / 2;
        FUpButton->SetBounds(0, 0, W, half);
        FDownButton->SetBounds(0, half - 1, W, H - half + 1);
    } else {
        if (W < 20) W = 20;
        const int half = W / 2;
        FDownButton->SetBounds(0, 0, half, H);
        FUpButton->SetBounds(half + 1, 0, half, H);
    }
}

void TEsgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AdjustSize(AWidth, AHeight);
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TEsgSpinButton::SetDirection(TSpinDirection Value) {
    FDirection = Value;
    if (Value == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetBounds(Left(), Top(), 20, Height());
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetBounds(Left(), Top(), 15, Height());
    }
}

void TEsgSpinButton::SetIsBevelLook(bool Value) {
    FIsBevelLook = Value;
    FDownButton->SetIsBevelLook(Value);
    FFocusedButton->SetIsBevelLook(Value);
}

void TEsgSpinButton::SetFocusBtn(TExtTimerSpeedButton* Btn) {
    if (!TabStop() || !CanFocus() || Btn == FFocusedButton) return;
    TTimeBtnState old = FFocusedButton->TimeBtnState();
    FFocusedButton->SetTimeBtnState(old.Exclude(tbFocusRect));
    FFocusedButton = Btn;
    if (Focused()) {
        TTimeBtnState s = Btn->TimeBtnState();
        Btn->SetTimeBtnState(s.Include(tbFocusRect));
        Invalidate();
    }
}

void TEsgSpinButton::BtnMouseDown(TExtTimerSpeedButton* Sender) {
    SetFocusBtn(Sender);
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && CanFocus() && !Focused())
        SetFocus();
}

void TEsgSpinButton::BtnClick(TExtTimerSpeedButton* Sender) {
    if (Sender == FUpButton && OnUpClick) OnUpClick(this);
    if (Sender == FDownButton && OnDownClick) OnDownClick(this);
}

void TEsgSpinButton::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (Key == VK_SPACE) {
        FFocusedButton->Press();
    } else if (Key == VK_UP) {
        SetFocusBtn(FUpButton);
        FUpButton->Press();
    } else if (Key == VK_DOWN) {
        SetFocusBtn(FDownButton);
        FDownButton->Press();
    }
    TCustomControl::KeyDown(Key, Shift);
}

// ----------------------------------------------------------------- edit

TEsgSpinEdit::TEsgSpinEdit(TComponent* AOwner) : TEdit(AOwner) {
    FButton = new TEsgSpinButton(this);
    FButton->SetParent(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* Sender) { UpClick(Sender); };
    FButton->OnDownClick = [this](TObject* Sender) { DownClick(Sender); };
    SetText("0");
    PlaceButton();
}

void TEsgSpinEdit::PlaceButton() {
    if (FButton) FButton->SetBounds(Width() - FButton->Width(), 1, FButton->Width(), std::max(Height() - 3, 0));
}

void TEsgSpinEdit::WMSize(TMessage& Message) {
    TEdit::WMSize(Message);
    PlaceButton();
}

int TEsgSpinEdit::Value() const {
    const std::string t = base::Trim(Text());
    if (t.empty()) return 0;
    int v = 0;
    return base::TryStrToInt(t, v) ? v : MinValue;
}

void TEsgSpinEdit::SetValue(int NewValue) {
    if (MinValue != MaxValue) NewValue = std::clamp(NewValue, std::min(MinValue, MaxValue), std::max(MinValue, MaxValue));
    SetText(base::IntToStr(NewValue));
    if (!FEditorEnabled) SelectAll();
}

double TEsgSpinEdit::FloatValue() const {
    double v = 0;
    return base::TryStrToFloat(Text(), v) ? v : double(MinValue);
}

void TEsgSpinEdit::SetFloatValue(double NewValue) {
    if (MinFloatValue != MaxFloatValue) {
        if (NewValue <= MinFloatValue) NewValue = MinFloatValue;
        else if (NewValue >= MaxFloatValue) NewValue = MaxFloatValue;
    }
    SetText(FPrecision != 0 ? base::FloatToStrF(NewValue, FPrecision) : base::FloatToStr(NewValue));
}

base::TDateTime TEsgSpinEdit::DateValue() const {
    if (Text() == "0" || Text().empty()) return base::Now();
    base::TDateTime v = 0;
    return base::TryStrToDate(Text(), v) ? v : MinDateValue;
}

void TEsgSpinEdit::SetDateValue(base::TDateTime NewValue) {
    FDateValue = NewValue;
    if (MinDateValue != MaxDateValue) NewValue = std::clamp(NewValue, MinDateValue, MaxDateValue);
    const int caret = SelStart();
    SetText(base::DateToStr(NewValue));
    SetSelStart(caret);
}

base::TDateTime TEsgSpinEdit::TimeValue() const {
    base::TDateTime v = 0;
    return base::TryStrToTime(Text(), v) ? v : 0;
}

void TEsgSpinEdit::SetTimeValue(base::TDateTime NewValue) {
    FTimeValue = NewValue;
    if (MinDateValue != MaxDateValue) NewValue = std::clamp(NewValue, MinDateValue, MaxDateValue);
    const int caret = SelStart();
    SetText(base::FormatDateTime(FShowSeconds ? base::FormatSettings().longTimeFormat : "h:nn", NewValue));
    SetSelStart(caret);
}

void TEsgSpinEdit::SetSpinType(TEsgSpinType Value) {
    FSpinType = Value;
    switch (Value) {
    case sptNormal: SetValue(this->Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::SetPrecision(int Value) {
    FPrecision = Value;
    if (FSpinType == sptFloat) SetFloatValue(FloatValue());
}

void TEsgSpinEdit::SetDirection(TSpinDirection Value) {
    FDirection = Value;
    FButton->SetDirection(Value);
    PlaceButton();
}

void TEsgSpinEdit::SetSpinFlat(bool Value) {
    SpinFlat = Value;
    FButton->UpButton()->SetFlat(Value);
    FButton->DownButton()->SetFlat(Value);
}

void TEsgSpinEdit::SetSpinTransparent(bool Value) {
    SpinTransparent = Value;
    FButton->UpButton()->SetTransparent(Value);
    FButton->DownButton()->SetTransparent(Value);
}

void TEsgSpinEdit::SetIsBevelLook(bool Value) {
    FIsBevelLook = Value;
    FButton->SetIsBevelLook(Value);
}

void TEsgSpinEdit::UpClick(TObject*) { StepUp(false); }
void TEsgSpinEdit::DownClick(TObject*) { StepDown(false); }
void TEsgSpinEdit::StepUp(bool Page) { Step(true, Page); }
void TEsgSpinEdit::StepDown(bool Page) { Step(false, Page); }

void TEsgSpinEdit::Step(bool Up, bool Page) {
    if (ReadOnly()) return;  // a read-only edit only beeps
    const int sign = Up ? 1 : -1;
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + sign * Increment); break;
    case sptFloat: SetFloatValue(FloatValue() + sign * (Page ? IncrementFloatPage : IncrementFloat)); break;
    case sptDate: {
        const std::string fmt = base::UpperCase(base::FormatSettings().shortDateFormat);
        FUsDates = fmt.find('M') < fmt.find('D');
        const std::string& t = Text();
        const char sep = base::FormatSettings().dateSeparator;
        const std::size_t p1i = t.find(sep);
        const int p1 = p1i == std::string::npos ? 0 : int(p1i) + 1;
        const std::size_t p2i = p1i == std::string::npos ? std::string::npos : t.find(sep, p1i + 1);
        const int p2 = p2i == std::string::npos ? 0 : int(p2i) + 1;
        const int s = SelStart();
        const int part = s < p1 ? 1 : (s < p2 ? 2 : 3);
        const base::TDateTime d = DateValue();
        try {
            base::TDateTime next = d;
            const bool month = (part == 1 && FUsDates) || (part == 2 && !FUsDates);
            if (month) {
                next = AddMonths(d, sign);
            } else if (part == 3) {
                const base::TDateParts dp = base::DecodeDate(d);
                next = base::EncodeDate(dp.year + sign, dp.month, dp.day) + (d - std::floor(d));
            } else {
                next = d + sign;
            }
            SetDateValue(next);
        } catch (const base::EConvertError&) {
            // 29 February has no day in the next year: the value stays.
        }
        break;
    }
    case sptTime: {
        const std::string& t = Text();
        const char sep = base::FormatSettings().timeSeparator;
        const std::size_t p1i = t.find(sep);
        const int p1 = p1i == std::string::npos ? 0 : int(p1i) + 1;
        const std::size_t p2i = p1i == std::string::npos ? std::string::npos : t.find(sep, p1i + 1);
        const int s = SelStart();
        int h = 0, m = 0, sec = 0;
        if (s < p1) h = IncrementHours;
        else if (FShowSeconds && (p2i == std::string::npos || s >= int(p2i) + 1)) sec = IncrementSeconds;
        else m = IncrementMinutes;
        try {
            const base::TDateTime step = base::EncodeTime(h, m, sec, 0);
            base::TDateTime v = TimeValue();
            if (Up) {
                v += step;
            } else {
                v = v + 1 - step;
                if (v > 1) v -= 1;
            }
            SetTimeValue(v);
        } catch (const base::EConvertError&) {
            // Steps of a whole day or more cannot be times: the value stays.
        }
        break;
    }
    }
}

bool TEsgSpinEdit::IsValidChar(char32_t& Key) {
    if (Key == 8) return FEditorEnabled;
    const char ds = GetDecimalSeparator();
    const char th = GetThousandSeparator();
    const char ts = GetTimeSeparator();
    const char dsep = GetDateSeparator();
    const bool printable = Key >= 32;
    bool ok = Key == char32_t(ds) || Key == char32_t(th) || Key == char32_t(ts) || Key == char32_t(dsep) ||
              IsNumericChar(Key) || Key == U'-' || (!printable && Key != 13);
    const bool numberType = FSpinType == sptNormal || FSpinType == sptFloat;
    auto sharesAnotherRole = [&](char sep) { return sep == ds || sep == th || sep == '-' || sep == '+'; };
    if (Key == char32_t(ts) && FSpinType != sptTime && !(sharesAnotherRole(ts) && numberType)) ok = false;
    if (Key == char32_t(dsep) && FSpinType != sptDate && !(sharesAnotherRole(dsep) && numberType)) ok = false;

    const std::string& t = Text();
    const int selStart = SelStart();
    const int selEnd = selStart + SelLength();
    auto inSelection = [&](std::size_t i) { return int(i) >= selStart && int(i) < selEnd; };
    auto holdsOutsideSelection = [&](char c) {
        for (std::size_t i = 0; i < t.size(); ++i)
            if (t[i] == c && !inSelection(i)) return true;
        return false;
    };
    if (Key == U'-' && (selStart != 0 || holdsOutsideSelection('-'))) ok = false;
    // Control characters (copy, paste, undo) stay usable in every kind.
    if (FSpinType == sptNormal && printable && !(IsNumericChar(Key) || Key == U'-')) ok = false;
    if (FSpinType == sptFloat && Key != 27 && Key != 13 && Key != 8) {
        if (Key == char32_t(th) && th != ds) ok = false;
        if (Key == char32_t(ds) && holdsOutsideSelection(ds)) ok = false;
        const std::size_t p = t.find(ds);
        if (FPrecision > 0 && p != std::string::npos && selStart >= int(p) + 1 && SelLength() == 0 &&
            int(t.size()) >= int(p) + 1 + FPrecision)
            ok = false;
    }
    if (FSpinType == sptTime && Key == char32_t(ts) && CountCharOccurrences(ts, t) >= 2) ok = false;
    if (!FEditorEnabled && printable) ok = false;
    return ok;
}

void TEsgSpinEdit::KeyDown(unsigned short& Key, TShiftState Shift) {
    FKeypadDecimal = Key == VK_DECIMAL;
    switch (Key) {
    case VK_PRIOR: StepUp(true); Key = 0; return;
    case VK_NEXT: StepDown(true); Key = 0; return;
    case VK_UP: StepUp(false); Key = 0; return;
    case VK_DOWN: StepDown(false); Key = 0; return;
    default: break;
    }
    if (Key == VK_RETURN && ReturnIsTab) {
        Key = 0;
        FocusNextControl(*this);
        return;
    }
    if (Key == VK_DELETE && !FEditorEnabled) Key = 0;
    TEdit::KeyDown(Key, Shift);
}

void TEsgSpinEdit::KeyPress(char32_t& Key) {
    if (Key == U'.' && FKeypadDecimal && SpreadsheetStyleDecimalSeparator) Key = char32_t(GetDecimalSeparator());
    FKeypadDecimal = false;
    if (!IsValidChar(Key)) {
        Key = 0;
        return;
    }
    TEdit::KeyPress(Key);
}

void TEsgSpinEdit::DoExit() {
    TEdit::DoExit();
    switch (FSpinType) {
    case sptNormal:
        if (!InLimits(Value(), MinValue, MaxValue)) SetValue(Value());
        break;
    case sptFloat:
        if (!InLimits(FloatValue(), MinFloatValue, MaxFloatValue)) SetFloatValue(FloatValue());
        break;
    case sptDate:
        if (!InLimits(DateValue(), MinDateValue, MaxDateValue)) SetDateValue(DateValue());
        break;
    case sptTime:
        if (!InLimits(TimeValue(), MinDateValue, MaxDateValue)) SetTimeValue(TimeValue());
        break;
    }
}

}  // namespace ctl
