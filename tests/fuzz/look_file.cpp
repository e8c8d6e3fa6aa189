// The grid's look file: a file it refuses leaves the look as it was, and a
// file it takes is written back as a file that loads to the same look.

#include <fstream>
#include <sstream>

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"

namespace {

std::string LookOf(grid::TExtStringGrid& g) {
    const std::string path = fuzz::WriteScratchFile("look-out.txt", "");
    g.SaveVisualProps(path);
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz::WriteScratchFile("look.txt", fuzz::Bytes(data, size));
    grid::TExtStringGrid g(nullptr);
    const std::string before = LookOf(g);
    try {
        g.LoadVisualProps(path);
    } catch (const grid::EExtGridError&) {
        FUZZ_REQUIRE(LookOf(g) == before, "a refused file leaves the look as it was");
        return 0;
    }
    const std::string after = LookOf(g);
    grid::TExtStringGrid h(nullptr);
    const std::string again = fuzz::WriteScratchFile("look-again.txt", after);
    h.LoadVisualProps(again);
    FUZZ_REQUIRE(LookOf(h) == after, "a written look loads to the same look");
    return 0;
}
