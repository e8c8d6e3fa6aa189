#pragma once
// What the two column lists share (the multi-column drop-down and the grid
// drop-down): column descriptions and items, the lookup column and its
// completion list, the look of the header and lines, the height cut to
// whole rows, the column fit to the pop-up width, the character lookup of
// keys typed into the open list and the moves by keys and wheel.

#include <string>
#include <vector>

#include "controls/DropDownItems.h"
#include "controls/ListDropDown.h"
#include "platform/Grids.h"
#include "platform/Messages.h"

namespace ctl {

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };

// The width a list grid needs: all its columns, plus a vertical scroll bar
// when not all rows fit.
int ListContentWidth(const plat::TCustomGrid& Grid);

// A wheel move of a list grid: it moves the current row without choosing
// it, so the flags say "by the wheel" while it runs and "not confirmed".
template <class F>
bool WheelMove(bool& ByWheel, bool& Confirmed, F&& Move) {
    ByWheel = true;
    Confirmed = false;
    const bool r = Move();
    ByWheel = false;
    return r;
}

class TColumnDropDown : public TListDropDown {
public:
    explicit TColumnDropDown(plat::TComponent* AOwner);

    std::vector<TDropDownColumn>& Columns() { return FColumns; }
    const std::vector<TDropDownColumn>& Columns() const { return FColumns; }
    void SetColumns(const std::vector<TDropDownColumn>& Value) { FColumns = Value; }
    TDropDownItems& Items() { return FItems; }
    const TDropDownItems& Items() const { return FItems; }
    void SetItems(const TDropDownItems& Value) { FItems.Assign(Value); }

    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    plat::TColor LineColor() const { return FLineColor; }
    void SetLineColor(plat::TColor Value) { FLineColor = Value; }
    plat::TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(plat::TColor Value) { FFixedLineColor = Value; }
    plat::TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(plat::TColor Value) { FHeaderColor = Value; }
    plat::TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(plat::TColor Value) { FHeaderColorTo = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    plat::TFont& HeaderFont() { return FHeaderFont; }
    const plat::TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const plat::TFont& Value) { FHeaderFont = Value; }
    plat::TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(plat::TColor Value) { FSelectionTextColor = Value; }
    virtual TLookupMethod LookupMethod() const { return lmLookup; }

    // The text shown for an entry and Text itself, both without prefix and suffix.
    std::string Text() const { return GetText(); }
    int RowCount() const { return FItems.Count(); }
    void BeginUpdate() {}
    void EndUpdate() { BuildLookupItems(); }
    void BuildLookupItems();
    // The first entry whose lookup text starts with Text (upper-cased
    // unless CaseSensitive); an empty Text matches nothing.
    virtual bool FindLookupText(const std::string& Text, std::string& FoundText, int& Index) const;
    // The first item whose lookup text equals Value exactly, -1 when none.
    int GetItemIndex(const std::string& Value) const { return FItems.IndexInColumn(FLookupColumn, Value); }
    // One character typed into the open list (or the edit); the entry found,
    // or -1.
    int LookupChar(char32_t Key);
    const std::string& LookupEntry() const { return FLookupEntry; }

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void SelectNextPage();
    void SelectPreviousPage();

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TKeloStyle AStyle) override;
    void AdjustDropDownHeight(int& AHeight) override;
    void SelectNextItem() override;
    void SelectPreviousItem() override;
    void DropDownFormSizing() override { FitColumnsToDropDown(); }

    // Content sizing of the list grid (its own copy of the columns): an
    // auto-sized column takes its widest item text (and image), rows of a
    // list with wrapping columns take their tallest wrapped text.
    void AutoSizeListColumn(std::vector<TDropDownColumn>& GridColumns, int Index);
    void SizeWrappedListRows(const std::vector<TDropDownColumn>& GridColumns);

