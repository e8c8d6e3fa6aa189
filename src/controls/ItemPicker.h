#pragma once
// What the colour picker and the image picker share: a drop-down edit that
// cannot be typed into, whose face paints the chosen value, and whose
// pop-up shows an item selector. The selector is filled from the picker's
// own entries before each opening; a pick closes the pop-up, cancelling it
// puts back the entry that was chosen when it opened, and the keys move the
// choice whether the pop-up is open or not.

#include <functional>
#include <string>

#include "controls/ExtDropDown.h"
#include "controls/ItemSelector.h"
#include "platform/ExtCtrls.h"

namespace ctl {

// Covers the text area of a picker's edit and paints the chosen value.
class TPickerFace : public plat::TCustomControl {
public:
    TPickerFace(plat::TComponent* AOwner, TExtCustomDropDown* Picker);
    std::function<void(plat::TCanvas& Canvas, plat::TRect R)> OnPaintFace;

protected:
    void Paint() override;
    void Dispatch(plat::TMessage& Message) override;

private:
    TExtCustomDropDown* FPicker;
};

class TExtItemPickerDropDown : public TExtCustomDropDown {
public:
    explicit TExtItemPickerDropDown(plat::TComponent* AOwner);
    ~TExtItemPickerDropDown() override;

    // Taken by the pop-up at its next opening.
    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(Value); }
    const IHtmlImageList* Images() const { return FImages; }
    void SetImages(const IHtmlImageList* Value) { FImages = Value; }
    TExtCustomItemSelector* ItemSelector() const { return FItemSelector; }
    TPickerFace* Face() const { return FFace; }

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TKeloStyle AStyle) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    void DoHideDropDown(bool Cancelled) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    // The picker's own entries, as the selector shows them.
    virtual int PickerCount() const = 0;
    virtual int PickerItemIndex() const = 0;
    virtual void SetPickerItemIndex(int Value) = 0;
    virtual void FillSelectorItem(int Index, TSelectorItem& Item) const = 0;
    virtual void FireSelect() = 0;
    virtual void PaintFace(plat::TCanvas& Canvas, plat::TRect R) = 0;
    // False while the pop-up shows another panel than the item list.
    virtual bool ListShown() const { return true; }
    // The key of an open pop-up that is not the list's (the colour
    // palette's); true when handled.
    virtual bool OtherPanelKey(unsigned short Key) { (void)Key; return false; }
    // Enter on an open pop-up other than the list; true when it picked.
    virtual bool OtherPanelEnter() { return false; }

    // The face paints the chosen value in the highlight colours instead.
    bool PaintsOwnFocusMark() const override { return true; }
    void CreateDropDownForm() override;
    void SizeDropDownForm() override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

    // Fills the selector from the entries and wires it (done before every
    // opening); DrawItem replaces the drawing of an entry's content.
    void PrepareList(const TDrawItemEvent& DrawItem, plat::TObject* DrawSender);
    void SizeList();
    void ListItemSelected();
    void RepaintFace();

    TExtCustomItemSelector* FItemSelector = nullptr;
    bool FInternalCall = false;
    plat::TTimer* FKeyTimer = nullptr;
    std::string FCurSearch;
    int FOldItemIndex = -1;

private:
    TPickerFace* FFace = nullptr;
    TItemAppearance FItemAppearance;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    const IHtmlImageList* FImages = nullptr;
};

}  // namespace ctl
