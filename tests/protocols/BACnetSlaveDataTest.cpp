#include <gtest/gtest.h>

#include <filesystem>

#include "BACnetTestSupport.h"
#include "base/Files.h"
#include "platform/XmlDom.h"
#include "protocols/BACnetSlaveData.h"

using namespace proto;
using bactest::Slave_Row;

namespace {

TTableFault Check_One(bool inRead, TTableRow row) {
    TBACnetSlaveData data = Empty_BACnet_Slave(false);
    (inRead ? data.Read : data.Write)[0] = row;
    return Check_BACnet_Slave(data, false);
}

}  // namespace

TEST(BACnetSlaveCheck, RowRules) {
    using namespace bac_slave;
    const struct {
        const char* name;
        bool read;
        TTableRow row;
        int text;
        std::string suffix;
    } cases[] = {
        {"analog input", true, Slave_Row("Analog Input", "0", "4"), 0, ""},
        {"eng unit", true, Slave_Row("Analog Input", "0", "4", {{Eng_Unit, "65536"}}), 2233, ""},
        {"empty eng unit", true, Slave_Row("Analog Input", "0", "4", {{Eng_Unit, ""}}), 2233, ""},
        {"position", true, Slave_Row("Analog Input", "1500", "4"), 2234, "1499"},
        {"binary input without bit", true, Slave_Row("Binary Input", "0", "9", {{Bit, ""}}), 2245, ""},
        {"binary input bit 3, any length", true, Slave_Row("Binary Input", "1499", "99", {{Bit, "3"}}), 0,
         ""},
        {"binary bit out of the list", true, Slave_Row("Binary Value", "0", "1", {{Bit, "8"}}), 2245, ""},
        {"large analog value 1492", true, Slave_Row("Large Analog Value", "1492", "8"), 0, ""},
        {"large analog value 1493", true, Slave_Row("Large Analog Value", "1493", "8"), 2246, ""},
        {"large analog value 9 bytes", true, Slave_Row("Large Analog Value", "0", "9"), 2237, ""},
        {"length not a number", true, Slave_Row("Analog Input", "0", "x"), 2235, ""},
        {"life safety 3", true, Slave_Row("Life Safety Zone", "0", "3"), 2242, ""},
        {"access door 2", true, Slave_Row("Access Door", "0", "2"), 2243, ""},
        {"integer value: no length rule in read", true, Slave_Row("Integer Value", "0", "7"), 0, ""},
        {"semicolon in mnemonic", true, Slave_Row("Analog Input", "0", "4", {{Mnemonic, "a;b"}}), 2261, ""},
        {"write analog out", false, Slave_Row("Analog Out", "0", "4"), 0, ""},
        {"write binary out bit", false, Slave_Row("Binary Out", "0", "1", {{Bit, ""}}), 2257, ""},
        {"write integer value 5", false, Slave_Row("Integer Value", "0", "5"), 2253, ""},
        {"write position", false, Slave_Row("Analog Out", "-1", "4"), 2248, "1499"},
        {"write last byte", false, Slave_Row("Analog Value", "1498", "4"), 2258, ""},
        {"write semicolon", false, Slave_Row("Analog Out", "0", "4", {{Mnemonic, ";"}}), 2262, ""},
    };
    for (const auto& c : cases) {
        const TTableFault fault = Check_One(c.read, c.row);
        EXPECT_EQ(fault.text, c.text) << c.name;
        EXPECT_EQ(fault.suffix, c.suffix) << c.name;
        if (c.text != 0) {
            EXPECT_EQ(fault.prefix, 2232) << c.name;
            EXPECT_EQ(fault.row, 1) << c.name;
        }
    }
}

TEST(BACnetSlaveCheck, TotalOfBothTables) {
    TBACnetSlaveData data = Empty_BACnet_Slave(true);
    ASSERT_EQ(data.Read.size(), 1000u);
    for (int r = 0; r < 700; ++r) data.Read[r] = Slave_Row("Binary Input", "0", "");
    for (int r = 0; r < 300; ++r) data.Write[r] = Slave_Row("Binary Out", "0", "");
    EXPECT_TRUE(Check_BACnet_Slave(data, true).Ok());
    data.Write[300] = Slave_Row("Binary Out", "0", "");
    EXPECT_EQ(Check_BACnet_Slave(data, true), Table_Fault(0, 0, 2259, "1000"));
    bactest::Use_Default_Texts();
    EXPECT_EQ(Table_Fault_Message(Check_BACnet_Slave(data, true)),
              "Error!! Too many Requests. Max requests 1000");

    TBACnetSlaveData wide = Empty_BACnet_Slave(false);
    ASSERT_EQ(wide.Read.size(), 2000u);
    for (int r = 0; r < 1100; ++r) wide.Read[r] = Slave_Row("Binary Input", "0", "");
    EXPECT_TRUE(Check_BACnet_Slave(wide, false).Ok());
}

TEST(BACnetSlaveCheck, RowsAfterTheFirstBlankDataTypeDoNotCount) {
    TBACnetSlaveData data = Empty_BACnet_Slave(false);
    data.Read[0] = Slave_Row("Analog Input", "0", "4");
    data.Read[2] = Slave_Row("Analog Input", "9999", "4");
    EXPECT_TRUE(Check_BACnet_Slave(data, false).Ok());
}

