#include "gateway/ParGen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "GatewayTestSupport.h"
#include "gateway/ParGenFile.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

using gwtest::ReadFile;

class ParGenWindow : public gwtest::WindowTest<gw::TFParGen> {
public:
    void SetUp() override { OpenWindow("pargen_window"); }

    TEdit& Edit(const std::string& name) { return dlg->Ctl<TEdit>(name); }
    TComboBox& List(const std::string& name) { return dlg->Ctl<TComboBox>(name); }
    TCheckBox& Box(const std::string& name) { return dlg->Ctl<TCheckBox>(name); }
    // On its square: a click beyond the caption's end does not reach a box.
    void Toggle(TCheckBox& box) { test::ClickAt(box, 6, box.Height() / 2); }

    void Retype(const std::string& name, const std::string& text) {
        Edit(name).SetText("");
        test::TypeText(Edit(name), text);
    }
    // Picks an entry the way the user does, with the keyboard.
    void Pick(TComboBox& list, int index) {
        if (index == 0) {
            list.SetItemIndex(1);
            test::SendKey(list, VK_UP);
        }
        list.SetItemIndex(0);
        for (int i = 0; i < index; ++i) test::SendKey(list, VK_DOWN);
        ASSERT_EQ(list.ItemIndex(), index);
    }

    // Opens the window, runs the script inside it and returns how it closed.
    TModalResult Open(test::TScriptedUi& ui, std::function<void()> script) {
        ui.OnModal([script](TForm&) {
            script();
            return mrNone;
        });
        return dlg->ShowModal();
    }

    void WriteParGen(const std::string& xml) { std::ofstream(shell::ParGen_File, std::ios::binary) << xml; }

    std::string Stored(const std::string& key) {
        TXmlDocument doc;
        EXPECT_TRUE(doc.LoadFromFile(shell::ParGen_File));
        return doc.Root().FindNode(key).Text();
    }

};

TEST_F(ParGenWindow, FreshConfigurationSavesEveryKeyWithTheDefaults) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] { test::ClickAt(*dlg->Btn_OK); });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());

    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(shell::ParGen_File));
    const TXmlNode root = doc.Root();
    EXPECT_EQ(root.Name(), "Par_Gen");
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
    // The order readers of the file may rely on, written out here rather
    // than taken from the writer's own table.
    std::vector<std::string> order = {"Eth_Conn_Device_Name", "Eth_Conn_DHCP_Cable", "Eth_Conn_DHCP_WiFi",
                                      "Eth_Conn_Enable_DNS"};
    for (const char* group : {"Eth_Conn_Primary_DNS", "Eth_Conn_Secondary_DNS"})
        for (int i = 1; i <= 4; ++i) order.push_back(group + std::to_string(i));
    for (const char* key :
         {"LoRaWAN_Mode", "LoRaWAN_RF_Band", "LoRaWAN_Server_Address", "LoRaWAN_Server_Port_Up",
          "LoRaWAN_Server_Port_Down", "LoRaWAN_KeepAlive_Interval", "LoRaWAN_Network_Type",
          "LoRaWAN_Adaptive_DataRate", "LoRaWAN_DataRate", "LoRaWAN_Transmission_Type", "LoRaWAN_Join_EUI",
          "LoRaWAN_Activation_Method", "LoRaWAN_Device_Address", "LoRaWAN_Network_Session_Key",
          "LoRaWAN_Application_Session_Key", "LoRaWAN_Application_Key", "LoRaWAN_Class",
          "LoRaWAN_Diagostic_Position", "LoRaWAN_RX2_Datarate", "LoRaWAN_Frequency_Sub_Band"})
        order.push_back(key);
    for (const char* group : {"EtherNetIP_IP", "EtherNetIP_SM", "EtherNetIP_GAT"})
        for (int i = 1; i <= 4; ++i) order.push_back(group + std::to_string(i));
    for (const char* key : {"EtherNetIP_EN_GAT", "EtherNetIP_NB_Input", "EtherNetIP_NB_Output"}) order.push_back(key);
    ASSERT_EQ(order.size(), 47u);
    std::vector<std::string> written;
    for (int i = 0; i < root.ChildCount(); ++i) written.push_back(root.Child(i).Name());
    EXPECT_EQ(written, order);
    const struct {
        const char* key;
        const char* value;
    } expected[] = {
        {"LoRaWAN_Mode", "Gateway"},
        {"Eth_Conn_DHCP_WiFi", "0"},
        {"LoRaWAN_RF_Band", "EU868"},
        {"LoRaWAN_DataRate", "0 -\tLoRa: SF12/125kHz 250 [bit/s]"},
        {"LoRaWAN_RX2_Datarate", "SF12BW125"},
        {"LoRaWAN_Frequency_Sub_Band", "1"},
        {"LoRaWAN_Network_Type", "Private"},
        {"LoRaWAN_Activation_Method", "Activation by Personalization [ABP]"},
        {"Eth_Conn_Secondary_DNS4", "8"},
        {"EtherNetIP_IP4", "5"},
        {"EtherNetIP_NB_Output", "496"},
        {"LoRaWAN_Server_Port_Up", "1780"},
    };
    for (const auto& e : expected) EXPECT_EQ(root.FindNode(e.key).Text(), e.value) << e.key;
}

