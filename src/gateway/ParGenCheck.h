#pragma once
// The parameter window's data check: the values as its controls show them
// in, the first fault out (its text number and arguments), in the order the
// user reads the window. Nothing is shown here.

#include <string>

#include "gateway/CheckResult.h"
#include "gateway/ParGenLayout.h"

namespace gw {

// The values the check reads, as typed; flags are "1" (on) and anything
// else (off).
struct TParGenCheckData {
    std::string Eth_Conn_Enable_DNS;
    std::string Eth_Conn_Primary_DNS1, Eth_Conn_Primary_DNS2, Eth_Conn_Primary_DNS3, Eth_Conn_Primary_DNS4;
    std::string Eth_Conn_Secondary_DNS1, Eth_Conn_Secondary_DNS2, Eth_Conn_Secondary_DNS3,
        Eth_Conn_Secondary_DNS4;
    std::string LoRaWAN_Mode;
    std::string LoRaWAN_RF_Band;
    std::string LoRaWAN_Server_Port_Up;
    std::string LoRaWAN_Server_Port_Down;
    std::string LoRaWAN_KeepAlive_Interval;
    std::string LoRaWAN_Network_Type;
    std::string LoRaWAN_DataRate;
    std::string LoRaWAN_Transmission_Type;
    std::string LoRaWAN_Join_EUI;
    std::string LoRaWAN_Activation_Method;
    std::string LoRaWAN_Device_Address;
    std::string LoRaWAN_Network_Session_Key;
    std::string LoRaWAN_Application_Session_Key;
    std::string LoRaWAN_Application_Key;
    std::string LoRaWAN_Diagostic_Position;
    std::string EtherNetIP_IP1, EtherNetIP_IP2, EtherNetIP_IP3, EtherNetIP_IP4;
    std::string EtherNetIP_SM1, EtherNetIP_SM2, EtherNetIP_SM3, EtherNetIP_SM4;
    std::string EtherNetIP_GAT1, EtherNetIP_GAT2, EtherNetIP_GAT3, EtherNetIP_GAT4;
    std::string EtherNetIP_EN_GAT;
    std::string EtherNetIP_NB_Input;
    std::string EtherNetIP_NB_Output;
};

inline constexpr int Diag_Position_Max = 1536;
inline constexpr int EtherNetIP_Bytes_Max = 496;

// A control's value is checked only while it is shown: a hidden value is
// written back as it was loaded, and the user could not mend it anyway.
TCheckResult Controllo_Dati(const TParGenCheckData& data, const TLoRaWANLayout& shown);

// The layout the window shows for these values: the mode list ends on
// "Gateway" whatever the file held, the activation method on its stored entry.
TLoRaWANLayout LayoutOf(const TParGenCheckData& data);

}  // namespace gw
