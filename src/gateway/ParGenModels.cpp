// The parameter window's panels of the other gateway models: their rows,
// built from the panel table, their texts, and the layout routines of the
// panels and of the models. Every routine recomputes visibility, enabling,
// places and heights from the controls as they are, so it may run any
// number of times.

#include <map>
#include <utility>

#include "gateway/ParGen.h"
#include "platform/CategoryPanels.h"
#include "platform/StdCtrls.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace gw {

using namespace plat;
using shell::Lang_Texts;

namespace {

constexpr int First_Row_Top = 12;
constexpr int Label_Left = 14;
constexpr int Control_Left = 191;
constexpr int Control_Width = 238;
constexpr int Control_Height = 21;
constexpr int Octet_Width = 55;
constexpr int Octet_Step = 61;
constexpr int Check_Width = 415;
constexpr int Gateway_Check_Width = 175;
// A unit beside an edit: the edit gives up the room the unit's text needs.
constexpr int Unit_Left = 360;
constexpr int Edit_Width_Before_Unit = 160;
constexpr int Panel_Bottom_Margin = 12;

int Row_Top(const TCategoryPanel& panel, int row) { return panel.ClientTop() + First_Row_Top + row * Row_Step; }

}  // namespace

// Each row of a hidden panel by its key control: the panel it sits in and
// all its controls, label first (dots between octets included).
struct TFParGen::TRowIndex {
    struct TRow {
        TCategoryPanel* panel = nullptr;
        std::vector<TControl*> controls;
    };
    std::map<std::string, TRow> rows;
};

void TFParGen::Build_Hidden_Panels() {
    FRows = std::make_shared<TRowIndex>();
    const TNotifyEvent change = [this](TObject* s) { On_Change(s); };
    const TNotifyEvent click = [this](TObject* s) { On_Click(s); };
    const TKeyPressEvent octetKey = [this](TObject* s, char32_t& k) { KeyPress(s, k); };

    for (const TParPanel& table : Hidden_Panels()) {
        auto& panel = Ctl<TCategoryPanel>(table.panel);
        int row = 0;
        TEdit* lastEdit = nullptr;
        for (const TParRow& r : table.rows) {
            const std::vector<std::string> names = Row_Controls(r);
            TRowIndex::TRow built;
            built.panel = &panel;
            auto label = [&](const std::string& name, int left, int top) {
                auto* l = new TLabel(this);
                l->SetName(name);
                l->SetParent(&panel);
                l->SetLeft(left);
                l->SetTop(top);
                built.controls.push_back(l);
                return l;
            };
            auto edit = [&](const std::string& name, int left, int width, int top) {
                auto* e = new TEdit(this);
                e->SetName(name);
                e->SetParent(&panel);
                e->SetBounds(left, top, width, Control_Height);
                e->SetShowHint(true);
                e->OnChange = change;
                built.controls.push_back(e);
                lastEdit = e;
                return e;
            };
            auto check = [&](const std::string& name, int width, int top) {
                auto* c = new TCheckBox(this);
                c->SetName(name);
                c->SetParent(&panel);
                c->SetBounds(Label_Left, top, width, 17);
                c->SetShowHint(true);
                c->OnClick = click;
                built.controls.push_back(c);
            };
            auto octets = [&](const std::string& first, const std::string& dotName, int top) {
                for (int i = 0; i < 4; ++i) {
                    if (i > 0)
                        label(dotName + std::to_string(i), Control_Left + i * Octet_Step - 4, top + Control_Raise)
                            ->SetCaption(".");
                    edit(first.substr(0, first.size() - 1) + std::to_string(i + 1), Control_Left + i * Octet_Step,
                         Octet_Width, top)
                        ->OnKeyPress = octetKey;
                }
            };
            const int top = Row_Top(panel, row);
            switch (r.kind) {
                case TParRowKind::Edit:
                    label(names[0], Label_Left, top + Control_Raise);
                    edit(names[1], Control_Left, Control_Width, top);
                    break;
                case TParRowKind::List: {
                    label(names[0], Label_Left, top + Control_Raise);
                    auto* list = new TComboBox(this);
                    list->SetName(names[1]);
                    list->SetParent(&panel);
                    list->SetStyle(csDropDownList);
                    list->SetBounds(Control_Left, top, Control_Width, Control_Height);
                    list->SetShowHint(true);
                    if (names[1] == "CB_BACnet_Master_Type" || names[1] == "CB_BACnet_Slave_Type")
                        list->Items().Assign(BACnet_Types());
                    else if (names[1] == "CB_SNMP_Agent_SecurityLevel")
                        list->Items().Assign(SNMP_Security_Levels());
                    if (list->Items().Count() > 0) list->SetItemIndex(0);
                    list->OnChange = change;
                    built.controls.push_back(list);
                    break;
                }
                case TParRowKind::Check:
                    check(names[0], Check_Width, top);
                    break;
                case TParRowKind::Octets:
                    label(names[0], Label_Left, top + Control_Raise);
                    octets(names[1], names[0] + "_Dot", top);
                    break;
                case TParRowKind::Gateway:
                    check(names[0], Gateway_Check_Width, top);
                    octets(names[1], "L_" + r.name + "_GAT_Dot", top);
                    break;
                case TParRowKind::Unit:
                    // Beside the edit of the row before, not a row of its own.
                    if (lastEdit != nullptr) lastEdit->SetWidth(Edit_Width_Before_Unit);
                    label(names[0], Unit_Left, Row_Top(panel, row - 1) + Control_Raise);
                    --row;
                    break;
                case TParRowKind::Title:
                    label(names[0], Label_Left, top + Control_Raise);
                    break;
            }
            FRows->rows[Row_Key(r)] = built;
            ++row;
        }
        if (!table.rows.empty()) Fit_To(table.panel, Row_Key(table.rows.back()));
    }
    if (const auto texts = std::move(FHidden_Texts)) Set_Lang_Hidden_Panels(*texts);
}