TEST_F(ParGenWindow, LoadsStoredValuesAndWritesHiddenOnesBackUnchanged) {
    WriteParGen(
        "<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode><LoRaWAN_RF_Band>kr920</LoRaWAN_RF_Band>"
        "<Extra>x</Extra><LoRaWAN_Server_Address>ns.example.net</LoRaWAN_Server_Address>"
        "<LoRaWAN_Server_Port_Up>99999</LoRaWAN_Server_Port_Up><LoRaWAN_Join_EUI>00AB</LoRaWAN_Join_EUI>"
        "<LoRaWAN_RX2_Datarate>sf9bw125</LoRaWAN_RX2_Datarate><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
        "<Eth_Conn_Device_Name>gw-hall-3</Eth_Conn_Device_Name><EtherNetIP_GAT1>10</EtherNetIP_GAT1>"
        "</Par_Gen>");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(dlg->CB_LoRaWAN_Mode->ItemIndex(), 0);
        EXPECT_EQ(dlg->CB_LoRaWAN_RF_Band->ItemIndex(), 2);
        EXPECT_EQ(dlg->CB_LoRaWAN_DataRate->Items().Count(), 0);
        EXPECT_EQ(dlg->CB_LoRaWAN_RX2_Datarate->Items().Items(),
                  (std::vector<std::string>{"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125",
                                            "SF7BW125"}));
        EXPECT_EQ(dlg->CB_LoRaWAN_RX2_Datarate->ItemIndex(), 3);
        EXPECT_FALSE(dlg->CB_EthConn_En_DHCP_WiFi->Checked());
        EXPECT_FALSE(dlg->CB_EthConn_En_DHCP_WiFi->Enabled());
        EXPECT_EQ(Edit("E_EthConn_Device_Name").Text(), "gw-hall-3");
        EXPECT_FALSE(Box("CB_EtherNetIP_GAT").Checked());
        EXPECT_EQ(Edit("E_EtherNetIP_GAT1").Text(), "10");
        EXPECT_FALSE(dlg->Is_Change());
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(Stored("LoRaWAN_Mode"), "Gateway");
    EXPECT_EQ(Stored("LoRaWAN_RF_Band"), "KR920");
    EXPECT_EQ(Stored("LoRaWAN_DataRate"), "");
    EXPECT_EQ(Stored("LoRaWAN_RX2_Datarate"), "SF9BW125");
    EXPECT_EQ(Stored("LoRaWAN_Server_Address"), "ns.example.net");
    EXPECT_EQ(Stored("LoRaWAN_Server_Port_Up"), "99999");  // hidden: not checked, kept
    EXPECT_EQ(Stored("LoRaWAN_Join_EUI"), "00AB");
    EXPECT_EQ(Stored("Eth_Conn_DHCP_WiFi"), "0");
    EXPECT_EQ(Stored("EtherNetIP_EN_GAT"), "0");
    EXPECT_EQ(Stored("EtherNetIP_GAT1"), "10");
}

