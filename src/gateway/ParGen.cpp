#include "gateway/ParGen.h"

#include <array>
#include <stdexcept>
#include <map>
#include <utility>
#include <vector>

#include "gateway/CheckResult.h"
#include "gateway/EditPaste.h"
#include "gateway/GatewayControls.h"
#include "gateway/KeyFilters.h"
#include "gateway/LoRaWANBands.h"
#include "gateway/ParGenCheck.h"
#include "gateway/ParGenLoad.h"
#include "gateway/ParGenPanels.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "platform/Messages.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace gw {

using namespace plat;
using shell::Lang_Texts;

TFParGen* FParGen = nullptr;

namespace {

constexpr int Client_Width = 460;
constexpr int Client_Height = 700;
// Below the last control of a panel, before the next panel's header.
constexpr int Panel_Bottom_Margin = 12;

// The control that shows each key of the file.
const std::map<std::string, std::string>& Key_Controls() {
    static const std::map<std::string, std::string> controls = [] {
        std::map<std::string, std::string> m = {
            {"Eth_Conn_Device_Name", "E_EthConn_Device_Name"},
            {"Eth_Conn_DHCP_Cable", "CB_EthConn_En_DHCP_Cable"},
            {"Eth_Conn_DHCP_WiFi", "CB_EthConn_En_DHCP_WiFi"},
            {"Eth_Conn_Enable_DNS", "CB_EthConn_Enable_DNS"},
            {"LoRaWAN_Mode", "CB_LoRaWAN_Mode"},
            {"LoRaWAN_RF_Band", "CB_LoRaWAN_RF_Band"},
            {"LoRaWAN_Server_Address", "E_LoRaWAN_Server_Address"},
            {"LoRaWAN_Server_Port_Up", "E_LoRaWAN_Server_Port_Up"},
            {"LoRaWAN_Server_Port_Down", "E_LoRaWAN_Server_Port_Down"},
            {"LoRaWAN_KeepAlive_Interval", "E_LoRaWAN_KeepAlive_Interval"},
            {"LoRaWAN_Network_Type", "CB_LoRaWAN_Network_Type"},
            {"LoRaWAN_Adaptive_DataRate", "CB_LoRaWAN_Adaptive_DataRate"},
            {"LoRaWAN_DataRate", "CB_LoRaWAN_DataRate"},
            {"LoRaWAN_Transmission_Type", "CB_LoRaWAN_Transmission_Type"},
            {"LoRaWAN_Join_EUI", "E_LoRaWAN_Join_EUI"},
            {"LoRaWAN_Activation_Method", "CB_LoRaWAN_Activation_Method"},
            {"LoRaWAN_Device_Address", "E_LoRaWAN_Device_Address"},
            {"LoRaWAN_Network_Session_Key", "E_LoRaWAN_Network_Session_Key"},
            {"LoRaWAN_Application_Session_Key", "E_LoRaWAN_Application_Session_Key"},
            {"LoRaWAN_Application_Key", "E_LoRaWAN_Application_Key"},
            {"LoRaWAN_Class", "CB_LoRaWAN_Class"},
            {"LoRaWAN_Diagostic_Position", "E_LoRaWAN_Diag_Pos"},
            {"LoRaWAN_RX2_Datarate", "CB_LoRaWAN_RX2_Datarate"},
            {"LoRaWAN_Frequency_Sub_Band", "CB_LoRaWAN_FreqSubBand"},
            {"EtherNetIP_EN_GAT", "CB_EtherNetIP_GAT"},
            {"EtherNetIP_NB_Input", "E_EtherNetIP_NByte_In"},
            {"EtherNetIP_NB_Output", "E_EtherNetIP_NByte_Out"},
        };
        for (int i = 1; i <= 4; ++i) {
            const std::string n = std::to_string(i);
            m["Eth_Conn_Primary_DNS" + n] = "E_EthConn_Pri_DNS_IP" + n;
            m["Eth_Conn_Secondary_DNS" + n] = "E_EthConn_Sec_DNS_IP" + n;
            m["EtherNetIP_IP" + n] = "E_EtherNetIP_IP" + n;
            m["EtherNetIP_SM" + n] = "E_EtherNetIP_SM" + n;
            m["EtherNetIP_GAT" + n] = "E_EtherNetIP_GAT" + n;
        }
        return m;
    }();
    return controls;
}

// The label (empty for the check-box row) and the control of each row of
// the LoRaWAN panel, in the order of TLoRaWANRow.
const std::array<std::pair<const char*, const char*>, LoRaWAN_Row_Count> LoRaWAN_Rows = {{
    {"L_LoRaWAN_Mode", "CB_LoRaWAN_Mode"},
    {"L_LoRaWAN_RF_Band", "CB_LoRaWAN_RF_Band"},
    {"L_LoRaWAN_Server_Address", "E_LoRaWAN_Server_Address"},
    {"L_LoRaWAN_Server_Port_Up", "E_LoRaWAN_Server_Port_Up"},
    {"L_LoRaWAN_Server_Port_Down", "E_LoRaWAN_Server_Port_Down"},
    {"L_LoRaWAN_KeepAlive_Interval", "E_LoRaWAN_KeepAlive_Interval"},
    {"L_LoRaWAN_Network_Type", "CB_LoRaWAN_Network_Type"},
    {"", "CB_LoRaWAN_Adaptive_DataRate"},
    {"L_LoRaWAN_DataRate", "CB_LoRaWAN_DataRate"},
    {"L_LoRaWAN_Transmission_Type", "CB_LoRaWAN_Transmission_Type"},
    {"L_LoRaWAN_Join_EUI", "E_LoRaWAN_Join_EUI"},
    {"L_LoRaWAN_Activation_Method", "CB_LoRaWAN_Activation_Method"},
    {"L_LoRaWAN_Device_Address", "E_LoRaWAN_Device_Address"},
    {"L_LoRaWAN_Network_Session_Key", "E_LoRaWAN_Network_Session_Key"},
    {"L_LoRaWAN_Application_Session_Key", "E_LoRaWAN_Application_Session_Key"},
    {"L_LoRaWAN_Application_Key", "E_LoRaWAN_Application_Key"},
    {"L_LoRaWAN_Class", "CB_LoRaWAN_Class"},
    {"L_LoRaWAN_Diag_Pos", "E_LoRaWAN_Diag_Pos"},
    {"L_LoRaWAN_RX2_Datarate", "CB_LoRaWAN_RX2_Datarate"},
    {"L_LoRaWAN_FreqSubBand", "CB_LoRaWAN_FreqSubBand"},
}};

// The address-octet edits in the order of TOctetEdit.
const std::vector<std::string>& Octet_Edits() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (const char* prefix : {"E_EthConn_Pri_DNS_IP", "E_EthConn_Sec_DNS_IP", "E_EtherNetIP_IP",
                                   "E_EtherNetIP_SM", "E_EtherNetIP_GAT"})
            for (int i = 1; i <= 4; ++i) v.push_back(prefix + std::to_string(i));
        return v;
    }();
    return names;
}

