#include "protocols/BACnetAccessCheck.h"

#include <cstdint>

#include "base/StrUtils.h"
#include "protocols/BACnetVocabulary.h"
#include "shell/ValueHelpers.h"

namespace proto {

namespace {

constexpr int Read_Prefix = 2037;
constexpr int Write_Prefix = 2046;
constexpr long long Instance_Max = 4294967295LL;
constexpr int Poll_Time_Max = 100000000;
constexpr int Max_Err_Max = 65535;

bool In(long long value, long long min, long long max) {
    return value >= min && value <= max;
}

// The texts of one table; the read and write tables word the same rules
// under their own numbers.
struct TDestTexts {
    int prefix, net, len, add1, add2, add6, bytes, many, lenList, few;
};
const TDestTexts Read_Dest = {Read_Prefix, 2070, 2071, 2072, 2073, 2074, 2082, 2084, 2086, 2088};
const TDestTexts Write_Dest = {Write_Prefix, 2075, 2076, 2077, 2078, 2079, 2083, 2085, 2087, 2089};

// The device address of a used row; kinds without an address check nothing.
bool Address_Ok(const std::string& cell, int Kind) {
    const std::string text = base::Trim(cell);
    if (Kind == BACnet_IP) {
        uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        return !shell::IP_To_Bytes(text, b1, b2, b3, b4);
    }
    if (Kind == BACnet_MSTP) return In(Int_Or_Minus_One(text), 0, 254);
    return true;
}

bool Is_Yes(const std::string& cell) {
    return base::UpperCase(base::Trim(cell)) == "Y";
}

TTableFault Check_Read_Row(const TTableRow& row, int r, int Kind) {
    using namespace bac_read;
    const int P = Read_Prefix;
    if (!Address_Ok(row[Address], Kind)) return Table_Fault(P, r, Kind == BACnet_IP ? 2038 : 2039);
    const int type = Check_Object_Type(row[Object_Type], 0);
    if (type < 0) return Table_Fault(P, r, 2040);
    if (!In(Int64_Or_Minus_One(row[Instance]), 0, Instance_Max)) return Table_Fault(P, r, 2041);
    if (Check_Property(row[Property], 0, type) < 0) return Table_Fault(P, r, 2042);
    if (!In(Int_Or_Minus_One(row[NByte]), 0, 255)) return Table_Fault(P, r, 2043);
    if (Is_Yes(row[En_Dest])) {
        const TTableFault dest = Check_Destination(row[D_Net], row[D_Len], row[D_Add], r, true);
        if (!dest.Ok()) return dest;
    }
    if (!In(Int_Or_Minus_One(row[Poll_Time]), 0, Poll_Time_Max)) return Table_Fault(P, r, 2044);
    if (!In(Int_Or_Minus_One(row[Max_Err]), 0, Max_Err_Max)) return Table_Fault(P, r, 2045);
    return {};
}

TTableFault Check_Write_Row(const TTableRow& row, int r, int Kind) {
    using namespace bac_write;
    const int P = Write_Prefix;
    if (!Address_Ok(row[Address], Kind)) return Table_Fault(P, r, Kind == BACnet_IP ? 2047 : 2048);
    const int type = Check_Object_Type(row[Object_Type], 1);
    if (type < 0) return Table_Fault(P, r, 2049);
    if (!In(Int64_Or_Minus_One(row[Instance]), 0, Instance_Max)) return Table_Fault(P, r, 2050);
    const int property = Check_Property(row[Property], 1, type);
    if (property < 0) return Table_Fault(P, r, 2051);
    if (Check_Data_Type(row[Data_Type], type, property) < 0) {
        const std::string expected = Aspected_Data_Type_Value(type, property);
        return expected.empty() ? Table_Fault(P, r, 2052) : Table_Fault(P, r, 2058, expected);
    }
    if (!In(Int_Or_Minus_One(row[Priority]), 0, 16)) return Table_Fault(P, r, 2053);
    const int most = Check_Num_Byte_Max(row[Data_Type]);
    if (!In(Int_Or_Minus_One(row[NByte]), 0, most)) return Table_Fault(P, r, 2054, std::to_string(most));
    if (Is_Yes(row[En_Dest])) {
        const TTableFault dest = Check_Destination(row[D_Net], row[D_Len], row[D_Add], r, false);
        if (!dest.Ok()) return dest;
    }
    if (Is_Yes(row[Timer]) && !In(Int_Or_Minus_One(row[Poll_Time]), 0, Poll_Time_Max))
        return Table_Fault(P, r, 2055);
    if (!In(Int_Or_Minus_One(row[Max_Err]), 0, Max_Err_Max)) return Table_Fault(P, r, 2056);
    return {};
}

template <typename RowCheck>
TTableFault Check_Table(const TTableRows& rows, int Kind, RowCheck check) {
    const int key = BACnet_Key_Column(Kind);
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTableRow& row = rows[i];
        if (base::Trim(row[key]).empty()) break;
        if (row[1] != "Y") continue;
        const TTableFault fault = check(row, static_cast<int>(i) + 1, Kind);
        if (!fault.Ok()) return fault;
    }
    return {};
}

}  // namespace

