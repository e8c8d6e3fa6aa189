#include <gtest/gtest.h>

#include "base/Files.h"
#include "platform/XmlDom.h"
#include "protocols/Eds.h"

namespace {

bool Read_Pdo(const std::string& Xml, proto::TEDS_PDO_Table& Table, std::string* Error) {
    plat::TXmlDocument doc;
    EXPECT_TRUE(doc.LoadFromString(Xml)) << Xml;
    return proto::Read_EDS_PDO_List(doc, Table, Error);
}

bool Read_Sdo(const std::string& Xml, proto::TSDO_Index_List& List, std::string* Error) {
    plat::TXmlDocument doc;
    EXPECT_TRUE(doc.LoadFromString(Xml)) << Xml;
    return proto::Read_EDS_SDO_Objects(doc, List, Error);
}

std::string Pdo_File(const std::string& Receive, const std::string& Transmit = "") {
    return "<PDO_CANopen><Receive_PDO>" + Receive + "</Receive_PDO><Transmit_PDO>" + Transmit +
           "</Transmit_PDO></PDO_CANopen>";
}

std::string Sdo_File(const std::string& Read, const std::string& Write = "") {
    return "<SDO_Server_CANopen><SDO_Read>" + Read + "</SDO_Read><SDO_Write>" + Write +
           "</SDO_Write></SDO_Server_CANopen>";
}

std::string Sdo_Row(const char* Index, const char* Sub, const char* NByte = "1") {
    return std::string("<row Index=\"") + Index + "\" SubIndex=\"" + Sub + "\" NByte=\"" + NByte + "\"/>";
}

}  // namespace

TEST(EdsModel, PdoNumbersAndTheirDefaults) {
    const struct {
        const char* row;
        proto::TEDS_PDO expected;
    } cases[] = {
        {R"(<row COB-ID="0x181" Dimension="2"/>)", {0x181, 2}},
        {R"(<row COB-ID="385" Dimension="$2"/>)", {0x181, 2}},
        {R"(<row COB-ID="" Dimension=""/>)", {0, 8}},
        {R"(<row COB-ID="abc" Dimension="two"/>)", {0, 8}},
    };
    for (const auto& c : cases) {
        proto::TEDS_PDO_Table table;
        std::string error;
        ASSERT_TRUE(Read_Pdo(Pdo_File("", c.row), table, &error)) << error;
        ASSERT_EQ(table.Transmit.size(), 1u) << c.row;
        EXPECT_TRUE(table.Receive.empty());
        EXPECT_EQ(table.Transmit[0], c.expected) << c.row;
    }
}

TEST(EdsModel, PdoListsThatCannotBeDescribedAreRefused) {
    std::string tooMany;
    for (int i = 0; i < proto::EDS_PDO_Max + 1; ++i) tooMany += R"(<row COB-ID="1" Dimension="1"/>)";
    const struct {
        std::string xml;
        const char* says;
    } cases[] = {
        {Pdo_File(R"(<row COB-ID="1" Dimension="1"/><row Dimension="1"/>)"),
         "\"COB-ID\" is missing in Receive_PDO row 2"},
        {Pdo_File("", R"(<row COB-ID="1"/>)"), "\"Dimension\" is missing in Transmit_PDO row 1"},
        {Pdo_File(tooMany), "Receive_PDO holds 31 PDOs; the gateway holds at most 30"},
        {Pdo_File("", tooMany), "Transmit_PDO holds 31"},
        {"<SDO_Server_CANopen/>", "root element is not \"PDO_CANopen\""},
    };
    for (const auto& c : cases) {
        proto::TEDS_PDO_Table table;
        table.Receive.resize(3);
        std::string error;
        EXPECT_FALSE(Read_Pdo(c.xml, table, &error)) << c.xml;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find("PDO_CANopen.xml"), std::string::npos) << error;
        EXPECT_EQ(table, proto::TEDS_PDO_Table{}) << "a refused list leaves no PDOs behind";
    }
}

TEST(EdsModel, FullPdoTablesAndMissingSectionsAreRead) {
    std::string full;
    for (int i = 0; i < proto::EDS_PDO_Max; ++i)
        full += "<row COB-ID=\"" + std::to_string(i) + "\" Dimension=\"8\"/>";
    proto::TEDS_PDO_Table table;
    std::string error;
    ASSERT_TRUE(Read_Pdo("<PDO_CANopen><Receive_PDO>" + full + "</Receive_PDO></PDO_CANopen>", table, &error))
        << error;
    ASSERT_EQ(table.Receive.size(), 30u);
    EXPECT_EQ(table.Receive[29].COB_ID, 29);
    EXPECT_TRUE(table.Transmit.empty());
}

TEST(EdsModel, SdoRowsGroupByIndexAndSortBySubIndex) {
    const std::string xml =
        Sdo_File(Sdo_Row("0x2000", "2") + Sdo_Row("0x2001", "0") + Sdo_Row("8192", "1", "4"),
                 Sdo_Row("$2001", "5", "2") + Sdo_Row("0x2000", "1"));
    proto::TSDO_Index_List list;
    std::string error;
    ASSERT_TRUE(Read_Sdo(xml, list, &error)) << error;
    proto::Sort_SDO_Sub_Indexes(list);
    const proto::TSDO_Index_List expected = {
        {0x2000, {{1, 4, true, ""}, {1, 1, false, ""}, {2, 1, true, ""}}},
        {0x2001, {{0, 1, true, ""}, {5, 2, false, ""}}},
    };
    EXPECT_EQ(list, expected);
    EXPECT_EQ(proto::Find_SDO_Index(list, 0x2001), 1);
    EXPECT_EQ(proto::Find_SDO_Index(list, 0x2002), -1);
}

TEST(EdsModel, UnreadableSdoRowsAreRefusedWithTheirPlace) {
    const struct {
        std::string xml;
        const char* says;
    } cases[] = {
        {Sdo_File(Sdo_Row("0x2000", "1"), Sdo_Row("0x2000", "x1")),
         "'x1' is not a valid integer value (SubIndex in SDO_Write row 1)"},
        {Sdo_File(Sdo_Row("", "1")), "'' is not a valid integer value (Index in SDO_Read row 1)"},
        {Sdo_File(Sdo_Row("0x2000", "1") + R"(<row Index="0x2000" SubIndex="2"/>)"),
         "\"NByte\" is missing in SDO_Read row 2"},
        {Pdo_File(""), "root element is not \"SDO_Server_CANopen\""},
    };
    for (const auto& c : cases) {
        proto::TSDO_Index_List list;
        std::string error;
        EXPECT_FALSE(Read_Sdo(c.xml, list, &error)) << c.xml;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find("SDO_Server_CANopen.xml"), std::string::npos) << error;
    }
}

TEST(EdsModel, MissingFilesGiveAnEmptyModel) {
    const std::string folder = base::JoinPath(VASTRIMO_TEST_OUT, "eds_missing");
    proto::TEDS_PDO_Table table;
    table.Receive.resize(2);
    proto::TSDO_Index_List list;
    std::string error;
    EXPECT_TRUE(proto::Load_EDS_PDO_List(base::JoinPath(folder, "PDO_CANopen.xml"), table, &error)) << error;
    EXPECT_TRUE(proto::Load_EDS_SDO_Objects(base::JoinPath(folder, "SDO_Server_CANopen.xml"), list, &error));
    EXPECT_EQ(table, proto::TEDS_PDO_Table{});
    EXPECT_TRUE(list.empty());
}
