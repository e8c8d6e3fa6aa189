// The parameter window's panels of the other gateway models: built hidden,
// labelled from their own block of texts, and laid out by the routines of
// the models that show them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GatewayTestSupport.h"
#include "gateway/ParGen.h"
#include "platform/Application.h"
#include "platform/CategoryPanels.h"
#include "platform/TestHooks.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class ParGenPanels : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(
            gwtest::OpenPlantConfiguration((fs::path(VASTRIMO_TEST_OUT) / "pargen_panels").string()));
        InitApplication();
    }
    void TearDown() override { dlg.reset(); }

    void Make() {
        dlg = std::make_unique<gw::TFParGen>(nullptr);
        dlg->DoCreate();
    }

    TCategoryPanel& Panel(const std::string& name) { return dlg->Ctl<TCategoryPanel>(name); }
    TControl& Control(const std::string& name) { return dlg->Ctl<TControl>(name); }
    TComboBox& List(const std::string& name) { return dlg->Ctl<TComboBox>(name); }
    TCheckBox& Box(const std::string& name) { return dlg->Ctl<TCheckBox>(name); }

    // Shown inside its panel: the control and everything up to the panel.
    bool Shown(const std::string& name) { return Control(name).Visible(); }
    int BottomOf(const std::string& name) { return Control(name).Top() + Control(name).Height() + 12; }

    std::unique_ptr<gw::TFParGen> dlg;
};

TCategoryPanel* PanelOf(TControl* c) {
    for (TWinControl* p = c->Parent(); p != nullptr; p = p->Parent())
        if (auto* panel = dynamic_cast<TCategoryPanel*>(p)) return panel;
    return nullptr;
}

// Every text number of a hidden panel's block lands on one of its controls,
// once; the numbers are marked so that a text given to the wrong control or
// left out shows.
TEST_F(ParGenPanels, EachHiddenPanelIsLabelledFromItsOwnTextBlock) {
    for (int n = 400; n < 1500; ++n) shell::Lang_Texts[n] = "#" + std::to_string(n);
    Make();
    const struct {
        const char* panel;
        int first, last;
    } blocks[] = {
        {"CP_Ethernet", 426, 445},          {"CP_Serial", 447, 454},
        {"CP_Modbus_Master", 456, 467},     {"CP_Modbus_Slave", 469, 480},
        {"CP_Modbus_TCP_Master", 482, 501}, {"CP_Modbus_TCP_Slave", 503, 520},
        {"CP_BACnet_Master", 522, 561},     {"CP_BACnet_Slave", 563, 604},
        {"CP_CAN", 606, 607},               {"CP_CANopen", 609, 619},
        {"CP_DeviceNet_Master", 621, 624},  {"CP_DeviceNet_Slave", 626, 633},
        {"CP_DMX", 635, 638},               {"CP_IEC61850_Client", 640, 659},
        {"CP_IEC61850_Server", 661, 680},   {"CP_J1939", 682, 689},
        {"CP_MQTT", 691, 732},              {"CP_WiFi2", 734, 811},
        {"CP_TLS", 813, 826},               {"CP_NTP", 828, 831},
        {"CP_NMEA2000", 833, 838},          {"CP_OPC_UA_Client", 840, 855},
        {"CP_OPC_UA_Server", 857, 874},     {"CP_PROFINET", 876, 902},
        {"CP_SNMP_Manager", 904, 920},      {"CP_SNMP_Agent", 922, 959},
        {"CP_TLS_Server", 961, 972},        {"CP_EtherNetIP_Master", 974, 991},
        {"CP_S7_Protocol", 1019, 1034},     {"CP_Select_Device", 1036, 1037},
        {"CP_GSM_GPRS", 1039, 1048},        {"CP_KNX", 1350, 1353},
        {"CP_PROFIBUS", 1356, 1363},
    };
    // What each panel's controls carry: captions, hints and list entries.
    std::map<std::string, std::multiset<int>> found;
    for (int i = 0; i < dlg->ComponentCount(); ++i) {
        auto* c = dynamic_cast<TControl*>(dlg->Components(i));
        if (c == nullptr) continue;
        TCategoryPanel* panel = PanelOf(c);
        if (panel == nullptr) continue;
        std::vector<std::string> texts = {c->Hint()};
        // A list's caption is its chosen entry, counted with its entries.
        if (auto* list = dynamic_cast<TComboBox*>(c)) {
            const auto items = list->Items().Items();
            texts.insert(texts.end(), items.begin(), items.end());
        } else {
            texts.push_back(c->Caption());
        }
        for (const std::string& t : texts)
            if (t.size() > 1 && t[0] == '#') found[panel->Name()].insert(std::stoi(t.substr(1)));
    }
    for (const auto& b : blocks) {
        std::multiset<int> expected;
        for (int n = b.first; n <= b.last; ++n) expected.insert(n);
        // The device list's entries are given at creation from texts of their own.
        if (std::string(b.panel) == "CP_Select_Device") expected.insert({1346, 1347, 1348});
        EXPECT_EQ(found[b.panel], expected) << b.panel;
        EXPECT_FALSE(Panel(b.panel).Visible()) << b.panel;
    }
    // The Wi-Fi lists take their entries from the texts, first entry chosen.
    EXPECT_EQ(List("CB_WiFi2_Type").Items().Items(), (std::vector<std::string>{"#736", "#737"}));
    EXPECT_EQ(List("CB_WiFi2_Channel").ItemIndex(), 0);
    EXPECT_EQ(List("CB_WiFi2_Channel").Items().Count(), 12);
}

