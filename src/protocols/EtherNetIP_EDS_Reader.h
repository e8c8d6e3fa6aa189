#pragma once
// The I/O connections an EtherNet/IP device declares in the
// "[Connection Manager]" section of its EDS file (an INI-like text): for
// each entry its name, help text, the real-time
// header formats of both directions and, from its connection path, the
// instances and connection points of both directions. O > T is the
// scanner's output to the device, T > O the device's answer.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace proto {

struct TConnData {
    int ConnIndex = 0;    // 1-based position in the list
    std::string ConnName;  // field 13, trimmed, quotation marks kept
    std::string HelpStr;   // field 14, the same way
    uint8_t DimHeaderTO = 0;  // bits 12 to 14 of field 2
    uint8_t DimHeaderOT = 4;  // bits 8 to 10 of field 2
    uint8_t NumClass = 4;     // the byte after the class segment 0x20
    // Instances keep the whole value of their segment (8, 16 or 32 bits).
    uint32_t InstanceTO = 30;
    uint8_t ConnPointTO = 0;
    uint32_t InstanceOT = 30;
    uint8_t ConnPointOT = 0;
    bool operator==(const TConnData&) const = default;
};

// A path longer than any device declares is cut here.
inline constexpr size_t EDS_Path_Max_Bytes = 1001;

// One entry's value (the text after "="): appends the decoded connection
// to List, numbered on from its size; false when the entry does not decode
// (too few path bytes, no class segment, a missing connection point).
// Fields are cut at commas outside quotation marks: a quoted name or help
// text may hold commas and semicolons.
bool Decode_Conn_Str(std::string_view Value, std::vector<TConnData>& List);

// The connections of an EDS text (UTF-8), in file order. "$" outside
// quotation marks starts a comment, an entry may run over several lines;
// entries that do not decode are left out.
std::vector<TConnData> Read_EDS_Connections(std::string_view Text);

// The same from a file, its encoding recognised by its byte-order mark
// (Windows-1252 without one, unless it is valid UTF-8). A missing or
// unreadable file gives no connections.
std::vector<TConnData> Load_EDS_Connections(const std::string& Path);

}  // namespace proto
