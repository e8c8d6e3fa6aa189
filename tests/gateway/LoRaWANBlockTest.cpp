#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "gateway/LoRaWANBlock.h"

using namespace gwtest;

namespace {

constexpr uint32_t B = 0x80000;
const char* const kGatewayParGen = "<Par_Gen><LoRaWAN_RF_Band>EU868</LoRaWAN_RF_Band></Par_Gen>";

gw::TDeviceImage BuildOk(const std::string& loRaWAN, const char* parGen = kGatewayParGen) {
    gw::TDeviceImage image;
    std::string error;
    EXPECT_TRUE(BuildFromTexts(parGen, loRaWAN.c_str(), image, &error)) << error;
    return image;
}

size_t Dev(uint32_t i) {
    return 36 + 96 * i;
}
size_t Rule(const std::string& b, uint32_t i) {
    return U32(b, 12) - B + 24 * i;
}

}  // namespace

TEST(LoRaWANBlock, WithoutDevicesTheTextFollowsTheHeader) {
    gw::TDeviceImage image;
    ASSERT_TRUE(BuildFromTexts(kGatewayParGen, nullptr, image));
    const std::string& b = image.Bank2;
    EXPECT_EQ(U32(b, 0), 0u);
    EXPECT_EQ(U32(b, 4), 0u);
    EXPECT_EQ(U32(b, 8), 0x80024u);
    EXPECT_EQ(U32(b, 12), 0x80024u);
    EXPECT_EQ(U32(b, 16), 0x80024u);
    EXPECT_EQ(U32(b, 20), 4369u);
    EXPECT_EQ(b.substr(36, 2), "{\n");
    EXPECT_EQ(b.substr(b.size() - 3), std::string("}\n\0", 3));
}

TEST(LoRaWANBlock, TwoDevicesFiveRulesOneWithThreeTestBytes) {
    const std::string file = LoRaWANFile(
        Device(StdAttrs(),
               UpRule("HexTest=\"Y\" ValueTest=\"0A0B0C\" StartTest=\"1\" LenTest=\"3\"") + UpRule(""),
               DownRule("OnChange=\"N\" OnCommand=\"N\" OnTimer=\"N\"")) +
        Device(StdAttrs("Y", "2222222222222222"), UpRule(""),
               DownRule("OnChange=\"Y\" OnCommand=\"Y\" OnTimer=\"Y\"")));
    const std::string b = BuildOk(file).Bank2;
    EXPECT_EQ(U32(b, 0), 2u);
    EXPECT_EQ(U32(b, 4), 5u);
    EXPECT_EQ(U32(b, 8), B + 36);
    EXPECT_EQ(U32(b, 12), B + 228);
    EXPECT_EQ(U32(b, 16), B + 351);
    EXPECT_EQ(Hex(b, 348, 3), "0A0B0C");
    EXPECT_EQ(b.substr(351, 2), "{\n");
    // Every rule's test address: the first has the bytes, the others point past them.
    const uint32_t expected[] = {B + 348, B + 351, B + 351, B + 351, B + 351};
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(U32(b, Rule(b, i) + 8), expected[i]) << i;
    // Per device: uplink rules first, then downlink; owner numbers follow.
    const uint32_t owners[] = {0, 0, 0, 1, 1};
    const uint32_t options[] = {0, 0, 0x08, 0, 0x0F};
    for (uint32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(U16(b, Rule(b, i)), owners[i]) << i;
        EXPECT_EQ(U16(b, Rule(b, i) + 22), options[i]) << i;
    }
    EXPECT_EQ(b.substr(b.size() - 3), std::string("}\n\0", 3));
}

TEST(LoRaWANBlock, DeviceRecordLayout) {
    const std::string file = LoRaWANFile(Device(
        "Enable=\"Y\" DeviceEUI=\"0011223344556677\" JoinEUI=\"8899AABBCCDDEEFF\" DeviceName=\"Sensor\" "
        "ActivationMethod=\"Over-the-Air Activation [OTAA]\" "
        "NetworkSessionKey=\"000102030405060708090A0B0C0D0E0F\" "
        "ApplicationSessionKey=\"\" ApplicationKey=\"F0E0D0C0B0A090807060504030201000\" "
        "DeviceAddress=\"26011BDA\" "
        "Class=\"C\" DiagTimeOut=\"4294967295\" RX2_Datarate=\" sf9bw125 \" Mnemonic=\"\""));
    const std::string b = BuildOk(file).Bank2;
    const size_t d = Dev(0);
    EXPECT_EQ(Hex(b, d, 8), "7766554433221100");
    EXPECT_EQ(Hex(b, d + 8, 8), "FFEEDDCCBBAA9988");
    EXPECT_EQ(b.substr(d + 16, 16), std::string("Sensor\0\0\0\0\0\0\0\0\0\0", 16));
    EXPECT_EQ(Hex(b, d + 32, 16), "000102030405060708090A0B0C0D0E0F");
    EXPECT_EQ(Hex(b, d + 48, 16), std::string(32, '0'));
    EXPECT_EQ(Hex(b, d + 64, 16), "F0E0D0C0B0A090807060504030201000");
    EXPECT_EQ(Hex(b, d + 80, 4), "DA1B0126");
    EXPECT_EQ(U32(b, d + 84), 0x122u);
    EXPECT_EQ(U32(b, d + 88), 4294967295u);
    EXPECT_EQ(U8(b, d + 92), 3u);
    EXPECT_EQ(Hex(b, d + 93, 3), "000000");
}

