// Cell graphics: attaching and removing them, and the check-box, radio
// button, button, comment and marker operations. A cell owns its graphic;
// the shared graphics handed out by GetCellGraphic belong to the grid and
// are never stored in a cell, so no cell operation can free them.

#include <cmath>
#include <stdexcept>

#include "grid/ExtGrid.h"
#include "grid/Undo.h"

namespace grid {

namespace {
bool IsCheckKind(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}
}  // namespace

// ----------------------------------------------------------- life cycle

TCellGraphic* TExtStringGrid::CreateCellGraphic(int ACol, int ARow) {
    // The cell's own graphic goes; a shared one is never stored in a cell.
    // It goes only once the new one is in place: storing the graphic
    // touches the cell's text, whose change hook reads the cell's graphic.
    plat::TObject* old = GetGraphicObjectEx(ACol, ARow);
    auto* g = new TCellGraphic;
    SetGraphicObjectEx(ACol, ARow, g);
    delete dynamic_cast<TCellGraphic*>(old);
    if (FNumHidden > 0) RepaintIfHiddenCols(ACol, ARow);
    return g;
}

bool TExtStringGrid::RemoveCellGraphic(int ACol, int ARow) {
    auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (!g) return false;
    SetGraphicObjectEx(ACol, ARow, nullptr);
    delete g;
    if (!FDestroying) RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TExtStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind) {
    if (GetCellType(ACol, ARow) != Kind) return false;
    return RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::GetCellGraphic(int ACol, int ARow) {
    if (ACol == 0 && FMouseActions.HotmailRowSelect()) {
        TCellGraphic& g = *FCellGraphic;
        g.SetCellType(ctRowCheckBox);
        const int normal = RowCount() - FixedRows();
        if (ARow == 0) {
            const int selected = static_cast<int>(FSelectedRows.size());
            g.SetCellAngle(selected > 0 && selected < normal ? 1 : 0);
            g.SetCellBoolean(selected >= normal);
        } else {
            g.SetCellAngle(0);
            g.SetCellBoolean(GetRowSelect(RealRowIndex(ARow)));
        }
        g.SetCellTransparent(FControlLook.ControlStyle() == csFlat);
        return &g;
    }
    return dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
}

TCellType TExtStringGrid::GetCellType(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (ACol == 0 && FMouseActions.HotmailRowSelect()) return ctRowCheckBox;
    const auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    return g ? g->CellType() : ctEmpty;
}

bool TExtStringGrid::IsCellTypeIn(int ACol, int ARow, std::initializer_list<TCellType> Kinds) {
    if (ACol < 0 || ARow < 0) return false;
    // A merged block shows the graphic of its base cell.
    const plat::TPoint b = BaseCell(ACol, ARow);
    const TCellGraphic* g = GetCellGraphic(b.X, b.Y);
    if (!g) return false;
    for (TCellType k : Kinds)
        if (g->CellType() == k) return true;
    return false;
}

bool TExtStringGrid::IsControlCell(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const plat::TPoint b = BaseCell(ACol, ARow);
    const TCellType t = GetCellType(b.X, b.Y);
    return t == ctCheckBox || t == ctDataCheckBox || t == ctRadio || t == ctButton || t == ctVirtCheckBox ||
           t == ctRowCheckBox || t == ctRadioButton || t == ctTriStateCheckBox;
}

bool TExtStringGrid::HasCheckBox(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TExtStringGrid::HasDataCheckBox(int ACol, int ARow) {
    return IsCellTypeIn(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExtStringGrid::HasButton(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctButton, ctBitButton}); }

bool TExtStringGrid::IsDataGraphicCell(TExtStringGrid& Grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    const plat::TPoint b = Grid.BaseCell(ACol, ARow);
    const TCellType t = Grid.GetCellType(b.X, b.Y);
    return t == ctDataCheckBox || t == ctDataImage || t == ctVirtCheckBox || t == ctRowCheckBox;
}

plat::TPoint TExtStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    plat::TPoint size;
    GetCellExtent(ACol, ARow, 0, size);
    return size;
}

// ----------------------------------------------------------- check boxes

void TExtStringGrid::CheckCellIndex(int ACol, int ARow) const {
    // The base exception, not the grid's own: callers catch it as such.
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw std::runtime_error("Invalid cell");
}

TCellVAlign TExtStringGrid::CheckVAlign() const {
    switch (FVAlignment) {
        case vtaCenter: return vaCenter;
        case vtaBottom: return vaBottom;
        default: return vaTop;
    }
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
    CheckCellIndex(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, CheckVAlign());
    if (!Data) return;
    const std::string& text = GetGridCell(ACol, ARow);
    if (text != FCheckTrue && text != FCheckFalse) SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TExtStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
    CheckCellIndex(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, CheckVAlign());
}

void TExtStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
    const int first = FMouseActions.CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, DefaultState, DataCheckBox);
}

