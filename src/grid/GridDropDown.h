#pragma once
// The grid drop-down: a drop-down edit whose pop-up holds a whole string
// grid with a header row. The entries come from the control's items (one
// text per column; each row remembers its item, so sorting the list keeps
// the choice) or, without UseItems, from the cells the program writes into
// the grid. Typing in the edit or the open list looks the text up in the
// lookup column, or narrows the list to the rows that contain it; the
// grid's events reach the program as the drop-down's OnGrid... events.

#include <memory>
#include <string>
#include <vector>

#include "controls/ColumnDropDown.h"
#include "grid/ExtGrid.h"

namespace grid {

class TCustomExtGridDropDown;

enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };
enum TDropDownStyle { dsDropDown, dsDropDownList };

// The list inside the grid drop-down's pop-up.
class TExtColGrid : public ctl::TColumnListGrid<TExtStringGrid, TCustomExtGridDropDown> {
public:
    explicit TExtColGrid(plat::TComponent* AOwner);
    ~TExtColGrid() override;

    void ApplyDropDown(TCustomExtGridDropDown* Owner);
    // Writes the owner's items into the cells; each data row keeps the
    // index of the item it shows. The rows stay as they are (sorted or
    // narrowed) while the items and columns are those of the last fill:
    // answers whether it wrote them.
    bool FillFromItems();
    // The item a row shows (-1 for a row filled otherwise).
    int RowItem(int ARow);

    plat::TNotifyEvent OnTopLeft;

protected:
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) override;
    void TopLeftChanged() override;

private:
    struct TItemRef;
    std::vector<std::unique_ptr<TItemRef>> FItemRefs;
    unsigned long long FFilledStamp = 0;
    int FFilledCols = -1;
};

class TCustomExtGridDropDown : public ctl::TColumnDropDown {
public:
    explicit TCustomExtGridDropDown(plat::TComponent* AOwner);

