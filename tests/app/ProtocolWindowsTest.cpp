// The main window's table of windows: every protocol window stands in the
// creation order, and a hidden button opens its window through the table.

#include "app/ProtocolWindows.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MainWindowFixture.h"
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

TEST_F(ProtocolButtons, HiddenModbusButtonOpensTheModbusTCPWindow) {
    Start("modbus_button", [](const std::string& d) {
        fs::create_directories(d + "/PROJECTS/Plant");
        apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
    });
    test::TScriptedUi ui;
    std::string shown;
    ui.OnModal([&](TForm& f) {
        shown = f.Name();
        return mrCancel;
    });
    main->Btn_Click(main->Button("Btn_Modbus_Set_Access"));
    EXPECT_EQ(shown, modbusTCP->Name());
    EXPECT_TRUE(ui.Boxes().empty());
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