void TExtStringGrid::RemoveCheckBoxColumn(int ACol) {
    const int first = FMouseActions.CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TExtStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
    const int first = FMouseActions.CheckAllCheck() ? 0 : FixedRows();
    for (int r = first; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExtStringGrid::RemoveCheckBox(int ACol, int ARow) {
    // Only the cell's own box: the shared kinds are not the cell's to drop.
    auto* own = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (!own) return;
    const TCellType t = own->CellType();
    if (t != ctCheckBox && t != ctDataCheckBox && t != ctTriStateCheckBox) return;
    own->DetachBalloon();
    RemoveCellGraphic(ACol, ARow);
}

TCellGraphic* TExtStringGrid::GraphicAtRealRow(int ACol, int ARealRow) {
    if (FGridItems.empty()) return GetCellGraphic(ACol, ARealRow);
    if (const TGridItem* item = FindHiddenRow(ARealRow)) {
        if (ACol >= 0 && ACol < static_cast<int>(item->Items.size())) {
            const auto& props = item->Items[static_cast<size_t>(ACol)].Props;
            if (props) return dynamic_cast<TCellGraphic*>(props->GraphicObject());
        }
        return GetCellGraphic(ACol, ARealRow);
    }
    const int d = DisplRowIndex(ARealRow);
    if (auto* own = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, d))) return own;
    return GetCellGraphic(ACol, d);
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
    const TCellGraphic* g = GraphicAtRealRow(ACol, ARow);
    if (!g) return false;
    switch (g->CellType()) {
        case ctCheckBox:
            State = g->CellBoolean();
            return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: {
            std::string checkTrue;
            GetCheckTrue(ACol, DisplRowIndex(ARow), checkTrue);
            State = AllCells(ACol, ARow) == checkTrue;
            return true;
        }
        case ctRowCheckBox:
            if (ACol != 0) return false;
            State = GetRowSelect(ARow);
            return true;
        default:
            return false;
    }
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
    const TCellGraphic* g = GraphicAtRealRow(ACol, ARow);
    if (!g) return false;
    switch (g->CellType()) {
        case ctCheckBox:
            State = g->CellBoolean() ? cbChecked : cbUnchecked;
            return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: {
            std::string checkTrue;
            GetCheckTrue(ACol, DisplRowIndex(ARow), checkTrue);
            State = AllCells(ACol, ARow) == checkTrue ? cbChecked : cbUnchecked;
            return true;
        }
        case ctTriStateCheckBox:
            State = g->CellCheckBoxState();
            return true;
        case ctRowCheckBox:
            if (ACol != 0) return false;
            State = GetRowSelect(ARow) ? cbChecked : cbUnchecked;
            return true;
        default:
            return false;
    }
}

bool TExtStringGrid::IsChecked(int ACol, int ARow) {
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
    TCellGraphic* g = GraphicAtRealRow(ACol, ARow);
    if (!g) return false;
    switch (g->CellType()) {
        case ctCheckBox:
            g->SetCellBoolean(State);
            RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
            return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: {
            std::string text;
            if (State) GetCheckTrue(ACol, DisplRowIndex(ARow), text);
            else GetCheckFalse(ACol, DisplRowIndex(ARow), text);
            SetAllCells(ACol, ARow, text);
            return true;
        }
        case ctRowCheckBox:
            if (ACol != 0) return false;
            SetRowSelect(ARow, State);
            return true;
        default:
            return false;
    }
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State) {
    TCellGraphic* g = GraphicAtRealRow(ACol, ARow);
    if (!g || g->CellType() != ctTriStateCheckBox) return false;
    g->SetCellCheckBoxState(State);
    RepaintCell(DisplColIndex(ACol), DisplRowIndex(ARow));
    return true;
}