// What holds for the whole family: the Ethernet connection and LoRaWAN
// panels everywhere, in that order; the twelve models with a choice of
// connection put the device panel first and Wi-Fi last (the MQTT model,
// before its mobile panel).
TEST(GatewayModels, EveryModelKeepsTheFamilyOrder) {
    int withSelect = 0;
    for (int m = 0; m < gw::Gateway_Model_Count; ++m) {
        const std::vector<std::string>& p = gw::Model_Panels(static_cast<gw::TGatewayModel>(m));
        const bool select = p.front() == "CP_Select_Device";
        const size_t eth = select ? 1 : 0;
        ASSERT_GT(p.size(), eth + 2) << m;
        EXPECT_EQ(p[eth], "CP_Ethernet_Connection") << m;
        EXPECT_EQ(p[eth + 1], "CP_LoRaWAN") << m;
        EXPECT_EQ(std::set<std::string>(p.begin(), p.end()).size(), p.size()) << m;
        if (!select) {
            EXPECT_EQ(std::count(p.begin(), p.end(), "CP_WiFi2"), 0) << m;
            continue;
        }
        ++withSelect;
        const bool mqtt = static_cast<gw::TGatewayModel>(m) == gw::TGatewayModel::MQTT;
        EXPECT_EQ(p[p.size() - (mqtt ? 2 : 1)], "CP_WiFi2") << m;
        if (mqtt) {
            EXPECT_EQ(p.back(), "CP_GSM_GPRS");
        }
    }
    EXPECT_EQ(withSelect, 12);
}

// The panels of a model are shown, numbered and stacked in its order.
TEST_F(ParGenPanels, ModelPanelOrderNumbersAndStacksItsPanels) {
    Make();
    const struct {
        gw::TGatewayModel model;
        std::vector<std::string> captions;
    } cases[] = {
        {gw::TGatewayModel::MQTT,
         {"1. Select Device", "2. Ethernet Connection", "3. LoRaWAN", "4. MQTT", "5. Ethernet",
          "6. TLS (Transport Layer Security)", "7. NTP (Network Time Protocol)", "8. Wi-Fi", "9. GSM / GPRS / LTE"}},
        {gw::TGatewayModel::CAN, {"1. Ethernet Connection", "2. LoRaWAN", "3. CAN", "4. Ethernet"}},
        {gw::TGatewayModel::IEC61850_Server,
         {"1. Select Device", "2. Ethernet Connection", "3. LoRaWAN", "4. IEC61850 Server",
          "5. TLS (Transport Layer Security) Server", "6. Wi-Fi"}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < dlg->CPG->PanelCount(); ++i) dlg->CPG->Panels(i)->Hide();
        dlg->Order_TAB_Panels_Of(c.model);
        dlg->RePosition_Objects_Of(c.model);
        const std::vector<std::string>& names = gw::Model_Panels(c.model);
        ASSERT_EQ(names.size(), c.captions.size());
        int top = 0;
        for (size_t i = 0; i < names.size(); ++i) {
            TCategoryPanel& p = Panel(names[i]);
            EXPECT_TRUE(p.Visible()) << names[i];
            EXPECT_EQ(p.Caption(), c.captions[i]) << names[i];
            EXPECT_EQ(p.TabOrder(), static_cast<int>(i)) << names[i];
            EXPECT_EQ(p.Top(), top) << names[i];
            top = p.Top() + p.Height();
        }
    }
}

