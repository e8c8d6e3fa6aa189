#include "grid/GridDropDown.h"

#include <algorithm>
#include <utility>

#include "base/StrUtils.h"
#include "controls/LocaleText.h"
#include "controls/MultiColumnDropDown.h"
#include "grid/ExtGridSortSettings.h"
#include "platform/Bitmap.h"
#include "platform/Messages.h"

namespace grid {

using namespace plat;
using ctl::TDropDownColumn;
using ctl::TDropDownForm;

// The item a data row shows, kept as the row's first cell object so that it
// moves with the row when the list sorts.
struct TExtColGrid::TItemRef : public TObject {
    explicit TItemRef(int I) : Index(I) {}
    int Index;
};

namespace {

// Points a grid event at the drop-down's event of the same kind, looked up
// at each call so that a handler assigned later still takes part.
template <class F>
void Route(F& GridEvent, F& DropDownEvent) {
    GridEvent = [&DropDownEvent](auto&&... a) {
        if (DropDownEvent) DropDownEvent(std::forward<decltype(a)>(a)...);
    };
}

// The same around a handler that may open a window: the pop-up must not
// close when that window takes the activation.
template <class F>
void RouteBlocked(F& GridEvent, F& DropDownEvent, TDropDownForm* Form) {
    GridEvent = [&DropDownEvent, Form](auto&&... a) {
        Form->SetBlockActivate(true);
        if (DropDownEvent) DropDownEvent(std::forward<decltype(a)>(a)...);
        Form->SetBlockActivate(false);
    };
}

}  // namespace

// ------------------------------------------------------------------ list

TExtColGrid::TExtColGrid(TComponent* AOwner) : TColumnListGrid(AOwner) {
    SetFixedRows(1);
    SetFixedRowAlways(true);
}

TExtColGrid::~TExtColGrid() {
    for (int r = 0; r < RowCount(); ++r)
        if (ColCount() > 0) SetObjects(0, r, nullptr);
}

void TExtColGrid::ApplyDropDown(TCustomExtGridDropDown* Owner) {
    if (Owner == nullptr) return;
    SetDropDown(Owner);
    FColumns = Owner->Columns();
    if (ColCount() < static_cast<int>(FColumns.size())) SetColCount(static_cast<int>(FColumns.size()));
    SetHoverRow(Owner->HoverRow());
    SetHoverRowColor(Owner->HoverRowColor());
    SetDefaultRowHeight(std::max(1, Owner->DropDownRowHeight()));
    for (size_t i = 0; i < FColumns.size(); ++i) SetColWidths(static_cast<int>(i), FColumns[i].Width);
    SetRowHeights(0, Owner->HeaderHeight());
    TGridOptions o = Options() - TGridOptions{goColSizing, goColMoving, goRowSizing, goRowMoving};
    if (Owner->ColumnSizing()) o = o + TGridOptions{goColSizing};
    if (Owner->ColumnMoving()) o = o + TGridOptions{goColMoving};
    if (Owner->RowSizing()) o = o + TGridOptions{goRowSizing};
    if (Owner->RowMoving()) o = o + TGridOptions{goRowMoving};
    SetOptions(o);
    if (Owner->AutoSizeColumns()) {
        if (Owner->UseItems()) AutoSizeItemColumns();
        else TExtStringGrid::AutoSizeColumns(true, 4);
    }
    SizeWrappedRows();
}

bool TExtColGrid::FillFromItems() {
    if (FExtDropDown == nullptr) return false;
    const int cols = static_cast<int>(FColumns.size());
    if (cols > 0 && ColCount() != cols) SetColCount(cols);
    for (int c = 0; c < cols; ++c) SetCells(c, 0, FColumns[static_cast<size_t>(c)].Header);
    const ctl::TDropDownItems& items = std::as_const(*FExtDropDown).Items();
    // A long list costs its whole copy: an unchanged one keeps its rows, and
    // with them a sort or narrowing the user made. Cells the user may have
    // edited are written again.
    if (items.Stamp() == FFilledStamp && cols == FFilledCols && !FExtDropDown->GridEditable()) return false;
    RemoveAllFilters();
    SetRowCount(FixedRows() + items.Count());
    for (int i = static_cast<int>(FItemRefs.size()); i < items.Count(); ++i)
        FItemRefs.push_back(std::make_unique<TItemRef>(i));
    for (int i = 0; i < items.Count(); ++i) {
        const ctl::TDropDownItem& it = items.Items(i);
        for (int c = 0; c < cols; ++c) SetCells(c, i + 1, it.TextAt(c));
        SetObjects(0, i + 1, FItemRefs[static_cast<size_t>(i)].get());
    }
    FFilledStamp = items.Stamp();
    FFilledCols = cols;
    return true;
}

int TExtColGrid::RowItem(int ARow) {
    if (ARow < 0 || ARow >= RowCount() || ColCount() == 0) return -1;
    const auto* ref = dynamic_cast<const TItemRef*>(Objects(0, ARow));
    return ref ? ref->Index : -1;
}

void TExtColGrid::KeyDown(unsigned short& Key, TShiftState Shift) {
    if (ListKeyDown(Key, Shift)) return;
    if (Key == VK_RETURN) {
        // Enter confirms the current row; it neither moves nor reaches the edit.
        Key = 0;
        TExtStringGrid::KeyDown(Key, Shift);
        DoSelect();
        return;
    }
    TExtStringGrid::KeyDown(Key, Shift);
}

void TExtColGrid::KeyPress(char32_t& Key) {
    if (Key == 13) {
        Key = 0;
        return;
    }
    TExtStringGrid::KeyPress(Key);
}

void TExtColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExtStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    int c = -1, r = -1;
    if (!MouseToCell(X, Y, c, r)) return;
    if (c >= 0 && r >= FixedRows() && r < RowCount() && !HasCheckBox(c, r)) DoSelect();
}

