// Row filters of the string grid: the conditions, the row test, the levels
// of hidden rows an application adds, and the incremental contains-filter.

#include <cmath>

#include "base/StrUtils.h"
#include "controls/ExtUtil.h"
#include "controls/FilterMatch.h"
#include "controls/HtmlText.h"
#include "grid/ExtGridDataState.h"
#include "grid/ExtGridStructState.h"

namespace grid {

// ----------------------------------------------------------------- the conditions
void TFilterData::Assign(const TFilterData& Source) {
    Column = Source.Column;
    Condition = Source.Condition;
    CaseSensitive = Source.CaseSensitive;
    Data = Source.Data;
    Prefix = Source.Prefix;
    Suffix = Source.Suffix;
    Operation = Source.Operation;
}

TFilterData& TFilter::Add() {
    FItems.push_back(std::make_unique<TFilterData>());
    FItems.back()->Operation = FItems.size() == 1 ? foNONE : foAND;
    return *FItems.back();
}

TFilterData& TFilter::Insert(int Index) {
    // The index is honoured: an item asked for in front of others lands
    // there, not at the end.
    const int at = Index < 0 || Index > Count() ? Count() : Index;
    auto it = FItems.insert(FItems.begin() + at, std::make_unique<TFilterData>());
    return **it;
}

void TFilter::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void TFilter::Assign(const TFilter& Source) {
    FItems.clear();
    for (const auto& item : Source.FItems) {
        FItems.push_back(std::make_unique<TFilterData>());
        FItems.back()->Assign(*item);
        FItems.back()->Method = item->Method;
    }
}

TFilterData& TFilter::ColumnFilter(int Col) {
    for (auto& item : FItems)
        if (item->Column == Col) return *item;
    TFilterData& added = Add();
    added.Column = Col;
    return added;
}

bool TFilter::HasFilter(int Col) const {
    for (const auto& item : FItems)
        if (item->Column == Col) return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col) {
    for (int i = Count() - 1; i >= 0; --i)
        if (FItems[i]->Column == Col) FItems.erase(FItems.begin() + i);
    if (FGrid) FGrid->RepaintCell(Col, 0);
}

TFilter& TExtStringGrid::Filter() { return Ops().Filter; }

// ----------------------------------------------------------------- the row test
bool TExtStringGrid::MatchFilter(int ARow) {
    bool result = true;
    const TFilter& filter = Filter();
    for (int i = 0; i < filter.Count(); ++i) {
        const TFilterData& f = filter.Items(i);
        std::string text;
        switch (f.Data) {
            case fcVirtual: text = Cells(f.Column, ARow); break;
            case fcNormal: text = GetGridCell(f.Column, ARow); break;
            case fcStripHTML: text = StrippedCells(f.Column, ARow); break;
            // The text a formula would compute is the stored text here:
            // cells hold no formulas of their own.
            case fcCalculated: text = GetGridCell(f.Column, ARow); break;
            case fcRow:
                for (int c = 0; c < ColCount() + NumHiddenColumns(); ++c) {
                    if (c > 0) text += "\r\n";
                    text += Cells(c, ARow);
                }
                break;
        }
        text = base::Trim(text);
        if (text.find("|\\") != std::string::npos) {
            const std::u16string wide = ctl::DecodeWideCellText(text);
            std::string narrow;
            for (char16_t ch : wide) narrow += ch < 0x80 ? static_cast<char>(ch) : '?';
            text = narrow;
        }
        bool itemResult = true;
        if (f.Data == fcRow) {
            itemResult = base::UpperCase(text).find(base::UpperCase(f.Condition)) != std::string::npos;
        } else {
            if (!f.Prefix.empty() && text.rfind(f.Prefix, 0) == 0) text.erase(0, f.Prefix.size());
            if (!f.Suffix.empty()) {
                const size_t at = text.find(f.Suffix);
                if (at != std::string::npos && at + f.Suffix.size() == text.size()) text.erase(at);
            }
            if (!f.Condition.empty()) {
                if (f.Method == fmLiteral) {
                    itemResult = text == f.Condition;
                } else {
                    try {
                        itemResult = ctl::MatchFilterExpression(f.Condition, text, f.CaseSensitive);
                    } catch (const std::exception&) {
                        // A condition that cannot be read rejects the row.
                        itemResult = false;
                    }
                }
            }
        }
        bool stop = false;
        switch (f.Operation) {
            case foSHORT:
                result = itemResult;
                stop = !itemResult;
                break;
            case foNONE: result = itemResult; break;
            case foAND: result = result && itemResult; break;
            case foXOR: result = result != itemResult; break;
            case foOR: result = result || itemResult; break;
        }
        if (stop) break;
    }
    if (OnCustomFilter) OnCustomFilter(this, ARow, result);
    return result;
}

void TExtStringGrid::FilterRow(int ARow) {
    if (!MatchFilter(ARow)) HideRow(RealRowIndex(ARow));
}

// ----------------------------------------------------------------- levels
void TExtStringGrid::ApplyFilter() {
    TDataOpsState& ops = Ops();
    ops.FilterFixedRows = FixedRows();
    const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
    const int total = RowCount() - FixedFooters() - FixedRows();
    std::vector<int> failing;
    int lastPercent = -1;
    auto progress = [&](int Tested) {
        if (!OnFilterProgress || total <= 0) return;
        const int percent = static_cast<int>(std::lround(100.0 * Tested / total));
        if (percent != lastPercent) OnFilterProgress(this, percent);
        lastPercent = percent;
    };
    // Node and summary rows carry the structure of the rows below them:
    // hiding one would orphan its group. (Summary rows come only with
    // grouping, which makes nodes as well.)
    const bool keepStructure = FFilterNormalCellsOnly && HasNodes();
    for (int r = first; r <= last; ++r) {
        if (!(keepStructure && (IsNode(r) || IsSummary(r))) && !MatchFilter(r)) failing.push_back(r);
        progress(r - first + 1);
    }
    HideRowList(failing);
    if (OnFilterProgress && total > 0) OnFilterProgress(this, 100);
}

void TExtStringGrid::SetFilterActive(bool Value) {
    TStructState& st = St();
    if (st.FilterActive != Value) {
        st.FilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            ApplyFilter();
            EndUpdate();
        } else if (FFilterLevel > 0) {
            UnHideRowList();
            --FFilterLevel;
            if (Ops().FilterFixedRows >= 0) SetFixedRows(Ops().FilterFixedRows);
        }
        if (RowCount() > FixedRows()) SetTopRow(FixedRows());
        Invalidate();
    }
    CalcFooter(-1);
}