// The device kind opens the Wi-Fi panel, and in the MQTT model the mobile
// one; a BACnet type on IP needs no second Ethernet port.
TEST_F(ParGenPanels, DeviceKindAndBACnetTypeOpenAndCloseWholePanels) {
    Make();
    struct TState {
        bool open;
        bool enabled;
    };
    auto state = [&](const char* name) { return TState{!Panel(name).Collapsed(), Panel(name).Enabled()}; };
    const struct {
        gw::TGatewayModel model;
        int device;
        bool wifiOpen, gsmOpen;
    } devices[] = {
        {gw::TGatewayModel::MQTT, 0, false, false},
        {gw::TGatewayModel::MQTT, 1, true, false},
        {gw::TGatewayModel::MQTT, 2, false, true},
        {gw::TGatewayModel::Modbus_TCP_Master, 0, false, false},
        {gw::TGatewayModel::Modbus_TCP_Master, 1, true, false},
    };
    for (const auto& c : devices) {
        dlg->CB_Select_Device_Device->SetItemIndex(c.device);
        dlg->RePosition_Objects_Of(c.model);
        EXPECT_EQ(state("CP_WiFi2").open, c.wifiOpen) << c.device;
        EXPECT_EQ(state("CP_WiFi2").enabled, c.wifiOpen) << c.device;
        if (c.model == gw::TGatewayModel::MQTT) {
            EXPECT_EQ(state("CP_GSM_GPRS").open, c.gsmOpen) << c.device;
            EXPECT_EQ(state("CP_GSM_GPRS").enabled, c.gsmOpen) << c.device;
        }
    }
    // Outside the MQTT model the mobile connection leaves the Wi-Fi panel as it was.
    for (int before : {0, 1}) {
        dlg->CB_Select_Device_Device->SetItemIndex(before);
        dlg->RePosition_Objects_Of(gw::TGatewayModel::SNMP_Manager);
        dlg->CB_Select_Device_Device->SetItemIndex(2);
        dlg->RePosition_Objects_Of(gw::TGatewayModel::SNMP_Manager);
        EXPECT_EQ(state("CP_WiFi2").open, before == 1) << before;
    }

    for (const auto& [model, list] : {std::pair{gw::TGatewayModel::BACnet_Master, "CB_BACnet_Master_Type"},
                                      std::pair{gw::TGatewayModel::BACnet_Slave, "CB_BACnet_Slave_Type"}}) {
        List(list).SetItemIndex(0);
        dlg->RePosition_Objects_Of(model);
        EXPECT_FALSE(state("CP_Ethernet").open) << list;
        EXPECT_FALSE(state("CP_Ethernet").enabled) << list;
        List(list).SetItemIndex(1);
        dlg->RePosition_Objects_Of(model);
        EXPECT_TRUE(state("CP_Ethernet").open) << list;
        EXPECT_TRUE(state("CP_Ethernet").enabled) << list;
    }
}

