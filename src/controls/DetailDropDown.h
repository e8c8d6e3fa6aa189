#pragma once
// The detail drop-down: a drop-down edit whose pop-up lists detail entries,
// each with a caption, a picture (or an image of the image list) and notes
// in mini HTML below the caption. Choosing an entry puts its caption into
// the edit; keys in the edit move through the list or search it by the
// first letters of the captions.

#include <functional>
#include <string>
#include <vector>

#include "controls/DropDownItems.h"
#include "controls/ItemSelector.h"
#include "controls/ListDropDown.h"

namespace ctl {

class TExtDetailDropDown : public TListDropDown {
public:
    explicit TExtDetailDropDown(plat::TComponent* AOwner);

    TDetailItems& Items() { return FItems; }
    void SetItems(const TDetailItems& Value) { FItems.Assign(Value); }
    void SetItemIndex(int Value) override;
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    // Where the caption and notes stand against the entry's picture.
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    plat::TFont& CaptionFont() { return FCaptionFont; }
    plat::TFont& NotesFont() { return FNotesFont; }
    TExtCustomItemSelector* Selector() const { return FItemSelector; }
    // The search text typed so far (it lives at most half a second).
    const std::string& CurrentSearch() const { return FCurSearch; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void DropDownFormSizing() override;

    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    int TypeAheadCount() const override { return FItems.Count(); }
    std::string TypeAheadText(int Index) const override { return FItems.Items(Index).Caption; }
    int AcceptedEntry(const std::string& Text) const override { return FItems.IndexOf(Text); }
    bool HasEntries() const override { return true; }
    bool EscKeepsUnknownText() const override { return true; }
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void SizeDropDownForm() override;
    void FocusDropDownControl() override;
    void DrawDetailItem(plat::TCanvas& Canvas, plat::TRect R, int Index);
    void MeasureDetailItem(plat::TSize& ASize);

private:
    void PrepareSelector();
    void SelectorItemSelect();
    // Moves the open list by Delta entries (or to an end) as the drop-down's
    // own change, which does not close the pop-up.
    void MoveInList(int Index);

    TDetailItems FItems;
    TExtCustomItemSelector* FItemSelector = nullptr;
    int FItemHeight = 22;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance;
    plat::TFont FCaptionFont, FNotesFont;
    bool FInternalCall = false;
    std::string FCurSearch;
    long long FSearchStart = 0;
    int FOldItemIndex = -1;
};

}  // namespace ctl
