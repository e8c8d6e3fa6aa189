#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "GatewayTestSupport.h"
#include "TestHelpers.h"
#include "gateway/ConcentratorText.h"
#include "gateway/LoRaWANBands.h"
#include "gateway/LoRaWANBlock.h"

namespace {

std::string ReadFixture(const std::string& name) {
    return gwtest::ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + name);
}

gw::TLoRaWAN_ParGen Inputs(int band) {
    gw::TLoRaWAN_ParGen p;
    p.RF_Band = band;
    p.NetworkType = "true";
    p.Server_Add = "router.example.net";
    p.Server_Port_Up = "1700";
    p.Server_Port_Down = "1701";
    p.KA_Interval = "30";
    return p;
}

std::string Text(const std::vector<std::string>& lines) {
    std::string bytes = gw::ConfFile_Bytes(lines);
    bytes.pop_back();  // the closing zero byte
    return bytes;
}

nlohmann::json Parse(const std::string& text) {
    return nlohmann::json::parse(text, nullptr, true, /*ignore_comments=*/true);
}

const char* const kBands[] = {"EU868", "US915", "KR920", "AS923"};

}  // namespace

TEST(ConcentratorText, FourBandTextsByteForByte) {
    const size_t lineCounts[] = {125, 113, 97, 97};
    for (int band = 0; band < 4; ++band) {
        const auto lines = gw::Build_ConfFile(Inputs(band));
        EXPECT_EQ(lines.size(), lineCounts[band]) << kBands[band];
        EXPECT_EQ(Text(lines), ReadFixture(std::string("concentrator/") + kBands[band] + ".txt"))
            << kBands[band];
        const std::string bytes = gw::ConfFile_Bytes(lines);
        EXPECT_EQ(bytes.substr(bytes.size() - 3), std::string("}\n\0", 3)) << kBands[band];
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
    }
}

TEST(ConcentratorText, EveryBandParsesWithTheMembersTheForwarderNeeds) {
    for (int band = 0; band < 4; ++band) {
        gw::TLoRaWAN_ParGen p = Inputs(band);
        p.NetworkType = "false";
        nlohmann::json j;
        ASSERT_NO_THROW(j = Parse(Text(gw::Build_ConfFile(p)))) << kBands[band];
        const auto& sx = j.at("SX130x_conf");
        EXPECT_EQ(sx.at("com_type"), "SPI");
        EXPECT_EQ(sx.at("com_path"), "/dev/spidev0.0");
        EXPECT_EQ(sx.at("lorawan_public"), band == gw::Band_AS923) << kBands[band];
        const auto& gwc = j.at("gateway_conf");
        EXPECT_EQ(gwc.at("server_address"), "router.example.net");
        EXPECT_EQ(gwc.at("serv_port_up"), 1700);
        EXPECT_EQ(gwc.at("serv_port_down"), 1701);
        EXPECT_EQ(gwc.at("keepalive_interval"), 30);
        EXPECT_EQ(gwc.at("beacon_period"), 0);
        EXPECT_TRUE(j.contains("debug_conf"));
    }
}

TEST(ConcentratorText, BandDifferences) {
    const struct {
        int band;
        const char* gatewayId;
        long beaconFreq;
        bool sx1261;
        bool fsk;
    } cases[] = {
        {gw::Band_EU868, "DCA632FFFFB3DC2B", 869525000, true, true},
        {gw::Band_US915, "AA555A0000000000", 869525000, true, false},
        {gw::Band_KR920, "AA555A0000000000", 923100000, false, false},
        {gw::Band_AS923, "AA555A0000000000", 923400000, false, false},
    };
    for (const auto& c : cases) {
        const auto lines = gw::Build_ConfFile(Inputs(c.band));
        const nlohmann::json j = Parse(Text(lines));
        EXPECT_EQ(j["gateway_conf"]["gateway_ID"], c.gatewayId) << c.band;
        EXPECT_EQ(j["gateway_conf"]["beacon_freq_hz"], c.beaconFreq) << c.band;
        EXPECT_EQ(j["SX130x_conf"].contains("sx1261_conf"), c.sx1261) << c.band;
        EXPECT_EQ(j["SX130x_conf"]["chan_FSK"]["enable"], c.fsk) << c.band;
        // Only EU868 runs straight from the concentrator block into the gateway block.
        const auto open = std::find(lines.begin(), lines.end(), "    \"gateway_conf\": {");
        ASSERT_NE(open, lines.end());
        EXPECT_EQ((open - 1)->empty(), c.band != gw::Band_EU868) << c.band;
    }
    EXPECT_TRUE(gw::Build_ConfFile([] {
                    auto p = Inputs(0);
                    p.RF_Band = 4;
                    return p;
                }())
                    .empty());
}

