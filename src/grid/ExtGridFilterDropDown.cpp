// The filter drop-down: the header's filter button opens a list of the
// column's values; a pick filters on one value, checked values are or-ed.

#include <algorithm>

#include "grid/ExtGridDataState.h"
#include "grid/ExtGridStructState.h"
#include "platform/Messages.h"

namespace grid {

// ----------------------------------------------------------------- settings
TFilterDropDown::TFilterDropDown() = default;

void TFilterDropDown::Assign(const plat::TObject& Source) {
    const auto* s = dynamic_cast<const TFilterDropDown*>(&Source);
    if (!s) return;
    FColor = s->FColor;
    FColumnWidth = s->FColumnWidth;
    FFont.Assign(s->FFont);
    FHeight = s->FHeight;
    FWidth = s->FWidth;
    FGlyph.Assign(s->FGlyph);
    FGlyphActive.Assign(s->FGlyphActive);
}

void TFilterDropDown::SetGlyph(const plat::TBitmap& Value) {
    FGlyph.Assign(Value);
    if (OnChange) OnChange(this);
}

void TFilterDropDown::SetGlyphActive(const plat::TBitmap& Value) {
    FGlyphActive.Assign(Value);
    if (OnChange) OnChange(this);
}

// ----------------------------------------------------------------- the lists
TDropList::TDropList(plat::TComponent* AOwner) : plat::TListBox(AOwner) {}

void TDropList::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (Key == plat::VK_RETURN) {
        Key = 0;
        SetVisible(false);
        if (OnSelect) OnSelect(this, ItemIndex());
        return;
    }
    if (Key == plat::VK_ESCAPE) {
        Key = 0;
        SetVisible(false);
        if (OnCancel) OnCancel(this);
        return;
    }
    plat::TListBox::KeyDown(Key, Shift);
}

void TDropList::MouseUp(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    plat::TListBox::MouseUp(Button, Shift, X, Y);
    SetVisible(false);
    if (OnSelect) OnSelect(this, ItemIndex());
}

namespace {
bool OutsideOf(const plat::TControl& Control, plat::TPoint Mouse) {
    const plat::TPoint p = Control.ScreenToClient(Mouse);
    return p.X < 0 || p.Y < 0 || p.X >= Control.Width() || p.Y >= Control.Height();
}
}  // namespace

void TDropList::CancelMode(plat::TPoint Mouse) {
    if (!OutsideOf(*this, Mouse)) return;
    SetVisible(false);
    if (OnCancel) OnCancel(this);
}

TDropCheckList::TDropCheckList(plat::TComponent* AOwner) : plat::TCheckListBox(AOwner) {}

void TDropCheckList::ClickCheck() {
    plat::TCheckListBox::ClickCheck();
    if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    if (Key == plat::VK_ESCAPE || Key == plat::VK_RETURN) {
        Key = 0;
        SetVisible(false);
        if (OnCancel) OnCancel(this);
        return;
    }
    plat::TCheckListBox::KeyDown(Key, Shift);
}

void TDropCheckList::CancelMode(plat::TPoint Mouse) {
    if (!OutsideOf(*this, Mouse)) return;
    SetVisible(false);
    if (OnCancel) OnCancel(this);
}

// ----------------------------------------------------------------- the grid's side
TFilterDropDown& TExtStringGrid::FilterDropDown() {
    TDataOpsState& ops = Ops();
    if (!ops.FilterDropDown.OnChange) ops.FilterDropDown.OnChange = [this](TObject*) { Invalidate(); };
    return ops.FilterDropDown;
}

void TExtStringGrid::SetFilterDropDownAuto(bool Value) {
    FFilterDropDownAuto = Value;
    Invalidate();
}

TDropList* TExtStringGrid::FilterDropList() {
    TDataOpsState& ops = Ops();
    if (!ops.DropList) {
        ops.DropList = new TDropList(this);
        ops.DropList->SetVisible(false);
        ops.DropList->OnSelect = [this](TObject*, int Index) { FilterSelect(Index); };
        ops.DropList->OnCancel = [this](TObject*) { Ops().OpenColumn = -1; };
    }
    return ops.DropList;
}

TDropCheckList* TExtStringGrid::FilterCheckList() {
    TDataOpsState& ops = Ops();
    if (!ops.CheckList) {
        ops.CheckList = new TDropCheckList(this);
        ops.CheckList->SetVisible(false);
        ops.CheckList->OnSelect = [this](TObject*, int) { FilterCheck(); };
        ops.CheckList->OnCancel = [this](TObject*) { Ops().OpenColumn = -1; };
    }
    return ops.CheckList;
}

int TExtStringGrid::FilterOpenColumn() { return Ops().OpenColumn; }