void TExtColGrid::TopLeftChanged() {
    TExtStringGrid::TopLeftChanged();
    if (OnTopLeft) OnTopLeft(this);
}

// ------------------------------------------------------------- drop-down

TCustomExtGridDropDown::TCustomExtGridDropDown(TComponent* AOwner) : ctl::TColumnDropDown(AOwner) {
    FExtColGrid = new TExtColGrid(this);
    FExtColGrid->SetParent(FDropDownForm->Client());
    FExtColGrid->SetDropDown(this);
    FExtColGrid->SetBounds(0, 0, 200, 180);
    FExtColGrid->SetColor(DropDownColor());
    SetControl(FExtColGrid);
    // A list of entries: Home and End go to the first and last entry.
    FNavigation.SetHomeEndKey(heFirstLastRow);
}

int TCustomExtGridDropDown::ItemCount() const {
    if (FUseItems) return Items().Count();
    return FExtColGrid ? FExtColGrid->RowCount() - FExtColGrid->FixedRows() : 0;
}

int TCustomExtGridDropDown::RowToItem(int Row) {
    if (FExtColGrid == nullptr || Row >= FExtColGrid->RowCount()) return Row;
    return FExtColGrid->RowItem(Row);
}

int TCustomExtGridDropDown::ItemToRow(int Item) {
    // Unsorted, the item stands in its own row: no search.
    if (Item >= 0 && FExtColGrid != nullptr && FExtColGrid->RowItem(Item + FExtColGrid->FixedRows()) == Item)
        return Item + FExtColGrid->FixedRows();
    if (Item >= 0 && FExtColGrid != nullptr)
        for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r)
            if (FExtColGrid->RowItem(r) == Item) return r;
    return ItemIndex();
}

void TCustomExtGridDropDown::SetItemIndex(int Value) {
    if (FUseItems) {
        if (Value >= Items().Count()) return;
        FItemIndex = Value;
        const ctl::TDropDownItems& items = Items();
        SetOwnText(Value >= 0 && LookupColumn() >= 0 ? items.Items(Value).TextAt(LookupColumn()) : std::string());
        return;
    }
    // Entries of the grid itself: only its data rows name one.
    if (Value == FItemIndex || Value >= ItemCount()) return;
    FItemIndex = Value;
    SetOwnText(Value < 0 ? std::string() : FExtColGrid->Cells(LookupColumn(), Value + FExtColGrid->FixedRows()));
}

