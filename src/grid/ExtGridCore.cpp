#include "grid/ExtGridCore.h"

#include <algorithm>

namespace grid {

namespace {
const std::string kEmpty;
}

TGridCore::TGridCore(plat::TComponent* AOwner) : plat::TComponent(AOwner) {
    FColWidths.assign(static_cast<size_t>(FColCount), FDefaultColWidth);
    FRowHeights.assign(static_cast<size_t>(FRowCount), FDefaultRowHeight);
    FCells.resize(static_cast<size_t>(FRowCount));
}

TGridCore::~TGridCore() = default;

TGridCell* TGridCore::CellAt(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ARow >= static_cast<int>(FCells.size())) return nullptr;
    auto& row = FCells[static_cast<size_t>(ARow)];
    if (ACol >= static_cast<int>(row.size())) return nullptr;
    return &row[static_cast<size_t>(ACol)];
}

TGridCell& TGridCore::EnsureCell(int ACol, int ARow) {
    // Writing beyond the row count is accepted: the store grows to hold it.
    if (ARow >= static_cast<int>(FCells.size())) FCells.resize(static_cast<size_t>(ARow) + 1);
    auto& row = FCells[static_cast<size_t>(ARow)];
    if (ACol >= static_cast<int>(row.size())) row.resize(static_cast<size_t>(ACol) + 1);
    return row[static_cast<size_t>(ACol)];
}

const std::string& TGridCore::GridCells(int ACol, int ARow) const {
    const TGridCell* c = CellAt(ACol, ARow);
    return c ? c->Text : kEmpty;
}

void TGridCore::SetGridCells(int ACol, int ARow, const std::string& Value) {
    if (ACol < 0 || ARow < 0) return;
    if (Value.empty() && !CellAt(ACol, ARow)) return;
    EnsureCell(ACol, ARow).Text = Value;
}

TCellProps* TGridCore::CellPropsOf(int ACol, int ARow) const {
    const TGridCell* c = CellAt(ACol, ARow);
    return c ? c->Props.get() : nullptr;
}

TCellProps& TGridCore::CellProperties(int ACol, int ARow) {
    TGridCell& c = EnsureCell(std::max(ACol, 0), std::max(ARow, 0));
    if (!c.Props) c.Props = std::make_unique<TCellProps>();
    return *c.Props;
}

bool TGridCore::HasCellProps(int ACol, int ARow) const {
    return ACol < TotalColCount() && ARow < FRowCount && CellPropsOf(ACol, ARow) != nullptr;
}

void TGridCore::FreeCellProps(int ACol, int ARow) {
    if (TGridCell* c = CellAt(ACol, ARow)) c->Props.reset();
}

TGridRowCells TGridCore::TakeRowCells(int ARow) {
    if (ARow < 0 || ARow >= static_cast<int>(FCells.size())) return {};
    return std::move(FCells[static_cast<size_t>(ARow)]);
}

void TGridCore::PutRowCells(int ARow, TGridRowCells&& Cells) {
    if (ARow < 0) return;
    if (ARow >= static_cast<int>(FCells.size())) FCells.resize(static_cast<size_t>(ARow) + 1);
    FCells[static_cast<size_t>(ARow)] = std::move(Cells);
}

void TGridCore::FrameSetColCount(int Value) {
    if (Value < 0) Value = 0;
    FColCount = Value;
    FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
    // At least one scrollable column stays, as the framework grid keeps it.
    if (FFixedCols >= Value) FFixedCols = std::max(Value - 1, 0);
    if (FCol >= Value) FCol = std::max(Value - 1, 0);
    if (FAnchorCol >= Value) FAnchorCol = std::max(Value - 1, 0);
}

void TGridCore::FrameSetRowCount(int Value) {
    if (Value < 0) Value = 0;
    // Rows cut off lose their cells, as the framework's row store does.
    FCells.resize(static_cast<size_t>(Value));
    FRowCount = Value;
    FRowHeights.resize(static_cast<size_t>(Value), FDefaultRowHeight);
    if (FFixedRows >= Value) FFixedRows = std::max(Value - 1, 0);
    if (FRow >= Value) FRow = std::max(Value - 1, 0);
    if (FAnchorRow >= Value) FAnchorRow = std::max(Value - 1, 0);
    if (FTopRow >= Value) FTopRow = std::max(FFixedRows, 0);
}

void TGridCore::FrameSetFixedCols(int Value) {
    FFixedCols = std::clamp(Value, 0, std::max(FColCount - 1, 0));
    if (FCol < FFixedCols && FFixedCols < FColCount) FCol = FAnchorCol = FFixedCols;
    if (FLeftCol < FFixedCols) FLeftCol = FFixedCols;
}