TFParGen::TRowIndex& TFParGen::Rows() {
    if (!FRows) MakePendingComponents();
    return *FRows;
}

void TFParGen::Set_Lang_Hidden_Panels() {
    std::map<int, std::string> texts;
    for (const TParText& t : Hidden_Panel_Texts()) texts[t.text] = Lang_Texts[t.text];
    for (const TParPanel& table : Hidden_Panels())
        for (const TParRow& r : table.rows)
            for (int i = 0; i < r.entryCount; ++i) texts[r.firstEntry + i] = Lang_Texts[r.firstEntry + i];
    if (FRows)
        Set_Lang_Hidden_Panels(texts);
    else
        FHidden_Texts = std::make_shared<const std::map<int, std::string>>(std::move(texts));
}

void TFParGen::Set_Lang_Hidden_Panels(const std::map<int, std::string>& Texts) {
    for (const TParText& t : Hidden_Panel_Texts()) {
        auto& c = Ctl<TControl>(t.control);
        if (t.hint)
            c.SetHint(Texts.at(t.text));
        else
            c.SetCaption(Texts.at(t.text));
    }
    // The Wi-Fi lists are the only lists of the window whose entries are
    // texts of the language; they start again on their first entry.
    for (const TParPanel& table : Hidden_Panels())
        for (const TParRow& r : table.rows) {
            if (r.entryCount == 0) continue;
            auto& list = Ctl<TComboBox>(Row_Key(r));
            list.Items().Clear();
            for (int i = 0; i < r.entryCount; ++i) list.Items().Add(Texts.at(r.firstEntry + i));
            list.SetItemIndex(0);
        }
}

void TFParGen::Fit_To(const std::string& Panel, const std::string& LastControl) {
    const auto& last = Ctl<TControl>(LastControl);
    Ctl<TCategoryPanel>(Panel).SetHeight(last.Top() + last.Height() + Panel_Bottom_Margin);
}

