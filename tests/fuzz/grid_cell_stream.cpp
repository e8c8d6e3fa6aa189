// Cell streams (binary grid files, clipboard blocks) from outside: a stream
// that reads writes back to one that reads the same, and a grid refusing a
// stream stays as it was.

#include <cmath>
#include <sstream>

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"
#include "grid/GridBinaryIO.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    const std::string bytes = fuzz::Bytes(data, size);
    grid::TBinGridData read;
    std::string error;
    if (grid::ReadCellStream(bytes, read, error)) {
        bool comparable = true;
        for (const auto& c : read.Cells) comparable &= !std::isnan(c.Graphic.CellValue);
        std::string again;
        FUZZ_REQUIRE(grid::WriteCellStream(read, again, error), error);
        grid::TBinGridData back;
        FUZZ_REQUIRE(grid::ReadCellStream(again, back, error), error);
        FUZZ_REQUIRE(back.ColCount == read.ColCount && back.RowCount == read.RowCount, "counts");
        FUZZ_REQUIRE(back.Cells.size() == read.Cells.size(), "cell count");
        if (comparable) FUZZ_REQUIRE(back.Cells == read.Cells, "cells");
    }
    grid::TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "sentinel");
    if (read.FullGrid && (std::int64_t(read.ColCount) * read.RowCount > 100000)) return 0;
    std::istringstream in(bytes);
    try {
        g.LoadFromBinStream(in);
    } catch (const std::exception&) {
        FUZZ_REQUIRE(g.Cells(1, 1) == "sentinel" && g.ColCount() == 5, "a refused stream changed the grid");
    }
    return 0;
}
