#include "controls/ExtUtil.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "base/StrUtils.h"
#include "base/TextCodec.h"

namespace ctl {

namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string UpperText(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = UpperAscii(c);
    return r;
}

int Find(std::string_view sub, std::string_view text) {
    if (sub.empty()) return 0;
    const auto p = text.find(sub);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

}  // namespace

void AppendCodePoint(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

namespace {

// Code points of a UTF-8 text; a byte that starts no valid sequence stands
// for itself, so texts from older files never lose characters here.
std::vector<char32_t> CodePoints(std::string_view s) {
    std::vector<char32_t> out;
    size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t cp = 0;
        if (b < 0x80) { len = 1; cp = b; }
        else if ((b & 0xE0) == 0xC0) { len = 2; cp = b & 0x1F; }
        else if ((b & 0xF0) == 0xE0) { len = 3; cp = b & 0x0F; }
        else if ((b & 0xF8) == 0xF0) { len = 4; cp = b & 0x07; }
        bool ok = len > 0 && i + len <= s.size();
        for (int k = 1; ok && k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (c & 0x3F);
        }
        if (!ok) { out.push_back(b); ++i; continue; }
        out.push_back(cp);
        i += len;
    }
    return out;
}

// The upper half of the OEM code page, as Unicode.
const char16_t kOemHigh[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string r;
    size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, from.size(), from) == 0) {
            r += to;
            i += from.size();
        } else {
            r += text[i++];
        }
    }
    return r;
}

}  // namespace

// --- locale -----------------------------------------------------------------
char GetTimeSeparator() { return base::FormatSettings().timeSeparator; }
char GetDateSeparator() { return base::FormatSettings().dateSeparator; }
char GetDecimalSeparator() { return base::DecimalSeparator(); }
char GetThousandSeparator() { return base::DecimalSeparator() == ',' ? '.' : ','; }
std::string GetShortDateFormat() { return base::FormatSettings().shortDateFormat; }

// --- searching and splitting ---------------------------------------------
int PosInUpperText(std::string_view sub, std::string_view text) { return Find(sub, UpperText(text)); }

bool LocateChar(char c, std::string_view text, int& position) {
    const auto p = text.find(c);
    if (p == std::string_view::npos) return false;
    position = int(p) + 1;
    return true;
}

int FirstCharPos(char c, std::string_view text) {
    const auto p = text.find(c);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}

int LocateSubstring(std::string_view sub, std::string_view text, int& position) {
    position = Find(sub, text);
    return position;
}

int PosWide(std::u16string_view sub, std::u16string_view text) {
    if (sub.empty()) return 0;
    const auto p = text.find(sub);
    return p == std::u16string_view::npos ? 0 : int(p) + 1;
}

void SplitOffToken(std::string& text, std::string_view separator, std::string& token) {
    const int p = Find(separator, text);
    if (p == 0) {
        token.clear();
        return;
    }
    token = text.substr(0, p - 1);
    text.erase(0, p);
}

std::string ConcatStrings(const base::TStringList& list) {
    std::string r;
    for (const auto& s : list) r += s;
    return r;
}

int CountCharOccurrences(char c, std::string_view text) {
    return int(std::count(text.begin(), text.end(), c));
}

char FirstUnquotedCharOfSet(const TCharSet& set, std::string_view text, int& position) {
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        if (!quoted && std::find(set.begin(), set.end(), text[i]) != set.end()) {
            position = int(i) + 1;
            return text[i];
        }
    }
    position = -1;
    return '\0';
}

std::string StripUnquotedSpaces(std::string_view text) {
    std::string r;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ' ' && !quoted) continue;
        r += c;
    }
    return r;
}

int MatchingParenPos(std::string_view text) {
    int open = 0, close = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') ++open;
        if (text[i] == ')') {
            ++close;
            if (open == close) return int(i) + 1;
        }
    }
    return 0;
}

// --- small helpers -------------------------------------------------------
int IntMax(int a, int b) { return a > b ? a : b; }
int IntMin(int a, int b) { return a < b ? a : b; }

