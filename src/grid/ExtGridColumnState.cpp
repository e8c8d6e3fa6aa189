// The user's arrangement of the columns kept outside the window layout:
// the column-state text, and widths and order in an ini file or the
// registry. Every reader checks its whole input before it changes the
// grid, so refused input leaves the grid as it was.

#include <algorithm>
#include <cstdio>

#include "base/StrUtils.h"
#include "grid/ExtGrid.h"
#include "platform/Registry.h"

namespace grid {

namespace {

std::string JoinInts(const std::vector<int>& Values) {
    std::string s;
    for (size_t i = 0; i < Values.size(); ++i) {
        if (i) s += ',';
        s += base::IntToStr(Values[i]);
    }
    return s;
}

// The numbers of a comma-separated field; false on anything but numbers.
bool SplitInts(const std::string& Field, std::vector<int>& Out) {
    Out.clear();
    if (Field.empty()) return true;
    for (const std::string& part : base::SplitString(Field, ',')) {
        int v = 0;
        if (!base::TryStrToInt(part, v)) return false;
        Out.push_back(v);
    }
    return true;
}

// Entries of an order list for Count columns, -1 entries skipped; a list
// that is not an arrangement of exactly these columns is refused.
bool OrderOf(const std::vector<int>& Entries, int Count, std::vector<int>& Order) {
    Order.clear();
    std::vector<bool> seen(static_cast<size_t>(Count), false);
    for (int v : Entries) {
        if (static_cast<int>(Order.size()) == Count) break;
        if (v == -1) continue;
        if (v < 0 || v >= Count || seen[static_cast<size_t>(v)]) return false;
        seen[static_cast<size_t>(v)] = true;
        Order.push_back(v);
    }
    return static_cast<int>(Order.size()) == Count;
}

// The place ColumnSize names: an ini file, or the registry stand-in with
// the section below the key.
struct TColumnStore {
    explicit TColumnStore(const TColumnSize& CS)
        : Ini(CS.Location() == clIniFile ? plat::TRegistry(CS.Key()) : plat::TRegistry()),
          Section(CS.Location() == clIniFile ? CS.Section() : CS.Key() + "\\" + CS.Section()),
          Name(CS.Key()) {}
    void Write(const std::string& Key, int Value) {
        if (!Ini.WriteInteger(Section, Key, Value)) throw EExtGridError("Cannot write column settings to " + Name);
    }
    int Read(const std::string& Key, int Def) const { return Ini.ReadInteger(Section, Key, Def); }
    plat::TRegistry Ini;
    std::string Section;
    std::string Name;
};

}  // namespace

// ------------------------------------------------------------ column state

std::string TExtStringGrid::ColumnStatesToString() {
    const int total = TotalColCount();
    std::vector<int> widths, order, flags;
    for (int i = 0; i < total; ++i) {
        widths.push_back(i < ColCount() ? ColWidths(i) : DefaultColWidth());
        flags.push_back(IsHiddenColumn(i) ? 0 : 1);
    }
    if (FColumnOrder.empty())
        for (int i = 0; i < total; ++i) order.push_back(i);
    else
        order = FColumnOrder;
    return base::IntToStr(total) + "#" + JoinInts(widths) + "#" + JoinInts(order) + "#" + JoinInts(flags);
}

void TExtStringGrid::StringToColumnStates(const std::string& Value) {
    if (Value.find('#') == std::string::npos) return;
    const std::vector<std::string> fields = base::SplitString(Value, '#');
    auto refuse = [&](const std::string& Why) {
        throw EExtGridError("Invalid column state \"" + Value + "\": " + Why);
    };
    if (fields.size() != 4) refuse("four fields separated by # expected");
    int count = 0;
    if (!base::TryStrToInt(fields[0], count) || count <= FixedCols() || count > 100000)
        refuse("a column count above the fixed columns expected");
    std::vector<int> widths, entries, order, flags;
    if (!SplitInts(fields[1], widths) || static_cast<int>(widths.size()) < count ||
        std::any_of(widths.begin(), widths.end(), [](int w) { return w < 0; }))
        refuse("a width for every column expected");
    if (!SplitInts(fields[2], entries) || (!entries.empty() && !OrderOf(entries, count, order)))
        refuse("an order naming every column once expected");
    if (!SplitInts(fields[3], flags) || static_cast<int>(flags.size()) < count ||
        std::any_of(flags.begin(), flags.begin() + count, [](int f) { return f != 0 && f != 1; }))
        refuse("a visibility flag 0 or 1 for every column expected");
    const int shown = static_cast<int>(std::count(flags.begin(), flags.begin() + count, 1));
    if (shown <= FixedCols()) refuse("more visible columns than fixed columns expected");

    // Back to the columns as first laid out, then into the stored order:
    // moving from there keeps the order list in step with the columns.
    ResetColumnOrder();
    SetColCount(count);
    SetColumnOrder();
    for (int i = 0; i < static_cast<int>(order.size()); ++i) {
        const auto at = std::find(FColumnOrder.begin(), FColumnOrder.end(), order[static_cast<size_t>(i)]);
        const int p = static_cast<int>(at - FColumnOrder.begin());
        if (p != i) MoveColumn(p, i);
    }
    if (order.empty()) FColumnOrder.clear();
    for (int i = count - 1; i >= 0; --i)
        if (flags[static_cast<size_t>(i)] == 0) HideColumn(i);

    const bool stretch = ColumnSize().Stretch();
    ColumnSize().SetStretch(false);
    if (stretch) {
        const int sc = ColumnSize().StretchColumn() < 0 ? ColCount() - 1 : ColumnSize().StretchColumn();
        if (sc >= 0 && sc < ColCount()) SetDefaultColWidth(ColWidths(sc));
    }
    for (int i = 0; i < ColCount(); ++i) SetColWidths(i, widths[static_cast<size_t>(i)]);
    ColumnSize().SetStretch(stretch);
}

// ------------------------------------------------- widths and order stored

void TExtStringGrid::SaveColSizes() {
    if (ColumnSize().Key().empty() || ColumnSize().Section().empty()) return;
    TColumnStore store(ColumnSize());
    for (int i = 0; i < ColCount(); ++i) store.Write("Col" + base::IntToStr(i), ColWidths(i));
}

void TExtStringGrid::LoadColSizes() {
    if (ColumnSize().Key().empty() || ColumnSize().Section().empty()) return;
    const TColumnStore store(ColumnSize());
    for (int i = 0; i < ColCount(); ++i) {
        const int w = store.Read("Col" + base::IntToStr(i), ColWidths(i));
        if (w != ColWidths(i) && w >= 0) SetColWidths(i, w);
    }
}

void TExtStringGrid::LoadColSizesOnStart() {
    if (ColumnSize().Save()) LoadColSizes();
}

void TExtStringGrid::SaveColSizesOnClose() noexcept {
    if (!ColumnSize().Save()) return;
    try {
        SaveColSizes();
    } catch (const std::exception& E) {
        // A grid going away has no one left to tell; the widths the file
        // held before stay there.
        std::fprintf(stderr, "%s\n", E.what());
    }
}

void TExtStringGrid::SaveColPositions() {
    if (ColumnSize().Key().empty() || ColumnSize().Section().empty()) return;
    TColumnStore store(ColumnSize());
    for (size_t i = 0; i < FColumnOrder.size(); ++i)
        store.Write("Pos" + base::IntToStr(static_cast<int64_t>(i)), FColumnOrder[i]);
}

void TExtStringGrid::LoadColPositions() {
    if (ColumnSize().Key().empty() || ColumnSize().Section().empty()) return;
    const TColumnStore store(ColumnSize());
    if (store.Read("Pos0", -1) == -1) return;
    const int total = TotalColCount();
    std::vector<int> entries, order;
    for (int i = 0; i < total; ++i) entries.push_back(store.Read("Pos" + base::IntToStr(i), -1));
    // An order for other columns than these is not applied at all.
    if (!OrderOf(entries, total, order)) return;
    // Hidden columns are remembered by the column they are, so that the
    // same columns are hidden again wherever the order puts them.
    std::vector<int> hidden;
    for (int i = 0; i < total; ++i)
        if (IsHiddenColumn(i))
            hidden.push_back(i < static_cast<int>(FColumnOrder.size()) ? FColumnOrder[static_cast<size_t>(i)] : i);
    ResetColumnOrder();
    SetColumnOrder();
    for (int i = 0; i < total; ++i) {
        const auto at = std::find(FColumnOrder.begin(), FColumnOrder.end(), order[static_cast<size_t>(i)]);
        const int p = static_cast<int>(at - FColumnOrder.begin());
        if (p != i) MoveColumn(p, i);
    }
    std::vector<int> places;
    for (int id : hidden)
        places.push_back(static_cast<int>(std::find(FColumnOrder.begin(), FColumnOrder.end(), id) - FColumnOrder.begin()));
    std::sort(places.begin(), places.end());
    for (int c : places) HideColumn(c);
}

}  // namespace grid
