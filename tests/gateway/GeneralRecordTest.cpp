#include <gtest/gtest.h>

#include "TestHelpers.h"
#include "gateway/GeneralRecord.h"

using gwtest::BuildFromTexts;
using gwtest::Hex;
using gwtest::U16;
using gwtest::U32;
using gwtest::U8;

namespace {

uint32_t ByteSum(const std::string& b) {
    uint32_t sum = 0;
    for (size_t i = 0; i < 2044; ++i) sum += static_cast<uint8_t>(b[i]);
    return sum;
}

std::string ParGen(const std::string& keys) {
    return "<Par_Gen>" + keys + "</Par_Gen>";
}

gw::TDeviceImage Build(const std::string* parGen) {
    gw::TDeviceImage image;
    std::string error;
    EXPECT_TRUE(BuildFromTexts(parGen ? parGen->c_str() : nullptr, nullptr, image, &error)) << error;
    return image;
}

}  // namespace

TEST(GeneralRecord, WithoutParameterFileCarriesTheRecordDefaults) {
    const std::string b = Build(nullptr).Bank1;
    ASSERT_EQ(b.size(), 2048u);
    EXPECT_EQ(U32(b, 0x000), 250000u);
    EXPECT_EQ(U32(b, 0x004), 250000u);
    EXPECT_EQ(U32(b, 0x00C), 9600u);
    EXPECT_EQ(Hex(b, 40, 4), "C0A802CD");  // 192.168.2.205
    EXPECT_EQ(Hex(b, 44, 4), "FFFFFF00");
    EXPECT_EQ(Hex(b, 48, 4), "FFFFFFFF");
    EXPECT_EQ(U16(b, 52), 10000u);
    EXPECT_EQ(U16(b, 54), 10001u);
    EXPECT_EQ(U16(b, 56), 10001u);
    EXPECT_EQ(U32(b, 116), 0u);
    EXPECT_EQ(U32(b, 120), 0u);
    EXPECT_EQ(Hex(b, 0x1B4, 8), "0808080808080808");
    EXPECT_EQ(Hex(b, 1644, 8), "0000000000000000");
    EXPECT_EQ(U32(b, 1652), 0x80000u);
    // Exactly the non-zero defaults above, nothing else.
    const uint32_t expected = 2 * (0x90 + 0xD0 + 0x03) + (0x80 + 0x25) + 192 + 168 + 2 + 205 + 3 * 255 +
                              4 * 255 + (0x10 + 0x27) + 2 * (0x11 + 0x27) + 8 * 8 + 0x08;
    EXPECT_EQ(ByteSum(b), expected);
    EXPECT_EQ(U32(b, 2044), expected);
}

TEST(GeneralRecord, ParameterFileWithoutKeysTakesTheKeyDefaults) {
    const std::string empty = ParGen("");
    const std::string b = Build(&empty).Bank1;
    EXPECT_EQ(Hex(b, 40, 4), "C0A80005");  // 192.168.0.5
    EXPECT_EQ(Hex(b, 44, 4), "FFFFFF00");
    EXPECT_EQ(Hex(b, 48, 4), "FFFFFFFF");  // no enable key: no gateway
    EXPECT_EQ(U16(b, 52), 10000u);
    EXPECT_EQ(U16(b, 54), 2000u);
    EXPECT_EQ(U16(b, 56), 2000u);
    EXPECT_EQ(U32(b, 116), 496u);
    EXPECT_EQ(U32(b, 120), 496u);
    EXPECT_EQ(Hex(b, 1644, 8), "312E303030000000");  // "1.000"
    EXPECT_EQ(U16(b, 1256), 0u);
    EXPECT_EQ(Hex(b, 1340, 4), "00000000");
    EXPECT_EQ(Hex(b, 1420, 4), "00000000");
    EXPECT_EQ(U32(b, 2044), ByteSum(b));
}