struct TLangEntry {
    std::string control;
    int caption;  // 0: none
    int hint;     // 0: none
};

// Captions and hints of the controls this window labels.
const std::vector<TLangEntry>& Lang_Entries() {
    static const std::vector<TLangEntry> entries = [] {
        std::vector<TLangEntry> e = {
            {"Btn_OK", 402, 404},
            {"Btn_Cancel", 403, 405},
            {"L_EthConn_Device_Name", 407, 0},
            {"E_EthConn_Device_Name", 0, 408},
            {"CB_EthConn_En_DHCP_Cable", 409, 410},
            {"CB_EthConn_En_DHCP_WiFi", 411, 412},
            {"CB_EthConn_Enable_DNS", 413, 414},
            {"L_EthConn_Primary_DNS", 415, 0},
            {"L_EthConn_Secondary_DNS", 420, 0},
            {"L_LoRaWAN_Mode", 1367, 0},
            {"CB_LoRaWAN_Mode", 0, 1368},
            {"L_LoRaWAN_RF_Band", 1338, 0},
            {"CB_LoRaWAN_RF_Band", 0, 1369},
            {"L_LoRaWAN_Server_Address", 1339, 0},
            {"E_LoRaWAN_Server_Address", 0, 1370},
            {"L_LoRaWAN_Server_Port_Up", 1340, 0},
            {"E_LoRaWAN_Server_Port_Up", 0, 1371},
            {"L_LoRaWAN_Server_Port_Down", 1341, 0},
            {"E_LoRaWAN_Server_Port_Down", 0, 1372},
            {"L_LoRaWAN_KeepAlive_Interval", 1342, 0},
            {"E_LoRaWAN_KeepAlive_Interval", 0, 1373},
            {"L_LoRaWAN_Network_Type", 1374, 0},
            {"CB_LoRaWAN_Network_Type", 0, 1375},
            {"CB_LoRaWAN_Adaptive_DataRate", 1376, 1377},
            {"L_LoRaWAN_DataRate", 1378, 0},
            {"CB_LoRaWAN_DataRate", 0, 1379},
            {"L_LoRaWAN_Transmission_Type", 1380, 0},
            {"CB_LoRaWAN_Transmission_Type", 0, 1381},
            {"L_LoRaWAN_Join_EUI", 1382, 0},
            {"E_LoRaWAN_Join_EUI", 0, 1383},
            {"L_LoRaWAN_Activation_Method", 1384, 0},
            {"CB_LoRaWAN_Activation_Method", 0, 1385},
            {"L_LoRaWAN_Device_Address", 1386, 0},
            {"E_LoRaWAN_Device_Address", 0, 1387},
            {"L_LoRaWAN_Network_Session_Key", 1388, 0},
            {"E_LoRaWAN_Network_Session_Key", 0, 1389},
            {"L_LoRaWAN_Application_Session_Key", 1390, 0},
            {"E_LoRaWAN_Application_Session_Key", 0, 1391},
            {"L_LoRaWAN_Application_Key", 1392, 0},
            {"E_LoRaWAN_Application_Key", 0, 1393},
            {"L_LoRaWAN_Class", 1394, 0},
            {"CB_LoRaWAN_Class", 0, 1395},
            {"L_LoRaWAN_Diag_Pos", 1406, 0},
            {"E_LoRaWAN_Diag_Pos", 0, 1407},
            {"L_LoRaWAN_RX2_Datarate", 1409, 0},
            {"CB_LoRaWAN_RX2_Datarate", 0, 1410},
            {"L_LoRaWAN_FreqSubBand", 1411, 0},
            {"CB_LoRaWAN_FreqSubBand", 0, 1412},
            {"L_EtherNetIP_IP", 993, 0},
            {"L_EtherNetIP_SM", 998, 0},
            {"CB_EtherNetIP_GAT", 1003, 1004},
            {"L_EtherNetIP_TunnelPort", 1009, 0},
            {"E_EtherNetIP_TunnelPort", 0, 1010},
            {"L_EtherNetIP_NByte_In", 1011, 0},
            {"E_EtherNetIP_NByte_In", 0, 1012},
            {"L_EtherNetIP_NByte_Out", 1013, 0},
            {"E_EtherNetIP_NByte_Out", 0, 1014},
            {"L_Select_Device_Device", 1036, 0},
            {"CB_Select_Device_Device", 0, 1037},
        };
        const std::pair<const char*, int> octets[] = {{"E_EthConn_Pri_DNS_IP", 416},
                                                      {"E_EthConn_Sec_DNS_IP", 421},
                                                      {"E_EtherNetIP_IP", 994},
                                                      {"E_EtherNetIP_SM", 999},
                                                      {"E_EtherNetIP_GAT", 1005}};
        for (const auto& [prefix, first] : octets)
            for (int i = 0; i < 4; ++i) e.push_back({prefix + std::to_string(i + 1), 0, first + i});
        return e;
    }();
    return entries;
}

