#include "grid/GridCsv.h"

#include <algorithm>
#include <deque>

#include "controls/ExtUtil.h"

namespace grid {

namespace {

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Every kind of line break inside a cell becomes the character 11: CR LF as
// one, a lone CR or LF each as one of its own. The reader turns 11 back into
// CR LF, so a lone break comes back as CR LF; it never splits the row.
std::string BreaksToVt(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') {
            r += '\v';
            ++i;
        } else if (s[i] == '\r' || s[i] == '\n') {
            r += '\v';
        } else {
            r += s[i];
        }
    }
    return r;
}

// The Java dialect writes each line break as "~", whatever its kind.
std::string JavaBreaks(std::string_view s) {
    std::string r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        r += (s[i] == '\r' || s[i] == '\n') ? '~' : s[i];
    }
    return r;
}

std::string DecodeField(std::string_view field, bool java) {
    return java ? ctl::TildeToLineBreaks(field) : ctl::VtToCrlf(field);
}

}  // namespace

namespace {

// Whether a cell goes out exactly as it stands: nothing in it to quote,
// double or turn into a line mark. Most cells of a table are like this,
// and they need no copy of their own on the way out.
bool PlainCsvCell(std::string_view Cell, char Delimiter) {
    if (Cell.empty() || Cell[0] == ' ') return false;
    for (const char c : Cell)
        if (c == '"' || c == Delimiter || c == '\r' || c == '\n') return false;
    return true;
}

}  // namespace

void AppendCsvLine(std::string& Out, const std::vector<std::string>& Cells, const TCsvOptions& Options) {
    const char d = Options.Delimiter ? Options.Delimiter : ',';
    bool first = true;
    for (const std::string& cell : Cells) {
        if (!first) Out += d;
        first = false;
        if (!Options.AlwaysQuotes && PlainCsvCell(cell, d)) {
            Out += cell;
            continue;
        }
        std::string text = ctl::DoubleQuoteChars(cell);
        bool quoted = false;
        if (Options.AlwaysQuotes || (text.find('"') != std::string::npos && text.find(d) == std::string::npos)) {
            text = '"' + text + '"';
            quoted = true;
        }
        if (text.empty()) {
            if (Options.JavaCSV) text = "^";
            else if (Options.QuoteEmptyCells) text = "\"\"";
        }
        // The reader drops blanks before a bare field; quoted, they stay.
        if (!quoted && !text.empty() && text[0] == ' ') {
            text = '"' + text + '"';
            quoted = true;
        }
        if (text.find(d) != std::string::npos || HasLineBreak(text)) {
            if (Options.JavaCSV) {
                text = JavaBreaks(text);
                // The Java dialect has no other escape for the delimiter:
                // left bare, the cell would split into two on reading.
                if (!quoted && text.find(d) != std::string::npos) text = '"' + text + '"';
            } else {
                text = BreaksToVt(text);
                if (!quoted) text = '"' + text + '"';
            }
        }
        Out += text;
    }
}

std::string WriteCsvLine(const std::vector<std::string>& Cells, const TCsvOptions& Options) {
    std::string line;
    AppendCsvLine(line, Cells, Options);
    return line;
}

char GuessCsvDelimiter(std::string_view Line1, std::string_view Line2) {
    static constexpr char kCandidates[] = {',', ';', '#', '\t', '|', '@', '*', '-', '+', '&'};
    int best = 0;
    char chosen = '\0';
    const auto all = [](std::string_view s, char c) { return int(std::count(s.begin(), s.end(), c)); };
    for (char c : kCandidates) {
        int n1 = ctl::CountSingleQuotes(c, Line1);
        if (n1 > best && ctl::CountSingleQuotes(c, Line2) == n1) {
            chosen = c;
            best = n1;
            continue;
        }
        n1 = all(Line1, c);
        const int n2 = all(Line2, c);
        if (n1 > best && n2 == n1) {
            chosen = c;
            best = n1;
            continue;
        }
        if (n1 > best || n2 > best) {
            chosen = c;
            best = std::max(n1, n2);
        }
    }
    return chosen;
}

