#pragma once
// Delimited text of the grid: one line per row, cells joined by a delimiter,
// the doubled-quote convention, and line breaks inside a cell kept on one
// line (character 11, or "~" in the Java dialect). Plain data in and out, so
// the grid, the driver and the fuzz harness share one reader and one writer.

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

struct TCsvOptions {
    char Delimiter = '\0';  // '\0': "," when writing, guessed when reading
    bool QuoteEmptyCells = true;
    bool AlwaysQuotes = false;
    bool JavaCSV = false;
};

// One line of cells, without its line end.
std::string WriteCsvLine(const std::vector<std::string>& Cells, const TCsvOptions& Options);
// The same line added to the end of Out, so that a whole file is written
// into one buffer.
void AppendCsvLine(std::string& Out, const std::vector<std::string>& Cells, const TCsvOptions& Options);

// The delimiter the first two lines agree on; '\0' when no candidate occurs.
char GuessCsvDelimiter(std::string_view Line1, std::string_view Line2);

// The physical lines of a text, split at CR LF, LF or CR; a line whose
// quoted field is still open at its end takes the next line in with the
// line break it had, so a quoted multi-line cell stays one record. A quote
// that never closes as a field ends ends with its own line.
std::vector<std::string> SplitCsvRecords(std::string_view Text, char Delimiter);
// The same records one at a time, as views into Text, until Each answers
// false.
void ForEachCsvRecord(std::string_view Text, char Delimiter, const std::function<bool(std::string_view)>& Each);

// The cells of one record. A record ending with the delimiter has no last
// cell; a quoted field without closing quote reads as empty.
std::vector<std::string> ReadCsvRecord(std::string_view Line, char Delimiter, bool JavaCSV);
// The same cells added to the end of Fields, as views: into Line where a
// field reads as it stands, else into a text added to Made for it (a
// deque, so that earlier views stay valid).
void ReadCsvFields(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string_view>& Fields,
                   std::deque<std::string>& Made);

}  // namespace grid
