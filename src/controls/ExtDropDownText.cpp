// The drop-down edit's text rules: the plain text between prefix and
// suffix, the numeric conversions and formats, and what the keys and typed
// characters do by the edit kind.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "controls/DropDownItems.h"
#include "controls/ExtDropDown.h"
#include "controls/ExtUtil.h"
#include "controls/LocaleText.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

bool IsNumericKind(TDropDownEditType t) { return t == etNumeric || t == etFloat || t == etMoney; }

std::string Printf(const char* fmt, double v, int prec) {
    char buf[512];
    std::snprintf(buf, sizeof buf, fmt, prec, v);
    return buf;
}

// Fixed-point text with the locale's separators, thousands grouped.
std::string FormatGrouped(double v, int decimals) {
    std::string s = Printf("%.*f", v, std::max(0, decimals));
    bool neg = !s.empty() && s[0] == '-';
    if (neg) s.erase(0, 1);
    size_t dot = s.find('.');
    std::string ip = s.substr(0, dot), fp = dot == std::string::npos ? "" : s.substr(dot + 1);
    std::string grouped;
    for (size_t i = 0; i < ip.size(); ++i) {
        if (i > 0 && (ip.size() - i) % 3 == 0) grouped += GetThousandSeparator();
        grouped += ip[i];
    }
    std::string r = (neg ? "-" : "") + grouped;
    if (!fp.empty()) r += GetDecimalSeparator() + fp;
    return r;
}

std::string LocalDecimal(std::string s) {
    for (char& c : s)
        if (c == '.') c = GetDecimalSeparator();
    return s;
}

}  // namespace

// ---------------------------------------------------------------- helpers