std::string Selected_Text(TComboBox& list) {
    const int i = list.ItemIndex();
    return i >= 0 && i < list.Items().Count() ? list.Items()[i] : std::string();
}

void Fill_List(TComboBox& list, const std::vector<std::string>& entries) {
    list.Items().Assign(entries);
    list.SetItemIndex(entries.empty() ? -1 : 0);
}

}  // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner) {
    Register_Gateway_Controls();
    LoadFormLayout(*this, "TFParGen",
                   {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                    {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                    {"On_Change", TNotifyEvent([this](TObject* s) { On_Change(s); })},
                    {"On_Click", TNotifyEvent([this](TObject* s) { On_Click(s); })},
                    {"KeyPress", TKeyPressEvent([this](TObject* s, char32_t& k) { KeyPress(s, k); })},
                    {"OnKeyPress", TKeyPressEvent([this](TObject* s, char32_t& k) { OnKeyPress(s, k); })},
                    {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
                    {"Btn_CancelClick", TNotifyEvent([this](TObject*) { Btn_CancelClick(); })}});
    P_Title = &Ctl<TPanel>("P_Title");
    L_SW_Code = &Ctl<TLabel>("L_SW_Code");
    L_SW_Desc = &Ctl<TLabel>("L_SW_Desc");
    P_Button = &Ctl<TPanel>("P_Button");
    Btn_OK = &Ctl<TControl>("Btn_OK");
    Btn_Cancel = &Ctl<TControl>("Btn_Cancel");
    CPG = &Ctl<TCategoryPanelGroup>("CPG");
    CP_Select_Device = &Ctl<TCategoryPanel>("CP_Select_Device");
    CP_Ethernet_Connection = &Ctl<TCategoryPanel>("CP_Ethernet_Connection");
    CP_LoRaWAN = &Ctl<TCategoryPanel>("CP_LoRaWAN");
    CP_EtherNetIP = &Ctl<TCategoryPanel>("CP_EtherNetIP");
    CB_Select_Device_Device = &Ctl<TComboBox>("CB_Select_Device_Device");
    CB_LoRaWAN_Mode = &Ctl<TComboBox>("CB_LoRaWAN_Mode");
    CB_LoRaWAN_RF_Band = &Ctl<TComboBox>("CB_LoRaWAN_RF_Band");
    CB_LoRaWAN_Activation_Method = &Ctl<TComboBox>("CB_LoRaWAN_Activation_Method");
    CB_LoRaWAN_DataRate = &Ctl<TComboBox>("CB_LoRaWAN_DataRate");
    CB_LoRaWAN_RX2_Datarate = &Ctl<TComboBox>("CB_LoRaWAN_RX2_Datarate");
    CB_EthConn_En_DHCP_Cable = &Ctl<TCheckBox>("CB_EthConn_En_DHCP_Cable");
    CB_EthConn_En_DHCP_WiFi = &Ctl<TCheckBox>("CB_EthConn_En_DHCP_WiFi");
    for (const auto& [name, text] : Panel_Headers()) (void)Ctl<TCategoryPanel>(name);
    SetPendingComponents([this] { Build_Hidden_Panels(); });
    Set_Paste_Rules();

    // The wheel reaches whichever part of the window lies under the pointer;
    // the group and its panels pass it to the window's handler.
    const TMouseWheelEvent wheel = [this](TObject*, TShiftState Shift, int Delta, TPoint Pos, bool& Handled) {
        FormMouseWheel(Shift, Delta, Pos, Handled);
    };
    OnMouseWheel = wheel;
    CPG->OnMouseWheel = wheel;
    for (int i = 0; i < CPG->PanelCount(); ++i) CPG->Panels(i)->OnMouseWheel = wheel;
}

TFParGen::~TFParGen() {
    SetPendingComponents(nullptr);
    if (FParGen == this) FParGen = nullptr;
}

void TFParGen::Set_Paste_Rules() {
    const auto& octets = Octet_Edits();
    for (size_t i = 0; i < octets.size(); ++i) {
        const auto edit = static_cast<TOctetEdit>(i);
        std::vector<TEdit*> chain;
        for (TOctetEdit e = OctetKeyPress(edit, U'.').focusTo; e != Octet_None; e = OctetKeyPress(e, U'.').focusTo)
            chain.push_back(&Ctl<TEdit>(octets[static_cast<size_t>(e)]));
        Paste_As_Typed(Ctl<TEdit>(octets[i]), [edit](char32_t key) { return OctetKeyPress(edit, key).key; },
                       chain, U'.');
    }
    const std::string hex[] = {"E_LoRaWAN_Join_EUI", "E_LoRaWAN_Device_Address", "E_LoRaWAN_Network_Session_Key",
                               "E_LoRaWAN_Application_Session_Key", "E_LoRaWAN_Application_Key"};
    for (const std::string& name : hex) Paste_As_Typed(Ctl<TEdit>(name), HexKeyPress);
    for (const auto& [key, name] : Key_Controls()) {
        auto* edit = dynamic_cast<TEdit*>(&Ctl<TComponent>(name));
        if (edit != nullptr && !edit->OnPaste) Paste_As_Typed(*edit);
    }
}

void TFParGen::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    for (const auto& [name, text] : Panel_Headers()) {
        auto& panel = Ctl<TCategoryPanel>(name);
        panel.Hide();
        // The panels this model never shows still carry their group's name,
        // as the layouts of the other models number and show them.
        panel.SetCaption(Lang_Texts[text]);
    }
    Order_TAB_Panels();
    Move_GroupBoxs();
    CB_Select_Device_Device->Items().Clear();
    for (int t : {1346, 1347, 1348}) CB_Select_Device_Device->Items().Add(Lang_Texts[t]);
    CB_Select_Device_Device->SetItemIndex(0);
    Set_Lang();
}

