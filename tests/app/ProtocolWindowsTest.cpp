// The main window's table of windows: every protocol window stands in the
// creation order, and a hidden button opens its window through the table.

#include "app/ProtocolWindows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
#include "protocols/IEC_61850_Access.h"
#include "protocols/OPC_UA_Client_Access.h"
#include "protocols/OPC_UA_Server_Access.h"
#include "platform/TestHooks.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

TEST(ProgramWindows, CreationOrderBeginsWithTheMainAndLoRaWANWindows) {
    const auto& windows = app::Program_Windows();
    ASSERT_EQ(windows.size(), 42u);
    EXPECT_STREQ(windows[0].Instance, "FVastrimoFirmWare");
    EXPECT_STREQ(windows[1].Instance, "FLoRaWAN_Gateway");
    EXPECT_STREQ(windows[10].Instance, "FSetAccess");
    EXPECT_STREQ(windows[11].Instance, "FModbus_TCP_Master_Set_Access");
    EXPECT_STREQ(windows[41].Instance, "FKNXAccess");
    // Every relabelled window has its row.
    for (const char* name : app::Relabel_Order()) EXPECT_NE(app::Find_Program_Window(name), nullptr) << name;
}

class ProtocolButtons : public apptest::MainWindowTest {};

TEST_F(ProtocolButtons, HiddenButtonsOpenTheirWindows) {
    Start("protocol_buttons", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/PROJECTS/Plant/ParGen.xml",
                           "<Par_Gen><BACnet_Master_Type>1</BACnet_Master_Type></Par_Gen>");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    const struct {
        const char* button;
        TForm* window;
    } cases[] = {{"Btn_Modbus_Set_Access", modbusTCP.get()}, {"Btn_BACnet_SetAccess", bacnetAccess.get()}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        std::string shown;
        ui.OnModal([&](TForm& f) {
            shown = f.Name();
            return mrCancel;
        });
        main->Btn_Click(main->Button(c.button));
        EXPECT_EQ(shown, c.window->Name()) << c.button;
        EXPECT_TRUE(ui.Boxes().empty()) << c.button;
    }
    // The BACnet window took the client kind from the parameter file.
    EXPECT_EQ(bacnetAccess->App_BACnet_Type, 1);
}

TEST_F(ProtocolButtons, HiddenIEC61850ClientButtonOpensTheClientWindow) {
    Start("iec61850_button", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    auto client = std::make_unique<proto::TFIEC_61850_Access>(nullptr);
    proto::FIEC_61850_Access = client.get();
    client->DoCreate();
    test::TScriptedUi ui;
    TForm* shown = nullptr;
    ui.OnModal([&](TForm& f) {
        shown = &f;
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_IEC61850_Client"));
    EXPECT_EQ(shown, client.get());
    EXPECT_EQ(client->Caption(), "IEC61850 Client Set Access");
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ProtocolButtons, HiddenOPCUAButtonsOpenTheirWindows) {
    Start("opcua_buttons", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    auto server = std::make_unique<proto::TFOPC_UA_Server_Access>(nullptr);
    proto::FOPC_UA_Server_Access = server.get();
    server->DoCreate();
    auto client = std::make_unique<proto::TFOPC_UA_Client_Access>(nullptr);
    proto::FOPC_UA_Client_Access = client.get();
    client->DoCreate();
    const struct {
        const char* button;
        TForm* window;
        const char* caption;
    } cases[] = {{"Btn_OPC_UA_Server_Access", server.get(), "Definition of OPC UA Server Variables"},
                 {"Btn_OPC_UA_Client_Access", client.get(), "OCP UA Client Access"}};
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        TForm* shown = nullptr;
        ui.OnModal([&](TForm& f) {
            shown = &f;
            return mrCancel;
        });
        main->Btn_Click(main->Button(c.button));
        EXPECT_EQ(shown, c.window) << c.button;
        EXPECT_EQ(c.window->Caption(), c.caption);
        EXPECT_TRUE(ui.Boxes().empty()) << c.button;
    }
}

}  // namespace

namespace {

TEST_F(ProtocolButtons, LanguageChangeRelabelsTheProtocolWindows) {
    Start("modbus_language");
    shell::Lang_Texts.SetString(1700, "Modbus RTU");
    shell::Lang_Texts.SetString(1808, "Nr");
    main->Change_Language();
    EXPECT_EQ(modbusRTU->Caption(), "Modbus RTU");
    EXPECT_EQ(modbusTCP->Table_Grid(0).Columns().Items(0).Header(), "Nr");
}

}  // namespace
