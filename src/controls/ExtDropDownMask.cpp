// The drop-down edit under an edit mask: the mask, not the edit kind,
// decides what each place of the text takes.
#include "base/TextCodec.h"
#include "controls/ExtDropDown.h"
#include "platform/Messages.h"

namespace ctl {

using namespace plat;

void TExtCustomDropDown::SetEditMask(const std::string& Value) {
    if (Value == FEditMask) return;
    FEditMask = Value;
    FMask = Value.empty() ? nullptr : std::make_shared<TEditMaskText>(Value);
    // The places show at once, the present text in those that take it.
    if (FMask) TEdit::SetText(base::Utf16ToUtf8(FMask->Display(Text())));
}

bool TExtCustomDropDown::MaskKeyDown(unsigned short& Key, TShiftState Shift) {
    if (!FMask || (Shift & (ssCtrl | ssAlt)) || ReadOnly()) return false;
    if (!MaskEraseKey(*this, *FMask, Key)) return false;
    SetModified(true);
    Key = 0;
    return true;
}

bool TExtCustomDropDown::MaskKeyPress(char32_t& Key) {
    if (!FMask || Key < 32 || ReadOnly()) return false;
    const std::string before = Text();
    MaskTypeChar(*this, *FMask, Key);
    if (Text() != before) SetModified(true);
    Key = 0;
    return true;
}

bool TExtCustomDropDown::MaskPaste(const std::string& Pasted) {
    if (!FMask) return false;
    const std::string before = Text();
    for (char16_t ch : base::Utf8ToUtf16(Pasted)) MaskTypeChar(*this, *FMask, ch);
    if (Text() != before) SetModified(true);
    return true;
}

}  // namespace ctl
