// The feedback of a column or row dragged to a new place: the dragged
// header (or a picture of the dragged cells) under the pointer, the arrows
// at the landing edge, and the grid scrolling on when the pointer passes
// its edge.

#include "grid/ExtGridMoveFeedback.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "grid/ExtGrid.h"
#include "grid/ExtGridDragDrop.h"
#include "platform/Forms.h"

namespace grid {

THeaderDragButton::THeaderDragButton(TExtStringGrid* AGrid) : plat::TCustomControl(AGrid), FGrid(AGrid) {
    SetVisible(false);
    SetColor(plat::clBtnFace);
}

void THeaderDragButton::Paint() {
    plat::TCanvas& c = Canvas();
    plat::TRect r{0, 0, Width(), Height()};
    c.Brush().SetColor(FGrid->FixedColor());
    c.FillRect(r);
    plat::TRect edge = r;
    c.DrawEdge(edge, plat::BDR_RAISEDINNER, plat::BF_RECT);
    c.Font().Assign(FGrid->FixedFont());
    c.Brush().SetStyle(plat::bsClear);
    plat::TRect text{r.Left + 2, r.Top, r.Right - 2, r.Bottom};
    c.DrawText(Caption(), text, plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE | plat::DT_END_ELLIPSIS);
}

TMoveArrow::TMoveArrow(TExtStringGrid* AGrid, TMoveArrowSide Side) : plat::TCustomControl(AGrid), FSide(Side) {
    SetVisible(false);
    SetColor(plat::clWhite);
}

void TMoveArrow::Paint() {
    plat::TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    c.Brush().SetColor(Color());
    c.FillRect({0, 0, w, h});
    std::vector<plat::TPoint> tri;
    switch (FSide) {
        case maUp: tri = {{w / 2, 0}, {w - 1, h - 1}, {0, h - 1}}; break;
        case maDown: tri = {{0, 0}, {w - 1, 0}, {w / 2, h - 1}}; break;
        case maLeft: tri = {{0, h / 2}, {w - 1, 0}, {w - 1, h - 1}}; break;
        case maRight: tri = {{0, 0}, {w - 1, h / 2}, {0, h - 1}}; break;
    }
    c.Pen().SetColor(plat::clBlack);
    c.Brush().SetColor(plat::clBlack);
    c.Polygon(tri);
}

struct TExtStringGrid::TMoveFeedbackState {
    int MoveCell = -1;            // the dragged column (row), displayed
    bool Cols = true;
    int MoveOfsX = 0, MoveOfsY = 0;  // the press inside the dragged header
    plat::TPoint DownPos{};
    THeaderDragButton* Button = nullptr;      // owned by the grid
    plat::TForm* Picture = nullptr;           // owned by the grid, made per drag
    std::array<TMoveArrow*, 4> Arrows{};      // owned by the grid
    bool FocusHandedOn = false;               // the parent has the keys for this drag
};

TExtStringGrid::TMoveFeedbackState& TExtStringGrid::Mv() {
    if (!FMoveFeedback) FMoveFeedback = std::make_shared<TMoveFeedbackState>();
    return *FMoveFeedback;
}

plat::TControl* TExtStringGrid::MoveDragImage() { return FMoveFeedback ? FMoveFeedback->Button : nullptr; }

plat::TForm* TExtStringGrid::MoveCellPicture() { return FMoveFeedback ? FMoveFeedback->Picture : nullptr; }

plat::TControl* TExtStringGrid::MoveArrow(int Side) {
    if (!FMoveFeedback || Side < maUp || Side > maRight) return nullptr;
    return FMoveFeedback->Arrows[size_t(Side)];
}

void TExtStringGrid::MoveFeedbackStart(int Cell, int X, int Y) {
    TMoveFeedbackState& m = Mv();
    m.Cols = GridState() == plat::gsColMoving;
    m.MoveCell = Cell;
    const plat::TRect r = m.Cols ? CellRect(Cell, 0) : CellRect(0, Cell);
    m.MoveOfsX = X - r.Left;
    m.MoveOfsY = Y - r.Top;
    m.DownPos = {X, Y};
    m.FocusHandedOn = false;
}

namespace {

// Places a control laid over the grid's form at a point given in the
// grid's client coordinates.
void PlaceOverForm(plat::TControl& Ctrl, plat::TControl& Grid, plat::TPoint At, int W, int H) {
    plat::TForm* form = Grid.ParentForm();
    if (!form) return;
    if (Ctrl.Parent() != form) Ctrl.SetParent(form);
    const plat::TPoint p = form->ScreenToClient(Grid.ClientToScreen(At));
    Ctrl.SetBounds(p.X, p.Y, W, H);
    Ctrl.SetVisible(true);
    Ctrl.BringToFront();
}

}  // namespace

void TExtStringGrid::MoveFeedback(plat::TGridCoord Cell, int X, int Y) {
    if (!FMoveFeedback || FMoveFeedback->MoveCell < 0) return;
    TMoveFeedbackState& m = *FMoveFeedback;
    if (plat::TPoint{X, Y} == m.DownPos) return;
    const bool cols = m.Cols;
    if (m.MoveCell < (cols ? FixedCols() : FixedRows())) return;

    // The header (or the cells) of the dragged column or row, under the
    // pointer where the press took it.
    const plat::TPoint imageAt{X - m.MoveOfsX, Y - m.MoveOfsY};
    if (DragDropSettings().ShowCells()) {
        if (!m.Picture) {
            const int lastRow = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
            const int lastCol = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
            m.Picture = SelectionToForm(cols ? TGridRect{m.MoveCell, 0, m.MoveCell, lastRow}
                                             : TGridRect{0, m.MoveCell, lastCol, m.MoveCell});
        }
        if (m.Picture) {
            plat::TPoint p = ClientToScreen(imageAt);
            // A mirrored grid has the header at the picture's right end:
            // the picture's right edge goes where the header's is.
            if (UseRightToLeftAlignment())
                p.X -= m.Picture->Width() - (cols ? ColWidths(m.MoveCell) : ColWidths(0));
            m.Picture->SetBounds(p.X, p.Y, m.Picture->Width(), m.Picture->Height());
            m.Picture->Show();
        }
    } else {
        if (!m.Button) m.Button = new THeaderDragButton(this);
        const int rcol = cols ? RealColIndex(m.MoveCell) : RealColIndex(0);
        m.Button->SetCaption(cols ? Cells(rcol, 0) : Cells(rcol, m.MoveCell));
        const int w = cols ? ColWidths(m.MoveCell) : ColWidths(0);
        const int h = cols ? RowHeights(0) : RowHeights(m.MoveCell);
        PlaceOverForm(*m.Button, *this, imageAt, w, h);
        m.Button->Invalidate();
    }

    // While a column (row) is carried the keys go to the grid's parent:
    // the grid shows no current cell and no editor under the image.
    if (!m.FocusHandedOn) {
        m.FocusHandedOn = true;
        if (plat::TWinControl* parent = Parent(); parent && parent->CanFocus()) parent->SetFocus();
    }

    // The arrows mark the edge the column (row) would land at: the left
    // edge of a target left of the dragged column, else its right edge; in
    // a mirrored grid the columns before the dragged one lie right of it.
    for (int side = maUp; side <= maRight; ++side) {
        TMoveArrow*& a = m.Arrows[size_t(side)];
        if (!a) a = new TMoveArrow(this, TMoveArrowSide(side));
    }
    const int target = cols ? Cell.X : Cell.Y;
    const bool visible = cols ? target >= std::max(FixedCols(), LeftCol()) && target < LeftCol() + VisibleColCount() + 1 &&
                                    target < ColCount() && Cell.Y >= 0
                              : target >= std::max(FixedRows(), TopRow()) && target < TopRow() + VisibleRowCount() + 1 &&
                                    target < RowCount() && Cell.X >= 0;
    const bool footerRow = !cols && target == RowCount() - 1 && FFixedFooters > 0;
    for (TMoveArrow* a : m.Arrows) a->SetVisible(false);
    if (visible && !footerRow) {
        const constexpr int s = TMoveArrow::Size;
        if (cols) {
            const plat::TRect r = CellRect(target, 0);
            const bool leadingEdge = (target < m.MoveCell) != UseRightToLeftAlignment();
            const int edge = (leadingEdge ? r.Left : r.Right) - s / 2;
            PlaceOverForm(*m.Arrows[maUp], *this, {edge, r.Bottom}, s, 8);
            PlaceOverForm(*m.Arrows[maDown], *this, {edge, r.Top - 8}, s, 8);
        } else {
            const plat::TRect r = CellRect(0, target);
            const int edge = (target > m.MoveCell ? r.Bottom : r.Top) - s / 2;
            PlaceOverForm(*m.Arrows[maRight], *this, {r.Left - s, edge}, s, s);
            PlaceOverForm(*m.Arrows[maLeft], *this, {r.Right, edge}, s, s);
        }
    }

    // Past the grid's edge (or over its headers) the grid scrolls on, so a
    // column can be taken to a place not yet in sight.
    if (cols && ColCount() - FixedCols() > VisibleColCount()) {
        const bool pastEnd = UseRightToLeftAlignment() ? X < 0 : X > Width();
        if (MirrorX(X) < FixedColsWidth() && LeftCol() > FixedCols())
            SetLeftCol(LeftCol() - 1);
        else if (pastEnd && LeftCol() + VisibleColCount() < ColCount())
            SetLeftCol(LeftCol() + 1);
    }
    if (!cols && RowCount() - FixedRows() > VisibleRowCount()) {
        if (Y < FixedRowsHeight() && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) SetTopRow(TopRow() + 1);
    }
}

void TExtStringGrid::EndMoveFeedback() {
    if (!FMoveFeedback) return;
    TMoveFeedbackState& m = *FMoveFeedback;
    m.MoveCell = -1;
    if (m.Button) m.Button->SetVisible(false);
    for (TMoveArrow* a : m.Arrows)
        if (a) a->SetVisible(false);
    delete m.Picture;
    m.Picture = nullptr;
}

}  // namespace grid