bool CellInGridRect(int col, int row, int left, int top, int right, int bottom) {
    return col >= left && col <= right && row >= top && row <= bottom;
}

int ClampSizeLimits(int value, int minimum, int maximum) {
    if (minimum == maximum) return value;
    if (minimum > 0 && value < minimum) value = minimum;
    if (maximum > 0 && value > maximum) value = maximum;
    return value;
}

void FillWithChar(std::string& text, char c) { std::fill(text.begin(), text.end(), c); }

// --- cell text kind --------------------------------------------------------
int GetCellTextKind(std::string_view text, bool htmlEnabled) {
    // The text is read as if a blank followed it, so that looking one
    // character past a short text is safe; every cell of a save passes
    // here, so it is not copied to get that blank.
    if (text.empty()) return ctkPlain;
    const auto at = [text](size_t i) { return i < text.size() ? text[i] : ' '; };
    if (at(0) == '=') return ctkFormula;
    if (at(0) == '|' && at(1) == '\\') {
        if (text.size() + 1 > 4 && at(3) == '=' && at(4) == '\0') return ctkFormula;
        return ctkWide;
    }
    if (at(0) == '{' && at(1) == '\\') return ctkRichText;
    if (htmlEnabled && Contains(text, '<') &&
        (text.find("</") != std::string_view::npos || text.find("<B") != std::string_view::npos ||
         text.find("<I") != std::string_view::npos || text.find("<C") != std::string_view::npos))
        return ctkHtml;
    return ctkPlain;
}

// --- packed wide text --------------------------------------------------------
std::string EncodeWideCellText(std::u16string_view wide) {
    std::string r = "|\\";
    for (char16_t u : wide) {
        AppendCodePoint(r, char32_t(u >> 8));
        AppendCodePoint(r, char32_t(u & 0xFF));
    }
    return r;
}

WideString DecodeWideCellText(std::string_view text) {
    const auto cps = CodePoints(text);
    WideString r;
    if (cps.size() >= 2 && cps[0] == U'|' && cps[1] == U'\\') {
        for (size_t i = 2; i + 1 < cps.size(); i += 2)
            r += char16_t(((cps[i] & 0xFF) << 8) | (cps[i + 1] & 0xFF));
        return r;
    }
    for (char32_t cp : cps) {
        if (cp >= 0x10000) {
            cp -= 0x10000;
            r += char16_t(0xD800 + (cp >> 10));
            r += char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            r += char16_t(cp);
        }
    }
    return r;
}

// --- line-break codes --------------------------------------------------------
std::string EncodeLineBreaksForFile(std::string_view text) {
    std::string r(text);
    if (!Contains(text, '\r')) return r;
    for (char& c : r) {
        if (c == '\r') c = '\t';
        else if (c == '\n') c = '\b';
        else if (c == '\0') c = '\x01';
    }
    return r;
}

std::string DecodeLineBreaksFromFile(std::string_view text, bool whole) {
    std::string r(text);
    if (Contains(text, '\b')) {
        for (char& c : r) {
            if (c == '\t') c = '\r';
            else if (c == '\b') c = '\n';
            else if (c == '\x01') c = '\0';
        }
    }
    if (whole) return r;
    std::string line;
    CutFirstLine(r, false, line);
    return line;
}

std::string LineBreaksToTilde(std::string_view text) {
    std::string r;
    for (char c : text) {
        if (c == '\r') r += '~';
        else if (c != '\n') r += c;
    }
    return r;
}

std::string TildeToLineBreaks(std::string_view text) {
    std::string r = ReplaceAll(text, "~", "\r\n");
    if (r == "^") r.clear();
    return r;
}

std::string QuoteMultilineField(std::string_view text) {
    std::string r(1, '"');
    r += ReplaceAll(text, "\r\n", "\v");
    r += '"';
    return r;
}

std::string VtToCrlf(std::string_view text) {
    if (!Contains(text, '\v')) return std::string(text);
    return ReplaceAll(text, "\v", "\r\n");
}

