#include "base/StrUtils.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <locale.h>

namespace base {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Shared by the 32- and 64-bit parsers. Decimal values must fit the signed
// range; hexadecimal values may use every bit of the type and are read as its
// two's complement pattern ("$FFFFFFFF" is -1), as the stored files expect of
// masks and identifiers written in hex.
bool ParseInteger(std::string_view s, int bits, int64_t& value) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size()) return false;
    const uint64_t unsignedMax = bits == 64 ? std::numeric_limits<uint64_t>::max() : 0xFFFFFFFFull;
    const uint64_t signedMax = unsignedMax >> 1;
    uint64_t magnitude = 0;
    if (hex) {
        for (; i < s.size(); ++i) {
            const int d = HexDigit(s[i]);
            if (d < 0) return false;
            if (magnitude > (unsignedMax >> 4)) return false;
            magnitude = (magnitude << 4) | static_cast<uint64_t>(d);
        }
        // Reinterpret the bit pattern in the target width.
        int64_t v = bits == 64 ? static_cast<int64_t>(magnitude)
                               : static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(magnitude)));
        if (negative) {
            if (bits == 64) v = static_cast<int64_t>(0ull - static_cast<uint64_t>(v));
            else v = static_cast<int32_t>(0u - static_cast<uint32_t>(v));
        }
        value = v;
        return true;
    }
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9') return false;
        const uint64_t d = static_cast<uint64_t>(c - '0');
        if (magnitude > (unsignedMax - d) / 10) return false;
        magnitude = magnitude * 10 + d;
    }
    if (negative) {
        if (magnitude > signedMax + 1) return false;
        value = magnitude == signedMax + 1 ? (bits == 64 ? std::numeric_limits<int64_t>::min()
                                                         : static_cast<int64_t>(std::numeric_limits<int32_t>::min()))
                                           : -static_cast<int64_t>(magnitude);
    } else {
        if (magnitude > signedMax) return false;
        value = static_cast<int64_t>(magnitude);
    }
    return true;
}

std::atomic<char> g_decimalSeparator{'.'};

// The C library's number formatting follows the process locale, which the GUI
// toolkit sets from the environment; formatting under the "C" locale and then
// swapping in our own separator keeps the output independent of it.
class CLocaleScope {
public:
    CLocaleScope() {
        static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
        if (c) old_ = uselocale(c);
    }
    ~CLocaleScope() {
        if (old_) uselocale(old_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t old_ = static_cast<locale_t>(0);
};

void ReplaceDot(std::string& s) {
    const char sep = DecimalSeparator();
    if (sep == '.') return;
    for (char& c : s)
        if (c == '.') c = sep;
}

}  // namespace

std::string Trim(std::string_view s) { return TrimRight(TrimLeft(s)); }

std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return std::string(s.substr(0, n));
}

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = AsciiUpper(c);
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = AsciiLower(c);
    return r;
}

bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = static_cast<unsigned char>(AsciiUpper(a[i]));
        const int cb = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (ca != cb) return ca - cb;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StartsText(std::string_view prefix, std::string_view s) {
    return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

bool EndsText(std::string_view suffix, std::string_view s) {
    return s.size() >= suffix.size() && SameText(s.substr(s.size() - suffix.size()), suffix);
}

std::string Copy(std::string_view s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<size_t>(index) > s.size()) return {};
    return std::string(s.substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

int Pos(std::string_view sub, std::string_view s, int offset) {
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > s.size()) return 0;
    const size_t at = s.find(sub, static_cast<size_t>(offset - 1));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string StringReplace(std::string_view s, std::string_view from, std::string_view to, bool all,
                          bool ignoreCase) {
    if (from.empty()) return std::string(s);
    const std::string hay = ignoreCase ? UpperCase(s) : std::string(s);
    const std::string needle = ignoreCase ? UpperCase(from) : std::string(from);
    std::string out;
    size_t start = 0;
    while (true) {
        const size_t at = hay.find(needle, start);
        if (at == std::string::npos) break;
        out.append(s.substr(start, at - start));
        out.append(to);
        start = at + from.size();
        if (!all) break;
    }
    out.append(s.substr(start));
    return out;
}

std::string StringOfChar(char c, int count) { return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string(); }

std::vector<std::string> SplitString(std::string_view s, char delimiter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t at = s.find(delimiter, start);
        if (at == std::string_view::npos) {
            parts.emplace_back(s.substr(start));
            break;
        }
        parts.emplace_back(s.substr(start, at - start));
        start = at + 1;
    }
    return parts;
}

bool TryStrToInt(std::string_view s, int& value) {
    int64_t v = 0;
    if (!ParseInteger(s, 32, v)) return false;
    value = static_cast<int>(v);
    return true;
}

bool TryStrToInt64(std::string_view s, int64_t& value) { return ParseInteger(s, 64, value); }

int StrToIntDef(std::string_view s, int def) {
    int v = 0;
    return TryStrToInt(s, v) ? v : def;
}

int64_t StrToInt64Def(std::string_view s, int64_t def) {
    int64_t v = 0;
    return TryStrToInt64(s, v) ? v : def;
}

int StrToInt(std::string_view s) {
    int v = 0;
    if (!TryStrToInt(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return v;
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

std::string IntToHex(uint32_t value, int digits) { return IntToHex64(value, digits); }

std::string IntToHex64(uint64_t value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string r;
    do {
        r.push_back(kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    while (static_cast<int>(r.size()) < digits) r.push_back('0');
    std::reverse(r.begin(), r.end());
    return r;
}

bool TryHexToUInt64(std::string_view s, uint64_t& value) {
    if (s.empty()) return false;
    uint64_t v = 0;
    for (char c : s) {
        const int d = HexDigit(c);
        if (d < 0 || v > (std::numeric_limits<uint64_t>::max() >> 4)) return false;
        v = (v << 4) | static_cast<uint64_t>(d);
    }
    value = v;
    return true;
}

char DecimalSeparator() { return g_decimalSeparator.load(std::memory_order_relaxed); }

void SetDecimalSeparator(char c) { g_decimalSeparator.store(c, std::memory_order_relaxed); }

bool TryStrToFloat(std::string_view s, double& value) {
    // Blanks around the number are tolerated, as users paste numbers with them.
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    s = s.substr(b, e - b);
    const char sep = DecimalSeparator();
    std::string norm;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') norm.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        norm.push_back(s[i++]);
        ++mantissaDigits;
    }
    if (i < s.size() && (s[i] == sep || s[i] == '.')) {
        norm.push_back('.');
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            norm.push_back(s[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        norm.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) norm.push_back(s[i++]);
        int expDigits = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            norm.push_back(s[i++]);
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != s.size()) return false;
    double v = 0;
    const auto res = std::from_chars(norm.data(), norm.data() + norm.size(), v);
    if (res.ec != std::errc() || res.ptr != norm.data() + norm.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

double StrToFloatDef(std::string_view s, double def) {
    double v = 0;
    return TryStrToFloat(s, v) ? v : def;
}

double StrToFloat(std::string_view s) {
    double v = 0;
    if (!TryStrToFloat(s, v)) throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
    return v;
}

std::string FloatToStr(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    char buf[64];
    {
        CLocaleScope c;
        std::snprintf(buf, sizeof buf, "%.15G", value);
    }
    std::string r(buf);
    // "1.5E+20" -> "1.5E20", "1E-05" -> "1E-5": the exponent without padding.
    const size_t ePos = r.find('E');
    if (ePos != std::string::npos) {
        std::string mant = r.substr(0, ePos);
        std::string ex = r.substr(ePos + 1);
        std::string sign;
        if (!ex.empty() && (ex[0] == '+' || ex[0] == '-')) {
            if (ex[0] == '-') sign = "-";
            ex.erase(0, 1);
        }
        while (ex.size() > 1 && ex[0] == '0') ex.erase(0, 1);
        r = mant + "E" + sign + ex;
    }
    ReplaceDot(r);
    return r;
}

std::string FloatToStrF(double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) return FloatToStr(value);
    char buf[512];
    {
        CLocaleScope c;
        std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    }
    std::string r(buf);
    // A value that rounds to zero is shown without a minus sign.
    if (r[0] == '-' && r.find_first_not_of("-0.") == std::string::npos) r.erase(0, 1);
    ReplaceDot(r);
    return r;
}

std::string Format(const char* fmt, ...) {
    // Each conversion is formatted on its own so that float conversions can
    // take the regional separator without touching dots in the literal text.
    std::string out;
    va_list ap;
    va_start(ap, fmt);
    CLocaleScope cLocale;
    const char* p = fmt;
    char buf[512];
    while (*p) {
        if (*p != '%') {
            out.push_back(*p++);
            continue;
        }
        if (p[1] == '%') {
            out.push_back('%');
            p += 2;
            continue;
        }
        const char* start = p++;
        while (*p && std::strchr("-+ #0'", *p)) ++p;
        int stars[2] = {0, 0};
        int nStars = 0;
        if (*p == '*') {
            stars[nStars++] = va_arg(ap, int);
            ++p;
        } else {
            while (*p >= '0' && *p <= '9') ++p;
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                stars[nStars++] = va_arg(ap, int);
                ++p;
            } else {
                while (*p >= '0' && *p <= '9') ++p;
            }
        }
        enum { none, hh, h, l, ll, z, j, t, L } len = none;
        if (p[0] == 'h' && p[1] == 'h') len = hh, p += 2;
        else if (*p == 'h') len = h, ++p;
        else if (p[0] == 'l' && p[1] == 'l') len = ll, p += 2;
        else if (*p == 'l') len = l, ++p;
        else if (*p == 'z') len = z, ++p;
        else if (*p == 'j') len = j, ++p;
        else if (*p == 't') len = t, ++p;
        else if (*p == 'L') len = L, ++p;
        const char conv = *p;
        if (!conv) {
            out.append(start);
            break;
        }
        ++p;
        const std::string spec(start, static_cast<size_t>(p - start));
        auto emit = [&](auto arg) {
            int n = 0;
            if (nStars == 2) n = std::snprintf(buf, sizeof buf, spec.c_str(), stars[0], stars[1], arg);
            else if (nStars == 1) n = std::snprintf(buf, sizeof buf, spec.c_str(), stars[0], arg);
            else n = std::snprintf(buf, sizeof buf, spec.c_str(), arg);
            if (n < 0) return std::string();
            if (static_cast<size_t>(n) < sizeof buf) return std::string(buf, static_cast<size_t>(n));
            std::string big(static_cast<size_t>(n) + 1, '\0');
            if (nStars == 2) std::snprintf(big.data(), big.size(), spec.c_str(), stars[0], stars[1], arg);
            else if (nStars == 1) std::snprintf(big.data(), big.size(), spec.c_str(), stars[0], arg);
            else std::snprintf(big.data(), big.size(), spec.c_str(), arg);
            big.resize(static_cast<size_t>(n));
            return big;
        };
        switch (conv) {
        case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
            switch (len) {
            case l: out += emit(va_arg(ap, long)); break;
            case ll: out += emit(va_arg(ap, long long)); break;
            case z: out += emit(va_arg(ap, size_t)); break;
            case j: out += emit(va_arg(ap, intmax_t)); break;
            case t: out += emit(va_arg(ap, ptrdiff_t)); break;
            default: out += emit(va_arg(ap, int)); break;
            }
            break;
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A': {
            std::string r = len == L ? emit(va_arg(ap, long double)) : emit(va_arg(ap, double));
            ReplaceDot(r);
            out += r;
            break;
        }
        case 's': {
            const char* s = va_arg(ap, const char*);
            out += emit(s ? s : "(null)");
            break;
        }
        case 'p': out += emit(va_arg(ap, void*)); break;
        case 'n':
            // Would write through a pointer taken from the arguments: the
            // pointer is consumed so later arguments stay in step, and nothing
            // is written.
            (void)va_arg(ap, void*);
            break;
        default:
            // An unknown conversion is shown as written.
            out += spec;
            break;
        }
    }
    va_end(ap);
    return out;
}

bool IsFloatFormat(std::string_view fmt) {
    int directives = 0;
    for (size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] != '%') continue;
        if (++i < fmt.size() && fmt[i] == '%') continue;
        while (i < fmt.size() && std::strchr("-+ #0'", fmt[i]) && fmt[i] != '\0') ++i;
        auto digits = [&] {
            const size_t from = i;
            while (i < fmt.size() && fmt[i] >= '0' && fmt[i] <= '9') ++i;
            return i - from <= 3;
        };
        if (!digits()) return false;
        if (i < fmt.size() && fmt[i] == '.') {
            ++i;
            if (!digits()) return false;
        }
        if (i >= fmt.size() || !std::strchr("fFeEgGaA", fmt[i]) || fmt[i] == '\0') return false;
        ++directives;
    }
    return directives == 1;
}

std::string FormatFloat(std::string_view fmt, double value) {
    const std::string f = IsFloatFormat(fmt) ? std::string(fmt) : std::string("%g");
    return Format(f.c_str(), value);
}

std::string JsonEscape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(static_cast<unsigned char>(c)));
                out += buf;
            } else {
                out.push_back(c);
            }
        }
    }
    return out;
}

}  // namespace base
