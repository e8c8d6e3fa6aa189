#pragma once
// The series a smart paste continues from the first two cells of a
// one-column or one-row selection: dates or times, decimal numbers, whole
// numbers, or else a repeating pattern of the pasted cells.

#include <string>
#include <vector>

namespace grid {

enum TFillSeries { fsDate, fsFloat, fsInteger, fsPattern };

// A text reads as a date or time when it holds the time separator, or two
// date separators with text before the first.
bool LooksLikeDateTime(const std::string& Text);
TFillSeries FillSeriesOf(const std::string& A, const std::string& B);

// The texts of Count cells from A on (A itself first) stepping as B follows
// A. The series ends early where a value stops converting; a pattern gives
// no texts (its cells copy the pasted ones). Dates step by whole days, by
// months or by years when only that part differs, keeping A's day of the
// month where the month has it and its last day otherwise; any other pair
// steps by the time between them. Numbers are written with FloatFormat.
std::vector<std::string> FillSeries(const std::string& A, const std::string& B, int Count,
                                    const std::string& FloatFormat);

}  // namespace grid
