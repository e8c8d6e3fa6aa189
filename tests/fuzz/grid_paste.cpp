// Text pasted or dropped from other programs, and the cell blocks a drag
// from outside carries: a paste never writes outside the grid and grows it
// no further than the text reaches; a cell block whose length field lies is
// refused.

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"
#include "grid/GridDragDrop.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 20000) return 0;
    const std::string bytes = fuzz::Bytes(data, size);
    int cols = 0, rows = 0;
    grid::TExtStringGrid::CountTextBlock(bytes, cols, rows);
    FUZZ_REQUIRE(cols >= 0 && rows >= 0 && size_t(rows) <= size, "counts within the text");

    grid::TExtStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetOptions(g.Options() + plat::TGridOptions{plat::goEditing});
    int pr = 0, pc = 0;
    const int count = g.PasteText(1, 1, pr, pc, bytes);
    FUZZ_REQUIRE(count >= 0 && size_t(count) <= size + 1, "no more fields than characters");
    FUZZ_REQUIRE(g.RowCount() <= std::max(3, 1 + pr), "rows grown no further than the lines");
    FUZZ_REQUIRE(g.ColCount() <= std::max(3, 1 + pc), "columns grown no further than the fields");

    plat::TDragData drag;
    drag.Add(grid::GridCellsDragFormat(), bytes);
    std::string stream;
    if (grid::TEnumFormats(drag).Stream(stream)) {
        FUZZ_REQUIRE(stream.size() + 8 <= bytes.size(), "the cells lie inside the block");
    }
    return 0;
}