void TFParGen::Set_Lang() {
    SetCaption(Lang_Texts[400]);
    L_SW_Desc->SetCaption(Lang_Texts[401]);
    for (const TLangEntry& e : Lang_Entries()) {
        auto& c = Ctl<TControl>(e.control);
        if (e.caption != 0) c.SetCaption(Lang_Texts[e.caption]);
        if (e.hint != 0) c.SetHint(Lang_Texts[e.hint]);
    }
    Set_Lang_Hidden_Panels();
}

void TFParGen::Order_TAB_Panels() { Order_TAB_Panels_4A902(); }

void TFParGen::Move_GroupBoxs() { RePosition_Objects_4A902(); }

void TFParGen::Order_TAB_Panels_4A902() {
    const std::pair<TCategoryPanel*, int> order[] = {
        {CP_Ethernet_Connection, 406}, {CP_LoRaWAN, 1337}, {CP_EtherNetIP, 992}};
    int top = 0;
    int number = 0;
    for (const auto& [panel, text] : order) {
        panel->Show();
        panel->SetTop(top);
        top = panel->Top() + panel->Height();
        panel->SetCaption(std::to_string(number + 1) + ". " + Lang_Texts[text]);
        panel->SetTabOrder(number);
        ++number;
    }
}

void TFParGen::RePosition_Objects_4A902() {
    RePosition_Object_Ethernet_Connection();
    RePosition_Object_LoRaWAN();
    RePosition_Object_EtherNetIP();
}

