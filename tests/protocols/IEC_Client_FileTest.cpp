#include "protocols/IEC_Client_File.h"

#include <gtest/gtest.h>

#include "IEC_ClientRows.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace proto;

namespace {

const std::string Data = std::string(VASTRIMO_TEST_DATA) + "/iec_client/";

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TIEC_DA_Row Variable(const std::string& index, const std::string& bType, const std::string& reference) {
    TIEC_DA_Row row = prototest::Passing_Variable(bType);
    row[DA_Col_Num].clear();
    row[DA_Col_Index] = index;
    row[DA_Col_FC] = "MX";
    row[DA_Col_Reference] = reference;
    row[DA_Col_IPAddress] = "192.168.1.20";
    row[DA_Col_OnChange] = "Y";
    row[DA_Col_OnCMD] = "N";
    row[DA_Col_Position] = "12";
    row[DA_Col_StartBit] = "0";
    row[DA_Col_ReadWrite] = "Read";
    row[DA_Col_Convertion] = "None";
    row[DA_Col_MoltFact] = "0,5";
    row[DA_Col_Mnemonic] = "Feeder \"A\" & <load>";
    return row;
}

TIEC_Client_File Sample() {
    TIEC_Client_File file;
    file.Devices = {{"E1", "basic.icd"}, {"P1", "prefixed.icd"}};
    file.Variables = {Variable("0", "FLOAT32", "E1LD1/MMXU1.A.phsA.cVal.mag.f"),
                      Variable("1", "FLOAT32", "P1C1/MMXU1.Hz.mag.f")};
    TIEC_DataSet_Item dataSet;
    dataSet.Cells = {"", "0", "E1LD0/LLN0.DS1", "GC1", "Y", "192.168.1.20", "102", "1000", "Status"};
    dataSet.Members = {{"Dbpos", "E1LD0/Q0XCBR1.Pos.stVal", "100", "0", "None", "", "Breaker"},
                       {"Enum", "E1LD0/Q0XCBR1.Pos.origin.orCat", "101", "", "", "", ""}};
    file.DataSets = {dataSet, {{"", "1", "P1C1/LLN0.Meas", "G1", "Y", "", "", "", ""}, {}}};
    return file;
}

}  // namespace

TEST(IEC_Client_File, WritesTheStoredLayout) {
    EXPECT_EQ(IEC_Client_To_Xml(Sample()), ReadText(Data + "full.xml"));
}

TEST(IEC_Client_File, ReadsBackWhatItWrote) {
    TIEC_Client_File read;
    std::string error;
    ASSERT_TRUE(IEC_Client_From_Xml(ReadText(Data + "full.xml"), read, &error)) << error;
    TIEC_Client_File expected = Sample();
    expected.Variables[0][DA_Col_Num] = "1";
    expected.Variables[1][DA_Col_Num] = "2";
    expected.DataSets[0].Cells[DS_Col_Num] = "1";
    expected.DataSets[1].Cells[DS_Col_Num] = "2";
    EXPECT_EQ(read, expected);
}

// The tables the window shows with nothing chosen are one empty row each.
TEST(IEC_Client_File, EmptyTablesWriteEmptyLists) {
    TIEC_Client_File file;
    file.Variables.emplace_back()[DA_Col_Num] = "1";
    file.DataSets.emplace_back().Cells[DS_Col_Num] = "1";
    EXPECT_EQ(IEC_Client_To_Xml(file),
              "<IEC_68850_Client>\n"
              "  <List_ICD_Files />\n"
              "  <List_DA_Selected />\n"
              "  <List_DataSet_Selected />\n"
              "</IEC_68850_Client>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

TEST(IEC_Client_File, MissingPartsReadAsEmpty) {
    const struct {
        const char* name;
        const char* xml;
        std::size_t devices, variables, dataSets;
    } cases[] = {
        {"other root", "<Other><List_ICD_Files><ICD_File FileName='a.icd'/></List_ICD_Files></Other>", 0, 0, 0},
        {"earlier version without data sets",
         "<IEC_68850_Client><List_ICD_Files><ICD_File FileName='a.icd'/></List_ICD_Files>"
         "<List_DA_Selected><DA_Item Index='0' bType='INT32'/></List_DA_Selected></IEC_68850_Client>",
         1, 1, 0},
        {"data set without member list",
         "<IEC_68850_Client><List_DataSet_Selected><DataSet_Item Index='0'/></List_DataSet_Selected></IEC_68850_Client>",
         0, 0, 1},
    };
    for (const auto& c : cases) {
        TIEC_Client_File file;
        ASSERT_TRUE(IEC_Client_From_Xml(c.xml, file)) << c.name;
        EXPECT_EQ(file.Devices.size(), c.devices) << c.name;
        EXPECT_EQ(file.Variables.size(), c.variables) << c.name;
        EXPECT_EQ(file.DataSets.size(), c.dataSets) << c.name;
    }
    TIEC_Client_File file;
    ASSERT_TRUE(IEC_Client_From_Xml("<IEC_68850_Client><List_DA_Selected><DA_Item bType='INT32' Port='7'/>"
                                    "</List_DA_Selected></IEC_68850_Client>",
                                    file));
    TIEC_DA_Row expected;
    expected[DA_Col_Num] = "1";
    expected[DA_Col_bType] = "INT32";
    expected[DA_Col_Port] = "7";
    EXPECT_EQ(file.Variables.at(0), expected);
}

TEST(IEC_Client_File, DamagedFileIsRefusedWithItsName) {
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/iec_client_damaged.xml";
    std::ofstream(path) << "<IEC_68850_Client><List_ICD_Files></IEC_68850_Client>";
    TIEC_Client_File file;
    file.Devices.push_back({"x", "y"});
    std::string error;
    EXPECT_FALSE(Load_IEC_Client(path, file, &error));
    EXPECT_NE(error.find("iec_client_damaged.xml"), std::string::npos) << error;
    EXPECT_TRUE(file.Devices.empty());

    EXPECT_TRUE(Load_IEC_Client(path + ".none", file, &error));
    EXPECT_EQ(file, TIEC_Client_File{});
}
