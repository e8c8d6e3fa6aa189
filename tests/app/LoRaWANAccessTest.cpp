// The "LoRaWAN Access" step of the main window: it opens the LoRaWAN window
// on the open configuration's file, and the window follows the language.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/ProjectNames.h"

namespace fs = std::filesystem;
using namespace plat;
using apptest::SettingsXml;
using apptest::WriteText;

namespace {

class LoRaWANAccess : public apptest::MainWindowTest {};

const char* const Device_File =
    "<LoRaWAN_Gateway><LoRaWAN_Devices_List><LoRaWAN_Device Enable=\"Y\" DeviceEUI=\"%EUI%\" "
    "JoinEUI=\"\" DeviceName=\"\" ActivationMethod=\"\" NetworkSessionKey=\"\" ApplicationSessionKey=\"\" "
    "ApplicationKey=\"\" DeviceAddress=\"\" Mnemonic=\"\"><LoRaWAN_Rules><LoRaWAN_UpLink_Rules/>"
    "<LoRaWAN_DownLink_Rules/></LoRaWAN_Rules></LoRaWAN_Device></LoRaWAN_Devices_List></LoRaWAN_Gateway>";

std::string FileWithEui(const std::string& eui) {
    std::string text = Device_File;
    text.replace(text.find("%EUI%"), 5, eui);
    return text;
}

TEST_F(LoRaWANAccess, OpensTheWindowOnTheOpenConfiguration) {
    Start("lorawan_access", [](const std::string& d) {
        for (const char* name : {"Plant", "Other"}) {
            fs::create_directories(d + "/PROJECTS/" + name);
            WriteText(d + "/PROJECTS/" + name + "/LoRaWAN_Gateway.xml",
                      FileWithEui(std::string("EUI-") + name));
        }
        WriteText(d + "/Vastrimo.xml", SettingsXml("Plant"));
    });
    test::TScriptedUi ui;
    std::string shown, eui;
    ui.OnModal([&](TForm& f) {
        shown = f.Name();
        eui = loRaWAN->ESG_LoRaWAN_Device_List->Cells(2, 1);
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_LoRaWAN_Access"));
    EXPECT_EQ(shown, loRaWAN->Name());
    EXPECT_EQ(eui, "EUI-Plant");

    shell::Open_Configuration("Other");
    ui.OnModal([&](TForm&) {
        eui = loRaWAN->ESG_LoRaWAN_Device_List->Cells(2, 1);
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_LoRaWAN_Access"));
    EXPECT_EQ(eui, "EUI-Other");
}

TEST_F(LoRaWANAccess, NeedsAnOpenConfiguration) {
    Start("lorawan_access_closed");
    test::TScriptedUi ui;
    bool opened = false;
    ui.OnModal([&](TForm&) {
        opened = true;
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_LoRaWAN_Access"));
    EXPECT_FALSE(opened);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
}

TEST_F(LoRaWANAccess, WindowTextsFollowTheLanguage) {
    Start("lorawan_language", [](const std::string& d) {
        fs::create_directories(d + "/LANGUAGE");
        WriteText(
            d + "/LANGUAGE/Deutsch.lng",
            "STR5400 = LoRaWAN Zugang\nSTR5402 = Speichern\nSTR5416 = Aufwaerts\nSTR5420 = Geraete-EUI\n"
            "STR5444 = Aktiv\nSTR5515 = RX2 Rate\n");
    });
    EXPECT_EQ(loRaWAN->Caption(), "LoRaWAN Gateway Access");
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);
    ui.OnModal([&](TForm&) {
        test::ClickAt(*options->L_L[0]);
        return mrOk;
    });
    main->Btn_Click(main->Button("Btn_Opz"));
    EXPECT_EQ(loRaWAN->Caption(), "LoRaWAN Zugang");
    EXPECT_EQ(loRaWAN->Btn_OK->Caption(), "Speichern");
    EXPECT_EQ(loRaWAN->TS_LoRaWAN_Uplink_Rules_List->Caption(), "Aufwaerts");
    EXPECT_EQ(loRaWAN->ESG_LoRaWAN_Device_List->Cells(2, 0), "Geraete-EUI");
    EXPECT_EQ(loRaWAN->ACG_LoRaWAN_Uplink->Cells(1, 0), "Aktiv");
    // The texts from 5500 on are not a language file's to replace.
    EXPECT_EQ(loRaWAN->ESG_LoRaWAN_Device_List->Cells(12, 0), "RX2 Datarate");
}

}  // namespace
