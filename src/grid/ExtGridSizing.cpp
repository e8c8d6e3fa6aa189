// Column fitting to content and stretching a column over the free width.

#include <algorithm>
#include <memory>

#include "controls/ExtUtil.h"
#include "controls/HtmlText.h"
#include "grid/ExtGrid.h"
#include "platform/Bitmap.h"

namespace grid {

namespace {

int ClampWidth(int Value, int MinW, int MaxW) {
    if (MinW == MaxW) return Value;
    if (MinW > 0 && Value < MinW) return MinW;
    if (MaxW > 0 && Value > MaxW) return MaxW;
    return Value;
}
}  // namespace

int TExtStringGrid::CellTextWidth(int ACol, int ARow) {
    std::string text = Cells(ACol, ARow);
    if (text.empty()) return 0;
    if (ctl::GetCellTextKind(text, FEnableHTML) == ctl::ctkHtml) text = ctl::HtmlToPlainText(text);
    // Measuring needs a canvas, not a window: one small bitmap serves.
    static std::unique_ptr<plat::TBitmap> measure;
    if (!measure) measure = std::make_unique<plat::TBitmap>(1, 1);
    plat::TCanvas& canvas = measure->Canvas();
    const bool fixed = ACol < FixedCols() || ARow < FixedRows();
    canvas.Font().Assign(fixed ? FFixedFont : Font());
    int widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line[0] == '\n') line.erase(0, 1);
        widest = std::max(widest, canvas.TextWidth(line));
        start = end + 1;
    }
    return widest;
}

void TExtStringGrid::AutoSizeCol(int ACol, int Padding) {
    if (ACol < 0 || ACol >= ColCount()) return;
    const int real = RealColIndex(ACol);
    int first = 0, last = RowCount() - 1;
    switch (FColumnSize.Rows()) {
        case arNormal:
            first = FixedRows();
            last = RowCount() - FFixedFooters - 1;
            break;
        case arFixed:
            last = FixedRows() - 1;
            break;
        default:
            break;
    }
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        // A cell merged across columns shares its width with them: a title
        // over two columns must not widen the first to the whole title.
        if (IsXMergedCell(real, r)) continue;
        int w = GetCellGraphicSize(real, r).X + CellTextWidth(real, r);
        if (FControlLook.DropDownAlwaysVisible() && HasComboBox(real, r)) w += 16;
        // Room for the header's filter button and sort glyph, which are
        // painted beside the text.
        if (FFilterDropDownAuto && r == FilterDropDownRow() && GetColumnFilter(real)) w += 12;
        if (real == SortSettings().Column() && IsSortIndicatorCell(real, r)) w += 10;
        widest = std::max(widest, w);
    }
    int wanted = widest + GetCellPaddingX() + 2 * GridLineWidth() + 2;
    if (!(FSizeGrowOnly && ColWidths(ACol) >= wanted)) {
        DoUpdateAutoColumnSize(real, wanted);
        SetColWidths(ACol, ClampWidth(wanted, FMinColWidth, FMaxColWidth));
    }
    if (Padding != 0) SetColWidths(ACol, ClampWidth(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TExtStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

void TExtStringGrid::DoUpdateColumnSize(int ACol, int& AWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::DoUpdateAutoColumnSize(int ACol, int& AWidth) {
    if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::ApplyColumnStretch(int Index) {
    if (FLoading || FDestroying) return;
    if (Index == -1) Index = ColCount() - 1;
    // A stretch column that is not (or no longer) a column of the grid is
    // ignored; this runs on every resize and width change.
    if (Index < 0 || Index >= ColCount()) return;
    if (!FColumnSize.Stretch() || FIsColChanging) return;
    FIsColChanging = true;
    FColchgFlg = false;
    if (ColCount() == 1) {
        SetColWidths(0, ClientWidth());
    } else {
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != Index) others += ColWidths(c);
        if (others < ClientWidth()) SetColWidths(Index, ClientWidth() - others - 1);
        else if (LeftCol() == FixedCols()) SetColWidths(Index, DefaultColWidth());
    }
    FIsColChanging = false;
    FColchgFlg = true;
}

void TExtStringGrid::ColWidthsChanged() {
    // A width change re-stretches the stretch column; the stretch's own
    // width change does not come back here (FColchgFlg is off meanwhile).
    if (FColchgFlg && FColumnSize.Stretch()) ApplyColumnStretch(FColumnSize.StretchColumn());
    TBaseGrid::ColWidthsChanged();
    ColumnSizeFollowUp();
}

}  // namespace grid
