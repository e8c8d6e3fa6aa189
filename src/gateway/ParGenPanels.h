#pragma once
// The rows of the parameter window's panels that this gateway never shows:
// the parameter groups of the other members of the family. Each row is a
// label and its control (or a check box alone, or an address of four octet
// edits), labelled from the window's block of texts. The window builds the
// controls from this table, and Set_Lang labels them from it, so a row's
// names and text numbers are stated once.

#include <string>
#include <utility>
#include <vector>

namespace gw {

enum class TParRowKind {
    Edit,     // L_<name> and E_<name>
    List,     // L_<name> and CB_<name>, a fixed-entry list
    Check,    // CB_<name>
    Octets,   // L_<name> and E_<name>1 to E_<name>4; hints from `hint` up
    Gateway,  // CB_<name>_En_GAT and E_<name>_GAT1 to 4; their hints follow `hint`
    Unit,     // L_<name>, a caption beside the row above
    Title,    // L_<name>, a caption the layout writes itself
};

struct TParRow {
    TParRowKind kind;
    std::string name;
    int caption = 0;  // 0: none
    int hint = 0;     // 0: none
    // A list whose entries come from the texts: the first number and how many.
    int firstEntry = 0;
    int entryCount = 0;
};

struct TParPanel {
    const char* panel;  // CP_...
    std::vector<TParRow> rows;
};

// The hidden panels other than CP_Select_Device (built with the window's
// design, as this gateway's device list lives there), in the window's order.
const std::vector<TParPanel>& Hidden_Panels();

// The controls of a row, label first; the row's key control (the one a
// panel's height is taken from) is the last.
std::vector<std::string> Row_Controls(const TParRow& row);
std::string Row_Key(const TParRow& row);

// Fixed entries of the hidden lists whose choice changes the layout of
// their panel and are not taken from the texts.
const std::vector<std::string>& BACnet_Types();        // "BACnet/IP", "BACnet MS/TP"
const std::vector<std::string>& SNMP_Security_Levels();  // three levels

// The captions and hints of the hidden panels as Set_Lang assigns them:
// control name, text number, and whether it is the hint.
struct TParText {
    std::string control;
    int text;
    bool hint;
};
std::vector<TParText> Hidden_Panel_Texts();

// Every category panel of the family with the number of its header text,
// in the window's order.
const std::vector<std::pair<std::string, int>>& Panel_Headers();

// The members of the gateway family by their role, and the panels each one
// shows, in display order. This program is the EtherNet/IP slave.
enum class TGatewayModel {
    Modbus_Master, Modbus_Slave, Modbus_TCP_Master, Modbus_TCP_Slave, Serial, BACnet_Master, BACnet_Slave,
    Ethernet_WiFi, CAN, CANopen, DeviceNet_Master, DeviceNet_Slave, DMX, EtherNetIP_Master, EtherNetIP_Slave,
    J1939, KNX, NMEA2000, PROFIBUS, PROFINET, IEC61850_Client, IEC61850_Server, MQTT, OPC_UA_Client,
    OPC_UA_Server, S7comm, SNMP_Manager, SNMP_Agent
};
inline constexpr int Gateway_Model_Count = 28;
const std::vector<std::string>& Model_Panels(TGatewayModel model);

}  // namespace gw