void TGridCore::FrameSetFixedRows(int Value) {
    FFixedRows = std::clamp(Value, 0, std::max(FRowCount - 1, 0));
    if (FRow < FFixedRows && FFixedRows < FRowCount) FRow = FAnchorRow = FFixedRows;
    if (FTopRow < FFixedRows) FTopRow = FFixedRows;
}

void TGridCore::RemoveRowsInternal(int ARow, int Count) {
    if (ARow < 0 || Count <= 0 || ARow >= FRowCount) return;
    Count = std::min(Count, FRowCount - ARow);
    const auto first = static_cast<ptrdiff_t>(ARow);
    if (ARow < static_cast<int>(FCells.size())) {
        const auto last = std::min<ptrdiff_t>(first + Count, static_cast<ptrdiff_t>(FCells.size()));
        FCells.erase(FCells.begin() + first, FCells.begin() + last);
    }
    FRowHeights.erase(FRowHeights.begin() + first, FRowHeights.begin() + first + Count);
    FRowCount -= Count;
    FCells.resize(static_cast<size_t>(FRowCount));
    if (FFixedRows > FRowCount) FFixedRows = FRowCount;
    if (FRow >= FRowCount) FRow = std::max(FRowCount - 1, 0);
    if (FAnchorRow >= FRowCount) FAnchorRow = std::max(FRowCount - 1, 0);
}

void TGridCore::InsertRowsInternal(int ARow, int Count) {
    if (ARow < 0 || Count <= 0) return;
    ARow = std::min(ARow, FRowCount);
    FCells.resize(static_cast<size_t>(FRowCount));
    // Cells only move, never copy: rotate fresh empty rows into place.
    FCells.resize(FCells.size() + static_cast<size_t>(Count));
    std::rotate(FCells.begin() + ARow, FCells.end() - Count, FCells.end());
    FRowHeights.insert(FRowHeights.begin() + ARow, static_cast<size_t>(Count), FDefaultRowHeight);
    FRowCount += Count;
}

int TGridCore::ColWidths(int ACol) const {
    if (ACol < 0 || ACol >= static_cast<int>(FColWidths.size())) return FDefaultColWidth;
    return FColWidths[static_cast<size_t>(ACol)];
}

void TGridCore::SetColWidths(int ACol, int Value) {
    if (ACol < 0 || ACol >= FColCount) return;
    if (FColWidths[static_cast<size_t>(ACol)] == Value) return;
    FColWidths[static_cast<size_t>(ACol)] = Value;
    ColWidthsChanged();
}

int TGridCore::RowHeights(int ARow) const {
    if (ARow < 0 || ARow >= static_cast<int>(FRowHeights.size())) return FDefaultRowHeight;
    return FRowHeights[static_cast<size_t>(ARow)];
}

void TGridCore::SetRowHeights(int ARow, int Value) {
    if (ARow < 0 || ARow >= FRowCount) return;
    FRowHeights[static_cast<size_t>(ARow)] = Value;
}

void TGridCore::SetDefaultColWidth(int Value) {
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
    ColWidthsChanged();
}

void TGridCore::FrameSetDefaultRowHeight(int Value) {
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
}

void TGridCore::FrameSetCol(int Value) {
    if (Value < 0 || Value >= FColCount || Value == FCol) return;
    if (!SelectCell(Value, FRow)) return;
    FCol = FAnchorCol = Value;
    FAnchorRow = FRow;
}

void TGridCore::FrameSetRow(int Value) {
    if (Value < 0 || Value >= FRowCount || Value == FRow) return;
    if (!SelectCell(FCol, Value)) return;
    FRow = FAnchorRow = Value;
    FAnchorCol = FCol;
}

void TGridCore::FrameSetSelection(const TGridRect& R) {
    FAnchorCol = R.Left;
    FAnchorRow = R.Top;
    FCol = R.Right;
    FRow = R.Bottom;
    Invalidate();
}

void TGridCore::MoveCurrentCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= FColCount || ARow >= FRowCount) return;
    if (!SelectCell(ACol, ARow)) return;
    FCol = FAnchorCol = ACol;
    FRow = FAnchorRow = ARow;
}

void TGridCore::RepaintCell(int ACol, int ARow) { FRepaintLog.push_back({ACol, ARow}); }

void TGridCore::Invalidate() { ++FInvalidateCount; }

bool TGridCore::SelectCell(int, int) { return true; }

}  // namespace grid