// Rows that a choice opens appear, the rows after them move down, and the
// panel ends 12 pixels below its last shown control.
TEST_F(ParGenPanels, ChoicesShowTheirRowsAndThePanelFollows) {
    Make();
    const struct {
        const char* name;
        std::function<void(ParGenPanels&)> set;
        void (gw::TFParGen::*routine)();
        const char* panel;
        std::vector<std::string> shown, hidden;
        const char* last;
    } cases[] = {
        {"TLS off", [](ParGenPanels& t) { t.Box("CB_TLS_Enable").SetChecked(false); },
         &gw::TFParGen::RePosition_Object_TLS, "CP_TLS", {}, {"CB_TLS_En_Server_Auth", "E_TLS_Client_Key_Password"},
         "CB_TLS_Enable"},
        {"TLS client auth",
         [](ParGenPanels& t) {
             t.Box("CB_TLS_Enable").SetChecked(true);
             t.Box("CB_TLS_En_Server_Auth").SetChecked(false);
             t.Box("CB_TLS_En_Client_Auth").SetChecked(true);
         },
         &gw::TFParGen::RePosition_Object_TLS, "CP_TLS",
         {"CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth", "CB_TLS_Client_Key", "E_TLS_Client_Key_Password"},
         {"CB_TLS_Server_Cert"}, "E_TLS_Client_Key_Password"},
        {"TLS server on",
         [](ParGenPanels& t) { t.Box("CB_TLS_Server_Enable").SetChecked(true); },
         &gw::TFParGen::RePosition_Object_TLS_Server, "CP_TLS_Server",
         {"CB_TLS_Server_Key", "CB_TLS_Server_En_Known_Cert"}, {}, "CB_TLS_Server_En_Known_Cert"},
        {"TLS server off",
         [](ParGenPanels& t) { t.Box("CB_TLS_Server_Enable").SetChecked(false); },
         &gw::TFParGen::RePosition_Object_TLS_Server, "CP_TLS_Server", {},
         {"CB_TLS_Server_Key", "CB_TLS_Server_En_Known_Cert"}, "CB_TLS_Server_Enable"},
        {"SNMP v1", [](ParGenPanels& t) { t.Box("CB_SNMP_Agent_Version3").SetChecked(false); },
         &gw::TFParGen::RePosition_Object_SNMP_Agent, "CP_SNMP_Agent", {},
         {"E_SNMP_Agent_User", "CB_SNMP_Agent_SecurityLevel"}, "CB_SNMP_Agent_Version3"},
        {"SNMP v3 authority",
         [](ParGenPanels& t) {
             t.Box("CB_SNMP_Agent_Version3").SetChecked(true);
             t.List("CB_SNMP_Agent_SecurityLevel").SetItemIndex(1);
         },
         &gw::TFParGen::RePosition_Object_SNMP_Agent, "CP_SNMP_Agent",
         {"E_SNMP_Agent_User", "CB_SNMP_Agent_Authority_Mode"}, {"E_SNMP_Agent_Privacy", "CB_SNMP_Agent_Privacy_Mode"},
         "CB_SNMP_Agent_Authority_Mode"},
        {"SNMP v3 privacy",
         [](ParGenPanels& t) {
             t.Box("CB_SNMP_Agent_Version3").SetChecked(true);
             t.List("CB_SNMP_Agent_SecurityLevel").SetItemIndex(2);
         },
         &gw::TFParGen::RePosition_Object_SNMP_Agent, "CP_SNMP_Agent", {"CB_SNMP_Agent_Privacy_Mode"}, {},
         "CB_SNMP_Agent_Privacy_Mode"},
        {"MQTT plain",
         [](ParGenPanels& t) {
             t.Box("CB_MQTT_WillFlag").SetChecked(false);
             t.Box("CB_MQTT_PublishTopicConnection").SetChecked(false);
         },
         &gw::TFParGen::RePosition_Object_MQTT, "CP_MQTT", {"CB_MQTT_PublishTopicConnection", "E_MQTT_Password"},
         {"E_MQTT_Will_Topic", "E_MQTT_Conn_Topic", "E_MQTT_Send_Time", "CB_MQTT_Enable_ReProgram"},
         "E_MQTT_Password"},
        {"MQTT will",
         [](ParGenPanels& t) { t.Box("CB_MQTT_WillFlag").SetChecked(true); },
         &gw::TFParGen::RePosition_Object_MQTT, "CP_MQTT", {"E_MQTT_Will_Topic", "CB_MQTT_Will_QoS"},
         {"E_MQTT_DALI_Answer_Topic"}, "E_MQTT_Password"},
        {"Wi-Fi open access point",
         [](ParGenPanels& t) {
             t.List("CB_WiFi2_Type").SetItemIndex(0);
             t.List("CB_WiFi2_Secure_Type").SetItemIndex(0);
             t.Box("CB_WiFi2_En_DHCP").SetChecked(false);
         },
         &gw::TFParGen::RePosition_Object_WiFi2, "CP_WiFi2", {"E_WiFi2_IP1", "E_WiFi2_SSID", "CB_WiFi2_Channel"},
         {"E_WiFi2_Password", "E_WiFi2_DHCP_IP1", "E_WiFi2_Lease_Time", "L_WiFi2_Title_IP1"}, "CB_WiFi2_Channel"},
        {"Wi-Fi secured access point with DHCP",
         [](ParGenPanels& t) {
             t.List("CB_WiFi2_Type").SetItemIndex(0);
             t.List("CB_WiFi2_Secure_Type").SetItemIndex(2);
             t.Box("CB_WiFi2_En_DHCP").SetChecked(true);
         },
         &gw::TFParGen::RePosition_Object_WiFi2, "CP_WiFi2",
         {"E_WiFi2_Password", "E_WiFi2_DHCP_IP1", "E_WiFi2_DHCP_SM4", "E_WiFi2_Lease_Time"}, {}, "CB_WiFi2_Channel"},
        {"Wi-Fi station",
         [](ParGenPanels& t) { t.List("CB_WiFi2_Type").SetItemIndex(1); },
         &gw::TFParGen::RePosition_Object_WiFi2, "CP_WiFi2", {"E_WiFi2_IP1", "E_WiFi2_SSID", "E_WiFi2_Password"},
         {"CB_WiFi2_Secure_Type", "CB_WiFi2_Channel", "E_WiFi2_Max_Client", "E_WiFi2_Sta2_IP1"},
         "CB_WiFi2_Show_Password"},
        {"BACnet MS/TP",
         [](ParGenPanels& t) { t.List("CB_BACnet_Master_Type").SetItemIndex(1); },
         &gw::TFParGen::RePosition_Object_BACnet_Master, "CP_BACnet_Master",
         {"CB_BACnet_MSTP_Master_Baudrate", "E_BACnet_MSTP_Master_Device_Instance"},
         {"E_BACnet_IP_Master_IP1", "E_BACnet_IP_Master_TimeOut_Polling"}, "E_BACnet_MSTP_Master_Device_Instance"},
        {"BACnet slave IP",
         [](ParGenPanels& t) { t.List("CB_BACnet_Slave_Type").SetItemIndex(0); },
         &gw::TFParGen::RePosition_Object_BACnet_Slave, "CP_BACnet_Slave",
         {"E_BACnet_IP_Slave_IP1", "E_BACnet_IP_Slave_Device_ID"}, {"E_BACnet_MSTP_Slave_Network"},
         "CB_BACnet_Slave_Desc_32_Chars"},
        {"Ethernet ports", [](ParGenPanels&) {}, &gw::TFParGen::RePosition_Object_Ethernet, "CP_Ethernet",
         {"E_Ethernet_GAT4"}, {"E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port"}, "E_Ethernet_GAT4"},
        {"PROFINET diagnostic", [](ParGenPanels&) {}, &gw::TFParGen::RePosition_Object_PROFINET, "CP_PROFINET",
         {"E_PROFINET_NByte_In"}, {"CB_PROFINET_Diagnostic", "E_PROFINET_Diagnostic"}, "E_PROFINET_NByte_Out"},
    };
    for (const auto& c : cases) {
        c.set(*this);
        (dlg.get()->*c.routine)();
        for (const std::string& n : c.shown) EXPECT_TRUE(Shown(n)) << c.name << ": " << n;
        for (const std::string& n : c.hidden) EXPECT_FALSE(Shown(n)) << c.name << ": " << n;
        EXPECT_EQ(Panel(c.panel).Height(), BottomOf(c.last)) << c.name;
    }
    // Shown rows keep the 28-pixel grid without gaps: the MS/TP rows start
    // where the IP address row starts.
    List("CB_BACnet_Master_Type").SetItemIndex(0);
    dlg->RePosition_Object_BACnet_Master();
    const int ipTop = Control("E_BACnet_IP_Master_IP1").Top();
    List("CB_BACnet_Master_Type").SetItemIndex(1);
    dlg->RePosition_Object_BACnet_Master();
    EXPECT_EQ(Control("CB_BACnet_MSTP_Master_Baudrate").Top(), ipTop);
    EXPECT_EQ(Control("E_BACnet_MSTP_Master_Device_Instance").Top(), ipTop + 6 * 28);
}

