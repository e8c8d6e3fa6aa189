#pragma once
// The SNMP MIB of the gateway's agent: an SMIv2 module with a fixed part (a
// few counters and the raw data blocks) and one object per enabled row of the
// agent table ("SNMP_Trap.xml"), read rows read-only and write rows
// read-write, plus one notification per read object. CR LF after every line,
// ASCII only, no byte-order mark.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace plat {
class TXmlDocument;
}

namespace proto {

// The agent holds this many objects per direction (the rows of a table page).
inline constexpr int MIB_Max_Objects = 256;
// Longest descriptor the SMI allows.
inline constexpr int MIB_Max_Name = 64;

// One enabled row of a section; its ordinal is its place in the list + 1.
struct TMibObject {
    std::string Description;  // the object's name when not empty
    bool Integer = false;     // INTEGER, else OCTET STRING
    int File_Row = 0;         // the row element it came from, for messages
    bool operator==(const TMibObject&) const = default;
};

struct TMibData {
    std::vector<TMibObject> Read;
    std::vector<TMibObject> Write;
    bool operator==(const TMibData&) const = default;
};

// A name the module defines or imports itself ("data", "traps",
// "bufferinblk3", "enterprises", ...), or one of the names it gives objects
// of its own numbering ("trapval" and "bufferinval"/"bufferoutval" followed
// by digits): a Description equal to one of them would define it twice.
bool MIB_Fixed_Name(std::string_view Name);

// The name of object Ordinal (from 1): its Description, or "bufferinval" /
// "bufferoutval" with the ordinal when that is empty.
std::string MIB_Object_Name(const TMibObject& Object, int Ordinal, bool Read);

// The enabled rows of a loaded "SNMP_Trap.xml": Enable "Y" in any case,
// Type "INT" in any case for INTEGER. A missing section has no objects.
// Refused, with the reason naming the file: another root element.
bool Read_SNMP_Trap_List(const plat::TXmlDocument& Doc, TMibData& Data, std::string* Error = nullptr,
                         const std::string& File_Name = "SNMP_Trap.xml");
// A missing file is no error: no objects. A file that is no XML is refused.
bool Load_SNMP_Trap_List(const std::string& Path, TMibData& Data, std::string* Error = nullptr);

// The table window makes its Descriptions valid and distinct, but the file
// may have been edited by hand: refused are more than MIB_Max_Objects objects
// in a direction, a Description that is no SMI descriptor of letters and
// digits starting with a lower-case letter, one that is a fixed name, and
// two objects of one name.
bool Check_MIB_Data(const TMibData& Data, std::string* Error = nullptr);

class TMibWriter {
public:
    // Writes nothing when the data is refused by Check_MIB_Data.
    bool Write(const TMibData& Data, std::ostream& Out);
    // Atomic: a refused table or a failed write leaves the old file as it was.
    bool Save(const TMibData& Data, const std::string& Path);
    const std::string& ErrorString() const { return error_; }

private:
    std::string error_;
};

// The MIB of the open configuration's "SNMP_Trap.xml" saved to File_Name;
// the Descriptions of its objects are left in shell::MIB_Read_List and
// shell::MIB_Write_List. False with the reason, and nothing written, when
// the table cannot be read or is refused, or the file cannot be written.
bool Write_MIB_File(const std::string& File_Name, std::string* Error = nullptr);

}  // namespace proto
