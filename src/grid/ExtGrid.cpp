#include "grid/ExtGrid.h"

#include <algorithm>

#include "base/StrUtils.h"

namespace grid {

TExtStringGrid::TExtStringGrid(plat::TComponent* AOwner) : TGridCore(AOwner) {
    std::fill(std::begin(FVisibleCol), std::end(FVisibleCol), true);
    std::fill(std::begin(FAllColWidths), std::end(FAllColWidths), std::int16_t(0));
    FFixedFont.SetName("Tahoma");
    FFixedFont.SetStyle({plat::fsBold});
    FActiveCellFont.SetStyle({plat::fsBold});
    FKeloGradientTo = plat::ColorToRGB(plat::clBtnFace);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FColumnHeaders.OnChange = [this] {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FRowHeaders.OnChange = [this] { ShowRowHeaders(); };
    FMaxColCount = ColCount();
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
}

TExtStringGrid::~TExtStringGrid() {
    FDestroying = true;
    // Hidden columns come back first so that no real column escapes the
    // clearing of cell properties below.
    UnHideColumnsAll();
    FColumnHeaders.OnChange = nullptr;
    FRowHeaders.OnChange = nullptr;
}

void TExtStringGrid::Assign(const TObject* Source) {
    const auto* src = dynamic_cast<const TExtStringGrid*>(Source);
    if (!src || src == this) return;
    FFont = src->FFont;
    FActiveCellColor = src->FActiveCellColor;
    FActiveCellColorTo = src->FActiveCellColorTo;
    FActiveCellFont = src->FActiveCellFont;
    FActiveCellShow = src->FActiveCellShow;
    FAutoNumAlign = src->FAutoNumAlign;
    FAutoFilterUpdate = src->FAutoFilterUpdate;
    FMouseActions = src->FMouseActions;
    FCellNode.Assign(src->FCellNode);
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
    FScrollBars = src->FScrollBars;
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
        for (int c = 0; c < src->TotalColCount(); ++c) SetGridCells(c, r, src->GridCells(c, r));
}

void TExtStringGrid::Loaded() {
    FLoading = false;
    ShowColumnHeaders();
    ShowRowHeaders();
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    FMinRowHeight = DefaultRowHeight();
    FMinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    TGridOptions o = Options();
    if (o.Contains(goAlwaysShowEditor)) {
        o.Exclude(goAlwaysShowEditor);
        SetOptions(o);
    }
    SetColumnOrder();
}

// ----------------------------------------------------------- structure

void TExtStringGrid::SetRowCount(int Value) {
    if (RowCount() == FixedRows() && FFixedRowAlways && FSelectionHidden) UnHideSelection();
    FrameSetRowCount(Value);
    if (FFixedRowsMin < RowCount() && FFixedRowAlways) SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, Value);
}

void TExtStringGrid::SetColCount(int Value) {
    // The hidden-column map is left alone: hidden columns stay hidden and
    // TotalColCount follows the new displayed count.
    FrameSetColCount(Value);
    if (FFixedColsMin < ColCount() && FFixedColAlways) SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, Value);
}

int TExtStringGrid::FixedRows() const {
    const int f = FrameFixedRows();
    return (f == 0 && FFixedRowAlways) ? 1 : f;
}

void TExtStringGrid::SetFixedRows(int Value) {
    int v = Value;
    if (Value >= RowCount() && FFixedRowAlways) v = RowCount() - 1;
    FrameSetFixedRows(v);
    if (!FLoading) FFixedRowsMin = Value;
}

int TExtStringGrid::FixedCols() const {
    const int f = FrameFixedCols();
    return (f == 0 && FFixedColAlways) ? 1 : f;
}

void TExtStringGrid::SetFixedCols(int Value) {
    int v = Value;
    if (Value >= ColCount() && FFixedColAlways) v = ColCount() - 1;
    FrameSetFixedCols(v);
    if (!FLoading) FFixedColsMin = Value;
}

void TExtStringGrid::SetRow(int Value) {
    if (Col() >= ColCount() || Col() < 0) MoveCurrentCell(FixedCols(), Value);
    FrameSetRow(Value);
    if (Row() != FOldRow && OnRowUpdate) {
        OnRowUpdate(this, FOldRow, Row());
        FOldRow = Row();
    }
    if (FMouseActions.DisjunctRowSelect) SelectionToRowSelect(false);
}

void TExtStringGrid::SetTopRow(int Value) {
    if (Value >= FixedRows() && Value < RowCount()) FrameSetTopRow(Value);
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

void TExtStringGrid::SetDefaultRowHeight(int Value) { FrameSetDefaultRowHeight(Value); }

void TExtStringGrid::SetDefaultAlignment(plat::TAlignment Value) {
    if (Value == FDefaultAlignment) return;
    FDefaultAlignment = Value;
    Invalidate();
}

void TExtStringGrid::SetWordWrap(bool Value) {
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
    FKeloGradientFrom = plat::ColorToRGB(Value);
    Invalidate();
}

void TExtStringGrid::SetKeloGradientTo(TColor Value) {
    FKeloGradientTo = plat::ColorToRGB(Value);
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

}  // namespace grid
