#include "grid/GridFixedWidth.h"

#include <algorithm>

namespace grid {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The first n characters of a text.
std::string_view Head(std::string_view s, int n) {
    size_t i = 0;
    int k = 0;
    while (i < s.size() && k < n) {
        ++i;
        while (i < s.size() && IsContinuation(s[i])) ++i;
        ++k;
    }
    return s.substr(0, i);
}

// Characters from 1-based position p, n of them.
std::string_view Slice(std::string_view s, int p, int n) {
    const std::string_view before = Head(s, p - 1);
    return Head(s.substr(before.size()), n);
}

std::string Pad(std::string s, int w) {
    const int n = TextWidth(s);
    if (n < w) s.append(size_t(w - n), ' ');
    return s;
}

std::string Align(std::string s, int w, TAsciiAlign a) {
    if (a == TAsciiAlign::Right) {
        const int n = TextWidth(s);
        if (n < w) s.insert(0, size_t(w - n), ' ');
    } else if (a == TAsciiAlign::Center) {
        while (TextWidth(s) < w) s = ' ' + s + ' ';
    }
    return s;
}

std::vector<std::string> SplitCrlf(std::string_view s) {
    std::vector<std::string> parts;
    size_t i = 0;
    for (;;) {
        const size_t e = s.find("\r\n", i);
        parts.emplace_back(s.substr(i, e == std::string_view::npos ? s.npos : e - i));
        if (e == std::string_view::npos) return parts;
        i = e + 2;
    }
}

}  // namespace

int TextWidth(std::string_view s) {
    int n = 0;
    for (char c : s) n += !IsContinuation(c);
    return n;
}

std::string WriteFixedLine(const std::vector<std::string>& Cells, const std::vector<int>& Widths) {
    std::string line;
    for (size_t i = 0; i < Cells.size() && i < Widths.size(); ++i)
        line += Pad(std::string(Head(Cells[i], std::max(0, Widths[i]))), Widths[i]);
    return line;
}

std::vector<std::string> ReadFixedLine(std::string_view Line, const std::vector<int>& Positions, bool DoTrim) {
    std::vector<std::string> fields;
    for (size_t k = 1; k < Positions.size(); ++k) {
        std::string f(Slice(Line, std::max(1, Positions[k - 1]), std::max(0, Positions[k] - Positions[k - 1])));
        if (DoTrim) {
            size_t b = 0, e = f.size();
            while (b < e && static_cast<unsigned char>(f[b]) <= ' ') ++b;
            while (e > b && static_cast<unsigned char>(f[e - 1]) <= ' ') --e;
            f = f.substr(b, e - b);
        }
        fields.push_back(std::move(f));
    }
    return fields;
}

std::vector<std::string> WriteAsciiRow(const std::vector<TAsciiCell>& Cells, const std::vector<int>& Widths,
                                       bool Multiline) {
    std::vector<std::string> lines(1);
    int p = 0;
    for (size_t i = 0; i < Cells.size() && i < Widths.size(); ++i) {
        const int w = Widths[i];
        const std::vector<std::string> parts = SplitCrlf(Cells[i].Text);
        if (Multiline) {
            for (size_t k = 1; k < parts.size(); ++k) {
                if (lines.size() <= k) lines.resize(k + 1);
                lines[k] = Pad(lines[k], p) + Align(parts[k], w, Cells[i].Align);
            }
        }
        lines[0] += Pad(Align(parts[0], w, Cells[i].Align), w + 1);
        p += w + 1;
    }
    return lines;
}

}  // namespace grid
