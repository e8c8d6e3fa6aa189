#include "controls/DateTimePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

int Wrap(int v, int lo, int hi) {
    const int n = hi - lo + 1;
    return lo + ((v - lo) % n + n) % n;
}

std::string Pad(int v, int width) {
    std::string s = std::to_string(v);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), '0');
    return s;
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TCustomControl(AOwner) {
    SetAccessibleName("Date and time");
    SetAccessibleRole(arComboBox);
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 186, 21);
    FDateTime = base::Now();
}

void TDateTimePicker::SetKind(TDateTimeKind Value) {
    if (Value == FKind) return;
    FKind = Value;
    FField = 0;
    FTyped.clear();
    Invalidate();
}

void TDateTimePicker::SetDateTime(base::TDateTime Value) {
    FDateTime = Value;
    Invalidate();
}

void TDateTimePicker::SetFormat(const std::string& Value) {
    FFormat = Value;
    FField = std::min(FField, std::max(0, FieldCount() - 1));
    FTyped.clear();
    Invalidate();
}

std::string TDateTimePicker::ActiveFormat() const {
    if (!FFormat.empty()) return FFormat;
    // The regional formats write minutes as n and months as m.
    const base::TFormatSettings& fs = base::FormatSettings();
    std::string f = FKind == dtkTime ? fs.longTimeFormat : fs.shortDateFormat;
    for (char& c : f) {
        if (FKind == dtkTime && (c == 'h')) c = 'H';
        else if (FKind == dtkTime && (c == 'n' || c == 'N')) c = 'm';
        else if (FKind == dtkDate && (c == 'm')) c = 'M';
    }
    return f;
}

void TDateTimePicker::SetCtl3D(bool Value) {
    if (Value == FCtl3D) return;
    FCtl3D = Value;
    Invalidate();
}

void TDateTimePicker::SetShowCheckbox(bool Value) {
    FShowCheckbox = Value;
    Invalidate();
}

void TDateTimePicker::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    Invalidate();
}

std::vector<TDateTimePicker::TToken> TDateTimePicker::Tokens() const {
    std::vector<TToken> out;
    const std::string f = ActiveFormat();
    auto literal = [&](const std::string& t) {
        if (!out.empty() && out.back().Part == fpLiteral) out.back().Text += t;
        else out.push_back(TToken{fpLiteral, 0, t});
    };
    for (size_t i = 0; i < f.size();) {
        const char c = f[i];
        if (c == '\'') {
            const size_t e = f.find('\'', i + 1);
            literal(f.substr(i + 1, (e == std::string::npos ? f.size() : e) - i - 1));
            i = e == std::string::npos ? f.size() : e + 1;
            continue;
        }
        size_t n = 1;
        while (i + n < f.size() && f[i + n] == c) ++n;
        TPart p = fpLiteral;
        switch (c) {
            case 'd': p = fpDay; break;
            case 'M': p = fpMonth; break;
            case 'y': p = fpYear; break;
            case 'h': p = fpHour12; break;
            case 'H': p = fpHour24; break;
            case 'm': p = fpMinute; break;
            case 's': p = fpSecond; break;
            case 't': p = fpAmPm; break;
            default: break;
        }
        if (p == fpLiteral) literal(f.substr(i, n));
        else out.push_back(TToken{p, static_cast<int>(n), {}});
        i += n;
    }
    return out;
}

int TDateTimePicker::FieldCount() const {
    int n = 0;
    for (const TToken& t : Tokens()) n += t.Part != fpLiteral;
    return n;
}

int TDateTimePicker::FieldTokenIndex(int Field) const {
    const std::vector<TToken> tokens = Tokens();
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].Part != fpLiteral && Field-- == 0) return static_cast<int>(i);
    return -1;
}

void TDateTimePicker::SetFieldIndex(int Value) {
    const int n = FieldCount();
    FField = n == 0 ? 0 : std::clamp(Value, 0, n - 1);
    FTyped.clear();
    Invalidate();
}

std::vector<std::pair<std::string, bool>> TDateTimePicker::Pieces() const {
    const base::TDateParts d = base::DecodeDate(FDateTime);
    const base::TTimeParts t = base::DecodeTime(FDateTime);
    std::vector<std::pair<std::string, bool>> out;
    for (const TToken& k : Tokens()) {
        std::string s;
        switch (k.Part) {
            case fpLiteral: s = k.Text; break;
            case fpDay: s = Pad(d.day, std::min(k.Width, 2)); break;
            case fpMonth: s = Pad(d.month, std::min(k.Width, 2)); break;
            case fpYear: s = k.Width <= 2 ? Pad(d.year % 100, 2) : Pad(d.year, 4); break;
            case fpHour12: s = Pad(t.hour % 12 == 0 ? 12 : t.hour % 12, std::min(k.Width, 2)); break;
            case fpHour24: s = Pad(t.hour, std::min(k.Width, 2)); break;
            case fpMinute: s = Pad(t.minute, std::min(k.Width, 2)); break;
            case fpSecond: s = Pad(t.second, std::min(k.Width, 2)); break;
            case fpAmPm: s = k.Width == 1 ? (t.hour < 12 ? "A" : "P") : (t.hour < 12 ? "AM" : "PM"); break;
        }
        out.emplace_back(s, k.Part != fpLiteral);
    }
    return out;
}