TTableFault Check_Dest_Add(const std::string& values, int NumByte, int Row, bool InRead) {
    const TDestTexts& t = InRead ? Read_Dest : Write_Dest;
    const std::string text = base::Trim(values);
    // An empty address has no bytes at all: say so rather than refuse the row
    // without a word.
    if (text.empty()) return Table_Fault(t.prefix, Row, t.few);
    const std::vector<std::string> parts = base::SplitString(text, ',');
    for (size_t i = 0; i < parts.size(); ++i) {
        if (!In(Int_Or_Minus_One(base::Trim(parts[i])), 0, 255)) return Table_Fault(t.prefix, Row, t.bytes);
        if (static_cast<int>(i) >= NumByte) return Table_Fault(t.prefix, Row, t.many);
    }
    if (static_cast<int>(parts.size()) < NumByte) return Table_Fault(t.prefix, Row, t.few);
    return {};
}

TTableFault Check_Destination(const std::string& net, const std::string& len, const std::string& add, int Row,
                              bool InRead) {
    const TDestTexts& t = InRead ? Read_Dest : Write_Dest;
    if (!In(Int_Or_Minus_One(net), 1, 65535)) return Table_Fault(t.prefix, Row, t.net);
    int length = 0;
    if (base::TryStrToInt(len, length)) {
        switch (length) {
            case 1:
                return In(Int_Or_Minus_One(add), 0, 255) ? TTableFault{} : Table_Fault(t.prefix, Row, t.add1);
            case 2:
                return In(Int_Or_Minus_One(add), 1, 65535) ? TTableFault{}
                                                           : Table_Fault(t.prefix, Row, t.add2);
            case 6: {
                uint8_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
                uint16_t port = 0;
                return shell::IP_Port_To_Bytes(base::Trim(add), b1, b2, b3, b4, port)
                           ? TTableFault{}
                           : Table_Fault(t.prefix, Row, t.add6);
            }
            default:
                return Table_Fault(t.prefix, Row, t.len);
        }
    }
    const std::string m = base::UpperCase(base::Trim(len));
    if (m.size() != 2 || m[0] != 'M' || m[1] < '1' || m[1] > '8')
        return Table_Fault(t.prefix, Row, t.lenList);
    return Check_Dest_Add(add, m[1] - '0', Row, InRead);
}

TTableFault Check_BACnet_Access(const TBACnetAccessData& data, int Kind) {
    const TTableFault read = Check_Table(data.Read, Kind, Check_Read_Row);
    if (!read.Ok()) return read;
    return Check_Table(data.Write, Kind, Check_Write_Row);
}

}  // namespace proto
