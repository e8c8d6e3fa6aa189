// The drop-down edit's clipboard and Enter/Esc rules: what a paste may put
// into the text by its edit kind, the veto events of copy, cut and paste,
// Enter acting as Tab, and Enter/Esc handed to the parent control.
#include <algorithm>

#include "controls/DropDownItems.h"
#include "controls/ExtDropDown.h"
#include "controls/ExtUtil.h"
#include "controls/FocusNext.h"
#include "controls/LocaleText.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

void TExtCustomDropDown::CopyToClipboard() {
    const std::string sel = Text().substr(static_cast<size_t>(std::min<int>(SelStart(), Text().size())),
                                          static_cast<size_t>(SelLength()));
    bool allow = true;
    if (OnClipboardCopy && !FCutting) OnClipboardCopy(this, sel, allow);
    if (allow && !sel.empty() && FEditType != etPassword) Clipboard().SetAsText(sel);
}

void TExtCustomDropDown::CutToClipboard() {
    if (!FEditorEnabled || ReadOnly() || SelLength() == 0) return;
    const int s = SelStart(), l = SelLength();
    const std::string t = Text();
    bool allow = true;
    if (OnClipboardCut) OnClipboardCut(this, t.substr(static_cast<size_t>(s), static_cast<size_t>(l)), allow);
    if (!allow) return;
    FCutting = true;
    CopyToClipboard();
    FCutting = false;
    TEdit::SetText(t.substr(0, static_cast<size_t>(s)) + t.substr(static_cast<size_t>(s + l)));
    SetSelStart(s);
    SetModified(true);
}

void TExtCustomDropDown::PasteFromClipboard() {
    if (ReadOnly() || !Clipboard().HasText()) return;
    const std::string clip = Clipboard().AsText();
    const std::string plain = GetText();
    // The caret and the selection count characters; the texts are UTF-8.
    const int p = Utf8Length(FPrefix), plainLength = Utf8Length(plain), clipLength = Utf8Length(clip);
    const int start = std::clamp(SelStart() - p, 0, plainLength);
    const int len = std::clamp(SelLength(), 0, plainLength - start);
    std::string next = Utf8Head(plain, start) + clip + Utf8Tail(plain, start + len);
    bool allow = true;
    if (OnClipboardPaste) OnClipboardPaste(this, next, allow);
    if (!allow || MaskPaste(clip)) return;
    if (MaxLength() > 0 && clipLength + plainLength - len > MaxLength()) return;
    const bool hasMinus = next.find('-') != std::string::npos;
    // A paste the edit kind refuses changes nothing but is heard, as a
    // refused key is: silence would look as if the paste had been lost.
    switch (FEditType) {
        case etString:
        case etPassword: SetText(next); break;
        case etNumeric:
            if (CheckNumericText(next) != 0 || (!FSigned && hasMinus)) return Beep();
            SetText(next);
            break;
        case etFloat:
        case etMoney:
            if (CheckNumericText(next) > 1) return Beep();
            if (FPrecision == 0 && clip.find(GetDecimalSeparator()) != std::string::npos) return Beep();
            if (!FSigned && hasMinus) return Beep();
            SetText(next);
            SetFloatValue(GetFloatValue());
            break;
        case etUppercase: SetText(LocaleUpperCase(next)); break;
        case etLowerCase: SetText(LocaleLowerCase(next)); break;
        case etMixedCase: SetText(ToMixedCase(next)); break;
        case etAlphaNumeric:
            if (!std::all_of(next.begin(), next.end(),
                             [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }))
                return Beep();
            SetText(next);
            break;
        case etValidChars:
            for (size_t i = 0; i < next.size(); i += static_cast<size_t>(Utf8CharLen(next, i)))
                if (FValidChars.find(next.substr(i, static_cast<size_t>(Utf8CharLen(next, i)))) ==
                    std::string::npos)
                    return Beep();
            SetText(next);
            break;
        // A range or a hexadecimal number is typed, never pasted.
        case etRange:
        case etHex: return Beep();
    }
    if (FEditType == etMoney && GetText().size() > 3) {
        SelectAll();
    } else if (len > 0) {
        SetSelStart(p + start);
        SetSelLength(clipLength);
    } else {
        SetSelStart(p + start + clipLength);
        SetSelLength(0);
    }
    SetModified(true);
}

bool TExtCustomDropDown::ClipboardKey(unsigned short Key, TShiftState Shift) {
    const bool ctrl = (Shift & ssCtrl) != 0, shift = (Shift & ssShift) != 0;
    if ((ctrl && Key == 'V') || (shift && !ctrl && Key == VK_INSERT)) {
        PasteFromClipboard();
        return true;
    }
    if ((ctrl && Key == 'X') || (shift && !ctrl && Key == VK_DELETE)) {
        CutToClipboard();
        return true;
    }
    if (ctrl && (Key == 'C' || Key == VK_INSERT)) {
        CopyToClipboard();
        return true;
    }
    return false;
}

bool TExtCustomDropDown::ClipboardMessage(TMessage& Message) {
    switch (Message.Msg) {
        case WM_PASTE: PasteFromClipboard(); return true;
        case WM_CUT: CutToClipboard(); return true;
        case WM_COPY: CopyToClipboard(); return true;
        case WM_UNDO:
        case WM_CLEAR: {
            // An edit that takes no typing takes no deleting either.
            if (!FEditorEnabled || ReadOnly()) return true;
            if (Message.Msg == WM_CLEAR && FMask) {
                unsigned short key = VK_DELETE;
                MaskKeyDown(key, 0);
                return true;
            }
            return false;
        }
        default: return false;
    }
}

bool TExtCustomDropDown::ReturnOrEscapeKey(unsigned short Key, TShiftState Shift) {
    if (FDroppedDown || (Shift & (ssCtrl | ssAlt))) return false;
    if (Key == VK_RETURN && FReturnIsTab) {
        FocusNextControl(*this);
        return true;
    }
    if ((Key == VK_RETURN || Key == VK_ESCAPE) && !FDefaultHandling && Parent() != nullptr) {
        Parent()->PostMessage(WM_KEYDOWN, Key, 0);
        Parent()->PostMessage(WM_KEYUP, Key, 0);
        return true;
    }
    return false;
}

}  // namespace ctl