std::string CrlfToLf(std::string_view text) { return ReplaceAll(text, "\r\n", "\n"); }

std::string EscapeNewlines(std::string_view text) {
    std::string r;
    for (char c : text) {
        if (c == '\r') r += "\\n";
        else if (c != '\n') r += c;
    }
    return r;
}

std::string UnescapeNewlines(std::string_view text) { return ReplaceAll(text, "\\n", "\r"); }

std::string CrToHtmlBreaks(std::string_view text) {
    if (!Contains(text, '\r')) return std::string(text);
    return ReplaceAll(text, "\r", "<br>");
}

std::string RemoveCr(std::string_view text) {
    std::string r;
    for (char c : text)
        if (c != '\r') r += c;
    return r;
}

std::string CrToLf(std::string_view text) {
    std::string r(text);
    std::replace(r.begin(), r.end(), '\r', '\n');
    return r;
}

void CutFirstLine(std::string& text, bool keepRest, std::string& line) {
    const auto p = text.find('\r');
    if (p == std::string::npos) {
        line = text;
        text.clear();
        return;
    }
    line = text.substr(0, p);
    text.erase(0, p + 1);
    if (!text.empty() && text[0] == '\n') text.erase(0, 1);
    if (!keepRest) text.clear();
}

int CountTextLines(std::string_view text, bool multiLine) {
    if (!multiLine) return 1;
    return 1 + CountCharOccurrences('\r', text);
}

// --- delimited text --------------------------------------------------------
std::string DoubleQuoteChars(std::string_view text) { return ReplaceAll(text, "\"", "\"\""); }

std::string UndoubleChar(char c, std::string_view text) {
    if (!Contains(text, c)) return std::string(text);
    std::string r;
    for (size_t i = 0; i < text.size(); ++i) {
        r += text[i];
        if (text[i] == c && i + 1 < text.size() && text[i + 1] == c) ++i;
    }
    return r;
}

bool FindSingleQuote(char quote, std::string_view text, int& position) {
    int run = 0;
    const int n = int(text.size());
    for (int i = 1; i <= n; ++i) {
        if (text[i - 1] == quote) {
            ++run;
            if (i == n) {
                position = i;
                return true;
            }
        } else {
            if (run % 2 == 1) {
                position = i - 1;
                return true;
            }
            run = 0;
        }
    }
    position = 0;
    return false;
}

int CountSingleQuotes(char quote, std::string_view text) {
    std::string rest(text);
    int count = 0, p = 0;
    while (FindSingleQuote(quote, rest, p)) {
        ++count;
        rest.erase(0, size_t(p));
    }
    return count;
}

std::string StringToOem(std::string_view text) {
    std::string bytes;
    for (char32_t cp : CodePoints(text)) {
        if (cp < 0x80) {
            bytes += char(cp);
            continue;
        }
        const char16_t* hit = std::find(std::begin(kOemHigh), std::end(kOemHigh), char16_t(cp));
        bytes += (cp <= 0xFFFF && hit != std::end(kOemHigh)) ? char(0x80 + (hit - kOemHigh)) : '?';
    }
    return base::Windows1252ToUtf8(bytes);
}

std::string OemToString(std::string_view text) {
    const std::string bytes = base::Utf8ToWindows1252(text);
    std::string r;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        AppendCodePoint(r, b < 0x80 ? char32_t(b) : char32_t(kOemHigh[b - 0x80]));
    }
    return r;
}

// --- number text -----------------------------------------------------------
bool IsNumericChar(char32_t c) {
    if (c >= U'0' && c <= U'9') return true;
    if (c == 0xB2 || c == 0xB3 || c == 0xB9 || (c >= 0xBC && c <= 0xBE)) return true;
    const struct { char32_t lo, hi; } ranges[] = {
        {0x0660, 0x0669}, {0x06F0, 0x06F9}, {0x07C0, 0x07C9}, {0x0966, 0x096F}, {0x09E6, 0x09EF},
        {0x0E50, 0x0E59}, {0x2070, 0x2070}, {0x2074, 0x2079}, {0x2080, 0x2089}, {0x2150, 0x2189},
        {0x2460, 0x249B}, {0x24EA, 0x24FF}, {0x2776, 0x2793}, {0x3007, 0x3007}, {0x3021, 0x3029},
        {0xFF10, 0xFF19}};
    for (const auto& r : ranges)
        if (c >= r.lo && c <= r.hi) return true;
    return false;
}