int CheckNumericText(const std::string& S) {
    bool isInt = !S.empty(), isDec = !S.empty(), isHex = !S.empty();
    const char ds = GetDecimalSeparator(), ts = GetThousandSeparator();
    int dsCount = 0, minus = 0, lastTs = 0;
    for (size_t k = 0; k < S.size(); ++k) {
        const char c = S[k];
        const int i = static_cast<int>(k) + 1;
        const bool digit = c >= '0' && c <= '9';
        if (c != '-' && !digit) isInt = false;
        if (c != ',' && c != '-' && c != '.' && !digit) isDec = false;
        if (c != '-' && !digit && !((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) isHex = false;
        if (c == ts) {
            if (i == 1 || (lastTs > 0 && i - lastTs < 3)) isDec = false;
            lastTs = i;
        }
        if (c == ds) ++dsCount;
        if (c == '-') ++minus;
    }
    int r = 2;
    if (isHex && !isInt) r = 5;
    if (isInt) r = 0;
    else if (isDec) r = 1;
    if (minus > 1 || dsCount > 1) r = 2;
    return r;
}

long long HexToInt(const std::string& S) {
    long long r = 0;
    for (char c : S) {
        int d = 0;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        r = r * 16 + d;
    }
    return r;
}

// ------------------------------------------------------------ text

std::string TExtCustomDropDown::GetText() const {
    std::string t = Text();
    if (!FPrefix.empty() && t.compare(0, FPrefix.size(), FPrefix) == 0) t.erase(0, FPrefix.size());
    // Only a suffix that is really there is cut: a text typed over it keeps
    // its last characters.
    if (!FSuffix.empty() && t.size() >= FSuffix.size() &&
        t.compare(t.size() - FSuffix.size(), FSuffix.size(), FSuffix) == 0)
        t.erase(t.size() - FSuffix.size());
    return t;
}

void TExtCustomDropDown::SetModified(bool Value) {
    if (FEditorEnabled && !ReadOnly()) FIsModified = Value;
}

void TExtCustomDropDown::SetPlainText(const std::string& Value) { TEdit::SetText(Value); }

void TExtCustomDropDown::SetText(const std::string& Value) {
    std::string v = Value;
    if (v.empty() && (IsNumericKind(FEditType) || FEditType == etHex)) v = "0";
    if (FPrecision > 0 && !v.empty() && v != "Error") {
        if (FEditType == etMoney) v = FormatGrouped(TextToFloat(v), FPrecision);
        else if (FEditType == etFloat) v = LocalDecimal(Printf("%.*f", TextToFloat(v), FPrecision));
    }
    if (FEditType == etHex)
        for (char& c : v) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    TEdit::SetText(FPrefix + v + FSuffix);
    FOldText = v;
    FIsModified = false;
}

void TExtCustomDropDown::SetDisplay(const std::string& Plain, int Caret) {
    TEdit::SetText(FPrefix + Plain + FSuffix);
    SetSelStart(Utf8Length(FPrefix) + std::clamp(Caret, 0, Utf8Length(Plain)));
    SetSelLength(0);
}

void TExtCustomDropDown::SetPrefix(const std::string& Value) {
    const std::string plain = GetText();
    FPrefix = Value;
    TEdit::SetText(FPrefix + plain + FSuffix);
}

void TExtCustomDropDown::SetSuffix(const std::string& Value) {
    const std::string plain = GetText();
    FSuffix = Value;
    TEdit::SetText(FPrefix + plain + FSuffix);
}

// The caret counts characters: a prefix such as "€ " or an accented text is
// longer in bytes than on screen.
void TExtCustomDropDown::SelectAll() {
    SetSelStart(Utf8Length(FPrefix));
    SetSelLength(Utf8Length(GetText()));
}

void TExtCustomDropDown::SelectAfterDecimal() {
    const std::string t = GetText();
    const size_t d = t.find(GetDecimalSeparator());
    SetSelStart(Utf8Length(FPrefix) + (d == std::string::npos ? 0 : Utf8Length(t.substr(0, d + 1))));
    SetSelLength(0);
}

void TExtCustomDropDown::SelectBeforeDecimal() {
    const std::string t = GetText();
    const size_t d = t.find(GetDecimalSeparator());
    SetSelStart(Utf8Length(FPrefix) + (d == std::string::npos ? 0 : Utf8Length(t.substr(0, d))));
    SetSelLength(0);
}

double TExtCustomDropDown::TextToFloat(const std::string& Text) {
    std::string s;
    for (char c : Text) {
        if (c == GetThousandSeparator()) continue;
        s += c == GetDecimalSeparator() ? '.' : c;
    }
    if (s.empty()) return 0;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    // A text that is not wholly a number gives 0.
    if (end == s.c_str() || *end != '\0' || !std::isfinite(v)) return 0;
    return v;
}

double TExtCustomDropDown::GetFloatValue() const {
    const std::string t = GetText();
    switch (FEditType) {
        case etString: return TextToFloat(t);
        case etNumeric:
        case etFloat: return (t.empty() || t == "Error" || t == "-") ? 0 : TextToFloat(t);
        case etMoney: {
            if (t.empty()) return 0;
            std::string s = t;
            if (!s.empty() && s.back() == GetDecimalSeparator()) s.pop_back();
            return (s.empty() || s == "-") ? 0 : TextToFloat(s);
        }
        case etHex: return t.empty() ? 0 : static_cast<double>(HexToInt(t));
        default: return 0;
    }
}

void TExtCustomDropDown::SetFloatValue(double Value) {
    const std::string fmt = FPrecision < 0 ? Printf("%.*g", Value, 6) : LocalDecimal(Printf("%.*f", Value, FPrecision));
    switch (FEditType) {
        case etString:
        case etFloat: SetText(fmt); break;
        case etNumeric: SetText(FPrecision < 0 ? fmt : FormatGrouped(Value, FPrecision)); break;
        case etMoney: SetText(fmt); FormatMoney(); break;
        case etHex: {
            char buf[32];
            std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(static_cast<long long>(Value)));
            SetText(buf);
            break;
        }
        default: break;
    }
    SetModified(true);
}

void TExtCustomDropDown::SetIntValue(long long Value) {
    if (FEditType == etHex) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(Value));
        SetText(buf);
    } else if (IsNumericKind(FEditType)) {
        SetText(std::to_string(Value));
        if (FEditType == etMoney) FormatMoney();
    }
    SetModified(true);
}

