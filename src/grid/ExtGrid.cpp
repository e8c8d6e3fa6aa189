#include "grid/ExtGrid.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "grid/ExtGridStartup.h"
#include "grid/ExtGridStructState.h"
#include "grid/GridAccessible.h"

namespace grid {

TExtStringGrid::TExtStringGrid(plat::TComponent* AOwner) : TBaseGrid(AOwner) {
    (void)GridUnit();
    FStruct = std::make_shared<TStructState>();
    FFixedFont.SetName("Tahoma");
    FFixedFont.SetStyle({plat::fsBold});
    FActiveCellFont.SetStyle({plat::fsBold});
    FKeloGradientTo = plat::ColorToRGB(plat::clBtnFace);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FAccessible = std::make_unique<TGridAccessible>(*this);
    SetAccessibleTable(FAccessible.get());
    FColumnHeaders.OnChange = [this] {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FRowHeaders.OnChange = [this] { ShowRowHeaders(); };
    FProgressAppearance.OnChange = [this] { Invalidate(); };
    FShowModified.OnChange = [this] { RepaintCol(0); };
    FMaxColCount = ColCount();
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    View();  // registers the grid as live for the grids kept in step with it
}

void TCellPropsDeleter::operator()(TCellProperties* Props) const {
    if (!Props) return;
    delete dynamic_cast<TCellGraphic*>(Props->GraphicObject());
    delete Props;
}

TExtStringGrid::~TExtStringGrid() {
    FDestroying = true;
    SaveColSizesOnClose();
    // Hidden columns come back first so that no real column escapes the
    // clearing of cell properties below.
    UnHideColumnsAll();
    // The base grid frees every cell's properties, but the graphics only of
    // cells inside the grid; a box added to a row beyond the displayed rows
    // (hidden rows count for the range check) must not leak.
    for (const auto& [c, r] : CellsWithObjects()) {
        if (auto* p = PropsOf(c, r)) {
            delete dynamic_cast<TCellGraphic*>(p->GraphicObject());
            p->SetGraphicObject(nullptr);
        }
    }
    FColumnHeaders.OnChange = nullptr;
    FRowHeaders.OnChange = nullptr;
    SetAccessibleTable(nullptr);
}

void TExtStringGrid::Assign(const TObject* Source) {
    const auto* src = dynamic_cast<const TExtStringGrid*>(Source);
    if (!src || src == this) return;
    SetFont(src->Font());
    FActiveCellColor = src->FActiveCellColor;
    FActiveCellColorTo = src->FActiveCellColorTo;
    FActiveCellFont = src->FActiveCellFont;
    FActiveCellShow = src->FActiveCellShow;
    FAutoNumAlign = src->FAutoNumAlign;
    St().AutoSize = src->AutoSize();  // the flag only: no fitting here
    FAutoFilterUpdate = src->FAutoFilterUpdate;
    FMouseActions.Assign(src->FMouseActions);
    FNavigation.Assign(src->FNavigation);
    FCellNode.Assign(src->FCellNode);
    if (src->FDataOps) AssignDataSettings(*src);
    FColumnSize.Assign(src->FColumnSize);
    FFixedRowAlways = src->FFixedRowAlways;
    SetColCount(src->ColCount());
    SetRowCount(src->RowCount());
    SetFixedRows(src->FixedRows());
    SetFixedCols(src->FixedCols());
    SetDefaultColWidth(src->DefaultColWidth());
    SetDefaultRowHeight(src->DefaultRowHeight());
    SetFixedRowHeight(src->FixedRowHeight());
    SetFixedColWidth(src->FixedColWidth());
    FInvalidEntryTitle = src->FInvalidEntryTitle;
    FInvalidEntryIcon = src->FInvalidEntryIcon;
    FInvalidEntryText = src->FInvalidEntryText;
    SetOptions(src->Options());
    // Displayed columns only: a hidden column's width stays with its grid.
    for (int c = 0; c < ColCount(); ++c) SetColWidths(c, src->ColWidths(c));
    FColumnHeaders.Assign(src->FColumnHeaders.Items());
    for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, src->RowHeights(r));
    FScrollWidth = src->FScrollWidth;
    FScrollHints = src->FScrollHints;
    FScrollBarAlways = src->FScrollBarAlways;
    SetScrollBars(src->ScrollBars());
    FScrollColor = src->FScrollColor;
    FScrollType = src->FScrollType;
    AssignCells(Source);
}

void TExtStringGrid::AssignCells(const TObject* Source) {
    const auto* src = dynamic_cast<const TExtStringGrid*>(Source);
    if (!src || src == this) return;
    // The exchange stream carries texts of the displayed area; copying them
    // directly gives the same cells without a serialisation round trip.
    for (int r = 0; r < src->RowCount(); ++r)
        for (int c = 0; c < src->TotalColCount(); ++c) SetGridCell(c, r, src->GetGridCell(c, r));
}

void TExtStringGrid::Loaded() {
    FLoading = false;
    ShowColumnHeaders();
    ShowRowHeaders();
    if (AutoSize()) AutoSizeColumns(false, 4);
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    LoadColSizesOnStart();
    TGridOptions o = Options();
    if (o.Contains(goAlwaysShowEditor)) {
        // The grid opens its editor itself when asked to keep it open.
        FNavigation.SetAlwaysEdit(true);
        o.Exclude(goAlwaysShowEditor);
        SetOptions(o);
    }
    SetColumnOrder();
}

// ----------------------------------------------------------- repainting

void TExtStringGrid::RepaintCell(int ACol, int ARow) {
    if (FLogRepaints) FRepaintLog.push_back({ACol, ARow});
    if (ACol >= 0 && ARow >= 0) TBaseGrid::RepaintCell(ACol, ARow);
    else TBaseGrid::Invalidate();
}

void TExtStringGrid::Invalidate() {
    ++FInvalidateCount;
    TBaseGrid::Invalidate();
}

// ----------------------------------------------------------- structure

void TExtStringGrid::SetRowCount(int Value) {
    if (RowCount() == FixedRows() && FFixedRowAlways && FSelectionHidden) UnHideSelection();
    TBaseGrid::SetRowCount(Value);
    // The display-text events are asked for every row the windows see.
    FNormalRowCount = RowCount();
    if (FFixedRowsMin < RowCount() && FFixedRowAlways) SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
}

void TExtStringGrid::SetColCount(int Value) {
    // The hidden-column map is left alone: hidden columns stay hidden and
    // TotalColCount follows the new displayed count.
    TBaseGrid::SetColCount(Value);
    if (FFixedColsMin < ColCount() && FFixedColAlways) SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
    // The horizontal scroll bar may come or go, and with it a row.
    if (FIntegralHeight) SetBounds(Left(), Top(), Width(), Height());
}

void TExtStringGrid::SetIntegralHeight(bool Value) {
    FIntegralHeight = Value;
    SetBounds(Left(), Top(), Width(), Height());
}

void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    if (FIntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
        // Whole rows only, besides the horizontal scroll bar when the
        // columns do not fit. The framework grid draws no single border of
        // its own, so no border width is taken off.
        const int h = VisibleColCount() + FixedCols() < ColCount() ? plat::GetSystemMetrics(plat::SM_CYHSCROLL) : 0;
        const int t = AHeight - h;
        AHeight = h + (t - t % DefaultRowHeight());
    }
    TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    UpdateFooter();
}

