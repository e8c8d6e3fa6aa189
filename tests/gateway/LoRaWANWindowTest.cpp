#include "gateway/LoRaWAN_Gateway.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GatewayTestSupport.h"
#include "TestHelpers.h"
#include "gateway/LoRaWANFile.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Clipboard.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;
using grid::TExtColumnGrid;
using grid::TExtStringGrid;

namespace {

using gwtest::ReadFile;
using TAttrs = std::map<std::string, std::string>;

const char* const ABP = "Activation by Personalization [ABP]";
const char* const OTAA = "Over-the-Air Activation [OTAA]";

// Attributes in the order the window writes them; a change replaces the
// value of one of them.
std::string Attributes(std::vector<std::pair<std::string, std::string>> attrs, const TAttrs& changes) {
    std::string out;
    for (auto& [name, value] : attrs) {
        auto it = changes.find(name);
        out += name + "=\"" + (it != changes.end() ? it->second : value) + "\" ";
    }
    return out;
}

std::string UpRule(const TAttrs& changes = {}) {
    return "<Rule " +
           Attributes({{"Enable", "Y"},
                       {"Port", "1"},
                       {"StartTest", ""},
                       {"LenTest", ""},
                       {"HexTest", "N"},
                       {"ValueTest", ""},
                       {"StartBit", "0"},
                       {"NumberBits", "2"},
                       {"PositionBit", "10"},
                       {"Mnemonic", ""}},
                      changes) +
           "/>";
}

std::string DownRule(const TAttrs& changes = {}) {
    return "<Rule " +
           Attributes({{"Enable", "Y"},
                       {"Port", "2"},
                       {"StartBit", "1"},
                       {"NumberBits", "4"},
                       {"OnChange", "N"},
                       {"OnCommand", "N"},
                       {"OnTimer", "N"},
                       {"Time", "5000"},
                       {"PositionBit", "20"},
                       {"Mnemonic", ""}},
                      changes) +
           "/>";
}

// A valid personalized device with the given changes and rules.
std::string Device(const TAttrs& changes = {}, const std::string& up = "", const std::string& down = "") {
    std::vector<std::pair<std::string, std::optional<std::string>>> attrs;
    for (const auto& [name, value] : changes) attrs.emplace_back(name, value);
    return gwtest::Device(gwtest::AttrsWith(attrs), up, down);
}

// Three devices told apart by their EUIs and by the mnemonics of their rules.
std::string ThreeDevices() {
    std::string devices;
    for (const char* n : {"1", "2", "3"}) {
        const std::string d = n;
        devices += Device({{"DeviceEUI", "00000000000000A" + d}, {"DeviceName", "dev" + d}},
                          UpRule({{"Mnemonic", "up" + d}}), DownRule({{"Mnemonic", "down" + d}}));
    }
    return gwtest::LoRaWANFile(devices);
}

class LoRaWANWindow : public gwtest::WindowTest<gw::TFLoRaWAN_Gateway> {
public:
    void SetUp() override { OpenWindow("lorawan_window"); }

    TExtStringGrid& Devices() { return *dlg->ESG_LoRaWAN_Device_List; }
    TExtColumnGrid& Up() { return *dlg->ACG_LoRaWAN_Uplink; }
    TExtColumnGrid& Down() { return *dlg->ACG_LoRaWAN_Downlink; }

    // Opens the window, runs the script inside it and returns how it closed.
    TModalResult Open(test::TScriptedUi& ui, std::function<void()> script) {
        ui.OnModal([script](TForm&) {
            test::ProcessEvents();  // the window becomes the active one
            script();
            return mrNone;
        });
        return dlg->ShowModal();
    }

    void WriteLoRaWAN(const std::string& xml) {
        std::ofstream(shell::LoRaWAN_Gateway_File, std::ios::binary) << xml;
    }
    void WriteParGen(const std::string& xml) { std::ofstream(shell::ParGen_File, std::ios::binary) << xml; }

    gw::TLoRaWANConfig Stored() {
        gw::TLoRaWANConfig config;
        std::string error;
        EXPECT_TRUE(gw::LoadLoRaWAN(shell::LoRaWAN_Gateway_File, true, config, &error)) << error;
        return config;
    }

    // The window's activation and focus changes take effect once the
    // toolkit has handled its events.
    void Focus(TWinControl& c) {
        c.SetFocus();
        test::ProcessEvents();
    }

    // A click in the middle of a cell that is in view.
    void ClickCell(TExtStringGrid& g, int c, int r) {
        // The tables are wider than the window: the user scrolls a column
        // into view before clicking it.
        if (g.GridCellRect(c, r).Left >= g.GridCellRect(c, r).Right) {
            g.SetLeftCol(std::max(g.FixedCols(), c - 1));
            test::ProcessEvents();
        }
        const TRect rc = g.GridCellRect(c, r);
        ASSERT_LT(rc.Left, rc.Right) << "cell " << c << "," << r << " is not in view";
        test::ClickAt(g, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
    }

    // The user's way of filling a cell: the cell is made current, typing
    // opens its editor over the old text, Enter ends the edit. An empty
    // text types one character and takes it back.
    void TypeCell(TExtStringGrid& g, int c, int r, const std::string& text) {
        Focus(g);
        g.SetRow(r);
        g.SetCol(c);
        test::TypeText(g, text.empty() ? std::string("x") : text.substr(0, 1));
        ASSERT_TRUE(g.EditMode()) << "cell " << c << "," << r;
        TControl& editor = *g.InplaceEditor();
        if (text.empty())
            test::SendKey(editor, VK_BACK);
        else
            test::TypeText(editor, text.substr(1));
        test::SendKey(editor, VK_RETURN);
        ASSERT_EQ(g.Cells(c, r), text);
    }

    // Picks the entry of a drop-down cell with the keyboard: the list opens
    // on the first entry when the cell holds none of its entries.
    void PickCell(TExtStringGrid& g, int c, int r, int index) {
        Focus(g);
        g.SetRow(r);
        g.SetCol(c);
        test::SendKey(g, VK_RETURN);
        ASSERT_TRUE(g.EditMode());
        TComboBox& list = *g.EditCombo();
        while (list.ItemIndex() > index) test::SendKey(list, VK_UP);
        while (list.ItemIndex() < index) test::SendKey(list, VK_DOWN);
        test::SendKey(list, VK_RETURN);
        test::ProcessEvents();
    }

    std::vector<std::string> Row(TExtStringGrid& g, int r, int from, int to) {
        std::vector<std::string> v;
        for (int c = from; c <= to; ++c) v.push_back(g.Cells(c, r));
        return v;
    }

    bool Enabled(int r) {
        bool state = false;
        EXPECT_TRUE(Devices().GetCheckBoxState(1, r, state));
        return state;
    }

};

TEST_F(LoRaWANWindow, FreshConfigurationShowsEmptyTablesAndWritesNoDevice) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "LoRaWAN Gateway Access");
        EXPECT_EQ(dlg->L_SW_Code->Caption(), "QP4A902");
        EXPECT_EQ(Devices().RowCount(), 1001);
        EXPECT_EQ(Devices().ColCount(), 14);
        EXPECT_EQ(Row(Devices(), 0, 0, 13),
                  (std::vector<std::string>{"N", "Enable", "Device EUI", "Join EUI", "Device Name",
                                            "Activation Method", "Network Session Key",
                                            "Application Session Key", "Application Key", "Device Address",
                                            "Class", "Diag. TimeOut", "RX2 Datarate", "Mnemonic"}));
        EXPECT_EQ(Devices().Cells(0, 1000), "1000");
        EXPECT_TRUE(Enabled(1000));
        EXPECT_EQ(Up().RowCount(), 1025);
        EXPECT_EQ(
            Row(Up(), 0, 0, 10),
            (std::vector<std::string>{"N", "Enable", "Port", "Start Test", "Len Test", "Hex", "Value Test",
                                      "Start Byte", "Number Bytes", "Position Byte", "Mnemonic"}));
        EXPECT_EQ(Row(Down(), 0, 0, 10),
                  (std::vector<std::string>{"N", "Enable", "Port", "Start Byte", "Number Bytes", "On Change",
                                            "On CMD", "On Timer", "Time (ms)", "Position Byte", "Mnemonic"}));
        EXPECT_EQ(Row(Up(), 1024, 0, 10),
                  (std::vector<std::string>{"1024", "Y", "", "", "", "N", "", "", "", "", ""}));
        EXPECT_EQ(Row(Down(), 7, 0, 10),
                  (std::vector<std::string>{"7", "Y", "", "", "", "N", "N", "N", "", "", ""}));
        EXPECT_EQ(dlg->PC_LoRaWAN_Device_Rules_List->Pages(0), dlg->TS_LoRaWAN_Uplink_Rules_List);
        EXPECT_EQ(dlg->TS_LoRaWAN_Uplink_Rules_List->Caption(), "Uplink Rules");
        EXPECT_EQ(dlg->TS_LoRaWAN_Downlink_Rules_List->Caption(), "Downlink Rules");
        EXPECT_TRUE(dlg->PLoRaWAN_Device_List->Visible());
        EXPECT_EQ(dlg->Btn_PasteRow->Caption(), "Paste Row");
        EXPECT_EQ(dlg->Btn_DelRow->Hint(), "Delete the Selected Row in the table");
        EXPECT_EQ(dlg->ClientWidth(), 1150);
        EXPECT_EQ(dlg->ClientHeight(), 660);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(Stored().Devices.empty());
    TXmlDocument doc;
    ASSERT_TRUE(doc.LoadFromFile(shell::LoRaWAN_Gateway_File));
    EXPECT_EQ(doc.Root().Name(), "LoRaWAN_Gateway");
    EXPECT_EQ(doc.TopLevelComment(0), "SW_VERSION = 1.000");
}

