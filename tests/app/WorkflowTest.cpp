// A user's whole road through the program, driven through the windows'
// own controls: a new configuration, its communication settings, its
// LoRaWAN devices, and the update of a device, which must hand the updater
// the image files the command-line builder makes for the same folder.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "WorkflowImage.h"
#include "gateway/EthernetUpdateFile.h"
#include "gateway/LoRaWANFile.h"
#include "gateway/LoRaWANModel.h"
#include "gateway/LoRaWAN_Gateway.h"
#include "grid/ExtGrid.h"
#include "platform/Messages.h"
#include "platform/Ping.h"
#include "platform/TestHooks.h"
#include "platform/XmlDom.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;

namespace {

class Workflow : public apptest::MainWindowTest {
protected:
    // The updater the dialog runs is whatever program stands under its name
    // beside ours: this one notes its arguments and keeps a copy of the
    // parameter file it finds there.
    void InstallUpdater() {
        const std::string path = dir + "/Ethernet_Update.exe";
        std::ofstream(path) << "#!/bin/sh\n"
                               "here=\"$(dirname \"$0\")\"\n"
                               "echo \"$#:$*\" > \"$here/updater_args.txt\"\n"
                               "cp \"$here/Ethernet_Update.xml\" \"$here/updater_seen.xml\"\n";
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
        // The firmware the default option sends lies in MASTER, as shipped.
        std::filesystem::create_directories(dir + "/MASTER");
        std::ofstream(dir + "/MASTER/Sim4A902.sim") << "firmware";
    }

    // No network in a test: every echo request is answered.
    void AnswerEveryEcho() {
        boot->Services.ping = [this](const std::string& host, int, int) {
            pinged.push_back(host);
            TPingResult r;
            r.status = TPingStatus::Reply;
            return r;
        };
    }

    // As a user replaces what an edit holds: select all, then type over it.
    static void Retype(TEdit& edit, const std::string& text) {
        test::SendKey(edit, 'A', ssCtrl);
        test::TypeText(edit, text);
        EXPECT_EQ(edit.Text(), text) << edit.Name();
    }

    TEdit& ParGenEdit(const std::string& name) { return parGen->Ctl<TEdit>(name); }

    // A grid cell as a user fills it: the cell made current, typing opens
    // its editor over the old text, Enter ends the edit.
    static void TypeCell(grid::TExtStringGrid& g, int c, int r, const std::string& text) {
        g.SetFocus();
        test::ProcessEvents();
        g.SetRow(r);
        g.SetCol(c);
        test::TypeText(g, text.substr(0, 1));
        ASSERT_TRUE(g.EditMode()) << "cell " << c << "," << r;
        TControl& editor = *g.InplaceEditor();
        test::TypeText(editor, text.substr(1));
        test::SendKey(editor, VK_RETURN);
        ASSERT_EQ(g.Cells(c, r), text) << "cell " << c << "," << r;
    }

    // A drop-down cell's entry picked with the keyboard.
    static void PickCell(grid::TExtStringGrid& g, int c, int r, int index) {
        g.SetFocus();
        test::ProcessEvents();
        g.SetRow(r);
        g.SetCol(c);
        test::SendKey(g, VK_RETURN);
        ASSERT_TRUE(g.EditMode()) << "cell " << c << "," << r;
        TComboBox& list = *g.EditCombo();
        while (list.ItemIndex() > index) test::SendKey(list, VK_UP);
        while (list.ItemIndex() < index) test::SendKey(list, VK_DOWN);
        test::SendKey(list, VK_RETURN);
        test::ProcessEvents();
    }

    // A check-box cell switched with the space bar.
    static void ToggleCell(grid::TExtStringGrid& g, int c, int r) {
        g.SetFocus();
        test::ProcessEvents();
        g.SetRow(r);
        g.SetCol(c);
        test::SendKey(g, VK_SPACE);
    }

