#pragma once
// The row rules the Modbus RTU and Modbus TCP master tables share: a read or
// write rule names a slave, a register or status type, an address, a number
// of points, timings and the byte position in the gateway's data area. The
// two windows differ in their columns, their texts and the TCP slave address.

#include <string>
#include <vector>

#include "protocols/AccessTable.h"

namespace proto {

// The data areas the rules map into; the windows set both to this size.
inline constexpr int Modbus_Data_Bytes = 1500;

// Real column indexes of a Modbus table; -1 where the table has none.
struct TModbusColumns {
    int IP_Address = -1;
    int Port = -1;
    int Slave_ID;
    int Type;
    int Address;
    int NPoint;
    int Poll_Time;
    int Max_Error;
    int Position;
    int Start_Bit;
    int Topic = -1;
};

// The text of each rule ("!! [Modbus Read] ..."); 0 where the rule is not checked.
struct TModbusTexts {
    int IP_Address = 0;
    int Port = 0;
    int Slave_ID;
    int Type;
    int Address;
    int NPoint;
    int Poll_Time;
    int Max_Error;
    int Position;
    int Start_Bit;
    int Too_Many_Bytes;
    int Topic = 0;
};

// What a read or a write table of a window checks.
struct TModbusTable {
    TModbusColumns Columns;
    TModbusTexts Texts;
    bool Input_Status;    // "Input Status" is a bit type too (read tables)
    int Bit_Points;       // most points of a bit type
    int Register_Points;  // most points of a register type
    int Poll_Min;         // least poll time
    // Read tables check the byte position only while its column is shown.
    bool Position_When_Shown;
};

struct TModbusRules {
    int Data_Bytes = Modbus_Data_Bytes;
    bool Position_Checked = true;
    bool Topic_Checked = false;  // only while the topic column is shown
};

// The drop-down items of the Modbus tables.
const std::vector<std::string>& Modbus_Read_Types();
const std::vector<std::string>& Modbus_Write_Types();
const std::vector<std::string>& Modbus_Start_Bits();
// The topic column of a read table: stored as an index into the topic list.
TTableColumn Modbus_Topic_Column(int Header, int Hint);

// True when the text is not a dotted IPv4 address: four parts split at the
// first three points (the last part is the rest, points included), each a
// number 0..255.
bool Check_IP_Address(const std::string& IP_Address);

TRowFault Check_Modbus_Row(const TTableRow& Row, const TModbusTable& Table, const TModbusRules& Rules);

// Both tables of a window, read (table 0) first: the first fault of the
// first failing row. Read_Rules.Position_Checked and Topic_Checked follow
// the read grid's shown columns.
TCheckOutcome Check_Modbus_Tables(const TAccessFile& File, const std::vector<TTable>& Tables,
                                  const TModbusTable& Read, const TModbusRules& Read_Rules,
                                  const TModbusTable& Write, const TModbusRules& Write_Rules);

// The topic list helpers both windows carry; nothing fills the list, so the
// topic columns stay hidden and the files hold -1 or nothing.
int Get_Index_From_Topic(const std::vector<std::string>& List, const std::string& Topic);
std::string Get_Topic_From_Index(const std::vector<std::string>& List, int Index);

}  // namespace proto
