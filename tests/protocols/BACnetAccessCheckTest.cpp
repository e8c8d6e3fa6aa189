#include <gtest/gtest.h>

#include "BACnetTestSupport.h"
#include "protocols/BACnetAccessCheck.h"

using namespace proto;
using bactest::Read_Row;
using bactest::Write_Row;

namespace {

TTableFault Check_Read(TTableRow row, int kind = BACnet_IP, int at = 0) {
    TBACnetAccessData data = Empty_BACnet_Access();
    for (int r = 0; r < at; ++r) data.Read[r] = Read_Row();
    data.Read[at] = row;
    return Check_BACnet_Access(data, kind);
}

TTableFault Check_Write(TTableRow row, int kind = BACnet_IP) {
    TBACnetAccessData data = Empty_BACnet_Access();
    data.Write[0] = row;
    return Check_BACnet_Access(data, kind);
}

}  // namespace

TEST(BACnetAccessCheck, ReadRowRules) {
    using namespace bac_read;
    const struct {
        const char* name;
        TTableRow row;
        int kind;
        int text;
    } cases[] = {
        {"valid", Read_Row(), BACnet_IP, 0},
        {"bad ip", Read_Row({{Address, "192.168.1.300"}}), BACnet_IP, 2038},
        {"slave id 254", Read_Row({{Address, "254"}}), BACnet_MSTP, 0},
        {"slave id 255", Read_Row({{Address, "255"}}), BACnet_MSTP, 2039},
        {"no address kind", Read_Row({{Address, "anything"}}), 2, 0},
        {"unknown type", Read_Row({{Object_Type, "Analog"}}), BACnet_IP, 2040},
        {"proprietary type", Read_Row({{Object_Type, "130"}}), BACnet_IP, 0},
        {"instance max", Read_Row({{Instance, "4294967295"}}), BACnet_IP, 0},
        {"instance past max", Read_Row({{Instance, "4294967296"}}), BACnet_IP, 2041},
        {"instance negative", Read_Row({{Instance, "-1"}}), BACnet_IP, 2041},
        {"units on binary input", Read_Row({{Object_Type, "Binary Input"}, {Property, "Units (117)"}}),
         BACnet_IP, 2042},
        {"nbyte 256", Read_Row({{NByte, "256"}}), BACnet_IP, 2043},
        {"poll time", Read_Row({{Poll_Time, "100000001"}}), BACnet_IP, 2044},
        {"max err", Read_Row({{Max_Err, "65536"}}), BACnet_IP, 2045},
        {"dest off ignores dest", Read_Row({{D_Net, "0"}}), BACnet_IP, 0},
        {"dest net", Read_Row({{En_Dest, "Y"}, {D_Net, "0"}, {D_Len, "1"}, {D_Add, "5"}}), BACnet_IP, 2070},
        {"disabled row unchecked", Read_Row({{Enable, "N"}, {Object_Type, "x"}}), BACnet_IP, 0},
    };
    for (const auto& c : cases) {
        const TTableFault fault = Check_Read(c.row, c.kind);
        EXPECT_EQ(fault.text, c.text) << c.name;
        if (c.text != 0) EXPECT_EQ(fault.prefix, 2037) << c.name;
    }
}

TEST(BACnetAccessCheck, WriteRowRules) {
    using namespace bac_write;
    const struct {
        const char* name;
        TTableRow row;
        int text;
        std::string suffix;
    } cases[] = {
        {"valid", Write_Row(), 0, ""},
        {"read-only type", Write_Row({{Object_Type, "Analog Input"}}), 2049, ""},
        {"wrong data type", Write_Row({{Data_Type, "Signed Int"}}), 2058, "Real"},
        {"positive integer as real",
         Write_Row({{Object_Type, "Positive Integer Value"}, {Data_Type, "Real"}}), 2058, "Unsigned Int"},
        {"positive integer",
         Write_Row({{Object_Type, "Positive Integer Value"}, {Data_Type, "Unsigned Int"}}), 0, ""},
        {"life safety", Write_Row({{Object_Type, "Life Safety Point"}, {Data_Type, "Enumerated"}}), 2052, ""},
        {"proprietary property", Write_Row({{Property, "600"}, {Data_Type, "Octet String"}, {NByte, "200"}}),
         0, ""},
        {"nbyte past the data type", Write_Row({{Property, "600"}, {Data_Type, "Boolean"}, {NByte, "2"}}),
         2054, "1"},
        {"object property refused", Write_Row({{Property, "Units (117)"}}), 2051, ""},
        {"instance", Write_Row({{Instance, "4294967296"}}), 2050, ""},
        {"priority", Write_Row({{Priority, "17"}}), 2053, ""},
        {"poll time without timer", Write_Row({{Poll_Time, "x"}}), 0, ""},
        {"poll time with timer", Write_Row({{Timer, "Y"}, {Poll_Time, "x"}}), 2055, ""},
        {"max err", Write_Row({{Max_Err, ""}}), 2056, ""},
        {"dest length", Write_Row({{En_Dest, "Y"}, {D_Net, "5"}, {D_Len, "3"}, {D_Add, "1"}}), 2076, ""},
    };
    for (const auto& c : cases) {
        const TTableFault fault = Check_Write(c.row);
        EXPECT_EQ(fault.text, c.text) << c.name;
        EXPECT_EQ(fault.suffix, c.suffix) << c.name;
        if (c.text != 0) EXPECT_EQ(fault.prefix, 2046) << c.name;
    }
}