    static void ClickCell(grid::TExtStringGrid& g, int c, int r) {
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

    // Fills the device table's row and its rule tables with the device as
    // TwoDevices() states it.
    void EnterDevice(int row, const gw::TDeviceLoRa& d) {
        grid::TExtStringGrid& devices = *loRaWAN->ESG_LoRaWAN_Device_List;
        grid::TExtStringGrid& up = *loRaWAN->ACG_LoRaWAN_Uplink;
        grid::TExtStringGrid& down = *loRaWAN->ACG_LoRaWAN_Downlink;
        ClickCell(devices, 4, row);
        ASSERT_EQ(devices.Row(), row);
        const bool otaa = d.ActMethod == gw::Act_Meth_SL()[1];
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 2, row, d.DeviceEUI));
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 3, row, d.JoinEUI));
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 4, row, d.DeviceName));
        ASSERT_NO_FATAL_FAILURE(PickCell(devices, 5, row, otaa ? 1 : 0));
        if (otaa) {
            ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 8, row, d.AppKey));
        } else {
            ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 6, row, d.NetSessKey));
            ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 7, row, d.AppSessKey));
        }
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 9, row, d.DevAdd));
        ASSERT_NO_FATAL_FAILURE(PickCell(devices, 10, row, d.ClassLoRa == "C" ? 1 : 0));
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 11, row, d.DiagTimeOut));
        ASSERT_NO_FATAL_FAILURE(TypeCell(devices, 13, row, d.Mnemonic));
        for (size_t i = 0; i < d.UpLinkRules.size(); ++i) {
            const gw::TRuleLoRa& rule = d.UpLinkRules[i];
            const int r = static_cast<int>(i) + 1;
            ASSERT_NO_FATAL_FAILURE(TypeCell(up, 2, r, rule.Port));
            if (!rule.StartTest.empty()) {
                ASSERT_NO_FATAL_FAILURE(TypeCell(up, 3, r, rule.StartTest));
                ASSERT_NO_FATAL_FAILURE(TypeCell(up, 4, r, rule.LenTest));
                ASSERT_NO_FATAL_FAILURE(TypeCell(up, 6, r, rule.ValueTest));
            }
            ASSERT_NO_FATAL_FAILURE(TypeCell(up, 7, r, rule.StartBit));
            ASSERT_NO_FATAL_FAILURE(TypeCell(up, 8, r, rule.NumBits));
            ASSERT_NO_FATAL_FAILURE(TypeCell(up, 9, r, rule.PosBit));
            ASSERT_NO_FATAL_FAILURE(TypeCell(up, 10, r, rule.Mnemonic));
        }
        loRaWAN->PC_LoRaWAN_Device_Rules_List->SetActivePage(loRaWAN->TS_LoRaWAN_Downlink_Rules_List);
        for (size_t i = 0; i < d.DownLinkRules.size(); ++i) {
            const gw::TRuleLoRa& rule = d.DownLinkRules[i];
            const int r = static_cast<int>(i) + 1;
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 2, r, rule.Port));
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 3, r, rule.StartBit));
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 4, r, rule.NumBits));
            if (rule.OnChange) ToggleCell(down, 5, r);
            if (rule.OnCMD) ToggleCell(down, 6, r);
            if (rule.OnTimer) ToggleCell(down, 7, r);
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 8, r, rule.Time));
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 9, r, rule.PosBit));
            ASSERT_NO_FATAL_FAILURE(TypeCell(down, 10, r, rule.Mnemonic));
        }
        loRaWAN->PC_LoRaWAN_Device_Rules_List->SetActivePage(loRaWAN->TS_LoRaWAN_Uplink_Rules_List);
    }

    static std::string Shown(TComboBox& list) {
        const int i = list.ItemIndex();
        return i >= 0 && i < list.Items().Count() ? list.Items()[i] : std::string();
    }

    std::vector<std::string> pinged;
};