bool IsDigitOrMinus(char c) { return IsAsciiDigit(c) || c == '-'; }

bool IsNumberChar(char c) {
    return IsAsciiDigit(c) || c == GetThousandSeparator() || c == GetDecimalSeparator() || c == 'e' ||
           c == 'E';
}

bool IsNumberTextChar(char c) {
    return IsAsciiDigit(c) || c == '-' || c == '.' || c == 'e' || c == 'E' || c == '+';
}

bool IsSignedNumberChar(char c) { return IsNumberChar(c) || c == '+' || c == '-'; }

std::string NormalizeNumberText(std::string_view text) {
    if (text.empty()) return {};
    const auto first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
    bool negative = first != std::string_view::npos && text[first] == '(' && text[last] == ')';
    std::string s(text);
    while (s.size() >= 2 && !IsNumberChar(s[0])) {
        if (s[0] == '-') negative = true;
        s.erase(0, 1);
    }
    const char thousand = GetThousandSeparator(), decimal = GetDecimalSeparator();
    std::string r;
    for (char c : s) {
        if (c == thousand) continue;
        if (c == decimal) r += '.';
        else if (IsNumberTextChar(c)) r += c;
        else break;
    }
    if (negative) r.insert(r.begin(), '-');
    return r;
}

std::string NormalizeLocaleNumber(std::string_view text) {
    const char thousand = GetThousandSeparator(), decimal = GetDecimalSeparator();
    std::string r;
    for (char c : text) {
        if (c == decimal) r += '.';
        else if (c != thousand) r += c;
    }
    return r;
}

int ClassifyNumberText(std::string_view text) {
    if (text.empty()) return ntNoNumber;
    const char thousand = GetThousandSeparator(), decimal = GetDecimalSeparator();
    const int minus = CountCharOccurrences('-', text);
    const int decimals = CountCharOccurrences(decimal, text);

    bool integer = true;
    for (size_t i = 0; i < text.size(); ++i)
        if (!IsAsciiDigit(text[i]) && !(text[i] == '-' && i == 0)) integer = false;
    if (integer) return ntInteger;

    int result = ntDecimal;
    int lastThousand = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsAsciiDigit(c) || (c == '-' && i == 0)) continue;
        if (c == thousand) {
            const int pos = int(i) + 1;
            if (lastThousand > 0 && pos - lastThousand <= 3) result = ntNoNumber;
            lastThousand = pos;
            continue;
        }
        if (c == decimal) continue;
        result = ntNoNumber;
    }

    const int exps = CountCharOccurrences('e', text) + CountCharOccurrences('E', text);
    if (exps == 1 && text[0] != 'e' && text[0] != 'E') {
        bool onlySigned = true;
        for (char c : text)
            if (!IsSignedNumberChar(c) || c == thousand) onlySigned = false;
        const char last = text.back();
        if (onlySigned && last != '+' && last != '-' && last != 'e' && last != 'E') {
            if (decimals > 1 || minus > 2) return ntNoNumber;
            return ntExponent;
        }
    }
    if (decimals > 1 || minus > 1) return ntNoNumber;
    return result;
}

bool HasTwoDateSeparators(std::string_view text) {
    const char sep = GetDateSeparator();
    const auto p = text.find(sep);
    if (p == std::string_view::npos || p < 1) return false;
    return text.find(sep, p + 1) != std::string_view::npos;
}

// --- URLs, HTML and the clipboard -------------------------------------------
bool IsUrlText(std::string_view text) {
    return text.find("://") != std::string_view::npos || text.find("mailto:") != std::string_view::npos;
}

