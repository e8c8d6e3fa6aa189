#pragma once
// What every import and export of the grid shares: the progress states its
// notifications report, and the file helpers the formats read and write
// through (8-bit text is the system code page, which is UTF-8 here; a save
// replaces the file atomically).

#include <string>
#include <string_view>
#include <vector>

namespace grid {

enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };

// Text encodings of the grid's files. Ansi is the system code page, so
// every character is kept. Oem writes text already turned into OEM bytes
// (ctl::StringToOem, which carries them as the Windows-1252 characters of
// the same values) as those bytes.
enum class TGridFileText { Ansi, Utf8Bom, Utf16LE, Ascii, Oem };

// UTF-8 text to file bytes. Ascii writes "&#NNN;" for what 7 bits cannot
// hold (HTML reads it back as the character).
std::string EncodeGridText(std::string_view Utf8, TGridFileText Encoding);
// File bytes to UTF-8: a byte-order mark selects UTF-8 or UTF-16, else
// valid UTF-8 is taken as it is and anything else as Windows-1252, the
// code page files written before were in.
std::string DecodeGridText(std::string_view Bytes);

// The lines of a text split at CR LF, LF or CR; no line after a final break.
std::vector<std::string_view> SplitTextLines(std::string_view Text);

// False with a message naming the file.
bool ReadGridFile(const std::string& FileName, std::string& Bytes, std::string& Error);
bool WriteGridFile(const std::string& FileName, std::string_view Bytes, std::string& Error);

// Percent of Done in Total (at least 1), to the nearest integer; Report is
// called only when the value differs from Last (-1: none reported yet).
template <typename F>
void ReportProgress(double Done, double Total, int& Last, F&& Report) {
    const int pct = int(Done / (Total < 1 ? 1 : Total) * 100.0 + 0.5);
    if (pct != Last) {
        Last = pct;
        Report(pct);
    }
}

}  // namespace grid
