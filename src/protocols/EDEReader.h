#pragma once
// Reading a BACnet EDE file (engineering data exchange: ";"-separated text
// lines) into the objects the import offers. The data lines follow the
// column-mark line ("# mandatory;..."): on line 9 when line 7 is that mark, as
// in the usual EDE layout, otherwise two lines after the last mark line, as
// the system's own export writes it. Lines of other object types are dropped.

#include <string>
#include <string_view>
#include <vector>

namespace proto {

struct TBACnet_Var {
    std::string keyname;
    int device_obj_instance = -1;
    std::string object_name;
    int object_type = -1;  // the standard object-type number
    int object_instance = -1;
    std::string description;
    std::string present_value_default;
    std::string min_present_value;
    std::string max_present_value;
    bool commandable = false;
    bool support_COV = false;
    std::string hi_limit;
    std::string low_limit;
    std::string stete_text_reference;
    std::string unit_code;
    std::string vendor_specific_address;
    // The user's marks: import the object, into the read and the write table.
    bool import = false;
    bool read = false;
    bool write = false;

    bool operator==(const TBACnet_Var&) const = default;
};

// The sixteen fields of one data line; fields 2, 4 and 5 as numbers (-1
// when they are none), 10 and 11 true for "Y". The marks are not set.
TBACnet_Var Parse_EDE_Line(std::string_view line);

// The objects of a file's text (any of the encodings base::DecodeText knows,
// lines ended by CR LF, LF or CR), marked for import: read, and write when
// commandable. No mark line gives no objects.
std::vector<TBACnet_Var> Read_EDE(std::string_view bytes);
// False, with the reason naming the file, when it cannot be read.
bool Load_EDE_File(const std::string& path, std::vector<TBACnet_Var>& vars, std::string* error);

}  // namespace proto