// DHCP on the cable leaves the address panels nothing to type; the
// panels with a gateway box switch it off with the octets.
TEST_F(ParGenPanels, CableDhcpDisablesTheAddressesOfEveryAddressPanel) {
    Make();
    const struct {
        void (gw::TFParGen::*routine)();
        const char* prefix;
        bool checkBoxFollows;
    } panels[] = {
        {&gw::TFParGen::RePosition_Object_Modbus_TCP_Slave, "ModbusTCPSlave", true},
        {&gw::TFParGen::RePosition_Object_Modbus_TCP_Master, "ModbusTCPMaster", true},
        {&gw::TFParGen::RePosition_Object_Ethernet, "Ethernet", true},
        {&gw::TFParGen::RePosition_Object_PROFINET, "PROFINET", false},
        {&gw::TFParGen::RePosition_Object_EtherNetIP_Master, "EtherNetIP_Master", false},
        {&gw::TFParGen::RePosition_Object_IEC61850_Client, "IEC61850_Client", false},
        {&gw::TFParGen::RePosition_Object_IEC61850_Server, "IEC61850_Server", false},
        {&gw::TFParGen::RePosition_Object_OPC_UA_Client, "OPC_UA_Client", false},
        {&gw::TFParGen::RePosition_Object_OPC_UA_Server, "OPC_UA_Server", false},
        {&gw::TFParGen::RePosition_Object_S7comm, "S7_Protocol", false},
        {&gw::TFParGen::RePosition_Object_SNMP_Manager, "SNMP_Manager", false},
        {&gw::TFParGen::RePosition_Object_SNMP_Agent, "SNMP_Agent", false},
    };
    for (bool dhcp : {true, false}) {
        dlg->CB_EthConn_En_DHCP_Cable->SetChecked(dhcp);
        for (const auto& p : panels) {
            (dlg.get()->*p.routine)();
            for (const char* part : {"_IP", "_SM", "_GAT"})
                for (int i = 1; i <= 4; ++i) {
                    const std::string name = std::string("E_") + p.prefix + part + std::to_string(i);
                    EXPECT_EQ(Control(name).Enabled(), !dhcp) << name;
                }
            const std::string box = std::string("CB_") + p.prefix + "_En_GAT";
            EXPECT_EQ(Box(box).Enabled(), p.checkBoxFollows ? !dhcp : true) << box;
        }
    }
}