void TFParGen::Show_Rows(const std::vector<std::string>& Keys, bool Visible) {
    for (const std::string& key : Keys)
        for (TControl* c : Rows().rows.at(key).controls) c->SetVisible(Visible);
}

std::string TFParGen::Stack_Rows(const std::vector<std::string>& Keys, int FirstRow) {
    int row = FirstRow;
    for (const std::string& key : Keys) {
        const TRowIndex::TRow& r = Rows().rows.at(key);
        const int top = Row_Top(*r.panel, row++);
        for (TControl* c : r.controls) {
            // Labels sit a little lower than the edits and lists they name.
            const bool isLabel = dynamic_cast<TLabel*>(c) != nullptr;
            c->SetTop(isLabel ? top + Control_Raise : top);
            c->Show();
        }
    }
    return Keys.empty() ? std::string() : Keys.back();
}

void TFParGen::Enable_Address(const std::string& Prefix, bool WithCheckBox) {
    const bool enabled = EtherNetIP_Address_Enabled(CB_EthConn_En_DHCP_Cable->Checked());
    for (const char* part : {"_IP", "_SM", "_GAT"})
        for (int i = 1; i <= 4; ++i) Ctl<TEdit>("E_" + Prefix + part + std::to_string(i)).SetEnabled(enabled);
    if (WithCheckBox) Ctl<TCheckBox>("CB_" + Prefix + "_En_GAT").SetEnabled(enabled);
}

void TFParGen::Show_Panel_By(const std::string& Panel, bool Open) {
    auto& panel = Ctl<TCategoryPanel>(Panel);
    panel.SetEnabled(Open);
    panel.SetCollapsed(!Open);
}

// Height only.
void TFParGen::RePosition_Object_Select_Device() { Fit_To("CP_Select_Device", "CB_Select_Device_Device"); }
void TFParGen::RePosition_Object_Modbus_Master() { Fit_To("CP_Modbus_Master", "E_ModbusMaster_CyclicDelay"); }
void TFParGen::RePosition_Object_Modbus_Slave() { Fit_To("CP_Modbus_Slave", "CB_ModbusSlave_ReadInput"); }
void TFParGen::RePosition_Object_Serial() { Fit_To("CP_Serial", "CB_Serial_StopBits"); }
void TFParGen::RePosition_Object_CAN() { Fit_To("CP_CAN", "CB_CAN_Baudrate"); }
void TFParGen::RePosition_Object_CANopen() { Fit_To("CP_CANopen", "E_CANopen_SDO_Timeout"); }
void TFParGen::RePosition_Object_DeviceNet_Master() {
    Fit_To("CP_DeviceNet_Master", "CB_DeviceNet_Master_Baudrate");
}
void TFParGen::RePosition_Object_DeviceNet_Slave() { Fit_To("CP_DeviceNet_Slave", "E_DeviceNet_Slave_NumByteOut"); }
void TFParGen::RePosition_Object_DMX() { Fit_To("CP_DMX", "E_DMX_ChannelNum"); }
void TFParGen::RePosition_Object_J1939() { Fit_To("CP_J1939", "E_J1939_ID_Device"); }
void TFParGen::RePosition_Object_NMEA2000() { Fit_To("CP_NMEA2000", "CB_NMEA2000_Peer_To_Peer"); }
void TFParGen::RePosition_Object_NTP() { Fit_To("CP_NTP", "E_NTP_Poll_Time"); }
void TFParGen::RePosition_Object_GSM_GPRS() { Fit_To("CP_GSM_GPRS", "E_GSM_GPRS_Password"); }
void TFParGen::RePosition_Object_KNX() { Fit_To("CP_KNX", "E_KNX_IDDevice"); }
void TFParGen::RePosition_Object_PROFIBUS() { Fit_To("CP_PROFIBUS", "E_PROFIBUS_NByte_Out"); }