    TExtColGrid* GetGrid() const { return FExtColGrid; }
    void SetItemIndex(int Value) override;
    bool FindLookupText(const std::string& Text, std::string& FoundText, int& Index) const override;

    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    ctl::TLookupMethod LookupMethod() const override { return FLookupMethod; }
    void SetLookupMethod(ctl::TLookupMethod Value) { FLookupMethod = Value; }
    TDropDownStyle Style() const { return FStyle; }
    void SetStyle(TDropDownStyle Value) {
        FStyle = Value;
        SetEditorEnabled(Value == dsDropDown);
    }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    plat::TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(plat::TColor Value) { FHoverRowColor = Value; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    const TCellImageList* GridImages() const { return FGridImages; }
    void SetGridImages(const TCellImageList* Value) { FGridImages = Value; }
    // Settings of the list grid, copied into it at each opening.
    TBands& Bands() { return FBands; }
    void SetBands(const TBands& Value) { FBands.Assign(Value); }
    TSearchFooter& SearchFooter() { return FSearchFooter; }
    void SetSearchFooter(const TSearchFooter& Value) { FSearchFooter.Assign(Value); }
    TNavigation& Navigation() { return FNavigation; }
    void SetNavigation(const TNavigation& Value) { FNavigation.Assign(Value); }
    TMouseActions& MouseActions() { return FMouseActions; }
    void SetMouseActions(const TMouseActions& Value) { FMouseActions.Assign(Value); }

    // The grid row that shows an item, and the item a row shows.
    int ItemToRow(int Item);
    int RowToItem(int Row);

    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void ControlKeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void ControlKeyPress(char32_t& Key) override;
    void ControlKeyUp(unsigned short& Key, plat::TShiftState Shift) override;

    // The grid's events, passed on unchanged (Sender stays the grid, except
    // for the key events and OnGridTopLeftChanged, which name the drop-down).
    decltype(TExtStringGrid::OnAnchorClick) OnGridAnchorClick;
    decltype(TExtStringGrid::OnAnchorEnter) OnGridAnchorEnter;
    decltype(TExtStringGrid::OnAnchorExit) OnGridAnchorExit;
    decltype(TExtStringGrid::OnAnchorHint) OnGridAnchorHint;
    decltype(TExtStringGrid::OnButtonClick) OnGridButtonClick;
    // The sort events follow the drop-down's own sort handling, which keeps
    // the chosen entry selected.
    decltype(TExtStringGrid::OnCanSort) OnGridCanSort;
    decltype(TExtStringGrid::OnClickSort) OnGridClickSort;
    decltype(TExtStringGrid::OnCustomCompare) OnGridCustomCompare;
    decltype(TExtStringGrid::OnRawCompare) OnGridRawCompare;
    decltype(TExtStringGrid::OnColumnSize) OnGridColumnSize;
    decltype(TExtStringGrid::OnColumnSizing) OnGridColumnSizing;
    decltype(TExtStringGrid::OnEndColumnSize) OnGridEndColumnSize;
    decltype(TExtStringGrid::OnRowSize) OnGridRowSize;
    decltype(TExtStringGrid::OnRowSizing) OnGridRowSizing;
    decltype(TExtStringGrid::OnEndRowSize) OnGridEndRowSize;
    decltype(TExtStringGrid::OnRowMove) OnGridRowMove;
    decltype(TExtStringGrid::OnRowMoving) OnGridRowMoving;
    decltype(TExtStringGrid::OnRowMoved) OnGridRowMoved;
    decltype(TExtStringGrid::OnColumnMove) OnGridColumnMove;
    decltype(TExtStringGrid::OnColumnMoving) OnGridColumnMoving;
    decltype(TExtStringGrid::OnColumnMoved) OnGridColumnMoved;
    decltype(TExtStringGrid::OnCustomCellDraw) OnGridCustomCellDraw;
    decltype(TExtStringGrid::OnCustomCellBkgDraw) OnGridCustomCellBkgDraw;
    decltype(TExtStringGrid::OnCellBalloon) OnGridCellBalloon;
    decltype(TExtStringGrid::OnGetAlignment) OnGridGetAlignment;
    decltype(TExtStringGrid::OnGetCellColor) OnGridGetCellColor;
    decltype(TExtStringGrid::OnGetCellGradient) OnGridGetCellGradient;
    decltype(TExtStringGrid::OnGetFloatFormat) OnGridGetFloatFormat;
    decltype(TExtStringGrid::OnGetEditorType) OnGridGetEditorType;
    decltype(TExtStringGrid::OnGetEditorProp) OnGridGetEditorProp;
    decltype(TExtStringGrid::OnCanEditCell) OnGridCanEditCell;
    decltype(TExtStringGrid::OnEllipsClick) OnGridEllipsClick;
    // The display text of a list cell (the name keeps the system's spelling).
    decltype(TExtStringGrid::OnGetDisplText) OnGridGetDiplText;
    decltype(TExtStringGrid::OnGetFormat) OnGridGetFormat;
    decltype(TExtStringGrid::OnGridHint) OnGridHint;
    decltype(TExtStringGrid::OnMouseMove) OnGridMouseMove;
    decltype(TExtStringGrid::OnMouseDown) OnGridMouseDown;
    decltype(TExtStringGrid::OnMouseUp) OnGridMouseUp;
    decltype(TExtStringGrid::OnKeyDown) OnGridKeyDown;
    decltype(TExtStringGrid::OnKeyUp) OnGridKeyUp;
    decltype(TExtStringGrid::OnKeyPress) OnGridKeyPress;
    decltype(TExtStringGrid::OnRightClickCell) OnGridRightClickCell;
    decltype(TExtStringGrid::OnScrollHint) OnGridScrollHint;
    plat::TNotifyEvent OnGridTopLeftChanged;
    decltype(TExtStringGrid::OnSearchEditChange) OnGridSearchEditChange;
    decltype(TExtStringGrid::OnSpinClick) OnGridSpinClick;
    decltype(TExtStringGrid::OnAutoAddRow) OnGridAutoAddRow;
    decltype(TExtStringGrid::OnAutoInsertRow) OnGridInsertRow;
    decltype(TExtStringGrid::OnAutoInsertCol) OnGridInsertCol;
    decltype(TExtStringGrid::OnAutoDeleteRow) OnGridDeleteRow;
    decltype(TExtStringGrid::OnCanAddRow) OnGridCanAddRow;
    decltype(TExtStringGrid::OnCanInsertRow) OnGridCanInsertRow;
    decltype(TExtStringGrid::OnCanDeleteRow) OnGridCanDeleteRow;
    decltype(TExtStringGrid::OnCheckBoxClick) OnGridCheckBoxClick;

protected:
    int ItemCount() const override;
    int HeightExtra() const override { return 4; }
    bool HasSuiteCStyles() const override { return false; }
    int NarrowList(const std::string& Entry) override;
    bool KeepsUnmatchedEntry() const override { return FStyle == dsDropDown; }
    bool SelectsLookupTail() const override { return FStyle == dsDropDown; }
    bool TrimsLookupEntry() const override { return true; }
    void NavigationKey(unsigned short Key, plat::TShiftState Shift) override;
    void KeyDown(unsigned short& Key, plat::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(unsigned short& Key, plat::TShiftState Shift) override;
    void DoEnter() override;
    plat::TCustomGrid* ListGrid() const override { return FExtColGrid; }
    bool EndHomeMove(plat::TShiftState Shift) const override {
        return FStyle == dsDropDownList && !(Shift & plat::ssShift);
    }
    void GridSelectCell(int ARow);
    void GridSelect();
    // Points the grid's events at the drop-down's.
    void RouteGridEvents();

private:
    TExtColGrid* FExtColGrid = nullptr;
    bool FUseItems = true;
    ctl::TLookupMethod FLookupMethod = ctl::lmLookup;
    TDropDownStyle FStyle = dsDropDown;
    bool FAutoShowDropDown = false, FAutoSizeColumns = true, FGridEditable = false, FRowSelect = true;
    bool FColumnMoving = false, FRowSizing = false, FRowMoving = false, FHoverRow = false;
    plat::TColor FHoverRowColor = plat::clInfoBk;
    TGridSorting FSorting = gsNone;
    const TCellImageList* FGridImages = nullptr;
    TBands FBands;
    TSearchFooter FSearchFooter{nullptr, false};
    TNavigation FNavigation;
    TMouseActions FMouseActions;
    int FSelRow = 0;
    int FTempItemIndex = -1;
    bool FBalloonInit = false;
    char32_t FTypedChar = 0;  // a character typed in the edit, looked up at its key-up
};

}  // namespace grid
