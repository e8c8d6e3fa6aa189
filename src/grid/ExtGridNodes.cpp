// Expandable rows of the string grid: nodes that hide and show the rows
// they cover, and expand buttons that switch a row between two heights.
// A node's state lives in its column-0 cell graphic (ctNode): the contracted
// flag in CellBoolean, the span in CellIndex, the sub-node count in
// CellErrFrom and the level tag in CellVar; every row of a span carries its
// depth in the node level of its column-0 cell properties.

#include <algorithm>

#include "grid/ExtGridNodeState.h"
#include "grid/GridExchangeState.h"
#include "platform/Controls.h"

namespace grid {

namespace {

// Rows hidden by contracting a node: no filter level ever reaches it, so
// removing a filter never shows the rows of a contracted node.
constexpr int kNodeHiddenLevel = -1;

// Real indexes of displayed rows taken in ascending order: one walk along
// the hidden-row list for all of them.
class TRealRows {
public:
    explicit TRealRows(const std::vector<TGridItem>& Items) : FItems(Items) {}
    int Of(int Displayed) {
        while (FAt < FItems.size() && FItems[FAt].Idx <= Displayed + static_cast<int>(FAt)) ++FAt;
        return Displayed + static_cast<int>(FAt);
    }

private:
    const std::vector<TGridItem>& FItems;
    size_t FAt = 0;
};

}  // namespace

TExtStringGrid::TNodeState& TExtStringGrid::Nd() {
    if (!FNodes) FNodes = std::make_shared<TNodeState>();
    return *FNodes;
}

bool TExtStringGrid::HasNodes() { return NodeCount() > 0; }

TCellGraphic* TExtStringGrid::NodeGraphic(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return nullptr;
    auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
    return g && g->CellType() == ctNode ? g : nullptr;
}

bool TExtStringGrid::IsNode(int ARow) { return NodeGraphic(ARow) != nullptr; }

bool TExtStringGrid::IsSummary(int ARow) {
    if (ARow < 0 || ARow >= RowCount()) return false;
    auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
    return g && g->CellType() == ctSummary;
}

bool TExtStringGrid::GetNodeState(int ARow) {
    const TCellGraphic* g = NodeGraphic(ARow);
    return g && g->CellBoolean();
}

void TExtStringGrid::SetNodeState(int ARow, bool Value) {
    const TCellGraphic* g = NodeGraphic(ARow);
    if (!g || g->CellBoolean() == Value) return;
    if (Value) ContractNode(RealRowIndex(ARow));
    else ExpandNode(RealRowIndex(ARow));
}

int TExtStringGrid::GetNodeLevel(int ARow) {
    if (!NodeGraphic(ARow)) return -1;
    const TCellProperties* p = PropsOf(0, ARow);
    return p ? p->NodeLevel() : 0;
}

int TExtStringGrid::GetNodeSpan(int ARow) {
    const TCellGraphic* g = NodeGraphic(ARow);
    return g ? g->CellIndex() : -1;
}

void TExtStringGrid::SetNodeSpan(int ARow, int Span) {
    if (TCellGraphic* g = NodeGraphic(ARow)) g->SetCellIndex(Span);
}

void TExtStringGrid::UpdateNodeSpan(int ARow, int Delta) {
    if (TCellGraphic* g = NodeGraphic(ARow)) g->SetCellIndex(g->CellIndex() + Delta);
}

int TExtStringGrid::GetSubNodeCount(int ARow) {
    const TCellGraphic* g = NodeGraphic(ARow);
    return g ? g->CellErrFrom() : 0;
}

// A count of sub-headers is never negative: removing a plain child row
// shrinks it too, and a header must not count more data rows than it has.
void TExtStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
    if (TCellGraphic* g = NodeGraphic(ARow)) g->SetCellErrFrom(std::max(g->CellErrFrom() + Delta, 0));
}

