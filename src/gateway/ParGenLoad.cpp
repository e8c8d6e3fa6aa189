#include "gateway/ParGenLoad.h"

#include "base/StrUtils.h"
#include "gateway/LoRaWANBands.h"
#include "gateway/ParGenLayout.h"

namespace gw {

std::string Select_List_Entry(const std::vector<std::string>& entries, std::string_view stored) {
    for (const std::string& entry : entries)
        if (base::SameText(entry, stored)) return entry;
    return {};
}

namespace {

std::string Check_Box(const std::string& stored) {
    return stored == "1" ? "1" : "0";
}

}  // namespace

TParGenData ParGen_Shown_Values(const TParGenData& stored) {
    TParGenData shown = stored;
    shown.Eth_Conn_DHCP_Cable = Check_Box(stored.Eth_Conn_DHCP_Cable);
    shown.Eth_Conn_DHCP_WiFi = "0";
    shown.Eth_Conn_Enable_DNS = Check_Box(stored.Eth_Conn_Enable_DNS);
    shown.LoRaWAN_Mode = Mode_Gateway;
    shown.LoRaWAN_RF_Band = Select_List_Entry(BandNames(), stored.LoRaWAN_RF_Band);
    shown.LoRaWAN_Network_Type = Select_List_Entry({"Private", "Public"}, stored.LoRaWAN_Network_Type);
    shown.LoRaWAN_Adaptive_DataRate = Check_Box(stored.LoRaWAN_Adaptive_DataRate);
    shown.LoRaWAN_DataRate =
        Select_List_Entry(DataRateEntries(shown.LoRaWAN_RF_Band), stored.LoRaWAN_DataRate);
    shown.LoRaWAN_Transmission_Type =
        Select_List_Entry({"Unconfirmed", "Confirmed"}, stored.LoRaWAN_Transmission_Type);
    shown.LoRaWAN_Activation_Method =
        Select_List_Entry({Activation_ABP, Activation_OTAA}, stored.LoRaWAN_Activation_Method);
    shown.LoRaWAN_Class = Select_List_Entry({"A", "B", "C"}, stored.LoRaWAN_Class);
    shown.LoRaWAN_RX2_Datarate =
        Select_List_Entry(RX2DataRateNames(shown.LoRaWAN_RF_Band), stored.LoRaWAN_RX2_Datarate);
    shown.LoRaWAN_Frequency_Sub_Band =
        Select_List_Entry({"1", "2", "3", "4", "5", "6", "7", "8"}, stored.LoRaWAN_Frequency_Sub_Band);
    shown.EtherNetIP_EN_GAT = Check_Box(stored.EtherNetIP_EN_GAT);
    return shown;
}

}  // namespace gw
