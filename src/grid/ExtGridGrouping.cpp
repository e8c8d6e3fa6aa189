// Grouping of the string grid's rows by the values of one column: a header
// row (a node) before every run of equal values, optionally a summary row
// after it, and the grouping column taken out of the grid until UnGroup
// puts it back. Rows are inserted and removed in one pass each, so grouping
// a big table costs a few passes over it, not one per group.

#include <algorithm>

#include "base/StrUtils.h"
#include "grid/ExtGridDataState.h"
#include "grid/ExtGridNodeState.h"
#include "grid/GridExchangeState.h"

namespace grid {

namespace {

// Starts the first run whatever the first value is: no cell holds it.
const std::string kNoValue = "\xC3\xBF\xC3\xBE";

// The count of a group header in the user's format: "%d" stands for the
// number and "%%" for a percent sign; everything else is shown as written.
// The format is the user's text, so it never reaches printf.
std::string FormatGroupCount(const std::string& Format, int Count) {
    if (Format.empty()) return " (" + std::to_string(Count) + ")";
    std::string out;
    for (size_t i = 0; i < Format.size(); ++i) {
        if (Format[i] == '%' && i + 1 < Format.size() && Format[i + 1] == 'd') {
            out += std::to_string(Count);
            ++i;
        } else if (Format[i] == '%' && i + 1 < Format.size() && Format[i + 1] == '%') {
            out += '%';
            ++i;
        } else {
            out += Format[i];
        }
    }
    return out;
}

// Sets the grid's grouping mark and update lock for the length of an
// operation, released also when it fails.
class TGroupingRun {
public:
    TGroupingRun(TExtStringGrid& Grid, bool& Mark) : FGrid(Grid), FMark(Mark) {
        FGrid.BeginUpdate();
        FMark = true;
    }
    ~TGroupingRun() {
        FMark = false;
        FGrid.EndUpdate();
    }
    TGroupingRun(const TGroupingRun&) = delete;
    TGroupingRun& operator=(const TGroupingRun&) = delete;

private:
    TExtStringGrid& FGrid;
    bool& FMark;
};

}  // namespace

TGrouping& TExtStringGrid::Grouping() { return Nd().Grouping; }

namespace {

// A sub-header shows its value in the column after the sub-grouping one;
// when there is none, in its own cell of that column, which the data rows
// leave empty, rather than beyond the grid's last column where nobody sees
// it.
int SubHeaderCol(TExtStringGrid& Grid, int Colindex) {
    return Colindex + 1 < Grid.AllColCount() ? Colindex + 1 : Colindex;
}

}  // namespace

bool TExtStringGrid::Grouping_InProgress() const { return FNodes && FNodes->InProgress; }

std::string TExtStringGrid::GroupHeaderText(int ARow, const std::string& Text) {
    if (!FNodes || !FNodes->Grouping.ShowGroupCount || FGroupColumn < 0) return Text;
    const TCellGraphic* g = NodeGraphic(ARow);
    if (!g) return Text;
    return Text + FormatGroupCount(FNodes->Grouping.GroupCountFormat, g->CellIndex() - g->CellErrFrom() - 1);
}

void TExtStringGrid::InsertRowsBefore(const std::vector<int>& Rows) {
    const int oldCount = RowCount();
    const int k = static_cast<int>(Rows.size());
    if (k == 0) return;
    std::vector<int> atReal(static_cast<size_t>(k));
    for (int i = 0; i < k; ++i) atReal[static_cast<size_t>(i)] = RealRowIndex(Rows[static_cast<size_t>(i)]);
    std::vector<int> heights(static_cast<size_t>(oldCount));
    for (int r = 0; r < oldCount; ++r) heights[static_cast<size_t>(r)] = RowHeights(r);
    const int newCount = oldCount + k;
    SetTextAndRowCount(newCount);
    std::vector<int> order(static_cast<size_t>(newCount));
    std::vector<int> newHeights(static_cast<size_t>(newCount));
    int i = 0, s = 0;
    for (int t = 0; t < newCount; ++t) {
        if (i < k && (Rows[static_cast<size_t>(i)] <= s || s >= oldCount)) {
            order[static_cast<size_t>(t)] = oldCount + i++;
            newHeights[static_cast<size_t>(t)] = DefaultRowHeight();
        } else {
            order[static_cast<size_t>(t)] = s;
            newHeights[static_cast<size_t>(t)] = heights[static_cast<size_t>(s++)];
        }
    }
    PermuteStoreRows(0, order);
    for (int t = 0; t < newCount; ++t)
        if (RowHeights(t) != newHeights[static_cast<size_t>(t)])
            TBaseGrid::SetRowHeights(t, newHeights[static_cast<size_t>(t)]);
    // From the bottom up, so that every insertion point is still the one
    // it was before the change.
    for (int j = k - 1; j >= 0; --j) RealRowsInserted(atReal[static_cast<size_t>(j)], 1);
    CellControlsUpdate(false);
}

void TExtStringGrid::RemoveGroupRowList(const std::vector<int>& Rows) {
    const int count = RowCount();
    std::vector<int> rows;
    for (int r : Rows)
        if (r >= 0 && r < count) rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty()) return;
    std::vector<int> removedReal;
    removedReal.reserve(rows.size());
    for (int r : rows) {
        removedReal.push_back(RealRowIndex(r));
        // Taken out and dropped: the cells' properties go with them.
        (void)TakeRowCells(r);
    }
    CloseUpRows(rows);
    RealRowsRemoved(removedReal);
    CellControlsUpdate(false);
}

