#include "grid/GridExchange.h"

#include "base/Files.h"
#include "base/TextCodec.h"

namespace grid {

std::string EncodeGridText(std::string_view Utf8, TGridFileText Encoding) {
    switch (Encoding) {
        case TGridFileText::Utf8Bom:
            return base::EncodeText(Utf8, base::TTextEncoding::Utf8Bom);
        case TGridFileText::Utf16LE:
            return base::EncodeText(Utf8, base::TTextEncoding::Utf16LE);
        case TGridFileText::Ascii: {
            std::string out;
            const std::u16string wide = base::Utf8ToUtf16(Utf8);
            for (size_t i = 0; i < wide.size(); ++i) {
                char32_t cp = wide[i];
                if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < wide.size()) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
                    ++i;
                }
                if (cp < 0x80) out += char(cp);
                else out += "&#" + std::to_string(unsigned(cp)) + ";";
            }
            return out;
        }
        case TGridFileText::Oem:
            return base::Utf8ToWindows1252(Utf8);
        case TGridFileText::Ansi:
            break;
    }
    return std::string(Utf8);
}

std::vector<std::string_view> SplitTextLines(std::string_view t) {
    std::vector<std::string_view> lines;
    for (size_t i = 0; i < t.size();) {
        size_t e = t.find_first_of("\r\n", i);
        if (e == std::string_view::npos) e = t.size();
        lines.push_back(t.substr(i, e - i));
        i = e;
        if (i < t.size()) i += (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ? 2 : 1;
    }
    return lines;
}

std::string DecodeGridText(std::string_view Bytes) { return base::DecodeText(Bytes); }

bool ReadGridFile(const std::string& FileName, std::string& Bytes, std::string& Error) {
    std::string why;
    if (base::ReadFileBytes(FileName, Bytes, &why)) return true;
    Error = "Cannot open file " + FileName + (why.empty() ? "" : ": " + why);
    return false;
}

bool WriteGridFile(const std::string& FileName, std::string_view Bytes, std::string& Error) {
    std::string why;
    if (base::WriteFileAtomic(FileName, Bytes, &why)) return true;
    Error = "Cannot Create file " + FileName + (why.empty() ? "" : ": " + why);
    return false;
}

}  // namespace grid
