#pragma once
// The drop-down edits whose pop-up lists entries (the multi-column, grid
// and detail drop-downs) complete what the user types from the entries'
// texts: the text before the caret is compared with the start of every
// entry, the first that starts with it fills in the rest, and that rest is
// selected so the next keystroke replaces it. Backspace, Delete and Esc
// switch the completion off until another key comes, so deleting does not
// bring the text straight back.

#include <string>

#include "controls/EsgHTMLE.h"
#include "controls/ExtDropDown.h"

namespace ctl {

class TListDropDown : public TExtCustomDropDown {
public:
    explicit TListDropDown(plat::TComponent* AOwner);

    int ItemIndex() const { return FItemIndex; }
    virtual void SetItemIndex(int Value) = 0;
    const IHtmlImageList* Images() const { return FImages; }
    void SetImages(const IHtmlImageList* Value) { FImages = Value; }
    // Completion of typed text is on (it goes off for Backspace, Delete, Esc).
    bool TypeAheadOn() const { return FWorkMode; }

    void SetText(const std::string& Value) override;

    plat::TNotifyEvent OnSelect;

protected:
    // The entries the typing is completed from, in order.
    virtual int TypeAheadCount() const = 0;
    virtual std::string TypeAheadText(int Index) const = 0;
    // The entry Enter accepts for the typed text, -1 when none.
    virtual int AcceptedEntry(const std::string& Text) const = 0;
    // Whether the keys have anything to complete from at all.
    virtual bool HasEntries() const { return TypeAheadCount() > 0; }
    // Esc leaves ItemIndex alone when the text names no entry.
    virtual bool EscKeepsUnknownText() const { return false; }

    void Change() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    // Text set by the control itself; typing does not complete it.
    void SetOwnText(const std::string& Value);
    // Selects from character From to the end of the text.
    void SelectFrom(int From);

    int FItemIndex = -1;
    bool FWorkMode = true;
    bool FItemChange = false;
    int FItemIdx = 0;
    int FItemSel = 0;

private:
    const IHtmlImageList* FImages = nullptr;
    bool FSettingText = false;
    bool FKeyHeld = false;
};

}  // namespace ctl