// Header and summary rows take the grouping's colours, each only when set;
// merged rows give them to their one merged cell instead.
void TExtStringGrid::SetGroupRowLook(int ARow, int FromCol, bool Header) {
    const TGrouping& g = Grouping();
    const TColor color = Header ? g.HeaderColor : g.SummaryColor;
    const TColor colorTo = Header ? g.HeaderColorTo : g.SummaryColorTo;
    const TColor text = Header ? g.HeaderTextColor : g.SummaryTextColor;
    const bool merge = Header ? g.MergeHeader : g.MergeSummary;
    if (merge) {
        const int span = AllColCount() - FromCol;
        if (span > 1) MergeCells(FromCol, ARow, span, 1);
        if (color != plat::clNone) GetCellProperties(FromCol, ARow)->SetBrushColor(color);
        if (colorTo != plat::clNone) GetCellProperties(FromCol, ARow)->SetBrushColorTo(colorTo);
        if (text != plat::clNone) GetCellProperties(FromCol, ARow)->SetFontColor(text);
        return;
    }
    if (color != plat::clNone) SetRowColor(ARow, color);
    if (colorTo != plat::clNone) SetRowColorTo(ARow, colorTo);
    if (text != plat::clNone) SetRowFontColor(ARow, text);
}

void TExtStringGrid::Group(int Colindex) {
    // Column 0 carries the nodes: without a fixed column in front, grouping
    // by it would take the node column out of the grid, and UnGroup could
    // not bring the values back.
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= AllColCount()) return;
    if (FGroupColumn != -1) UnGroup();
    if (RowCount() <= FixedRows()) return;
    TNodeState& st = Nd();
    TGroupingRun run(*this, st.InProgress);
    FGroupColumn = Colindex;
    st.GroupWidth = AllColWidths(Colindex);
    st.GroupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : std::string();
    st.GroupFooter = FixedFooters() > 0 ? GetGridCell(Colindex, RowCount() - 1) : std::string();
    if (SortSettings().AutoSortForGrouping()) {
        SortSettings().SetColumn(Colindex);
        QSort();
    }
    const TGrouping& grouping = st.Grouping;
    const int first = FixedRows(), last = RowCount() - FixedFooters() - 1;
    // The runs of equal values, and before each a header row, after each a
    // summary row when asked for.
    std::vector<int> starts;
    std::vector<std::string> values;
    std::string prev = kNoValue;
    for (int r = first; r <= last; ++r) {
        std::string v = GetGridCell(Colindex, r);
        if (v != prev) {
            starts.push_back(r);
            values.push_back(v);
        }
        prev = std::move(v);
    }
    if (starts.empty()) return;
    std::vector<int> at;
    for (size_t i = 0; i < starts.size(); ++i) {
        if (grouping.Summary && i > 0) at.push_back(starts[i]);
        at.push_back(starts[i]);
    }
    if (grouping.Summary) at.push_back(last + 1);
    InsertRowsBefore(at);
    const int valueCol = Colindex == 1 ? 2 : 1;
    const int perGroup = grouping.Summary ? 2 : 1;
    for (size_t i = 0; i < starts.size(); ++i) {
        const int runEnd = i + 1 < starts.size() ? starts[i + 1] : last + 1;
        const int header = starts[i] + static_cast<int>(i) * perGroup;
        const int span = runEnd - starts[i] + 1;
        SetGridCell(valueCol, header, values[i]);
        AddNode(RealRowIndex(header), span);
        if (!grouping.MergeHeader) SetGroupRowLook(header, FixedCols(), true);
        if (grouping.Summary) {
            const int summary = header + span;
            CreateCellGraphic(0, summary)->SetCellType(ctSummary);
            if (!grouping.MergeSummary) SetGroupRowLook(summary, FixedCols(), false);
        }
    }
    RemoveCols(Colindex, 1);
    if (grouping.MergeHeader || (grouping.MergeSummary && grouping.Summary)) {
        for (int r = first; r < RowCount() - FixedFooters(); ++r) {
            if (grouping.MergeHeader && IsNode(r)) SetGroupRowLook(r, 1, true);
            if (grouping.MergeSummary && grouping.Summary && IsSummary(r)) SetGroupRowLook(r, 1, false);
        }
    }
    if (FCellNode.ExpandOne()) ExpandNode(RealRowIndex(first));
    if (Col() >= ColCount() || Row() >= RowCount()) FocusCell(FixedCols(), FixedRows());
    if (first < RowCount()) SetRow(first);
}