TEST_F(ParGenWindow, BandChoiceRefillsRateListsAndShowsSubBandForUS915Only) {
    const struct {
        int index;
        const char* band;
        int rates;
        const char* firstRate;
        std::vector<std::string> rx2;
        bool subBand;
    } cases[] = {
        {1, "US915", 11, "0  -\tLoRa: SF10/125kHz 980 [bit/s]",
         {"SF12BW500", "SF11BW500", "SF10BW500", "SF9BW500", "SF8BW500", "SF7BW500"}, true},
        {2, "KR920", 0, "", {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125"}, false},
        {3, "AS923", 0, "", {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125"}, false},
        {0, "EU868", 8, "0 -\tLoRa: SF12/125kHz 250 [bit/s]",
         {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125", "SF7BW250"}, false},
    };
    test::TScriptedUi ui;
    Open(ui, [&] {
        const int gatewayHeight = dlg->CP_LoRaWAN->Height();
        for (const auto& c : cases) {
            // A rate away from the first, to see the band change reset it.
            dlg->CB_LoRaWAN_RX2_Datarate->SetItemIndex(2);
            Pick(*dlg->CB_LoRaWAN_RF_Band, c.index);
            EXPECT_EQ(dlg->CB_LoRaWAN_DataRate->Items().Count(), c.rates) << c.band;
            if (c.rates > 0) {
                EXPECT_EQ(dlg->CB_LoRaWAN_DataRate->Items()[0], c.firstRate) << c.band;
            }
            EXPECT_EQ(dlg->CB_LoRaWAN_DataRate->ItemIndex(), c.rates > 0 ? 0 : -1) << c.band;
            EXPECT_EQ(dlg->CB_LoRaWAN_RX2_Datarate->Items().Items(), c.rx2) << c.band;
            EXPECT_EQ(dlg->CB_LoRaWAN_RX2_Datarate->ItemIndex(), 0) << c.band;
            EXPECT_EQ(List("CB_LoRaWAN_FreqSubBand").Visible(), c.subBand) << c.band;
            EXPECT_EQ(dlg->CP_LoRaWAN->Height(), gatewayHeight + (c.subBand ? 28 : 0)) << c.band;
            // The panels below follow the LoRaWAN panel's height.
            EXPECT_EQ(dlg->CP_EtherNetIP->Top(), dlg->CP_LoRaWAN->Top() + dlg->CP_LoRaWAN->Height()) << c.band;
            EXPECT_TRUE(dlg->Is_Change()) << c.band;
        }
        // Gateway rows: band, network type, diagnostic position, RX2 (and
        // sub-band); the end-node and server rows stay hidden.
        for (const char* hidden : {"CB_LoRaWAN_Mode", "E_LoRaWAN_Server_Address", "E_LoRaWAN_Server_Port_Up",
                                   "E_LoRaWAN_KeepAlive_Interval", "CB_LoRaWAN_DataRate", "E_LoRaWAN_Join_EUI",
                                   "CB_LoRaWAN_Activation_Method", "E_LoRaWAN_Application_Key",
                                   "CB_LoRaWAN_Class", "CB_LoRaWAN_Adaptive_DataRate"})
            EXPECT_FALSE(dlg->Ctl<TControl>(hidden).Visible()) << hidden;
        EXPECT_EQ(List("CB_LoRaWAN_Network_Type").Top() + 3, dlg->Ctl<TLabel>("L_LoRaWAN_Network_Type").Top());
        EXPECT_EQ(dlg->Ctl<TLabel>("L_LoRaWAN_Diag_Pos").Top() - dlg->Ctl<TLabel>("L_LoRaWAN_Network_Type").Top(),
                  28);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(Stored("LoRaWAN_RF_Band"), "EU868");
    EXPECT_EQ(Stored("LoRaWAN_RX2_Datarate"), "SF12BW125");
}

TEST_F(ParGenWindow, DataCheckShowsTheFirstFaultsTextAndKeepsTheFile) {
    const struct {
        const char* name;
        std::function<void(ParGenWindow&)> edit;
        const char* message;  // empty: the check passes and the file is written
        const char* key = "";    // a key whose value is then saved as typed
        const char* value = "";
    } cases[] = {
        {"primary DNS with DNS on",
         [](ParGenWindow& t) {
             t.Toggle(t.Box("CB_EthConn_Enable_DNS"));
             t.Retype("E_EthConn_Pri_DNS_IP1", "300");
         },
         "Error Primary DNS!! DNS 1 must be between 0 and 255"},
        {"secondary DNS empty",
         [](ParGenWindow& t) {
             t.Box("CB_EthConn_Enable_DNS").SetChecked(true);
             t.Retype("E_EthConn_Sec_DNS_IP4", "");
         },
         "Error Secondary DNS!! DNS 4 must be between 0 and 255"},
        {"DNS off leaves the octets unchecked", [](ParGenWindow& t) { t.Retype("E_EthConn_Pri_DNS_IP1", "300"); },
         "", "Eth_Conn_Primary_DNS1", "300"},
        {"diagnostic position too high", [](ParGenWindow& t) { t.Retype("E_LoRaWAN_Diag_Pos", "1537"); },
         "Error LoRaWAN!! Diagnostic Position must be between 0 and 1536"},
        {"diagnostic position negative", [](ParGenWindow& t) { t.Retype("E_LoRaWAN_Diag_Pos", "-1"); },
         "Error LoRaWAN!! Diagnostic Position must be between 0 and 1536"},
        {"diagnostic position at its limit", [](ParGenWindow& t) { t.Retype("E_LoRaWAN_Diag_Pos", "1536"); }, "",
         "LoRaWAN_Diagostic_Position", "1536"},
        {"address octet", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_IP3", "256"); },
         "Error EtherNet/IP!! IP Address 3 must be between 0 and 255"},
        {"address octet under DHCP",
         [](ParGenWindow& t) {
             t.Retype("E_EtherNetIP_IP1", "300");
             t.Toggle(t.Box("CB_EthConn_En_DHCP_Cable"));
         },
         "Error EtherNet/IP!! IP Address 1 must be between 0 and 255"},
        {"subnet mask not a number", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_SM1", "ff"); },
         "Error EtherNet/IP!! SUBNET Mask 1 must be between 0 and 255"},
        {"gateway octet while enabled",
         [](ParGenWindow& t) {
             t.Toggle(t.Box("CB_EtherNetIP_GAT"));
             t.Retype("E_EtherNetIP_GAT2", "999");
         },
         "Error EtherNet/IP!! GATEWAY IP 2 must be between 0 and 255"},
        {"gateway octet while disabled", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_GAT2", "999"); }, "",
         "EtherNetIP_GAT2", "999"},
        {"input bytes empty", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_NByte_In", ""); },
         "Error EtherNet/IP!! Number Byte Input must be between 0 and 496"},
        {"output bytes too many", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_NByte_Out", "497"); },
         "Error EtherNet/IP!! Number Byte Output must be between 0 and 496"},
        {"no network type", [](ParGenWindow& t) { t.List("CB_LoRaWAN_Network_Type").SetItemIndex(-1); },
         "Error LoRaWAN!! Network Type cannot be empty"},
        {"no band", [](ParGenWindow& t) { t.List("CB_LoRaWAN_RF_Band").SetItemIndex(-1); },
         "Error LoRaWAN!! RF Band cannot be empty"},
    };
    const std::string before = "<Par_Gen><Eth_Conn_Device_Name>before</Eth_Conn_Device_Name></Par_Gen>";
    for (const auto& c : cases) {
        WriteParGen(before);
        test::TScriptedUi ui;
        bool stayedOpen = false;
        const TModalResult result = Open(ui, [&] {
            c.edit(*this);
            test::ClickAt(*dlg->Btn_OK);
            stayedOpen = dlg->ModalResult() == mrNone;
        });
        if (*c.message != '\0') {
            gwtest::ExpectRefused(ui, stayedOpen, c.message, shell::ParGen_File, before, c.name);
        } else {
            EXPECT_TRUE(ui.Boxes().empty()) << c.name;
            EXPECT_EQ(result, mrOk) << c.name;
            EXPECT_EQ(Stored(c.key), c.value) << c.name;
            EXPECT_EQ(Stored("Eth_Conn_Device_Name"), "before") << c.name;
        }
    }
}

// After the error box the user is taken to the field it names, its text
// selected, so the correction is typed straight over the wrong value.
TEST_F(ParGenWindow, FailedCheckPutsTheFocusInTheFieldItNames) {
    const struct {
        const char* name;
        std::function<void(ParGenWindow&)> edit;
        const char* field;
        const char* wrong;  // what the field holds; empty for a list
    } cases[] = {
        {"primary DNS",
         [](ParGenWindow& t) {
             t.Toggle(t.Box("CB_EthConn_Enable_DNS"));
             t.Retype("E_EthConn_Pri_DNS_IP3", "300");
         },
         "E_EthConn_Pri_DNS_IP3", "300"},
        {"diagnostic position", [](ParGenWindow& t) { t.Retype("E_LoRaWAN_Diag_Pos", "1537"); },
         "E_LoRaWAN_Diag_Pos", "1537"},
        {"subnet mask", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_SM4", "256"); }, "E_EtherNetIP_SM4", "256"},
        {"gateway", [](ParGenWindow& t) {
             t.Toggle(t.Box("CB_EtherNetIP_GAT"));
             t.Retype("E_EtherNetIP_GAT1", "x");
         },
         "E_EtherNetIP_GAT1", "x"},
        {"output bytes", [](ParGenWindow& t) { t.Retype("E_EtherNetIP_NByte_Out", "497"); },
         "E_EtherNetIP_NByte_Out", "497"},
        {"network type", [](ParGenWindow& t) { t.List("CB_LoRaWAN_Network_Type").SetItemIndex(-1); },
         "CB_LoRaWAN_Network_Type", ""},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        TWinControl* focused = nullptr;
        std::string selected, retyped;
        Open(ui, [&] {
            c.edit(*this);
            test::ClickAt(*dlg->Btn_OK);
            test::ProcessEvents();
            focused = dlg->ActiveControl();
            if (*c.wrong != '\0') {
                TEdit& e = Edit(c.field);
                selected = e.Text().substr(static_cast<size_t>(e.SelStart()), static_cast<size_t>(e.SelLength()));
                test::TypeText(Edit(c.field), "12");
                retyped = Edit(c.field).Text();
            }
            test::ClickAt(*dlg->Btn_Cancel);
        });
        ASSERT_FALSE(ui.Boxes().empty()) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Type, mtError) << c.name;
        EXPECT_EQ(focused, &dlg->Ctl<TWinControl>(c.field)) << c.name;
        if (*c.wrong != '\0') {
            EXPECT_EQ(selected, c.wrong) << c.name;
            EXPECT_EQ(retyped, "12") << c.name;
        }
    }
}

// A paste goes into the window's edits as typing it would: an address
// runs on across its octets, "." moving on; what typing would drop or what
// the edit cannot hold is refused whole, with the warning sound.
TEST_F(ParGenWindow, PasteGoesInAsTypedOrNotAtAll) {
    const std::vector<std::string> address = {"E_EtherNetIP_IP1", "E_EtherNetIP_IP2", "E_EtherNetIP_IP3",
                                              "E_EtherNetIP_IP4", "E_EtherNetIP_SM1", "E_EtherNetIP_SM2"};
    const struct {
        const char* name;
        const char* into;
        std::string clip;
        std::vector<std::pair<std::string, std::string>> texts;  // empty: refused, nothing changed
        const char* focus = "";
    } cases[] = {
        {"a whole address into the first octet", "E_EtherNetIP_IP1", "10.1.2.3\r\n",
         {{"E_EtherNetIP_IP1", "10"}, {"E_EtherNetIP_IP2", "1"}, {"E_EtherNetIP_IP3", "2"},
          {"E_EtherNetIP_IP4", "3"}, {"E_EtherNetIP_SM1", "0"}},
         "E_EtherNetIP_IP4"},
        {"an address running on into the mask", "E_EtherNetIP_IP3", "2.3.255.254",
         {{"E_EtherNetIP_IP2", "0"}, {"E_EtherNetIP_IP3", "2"}, {"E_EtherNetIP_IP4", "3"},
          {"E_EtherNetIP_SM1", "255"}, {"E_EtherNetIP_SM2", "254"}},
         "E_EtherNetIP_SM2"},
        {"more numbers than octets are left", "E_EtherNetIP_GAT3", "1.2.3", {}},
        {"the primary DNS runs on into the secondary", "E_EthConn_Pri_DNS_IP3", "8.8.4.4",
         {{"E_EthConn_Pri_DNS_IP3", "8"}, {"E_EthConn_Pri_DNS_IP4", "8"}, {"E_EthConn_Sec_DNS_IP1", "4"},
          {"E_EthConn_Sec_DNS_IP2", "4"}},
         "E_EthConn_Sec_DNS_IP2"},
        {"a name in other scripts", "E_EthConn_Device_Name", "Gateway \xC3\xA9 \xE2\x82\xAC \xCE\xA9",
         {{"E_EthConn_Device_Name", "Gateway \xC3\xA9 \xE2\x82\xAC \xCE\xA9"}}},
        {"a name longer than 31 characters", "E_EthConn_Device_Name", std::string(32, 'n'), {}},
        {"a name over two lines", "E_EthConn_Device_Name", "one\r\ntwo", {}},
        {"a number with a tab", "E_EtherNetIP_NByte_In", "12\t", {}},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        Open(ui, [&] {
            // Every octet starts at "0", the name empty.
            for (const auto& name : address) Edit(name).SetText("0");
            for (const char* n : {"E_EthConn_Pri_DNS_IP3", "E_EthConn_Pri_DNS_IP4", "E_EthConn_Sec_DNS_IP1",
                                  "E_EthConn_Sec_DNS_IP2", "E_EtherNetIP_GAT3", "E_EtherNetIP_GAT4"})
                Edit(n).SetText("0");
            Edit("E_EthConn_Device_Name").SetText("");
            Edit("E_EtherNetIP_NByte_In").SetText("");
            TEdit& into = Edit(c.into);
            into.SetFocus();
            test::ProcessEvents();
            into.SelectAll();
            Clipboard().SetAsText(c.clip);
            const int beeps = test::BeepCount();
            test::SendKey(into, 'V', ssCtrl);
            EXPECT_EQ(test::BeepCount() - beeps, c.texts.empty() ? 1 : 0) << c.name;
            if (c.texts.empty()) {
                const bool octet = std::string(c.into).find("_IP") != std::string::npos ||
                                   std::string(c.into).find("_GAT") != std::string::npos;
                EXPECT_EQ(into.Text(), octet ? "0" : "") << c.name;
            }
            for (const auto& [field, text] : c.texts) EXPECT_EQ(Edit(field).Text(), text) << c.name << " " << field;
            if (*c.focus != '\0') EXPECT_EQ(dlg->ActiveControl(), &Edit(c.focus)) << c.name;
            test::ClickAt(*dlg->Btn_Cancel);
        });
    }
}

TEST_F(ParGenWindow, CancelAsksOnlyAfterAChangeAndNoKeepsTheEdits) {
    test::TScriptedUi ui;
    EXPECT_EQ(Open(ui, [&] { test::ClickAt(*dlg->Btn_Cancel); }), mrCancel);
    EXPECT_TRUE(ui.Boxes().empty());

    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrYes);
    bool openAfterNo = false;
    std::string keptText;
    const TModalResult result = Open(ui, [&] {
        Retype("E_EtherNetIP_NByte_In", "12");
        test::ClickAt(*dlg->Btn_Cancel);
        openAfterNo = dlg->ModalResult() == mrNone;
        keptText = Edit("E_EtherNetIP_NByte_In").Text();
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Do you want to exit without saving changes?");
    EXPECT_EQ(ui.Boxes()[0].Type, mtConfirmation);
    EXPECT_TRUE(openAfterNo);
    EXPECT_EQ(keptText, "12");
    EXPECT_FALSE(fs::exists(shell::ParGen_File));

    // The next opening shows the file again, not the abandoned edits.
    Open(ui, [&] {
        EXPECT_EQ(Edit("E_EtherNetIP_NByte_In").Text(), "496");
        EXPECT_FALSE(dlg->Is_Change());
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(ui.Boxes().size(), 2u);
}

TEST_F(ParGenWindow, KeyFiltersOfHexAndOctetEdits) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        Retype("E_LoRaWAN_Join_EUI", "a1g.F");
        EXPECT_EQ(Edit("E_LoRaWAN_Join_EUI").Text(), "A1F");
        test::SendKey(Edit("E_LoRaWAN_Join_EUI"), VK_BACK);
        EXPECT_EQ(Edit("E_LoRaWAN_Join_EUI").Text(), "A1");

        const struct {
            const char* from;
            const char* typed;
            const char* text;
            const char* focus;
        } cases[] = {
            {"E_EthConn_Pri_DNS_IP1", "1.", "1", "E_EthConn_Pri_DNS_IP2"},
            {"E_EthConn_Pri_DNS_IP4", "4.", "4", "E_EthConn_Sec_DNS_IP1"},
            {"E_EthConn_Sec_DNS_IP4", "9.", "9", "E_EthConn_Sec_DNS_IP4"},
            {"E_EtherNetIP_IP4", "7.", "7", "E_EtherNetIP_SM1"},
            {"E_EtherNetIP_SM4", "0.", "0", "E_EtherNetIP_GAT1"},
            {"E_EtherNetIP_GAT4", "x.", "x", "E_EtherNetIP_GAT4"},
        };
        for (const auto& c : cases) {
            Edit(c.from).SetFocus();
            Retype(c.from, c.typed);
            EXPECT_EQ(Edit(c.from).Text(), c.text) << c.from;
            EXPECT_EQ(dlg->ActiveControl(), &Edit(c.focus)) << c.from;
        }
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// An address typed in one go over old values: the "." moves on and the
// next octet's old text is selected, so the digits replace it.
TEST_F(ParGenWindow, AddressTypedInOneGoReplacesTheOldOctets) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        const char* octets[] = {"E_EtherNetIP_IP1", "E_EtherNetIP_IP2", "E_EtherNetIP_IP3", "E_EtherNetIP_IP4"};
        const char* old[] = {"192", "168", "100", "250"};
        for (int i = 0; i < 4; ++i) Edit(octets[i]).SetText(old[i]);
        Edit(octets[0]).SetFocus();
        Edit(octets[0]).SelectAll();
        for (char ch : std::string("10.1.2.7")) {
            TWinControl* active = dlg->ActiveControl();
            ASSERT_NE(active, nullptr);
            test::TypeText(*active, std::string(1, ch));
        }
        std::vector<std::string> typed;
        for (const char* o : octets) typed.push_back(Edit(o).Text());
        EXPECT_EQ(typed, (std::vector<std::string>{"10", "1", "2", "7"}));
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(ParGenWindow, CableDhcpDisablesTheTwelveAddressEditsAtOnce) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        auto addressEdits = [&] {
            std::vector<TEdit*> v;
            for (const char* p : {"E_EtherNetIP_IP", "E_EtherNetIP_SM", "E_EtherNetIP_GAT"})
                for (int i = 1; i <= 4; ++i) v.push_back(&Edit(p + std::to_string(i)));
            return v;
        };
        for (TEdit* e : addressEdits()) EXPECT_TRUE(e->Enabled()) << e->Name();
        Toggle(*dlg->CB_EthConn_En_DHCP_Cable);
        ASSERT_TRUE(dlg->CB_EthConn_En_DHCP_Cable->Checked());
        for (TEdit* e : addressEdits()) EXPECT_FALSE(e->Enabled()) << e->Name();
        // The gateway box does not switch its own octets.
        Toggle(Box("CB_EtherNetIP_GAT"));
        EXPECT_FALSE(Edit("E_EtherNetIP_GAT1").Enabled());
        Toggle(*dlg->CB_EthConn_En_DHCP_Cable);
        for (TEdit* e : addressEdits()) EXPECT_TRUE(e->Enabled()) << e->Name();
        EXPECT_FALSE(dlg->CB_EthConn_En_DHCP_WiFi->Enabled());
        EXPECT_FALSE(Edit("E_EtherNetIP_TunnelPort").Enabled());
        EXPECT_EQ(Edit("E_EtherNetIP_TunnelPort").Text(), "44818");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(Stored("Eth_Conn_DHCP_Cable"), "0");
    EXPECT_EQ(Stored("EtherNetIP_EN_GAT"), "1");
}

TEST_F(ParGenWindow, PanelsOfTheFamilyExistAndOnlyThreeShowInOrder) {
    const std::vector<std::string> shown = {"CP_Ethernet_Connection", "CP_LoRaWAN", "CP_EtherNetIP"};
    EXPECT_EQ(dlg->CPG->PanelCount(), 36);
    int hidden = 0;
    for (int i = 0; i < dlg->CPG->PanelCount(); ++i) {
        TCategoryPanel* p = dlg->CPG->Panels(i);
        EXPECT_FALSE(p->Caption().empty()) << p->Name();
        if (!p->Visible()) ++hidden;
    }
    EXPECT_EQ(hidden, 33);
    EXPECT_EQ(dlg->Ctl<TCategoryPanel>("CP_MQTT").Caption(), "MQTT");
    EXPECT_EQ(dlg->Ctl<TCategoryPanel>("CP_GSM_GPRS").Caption(), "GSM / GPRS / LTE");
    EXPECT_EQ(dlg->CP_Ethernet_Connection->Caption(), "1. Ethernet Connection");
    EXPECT_EQ(dlg->CP_LoRaWAN->Caption(), "2. LoRaWAN");
    EXPECT_EQ(dlg->CP_EtherNetIP->Caption(), "3. EtherNet/IP");
    EXPECT_EQ(dlg->CB_Select_Device_Device->Items().Items(),
              (std::vector<std::string>{"Only Ethernet Cable", "Ethernet Cable + Wi-Fi",
                                        "Ethernet Cable + Mobile Connection"}));

    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "Set Communication");
        EXPECT_EQ(dlg->L_SW_Code->Caption(), "QP4A902");
        EXPECT_EQ(dlg->Btn_OK->Caption(), "OK");
        EXPECT_EQ(dlg->Ctl<TLabel>("L_LoRaWAN_Diag_Pos").Caption(), "Diagnostic Position");
        EXPECT_EQ(dlg->Ctl<TEdit>("E_EtherNetIP_GAT3").Hint(), shell::Lang_Texts[1007]);
        EXPECT_EQ(dlg->CP_Ethernet_Connection->Top(), 0);
        EXPECT_EQ(dlg->CP_LoRaWAN->Top(), dlg->CP_Ethernet_Connection->Height());
        EXPECT_EQ(dlg->CP_EtherNetIP->Top(), dlg->CP_LoRaWAN->Top() + dlg->CP_LoRaWAN->Height());
        // Each shown panel ends 12 pixels below its last control.
        const TEdit& lastDns = Edit("E_EthConn_Sec_DNS_IP4");
        EXPECT_EQ(dlg->CP_Ethernet_Connection->Height(), lastDns.Top() + lastDns.Height() + 12);
        EXPECT_EQ(dlg->ClientWidth(), 460);
        std::filesystem::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFParGen.png"));
        Pick(*dlg->CB_LoRaWAN_RF_Band, 1);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFParGen_US915.png"));
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(ParGenWindow, WidthStaysAndWheelScrollsOnlyOverThePanels) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        dlg->SetClientWidth(600);
        dlg->SetClientHeight(300);
        test::ProcessEvents();
        EXPECT_EQ(dlg->ClientWidth(), 460);
        EXPECT_EQ(dlg->ClientHeight(), 300);
        ASSERT_GT(dlg->CPG->VertScrollMax(), 0);

        test::Wheel(*dlg->P_Title, -120, 20, 20);
        EXPECT_EQ(dlg->CPG->VertScrollPos(), 0);
        test::Wheel(*dlg->CP_Ethernet_Connection, -120, 100, 100);
        const int down = dlg->CPG->VertScrollPos();
        EXPECT_EQ(down, std::min(dlg->CPG->VertScrollMax(), Mouse->WheelScrollLines() * dlg->CPG->LineStep()));
        test::Wheel(*dlg->CP_Ethernet_Connection, 120, 100, 100);
        EXPECT_EQ(dlg->CPG->VertScrollPos(), 0);
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(ParGenWindow, FailedSaveIsReportedAndKeepsTheWindowWithItsValues) {
    // The configuration folder went away while the window was open.
    test::TScriptedUi ui;
    bool stayedOpen = false;
    std::string kept;
    const TModalResult result = Open(ui, [&] {
        Retype("E_EthConn_Device_Name", "line-7");
        fs::remove_all(shell::Conf_Path);
        test::ClickAt(*dlg->Btn_OK);
        stayedOpen = dlg->ModalResult() == mrNone;
        kept = Edit("E_EthConn_Device_Name").Text();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(kept, "line-7");
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("ParGen.xml"), std::string::npos) << ui.Boxes()[0].Text;
}

TEST_F(ParGenWindow, UnreadableFileIsReportedAndLeftAloneUntilOk) {
    WriteParGen("<Par_Gen><Eth_Conn_Device_Name>half");
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(Edit("E_EtherNetIP_IP1").Text(), "192");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ReadFile(shell::ParGen_File), "<Par_Gen><Eth_Conn_Device_Name>half");
}

}  // namespace
