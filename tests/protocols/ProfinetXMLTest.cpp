#include <gtest/gtest.h>

#include "base/DateTime.h"
#include "base/Files.h"
#include "platform/XmlDom.h"
#include "protocols/ProfinetXML.h"

namespace {

using proto::TProfinetParams;

TEST(GsdmlFileName, UserPartRules) {
    const std::string date = "-20260108.xml";
    const struct {
        const char* user;
        const char* name;
    } cases[] = {
        {"", "GSDML-V2.25-Vekrun--20260108.xml"},
        {"   ", "GSDML-V2.25-Vekrun--20260108.xml"},
        {"_A", "GSDML-V2.25-Vekrun-_A-20260108.xml"},
        {"A", "GSDML-V2.25-Vekrun-_A-20260108.xml"},
        {" A", "GSDML-V2.25-Vekrun-_ A-20260108.xml"},
        {"Line4", "GSDML-V2.25-Vekrun-_Line4-20260108.xml"},
    };
    for (const auto& c : cases) EXPECT_EQ(proto::GSDML_File_Name(c.user, date), c.name) << '"' << c.user << '"';
}

TEST(GsdmlFileName, DatePartIsDayPrecise) {
    EXPECT_EQ(proto::GSDML_Date_Part(base::EncodeDate(2026, 1, 8) + 0.99), "-20260108.xml");
    EXPECT_EQ(proto::GSDML_Date_Part(base::EncodeDate(2026, 12, 31)), "-20261231.xml");
}

TEST(GsdmlFileName, UserPartThatLeavesTheFolderIsRefused) {
    const struct {
        const char* user;
        bool ok;
    } cases[] = {{"Line4", true}, {"_A b-c.1", true}, {"a/b", false},  {"a\\b", false}, {"..", false},
                 {"a..b", false}, {"a:b", false},      {"a*b", false}, {"a?", false},    {"a\"b", false},
                 {"a<b>", false}, {"a|b", false},      {"a\tb", false}};
    for (const auto& c : cases) EXPECT_EQ(proto::GSDML_User_Part_Valid(c.user), c.ok) << c.user;
}

class GsdmlParams : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = base::JoinPath(::testing::TempDir(), "gsdml_params");
        base::ForceDirectories(folder_);
        path_ = base::JoinPath(folder_, "ParGen.xml");
        base::DeleteFile(path_);
    }
    TProfinetParams Read(const std::string& Xml) {
        if (!Xml.empty()) base::WriteFileAtomic(path_, Xml);
        TProfinetParams p;
        std::string error;
        EXPECT_TRUE(proto::Read_PROFINET_Param(path_, p, &error)) << error;
        return p;
    }
    std::string folder_, path_;
};

TEST_F(GsdmlParams, DefaultsAndReadValues) {
    const struct {
        const char* name;
        std::string xml;
        int in, out;
        std::string station;
    } cases[] = {
        {"no file", "", 1438, 1438, "SERIAL"},
        {"no keys", "<Par_Gen/>", 1438, 1438, "SERIAL"},
        {"values", "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>"
                   "<PROFINET_NAME_STA> gw 1 </PROFINET_NAME_STA></Par_Gen>",
         20, 100, " gw 1 "},
        {"not numbers, blank name", "<Par_Gen><PROFINET_NB_IN>x</PROFINET_NB_IN><PROFINET_NB_OUT></PROFINET_NB_OUT>"
                                    "<PROFINET_NAME_STA>  </PROFINET_NAME_STA></Par_Gen>",
         1438, 1438, "SERIAL"},
        {"large kept, negative clamped", "<Par_Gen><PROFINET_NB_IN>5000</PROFINET_NB_IN>"
                                         "<PROFINET_NB_OUT>-3</PROFINET_NB_OUT></Par_Gen>",
         5000, 0, "SERIAL"},
    };
    for (const auto& c : cases) {
        const TProfinetParams p = Read(c.xml);
        EXPECT_EQ(p.Input_Bytes, c.in) << c.name;
        EXPECT_EQ(p.Output_Bytes, c.out) << c.name;
        EXPECT_EQ(p.Station_Name, c.station) << c.name;
    }
}

TEST_F(GsdmlParams, BrokenFileIsRefusedWithItsName) {
    base::WriteFileAtomic(path_, "<Par_Gen><PROFINET_NB_IN>");
    TProfinetParams p;
    std::string error;
    EXPECT_FALSE(proto::Read_PROFINET_Param(path_, p, &error));
    EXPECT_NE(error.find("ParGen.xml"), std::string::npos) << error;
}

