#include "protocols/EtherNetIP_EDS_Reader.h"

#include <cstdlib>
#include <optional>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"

namespace proto {

namespace {

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// Where Text first starts outside quotation marks; npos when nowhere.
// Quoted strings of an EDS hold what they like: a name with a comma, a help
// text with a ";" or a "$".
size_t Find_Unquoted(std::string_view s, std::string_view Text) {
    bool quoted = false;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && s.substr(i, Text.size()) == Text) return i;
    }
    return std::string_view::npos;
}

// The text before the next comma (empty when there is none).
std::string_view Field(std::string_view s) {
    const size_t comma = Find_Unquoted(s, ",");
    return comma == std::string_view::npos ? std::string_view() : Trimmed(s.substr(0, comma));
}

// Removes the text up to and including the next comma; without a comma the
// text stays as it is.
void Drop_Field(std::string_view& s) {
    const size_t comma = Find_Unquoted(s, ",");
    if (comma != std::string_view::npos) s = Trimmed(s.substr(comma + 1));
}

uint32_t Little_Endian(const std::vector<uint8_t>& Bytes, size_t From, size_t Count) {
    uint32_t value = 0;
    for (size_t i = Count; i-- > 0;) value = (value << 8) | Bytes[From + i];
    return value;
}

// A 32-bit number in decimal, or hexadecimal after "0x" or "$"; -1 for any
// other text. Hexadecimal values above 0x7FFFFFFF keep their bits.
int32_t Parameter_Number(std::string_view s) {
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.remove_prefix(2);
        base = 16;
    } else if (s.size() > 1 && s[0] == '$') {
        s.remove_prefix(1);
        base = 16;
    }
    bool negative = false;
    if (base == 10 && !s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 11) return -1;
    uint64_t value = 0;
    for (const char c : s) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return -1;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (base == 16) return value <= 0xFFFFFFFFull ? static_cast<int32_t>(static_cast<uint32_t>(value)) : -1;
    if (value > (negative ? 0x80000000ull : 0x7FFFFFFFull)) return -1;
    return negative ? static_cast<int32_t>(-static_cast<int64_t>(value)) : static_cast<int32_t>(value);
}

// A path token read as hexadecimal: a byte value, or nothing.
std::optional<uint8_t> Path_Byte(std::string_view Token) {
    if (Token.empty() || Token.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (const char c : Token) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    if (value > 255) return std::nullopt;
    return static_cast<uint8_t>(value);
}

std::vector<uint8_t> Path_Bytes(std::string_view Path) {
    std::vector<uint8_t> bytes;
    Path = Trimmed(Path);
    while (!Path.empty() && bytes.size() < EDS_Path_Max_Bytes) {
        const size_t blank = Path.find(' ');
        const std::string_view token = Path.substr(0, blank);
        if (const std::optional<uint8_t> b = Path_Byte(token)) bytes.push_back(*b);
        if (blank == std::string_view::npos) break;
        Path = Trimmed(Path.substr(blank + 1));
    }
    return bytes;
}

// Index of the first byte from From on that is A or B; npos when none.
size_t Find_Byte(const std::vector<uint8_t>& Bytes, size_t From, uint8_t A, uint8_t B) {
    for (size_t i = From; i < Bytes.size(); ++i)
        if (Bytes[i] == A || Bytes[i] == B) return i;
    return std::string_view::npos;
}

}  // namespace