std::string StripUrlProtocol(std::string_view text) {
    auto p = text.find("://");
    if (p != std::string_view::npos) return std::string(text.substr(p + 3));
    p = text.find("mailto:");
    if (p != std::string_view::npos) return std::string(text.substr(p + 7));
    return std::string(text);
}

bool ParseRowColRef(std::string_view anchor, int& col, int& row) {
    if (anchor.size() < 4 || UpperAscii(anchor[0]) != 'R') return false;
    const auto c = UpperText(anchor).find('C', 1);
    if (c == std::string::npos) return false;
    const auto rowText = anchor.substr(1, c - 1), colText = anchor.substr(c + 1);
    auto whole = [](std::string_view s, int& v) {
        if (s.empty() || s.size() > 9) return false;
        v = 0;
        for (char ch : s) {
            if (!IsAsciiDigit(ch)) return false;
            v = v * 10 + (ch - '0');
        }
        return true;
    };
    int r = 0, k = 0;
    if (!whole(rowText, r) || !whole(colText, k)) return false;
    row = r;
    col = k;
    return true;
}

std::string ColorToHtmlHex(uint32_t color) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    return buf;
}

bool TextToHtmlLinks(std::string_view text, std::string_view upperPrefix, std::string& result) {
    if (Find(upperPrefix, UpperText(text)) == 0) return false;
    const std::string escaped = ReplaceAll(ReplaceAll(text, "<", "&lt;"), ">", "&gt;");
    const int p = Find(upperPrefix, UpperText(escaped));
    static const std::string_view urlChars = "%()-./:@\\_{}";
    size_t end = size_t(p - 1);
    while (end < escaped.size()) {
        const char c = escaped[end];
        if (!(IsAsciiLetter(c) || IsAsciiDigit(c) || urlChars.find(c) != std::string_view::npos)) break;
        ++end;
    }
    const std::string url = escaped.substr(size_t(p - 1), end - size_t(p - 1));
    result = escaped.substr(0, size_t(p - 1)) + "<a href=\"" + url + "\">" + url + "</a>" + escaped.substr(end);
    return true;
}

std::string BuildClipboardHtml(std::string_view fragment) {
    static const std::string doctype = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">";
    static const std::string head =
        "<html><head><META http-equiv=Content-Type content=\"text/html; charset=iso-8859-1\">"
        "</head><body><!--StartFragment-->";
    static const std::string tail = "<!--EndFragment--></body></html>";
    const int startHtml = 97;  // the five header lines with their 8-digit numbers
    const int startFragment = startHtml + int(doctype.size() + head.size());
    const int endFragment = startFragment + int(fragment.size());
    const int endHtml = endFragment + int(tail.size());
    std::string r = "Version:1.0\r\n";
    const auto line = [&r](const char* name, int value) {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%s%.8d\r\n", name, value);
        r += buf;
    };
    line("StartHTML:", startHtml);
    line("EndHTML:", endHtml);
    line("StartFragment:", startFragment);
    line("EndFragment:", endFragment);
    r += doctype;
    r += head;
    r += fragment;
    r += tail;
    return r;
}

// --- mixed case -------------------------------------------------------------
bool IsWordSeparator(char c) { return c == ' ' || c == '\'' || c == ',' || c == '-' || c == '.'; }

std::string ToMixedCase(std::string_view text) {
    std::string r(text);
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = (i == 0 || IsWordSeparator(text[i - 1])) ? UpperAscii(r[i]) : LowerAscii(r[i]);
    if (r.size() > 2 && r.compare(0, 2, "Mc") == 0) r[2] = UpperAscii(r[2]);
    const auto mc = r.find(" Mc");
    if (mc != std::string::npos && mc + 3 < r.size()) r[mc + 3] = UpperAscii(r[mc + 3]);
    for (size_t i = r.size() >= 3 ? r.size() - 3 : 0; i < r.size(); ++i) {
        if (!IsAsciiLetter(r[i])) continue;
        const std::string_view before(r.data(), i);
        if (before.ends_with(" I") || before.ends_with(" II")) r[i] = UpperAscii(r[i]);
    }
    return r;
}

}  // namespace ctl