bool TCustomExtGridDropDown::FindLookupText(const std::string& Text, std::string& FoundText, int& Index) const {
    if (FUseItems) return ctl::TColumnDropDown::FindLookupText(Text, FoundText, Index);
    Index = -1;
    FoundText.clear();
    if (Text.empty()) return false;
    const std::string key = CaseSensitive() ? Text : ctl::LookupKey(Text);
    for (int r = FExtColGrid->FixedRows(); r < FExtColGrid->RowCount(); ++r) {
        const std::string t = FExtColGrid->Cells(LookupColumn(), r);
        if ((CaseSensitive() ? t : ctl::LookupKey(t)).rfind(key, 0) == 0) {
            FoundText = t;
            Index = r;
            return true;
        }
    }
    return false;
}

int TCustomExtGridDropDown::NarrowList(const std::string& Entry) {
    TExtColGrid* g = FExtColGrid;
    if (Entry.empty()) g->RemoveAllFilters();
    else {
        g->SetFixedRowAlways(true);
        g->NarrowDown(Entry, LookupColumn());
        if (FStyle == dsDropDown && g->RowCount() > g->FixedRows()) {
            SetOwnText(g->Cells(LookupColumn(), g->FixedRows()));
            SelectFrom(ctl::Utf8Length(FLookupEntry));
        }
    }
    return g->FixedRows();
}

