// The grid's column-state text: a text it refuses changes nothing, and a
// text it takes leaves the grid's own columns, reordered and hidden, with
// a state that reads back as what it applied.

#include <algorithm>

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"

namespace {

std::vector<std::string> Names(grid::TExtStringGrid& g) {
    std::vector<std::string> names;
    for (int c = 0; c < g.TotalColCount(); ++c) names.push_back(g.AllCells(c, 0));
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzz::Bytes(data, size);
    grid::TExtStringGrid g(nullptr);
    g.SetFixedCols(0);
    g.SetColCount(4);
    g.SetRowCount(2);
    for (int c = 0; c < 4; ++c) g.SetCells(c, 0, "n" + std::to_string(c));
    g.MoveColumn(3, 1);
    g.HideColumn(2);
    const std::string before = g.ColumnStatesToString();
    try {
        g.StringToColumnStates(text);
    } catch (const grid::EExtGridError&) {
        FUZZ_REQUIRE(g.ColumnStatesToString() == before, "a refused text changes nothing");
        return 0;
    }
    if (text.find('#') == std::string::npos) {
        FUZZ_REQUIRE(g.ColumnStatesToString() == before, "a text without fields changes nothing");
        return 0;
    }
    const std::string after = g.ColumnStatesToString();
    g.StringToColumnStates(after);
    FUZZ_REQUIRE(g.ColumnStatesToString() == after, "an applied state reads back as itself");
    if (g.TotalColCount() == 4) {
        std::vector<std::string> names = Names(g);
        std::sort(names.begin(), names.end());
        FUZZ_REQUIRE(names == (std::vector<std::string>{"n0", "n1", "n2", "n3"}), "the same columns, reordered");
    }
    return 0;
}