TEST(GeneralRecord, KeysGoToTheirOffsets) {
    const std::string file = ParGen(
        "<Eth_Conn_Device_Name>gw-01</Eth_Conn_Device_Name><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
        "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
        "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>2</Eth_Conn_Primary_DNS2>"
        "<Eth_Conn_Primary_DNS3>3</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>4</Eth_Conn_Primary_DNS4>"
        "<Eth_Conn_Secondary_DNS1>9</Eth_Conn_Secondary_DNS1>"
        "<EtherNetIP_IP1>10</EtherNetIP_IP1><EtherNetIP_IP2>0</EtherNetIP_IP2><EtherNetIP_IP3>$10</"
        "EtherNetIP_IP3>"
        "<EtherNetIP_IP4>0x20</EtherNetIP_IP4>"
        "<EtherNetIP_SM1>255</EtherNetIP_SM1><EtherNetIP_SM2>255</EtherNetIP_SM2>"
        "<EtherNetIP_SM3>0</EtherNetIP_SM3><EtherNetIP_SM4>0</EtherNetIP_SM4>"
        "<EtherNetIP_GAT1>10</EtherNetIP_GAT1><EtherNetIP_GAT2>0</EtherNetIP_GAT2>"
        "<EtherNetIP_GAT3>0</EtherNetIP_GAT3><EtherNetIP_GAT4>254</EtherNetIP_GAT4>"
        "<EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT><EtherNetIP_PORT>0x1234</EtherNetIP_PORT>"
        "<EtherNetIP_NB_Input>100</EtherNetIP_NB_Input><EtherNetIP_NB_Output>200</EtherNetIP_NB_Output>");
    const std::string b = Build(&file).Bank1;
    EXPECT_EQ(b.substr(1300, 6), std::string("gw-01\0", 6));
    EXPECT_EQ(U16(b, 1256), 1u);
    EXPECT_EQ(Hex(b, 1420, 4), "01020304");
    EXPECT_EQ(Hex(b, 1340, 4), "09080404");  // missing secondary octets: 8, 8, 4, 4
    EXPECT_EQ(Hex(b, 40, 4), "0A001020");
    EXPECT_EQ(Hex(b, 44, 4), "FFFF0000");
    EXPECT_EQ(Hex(b, 48, 4), "0A0000FE");
    EXPECT_EQ(U16(b, 54), 0x1234u);
    EXPECT_EQ(U16(b, 56), 0x1234u);
    EXPECT_EQ(U32(b, 116), 100u);
    EXPECT_EQ(U32(b, 120), 200u);
    EXPECT_EQ(U32(b, 2044), ByteSum(b));
}

TEST(GeneralRecord, FlagsAndNumbersTakeDefaultsUnlessExact) {
    const struct {
        const char* name;
        std::string keys;
        size_t offset;
        std::string expected;  // hex of 4 bytes at offset
    } cases[] = {
        {"DNS off: addresses stay zero",
         "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
         "<Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>",
         1420, "00000000"},
        {"DNS \" 1\" is not on", "<Eth_Conn_Enable_DNS> 1</Eth_Conn_Enable_DNS>", 1420, "00000000"},
        {"gateway enable \"Y\" is not \"1\"", "<EtherNetIP_EN_GAT>Y</EtherNetIP_EN_GAT>", 48, "FFFFFFFF"},
        {"gateway enabled, octets missing", "<EtherNetIP_EN_GAT>1</EtherNetIP_EN_GAT>", 48, "C0A80001"},
        {"garbage octet takes its default", "<EtherNetIP_IP1>1.2</EtherNetIP_IP1>", 40, "C0A80005"},
        {"blank around an octet: default", "<EtherNetIP_IP4> 7</EtherNetIP_IP4>", 40, "C0A80005"},
        {"empty octet: default", "<EtherNetIP_IP2></EtherNetIP_IP2>", 40, "C0A80005"},
        {"octet keeps its low 8 bits", "<EtherNetIP_IP4>300</EtherNetIP_IP4>", 40, "C0A8002C"},
        {"DHCP \"true\" is not \"1\"", "<Eth_Conn_DHCP_Cable>true</Eth_Conn_DHCP_Cable>", 1256, "00000000"},
        {"sizes: garbage gives 496", "<EtherNetIP_NB_Input>x</EtherNetIP_NB_Input>", 116, "F0010000"},
    };
    for (const auto& c : cases) {
        const std::string file = ParGen(c.keys);
        const std::string b = Build(&file).Bank1;
        EXPECT_EQ(Hex(b, c.offset, 4), c.expected) << c.name;
    }
}

TEST(GeneralRecord, DeviceNameKeepsThirtyOneCharactersAndTheLowByte) {
    const std::string longName =
        ParGen("<Eth_Conn_Device_Name>" + std::string(40, 'x') + "</Eth_Conn_Device_Name>");
    const std::string b = Build(&longName).Bank1;
    EXPECT_EQ(b.substr(1300, 31), std::string(31, 'x'));
    EXPECT_EQ(U8(b, 0x533), 0u);

    const std::string wide = ParGen("<Eth_Conn_Device_Name>a\xC4\x81</Eth_Conn_Device_Name>");  // U+0101
    const std::string w = Build(&wide).Bank1;
    EXPECT_EQ(Hex(w, 1300, 3), "610100");
}

TEST(GeneralRecord, ChecksumFollowsEveryByte) {
    gw::TBank1_Data data;
    const uint32_t before = data.Checksum();
    for (size_t offset : {size_t(0), size_t(0x28), size_t(0x66C), size_t(2043)}) {
        gw::TBank1_Data changed = data;
        const uint8_t old = changed.U8(offset);
        changed.SetU8(offset, static_cast<uint8_t>(old + 7));
        EXPECT_EQ(changed.Checksum(), before + 7) << offset;
    }
    gw::TBank1_Data changed = data;
    changed.SetU32(2044, 0xFFFFFFFF);  // the checksum does not cover itself
    EXPECT_EQ(changed.Checksum(), before);
    std::string bytes;
    data.Copy_Bank1(bytes);
    EXPECT_EQ(U32(bytes, 2044), before);
}
