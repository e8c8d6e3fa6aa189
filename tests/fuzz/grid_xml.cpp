// XML documents read into a grid: any document is either refused or gives
// cells at non-negative positions inside the reported extent; cell texts
// survive escaping.

#include <algorithm>

#include "FuzzSupport.h"
#include "grid/GridFixedWidth.h"
#include "grid/GridXml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    const std::string bytes = fuzz::Bytes(data, size);
    for (bool level : {false, true}) {
        grid::TXmlReadOptions opt;
        opt.LevelToRow = level;
        opt.RowBase = 1;
        grid::TXmlReadResult res;
        std::string error;
        if (!grid::ReadXmlCells(bytes, opt, res, error)) continue;
        for (const auto& p : res.Cells) {
            FUZZ_REQUIRE(p.Col >= 0 && p.Row >= 0, "position");
            if (!p.Header) FUZZ_REQUIRE(p.Col <= res.MaxCol && p.Row <= res.MaxRow, "extent");
        }
    }
    if (bytes.find("$amp;") == std::string::npos)
        FUZZ_REQUIRE(grid::XmlUnescapeCell(grid::XmlEscapeCell(bytes)) == bytes, "escape, unescape");
    // Fixed-width lines: n sorted positions cut n - 1 fields, never more text
    // than the line holds.
    if (size >= 3) {
        std::vector<int> pos = {data[0] % 40, data[1] % 40, data[2] % 40};
        std::sort(pos.begin(), pos.end());
        const auto fields = grid::ReadFixedLine(bytes.substr(3), pos, false);
        FUZZ_REQUIRE(fields.size() == 2, "fields");
        FUZZ_REQUIRE(fields[0].size() + fields[1].size() <= bytes.size() - 3, "field length");
    }
    return 0;
}