bool TExtStringGrid::RemoveLastFilter() {
    if (FFilterLevel <= 0) return false;
    UnHideRowList();
    if (Ops().FilterFixedRows >= 0 && Ops().FilterFixedRows < RowCount()) SetFixedRows(Ops().FilterFixedRows);
    --FFilterLevel;
    if (FFilterLevel == 0) St().FilterActive = false;
    CalcFooter(-1);
    Invalidate();
    return FFilterLevel > 0;
}

void TExtStringGrid::RemoveAllFilters() {
    if (FFilterLevel <= 0) {
        Filter().Clear();
        return;
    }
    while (FFilterLevel > 0) RemoveLastFilter();
}

void TExtStringGrid::NarrowDown(const std::string& ACondition, int AColumn) {
    TDataOpsState& ops = Ops();
    SetFixedRowAlways(true);
    auto addItem = [&] {
        Filter().Clear();
        TFilterData& f = Filter().Add();
        if (AColumn == -1) {
            f.Data = fcRow;
            f.Condition = ACondition;
        } else {
            f.Data = fcNormal;
            f.Condition = "*" + ACondition + "*";
            if (ACondition.find(' ') != std::string::npos) f.Condition = "\"" + f.Condition + "\"";
        }
        f.CaseSensitive = false;
        f.Column = AColumn;
        ApplyFilter();
        St().FilterActive = true;
    };
    const std::string& last = ops.LastNarrowDown;
    if (ACondition.size() == last.size() + 1 && ACondition.compare(0, last.size(), last) == 0) {
        addItem();
    } else if (!ACondition.empty() && ACondition.size() + 1 == last.size() &&
               last.compare(0, ACondition.size(), ACondition) == 0) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.empty()) addItem();
    }
    ops.LastNarrowDown = ACondition;
    // The totals follow the rows narrowing leaves, as for any filter.
    CalcFooter(-1);
}

}  // namespace grid
