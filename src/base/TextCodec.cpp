#include "base/TextCodec.h"

#include <cstdint>

namespace base {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0x9F in Windows-1252. The five bytes the code
// page leaves undefined map to the C1 control of the same value, so that any
// 8-bit file decodes and encodes back to the same bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Reads one code point at i and advances i; a malformed sequence (overlong,
// surrogate, beyond U+10FFFF, cut short) yields U+FFFD and consumes one byte.
char32_t NextUtf8(std::string_view s, size_t& i, bool& valid) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    valid = true;
    if (c < 0x80) {
        ++i;
        return c;
    }
    size_t n = 0;
    char32_t cp = 0, min = 0;
    if ((c & 0xE0) == 0xC0) n = 1, cp = c & 0x1F, min = 0x80;
    else if ((c & 0xF0) == 0xE0) n = 2, cp = c & 0x0F, min = 0x800;
    else if ((c & 0xF8) == 0xF0) n = 3, cp = c & 0x07, min = 0x10000;
    if (n == 0 || i + n > s.size() - 1) {
        valid = false;
        ++i;
        return kReplacement;
    }
    for (size_t k = 1; k <= n; ++k) {
        const unsigned char cc = byte(i + k);
        if ((cc & 0xC0) != 0x80) {
            valid = false;
            ++i;
            return kReplacement;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        valid = false;
        ++i;
        return kReplacement;
    }
    i += n + 1;
    return cp;
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    std::string out = Utf16ToUtf8(units);
    // A dangling last byte is a truncated file: show it, do not drop it silently.
    if (bytes.size() % 2 != 0) AppendUtf8(out, kReplacement);
    return out;
}

std::string EncodeUtf16(std::string_view utf8, bool bigEndian) {
    const std::u16string units = Utf8ToUtf16(utf8);
    std::string out = bigEndian ? std::string("\xFE\xFF") : std::string("\xFF\xFE");
    out.reserve(out.size() + units.size() * 2);
    for (char16_t u : units) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        if (bigEndian) out += {hi, lo};
        else out += {lo, hi};
    }
    return out;
}

}  // namespace

TTextEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return TTextEncoding::Utf8Bom;
    if (bytes.substr(0, 2) == "\xFF\xFE") return TTextEncoding::Utf16LE;
    if (bytes.substr(0, 2) == "\xFE\xFF") return TTextEncoding::Utf16BE;
    return IsValidUtf8(bytes) ? TTextEncoding::Utf8 : TTextEncoding::Windows1252;
}

std::string DecodeText(std::string_view bytes, TTextEncoding* found) {
    const TTextEncoding enc = DetectEncoding(bytes);
    if (found) *found = enc;
    switch (enc) {
    case TTextEncoding::Utf8Bom: {
        // A BOM promises UTF-8; bytes that break the promise become U+FFFD
        // rather than passing on invalid text.
        const std::string_view body = bytes.substr(3);
        return IsValidUtf8(body) ? std::string(body) : Utf16ToUtf8(Utf8ToUtf16(body));
    }
    case TTextEncoding::Utf16LE: return DecodeUtf16(bytes.substr(2), false);
    case TTextEncoding::Utf16BE: return DecodeUtf16(bytes.substr(2), true);
    case TTextEncoding::Windows1252: return Windows1252ToUtf8(bytes);
    case TTextEncoding::Utf8: break;
    }
    return std::string(bytes);
}

std::string EncodeText(std::string_view utf8, TTextEncoding encoding) {
    switch (encoding) {
    case TTextEncoding::Utf8Bom: return "\xEF\xBB\xBF" + std::string(utf8);
    case TTextEncoding::Utf16LE: return EncodeUtf16(utf8, false);
    case TTextEncoding::Utf16BE: return EncodeUtf16(utf8, true);
    case TTextEncoding::Windows1252: return Utf8ToWindows1252(utf8);
    case TTextEncoding::Utf8: break;
    }
    return std::string(utf8);
}

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    bool valid = true;
    while (i < bytes.size()) {
        NextUtf8(bytes, i, valid);
        if (!valid) return false;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) out.push_back(ch);
        else if (c < 0xA0) AppendUtf8(out, kCp1252High[c - 0x80]);
        else AppendUtf8(out, c);
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    bool valid = true;
    while (i < utf8.size()) {
        const char32_t cp = NextUtf8(utf8, i, valid);
        if (!valid) {
            out.push_back(replacement);
        } else if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
        } else {
            char mapped = replacement;
            for (int k = 0; k < 32; ++k)
                if (kCp1252High[k] == cp) mapped = static_cast<char>(0x80 + k);
            out.push_back(mapped);
        }
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    bool valid = true;
    while (i < utf8.size()) {
        const char32_t cp = NextUtf8(utf8, i, valid);
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t u = utf16[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            const char32_t cp = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            AppendUtf8(out, cp);
            ++i;
        } else {
            AppendUtf8(out, u);  // a lone surrogate becomes U+FFFD there
        }
    }
    return out;
}

}  // namespace base