void TExtStringGrid::CalcSizingState(int X, int Y, plat::TGridState& State, int& Index, int& SizingPos,
                                     int& SizingOfs) {
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
    int c = -1, r = -1;
    MouseToCell(X - 6, Y, c, r);
    if (r >= 0 && r < FixedRows() && c >= 0) {
        bool allow = true;
        if (OnColumnSize) OnColumnSize(this, c, allow);
        if (!allow) State = plat::gsNormal;
    }
    MouseToCell(X, Y - 6, c, r);
    if (c >= 0 && c < FixedCols() && r >= 0) {
        bool allow = true;
        if (OnRowSize) OnRowSize(this, r, allow);
        if (!allow) State = plat::gsNormal;
    }
}

int TExtStringGrid::FixedRows() const {
    const int f = TBaseGrid::FixedRows();
    return (f == 0 && FFixedRowAlways) ? 1 : f;
}

void TExtStringGrid::SetFixedRows(int Value) {
    int v = Value;
    if (Value >= RowCount() && FFixedRowAlways) v = RowCount() - 1;
    TBaseGrid::SetFixedRows(v);
    if (!FLoading) FFixedRowsMin = Value;
}

int TExtStringGrid::FixedCols() const {
    const int f = TBaseGrid::FixedCols();
    return (f == 0 && FFixedColAlways) ? 1 : f;
}

void TExtStringGrid::SetFixedCols(int Value) {
    int v = Value;
    if (Value >= ColCount() && FFixedColAlways) v = ColCount() - 1;
    TBaseGrid::SetFixedCols(v);
    if (!FLoading) FFixedColsMin = Value;
}

void TExtStringGrid::SetRow(int Value) {
    if (Col() >= ColCount() || Col() < 0) MoveCurrentCell(FixedCols(), Value);
    TBaseGrid::SetRow(Value);
    if (Row() != FOldRow && OnRowUpdate) {
        OnRowUpdate(this, FOldRow, Row());
        FOldRow = Row();
    }
    if (FMouseActions.DisjunctRowSelect()) SelectionToRowSelect(false);
}

