// Find and replace over the grid's cells: the cell test, the scan row by
// row or column by column in either direction, the move to a hit, and the
// prefix search of a sorted column.

#include <algorithm>

#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "controls/FilterMatch.h"
#include "controls/HtmlText.h"
#include "grid/ExtGridDataState.h"

namespace grid {

plat::TPoint TExtStringGrid::SearchCell() { return Ops().SearchCell; }
void TExtStringGrid::SetSearchCell(plat::TPoint Value) { Ops().SearchCell = Value; }

void TExtStringGrid::SetPresetSearch(int ACol, int ARow) {
    Ops().PresetCol = ACol;
    Ops().PresetRow = ARow;
}

bool TExtStringGrid::FindMatches(int ACol, int ARow, const std::string& Prepared, TFindParams P) {
    const int rc = P.Contains(fnIncludeHiddenColumns) ? ACol : RealColIndex(ACol);
    std::string text = P.Contains(fnIncludeHiddenRows) ? AllCells(rc, ARow) : Cells(rc, ARow);
    if (!P.Contains(fnMatchCase)) text = base::UpperCase(text);
    if (P.Contains(fnIgnoreHTMLTags)) text = ctl::HtmlToPlainText(text);
    if (P.Contains(fnMatchRegular)) {
        try {
            return ctl::MatchFilterExpression(Prepared, text, P.Contains(fnMatchCase));
        } catch (const std::exception&) {
            // An expression that cannot be read finds nothing.
            return false;
        }
    }
    if (Prepared == "\"\"") return text.empty();
    const size_t p = text.find(Prepared);
    if (p == std::string::npos || (P.Contains(fnMatchStart) && p != 0)) return false;
    return !P.Contains(fnMatchFull) || text == Prepared;
}

plat::TPoint TExtStringGrid::Find(plat::TPoint StartCell, const std::string& s, TFindParams P) {
    // The search reports its progress as an export does: a hit ends it as
    // "failed" to go on, a miss as done.
    ExportNotification(esExportStart, -1);
    const plat::TPoint hit = FindCell(StartCell, s, P);
    ExportNotification(hit.X >= 0 ? esExportFail : esExportDone, -1);
    return hit;
}

plat::TPoint TExtStringGrid::FindCell(plat::TPoint StartCell, const std::string& s, TFindParams P) {
    TDataOpsState& ops = Ops();
    ops.FindParams = P;
    ops.FindText = P.Contains(fnMatchCase) ? s : base::UpperCase(s);
    const plat::TPoint none{-1, -1};
    if (ColCount() <= FixedCols() || RowCount() + NumHiddenRows() <= FixedRows()) return none;
    int left = FixedCols(), right = ColCount() - FixedRightCols() - 1;
    int top = FixedRows(), bottom = RowCount() - FixedFooters() - 1;
    if (P.Contains(fnIncludeFixed)) {
        left = top = 0;
        right = ColCount() - 1;
        bottom = RowCount() - 1;
    }
    if (P.Contains(fnSelectedCells)) {
        const TGridRect sel = Selection();
        left = std::min(sel.Left, sel.Right);
        right = std::max(sel.Left, sel.Right);
        top = std::min(sel.Top, sel.Bottom);
        bottom = std::max(sel.Top, sel.Bottom);
    }
    if (P.Contains(fnIncludeHiddenColumns)) right += NumHiddenColumns();
    if (P.Contains(fnIncludeHiddenRows)) bottom += NumHiddenRows();
    if (P.Contains(fnFindInCurrentRow)) top = bottom = Row();
    if (P.Contains(fnFindInPresetRow)) top = bottom = ops.PresetRow;
    if (P.Contains(fnFindInCurrentCol)) left = right = Col();
    if (P.Contains(fnFindInPresetCol)) left = right = ops.PresetCol;
    if (left > right || top > bottom || left < 0 || top < 0) return none;

    // Cells are visited in one linear order: row by row (columns inner)
    // or column by column (rows inner), forwards or backwards.
    const bool rowWise = P.Contains(fnDirectionLeftRight);
    const bool back = P.Contains(fnBackward);
    const long long w = right - left + 1, h = bottom - top + 1;
    const long long total = w * h;
    auto cellAt = [&](long long i) {
        return rowWise ? plat::TPoint{static_cast<int>(left + i % w), static_cast<int>(top + i / w)}
                       : plat::TPoint{static_cast<int>(left + i / h), static_cast<int>(top + i % h)};
    };
    long long i = back ? total - 1 : 0;
    if (StartCell.X != -1 || StartCell.Y != -1) {
        const long long sc = std::clamp<long long>(StartCell.X, left - 1, right + 1) - left;
        const long long sr = std::clamp<long long>(StartCell.Y, top - 1, bottom + 1) - top;
        long long at = rowWise ? sr * w + sc : sc * h + sr;
        // A start outside the range begins the scan at its first (or, going
        // backwards, last) cell.
        if (at < 0 || at >= total) at = back ? total : -1;
        i = back ? at - 1 : at + 1;
    }
    for (; i >= 0 && i < total; i += back ? -1 : 1) {
        const plat::TPoint c = cellAt(i);
        if (rowWise && IsIgnoredColumn(P.Contains(fnIncludeHiddenColumns) ? c.X : RealColIndex(c.X))) continue;
        ExportNotification(esExportNewRow, c.Y);
        if (!FindMatches(c.X, c.Y, ops.FindText, P)) continue;
        ops.SearchCell = c;
        if (P.Contains(fnAutoGoto)) GotoFoundCell(c, P);
        return c;
    }
    return none;
}

void TExtStringGrid::GotoFoundCell(plat::TPoint Hit, TFindParams P) {
    int row = Hit.Y;
    if (P.Contains(fnIncludeHiddenRows)) {
        // The scan counted the hidden rows in, so the hit is a real row. In
        // a contracted node the node opens first: it is the shown row just
        // above the rows it hides.
        if (IsHiddenRow(row) && HasNodes()) {
            const int above = DisplRowIndex(row) - 1;
            if (above >= FixedRows() && GetNodeState(above)) ExpandNode(RealRowIndex(above));
        }
        // A row still hidden (filtered out) has no place to go to.
        if (IsHiddenRow(row)) return;
        row = DisplRowIndex(row);
    }
    if (row < 0 || row >= RowCount()) return;
    const int dc = P.Contains(fnIncludeHiddenColumns) ? DisplColIndex(Hit.X) : Hit.X;
    if (FMouseActions.DisjunctRowSelect()) {
        ClearRowSelect();
        SelectRows(row, 1);
        MoveCurrentCell(Col(), row);
    } else if (dc >= 0 && dc < ColCount()) {
        MoveCurrentCell(dc, row);
    }
    ScrollInView(std::max(dc, FixedCols()), row);
}

plat::TPoint TExtStringGrid::FindWide(plat::TPoint StartCell, const std::u16string& s, TFindParams FindParams) {
    return Find(StartCell, base::Utf16ToUtf8(s), FindParams);
}

plat::TPoint TExtStringGrid::FindFirst(const std::string& s, TFindParams FindParams) {
    const plat::TPoint hit = Find({-1, -1}, s, FindParams);
    Ops().SearchCell = hit;
    return hit;
}

plat::TPoint TExtStringGrid::FindNext() {
    TDataOpsState& ops = Ops();
    // The prepared text is already in the case the search compares in.
    const plat::TPoint hit = Find(ops.SearchCell, ops.FindText, ops.FindParams);
    ops.SearchCell = hit;
    return hit;
}

int TExtStringGrid::Replace(const std::string& OrigStr, const std::string& NewStr, TFindParams FindParams) {
    if (OrigStr.empty()) return 0;
    const bool matchCase = FindParams.Contains(fnMatchCase);
    int count = 0;
    plat::TPoint at{-1, -1};
    while (true) {
        at = Find(at, OrigStr, FindParams);
        if (at.X < 0) break;
        const int rc = FindParams.Contains(fnIncludeHiddenColumns) ? at.X : RealColIndex(at.X);
        const bool hidden = FindParams.Contains(fnIncludeHiddenRows);
        const std::string text = hidden ? AllCells(rc, at.Y) : Cells(rc, at.Y);
        // Occurrences are replaced in the case the search matched them in:
        // with match case on, "a" in "Aa" leaves the capital alone.
        const std::string hay = matchCase ? text : base::UpperCase(text);
        const std::string needle = matchCase ? OrigStr : base::UpperCase(OrigStr);
        std::string result;
        size_t from = 0;
        for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, from)) {
            result.append(text, from, p - from);
            result += NewStr;
            from = p + needle.size();
        }
        result.append(text, from, std::string::npos);
        if (result != text) {
            if (hidden) SetAllCells(rc, at.Y, result);
            else SetCells(rc, at.Y, result);
            if (FShowModified.Enabled()) SetRowModified(hidden ? at.Y : RealRowIndex(at.Y), true);
            ++count;
        }
    }
    return count;
}

int TExtStringGrid::Search(const std::string& s) {
    if (RowCount() < 2) return -1;
    int col = FixedCols();
    const TSortSettings& ss = SortSettings();
    if (ss.Show()) {
        if (ss.IndexShow()) col = SortIndexes().Count() > 0 ? SortIndexes().SortColumns(0) : FixedCols();
        else col = ss.Column();
    }
    if (col < 0) return -1;
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const std::string text = base::UpperCase(StrippedCells(col, r));
        if (text.compare(0, s.size(), s) == 0 && text.size() >= s.size()) return r;
    }
    return -1;
}

}  // namespace grid
