#pragma once
// The grid's own line format: the size, one "cw" line per column width and
// one line per non-empty cell with its position, each line ended by CR LF.
// The file form is 8-bit or UTF-16 text read leniently; the stream form is
// UTF-16 read strictly, and several grids may follow one another in it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

struct TGridTextCell {
    int Col = 0;
    int Row = 0;
    std::string Text;  // as in the grid (line breaks are encoded on writing)
    friend bool operator==(const TGridTextCell&, const TGridTextCell&) = default;
};

struct TGridTextData {
    bool HasSize = false;  // false when the first line was empty
    int ColCount = 0;
    int RowCount = 0;
    std::vector<std::pair<int, int>> Widths;  // column index, width
    std::vector<TGridTextCell> Cells;
};

// Grids larger than this are refused: such a file is corrupt, not a table.
constexpr long long kMaxGridTextCols = 65536;
constexpr long long kMaxGridTextRows = 16777216;

// UTF-8 lines, each followed by CR LF.
std::string WriteGridTextLines(const TGridTextData& Data);
// Lines of a decoded file. Refuses (false, Error) a text without lines and a
// size of 0 or less, or beyond the limits; Multiline false keeps only the
// first line of a cell.
bool ReadGridTextLines(std::string_view Text, bool Multiline, TGridTextData& Data, std::string& Error);

// The stream form as UTF-16LE bytes (no byte-order mark).
std::string WriteGridTextStream(const TGridTextData& Data);
// Reads from Bytes[Pos] on and leaves Pos on the first line that belongs to
// what follows in the stream. False with Error for a number that is not a
// decimal integer.
bool ReadGridTextStream(std::string_view Bytes, std::size_t& Pos, bool Multiline, TGridTextData& Data,
                        std::string& Error);

// The file form's lenient number: leading blanks, a sign, a "$" or "0x"
// prefix, digits up to the first other character; no digits read as 0.
long long LenientGridNumber(std::string_view Text);

}  // namespace grid
