#include "gateway/ParGenCheck.h"

#include <gtest/gtest.h>

#include "GatewayTestSupport.h"
#include "shell/Language.h"

namespace {

using gw::CheckFailed;
using gw::TCheckResult;
using gw::TParGenData;

// What a new configuration shows: it must pass as it stands.
TParGenData Valid() {
    return gw::ParGenDefaults();
}

struct Case {
    const char* name;
    gwtest::TParGenChange change;
    TCheckResult want;
};

void RunCases(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        const TParGenData d = gwtest::Changed(Valid(), c.change);
        EXPECT_EQ(gw::Controllo_Dati(d, gw::LayoutOf(d)), c.want) << c.name;
    }
}

TEST(ParGenCheck, DefaultsPass) {
    const TParGenData d = Valid();
    EXPECT_TRUE(gw::Controllo_Dati(d, gw::LayoutOf(d)).Ok());
}

TEST(ParGenCheck, EachFieldReportsItsOwnText) {
    RunCases({
        {"dns off: anything passes",
         [](auto& d) {
             d.Eth_Conn_Primary_DNS1 = "300";
             d.Eth_Conn_Secondary_DNS4 = "x";
         },
         {}},
        {"primary dns 1",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Primary_DNS1 = "256";
         },
         CheckFailed(1051)},
        {"primary dns 4",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Primary_DNS4 = "-1";
         },
         CheckFailed(1054)},
        {"secondary dns 1",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Secondary_DNS1 = "";
         },
         CheckFailed(1055)},
        {"secondary dns 4",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Secondary_DNS4 = "8a";
         },
         CheckFailed(1058)},
        {"dns 255 and 0 pass",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Primary_DNS1 = "255";
             d.Eth_Conn_Secondary_DNS2 = "0";
         },
         {}},
        {"band empty", [](auto& d) { d.LoRaWAN_RF_Band = ""; }, CheckFailed(1396)},
        {"band blank", [](auto& d) { d.LoRaWAN_RF_Band = "  "; }, CheckFailed(1396)},
        {"network type blank", [](auto& d) { d.LoRaWAN_Network_Type = " "; }, CheckFailed(1397)},
        {"diag 1536 passes", [](auto& d) { d.LoRaWAN_Diagostic_Position = "1536"; }, {}},
        {"diag 1537", [](auto& d) { d.LoRaWAN_Diagostic_Position = "1537"; }, CheckFailed(1408, {1536})},
        {"diag -1", [](auto& d) { d.LoRaWAN_Diagostic_Position = "-1"; }, CheckFailed(1408, {1536})},
        {"diag empty", [](auto& d) { d.LoRaWAN_Diagostic_Position = ""; }, CheckFailed(1408, {1536})},
        {"ip 1", [](auto& d) { d.EtherNetIP_IP1 = "256"; }, CheckFailed(1308)},
        {"ip 4", [](auto& d) { d.EtherNetIP_IP4 = ""; }, CheckFailed(1311)},
        {"mask 1", [](auto& d) { d.EtherNetIP_SM1 = "-5"; }, CheckFailed(1312)},
        {"mask 4", [](auto& d) { d.EtherNetIP_SM4 = "1000"; }, CheckFailed(1315)},
        {"gateway off: anything passes", [](auto& d) { d.EtherNetIP_GAT2 = "999"; }, {}},
        {"gateway 1",
         [](auto& d) {
             d.EtherNetIP_EN_GAT = "1";
             d.EtherNetIP_GAT1 = "256";
         },
         CheckFailed(1316)},
        {"gateway 4",
         [](auto& d) {
             d.EtherNetIP_EN_GAT = "1";
             d.EtherNetIP_GAT4 = "a";
         },
         CheckFailed(1319)},
        {"input bytes empty", [](auto& d) { d.EtherNetIP_NB_Input = ""; }, CheckFailed(1321, {}, "496")},
        {"input bytes 497", [](auto& d) { d.EtherNetIP_NB_Input = "497"; }, CheckFailed(1321, {}, "496")},
        {"output bytes -1", [](auto& d) { d.EtherNetIP_NB_Output = "-1"; }, CheckFailed(1322, {}, "496")},
        {"zero bytes pass", [](auto& d) { d.EtherNetIP_NB_Input = d.EtherNetIP_NB_Output = "0"; }, {}},
        {"hexadecimal number", [](auto& d) { d.EtherNetIP_NB_Input = "$1F0"; }, {}},
    });
}

