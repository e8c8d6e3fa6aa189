// The string grid in drag and drop: it starts drags of its selected cells
// (or of a column from the fixed row) and takes drops of text, cells,
// rich text, links, files and columns, with arrows showing where a drop
// would land.

#include "grid/ExtGridDragDrop.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "base/StrUtils.h"
#include "grid/ExtGridClipboardState.h"
#include "platform/Application.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"

namespace grid {

// ------------------------------------------------------------------ settings

void TDragDropSettings::Assign(const plat::TObject* Source) {
    const auto* s = dynamic_cast<const TDragDropSettings*>(Source);
    if (s == nullptr) return;
    FShowCells = s->FShowCells;
    FOleAcceptFiles = s->FOleAcceptFiles;
    FOleAcceptText = s->FOleAcceptText;
    FOleAcceptURLs = s->FOleAcceptURLs;
    FOleAppendRows = s->FOleAppendRows;
    FOleColumnDragDrop = s->FOleColumnDragDrop;
    FOleColumnReorder = s->FOleColumnReorder;
    FOleColumnsOnly = s->FOleColumnsOnly;
    FOleCopyAlways = s->FOleCopyAlways;
    FOleDropTarget = s->FOleDropTarget;
    FOleDropSource = s->FOleDropSource;
    FOleEntireRows = s->FOleEntireRows;
    FOleInsertRows = s->FOleInsertRows;
    FOleRemoveRows = s->FOleRemoveRows;
    FOleDropRTF = s->FOleDropRTF;
}

void TDragDropSettings::SetOleDropRTF(bool Value) {
    SetAcceptRtfDrops(Value);
    FOleDropRTF = Value;
}

void TDragDropSettings::SetOleDropTarget(bool Value) {
    FOleDropTarget = Value;
    if (FGrid) FGrid->SetOleDropTarget(Value);
}

void RegisterDragDropLayout() {
    using TSetter = void (TDragDropSettings::*)(bool);
    const std::pair<const char*, TSetter> props[] = {
        {"ShowCells", &TDragDropSettings::SetShowCells},
        {"OleAcceptFiles", &TDragDropSettings::SetOleAcceptFiles},
        {"OleAcceptText", &TDragDropSettings::SetOleAcceptText},
        {"OleAcceptURLs", &TDragDropSettings::SetOleAcceptURLs},
        {"OleAppendRows", &TDragDropSettings::SetOleAppendRows},
        {"OleColumnDragDrop", &TDragDropSettings::SetOleColumnDragDrop},
        {"OleColumnReorder", &TDragDropSettings::SetOleColumnReorder},
        {"OleColumnsOnly", &TDragDropSettings::SetOleColumnsOnly},
        {"OleCopyAlways", &TDragDropSettings::SetOleCopyAlways},
        {"OleDropTarget", &TDragDropSettings::SetOleDropTarget},
        {"OleDropSource", &TDragDropSettings::SetOleDropSource},
        {"OleEntireRows", &TDragDropSettings::SetOleEntireRows},
        {"OleInsertRows", &TDragDropSettings::SetOleInsertRows},
        {"OleRemoveRows", &TDragDropSettings::SetOleRemoveRows},
        {"OleDropRTF", &TDragDropSettings::SetOleDropRTF},
    };
    for (const auto& [name, set] : props) {
        const std::string property = std::string("DragDropSettings.") + name;
        plat::RegisterLayoutProperty(
            "TExtStringGrid", property,
            [property, set](plat::TComponent& c, const plat::TLayoutValue& v, plat::TLayoutContext&) {
                auto* g = dynamic_cast<TExtStringGrid*>(&c);
                if (!g) throw plat::ELayoutError("'" + property + "' belongs to a grid");
                (g->DragDropSettings().*set)(plat::LayoutBool(v));
            });
    }
}

TDragDropSettings& TExtStringGrid::DragDropSettings() {
    TClipboardState& st = Clip();
    if (!st.DragDrop) st.DragDrop = std::make_unique<TDragDropSettings>(this);
    return *st.DragDrop;
}

TGridRect TExtStringGrid::DropSelection() { return Clip().DropSelection; }

void TExtStringGrid::SetOleDropTarget(bool Value) {
    TClipboardState& st = Clip();
    if (Value) {
        if (!st.DropTarget) st.DropTarget = std::make_unique<TGridDropTarget>(*this);
        // A failed registration is remembered as none, so that switching
        // off later revokes nothing.
        st.TargetRegistered = plat::RegisterDragDrop(*this, st.DropTarget.get());
    } else if (st.TargetRegistered) {
        plat::RevokeDragDrop(*this);
        st.TargetRegistered = false;
    }
}

// ------------------------------------------------------------------ source side

bool TExtStringGrid::OleDragMouseDown(plat::TShiftState Shift, int X, int Y) {
    if (!FClipboard || !FClipboard->DragDrop) return false;
    TClipboardState& st = *FClipboard;
    st.Armed = false;
    const TDragDropSettings& dd = *st.DragDrop;
    if (!dd.OleDropSource() || (Shift & (plat::ssShift | plat::ssCtrl))) return false;
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || cell.Y < 0 || cell.X >= ColCount() || cell.Y >= RowCount() || IsOnSizingBorder(X, Y))
        return false;
    const TGridRect s = Selection();
    const bool header = cell.Y < FixedRows() && cell.X >= FixedCols() && dd.OleColumnDragDrop();
    const bool inSelection = cell.Y >= FixedRows() && cell.X >= s.Left && cell.X <= s.Right && cell.Y >= s.Top &&
                             cell.Y <= s.Bottom;
    // A press inside the selection (or on a header that can be dragged)
    // may begin a drag and leaves the selection as it is; anywhere else
    // the press selects as usual.
    if (!header && !inSelection) return false;
    st.Armed = true;
    st.ArmPoint = {X, Y};
    st.ArmCell = cell;
    return true;
}

