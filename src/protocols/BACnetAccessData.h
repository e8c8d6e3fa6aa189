#pragma once
// "BACnet_Master_Access.xml": the BACnet client's read and write rules as
// plain tables of cell texts, one row per table row, one cell per grid column
// (column 0, the row number, is not stored). The file and the window share
// the column numbers below.

#include <functional>
#include <string>
#include <vector>

#include "shell/ProjectXmlFile.h"

namespace plat {
class TXmlDocument;
class TXmlNode;
}  // namespace plat

namespace proto {

using TTableRow = std::vector<std::string>;
using TTableRows = std::vector<TTableRow>;

namespace bac_read {
enum : int {
    Enable = 1,
    Address,
    Object_Type,
    Instance,
    Property,
    NByte,
    En_Dest,
    D_Net,
    D_Len,
    D_Add,
    Poll_Time,
    Max_Err,
    Position,
    Start_Bit,
    Swap,
    Convertion,
    Mnemonic,
    Count
};
}
namespace bac_write {
enum : int {
    Enable = 1,
    Address,
    Object_Type,
    Data_Type,
    Instance,
    Property,
    Priority,
    NByte,
    En_Dest,
    D_Net,
    D_Len,
    D_Add,
    Change,
    Timer,
    Poll_Time,
    Max_Err,
    Position,
    Start_Bit,
    Swap,
    Convertion,
    Mnemonic,
    Count
};
}

inline constexpr int BACnet_Access_Rows = 512;
// The bytes of the input and of the output area the rules map into.
inline constexpr int BACnet_Access_Area = 1440;

// The gateway's client kind, from "ParGen.xml".
enum TBACnetKind : int { BACnet_IP = 0, BACnet_MSTP = 1 };

// Column 2 (device address) for BACnet/IP and MS/TP; a kind without device
// address keys its rows on the object type (column 3).
int BACnet_Key_Column(int Kind);

// A stored column: its grid column and its attribute. Every attribute of
// this file may be missing and then takes its default.
struct TStoredColumn {
    int column;
    shell::TXmlColumn xml;
};
const std::vector<TStoredColumn>& BACnet_Read_Stored();
// The other BACnet files store their tables the same way.

// Row i + 1 from child element i of root's section, at most the rows there
// are; with Grow_Columns rows of that many cells are added for every
// element. False, with the reason, when the section is missing.
bool Read_Stored_Section(const plat::TXmlNode& root, const char* section,
                         const std::vector<TStoredColumn>& stored, TTableRows& rows, int Grow_Columns,
                         std::string* error);
// One row element per row up to the first row whose key cell is blank.
void Write_Stored_Section(plat::TXmlNode root, const char* section, const std::vector<TStoredColumn>& stored,
                          const TTableRows& rows, int key);
// Loads path and runs Read on it; a missing file is a new configuration
// (true, nothing read).
bool Load_Stored_Tables(const std::string& path,
                        const std::function<bool(const plat::TXmlDocument&, std::string*)>& Read,
                        std::string* error);
const std::vector<TStoredColumn>& BACnet_Write_Stored();

struct TBACnetAccessData {
    TTableRows Read;   // BACnet_Access_Rows rows of bac_read::Count cells
    TTableRows Write;  // BACnet_Access_Rows rows of bac_write::Count cells
    bool operator==(const TBACnetAccessData&) const = default;
};

// What an opening shows before the file is read: every row empty and enabled.
TBACnetAccessData Empty_BACnet_Access();

// The tables from a loaded document: row i + 1 from element i of each
// section. False, with the reason, when a section is missing; the rows read
// before stay.
bool Read_BACnet_Access(const plat::TXmlDocument& doc, TBACnetAccessData& data, std::string* error);
// The document the OK button saves: each table up to the first row whose
// key cell (of the kind) is blank; disabled rows included.
void Write_BACnet_Access(const TBACnetAccessData& data, int Kind, plat::TXmlDocument& doc);

// A missing file is a new configuration: empty tables and true.
bool Load_BACnet_Access(const std::string& path, TBACnetAccessData& data, std::string* error);
// Atomic: a failed save leaves the old file.
bool Save_BACnet_Access(const std::string& path, const TBACnetAccessData& data, int Kind, std::string* error);

// `BACnet_Master_Type` of "ParGen.xml"; false (and Kind 0) when the file,
// the element or a number in it is missing.
bool Read_BACnet_Master_Type(const std::string& parGenPath, int& Kind);

}  // namespace proto