void TExtStringGrid::UnGroup() {
    // A grid grouped by its column 0 lost its node column with it; Group
    // refuses that, so a stored 0 means there is nothing to undo.
    if (FGroupColumn <= 0) return;
    TNodeState& st = Nd();
    const bool expandOne = FCellNode.ExpandOne();
    FCellNode.SetExpandOne(false);
    ExpandAll();
    const int col = FGroupColumn;
    {
        TGroupingRun run(*this, st.InProgress);
        InsertCols(col, 1);
        SetAllColWidths(col, st.GroupWidth);
        if (FixedRows() > 0) SetGridCell(col, 0, st.GroupCaption);
        if (FixedFooters() > 0) SetGridCell(col, RowCount() - 1, st.GroupFooter);
        const int valueCol = col == 1 ? 2 : 1;
        const int last = RowCount() - FixedFooters() - 1;
        std::vector<int> drop;
        std::string value;
        for (int r = FixedRows(); r <= last; ++r) {
            if (TCellGraphic* g = NodeGraphic(r); g && g->CellVar() == -1) {
                // A group header: its value goes back to the rows below it,
                // and it leaves with its summary row.
                value = GetGridCell(valueCol, r);
                const int span = g->CellIndex();
                for (int k = r + 1; k < r + span && k < RowCount(); ++k)
                    if (TCellProperties* p = PropsOf(0, k)) p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
                Ex().NodeCount = std::max(Ex().NodeCount - 1, 0);
                drop.push_back(r);
                if (st.Grouping.Summary && IsSummary(r + span)) drop.push_back(r + span);
                continue;
            }
            if (IsSummary(r)) continue;
            SetGridCell(col, r, value);
        }
        RemoveGroupRowList(drop);
        FGroupColumn = -1;
    }
    FCellNode.SetExpandOne(expandOne);
    if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
    Invalidate();
}