bool TExtStringGrid::OleDragMouseMove(plat::TShiftState Shift, int X, int Y) {
    if (!FClipboard || !FClipboard->Armed) return false;
    TClipboardState& st = *FClipboard;
    if (!(Shift & plat::ssLeft)) {
        st.Armed = false;
        return false;
    }
    if (std::abs(X - st.ArmPoint.X) <= 3 && std::abs(Y - st.ArmPoint.Y) <= 3) return true;
    st.Armed = false;
    if (GridState() == plat::gsColSizing || GridState() == plat::gsRowSizing) return false;
    StartOleDrag(st.ArmCell.X, st.ArmCell.Y, X, Y);
    return true;
}

void TExtStringGrid::StartOleDrag(int ACol, int ARow, int X, int Y) {
    TClipboardState& st = Clip();
    const TDragDropSettings& dd = DragDropSettings();
    const int rc = RealColIndex(ACol);
    if (dd.OleColumnsOnly() && ARow >= FixedRows()) return;
    const std::string pressed = Cells(rc, ARow);
    bool allow = true;
    if (OnOleDrag) OnOleDrag(this, ARow, ACol, pressed, allow);
    if (!allow) return;
    TGridDropSource source(*this);
    if (OnOleDragStart) OnOleDragStart(this, ARow, ACol);
    const unsigned both = plat::DROPEFFECT_COPY | plat::DROPEFFECT_MOVE;
    unsigned effect = plat::DROPEFFECT_NONE;
    const bool columnDrag = ARow < FixedRows() && dd.OleColumnDragDrop();
    if (dd.ShowCells()) {
        const TGridRect picture = columnDrag ? TGridRect{ACol, TopRow(), ACol, std::min(RowCount() - 1, TopRow() + VisibleRowCount())}
                                             : Selection();
        st.CellPicture = SelectionToForm(picture);
        if (st.CellPicture) {
            plat::TPoint p = ClientToScreen({X, Y});
            // A mirrored grid reads from the right: the picture hangs left
            // of the pointer, its right end a first column's width past it.
            if (UseRightToLeftAlignment()) p.X -= st.CellPicture->Width() - ColWidths(0);
            st.CellPicture->SetBounds(p.X + 4, p.Y + 4, st.CellPicture->Width(), st.CellPicture->Height());
            st.CellPicture->Show();
        }
    }
    st.Dragging = true;
    struct TEndDrag {
        TExtStringGrid& G;
        TClipboardState& St;
        ~TEndDrag() {
            St.Dragging = false;
            delete St.CellPicture;
            St.CellPicture = nullptr;
            G.HideHeaderDragButton();
        }
    } end{*this, st};
    if (columnDrag && !dd.ShowCells()) ShowHeaderDragButton(ACol, ClientToScreen({X, Y}));
    if (columnDrag) {
        const int result = BeginColumnDrag(*this, source, ACol, both, effect);
        if (result != plat::DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, effect);
        SetGridState(plat::gsNormal);
        return;
    }
    // Whole rows travel whole: the receiving grid puts them from its
    // column 0, so the text must start there too.
    st.DropSelection = EntireRowsSelection();
    std::string stream;
    if (FNavigation.AllowFmtClipboard()) {
        std::ostringstream out;
        SaveRectToBinStream(st.DropSelection, out);
        stream = out.str();
    }
    const std::string text = BuildClipboardText(st.DropSelection, false);
    const int result = BeginTextDrag(*this, source, text, pressed, effect, both,
                                     FNavigation.AllowFmtClipboard() ? &stream : nullptr);
    SetGridState(plat::gsNormal);
    if (result == plat::DRAGDROP_S_CANCEL) return;
    if (effect == plat::DROPEFFECT_MOVE && !dd.OleCopyAlways()) {
        const TGridRect d = st.DropSelection;
        if (dd.OleRemoveRows() && Options().Contains(plat::goRowSelect)) {
            if (FMouseActions.DisjunctRowSelect()) {
                for (int r = RowCount() - 1; r >= FixedRows(); --r)
                    if (GetRowSelect(r)) RemoveRowsEx(r, 1);
            } else if (d.Top >= FixedRows() && d.Bottom < RowCount()) {
                RemoveRowsEx(d.Top, d.Bottom - d.Top + 1);
            }
        } else if (FMouseActions.DisjunctRowSelect()) {
            // The rows picked one by one went, not the rows between them.
            for (int r = FixedRows(); r < RowCount(); ++r)
                if (GetRowSelect(r))
                    for (int c = d.Left; c <= d.Right && c < ColCount(); ++c) SetCellEx(RealColIndex(c), r, "");
        } else {
            for (int r = d.Top; r <= d.Bottom && r < RowCount(); ++r)
                for (int c = d.Left; c <= d.Right && c < ColCount(); ++c) SetCellEx(RealColIndex(c), r, "");
        }
    }
    if (OnOleDragStop) OnOleDragStop(this, effect);
}