TEST(BACnetSlaveData, WriteLengthFollowsTheDataType) {
    EXPECT_EQ(Write_Length_Of("Large Analog Value"), "8");
    EXPECT_EQ(Write_Length_Of("Analog Out"), "4");
    EXPECT_EQ(Write_Length_Of("Multi State Value"), "4");
    EXPECT_EQ(Write_Length_Of("Access Door"), "1");
    EXPECT_EQ(Write_Length_Of("Binary Value"), "1");
    EXPECT_EQ(Write_Length_Of(""), "");
}

TEST(BACnetSlaveData, FileRoundTripWithVersionAndSwapDefault) {
    const std::filesystem::path dir = std::filesystem::path(VASTRIMO_TEST_OUT) / "slave-file";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "BACnet_Slave.xml").string();
    TBACnetSlaveData data = Empty_BACnet_Slave(false);
    data.Read[0] = Slave_Row("Analog Input", "0", "4", {{bac_slave::Mnemonic, " keep blanks "}});
    data.Read[2] = Slave_Row("Analog Input", "4", "4");  // after the end: not written
    data.Write[0] = Slave_Row("Binary Out", "3", "1");
    data.Read[0][0] = data.Read[2][0] = data.Write[0][0] = "1";  // the row number, not stored
    std::string error;
    ASSERT_TRUE(Save_BACnet_Slave(path, data, &error)) << error;
    plat::TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(path));
    EXPECT_EQ(doc.Root().Name(), "BACnet_to_Modbus");
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.002");
    EXPECT_EQ(doc.Root().FindNode("BACnet_in_Read").ChildCount(), 1);

    TBACnetSlaveData back;
    ASSERT_TRUE(Load_BACnet_Slave(path, false, back, &error)) << error;
    data.Read[2] = Empty_BACnet_Slave(false).Read[2];
    EXPECT_EQ(back, data);

    ASSERT_TRUE(base::WriteFileAtomic(
        path,
        "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='62' Position='0' Bit='0' "
        "Length='4' Mnemonic='T'/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>"));
    ASSERT_TRUE(Load_BACnet_Slave(path, true, back, &error)) << error;
    EXPECT_EQ(back.Read[0][bac_slave::Swap], "N");
    EXPECT_EQ(back.Read.size(), 1000u);

    ASSERT_TRUE(base::WriteFileAtomic(path, "<BACnet_to_Modbus><BACnet_in_Read/></BACnet_to_Modbus>"));
    EXPECT_FALSE(Load_BACnet_Slave(path, false, back, &error));
    EXPECT_NE(error.find("BACnet_in_Write"), std::string::npos) << error;
}

TEST(BACnetAccessData, FileRoundTripAndDefaults) {
    const std::filesystem::path dir = std::filesystem::path(VASTRIMO_TEST_OUT) / "access-file";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "BACnet_Master_Access.xml").string();
    TBACnetAccessData data = Empty_BACnet_Access();
    data.Read[0] = bactest::Read_Row();
    data.Read[0][0] = "1";
    data.Read[0][bac_read::Swap] = "N";                              // not stored: reads its default
    data.Write[0] = bactest::Write_Row({{bac_write::Address, ""}});  // no address: the key of other kinds
    data.Write[0][0] = "1";
    data.Write[0][bac_write::Swap] = "N";
    std::string error;
    ASSERT_TRUE(Save_BACnet_Access(path, data, 2, &error)) << error;
    TBACnetAccessData back;
    ASSERT_TRUE(Load_BACnet_Access(path, back, &error)) << error;
    EXPECT_EQ(back, data);
    // With a device address as key the write row without one ends its table.
    ASSERT_TRUE(Save_BACnet_Access(path, data, BACnet_IP, &error)) << error;
    ASSERT_TRUE(Load_BACnet_Access(path, back, &error)) << error;
    EXPECT_EQ(back.Write[0][bac_write::Object_Type], "");

    ASSERT_TRUE(base::WriteFileAtomic(path,
                                      "<BACnet_Master_Access><BACnet_Read><row Object_Type='Analog Input'/>"
                                      "</BACnet_Read><BACnet_Write/></BACnet_Master_Access>"));
    ASSERT_TRUE(Load_BACnet_Access(path, back, &error)) << error;
    EXPECT_EQ(back.Read[0][bac_read::Enable], "Y");
    EXPECT_EQ(back.Read[0][bac_read::En_Dest], "N");
    EXPECT_EQ(back.Read[0][bac_read::Instance], "");
}

TEST(BACnetSlaveData, DescriptionLimitFromParGen) {
    const std::filesystem::path dir = std::filesystem::path(VASTRIMO_TEST_OUT) / "slave-pargen";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "ParGen.xml").string();
    const struct {
        const char* xml;
        bool limit;
    } cases[] = {
        {"<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", true},
        {"<Par_Gen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></Par_Gen>", false},
        {"<Par_Gen/>", false},
        {"<Par_Gen>", false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(base::WriteFileAtomic(path, c.xml));
        EXPECT_EQ(Read_Desc_Chars_Limit(path), c.limit) << c.xml;
    }
    base::DeleteFile(path);
    EXPECT_FALSE(Read_Desc_Chars_Limit(path));
}