void ForEachCsvRecord(std::string_view Text, char Delimiter, const std::function<bool(std::string_view)>& Each) {
    // A record is always a stretch of the text as it stands (a quoted line
    // break stays inside it), so it is handed on as a view, not copied.
    bool open = false;  // inside a quoted field that began at a field start
    bool fieldStart = true;
    size_t start = 0;   // where the current record began
    size_t i = 0;
    const size_t n = Text.size();
    // A line break inside quotes belongs to the field only when the quote
    // closes later as a field ends (before a delimiter, a line break or the
    // end). A quote left open ends with its line, so that one stray quote
    // cannot swallow the rest of the file. The closing quote found last is
    // kept: a later search from before it would find it again, so the text
    // is searched once, not once per line.
    size_t searchedFrom = std::string_view::npos, closing = std::string_view::npos;
    const auto closesLater = [&](size_t from) {
        if (searchedFrom == std::string_view::npos || from < searchedFrom || from > closing) {
            searchedFrom = from;
            closing = n;
            for (size_t j = from; j < n; ++j) {
                if (Text[j] != '"') continue;
                if (j + 1 < n && Text[j + 1] == '"') {
                    ++j;
                    continue;
                }
                closing = j;
                break;
            }
        }
        if (closing >= n) return false;
        const size_t after = closing + 1;
        return after == n || Text[after] == '\r' || Text[after] == '\n' ||
               (Delimiter != '\0' && Text[after] == Delimiter);
    };
    while (i < n) {
        const char c = Text[i];
        if (c == '\r' || c == '\n') {
            const size_t len = (c == '\r' && i + 1 < n && Text[i + 1] == '\n') ? 2 : 1;
            if (open && !closesLater(i)) open = false;
            if (!open) {
                if (!Each(Text.substr(start, i - start))) return;
                start = i + len;
                fieldStart = true;
            }
            i += len;
            continue;
        }
        if (open) {
            if (c == '"') {
                if (i + 1 < n && Text[i + 1] == '"')
                    ++i;
                else
                    open = false;
            }
        } else if (Delimiter != '\0' && c == Delimiter) {
            fieldStart = true;
        } else if (fieldStart && c == '"') {
            open = true;
            fieldStart = false;
        } else if (c != ' ') {
            fieldStart = false;
        }
        ++i;
    }
    if (start < n) Each(Text.substr(start));
}

std::vector<std::string> SplitCsvRecords(std::string_view Text, char Delimiter) {
    std::vector<std::string> records;
    ForEachCsvRecord(Text, Delimiter, [&records](std::string_view record) {
        records.emplace_back(record);
        return true;
    });
    return records;
}

void ReadCsvFields(std::string_view Line, char Delimiter, bool JavaCSV, std::vector<std::string_view>& Fields,
                   std::deque<std::string>& Made) {
    // The record is read through a view that moves forward, so a long line
    // is not copied again for every field it gives; a field that reads as
    // it stands is handed on as a view into the line.
    const char d = Delimiter;
    std::string_view rest(Line);
    const auto dropLeadingBlanks = [&rest] {
        size_t n = 0;
        while (rest.size() - n >= 2 && rest[n] == ' ') ++n;
        rest.remove_prefix(n);
    };
    // A field's text once quotes are undoubled and line marks turned back
    // into line breaks; only a field that changes is copied.
    const auto add = [&](std::string_view field, bool undouble) {
        const bool doubled = undouble && field.find('"') != std::string_view::npos;
        const bool marks = JavaCSV ? (field.find('~') != std::string_view::npos || field == "^")
                                   : field.find('\v') != std::string_view::npos;
        if (!doubled && !marks) {
            Fields.push_back(field);
        } else {
            const std::string plain = doubled ? ctl::UndoubleChar('"', field) : std::string(field);
            Fields.push_back(Made.emplace_back(DecodeField(plain, JavaCSV)));
        }
    };
    size_t at = d != '\0' ? rest.find(d) : std::string_view::npos;
    while (at != std::string_view::npos) {
        dropLeadingBlanks();
        if (!rest.empty() && rest[0] == '"') {
            rest.remove_prefix(1);
            int p = 0;
            if (ctl::FindSingleQuote('"', rest, p)) {
                add(rest.substr(0, size_t(p - 1)), true);
                rest.remove_prefix(size_t(p));
            } else {
                add({}, false);
            }
            at = rest.find(d);
        } else {
            at = rest.find(d);
            add(rest.substr(0, at), false);
        }
        if (at != std::string_view::npos) {
            rest.remove_prefix(at + 1);
            at = rest.find(d);
        }
    }
    if (!rest.empty()) {
        dropLeadingBlanks();
        std::string_view field = rest;
        if (!field.empty() && field[0] == '"') {
            field.remove_prefix(1);
            if (!field.empty() && field.back() == '"') field.remove_suffix(1);
            add(field, true);
        } else {
            add(field, false);
        }
    }
}

std::vector<std::string> ReadCsvRecord(std::string_view Line, char Delimiter, bool JavaCSV) {
    std::vector<std::string_view> views;
    std::deque<std::string> made;
    ReadCsvFields(Line, Delimiter, JavaCSV, views, made);
    return {views.begin(), views.end()};
}

}  // namespace grid
