#include "grid/GridAutomation.h"

#include <charconv>

#include "grid/ExtGrid.h"

namespace grid {

std::string XlsColumnLetters(int n) {
    if (n <= 26) return std::string(1, char(64 + n));
    if (n % 26 == 0) return std::string{char(n / 26 + 63), 'Z'};
    return std::string{char(n / 26 + 64), char(n % 26 + 64)};
}

namespace {

bool Number(std::string_view s, int& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && ec == std::errc() && p == s.data() + s.size();
}

// Letters, "$" and a row number.
bool Cell(std::string_view s, int& col, int& row) {
    const size_t d = s.find('$');
    const std::string_view letters = s.substr(0, d);
    if (d == std::string_view::npos || letters.empty() || letters.size() > 2) return false;
    for (char c : letters)
        if (c < 'A' || c > 'Z') return false;
    col = letters.size() == 1 ? letters[0] - 64 : (letters[0] - 64) * 26 + letters[1] - 64;
    return Number(s.substr(d + 1), row);
}

}  // namespace

bool ParseXlsUsedRange(std::string_view a, TXlsRange& r) {
    const size_t colon = a.find(':');
    if (colon != std::string_view::npos) {
        std::string_view l = a.substr(0, colon), h = a.substr(colon + 1);
        if (!l.empty() && l[0] == '$') l.remove_prefix(1);
        if (!h.empty() && h[0] == '$') h.remove_prefix(1);
        if (l.find('$') == std::string_view::npos) {
            r.FirstCol = 1;
            r.LastCol = 256;
            return Number(l, r.FirstRow) && Number(h, r.LastRow);
        }
        return Cell(l, r.FirstCol, r.FirstRow) && Cell(h, r.LastCol, r.LastRow);
    }
    if (a.find('$') == std::string_view::npos) {
        r = {};
        return true;
    }
    if (!a.empty() && a[0] == '$') a.remove_prefix(1);
    if (!Cell(a, r.FirstCol, r.FirstRow)) return false;
    r.LastCol = r.FirstCol;
    r.LastRow = r.FirstRow;
    return true;
}

// The automation servers are outside this platform: each operation ends
// with the error the grid gives when the server cannot be had.
std::vector<std::string> TExtStringGrid::GetXLSSheets(const std::string&) {
    throw EExtGridError("Spreadsheet automation server not found");
}
void TExtStringGrid::LoadFromXLS(const std::string&) { throw EExtGridError("Spreadsheet automation server not found"); }
void TExtStringGrid::LoadFromXLSSheet(const std::string&, const std::string&) {
    throw EExtGridError("Spreadsheet automation server not found");
}
void TExtStringGrid::SaveToXLS(const std::string&, bool) { throw EExtGridError("Spreadsheet automation server not found"); }
void TExtStringGrid::SaveToXLSSheet(const std::string&, const std::string&) {
    throw EExtGridError("Spreadsheet automation server not found");
}
void TExtStringGrid::SaveToDOC(const std::string&, bool) { throw EExtGridError("Word processor automation server not found"); }
void TExtStringGrid::AppendToDoc(const std::string&, const std::string&) {
    throw EExtGridError("Word processor automation server not found");
}
void TExtStringGrid::LoadFromMDBTable(const std::string& FileName, const std::string& Table) {
    LoadFromMDBSQL(FileName, "SELECT * FROM " + Table);
}
void TExtStringGrid::LoadFromMDBSQL(const std::string&, const std::string&) {
    throw std::runtime_error("Database connection component not found");
}

}  // namespace grid