void TExtStringGrid::SetTopRow(int Value) {
    if (Value >= FixedRows() && Value < RowCount()) TBaseGrid::SetTopRow(Value);
}

void TExtStringGrid::SetFixedColWidth(int Value) {
    if (FLoading || Value == DefaultColWidth()) return;
    for (int c = 0; c < FixedCols(); ++c) SetColWidths(c, Value);
}

void TExtStringGrid::SetFixedRowHeight(int Value) {
    FFixedRowHeight = Value;
    if (FLoading) return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < FixedRows(); ++r) SetRowHeights(r, Value);
}

void TExtStringGrid::SetDefaultAlignment(plat::TAlignment Value) {
    if (Value == FDefaultAlignment) return;
    FDefaultAlignment = Value;
    Invalidate();
}

void TExtStringGrid::SetWordWrap(bool Value) {
    TBaseGrid::SetWordWrap(Value);
    FWordWrap = Value;
    if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::BeginUpdate() {
    if (!Visible()) return;
    ++FUpdateCount;
}

void TExtStringGrid::EndUpdate() {
    if (!Visible()) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && !FDestroying) Invalidate();
}

std::uint32_t TExtStringGrid::GetVersionNr() const { return 0x01000000u; }

std::string TExtStringGrid::Version() const {
    const std::uint32_t v = GetVersionNr();
    return base::Format("%u.%u.%u.%u", (v >> 24) & 0xFFu, (v >> 16) & 0xFFu, (v >> 8) & 0xFFu, v & 0xFFu);
}

std::string TExtStringGrid::GetVersionString() const { return Version() + " Dec, 2026"; }

void TExtStringGrid::SetKeloGradientFrom(TColor Value) {
    FKeloGradientFrom = Value == plat::clNone ? Value : plat::ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetKeloGradientTo(TColor Value) {
    FKeloGradientTo = Value == plat::clNone ? Value : plat::ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetKeloGradientMirrorFrom(TColor Value) {
    FKeloGradientMirrorFrom = Value == plat::clNone ? Value : plat::ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetKeloGradientMirrorTo(TColor Value) {
    FKeloGradientMirrorTo = Value == plat::clNone ? Value : plat::ColorToRGB(Value);
    Invalidate();
}

// ----------------------------------------------------------- kept settings

bool TExtStringGrid::AutoSize() const { return St().AutoSize; }

void TExtStringGrid::SetAutoSize(bool Value) {
    St().AutoSize = Value;
    if (Value && !FLoading) AutoSizeColumns(false, 10);
}

bool TExtStringGrid::SizeWithForm() const { return St().SizeWithForm; }
void TExtStringGrid::SetSizeWithForm(bool Value) {
    St().SizeWithForm = Value;
    if (Value) FollowParentFormSize();
}

bool TExtStringGrid::FilterActive() const { return St().FilterActive; }

bool TExtStringGrid::FilterDropDownCheck() const { return St().FilterDropDownCheck; }
void TExtStringGrid::SetFilterDropDownCheck(bool Value) { St().FilterDropDownCheck = Value; }

int TExtStringGrid::FilterDropDownRow() const { return St().FilterDropDownRow; }
// Only a fixed row can hold the filter buttons; other rows are ignored.
void TExtStringGrid::SetFilterDropDownRow(int Value) {
    if (Value < 0 || Value >= FixedRows()) return;
    St().FilterDropDownRow = Value;
    Invalidate();
}

bool TExtStringGrid::SelectionRTFKeep() const { return St().SelectionRTFKeep; }
void TExtStringGrid::SetSelectionRTFKeep(bool Value) { St().SelectionRTFKeep = Value; }


bool TExtStringGrid::JavaCSV() const { return St().JavaCSV; }
void TExtStringGrid::SetJavaCSV(bool Value) { St().JavaCSV = Value; }

bool TExtStringGrid::AlwaysQuotes() const { return St().AlwaysQuotes; }
void TExtStringGrid::SetAlwaysQuotes(bool Value) { St().AlwaysQuotes = Value; }

bool TExtStringGrid::ExcelClipboardFormat() const { return St().ExcelClipboardFormat; }
void TExtStringGrid::SetExcelClipboardFormat(bool Value) { St().ExcelClipboardFormat = Value; }

bool TExtStringGrid::ClearTextOnly() const { return St().ClearTextOnly; }
void TExtStringGrid::SetClearTextOnly(bool Value) { St().ClearTextOnly = Value; }

}  // namespace grid