int TExtStringGrid::GetNodeSpanType(int ARow) {
    if (IsNode(ARow)) return 0;
    if (ARow >= RowCount() - FixedFooters() - 1) return 1;
    const TCellProperties* own = PropsOf(0, ARow);
    const TCellProperties* next = PropsOf(0, ARow + 1);
    return next && next->NodeLevel() >= (own ? own->NodeLevel() : 0) ? 2 : 1;
}

void TExtStringGrid::AddNode(int ARow, int Span) {
    const int d = DisplRowIndex(ARow);
    if (d < 0 || d >= RowCount()) return;
    TCellGraphic* g = CreateCellGraphic(0, d);
    g->SetCellType(ctNode);
    g->SetCellAngle(d);
    g->SetCellBoolean(false);
    g->SetCellIndex(Span);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaCenter);
    g->SetCellErrFrom(0);
    g->SetCellVar(-1);
    for (int r = d; r < d + Span && r < RowCount(); ++r) {
        TCellProperties* p = GetCellProperties(0, r);
        p->SetNodeLevel(p->NodeLevel() + 1);
    }
    if (Ex().NodeCount == 0) RepaintCol(0);
    ++Ex().NodeCount;
    if (Col() == 0 && ColCount() > 1) SetCol(1);
}

void TExtStringGrid::RemoveNode(int ARow) {
    if (!NodeGraphic(ARow)) return;
    ExpandNodeRows(ARow);
    const int span = GetNodeSpan(ARow);
    for (int r = ARow; r < ARow + span && r < RowCount(); ++r)
        if (TCellProperties* p = PropsOf(0, r)) p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
    RemoveCellGraphic(0, ARow);
    Ex().NodeCount = std::max(Ex().NodeCount - 1, 0);
}

void TExtStringGrid::RemoveAllNodes() {
    BeginUpdate();
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r)) RemoveNode(r);
    Ex().NodeCount = 0;
    EndUpdate();
    Invalidate();
}

// Shows what the node at displayed row ARow hides, whatever ExpandOne
// says: removing a node must not contract the others.
void TExtStringGrid::ExpandNodeRows(int ARow) {
    TCellGraphic* g = NodeGraphic(ARow);
    if (!g || !g->CellBoolean()) return;
    g->SetCellBoolean(false);
    const int real = RealRowIndex(ARow);
    const int nextReal = RealRowIndex(ARow + 1);
    // The row selection would follow the rows that come back; the user's
    // current row and scroll position stay where they were, and so does
    // whole-row selection, which is off while the rows move.
    const bool disjunct = FMouseActions.DisjunctRowSelect();
    FMouseActions.SetDisjunctRowSelectDirect(false);
    const plat::TGridOptions options = Options();
    const bool rowSelect = options.Contains(plat::goRowSelect);
    if (rowSelect) SetOptions(options - plat::TGridOptions{plat::goRowSelect});
    const int keepRow = Row(), keepTop = TopRow();
    const bool batch = NumCellControls() == 0;
    if (batch) BeginUpdate();
    ShowHiddenItems([&](const TGridItem& item) {
        return item.Idx > real && item.Idx < nextReal && item.Level == kNodeHiddenLevel;
    });
    if (rowSelect) SetOptions(Options() + plat::TGridOptions{plat::goRowSelect});
    if (keepRow < RowCount() && keepRow != Row()) SetRow(keepRow);
    if (keepTop < RowCount() && keepTop != TopRow()) SetTopRow(keepTop);
    if (batch) EndUpdate();
    FMouseActions.SetDisjunctRowSelectDirect(disjunct);
}

int TExtStringGrid::CollectNodeRows(int ARow, std::vector<int>& Rows) {
    TCellGraphic* g = NodeGraphic(ARow);
    int last = ARow + g->CellIndex() - 1;
    if (g->CellIndex() <= 0) {
        last = ARow + 1;
        while (last < RowCount() && !IsNode(last)) ++last;
        --last;
    }
    // A contracted node inside the range has hidden its own rows already:
    // the range ends that much higher, and the node is marked open, since
    // all its rows come back when this one expands.
    int r = ARow + 1;
    for (; r <= last && r < RowCount(); ++r) {
        if (TCellGraphic* inner = NodeGraphic(r); inner && inner->CellBoolean()) {
            inner->SetCellBoolean(false);
            last -= inner->CellIndex() - 1;
            if (plat::TControl* c = r + 1 < RowCount() ? CellControls(1, r + 1) : nullptr) c->SetVisible(false);
        }
        Rows.push_back(r);
    }
    return r - 1;
}

