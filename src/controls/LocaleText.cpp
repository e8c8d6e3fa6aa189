#include "controls/LocaleText.h"

#include "base/DateTime.h"
#include "base/StrUtils.h"
#include "controls/ExtUtil.h"

namespace ctl {

TRegionalText RegionalText() {
    TRegionalText r;
    r.decimalSeparator = GetDecimalSeparator();
    r.thousandSeparator = GetThousandSeparator();
    const base::TFormatSettings& fs = base::FormatSettings();
    r.dateSeparator = fs.dateSeparator;
    r.timeSeparator = fs.timeSeparator;
    r.shortDateFormat = fs.shortDateFormat;
    r.longTimeFormat = fs.longTimeFormat;
    return r;
}

int Utf8CharLen(std::string_view s, std::size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int n = 1;
    if (c >= 0xF0 && c < 0xF8) n = 4;
    else if (c >= 0xE0) n = c < 0xF0 ? 3 : 1;
    else if (c >= 0xC0) n = 2;
    if (i + n > s.size()) return 1;
    for (int k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

int Utf8Length(std::string_view s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); i += Utf8CharLen(s, i)) ++count;
    return count;
}

namespace {

char32_t Decode(std::string_view s, std::size_t i, int len) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (len == 1) return c;
    char32_t cp = c & (0xFF >> (len + 1));
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}

void Encode(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t Upper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0x80) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c == 0xB5) return 0x39C;
    // Latin Extended-A pairs capital/small on even/odd code points, except
    // for the stretch 0x139..0x148 and 0x179..0x17E, which pair odd/even.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;                  // Cyrillic
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

char32_t Lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0x80) return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c == 0x178) return 0xFF;
    if (c == 0x130) return 'i';  // capital I with dot: the plain small i
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c : c + 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;  // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;                  // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

template <class Fold>
std::string FoldText(std::string_view s, Fold fold) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const int len = Utf8CharLen(s, i);
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (len == 1 && c >= 0x80) {
            out += s[i];  // stray byte: kept as it is
        } else {
            Encode(fold(Decode(s, i, len)), out);
        }
        i += len;
    }
    return out;
}

}  // namespace

std::string LocaleUpperCase(std::string_view s) { return FoldText(s, Upper); }
std::string LocaleLowerCase(std::string_view s) { return FoldText(s, Lower); }
char32_t LocaleUpperChar(char32_t c) { return Upper(c); }
char32_t LocaleLowerChar(char32_t c) { return Lower(c); }

}  // namespace ctl