void TExtStringGrid::SubGroup(int Colindex) {
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= AllColCount() || FGroupColumn < 0) return;
    TNodeState& st = Nd();
    TGroupingRun run(*this, st.InProgress);
    const TGrouping& grouping = st.Grouping;
    // The grouping column's width and texts stay those of Group's column:
    // the sub-grouping column never leaves the grid, and UnGroup must put
    // back the column that did.
    ExpandAll();
    // Within every group, a sub-header before each run of equal values of
    // the column; the value moves from the rows into the sub-header.
    int r = FixedRows() + 1;
    int subHeader = -1;
    std::string prev = kNoValue;
    auto closeRun = [&](int End) {
        if (subHeader < 0) return;
        AddNode(RealRowIndex(subHeader), End - subHeader);
        // A sub-group's node is a child of its group: its span counts in
        // the group's, and its tag tells it from the group's own header.
        if (TCellGraphic* g = NodeGraphic(subHeader)) g->SetCellVar(Colindex);
        subHeader = -1;
    };
    while (r < RowCount() - FixedFooters()) {
        if (IsNode(r) || IsSummary(r)) {
            closeRun(r);
            prev = kNoValue;
            ++r;
            continue;
        }
        const std::string v = GetGridCell(Colindex, r);
        if (v != prev) {
            closeRun(r);
            InsertChildRow(RealRowIndex(r), 0);
            subHeader = r;
            SetGridCell(SubHeaderCol(*this, Colindex), r, v);
            SetGroupRowLook(r, grouping.MergeHeader ? SubHeaderCol(*this, Colindex) : FixedCols(), true);
            ++r;
            prev = v;
        }
        SetGridCell(Colindex, r, "");
        ++r;
    }
    closeRun(r);
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExtStringGrid::SubUnGroup(int Colindex) {
    ExpandAll();
    std::string header;
    int r = FixedRows();
    while (r < RowCount() - FixedFooters()) {
        TCellGraphic* g = NodeGraphic(r);
        if (g && g->CellVar() == Colindex) {
            header = GetGridCell(SubHeaderCol(*this, Colindex), r);
            RemoveNode(r);
            RemoveChildRow(RealRowIndex(r));
            continue;
        }
        if (!g && !IsSummary(r)) SetGridCell(Colindex, r, header);
        ++r;
    }
}

void TExtStringGrid::GroupCalc(int ACol, int Method) {
    const bool summary = Grouping().Summary;
    for (int r = FixedRows(); r < RowCount();) {
        const TCellGraphic* g = NodeGraphic(r);
        if (!g || g->CellBoolean()) {
            ++r;
            continue;
        }
        const int span = g->CellIndex();
        const int from = r + 1, to = r + span - 1;
        const int target = summary ? r + span : r;
        double v = 0;
        bool write = true;
        switch (Method) {
            case 1: v = ColumnSum(ACol, from, to); break;
            case 2: v = ColumnAvg(ACol, from, to); break;
            case 3: v = ColumnMin(ACol, from, to); break;
            case 4: v = ColumnMax(ACol, from, to); break;
            case 6: v = GroupCustomCalc(ACol, from, to); break;
            case 7: v = ColumnDistinct(ACol, from, to); break;
            case 8: v = ColumnStdDev(ACol, from, to); break;
            case 5:
                if (target < RowCount()) SetCells(ACol, target, std::to_string(span - 1));
                write = false;
                break;
            default: write = false; break;
        }
        if (write && target < RowCount()) SetFloats(ACol, target, v);
        r += std::max(span, 1);
    }
}

void TExtStringGrid::GroupSum(int Colindex) { GroupCalc(Colindex, 1); }
void TExtStringGrid::GroupAvg(int Colindex) { GroupCalc(Colindex, 2); }
void TExtStringGrid::GroupMin(int Colindex) { GroupCalc(Colindex, 3); }
void TExtStringGrid::GroupMax(int Colindex) { GroupCalc(Colindex, 4); }
void TExtStringGrid::GroupCount(int ColIndex) { GroupCalc(ColIndex, 5); }
void TExtStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
void TExtStringGrid::GroupDistinct(int ColIndex) { GroupCalc(ColIndex, 7); }
void TExtStringGrid::GroupStdDev(int ColIndex) { GroupCalc(ColIndex, 8); }

}  // namespace grid
