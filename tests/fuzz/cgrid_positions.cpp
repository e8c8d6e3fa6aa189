// The column grid's position file (an ini section "CP<n>=<index>"): what
// it applies is a reordering of the grid's own columns, never a loss or a
// copy of one, and a file it refuses changes nothing.

#include <algorithm>

#include "FuzzSupport.h"
#include "grid/ExtCGrid.h"

namespace {

std::vector<std::string> Names(grid::TExtColumnGrid& g) {
    std::vector<std::string> names;
    for (int i = 0; i < g.Columns().Count(); ++i) names.push_back(g.Columns().Items(i).Name());
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteScratchFile("columns.ini", fuzz::Bytes(data, size));
    grid::TExtColumnGrid g(nullptr);
    g.SetFixedCols(0);
    g.SetColCount(4);
    for (int i = 0; i < 4; ++i) g.Columns().Items(i).SetName("n" + std::to_string(i));
    g.Loaded();
    const std::vector<std::string> before = Names(g);
    if (!g.LoadColumnPositions(path, "Cols")) {
        FUZZ_REQUIRE(Names(g) == before, "a refused file changes nothing");
        return 0;
    }
    std::vector<std::string> after = Names(g);
    std::sort(after.begin(), after.end());
    FUZZ_REQUIRE(after == before, "the columns are the same ones, reordered");
    return 0;
}