void TCustomExtGridDropDown::RouteGridEvents() {
    TExtColGrid* g = FExtColGrid;
    TDropDownForm* f = FDropDownForm;
    RouteBlocked(g->OnAnchorClick, OnGridAnchorClick, f);
    Route(g->OnAnchorEnter, OnGridAnchorEnter);
    Route(g->OnAnchorExit, OnGridAnchorExit);
    Route(g->OnAnchorHint, OnGridAnchorHint);
    RouteBlocked(g->OnButtonClick, OnGridButtonClick, f);
    Route(g->OnCustomCompare, OnGridCustomCompare);
    Route(g->OnRawCompare, OnGridRawCompare);
    Route(g->OnColumnSize, OnGridColumnSize);
    Route(g->OnColumnSizing, OnGridColumnSizing);
    Route(g->OnEndColumnSize, OnGridEndColumnSize);
    Route(g->OnRowSize, OnGridRowSize);
    Route(g->OnRowSizing, OnGridRowSizing);
    Route(g->OnEndRowSize, OnGridEndRowSize);
    Route(g->OnRowMove, OnGridRowMove);
    Route(g->OnRowMoving, OnGridRowMoving);
    Route(g->OnRowMoved, OnGridRowMoved);
    Route(g->OnColumnMove, OnGridColumnMove);
    Route(g->OnColumnMoving, OnGridColumnMoving);
    Route(g->OnColumnMoved, OnGridColumnMoved);
    // Custom drawing costs every cell a call: it is wired only when wanted.
    g->OnCustomCellDraw = OnGridCustomCellDraw;
    g->OnCustomCellBkgDraw = OnGridCustomCellBkgDraw;
    Route(g->OnCellBalloon, OnGridCellBalloon);
    g->OnGetAlignment = [this](TObject* S, int ARow, int ACol, TAlignment& H, TVAlignment& V) {
        if (ACol >= 0 && ACol < static_cast<int>(Columns().size())) H = Columns()[static_cast<size_t>(ACol)].Alignment;
        if (OnGridGetAlignment) OnGridGetAlignment(S, ARow, ACol, H, V);
    };
    g->OnGetCellColor = [this](TObject* S, int ARow, int ACol, TGridDrawState St, TBrush& B, TFont& F) {
        if (ACol >= 0 && ACol < static_cast<int>(Columns().size()) && ARow >= FExtColGrid->FixedRows())
            B.SetColor(Columns()[static_cast<size_t>(ACol)].Color);
        if (OnGridGetCellColor) OnGridGetCellColor(S, ARow, ACol, St, B, F);
    };
    Route(g->OnGetCellGradient, OnGridGetCellGradient);
    g->OnGetFloatFormat = [this](TObject* S, int ACol, int ARow, bool& IsFloat, std::string& Fmt) {
        Fmt.clear();
        if (OnGridGetFloatFormat) OnGridGetFloatFormat(S, ACol, ARow, IsFloat, Fmt);
    };
    Route(g->OnGetEditorType, OnGridGetEditorType);
    Route(g->OnGetEditorProp, OnGridGetEditorProp);
    Route(g->OnCanEditCell, OnGridCanEditCell);
    RouteBlocked(g->OnEllipsClick, OnGridEllipsClick, f);
    // A display-text handler makes the list read every cell through it:
    // it is wired only when wanted.
    g->OnGetDisplText = OnGridGetDiplText;
    Route(g->OnGetFormat, OnGridGetFormat);
    Route(g->OnGridHint, OnGridHint);
    g->OnMouseMove = [this](TObject* S, TShiftState Shift, int X, int Y) {
        // Balloons armed while the list was hidden show only after being
        // switched off and on once it is in view.
        if (!FBalloonInit) {
            FBalloonInit = true;
            if (FExtColGrid->Balloon().Enable()) {
                FExtColGrid->Balloon().SetEnable(false);
                FExtColGrid->Balloon().SetEnable(true);
            }
        }
        if (OnGridMouseMove) OnGridMouseMove(S, Shift, X, Y);
    };
    Route(g->OnMouseDown, OnGridMouseDown);
    Route(g->OnMouseUp, OnGridMouseUp);
    Route(g->OnRightClickCell, OnGridRightClickCell);
    Route(g->OnScrollHint, OnGridScrollHint);
    g->OnTopLeft = [this](TObject*) {
        if (OnGridTopLeftChanged) OnGridTopLeftChanged(this);
    };
    Route(g->OnSearchEditChange, OnGridSearchEditChange);
    Route(g->OnSpinClick, OnGridSpinClick);
    Route(g->OnAutoAddRow, OnGridAutoAddRow);
    Route(g->OnAutoInsertRow, OnGridInsertRow);
    Route(g->OnAutoInsertCol, OnGridInsertCol);
    Route(g->OnAutoDeleteRow, OnGridDeleteRow);
    Route(g->OnCanAddRow, OnGridCanAddRow);
    Route(g->OnCanInsertRow, OnGridCanInsertRow);
    Route(g->OnCanDeleteRow, OnGridCanDeleteRow);
    Route(g->OnCheckBoxClick, OnGridCheckBoxClick);
}