TEST(LoRaWANBlock, DeviceFieldCases) {
    using Changes = std::vector<std::pair<std::string, std::optional<std::string>>>;
    const struct {
        const char* name;
        Changes changes;
        size_t at;
        size_t n;
        std::string expected;
    } cases[] = {
        {"no Class: class A", {{"Class", std::nullopt}}, 84, 4, "20000000"},
        {"class B is not known to a device row", {{"Class", "B"}}, 84, 4, "20000000"},
        {"class c (lower case) is not C", {{"Class", "c"}}, 84, 4, "20000000"},
        {"OTAA with blanks and any case",
         {{"ActivationMethod", " over-the-air activation [otaa]"}},
         84,
         4,
         "20010000"},
        {"14-digit EUI padded on the left", {{"DeviceEUI", "11223344556677"}}, 0, 8, "7766554433221100"},
        {"EUI with blanks is trimmed, not shifted",
         {{"DeviceEUI", " 0011223344556677 "}},
         0,
         8,
         "7766554433221100"},
        {"key with blanks is trimmed",
         {{"NetworkSessionKey", "000102030405060708090A0B0C0D0E0F "}},
         32,
         16,
         "000102030405060708090A0B0C0D0E0F"},
        {"address with a blank is trimmed", {{"DeviceAddress", " 26011BDA"}}, 80, 4, "DA1B0126"},
        {"name longer than 16 is cut",
         {{"DeviceName", "ABCDEFGHIJKLMNOPQRST"}},
         16,
         16,
         "4142434445464748494A4B4C4D4E4F50"},
        {"diag time-out in hex", {{"DiagTimeOut", "$100"}}, 88, 4, "00010000"},
        {"diag time-out garbage: 0", {{"DiagTimeOut", "1s"}}, 88, 4, "00000000"},
        {"diag time-out too big: 0", {{"DiagTimeOut", "4294967296"}}, 88, 4, "00000000"},
        {"diag time-out missing: 0", {{"DiagTimeOut", std::nullopt}}, 88, 4, "00000000"},
        {"RX2 outside the band: header rate", {{"RX2_Datarate", "SF12BW500"}}, 92, 1, "02"},
        {"RX2 missing: header rate", {{"RX2_Datarate", std::nullopt}}, 92, 1, "02"},
        {"RX2 empty: header rate", {{"RX2_Datarate", ""}}, 92, 1, "02"},
    };
    const char* parGen = "<Par_Gen><LoRaWAN_RX2_Datarate>SF10BW125</LoRaWAN_RX2_Datarate></Par_Gen>";
    for (const auto& c : cases) {
        const std::string b = BuildOk(LoRaWANFile(Device(AttrsWith(c.changes))), parGen).Bank2;
        EXPECT_EQ(Hex(b, Dev(0) + c.at, c.n), c.expected) << c.name;
    }
}

TEST(LoRaWANBlock, EnableComparisonsDifferForDevicesAndRules) {
    const std::string file =
        LoRaWANFile(Device(StdAttrs(" Y")) + Device(StdAttrs("y")) + Device(StdAttrs("N")) +
                    Device(StdAttrs("Y"), UpRule("", " y ") + UpRule("", "N") + UpRule("", ""),
                           DownRule("OnChange=\"y\" OnCommand=\" N\" OnTimer=\" Y \"", "Y ")));
    const std::string b = BuildOk(file).Bank2;
    EXPECT_EQ(U32(b, 0), 1u);
    EXPECT_EQ(U32(b, 4), 2u);
    EXPECT_EQ(U16(b, Rule(b, 0)), 0u);  // the only device taken is number 0
    EXPECT_EQ(U16(b, Rule(b, 1) + 22), 0x08u | 0x01u | 0x04u);
}

