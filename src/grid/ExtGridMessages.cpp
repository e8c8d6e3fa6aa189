// The string grid's own window procedure and its message handlers: the
// grid timer (blinking text, hover focus), middle-button panning, painting
// held back under the update lock, and the columns following the grid's
// size (all of them in proportion, or the stretch column).

#include <algorithm>

#include "base/StrUtils.h"
#include "grid/ExtGridEditors.h"
#include "grid/ExtGridInput.h"
#include "platform/Application.h"

namespace grid {

namespace {

// Direction of the pointer from the pan origin, with a dead zone of five
// pixels each side.
int PanDirection(int Delta) { return Delta < -5 ? -1 : Delta > 5 ? 1 : 0; }

}  // namespace

bool TExtStringGrid::Hovering() const { return FInput && FInput->Hovering; }
void TExtStringGrid::SetHovering(bool Value) { In().Hovering = Value; }
bool TExtStringGrid::EnableBlink() const { return FInput && FInput->EnableBlink; }
void TExtStringGrid::SetEnableBlink(bool Value) {
    In().EnableBlink = Value;
    if (!Value) In().GridBlink = false;
}
bool TExtStringGrid::GridBlink() const { return FInput && FInput->GridBlink; }
int TExtStringGrid::TimerTicks() const { return FInput ? FInput->TimerTicks : 0; }
bool TExtStringGrid::IsPanning() const { return FInput && FInput->Panning; }

int TExtStringGrid::PanCursorFor(int DX, int DY, TIntelliPan Pan) {
    int h = PanDirection(DX), v = PanDirection(DY);
    if (Pan == ipHorizontal) v = 0;
    if (Pan == ipVertical) h = 0;
    if (h == 0 && v == 0) return 8000;
    if (v == 0) return h > 0 ? 8003 : 8002;
    if (h == 0) return v > 0 ? 8001 : 8004;
    if (v < 0) return h < 0 ? 8006 : 8005;
    return h < 0 ? 8008 : 8007;
}

void TExtStringGrid::WndProc(plat::TMessage& Message) {
    if (FDestroying) {
        TBaseGrid::WndProc(Message);
        return;
    }
    TInputState& in = In();
    if (!in.TimerStarted) {
        // The grid timer runs from the window's first message to its end.
        in.TimerStarted = true;
        SetTimer(GridTimerID, 500);
    }
    switch (Message.Msg) {
        case plat::WM_DESTROY:
            if (in.Panning) StopPanning();
            KillTimer(GridTimerID);
            break;
        case plat::WM_MBUTTONDOWN:
            if (!in.Panning) {
                if (FIntelliPan != ipNone && RowCount() > FixedRows()) {
                    in.Panning = true;
                    in.PanOrigin = {plat::LoWordSigned(Message.LParam), plat::HiWordSigned(Message.LParam)};
                    in.PanMouse = in.PanOrigin;
                    in.PanCursor = 8000;
                    in.SavedCursor = Cursor();
                    SetCursor(plat::crSizeAll);
                    SetTimer(PanTimerID, 10);
                    SetMouseCapture(true);
                    SetShowHint(false);
                }
                break;
            }
            StopPanning();
            break;
        case plat::WM_LBUTTONDOWN:
        case plat::WM_RBUTTONDOWN:
        case plat::WM_KEYDOWN:
            // Any press ends panning and is then handled as usual.
            if (in.Panning) StopPanning();
            break;
        case plat::WM_MOUSEMOVE:
            if (in.Panning) in.PanMouse = {plat::LoWordSigned(Message.LParam), plat::HiWordSigned(Message.LParam)};
            break;
        case plat::WM_TIMER:
            if (Message.WParam == PanTimerID) {
                if (in.Panning) PanStep();
                return;
            }
            break;
        default: break;
    }
    TBaseGrid::WndProc(Message);
}

void TExtStringGrid::StopPanning() {
    TInputState& in = In();
    in.Panning = false;
    KillTimer(PanTimerID);
    SetMouseCapture(false);
    SetCursor(in.SavedCursor);
    SetShowHint(true);
}

// One panning step: the current cell (or, with the wheel set to scroll,
// the view) moves one cell towards the pointer.
void TExtStringGrid::PanStep() {
    TInputState& in = In();
    const TGridRect before = Selection();
    int h = PanDirection(in.PanMouse.X - in.PanOrigin.X), v = PanDirection(in.PanMouse.Y - in.PanOrigin.Y);
    if (FIntelliPan == ipHorizontal) v = 0;
    if (FIntelliPan == ipVertical) h = 0;
    in.PanCursor = PanCursorFor(in.PanMouse.X - in.PanOrigin.X, in.PanMouse.Y - in.PanOrigin.Y, FIntelliPan);
    const int lastRow = RowCount() - FFixedFooters - 1, lastCol = ColCount() - FFixedRightCols - 1;
    if (lastRow < FixedRows() || lastCol < FixedCols()) return;
    int c = std::clamp(Col(), FixedCols(), lastCol), r = std::clamp(Row(), FixedRows(), lastRow);
    if (FMouseActions.WheelAction() == waScroll) {
        if (h < 0 && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
        if (h > 0 && LeftCol() < ColCount() - VisibleColCount()) SetLeftCol(LeftCol() + 1);
        if (v < 0 && TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        if (v > 0 && TopRow() < RowCount() - VisibleRowCount()) SetTopRow(TopRow() + 1);
    } else {
        if (h < 0 && c > FixedCols()) --c;
        if (h > 0 && c < lastCol) ++c;
        if (v < 0 && r > FixedRows()) --r;
        if (v > 0 && r < lastRow) ++r;
    }
    if (c != Col() || r != Row()) MoveColRow(c, r, true, true);
    ReportSelection(before);
}

void TExtStringGrid::WMTimer(plat::TMessage& Message) {
    if (Message.WParam != GridTimerID) {
        TBaseGrid::WMTimer(Message);
        return;
    }
    GridTimerTick();
}

void TExtStringGrid::GridTimerTick() {
    TInputState& in = In();
    ++in.TimerTicks;
    IncrementalSearchTick();
    // Hover focus: the cell under a resting pointer becomes current.
    if (in.Hovering && in.MouseInside) {
        const plat::TGridCoord cell = MouseCoord(in.LastMouse.X, in.LastMouse.Y);
        if (cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() && cell.Y < RowCount()) {
            if (!Focused() && CanFocus()) SetFocus();
            if (cell.Y != Row()) SetRow(cell.Y);
            if (cell.X != Col()) SetCol(cell.X);
        }
    }
    if (!in.EnableBlink) return;
    in.GridBlink = !in.GridBlink;
    // Only visible cells that blink are repainted, each at its displayed
    // place.
    auto blinks = [this](int c, int r) {
        return base::UpperCase(Cells(RealColIndex(c), r)).find("<BLI") != std::string::npos;
    };
    const int rowEnd = std::min(RowCount(), TopRow() + VisibleRowCount());
    const int colEnd = std::min(ColCount(), LeftCol() + VisibleColCount());
    for (int r = 0; r < rowEnd; ++r) {
        if (r >= FixedRows() && r < TopRow()) continue;
        for (int c = 0; c < colEnd; ++c) {
            if (c >= FixedCols() && c < LeftCol()) continue;
            if (blinks(c, r)) RepaintCell(c, r);
        }
    }
}

void TExtStringGrid::WMPaint(plat::TMessage& Message) {
    // Under the update lock the grid shows what it showed; the lock's end
    // repaints it whole.
    if (UpdateCount() > 0) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMPaint(Message);
}

void TExtStringGrid::WMSize(plat::TMessage& Message) {
    TBaseGrid::WMSize(Message);
    TInputState& in = In();
    if (!FColumnSize.SynchWithGrid()) {
        in.OldSize = 0;
    } else if (in.OldSize <= 0 || static_cast<int>(in.OrigColSizes.size()) != ColCount()) {
        // The widths as they are now are the ones later sizes scale from,
        // so repeated resizing does not drift.
        in.OldSize = ClientWidth();
        in.OrigColSizes.clear();
        for (int c = 0; c < ColCount(); ++c) in.OrigColSizes.push_back(ColWidths(c));
    } else if (ClientWidth() > 0) {
        if (EditMode()) FinishEdit(false);
        const int from = FColumnSize.SynchNormalCellsOnly() ? FixedCols() : 0;
        const int to = FColumnSize.SynchNormalCellsOnly() ? ColCount() - FFixedRightCols : ColCount();
        const double factor = static_cast<double>(ClientWidth()) / in.OldSize;
        for (int c = from; c < to; ++c) {
            const int w = static_cast<int>(in.OrigColSizes[static_cast<size_t>(c)] * factor);
            if (in.OrigColSizes[static_cast<size_t>(c)] > 0 && w != ColWidths(c)) SetColWidths(c, std::max(1, w));
        }
    }
    // The stretch column takes the room the others leave, also after the
    // window was resized.
    if (FColumnSize.Stretch() && (FScrollBarAlways == saNone || FScrollBarAlways == saVert) && ColCount() > 0) {
        ApplyColumnStretch(FColumnSize.StretchColumn());
        if (FScrollBarAlways == saNone && OnGridResize) OnGridResize(this);
    }
}

}  // namespace grid