bool Decode_Conn_Str(std::string_view Value, std::vector<TConnData>& List) {
    std::string_view s = Trimmed(Value);
    TConnData c;
    Drop_Field(s);  // trigger and transport
    const int32_t parameters = Parameter_Number(Field(s));
    c.DimHeaderOT = static_cast<uint8_t>((static_cast<uint32_t>(parameters) >> 8) & 7);
    c.DimHeaderTO = static_cast<uint8_t>((static_cast<uint32_t>(parameters) >> 12) & 7);
    for (int field = 2; field <= 12; ++field) Drop_Field(s);
    c.ConnName = std::string(Field(s));
    Drop_Field(s);
    c.HelpStr = std::string(Field(s));
    Drop_Field(s);

    // The path ends at the ";" closing the entry, or at the comma before
    // further fields when the entry has them.
    std::string_view path;
    const size_t comma = Find_Unquoted(s, ",");
    const size_t semicolon = Find_Unquoted(s, ";");
    if (comma != std::string_view::npos && semicolon != std::string_view::npos && semicolon > comma)
        path = s.substr(0, comma);
    else if (semicolon != std::string_view::npos)
        path = s.substr(0, semicolon);
    std::string unquoted;
    for (const char ch : Trimmed(path))
        if (ch != '"') unquoted += ch;
    const std::vector<uint8_t> b = Path_Bytes(unquoted);

    if (b.size() < 6 || b[0] != 0x20) return false;
    c.NumClass = b[1];
    size_t end;  // the last byte of the instance segment
    switch (b[2]) {
        case 0x24: c.InstanceOT = b[3]; end = 3; break;
        // A pad byte, then the value with its low byte first: all of it is
        // the instance, 300 stays 300 and does not become 44.
        case 0x25:
            c.InstanceOT = Little_Endian(b, 4, 2);
            end = 5;
            break;
        case 0x26:
            if (b.size() < 8) return false;
            c.InstanceOT = Little_Endian(b, 4, 4);
            end = 7;
            break;
        default: c.InstanceOT = 1; end = 1; break;
    }
    c.InstanceTO = c.InstanceOT;
    // The searches look at byte values, not segments: a value byte equal to
    // a segment byte is taken for one, as the devices' own tools do.
    const size_t first = Find_Byte(b, end + 1, 0x2C, 0x2C);
    if (first == std::string_view::npos || first + 1 >= b.size()) return false;
    c.ConnPointOT = b[first + 1];
    const size_t next = Find_Byte(b, first + 2, 0x24, 0x2C);
    if (next == std::string_view::npos || next + 1 >= b.size()) return false;
    if (b[next] == 0x24) {
        c.InstanceTO = b[next + 1];
        const size_t point = Find_Byte(b, next + 2, 0x2C, 0x2C);
        if (point == std::string_view::npos || point + 1 >= b.size()) return false;
        c.ConnPointTO = b[point + 1];
    } else {
        c.ConnPointTO = b[next + 1];
    }
    c.ConnIndex = static_cast<int>(List.size()) + 1;
    List.push_back(std::move(c));
    return true;
}

std::vector<TConnData> Read_EDS_Connections(std::string_view Text) {
    std::vector<TConnData> list;
    bool in_section = false;
    std::string pending;
    auto decode_pending = [&] {
        if (!pending.empty()) Decode_Conn_Str(pending, list);
        pending.clear();
    };
    size_t at = 0;
    while (at <= Text.size()) {
        size_t end = Text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = Text.size();
        std::string_view line = Trimmed(Text.substr(at, end - at));
        at = end + 1;
        if (end < Text.size() && Text[end] == '\r' && at < Text.size() && Text[at] == '\n') ++at;
        if (const size_t dollar = Find_Unquoted(line, "$"); dollar != std::string_view::npos)
            line = Trimmed(line.substr(0, dollar));
        if (line.empty()) {
            if (end == Text.size()) break;
            continue;
        }
        if (!in_section) {
            in_section = line.find("[Connection Manager]") != std::string_view::npos;
        } else if (line.front() == '[') {
            in_section = false;
            decode_pending();
        } else if (Find_Unquoted(line, "Connection") != std::string_view::npos) {
            // A quoted name that holds the word is the text of an entry,
            // not the key of a new one.
            decode_pending();
            const size_t equals = Find_Unquoted(line, "=");
            pending = std::string(equals == std::string_view::npos ? line : Trimmed(line.substr(equals + 1)));
        } else {
            pending += line;
        }
        if (end == Text.size()) break;
    }
    decode_pending();
    return list;
}

std::vector<TConnData> Load_EDS_Connections(const std::string& Path) {
    std::string bytes;
    if (Path.empty() || !base::FileExists(Path) || !base::ReadFileBytes(Path, bytes)) return {};
    return Read_EDS_Connections(base::DecodeText(bytes));
}

}  // namespace proto