TEST(LoRaWANBlock, RulesOfALaterDeviceCountOnlyTakenDevices) {
    const std::string file = LoRaWANFile(Device(StdAttrs("Y")) + Device(StdAttrs("N"), UpRule("")) +
                                         Device(StdAttrs("Y"), UpRule("")));
    const std::string b = BuildOk(file).Bank2;
    EXPECT_EQ(U32(b, 0), 2u);
    EXPECT_EQ(U32(b, 4), 1u);
    EXPECT_EQ(U16(b, Rule(b, 0)), 1u);
}

TEST(LoRaWANBlock, UplinkRuleFields) {
    const struct {
        const char* name;
        std::string extra;
        uint32_t startTest, lenTest;
        std::string testBytes;  // hex
    } cases[] = {
        {"no test attributes", "", 0xFFFF, 0xFFFF, ""},
        {"empty test attributes", "StartTest=\"\" LenTest=\"\" HexTest=\"\" ValueTest=\"\"", 0xFFFF, 0xFFFF,
         ""},
        {"hex of odd length", "StartTest=\"2\" LenTest=\"2\" HexTest=\"Y\" ValueTest=\"ABC\"", 2, 2, "0ABC"},
        {"hex flag trimmed, any case", "HexTest=\" y \" ValueTest=\"0102\"", 0xFFFF, 0xFFFF, "0102"},
        {"text test value", "HexTest=\"N\" ValueTest=\"AB\"", 0xFFFF, 0xFFFF, "4142"},
        {"value without hex flag is text", "ValueTest=\"01\"", 0xFFFF, 0xFFFF, "3031"},
        {"bad hex pair gives 0", "HexTest=\"Y\" ValueTest=\"zz10\"", 0xFFFF, 0xFFFF, "0010"},
        // The check trims a hex value before counting its digits; so does the build.
        {"hex value trimmed", "StartTest=\"0\" LenTest=\"2\" HexTest=\"Y\" ValueTest=\" 01AB\t\"", 0, 2, "01AB"},
        {"text value kept whole", "StartTest=\"0\" LenTest=\"3\" HexTest=\"N\" ValueTest=\" AB\"", 0, 3, "204142"},
        {"hex start test", "StartTest=\"$10\" LenTest=\"0x2\"", 16, 2, ""},
        {"garbage start test", "StartTest=\"x\" LenTest=\" 2\"", 0xFFFF, 0xFFFF, ""},
    };
    for (const auto& c : cases) {
        const std::string file = LoRaWANFile(Device(StdAttrs(), UpRule(c.extra) + UpRule("")));
        const std::string b = BuildOk(file).Bank2;
        const size_t r = Rule(b, 0);
        EXPECT_EQ(U16(b, r + 2), 1u) << c.name;
        EXPECT_EQ(U16(b, r + 4), c.startTest) << c.name;
        EXPECT_EQ(U16(b, r + 6), c.lenTest) << c.name;
        EXPECT_EQ(U32(b, r + 12), 0u) << c.name;
        EXPECT_EQ(U16(b, r + 16), 0u) << c.name;
        EXPECT_EQ(U16(b, r + 18), 10u) << c.name;
        EXPECT_EQ(U16(b, r + 20), 2u) << c.name;
        EXPECT_EQ(U16(b, r + 22), 0u) << c.name;
        const uint32_t first = U32(b, r + 8), second = U32(b, Rule(b, 1) + 8);
        EXPECT_EQ(second - first, c.testBytes.size() / 2) << c.name;
        EXPECT_EQ(Hex(b, first - B, c.testBytes.size() / 2), c.testBytes) << c.name;
    }
}

TEST(LoRaWANBlock, DownlinkRuleFields) {
    const std::string file = LoRaWANFile(
        Device(StdAttrs(), "",
               DownRule("OnChange=\"N\" OnCommand=\"Y\" OnTimer=\"N\"") +
                   "<Rule Enable=\"Y\" Port=\"$20\" StartBit=\"3\" NumberBits=\"1\" OnChange=\"N\" "
                   "OnCommand=\"N\" OnTimer=\"Y\" Time=\"x\" PositionBit=\"1535\" Mnemonic=\"\"/>"));
    const std::string b = BuildOk(file).Bank2;
    size_t r = Rule(b, 0);
    EXPECT_EQ(U16(b, r + 2), 2u);
    EXPECT_EQ(U16(b, r + 4), 0u);
    EXPECT_EQ(U16(b, r + 6), 0u);
    EXPECT_EQ(U32(b, r + 12), 5000u);
    EXPECT_EQ(U16(b, r + 16), 1u);
    EXPECT_EQ(U16(b, r + 18), 20u);
    EXPECT_EQ(U16(b, r + 20), 4u);
    EXPECT_EQ(U16(b, r + 22), 0x0Au);
    r = Rule(b, 1);
    EXPECT_EQ(U16(b, r + 2), 0x20u);
    EXPECT_EQ(U32(b, r + 12), 0u);  // garbage time: 0
    EXPECT_EQ(U16(b, r + 18), 1535u);
    EXPECT_EQ(U16(b, r + 22), 0x0Cu);
}

