#include "grid/GridStreamEncoding.h"

#include <cmath>
#include <cstring>

#include "base/TextCodec.h"

namespace grid {

namespace {

struct TNamedColor {
    std::string_view Name;
    std::uint32_t Value;
};

constexpr TNamedColor kColors[] = {
    {"clBlack", 0x00000000}, {"clMaroon", 0x00000080}, {"clGreen", 0x00008000}, {"clOlive", 0x00008080},
    {"clNavy", 0x00800000}, {"clPurple", 0x00800080}, {"clTeal", 0x00808000}, {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0}, {"clRed", 0x000000FF}, {"clLime", 0x0000FF00}, {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000}, {"clFuchsia", 0x00FF00FF}, {"clAqua", 0x00FFFF00}, {"clWhite", 0x00FFFFFF},
    {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6}, {"clCream", 0x00F0FBFF}, {"clMedGray", 0x00A4A0A0},
    {"clActiveBorder", 0xFF00000A}, {"clActiveCaption", 0xFF000002}, {"clAppWorkSpace", 0xFF00000C},
    {"clBackground", 0xFF000001}, {"clBtnFace", 0xFF00000F}, {"clBtnHighlight", 0xFF000014},
    {"clBtnShadow", 0xFF000010}, {"clBtnText", 0xFF000012}, {"clCaptionText", 0xFF000009},
    {"clDefault", 0x20000000}, {"clGradientActiveCaption", 0xFF00001B}, {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011}, {"clHighlight", 0xFF00000D}, {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A}, {"clInactiveBorder", 0xFF00000B}, {"clInactiveCaption", 0xFF000003},
    {"clInactiveCaptionText", 0xFF000013}, {"clInfoBk", 0xFF000018}, {"clInfoText", 0xFF000017},
    {"clMenu", 0xFF000004}, {"clMenuBar", 0xFF00001E}, {"clMenuHighlight", 0xFF00001D}, {"clMenuText", 0xFF000007},
    {"clNone", 0x1FFFFFFF}, {"clScrollBar", 0xFF000000}, {"cl3DDkShadow", 0xFF000015}, {"cl3DLight", 0xFF000016},
    {"clWindow", 0xFF000005}, {"clWindowFrame", 0xFF000006}, {"clWindowText", 0xFF000008},
};

void Put32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

class TReader {
public:
    TReader(std::string_view b, size_t p) : B(b), P(p) {}
    std::string_view B;
    size_t P;
    bool Need(size_t n) const { return B.size() - P >= n; }
    bool Byte(std::uint8_t& v) {
        if (!Need(1)) return false;
        v = std::uint8_t(B[P++]);
        return true;
    }
    bool Raw(size_t n, std::string& s) {
        if (!Need(n)) return false;
        s.assign(B.substr(P, n));
        P += n;
        return true;
    }
    bool Le(int n, std::uint64_t& v) {
        if (!Need(size_t(n))) return false;
        v = 0;
        for (int i = 0; i < n; ++i) v |= std::uint64_t(std::uint8_t(B[P + size_t(i)])) << (8 * i);
        P += size_t(n);
        return true;
    }
    bool Short(std::string& s) {
        std::uint8_t n;
        return Byte(n) && Raw(n, s);
    }
    bool Value(TStreamValue& v, int depth);
};

bool TReader::Value(TStreamValue& v, int depth) {
    std::uint8_t tag;
    if (!Byte(tag) || tag > vaDouble || depth > 64) return false;
    v.Type = TValueType(tag);
    std::uint64_t u = 0;
    switch (v.Type) {
        case vaNull: case vaFalse: case vaTrue: case vaNil:
            return true;
        case vaList:
            for (;;) {
                if (!Need(1)) return false;
                if (B[P] == 0) {
                    ++P;
                    return true;
                }
                TStreamValue item;
                if (!Value(item, depth + 1)) return false;
                v.List.push_back(std::move(item));
            }
        case vaInt8:
            if (!Le(1, u)) return false;
            v.Int = std::int8_t(u);
            return true;
        case vaInt16:
            if (!Le(2, u)) return false;
            v.Int = std::int16_t(u);
            return true;
        case vaInt32:
            if (!Le(4, u)) return false;
            v.Int = std::int32_t(u);
            return true;
        case vaInt64:
            if (!Le(8, u)) return false;
            v.Int = std::int64_t(u);
            return true;
        case vaExtended: {
            std::string raw;
            if (!Raw(10, raw)) return false;
            v.Float = ExtendedToDouble(reinterpret_cast<const std::uint8_t*>(raw.data()));
            return true;
        }
        case vaSingle: {
            if (!Le(4, u)) return false;
            float f;
            const std::uint32_t w = std::uint32_t(u);
            std::memcpy(&f, &w, 4);
            v.Float = f;
            return true;
        }
        case vaDouble: case vaDate: {
            if (!Le(8, u)) return false;
            std::memcpy(&v.Float, &u, 8);
            return true;
        }
        case vaCurrency:
            if (!Le(8, u)) return false;
            v.Float = double(std::int64_t(u)) / 10000.0;
            return true;
        case vaString: case vaIdent:
            return Short(v.Text);
        case vaLString: case vaUTF8String: case vaBinary:
            return Le(4, u) && Raw(size_t(u), v.Text);
        case vaWString: {
            if (!Le(4, u) || u > (B.size() - P) / 2) return false;
            std::u16string w;
            for (std::uint64_t i = 0; i < u; ++i) {
                std::uint64_t c;
                Le(2, c);
                w += char16_t(c);
            }
            v.Text = base::Utf16ToUtf8(w);
            return true;
        }
        case vaSet:
            for (;;) {
                std::string m;
                if (!Short(m)) return false;
                if (m.empty()) return true;
                v.Set.push_back(std::move(m));
            }
        case vaCollection:
            return false;  // the grid's records never hold one
    }
    return false;
}

}  // namespace

bool TStreamValue::IsText() const {
    return Type == vaString || Type == vaLString || Type == vaWString || Type == vaUTF8String;
}

std::string_view ColorIdent(std::uint32_t Value) {
    for (const auto& c : kColors)
        if (c.Value == Value) return c.Name;
    return {};
}

bool ColorFromIdent(std::string_view Ident, std::uint32_t& Value) {
    for (const auto& c : kColors)
        if (c.Name == Ident) {
            Value = c.Value;
            return true;
        }
    return false;
}

void DoubleToExtended(double Value, std::uint8_t Out[10]) {
    std::memset(Out, 0, 10);
    if (Value == 0) {
        if (std::signbit(Value)) Out[9] = 0x80;
        return;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &Value, 8);
    const bool neg = bits >> 63;
    int exp = int((bits >> 52) & 0x7FF);
    std::uint64_t frac = bits & ((1ULL << 52) - 1);
    std::uint64_t mant;
    int e15;
    if (exp == 0x7FF) {
        e15 = 0x7FFF;
        mant = (1ULL << 63) | (frac << 11);
    } else if (exp == 0) {  // subnormal: normalise
        int shift = 0;
        while (!(frac & (1ULL << 52))) {
            frac <<= 1;
            ++shift;
        }
        e15 = 1 - 1023 - shift + 16383;
        mant = frac << 11;
    } else {
        e15 = exp - 1023 + 16383;
        mant = (1ULL << 63) | (frac << 11);
    }
    for (int i = 0; i < 8; ++i) Out[i] = std::uint8_t(mant >> (8 * i));
    Out[8] = std::uint8_t(e15 & 0xFF);
    Out[9] = std::uint8_t(((e15 >> 8) & 0x7F) | (neg ? 0x80 : 0));
}

double ExtendedToDouble(const std::uint8_t In[10]) {
    std::uint64_t mant = 0;
    for (int i = 0; i < 8; ++i) mant |= std::uint64_t(In[i]) << (8 * i);
    const int e15 = In[8] | ((In[9] & 0x7F) << 8);
    const bool neg = In[9] & 0x80;
    double v;
    if (e15 == 0x7FFF) v = (mant << 1) ? NAN : INFINITY;
    else v = std::ldexp(double(mant), e15 - 16383 - 63);
    return neg ? -v : v;
}

void TComponentWriter::ShortString(std::string_view S) {
    S = S.substr(0, 255);
    FOut += char(S.size());
    FOut.append(S);
}

void TComponentWriter::IntegerValue(long long v) {
    if (v >= -128 && v <= 127) {
        FOut += char(vaInt8);
        FOut += char(std::int8_t(v));
    } else if (v >= -32768 && v <= 32767) {
        FOut += char(vaInt16);
        FOut += char(v & 0xFF);
        FOut += char((v >> 8) & 0xFF);
    } else {
        FOut += char(vaInt32);
        Put32(FOut, std::uint32_t(v));
    }
}

void TComponentWriter::TextValue(std::string_view Utf8) {
    const std::u16string wide = base::Utf8ToUtf16(Utf8);
    if (Utf8.size() >= 2 * wide.size()) {
        FOut += char(vaWString);
        Put32(FOut, std::uint32_t(wide.size()));
        for (char16_t u : wide) {
            FOut += char(u & 0xFF);
            FOut += char(u >> 8);
        }
        return;
    }
    bool high = false;
    for (char c : Utf8) high |= std::uint8_t(c) >= 0x80;
    if (high) {
        FOut += char(vaUTF8String);
        Put32(FOut, std::uint32_t(Utf8.size()));
    } else if (Utf8.size() >= 256) {
        FOut += char(vaLString);
        Put32(FOut, std::uint32_t(Utf8.size()));
    } else {
        FOut += char(vaString);
        FOut += char(Utf8.size());
    }
    FOut.append(Utf8);
}

void TComponentWriter::Begin(std::string_view ClassName) {
    FOut += "TPF0";
    ShortString(ClassName);
    FOut += '\0';
}

void TComponentWriter::Integer(std::string_view Name, long long Value) {
    ShortString(Name);
    IntegerValue(Value);
}

void TComponentWriter::Boolean(std::string_view Name, bool Value) {
    ShortString(Name);
    FOut += char(Value ? vaTrue : vaFalse);
}

void TComponentWriter::Ident(std::string_view Name, std::string_view Value) {
    ShortString(Name);
    FOut += char(vaIdent);
    ShortString(Value);
}

void TComponentWriter::Color(std::string_view Name, std::uint32_t Value) {
    const std::string_view id = ColorIdent(Value);
    if (!id.empty()) Ident(Name, id);
    else Integer(Name, std::int32_t(Value));
}

void TComponentWriter::Text(std::string_view Name, std::string_view Utf8) {
    ShortString(Name);
    TextValue(Utf8);
}

void TComponentWriter::Set(std::string_view Name, const std::vector<std::string_view>& Members) {
    ShortString(Name);
    FOut += char(vaSet);
    for (auto m : Members) ShortString(m);
    FOut += '\0';
}

void TComponentWriter::Float(std::string_view Name, double Value) {
    ShortString(Name);
    FOut += char(vaExtended);
    std::uint8_t ext[10];
    DoubleToExtended(Value, ext);
    FOut.append(reinterpret_cast<const char*>(ext), 10);
}

void TComponentWriter::Binary(std::string_view Name, std::string_view Bytes) {
    ShortString(Name);
    FOut += char(vaBinary);
    Put32(FOut, std::uint32_t(Bytes.size()));
    FOut.append(Bytes);
}

void TComponentWriter::TextList(std::string_view Name, const std::vector<std::string>& Items) {
    ShortString(Name);
    FOut += char(vaList);
    for (const auto& s : Items) TextValue(s);
    FOut += '\0';
}

void TComponentWriter::End() {
    FOut += '\0';
    FOut += '\0';
}

bool ReadComponentRecord(std::string_view Bytes, std::size_t& Pos, TComponentRecord& Record, std::string& Error) {
    Record = {};
    TReader r(Bytes, Pos);
    if (!r.Need(4)) {
        Error = "Stream read error";
        return false;
    }
    if (Bytes.substr(r.P, 4) != "TPF0") {
        Error = "Invalid stream format";
        return false;
    }
    r.P += 4;
    Error = "Stream read error";
    std::uint8_t first;
    if (!r.Need(1)) return false;
    first = std::uint8_t(Bytes[r.P]);
    if ((first & 0xF0) == 0xF0) {
        ++r.P;
        if (first & 2) {  // ffChildPos: the position follows as a value
            TStreamValue pos;
            if (!r.Value(pos, 0)) return false;
        }
    }
    std::string name;
    if (!r.Short(Record.ClassName) || !r.Short(name)) return false;
    for (;;) {
        std::uint8_t n;
        if (!r.Need(1)) return false;
        if (Bytes[r.P] == 0) {
            ++r.P;
            break;
        }
        TStreamProperty prop;
        if (!r.Short(prop.Name) || !r.Value(prop.Value, 0)) return false;
        Record.Properties.push_back(std::move(prop));
        (void)n;
    }
    std::uint8_t children;
    if (!r.Byte(children)) return false;
    if (children != 0) return false;  // the grid's records have no children
    Pos = r.P;
    Error.clear();
    return true;
}

}  // namespace grid
