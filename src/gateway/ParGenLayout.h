#pragma once
// What the parameter window shows, and where, as a function of the values
// that decide it: the rows of the LoRaWAN panel by mode, activation method
// and band (the frequency sub-band exists only for US915), the controls that DHCP and the device kind switch
// off, and which changes make the window lay itself out again.

#include <array>
#include <string_view>

namespace gw {

// Entries of the mode and activation lists as the window lists them.
inline constexpr const char* Mode_Gateway = "Gateway";
inline constexpr const char* Mode_End_Node = "End Node";
inline constexpr const char* Activation_ABP = "Activation by Personalization [ABP]";
inline constexpr const char* Activation_OTAA = "Over-the-Air Activation [OTAA]";

// The band-dependent lists of the LoRaWAN panel are DataRateEntries and
// RX2DataRateNames (LoRaWANBands.h), refilled on their first entry whenever
// the band changes.

// The rows of the LoRaWAN panel, each a label and its control (the Adaptive
// DataRate row is a check box alone).
enum TLoRaWANRow {
    Row_Mode,
    Row_RF_Band,
    Row_Server_Address,
    Row_Server_Port_Up,
    Row_Server_Port_Down,
    Row_KeepAlive_Interval,
    Row_Network_Type,
    Row_Adaptive_DataRate,
    Row_DataRate,
    Row_Transmission_Type,
    Row_Join_EUI,
    Row_Activation_Method,
    Row_Device_Address,
    Row_Network_Session_Key,
    Row_Application_Session_Key,
    Row_Application_Key,
    Row_Class,
    Row_Diag_Pos,
    Row_RX2_Datarate,
    Row_FreqSubBand,
    LoRaWAN_Row_Count
};

inline constexpr int Row_Step = 28;
// A list or edit sits this much higher than its label, so their texts line up.
inline constexpr int Control_Raise = 3;

struct TRowPlace {
    bool visible = false;
    int top = 0;  // of the label; the control is Control_Raise higher (a check box is not)
    bool operator==(const TRowPlace&) const = default;
};

struct TLoRaWANLayout {
    std::array<TRowPlace, LoRaWAN_Row_Count> rows{};
    TLoRaWANRow last = Row_RF_Band;  // the shown row the panel's height ends with

    bool Visible(TLoRaWANRow row) const { return rows[row].visible; }
};

// modeIndex and activationIndex are the selected entries of the mode and
// activation lists (0: gateway, personalization). The server address,
// ports and keep-alive stay hidden in both modes: they keep what the file
// holds. The frequency sub-band row appears for the band text "US915" only.
TLoRaWANLayout RePosition_Object_LoRaWAN(int modeIndex, int activationIndex, std::string_view band);

// The Wi-Fi DHCP box only makes sense on the device kind with Wi-Fi (the
// second entry of the device list).
bool DHCP_WiFi_Enabled(int selectDeviceIndex);
// With DHCP on the cable, the device gets its address from the network: the
// twelve EtherNet/IP address edits cannot be typed into (but keep their
// values, which are still checked and saved).
bool EtherNetIP_Address_Enabled(bool dhcpCable);

// What a change of a control asks of the window besides marking the data
// as changed.
enum class TParGenRedo { Nothing, Layout, LayoutAndRates };
// Edits and lists (the On_Change handler), by control name. A band change
// lays out first and then refills both data-rate lists on their first entry.
TParGenRedo On_Change_Redo(std::string_view sender);
// Check boxes (the On_Click handler): true when the window lays out again.
bool On_Click_Relayout(std::string_view sender);

inline constexpr int Text_Exit_Without_Saving = 1336;

// Whether the user changed anything since the last load, which decides
// whether Cancel asks before it throws the edits away.
class TParGenChanges {
public:
    // Loading fills the controls and so fires their change events: the flag
    // is cleared after the load, not before.
    void Loaded() { changed_ = false; }
    TParGenRedo On_Change(std::string_view sender);
    bool On_Click(std::string_view sender);

    bool Is_Change() const { return changed_; }
    // Cancel asks text 1336 first when this is true, and closes at once otherwise.
    bool Cancel_Asks() const { return changed_; }

private:
    bool changed_ = false;
};

}  // namespace gw
