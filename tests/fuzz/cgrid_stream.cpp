// The column grid's settings stream: a stream the grid accepts is written
// back and read by another grid to the same text, and the number formats
// it brings are safe to format with.

#include <sstream>

#include "FuzzSupport.h"
#include "grid/ExtCGrid.h"

namespace {

void Name(grid::TExtColumnGrid& g, int cols) {
    g.SetColCount(cols);
    for (int i = 0; i < cols; ++i) g.Columns().Items(i).SetName("n" + std::to_string(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    grid::TExtColumnGrid g(nullptr);
    Name(g, 3);
    std::ostringstream before;
    g.SaveColumnsToStream(before);
    std::istringstream in(fuzz::Bytes(data, size));
    std::string error;
    if (!g.LoadColumnsFromStream(in, &error)) {
        FUZZ_REQUIRE(!error.empty(), "a refused stream says why");
        std::ostringstream after;
        g.SaveColumnsToStream(after);
        FUZZ_REQUIRE(after.str() == before.str(), "a refused stream leaves the columns alone");
        return 0;
    }
    for (int c = 0; c < g.ColCount(); ++c) g.SetFloats(c, 1, 1234.5678);
    std::ostringstream out;
    FUZZ_REQUIRE(g.SaveColumnsToStream(out), "saved");
    grid::TExtColumnGrid other(nullptr);
    Name(other, 3);
    std::istringstream back(out.str());
    FUZZ_REQUIRE(other.LoadColumnsFromStream(back, &error), error + "\n" + out.str());
    std::ostringstream again;
    other.SaveColumnsToStream(again);
    FUZZ_REQUIRE(again.str() == out.str(), out.str());
    return 0;
}
