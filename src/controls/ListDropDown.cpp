#include "controls/ListDropDown.h"

#include "controls/DropDownItems.h"
#include "controls/LocaleText.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

namespace {
// A completed text keeps at most this many characters of the entry after
// what was typed.
constexpr int kMaxTail = 255;
}  // namespace

TListDropDown::TListDropDown(TComponent* AOwner) : TExtCustomDropDown(AOwner) {}

void TListDropDown::SetText(const std::string& Value) {
    const bool was = FSettingText;
    FSettingText = true;
    TExtCustomDropDown::SetText(Value);
    FSettingText = was;
}

void TListDropDown::SetOwnText(const std::string& Value) { SetText(Value); }

void TListDropDown::SelectFrom(int From) {
    const int p = static_cast<int>(Prefix().size());
    const int n = Utf8Length(GetText());
    SetSelStart(p + std::min(From, n));
    SetSelLength(std::max(0, n - From));
}

void TListDropDown::Change() {
    FItemChange = false;
    TExtCustomDropDown::Change();
    // Only typing is completed: a text the control or its caller sets is
    // shown as given (the caret of a set text sits at its end, and taking
    // that for typing would complete a chosen entry into another one).
    if (FSettingText || !FKeyHeld || !FWorkMode) return;
    const std::string text = GetText();
    SetModified(!text.empty());
    const int caret = std::max(0, SelStart() - static_cast<int>(Prefix().size()));
    const std::string typed = Utf8Head(text, caret);
    const std::string key = LookupKey(typed);
    const int keyLen = Utf8Length(typed);
    if (!key.empty()) {
        for (int i = 0; i < TypeAheadCount(); ++i) {
            const std::string entry = TypeAheadText(i);
            if (LookupKey(entry).rfind(key, 0) != 0) continue;
            const std::string tail = Utf8Head(Utf8Tail(entry, keyLen), kMaxTail);
            FItemIndex = i;
            FItemIdx = i;
            FItemSel = keyLen;
            SetOwnText(typed + tail);
            FItemChange = true;
            SelectFrom(keyLen);
            return;
        }
    }
    if (!typed.empty() && typed != text) {
        SetOwnText(typed);
        SetSelStart(static_cast<int>(Prefix().size()) + keyLen);
        SetSelLength(0);
    }
}

void TListDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    FKeyHeld = true;
    if (!HasEntries()) {
        TExtCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) FWorkMode = false;
    else if (Key == VK_RETURN) {
        const int i = AcceptedEntry(GetText());
        if (i >= 0) {
            SetOwnText(TypeAheadText(i));
            SetItemIndex(i);
        }
    } else
        FWorkMode = true;
    TExtCustomDropDown::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE) {
        const int i = AcceptedEntry(GetText());
        if (i >= 0 || !EscKeepsUnknownText()) SetItemIndex(i);
    }
}

void TListDropDown::KeyUp(unsigned short& Key, TShiftState Shift) {
    TExtCustomDropDown::KeyUp(Key, Shift);
    FKeyHeld = false;
    if (FItemChange) {
        SetItemIndex(FItemIdx);
        SelectFrom(FItemSel);
        FItemChange = false;
    }
}

}  // namespace ctl