bool TExtStringGrid::HasFilterButton(int ACol, int ARow) {
    if (!FFilterDropDownAuto || ARow != FilterDropDownRow() || ARow >= FixedRows()) return false;
    if (ACol < FixedCols() && !FFilterDropDownAllColumns) return false;
    return GetColumnFilter(RealColIndex(ACol));
}

namespace {
// The friendly name and the condition of a filter list entry.
void SplitEntry(const std::string& Entry, std::string& Friendly, std::string& Condition) {
    const size_t eq = Entry.find('=');
    Friendly = eq == std::string::npos ? Entry : Entry.substr(0, eq);
    Condition = eq == std::string::npos ? Entry : Entry.substr(eq + 1);
}
}  // namespace

bool TExtStringGrid::ShowFilterDropDown(int ACol) {
    const int rc = RealColIndex(ACol);
    if (!GetColumnFilter(rc)) return false;
    TDataOpsState& ops = Ops();
    const TFilterDropDown& fd = FilterDropDown();
    const bool check = FilterDropDownCheck();
    plat::TListBox* list = check ? static_cast<plat::TListBox*>(FilterCheckList()) : FilterDropList();
    if (!list->Parent()) list->SetParent(this);
    list->Items().Clear();
    std::vector<std::string> conditions;
    for (int i = 0; i < Filter().Count(); ++i)
        if (Filter().Items(i).Column == rc) conditions.push_back(Filter().Items(i).Condition);
    for (int i = 0; i < FFilterList.Count(); ++i) {
        std::string friendly, condition;
        SplitEntry(FFilterList[i], friendly, condition);
        list->Items().Add(friendly);
        if (check) {
            FilterCheckList()->SetChecked(
                i, std::find(conditions.begin(), conditions.end(), condition) != conditions.end());
        }
    }
    list->SetColor(fd.Color());
    list->SetFont(fd.Font());
    const plat::TRect cell = CellRect(ACol, FilterDropDownRow());
    int w = fd.Width(), h = fd.Height();
    if (fd.ColumnWidth()) w = cell.Right - cell.Left;
    if (fd.AutoSize()) {
        int widest = 0;
        for (int i = 0; i < list->Items().Count(); ++i)
            widest = std::max(widest, Canvas().TextWidth(list->Items()[i]));
        w = widest + 8 + 4;
        h = list->Items().Count() * (Canvas().TextHeight("gh") + 2) + 4;
    }
    int left = fd.ColumnWidth() ? cell.Left : cell.Right - 16;
    left = std::max(0, std::min(left, Width() - w));
    const int top = std::max(0, std::min(cell.Top + 16, Height() - h));
    list->SetBounds(left, top, w, h);
    list->SetVisible(true);
    list->SetFocus();
    ops.OpenColumn = rc;
    return true;
}

void TExtStringGrid::FilterSelect(int ItemIndex) {
    SetFocus();
    TDataOpsState& ops = Ops();
    const int column = ops.OpenColumn;
    ops.OpenColumn = -1;
    if (column < 0 || column >= ColCount() + NumHiddenColumns()) return;
    GetColumnFilter(column);
    if (ItemIndex < 0 || ItemIndex >= FFilterList.Count()) return;
    std::string friendly, condition;
    SplitEntry(FFilterList[ItemIndex], friendly, condition);
    if (FAutoFilterUpdate) SetFilterActive(false);
    if (condition == FFilterDropDownClear) condition.clear();
    if (OnFilterSelect) OnFilterSelect(this, column, ItemIndex, friendly, condition);
    if (!condition.empty()) Filter().ColumnFilter(column).Condition = condition;
    else Filter().RemoveColumnFilter(column);
    if (FAutoFilterUpdate) {
        SetFixedRowAlways(true);
        SetFilterActive(true);
        if (RowCount() > FixedRows()) SetRow(FixedRows());
        if (OnFilterDone) OnFilterDone(this);
    }
}

void TExtStringGrid::FilterCheck() {
    TDataOpsState& ops = Ops();
    const int column = ops.OpenColumn;
    if (column < 0 || column >= ColCount() + NumHiddenColumns()) return;
    GetColumnFilter(column);
    if (FAutoFilterUpdate) SetFilterActive(false);
    Filter().Clear();
    TDropCheckList* list = FilterCheckList();
    for (int i = 0; i < FFilterList.Count(); ++i) {
        if (!list->Checked(i)) continue;
        std::string friendly, condition;
        SplitEntry(FFilterList[i], friendly, condition);
        if (condition == FFilterDropDownClear) condition.clear();
        if (OnFilterCheck) OnFilterCheck(this, column, i, friendly, condition, list);
        const bool first = Filter().Count() == 0;
        TFilterData& f = Filter().Add();
        f.Condition = condition;
        f.Column = column;
        f.Operation = first ? foNONE : foOR;
    }
    SetFilterActive(true);
    list->Invalidate();
}

}  // namespace grid