namespace {

// The panel ends a margin below its last control; the control's top is in
// the panel's coordinates, so the header is already counted in it.
void Fit_Panel(TCategoryPanel& panel, const TControl& last) {
    panel.SetHeight(last.Top() + last.Height() + Panel_Bottom_Margin);
}

}  // namespace

void TFParGen::RePosition_Object_Ethernet_Connection() {
    Fit_Panel(*CP_Ethernet_Connection, Ctl<TEdit>("E_EthConn_Sec_DNS_IP4"));
    CB_EthConn_En_DHCP_WiFi->SetEnabled(DHCP_WiFi_Enabled(CB_Select_Device_Device->ItemIndex()));
}

void TFParGen::RePosition_Object_LoRaWAN() {
    const int activation = CB_LoRaWAN_Activation_Method->ItemIndex() <= 0 ? 0 : 1;
    const TLoRaWANLayout layout = gw::RePosition_Object_LoRaWAN(CB_LoRaWAN_Mode->ItemIndex() <= 0 ? 0 : 1, activation,
                                                            Selected_Text(*CB_LoRaWAN_RF_Band));
    const int clientTop = CP_LoRaWAN->ClientTop();
    for (int r = 0; r < LoRaWAN_Row_Count; ++r) {
        const TRowPlace& place = layout.rows[static_cast<size_t>(r)];
        const auto& [labelName, controlName] = LoRaWAN_Rows[static_cast<size_t>(r)];
        auto& control = Ctl<TControl>(controlName);
        const bool isCheck = dynamic_cast<TCheckBox*>(&control) != nullptr;
        control.SetVisible(place.visible);
        if (*labelName != '\0') Ctl<TLabel>(labelName).SetVisible(place.visible);
        if (!place.visible) continue;
        if (*labelName != '\0') Ctl<TLabel>(labelName).SetTop(clientTop + place.top);
        control.SetTop(clientTop + place.top - (isCheck ? 0 : Control_Raise));
    }
    Fit_Panel(*CP_LoRaWAN, Ctl<TControl>(LoRaWAN_Rows[static_cast<size_t>(layout.last)].second));
}

