#include "gateway/ParGenLayout.h"

#include <algorithm>

namespace gw {

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
        if (subBand) place(Row_FreqSubBand);
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
    if (subBand) place(Row_FreqSubBand);
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
    if (sender == "CB_LoRaWAN_RF_Band") return TParGenRedo::LayoutAndRates;
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