TEST(LoRaWANBlock, EndNodeDevicesComeFromTheParameterFile) {
    const char* parGen =
        "<Par_Gen><LoRaWAN_Mode>end node</LoRaWAN_Mode><LoRaWAN_RF_Band>US915</LoRaWAN_RF_Band>"
        "<LoRaWAN_Adaptive_DataRate>1</LoRaWAN_Adaptive_DataRate><LoRaWAN_DataRate>10 - x</LoRaWAN_DataRate>"
        "<LoRaWAN_Transmission_Type>Confirmed</LoRaWAN_Transmission_Type>"
        "<LoRaWAN_Join_EUI>0102030405060708</LoRaWAN_Join_EUI>"
        "<LoRaWAN_Activation_Method>Activation by Personalization [ABP]</LoRaWAN_Activation_Method>"
        "<LoRaWAN_Device_Address>AABBCCDD</LoRaWAN_Device_Address>"
        "<LoRaWAN_Network_Session_Key>000102030405060708090A0B0C0D0E0F</LoRaWAN_Network_Session_Key>"
        "<LoRaWAN_Application_Key>FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF</LoRaWAN_Application_Key>"
        "<LoRaWAN_Class> b </LoRaWAN_Class><LoRaWAN_RX2_Datarate>SF9BW500</LoRaWAN_RX2_Datarate>"
        "<LoRaWAN_Server_Address>example.net</LoRaWAN_Server_Address></Par_Gen>";
    // Disabled devices count in end-node mode, and no device attribute is read.
    const std::string file = LoRaWANFile(Device("Enable=\"N\"", UpRule("")));
    const std::string b = BuildOk(file, parGen).Bank2;
    EXPECT_EQ(U32(b, 0), 1u);
    EXPECT_EQ(U32(b, 4), 1u);
    EXPECT_EQ(U32(b, 20), 8448u);
    EXPECT_EQ(U8(b, 24), 1u);
    EXPECT_EQ(U8(b, 25), 11u);  // the RX2 rate replaces the data rate
    EXPECT_EQ(U8(b, 26), 1u);
    EXPECT_EQ(U8(b, 27), 1u);
    const size_t d = Dev(0);
    EXPECT_EQ(Hex(b, d, 8), std::string(16, '0'));
    EXPECT_EQ(Hex(b, d + 8, 8), "0807060504030201");
    EXPECT_EQ(Hex(b, d + 32, 16), "000102030405060708090A0B0C0D0E0F");
    EXPECT_EQ(Hex(b, d + 64, 16), std::string(32, '0'));  // ABP: the application key is not read
    EXPECT_EQ(Hex(b, d + 80, 4), "DDCCBBAA");
    EXPECT_EQ(U32(b, d + 84), 0x21u);
    EXPECT_EQ(U32(b, d + 88), 0u);
    EXPECT_EQ(U8(b, d + 92), 0u);
}

TEST(LoRaWANBlock, OversizedBlockIsRefused) {
    gw::TLoRaWAN_Infos infos;
    gw::TLoRaWAN_Rule rule;
    rule.data_test.assign(gw::Bank2_Max_Size, 'x');
    infos.Rules_List.push_back(rule);
    infos.Num_Rules = 1;
    gw::Assign_Addresses(infos, B);
    std::string buffer = "keep";
    std::string error;
    EXPECT_FALSE(gw::Write_Bank2(infos, {"}"}, buffer, &error));
    EXPECT_EQ(buffer, "keep");
    EXPECT_NE(error.find("524288"), std::string::npos) << error;

    infos.Rules_List[0].data_test.assign(gw::Bank2_Max_Size - 36 - 24 - 3, 'x');
    gw::Assign_Addresses(infos, B);
    buffer.clear();
    EXPECT_TRUE(gw::Write_Bank2(infos, {"}"}, buffer, &error)) << error;
    EXPECT_EQ(buffer.size(), gw::Bank2_Max_Size);
}

TEST(LoRaWANBlock, TextDropsCarriageReturnsAndEndsWithZero) {
    EXPECT_EQ(gw::ConfFile_Bytes({"a\r", "", "}"}), std::string("a\n\n}\n\0", 6));
    EXPECT_EQ(gw::ConfFile_Bytes({}), std::string("\0", 1));
}