TEST(ParGenCheck, FirstFaultInWindowOrderWins) {
    RunCases({
        {"dns before band",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Secondary_DNS2 = "x";
             d.LoRaWAN_RF_Band = "";
         },
         CheckFailed(1056)},
        {"primary before secondary",
         [](auto& d) {
             d.Eth_Conn_Enable_DNS = "1";
             d.Eth_Conn_Secondary_DNS1 = "x";
             d.Eth_Conn_Primary_DNS3 = "x";
         },
         CheckFailed(1053)},
        {"band before network type",
         [](auto& d) {
             d.LoRaWAN_RF_Band = "";
             d.LoRaWAN_Network_Type = "";
         },
         CheckFailed(1396)},
        {"network type before diag",
         [](auto& d) {
             d.LoRaWAN_Network_Type = "";
             d.LoRaWAN_Diagostic_Position = "x";
         },
         CheckFailed(1397)},
        {"lorawan before address",
         [](auto& d) {
             d.LoRaWAN_Diagostic_Position = "x";
             d.EtherNetIP_IP1 = "x";
         },
         CheckFailed(1408, {1536})},
        {"mask before gateway",
         [](auto& d) {
             d.EtherNetIP_SM2 = "x";
             d.EtherNetIP_EN_GAT = "1";
             d.EtherNetIP_GAT1 = "x";
         },
         CheckFailed(1313)},
        {"gateway before bytes",
         [](auto& d) {
             d.EtherNetIP_EN_GAT = "1";
             d.EtherNetIP_GAT3 = "x";
             d.EtherNetIP_NB_Input = "x";
         },
         CheckFailed(1318)},
        {"input before output",
         [](auto& d) {
             d.EtherNetIP_NB_Output = "x";
             d.EtherNetIP_NB_Input = "x";
         },
         CheckFailed(1321, {}, "496")},
    });
}

TEST(ParGenCheck, HiddenValuesAreNotChecked) {
    // The gateway layout hides the server, the data rate and the end-node
    // identity: a file edited by hand keeps such values without blocking OK.
    RunCases({
        {"hidden values",
         [](auto& d) {
             d.LoRaWAN_Server_Port_Up = "70000";
             d.LoRaWAN_Server_Port_Down = "x";
             d.LoRaWAN_KeepAlive_Interval = "-1";
             d.LoRaWAN_DataRate = "";
             d.LoRaWAN_Transmission_Type = "";
             d.LoRaWAN_Join_EUI = "12";
             d.LoRaWAN_Activation_Method = "";
             d.LoRaWAN_Device_Address = "1";
             d.LoRaWAN_Application_Key = "1";
         },
         {}},
        {"data rate of KR920 is empty",
         [](auto& d) {
             d.LoRaWAN_RF_Band = "KR920";
             d.LoRaWAN_DataRate = "";
         },
         {}},
    });
}