// The list of texts as the file states it: TextId first, except the last
// three rows, which carry Value first.
const char* const External_Text_List =
    "\t\t\t<ExternalTextList>\r\n"
    "\t\t\t\t<PrimaryLanguage>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_Device\" Value=\"Vekrun Gateways\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_DAP1\" Value=\"LoRaWANGateway\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_DAP1\" Value=\"Profinet LoRaWAN Gateway Adapter\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_1\" Value=\"Subslot 1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Interface\" Value=\"Interface\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Port1\" Value=\"Port 1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_SUBSLOT_Port2\" Value=\"Port 2\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_RECORD_NAME_Head\" Value=\"Parameters of head module\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_REF_Power\" Value=\"Percent power\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_VS1\" Value=\"Submodule V1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_VS1\" Value=\"Description of submodule V1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_IS\" Value=\"I\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_PS1\" Value=\"P1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_PS2\" Value=\"P2\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_M1\" Value=\"Module\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_M1\" Value=\"device LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_FAP\" Value=\"FAP for LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_FAP\" Value=\"Description of FAP for LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_RECORD_NAME_SlotCluster\" Value=\"Parameters of the FAP\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_REF_SlotClusterBegin\" Value=\"Beginning of slot cluster\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_M_PB1\" Value=\"LoRaWAN Device \"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_M_PB1\" Value=\"Description of LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_S_PB1\" Value=\"Module of a LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_S_PB1\" Value=\"Description of module of a LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_PB_Input\" Value=\"Digital input LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_PB_InputBit0\" Value=\"Digital input bit LoRaWAN\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_S1\" Value=\"Submodule 1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_S1\" Value=\"Description of submodule 1\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_Input_1\" Value=\"Input byte\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_Output_1\" Value=\"Output word\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_CATEGORY_DI\" Value=\"Digital Input\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_DI\" Value=\"Description of digital input\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_CATEGORY_DO\" Value=\"Digital output\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_INFO_DO\" Value=\"Description of digital output\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_M1_IDT_REF_channel\" Value=\"Canale x\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_REF_reaction_to_cpu_stop\" Value=\"Reaction to CPU STOP\"/>\r\n"
    "\t\t\t\t\t<Text TextId=\"IDT_NAME_M1_Base_Parameters\" Value=\"Base Parameters\"/>\r\n"
    "\t\t\t\t\t<Text Value=\"Output substitute value\" TextId=\"IDT_ASSIGN_do_set_substitude_values\"/>\r\n"
    "\t\t\t\t\t<Text Value=\"Keep last value\" TextId=\"IDT_ASSIGN_do_values_will_hold\"/>\r\n"
    "\t\t\t\t\t<Text Value=\"Continue operation\" TextId=\"IDT_ASSIGN_do_continue_counting\"/>\r\n"
    "\t\t\t\t</PrimaryLanguage>\r\n"
    "\t\t\t</ExternalTextList>\r\n";

TEST(GsdmlText, ExternalTextListAsTheFileStatesIt) {
    const std::string text = proto::Build_GSDML_Text(TProfinetParams{});
    const size_t from = text.find("\t\t\t<ExternalTextList>");
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(text.substr(from, std::string(External_Text_List).size()), External_Text_List);
    EXPECT_EQ(text.substr(from + std::string(External_Text_List).size()),
              "\t\t</ApplicationProcess>\r\n\t</ProfileBody>\r\n</ISO15745Profile>\r\n");
}

TEST(GsdmlText, CrossedLengthsAndEscapedStationName) {
    TProfinetParams p;
    p.Input_Bytes = 20;
    p.Output_Bytes = 100;
    p.Station_Name = "a<b>&\"c\"";
    const std::string text = proto::Build_GSDML_Text(p);
    ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);

    plat::TXmlDocument doc;
    std::string error;
    ASSERT_TRUE(doc.LoadFromString(text.substr(3), &error)) << error;
    const plat::TXmlNode dap = doc.Root()
                                   .FindNode("ProfileBody")
                                   .FindNode("ApplicationProcess")
                                   .FindNode("DeviceAccessPointList")
                                   .FindNode("DeviceAccessPointItem");
    EXPECT_EQ(dap.Attribute("ImplementationType"), p.Station_Name);
    EXPECT_EQ(dap.Attribute("DNS_CompatibleName"), p.Station_Name);
    // The controller's input is the gateway's output.
    EXPECT_NE(text.find("<Input><DataItem DataType=\"OctetString\" Length=\"100\" TextId=\"IDT_Input_1\"/></Input>"),
              std::string::npos);
    EXPECT_NE(text.find("<Output><DataItem DataType=\"OctetString\" Length=\"20\" TextId=\"IDT_Output_1\"/></Output>"),
              std::string::npos);
    EXPECT_NE(text.find("MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\""), std::string::npos);
}

}  // namespace