// Two devices with rules in both directions, as the LoRaWAN step leaves them.
gw::TLoRaWANConfig TwoDevices() {
    gw::TDeviceLoRa tank;
    tank.DeviceEUI = "70B3D57ED0001234";
    tank.JoinEUI = "0000000000000000";
    tank.DeviceName = "Tank level";
    tank.ActMethod = "Activation by Personalization [ABP]";
    tank.NetSessKey = "2B7E151628AED2A6ABF7158809CF4F3C";
    tank.AppSessKey = "3C4FCF098815F7ABA6D2AE2816157E2B";
    tank.DevAdd = "260B1A2C";
    tank.ClassLoRa = "A";
    tank.DiagTimeOut = "600000";
    tank.Mnemonic = "north tank";
    gw::TRuleLoRa level;
    level.Port = "2";
    level.StartBit = "2";
    level.NumBits = "4";
    level.PosBit = "0";
    level.Mnemonic = "level";
    tank.UpLinkRules = {level};
    gw::TRuleLoRa valve;
    valve.Port = "10";
    valve.StartBit = "0";
    valve.NumBits = "2";
    valve.OnChange = true;
    valve.Time = "0";
    valve.PosBit = "100";
    valve.Mnemonic = "valve";
    tank.DownLinkRules = {valve};

    gw::TDeviceLoRa door;
    door.DeviceEUI = "A84041000181C5E7";
    door.JoinEUI = "A840410000000101";
    door.DeviceName = "Door contact";
    door.ActMethod = "Over-the-Air Activation [OTAA]";
    door.AppKey = "8E1BCBD2A7D0A4DE6E1A33A2B6A1F3C0";
    door.DevAdd = "26011F2A";
    door.ClassLoRa = "C";
    door.DiagTimeOut = "3600000";
    door.Mnemonic = "door";
    gw::TRuleLoRa state;
    state.Port = "5";
    state.StartTest = "1";
    state.LenTest = "2";
    state.ValueTest = "OK";
    state.StartBit = "3";
    state.NumBits = "1";
    state.PosBit = "300";
    state.Mnemonic = "state";
    door.UpLinkRules = {state};
    gw::TRuleLoRa lock;
    lock.Port = "6";
    lock.StartBit = "0";
    lock.NumBits = "1";
    lock.OnCMD = true;
    lock.Time = "0";
    lock.PosBit = "400";
    lock.Mnemonic = "lock";
    door.DownLinkRules = {lock};

    gw::TLoRaWANConfig config;
    config.Devices = {tank, door};
    return config;
}

