#include "gateway/LoRaWANModel.h"

#include <gtest/gtest.h>

namespace {

using gw::TDeviceLoRa;
using gw::TLoRaWANModel;
using gw::TRuleLoRa;
using gw::TRuleRow;
using Rows = std::vector<TRuleRow>;

TRuleLoRa Rule(const char* port, const char* mnemonic) {
    TRuleLoRa r;
    r.Port = port;
    r.StartBit = "0";
    r.NumBits = "1";
    r.PosBit = "0";
    r.Mnemonic = mnemonic;
    return r;
}

TDeviceLoRa Device(const char* eui, const char* upMnemonic, const char* downMnemonic) {
    TDeviceLoRa d;
    d.DeviceEUI = eui;
    d.UpLinkRules = {Rule("1", upMnemonic)};
    d.DownLinkRules = {Rule("2", downMnemonic)};
    return d;
}

// Three devices, each with one uplink and one downlink rule named after it.
TLoRaWANModel ThreeDevices() {
    TLoRaWANModel model;
    model.Load(true, {Device("A1", "up A", "down A"), Device("B2", "up B", "down B"),
                      Device("C3", "up C", "down C")});
    return model;
}

std::string UpMnemonic(const TLoRaWANModel& m, int record) {
    const auto& rules = m.Device(record).UpLinkRules;
    return rules.empty() ? "" : rules[0].Mnemonic;
}

std::string DownMnemonic(const TLoRaWANModel& m, int record) {
    const auto& rules = m.Device(record).DownLinkRules;
    return rules.empty() ? "" : rules[0].Mnemonic;
}

Rows EditedUp(const char* mnemonic) {
    return {{"Y", "1", "", "", "N", "", "0", "1", "0", mnemonic}};
}

Rows EditedDown(const char* mnemonic) {
    return {{"Y", "2", "0", "1", "N", "N", "N", "", "0", mnemonic}};
}

TEST(LoRaWANModel, KeyboardMoveStoresEditsIntoTheDeviceBeforeTheMove) {
    TLoRaWANModel m = ThreeDevices();
    ASSERT_EQ(m.CurrentRow(), 1);
    // The rule tables were edited while device 1 was shown; then the arrow
    // key moves the device table to row 2 without any click.
    const auto shown = m.Current_Device_Changed(2, EditedUp("edited A"), EditedDown("edited A"));
    EXPECT_EQ(UpMnemonic(m, 0), "edited A");
    EXPECT_EQ(DownMnemonic(m, 0), "edited A");
    EXPECT_EQ(UpMnemonic(m, 1), "up B");
    EXPECT_EQ(DownMnemonic(m, 1), "down B");
    EXPECT_EQ(shown.upLink, gw::UpLinkRowsOf(m.Device(1).UpLinkRules));
    EXPECT_EQ(shown.downLink, gw::DownLinkRowsOf(m.Device(1).DownLinkRules));
    EXPECT_EQ(m.ShownDevice(), 1);

    // Two more steps down and one up: every device keeps its own rules.
    auto rows = m.Current_Device_Changed(3, shown.upLink, shown.downLink);
    rows = m.Current_Device_Changed(4, rows.upLink, rows.downLink);
    EXPECT_TRUE(rows.upLink.empty());
    rows = m.Current_Device_Changed(3, rows.upLink, rows.downLink);
    EXPECT_EQ(UpMnemonic(m, 1), "up B");
    EXPECT_EQ(UpMnemonic(m, 2), "up C");
    EXPECT_TRUE(m.Device(3).UpLinkRules.empty());
    EXPECT_EQ(rows.upLink, gw::UpLinkRowsOf(m.Device(2).UpLinkRules));
}

TEST(LoRaWANModel, MouseMoveAfterTheRuleTableLostTheFocus) {
    TLoRaWANModel m = ThreeDevices();
    // A click on the device table: the rule table loses the focus first and
    // is stored, then the row changes with the same rows still shown.
    m.Save_UpLink_Rules_List(EditedUp("clicked A"));
    const auto shown =
        m.Current_Device_Changed(3, EditedUp("clicked A"), gw::DownLinkRowsOf(m.Device(0).DownLinkRules));
    EXPECT_EQ(UpMnemonic(m, 0), "clicked A");
    EXPECT_EQ(DownMnemonic(m, 0), "down A");
    EXPECT_EQ(UpMnemonic(m, 2), "up C");
    EXPECT_EQ(shown.upLink, gw::UpLinkRowsOf(m.Device(2).UpLinkRules));

    // Edits made now belong to device 3.
    m.Save_DownLink_Rules_List(EditedDown("edited C"));
    EXPECT_EQ(DownMnemonic(m, 2), "edited C");
    EXPECT_EQ(DownMnemonic(m, 0), "down A");
}

TEST(LoRaWANModel, DeleteAndInsertMoveDevicesWithTheirRules) {
    TLoRaWANModel m = ThreeDevices();
    m.Current_Device_Changed(2, {}, {});  // device 1 showed no rows: its rules are now gone
    EXPECT_TRUE(m.Device(0).UpLinkRules.empty());

    auto shown = m.Delete_Device(2);
    EXPECT_EQ(m.Device(1).DeviceEUI, "C3");
    EXPECT_EQ(UpMnemonic(m, 1), "up C");
    EXPECT_EQ(m.Device(2), TDeviceLoRa{});
    EXPECT_EQ(m.Device(999), TDeviceLoRa{});
    EXPECT_EQ(m.Devices().size(), 1000u);
    EXPECT_EQ(shown.upLink, gw::UpLinkRowsOf(m.Device(1).UpLinkRules));

    shown = m.Insert_Device(2);
    EXPECT_EQ(m.Device(1), TDeviceLoRa{});
    EXPECT_EQ(m.Device(2).DeviceEUI, "C3");
    EXPECT_EQ(DownMnemonic(m, 2), "down C");
    EXPECT_TRUE(shown.upLink.empty());
    EXPECT_TRUE(shown.downLink.empty());
    EXPECT_EQ(m.Devices().size(), 1000u);

    // The file then holds the devices up to the first blank Device EUI.
    EXPECT_EQ(m.Configuration().Devices[0].DeviceEUI, "A1");
}

TEST(LoRaWANModel, InsertDropsTheLastDevice) {
    std::vector<TDeviceLoRa> full(1000);
    for (int i = 0; i < 1000; ++i) full[i].DeviceEUI = "D" + std::to_string(i);
    TLoRaWANModel m;
    m.Load(true, full);
    m.Insert_Device(1);
    EXPECT_EQ(m.Device(0).DeviceEUI, "");
    EXPECT_EQ(m.Device(1).DeviceEUI, "D0");
    EXPECT_EQ(m.Device(999).DeviceEUI, "D998");
}

TEST(LoRaWANModel, DeviceRowsKeepTheRules) {
    TLoRaWANModel m = ThreeDevices();
    gw::TDeviceRow row;
    row.enable = false;
    row.texts = {"EUI",  "JOIN", "name", gw::Act_Meth_SL()[1], "nsk", "ask", "ak",
                 "ADDR", "C",    "100",  "SF9BW125",           "note"};
    m.Save_Device_List({row});
    const TDeviceLoRa& d = m.Device(0);
    EXPECT_FALSE(d.Enable);
    EXPECT_EQ(d.DeviceEUI, "EUI");
    EXPECT_EQ(d.ActMethod, gw::Act_Meth_SL()[1]);
    EXPECT_EQ(d.AppKey, "ak");
    EXPECT_EQ(d.DiagTimeOut, "100");
    EXPECT_EQ(d.RX2Datarate, "SF9BW125");
    EXPECT_EQ(d.Mnemonic, "note");
    EXPECT_EQ(UpMnemonic(m, 0), "up A");
    EXPECT_EQ(m.Device(1).DeviceEUI, "B2");
}

TEST(LoRaWANModel, EachLoadStartsAfresh) {
    TLoRaWANModel m = ThreeDevices();
    gw::TDeviceRow row;
    row.texts = {"", "", "", "", "", "", "", "", "", "250", "SF7BW125", ""};
    m.Save_Device_List({{}, {}, {}, row});
    m.Current_Device_Changed(3, {}, {});

    m.Load(true, {Device("N1", "up N", "down N")});
    EXPECT_EQ(m.CurrentRow(), 1);
    EXPECT_EQ(m.Device(0).DeviceEUI, "N1");
    EXPECT_TRUE(m.Device(1).DeviceEUI.empty());
    EXPECT_TRUE(m.Device(1).UpLinkRules.empty());
    EXPECT_TRUE(m.Device(2).DownLinkRules.empty());
    // Nothing of the earlier opening is left, not even in an empty row.
    EXPECT_EQ(m.Device(3), gw::TDeviceLoRa{});
    EXPECT_EQ(m.Show_Rules_Data().upLink, gw::UpLinkRowsOf(m.Device(0).UpLinkRules));
}

TEST(LoRaWANModel, EndNodeHasOneDevice) {
    TLoRaWANModel m;
    m.Load(false, {});
    EXPECT_FALSE(m.ModeMaster());
    EXPECT_EQ(m.Device(0).DeviceEUI, "0001020304050607");

    m.Load(false, {Device("A1", "up A", "down A"), Device("B2", "up B", "down B")});
    EXPECT_EQ(m.Device(0).DeviceEUI, "A1");
    EXPECT_TRUE(m.Device(1).DeviceEUI.empty());
    // Whatever row the hidden device table is on, the rules are the node's.
    m.Current_Device_Changed(5, EditedUp("node"), EditedDown("node"));
    EXPECT_EQ(UpMnemonic(m, 0), "node");
    m.Save_UpLink_Rules_List(EditedUp("node again"));
    EXPECT_EQ(UpMnemonic(m, 0), "node again");
    EXPECT_TRUE(m.Device(4).UpLinkRules.empty());
}

// An empty row is skipped, never an end: a rule typed below a gap must not
// vanish when the user moves to another device.
TEST(LoRaWANRuleRows, EmptyRowsAreSkippedNotEnds) {
    const Rows up = {
        {"Y", "1", "", "", "N", "", "0", "1", "0", "first"},
        {"y", " ", "3", "2", "y", "0A0B", "0", "1", "0", "test only"},  // kept: Start Test filled
        {"N", "", " ", "", "N", "", "", "", "", "empty"},
        {"Y", "9", "", "", "N", "", "0", "1", "0", "after the gap"},
    };
    const auto rules = gw::UpLinkRulesOf(up);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_TRUE(rules[1].Enable);
    EXPECT_TRUE(rules[1].HexTest);
    EXPECT_EQ(rules[1].Port, " ");
    EXPECT_EQ(rules[1].StartTest, "3");
    EXPECT_EQ(rules[1].ValueTest, "0A0B");
    EXPECT_EQ(rules[2].Mnemonic, "after the gap");
    EXPECT_EQ(gw::UpLinkRowsOf(rules),
              (Rows{up[0], {"Y", " ", "3", "2", "Y", "0A0B", "0", "1", "0", "test only"}, up[3]}));

    const Rows down = {
        {"N", "5", "0", "1", "Y", "n", "Y", "1000", "3", "first"},
        {"Y", "  ", "0", "1", "N", "N", "N", "", "0", "empty"},
        {"Y", "6", "0", "1", "N", "N", "N", "", "0", "after the gap"},
    };
    const auto downRules = gw::DownLinkRulesOf(down);
    ASSERT_EQ(downRules.size(), 2u);
    EXPECT_FALSE(downRules[0].Enable);
    EXPECT_TRUE(downRules[0].OnChange);
    EXPECT_FALSE(downRules[0].OnCMD);
    EXPECT_TRUE(downRules[0].OnTimer);
    EXPECT_EQ(downRules[0].Time, "1000");
    EXPECT_EQ(downRules[1].Mnemonic, "after the gap");
    EXPECT_EQ(gw::DownLinkRowsOf(downRules),
              (Rows{{"N", "5", "0", "1", "Y", "N", "Y", "1000", "3", "first"}, down[2]}));
}

TEST(LoRaWANWindowLists, ModeKeysAndRX2) {
    const std::string endNode = "end node", gateway = "Gateway", other = "ENDNODE";
    EXPECT_FALSE(gw::Is_Master_Mode(&endNode));
    EXPECT_TRUE(gw::Is_Master_Mode(&gateway));
    EXPECT_TRUE(gw::Is_Master_Mode(&other));
    EXPECT_TRUE(gw::Is_Master_Mode(nullptr));

    EXPECT_EQ(gw::Key_Cells(gw::Act_Meth_SL()[1]), (gw::TKeyCells{false, true}));
    EXPECT_EQ(gw::Key_Cells(gw::Act_Meth_SL()[0]), (gw::TKeyCells{true, false}));
    EXPECT_EQ(gw::Key_Cells(""), (gw::TKeyCells{true, false}));

    EXPECT_EQ(gw::RX2_SL("US915").front(), "SF12BW500");
    EXPECT_EQ(gw::RX2_SL("US915").size(), 7u);
    EXPECT_EQ(gw::RX2_SL("us915")[6], "SF7BW250");
    EXPECT_EQ(gw::RX2_SL("").back(), "");
}

}  // namespace
