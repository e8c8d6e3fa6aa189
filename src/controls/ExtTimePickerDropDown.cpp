#include "controls/ExtTimePickerDropDown.h"

#include <cmath>

#include "base/StrUtils.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {

char Separator() { return base::FormatSettings().timeSeparator; }

base::TDateTime FromSeconds(int Seconds) { return Seconds / 86400.0; }

// An optional and a required hour digit, two required digits for each
// further field, the separators fixed, a blank place shown as a space.
std::string TimeMask(bool Seconds) {
    const std::string sep(1, Separator());
    return "!90" + sep + "00" + (Seconds ? sep + "00" : std::string()) + ";1; ";
}

// One field of a typed time: at most two digits; empty counts as 0.
bool FieldValue(const std::string& Part, int& Value) {
    const std::string t = base::Trim(Part);
    if (t.size() > 2) return false;
    Value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return false;
        Value = Value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

TExtTimePickerDropDown::TExtTimePickerDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {
    SetEditorEnabled(false);
    DropDownHeader().Visible = false;
    DropDownFooter().Visible = false;
    CreateDropDownForm();
    FInternalCall = true;
    SetEditMask(TimeMask(FShowSeconds));
    FInternalCall = false;
    WriteText();
}

TExtTimePickerDropDown::~TExtTimePickerDropDown() {
    if (FWatch != nullptr) FWatch->OnChange = nullptr;
    if (FDateTimePicker != nullptr) FDateTimePicker->OnChange = nullptr;
}

void TExtTimePickerDropDown::CreateDropDownForm() {
    TExtCustomDropDown::CreateDropDownForm();
    if (FPanelCtrl == nullptr) {
        FPanelCtrl = new TPanel(DropDownForm());
        FPanelCtrl->SetBevelOuter(bvNone);
        FPanelCtrl->SetBevelInner(bvNone);
        FPanelCtrl->SetShowCaption(false);
        FPanelCtrl->SetBounds(0, 0, 170, 180);
    }
    if (FWatch == nullptr) {
        FWatch = new TExtWatch(FPanelCtrl);
        FWatch->SetParent(FPanelCtrl);
        FWatch->SetAlign(alClient);
    }
    SetControl(FPanelCtrl);
}

std::string TExtTimePickerDropDown::FormatTime(base::TDateTime Value) const {
    const int s = SecondsOfDay(Value);
    const std::string sep(1, Separator());
    std::string t = base::Format("%02d", s / 3600) + sep + base::Format("%02d", s / 60 % 60);
    if (FShowSeconds) t += sep + base::Format("%02d", s % 60);
    return t;
}

void TExtTimePickerDropDown::WriteText() {
    const bool was = FInternalCall;
    FInternalCall = true;
    SetPlainText(FormatTime(FTime));
    FInternalCall = was;
}

void TExtTimePickerDropDown::SetTime(base::TDateTime Value) {
    if (Value == FTime) return;
    FTime = Value;
    WriteText();
    if (DroppedDown()) {
        FWatch->SetTime(SecondsOfDay(FTime));
        if (FDateTimePicker != nullptr && FShowTimePicker) FDateTimePicker->SetDateTime(FromSeconds(SecondsOfDay(FTime)));
    }
}

void TExtTimePickerDropDown::SetShowSeconds(bool Value) {
    if (Value == FShowSeconds) return;
    FShowSeconds = Value;
    FInternalCall = true;
    SetEditMask("");
    SetPlainText("");
    SetEditMask(TimeMask(FShowSeconds));
    FInternalCall = false;
    WriteText();
    if (FDateTimePicker != nullptr) FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
}

void TExtTimePickerDropDown::SetComponentStyle(TKeloStyle AStyle) {
    TExtCustomDropDown::SetComponentStyle(AStyle);
    ApplyWatchColorSet(FWatchAppearance, AStyle);
}

void TExtTimePickerDropDown::BeforeDropDown() {
    TExtCustomDropDown::BeforeDropDown();
    FTimeAtOpen = FTime;
    FPanelCtrl->SetBounds(0, 0, 170, 170);
    // A click outside keeps what was picked.
    DropDownForm()->SetCancelOnDeActivate(false);
    FPanelCtrl->SetColor(DropDownColor() == clNone ? clWindow : DropDownColor());
    FWatch->SetAppearance(FWatchAppearance);
    FWatch->SetSettings(FWatchSettings);
    FWatch->SetShowAMPM(FShowWatchAMPM);
    FWatch->SetShowNumbers(FShowWatchNumbers);
    FWatch->SetAnimation(FAnimation);
    FWatch->SetAnimationFactor(FAnimationFactor);
    FWatch->OnChange = nullptr;
    if (!FWatchSettings.Auto) FWatch->SetTime(SecondsOfDay(FTime));
    FWatch->OnChange = [this](TObject*) { WatchChanged(); };
    if (!FShowTimePicker) {
        if (FDateTimePicker != nullptr) FDateTimePicker->Hide();
        return;
    }
    if (FDateTimePicker == nullptr) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(dtkTime);
        FDateTimePicker->SetAccessibleName("Time of day");
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(alBottom);
    FDateTimePicker->Show();
    FDateTimePicker->SetDateTime(FromSeconds(SecondsOfDay(FTime)));
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject*) { PickerChanged(); };
    FDateTimePicker->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    FDateTimePicker->OnKeyPress = [this](TObject*, char32_t& Key) { ControlKeyPress(Key); };
    FDateTimePicker->SetFormat(FShowSeconds ? "HH:mm:ss" : "HH:mm");
    FPanelCtrl->SetHeight(170 + FDateTimePicker->Height());
}