void TCustomExtGridDropDown::BeforeDropDown() {
    TExtColGrid* g = FExtColGrid;
    FDropDownForm->SetCancelOnDeActivate(false);  // a click outside confirms
    g->ApplyDropDown(this);
    g->SetColor(DropDownColor());
    g->SortSettings().SetShow(FSorting != gsNone);
    g->SortSettings().SetIndexShow(FSorting == gsMultiColumn);
    FBalloonInit = false;
    RouteGridEvents();
    g->SearchFooter().Assign(FSearchFooter);
    g->SearchFooterChanged();
    g->MouseActions().Assign(FMouseActions);
    g->Navigation().Assign(FNavigation);
    g->Bands().Assign(FBands);
    TGridOptions o = g->Options() + TGridOptions{goThumbTracking};
    o = FRowSelect ? o + TGridOptions{goRowSelect} : o - TGridOptions{goRowSelect};
    o = FGridEditable ? o + TGridOptions{goEditing} : o - TGridOptions{goEditing};
    g->SetOptions(o);
    g->SetGridImages(FGridImages);
    g->OnCanSort = [this](TObject* S, int ACol, bool& DoSort) {
        FTempItemIndex = ItemIndex();
        if (OnGridCanSort) OnGridCanSort(S, ACol, DoSort);
    };
    g->OnClickSort = [this](TObject* S, int ACol) {
        if (FTempItemIndex >= 0) FExtColGrid->SetRow(ItemToRow(FTempItemIndex));
        if (OnGridClickSort) OnGridClickSort(S, ACol);
    };
    g->OnSelectCell = [this](TObject*, int, int ARow, bool&) { GridSelectCell(ARow); };
    g->OnSelect = [this](TObject*) { GridSelect(); };
    bool filled = false;
    if (FUseItems) {
        TColumnDropDown::BeforeDropDown();  // a handler may still change the items
        g->SetFixedRows(1);
        filled = g->FillFromItems();
        const int r = ItemToRow(ItemIndex());
        if (r >= g->FixedRows() && r < g->RowCount()) g->SetRow(r);
    } else {
        std::string found;
        int row = -1;
        if (FindLookupText(Text(), found, row)) g->SetRow(row);
        else if (g->RowCount() > g->FixedRows()) g->SetRow(g->FixedRows());
    }
    // Rows kept from the last opening are still in their sorted order.
    if ((filled || !FUseItems) && g->SortSettings().Column() >= 0 && g->SortSettings().Show()) {
        const int item = ItemIndex();
        g->QSort();
        const int r = ItemToRow(item);
        if (FUseItems && r >= g->FixedRows() && r < g->RowCount()) g->SetRow(r);
    }
    FOldItemIndex = ItemIndex();
    if (!FUseItems) TColumnDropDown::BeforeDropDown();
}

