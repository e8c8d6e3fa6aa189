#include "gateway/ParGenLoad.h"

#include <gtest/gtest.h>

#include "GatewayTestSupport.h"

namespace {

using gw::TParGenData;

TEST(ParGenLoad, DefaultsShowAsTheyAre) {
    EXPECT_EQ(gw::ParGen_Shown_Values(gw::ParGenDefaults()), gw::ParGenDefaults());
}

TEST(ParGenLoad, StoredTextsBecomeWhatTheControlsShow) {
    const std::string eu0 = "0 -\tLoRa: SF12/125kHz 250 [bit/s]";
    const std::string us3 = "3  -\tLoRa: SF7/125kHz 5470 [bit/s]";
    using Change = gwtest::TParGenChange;
    const struct {
        const char* name;
        Change stored;
        Change shown;  // applied to the stored values
    } cases[] = {
        {"end node shows gateway", [](auto& d) { d.LoRaWAN_Mode = "End Node"; },
         [](auto& d) { d.LoRaWAN_Mode = "Gateway"; }},
        {"wi-fi dhcp never loaded", [](auto& d) { d.Eth_Conn_DHCP_WiFi = "1"; },
         [](auto& d) { d.Eth_Conn_DHCP_WiFi = "0"; }},
        {"check box only on exactly 1",
         [](auto& d) {
             d.Eth_Conn_DHCP_Cable = "yes";
             d.Eth_Conn_Enable_DNS = " 1";
             d.EtherNetIP_EN_GAT = "1";
             d.LoRaWAN_Adaptive_DataRate = "2";
         },
         [](auto& d) {
             d.Eth_Conn_DHCP_Cable = "0";
             d.Eth_Conn_Enable_DNS = "0";
             d.LoRaWAN_Adaptive_DataRate = "0";
         }},
        {"lists match any letter case",
         [](auto& d) {
             d.LoRaWAN_Network_Type = "PUBLIC";
             d.LoRaWAN_Transmission_Type = "confirmed";
             d.LoRaWAN_Class = "c";
             d.LoRaWAN_RX2_Datarate = "sf9bw125";
         },
         [](auto& d) {
             d.LoRaWAN_Network_Type = "Public";
             d.LoRaWAN_Transmission_Type = "Confirmed";
             d.LoRaWAN_Class = "C";
             d.LoRaWAN_RX2_Datarate = "SF9BW125";
         }},
        {"band decides the rate lists",
         [&](auto& d) {
             d.LoRaWAN_RF_Band = "us915";
             d.LoRaWAN_DataRate = us3;
             d.LoRaWAN_RX2_Datarate = "SF8BW500";
             d.LoRaWAN_Frequency_Sub_Band = "8";
         },
         [](auto& d) { d.LoRaWAN_RF_Band = "US915"; }},
        {"KR920 has no data rates",
         [&](auto& d) {
             d.LoRaWAN_RF_Band = "KR920";
             d.LoRaWAN_DataRate = eu0;
             d.LoRaWAN_RX2_Datarate = "SF7BW250";
         },
         [](auto& d) {
             d.LoRaWAN_DataRate = "";
             d.LoRaWAN_RX2_Datarate = "";
         }},
        {"unmatched texts select nothing",
         [](auto& d) {
             d.LoRaWAN_RF_Band = "EU 868";
             d.LoRaWAN_Network_Type = "Private ";
             d.LoRaWAN_Activation_Method = "ABP";
             d.LoRaWAN_Frequency_Sub_Band = "9";
         },
         [](auto& d) {
             d.LoRaWAN_RF_Band = "";
             d.LoRaWAN_Network_Type = "";
             d.LoRaWAN_Activation_Method = "";
             d.LoRaWAN_Frequency_Sub_Band = "";
             d.LoRaWAN_DataRate = "";
             d.LoRaWAN_RX2_Datarate = "";
         }},
        {"edits keep their text, hidden ones too",
         [](auto& d) {
             d.Eth_Conn_Device_Name = " a name longer than thirty-one characters ";
             d.LoRaWAN_Server_Address = "lns.example.net";
             d.LoRaWAN_Server_Port_Up = "x";
             d.LoRaWAN_Application_Key = "abc";
             d.EtherNetIP_IP1 = "300";
         },
         [](auto&) {}},
    };
    for (const auto& c : cases) {
        const TParGenData stored = gwtest::Changed(gw::ParGenDefaults(), c.stored);
        const TParGenData want = gwtest::Changed(stored, c.shown);
        EXPECT_EQ(gw::ParGen_Shown_Values(stored), want) << c.name;
    }
}

TEST(ParGenLoad, SelectListEntry) {
    const std::vector<std::string> entries = {"A", "B", "C"};
    EXPECT_EQ(gw::Select_List_Entry(entries, "b"), "B");
    EXPECT_EQ(gw::Select_List_Entry(entries, "B "), "");
    EXPECT_EQ(gw::Select_List_Entry(entries, ""), "");
    EXPECT_EQ(gw::Select_List_Entry({}, "A"), "");
}

}  // namespace
