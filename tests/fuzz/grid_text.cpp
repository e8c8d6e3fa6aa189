// Grid text files and streams from outside: a refused one leaves the grid
// as it was; a taken one never puts a cell outside the grid.

#include <sstream>

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"
#include "grid/GridExchange.h"
#include "grid/GridTextIO.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    const std::string bytes = fuzz::Bytes(data, size);
    grid::TGridTextData text;
    std::string error;
    if (grid::ReadGridTextLines(grid::DecodeGridText(bytes), true, text, error) && text.HasSize) {
        FUZZ_REQUIRE(text.ColCount > 0 && text.RowCount > 0, "a taken size is positive");
        // Keep the grids this harness builds small.
        if (text.ColCount <= 64 && text.RowCount <= 1000) {
            grid::TExtStringGrid g(nullptr);
            g.SetMultilinecells(true);
            g.LoadFromFile(fuzz::WriteScratchFile("grid.txt", bytes));
            FUZZ_REQUIRE(g.ColCount() == text.ColCount && g.RowCount() == text.RowCount, "size as read");
        }
    }
    size_t pos = 0;
    if (grid::ReadGridTextStream(bytes, pos, true, text, error)) {
        FUZZ_REQUIRE(pos <= bytes.size(), "position inside the stream");
    }
    grid::TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "sentinel");
    std::istringstream in(bytes);
    try {
        if (!text.HasSize || (text.ColCount <= 64 && text.RowCount <= 1000)) g.LoadFromStream(in);
    } catch (const std::exception&) {
        FUZZ_REQUIRE(g.Cells(1, 1) == "sentinel" && g.ColCount() == 5, "a refused stream changed the grid");
    }
    return 0;
}