// Address panels: a device that takes its address from DHCP on the cable
// has no address to type.
void TFParGen::RePosition_Object_Modbus_TCP_Slave() {
    Fit_To("CP_Modbus_TCP_Slave", "E_ModbusTCPSlave_Port");
    Enable_Address("ModbusTCPSlave", true);
}
void TFParGen::RePosition_Object_Modbus_TCP_Master() {
    Fit_To("CP_Modbus_TCP_Master", "E_ModbusTCPMaster_CyclicDelay");
    Enable_Address("ModbusTCPMaster", true);
}
void TFParGen::RePosition_Object_Ethernet() {
    Show_Rows({"E_Ethernet_TCP_Port", "E_Ethernet_UDP_Port"}, false);
    Fit_To("CP_Ethernet", "E_Ethernet_GAT4");
    Enable_Address("Ethernet", true);
}
void TFParGen::RePosition_Object_PROFINET() {
    Show_Rows({"CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"}, false);
    Fit_To("CP_PROFINET", "E_PROFINET_NByte_Out");
    Enable_Address("PROFINET", false);
}
void TFParGen::RePosition_Object_EtherNetIP_Master() {
    Fit_To("CP_EtherNetIP_Master", "E_EtherNetIP_Master_Port");
    Enable_Address("EtherNetIP_Master", false);
}
void TFParGen::RePosition_Object_IEC61850_Client() {
    Fit_To("CP_IEC61850_Client", "E_IEC61850_Client_AppID");
    Enable_Address("IEC61850_Client", false);
}
void TFParGen::RePosition_Object_IEC61850_Server() {
    Fit_To("CP_IEC61850_Server", "E_IEC61850_Server_Password");
    Enable_Address("IEC61850_Server", false);
}
void TFParGen::RePosition_Object_OPC_UA_Client() {
    Fit_To("CP_OPC_UA_Client", "E_OPC_UA_Client_GAT4");
    Enable_Address("OPC_UA_Client", false);
}
void TFParGen::RePosition_Object_OPC_UA_Server() {
    Fit_To("CP_OPC_UA_Server", "E_OPC_UA_Server_Port");
    Enable_Address("OPC_UA_Server", false);
}
void TFParGen::RePosition_Object_S7comm() {
    Fit_To("CP_S7_Protocol", "E_S7_Protocol_GAT4");
    Enable_Address("S7_Protocol", false);
}
void TFParGen::RePosition_Object_SNMP_Manager() {
    Fit_To("CP_SNMP_Manager", "E_SNMP_Manager_NameStation");
    Enable_Address("SNMP_Manager", false);
}

