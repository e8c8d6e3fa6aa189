#pragma once
// The pure parts of the office exchange: worksheet column letters and used
// range addresses. The office programs' automation servers themselves do
// not exist on this platform, so the grid's office operations end with
// their "not found" errors (ExtGridOffice.cpp).

#include <string>
#include <string_view>

namespace grid {

// The letters of a 1-based column as the worksheet writer names it: one
// letter up to 26, then two ("AD" for 30, "AZ" for 52, "Z" for 26).
std::string XlsColumnLetters(int Column);

// A used range such as "$B$2:$D$5", "$3:$9" (whole rows: columns 1 to 256),
// "$C$4" or "A1". False when a part does not convert.
struct TXlsRange {
    int FirstCol = 1, FirstRow = 1, LastCol = 1, LastRow = 1;
    friend bool operator==(const TXlsRange&, const TXlsRange&) = default;
};
bool ParseXlsUsedRange(std::string_view Address, TXlsRange& Range);

}  // namespace grid