protected:
    // The list grid of the pop-up.
    virtual plat::TCustomGrid* ListGrid() const = 0;
    void SizeDropDownForm() override;
    void FocusDropDownControl() override;
    // The columns are scaled to the pop-up's width, from their designed
    // widths each time.
    void FitColumnsToDropDown();
    // End and Home in the edit move the choice (else they move the caret).
    virtual bool EndHomeMove(plat::TShiftState Shift) const {
        (void)Shift;
        return !EditorEnabled();
    }
    // Entries the Select moves count.
    virtual int ItemCount() const { return FItems.Count(); }
    // Pixels the height rule adds below the rows.
    virtual int HeightExtra() const { return 0; }
    // Whether the styles of the third office suite colour this list.
    virtual bool HasSuiteCStyles() const { return true; }
    // The grid drop-down narrows its rows instead of moving to one; the
    // answer is the row the list shows first.
    virtual int NarrowList(const std::string& Entry) {
        (void)Entry;
        return -1;
    }
    // A typed character that finds nothing keeps the longer search (the
    // grid drop-down whose edit can be typed in) instead of restarting.
    virtual bool KeepsUnmatchedEntry() const { return false; }
    // The tail after the searched text is selected in the edit.
    virtual bool SelectsLookupTail() const { return true; }
    // The lookup entry is trimmed of blanks and control characters.
    virtual bool TrimsLookupEntry() const { return false; }

    int TypeAheadCount() const override { return static_cast<int>(FLookupItems.size()); }
    std::string TypeAheadText(int Index) const override { return FLookupItems[static_cast<size_t>(Index)]; }
    int AcceptedEntry(const std::string& Text) const override;
    bool HasEntries() const override { return FLookupColumn >= 0 && FItems.Count() > 0; }
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    // The moves of the navigation keys in the edit, after the typing rules.
    virtual void NavigationKey(unsigned short Key, plat::TShiftState Shift);
    // The widths the columns get in a pop-up Avail pixels wide.
    std::vector<int> FittedWidths(int Avail) const;

    std::string FLookupEntry;
    int FOldItemIndex = -1;
    // The list moves to a row the lookup found: the edit already shows it,
    // with the part not typed selected, and must keep that.
    bool FLookupMove = false;

private:
    std::vector<TDropDownColumn> FColumns;
    TDropDownItems FItems;
    std::vector<std::string> FLookupItems;
    int FLookupColumn = 0;
    bool FCaseSensitive = false;
    bool FDropDownAutoWidth = true;
    int FDropDownRowHeight = 22;
    bool FColumnSizing = false;
    bool FColumnSizeWithDropDown = true;
    plat::TColor FLineColor = 0xC0C0C0, FFixedLineColor = 0xD1BBA4;
    plat::TColor FHeaderColor = 0xFFFFFF, FHeaderColorTo = 0x808080;
    int FHeaderHeight = 25;
    plat::TFont FHeaderFont;
    plat::TColor FSelectionTextColor = plat::clBlack;
};

// What the list grids of the two column drop-downs share, over the grid
// each stands on: the owner and its copied columns, content sizing, the
// flags telling a confirmed row from a wheel move, and OnSelect.
template <class TBaseGrid, class TOwner>
class TColumnListGrid : public TBaseGrid {
public:
    explicit TColumnListGrid(plat::TComponent* AOwner) : TBaseGrid(AOwner) {
        this->SetAccessibleName("Entries");
        this->SetAccessibleRole(plat::arTable);
        this->SetFixedCols(0);
        this->SetLeftCol(0);  // the first column is a data column and must show
        this->SetOptions(this->Options() - plat::TGridOptions{plat::goRangeSelect} +
                         plat::TGridOptions{plat::goHorzLine, plat::goRowSelect});
    }

    void SetDropDown(TOwner* Value) { FExtDropDown = Value; }
    TOwner* DropDown() const { return FExtDropDown; }
    const std::vector<TDropDownColumn>& Columns() const { return FColumns; }
    int ContentWidth() const { return ListContentWidth(*this); }
    void AutoSizeColumn(int Index) {
        if (FExtDropDown != nullptr) FExtDropDown->AutoSizeListColumn(FColumns, Index);
    }
    void AutoSizeItemColumns() {
        for (size_t i = 0; i < FColumns.size(); ++i)
            if (FColumns[i].AutoSize) AutoSizeColumn(static_cast<int>(i));
    }
    void SizeWrappedRows() {
        if (FExtDropDown != nullptr) FExtDropDown->SizeWrappedListRows(FColumns);
    }
    // The user confirmed the current row.
    virtual void DoSelect() {
        if (OnSelect) OnSelect(this);
    }

    // The current row was reached by the wheel; the user pressed a key or a
    // button since the last confirmation.
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
    plat::TNotifyEvent OnSelect;

protected:
    // Every key counts as the user's choice; Alt+Up or Alt+Down closes the
    // list as the edit does (true: the key is used up).
    bool ListKeyDown(unsigned short& Key, plat::TShiftState Shift) {
        FConfirmSelection = true;
        if (!(Shift & plat::ssAlt) || (Key != plat::VK_UP && Key != plat::VK_DOWN)) return false;
        if (FExtDropDown != nullptr) FExtDropDown->HideDropDown(false);
        Key = 0;
        return true;
    }
    void MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override {
        FConfirmSelection = true;
        TBaseGrid::MouseDown(Button, Shift, X, Y);
    }
    bool DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) override {
        return WheelMove(FMouseWheelSelection, FConfirmSelection,
                         [&] { return TBaseGrid::DoMouseWheel(Shift, WheelDelta, MousePos); });
    }

    TOwner* FExtDropDown = nullptr;
    std::vector<TDropDownColumn> FColumns;
};

}  // namespace ctl