void TExtStringGrid::HideDisplayedRows(const std::vector<int>& Rows, int Level) {
    TRealRows real(FGridItems);
    std::vector<int> reals;
    reals.reserve(Rows.size());
    for (int d : Rows) reals.push_back(real.Of(d));
    HideRealRows(reals, Level);
}

// Closes every open node but the one at real row Keep and those holding
// it, collecting all their rows for one hiding pass.
void TExtStringGrid::ContractNodesExcept(int Keep) {
    std::vector<int> rows;
    TRealRows real(FGridItems);
    for (int r = FixedRows(); r < RowCount();) {
        TCellGraphic* g = NodeGraphic(r);
        const int realRow = real.Of(r);
        if (!g || g->CellBoolean() || realRow == Keep || (realRow < Keep && Keep < realRow + g->CellIndex())) {
            ++r;
            continue;
        }
        g->SetCellBoolean(true);
        r = CollectNodeRows(r, rows) + 1;
    }
    HideDisplayedRows(rows, kNodeHiddenLevel);
}

// The footer's totals follow every expansion and contraction: with hidden
// rows left out of them, they change with what the nodes show.
void TExtStringGrid::ExpandNode(int ARow) {
    if (FCellNode.ExpandOne()) {
        BeginUpdate();
        ContractNodesExcept(ARow);
        ExpandNodeRows(DisplRowIndex(ARow));
        EndUpdate();
    } else {
        ExpandNodeRows(DisplRowIndex(ARow));
    }
    CalcFooter(-1);
}

void TExtStringGrid::ContractNode(int ARow) {
    HideInplaceEdit();
    const int d = DisplRowIndex(ARow);
    TCellGraphic* g = NodeGraphic(d);
    if (!g || g->CellBoolean()) return;
    g->SetCellBoolean(true);
    std::vector<int> rows;
    CollectNodeRows(d, rows);
    HideDisplayedRows(rows, kNodeHiddenLevel);
    CalcFooter(-1);
}

void TExtStringGrid::ExpandAllRows() {
    ShowHiddenItems([](const TGridItem& item) { return item.Level == kNodeHiddenLevel; });
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (TCellGraphic* g = NodeGraphic(r)) g->SetCellBoolean(false);
}

void TExtStringGrid::ExpandAll() {
    BeginUpdate();
    ExpandAllRows();
    EndUpdate();
    CalcFooter(-1);
}

void TExtStringGrid::ContractAll() {
    BeginUpdate();
    ExpandAllRows();
    ContractNodesExcept(-1);
    EndUpdate();
    CalcFooter(-1);
}

int TExtStringGrid::GetParentRow(int ARow) {
    if (!HasNodes()) return -1;
    int limit = 65535, result = -1;
    if (IsNode(ARow)) {
        limit = GetNodeLevel(ARow);
        result = ARow;
    }
    int hidden = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        const TCellGraphic* g = NodeGraphic(r);
        if (!g || GetNodeLevel(r) >= limit) continue;
        const int span = g->CellIndex();
        if (g->CellBoolean()) hidden += span - 1;
        if (ARow < r + span - hidden) return r;
    }
    return result;
}