void TFParGen::RePosition_Object_EtherNetIP() {
    Fit_Panel(*CP_EtherNetIP, Ctl<TEdit>("E_EtherNetIP_NByte_Out"));
    const bool enabled = EtherNetIP_Address_Enabled(CB_EthConn_En_DHCP_Cable->Checked());
    for (const char* prefix : {"E_EtherNetIP_IP", "E_EtherNetIP_SM", "E_EtherNetIP_GAT"})
        for (int i = 1; i <= 4; ++i) Ctl<TEdit>(prefix + std::to_string(i)).SetEnabled(enabled);
}

void TFParGen::Change_LoRaWAN_DataRate() {
    const std::string band = Selected_Text(*CB_LoRaWAN_RF_Band);
    Fill_List(*CB_LoRaWAN_DataRate, DataRateEntries(band));
    Fill_List(*CB_LoRaWAN_RX2_Datarate, RX2DataRateNames(band));
}

TParGenData TFParGen::Controls_Data() {
    TParGenData data;
    for (const TParGenKey& key : ParGenKeys()) {
        TComponent& c = Ctl<TComponent>(Key_Controls().at(key.name));
        std::string& value = data.*key.field;
        if (auto* edit = dynamic_cast<TEdit*>(&c)) value = edit->Text();
        else if (auto* list = dynamic_cast<TComboBox*>(&c)) value = Selected_Text(*list);
        else if (auto* box = dynamic_cast<TCheckBox*>(&c)) value = box->Checked() ? "1" : "0";
    }
    // This model is always a gateway, whatever the list was left on.
    data.LoRaWAN_Mode = Mode_Gateway;
    return data;
}

void TFParGen::Show_Values(const TParGenData& shown) {
    auto put = [this](const TParGenKey& key, const std::string& value) {
        TComponent& c = Ctl<TComponent>(Key_Controls().at(key.name));
        if (auto* edit = dynamic_cast<TEdit*>(&c)) edit->SetText(value);
        else if (auto* list = dynamic_cast<TComboBox*>(&c)) list->SetItemIndex(list->Items().IndexOf(value));
        else if (auto* box = dynamic_cast<TCheckBox*>(&c)) box->SetChecked(value == "1");
    };
    // The band decides which data-rate lists the stored rates are found in.
    CB_LoRaWAN_RF_Band->SetItemIndex(CB_LoRaWAN_RF_Band->Items().IndexOf(shown.LoRaWAN_RF_Band));
    Change_LoRaWAN_DataRate();
    for (const TParGenKey& key : ParGenKeys()) put(key, shown.*key.field);
}

void TFParGen::FormShow() {
    // A window on the screen holds all its controls, whether they show or not.
    MakePendingComponents();
    TParGenData stored;
    std::string error;
    if (!LoadParGen(shell::ParGen_File, stored, &error)) {
        // The defaults are shown instead; the file stays as it is until the
        // user saves with OK.
        MessageDlg(error, mtError, mbOK);
    }
    Show_Values(ParGen_Shown_Values(stored));
    FChanges.Loaded();
    Move_GroupBoxs();
}

void TFParGen::On_Change(TObject* Sender) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    const TParGenRedo redo = FChanges.On_Change(c != nullptr ? c->Name() : std::string());
    if (redo == TParGenRedo::Nothing) return;
    Move_GroupBoxs();
    if (redo == TParGenRedo::LayoutAndRates) Change_LoRaWAN_DataRate();
}

void TFParGen::On_Click(TObject* Sender) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    if (FChanges.On_Click(c != nullptr ? c->Name() : std::string())) Move_GroupBoxs();
}