// Conditional rows.
void TFParGen::RePosition_Object_WiFi2() {
    const std::vector<std::string> all = {
        "L_WiFi2_Title_IP1", "E_WiFi2_IP4",         "E_WiFi2_SM4",          "E_WiFi2_GAT4",
        "L_WiFi2_Title_IP2", "E_WiFi2_Sta2_IP4",    "E_WiFi2_Sta2_SM4",     "E_WiFi2_Sta2_GAT4",
        "E_WiFi2_SSID",      "E_WiFi2_Password",    "CB_WiFi2_Show_Password", "CB_WiFi2_Secure_Type",
        "CB_WiFi2_En_DHCP",  "E_WiFi2_DHCP_IP4",    "E_WiFi2_DHCP_SM4",     "E_WiFi2_Lease_Time",
        "E_WiFi2_Max_Client", "CB_WiFi2_Channel"};
    Show_Rows(all, false);
    std::vector<std::string> shown;
    if (Ctl<TComboBox>("CB_WiFi2_Type").ItemIndex() <= 0) {
        // Access point.
        shown = {"E_WiFi2_IP4", "E_WiFi2_SM4", "E_WiFi2_GAT4", "E_WiFi2_SSID", "CB_WiFi2_Secure_Type"};
        if (Ctl<TComboBox>("CB_WiFi2_Secure_Type").ItemIndex() > 0) {
            shown.push_back("E_WiFi2_Password");
            shown.push_back("CB_WiFi2_Show_Password");
        }
        shown.push_back("CB_WiFi2_En_DHCP");
        if (Ctl<TCheckBox>("CB_WiFi2_En_DHCP").Checked())
            shown.insert(shown.end(), {"E_WiFi2_DHCP_IP4", "E_WiFi2_DHCP_SM4", "E_WiFi2_Lease_Time"});
        shown.insert(shown.end(), {"E_WiFi2_Max_Client", "CB_WiFi2_Channel"});
        // The access point's own address is never taken from a DHCP server.
        for (const char* part : {"_IP", "_SM", "_GAT"})
            for (int i = 1; i <= 4; ++i) Ctl<TEdit>(std::string("E_WiFi2") + part + std::to_string(i)).SetEnabled(true);
    } else {
        // Station: its address comes from the network while DHCP is on for Wi-Fi.
        std::string ip1, ip2;
        if (shell::Get_IP_Addresses(ip1, ip2) == 2) {
            Ctl<TLabel>("L_WiFi2_Title_IP1").SetCaption("IP Address 1 - " + ip1);
            Ctl<TLabel>("L_WiFi2_Title_IP2").SetCaption("IP Address 2 - " + ip2);
            shown = {"L_WiFi2_Title_IP1", "E_WiFi2_IP4",      "E_WiFi2_SM4",      "E_WiFi2_GAT4",
                     "L_WiFi2_Title_IP2", "E_WiFi2_Sta2_IP4", "E_WiFi2_Sta2_SM4", "E_WiFi2_Sta2_GAT4"};
        } else {
            shown = {"E_WiFi2_IP4", "E_WiFi2_SM4", "E_WiFi2_GAT4"};
        }
        shown.insert(shown.end(), {"E_WiFi2_SSID", "E_WiFi2_Password", "CB_WiFi2_Show_Password"});
        const bool enabled = !CB_EthConn_En_DHCP_WiFi->Checked();
        for (const char* prefix : {"E_WiFi2", "E_WiFi2_Sta2"})
            for (const char* part : {"_IP", "_SM", "_GAT"})
                for (int i = 1; i <= 4; ++i) Ctl<TEdit>(std::string(prefix) + part + std::to_string(i)).SetEnabled(enabled);
    }
    Fit_To("CP_WiFi2", Stack_Rows(shown, 1));
}

void TFParGen::RePosition_Object_BACnet_Master() {
    const std::vector<std::string> ip = {
        "E_BACnet_IP_Master_IP4",         "E_BACnet_IP_Master_SM4",       "E_BACnet_IP_Master_GAT4",
        "E_BACnet_IP_Master_Port",        "E_BACnet_IP_Master_Device_Name", "E_BACnet_IP_Master_Device_ID",
        "E_BACnet_IP_Master_TimeOut_Polling"};
    const std::vector<std::string> mstp = {
        "CB_BACnet_MSTP_Master_Baudrate",  "CB_BACnet_MSTP_Master_Parity",      "E_BACnet_MSTP_Master_Device_Name",
        "E_BACnet_MSTP_Master_MAC",        "E_BACnet_MSTP_Master_Max_Master",   "E_BACnet_MSTP_Master_Max_Info_Frame",
        "E_BACnet_MSTP_Master_Device_Instance"};
    const bool isIP = Ctl<TComboBox>("CB_BACnet_Master_Type").ItemIndex() <= 0;
    // The MS/TP rows take the places of the IP rows, from the address down.
    Show_Rows(isIP ? mstp : ip, false);
    Fit_To("CP_BACnet_Master", Stack_Rows(isIP ? ip : mstp, 1));
    if (isIP) Enable_Address("BACnet_IP_Master", false);
}

