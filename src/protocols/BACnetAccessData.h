#pragma once
// "BACnet_Master_Access.xml": the BACnet client's read and write rules as
// plain tables of cell texts, one row per table row, one cell per grid column
// (column 0, the row number, is not stored). The file and the window share
// the column numbers below.

#include <string>
#include <vector>

#include "protocols/AccessTable.h"

namespace proto {

// A table as the family keeps it: every row, every column, column 0 first.
using TTableRows = TTable;

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

// The file's description: the two tables, their columns and attributes.
// Every attribute may be missing and then takes its column's default. The
// key column follows the client kind.
TAccessFile BACnet_Access_File(int Kind = BACnet_IP);

struct TBACnetAccessData {
    TTableRows Read;   // BACnet_Access_Rows rows of bac_read::Count cells
    TTableRows Write;  // BACnet_Access_Rows rows of bac_write::Count cells
    bool operator==(const TBACnetAccessData&) const = default;
};

// What an opening shows before the file is read: every row empty and enabled.
TBACnetAccessData Empty_BACnet_Access();

// A missing file is a new configuration: empty tables and true. A file that
// does not load cleanly gives false with the first fault; the rows read
// before stay.
bool Load_BACnet_Access(const std::string& path, TBACnetAccessData& data, std::string* error);
// Each table up to the first row whose key cell (of the kind) is blank,
// disabled rows included. Atomic: a failed save leaves the old file.
bool Save_BACnet_Access(const std::string& path, const TBACnetAccessData& data, int Kind, std::string* error);

// `BACnet_Master_Type` of "ParGen.xml"; false (and Kind 0) when the file,
// the element or a number in it is missing.
bool Read_BACnet_Master_Type(const std::string& parGenPath, int& Kind);

}  // namespace proto