TEST(ConcentratorText, InsertedValuesKeepTheTextValid) {
    const struct {
        const char* name;
        std::string server, up, down, keepAlive;
        std::string serverLine, upLine, downLine, keepAliveLine;
    } cases[] = {
        {"values as the window writes them", "localhost", "1780", "1780", "10",
         "\"server_address\": \"localhost\",", "\"serv_port_up\": 1780,", "\"serv_port_down\": 1780,",
         "\"keepalive_interval\": 10,"},
        {"blanks around numbers", "10.0.0.1", " 1700", "1701 ", " 30 ", "\"server_address\": \"10.0.0.1\",",
         "\"serv_port_up\": 1700,", "\"serv_port_down\": 1701,", "\"keepalive_interval\": 30,"},
        {"hexadecimal numbers", "h", "$6A4", "0x6A5", "0X1E", "\"server_address\": \"h\",",
         "\"serv_port_up\": 1700,", "\"serv_port_down\": 1701,", "\"keepalive_interval\": 30,"},
        {"empty and garbage numbers take the defaults", "", "", "17oo", "", "\"server_address\": \"\",",
         "\"serv_port_up\": 1780,", "\"serv_port_down\": 1780,", "\"keepalive_interval\": 10,"},
        {"quote and backslash in the address", "a\"b\\c", "1", "2", "3",
         "\"server_address\": \"a\\\"b\\\\c\",", "\"serv_port_up\": 1,", "\"serv_port_down\": 2,",
         "\"keepalive_interval\": 3,"},
        {"line feed and tab in the address", "a\nb\tc", "1", "2", "3", "\"server_address\": \"a\\nb\\tc\",",
         "\"serv_port_up\": 1,", "\"serv_port_down\": 2,", "\"keepalive_interval\": 3,"},
        {"a token in the address is not expanded", "$Server_Port_Up", "1", "2", "3",
         "\"server_address\": \"$Server_Port_Up\",", "\"serv_port_up\": 1,", "\"serv_port_down\": 2,",
         "\"keepalive_interval\": 3,"},
    };
    for (const auto& c : cases) {
        gw::TLoRaWAN_ParGen p = Inputs(gw::Band_US915);
        p.Server_Add = c.server;
        p.Server_Port_Up = c.up;
        p.Server_Port_Down = c.down;
        p.KA_Interval = c.keepAlive;
        const auto lines = gw::Build_ConfFile(p);
        ASSERT_EQ(lines.size(), 113u) << c.name;
        // The tail starts at line 77; the values sit on its lines 4, 5, 6 and 8.
        EXPECT_EQ(lines[76 + 3], "        " + c.serverLine) << c.name;
        EXPECT_EQ(lines[76 + 4], "        " + c.upLine) << c.name;
        EXPECT_EQ(lines[76 + 5], "        " + c.downLine) << c.name;
        EXPECT_EQ(lines[76 + 7], "        " + c.keepAliveLine) << c.name;
        nlohmann::json j;
        ASSERT_NO_THROW(j = Parse(Text(lines))) << c.name;
        EXPECT_EQ(j["gateway_conf"]["server_address"], c.server) << c.name;
    }
}