void TGridDropSource::CurrentEffect(unsigned Effect) {
    if (Effect & plat::DROPEFFECT_MOVE) FLastEffect = plat::DROPEFFECT_MOVE;
    else if (Effect & plat::DROPEFFECT_COPY) FLastEffect = plat::DROPEFFECT_COPY;
}

void TGridDropSource::QueryDrag() {
    if (!FGrid.FClipboard) return;
    const plat::TPoint p = plat::Mouse->CursorPos();
    if (plat::TForm* f = FGrid.FClipboard->CellPicture) f->SetBounds(p.X + 4, p.Y + 4, f->Width(), f->Height());
    // The header hangs from the pointer by its bottom-left corner.
    if (plat::TForm* f = FGrid.FClipboard->HeaderButton) f->SetBounds(p.X, p.Y - f->Height(), f->Width(), f->Height());
}

void TExtStringGrid::ShowHeaderDragButton(int ACol, plat::TPoint ScreenPos) {
    TClipboardState& st = Clip();
    HideHeaderDragButton();
    const int w = ColWidths(ACol), h = RowCount() > 0 ? RowHeights(0) : DefaultRowHeight();
    auto* form = new plat::TForm(this);
    form->SetName("HeaderDragButton");
    form->SetBorderStyle(plat::bsNone);
    form->SetVisible(false);
    form->SetClientWidth(w);
    form->SetClientHeight(h);
    auto* button = new plat::TButton(form);
    button->SetParent(form);
    button->SetAlign(plat::alClient);
    button->SetCaption(Cells(RealColIndex(ACol), 0));
    form->SetBounds(ScreenPos.X, ScreenPos.Y - h, w, h);
    form->Show();
    form->BringToFront();
    st.HeaderButton = form;
}