void TExtCustomDropDown::SetEditType(TDropDownEditType Value) {
    if (Value == FEditType) return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar('*');
        FCanUndo = false;
    } else
        SetPasswordChar(0);
    const int code = CheckNumericText(GetText());
    if (Value == etNumeric && code != 0) SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && code > 1) SetFloatValue(0);
    else if (Value == etHex && code != 0 && code != 5) SetIntValue(0);
}

void TExtCustomDropDown::SetPrecision(int Value) {
    if (Value == FPrecision) return;
    if (FEditType != etString && FEditType != etFloat && FEditType != etMoney) return;
    FPrecision = Value;
    if (CheckNumericText(GetText()) > 1) SetFloatValue(0);
    else SetFloatValue(GetFloatValue());
}

void TExtCustomDropDown::FormatMoney() {
    std::string t = GetText();
    if (t.empty()) return;
    const int l = static_cast<int>(t.size());
    const int caret = SelStart();
    std::string sign;
    if (t[0] == '-') sign = "-", t.erase(0, 1);
    const size_t d = t.find(GetDecimalSeparator());
    const std::string fraction = d == std::string::npos ? "" : t.substr(d, 255);
    const double n = std::trunc(std::fabs(GetFloatValue()));
    const std::string ip = FAutoThousandSeparator ? FormatGrouped(n, 0) : Printf("%.*f", n, 0);
    const std::string plain = sign + ip + fraction;
    TEdit::SetText(FPrefix + plain + FSuffix);
    SetSelStart(std::max(0, caret + static_cast<int>(plain.size()) - l));
    SetSelLength(0);
}

bool TExtCustomDropDown::ThousandSepConflict(const std::string& Text, int Caret) const {
    std::string t = Text;
    const char ts = GetThousandSeparator();
    if (t.find(ts) == std::string::npos) return false;
    int p = Caret - Utf8Length(FPrefix);
    int mn = static_cast<int>(t.size());
    size_t s0;
    while ((s0 = t.find(ts)) != std::string::npos) {
        const int s = static_cast<int>(s0) + 1;
        mn = std::min(mn, std::abs(s - p));
        if (std::abs(s - p) < 3) return true;
        if (p > s) p -= s;
        t.erase(0, s0 + 1);
    }
    return mn > 3;
}

bool TExtCustomDropDown::FractionFull(const std::string& T, int Caret) const {
    const int p = Caret - Utf8Length(FPrefix);
    if (FPrecision <= 0) return false;
    if (static_cast<int>(T.size()) - p > FPrecision) return false;
    const size_t d = T.find(GetDecimalSeparator());
    if (d == std::string::npos) return false;
    if (p < static_cast<int>(d) + 1) return false;
    return static_cast<int>(T.size() - d - 1) >= FPrecision;
}

int TExtCustomDropDown::IntegerDigits(const std::string& T) const {
    std::string s;
    for (char c : T)
        if (c != GetThousandSeparator()) s += c;
    const size_t d = s.find(GetDecimalSeparator());
    int pos = d == std::string::npos ? static_cast<int>(s.size()) + 1 : static_cast<int>(d) + 1;
    if (FSigned && IsNumericKind(FEditType) && s.find('-') != std::string::npos) --pos;
    return pos;
}

int TExtCustomDropDown::DecimalPos() const {
    const std::string t = GetText();
    const size_t d = t.find(GetDecimalSeparator());
    const int p = Utf8Length(FPrefix);
    return d == std::string::npos ? p + Utf8Length(t) + Utf8Length(FSuffix) + 1 : p + Utf8Length(t.substr(0, d)) + 1;
}

void TExtCustomDropDown::ToggleSign() {
    std::string t = GetText();
    const int caret = SelStart() - Utf8Length(FPrefix);
    if (t.find('-') != std::string::npos) SetDisplay(t.substr(1), std::max(0, caret - 1));
    else SetDisplay("-" + t, caret + 1);
    SetModified(true);
}

// ------------------------------------------------------------ keys

void TExtCustomDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    if ((Shift & ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown) DoHideDropDown(false);
        else DoShowDropDown();
        Key = 0;
        return;
    }
    auto popupKeys = [&] {
        if (Key == VK_RETURN || Key == VK_ESCAPE) {
            const bool was = FDroppedDown;
            DoHideDropDown(Key == VK_ESCAPE);
            if (was) Key = 0;  // the key closed the pop-up: the form's default buttons do not see it
        } else if (Key == VK_F4) {
            if (FDropDownForm != nullptr && FDropDownForm->Visible()) DoHideDropDown(false);
            else DoShowDropDown();
            Key = 0;
        }
    };
    if (!FEditorEnabled && Enabled()) {
        if (!ReadOnly() && (Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_F4)) popupKeys();
        else if (Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_TAB) Key = 0;
        return;
    }
    if ((Shift & ssCtrl) && (Key == VK_TAB || Key == VK_RETURN)) {
        TEdit::KeyDown(Key, Shift);
        return;
    }
    if (ClipboardKey(Key, Shift) || ReturnOrEscapeKey(Key, Shift)) {
        Key = 0;
        return;
    }
    if (MaskKeyDown(Key, Shift)) return;
    // Positions count characters, as the caret does.
    const int p = Utf8Length(FPrefix);
    const int plainEnd = p + Utf8Length(GetText());
    const int selEnd = SelStart() + SelLength();
    if (Key == VK_RIGHT && !FSuffix.empty() && selEnd >= plainEnd && !(Shift & ssShift)) {
        Key = 0;
        return;
    }
    if (Key == VK_DELETE && !FSuffix.empty() && selEnd >= plainEnd && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_LEFT && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_END && !FSuffix.empty()) {
        if (Shift & ssShift) SetSelLength(plainEnd - SelStart());
        else SetSelStart(plainEnd), SetSelLength(0);
        Key = 0;
        return;
    }
    if (Key == VK_HOME && !FPrefix.empty()) {
        if (Shift & ssShift) SetSelStart(p), SetSelLength(plainEnd - p);
        else SetSelStart(p), SetSelLength(0);
        Key = 0;
        return;
    }
    // Backspace right after the prefix would eat into it.
    if (Key == VK_BACK && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    if (Key == VK_DELETE && SelStart() >= p && FLengthLimit > 0) {
        std::string t = GetText();
        const int s = SelStart() - p;
        const int n = SelLength() > 0 ? SelLength() : 1;
        if (s < Utf8Length(t)) t = Utf8Head(t, s) + Utf8Tail(t, s + n);
        if (IntegerDigits(t) - 1 > FLengthLimit) {
            Key = 0;
            return;
        }
    }
    if (Key == VK_DELETE || Key == VK_BACK) SetModified(true);
    TEdit::KeyDown(Key, Shift);
    popupKeys();
}

void TExtCustomDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TEdit::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || (FPrefix.empty() && FSuffix.empty())) return;
    const int p = Utf8Length(FPrefix), plainEnd = p + Utf8Length(GetText());
    if (!FPrefix.empty() && SelStart() < p) {
        // In the prefix: the plain text is taken, as Home with Shift would.
        SetSelStart(p);
        SetSelLength(plainEnd - p);
        return;
    }
    if (FSuffix.empty()) return;
    if (SelStart() > plainEnd) {
        SetSelStart(plainEnd);
        SetSelLength(0);
    } else if (SelStart() + SelLength() > plainEnd) {
        SetSelLength(plainEnd - SelStart());
    }
}

void TExtCustomDropDown::Dispatch(TMessage& Message) {
    if (ClipboardMessage(Message)) return;
    // The numeric keypad's decimal key types the decimal separator of the
    // locale, whatever its key cap says.
    if (Message.Msg == WM_CHAR && FExcelStyleDecimalSeparator && (Message.LParam & KD_KEYPAD_DECIMAL) != 0 &&
        (Message.WParam == '.' || Message.WParam == ','))
        Message.WParam = static_cast<unsigned char>(GetDecimalSeparator());
    // Esc on a closed edit that may undo selects the text and drops the
    // modified mark; the form's cancel button still hears it.
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == VK_ESCAPE && FCanUndo && !FDroppedDown) {
        const TForm* form = ParentForm();
        if (form != nullptr && !form->KeyPreview()) {
            SelectAll();
            SetModified(false);
        }
    }
    TEdit::Dispatch(Message);
    // Delete in a money edit regroups the thousands once the edit has
    // removed the character.
    if (Message.Msg == WM_KEYUP && Message.WParam == VK_DELETE && FEditType == etMoney) FormatMoney();
}

