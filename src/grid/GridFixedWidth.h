#pragma once
// Column-aligned text forms of the grid. Fixed-width lines give each column
// a fixed number of characters; the plain-text export pads each column to
// its widest text, honours the cell alignment and continues multi-line
// cells on extra lines. Widths count characters, not bytes.

#include <string>
#include <string_view>
#include <vector>

namespace grid {

// Characters of a UTF-8 text.
int TextWidth(std::string_view Utf8);

// The cells cut or padded with blanks to their widths.
std::string WriteFixedLine(const std::vector<std::string>& Cells, const std::vector<int>& Widths);
// The fields between sorted 1-based start positions (n positions give n - 1
// fields); DoTrim removes blanks and control characters at both ends.
std::vector<std::string> ReadFixedLine(std::string_view Line, const std::vector<int>& Positions, bool DoTrim);

enum class TAsciiAlign { Left, Right, Center };
struct TAsciiCell {
    std::string Text;
    TAsciiAlign Align = TAsciiAlign::Left;
};

// The lines of one grid row: the row line, then the continuation lines of
// multi-line cells (only when Multiline; otherwise a cell shows its first
// line). Each column takes its width + 1 characters.
std::vector<std::string> WriteAsciiRow(const std::vector<TAsciiCell>& Cells, const std::vector<int>& Widths,
                                       bool Multiline);

}  // namespace grid