std::string TDateTimePicker::DisplayText() const {
    std::string s;
    for (const auto& p : Pieces()) s += p.first;
    return s;
}

TDateFields::TDateFields(base::TDateTime Value) {
    const base::TDateParts d = base::DecodeDate(Value);
    const base::TTimeParts t = base::DecodeTime(Value);
    Year = d.year;
    Month = d.month;
    Day = d.day;
    Hour = t.hour;
    Minute = t.minute;
    Second = t.second;
}

void TDateFields::Step(TDateFieldPart Part, int Delta) {
    switch (Part) {
        case fpDay: Day = Wrap(Day + Delta, 1, base::DaysInMonth(Year, Month)); break;
        case fpMonth: Month = Wrap(Month + Delta, 1, 12); break;
        case fpYear: Year += Delta; break;
        case fpHour12:
        case fpHour24: Hour = Wrap(Hour + Delta, 0, 23); break;
        case fpMinute: Minute = Wrap(Minute + Delta, 0, 59); break;
        case fpSecond: Second = Wrap(Second + Delta, 0, 59); break;
        case fpAmPm: Hour = (Hour + 12) % 24; break;
        case fpLiteral: break;
    }
}

base::TDateTime TDateFields::Encode() const {
    const int y = std::clamp(Year, 1, 9999);
    const int mo = std::clamp(Month, 1, 12);
    const int d = std::clamp(Day, 1, base::DaysInMonth(y, mo));
    const base::TDateTime v = base::EncodeDate(y, mo, d);
    const base::TDateTime t = base::EncodeTime(std::clamp(Hour, 0, 23), std::clamp(Minute, 0, 59),
                                               std::clamp(Second, 0, 59), 0);
    // Before the epoch the day counts down while its time counts up.
    return v >= 0 ? v + t : v - t;
}

void TDateTimePicker::UserSetDateTime(base::TDateTime Value) {
    if (Value == FDateTime) return;
    SetDateTime(Value);
    Change();
}

void TDateTimePicker::Change() {
    if (OnChange) OnChange(this);
}

void TDateTimePicker::StepField(int Delta) {
    const int ti = FieldTokenIndex(FField);
    if (ti < 0) return;
    TDateFields f(FDateTime);
    f.Step(Tokens()[static_cast<size_t>(ti)].Part, Delta);
    FTyped.clear();
    UserSetDateTime(f.Encode());
}

void TDateTimePicker::TypeDigit(int Digit) {
    const int ti = FieldTokenIndex(FField);
    if (ti < 0) return;
    const TPart part = Tokens()[static_cast<size_t>(ti)].Part;
    int maxValue = 59, digits = 2, minValue = 0;
    switch (part) {
        case fpDay: maxValue = 31; minValue = 1; break;
        case fpMonth: maxValue = 12; minValue = 1; break;
        case fpYear: maxValue = 9999; digits = 4; minValue = 1; break;
        case fpHour12: maxValue = 12; break;
        case fpHour24: maxValue = 23; break;
        case fpAmPm: case fpLiteral: return;
        default: break;
    }
    FTyped += static_cast<char>('0' + Digit);
    int v = std::stoi(FTyped);
    // A digit that cannot continue the entry starts a new one.
    if (v > maxValue) {
        FTyped = std::string(1, static_cast<char>('0' + Digit));
        v = Digit;
    }
    const bool complete = static_cast<int>(FTyped.size()) >= digits || v * 10 > maxValue;
    Invalidate();
    if (!complete) return;
    FTyped.clear();
    if (v < minValue) return;
    TDateFields f(FDateTime);
    switch (part) {
        case fpDay: f.Day = v; break;
        case fpMonth: f.Month = v; break;
        case fpYear: f.Year = v; break;
        case fpHour12: f.Hour = (v % 12) + (f.Hour >= 12 ? 12 : 0); break;
        case fpHour24: f.Hour = v; break;
        case fpMinute: f.Minute = v; break;
        case fpSecond: f.Second = v; break;
        default: break;
    }
    UserSetDateTime(f.Encode());
}