void TFParGen::RePosition_Object_BACnet_Slave() {
    const std::vector<std::string> ip = {"E_BACnet_IP_Slave_IP4",  "E_BACnet_IP_Slave_SM4",
                                         "E_BACnet_IP_Slave_GAT4", "E_BACnet_IP_Slave_Port",
                                         "E_BACnet_IP_Slave_Device_Name", "E_BACnet_IP_Slave_Device_ID"};
    const std::vector<std::string> mstp = {
        "CB_BACnet_MSTP_Slave_Baudrate",     "CB_BACnet_MSTP_Slave_Parity",   "E_BACnet_MSTP_Slave_Device_Name",
        "E_BACnet_MSTP_Slave_MAC",           "E_BACnet_MSTP_Slave_Max_Master", "E_BACnet_MSTP_Slave_Max_Info_Frame",
        "E_BACnet_MSTP_Slave_Device_Instance", "E_BACnet_MSTP_Slave_Network"};
    const bool isIP = Ctl<TComboBox>("CB_BACnet_Slave_Type").ItemIndex() <= 0;
    Show_Rows(isIP ? mstp : ip, false);
    std::vector<std::string> shown = isIP ? ip : mstp;
    shown.push_back("CB_BACnet_Slave_Desc_32_Chars");
    Fit_To("CP_BACnet_Slave", Stack_Rows(shown, 1));
    if (isIP) Enable_Address("BACnet_IP_Slave", false);
}

void TFParGen::RePosition_Object_TLS_Server() {
    const std::vector<std::string> rows = {"CB_TLS_Server_Key", "E_TLS_Server_Key_Password", "CB_TLS_Server_Certificate",
                                           "CB_TLS_Server_Root_Certificate", "CB_TLS_Server_En_Known_Cert"};
    if (Ctl<TCheckBox>("CB_TLS_Server_Enable").Checked()) {
        Fit_To("CP_TLS_Server", Stack_Rows(rows, 1));
    } else {
        Show_Rows(rows, false);
        Fit_To("CP_TLS_Server", "CB_TLS_Server_Enable");
    }
}

void TFParGen::RePosition_Object_TLS() {
    const std::vector<std::string> rows = {"CB_TLS_En_Server_Auth", "CB_TLS_Server_Cert", "CB_TLS_En_Client_Auth",
                                           "CB_TLS_Client_Cert", "CB_TLS_Client_Key", "E_TLS_Client_Key_Password"};
    Show_Rows(rows, false);
    if (!Ctl<TCheckBox>("CB_TLS_Enable").Checked()) {
        Fit_To("CP_TLS", "CB_TLS_Enable");
        return;
    }
    std::vector<std::string> shown = {"CB_TLS_En_Server_Auth"};
    if (Ctl<TCheckBox>("CB_TLS_En_Server_Auth").Checked()) shown.push_back("CB_TLS_Server_Cert");
    shown.push_back("CB_TLS_En_Client_Auth");
    if (Ctl<TCheckBox>("CB_TLS_En_Client_Auth").Checked())
        shown.insert(shown.end(), {"CB_TLS_Client_Cert", "CB_TLS_Client_Key", "E_TLS_Client_Key_Password"});
    Fit_To("CP_TLS", Stack_Rows(shown, 1));
}

