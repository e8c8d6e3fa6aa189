#include "grid/GridTextIO.h"

#include <algorithm>
#include <charconv>

#include "base/TextCodec.h"
#include "controls/ExtUtil.h"
#include "grid/GridExchange.h"

namespace grid {

namespace {

// A lone CR or LF is a line break too: written as CR LF, so it is encoded
// like one and never splits the cell's line in two.
std::string EncodeCellText(std::string_view text) {
    if (text.find_first_of("\r\n") == std::string_view::npos) return std::string(text);
    std::string r;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            r += "\t\b";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            r += c == '\0' ? '\x01' : c;
        }
    }
    return r;
}

std::string CellLine(const TGridTextCell& c) {
    return std::to_string(c.Col) + "," + std::to_string(c.Row) + "," + EncodeCellText(c.Text);
}

std::vector<std::string> Lines(const TGridTextData& Data) {
    std::vector<std::string> lines;
    lines.reserve(Data.Widths.size() + Data.Cells.size() + 1);
    lines.push_back(std::to_string(Data.ColCount) + "," + std::to_string(Data.RowCount));
    for (const auto& [col, width] : Data.Widths) lines.push_back("cw " + std::to_string(col) + "," + std::to_string(width));
    for (const auto& c : Data.Cells) lines.push_back(CellLine(c));
    return lines;
}

bool StrictNumber(std::string_view s, int& value, std::string& error) {
    const char* b = s.data();
    const char* e = b + s.size();
    if (b != e && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, value);
    if (s.empty() || ec != std::errc() || p != e) {
        error = "'" + std::string(s) + "' is not a valid integer value";
        return false;
    }
    return true;
}

}  // namespace

long long LenientGridNumber(std::string_view t) {
    size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool neg = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) neg = t[i++] == '-';
    int base = 10;
    if (i < t.size() && t[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < t.size() && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    long long v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else break;
        if (v < (1LL << 40)) v = v * base + d;  // beyond every limit already; stop growing
    }
    return neg ? -v : v;
}