void TExtTimePickerDropDown::WatchChanged() {
    const int s = FWatch->DisplayTime();
    if (FDateTimePicker != nullptr && FShowTimePicker && FDateTimePicker->Visible() &&
        SecondsOfDay(FDateTimePicker->DateTime()) != s) {
        FDateTimePicker->SetDateTime(FromSeconds(s));
        if (OnTimeChange) OnTimeChange(this);
    }
    SetTime(FromSeconds(s));
}

void TExtTimePickerDropDown::PickerChanged() {
    if (!FWatchSettings.Auto) {
        // The picker names the exact time: no sweep of the hands.
        const bool animation = FWatch->Animation();
        FWatch->SetAnimation(false);
        const int s = SecondsOfDay(FDateTimePicker->DateTime());
        FWatch->SetTime(s);
        FWatch->SetAnimation(animation);
        WatchChanged();
    }
}

void TExtTimePickerDropDown::DoHideDropDown(bool Cancelled) {
    if (!DroppedDown()) return;
    const base::TDateTime atOpen = FTimeAtOpen;
    FInternalCall = true;
    TExtCustomDropDown::DoHideDropDown(Cancelled);
    FInternalCall = false;
    // The clock reports every change at once; a cancelled pop-up must still
    // give back the time it opened with.
    if (Cancelled) {
        FTime = atOpen + 1;  // differs, so the text is written again
        SetTime(atOpen);
        FWatch->SetTime(SecondsOfDay(atOpen));
    } else {
        SetTime(FromSeconds(FWatch->DisplayTime()));
        WriteText();
    }
}

void TExtTimePickerDropDown::DropDownFormHide() {
    TExtCustomDropDown::DropDownFormHide();
}

void TExtTimePickerDropDown::SetField(int Field, int Value) {
    const int s = SecondsOfDay(FTime);
    int h = s / 3600, m = s / 60 % 60, sec = s % 60;
    int& target = Field == 0 ? h : Field == 1 ? m : sec;
    if (Value == target || Value < 0 || Value > (Field == 0 ? 23 : 59)) return;
    target = Value;
    const double ms = FTime * 86400000.0 - std::floor(FTime * 86400.0) * 1000.0;
    SetTime(std::trunc(FTime) + (h * 3600 + m * 60 + sec) / 86400.0 + std::max(0.0, ms) / 86400000.0);
    if (OnTimeChange) OnTimeChange(this);
}

void TExtTimePickerDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    const unsigned short key = Key;
    TExtCustomDropDown::KeyDown(Key, Shift);
    if ((Shift & (ssAlt | ssCtrl)) || IsKeyDown(VK_MENU)) return;
    if (key != VK_UP && key != VK_DOWN) return;
    const int p = SelStart();
    const std::string t = Text();
    const size_t first = t.find(Separator());
    int field = 0;
    if (first != std::string::npos && p >= static_cast<int>(first) + 1) {
        const size_t second = t.find(Separator(), first + 1);
        const int i1 = static_cast<int>(first) + 1;
        const int i2 = second == std::string::npos ? 1 << 20 : static_cast<int>(second - first);
        field = p - i1 >= i2 && FShowSeconds ? 2 : 1;
    }
    const int s = SecondsOfDay(FTime);
    const int value = field == 0 ? s / 3600 : field == 1 ? s / 60 % 60 : s % 60;
    const int top = field == 0 ? 23 : 59;
    SetField(field, key == VK_UP ? (value == 0 ? top : value - 1) : (value == top ? 0 : value + 1));
    SetSelStart(p);
    Key = 0;
}

bool TExtTimePickerDropDown::ParseText(const std::string& Text, base::TDateTime& Value) const {
    const char sep = Separator();
    std::string t = base::Trim(Text);
    // A complete entry only: HH:MM, or HH:MM:SS while seconds are shown.
    if (t.size() != (FShowSeconds ? 8u : 5u)) return false;
    const size_t a = t.find(sep);
    if (a == std::string::npos) return false;
    const size_t b = t.find(sep, a + 1);
    if ((b != std::string::npos) != FShowSeconds) return false;
    if (b != std::string::npos && t.find(sep, b + 1) != std::string::npos) return false;
    for (char& c : t)
        if (c == ' ') c = '0';
    int h = 0, m = 0, s = 0;
    if (!FieldValue(t.substr(0, a), h)) return false;
    if (!FieldValue(t.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1), m)) return false;
    if (b != std::string::npos && !FieldValue(t.substr(b + 1), s)) return false;
    // The text allows any digits; a time that does not exist is refused and
    // the value stays as it was.
    return base::TryEncodeTime(h, m, s, 0, Value);
}

void TExtTimePickerDropDown::Change() {
    TExtCustomDropDown::Change();
    if (FInternalCall) return;
    base::TDateTime v = 0;
    if (!ParseText(Text(), v)) return;
    FTime = v;
    const std::string normal = FormatTime(FTime);
    if (normal != Text()) WriteText();
}

void TExtTimePickerDropDown::FormKeyDown(unsigned short& Key, TShiftState Shift) {
    const unsigned short key = Key;
    const bool editKey = key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN;
    // Paging and stepping keys belong to the clock unless Alt sends them on.
    if (!editKey || (Shift & ssAlt)) TExtCustomDropDown::FormKeyDown(Key, Shift);
    if (DropDownForm() != nullptr && DropDownForm()->Visible() && FWatch != nullptr) FWatch->WatchKeyDown(key);
}

void TExtTimePickerDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) {
    const bool editKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
    if (!editKey || (Shift & ssAlt)) TExtCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExtTimePickerDropDown::ControlKeyPress(char32_t& Key) {
    // '!', '"', '&' and '(' are the characters of the paging and arrow keys.
    const bool editKey = Key == 33 || Key == 34 || Key == 38 || Key == 40;
    if (!editKey || IsKeyDown(VK_MENU)) TExtCustomDropDown::ControlKeyPress(Key);
}

}  // namespace ctl
