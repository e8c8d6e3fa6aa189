// What the grid does after something else happened: a key released
// (disjunct cell selection, the always-edit rule), a change of the search
// footer's settings, the recording of the column sizes.

#include <algorithm>

#include "grid/ExtGridPaint.h"
#include "grid/ExtGridView.h"

namespace grid {

namespace {
bool IsArrow(unsigned short Key) { return Key >= plat::VK_LEFT && Key <= plat::VK_DOWN; }

TGridRect Normalised(TGridRect R) {
    if (R.Left > R.Right) std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom) std::swap(R.Top, R.Bottom);
    return R;
}
}  // namespace

void TExtStringGrid::KeyUp(unsigned short& Key, plat::TShiftState Shift) {
    // The key has moved the selection by now: the block to take out of the
    // disjunct list is the one the previous key left.
    TViewState& v = View();
    const TGridRect before = Normalised(v.KeySelectionKnown ? v.KeySelection : Selection());
    const unsigned short key = Key;
    TBaseGrid::KeyUp(Key, Shift);
    const bool editing = Options().Contains(goEditing);
    if (FNavigation.AlwaysEdit() && (IsArrow(key) || (key == plat::VK_TAB && Options().Contains(goTabs))) &&
        !IsControlCell(RealColIndex(Col()), Row()))
        ShowInplaceEdit();
    v.KeySelection = Selection();
    v.KeySelectionKnown = true;
    if (!FMouseActions.DisjunctCellSelect() || editing) return;
    if ((Shift & plat::ssShift) != 0) {
        for (int c = before.Left; c <= before.Right; ++c)
            for (int r = before.Top; r <= before.Bottom; ++r) SetSelectedCells(c, r, false);
        const TGridRect now = Normalised(Selection());
        for (int c = now.Left; c <= now.Right; ++c)
            for (int r = now.Top; r <= now.Bottom; ++r)
                if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
    }
    if (key != plat::VK_SPACE) return;
    const plat::TPoint b = BaseCell(Col(), Row());
    if (!IsFixed(b.X, b.Y)) {
        bool canSelect = true;
        if (OnSelectCell) OnSelectCell(this, b.X, b.Y, canSelect);
        if (!canSelect) return;
        if ((Shift & plat::ssCtrl) != 0) {
            SetSelectedCells(b.X, b.Y, !GetSelectedCells(b.X, b.Y));
        } else {
            ClearSelectedCells();
            SetSelectedCells(b.X, b.Y, true);
        }
    }
    const TGridRect sel = Selection();
    if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (c != b.X || r != b.Y) SetSelectedCells(c, r, true);
    }
    RepaintCell(Col(), Row());
}

// ----------------------------------------------------------------- search footer
TExtStringGrid::TSearchFooterLayout TExtStringGrid::UpdateSearchFooter() {
    const TSearchFooter& f = SearchFooter();
    TSearchFooterLayout l;
    l.Visible = f.Visible();
    l.MatchCaseLeft = f.ShowHighLight() ? 425 : 330;
    l.HighlightHeight = f.ShowHighLight() ? 23 : 0;
    l.FindNextHeight = f.ShowFindNext() ? 23 : 0;
    l.FindPrevHeight = f.ShowFindPrev() ? 23 : 0;
    l.MatchCaseHeight = f.ShowMatchCase() ? 18 : 0;
    l.CloseVisible = f.ShowClose();
    if (l.Visible) {
        l.PanelHeight = 32;
        l.PanelTop = Height() - 32;
    }
    return l;
}

// ----------------------------------------------------------------- recorded sizes
void TExtStringGrid::InitOrigColSizes() {
    TViewState& v = View();
    v.OrigColSizes.clear();
    for (int c = 0; c < ColCount(); ++c) v.OrigColSizes.push_back(ColWidths(c));
    v.OrigGridWidth = Width();
}

const std::vector<int>& TExtStringGrid::OrigColSizes() { return View().OrigColSizes; }
int TExtStringGrid::OrigGridWidth() { return View().OrigGridWidth; }

// ----------------------------------------------------------------- selection frame and spreadsheet
bool TExtStringGrid::SelectionRectangle() { return View().SelectionRectangle; }

void TExtStringGrid::SetSelectionRectangle(bool Value) {
    if (View().SelectionRectangle == Value) return;
    View().SelectionRectangle = Value;
    Invalidate();
}

bool TExtStringGrid::SelectionResizer() { return View().SelectionResizer; }

void TExtStringGrid::SetSelectionResizer(bool Value) {
    if (View().SelectionResizer == Value) return;
    View().SelectionResizer = Value;
    Invalidate();
}

bool TExtStringGrid::SpreadSheet() { return View().SpreadSheet; }

void TExtStringGrid::SetSpreadSheet(bool Value) {
    View().SpreadSheet = Value;
    // Switching it off leaves the settings it turned on: the user may have
    // chosen them for themselves meanwhile.
    if (!Value) return;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation.SetAllowSmartClipboard(true);
    FMouseActions.SetRangeSelectAndEdit(true);
    SetOptions(Options() + TGridOptions{goRangeSelect, goEditing});
}

// ----------------------------------------------------------------- theme, auto size, column drag
bool TExtStringGrid::AutoThemeAdapt() { return View().AutoThemeAdapt; }

void TExtStringGrid::SetAutoThemeAdapt(bool Value) {
    TViewState& v = View();
    if (v.AutoThemeAdapt == Value) return;
    v.AutoThemeAdapt = Value;
    v.SearchFooter.SetAutoThemeAdapt(Value);
    if (!Value || FLoading) return;
    Painter().AdaptToOfficeTheme();
    Invalidate();
}

void TExtStringGrid::OleColumnDragStart(int ACol, int AIndex, plat::TObject* AList) {
    TViewState& v = View();
    v.OleDragCol = ACol;
    v.OleDragIndex = AIndex;
    v.OleDragList = AList;
}

int TExtStringGrid::OleDragCol() { return View().OleDragCol; }
int TExtStringGrid::OleDragIndex() { return View().OleDragIndex; }
plat::TObject* TExtStringGrid::OleDragList() { return View().OleDragList; }

void TExtStringGrid::EndOleColumnDrag() {
    TViewState& v = View();
    v.OleDragCol = v.OleDragIndex = -1;
    v.OleDragList = nullptr;
}

// ----------------------------------------------------------------- drawing switches
bool TExtStringGrid::NoDefaultDraw() { return View().NoDefaultDraw; }
void TExtStringGrid::SetNoDefaultDraw(bool Value) {
    View().NoDefaultDraw = Value;
    Invalidate();
}
bool TExtStringGrid::NoImageAndText() { return View().NoImageAndText; }
void TExtStringGrid::SetNoImageAndText(bool Value) {
    View().NoImageAndText = Value;
    Invalidate();
}
bool TExtStringGrid::HideFocusRect() { return View().HideFocusRect; }
void TExtStringGrid::SetHideFocusRect(bool Value) {
    View().HideFocusRect = Value;
    Invalidate();
}

}  // namespace grid
