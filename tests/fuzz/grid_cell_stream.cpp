// Cell streams (binary grid files, clipboard blocks) from outside: a stream
// that reads writes back to one that reads the same, an image record's data
// splits and joins again, and a grid refusing a stream stays as it was; one
// it takes, with its pictures, it writes and takes again.

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
        // The writer puts down every property, whichever the input held.
        for (size_t i = 0; i < back.Cells.size(); ++i) back.Cells[i].PropsGiven = read.Cells[i].PropsGiven;
        if (comparable) FUZZ_REQUIRE(back.Cells == read.Cells, "cells");
        for (const auto& c : read.Cells) {
            if (grid::BinDataKind(c.Graphic.CellType) != grid::TBinDataKind::Picture) continue;
            std::string cls, cls2;
            std::string_view data, data2;
            if (!grid::SplitPictureData(c.Graphic.Data, cls, data)) continue;
            const std::string joined = grid::PictureData(cls, data);
            FUZZ_REQUIRE(grid::SplitPictureData(joined, cls2, data2) && cls2 == cls.substr(0, 255) && data2 == data,
                         "picture data");
            std::string_view file;
            if (grid::UnprefixLength(data, file)) FUZZ_REQUIRE(grid::LengthPrefixed(file).size() == file.size() + 4, "length");
        }
    }
    grid::TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "sentinel");
    if (read.FullGrid && (std::int64_t(read.ColCount) * read.RowCount > 100000)) return 0;
    std::istringstream in(bytes);
    try {
        g.LoadFromBinStream(in);
    } catch (const std::exception&) {
        FUZZ_REQUIRE(g.Cells(1, 1) == "sentinel" && g.ColCount() == 5, "a refused stream changed the grid");
        return 0;
    }
    if (std::int64_t(g.ColCount()) * g.RowCount() > 100000) return 0;
    std::stringstream out;
    g.SaveRectToBinStream({0, 0, g.ColCount() - 1, g.RowCount() - 1}, out);
    grid::TExtStringGrid h(nullptr);
    h.LoadFromBinStream(out);
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) {
            const plat::TPicture* p = g.GetPicture(c, r);
            const plat::TPicture* q = h.GetPicture(c, r);
            FUZZ_REQUIRE(!p == !q && (!p || (p->Width() == q->Width() && p->Height() == q->Height())), "picture");
        }
    return 0;
}
