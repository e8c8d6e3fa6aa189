#pragma once
// The component stream: records of named, tagged property values behind the
// signature "TPF0", as the grid's cell stream, binary files and clipboard
// blocks hold them. All integers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace grid {

enum TValueType : std::uint8_t {
    vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue, vaBinary, vaSet,
    vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString, vaInt64, vaUTF8String, vaDouble
};

// One value as read: integers in Int, texts and identifiers in Text,
// floats in Float, list items in List, set members in Set.
struct TStreamValue {
    TValueType Type = vaNull;
    long long Int = 0;
    double Float = 0;
    std::string Text;
    std::vector<TStreamValue> List;
    std::vector<std::string> Set;
    bool IsInteger() const { return Type == vaInt8 || Type == vaInt16 || Type == vaInt32 || Type == vaInt64; }
    bool IsText() const;
};

struct TStreamProperty {
    std::string Name;
    TStreamValue Value;
};

struct TComponentRecord {
    std::string ClassName;
    std::vector<TStreamProperty> Properties;
};

class TComponentWriter {
public:
    void Begin(std::string_view ClassName);
    void Integer(std::string_view Name, long long Value);
    void Boolean(std::string_view Name, bool Value);
    void Ident(std::string_view Name, std::string_view Value);
    // A colour by its name when it has one, else as an integer.
    void Color(std::string_view Name, std::uint32_t Value);
    void Text(std::string_view Name, std::string_view Utf8);
    void Set(std::string_view Name, const std::vector<std::string_view>& Members);
    void Float(std::string_view Name, double Value);
    void Binary(std::string_view Name, std::string_view Bytes);
    void TextList(std::string_view Name, const std::vector<std::string>& Items);
    void End();
    const std::string& Bytes() const { return FOut; }
    std::string& Bytes() { return FOut; }

private:
    void ShortString(std::string_view S);
    void IntegerValue(long long Value);
    void TextValue(std::string_view Utf8);
    std::string FOut;
};

// Reads one record from Bytes[Pos] on and moves Pos past it. False with the
// message ("Invalid stream format", "Stream read error") otherwise.
bool ReadComponentRecord(std::string_view Bytes, std::size_t& Pos, TComponentRecord& Record, std::string& Error);

// Named colours: the identifier of a value, empty for none; and back.
std::string_view ColorIdent(std::uint32_t Value);
bool ColorFromIdent(std::string_view Ident, std::uint32_t& Value);

// The 80-bit extended float of the stream, and back.
void DoubleToExtended(double Value, std::uint8_t Out[10]);
double ExtendedToDouble(const std::uint8_t In[10]);

}  // namespace grid