bool TExtStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value) {
    TCellGraphic* g = FGridItems.empty() ? GetCellGraphic(ACol, ARow) : GraphicAtRealRow(ACol, RealRowIndex(ARow));
    if (!g) return false;
    switch (g->CellType()) {
        case ctCheckBox:
            if (Value != g->CellBoolean()) {
                g->SetCellBoolean(Value);
                DoCheckBoxChange(ACol, ARow, Value);
                RepaintCell(DisplColIndex(ACol), ARow);
            }
            return true;
        case ctDataCheckBox:
        case ctVirtCheckBox: {
            std::string checkTrue, checkFalse;
            GetCheckTrue(ACol, ARow, checkTrue);
            GetCheckFalse(ACol, ARow, checkFalse);
            const bool old = Cells(ACol, ARow) == checkTrue;
            SetCells(ACol, ARow, Value ? checkTrue : checkFalse);
            if (Value != old) DoCheckBoxChange(ACol, ARow, Value);
            return true;
        }
        case ctRowCheckBox:
            if (ACol != 0) return false;
            if (Value != GetRowSelect(ARow)) {
                SetRowSelect(ARow, Value);
                DoCheckBoxChange(ACol, ARow, Value);
            }
            return true;
        default:
            return false;
    }
}

void TExtStringGrid::CheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, true);
    if (FNumHidden > 0) RepaintCol(DisplColIndex(ACol));
}

void TExtStringGrid::UnCheckAll(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) ChangeCheckBoxState(ACol, r, false);
}

bool TExtStringGrid::ToggleCellCheck(int ACol, int ARow, bool CheckEditable) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsCheckKind(g->CellType())) return false;
    if (CheckEditable && !FControlLook.CheckAlwaysActive()) {
        bool allow = true;
        CanEditCell(ACol, ARow, allow);
        if (!allow) return false;
    }
    bool state = false;
    switch (g->CellType()) {
        case ctCheckBox:
            state = !g->CellBoolean();
            g->SetCellBoolean(state);
            break;
        case ctTriStateCheckBox: {
            static const TCheckBoxState kNext[] = {cbGrayed, cbUnchecked, cbChecked};
            g->SetCellCheckBoxState(kNext[g->CellCheckBoxState()]);
            state = g->CellCheckBoxState() == cbChecked;
            break;
        }
        case ctRowCheckBox:
            // The row check box shows the row's selection; toggling it must
            // not write check texts over the row's header in column 0.
            state = !GetRowSelect(RealRowIndex(ARow));
            SetRowSelect(RealRowIndex(ARow), state);
            break;
        default: {
            std::string checkTrue, checkFalse;
            GetCheckTrue(ACol, ARow, checkTrue);
            GetCheckFalse(ACol, ARow, checkFalse);
            state = Cells(ACol, ARow) != checkTrue;
            SetCells(ACol, ARow, state ? checkTrue : checkFalse);
            break;
        }
    }
    RepaintCell(DisplColIndex(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, state);
    if (TExtGridUndoRedo* undo = UndoRedo()) {
        std::string checkTrue, checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        if (state) undo->RegisterChange(ACol, ARow, checkFalse, checkTrue);
        else undo->RegisterChange(ACol, ARow, checkTrue, checkFalse);
    }
    return true;
}

void TExtStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
    if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

void TExtStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
    if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

// ----------------------------------------------------------- radio buttons

void TExtStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
    CheckCellIndex(ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, CheckVAlign());
}

void TExtStringGrid::AddRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExtStringGrid::RemoveRadioButton(int ACol, int ARow) {
    const auto* own = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(ACol, ARow));
    if (own && own->CellType() == ctRadioButton) RemoveCellGraphic(ACol, ARow);
}

void TExtStringGrid::RemoveRadioButtonColumn(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

bool TExtStringGrid::HasRadioButton(int ACol, int ARow) { return IsCellTypeIn(ACol, ARow, {ctRadioButton}); }

bool TExtStringGrid::IsRadioButtonChecked(int ACol, int ARow) {
    const TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctRadioButton);
    return g && g->CellBoolean();
}

bool TExtStringGrid::SetRadioButtonState(int ACol, int ARow, bool State) {
    TCellGraphic* g = BaseGraphicOfKind(ACol, ARow, ctRadioButton);
    if (!g) return false;
    if (g->CellBoolean() != State) {
        g->SetCellBoolean(State);
        RepaintCell(DisplColIndex(ACol), ARow);
    }
    return true;
}

void TExtStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
    for (int r = FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}