bool TExtCustomDropDown::SeparatorOrSignTaken(char32_t Key, bool EmptyAtStart, bool NothingSelected) {
    // The decimal separator typed into an empty number starts it as "0,".
    if (EmptyAtStart && Key == static_cast<char32_t>(GetDecimalSeparator())) {
        SetDisplay(std::string("0") + GetDecimalSeparator(), 2);
        SetModified(true);
        return true;
    }
    // A minus with nothing selected turns the sign over wherever the caret is.
    if (Key == '-' && NothingSelected) {
        ToggleSign();
        return true;
    }
    return false;
}

bool TExtCustomDropDown::AcceptChar(char32_t& Key) {
    const char ds = GetDecimalSeparator(), ts = GetThousandSeparator();
    const std::string plain = GetText();
    const int p = Utf8Length(FPrefix);
    const int caret = SelStart();
    const bool nothingSelected = SelLength() == 0;
    const bool digit = Key >= '0' && Key <= '9';
    const bool control = Key == 8 || Key == 9 || Key == 13;
    const bool ctrlHeld = (KeyboardShiftState() & ssCtrl) != 0;
    switch (FEditType) {
        case etString:
        case etPassword: SetModified(true); return true;
        case etNumeric:
            if (Key == '-') {
                if (!nothingSelected && SelLength() >= Utf8Length(plain) && !plain.empty())
                    SetDisplay("-", 1);
                else
                    ToggleSign();
                return false;
            }
            if (control || digit) return true;
            return ctrlHeld;
        case etFloat: {
            if (Key == ',' && ds != ',' && ts != ',') return false;
            if (Key == '.' && ds != '.' && ts != '.') return false;
            if (!(control || digit || Key == ',' || Key == '-' || Key == '.')) return false;
            const std::string sel = Utf8Head(Utf8Tail(Text(), caret), SelLength());
            if (Key == static_cast<char32_t>(ds) && sel.find(ds) == std::string::npos &&
                (plain.find(ds) != std::string::npos || FPrecision == 0)) {
                if (FPrecision > 0) SelectAfterDecimal();
                return false;
            }
            if (Key == ',' && plain.find(',') != std::string::npos && sel.find(',') == std::string::npos && ts != ',')
                return false;
            if ((Key == static_cast<char32_t>(ts) || Key == static_cast<char32_t>(ds)) &&
                ThousandSepConflict(plain, caret))
                return false;
            if (FractionFull(plain, caret) && nothingSelected && (digit || Key == static_cast<char32_t>(ds))) {
                const size_t d = plain.find(ds);
                if (digit && caret - p > static_cast<int>(d) && caret - p < static_cast<int>(plain.size())) {
                    SetSelLength(1);  // the digit replaces the next one
                    return true;
                }
                return false;
            }
            if (SeparatorOrSignTaken(Key, plain.empty() && caret - p == 0, nothingSelected)) return false;
            return true;
        }
        case etMoney: {
            if (Key == static_cast<char32_t>(ds) && (plain.find(ds) != std::string::npos || FPrecision == 0)) {
                if (FPrecision > 0) SelectAfterDecimal();
                return false;
            }
            if (!(control || digit || Key == '-' || Key == static_cast<char32_t>(ds))) return false;
            if ((Key == static_cast<char32_t>(ts) || Key == static_cast<char32_t>(ds)) &&
                ThousandSepConflict(plain, caret))
                return false;
            if (SeparatorOrSignTaken(Key, plain.empty() && caret - p == 0, nothingSelected)) return false;
            if (Key == 8) return true;
            // Insert the character here so that the thousands can be regrouped.
            const std::string t = Text();
            TEdit::SetText(Utf8Head(t, caret) + static_cast<char>(Key) + Utf8Tail(t, caret + SelLength()));
            SetSelStart(caret + 1);
            SetSelLength(0);
            const std::string now = GetText();
            if (!now.empty() && now != "-" && Key != static_cast<char32_t>(ds)) {
                SetModified(true);
                FormatMoney();
            }
            return false;
        }
        case etUppercase:
        case etLowerCase:
            Key = FEditType == etUppercase ? LocaleUpperChar(Key) : LocaleLowerChar(Key);
            return true;
        case etMixedCase: {
            // The typed character goes in first; then the whole text takes
            // its mixed-case form, with the caret after the character.
            if (control || Key >= 0x80) return true;
            const std::string plain = GetText();
            const int at = std::clamp(caret - p, 0, Utf8Length(plain));
            const int len = std::clamp(SelLength(), 0, Utf8Length(plain) - at);
            const std::string typed = Utf8Head(plain, at) + static_cast<char>(Key) + Utf8Tail(plain, at + len);
            SetDisplay(ToMixedCase(typed), at + 1);
            SetModified(true);
            return false;
        }
        case etRange: {
            const bool sep = Key == ',' || Key == '-' || Key == ';';
            if (!(control || digit || sep)) return false;
            SetModified(true);
            if (sep) {
                const std::string t = Text();
                auto isSep = [](char c) { return c == ',' || c == '-' || c == ';'; };
                if (caret <= p) return false;
                const std::string before = Utf8Head(t, caret), after = Utf8Tail(t, caret);
                if (isSep(before.back())) return false;
                if (!after.empty() && isSep(after.front())) return false;
            }
            return true;
        }
        case etHex: {
            const bool hex = (Key >= 'A' && Key <= 'F') || (Key >= 'a' && Key <= 'f');
            if (!(control || digit || hex || Key == '-')) return false;
            SetModified(true);
            return true;
        }
        case etAlphaNumeric: {
            const bool alpha = (Key >= 'A' && Key <= 'Z') || (Key >= 'a' && Key <= 'z');
            if (!(control || digit || alpha)) return false;
            SetModified(true);
            return true;
        }
        case etValidChars: {
            std::string ch;
            AppendCodePoint(ch, Key);
            if (Key != 8 && FValidChars.find(ch) == std::string::npos) return false;
            SetModified(true);
            return true;
        }
    }
    return true;
}