void TExtStringGrid::HideHeaderDragButton() {
    if (!FClipboard || !FClipboard->HeaderButton) return;
    delete FClipboard->HeaderButton;
    FClipboard->HeaderButton = nullptr;
}

void TGridDropSource::DragFinished() {
    if (!FGrid.FClipboard) return;
    delete FGrid.FClipboard->CellPicture;
    FGrid.FClipboard->CellPicture = nullptr;
}

// ------------------------------------------------------------------ target side

unsigned TGridDropTarget::DragEnter(const plat::TDragData& Data, plat::TShiftState Keys, plat::TPoint Pt,
                                    unsigned Allowed) {
    // The switches may have changed since the registration.
    const TDragDropSettings& dd = FGrid.DragDropSettings();
    AcceptText = dd.OleAcceptText();
    AcceptFiles = dd.OleAcceptFiles();
    AcceptURLs = dd.OleAcceptURLs();
    AcceptCols = dd.OleColumnDragDrop();
    FColumnDrag = Data.HasFormat(ColumnDragFormat());
    return TESGDropTarget::DragEnter(Data, Keys, Pt, Allowed);
}

bool TGridDropTarget::TargetCell(plat::TPoint Pt, bool Column, int& ACol, int& ARow, bool& Append) {
    Append = false;
    FGrid.ScreenToCell(Pt, ACol, ARow);
    const TDragDropSettings& dd = FGrid.DragDropSettings();
    if (ARow < 0 && !Column && dd.OleEntireRows() && dd.OleAppendRows()) {
        const plat::TPoint client = FGrid.ScreenToClient(Pt);
        const plat::TRect last = FGrid.GridCellRect(FGrid.FixedCols(), FGrid.RowCount() - 1);
        if (client.Y >= last.Bottom && client.X >= 0 && client.X < FGrid.Width()) {
            ACol = FGrid.FixedCols();
            ARow = FGrid.RowCount() - 1;
            Append = true;
        }
    }
    return ACol >= 0 && ARow >= 0;
}

void TGridDropTarget::ShowArrow(TArrowDirection Direction, plat::TPoint ScreenPos) {
    plat::TWinControl* parent = FGrid.Parent();
    if (parent == nullptr) return;
    const int i = Direction == arrLeft ? 0 : Direction == arrDown ? 1 : 2;
    if (FArrows[i] == nullptr) {
        FArrows[i] = new TArrowWindow(&FGrid);
        FArrows[i]->Init(parent, Direction);
    }
    const plat::TPoint p = parent->ScreenToClient(ScreenPos);
    FArrows[i]->SetBounds(p.X, p.Y, FArrows[i]->Width(), FArrows[i]->Height());
    FArrows[i]->Show();
    FArrows[i]->BringToFront();
}

void TGridDropTarget::HideArrows() {
    for (TArrowWindow* a : FArrows)
        if (a) a->Hide();
}

void TGridDropTarget::DragMouseLeave() { HideArrows(); }

