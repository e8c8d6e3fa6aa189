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
#include "controls/ListDropDown.h"

namespace ctl {

enum TDetailLayout { dlCaptionRight, dlCaptionBelow };


// The one-column list of the pop-up: entries of one height, a hot entry
// under the mouse and a selected one; the owner draws each entry's content.
class TDetailSelector : public plat::TCustomControl {
public:
    struct TEntry {
        std::string Caption;
        plat::TPicture Image;
        int ImageIndex = -1;
    };
    explicit TDetailSelector(plat::TComponent* AOwner);

    std::vector<TEntry>& Items() { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Selects an entry and tells OnItemSelect (-1 selects nothing and tells
    // no one).
    void SetItemIndex(int Value);
    // Selects without telling anyone.
    void SetItemIndexQuiet(int Value);
    int ItemHot() const { return FItemHot; }
    int TopIndex() const { return FTopIndex; }
    int ItemHeight() const;
    int GetVisibleItemCount() const;
    void ScrollItemInView(int Index);
    // The first entry whose upper-cased caption starts with Text.
    void LookupItem(const std::string& Text);
    TItemAppearance& ItemAppearance() { return FAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FAppearance.Assign(Value); }
    // The entry at a client point, -1 for none.
    int ItemAt(int X, int Y) const;

    std::function<void(plat::TObject*, plat::TCanvas&, plat::TRect, int)> OnDrawItem;
    std::function<void(plat::TObject*, plat::TSize&)> OnItemSize;
    plat::TNotifyEvent OnItemSelect;

protected:
    void Paint() override;
    void MouseMove(plat::TShiftState Shift, int X, int Y) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void CMMouseLeave(plat::TMessage& Message) override;
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override;

private:
    std::vector<TEntry> FItems;
    int FItemIndex = -1;
    int FItemHot = -1;
    int FTopIndex = 0;
    TItemAppearance FAppearance;
};

using TOnDrawSelectedItem = std::function<void(plat::TObject* Sender, plat::TCanvas& Canvas, plat::TRect R)>;

class TExtDetailDropDown : public TListDropDown {
public:
    explicit TExtDetailDropDown(plat::TComponent* AOwner);

    TDetailItems& Items() { return FItems; }
    void SetItems(const TDetailItems& Value) { FItems.Assign(Value); }
    void SetItemIndex(int Value) override;
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TDetailLayout Layout() const { return FLayout; }
    void SetLayout(TDetailLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    plat::TFont& CaptionFont() { return FCaptionFont; }
    plat::TFont& NotesFont() { return FNotesFont; }
    TDetailSelector* Selector() const { return FItemSelector; }
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

private:
    void PrepareSelector();
    void SelectorItemSelect();
    // Moves the open list by Delta entries (or to an end) as the drop-down's
    // own change, which does not close the pop-up.
    void MoveInList(int Index);

    TDetailItems FItems;
    TDetailSelector* FItemSelector = nullptr;
    int FItemHeight = 22;
    TDetailLayout FLayout = dlCaptionRight;
    TItemAppearance FItemAppearance;
    plat::TFont FCaptionFont, FNotesFont;
    bool FInternalCall = false;
    std::string FCurSearch;
    long long FSearchStart = 0;
    int FOldItemIndex = -1;
};

}  // namespace ctl