void TExtStringGrid::InsertChildRow(int ARow, int InsertAt) {
    const int d = DisplRowIndex(ARow);
    int parent = GetParentRow(d);
    int level = 0;
    if (parent >= 0) {
        UpdateNodeSpan(parent, 1);
        if (!Nd().DataChild) UpdateSubNodeCount(parent, 1);
        ExpandNodeRows(parent);
        level = GetNodeLevel(parent);
        for (int p = parent, l = level; l > 1;) {
            const int up = GetParentRow(p);
            if (up < 0 || up == p) break;
            p = up;
            const int pl = GetNodeLevel(p);
            if (pl >= l) break;
            UpdateNodeSpan(p, 1);
            if (!Nd().DataChild) UpdateSubNodeCount(p, 1);
            ExpandNodeRows(p);
            l = pl;
        }
    }
    const int at = DisplRowIndex(ARow);
    int inserted;
    if (IsNode(at) && InsertAt == 0) {
        // The node row becomes the new child: its cells move into the row
        // below, which the node row then covers.
        inserted = at + 1;
        InsertRows(inserted, 1);
        for (int c = 0; c < AllColCount(); ++c) {
            SetGridCell(c, inserted, GetGridCell(c, at));
            SetGridCell(c, at, "");
            if (c == 0) continue;
            TObject* obj = GetGridObject(c, at);
            SetGridObject(c, at, nullptr);
            SetGridObject(c, inserted, obj);
            if (obj) StoreObjectMoved(obj, c, inserted);
        }
    } else {
        inserted = at + InsertAt;
        InsertRows(inserted, 1);
    }
    // Hidden rows below keep their own rows: the insertion moves them.
    if (parent >= 0) GetCellProperties(0, inserted)->SetNodeLevel(level);
}

void TExtStringGrid::RemoveChildRow(int ARow) {
    const int d = DisplRowIndex(ARow);
    int parent = GetParentRow(d);
    if (parent >= 0) {
        const int childLevel = GetNodeLevel(parent);
        if (GetNodeSpan(parent) > 1) {
            UpdateNodeSpan(parent, -1);
            if (!Nd().DataChild) UpdateSubNodeCount(parent, -1);
        }
        for (int p = parent;;) {
            ExpandNodeRows(p);
            if (GetNodeLevel(p) <= 1) break;
            const int up = GetParentRow(p);
            if (up < 0 || up == p || GetNodeLevel(up) >= childLevel) break;
            p = up;
            if (GetNodeSpan(p) > 1) {
                UpdateNodeSpan(p, -1);
                if (!Nd().DataChild) UpdateSubNodeCount(p, -1);
            }
        }
    }
    RemoveRows(DisplRowIndex(ARow), 1);
}

// The insertion moves the hidden rows below along.
void TExtStringGrid::InsertNormalRow(int ARow) { InsertRows(DisplRowIndex(ARow), 1); }

void TExtStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

bool TExtStringGrid::IsOnNodeGlyph(int ARow, int X) {
    if (!FMouseActions.PreciseNodeClick()) return true;
    const TCellProperties* p = ARow >= 0 && ARow < RowCount() ? PropsOf(0, ARow) : nullptr;
    const int level = p ? p->NodeLevel() : 0;
    const int indent = FCellNode.NodeIndent();
    int w = 4, o = 4;
    switch (FCellNode.NodeType()) {
        case cnFlat:
        case cnXP: break;
        case cn3D:
            w = 6;
            o = 0;
            break;
        case cnGlyph: {
            const plat::TBitmap& glyph = FCellNode.ExpandGlyph();
            w = glyph.Empty() ? 0 : glyph.Width() / 2;
            o = glyph.Empty() ? 0 : 2;
            break;
        }
        case cnLeaf:
            w = 8;
            o = 2;
            break;
    }
    // Mirrored, the glyph hangs from the right edge; the scroll bar at the
    // left is part of the width client points are counted against.
    if (UseRightToLeftAlignment()) {
        const int g = Width();
        return X >= g - level * indent - w - 2 && X < g - (level - 1) * indent;
    }
    return o + (level - 1) * indent < X && X < w + level * indent;
}

