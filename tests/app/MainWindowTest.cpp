#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/Language.h"
#include "shell/VersionServer.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::ReadText;
using apptest::SettingsXml;
using apptest::WriteText;

namespace {

class MainWindow : public apptest::MainWindowTest {};

void WaitUntil(const std::function<bool()>& done, int limitMs = 5000) {
    for (int waited = 0; waited < limitMs && !done(); waited += 20) test::Wait(20);
}

std::set<std::string> VisibleButtons(const app::TFVastrimoFirmWare& w) {
    std::set<std::string> names;
    for (auto* b : w.Buttons)
        if (b->Visible()) names.insert(b->Name());
    return names;
}

TEST_F(MainWindow, FirstStartInAnEmptyFolder) {
    Start("first_start");
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(dir + "/" + sub)) << sub;
    EXPECT_EQ(main->Caption(), "Vekrun - Configurator QP4A902 EtherNet/IP Slave / LoRaWAN Gateway ");
    EXPECT_EQ(main->L_SW_Code->Caption(), "QP4A902");
    EXPECT_EQ(main->L_SW_Desc->Caption(), shell::Const_SW_Desc);
    EXPECT_EQ(main->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(main->ClientWidth(), 694);
    EXPECT_EQ(main->ClientHeight(), 396);
    EXPECT_EQ(VisibleButtons(*main),
              (std::set<std::string>{"Btn_New", "Btn_Open", "Btn_Prm_Gen", "Btn_LoRaWAN_Access",
                                     "Btn_CreateBin", "Btn_Info", "Btn_Opz", "Btn_Close"}));
    EXPECT_EQ(main->Buttons.size(), 34u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(main->L_Step[static_cast<size_t>(i)]->Visible(), i < 4) << i;
    EXPECT_EQ(main->L_Step[3]->Caption(), "Step 4");
    EXPECT_EQ(main->L_VKRweb->Top(), main->L_Step[3]->Top());
    const struct {
        const char* name;
        int left, top;
    } places[] = {{"Btn_New", 80, 112},       {"Btn_Open", 258, 112},
                  {"Btn_Prm_Gen", 80, 156},   {"Btn_LoRaWAN_Access", 80, 200},
                  {"Btn_CreateBin", 80, 244}, {"Btn_Info", 516, 8},
                  {"Btn_Opz", 574, 8},        {"Btn_Close", 632, 8}};
    for (const auto& p : places) {
        EXPECT_EQ(main->Button(p.name)->Left(), p.left) << p.name;
        EXPECT_EQ(main->Button(p.name)->Top(), p.top) << p.name;
    }
    EXPECT_EQ(main->Shape1->Top(), 244 + 51);
    EXPECT_EQ(main->Shape1->Height(), 1);
    EXPECT_EQ(main->Shape1->Width(), 674);
    EXPECT_EQ(main->Button("Btn_New")->Caption(), "New Configuration");
    EXPECT_EQ(main->Button("Btn_CreateBin")->Hint(),
              "Update the actual Firmware and/or Configuration in the device");
    EXPECT_EQ(main->Button("Btn_KNX_Access")->Caption(), "KNX Access");
    EXPECT_EQ(main->Button("Btn_Close")->Hint(), "Close Configurator");
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->Timer_Update->Interval(), 60000);
    EXPECT_FALSE(main->LL_Update->Visible());
    EXPECT_TRUE(shell::Conf_Path.empty());
}

// Steps 2 to 4 (and every hidden command) need an open configuration.
TEST_F(MainWindow, StepsNeedAnOpenConfiguration) {
    Start("steps_need_configuration");
    main->Show();
    for (const char* name : {"Btn_Prm_Gen", "Btn_LoRaWAN_Access", "Btn_CreateBin"}) {
        test::TScriptedUi ui;
        test::ClickAt(*main->Button(name));
        ASSERT_EQ(ui.Boxes().size(), 1u) << name;
        EXPECT_EQ(ui.Boxes()[0].Text, "Error! Project not Valid") << name;
        EXPECT_EQ(ui.Boxes()[0].Type, mtError) << name;
        EXPECT_EQ(ui.Boxes()[0].Buttons, mbOK) << name;
    }
    for (const char* name : {"Btn_BACnet_EDE_File", "Btn_CANopen_EDS", "Btn_SNMP_MIB", "Btn_PROFINET_XML"}) {
        test::TScriptedUi ui;
        main->Btn_Click(main->Button(name));
        ASSERT_EQ(ui.Boxes().size(), 1u) << name;
        EXPECT_EQ(ui.Boxes()[0].Text, "Error! Project not Valid") << name;
        EXPECT_TRUE(ui.FileDialogs().empty()) << name;
    }
    // The commands that act without a configuration.
    for (const char* name : {"Btn_New", "Btn_Open", "Btn_Info", "Btn_Opz"}) {
        test::TScriptedUi ui;
        test::ClickAt(*main->Button(name));
        EXPECT_TRUE(ui.Boxes().empty()) << name;
    }
    main->Hide();
}

TEST_F(MainWindow, StartReopensTheLastConfiguration) {
    Start("reopen", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    EXPECT_EQ(main->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Plant");
    EXPECT_EQ(shell::Conf_Path, dir + "/PROJECTS/Plant");
    EXPECT_EQ(shell::Last_IP_Address, "10.0.0.7");
    test::TScriptedUi ui;
    main->Btn_Click(main->Button("Btn_CreateBin"));
    EXPECT_TRUE(ui.Boxes().empty());
}

// Step 4 builds the device image from the stored files into the
// configuration's bin folder.
TEST_F(MainWindow, UpdateDeviceWritesTheImageFiles) {
    Start("update_device", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    boot->Form_Type = 0;
    test::TScriptedUi ui;
    bool imageWrittenFirst = false;
    std::string shown;
    ui.OnModal([&](TForm& f) {
        shown = f.Name();
        imageWrittenFirst = fs::exists(dir + "/PROJECTS/Plant/bin/bank2.bin");
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_CreateBin"));
    for (const auto& box : ui.Boxes()) ADD_FAILURE() << box.Text;
    EXPECT_EQ(fs::file_size(dir + "/PROJECTS/Plant/bin/bank1.bin"), 2048u);
    EXPECT_TRUE(fs::is_regular_file(dir + "/PROJECTS/Plant/bin/bank2.bin"));
    // The update dialog opens, in its network layout, once the image is written.
    EXPECT_EQ(shown, boot->Name());
    EXPECT_TRUE(imageWrittenFirst);
    EXPECT_EQ(boot->Form_Type, 1);
}

TEST_F(MainWindow, SetCommunicationOpensTheParameterWindow) {
    Start("set_communication", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    test::TScriptedUi ui;
    std::string shown;
    ui.OnModal([&](TForm& f) {
        shown = f.Name();
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_Prm_Gen"));
    EXPECT_EQ(shown, parGen->Name());
}

TEST_F(MainWindow, UpdateDeviceReportsAFileItCannotRead) {
    Start("update_device_fails", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/PROJECTS/Plant/ParGen.xml", "<ParGen><Unclosed>");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    test::TScriptedUi ui;
    main->Btn_Click(main->Button("Btn_CreateBin"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("ParGen.xml"), std::string::npos) << ui.Boxes()[0].Text;
    EXPECT_FALSE(fs::exists(dir + "/PROJECTS/Plant/bin/bank1.bin"));
    EXPECT_FALSE(boot->Visible());
}

TEST_F(MainWindow, DeletedConfigurationIsNotOpenedButRemembered) {
    Start("deleted_configuration",
          [](const std::string& d) { WriteText(d + "/Vastrimo.xml", SettingsXml("Gone")); });
    EXPECT_EQ(main->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_TRUE(shell::Conf_Path.empty());
    fs::remove(SettingsFile());
    main->Close();
    EXPECT_NE(ReadText(SettingsFile()).find("<projectname>Gone</projectname>"), std::string::npos);
}

TEST_F(MainWindow, EveryCloseWritesTheSettings) {
    Start("close_writes");
    ASSERT_FALSE(fs::exists(SettingsFile()));
    main->Show();
    test::ClickAt(*main->Button("Btn_Close"));
    EXPECT_FALSE(main->Visible());
    EXPECT_NE(ReadText(SettingsFile()).find("<ipaddress>192.168.2.205</ipaddress>"), std::string::npos);
}

// An unreadable settings file is replaced at close: the user is told once,
// at start-up, which file and why.
TEST_F(MainWindow, UnreadableSettingsAreReportedOnceAtStartUp) {
    test::TScriptedUi ui;
    Start("settings_unreadable", [](const std::string& d) { WriteText(d + "/Vastrimo.xml", "<Conf_Settings><last"); });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtWarning);
    EXPECT_NE(ui.Boxes()[0].Text.find(SettingsFile()), std::string::npos) << ui.Boxes()[0].Text;
    main->Show();
    main->Close();
    EXPECT_EQ(ui.Boxes().size(), 1u);
}

TEST_F(MainWindow, FailedSettingsWriteIsReportedAndTheWindowStillCloses) {
    Start("close_fails");
    // A folder where the file should go: no rename can replace it.
    fs::create_directories(SettingsFile());
    main->Show();
    test::TScriptedUi ui;
    main->Close();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("settings could not be saved"), std::string::npos)
        << ui.Boxes()[0].Text;
    EXPECT_FALSE(main->Visible());
}

TEST_F(MainWindow, NewAndOpenChangeTheOpenConfiguration) {
    Start("new_and_open");
    main->Show();
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            test::TypeText(*newProject->E_New_Proj, "Line 2");
            test::ClickAt(*newProject->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*main->Button("Btn_New"));
    }
    EXPECT_EQ(main->L_Name_Conf->Caption(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Line 2");
    EXPECT_TRUE(fs::is_directory(dir + "/PROJECTS/Line 2/bin"));

    fs::create_directories(dir + "/PROJECTS/Alpha");
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) {
            test::SendKey(*openConf->ListBox1, 0x24 /* home */);
            test::ClickAt(*openConf->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*main->Button("Btn_Open"));
    }
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Alpha");
    EXPECT_EQ(shell::Conf_Path, dir + "/PROJECTS/Alpha");
    EXPECT_EQ(shell::ParGen_File, dir + "/PROJECTS/Alpha/ParGen.xml");

    // Cancel changes nothing.
    {
        test::TScriptedUi ui;
        test::ClickAt(*main->Button("Btn_Open"));
    }
    EXPECT_EQ(shell::Conf_Name, "Alpha");

    // OK on an empty list leaves no configuration open.
    fs::remove_all(dir + "/PROJECTS");
    fs::create_directories(dir + "/PROJECTS");
    {
        test::TScriptedUi ui;
        ui.OnModal([&](TForm&) { return mrOk; });
        test::ClickAt(*main->Button("Btn_Open"));
    }
    EXPECT_TRUE(shell::Conf_Path.empty());
    EXPECT_EQ(main->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    main->Hide();
}

TEST_F(MainWindow, OptionsOkWritesTheSettingsAndSwitchesTheTimer) {
    Start("options_ok");
    main->Show();
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        options->CB_En_Con->SetChecked(true);
        options->CB_Update->SetChecked(true);
        test::ClickAt(*options->Btn_OK);
        return mrNone;
    });
    test::ClickAt(*main->Button("Btn_Opz"));
    EXPECT_TRUE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->Timer_Update->Interval(), 60000);
    const std::string saved = ReadText(SettingsFile());
    EXPECT_NE(saved.find("<enable_internet>1</enable_internet>"), std::string::npos) << saved;
    EXPECT_NE(saved.find("<enable_update>1</enable_update>"), std::string::npos) << saved;
    main->Hide();
}

TEST_F(MainWindow, OptionsApplyEvenWhenTheSettingsCannotBeWritten) {
    Start("options_unsaved");
    fs::create_directories(SettingsFile());
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        options->CB_En_Con->SetChecked(true);
        options->CB_Update->SetChecked(true);
        test::ClickAt(*options->Btn_OK);
        return mrNone;
    });
    main->Btn_Click(main->Button("Btn_Opz"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_TRUE(shell::Opt_Enable_Internet);
    EXPECT_TRUE(shell::Opt_Enable_Update);
    EXPECT_TRUE(main->Timer_Update->Enabled());
}

// The first check comes one interval after start, every further one after
// the repeat interval; a later check that finds nothing hides the link.
TEST_F(MainWindow, VersionTimerChecksAndShowsTheLink) {
    shelltest::VersionServer server;
    shelltest::WebHostOverride host(server.Host());
    server.ReplyBody("VER. 1.001");
    Start("version_timer",
          [](const std::string& d) { WriteText(d + "/Vastrimo.xml", SettingsXml("", true, true)); });
    ASSERT_TRUE(main->Timer_Update->Enabled());
    main->Timer_Update->SetInterval(20);
    main->Version_Repeat_Interval = 60;
    // Generous limits: a loaded test machine may be slow, a passing run is not.
    WaitUntil([&] { return server.Requests().size() >= 2 && main->LL_Update->Visible(); });
    EXPECT_GE(server.Requests().size(), 2u);
    EXPECT_TRUE(main->LL_Update->Visible());
    EXPECT_EQ(main->LL_Update->Caption(), "<a href=\"" + server.Host() +
                                              "/Home/download/download.asp#KV4C840\">New Version Available. "
                                              "Click Here for more Details</a>");
    EXPECT_EQ(main->Timer_Update->Interval(), 60);
    EXPECT_TRUE(main->Timer_Update->Enabled());

    server.ReplyBody("VER. 1.000");
    WaitUntil([&] { return !main->LL_Update->Visible(); });
    EXPECT_FALSE(main->LL_Update->Visible());
}

// Checks after the first come two hours apart, whatever the first interval.
TEST_F(MainWindow, VersionTimerRepeatsEveryTwoHours) {
    shelltest::VersionServer server;
    shelltest::WebHostOverride host(server.Host());
    server.ReplyBody("VER. 1.000");
    Start("version_timer_repeat",
          [](const std::string& d) { WriteText(d + "/Vastrimo.xml", SettingsXml("", true, true)); });
    EXPECT_EQ(main->Version_Repeat_Interval, 7200000);
    main->Timer_Update->SetInterval(20);
    WaitUntil([&] { return main->Timer_Update->Interval() != 20; });
    EXPECT_EQ(main->Timer_Update->Interval(), 7200000);
    EXPECT_TRUE(main->Timer_Update->Enabled());
}

// Every command button of the main window: its caption and hint texts, and
// the guard that keeps all but the first five from acting without an open
// configuration.
TEST_F(MainWindow, EveryCommandButtonHasItsTextsAndNeedsAConfiguration) {
    Start("button_rows");
    const struct {
        const char* name;
        int caption;  // -1: a picture button
        int hint;
    } rows[] = {
        {"Btn_New", 15, 22}, {"Btn_Open", 16, 23}, {"Btn_Close", -1, 14}, {"Btn_Info", -1, 12},
        {"Btn_Opz", -1, 13}, {"Btn_Prm_Gen", 20, 24}, {"Btn_LoRaWAN_Access", 21, 25},
        {"Btn_Modbus_Set_Access", 27, 28}, {"Btn_BACnet_SetAccess", 29, 30}, {"Btn_BACnet_EDE_File", 31, 32},
        {"Btn_CAN_Rec_Frame", 33, 34}, {"Btn_CAN_Send_Frame", 35, 36}, {"Btn_PDO_CANopen", 45, 46},
        {"Btn_SDO_Client_CANopen", 43, 44}, {"Btn_SDO_Server_CANopen", 41, 42}, {"Btn_CANopen_EDS", 47, 48},
        {"Btn_DNet_Net", 49, 50}, {"Btn_DNet_Offset", 51, 52}, {"Btn_DMX_Default", 53, 54},
        {"Btn_IEC61850_Client", 55, 56}, {"Btn_TLS_List_Certificates", 59, 60},
        {"Btn_IEC61850_Access", 57, 58}, {"Btn_MQTT_Set_Topic", 61, 62}, {"Btn_OPC_UA_Client_Access", 69, 70},
        {"Btn_OPC_UA_Server_Access", 71, 72}, {"Btn_SNMP_Manager_Access", 67, 68}, {"Btn_SNMP_Trap", 63, 64},
        {"Btn_SNMP_MIB", 65, 66}, {"Btn_PROFINET_XML", 73, 74}, {"Btn_EtherNetIP_Access", 75, 76},
        {"Btn_S7_Protocol_Access", 77, 78}, {"Btn_KNX_Access", 79, 80}, {"Btn_PROFIBUS_GSD", 81, 82},
        {"Btn_CreateBin", 17, 26},
    };
    ASSERT_EQ(std::size(rows), main->Buttons.size());
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& r = rows[i];
        auto* b = main->Button(r.name);
        ASSERT_NE(b, nullptr) << r.name;
        if (r.caption >= 0) {
            EXPECT_EQ(b->Caption(), shell::Lang_Texts[r.caption]) << r.name;
        }
        EXPECT_EQ(b->Hint(), shell::Lang_Texts[r.hint]) << r.name;
        if (i < 5) continue;  // New, Open, Close, Info, Options act without one
        test::TScriptedUi ui;
        main->Btn_Click(b);
        ASSERT_EQ(ui.Boxes().size(), 1u) << r.name;
        EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[18]) << r.name;
        EXPECT_TRUE(ui.FileDialogs().empty()) << r.name;
    }
}

// The picture buttons and the address edits have no caption to be read out:
// screen readers name them by their hints.
TEST_F(MainWindow, PictureButtonsAndEditsHaveAccessibleNames) {
    Start("accessible_names");
    for (const char* name : {"Btn_Info", "Btn_Opz", "Btn_Close"}) {
        auto* b = main->Button(name);
        EXPECT_FALSE(b->Hint().empty()) << name;
        EXPECT_EQ(test::AccessibleNameOf(*b), b->Hint()) << name;
    }
    EXPECT_EQ(test::AccessibleNameOf(*main->Button("Btn_New")), "New Configuration");
    boot->Form_Type = gw::Boot_Ethernet;
    boot->Set_Lang();
    for (TEdit* e : {boot->E_IP1, boot->E_IP4}) {
        EXPECT_FALSE(e->Hint().empty());
        EXPECT_EQ(test::AccessibleNameOf(*e), e->Hint());
    }
}

TEST_F(MainWindow, VersionTimerStaysOffUnlessBothSwitchesAreOn) {
    const struct { bool internet, update; } cases[] = {{true, false}, {false, true}, {false, false}};
    for (const auto& c : cases) {
        Start("version_timer_off", [&](const std::string& d) {
            WriteText(d + "/Vastrimo.xml", SettingsXml("", c.internet, c.update));
        });
        EXPECT_FALSE(main->Timer_Update->Enabled()) << c.internet << c.update;
        TearDown();
    }
}

TEST_F(MainWindow, EdeExportAsksBeforeOverwriting) {
    Start("ede_export", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/PROJECTS/Plant/out.csv", "old");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    const std::string conf = dir + "/PROJECTS/Plant";
    std::vector<std::string> written;
    main->Write_EDE_File = [&](const std::string& f) { written.push_back(f); };
    const struct {
        const char* chosen;
        int answer;          // mrNone: no question expected
        const char* writes;  // "" for nothing
    } cases[] = {
        {"out", mrYes, "out.csv"},      {"out", mrNo, ""},
        {"out", mrCancel, ""},          {"out.CSV", mrNone, "out.CSV"},
        {"fresh", mrNone, "fresh.csv"}, {"fresh.txt", mrNone, "fresh.txt.csv"},
    };
    for (const auto& c : cases) {
        written.clear();
        test::TScriptedUi ui;
        ui.AnswerFileDialog(conf + "/" + c.chosen);
        if (c.answer != mrNone) ui.AnswerBox(c.answer);
        main->Btn_Click(main->Button("Btn_BACnet_EDE_File"));
        ASSERT_EQ(ui.FileDialogs().size(), 1u) << c.chosen;
        EXPECT_EQ(ui.FileDialogs()[0].InitialDir, conf) << c.chosen;
        EXPECT_EQ(ui.FileDialogs()[0].Filter, "CSV file (*.csv)|*.csv") << c.chosen;
        if (c.answer != mrNone) {
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.chosen;
            EXPECT_EQ(ui.Boxes()[0].Text, "File already exists. Do you want to overwrite?") << c.chosen;
            EXPECT_EQ(ui.Boxes()[0].Buttons, mbYesNoCancel) << c.chosen;
        } else {
            EXPECT_TRUE(ui.Boxes().empty()) << c.chosen;
        }
        if (*c.writes)
            EXPECT_EQ(written, std::vector<std::string>{conf + "/" + c.writes}) << c.chosen;
        else
            EXPECT_TRUE(written.empty()) << c.chosen;
    }
}

TEST_F(MainWindow, EdeExportWritesTheServerObjects) {
    Start("ede_write", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/PROJECTS/Plant/ParGen.xml", "<Par_Gen><BACnet_DEV_IDE>55</BACnet_DEV_IDE></Par_Gen>");
        WriteText(d + "/PROJECTS/Plant/BACnet_Slave.xml",
                  "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Eng_Unit='62' "
                  "Mnemonic='T1'/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    const std::string conf = dir + "/PROJECTS/Plant";
    {
        test::TScriptedUi ui;
        ui.AnswerFileDialog(conf + "/objects");
        main->Btn_Click(main->Button("Btn_BACnet_EDE_File"));
        EXPECT_TRUE(ui.Boxes().empty());
    }
    const std::string text = ReadText(conf + "/objects.csv");
    EXPECT_EQ(text.rfind("PROJECT_NAME; Vekrun--Plant;;;;;;\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n55_T1_0;55;T1;0;0;T1;62;\r\n"), std::string::npos) << text;

    // A server file the export cannot take is reported; the old file stays.
    WriteText(conf + "/BACnet_Slave.xml", "<BACnet_to_Modbus><BACnet_in_Read>");
    test::TScriptedUi ui;
    ui.AnswerFileDialog(conf + "/objects.csv");
    ui.AnswerBox(mrYes);
    ui.AnswerBox(mrOk);
    main->Btn_Click(main->Button("Btn_BACnet_EDE_File"));
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[1].Type, mtError);
    EXPECT_NE(ui.Boxes()[1].Text.find("BACnet_Slave.xml"), std::string::npos) << ui.Boxes()[1].Text;
    EXPECT_EQ(ReadText(conf + "/objects.csv"), text);
}

TEST_F(MainWindow, CsvExtensionAddedUnlessPresent) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {{"a", "a.csv"},     {"a.csv", "a.csv"}, {"a.CSV", "a.CSV"},
                 {"a.Csv", "a.Csv"}, {"csv", "csv.csv"}, {"a.csv.bak", "a.csv.bak.csv"},
                 {"", ".csv"}};
    for (const auto& c : cases) EXPECT_EQ(app::With_Csv_Extension(c.in), c.out) << c.in;
}

TEST_F(MainWindow, BacnetTypeReadFromTheParameterFile) {
    Start("bacnet_type", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    const struct {
        const char* name;
        const char* content;  // nullptr: no file
        int type;
    } cases[] = {
        {"no file", nullptr, 0},
        {"set", "<ParGen><BACnet_Type>2</BACnet_Type></ParGen>", 2},
        {"not a number", "<ParGen><BACnet_Type>two</BACnet_Type></ParGen>", 0},
        {"missing", "<ParGen><Other>5</Other></ParGen>", 0},
        {"malformed", "<ParGen><BACnet_Type>2</ParGen", 0},
    };
    for (const auto& c : cases) {
        fs::remove(shell::ParGen_File);
        if (c.content) WriteText(shell::ParGen_File, c.content);
        EXPECT_EQ(main->Get_Type_BACnet(), c.type) << c.name;
    }
}

TEST_F(MainWindow, LinksOpenInTheBrowser) {
    shelltest::WebHostOverride host("http://127.0.0.1:8123");
    Start("links");
    test::TScriptedUi ui;
    main->Show();
    test::ClickAt(*main->L_VKRweb);
    ASSERT_TRUE(main->LL_Update->OnLinkClick);
    main->LL_Update->OnLinkClick(main->LL_Update, "http://127.0.0.1:8123/Home/download/download.asp#KV4C840",
                                 sltURL);
    main->Hide();
    EXPECT_EQ(ui.OpenedLinks(),
              (std::vector<std::string>{"http://127.0.0.1:8123/HOME/default.asp?frompg=QP4A902",
                                        "http://127.0.0.1:8123/Home/download/download.asp#KV4C840"}));
    EXPECT_EQ(main->L_VKRweb->Caption(), "127.0.0.1:8123");
}

// Picking a language re-labels every window at once, except the about box.
TEST_F(MainWindow, LanguageChangeRelabelsTheWindows) {
    Start("language_change", [](const std::string& d) {
        fs::create_directories(d + "/LANGUAGE");
        WriteText(
            d + "/LANGUAGE/Deutsch.lng",
            "STR15 = Neue Konfiguration\nSTR9 = Keine Konfiguration\nSTR100 = Neue Konfiguration anlegen\n"
            "STR200 = Konfiguration oeffnen\nSTR300 = Optionen\n");
    });
    const std::string aboutTitle = about->Label1->Caption();
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);
    ui.OnModal([&](TForm&) {
        test::ClickAt(*options->L_L[0]);
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_Opz"));
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(main->Button("Btn_New")->Caption(), "Neue Konfiguration");
    EXPECT_EQ(main->L_Name_Conf->Caption(), "Keine Konfiguration");
    EXPECT_EQ(newProject->Caption(), "Neue Konfiguration anlegen");
    EXPECT_EQ(openConf->Caption(), "Konfiguration oeffnen");
    EXPECT_EQ(options->Caption(), "Optionen");
    EXPECT_EQ(about->Label1->Caption(), aboutTitle);
    // Cancel: the setting keeps the old language.
    EXPECT_EQ(shell::Language_Name, "English");
}

}  // namespace
