#include "gateway/ParGenCheck.h"

#include "base/StrUtils.h"
#include "base/TextCodec.h"

namespace gw {

namespace {

bool InRange(const std::string& text, long long low, long long high) {
    const long long v = CheckNumber(text);
    return v >= low && v <= high;
}

bool Blank(const std::string& text) {
    return base::Trim(text).empty();
}

}  // namespace

const char* Failed_Key(const TCheckResult& result) {
    // The octets are numbered in runs of four, in the order they are checked.
    static const char* const Octets[][4] = {
        {"Eth_Conn_Primary_DNS1", "Eth_Conn_Primary_DNS2", "Eth_Conn_Primary_DNS3", "Eth_Conn_Primary_DNS4"},
        {"Eth_Conn_Secondary_DNS1", "Eth_Conn_Secondary_DNS2", "Eth_Conn_Secondary_DNS3",
         "Eth_Conn_Secondary_DNS4"},
        {"EtherNetIP_IP1", "EtherNetIP_IP2", "EtherNetIP_IP3", "EtherNetIP_IP4"},
        {"EtherNetIP_SM1", "EtherNetIP_SM2", "EtherNetIP_SM3", "EtherNetIP_SM4"},
        {"EtherNetIP_GAT1", "EtherNetIP_GAT2", "EtherNetIP_GAT3", "EtherNetIP_GAT4"},
    };
    static const struct {
        int first;  // text of the run's first octet
        int run;
    } Octet_Texts[] = {{1051, 0}, {1055, 1}, {1308, 2}, {1312, 3}, {1316, 4}};
    for (const auto& o : Octet_Texts)
        if (result.text >= o.first && result.text < o.first + 4) return Octets[o.run][result.text - o.first];
    static const struct {
        int text;
        const char* key;
    } Fields[] = {
        {1396, "LoRaWAN_RF_Band"},
        {Text_Server_Address_Unreadable, "LoRaWAN_Server_Address"},
        {1343, "LoRaWAN_Server_Port_Up"},
        {1344, "LoRaWAN_Server_Port_Down"},
        {1345, "LoRaWAN_KeepAlive_Interval"},
        {1397, "LoRaWAN_Network_Type"},
        {1408, "LoRaWAN_Diagostic_Position"},
        {1398, "LoRaWAN_DataRate"},
        {1399, "LoRaWAN_Transmission_Type"},
        {1400, "LoRaWAN_Join_EUI"},
        {1401, "LoRaWAN_Activation_Method"},
        {1402, "LoRaWAN_Device_Address"},
        {1403, "LoRaWAN_Network_Session_Key"},
        {1404, "LoRaWAN_Application_Session_Key"},
        {1405, "LoRaWAN_Application_Key"},
        {1321, "EtherNetIP_NB_Input"},
        {1322, "EtherNetIP_NB_Output"},
    };
    for (const auto& f : Fields)
        if (f.text == result.text) return f.key;
    return nullptr;
}

TLoRaWANLayout LayoutOf(const TParGenData& data) {
    const int activation = base::SameText(data.LoRaWAN_Activation_Method, Activation_ABP) ? 0 : 1;
    // The window forces its mode list to "Gateway" on every load.
    return RePosition_Object_LoRaWAN(0, activation, data.LoRaWAN_RF_Band);
}

TCheckResult Controllo_Dati(const TParGenData& d, const TLoRaWANLayout& shown) {
    if (d.Eth_Conn_Enable_DNS == "1") {
        const std::string* dns[] = {&d.Eth_Conn_Primary_DNS1,   &d.Eth_Conn_Primary_DNS2,
                                    &d.Eth_Conn_Primary_DNS3,   &d.Eth_Conn_Primary_DNS4,
                                    &d.Eth_Conn_Secondary_DNS1, &d.Eth_Conn_Secondary_DNS2,
                                    &d.Eth_Conn_Secondary_DNS3, &d.Eth_Conn_Secondary_DNS4};
        for (int i = 0; i < 8; ++i)
            if (!InRange(*dns[i], 0, 255)) return CheckFailed(1051 + i);
    }

    if (Blank(d.LoRaWAN_RF_Band)) return CheckFailed(1396);

    auto on = [&](TLoRaWANRow row) { return shown.Visible(row); };
    if (on(Row_Server_Address) && !base::IsValidUtf8(d.LoRaWAN_Server_Address))
        return CheckFailed(Text_Server_Address_Unreadable);
    if (on(Row_Server_Port_Up) && !InRange(d.LoRaWAN_Server_Port_Up, 0, 65535)) return CheckFailed(1343);
    if (on(Row_Server_Port_Down) && !InRange(d.LoRaWAN_Server_Port_Down, 0, 65535)) return CheckFailed(1344);
    if (on(Row_KeepAlive_Interval) && !InRange(d.LoRaWAN_KeepAlive_Interval, 0, 10000000))
        return CheckFailed(1345);
    if (on(Row_Network_Type) && Blank(d.LoRaWAN_Network_Type)) return CheckFailed(1397);
    if (on(Row_Diag_Pos) && !InRange(d.LoRaWAN_Diagostic_Position, 0, Diag_Position_Max))
        return CheckFailed(1408, {Diag_Position_Max});
    if (on(Row_DataRate) && Blank(d.LoRaWAN_DataRate)) return CheckFailed(1398);
    if (on(Row_Transmission_Type) && Blank(d.LoRaWAN_Transmission_Type)) return CheckFailed(1399);
    if (on(Row_Join_EUI) && d.LoRaWAN_Join_EUI.size() < 16) return CheckFailed(1400);
    if (on(Row_Activation_Method) && Blank(d.LoRaWAN_Activation_Method)) return CheckFailed(1401);
    if (on(Row_Device_Address) && d.LoRaWAN_Device_Address.size() != 8) return CheckFailed(1402);
    if (on(Row_Network_Session_Key) && d.LoRaWAN_Network_Session_Key.size() != 32) return CheckFailed(1403);
    if (on(Row_Application_Session_Key) && d.LoRaWAN_Application_Session_Key.size() != 32)
        return CheckFailed(1404);
    if (on(Row_Application_Key) && d.LoRaWAN_Application_Key.size() != 32) return CheckFailed(1405);

    // Checked also while DHCP disables the edits: the values are saved and
    // become the device's address again once DHCP is switched off.
    const std::string* address[] = {&d.EtherNetIP_IP1, &d.EtherNetIP_IP2, &d.EtherNetIP_IP3,
                                    &d.EtherNetIP_IP4, &d.EtherNetIP_SM1, &d.EtherNetIP_SM2,
                                    &d.EtherNetIP_SM3, &d.EtherNetIP_SM4};
    for (int i = 0; i < 8; ++i)
        if (!InRange(*address[i], 0, 255)) return CheckFailed(1308 + i);

    if (d.EtherNetIP_EN_GAT == "1") {
        const std::string* gateway[] = {&d.EtherNetIP_GAT1, &d.EtherNetIP_GAT2, &d.EtherNetIP_GAT3,
                                        &d.EtherNetIP_GAT4};
        for (int i = 0; i < 4; ++i)
            if (!InRange(*gateway[i], 0, 255)) return CheckFailed(1316 + i);
    }

    const std::string max = std::to_string(EtherNetIP_Bytes_Max);
    if (!InRange(d.EtherNetIP_NB_Input, 0, EtherNetIP_Bytes_Max)) return CheckFailed(1321, {}, max);
    if (!InRange(d.EtherNetIP_NB_Output, 0, EtherNetIP_Bytes_Max)) return CheckFailed(1322, {}, max);
    return {};
}

}  // namespace gw