int TExtStringGrid::GetRadioButtonColumnIndex(int ACol) {
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

bool TExtStringGrid::ToggleCellRadio(int ACol, int ARow, bool CheckEditable) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != ctRadioButton) return false;
    if (CheckEditable && !FControlLook.CheckAlwaysActive()) {
        bool allow = true;
        CanEditCell(ACol, ARow, allow);
        if (!allow) return false;
    }
    if (!g->CellBoolean()) {
        g->SetCellBoolean(true);
        RepaintCell(DisplColIndex(ACol), ARow);
        for (int r = 0; r < RowCount(); ++r) {
            if (r == ARow) continue;
            TCellGraphic* other = GetCellGraphic(ACol, r);
            if (other && other->CellType() == ctRadioButton && other->CellBoolean()) {
                other->SetCellBoolean(false);
                RepaintCell(DisplColIndex(ACol), r);
            }
        }
    }
    return true;
}

// ----------------------------------------------------------- buttons

void TExtStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const std::string& Caption, TCellHAlign hal,
                               TCellVAlign val) {
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExtStringGrid::SetButtonText(int ACol, int ARow, const std::string& Caption) {
    if (TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow)) {
        g->SetCellText(Caption);
        RepaintCell(ACol, ARow);
    }
}

std::string TExtStringGrid::GetButtonText(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    return g ? g->CellText() : std::string();
}

void TExtStringGrid::PushButton(int ACol, int ARow, bool Push) {
    TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g || g->CellType() == ctNode) return;
    g->SetCellBoolean(Push);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveButton(int ACol, int ARow) {
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

plat::TRect TExtStringGrid::GetCellButtonRect(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!g) return {};
    const plat::TRect r = CellRect(ACol, ARow);
    // The painter stores where it put the button: x in the low 16 bits,
    // y in the high ones.
    const auto offset = static_cast<std::uint32_t>(std::lround(g->CellValue()));
    const auto size = static_cast<std::uint32_t>(g->CellIndex());
    plat::TRect b;
    b.Left = r.Left + static_cast<int>(offset & 0xFFFFu);
    b.Top = r.Top + static_cast<int>(offset >> 16);
    b.Right = b.Left + static_cast<int>(size & 0xFFFFu);
    b.Bottom = b.Top + static_cast<int>(size >> 16);
    if (g->CellVAlign() == vaFull) {
        b.Top = r.Top;
        b.Bottom = r.Bottom;
    }
    if (g->CellHAlign() == haFull) {
        b.Left = r.Left;
        b.Right = r.Right;
    }
    return b;
}

void TExtStringGrid::RemoveAllButtons() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r)) RemoveButton(c, r);
}

// ----------------------------------------------------------- comments, markers, others

void TExtStringGrid::AddComment(int ACol, int ARow, const std::string& Comment) {
    AddColorComment(ACol, ARow, Comment, FControlLook.CommentColor());
}

void TExtStringGrid::AddColorComment(int ACol, int ARow, const std::string& Comment, TColor AColor) {
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctComment);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellText(Comment);
    g->SetCellIndex(static_cast<int>(AColor));
}

void TExtStringGrid::SetComment(int ACol, int ARow, const std::string& Value) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) AddComment(ACol, ARow, Value);
    else if (g->CellType() == ctComment) g->SetCellText(Value);
}

bool TExtStringGrid::IsComment(int ACol, int ARow, std::string& Comment) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != ctComment) return false;
    Comment = g->CellText();
    return true;
}

std::string TExtStringGrid::GetComment(int ACol, int ARow) {
    std::string comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExtStringGrid::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TExtStringGrid::RemoveAllComments() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveComment(c, r);
}

void TExtStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctEmpty);
    }
    g->SetCellErrFrom(ErrPos);
    g->SetCellErrLen(ErrLen);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom() : 0;
    ErrLen = g ? g->CellErrLen() : 0;
}

void TExtStringGrid::RemoveMarker(int ACol, int ARow) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) return;
    if (g->CellType() == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->SetCellErrFrom(0);
    g->SetCellErrLen(0);
}

void TExtStringGrid::RemoveAllMarkers() {
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExtStringGrid::SetRotated(int ACol, int ARow, int AAngle) {
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g == FCellGraphic.get()) g = CreateCellGraphic(ACol, ARow);
    g->SetAngle(AAngle);
}

TColor TExtStringGrid::GetShapeColor(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return (g && g->CellType() == ctShape) ? static_cast<TColor>(g->CellIndex()) : plat::clNone;
}

int TExtStringGrid::GetScrollPosition(int ACol, int ARow) {
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return (g && g->CellType() == ctScrollbar) ? g->CellIndex() : -1;
}

}  // namespace grid
