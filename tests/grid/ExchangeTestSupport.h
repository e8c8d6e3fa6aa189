#pragma once
// Small helpers of the exchange format tests: a scratch folder per test,
// whole files read as bytes, stored files of tests/grid/data/exchange.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "grid/ExtGrid.h"

namespace exchange_test {

inline std::string Scratch(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path() / "vastrimo-exchange" /
                     (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string Stored(const std::string& name) {
    return ReadBytes(std::string(VASTRIMO_TEST_DATA) + "/exchange/" + name);
}

// Row-by-row texts of the grid, real columns, every row.
inline std::vector<std::vector<std::string>> CellsOf(grid::TExtStringGrid& g) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < g.RowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < g.ColCount(); ++c) rows.back().push_back(g.Cells(c, r));
    }
    return rows;
}

}  // namespace exchange_test