TEST(BACnetAccessCheck, DestinationForms) {
    const struct {
        const char* net;
        const char* len;
        const char* add;
        int text;  // read texts
    } cases[] = {
        {"1", "1", "255", 0},
        {"65535", "1", "256", 2072},
        {"65536", "1", "5", 2070},
        {"5", "2", "65535", 0},
        {"5", "2", "0", 2073},
        {"5", "6", "192.168.0.15:47808", 0},
        {"5", "6", "192.168.0.15", 2074},
        {"5", "7", "1", 2071},
        {"5", "M3", "10, 20, 30", 0},
        {"5", " m3 ", "10,20,30", 0},
        {"5", "M3", "10,20", 2088},
        {"5", "M3", "10,20,30,40", 2084},
        {"5", "M3", "10,300,5", 2082},
        {"5", "M9", "1", 2086},
        {"5", "X", "1", 2086},
        // An empty address used to be refused without any message.
        {"5", "M2", "", 2088},
        {"5", "M2", "   ", 2088},
    };
    for (const auto& c : cases) {
        const TTableFault fault = Check_Destination(c.net, c.len, c.add, 7, true);
        EXPECT_EQ(fault.text, c.text) << c.net << " " << c.len << " " << c.add;
        if (c.text != 0) {
            EXPECT_EQ(fault.row, 7);
            EXPECT_EQ(fault.prefix, 2037);
        }
    }
    EXPECT_EQ(Check_Destination("5", "M2", "", 3, false), Table_Fault(2046, 3, 2089));
}

TEST(BACnetAccessCheck, TableEndsAtTheFirstBlankKeyOfTheKind) {
    using namespace bac_read;
    TBACnetAccessData data = Empty_BACnet_Access();
    data.Read[0] = Read_Row();
    data.Read[1] = Read_Row({{Address, "  "}, {Object_Type, "nonsense"}});
    data.Read[2] = Read_Row({{Object_Type, "nonsense"}});
    EXPECT_TRUE(Check_BACnet_Access(data, BACnet_IP).Ok());
    // Without a device address the object type keys the rows: row 2 counts.
    EXPECT_EQ(Check_BACnet_Access(data, 2), Table_Fault(2037, 2, 2040));
}

TEST(BACnetAccessCheck, FirstFaultNamesItsRowInTheMessage) {
    bactest::Use_Default_Texts();
    const TTableFault fault = Check_Read(Read_Row({{bac_read::Instance, "-1"}}), BACnet_IP, 4);
    EXPECT_EQ(Table_Fault_Message(fault), "Error in Read, row 5!! Instance must be between 0 and 4294967295");
    const TTableFault write = Check_Write(Write_Row({{bac_write::Data_Type, "Signed Int"}}));
    EXPECT_EQ(Table_Fault_Message(write),
              "Error in Write, row 1!! Data Type is not correct. Aspected Data Type is Real");
}

// The Max Err limit the message names is the one the check applies, and a
// number typed with blanks around it is read as that number.
TEST(BACnetAccessCheck, MaxErrLimitAsTheUserReadsIt) {
    bactest::Use_Default_Texts();
    const struct {
        const char* value;
        std::string read, write;  // "" when the row passes
    } cases[] = {
        {"65535", "", ""},
        {" 65535 ", "", ""},
        {"65536", "Error in Read, row 1!! Max Err must be between 0 and 65535",
         "Error in Write, row 1!! Max Err must be between 0 and 65535"},
    };
    for (const auto& c : cases) {
        const TTableFault read = Check_Read(Read_Row({{bac_read::Max_Err, c.value}}));
        const TTableFault write = Check_Write(Write_Row({{bac_write::Max_Err, c.value}}));
        EXPECT_EQ(Table_Fault_Message(read), c.read) << c.value;
        EXPECT_EQ(Table_Fault_Message(write), c.write) << c.value;
    }
}