TEST_F(LoRaWANWindow, TypedDeviceAndRulesAreSavedAndShownAgainUnchanged) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Devices(), 2, 1, "70b3d57ed0001234");
        TypeCell(Devices(), 3, 1, "0000000000000001");
        TypeCell(Devices(), 4, 1, "Boiler room");
        PickCell(Devices(), 5, 1, 0);
        TypeCell(Devices(), 6, 1, "000102030405060708090a0b0c0d0e0f");
        TypeCell(Devices(), 7, 1, "101112131415161718191A1B1C1D1E1F");
        TypeCell(Devices(), 9, 1, "26011bda");
        PickCell(Devices(), 10, 1, 1);
        TypeCell(Devices(), 11, 1, "60000");
        PickCell(Devices(), 12, 1, 3);
        TypeCell(Devices(), 13, 1, "  spaced  ");
        TypeCell(Up(), 2, 1, "10");
        TypeCell(Up(), 3, 1, "0");
        TypeCell(Up(), 4, 1, "2");
        Up().SetCol(5);
        test::SendKey(Up(), VK_SPACE);  // Hex on
        TypeCell(Up(), 6, 1, "ab01");
        TypeCell(Up(), 7, 1, "2");
        TypeCell(Up(), 8, 1, "4");
        TypeCell(Up(), 9, 1, "100");
        TypeCell(Up(), 10, 1, "temperature");
        TypeCell(Down(), 2, 1, "20");
        TypeCell(Down(), 3, 1, "0");
        TypeCell(Down(), 4, 1, "2");
        Down().SetCol(7);
        test::SendKey(Down(), VK_SPACE);  // On Timer on
        TypeCell(Down(), 8, 1, "30000");
        TypeCell(Down(), 9, 1, "200");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].Text;

    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 1u);
    const gw::TDeviceLoRa& d = stored.Devices[0];
    EXPECT_TRUE(d.Enable);
    EXPECT_EQ(d.DeviceEUI, "70b3d57ed0001234");
    EXPECT_EQ(d.ActMethod, ABP);
    EXPECT_EQ(d.NetSessKey, "000102030405060708090a0b0c0d0e0f");
    EXPECT_EQ(d.ClassLoRa, "C");
    EXPECT_EQ(d.RX2Datarate, "SF9BW125");
    EXPECT_EQ(d.Mnemonic, "  spaced  ");
    ASSERT_EQ(d.UpLinkRules.size(), 1u);
    EXPECT_TRUE(d.UpLinkRules[0].HexTest);
    EXPECT_EQ(d.UpLinkRules[0].ValueTest, "ab01");
    EXPECT_EQ(d.UpLinkRules[0].Mnemonic, "temperature");
    ASSERT_EQ(d.DownLinkRules.size(), 1u);
    EXPECT_TRUE(d.DownLinkRules[0].OnTimer);
    EXPECT_FALSE(d.DownLinkRules[0].OnChange);
    EXPECT_EQ(d.DownLinkRules[0].Time, "30000");

    // Shown again as saved, and saved again byte for byte.
    const std::string first = ReadFile(shell::LoRaWAN_Gateway_File);
    Open(ui, [&] {
        EXPECT_EQ(
            Row(Devices(), 1, 2, 13),
            (std::vector<std::string>{"70b3d57ed0001234", "0000000000000001", "Boiler room", ABP,
                                      "000102030405060708090a0b0c0d0e0f", "101112131415161718191A1B1C1D1E1F",
                                      "", "26011bda", "C", "60000", "SF9BW125", "  spaced  "}));
        EXPECT_EQ(Row(Up(), 1, 1, 10), (std::vector<std::string>{"Y", "10", "0", "2", "Y", "ab01", "2", "4",
                                                                 "100", "temperature"}));
        EXPECT_EQ(Row(Down(), 1, 1, 10),
                  (std::vector<std::string>{"Y", "20", "0", "2", "N", "N", "Y", "30000", "200", ""}));
        EXPECT_EQ(Up().Cells(2, 2), "");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(ReadFile(shell::LoRaWAN_Gateway_File), first);
}

// The rule tables are refilled whenever the device table's row changes,
// whether by mouse or by keyboard, and an edit goes into the device that
// was current while it was made.
TEST_F(LoRaWANWindow, RulesFollowTheCurrentDeviceByMouseAndByKeyboard) {
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(Devices().Row(), 1);
        EXPECT_EQ(Up().Cells(10, 1), "up1");
        EXPECT_EQ(Down().Cells(10, 1), "down1");

        ClickCell(Devices(), 4, 2);
        EXPECT_EQ(Devices().Row(), 2);
        EXPECT_EQ(Up().Cells(10, 1), "up2");
        EXPECT_EQ(Down().Cells(10, 1), "down2");
        TypeCell(Up(), 10, 1, "up2 edited");
        // A second rule for device 2.
        TypeCell(Up(), 2, 2, "7");
        TypeCell(Up(), 7, 2, "0");
        TypeCell(Up(), 8, 2, "1");
        TypeCell(Up(), 9, 2, "0");

        // Keyboard: the edits stay with device 2, device 3 shows its own.
        Focus(Devices());
        test::SendKey(Devices(), VK_DOWN);
        EXPECT_EQ(Devices().Row(), 3);
        EXPECT_EQ(Up().Cells(10, 1), "up3");
        EXPECT_EQ(Up().Cells(2, 2), "");
        TypeCell(Down(), 10, 1, "down3 edited");
        Focus(Devices());
        test::SendKey(Devices(), VK_UP);
        EXPECT_EQ(Up().Cells(10, 1), "up2 edited");
        EXPECT_EQ(Up().Cells(2, 2), "7");
        EXPECT_EQ(Down().Cells(10, 1), "down2");
        test::SendKey(Devices(), VK_UP);
        EXPECT_EQ(Up().Cells(10, 1), "up1");

        // Mouse, straight from a rule table's open editor to another device.
        Focus(Up());
        Up().SetRow(1);
        Up().SetCol(10);
        test::TypeText(Up(), "x");
        ASSERT_TRUE(Up().EditMode());
        ClickCell(Devices(), 2, 3);
        EXPECT_EQ(Up().Cells(10, 1), "up3");
        EXPECT_EQ(Down().Cells(10, 1), "down3 edited");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].Text;
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 3u);
    ASSERT_EQ(stored.Devices[1].UpLinkRules.size(), 2u);
    const auto mnemonics = [&](const std::vector<gw::TRuleLoRa>& rules) {
        std::vector<std::string> v;
        for (const auto& r : rules) v.push_back(r.Mnemonic);
        return v;
    };
    EXPECT_EQ(mnemonics(stored.Devices[0].UpLinkRules), (std::vector<std::string>{"x"}));
    EXPECT_EQ(mnemonics(stored.Devices[1].UpLinkRules), (std::vector<std::string>{"up2 edited", ""}));
    EXPECT_EQ(stored.Devices[1].UpLinkRules[1].Port, "7");
    EXPECT_EQ(mnemonics(stored.Devices[1].DownLinkRules), (std::vector<std::string>{"down2"}));
    EXPECT_EQ(mnemonics(stored.Devices[2].UpLinkRules), (std::vector<std::string>{"up3"}));
    EXPECT_EQ(mnemonics(stored.Devices[2].DownLinkRules), (std::vector<std::string>{"down3 edited"}));
}