TEST_F(Workflow, NewConfigurationToDeviceUpdate) {
    Start("workflow");
    ASSERT_NO_FATAL_FAILURE(InstallUpdater());
    AnswerEveryEcho();
    main->Show();

    // Step 1: a new configuration.
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            test::TypeText(*newProject->E_New_Proj, "Pump Station");
            test::ClickAt(*newProject->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*main->Button("Btn_New"));
        for (const auto& box : ui.Boxes()) ADD_FAILURE() << box.Text;
    }
    const std::string conf = dir + "/PROJECTS/Pump Station";
    ASSERT_EQ(shell::Conf_Path, conf);

    // Step 2: the band goes to US915 and the EtherNet/IP address changes.
    {
        test::TScriptedUi ui;
        TModalResult closedWith = mrNone;
        ui.OnModal([&](TForm&) {
            TComboBox& band = parGen->Ctl<TComboBox>("CB_LoRaWAN_RF_Band");
            EXPECT_EQ(Shown(band), "EU868");
            test::SendKey(band, VK_DOWN);
            EXPECT_EQ(Shown(band), "US915");
            // The band brings its own sub-band row and rate lists.
            EXPECT_TRUE(parGen->Ctl<TComboBox>("CB_LoRaWAN_FreqSubBand").Visible());
            EXPECT_EQ(Shown(*parGen->CB_LoRaWAN_RX2_Datarate), "SF12BW500");
            Retype(ParGenEdit("E_EtherNetIP_IP1"), "10");
            Retype(ParGenEdit("E_EtherNetIP_IP2"), "20");
            Retype(ParGenEdit("E_EtherNetIP_IP3"), "30");
            Retype(ParGenEdit("E_EtherNetIP_IP4"), "40");
            test::ClickAt(*parGen->Btn_OK);
            closedWith = parGen->ModalResult();
            return mrNone;
        });
        test::ClickAt(*main->Button("Btn_Prm_Gen"));
        for (const auto& box : ui.Boxes()) ADD_FAILURE() << box.Text;
        EXPECT_EQ(closedWith, mrOk);
    }
    TXmlDocument parGenFile;
    ASSERT_TRUE(parGenFile.LoadFromFile(conf + "/ParGen.xml"));
    EXPECT_EQ(parGenFile.Root().FindNode("LoRaWAN_RF_Band").Text(), "US915");
    EXPECT_EQ(parGenFile.Root().FindNode("EtherNetIP_IP1").Text(), "10");
    EXPECT_EQ(parGenFile.Root().FindNode("EtherNetIP_IP4").Text(), "40");

    // Step 3: two LoRaWAN devices with their rules, typed into the tables.
    {
        test::TScriptedUi ui;
        TModalResult closedWith = mrNone;
        ui.OnModal([&](TForm& shown) {
            EXPECT_EQ(&shown, loRaWAN.get());
            test::ProcessEvents();
            const gw::TLoRaWANConfig wanted = TwoDevices();
            for (size_t i = 0; i < wanted.Devices.size(); ++i)
                EnterDevice(static_cast<int>(i) + 1, wanted.Devices[i]);
            test::ClickAt(*loRaWAN->Btn_OK);
            closedWith = loRaWAN->ModalResult();
            return mrNone;
        });
        test::ClickAt(*main->Button("Btn_LoRaWAN_Access"));
        for (const auto& box : ui.Boxes()) ADD_FAILURE() << box.Text;
        EXPECT_EQ(closedWith, mrOk);
    }
    gw::TLoRaWANConfig stored;
    std::string error;
    ASSERT_TRUE(gw::LoadLoRaWAN(conf + "/LoRaWAN_Gateway.xml", true, stored, &error)) << error;
    EXPECT_EQ(stored, TwoDevices());

    // Step 4: the image is built and the update dialog hands it to the updater.
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm& shown) {
            EXPECT_EQ(&shown, boot.get());
            Retype(*boot->E_IP1, "127");
            Retype(*boot->E_IP2, "0");
            Retype(*boot->E_IP3, "0");
            Retype(*boot->E_IP4, "5");
            test::ClickAt(*boot->Btn_Update);
            return mrCancel;
        });
        test::ClickAt(*main->Button("Btn_CreateBin"));
        // The only word is the one that the update is done.
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Type, mtInformation);
        EXPECT_EQ(ui.Boxes()[0].Text, "The update of the device is done.");
    }
    main->Hide();
    EXPECT_EQ(boot->Last_Outcome().status, gw::TBootStatus::UpdaterEnded);
    EXPECT_EQ(pinged, (std::vector<std::string>{"127.0.0.5", "127.0.0.5"}));

    // The files on disk are the command-line builder's, byte for byte.
    const apptest::TBuiltImage expected = apptest::BuildImageOf(conf, dir + "/driver_copy");
    ASSERT_TRUE(expected.ok) << expected.error;
    if (!expected.byDriver) std::cout << "[ NOTE ] image-build not built: its builder call ran in-process\n";
    EXPECT_EQ(ReadText(conf + "/bin/bank1.bin"), expected.bank1);
    EXPECT_EQ(ReadText(conf + "/bin/bank2.bin"), expected.bank2);

    // The updater ran once, without arguments, over the parameter file that
    // names this device and this configuration's image files.
    EXPECT_EQ(ReadText(dir + "/updater_args.txt"), "0:\n");
    gw::TEthernetUpdateParams params;
    params.ipAddress = "127.0.0.5";
    params.option = gw::Update_Firmware_And_Configuration;
    params.readBack = true;
    params.masterDir = dir + "/MASTER";
    params.confPath = conf;
    EXPECT_EQ(ReadText(dir + "/updater_seen.xml"), gw::EthernetUpdateToXml(params));
    EXPECT_EQ(shell::Last_IP_Address, "127.0.0.5");
}

}  // namespace
