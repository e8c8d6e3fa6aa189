// CSV files written by other programs: whatever the bytes, the records and
// fields read back the same after being written again, and a grid loading
// them either takes them or stays as it was.

#include <sstream>

#include "FuzzSupport.h"
#include "grid/ExtGrid.h"
#include "grid/GridCsv.h"
#include "grid/GridExchange.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 100000) return 0;
    const std::string text = grid::DecodeGridText(fuzz::Bytes(data, size));
    const size_t e1 = text.find_first_of("\r\n");
    const char d = grid::GuessCsvDelimiter(text.substr(0, e1), "");
    const char w = d ? d : ',';
    for (const std::string& record : grid::SplitCsvRecords(text, d)) {
        const auto fields = grid::ReadCsvRecord(record, w, false);
        bool plain = true;
        // Line breaks come back as CR LF, whatever kind the input had.
        for (const auto& f : fields) plain &= f.find_first_of("\v\r\n") == std::string::npos;
        if (!plain) continue;
        grid::TCsvOptions opt;
        opt.Delimiter = w;
        const std::string line = grid::WriteCsvLine(fields, opt) + "\r\n";
        const auto again = grid::SplitCsvRecords(line, w);
        FUZZ_REQUIRE(again.size() == 1, line);
        FUZZ_REQUIRE(grid::ReadCsvRecord(again[0], w, false) == fields, line);
    }
    grid::TExtStringGrid g(nullptr);
    g.SetCells(1, 1, "sentinel");
    std::istringstream in(fuzz::Bytes(data, size));
    try {
        g.LoadFromCSVStream(in);
    } catch (const std::exception&) {
        FUZZ_REQUIRE(g.Cells(1, 1) == "sentinel" && g.RowCount() == 10, "a refused input changed the grid");
    }
    return 0;
}
