#include <gtest/gtest.h>

#include <filesystem>

#include "base/Files.h"
#include "gateway/ParGenFile.h"
#include "platform/XmlDom.h"

namespace {

std::string OutDir(const char* name) {
    const std::string dir = std::string(VASTRIMO_TEST_OUT) + "/pargen_" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

}  // namespace

TEST(ParGenFile, NewConfigurationWritesAllKeysWithTheWindowDefaults) {
    const std::string xml = gw::ParGenToXml(gw::ParGenDefaults());
    EXPECT_EQ(xml.rfind("<Par_Gen>", 0), 0u) << "no declaration or comment before the root";
    plat::TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromString(xml));
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
    const plat::TXmlNode root = doc.Root();
    ASSERT_EQ(root.ChildCount(), 47);
    const auto& keys = gw::ParGenKeys();
    for (int i = 0; i < 47; ++i) EXPECT_EQ(root.Child(i).Name(), keys[i].name) << i;
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"Eth_Conn_Device_Name", ""},
        {"Eth_Conn_DHCP_WiFi", "0"},
        {"Eth_Conn_Secondary_DNS4", "8"},
        {"LoRaWAN_Mode", "Gateway"},
        {"LoRaWAN_RF_Band", "EU868"},
        {"LoRaWAN_Server_Address", "localhost"},
        {"LoRaWAN_Server_Port_Up", "1780"},
        {"LoRaWAN_KeepAlive_Interval", "10"},
        {"LoRaWAN_Network_Type", "Private"},
        {"LoRaWAN_DataRate", "0 -\tLoRa: SF12/125kHz 250 [bit/s]"},
        {"LoRaWAN_Activation_Method", "Activation by Personalization [ABP]"},
        {"LoRaWAN_RX2_Datarate", "SF12BW125"},
        {"LoRaWAN_Frequency_Sub_Band", "1"},
        {"EtherNetIP_IP4", "5"},
        {"EtherNetIP_GAT4", "1"},
        {"EtherNetIP_NB_Output", "496"},
    };
    for (const auto& e : expected) EXPECT_EQ(root.FindNode(e.key).Text(), e.value) << e.key;
}

TEST(ParGenFile, EveryValueSurvivesARoundTrip) {
    gw::TParGenData data;
    int n = 0;
    for (const auto& key : gw::ParGenKeys()) data.*key.field = " v" + std::to_string(n++) + " <&>\"'\t";
    data.LoRaWAN_Server_Address = "";
    gw::TParGenData back;
    std::string error;
    ASSERT_TRUE(gw::ParGenFromXml(gw::ParGenToXml(data), back, &error)) << error;
    EXPECT_EQ(back, data);

    const std::string dir = OutDir("roundtrip");
    ASSERT_TRUE(gw::SaveParGen(data, dir + "/ParGen.xml", &error)) << error;
    gw::TParGenData loaded;
    ASSERT_TRUE(gw::LoadParGen(dir + "/ParGen.xml", loaded, &error)) << error;
    EXPECT_EQ(loaded, data);
}

TEST(ParGenFile, MissingKeysTakeTheDefaultsOfTheStoredBand) {
    const struct {
        const char* band;
        const char* dataRate;
        const char* rx2;
    } cases[] = {
        {"EU868", "0 -\tLoRa: SF12/125kHz 250 [bit/s]", "SF12BW125"},
        {"US915", "0  -\tLoRa: SF10/125kHz 980 [bit/s]", "SF12BW500"},
        {"KR920", "", "SF12BW125"},
        {"AS923", "", "SF12BW125"},
        {"eu868", "", ""},
    };
    for (const auto& c : cases) {
        gw::TParGenData data;
        ASSERT_TRUE(gw::ParGenFromXml(
            std::string("<Par_Gen><LoRaWAN_RF_Band>") + c.band + "</LoRaWAN_RF_Band></Par_Gen>", data));
        EXPECT_EQ(data.LoRaWAN_RF_Band, c.band);
        EXPECT_EQ(data.LoRaWAN_DataRate, c.dataRate) << c.band;
        EXPECT_EQ(data.LoRaWAN_RX2_Datarate, c.rx2) << c.band;
        EXPECT_EQ(data.EtherNetIP_IP1, "192") << c.band;
    }
}

TEST(ParGenFile, OrderUnknownElementsAndCommentDoNotMatter) {
    const char* xml =
        "<!-- note --><Par_Gen><Extra>1</Extra><EtherNetIP_IP1>10</EtherNetIP_IP1>"
        "<LoRaWAN_Mode>End Node</LoRaWAN_Mode><Eth_Conn_Device_Name>gw</Eth_Conn_Device_Name>"
        "<EtherNetIP_IP1>11</EtherNetIP_IP1><LoRaWAN_Server_Port_Up> 1700 "
        "</LoRaWAN_Server_Port_Up></Par_Gen>";
    gw::TParGenData data;
    ASSERT_TRUE(gw::ParGenFromXml(xml, data));
    EXPECT_EQ(data.EtherNetIP_IP1, "10");      // the first element of a name counts
    EXPECT_EQ(data.LoRaWAN_Mode, "End Node");  // as stored: forcing "Gateway" is the window's
    EXPECT_EQ(data.Eth_Conn_Device_Name, "gw");
    EXPECT_EQ(data.LoRaWAN_Server_Port_Up, " 1700 ");
    EXPECT_EQ(data.EtherNetIP_IP2, "168");
}

// A file saved by another tool may start with an XML declaration (and a
// byte-order mark); it reads the same.
TEST(ParGenFile, LeadingXmlDeclarationIsRead) {
    for (const std::string lead : {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n",
                                   "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>\r\n"}) {
        gw::TParGenData data;
        std::string error;
        ASSERT_TRUE(gw::ParGenFromXml(lead + "<Par_Gen><EtherNetIP_IP1>10</EtherNetIP_IP1></Par_Gen>", data, &error))
            << error;
        EXPECT_EQ(data.EtherNetIP_IP1, "10");
    }
}

TEST(ParGenFile, MissingFileIsANewConfigurationAndABrokenOneIsReported) {
    const std::string dir = OutDir("load");
    gw::TParGenData data;
    data.EtherNetIP_IP1 = "stale";
    std::string error;
    EXPECT_TRUE(gw::LoadParGen(dir + "/ParGen.xml", data, &error));
    EXPECT_EQ(data, gw::ParGenDefaults());

    ASSERT_TRUE(base::WriteFileAtomic(dir + "/ParGen.xml", "<Par_Gen><EtherNetIP_IP1>1</Par_Gen>"));
    EXPECT_FALSE(gw::LoadParGen(dir + "/ParGen.xml", data, &error));
    EXPECT_NE(error.find("ParGen.xml"), std::string::npos) << error;
}
