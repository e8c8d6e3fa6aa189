// The per-cell questions painting, editing and the mouse ask: each applies
// the grid's own rule first and then lets the application answer through
// its event. The column grid overrides most of them per column.

#include <algorithm>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"

namespace grid {

void TExtStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, plat::TBrush& ABrush,
                                  plat::TFont& AFont) {
    if (FActiveCellShow) {
        const int d = DisplColIndex(ACol);
        const bool rowHeader = ARow == Row() && FixedCols() > 0 && d == FixedCols() - 1;
        const bool colHeader = d == Col() && FixedRows() > 0 && ARow == FixedRows() - 1;
        if (rowHeader || colHeader) {
            AFont.Assign(FActiveCellFont);
            ABrush.SetColor(FActiveCellColor);
        }
    }
    if (const TCellProperties* p = PropsOf(ACol, ARow)) {
        // Control-like cells keep the painter's brush: their face is drawn
        // over it.
        const TCellType t = GetCellType(ACol, ARow);
        if ((t == ctEmpty || t == ctIcon || t == ctNone || t == ctImageList || t == ctImages || t == ctComment) &&
            p->BrushColor() != plat::clNone)
            ABrush.SetColor(p->BrushColor());
        if (p->FontColor() != plat::clNone) AFont.SetColor(p->FontColor());
        if (!p->FontStyle().Empty()) AFont.SetStyle(p->FontStyle());
        if (p->FontSize() != 0) AFont.SetSize(p->FontSize());
        if (!p->FontName().empty()) AFont.SetName(p->FontName());
    }
    if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, std::string& Value) {
    Value = FCheckTrue;
    if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, std::string& Value) {
    Value = FCheckFalse;
    if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExtStringGrid::GetEditorKind(int ACol, int ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor) {
    if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExtStringGrid::HasNoEditor(int ACol, int ARow) {
    if (!OnGetEditorType) return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExtStringGrid::DoIsFixedCell(int ACol, int ARow, bool& IsFixed) {
    if (!IsFixed) {
        IsFixed = ACol < FixedCols() || ARow < FixedRows() ||
                  (FFixedRowAlways && RowCount() == FFixedRowsMin) ||
                  (FFixedColAlways && ColCount() == FFixedColsMin);
    }
    if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

bool TExtStringGrid::IsFixed(int ACol, int ARow) {
    if (FFixedFooters > 0 && ARow >= RowCount() - FFixedFooters) return true;
    if (FFixedRightCols > 0 && ACol >= ColCount() - FFixedRightCols) return true;
    bool fixed = false;
    DoIsFixedCell(ACol, ARow, fixed);
    return fixed;
}

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
    if (PropsOf(ACol, ARow) && CanEdit) {
        CanEdit = !ReadOnly(ACol, ARow);
        if (!Options().Contains(goEditing) && !FMouseActions.RangeSelectAndEdit()) CanEdit = false;
    }
    if (ACol < ColCount() + NumHiddenColumns()) DoCanEditCell(ACol, ARow, CanEdit);
    else CanEdit = true;
}

void TExtStringGrid::DoCanEditCell(int ACol, int ARow, bool& CanEdit) {
    if (OnCanEditCell) OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExtStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
    if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

bool TExtStringGrid::HasComboBox(int ACol, int ARow) {
    bool has = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (!FControlLook.DropDownAlwaysVisible()) return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditor(ACol, ARow, editor);
    return editor == edComboEdit || editor == edComboList;
}

bool TExtStringGrid::HasSpinEdit(int ACol, int ARow) {
    if (ACol < FixedCols() || ARow < FixedRows()) return false;
    bool has = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (!FControlLook.SpinButtonsAlwaysVisible()) return false;
    TEditorType editor = FDefaultEditor;
    GetEditorKind(ACol, ARow, editor);
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
           editor == edDateSpinEdit;
}

void TExtStringGrid::DoGetAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) {
    if (ACol == 0 && FMouseActions.HotmailRowSelect()) HAlign = plat::taCenter;
    if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

bool TExtStringGrid::GetColumnFilter(int Column) {
    FFilterList.Clear();
    if (FFilterDropDownAuto && (Column >= FixedCols() || FFilterDropDownAllColumns)) {
        // A sorted list without duplicates, compared as the list does:
        // without regard to case.
        // Gathered first, then sorted once: inserting each value in place
        // costs a move of the list per value, which 100,000 rows feel.
        std::vector<std::string> entries;
        auto add = [&entries](const std::string& text) {
            entries.push_back(text.find(' ') != std::string::npos ? text + "=\"" + text + "\"" : text);
        };
        for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) add(base::Trim(Cells(Column, r)));
        if (!FFilterIncremental)
            for (const TGridItem& item : FGridItems)
                add(Column >= 0 && Column < static_cast<int>(item.Items.size())
                        ? item.Items[static_cast<size_t>(Column)].Text
                        : std::string());
        // Equal values keep the first one met, as the list did.
        std::stable_sort(entries.begin(), entries.end(),
                         [](const auto& a, const auto& b) { return base::CompareText(a, b) < 0; });
        entries.erase(std::unique(entries.begin(), entries.end(),
                                  [](const auto& a, const auto& b) { return base::SameText(a, b); }),
                      entries.end());
        if (!FFilterDropDownClear.empty()) entries.insert(entries.begin(), FFilterDropDownClear);
        FFilterList.Assign(entries);
    }
    if (OnGetColumnFilter) OnGetColumnFilter(this, Column, FFilterList);
    return FFilterList.Count() > 0;
}

void TExtStringGrid::GetCellHint(int ACol, int ARow, std::string& Hint) {
    if (OnGridHint) OnGridHint(this, ARow, ACol, Hint);
}

}  // namespace grid