// Every input of every panel reaches the window's handlers: a change marks
// the data as changed, a box may lay the window out again, and an octet
// edit filters its keys (220 octets, and the five hexadecimal edits).
TEST_F(ParGenPanels, EveryInputOfEveryPanelIsWired) {
    Make();
    int keyFiltered = 0, boxes = 0;
    for (int i = 0; i < dlg->ComponentCount(); ++i) {
        TComponent* c = dlg->Components(i);
        if (auto* edit = dynamic_cast<TEdit*>(c)) {
            if (edit->OnKeyPress) ++keyFiltered;
            // The tunnelling port is fixed and never edited.
            if (c->Name() != "E_EtherNetIP_TunnelPort") {
                EXPECT_TRUE(edit->OnChange) << c->Name();
            }
        } else if (auto* list = dynamic_cast<TComboBox*>(c)) {
            EXPECT_TRUE(list->OnChange) << c->Name();
        } else if (auto* box = dynamic_cast<TCheckBox*>(c)) {
            EXPECT_TRUE(box->OnClick) << c->Name();
            ++boxes;
        }
    }
    EXPECT_EQ(keyFiltered, 225);
    EXPECT_EQ(boxes, 43);
}

// The hidden panels are built when first needed, and then carry the texts
// the window was last labelled with, not whatever the table holds by then.
TEST_F(ParGenPanels, HiddenRowsBuiltLaterCarryTheLastLabelling) {
    shell::Lang_Texts[442] = "TCP Port";
    shell::Lang_Texts[736] = "Access Point";
    Make();
    shell::Lang_Texts[442] = "Port TCP";
    shell::Lang_Texts[736] = "Point d'accès";
    EXPECT_EQ(Control("L_Ethernet_TCP_Port").Caption(), "TCP Port");
    EXPECT_EQ(List("CB_WiFi2_Type").Items()[0], "Access Point");
    dlg->Set_Lang();
    EXPECT_EQ(Control("L_Ethernet_TCP_Port").Caption(), "Port TCP");
    EXPECT_EQ(List("CB_WiFi2_Type").Items()[0], "Point d'accès");
}

TEST_F(ParGenPanels, APointIsNeverTypedIntoAHiddenOctet) {
    Make();
    auto& octet = dlg->Ctl<TEdit>("E_ModbusTCPSlave_IP2");
    ASSERT_TRUE(octet.OnKeyPress);
    char32_t key = U'.';
    octet.OnKeyPress(&octet, key);
    EXPECT_EQ(key, 0u);
    key = U'7';
    octet.OnKeyPress(&octet, key);
    EXPECT_EQ(key, U'7');
}

}  // namespace