void TGridDropTarget::DragMouseMove(plat::TPoint Pt, bool& Allow, TDropFormats Formats) {
    TExtStringGrid& g = FGrid;
    const TDragDropSettings& dd = g.DragDropSettings();
    const bool column = (Formats & DropFormatBit(dfCol)) != 0 && AcceptCols;
    int c = -1, r = -1;
    bool append = false;
    const bool found = TargetCell(Pt, column, c, r, append);
    Allow = found;
    if (found && !column) {
        // Near an edge the grid scrolls one row (column) towards it.
        if (r < g.FixedRows() && g.TopRow() > g.FixedRows()) g.SetTopRow(g.TopRow() - 1);
        else if (r >= g.TopRow() + g.VisibleRowCount() && r < g.RowCount()) g.SetTopRow(g.TopRow() + 1);
        if (++FScrollTick % 2 == 0) {
            if (c < g.FixedCols() && g.LeftCol() > g.FixedCols()) g.SetLeftCol(g.LeftCol() - 1);
            else if (c >= g.LeftCol() + g.VisibleColCount() && c < g.ColCount()) g.SetLeftCol(g.LeftCol() + 1);
        }
    }
    if (!column) {
        if (found && r < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways())) Allow = false;
    } else if (!found) {
        c = g.ColCount();
        r = 0;
        Allow = true;
    } else {
        Allow = r < g.FixedRows() && c >= g.FixedCols();
    }
    if (Formats & (DropFormatBit(dfFile) | DropFormatBit(dfGridCells))) Allow = true;
    if (g.OnOleDragOver) g.OnOleDragOver(&g, r, c, Allow);
    if (!found && !column && !(Formats & DropFormatBit(dfFile))) Allow = false;
    HideArrows();
    if (!Allow || c < 0 || r < 0) return;
    if (column) {
        const plat::TRect cr = g.GridCellRect(std::min(c, g.ColCount() - 1), 0);
        const int x = c >= g.ColCount() ? cr.Right : cr.Left;
        ShowArrow(arrDown, g.ClientToScreen({x - 4, cr.Top - 8}));
        ShowArrow(arrUp, g.ClientToScreen({x - 4, cr.Bottom}));
    } else {
        int row = r;
        if (row == 0 && g.FixedRowAlways() && !append) row = 1;
        const int col = dd.OleEntireRows() ? g.FixedCols() : c;
        const plat::TRect cr = g.GridCellRect(col, std::min(row, g.RowCount() - 1));
        const int y = append || row >= g.RowCount() ? cr.Bottom : cr.Top;
        ShowArrow(arrLeft, g.ClientToScreen({cr.Left - 10, y - 5}));
    }
}

void TGridDropTarget::DropText(plat::TPoint Pt, const std::string& S) {
    TExtStringGrid& g = FGrid;
    const TDragDropSettings& dd = g.DragDropSettings();
    int c = -1, r = -1;
    bool append = false;
    if (!TargetCell(Pt, false, c, r, append)) {
        HideArrows();
        return;
    }
    int cols = 0, rows = 0;
    TExtStringGrid::CountTextBlock(S, cols, rows);
    rows += 1;
    if (g.Options().Contains(plat::goRowSelect)) c = dd.OleEntireRows() ? 0 : g.FixedCols();
    bool allow = true;
    if (g.OnOleDrop) g.OnOleDrop(&g, r, c, S, allow);
    if (!allow) {
        HideArrows();
        return;
    }
    TExtStringGrid::TClipboardState& st = g.Clip();
    if (r == 0 && g.RowCount() == 1 && g.FixedRowAlways()) {
        g.SetRowCount(2);
        r = 1;
    }
    if (append) ++r;
    if (dd.OleInsertRows()) {
        // The grid's own rows that stand at or below the drop move down
        // with it, so that a move removes the rows it took, not others.
        if (st.Dragging && dd.OleRemoveRows() && st.DropSelection.Top >= r) {
            st.DropSelection.Top += rows;
            st.DropSelection.Bottom += rows;
        }
        const int top = g.TopRow();
        g.InsertRows(std::min(r, g.RowCount()), rows);
        g.SetTopRow(top > g.FixedRows() ? top + 1 : top);
    }
    int pr = 0, pc = 0;
    g.PasteText(c, r, pr, pc, S);
    c = std::max(c, g.FixedCols());
    const TGridRect dropped{c, r, std::min(g.ColCount() - 1, c + std::max(cols, 1) - 1),
                            std::min(g.RowCount() - 1, r + rows - 1)};
    if (dropped.Right >= dropped.Left && dropped.Bottom >= dropped.Top) g.SetSelection(dropped);
    HideArrows();
    if (g.OnOleDropped) g.OnOleDropped(&g, dropped);
}