bool TExtStringGrid::NodeMouseDown(int X, int Y) {
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (FNodes) FNodes->PressedExpandCol = FNodes->PressedExpandRow = -1;
    if (cell.X >= 0 && cell.Y >= 0 && cell.X < ColCount() && cell.Y < RowCount() &&
        HasExpand(RealColIndex(cell.X), cell.Y) && plat::PtInRect(GetExpandButtonRect(RealColIndex(cell.X), cell.Y), {X, Y})) {
        Nd().PressedExpandCol = cell.X;
        Nd().PressedExpandRow = cell.Y;
        return false;
    }
    if (!HasNodes()) return false;
    if (cell.X != 0 || cell.Y < 0 || cell.Y >= RowCount()) return false;
    if (cell.Y < FixedRows()) {
        if (!FMouseActions.NodeAllExpandContract()) return false;
        // The header's own flag remembers which way the last click went.
        TNodeState& st = Nd();
        if (st.AllContracted) ExpandAll();
        else ContractAll();
        st.AllContracted = !st.AllContracted;
        return true;
    }
    if (!IsNode(cell.Y)) return false;
    const int x = X - GridCellRect(0, cell.Y).Left;
    if (!IsOnNodeGlyph(cell.Y, x)) return false;
    const int real = RealRowIndex(cell.Y);
    bool allow = true;
    if (GetNodeState(cell.Y)) {
        if (OnBeforeExpandNode) OnBeforeExpandNode(this, cell.Y, real, allow);
        if (allow) {
            ExpandNode(real);
            if (OnExpandNode) OnExpandNode(this, cell.Y, real);
        }
    } else {
        if (OnBeforeContractNode) OnBeforeContractNode(this, cell.Y, real, allow);
        if (allow) {
            ContractNode(real);
            if (OnContractNode) OnContractNode(this, cell.Y, real);
        }
    }
    if (FMouseActions.MoveRowOnNodeClick() && cell.Y < RowCount()) SetRow(cell.Y);
    Invalidate();
    return true;
}

// ----------------------------------------------------------- expand buttons

bool TExtStringGrid::ExpandMouseUp(int X, int Y) {
    if (!FNodes || FNodes->PressedExpandCol < 0) return false;
    const int c = FNodes->PressedExpandCol, r = FNodes->PressedExpandRow;
    FNodes->PressedExpandCol = FNodes->PressedExpandRow = -1;
    const plat::TGridCoord cell = MouseCoord(X, Y);
    if (cell.X != c || cell.Y != r || !plat::PtInRect(GetExpandButtonRect(RealColIndex(c), r), {X, Y})) return false;
    ExpandClick(RealColIndex(c), r);
    return true;
}

void TExtStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight) {
    const int height = RowHeights(ARow);
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellIndex(height);
    g->SetCellVar(0);
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExtStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

namespace {

TCellGraphic* ExpandGraphic(TExtStringGrid& Grid, int ACol, int ARow) {
    const plat::TPoint b = Grid.BaseCell(ACol, ARow);
    auto* g = dynamic_cast<TCellGraphic*>(Grid.GetGraphicObjectEx(b.X, b.Y));
    return g && g->CellType() == ctExpand ? g : nullptr;
}

}  // namespace

bool TExtStringGrid::ToggleExpand(int ACol, int ARow) {
    TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    if (!g) return false;
    g->SetCellVar(g->CellVar() ? 0 : 1);
    return g->CellVar() != 0;
}

bool TExtStringGrid::GetExpandState(int ACol, int ARow) {
    const TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    return g && g->CellVar() != 0;
}

int TExtStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded) {
    const TCellGraphic* g = ExpandGraphic(*this, ACol, ARow);
    if (!g) return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}

void TExtStringGrid::ExpandClick(int ACol, int ARow) {
    if (!ExpandGraphic(*this, ACol, ARow)) return;
    const bool expanded = ToggleExpand(ACol, ARow);
    if (OnExpandClick) OnExpandClick(this, ACol, ARow, expanded);
    SetRowHeights(ARow, GetExpandHeight(ACol, ARow, expanded));
}

}  // namespace grid
