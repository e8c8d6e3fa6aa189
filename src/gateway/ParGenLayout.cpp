#include "gateway/ParGenLayout.h"

#include <algorithm>

namespace gw {

std::vector<std::string> LoRaWAN_DataRate_List(std::string_view band) {
    if (band == "EU868")
        return {"0 -\tLoRa: SF12/125kHz 250 [bit/s]",  "1 -\tLoRa: SF11/125kHz 440 [bit/s]",
                "2 -\tLoRa: SF10/125kHz 980 [bit/s]",  "3 -\tLoRa: SF9/125kHz 1760 [bit/s]",
                "4 -\tLoRa: SF8/125kHz 3125 [bit/s]",  "5 -\tLoRa: SF7/125kHz 5470 [bit/s]",
                "6 - LoRa: SF7/250kHz 11000 [bit/s]", "7 - FSK: 50kbps 50000 [bit/s]"};
    if (band == "US915")
        return {"0  -\tLoRa: SF10/125kHz 980 [bit/s]",   "1  -\tLoRa: SF9/125kHz 1760 [bit/s]",
                "2  -\tLoRa: SF8/125kHz 3125 [bit/s]",   "3  -\tLoRa: SF7/125kHz 5470 [bit/s]",
                "4  -\tLoRa: SF8/500kHz 12500 [bit/s]",  "8  -\tLoRa: SF12/500kHz 980 [bit/s]",
                "9  -\tLoRa: SF11/500kHz 1760 [bit/s]",  "10 - LoRa: SF10/500kHz 3900 [bit/s]",
                "11 - LoRa: SF9/500kHz 7000 [bit/s]",   "12 - LoRa: SF8/500kHz 12500 [bit/s]",
                "13 - LoRa: SF7/500kHz 21900 [bit/s]"};
    return {};
}

std::vector<std::string> LoRaWAN_RX2_Datarate_List(std::string_view band) {
    if (band == "EU868")
        return {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125", "SF7BW250"};
    if (band == "US915")
        return {"SF12BW500", "SF11BW500", "SF10BW500", "SF9BW500", "SF8BW500", "SF7BW500"};
    if (band == "KR920" || band == "AS923")
        return {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125"};
    return {};
}

TLoRaWANLayout RePosition_Object_LoRaWAN(int modeIndex, int activationIndex, std::string_view band) {
    TLoRaWANLayout layout;
    layout.rows[Row_RF_Band] = {true, 12};
    int top = 40;
    auto place = [&](TLoRaWANRow row) {
        layout.rows[row] = {true, top};
        layout.last = row;
        top += Row_Step;
    };
    const bool subBand = band == "US915";
    place(Row_Network_Type);
    if (modeIndex == 0) {
        place(Row_Diag_Pos);
        place(Row_RX2_Datarate);
        if (subBand)
            place(Row_FreqSubBand);
        return layout;
    }
    place(Row_Adaptive_DataRate);
    place(Row_DataRate);
    place(Row_Transmission_Type);
    place(Row_Join_EUI);
    place(Row_Activation_Method);
    if (activationIndex == 0) {
        place(Row_Device_Address);
        place(Row_Network_Session_Key);
        place(Row_Application_Session_Key);
    } else {
        place(Row_Application_Key);
    }
    place(Row_Class);
    // An end node still reports its diagnostics and uses the RX2 and
    // sub-band settings, so their rows follow the class.
    place(Row_Diag_Pos);
    place(Row_RX2_Datarate);
    if (subBand)
        place(Row_FreqSubBand);
    return layout;
}

bool DHCP_WiFi_Enabled(int selectDeviceIndex) {
    return selectDeviceIndex == 1;
}

bool EtherNetIP_Address_Enabled(bool dhcpCable) {
    return !dhcpCable;
}

namespace {

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TParGenRedo On_Change_Redo(std::string_view sender) {
    if (sender == "CB_LoRaWAN_RF_Band")
        return TParGenRedo::LayoutAndRates;
    // The lists of the hidden panels are kept for the other gateway models,
    // whose layouts depend on them.
    if (OneOf(sender, {"CB_LoRaWAN_Mode", "CB_LoRaWAN_Activation_Method", "CB_Select_Device_Device",
                       "CB_BACnet_Slave_Type", "CB_BACnet_Master_Type", "CB_SNMP_Agent_SecurityLevel",
                       "CB_WiFi2_Type", "CB_WiFi2_Secure_Type"}))
        return TParGenRedo::Layout;
    return TParGenRedo::Nothing;
}

bool On_Click_Relayout(std::string_view sender) {
    return OneOf(sender, {"CB_EthConn_En_DHCP_Cable", "CB_EthConn_En_DHCP_WiFi", "CB_MQTT_WillFlag",
                          "CB_TLS_Enable", "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth",
                          "CB_SNMP_Agent_Version3", "CB_MQTT_PublishTopicConnection",
                          "CB_MQTT_Enable_ReProgram", "CB_WiFi2_En_DHCP", "CB_TLS_Server_Enable"});
}

TParGenRedo TParGenChanges::On_Change(std::string_view sender) {
    changed_ = true;
    return On_Change_Redo(sender);
}

bool TParGenChanges::On_Click(std::string_view sender) {
    changed_ = true;
    return On_Click_Relayout(sender);
}

}  // namespace gw