TEST_F(LoRaWANWindow, TabEndsTheEditAndGoesOnToTheNextCellOfTheRow) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(&Devices()), static_cast<TExtStringGrid*>(&Up()),
                                  static_cast<TExtStringGrid*>(&Down())}) {
            Focus(*g);
            g->SetRow(1);
            g->SetCol(2);
            test::TypeText(*g, "1");
            ASSERT_TRUE(g->EditMode());
            test::SendKey(*g->InplaceEditor(), VK_TAB);
            EXPECT_EQ(g->Cells(2, 1), "1");
            EXPECT_EQ(g->Row(), 1);
            EXPECT_EQ(g->Col(), 3);
            test::SendKey(*g, VK_TAB, ssShift);
            EXPECT_EQ(g->Col(), 2);
        }
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(LoRaWANWindow, DataCheckNamesDeviceAndRuleAndKeepsTheFile) {
    const std::string valid = Device({{"DeviceEUI", "01020304050607FF"}});
    const struct {
        const char* name;
        std::string second;   // the second device of the file
        const char* message;  // empty: the check passes and the file is written
    } cases[] = {
        {"EUI length", Device({{"DeviceEUI", "01020304050607"}}),
         "Error Device 2!! Device EUI must have 8 bytes (16 characters)"},
        {"EUI character", Device({{"DeviceEUI", "010203040506070G"}}),
         "Error Device 2!! Device EUI must have only valid chatacter (0..9 and A..F)"},
        {"join EUI length", Device({{"JoinEUI", "1112"}}),
         "Error Device 2!! Join EUI must have 8 bytes (16 characters)"},
        {"join EUI character", Device({{"JoinEUI", "11121314151617-8"}}),
         "Error Device 2!! Join EUI must have only valid chatacter (0..9 and A..F)"},
        {"no method", Device({{"ActivationMethod", " "}}),
         "Error Device 2!! Activation Method must be selected"},
        {"network key length", Device({{"NetworkSessionKey", "00"}}),
         "Error Device 2!! Network Session Key must have 16 bytes (32 characters)"},
        {"network key character", Device({{"NetworkSessionKey", "000102030405060708090A0B0C0D0E0Z"}}),
         "Error Device 2!! Network Session Key must have only valid chatacter (0..9 and A..F)"},
        {"session key length", Device({{"ApplicationSessionKey", ""}}),
         "Error Device 2!! Application Session Key must have 16 bytes (32 characters)"},
        {"session key character", Device({{"ApplicationSessionKey", "g01112131415161718191A1B1C1D1E1F"}}),
         "Error Device 2!! Application Session Key must have only valid chatacter (0..9 and A..F)"},
        {"application key length", Device({{"ActivationMethod", OTAA}, {"ApplicationKey", "2021"}}),
         "Error Device 2!! Application Key must have 16 bytes (32 characters)"},
        {"application key character",
         Device({{"ActivationMethod", OTAA}, {"ApplicationKey", "202122232425262728292A2B2C2D2E2G"}}),
         "Error Device 2!! Application Key must have only valid chatacter (0..9 and A..F)"},
        {"over the air ignores session keys",
         Device({{"ActivationMethod", OTAA}, {"NetworkSessionKey", ""}, {"ApplicationSessionKey", ""}}), ""},
        {"address length", Device({{"DeviceAddress", "26011B"}}),
         "Error Device 2!! Device Address must have 4 bytes (8 characters)"},
        {"address character", Device({{"DeviceAddress", "26011BDX"}}),
         "Error Device 2!! Device Address must have only valid chatacter (0..9 and A..F)"},
        {"time-out blank", Device({{"DiagTimeOut", ""}}),
         "Error Device 2!! Diag. TimeOut must be between 0 and 4294967295 milliseconds"},
        {"time-out too long", Device({{"DiagTimeOut", "4294967296"}}),
         "Error Device 2!! Diag. TimeOut must be between 0 and 4294967295 milliseconds"},
        {"time-out zero and longest",
         Device({{"DiagTimeOut", "0"}}) + Device({{"DiagTimeOut", "4294967295"}, {"DeviceEUI", "01020304050607FE"}}), ""},
        {"same EUI twice", Device() + Device(), "Error Device 3!! Device EUI is the same as the one of Device 2"},
        {"disabled device still checked", Device({{"Enable", "N"}, {"NetworkSessionKey", "00"}}),
         "Error Device 2!! Network Session Key must have 16 bytes (32 characters)"},
        {"blank EUI skips the device", Device({{"DeviceEUI", " "}, {"JoinEUI", ""}}, UpRule({{"Port", "x"}})),
         ""},
        {"uplink port", Device({}, UpRule() + UpRule({{"Port", "65536"}})),
         "Error Device 2, UpLink Rule 2!! Port must be between 0 and 65535"},
        {"start test not a number", Device({}, UpRule({{"StartTest", "one"}, {"LenTest", "1"}})),
         "Error Device 2, UpLink Rule 1!! Start Test must be a valid numeric value"},
        {"start test of none",
         Device({}, UpRule({{"StartTest", "65535"}, {"LenTest", "1"}, {"ValueTest", "a"}})),
         "Error Device 2, UpLink Rule 1!! Start Test must be a valid numeric value"},
        {"length of none", Device({}, UpRule({{"StartTest", "0"}, {"LenTest", "65535"}})),
         "Error Device 2, UpLink Rule 1!! Len Test must be a valid numeric value"},
        {"length missing", Device({}, UpRule({{"StartTest", "$10"}})),
         "Error Device 2, UpLink Rule 1!! Len Test must be a valid numeric value"},
        {"hex value length",
         Device({},
                UpRule({{"StartTest", "0"}, {"LenTest", "4"}, {"HexTest", "Y"}, {"ValueTest", "0A0B0C"}})),
         "Error Device 2, UpLink Rule 1!! Value Test must have 4 bytes (8 characters)"},
        {"hex value character",
         Device({}, UpRule({{"StartTest", "0"}, {"LenTest", "2"}, {"HexTest", "Y"}, {"ValueTest", "0G0A"}})),
         "Error Device 2, UpLink Rule 1!! Value Test must have only valid chatacter (0..9 and A..F)"},
        {"text value length", Device({}, UpRule({{"StartTest", "0"}, {"LenTest", "3"}, {"ValueTest", "ab"}})),
         "Error Device 2, UpLink Rule 1!! Value Test must have 3 characters"},
        {"largest test passes",
         Device({}, UpRule({{"StartTest", "65534"}, {"LenTest", "2"}, {"ValueTest", "ab"}})), ""},
        {"uplink start byte", Device({}, UpRule({{"StartBit", "501"}})),
         "Error Device 2, UpLink Rule 1!! Start Byte must be between 0 and 500"},
        {"uplink count", Device({}, UpRule({{"NumberBits", "0"}})),
         "Error Device 2, UpLink Rule 1!! Number Bytes must be between 1 and 1536"},
        {"uplink position", Device({}, UpRule({{"PositionBit", "1536"}})),
         "Error Device 2, UpLink Rule 1!! Position Byte must be between 0 and 1535"},
        {"uplink past the memory", Device({}, UpRule({{"PositionBit", "1535"}, {"NumberBits", "2"}})),
         "Error Device 2, UpLink Rule 1!! Position Byte plus Number Bytes must be minor of 1536"},
        {"uplink up to the end", Device({}, UpRule({{"PositionBit", "1534"}, {"NumberBits", "2"}})), ""},
        {"disabled rule unchecked", Device({}, UpRule({{"Enable", "N"}, {"Port", "x"}, {"NumberBits", "0"}})),
         ""},
        {"downlink port", Device({}, "", DownRule({{"Port", "-1"}})),
         "Error Device 2, DownLink Rule 1!! Port must be between 0 and 65535"},
        {"downlink start byte", Device({}, "", DownRule() + DownRule() + DownRule({{"StartBit", "600"}})),
         "Error Device 2, DownLink Rule 3!! Start Byte must be between 0 and 500"},
        {"downlink count", Device({}, "", DownRule({{"NumberBits", "1537"}})),
         "Error Device 2, DownLink Rule 1!! Number Bytes must be between 1 and 1536"},
        {"timer period", Device({}, "", DownRule({{"OnTimer", "Y"}, {"Time", "100000001"}})),
         "Error Device 2, DownLink Rule 1!! Time must be between 0 and 100000000 milliseconds"},
        {"period without timer", Device({}, "", DownRule({{"Time", "100000001"}})), ""},
        {"downlink position", Device({}, "", DownRule({{"PositionBit", "2000"}})),
         "Error Device 2, DownLink Rule 1!! Position Byte must be between 0 and 1535"},
        {"downlink past the memory",
         Device({}, "", DownRule({{"PositionBit", "1500"}, {"NumberBits", "37"}})),
         "Error Device 2, DownLink Rule 1!! Position Byte plus Number Bytes must be minor of 1536"},
        {"disabled downlink unchecked", Device({}, "", DownRule({{"Enable", "N"}, {"PositionBit", "2000"}})),
         ""},
    };
    for (const auto& c : cases) {
        const std::string before = gwtest::LoRaWANFile(valid + c.second);
        WriteLoRaWAN(before);
        test::TScriptedUi ui;
        bool stayedOpen = false;
        const TModalResult result = Open(ui, [&] {
            test::ClickAt(*dlg->Btn_OK);
            stayedOpen = dlg->ModalResult() == mrNone;
        });
        if (*c.message != '\0') {
            gwtest::ExpectRefused(ui, stayedOpen, c.message, shell::LoRaWAN_Gateway_File, before, c.name);
        } else {
            EXPECT_TRUE(ui.Boxes().empty())
                << c.name << ": " << (ui.Boxes().empty() ? "" : ui.Boxes()[0].Text);
            EXPECT_EQ(result, mrOk) << c.name;
            EXPECT_NE(ReadFile(shell::LoRaWAN_Gateway_File), before) << c.name;
        }
    }
}