void TCustomExtGridDropDown::DoShowDropDown() {
    TColumnDropDown::DoShowDropDown();
    if (!DroppedDown()) return;
    TExtColGrid* g = FExtColGrid;
    g->OnKeyUp = [this](TObject*, unsigned short& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    if (!FUseItems)
        while (static_cast<int>(Columns().size()) < g->ColCount()) Columns().emplace_back();
    FitColumnsToDropDown();
    if (g->VisibleRowCount() + g->FixedRows() < g->RowCount()) {
        if (g->Row() > g->TopRow() + g->VisibleRowCount() || g->Row() < g->TopRow()) g->SetTopRow(g->Row());
    }
    // The row shown at the opening is the one a confirmation takes until the
    // user moves.
    FSelRow = g->Row();
}

void TCustomExtGridDropDown::GridSelectCell(int ARow) {
    FSelRow = ARow;
    if (FExtColGrid->FMouseWheelSelection || FLookupMove) return;
    if (FUseItems) {
        const int item = RowToItem(ARow);
        if (item >= 0) SetItemIndex(item);
    } else {
        SetOwnText(FExtColGrid->Cells(LookupColumn(), ARow));
        FItemIndex = ARow - FExtColGrid->FixedRows();
    }
}

void TCustomExtGridDropDown::GridSelect() {
    if (FExtColGrid->FConfirmSelection) {
        if (FUseItems) SetItemIndex(RowToItem(FExtColGrid->Row()));
        else SetItemIndex(FExtColGrid->Row() - FExtColGrid->FixedRows());
    }
    if (!FGridEditable) DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomExtGridDropDown::DoHideDropDown(bool Cancelled) {
    if (FDropDownForm != nullptr && FDropDownForm->Visible()) {
        if (Cancelled) SetItemIndex(FOldItemIndex);
        else {
            if (FExtColGrid->FConfirmSelection) {
                if (FUseItems) SetItemIndex(RowToItem(FSelRow));
                else SetItemIndex(FSelRow - FExtColGrid->FixedRows());
            }
            FOldItemIndex = ItemIndex();
            FExtColGrid->FConfirmSelection = false;
        }
    }
    TColumnDropDown::DoHideDropDown(Cancelled);
}

// ------------------------------------------------------------------ keys

void TCustomExtGridDropDown::KeyDown(unsigned short& Key, TShiftState Shift) {
    TExtColGrid* g = FExtColGrid;
    if (g->Options().Contains(goEditing) && g->EditMode() && Key == VK_RETURN && !(Shift & ssShift)) {
        g->HideInplaceEdit();
        SetOwnText(g->Cells(LookupColumn(), g->Row()));
        FItemIndex = g->Row() - g->FixedRows();
        Key = 0;
        return;
    }
    if (Key == VK_RETURN) g->FConfirmSelection = true;
    if (Key == VK_ESCAPE) FLookupEntry.clear();
    // An edit that cannot be typed in takes no characters, yet what is
    // typed still looks the entries up.
    if (!EditorEnabled() && !(Shift & (ssCtrl | ssAlt))) {
        if (Key >= 'A' && Key <= 'Z') FTypedChar = (Shift & ssShift) ? Key : Key - 'A' + 'a';
        else if ((Key >= '0' && Key <= '9') || Key == VK_SPACE || Key == VK_BACK) FTypedChar = Key;
    }
    TColumnDropDown::KeyDown(Key, Shift);
}

void TCustomExtGridDropDown::NavigationKey(unsigned short Key, TShiftState Shift) {
    if (Key >= VK_PRIOR && Key <= VK_DOWN && Key != VK_LEFT && Key != VK_RIGHT) FLookupEntry.clear();
    ctl::TColumnDropDown::NavigationKey(Key, Shift);
}

void TCustomExtGridDropDown::KeyPress(char32_t& Key) {
    const char32_t typed = Key;
    TColumnDropDown::KeyPress(Key);
    // The edit takes the character first; the lookup follows at the key-up.
    // An edit that cannot be typed in still looks the character up.
    if (typed != 0 && typed != 13 && typed != 27 && typed != 9) FTypedChar = typed;
}

void TCustomExtGridDropDown::KeyUp(unsigned short& Key, TShiftState Shift) {
    if (FTypedChar != 0) {
        const char32_t k = FTypedChar;
        FTypedChar = 0;
        LookupChar(k);
        if (FAutoShowDropDown) ShowDropDown();
    }
    TExtColGrid* g = FExtColGrid;
    if (g->Options().Contains(goEditing) && g->EditMode() && Key == VK_RETURN && !(Shift & ssShift)) {
        if (g->Col() == LookupColumn()) HideDropDown(false);
        else g->HideInplaceEdit();
    }
    TColumnDropDown::KeyUp(Key, Shift);
}

void TCustomExtGridDropDown::DoEnter() {
    TColumnDropDown::DoEnter();
    FLookupEntry.clear();
    if (FLookupMethod == ctl::lmNarrowDown) FExtColGrid->RemoveAllFilters();
}

namespace {
bool ListKey(unsigned short Key, TShiftState Shift) {
    return !(Shift & ssAlt) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME ||
                                Key == VK_UP || Key == VK_DOWN);
}
}  // namespace

void TCustomExtGridDropDown::ControlKeyDown(unsigned short& Key, TShiftState Shift) {
    if (!ListKey(Key, Shift)) {
        unsigned short k = Key;
        TColumnDropDown::ControlKeyDown(k, Shift);
    }
    if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomExtGridDropDown::ControlKeyUp(unsigned short& Key, TShiftState Shift) {
    if (ListKey(Key, Shift)) FLookupEntry.clear();
    if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomExtGridDropDown::ControlKeyPress(char32_t& Key) {
    const char32_t k = Key;
    TExtColGrid* g = FExtColGrid;
    if (k == 13 || k == 27 || (k < 32 && k != 8 && k != 9) || g->Options().Contains(goEditing)) {
        FLookupEntry.clear();
    } else {
        Key = 0;
        int row = LookupChar(k);
        if (FLookupMethod == ctl::lmNarrowDown) row = g->FixedRows();
        else if (row >= 0 && FUseItems) row = ItemToRow(row);
        if (row < g->FixedRows() || row >= g->RowCount()) FLookupEntry.clear();
        else {
            if (g->VisibleRowCount() + g->FixedRows() < g->RowCount()) g->SetTopRow(row);
            FLookupMove = true;
            g->SetRow(row);
            g->SetCol(0);
            FLookupMove = false;
            g->RepaintRow(row);
        }
    }
    if (OnGridKeyPress) OnGridKeyPress(this, Key);
}

}  // namespace grid