void TDateTimePicker::KeyDown(unsigned short& Key, TShiftState Shift) {
    const bool active = !FShowCheckbox || FChecked;
    if (DropButtonWidth() > 0 && (Key == VK_F4 || ((Shift & ssAlt) && Key == VK_DOWN))) {
        DropDown();
        Key = 0;
    }
    switch (Key) {
        case VK_LEFT: SetFieldIndex(FField - 1); Key = 0; break;
        case VK_RIGHT: SetFieldIndex(FField + 1); Key = 0; break;
        case VK_UP: if (active) StepField(1); Key = 0; break;
        case VK_DOWN: if (active) StepField(-1); Key = 0; break;
        case VK_HOME: SetFieldIndex(0); Key = 0; break;
        case VK_END: SetFieldIndex(FieldCount() - 1); Key = 0; break;
        default: break;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TDateTimePicker::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key == U' ' && FShowCheckbox) {
        SetChecked(!FChecked);
        Change();
        Key = 0;
        return;
    }
    if (Key >= U'0' && Key <= U'9' && (!FShowCheckbox || FChecked)) {
        TypeDigit(static_cast<int>(Key - U'0'));
        Key = 0;
    }
}

void TDateTimePicker::DropDown() {
    if (!Enabled() || DropButtonWidth() == 0) return;
    if (FMonthView == nullptr) {
        FMonthView = new TMonthDropDown(this);
        FMonthView->OnPick = [this](int Year, int Month, int Day) {
            // The day changes; the time of day stays as it was.
            TDateFields f(FDateTime);
            if (FShowCheckbox && !FChecked) {
                SetChecked(true);
                Change();
            }
            f.Year = Year;
            f.Month = Month;
            f.Day = Day;
            UserSetDateTime(f.Encode());
        };
    }
    FMonthView->Open(FDateTime);
}

TRect TDateTimePicker::CheckboxRect() const {
    const int t = (ClientHeight() - 13) / 2;
    return Rect(3, t, 16, t + 13);
}

int TDateTimePicker::DropButtonWidth() const { return FKind == dtkDate ? GetSystemMetrics(SM_CXVSCROLL) + 2 : 0; }

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (CanFocus() && !Focused()) SetFocus();
    if (Button != mbLeft) return;
    const int bw = DropButtonWidth();
    if (bw > 0 && X >= ClientWidth() - bw - (FCtl3D ? 2 : 0)) {
        DropDown();
        return;
    }
    const TRect box = CheckboxRect();
    if (FShowCheckbox && X >= box.Left && X < box.Right + 2) {
        SetChecked(!FChecked);
        Change();
        return;
    }
    // A click on a field makes it the current one.
    Canvas().SetFont(Font());
    int x = TextLeft(), field = 0;
    for (const auto& p : Pieces()) {
        x += Canvas().TextWidth(p.first);
        if (!p.second) continue;
        if (X < x) {
            SetFieldIndex(field);
            return;
        }
        ++field;
    }
}

void TDateTimePicker::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TDateTimePicker::Paint() {
    TCanvas& c = Canvas();
    const TRect client = Rect(0, 0, ClientWidth(), ClientHeight());
    c.Brush().SetColor(Enabled() ? Color() : clBtnFace);
    c.FillRect(client);
    c.SetFont(Font());
    const bool active = !FShowCheckbox || FChecked;
    if (FShowCheckbox) {
        TRect box = CheckboxRect();
        c.DrawFrameControl(box, DFC_BUTTON, DFCS_BUTTONCHECK | (FChecked ? DFCS_CHECKED : 0));
    }
    int x = TextLeft(), field = 0;
    const int th = c.TextHeight("0");
    const int y = (ClientHeight() - th) / 2;
    for (const auto& p : Pieces()) {
        const int w = c.TextWidth(p.first);
        const bool current = p.second && field == FField && Focused();
        if (current) {
            c.Brush().SetColor(clHighlight);
            c.FillRect(Rect(x, y, x + w, y + th));
            c.Font().SetColor(clHighlightText);
        } else {
            c.Font().SetColor(Enabled() && active ? Font().Color() : clGrayText);
        }
        c.Brush().SetStyle(bsClear);
        c.TextOut(x, y, p.first);
        if (p.second) ++field;
        x += w;
    }
    const int bw = DropButtonWidth();
    const int inset = FCtl3D ? 2 : 0;
    if (bw > 0) {
        TRect r = Rect(ClientWidth() - bw - inset, inset, ClientWidth() - inset, ClientHeight() - inset);
        c.DrawFrameControl(r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (Enabled() ? 0 : DFCS_INACTIVE));
    }
    if (FCtl3D) {
        TRect r = client;
        c.DrawEdge(r, EDGE_SUNKEN, BF_RECT);
    }
}

}  // namespace ctl
