// Grouping of the string grid's rows by the values of one column: a header
// row (a node) before every run of equal values, optionally a summary row
// after it, and the grouping column taken out of the grid until UnGroup
// puts it back. Rows are inserted and removed in one pass each, so grouping
// a big table costs a few passes over it, not one per group.

#include <algorithm>

#include "base/StrUtils.h"
#include "grid/ExtGridDataState.h"
#include "grid/ExtGridFooter.h"
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

void TExtStringGrid::ShiftNodeSpans(int First, int End, const std::vector<int>& Headers, int Sign, int Skip) {
    for (int r = First; r < End; ++r) {
        TCellGraphic* g = NodeGraphic(r);
        if (!g || g->CellVar() == Skip) continue;
        const auto from = std::upper_bound(Headers.begin(), Headers.end(), r);
        const auto to = std::lower_bound(Headers.begin(), Headers.end(), r + g->CellIndex());
        const int inside = Sign * static_cast<int>(to - from);
        g->SetCellIndex(std::max(g->CellIndex() + inside, 1));
        g->SetCellErrFrom(std::max(g->CellErrFrom() + inside, 0));
    }
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
    const int first = FixedRows(), end = RowCount() - FixedFooters();
    // Within every group, a run of equal values of the column gets a
    // sub-header before it; node and summary rows end a run, so each group
    // starts afresh. The runs are found first and their headers inserted
    // in one pass, so the cost grows with the rows, not rows times runs.
    std::vector<int> starts;  // first data row of each run (rows before the insertion)
    std::vector<int> ends;    // the row after it
    std::vector<std::string> values;
    std::string prev = kNoValue;
    for (int r = first + 1; r < end; ++r) {
        if (IsNode(r) || IsSummary(r)) {
            if (ends.size() < starts.size()) ends.push_back(r);
            prev = kNoValue;
            continue;
        }
        std::string v = GetGridCell(Colindex, r);
        if (v != prev) {
            if (ends.size() < starts.size()) ends.push_back(r);
            starts.push_back(r);
            values.push_back(v);
        }
        prev = std::move(v);
    }
    if (ends.size() < starts.size()) ends.push_back(end);
    // With summary rows asked for but none made by Group, the last group
    // still gets the one that closes the grid.
    const bool closingSummary = grouping.Summary && end > first && !IsSummary(end - 1);
    if (starts.empty() && !closingSummary) return;

    // Every node that holds runs grows by their headers, which it counts
    // as sub-nodes; the header sits at the depth of the rows it heads.
    std::vector<int> levels;
    levels.reserve(starts.size());
    for (int r : starts) {
        const TCellProperties* p = PropsOf(0, r);
        levels.push_back(p ? p->NodeLevel() : 0);
    }
    ShiftNodeSpans(first, end, starts, +1, Colindex);
    std::vector<int> at = starts;
    if (closingSummary) at.push_back(end);
    InsertRowsBefore(at);

    const int valueCol = SubHeaderCol(*this, Colindex);
    for (size_t i = 0; i < starts.size(); ++i) {
        const int header = starts[i] + static_cast<int>(i);
        const int span = ends[i] - starts[i] + 1;
        for (int r = header + 1; r < header + span; ++r) SetGridCell(Colindex, r, "");
        SetGridCell(valueCol, header, values[i]);
        if (levels[i] > 0) GetCellProperties(0, header)->SetNodeLevel(levels[i]);
        AddNode(RealRowIndex(header), span);
        // A sub-group's node is a child of its group: its tag tells it from
        // the group's own header.
        NodeGraphic(header)->SetCellVar(Colindex);
        SetGroupRowLook(header, grouping.MergeHeader ? valueCol : FixedCols(), true);
    }
    if (closingSummary) {
        const int summary = RowCount() - FixedFooters() - 1;
        CreateCellGraphic(0, summary)->SetCellType(ctSummary);
        SetGroupRowLook(summary, grouping.MergeSummary ? valueCol : FixedCols(), false);
    }
    if (FixedRows() < RowCount()) SetRow(FixedRows());
}

void TExtStringGrid::SubUnGroup(int Colindex) {
    ExpandAll();
    const int first = FixedRows(), end = RowCount() - FixedFooters();
    const int valueCol = SubHeaderCol(*this, Colindex);
    // The sub-headers of the column give their value back to the rows they
    // head and leave together, in one removal.
    std::vector<int> headers;
    std::string header;
    for (int r = first; r < end; ++r) {
        TCellGraphic* g = NodeGraphic(r);
        if (g && g->CellVar() == Colindex) {
            header = GetGridCell(valueCol, r);
            for (int k = r; k < r + g->CellIndex() && k < RowCount(); ++k)
                if (TCellProperties* p = PropsOf(0, k)) p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
            headers.push_back(r);
            continue;
        }
        if (!g && !IsSummary(r)) SetGridCell(Colindex, r, header);
    }
    if (headers.empty()) return;
    ShiftNodeSpans(first, end, headers, -1, Colindex);
    // The removal takes the sub-headers' nodes along with their rows.
    Ex().NodeCount = std::max(Ex().NodeCount - static_cast<int>(headers.size()), 0);
    RemoveGroupRowList(headers);
    if (Row() >= RowCount() || Col() >= ColCount()) FocusCell(FixedCols(), FixedRows());
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

namespace {

// The footer shows the grand total of what the groups show, so that a
// visible footer needs no setting of its own for it.
void GroupCalcAndFooter(TExtStringGrid& Grid, int ACol, int Method, TColumnCalcType Calc) {
    Grid.GroupCalc(ACol, Method);
    if (Grid.FloatingFooter().Visible()) Grid.FloatingFooter().SetColumnCalc(ACol, Calc);
}

}  // namespace

void TExtStringGrid::GroupSum(int Colindex) { GroupCalcAndFooter(*this, Colindex, 1, acSUM); }
void TExtStringGrid::GroupAvg(int Colindex) { GroupCalcAndFooter(*this, Colindex, 2, acAVG); }
void TExtStringGrid::GroupMin(int Colindex) { GroupCalcAndFooter(*this, Colindex, 3, acMIN); }
void TExtStringGrid::GroupMax(int Colindex) { GroupCalcAndFooter(*this, Colindex, 4, acMAX); }
void TExtStringGrid::GroupCount(int ColIndex) { GroupCalcAndFooter(*this, ColIndex, 5, acCOUNT); }
void TExtStringGrid::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, 6); }
void TExtStringGrid::GroupDistinct(int ColIndex) { GroupCalc(ColIndex, 7); }
void TExtStringGrid::GroupStdDev(int ColIndex) { GroupCalc(ColIndex, 8); }

}  // namespace grid
