#include "grid/ObjStringGrid.h"

#include <algorithm>

namespace grid {

namespace {
constexpr unsigned short kPageUp = 0x21, kPageDown = 0x22, kLeft = 0x25, kUp = 0x26, kRight = 0x27,
                         kDown = 0x28;
}

TObjStringGrid::TObjStringGrid(plat::TComponent* AOwner) : plat::TCustomControl(AOwner) {
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FColWidths.assign(size_t(FColCount), FDefaultColWidth);
    FRowHeights.assign(size_t(FRowCount), FDefaultRowHeight);
    SetTabStop(true);
    SetAccessibleRole(plat::arTable);
    SetBounds(0, 0, 320, 120);
}

TObjStringGrid::~TObjStringGrid() = default;

// --- cell store -------------------------------------------------------------
std::string TObjStringGrid::GetGridCell(int ACol, int ARow) const {
    const auto it = FCells.find({ARow, ACol});
    return it == FCells.end() ? std::string() : it->second.text;
}

void TObjStringGrid::SetGridCell(int ACol, int ARow, const std::string& Value) {
    // Negative indices name no cell: writes to them are dropped.
    if (ACol < 0 || ARow < 0) return;
    auto& cell = FCells[{ARow, ACol}];
    cell.text = Value;
    if (cell.text.empty() && !cell.object) FCells.erase({ARow, ACol});
    InvalidateCell(ACol, ARow);
}

plat::TObject* TObjStringGrid::GetGridObject(int ACol, int ARow) const {
    const auto it = FCells.find({ARow, ACol});
    return it == FCells.end() ? nullptr : it->second.object;
}

void TObjStringGrid::SetGridObject(int ACol, int ARow, plat::TObject* Value) {
    if (ACol < 0 || ARow < 0) return;
    auto& cell = FCells[{ARow, ACol}];
    cell.object = Value;
    if (cell.text.empty() && !cell.object) FCells.erase({ARow, ACol});
}

void TObjStringGrid::DropRowsFrom(int ARow) {
    FCells.erase(FCells.lower_bound({ARow, -1}), FCells.end());
}

std::vector<std::pair<int, int>> TObjStringGrid::CellsWithObjects() const {
    std::vector<std::pair<int, int>> r;
    for (const auto& [key, cell] : FCells)
        if (cell.object) r.emplace_back(key.second, key.first);
    return r;
}

// --- geometry ----------------------------------------------------------------
void TObjStringGrid::SetColCount(int Value) {
    Value = std::max(Value, 1);
    FColCount = Value;
    FColWidths.resize(size_t(Value), FDefaultColWidth);
    if (FFixedCols >= FColCount) FFixedCols = FColCount - 1;
    FCol = std::clamp(FCol, std::min(FFixedCols, FColCount - 1), FColCount - 1);
    FLeftCol = std::clamp(FLeftCol, std::min(FFixedCols, FColCount - 1), FColCount - 1);
    FSelection = {FCol, FRow, FCol, FRow};
    Invalidate();
}

void TObjStringGrid::SetRowCount(int Value) {
    Value = std::max(Value, 1);
    if (Value < FRowCount) DropRowsFrom(Value);
    FRowCount = Value;
    FRowHeights.resize(size_t(Value), FDefaultRowHeight);
    if (FFixedRows >= FRowCount) FFixedRows = FRowCount - 1;
    FRow = std::clamp(FRow, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
    FTopRow = std::clamp(FTopRow, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
    FSelection = {FCol, FRow, FCol, FRow};
    Invalidate();
}

void TObjStringGrid::SetFixedCols(int Value) {
    FFixedCols = std::clamp(Value, 0, FColCount - 1);
    FLeftCol = std::max(FLeftCol, FFixedCols);
    if (FCol < FFixedCols) MoveCurrent(FFixedCols, FRow);
    Invalidate();
}

void TObjStringGrid::SetFixedRows(int Value) {
    FFixedRows = std::clamp(Value, 0, FRowCount - 1);
    FTopRow = std::max(FTopRow, FFixedRows);
    if (FRow < FFixedRows) MoveCurrent(FCol, FFixedRows);
    Invalidate();
}

void TObjStringGrid::SetDefaultColWidth(int Value) {
    FDefaultColWidth = Value;
    std::fill(FColWidths.begin(), FColWidths.end(), Value);
    Invalidate();
}

void TObjStringGrid::SetDefaultRowHeight(int Value) {
    FDefaultRowHeight = Value;
    std::fill(FRowHeights.begin(), FRowHeights.end(), Value);
    Invalidate();
}

int TObjStringGrid::ColWidths(int ACol) const {
    return (ACol >= 0 && ACol < int(FColWidths.size())) ? FColWidths[size_t(ACol)] : FDefaultColWidth;
}

void TObjStringGrid::SetColWidths(int ACol, int Value) {
    if (ACol < 0 || ACol >= FColCount) return;
    FColWidths[size_t(ACol)] = Value;
    Invalidate();
}

int TObjStringGrid::RowHeights(int ARow) const {
    return (ARow >= 0 && ARow < int(FRowHeights.size())) ? FRowHeights[size_t(ARow)] : FDefaultRowHeight;
}

void TObjStringGrid::SetRowHeights(int ARow, int Value) {
    if (ARow < 0 || ARow >= FRowCount) return;
    FRowHeights[size_t(ARow)] = Value;
    Invalidate();
}

void TObjStringGrid::SetFixedColor(plat::TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

void TObjStringGrid::SetOptions(TGridOptions Value) {
    FOptions = Value;
    Invalidate();
}

// --- scrolling ---------------------------------------------------------------
void TObjStringGrid::SetLeftCol(int Value) {
    Value = std::clamp(Value, std::min(FFixedCols, FColCount - 1), FColCount - 1);
    if (Value == FLeftCol) return;
    FLeftCol = Value;
    Invalidate();
    TopLeftChanged();
}

void TObjStringGrid::SetTopRow(int Value) {
    Value = std::clamp(Value, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
    if (Value == FTopRow) return;
    FTopRow = Value;
    Invalidate();
    TopLeftChanged();
}

int TObjStringGrid::VisibleColCount() const {
    int x = 0;
    for (int c = 0; c < FFixedCols; ++c) x += ColWidths(c);
    int n = 0;
    for (int c = FLeftCol; c < FColCount; ++c) {
        x += ColWidths(c);
        if (x > ClientWidth()) break;
        ++n;
    }
    return n;
}

int TObjStringGrid::VisibleRowCount() const {
    int y = 0;
    for (int r = 0; r < FFixedRows; ++r) y += RowHeights(r);
    int n = 0;
    for (int r = FTopRow; r < FRowCount; ++r) {
        y += RowHeights(r);
        if (y > ClientHeight()) break;
        ++n;
    }
    return n;
}

// --- current cell and selection ------------------------------------------------
bool TObjStringGrid::SelectCell(int, int) { return true; }

void TObjStringGrid::MoveCurrent(int ACol, int ARow) {
    ACol = std::clamp(ACol, std::min(FFixedCols, FColCount - 1), FColCount - 1);
    ARow = std::clamp(ARow, std::min(FFixedRows, FRowCount - 1), FRowCount - 1);
    if (ACol == FCol && ARow == FRow) return;
    if (!SelectCell(ACol, ARow)) return;
    InvalidateCell(FCol, FRow);
    FCol = ACol;
    FRow = ARow;
    FSelection = {ACol, ARow, ACol, ARow};
    ScrollIntoView(ACol, ARow);
    Invalidate();
}

void TObjStringGrid::SetCol(int Value) { MoveCurrent(Value, FRow); }
void TObjStringGrid::SetRow(int Value) { MoveCurrent(FCol, Value); }

void TObjStringGrid::SetSelection(const TGridRect& Value) {
    FSelection = {std::min(Value.Left, Value.Right), std::min(Value.Top, Value.Bottom),
                  std::max(Value.Left, Value.Right), std::max(Value.Top, Value.Bottom)};
    Invalidate();
}

void TObjStringGrid::ScrollIntoView(int ACol, int ARow) {
    bool moved = false;
    if (ACol >= FFixedCols) {
        if (ACol < FLeftCol) {
            FLeftCol = ACol;
            moved = true;
        }
        while (FLeftCol < ACol && ACol >= FLeftCol + std::max(VisibleColCount(), 1)) {
            ++FLeftCol;
            moved = true;
        }
    }
    if (ARow >= FFixedRows) {
        if (ARow < FTopRow) {
            FTopRow = ARow;
            moved = true;
        }
        while (FTopRow < ARow && ARow >= FTopRow + std::max(VisibleRowCount(), 1)) {
            ++FTopRow;
            moved = true;
        }
    }
    if (moved) TopLeftChanged();
}

plat::TRect TObjStringGrid::GridCellRect(int ACol, int ARow) const {
    if (ACol < 0 || ACol >= FColCount || ARow < 0 || ARow >= FRowCount) return {};
    if (ACol >= FFixedCols && ACol < FLeftCol) return {};
    if (ARow >= FFixedRows && ARow < FTopRow) return {};
    int x = 0, y = 0;
    for (int c = 0; c < std::min(ACol, FFixedCols); ++c) x += ColWidths(c);
    for (int c = FLeftCol; c < ACol && ACol >= FFixedCols; ++c) x += ColWidths(c);
    for (int r = 0; r < std::min(ARow, FFixedRows); ++r) y += RowHeights(r);
    for (int r = FTopRow; r < ARow && ARow >= FFixedRows; ++r) y += RowHeights(r);
    if (x >= ClientWidth() || y >= ClientHeight()) return {};
    return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

bool TObjStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    for (int r = 0; r < FRowCount; ++r) {
        if (r >= FFixedRows && r < FTopRow) continue;
        for (int c = 0; c < FColCount; ++c) {
            if (c >= FFixedCols && c < FLeftCol) continue;
            const plat::TRect rc = GridCellRect(c, r);
            if (X >= rc.Left && X < rc.Right && Y >= rc.Top && Y < rc.Bottom) {
                ACol = c;
                ARow = r;
                return true;
            }
        }
    }
    return false;
}

void TObjStringGrid::InvalidateCell(int, int) { Invalidate(); }

// --- painting and input --------------------------------------------------------
void TObjStringGrid::DrawCell(int, int, const plat::TRect&, TGridDrawState) {}

void TObjStringGrid::Paint() {
    plat::TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, ClientWidth(), ClientHeight()});
    const bool focused = Focused();
    auto paintRow = [&](int r) {
        auto paintCol = [&](int c) {
            const plat::TRect rc = GridCellRect(c, r);
            if (rc.Right <= rc.Left) return;
            TGridDrawState state;
            canvas.Brush().SetColor(Color());
            if (c < FFixedCols || r < FFixedRows) {
                state.Include(gdFixed);
                canvas.Brush().SetColor(FFixedColor);
            } else {
                const bool current = c == FCol && r == FRow;
                if (current && focused) state.Include(gdFocused);
                const bool inSel = c >= FSelection.Left && c <= FSelection.Right && r >= FSelection.Top &&
                                   r <= FSelection.Bottom;
                if (inSel && !(current && focused && !FOptions.Contains(goDrawFocusSelected)))
                    state.Include(gdSelected);
                if (state.Contains(gdSelected)) canvas.Brush().SetColor(plat::clHighlight);
            }
            canvas.Font() = Font();
            DrawCell(c, r, rc, state);
        };
        for (int c = 0; c < FFixedCols; ++c) paintCol(c);
        for (int c = FLeftCol; c < FColCount; ++c) {
            if (GridCellRect(c, r).Right <= 0 && c > FLeftCol) break;
            paintCol(c);
        }
    };
    for (int r = 0; r < FFixedRows; ++r) paintRow(r);
    for (int r = FTopRow; r < FRowCount; ++r) {
        if (GridCellRect(FLeftCol, r).Bottom <= 0 && GridCellRect(0, r).Bottom <= 0) break;
        paintRow(r);
    }
}

void TObjStringGrid::KeyDown(unsigned short& Key, plat::TShiftState Shift) {
    plat::TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
        case kLeft: MoveCurrent(FCol - 1, FRow); break;
        case kRight: MoveCurrent(FCol + 1, FRow); break;
        case kUp: MoveCurrent(FCol, FRow - 1); break;
        case kDown: MoveCurrent(FCol, FRow + 1); break;
        case kPageDown: MoveCurrent(FCol, FRow + std::max(VisibleRowCount(), 1)); break;
        case kPageUp: MoveCurrent(FCol, FRow - std::max(VisibleRowCount(), 1)); break;
        default: break;
    }
}

void TObjStringGrid::MouseDown(plat::TMouseButton Button, plat::TShiftState Shift, int X, int Y) {
    if (Button == plat::mbLeft) {
        if (CanFocus()) SetFocus();
        int c = 0, r = 0;
        if (MouseToCell(X, Y, c, r) && c >= FFixedCols && r >= FFixedRows) MoveCurrent(c, r);
    }
    plat::TCustomControl::MouseDown(Button, Shift, X, Y);
}

bool TObjStringGrid::DoMouseWheel(plat::TShiftState Shift, int WheelDelta, plat::TPoint MousePos) {
    if (plat::TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

bool TObjStringGrid::DoMouseWheelDown(plat::TShiftState, plat::TPoint) {
    MoveCurrent(FCol, FRow + 1);
    return true;
}

bool TObjStringGrid::DoMouseWheelUp(plat::TShiftState, plat::TPoint) {
    MoveCurrent(FCol, FRow - 1);
    return true;
}

}  // namespace grid
