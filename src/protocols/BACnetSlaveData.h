#pragma once
// "BACnet_Slave.xml": the BACnet objects the gateway serves, each mapped onto
// bytes of its input ("BACnet in Read") or output ("BACnet in Write") area,
// as plain tables of cell texts by grid column; with the server window's data
// check and its length rule.

#include <string>
#include <vector>

#include "protocols/BACnetAccessData.h"
#include "protocols/TableFault.h"

namespace proto {

namespace bac_slave {
enum : int { Data_Type = 1, Eng_Unit, Position, Bit, Length, Swap, Mnemonic, Count };
}

inline constexpr const char* BACnet_Slave_Version = "SW_VERSION = 1.002";
inline constexpr int BACnet_Slave_Area = 1500;

// Rows per table and objects in all: 1000 when "ParGen.xml" limits the
// object descriptions, else 2000.
int BACnet_Slave_Rows(bool Desc_Lenght);

// The data types each table offers.
const std::vector<std::string>& Slave_Read_Types();
const std::vector<std::string>& Slave_Write_Types();

// The file's description at the row count of the description limit; a
// missing Swap reads "N", any other missing attribute empty.
TAccessFile BACnet_Slave_Access_File(bool Desc_Lenght);

struct TBACnetSlaveData {
    TTableRows Read;  // rows of bac_slave::Count cells
    TTableRows Write;
    bool operator==(const TBACnetSlaveData&) const = default;
};

TBACnetSlaveData Empty_BACnet_Slave(bool Desc_Lenght);

// A missing file gives the empty tables and true; a file that does not load
// cleanly false with the first fault, the rows read before kept.
bool Load_BACnet_Slave(const std::string& path, bool Desc_Lenght, TBACnetSlaveData& data, std::string* error);
// Each table up to its first row with a blank Data Type. Atomic.
bool Save_BACnet_Slave(const std::string& path, const TBACnetSlaveData& data, std::string* error);

// `BACnet_Desc_Chars_Limit` of "ParGen.xml" is exactly "1".
bool Read_Desc_Chars_Limit(const std::string& parGenPath);

// The Length the write table fills in when a data type is chosen; "" leaves
// the cell as it is.
std::string Write_Length_Of(const std::string& Data_Type);

// The first fault of the used rows (read table, then write table), then the
// total of objects against BACnet_Slave_Rows.
TTableFault Check_BACnet_Slave(const TBACnetSlaveData& data, bool Desc_Lenght,
                               int NByte_IN = BACnet_Slave_Area, int NByte_OUT = BACnet_Slave_Area);

// Fields the EDE file writes must not hold its separator or a line break,
// or the file's columns and lines would shift.
bool Breaks_EDE_Field(const std::string& text);

}  // namespace proto