void TExtCustomDropDown::KeyPress(char32_t& Key) {
    if (!FEditorEnabled) {
        Key = 0;
        return;
    }
    if (Key == 13) {
        TEdit::KeyPress(Key);
        Key = 0;
        return;
    }
    if (Key == 27 || Key == 3 || Key == 22 || Key == 24) {
        TEdit::KeyPress(Key);
        return;
    }
    if (MaskKeyPress(Key)) return;
    const int p = Utf8Length(FPrefix);
    if (Key == 8 && !FPrefix.empty() && SelStart() <= p && SelLength() == 0) {
        Key = 0;
        return;
    }
    const char ds = GetDecimalSeparator();
    if (FLengthLimit > 0 && SelLength() == 0 && IntegerDigits(GetText()) > FLengthLimit && SelStart() < DecimalPos() &&
        Key != 8 && Key != static_cast<char32_t>(ds) && !(Key == '-' && FSigned && IsNumericKind(FEditType))) {
        Key = 0;
        return;
    }
    if (Key == 8) {
        SetModified(true);
        TEdit::KeyPress(Key);
        return;
    }
    if (Key == '-' && IsNumericKind(FEditType) && !FSigned) {
        Key = 0;
        return;
    }
    if (!AcceptChar(Key)) {
        Key = 0;
        return;
    }
    TEdit::KeyPress(Key);
}

void TExtCustomDropDown::WMKillFocus(TMessage& Message) {
    const std::string plain = GetText();
    const bool keep = FIsModified;
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) && (!plain.empty() || !FAllowNumericNullValue)) {
        SetFloatValue(GetFloatValue());
        FIsModified = keep;
    } else if (FEditType == etNumeric && plain.empty() && !FAllowNumericNullValue)
        SetText("0");
    else if ((FEditType == etFloat || FEditType == etMoney) && plain.empty() && !FAllowNumericNullValue)
        SetFloatValue(0);
    TEdit::WMKillFocus(Message);
}

}  // namespace ctl