std::string WriteGridTextLines(const TGridTextData& Data) {
    std::string out;
    for (const auto& l : Lines(Data)) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool ReadGridTextLines(std::string_view Text, bool Multiline, TGridTextData& Data, std::string& Error) {
    Data = {};
    const std::vector<std::string_view> lines = SplitTextLines(Text);
    if (lines.empty()) {
        Error = "no lines";
        return false;
    }
    if (!lines[0].empty()) {
        const size_t comma = lines[0].find(',');
        const long long cols = LenientGridNumber(lines[0].substr(0, comma));
        const long long rows = comma == std::string_view::npos ? 0 : LenientGridNumber(lines[0].substr(comma + 1));
        if (cols <= 0 || rows <= 0 || cols > kMaxGridTextCols || rows > kMaxGridTextRows) {
            Error = "size " + std::to_string(cols) + " x " + std::to_string(rows);
            return false;
        }
        Data.HasSize = true;
        Data.ColCount = int(cols);
        Data.RowCount = int(rows);
    }
    for (size_t k = 1; k < lines.size(); ++k) {
        const std::string_view l = lines[k];
        if (l.substr(0, 2) == "cw") {
            const size_t comma = l.find(',');
            const std::string_view idx = l.size() > 3 ? l.substr(3, comma == std::string_view::npos ? l.npos : comma - 3)
                                                      : std::string_view{};
            const long long width = comma == std::string_view::npos ? 0 : LenientGridNumber(l.substr(comma + 1, 255));
            Data.Widths.emplace_back(int(std::clamp<long long>(LenientGridNumber(idx), -1, 1LL << 30)),
                                     int(std::clamp<long long>(width, 0, 1LL << 20)));
            continue;
        }
        TGridTextCell cell;
        const size_t c1 = l.find(',');
        if (c1 == std::string_view::npos) {
            cell.Text = l;
        } else {
            const size_t c2 = l.find(',', c1 + 1);
            cell.Col = int(std::clamp<long long>(LenientGridNumber(l.substr(0, c1)), -1, 1LL << 30));
            const std::string_view rowPart = l.substr(c1 + 1, c2 == std::string_view::npos ? l.npos : c2 - c1 - 1);
            cell.Row = int(std::clamp<long long>(LenientGridNumber(rowPart), -1, 1LL << 30));
            if (c2 != std::string_view::npos) cell.Text = l.substr(c2 + 1);
        }
        cell.Text = ctl::DecodeLineBreaksFromFile(cell.Text, Multiline);
        Data.Cells.push_back(std::move(cell));
    }
    return true;
}

std::string WriteGridTextStream(const TGridTextData& Data) {
    std::string out;
    for (const auto& l : Lines(Data)) {
        std::u16string w = base::Utf8ToUtf16(l);
        w += u"\r\n";
        for (char16_t u : w) {
            out += char(u & 0xFF);
            out += char(u >> 8);
        }
    }
    return out;
}

bool ReadGridTextStream(std::string_view Bytes, std::size_t& Pos, bool Multiline, TGridTextData& Data,
                        std::string& Error) {
    Data = {};
    size_t pos = Pos;
    const auto readLine = [&](std::u16string& line) {
        line.clear();
        while (pos + 1 < Bytes.size()) {
            const char16_t u = char16_t(std::uint8_t(Bytes[pos]) | (std::uint8_t(Bytes[pos + 1]) << 8));
            pos += 2;
            if (u == u'\r') {
                if (pos + 1 < Bytes.size()) pos += 2;  // the line feed
                return;
            }
            line += u;
        }
        pos = Bytes.size();
    };
    const auto atEnd = [&] { return pos + 1 >= Bytes.size(); };
    std::u16string wide;
    if (atEnd()) {
        Pos = Bytes.size();
        return true;
    }
    readLine(wide);
    std::string line = base::Utf16ToUtf8(wide);
    if (!line.empty()) {
        const size_t comma = line.find(',');
        int cols = 0, rows = 0;
        if (!StrictNumber(std::string_view(line).substr(0, comma), cols, Error)) return false;
        if (!StrictNumber(comma == std::string::npos ? std::string_view{} : std::string_view(line).substr(comma + 1),
                          rows, Error))
            return false;
        if (cols < 0 || rows < 0 || cols > kMaxGridTextCols || rows > kMaxGridTextRows) {
            Error = "Grid index out of range";
            return false;
        }
        Data.HasSize = true;
        Data.ColCount = cols;
        Data.RowCount = rows;
    }
    while (!atEnd()) {
        const size_t noted = pos;
        readLine(wide);
        line = base::Utf16ToUtf8(wide);
        if (line.substr(0, 2) == "cw") {
            const std::string_view rest = std::string_view(line).substr(std::min<size_t>(3, line.size()));
            const size_t comma = rest.find(',');
            int idx = 0, width = 0;
            if (!StrictNumber(rest.substr(0, comma), idx, Error)) return false;
            if (!StrictNumber(comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1), width,
                              Error))
                return false;
            Data.Widths.emplace_back(idx, width);
            continue;
        }
        const size_t c1 = line.find(',');
        const size_t c2 = c1 == std::string::npos ? std::string::npos : line.find(',', c1 + 1);
        if (c1 == std::string::npos || c1 == 0 || c2 == std::string::npos || c2 == c1 + 1) {
            pos = noted;
            break;
        }
        TGridTextCell cell;
        if (!StrictNumber(std::string_view(line).substr(0, c1), cell.Col, Error)) return false;
        if (!StrictNumber(std::string_view(line).substr(c1 + 1, c2 - c1 - 1), cell.Row, Error)) return false;
        cell.Text = ctl::DecodeLineBreaksFromFile(std::string_view(line).substr(c2 + 1), Multiline);
        Data.Cells.push_back(std::move(cell));
    }
    Pos = pos;
    return true;
}

}  // namespace grid