TEST(ParGenCheck, EndNodeValuesAreCheckedWhenShown) {
    const auto endNode = [](bool otaa) { return gw::RePosition_Object_LoRaWAN(1, otaa ? 1 : 0, "EU868"); };
    const auto valid = [] {
        TParGenData d = Valid();
        d.LoRaWAN_Join_EUI = "0011223344556677";
        d.LoRaWAN_Device_Address = "01020304";
        d.LoRaWAN_Network_Session_Key = d.LoRaWAN_Application_Session_Key = d.LoRaWAN_Application_Key =
            std::string(32, 'A');
        return d;
    };
    const struct {
        const char* name;
        bool otaa;
        gwtest::TParGenChange change;
        TCheckResult want;
    } cases[] = {
        {"abp passes", false, [](auto&) {}, {}},
        {"otaa passes", true, [](auto&) {}, {}},
        {"data rate", false, [](auto& d) { d.LoRaWAN_DataRate = ""; }, CheckFailed(1398)},
        {"transmission", false, [](auto& d) { d.LoRaWAN_Transmission_Type = ""; }, CheckFailed(1399)},
        {"join eui short", false, [](auto& d) { d.LoRaWAN_Join_EUI = "001122334455667"; }, CheckFailed(1400)},
        {"activation", false, [](auto& d) { d.LoRaWAN_Activation_Method = " "; }, CheckFailed(1401)},
        {"device address", false, [](auto& d) { d.LoRaWAN_Device_Address = "0102030"; }, CheckFailed(1402)},
        {"network session key", false, [](auto& d) { d.LoRaWAN_Network_Session_Key = "A"; },
         CheckFailed(1403)},
        {"application session key", false, [](auto& d) { d.LoRaWAN_Application_Session_Key += "A"; },
         CheckFailed(1404)},
        {"abp ignores application key", false, [](auto& d) { d.LoRaWAN_Application_Key = ""; }, {}},
        {"application key", true, [](auto& d) { d.LoRaWAN_Application_Key = ""; }, CheckFailed(1405)},
        {"otaa ignores session keys", true, [](auto& d) { d.LoRaWAN_Network_Session_Key = ""; }, {}},
        {"diag still checked", true, [](auto& d) { d.LoRaWAN_Diagostic_Position = "2000"; },
         CheckFailed(1408, {1536})},
    };
    for (const auto& c : cases) {
        const TParGenData d = gwtest::Changed(valid(), c.change);
        EXPECT_EQ(gw::Controllo_Dati(d, endNode(c.otaa)), c.want) << c.name;
    }
}

TEST(ParGenCheck, UnreadableServerAddressIsRefusedWhereShown) {
    TParGenData d = Valid();
    d.LoRaWAN_Server_Address = "lns.\xC7\xC7.net";
    gw::TLoRaWANLayout shown = gw::LayoutOf(d);
    // The window shows no server address: the value goes back as it was
    // loaded, and the image build names the file and key instead.
    ASSERT_FALSE(shown.Visible(gw::Row_Server_Address));
    EXPECT_TRUE(gw::Controllo_Dati(d, shown).Ok());
    shown.rows[gw::Row_Server_Address].visible = true;
    EXPECT_EQ(gw::Controllo_Dati(d, shown), CheckFailed(gw::Text_Server_Address_Unreadable));
    d.LoRaWAN_Server_Address = "l\xC3\xA4nd.example";
    EXPECT_TRUE(gw::Controllo_Dati(d, shown).Ok());
}

TEST(ParGenCheck, MessagesReadAsTheUserSeesThem) {
    shell::Load_Default_Texts();
    EXPECT_EQ(gw::CheckMessage(CheckFailed(1408, {1536})),
              "Error LoRaWAN!! Diagnostic Position must be between 0 and 1536");
    EXPECT_EQ(gw::CheckMessage(CheckFailed(1321, {}, "496")),
              "Error EtherNet/IP!! Number Byte Input must be between 0 and 496");
    EXPECT_EQ(gw::CheckMessage(CheckFailed(1051)), "Error Primary DNS!! DNS 1 must be between 0 and 255");
    EXPECT_EQ(gw::CheckMessage(CheckFailed(gw::Text_Server_Address_Unreadable)),
              "Error LoRaWAN!! Server Address holds characters that are not readable text");
    EXPECT_EQ(gw::CheckMessage({}), "");
}

}  // namespace