void TFParGen::KeyPress(TObject* Sender, char32_t& Key) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    if (c == nullptr) return;
    const auto& names = Octet_Edits();
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] != c->Name()) continue;
        const TOctetKeyAnswer answer = OctetKeyPress(static_cast<TOctetEdit>(i), Key);
        Key = answer.key.accepted ? answer.key.key : 0;
        if (answer.focusTo != Octet_None) {
            auto& next = Ctl<TEdit>(names[static_cast<size_t>(answer.focusTo)]);
            // The next octet's old text is selected, so an address typed
            // in one go replaces it instead of running into it.
            if (next.CanFocus()) {
                next.SetFocus();
                next.SelectAll();
            }
        }
        return;
    }
    // The octets of the hidden panels have no chain to follow, but a point
    // is never part of a number either.
    if (Key == U'.') Key = 0;
}

void TFParGen::OnKeyPress(TObject*, char32_t& Key) {
    const TKeyAnswer answer = HexKeyPress(Key);
    Key = answer.accepted ? answer.key : 0;
}

void TFParGen::FormMouseWheel(TShiftState, int WheelDelta, TPoint MousePos, bool& Handled) {
    const TPoint p = CPG->ScreenToClient(MousePos);
    if (p.X < 0 || p.Y < 0 || p.X >= CPG->ClientWidth() || p.Y >= CPG->ClientHeight()) return;
    Handled = true;
    const int lines = Mouse->WheelScrollLines();
    for (int i = 0; i < lines; ++i) {
        CPG->Perform(WM_VSCROLL, WheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
        CPG->Perform(WM_VSCROLL, SB_ENDSCROLL);
    }
}

TLoRaWANLayout TFParGen::Shown_LoRaWAN_Rows() const {
    // What the user can see is what the check may hold against him: each
    // control by its own visibility.
    TLoRaWANLayout shown;
    for (int r = 0; r < LoRaWAN_Row_Count; ++r)
        shown.rows[static_cast<size_t>(r)].visible =
            Ctl<TControl>(LoRaWAN_Rows[static_cast<size_t>(r)].second).Visible();
    return shown;
}

bool TFParGen::Controllo_Dati() {
    const TCheckResult result = gw::Controllo_Dati(Controls_Data(), Shown_LoRaWAN_Rows());
    if (result.Ok()) return true;
    MessageDlg(CheckMessage(result), mtError, mbOK);
    Go_To_Field(Failed_Key(result));
    return false;
}

void TFParGen::Go_To_Field(const char* Key) {
    if (Key == nullptr) return;
    auto* field = dynamic_cast<TWinControl*>(&Ctl<TComponent>(Key_Controls().at(Key)));
    if (field == nullptr) return;
    int top = 0;
    TWinControl* p = field;
    for (; p != nullptr && p != CPG; p = p->Parent()) {
        if (auto* panel = dynamic_cast<TCategoryPanel*>(p); panel != nullptr && panel->Collapsed()) panel->Expand();
        top += p->Top();
    }
    if (p == CPG) {
        // The group scrolls as little as shows the whole field.
        const int margin = 8;
        if (top < 0)
            CPG->SetVertScrollPos(CPG->VertScrollPos() + top - margin);
        else if (top + field->Height() > CPG->ClientHeight())
            CPG->SetVertScrollPos(CPG->VertScrollPos() + top + field->Height() - CPG->ClientHeight() + margin);
    }
    // A field the form has switched off (the address under DHCP) cannot
    // take the focus; it is at least in sight.
    if (!field->CanFocus()) return;
    field->SetFocus();
    if (auto* edit = dynamic_cast<TEdit*>(field)) edit->SelectAll();
}

void TFParGen::Btn_OKClick() {
    if (!Controllo_Dati()) return;
    std::string error;
    if (!SaveParGen(Controls_Data(), shell::ParGen_File, &error)) {
        // The old file is untouched and the window stays open with the
        // user's values, so nothing is lost and the save can be retried.
        MessageDlg(error, mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick() {
    if (FChanges.Cancel_Asks() &&
        MessageDlg(Lang_Texts[Text_Exit_Without_Saving], mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    SetModalResult(mrCancel);
}

void TFParGen::WMSize(TMessage& Message) {
    TForm::WMSize(Message);
    if (FResizing || ClientWidth() == Client_Width) return;
    FResizing = true;
    SetClientWidth(Client_Width);
    FResizing = false;
}

}  // namespace gw
