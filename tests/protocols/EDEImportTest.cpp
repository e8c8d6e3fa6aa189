#include <gtest/gtest.h>

#include "BACnetTestSupport.h"
#include "protocols/BACnetAccessCheck.h"
#include "protocols/EDEImport.h"

using namespace proto;

namespace {

TBACnet_Var Var(const std::string& name, int type, int instance, bool read = true, bool write = false) {
    TBACnet_Var v;
    v.object_name = name;
    v.description = "d" + name;
    v.object_type = type;
    v.object_instance = instance;
    v.commandable = write;
    v.import = true;
    v.read = read;
    v.write = write;
    return v;
}

}  // namespace

TEST(EDEImport, ReadRowsTakeConsecutivePositions) {
    using namespace bac_read;
    TBACnetAccessData data = Empty_BACnet_Access();
    const auto report =
        Import_EDE_Vars({Var("AI", 0, 1), Var("BI", 3, 2), Var("LAV", 46, 3)}, "10.0.0.5", BACnet_IP, data);
    EXPECT_TRUE(report.Complete());
    const struct {
        const char* type;
        const char* position;
        const char* nbyte;
    } rows[] = {{"Analog Input", "0", "4"}, {"Binary Input", "4", "1"}, {"Large Analog Value", "5", "8"}};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(data.Read[r][Object_Type], rows[r].type);
        EXPECT_EQ(data.Read[r][Position], rows[r].position);
        EXPECT_EQ(data.Read[r][NByte], rows[r].nbyte);
        EXPECT_EQ(data.Read[r][Address], "10.0.0.5");
        EXPECT_EQ(data.Read[r][Property], "Present Value (85)");
        EXPECT_EQ(data.Read[r][Poll_Time], "1000");
    }
    EXPECT_EQ(data.Read[0][Mnemonic], "AI - dAI");
    EXPECT_EQ(data.Read[3][Address], "");
    EXPECT_TRUE(data.Write[0][bac_write::Address].empty());
    // What the import makes passes the window's check.
    EXPECT_TRUE(Check_BACnet_Access(data, BACnet_IP).Ok());
}

TEST(EDEImport, WriteRowsOfCommandableObjects) {
    using namespace bac_write;
    TBACnetAccessData data = Empty_BACnet_Access();
    // Read unticked: the object goes to the write table only.
    Import_EDE_Vars({Var("AV", 2, 7, false, true), Var("MSV", 19, 8, true, true)}, "5", BACnet_MSTP, data);
    EXPECT_EQ(data.Write[0][Object_Type], "Analog Value");
    EXPECT_EQ(data.Write[0][Data_Type], "Real");
    EXPECT_EQ(data.Write[0][Instance], "7");
    EXPECT_EQ(data.Write[1][Data_Type], "Unsigned Int");
    EXPECT_EQ(data.Write[1][Position], "4");
    EXPECT_EQ(data.Read[0][bac_read::Object_Type], "Multi-State Value");
    EXPECT_EQ(data.Read[1][bac_read::Object_Type], "");
    EXPECT_TRUE(Check_BACnet_Access(data, BACnet_MSTP).Ok());
}

TEST(EDEImport, AppendsAfterTheRowsInUseOfTheKindsKeyColumn) {
    using namespace bac_read;
    // Without a device address no row has one: rows in use are found by
    // their object type, and the import must not overwrite them.
    TBACnetAccessData data = Empty_BACnet_Access();
    data.Read[0] = bactest::Read_Row({{Address, ""}, {Position, "10"}, {NByte, "4"}});
    data.Read[1] = bactest::Read_Row({{Address, ""}, {Position, "0"}, {NByte, "2"}});
    Import_EDE_Vars({Var("AI", 0, 1)}, "", 2, data);
    EXPECT_EQ(data.Read[0][Mnemonic], "T1");
    EXPECT_EQ(data.Read[1][Mnemonic], "T1");
    EXPECT_EQ(data.Read[2][Mnemonic], "AI - dAI");
    EXPECT_EQ(data.Read[2][Position], "14");
}

TEST(EDEImport, StopsAtTheTablesEndAndReportsTheRest) {
    TBACnetAccessData data = Empty_BACnet_Access();
    for (int r = 0; r < BACnet_Access_Rows - 1; ++r) data.Read[r] = bactest::Read_Row();
    const TBACnetAccessData before = data;
    const auto report = Import_EDE_Vars({Var("A", 0, 1), Var("B", 0, 2), Var("C", 2, 3, true, true)},
                                        "10.0.0.5", BACnet_IP, data);
    EXPECT_EQ(data.Read.size(), before.Read.size());
    EXPECT_EQ(data.Read.back()[bac_read::Mnemonic], "A - dA");
    EXPECT_EQ(report.NotRead, (std::vector<std::string>{"B - dB", "C - dC"}));
    EXPECT_TRUE(report.NotWritten.empty());
    EXPECT_EQ(data.Write[0][bac_write::Mnemonic], "C - dC");
}

TEST(EDEImport, UnmarkedObjectsAreLeftOut) {
    TBACnetAccessData data = Empty_BACnet_Access();
    TBACnet_Var v = Var("A", 0, 1);
    v.import = false;
    Import_EDE_Vars({v}, "10.0.0.5", BACnet_IP, data);
    EXPECT_EQ(data, Empty_BACnet_Access());
}

TEST(EDEImport, WriteMarkNeedsACommandableObject) {
    TBACnet_Var v = Var("A", 0, 1);
    EXPECT_FALSE(Set_EDE_Mark(v, EDE_Col_Write, true));
    EXPECT_FALSE(v.write);
    EXPECT_TRUE(Set_EDE_Mark(v, EDE_Col_Read, false));
    EXPECT_FALSE(v.read);
    v.commandable = true;
    EXPECT_TRUE(Set_EDE_Mark(v, EDE_Col_Write, true));
    EXPECT_TRUE(v.write);
}

TEST(EDEImport, DialogAddressCheck) {
    EXPECT_EQ(Check_EDE_Address("192.168.1.30", BACnet_IP), 0);
    EXPECT_EQ(Check_EDE_Address("192.168.1.300", BACnet_IP), 2116);
    EXPECT_EQ(Check_EDE_Address("", BACnet_IP), 2116);
    EXPECT_EQ(Check_EDE_Address("254", BACnet_MSTP), 0);
    EXPECT_EQ(Check_EDE_Address("255", BACnet_MSTP), 2117);
    EXPECT_EQ(Check_EDE_Address("anything", 2), 0);
}