void TFParGen::RePosition_Object_MQTT() {
    const std::vector<std::string> below = {
        "E_MQTT_Will_Topic",     "E_MQTT_Will_Message", "CB_MQTT_Will_Retained", "CB_MQTT_Will_QoS",
        "CB_MQTT_PublishTopicConnection", "E_MQTT_Conn_Topic", "E_MQTT_Conn_Message", "CB_MQTT_Conn_Retained",
        "E_MQTT_UserName",       "E_MQTT_Password",     "E_MQTT_Send_Time",     "E_MQTT_DALI_Answer_Topic",
        "CB_MQTT_Enable_ReProgram", "E_MQTT_ReProgram_Topic"};
    Show_Rows(below, false);
    std::vector<std::string> shown;
    if (Ctl<TCheckBox>("CB_MQTT_WillFlag").Checked())
        shown = {"E_MQTT_Will_Topic", "E_MQTT_Will_Message", "CB_MQTT_Will_Retained", "CB_MQTT_Will_QoS"};
    shown.push_back("CB_MQTT_PublishTopicConnection");
    if (Ctl<TCheckBox>("CB_MQTT_PublishTopicConnection").Checked())
        shown.insert(shown.end(), {"E_MQTT_Conn_Topic", "E_MQTT_Conn_Message", "CB_MQTT_Conn_Retained"});
    shown.insert(shown.end(), {"E_MQTT_UserName", "E_MQTT_Password"});
    // The will flag is the seventh row; what it and the connection message
    // open follows it.
    Fit_To("CP_MQTT", Stack_Rows(shown, 7));
}

void TFParGen::RePosition_Object_SNMP_Agent() {
    const std::vector<std::string> v3 = {"E_SNMP_Agent_User", "CB_SNMP_Agent_SecurityLevel", "E_SNMP_Agent_Authority",
                                         "CB_SNMP_Agent_Authority_Mode", "E_SNMP_Agent_Privacy",
                                         "CB_SNMP_Agent_Privacy_Mode"};
    Show_Rows(v3, false);
    std::string last = "CB_SNMP_Agent_Version3";
    if (Ctl<TCheckBox>("CB_SNMP_Agent_Version3").Checked()) {
        const int level = Ctl<TComboBox>("CB_SNMP_Agent_SecurityLevel").ItemIndex();
        std::vector<std::string> shown = {"E_SNMP_Agent_User", "CB_SNMP_Agent_SecurityLevel"};
        if (level >= 1) shown.insert(shown.end(), {"E_SNMP_Agent_Authority", "CB_SNMP_Agent_Authority_Mode"});
        if (level >= 2) shown.insert(shown.end(), {"E_SNMP_Agent_Privacy", "CB_SNMP_Agent_Privacy_Mode"});
        // The version 3 box is the eighth row, after the address and the
        // communities and trap rows.
        last = Stack_Rows(shown, 8);
    }
    Fit_To("CP_SNMP_Agent", last);
    Enable_Address("SNMP_Agent", false);
}

void TFParGen::Order_TAB_Panels_Of(TGatewayModel Model) {
    std::map<std::string, int> headers;
    for (const auto& [name, text] : Panel_Headers()) headers[name] = text;
    // The group stacks its shown panels by their tops, restacking at every
    // move; a panel sent below everything before it is shown lands under
    // the ones placed before it, whatever top it had.
    constexpr int Below_Everything = 1 << 20;
    int number = 0;
    for (const std::string& name : Model_Panels(Model)) {
        auto& panel = Ctl<TCategoryPanel>(name);
        panel.SetTop(Below_Everything + number);
        panel.Show();
        panel.SetCaption(std::to_string(number + 1) + ". " + Lang_Texts[headers.at(name)]);
        panel.SetTabOrder(number);
        ++number;
    }
}