void TGridDropTarget::DropStream(plat::TPoint Pt, const std::string& Bytes) {
    TExtStringGrid& g = FGrid;
    int c = -1, r = -1;
    bool append = false;
    if (TargetCell(Pt, false, c, r, append)) {
        if (append) ++r;
        int rows = 0, cols = 0, count = 0;
        g.PasteCellStream(Bytes, c, r, rows, cols, count);
    }
    HideArrows();
    g.HideHeaderDragButton();
    if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

// Rich text and links go into the one cell under the point, as they came.
void TGridDropTarget::DropIntoCell(plat::TPoint Pt, const std::string& S, const TCellDropEvent& Event) {
    int c = -1, r = -1;
    bool append = false;
    HideArrows();
    if (!TargetCell(Pt, false, c, r, append) || append) return;
    bool allow = true;
    if (Event) Event(&FGrid, r, c, S, allow);
    if (allow) FGrid.SetCells(FGrid.RealColIndex(c), r, S);
}

void TGridDropTarget::DropRTF(plat::TPoint Pt, const std::string& S) { DropIntoCell(Pt, S, FGrid.OnOleDrop); }

void TGridDropTarget::DropURL(plat::TPoint Pt, const std::string& S) { DropIntoCell(Pt, S, FGrid.OnOleDropURL); }

void TGridDropTarget::DropFiles(plat::TPoint Pt, const std::vector<std::string>& Files) {
    HideArrows();
    if (Files.size() != 1) return;
    const std::string& name = Files.front();
    int c = -1, r = -1;
    bool append = false;
    TargetCell(Pt, false, c, r, append);
    bool allow = true;
    if (FGrid.OnOleDropFile) FGrid.OnOleDropFile(&FGrid, r, c, name, allow);
    if (!allow) return;
    // The kind of file is its extension's: "data.csv.txt" is no CSV file.
    const std::string ext = base::UpperCase(std::filesystem::path(name).extension().string());
    const bool csv = ext == ".CSV";
    const bool sheet = ext == ".XLS" || ext == ".XLSX" || ext == ".XLSM";
    if (!csv && !sheet) return;
    if (FGrid.OnOleDrop) FGrid.OnOleDrop(&FGrid, -1, -1, name, allow);
    if (!allow) return;
    if (csv) FGrid.LoadFromCSV(name);
    else FGrid.LoadFromXLS(name);
}

void TGridDropTarget::DropCol(plat::TPoint Pt, int Col) {
    TExtStringGrid& g = FGrid;
    int c = -1, r = -1;
    g.ScreenToCell(Pt, c, r);
    if (c < 0) c = g.ColCount();
    HideArrows();
    g.HideHeaderDragButton();
    // A dropped column takes its width along, whatever the grid does for
    // moves by code.
    struct TEnhancedMove {
        TExtStringGrid& G;
        bool Was;
        ~TEnhancedMove() { G.SetEnhRowColMove(Was); }
    } enhanced{g, g.EnhRowColMove()};
    g.SetEnhRowColMove(true);
    if (g.OleDragCol() >= 0) {
        // A hidden column taken from a column chooser list comes back here.
        const int hidden = g.OleDragCol();
        if (auto* list = dynamic_cast<plat::TListBox*>(g.OleDragList())) {
            if (g.OleDragIndex() >= 0 && g.OleDragIndex() < list->Items().Count())
                list->Items().Delete(g.OleDragIndex());
        }
        g.UnHideColumn(hidden);
        const int from = g.DisplColIndex(hidden);
        const int to = std::min(c, g.ColCount() - 1);
        if (from >= 0 && from != to) g.MoveColumn(from, to);
        g.EndOleColumnDrag();
    } else if (g.DragDropSettings().OleColumnReorder() && g.Clip().Dragging) {
        // Only the grid's own column: an index from another grid names
        // nothing here.
        const int to = std::min(c, g.ColCount() - 1);
        if (Col >= 0 && Col < g.ColCount() && Col != to) g.MoveColumn(Col, to);
    }
    if (g.OnOleDropCol) g.OnOleDropCol(&g, r, c, Col);
}

}  // namespace grid