// Clearing a device's EUI takes that device out of the file, not the
// devices below it as well.
TEST_F(LoRaWANWindow, ClearedEuiRemovesOnlyThatDevice) {
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Devices(), 2, 2, "");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].Text;
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 2u);
    EXPECT_EQ(stored.Devices[0].DeviceName, "dev1");
    EXPECT_EQ(stored.Devices[1].DeviceName, "dev3");
    EXPECT_EQ(stored.Devices[1].UpLinkRules.at(0).Mnemonic, "up3");
}

// Cancel asks before it throws changes away, as the parameter window does;
// No keeps the window and the edits, Yes discards them. Without a change it
// goes at once.
TEST_F(LoRaWANWindow, CancelAsksBeforeDiscardingTheEdits) {
    WriteLoRaWAN(ThreeDevices());
    const std::string before = ReadFile(shell::LoRaWAN_Gateway_File);
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrYes);
    bool keptAfterNo = false;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Devices(), 4, 1, "renamed");
        TypeCell(Up(), 10, 1, "changed");
        TypeCell(Devices(), 2, 4, "00000000000000A4");
        test::ClickAt(*dlg->Btn_Cancel);
        keptAfterNo = dlg->ModalResult() == mrNone && Devices().Cells(4, 1) == "renamed";
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_TRUE(keptAfterNo);
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtConfirmation);
    EXPECT_EQ(ui.Boxes()[0].Text, "Do you want to exit without saving changes?");
    EXPECT_EQ(ReadFile(shell::LoRaWAN_Gateway_File), before);
    const TModalResult unchanged = Open(ui, [&] {
        EXPECT_EQ(Devices().Cells(4, 1), "dev1");
        EXPECT_EQ(Up().Cells(10, 1), "up1");
        EXPECT_EQ(Devices().Cells(2, 4), "");
        ClickCell(Devices(), 4, 2);  // looking is no change
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(unchanged, mrCancel);
    EXPECT_EQ(ui.Boxes().size(), 2u);
}

TEST_F(LoRaWANWindow, NothingOfAnotherConfigurationStaysInTheTables) {
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    Open(ui, [&] { test::ClickAt(*dlg->Btn_Cancel); });
    fs::remove(shell::LoRaWAN_Gateway_File);
    Open(ui, [&] {
        for (int r = 1; r <= 3; ++r)
            EXPECT_EQ(Row(Devices(), r, 2, 13), std::vector<std::string>(12)) << "row " << r;
        EXPECT_EQ(Up().Cells(2, 1), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(LoRaWANWindow, FailedSaveIsReportedAndKeepsTheWindowWithItsTables) {
    test::TScriptedUi ui;
    bool stayedOpen = false;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Devices(), 4, 1, "kept");
        fs::remove_all(shell::Conf_Path);
        test::ClickAt(*dlg->Btn_OK);
        stayedOpen = dlg->ModalResult() == mrNone;
        EXPECT_EQ(Devices().Cells(4, 1), "kept");
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("LoRaWAN_Gateway.xml"), std::string::npos) << ui.Boxes()[0].Text;
}

TEST_F(LoRaWANWindow, UnreadableFileIsReportedAndLeftAloneUntilOk) {
    WriteLoRaWAN("<LoRaWAN_Gateway><LoRaWAN_Devices_List>");
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(Devices().Cells(2, 1), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ReadFile(shell::LoRaWAN_Gateway_File), "<LoRaWAN_Gateway><LoRaWAN_Devices_List>");
}

TEST_F(LoRaWANWindow, DeviceRowButtonsMoveEachDeviceWithItsRules) {
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrYes);
    const TModalResult result = Open(ui, [&] {
        ClickCell(Devices(), 4, 2);
        test::ClickAt(*dlg->Btn_DelRow);  // No: nothing changes
        EXPECT_EQ(Devices().Cells(4, 2), "dev2");
        ClickCell(Devices(), 4, 2);
        test::ClickAt(*dlg->Btn_DelRow);  // Yes
        EXPECT_EQ(Devices().Cells(4, 2), "dev3");
        EXPECT_EQ(Devices().Cells(0, 2), "2");
        EXPECT_EQ(Up().Cells(10, 1), "up3");
        EXPECT_EQ(Devices().Cells(4, 3), "");
        EXPECT_TRUE(Enabled(1000));
        EXPECT_TRUE(Devices().ReadOnly(8, 1000));

        // Insert before device 3: an empty device without rules.
        ClickCell(Devices(), 4, 2);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_EQ(Devices().Cells(4, 2), "");
        EXPECT_TRUE(Enabled(2));
        // Without a method the new device is personalized: no application key.
        EXPECT_TRUE(Devices().ReadOnly(8, 2));
        EXPECT_FALSE(Devices().ReadOnly(6, 2));
        EXPECT_EQ(Up().Cells(2, 1), "");
        EXPECT_EQ(Devices().Cells(4, 3), "dev3");
        ClickCell(Devices(), 4, 3);
        EXPECT_EQ(Up().Cells(10, 1), "up3");

        // Copy device 1 into the empty row 2: the cells, not the rules.
        ClickCell(Devices(), 4, 1);
        test::ClickAt(*dlg->Btn_CopyRow);
        ClickCell(Devices(), 4, 2);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(Devices().Cells(4, 2), "dev1");
        EXPECT_EQ(Up().Cells(2, 1), "");
        TypeCell(Devices(), 2, 2, "00000000000000B2");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Are you sure to delete the Row number 2 in Devices List Grid?");
    EXPECT_EQ(ui.Boxes()[0].Type, mtConfirmation);
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 3u);
    EXPECT_EQ(stored.Devices[0].DeviceName, "dev1");
    EXPECT_EQ(stored.Devices[0].UpLinkRules.at(0).Mnemonic, "up1");
    EXPECT_EQ(stored.Devices[1].DeviceName, "dev1");
    EXPECT_EQ(stored.Devices[1].DeviceEUI, "00000000000000B2");
    EXPECT_TRUE(stored.Devices[1].UpLinkRules.empty());
    EXPECT_EQ(stored.Devices[2].DeviceName, "dev3");
    EXPECT_EQ(stored.Devices[2].DownLinkRules.at(0).Mnemonic, "down3");
}

TEST_F(LoRaWANWindow, RuleRowButtonsActOnTheRuleTableOfTheCurrentDevice) {
    WriteLoRaWAN(gwtest::LoRaWANFile(Device({{"DeviceEUI", "00000000000000A1"}},
                                            UpRule({{"Mnemonic", "a"}}) + UpRule({{"Mnemonic", "b"}}),
                                            DownRule({{"Mnemonic", "d"}})) +
                                     Device({{"DeviceEUI", "00000000000000A2"}})));
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);  // delete uplink rule 1
    ui.AnswerBox(mrYes);  // overwrite the used downlink row
    const TModalResult result = Open(ui, [&] {
        ClickCell(Up(), 10, 1);
        test::ClickAt(*dlg->Btn_DelRow);
        EXPECT_EQ(Up().Cells(10, 1), "b");
        EXPECT_EQ(Up().Cells(2, 2), "");

        ClickCell(Up(), 10, 1);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_EQ(Row(Up(), 1, 1, 3), (std::vector<std::string>{"Y", "", ""}));
        EXPECT_EQ(Up().Cells(10, 2), "b");
        TypeCell(Up(), 2, 1, "5");
        TypeCell(Up(), 7, 1, "0");
        TypeCell(Up(), 8, 1, "1");
        TypeCell(Up(), 9, 1, "0");

        // A rule row does not paste into the device table, nor into the
        // other rule table.
        ClickCell(Up(), 10, 2);
        test::ClickAt(*dlg->Btn_CopyRow);
        ClickCell(Devices(), 4, 1);
        test::ClickAt(*dlg->Btn_PasteRow);
        dlg->PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(1);
        ClickCell(Down(), 10, 1);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(Down().Cells(10, 1), "d");

        ClickCell(Down(), 10, 1);
        test::ClickAt(*dlg->Btn_CopyRow);
        ClickCell(Down(), 10, 2);
        test::ClickAt(*dlg->Btn_PasteRow);  // empty row: no question
        test::ClickAt(*dlg->Btn_PasteRow);  // now used: asks
        EXPECT_EQ(Down().Cells(10, 2), "d");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    std::vector<std::string> texts;
    for (const auto& b : ui.Boxes()) texts.push_back(b.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Are you sure to delete the Row number 1 in Uplink Grid?",
                                               "Error!!! Copy a valid row before Paste it",
                                               "Error!!! Copy a valid row before Paste it",
                                               "Row Already used. Do you want to overwrite the values?"}));
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 2u);
    const auto& up = stored.Devices[0].UpLinkRules;
    ASSERT_EQ(up.size(), 2u);
    EXPECT_EQ(up[0].Port, "5");
    EXPECT_EQ(up[1].Mnemonic, "b");
    ASSERT_EQ(stored.Devices[0].DownLinkRules.size(), 2u);
    EXPECT_EQ(stored.Devices[0].DownLinkRules[1].Mnemonic, "d");
    EXPECT_TRUE(stored.Devices[1].UpLinkRules.empty());
    EXPECT_TRUE(stored.Devices[1].DownLinkRules.empty());
}

TEST_F(LoRaWANWindow, ActivationMethodDecidesWhichKeyCellsTakeInput) {
    WriteLoRaWAN(
        gwtest::LoRaWANFile(Device({{"DeviceEUI", "00000000000000A1"}}) +
                            Device({{"DeviceEUI", "00000000000000A2"}, {"ActivationMethod", OTAA}})));
    const auto keys = [&](int r) {
        return std::vector<bool>{Devices().ReadOnly(6, r), Devices().ReadOnly(7, r),
                                 Devices().ReadOnly(8, r)};
    };
    const std::vector<bool> abp = {false, false, true};
    const std::vector<bool> otaa = {true, true, false};
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);  // overwrite row 1
    Open(ui, [&] {
        EXPECT_EQ(keys(1), abp);
        EXPECT_EQ(keys(2), otaa);
        EXPECT_EQ(keys(3), abp) << "an empty method counts as personalization";
        PickCell(Devices(), 5, 1, 1);
        EXPECT_EQ(Devices().Cells(5, 1), OTAA);
        EXPECT_EQ(keys(1), otaa);
        PickCell(Devices(), 5, 1, 0);
        EXPECT_EQ(keys(1), abp);

        // A read-only key cell takes no typing.
        Focus(Devices());
        Devices().SetRow(1);
        Devices().SetCol(8);
        test::TypeText(Devices(), "9");
        EXPECT_FALSE(Devices().EditMode());
        EXPECT_EQ(Devices().Cells(8, 1), "202122232425262728292A2B2C2D2E2F");

        // A pasted row brings its method's key cells along.
        ClickCell(Devices(), 4, 2);
        test::ClickAt(*dlg->Btn_CopyRow);
        ClickCell(Devices(), 4, 1);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(Devices().Cells(5, 1), OTAA);
        EXPECT_EQ(keys(1), otaa);
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

TEST_F(LoRaWANWindow, RX2ListFollowsTheBandOfTheParameterFile) {
    const struct {
        const char* parGen;  // nullptr: no file
        std::vector<std::string> items;
    } cases[] = {
        {nullptr,
         {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125", "SF7BW250", ""}},
        {"<Par_Gen><LoRaWAN_RF_Band>US915</LoRaWAN_RF_Band></Par_Gen>",
         {"SF12BW500", "SF11BW500", "SF10BW500", "SF9BW500", "SF8BW500", "SF7BW500", ""}},
        {"<Par_Gen><LoRaWAN_RF_Band>us915</LoRaWAN_RF_Band></Par_Gen>",
         {"SF12BW125", "SF11BW125", "SF10BW125", "SF9BW125", "SF8BW125", "SF7BW125", "SF7BW250", ""}},
    };
    for (const auto& c : cases) {
        fs::remove(shell::ParGen_File);
        if (c.parGen) WriteParGen(c.parGen);
        // A window of its own for each case: the headless toolkit does not
        // give the focus back to a modal window shown a second time.
        dlg = std::make_unique<gw::TFLoRaWAN_Gateway>(nullptr);
        dlg->DoCreate();
        test::TScriptedUi ui;
        Open(ui, [&] {
            Focus(Devices());
            Devices().SetCol(12);
            test::SendKey(Devices(), VK_RETURN);
            ASSERT_TRUE(Devices().EditMode());
            EXPECT_EQ(Devices().EditCombo()->Items().Items(), c.items) << (c.parGen ? c.parGen : "none");
            test::SendKey(*Devices().EditCombo(), VK_RETURN);
            test::ClickAt(*dlg->Btn_Cancel);
        });
    }
}

TEST_F(LoRaWANWindow, EndNodeEditsTheRulesOfItsOneDevice) {
    WriteParGen("<Par_Gen><LoRaWAN_Mode>End Node</LoRaWAN_Mode></Par_Gen>");
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_FALSE(dlg->ModeMaster());
        EXPECT_FALSE(dlg->PLoRaWAN_Device_List->Visible());
        EXPECT_FALSE(dlg->Splitter1->Visible());
        // An end node sends what the downlink table describes: it comes
        // first, under the uplink caption.
        TPageControl& pages = *dlg->PC_LoRaWAN_Device_Rules_List;
        EXPECT_EQ(pages.Pages(0), dlg->TS_LoRaWAN_Downlink_Rules_List);
        EXPECT_EQ(pages.ActivePageIndex(), 0);
        EXPECT_EQ(dlg->TS_LoRaWAN_Downlink_Rules_List->Caption(), "Uplink Rules");
        EXPECT_EQ(dlg->TS_LoRaWAN_Uplink_Rules_List->Caption(), "Downlink Rules");
        EXPECT_EQ(Devices().Cells(2, 2), "") << "only the first device is read";
        EXPECT_EQ(Down().Cells(10, 1), "down1");
        TypeCell(Down(), 10, 2, "node");
        TypeCell(Down(), 2, 2, "9");
        TypeCell(Down(), 3, 2, "0");
        TypeCell(Down(), 4, 2, "1");
        TypeCell(Down(), 9, 2, "0");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].Text;
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 1u);
    ASSERT_EQ(stored.Devices[0].DownLinkRules.size(), 2u);
    EXPECT_EQ(stored.Devices[0].DownLinkRules[1].Mnemonic, "node");

    // Back to gateway mode: the usual order and all devices of the file.
    WriteParGen("<Par_Gen><LoRaWAN_Mode>Gateway</LoRaWAN_Mode></Par_Gen>");
    WriteLoRaWAN(ThreeDevices());
    Open(ui, [&] {
        EXPECT_TRUE(dlg->PLoRaWAN_Device_List->Visible());
        EXPECT_EQ(dlg->PC_LoRaWAN_Device_Rules_List->Pages(0), dlg->TS_LoRaWAN_Uplink_Rules_List);
        EXPECT_EQ(dlg->TS_LoRaWAN_Uplink_Rules_List->Caption(), "Uplink Rules");
        EXPECT_EQ(Devices().Cells(4, 3), "dev3");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// The node's identity and keys come from the parameter file; the window has
// no device table to correct them in, so they do not stop its rules from
// being saved.
TEST_F(LoRaWANWindow, EndNodeWithoutFileSavesItsRulesUnderThePlaceholder) {
    WriteParGen("<Par_Gen><LoRaWAN_Mode>END NODE</LoRaWAN_Mode></Par_Gen>");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Down(), 2, 1, "3");
        TypeCell(Down(), 3, 1, "0");
        TypeCell(Down(), 4, 1, "0");  // no byte to send
        TypeCell(Down(), 9, 1, "0");
        test::ClickAt(*dlg->Btn_OK);
        ASSERT_EQ(dlg->ModalResult(), mrNone);
        TypeCell(Down(), 4, 1, "8");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "Error Device 1, DownLink Rule 1!! Number Bytes must be between 1 and 1536");
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.size(), 1u);
    EXPECT_EQ(stored.Devices[0].DeviceEUI, "0001020304050607");
    ASSERT_EQ(stored.Devices[0].DownLinkRules.size(), 1u);
    EXPECT_EQ(stored.Devices[0].DownLinkRules[0].NumBits, "8");
}

TEST_F(LoRaWANWindow, ScreenshotWithTwoDevices) {
    WriteLoRaWAN(gwtest::LoRaWANFile(
        Device({{"DeviceEUI", "70B3D57ED0001234"}, {"DeviceName", "Boiler room"}},
               UpRule({{"Mnemonic", "temperature"}}) + UpRule({{"Port", "2"}, {"Mnemonic", "humidity"}}),
               DownRule({{"OnChange", "Y"}, {"Mnemonic", "valve"}})) +
        Device({{"DeviceEUI", "70B3D57ED0005678"},
                {"DeviceName", "Roof"},
                {"ActivationMethod", OTAA},
                {"Enable", "N"}})));
    test::TScriptedUi ui;
    Open(ui, [&] {
        fs::create_directories(VASTRIMO_TEST_OUT);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFLoRaWAN_Gateway.png"));
        // The tables show in a picture of the whole window: the Port colour
        // in an empty row of the uplink table, deep inside its pages.
        const TRect cell = Up().GridCellRect(2, 5);
        const TPoint at = dlg->ScreenToClient(Up().ClientToScreen({cell.Left + 5, cell.Top + 5}));
        EXPECT_EQ(test::PixelAt(*dlg, at.X, at.Y), (test::TRgb{255, 255, 168}));
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

}  // namespace

namespace {

// A stray Enter or Space on opening must not reach a row button: the focus
// starts in the device table.
TEST_F(LoRaWANWindow, OpensWithTheFocusInTheDeviceTable) {
    test::TScriptedUi ui;
    bool inTable = false, onButton = true;
    Open(ui, [&] {
        inTable = Devices().Focused();
        onButton = dynamic_cast<TWinControl&>(*dlg->Btn_DelRow).Focused();
    });
    EXPECT_TRUE(inTable);
    EXPECT_FALSE(onButton);
}

}  // namespace

namespace {

// A drop-down cell keeps its text until the user picks an entry: opening
// the list, by mouse or by key, and leaving it again changes nothing, and a
// mouse user reaches every entry, not only the one the list opens on.
TEST_F(LoRaWANWindow, DropDownCellsOpenTheirListAndChangeOnlyByAPick) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TComboBox& list = *Devices().EditCombo();
        // The mouse: a click in the cell opens the editor, a click on its
        // arrow drops the list (and leaves the editor open), an entry of
        // the list is picked.
        ClickCell(Devices(), 10, 1);
        if (!Devices().EditMode()) ClickCell(Devices(), 10, 1);
        ASSERT_TRUE(Devices().EditMode());
        test::ClickAt(list, list.Width() - 6, list.Height() / 2);
        test::ProcessEvents();
        EXPECT_TRUE(list.DroppedDown());
        EXPECT_TRUE(Devices().EditMode());
        EXPECT_EQ(Devices().Cells(10, 1), "");
        ASSERT_TRUE(test::PickDroppedItem(list, 1));
        EXPECT_FALSE(list.DroppedDown());
        ClickCell(Devices(), 4, 1);
        EXPECT_FALSE(Devices().EditMode());
        EXPECT_EQ(Devices().Cells(10, 1), "C");

        // F4 and Alt+Down open the list on an empty cell; closing it and
        // leaving the cell writes nothing into it.
        const struct {
            const char* name;
            unsigned short key;
            TShiftState shift;
            int col;
        } keys[] = {{"F4", VK_F4, 0, 5}, {"Alt+Down", VK_DOWN, ssAlt, 12}};
        for (const auto& k : keys) {
            Focus(Devices());
            Devices().SetRow(2);
            Devices().SetCol(k.col);
            test::SendKey(Devices(), VK_RETURN);
            ASSERT_TRUE(Devices().EditMode()) << k.name;
            EXPECT_EQ(Devices().Cells(k.col, 2), "") << k.name;
            test::SendKey(list, k.key, k.shift);
            test::ProcessEvents();
            EXPECT_TRUE(list.DroppedDown()) << k.name;
            list.SetDroppedDown(false);
            test::ProcessEvents();
            ClickCell(Devices(), 4, 3);
            EXPECT_FALSE(Devices().EditMode()) << k.name;
            EXPECT_EQ(Devices().Cells(k.col, 2), "") << k.name;
        }
        // Opened and left by Tab without a pick: still empty.
        Focus(Devices());
        Devices().SetRow(3);
        Devices().SetCol(5);
        test::SendKey(Devices(), VK_RETURN);
        ASSERT_TRUE(Devices().EditMode());
        test::SendKey(list, VK_TAB);
        EXPECT_EQ(Devices().Cells(5, 3), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(result, mrCancel);
}

// Tab in a drop-down cell goes on along the row, as it does from a text
// cell; it must not leave the table for the row buttons, where the next
// Enter would delete a device.
TEST_F(LoRaWANWindow, TabFromADropDownCellGoesToTheNextCell) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        PickCell(Devices(), 10, 1, 1);
        Focus(Devices());
        Devices().SetRow(1);
        Devices().SetCol(10);
        test::SendKey(Devices(), VK_RETURN);
        ASSERT_TRUE(Devices().EditMode());
        test::SendKey(*Devices().EditCombo(), VK_TAB);
        test::ProcessEvents();
        EXPECT_EQ(Devices().Cells(10, 1), "C");
        TWinControl* active = dlg->ActiveControl();
        EXPECT_TRUE(active == &Devices() || (active != nullptr && active->Parent() == &Devices()));
        EXPECT_FALSE(dynamic_cast<TWinControl&>(*dlg->Btn_DelRow).Focused());
        EXPECT_EQ(Devices().Row(), 1);
        EXPECT_EQ(Devices().Col(), 11);
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// A rule typed below an empty rule row is kept when another device is
// chosen and when the window saves: the empty row is skipped.
TEST_F(LoRaWANWindow, RuleBelowAnEmptyRuleRowIsKept) {
    WriteLoRaWAN(ThreeDevices());
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeCell(Up(), 2, 3, "7");
        TypeCell(Up(), 7, 3, "0");
        TypeCell(Up(), 8, 3, "1");
        TypeCell(Up(), 9, 3, "0");
        TypeCell(Up(), 10, 3, "after a gap");
        ClickCell(Devices(), 4, 2);
        EXPECT_EQ(Up().Cells(10, 1), "up2");
        ClickCell(Devices(), 4, 1);
        EXPECT_EQ(Up().Cells(10, 1), "up1");
        EXPECT_EQ(Up().Cells(10, 2), "after a gap");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_TRUE(ui.Boxes().empty()) << ui.Boxes()[0].Text;
    const gw::TLoRaWANConfig stored = Stored();
    ASSERT_EQ(stored.Devices.at(0).UpLinkRules.size(), 2u);
    EXPECT_EQ(stored.Devices[0].UpLinkRules[1].Mnemonic, "after a gap");
    EXPECT_EQ(stored.Devices[0].UpLinkRules[1].Port, "7");
}

// A file that did not load cleanly is replaced only when the user says so.
TEST_F(LoRaWANWindow, OkAsksBeforeReplacingAFileThatDidNotLoad) {
    const std::string broken = "<LoRaWAN_Gateway><LoRaWAN_Devices_List>";
    WriteLoRaWAN(broken);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);  // the load error
    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrYes);
    bool stayedOpen = false;
    std::string afterNo;
    const TModalResult result = Open(ui, [&] {
        test::ClickAt(*dlg->Btn_OK);
        stayedOpen = dlg->ModalResult() == mrNone;
        afterNo = ReadFile(shell::LoRaWAN_Gateway_File);
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(afterNo, broken);
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 3u);
    EXPECT_EQ(ui.Boxes()[1].Type, mtConfirmation);
    EXPECT_EQ(ui.Boxes()[1].Text,
              "The file did not load completely. Saving replaces it with the tables shown. Do you want to save?");
    EXPECT_NE(ReadFile(shell::LoRaWAN_Gateway_File), broken);
}

}  // namespace

namespace {

// After a check error the user lands on the failing cell, with the failing
// device's rules in the rule tables, not on the OK button.
TEST_F(LoRaWANWindow, CheckErrorLeadsToTheFailingCell) {
    const std::string first = Device({{"DeviceEUI", "00000000000000A1"}}, UpRule({{"Mnemonic", "one"}}));
    const struct {
        const char* name;
        std::string second;
        int row, col;
    } cases[] = {
        {"device field", Device({{"DeviceEUI", "00000000000000A2"}, {"JoinEUI", "12"}}), 2, 3},
        {"uplink rule", Device({{"DeviceEUI", "00000000000000A2"}}, UpRule() + UpRule({{"Port", "70000"}})),
         2, 2},
        {"downlink rule", Device({{"DeviceEUI", "00000000000000A2"}}, "", DownRule({{"NumberBits", "0"}})),
         1, 4},
    };
    for (const auto& c : cases) {
        WriteLoRaWAN(gwtest::LoRaWANFile(first + c.second));
        test::TScriptedUi ui;
        TExtStringGrid* focused = nullptr;
        int row = -1, col = -1;
        std::string shownRuleEnd;
        Open(ui, [&] {
            test::ClickAt(*dlg->Btn_OK);
            test::ProcessEvents();
            for (TExtStringGrid* g : {&Devices(), static_cast<TExtStringGrid*>(&Up()),
                                      static_cast<TExtStringGrid*>(&Down())})
                if (dlg->ActiveControl() == g) focused = g;
            if (focused != nullptr) {
                row = focused->Row();
                col = focused->Col();
            }
            shownRuleEnd = Up().Cells(10, 1);
            EXPECT_EQ(Devices().Row(), 2) << c.name;
            test::ClickAt(*dlg->Btn_Cancel);
        });
        ASSERT_FALSE(ui.Boxes().empty()) << c.name;
        EXPECT_EQ(ui.Boxes()[0].Type, mtError) << c.name;
        const std::string name = c.name;
        TExtStringGrid* want = name == "device field"    ? &Devices()
                               : name == "uplink rule"   ? static_cast<TExtStringGrid*>(&Up())
                                                         : static_cast<TExtStringGrid*>(&Down());
        EXPECT_EQ(focused, want) << c.name;
        EXPECT_EQ(row, c.row) << c.name;
        EXPECT_EQ(col, c.col) << c.name;
        EXPECT_NE(shownRuleEnd, "one") << c.name << ": the rule tables show device 2";
    }
}

// A language change reaches every text of the window at once: caption,
// titles, tab captions, buttons and the headers of the three tables.
TEST_F(LoRaWANWindow, EveryTextFollowsALanguageChangeAtOnce) {
    std::string lang;
    for (int n : {5400, 5401, 5402, 5403, 5414, 5415, 5416, 5417, 5420, 5445, 5466})
        lang += "STR" + std::to_string(n) + " = T" + std::to_string(n) + "\r\n";
    shell::Apply_Lang_Lines(lang, shell::Lang_Texts, shell::Lang_Index_Limit);
    dlg->Set_Lang();
    EXPECT_EQ(dlg->Caption(), "T5400");
    EXPECT_EQ(dlg->L_SW_Desc->Caption(), "T5401");
    EXPECT_EQ(dlg->Btn_OK->Caption(), "T5402");
    EXPECT_EQ(dlg->Btn_Cancel->Caption(), "T5403");
    EXPECT_EQ(dlg->LLoRaWAN_Device_List_Title->Caption(), "T5414");
    EXPECT_EQ(dlg->LLoRaWAN_Rules_List_Title->Caption(), "T5415");
    EXPECT_EQ(dlg->TS_LoRaWAN_Uplink_Rules_List->Caption(), "T5416");
    EXPECT_EQ(dlg->TS_LoRaWAN_Downlink_Rules_List->Caption(), "T5417");
    EXPECT_EQ(Devices().Cells(2, 0), "T5420");
    EXPECT_EQ(Up().Cells(2, 0), "T5445");
    EXPECT_EQ(Down().Cells(2, 0), "T5466");
    shell::Load_Default_Texts();
}

}  // namespace

namespace {

// Headers and full identifiers and keys are readable when the window opens;
// the key cells the method leaves out show the button face.
TEST_F(LoRaWANWindow, HeadersAndFullKeysFitAndReadOnlyKeysShowIt) {
    WriteLoRaWAN(gwtest::LoRaWANFile(
        Device({{"DeviceEUI", "DDDDDDDDDDDDDDDD"}, {"JoinEUI", "DDDDDDDDDDDDDDDD"},
                {"NetworkSessionKey", std::string(32, 'D')}, {"ApplicationSessionKey", std::string(32, 'D')}}) +
        Device({{"DeviceEUI", "00000000000000A2"}, {"ActivationMethod", OTAA},
                {"ApplicationKey", std::string(32, 'D')}})));
    test::TScriptedUi ui;
    Open(ui, [&] {
        for (int c = 1; c < Devices().ColCount(); ++c)
            EXPECT_LT(Devices().CellTextWidth(c, 0), Devices().ColWidths(c)) << "header " << c;
        for (int c : {2, 3, 6, 7})
            EXPECT_LT(Devices().CellTextWidth(c, 1), Devices().ColWidths(c)) << "column " << c;
        EXPECT_LT(Devices().CellTextWidth(8, 2), Devices().ColWidths(8));
        EXPECT_EQ(Devices().Colors(8, 1), clBtnFace);
        EXPECT_EQ(Devices().Colors(6, 1), RGB(255, 255, 168));
        EXPECT_EQ(Devices().Colors(6, 2), clBtnFace);
        EXPECT_EQ(Devices().Colors(8, 2), RGB(255, 255, 168));
        for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(&Up()), static_cast<TExtStringGrid*>(&Down())})
            for (int c = 1; c < g->ColCount(); ++c)
                EXPECT_LT(g->CellTextWidth(c, 0), g->ColWidths(c)) << "rule header " << c;
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// A paste into a cell being edited follows the column's rules as typed keys
// do: copied rows, a text beyond the cell's length or with a character the
// column does not take are refused whole, with the warning sound; a value
// that fits goes in as it stands.
TEST_F(LoRaWANWindow, PasteIntoAnEditedCellFollowsTheColumnsRules) {
    std::string copiedRows;
    for (int r = 10; r < 40; ++r)
        copiedRows += "00000000000000" + std::to_string(r) + "\t0000000000000001\tdevice " + std::to_string(r) + "\t" +
                      ABP + "\t" + std::string(32, '0') + "\r\n";
    const struct {
        const char* name;
        int col;
        std::string clip;
        std::string cell;  // empty: refused
    } cases[] = {
        {"30 copied rows into the Device EUI", 2, copiedRows, ""},
        {"one copied EUI with its line end", 2, "70B3D57ED0001234\r\n", "70B3D57ED0001234"},
        {"lower-case digits", 3, "70b3d57ed0001234", "70b3d57ed0001234"},
        {"an EUI one digit too long", 2, "70B3D57ED00012345", ""},
        {"a character that is no digit", 2, "70B3D57ED000123G", ""},
        {"blanks inside an EUI", 2, "70B3 D57E", ""},
        {"a device address", 9, "26011BDA", "26011BDA"},
        {"a key one digit too long", 6, std::string(33, 'A'), ""},
        {"a whole key", 7, std::string(32, 'f'), std::string(32, 'f')},
        {"a name in other scripts", 4, "Pompe \xC3\xA9 \xE2\x82\xAC \xCE\xA9", "Pompe \xC3\xA9 \xE2\x82\xAC \xCE\xA9"},
        {"a name over two lines", 4, "Line 1\r\nLine 2", ""},
        {"two cells into the mnemonic", 13, "a\tb", ""},
    };
    test::TScriptedUi ui;
    Open(ui, [&] {
        TExtStringGrid& g = Devices();
        for (const auto& c : cases) {
            g.SetCells(c.col, 1, "");
            Focus(g);
            g.SetRow(1);
            g.SetCol(c.col);
            // Opened by typing, the typed character taken back: an empty editor.
            test::TypeText(g, "0");
            ASSERT_TRUE(g.EditMode()) << c.name;
            TControl& editor = *g.InplaceEditor();
            test::SendKey(editor, VK_BACK);
            Clipboard().SetAsText(c.clip);
            const int beeps = test::BeepCount();
            test::SendKey(editor, 'V', ssCtrl);
            EXPECT_EQ(test::BeepCount() - beeps, c.cell.empty() ? 1 : 0) << c.name;
            test::SendKey(editor, VK_RETURN);
            EXPECT_EQ(g.Cells(c.col, 1), c.cell) << c.name;
        }
        // Typed keys follow the same rule: no letter beyond F, no 17th digit.
        TypeCell(g, 2, 1, "0011223344556677");
        g.SetCol(2);
        test::SendKey(g, VK_F2);
        ASSERT_TRUE(g.EditMode());
        test::SendKey(*g.InplaceEditor(), VK_END);
        const int beeps = test::BeepCount();
        test::TypeText(*g.InplaceEditor(), "g");
        EXPECT_EQ(test::BeepCount() - beeps, 1);
        test::TypeText(*g.InplaceEditor(), "8");
        test::SendKey(*g.InplaceEditor(), VK_RETURN);
        EXPECT_EQ(g.Cells(2, 1), "0011223344556677");
        // Nor does Ctrl+Enter break a name into lines.
        TypeCell(g, 4, 1, "Boiler");
        g.SetCol(4);
        test::SendKey(g, VK_F2);
        test::SendKey(*g.InplaceEditor(), VK_END);
        test::SendKey(*g.InplaceEditor(), VK_RETURN, ssCtrl);
        test::TypeText(*g.InplaceEditor(), " room");
        test::SendKey(*g.InplaceEditor(), VK_RETURN);
        EXPECT_EQ(g.Cells(4, 1), "Boiler room");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// A list column shows its longest entry whole: as painted, the text of
// every entry ends inside its cell, short of the cell's right edge.
TEST_F(LoRaWANWindow, ListColumnsShowTheirEntriesWhole) {
    WriteLoRaWAN(gwtest::LoRaWANFile(Device({{"DeviceEUI", "00000000000000A1"}, {"RX2Datarate", "SF12BW125"}}) +
                                     Device({{"DeviceEUI", "00000000000000A2"}, {"ActivationMethod", OTAA}})));
    const struct {
        int col, row;
        const char* text;
    } cases[] = {{5, 1, ABP}, {5, 2, OTAA}, {12, 1, "SF12BW125"}};
    test::TScriptedUi ui;
    Open(ui, [&] {
        TExtStringGrid& g = Devices();
        for (const auto& c : cases) {
            ASSERT_EQ(g.Cells(c.col, c.row), c.text);
            g.SetLeftCol(c.col - 1);
            test::ProcessEvents();
            const TRect rc = g.GridCellRect(c.col, c.row);
            ASSERT_LT(rc.Left, rc.Right);
            const test::TPicture shown = test::PictureOf(g);
            int firstInk = -1, lastInk = -1;  // the text's leftmost and rightmost pixels
            for (int x = rc.Left; x < rc.Right - 1; ++x)
                for (int y = rc.Top + 1; y < rc.Bottom - 1; ++y) {
                    const test::TRgb p = shown.At(x, y);
                    if (p.R + p.G + p.B >= 300) continue;
                    if (firstInk < 0) firstInk = x;
                    lastInk = x;
                }
            ASSERT_GE(lastInk, rc.Left) << c.text << ": nothing painted";
            // The whole text on its line: about as wide as it measures (its
            // first and last strokes may be faint), and short of the cell's edge.
            TBitmap measure(1, 1);
            measure.Canvas().Font().Assign(g.Font());
            EXPECT_GE(lastInk - firstInk + 6, measure.Canvas().TextWidth(c.text)) << c.text << " is not shown whole";
            EXPECT_LT(lastInk, rc.Right - 8) << c.text << " is cut at the cell's edge";
        }
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

// A screen reader walks the device list and the rule tables as tables:
// headers, the text of each cell, the check boxes' states, and the current
// cell as the keys move it.
TEST_F(LoRaWANWindow, TablesReadAsTablesByAScreenReader) {
    WriteLoRaWAN(gwtest::LoRaWANFile(
        Device({{"DeviceEUI", "00000000000000A1"}, {"DeviceName", "Pompe \xC3\xA9\xE2\x82\xAC"}},
               UpRule({{"Enable", "N"}, {"Mnemonic", "level"}})) +
        Device({{"DeviceEUI", "00000000000000A2"}, {"Enable", "N"}, {"ActivationMethod", OTAA}})));
    test::TScriptedUi ui;
    Open(ui, [&] {
        test::TAccessibleListener listener;
        const test::TAccessibleTableView devices = test::AccessibleTableOf(Devices());
        ASSERT_TRUE(devices.IsTable);
        EXPECT_EQ(devices.Rows, 1000);
        EXPECT_EQ(devices.Cols, 14);
        ASSERT_EQ(devices.ColumnHeaders.size(), 14u);
        EXPECT_EQ(devices.ColumnHeaders[2], "Device EUI");
        EXPECT_EQ(devices.ColumnHeaders[5], "Activation Method");
        EXPECT_EQ(test::AccessibleRowHeaderOf(Devices(), 1), "2");
        EXPECT_EQ(test::AccessibleCellOf(Devices(), 4, 0).Name, "Pompe \xC3\xA9\xE2\x82\xAC");
        EXPECT_EQ(test::AccessibleCellOf(Devices(), 5, 1).Name, OTAA);
        const test::TAccessibleCellView on = test::AccessibleCellOf(Devices(), 1, 0);
        const test::TAccessibleCellView off = test::AccessibleCellOf(Devices(), 1, 1);
        EXPECT_EQ(on.Role, "check box");
        EXPECT_TRUE(on.Checkable && on.Checked);
        EXPECT_TRUE(off.Checkable && !off.Checked);

        // The focus starts in the device list: its current cell is the one read.
        EXPECT_TRUE(devices.FocusChild.Valid);
        EXPECT_EQ(devices.FocusChild.Row, 0);
        test::SendKey(Devices(), VK_RIGHT);
        test::SendKey(Devices(), VK_DOWN);
        ASSERT_EQ(listener.Focused().size(), 2u);
        EXPECT_EQ(listener.Focused()[0].Name, "00000000000000A1");
        EXPECT_EQ(listener.Focused()[1].Name, "00000000000000A2");
        EXPECT_EQ(listener.Focused()[1].Description, "Device EUI");

        // The rule tables of the first device, with their "Y"/"N" boxes.
        ClickCell(Devices(), 2, 1);
        const test::TAccessibleTableView up = test::AccessibleTableOf(Up());
        ASSERT_TRUE(up.IsTable);
        EXPECT_EQ(up.Rows, 1024);
        EXPECT_EQ(up.ColumnHeaders[10], "Mnemonic");
        const test::TAccessibleCellView enable = test::AccessibleCellOf(Up(), 1, 0);
        EXPECT_TRUE(enable.Checkable);
        EXPECT_FALSE(enable.Checked);
        EXPECT_TRUE(test::AccessibleCellOf(Up(), 1, 1).Checked);  // an empty row's Enable is "Y"
        EXPECT_EQ(test::AccessibleCellOf(Up(), 10, 0).Name, "level");
        test::ClickAt(*dlg->Btn_Cancel);
    });
}

}  // namespace