void TFParGen::RePosition_Objects_Of(TGatewayModel Model) {
    using TRoutine = void (TFParGen::*)();
    static const std::map<std::string, TRoutine> routines = {
        {"CP_Select_Device", &TFParGen::RePosition_Object_Select_Device},
        {"CP_Ethernet_Connection", &TFParGen::RePosition_Object_Ethernet_Connection},
        {"CP_LoRaWAN", &TFParGen::RePosition_Object_LoRaWAN},
        {"CP_EtherNetIP", &TFParGen::RePosition_Object_EtherNetIP},
        {"CP_Ethernet", &TFParGen::RePosition_Object_Ethernet},
        {"CP_Serial", &TFParGen::RePosition_Object_Serial},
        {"CP_Modbus_Master", &TFParGen::RePosition_Object_Modbus_Master},
        {"CP_Modbus_Slave", &TFParGen::RePosition_Object_Modbus_Slave},
        {"CP_Modbus_TCP_Master", &TFParGen::RePosition_Object_Modbus_TCP_Master},
        {"CP_Modbus_TCP_Slave", &TFParGen::RePosition_Object_Modbus_TCP_Slave},
        {"CP_BACnet_Master", &TFParGen::RePosition_Object_BACnet_Master},
        {"CP_BACnet_Slave", &TFParGen::RePosition_Object_BACnet_Slave},
        {"CP_CAN", &TFParGen::RePosition_Object_CAN},
        {"CP_CANopen", &TFParGen::RePosition_Object_CANopen},
        {"CP_DeviceNet_Master", &TFParGen::RePosition_Object_DeviceNet_Master},
        {"CP_DeviceNet_Slave", &TFParGen::RePosition_Object_DeviceNet_Slave},
        {"CP_DMX", &TFParGen::RePosition_Object_DMX},
        {"CP_IEC61850_Client", &TFParGen::RePosition_Object_IEC61850_Client},
        {"CP_IEC61850_Server", &TFParGen::RePosition_Object_IEC61850_Server},
        {"CP_J1939", &TFParGen::RePosition_Object_J1939},
        {"CP_MQTT", &TFParGen::RePosition_Object_MQTT},
        {"CP_WiFi2", &TFParGen::RePosition_Object_WiFi2},
        {"CP_TLS", &TFParGen::RePosition_Object_TLS},
        {"CP_NTP", &TFParGen::RePosition_Object_NTP},
        {"CP_NMEA2000", &TFParGen::RePosition_Object_NMEA2000},
        {"CP_OPC_UA_Client", &TFParGen::RePosition_Object_OPC_UA_Client},
        {"CP_OPC_UA_Server", &TFParGen::RePosition_Object_OPC_UA_Server},
        {"CP_PROFINET", &TFParGen::RePosition_Object_PROFINET},
        {"CP_SNMP_Manager", &TFParGen::RePosition_Object_SNMP_Manager},
        {"CP_SNMP_Agent", &TFParGen::RePosition_Object_SNMP_Agent},
        {"CP_TLS_Server", &TFParGen::RePosition_Object_TLS_Server},
        {"CP_EtherNetIP_Master", &TFParGen::RePosition_Object_EtherNetIP_Master},
        {"CP_S7_Protocol", &TFParGen::RePosition_Object_S7comm},
        {"CP_GSM_GPRS", &TFParGen::RePosition_Object_GSM_GPRS},
        {"CP_KNX", &TFParGen::RePosition_Object_KNX},
        {"CP_PROFIBUS", &TFParGen::RePosition_Object_PROFIBUS},
    };
    const std::vector<std::string>& panels = Model_Panels(Model);
    for (const std::string& name : panels) (this->*routines.at(name))();

    // BACnet/IP needs no second Ethernet port; MS/TP runs beside one.
    if (Model == TGatewayModel::BACnet_Master || Model == TGatewayModel::BACnet_Slave) {
        const char* list = Model == TGatewayModel::BACnet_Master ? "CB_BACnet_Master_Type" : "CB_BACnet_Slave_Type";
        Show_Panel_By("CP_Ethernet", Ctl<TComboBox>(list).ItemIndex() == 1);
    }
    const bool hasSelect = panels.front() == "CP_Select_Device";
    if (!hasSelect) return;
    const int device = CB_Select_Device_Device->ItemIndex();
    if (Model == TGatewayModel::MQTT) {
        Show_Panel_By("CP_WiFi2", device == 1);
        Show_Panel_By("CP_GSM_GPRS", device == 2);
        return;
    }
    // The mobile connection has no panel of its own outside the MQTT model:
    // the Wi-Fi panel stays as it was.
    if (device == 0) Show_Panel_By("CP_WiFi2", false);
    else if (device == 1) Show_Panel_By("CP_WiFi2", true);
}

}  // namespace gw
