#include <gtest/gtest.h>

#include <filesystem>

#include "TestHelpers.h"
#include "base/Files.h"
#include "gateway/ConcentratorText.h"
#include "gateway/ImageBuilder.h"
#include "gateway/LoRaWANBlock.h"
#include "gateway/ParGenLayout.h"

using namespace gwtest;

namespace {

const std::string kData = VASTRIMO_TEST_DATA;
const std::string kBasic = kData + "/config_basic";

std::string Bytes(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(base::ReadFileBytes(path, bytes)) << path;
    return bytes;
}

// A fresh configuration folder in the build tree, optionally with the two files.
std::string Folder(const char* name, const char* parGen = nullptr, const char* loRaWAN = nullptr) {
    const std::string dir = std::string(VASTRIMO_TEST_OUT) + "/image_" + name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    if (parGen) {
        EXPECT_TRUE(base::WriteFileAtomic(dir + "/ParGen.xml", parGen));
    }
    if (loRaWAN) {
        EXPECT_TRUE(base::WriteFileAtomic(dir + "/LoRaWAN_Gateway.xml", loRaWAN));
    }
    return dir;
}

std::string TextOf(const std::string& bank2) {
    const size_t at = U32(bank2, 16) - 0x80000;
    return bank2.substr(at, bank2.size() - at - 1);
}

}  // namespace

TEST(ImageBuilder, FixtureConfigurationGivesTheStoredImage) {
    gw::TImageBuilder builder;
    ASSERT_TRUE(builder.Create_Bin(kBasic + "/ParGen.xml", kBasic + "/LoRaWAN_Gateway.xml"))
        << builder.ErrorString();
    const gw::TDeviceImage& image = builder.Image();
    EXPECT_EQ(image.Bank1, Bytes(kBasic + "/expected/bank1.bin"));
    EXPECT_EQ(image.Bank2, Bytes(kBasic + "/expected/bank2.bin"));

    // The fields a reader of the stored files would check first.
    const std::string& b1 = image.Bank1;
    EXPECT_EQ(Hex(b1, 40, 4), "C0A80A14");
    EXPECT_EQ(Hex(b1, 48, 4), "C0A80A01");
    EXPECT_EQ(Hex(b1, 1340, 4), "01010101");
    EXPECT_EQ(b1.substr(1300, 12), std::string("field-gw-01\0", 12));
    const std::string& b2 = image.Bank2;
    EXPECT_EQ(U32(b2, 0), 2u);  // the disabled device and its rule are left out
    EXPECT_EQ(U32(b2, 4), 5u);
    EXPECT_EQ(U32(b2, 20), 4369u);
    EXPECT_EQ(U8(b2, 25), 3u);  // SF9BW125
    EXPECT_EQ(U32(b2, 28), 1000u);
    EXPECT_EQ(U8(b2, 32), 1u);
    EXPECT_EQ(Hex(b2, 36, 8), "341200D07ED5B370");
    EXPECT_EQ(U8(b2, 36 + 96 + 92), 3u);  // no RX2 of its own: the gateway's
    EXPECT_EQ(U32(b2, 36 + 96 + 84), 0x122u);
    EXPECT_NE(TextOf(b2).find("\"server_address\": \"lns.example.net\","), std::string::npos);
    EXPECT_NE(TextOf(b2).find("\"lorawan_public\": true,"), std::string::npos);
}

TEST(ImageBuilder, BuildsAreDeterministicAndSavedIntoBin) {
    const std::string dir = Folder("save");
    std::filesystem::copy_file(kBasic + "/ParGen.xml", dir + "/ParGen.xml");
    std::filesystem::copy_file(kBasic + "/LoRaWAN_Gateway.xml", dir + "/LoRaWAN_Gateway.xml");
    gw::TImageBuilder builder;
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml"))
            << builder.ErrorString();
        ASSERT_TRUE(builder.Save_Bin(dir)) << builder.ErrorString();  // creates bin/ the first time
        EXPECT_EQ(Bytes(dir + "/bin/bank1.bin"), Bytes(kBasic + "/expected/bank1.bin")) << run;
        EXPECT_EQ(Bytes(dir + "/bin/bank2.bin"), Bytes(kBasic + "/expected/bank2.bin")) << run;
    }
}

