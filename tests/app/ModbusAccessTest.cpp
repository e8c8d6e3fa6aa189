// The Modbus TCP master window reached the way a user reaches it: the main
// window's button opens it on the open configuration, rows are typed with
// the keyboard, OK writes the file; a bad row is refused and Cancel keeps
// nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "platform/TestHooks.h"
#include "protocols/AccessWindowFixture.h"
#include "shell/Comon.h"

namespace fs = std::filesystem;
using namespace plat;

namespace {

class ModbusAccess : public apptest::MainWindowTest {
protected:
    void StartOnPlant(const std::string& name) {
        Start(name, [](const std::string& d) {
            fs::create_directories(d + "/PROJECTS/Plant");
            apptest::WriteText(d + "/Vastrimo.xml", apptest::SettingsXml("Plant"));
        });
    }
    grid::TExtColumnGrid& Read() { return modbusTCP->Table_Grid(0); }
    grid::TExtColumnGrid& Write() { return modbusTCP->Table_Grid(1); }
    void Open_From_Main_Window() { main->Btn_Click(main->Button("Btn_Modbus_Set_Access")); }
};

TEST_F(ModbusAccess, TypedRowsAreSavedByOK) {
    StartOnPlant("modbus_typed");
    test::TScriptedUi ui;
    bool opened = false;
    ui.OnModal([&](TForm& f) {
        opened = &f == modbusTCP.get();
        test::ProcessEvents();
        using prototest::PickCell;
        using prototest::TypeCell;
        TypeCell(Read(), 2, 1, "192.168.1.10");
        TypeCell(Read(), 3, 1, "502");
        TypeCell(Read(), 4, 1, "1");
        PickCell(Read(), 5, 1, 2);  // Holding Register
        TypeCell(Read(), 6, 1, "40");
        TypeCell(Read(), 7, 1, "10");
        TypeCell(Read(), 8, 1, "1000");
        TypeCell(Read(), 9, 1, "0");
        PickCell(Read(), 10, 1, 0);
        PickCell(Read(), 11, 1, 0);
        TypeCell(Read(), 14, 1, "Boiler");  // shown where the hidden topic would be
        modbusTCP->PageControl1->SetActivePageIndex(1);
        test::ProcessEvents();
        TypeCell(Write(), 2, 1, "192.168.1.20");
        TypeCell(Write(), 3, 1, "502");
        TypeCell(Write(), 4, 1, "2");
        PickCell(Write(), 5, 1, 0);  // Coil Status
        TypeCell(Write(), 6, 1, "5");
        TypeCell(Write(), 7, 1, "8");
        TypeCell(Write(), 8, 1, "0");
        TypeCell(Write(), 11, 1, "0");
        PickCell(Write(), 12, 1, 3);
        PickCell(Write(), 13, 1, 0);
        EXPECT_TRUE(test::SaveScreenshot(*modbusTCP, std::string(VASTRIMO_TEST_OUT) +
                                                         "/TFModbus_TCP_Master_Set_Access.png"));
        test::ClickAt(*modbusTCP->Btn_OK);
        return mrNone;
    });
    Open_From_Main_Window();
    EXPECT_TRUE(opened);
    EXPECT_TRUE(ui.Boxes().empty());
    std::vector<proto::TTable> tables = proto::Reset_Tables(proto::Modbus_TCP_Member.File);
    ASSERT_TRUE(proto::Load_Access_File(proto::Modbus_TCP_Member.File, shell::ModbusTCPM_SetAccess_File, tables)
                    .Clean());
    EXPECT_EQ(tables[0][0], (proto::TTableRow{"1", "Y", "192.168.1.10", "502", "1", "Holding Register", "40", "10",
                                              "1000", "0", "0", "0", "", "", "-1", "Boiler"}));
    EXPECT_EQ(tables[1][0], (proto::TTableRow{"1", "Y", "192.168.1.20", "502", "2", "Coil Status", "5", "8", "0", "",
                                              "", "0", "3", "0", "", "", ""}));
    EXPECT_EQ(tables[0][1][2], "");
}

TEST_F(ModbusAccess, BadRowIsRefusedAndCancelSavesNothing) {
    StartOnPlant("modbus_refused");
    test::TScriptedUi ui;
    bool stayedOpen = false;
    ui.OnModal([&](TForm&) {
        test::ProcessEvents();
        prototest::TypeCell(Read(), 2, 1, "10.0.0.1");
        prototest::TypeCell(Read(), 3, 1, "502");
        prototest::TypeCell(Read(), 4, 1, "0");
        test::ClickAt(*modbusTCP->Btn_OK);
        stayedOpen = modbusTCP->ModalResult() == mrNone;
        test::ClickAt(*modbusTCP->Btn_Cancel);
        return mrNone;
    });
    Open_From_Main_Window();
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! [Modbus Read] Slave ID must be between 1 and 247");
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_TRUE(stayedOpen);
    EXPECT_FALSE(fs::exists(shell::ModbusTCPM_SetAccess_File));
}

}  // namespace
