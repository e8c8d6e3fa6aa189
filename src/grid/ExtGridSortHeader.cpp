// The header side of sorting and filtering: a release on the sort row sorts
// on the column (or adds it to the sort index), a release on a filter button
// opens the column's list, and the header cells paint the sort glyph and
// the filter button.

#include <algorithm>

#include "grid/ExtGridDataState.h"

namespace grid {

bool TExtStringGrid::IsSortIndicatorCell(int ACol, int ARow) {
    if (IsMergedCell(ACol, ARow)) ARow += CellSpan(ACol, ARow).Y;
    const TSortSettings& ss = SortSettings();
    return ARow == ss.Row() && ss.Show() && RowCount() > FixedRows() + 1;
}

bool TExtStringGrid::SortedHeaderFace(int ACol, int ARow, TColor& From, TColor& To, TColor& MirrorFrom,
                                      TColor& MirrorTo) {
    if (!FDataOps) return false;
    const TSortSettings& ss = SortSettings();
    if (ss.Column() < 0 || ss.HeaderColor() == plat::clNone || ARow != FixedRows() - 1) return false;
    if (RealColIndex(ACol) != ss.Column() || (ACol < FixedCols() && !ss.FixedCols())) return false;
    From = ss.HeaderColor();
    To = ss.HeaderColorTo();
    MirrorFrom = ss.HeaderMirrorColor();
    MirrorTo = ss.HeaderMirrorColorTo();
    return true;
}

bool TExtStringGrid::HeaderRelease(int ACol, int ARow, int X, int Y, plat::TShiftState Shift) {
    if (ARow >= FixedRows()) return false;
    if (HasFilterButton(ACol, ARow)) {
        const plat::TRect r = CellRect(ACol, ARow);
        if (X >= r.Right - 16 && Y < r.Top + 19) {
            ShowFilterDropDown(ACol);
            return true;
        }
    }
    const TSortSettings& ss = SortSettings();
    if (ARow != ss.Row() || !ss.Show() || RowCount() <= 2) return false;
    if (ACol < FixedCols() && !ss.FixedCols()) return false;
    const int rc = RealColIndex(ACol);
    if (IsInCheckBox(rc, ARow, X, Y)) return false;
    bool doSort = !IsIgnoredColumn(rc);
    if (OnCanSort) OnCanSort(this, rc, doSort);
    if (!doSort) return false;
    HeaderClickSort(ACol, Shift);
    return true;
}

void TExtStringGrid::HeaderClickSort(int ACol, plat::TShiftState Shift) {
    TSortSettings& ss = SortSettings();
    const int rc = RealColIndex(ACol);
    if (EditMode()) HideInplaceEdit();
    if (static_cast<int>(SortXRef().size()) != RowCount()) InitSortXRef();
    // The merged columns come apart for the sort and are merged again by
    // the new order afterwards, also when the sort fails.
    const bool remerge = ss.AutoColumnMerge();
    if (remerge) SplitMergedColumns();
    try {
        RunHeaderSort(rc, Shift);
    } catch (...) {
        if (remerge) RemergeColumns();
        throw;
    }
    if (remerge) RemergeColumns();
    Invalidate();
    if (OnClickSort) OnClickSort(this, ss.Column());
}

void TExtStringGrid::RunHeaderSort(int RCol, plat::TShiftState Shift) {
    TSortSettings& ss = SortSettings();
    const bool initAscending = ss.InitSortDirection() == sdAscending;
    if (ss.IndexShow()) {
        TSortIndexList& index = SortIndexes();
        const bool keyDown = ss.IndexSortKey() == ikShift ? (Shift & plat::ssShift) : (Shift & plat::ssCtrl);
        if (keyDown) {
            if (index.FindIndex(RCol) < 0) index.AddIndex(RCol, initAscending);
            else index.ToggleIndex(RCol);
        } else if (index.Count() == 1 && index.SortColumns(0) == RCol) {
            index.ToggleIndex(RCol);
        } else {
            index.Clear();
            index.AddIndex(RCol, initAscending);
        }
        if (HasNodes()) QSortGroupIndexed();
        else QSortIndexed();
        ss.SetColumn(index.Count() > 0 ? index.SortColumns(0) : -1);
    } else if (RCol == ss.Column()) {
        ss.ToggleDirection();
        if (ss.UndoSort() && ss.Direction() == ss.InitSortDirection()) {
            QUnSort();
            ss.SetColumn(-1);
        } else if (HasNodes()) {
            QSortGroup();
        } else {
            QSort();
        }
    } else {
        ss.SetColumn(RCol);
        ss.SetDirection(ss.InitSortDirection());
        if (HasNodes()) QSortGroup();
        else QSort();
    }
}

void TExtStringGrid::DrawSortIndicator(plat::TCanvas& Canvas, int ACol, int Y, int X) {
    const TSortSettings& ss = SortSettings();
    if (UseRightToLeftAlignment()) {
        // X counts from the left as in a grid read from the left; the glyph
        // goes to the mirrored place, left of where the text ends there.
        const bool glyphs = ss.IndexShow() ? !ss.IndexUpGlyph().Empty() && !ss.IndexDownGlyph().Empty()
                                           : !ss.UpGlyph().Empty() && !ss.DownGlyph().Empty();
        const plat::TBitmap& glyph = ss.IndexShow() ? ss.IndexUpGlyph() : ss.UpGlyph();
        X = MirrorX(X) - 3 - 7 - (glyphs ? glyph.Width() : 0);
    }
    auto line = [&](int x1, int y1, int x2, int y2) {
        Canvas.MoveTo(x1, y1);
        Canvas.LineTo(x2, y2);
    };
    if (ss.IndexShow()) {
        const int at = SortIndexes().FindIndex(ACol);
        if (at < 0) return;
        const bool glyphs = !ss.IndexUpGlyph().Empty() && !ss.IndexDownGlyph().Empty();
        const bool descending = !SortIndexes().SortDirections(at);
        Canvas.Brush().SetColor(ss.IndexColor());
        Canvas.Pen().SetColor(plat::clBlack);
        if (descending) {
            if (glyphs) Canvas.Draw(X - 7, Y - 7, ss.IndexUpGlyph());
            else Canvas.Polygon({{X - 7, Y - 5}, {X + 7, Y - 5}, {X, Y + 8}});
        } else {
            if (glyphs) Canvas.Draw(X - 7, Y - 7, ss.IndexDownGlyph());
            else Canvas.Polygon({{X - 6, Y + 8}, {X + 6, Y + 8}, {X, Y - 4}});
        }
        const plat::TFont saved = Canvas.Font();
        Canvas.Font().SetColor(plat::clBlack);
        Canvas.Font().SetSize(6);
        Canvas.SetBkMode(plat::TRANSPARENT);
        Canvas.TextOut(X - 2, descending ? Y - 4 : Y - 2, std::to_string(at + 1));
        Canvas.SetFont(saved);
        return;
    }
    const bool glyphs = !ss.UpGlyph().Empty() && !ss.DownGlyph().Empty();
    if (glyphs) {
        Canvas.Draw(X - 4, Y - 4, ss.Direction() == sdDescending ? ss.DownGlyph() : ss.UpGlyph());
        return;
    }
    if (ss.Direction() == sdDescending) {
        Canvas.Pen().SetColor(plat::clWhite);
        line(X + 4, Y - 4, X, Y + 4);
        Canvas.Pen().SetColor(plat::clGray);
        line(X, Y + 4, X - 4, Y - 4);
        line(X - 4, Y - 4, X + 4, Y - 4);
    } else {
        Canvas.Pen().SetColor(plat::clWhite);
        line(X - 4, Y + 4, X + 4, Y + 4);
        line(X + 4, Y + 4, X, Y - 4);
        Canvas.Pen().SetColor(plat::clGray);
        line(X, Y - 4, X - 4, Y + 4);
    }
    Canvas.Pen().SetColor(plat::clBlack);
}

void TExtStringGrid::DrawHeaderGlyphs(plat::TCanvas& Canvas, int ACol, int ARow, plat::TRect R, plat::TAlignment HA,
                                      TVAlignment VA, int TextWidth) {
    if (!FDataOps) return;  // nothing sorted or filtered yet
    const int rc = RealColIndex(ACol);
    if (HasFilterButton(ACol, ARow)) {
        const TFilterDropDown& fd = FilterDropDown();
        const bool active = FilterActive() && Filter().HasFilter(rc);
        const plat::TBitmap& glyph = active ? fd.GlyphActive() : fd.Glyph();
        // The button sits at the cell's trailing side: the left one when
        // the grid is mirrored.
        const int bx = UseRightToLeftAlignment() ? R.Left : R.Right - 16;
        if (!glyph.Empty()) {
            Canvas.Draw(bx, R.Top, glyph);
        } else {
            // The drawn button: a funnel-like triangle, filled when the
            // column filters.
            Canvas.Pen().SetColor(plat::clBlack);
            Canvas.Brush().SetColor(active ? plat::clBlack : FixedColor());
            const int cx = bx + 8, cy = R.Top + 8;
            Canvas.Polygon({{cx - 4, cy - 3}, {cx + 4, cy - 3}, {cx, cy + 2}});
        }
        if (UseRightToLeftAlignment()) R.Left += 16;
        else R.Right -= 16;
    }
    // The glyph is placed as in a grid read from the left; DrawSortIndicator
    // mirrors the place.
    R = MirrorRect(R);
    const TSortSettings& ss = SortSettings();
    if (!IsSortIndicatorCell(ACol, ARow) || (ACol < FixedCols() && !ss.FixedCols())) return;
    const bool sorted = ss.IndexShow() ? SortIndexes().FindIndex(rc) >= 0 : rc == ss.Column();
    if (!sorted) return;
    const int q = std::max(0, std::min(R.Right - R.Left - 16, TextWidth));
    int x = R.Left + q + 10;
    if (HA == plat::taRightJustify) x = R.Right - q - 10;
    else if (HA == plat::taCenter) x = R.Left + 8;
    int y = R.Top + (R.Bottom - R.Top) / 2;
    if (VA == vtaTop) y = R.Top + 8;
    else if (VA == vtaBottom) y = R.Bottom - 8;
    DrawSortIndicator(Canvas, rc, y, x);
}

}  // namespace grid
