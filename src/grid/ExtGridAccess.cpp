// Smaller accessors of the string grid's structure: wide and current-cell
// text, row gradient colours, the print layout's columns, points to cells,
// repainting a rectangle, the editor's mask and the format and word-wrap
// questions.

#include <cstdlib>

#include "base/TextCodec.h"
#include "grid/ExtGrid.h"
#include "grid/ExtGridStructState.h"

namespace grid {

namespace {
constexpr int kPrintColumns = 512;
}  // namespace

std::u16string TExtStringGrid::GetWideCells(int ACol, int ARow) { return base::Utf8ToUtf16(Cells(ACol, ARow)); }

void TExtStringGrid::SetWideCells(int ACol, int ARow, const std::u16string& Value) {
    SetCells(ACol, ARow, base::Utf16ToUtf8(Value));
}

void TExtStringGrid::SetCurrentEditText(const std::string& Value) {
    // Inside a merged block the text belongs to the block's base cell.
    const int real = RealCol();
    if (IsBaseCell(real, Row())) {
        SetEditText(Col(), Row(), Value);
        return;
    }
    const plat::TPoint b = BaseCell(real, Row());
    SetEditText(DisplColIndex(b.X), b.Y, Value);
}

void TExtStringGrid::SetRowColorTo(int ARow, TColor Value) {
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != plat::clNone) GetCellProperties(c, ARow)->SetBrushColorTo(Value);
        // Clearing a gradient clears only the gradient: the properties also
        // hold check boxes, read-only flags, colours and the application's
        // objects, which must survive.
        else if (TCellProperties* p = PropsOf(c, ARow)) p->SetBrushColorTo(plat::clNone);
    }
    RepaintRow(ARow);
}

int TExtStringGrid::PrintColWidth(int ACol) const {
    if (ACol < 0 || ACol >= kPrintColumns) throw EExtGridError("Columns is not in valid range");
    return St().PrintColWidths[static_cast<size_t>(ACol)];
}

int TExtStringGrid::PrintColOffset(int ACol) const {
    if (ACol < 0 || ACol >= kPrintColumns) throw EExtGridError("Columns is not in valid range");
    return St().PrintColOffsets[static_cast<size_t>(ACol)];
}

void TExtStringGrid::SetPrintColLayout(int ACol, int Width, int Offset) {
    if (ACol < 0 || ACol >= kPrintColumns) throw EExtGridError("Columns is not in valid range");
    St().PrintColWidths[static_cast<size_t>(ACol)] = Width;
    St().PrintColOffsets[static_cast<size_t>(ACol)] = Offset;
}

void TExtStringGrid::ScreenToCell(plat::TPoint Pt, int& ACol, int& ARow) const {
    const plat::TPoint p = ScreenToClient(Pt);
    ACol = -1;
    ARow = -1;
    if (!MouseToCell(p.X, p.Y, ACol, ARow)) {
        ACol = -1;
        ARow = -1;
    }
}

bool TExtStringGrid::IsOnSizingBorder(int X, int Y) const {
    int c = -1, r = -1;
    if (!MouseToCell(X, Y, c, r) || c < 0 || r < 0) return false;
    const plat::TRect rect = ComputeCellRect(c, r);
    if (r <= FixedRows() && Options().Contains(goColSizing) &&
        (std::abs(X - rect.Left) < 4 || std::abs(rect.Right - X) < 4))
        return true;
    return c <= FixedCols() && Options().Contains(goRowSizing) &&
           (std::abs(Y - rect.Top) < 4 || std::abs(rect.Bottom - Y) < 4);
}

void TExtStringGrid::RepaintRect(const TGridRect& R) {
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
    // The framework invalidates whole controls only; the cells of the
    // rectangle are repainted with the rest.
    Invalidate();
}

void TExtStringGrid::EditCell(int ACol, int ARow) {
    if (CanFocus()) SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TExtStringGrid::UpdateEditMode() { (void)SelectCell(Col(), Row()); }

const std::string& TExtStringGrid::EditMask() const { return St().EditMask; }

void TExtStringGrid::SetEditMask(const std::string& Value) { St().EditMask = Value; }

std::string TExtStringGrid::GetEditMask(int ACol, int ARow) {
    std::string mask = St().EditMask;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
    return mask;
}

void TExtStringGrid::GetCellFormat(int ACol, TSortStyle& AStyle, std::string& APrefix, std::string& ASuffix) {
    if (OnGetFormat) OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TExtStringGrid::DoGetWordWrap(int ACol, int ARow, bool& AWordWrap) {
    if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, AWordWrap);
}

}  // namespace grid
