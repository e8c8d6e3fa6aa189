// Row heights and cell sizes fitted to content, columns stretched over the
// control, and the control sized to its cells. Column fitting itself lives
// in ExtGridSizing.cpp.

#include <algorithm>
#include <cmath>
#include <memory>

#include "grid/ExtGrid.h"
#include "grid/ExtGridRowsState.h"
#include "platform/Bitmap.h"

namespace grid {

namespace {

// A size stays alone when the limits are equal; 0 means no limit.
int Clamp(int Value, int Min, int Max) {
    if (Min == Max) return Value;
    if (Min > 0 && Value < Min) return Min;
    if (Max > 0 && Value > Max) return Max;
    return Value;
}

plat::TCanvas& MeasureCanvas() {
    static std::unique_ptr<plat::TBitmap> measure;
    if (!measure) measure = std::make_unique<plat::TBitmap>(1, 1);
    return measure->Canvas();
}

}  // namespace

void TExtStringGrid::AutoSizeRow(int ARow, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (IsIgnoredColumn(real)) continue;
        // A cell of a vertical block does not size its row alone.
        if (IsYMergedCell(real, ARow) || IsMergedNonBaseCell(real, ARow)) continue;
        int h = 0;
        if (IsCellTypeIn(real, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRadioButton})) {
            h = DefaultRowHeight();
        } else {
            const int text = Cells(real, ARow).empty() ? 0 : GetCellTextSize(real, ARow, FWordWrap, false).Y;
            int graphic = GetCellGraphicSize(real, ARow).Y;
            // A graphic that fills its cell has the height of the row, so it
            // cannot ask for one: beside text it adds nothing, alone it asks
            // for a plain row.
            if (const TCellGraphic* g = GetCellGraphic(real, ARow); g && g->CellVAlign() == vaFull)
                graphic = text > 0 ? 0 : DefaultRowHeight();
            h = text + graphic;
        }
        tallest = std::max(tallest, h);
    }
    const int wanted = tallest + GetCellPaddingY() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly() ? 2 : 0);
    if (!(FSizeGrowOnly && RowHeights(ARow) >= wanted))
        SetRowHeights(ARow, Clamp(wanted, FMinRowHeight, FMaxRowHeight));
    if (Padding != 0) SetRowHeights(ARow, Clamp(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TExtStringGrid::SizeRowToLines(int ARow, int Lines, int Padding) {
    plat::TCanvas& canvas = MeasureCanvas();
    canvas.Font().Assign(ARow < FixedRows() ? FFixedFont : Font());
    if (OnGetCellColor && FixedCols() < TotalColCount()) {
        plat::TBrush brush;
        OnGetCellColor(this, ARow, FixedCols(), TGridDrawState{}, brush, canvas.Font());
    }
    const int h = canvas.TextHeight("gh");
    SetRowHeights(ARow, Clamp(Padding + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

void TExtStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
    if (RowCount() == 0) return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (FWordWrap) AutoSizeRow(r, Padding);
        else SizeRowToLines(r, GetRowMaxLines(r), Padding);
    }
    ExportNotification(esExportDone, -1);
    SetScrollBarAlways(FScrollBarAlways);
}

void TExtStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    BeginUpdate();
    for (int c = firstCol; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        int running = FSizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const plat::TPoint text = Cells(real, r).empty() ? plat::TPoint{0, 0} : GetCellTextSize(real, r, false, false);
            const plat::TPoint graphic = GetCellGraphicSize(real, r);
            int w = text.X + graphic.X + PaddingX + FXYOffset.X;
            int h = text.Y + graphic.Y + PaddingY + FXYOffset.Y;
            if (!IsXMergedCell(real, r) && w > running) {
                w = Clamp(w, FMinColWidth, FMaxColWidth);
                if (w > running) {
                    SetColWidths(c, w);
                    running = w;
                }
            }
            if (!IsYMergedCell(real, r) && h > RowHeights(r)) {
                h = Clamp(h, FMinRowHeight, FMaxRowHeight);
                if (h > RowHeights(r)) SetRowHeights(r, h);
            }
        }
        if (!FSizeGrowOnly && running == 0) SetColWidths(c, Clamp(0, FMinColWidth, FMaxColWidth));
    }
    EndUpdate();
}

plat::TFormBorderStyle TExtStringGrid::BorderStyle() { return Rw().BorderStyle; }

void TExtStringGrid::SetBorderStyle(plat::TFormBorderStyle Value) {
    Rw().BorderStyle = Value;
    Invalidate();
}

bool TExtStringGrid::Ctl3D() { return Rw().Ctl3D; }

void TExtStringGrid::SetCtl3D(bool Value) {
    Rw().Ctl3D = Value;
    Invalidate();
}

void TExtStringGrid::AutoFitColumns(bool DoFixedCells) {
    if (ColCount() == 0) return;
    const bool vertBar = FScrollBarAlways == saVert || FScrollBarAlways == saBoth ||
                         ((ScrollBars() == plat::ssVertical || ScrollBars() == plat::ssBoth) &&
                          VisibleRowCount() + FixedRows() < RowCount());
    const int s = vertBar ? plat::GetSystemMetrics(plat::SM_CXVSCROLL) : 0;
    // The frame takes its pixels from the width the columns may fill.
    const int b = BorderStyle() != plat::bsSingle ? 0 : Ctl3D() ? 4 : 2;
    int first = 0, last = ColCount() - 1, room = Width();
    if (!DoFixedCells) {
        first = FixedCols();
        last = ColCount() - FFixedRightCols - 1;
        for (int c = 0; c < first; ++c) room -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) room -= ColWidths(c);
    }
    int lines = Options().Contains(goVertLine) ? GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols) : 0;
    if (Options().Contains(goFixedVertLine) && DoFixedCells) lines += FixedCols() + FFixedRightCols;
    const int target = room - s - b;
    if (last < first) return;
    if (ColCount() < 2) {
        SetColWidths(0, Width() - s - 5);
    } else {
        long long sum = 0;
        for (int c = first; c <= last; ++c) sum += ColWidths(c);
        if (sum == target || sum <= 0) return;
        const double e = static_cast<double>(target - lines) / static_cast<double>(sum);
        double t = 0;
        for (int c = first; c <= last; ++c) t += std::round(e * ColWidths(c));
        for (int c = first; c <= last; ++c)
            SetColWidths(c, static_cast<int>(std::lround(ColWidths(c) * t / static_cast<double>(sum))));
    }
    int now = 0;
    for (int c = first; c <= last; ++c) now += ColWidths(c);
    int rest = target - now;
    const int n = last - first + 1;
    if (n > 1 && rest > n) {
        for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    int widest = first;
    for (int c = first + 1; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    if (rest != 0) SetColWidths(widest, ColWidths(widest) + rest);
}

void TExtStringGrid::SizeToCols() {
    int w = 0;
    for (int c = 0; c < ColCount(); ++c) w += ColWidths(c);
    SetClientWidth(w);
}

void TExtStringGrid::SizeToRows() {
    int h = 0;
    for (int r = 0; r < RowCount(); ++r) h += RowHeights(r);
    SetClientHeight(h);
}

void TExtStringGrid::SizeToCells() {
    const plat::TScrollStyle bars = ScrollBars();
    SetScrollBars(plat::ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

}  // namespace grid