TEST(ImageBuilder, MissingParameterFileUsesGatewayDefaults) {
    const std::string dir =
        Folder("no_pargen", nullptr, LoRaWANFile(Device(StdAttrs(" Y")) + Device(StdAttrs())).c_str());
    gw::TDeviceImage image;
    std::string error;
    ASSERT_TRUE(gw::Build_Image(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml", image, &error)) << error;
    EXPECT_EQ(Hex(image.Bank1, 1644, 8), "0000000000000000");
    EXPECT_EQ(Hex(image.Bank1, 40, 4), "C0A802CD");
    EXPECT_EQ(U32(image.Bank2, 0), 1u);  // gateway mode: only an exact "Y" enables a device
    EXPECT_EQ(Hex(image.Bank2, 20, 13), "00000000000000000000000000");
    const std::string text = TextOf(image.Bank2);
    EXPECT_NE(text.find("\"lorawan_public\": false,"), std::string::npos);
    EXPECT_NE(text.find("\"gateway_ID\": \"DCA632FFFFB3DC2B\","), std::string::npos);
    EXPECT_NE(text.find("\"server_address\": \"localhost\","), std::string::npos);
    EXPECT_NE(text.find("\"serv_port_up\": 1780,"), std::string::npos);
    EXPECT_NE(text.find("\"serv_port_down\": 1780,"), std::string::npos);
    EXPECT_NE(text.find("\"keepalive_interval\": 10,"), std::string::npos);
}

// The mode as the parameter window lists it decides the header's mode word;
// both sets of names must be usable side by side.
TEST(ImageBuilder, ModeTextsGiveTheirModeWords) {
    for (const auto& [text, word] : {std::pair{gw::Mode_Gateway, gw::Mode_Word_Gateway},
                                     std::pair{gw::Mode_End_Node, gw::Mode_Word_End_Node}}) {
        const std::string parGen = std::string("<Par_Gen><LoRaWAN_Mode>") + text +
                                   "</LoRaWAN_Mode><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band></Par_Gen>";
        gw::TDeviceImage image;
        std::string error;
        ASSERT_TRUE(BuildFromTexts(parGen.c_str(), LoRaWANFile(Device(StdAttrs())).c_str(), image, &error))
            << error;
        EXPECT_EQ(U32(image.Bank2, 20), word) << text;
    }
}

TEST(ImageBuilder, NothingIsCarriedOverFromAnEarlierBuild) {
    const std::string dir =
        Folder("carry",
               "<Par_Gen><LoRaWAN_Mode>END NODE</LoRaWAN_Mode><LoRaWAN_RF_Band>KR920</LoRaWAN_RF_Band>"
               "<LoRaWAN_Network_Type>Public</LoRaWAN_Network_Type>"
               "<LoRaWAN_Server_Address>ignored.example</LoRaWAN_Server_Address>"
               "<LoRaWAN_Server_Port_Up>1</LoRaWAN_Server_Port_Up></Par_Gen>",
               LoRaWANFile(Device(StdAttrs("N"))).c_str());
    gw::TImageBuilder builder;
    ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml"))
        << builder.ErrorString();
    const std::string endNode = builder.Image().Bank2;
    EXPECT_EQ(U32(endNode, 0), 1u);  // end node: every device element counts
    EXPECT_EQ(U32(endNode, 20), 8448u);
    EXPECT_NE(TextOf(endNode).find("\"server_address\": \"localhost\","), std::string::npos);
    EXPECT_NE(TextOf(endNode).find("\"serv_port_up\": 1780,"), std::string::npos);

    std::filesystem::remove(dir + "/ParGen.xml");
    ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml"))
        << builder.ErrorString();
    const std::string after = builder.Image().Bank2;
    EXPECT_EQ(U32(after, 0), 0u);  // gateway mode again: the disabled device is left out
    EXPECT_EQ(U8(after, 24), 0u);
    EXPECT_NE(TextOf(after).find("\"lorawan_public\": false,"), std::string::npos);
    EXPECT_EQ(TextOf(after).size() + 1, gw::ConfFile_Bytes(gw::Build_ConfFile(gw::Default_ParGen())).size());
}

TEST(ImageBuilder, BadFilesEndTheBuildAndKeepTheEarlierImage) {
    const std::string okParGen = "<Par_Gen/>";
    const std::string dev = StdAttrs();
    const struct {
        const char* name;
        std::string parGen, loRaWAN;
        std::vector<std::string> expected;  // parts of the message
    } cases[] = {
        {"parameter file not well-formed",
         "<Par_Gen><EtherNetIP_IP1>1</Par_Gen>",
         LoRaWANFile(""),
         {"ParGen.xml"}},
        {"LoRaWAN file not well-formed", okParGen, "<LoRaWAN_Gateway>", {"LoRaWAN_Gateway.xml"}},
        {"server address not UTF-8",
         "<Par_Gen><LoRaWAN_Server_Address>lns.\xC7\xC7.net</LoRaWAN_Server_Address></Par_Gen>",
         LoRaWANFile(""),
         {"ParGen.xml", "LoRaWAN_Server_Address"}},
        {"wrong root", okParGen, "<Par_Gen/>", {"LoRaWAN_Gateway.xml", "\"LoRaWAN_Gateway\""}},
        {"no device list", okParGen, "<LoRaWAN_Gateway/>", {"LoRaWAN_Gateway.xml", "LoRaWAN_Devices_List"}},
        {"no rules", okParGen, LoRaWANFile("<LoRaWAN_Device " + dev + "/>"), {"LoRaWAN_Rules", "device 1"}},
        {"no downlink list",
         okParGen,
         LoRaWANFile("<LoRaWAN_Device " + dev +
                     "><LoRaWAN_Rules><LoRaWAN_UpLink_Rules/></LoRaWAN_Rules>"
                     "</LoRaWAN_Device>"),
         {"LoRaWAN_DownLink_Rules"}},
        {"no device EUI",
         okParGen,
         LoRaWANFile(Device(AttrsWith({{"DeviceEUI", std::nullopt}}))),
         {"LoRaWAN_Gateway.xml", "\"DeviceEUI\"", "device 1"}},
        {"no application key",
         okParGen,
         LoRaWANFile(Device(dev) + Device(AttrsWith({{"ApplicationKey", std::nullopt}}))),
         {"\"ApplicationKey\"", "device 2"}},
        {"rule without Enable",
         okParGen,
         LoRaWANFile(Device(
             dev, "<Rule Port=\"1\" StartBit=\"0\" NumberBits=\"1\" PositionBit=\"0\" Mnemonic=\"\"/>")),
         {"\"Enable\"", "uplink rule 1 of device 1"}},
        {"start byte not a number",
         okParGen,
         LoRaWANFile(Device(dev, UpRule("") + "<Rule Enable=\"Y\" Port=\"1\" StartBit=\"x\" NumberBits=\"1\" "
                                              "PositionBit=\"0\" Mnemonic=\"\"/>")),
         {"\"StartBit\"", "uplink rule 2 of device 1", "\"x\""}},
        {"downlink port empty",
         okParGen,
         LoRaWANFile(Device(dev, "",
                            "<Rule Enable=\"Y\" Port=\"\" StartBit=\"0\" NumberBits=\"1\" OnChange=\"N\" "
                            "OnCommand=\"N\" OnTimer=\"N\" Time=\"0\" PositionBit=\"0\" Mnemonic=\"\"/>")),
         {"\"Port\"", "downlink rule 1 of device 1"}},
        {"downlink without OnTimer",
         okParGen,
         LoRaWANFile(Device(dev, "",
                            "<Rule Enable=\"y\" Port=\"1\" StartBit=\"0\" NumberBits=\"1\" OnChange=\"N\" "
                            "OnCommand=\"N\" Time=\"0\" PositionBit=\"0\" Mnemonic=\"\"/>")),
         {"\"OnTimer\""}},
    };
    for (const auto& c : cases) {
        const std::string dir = Folder("bad", okParGen.c_str(), LoRaWANFile(Device(dev)).c_str());
        gw::TImageBuilder builder;
        ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml"))
            << builder.ErrorString();
        ASSERT_TRUE(builder.Save_Bin(dir)) << builder.ErrorString();
        const std::string bank1 = Bytes(dir + "/bin/bank1.bin"), bank2 = Bytes(dir + "/bin/bank2.bin");

        ASSERT_TRUE(base::WriteFileAtomic(dir + "/ParGen.xml", c.parGen));
        ASSERT_TRUE(base::WriteFileAtomic(dir + "/LoRaWAN_Gateway.xml", c.loRaWAN));
        EXPECT_FALSE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml")) << c.name;
        const std::string message = builder.ErrorString();
        for (const auto& part : c.expected) {
            EXPECT_NE(message.find(part), std::string::npos) << c.name << ": " << message;
        }
        EXPECT_FALSE(builder.Save_Bin(dir)) << c.name;
        EXPECT_EQ(Bytes(dir + "/bin/bank1.bin"), bank1) << c.name;
        EXPECT_EQ(Bytes(dir + "/bin/bank2.bin"), bank2) << c.name;
    }
}

TEST(ImageBuilder, DisabledRulesNeedOnlyTheirEnableFlag) {
    const std::string file = LoRaWANFile(Device(
        StdAttrs(), "<Rule Enable=\"N\"/>",
        "<Rule Enable=\" n\" Port=\"x\"/>" + DownRule("OnChange=\"N\" OnCommand=\"N\" OnTimer=\"N\"")));
    gw::TDeviceImage image;
    std::string error;
    ASSERT_TRUE(BuildFromTexts("<Par_Gen/>", file.c_str(), image, &error)) << error;
    EXPECT_EQ(U32(image.Bank2, 4), 1u);
}

TEST(ImageBuilder, ASaveThatCannotWriteSaysWhere) {
    const std::string dir = Folder("blocked", "<Par_Gen/>");
    ASSERT_TRUE(base::WriteFileAtomic(dir + "/bin", "a file where the folder should be"));
    gw::TImageBuilder builder;
    ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml"))
        << builder.ErrorString();
    EXPECT_FALSE(builder.Save_Bin(dir));
    EXPECT_NE(builder.ErrorString().find(dir + "/bin"), std::string::npos) << builder.ErrorString();
}

TEST(ImageBuilder, BankFilesAreReplacedAsAPair) {
    const std::string dir = Folder("pair", "<Par_Gen/>");
    std::filesystem::create_directories(dir + "/bin/bank2.bin");  // bank2 cannot be written
    ASSERT_TRUE(base::WriteFileAtomic(dir + "/bin/bank1.bin", "earlier build"));
    gw::TImageBuilder builder;
    ASSERT_TRUE(builder.Create_Bin(dir + "/ParGen.xml", dir + "/LoRaWAN_Gateway.xml")) << builder.ErrorString();
    EXPECT_FALSE(builder.Save_Bin(dir));
    EXPECT_NE(builder.ErrorString().find("bank2.bin"), std::string::npos) << builder.ErrorString();
    EXPECT_EQ(Bytes(dir + "/bin/bank1.bin"), "earlier build");

    std::filesystem::remove(dir + "/bin/bank2.bin");
    ASSERT_TRUE(builder.Save_Bin(dir)) << builder.ErrorString();
    EXPECT_EQ(Bytes(dir + "/bin/bank1.bin"), builder.Image().Bank1);
    EXPECT_EQ(Bytes(dir + "/bin/bank2.bin"), builder.Image().Bank2);
}

TEST(ImageBuilder, SaveWithoutABuildIsRefused) {
    const std::string dir = Folder("unbuilt");
    gw::TImageBuilder builder;
    EXPECT_FALSE(builder.Save_Bin(dir));
    EXPECT_FALSE(base::FileExists(dir + "/bin/bank1.bin"));
}

// A hand-edited file with a blank Device EUI: that device and its rules stay
// out of the image, as the window's writer leaves them out of the file, and
// the devices after it are read and numbered on.
TEST(ImageBuilder, DeviceWithABlankEuiIsLeftOutWithItsRules) {
    const std::string file =
        LoRaWANFile(Device(StdAttrs("Y", "0102030405060701"), UpRule("Mnemonic=\"first\"")) +
                    Device(StdAttrs("Y", " "), UpRule("Mnemonic=\"blank\"")) +
                    Device(StdAttrs("Y", "0102030405060703"), "", DownRule("OnChange=\"Y\" OnCommand=\"N\" OnTimer=\"N\"")));
    plat::TXmlDocument doc;
    std::string error;
    ASSERT_TRUE(doc.LoadFromString(file, &error)) << error;
    gw::TLoRaWAN_Infos infos;
    ASSERT_TRUE(gw::Load_LoRaWAN_Devices(&doc, gw::Default_ParGen(), infos, gw::Bank2_Base_Address, &error))
        << error;
    EXPECT_EQ(infos.Num_Devices, 2u);
    ASSERT_EQ(infos.Devices_List.size(), 2u);
    EXPECT_EQ(infos.Devices_List[1].DevEUI[0], 0x03);
    ASSERT_EQ(infos.Rules_List.size(), 2u);
    EXPECT_EQ(infos.Rules_List[0].num_device, 0u);
    EXPECT_EQ(infos.Rules_List[1].num_device, 1u);
}
