// The EtherNet/IP scanner, EDS pick, S7 and KNX windows as the user meets
// them: files loaded with their defaults, rows typed and saved byte for byte,
// an EDS connection imported into the first free row, a row copied on one S7
// page refused on the other.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "AccessWindowFixture.h"
#include "protocols/EtherNetIP_EDS.h"
#include "protocols/EtherNetIP_Master_Access.h"
#include "protocols/KNXAccess.h"
#include "protocols/S7_Protocol_Set_Access.h"

namespace {

using namespace plat;
using prototest::ReadFile;
using prototest::Screenshot;
using prototest::Data;
using prototest::TypeCell;
using prototest::WriteFile;

class ScannerWindow : public prototest::AccessWindowTest<proto::TFEtherNetIP_Master_Access> {
protected:
    void SetUp() override {
        OpenWindow("scanner_window");
        eds = std::make_unique<proto::TFEtherNEtIP_EDS>(nullptr);
        proto::FEtherNEtIP_EDS = eds.get();
        eds->DoCreate();
    }
    void TearDown() override {
        eds.reset();
        AccessWindowTest::TearDown();
    }
    std::unique_ptr<proto::TFEtherNEtIP_EDS> eds;
};

TEST_F(ScannerWindow, LoadsDefaultsAndSavesTypedRules) {
    WriteFile(shell::EtherNetIP_Master_Rules_File,
              "<EtherNetIP_Master_Access><row IP_Address=\"10.0.0.1\" Start_Input=\"0\"/></EtherNetIP_Master_Access>");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        // A rule without Enable is off; missing header formats are the usual ones.
        EXPECT_EQ(Grid(0).Cells(1, 1), "N");
        EXPECT_EQ(Grid(0).Cells(12, 1), "Default");
        EXPECT_EQ(Grid(0).Cells(3, 1), "0");
        EXPECT_EQ(Grid(0).Cells(4, 1), "");
        EXPECT_EQ(Grid(0).Cells(1, 2), "Y");
        TypeCell(Grid(0), 2, 2, "192.168.1.20");
        TypeCell(Grid(0), 7, 2, "100");
        SetRows(0, {{2, {{3, "0"}, {4, "32"}, {5, "0"}, {6, "16"}, {8, "1"}, {9, "100"}, {10, "1"}, {11, "101"},
                         {12, "Default"}, {13, "2"}, {14, "Drive"}}}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFEtherNetIP_Master_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(shell::EtherNetIP_Master_Rules_File), Data("EtherNetIP_Master_Rules_saved.xml"));
}

TEST_F(ScannerWindow, TotalOverTheLimitIsRefused) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        const prototest::TCells rule = {{2, "10.0.0.1"}, {3, "0"}, {4, "1000"}, {5, "0"}, {6, "0"}, {7, "10"},
                                        {8, "1"},        {9, "1"}, {10, "1"},   {11, "1"}, {12, "0"}, {13, "4"}};
        prototest::TCells second = rule;
        second[4] = "500";
        SetRows(0, {{1, rule}, {2, second}});
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! The Total Number of Input Bytes must be between 0 and 1438");
    EXPECT_FALSE(std::filesystem::exists(shell::EtherNetIP_Master_Rules_File));
}

const char* const Two_Connections =
    "[Connection Manager]\r\n"
    "Connection1 = 0x04010002,0x44640405,,,,,,,,,,,\"Exclusive Owner\",\"\",\"20 04 24 01 2C 64 2C 65\";\r\n"
    "Connection2 = 0x04010002,0x00002200,,,,,,,,,,,\"Input Only, 16-bit\",\"$ per unit\",\r\n"
    "    \"20 04 25 00 2C 01 2C C8 24 03 2C C9\";\r\n";

TEST_F(ScannerWindow, ImportPutsThePickedConnectionIntoTheFirstFreeRow) {
    const std::string file = shell::Conf_Path + "/device.eds";
    WriteFile(file, Two_Connections);
    test::TScriptedUi ui;
    Open(ui, [&] {
        SetRows(0, {{1, {{2, "10.0.0.1"}}}, {2, {{2, "10.0.0.2"}}}});
        ui.AnswerFileDialog(file);
        ui.OnModal([&](TForm&) {
            test::ProcessEvents();
            EXPECT_EQ(eds->ACG->RowCount(), 3);
            EXPECT_EQ(eds->ACG->Cells(proto::ecConnection, 2), "Connection2");
            EXPECT_EQ(eds->ACG->Cells(proto::ecName, 2), "\"Input Only, 16-bit\"");
            EXPECT_EQ(eds->ACG->Cells(proto::ecHeaderOT, 1), "Default");
            EXPECT_EQ(eds->ACG->LeftCol(), 0);
            EXPECT_TRUE(test::SaveScreenshot(*eds, Screenshot("TFEtherNEtIP_EDS")));
            eds->ACG->SetRow(2);
            test::ClickAt(*eds->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*dlg->Btn_Import_EDS);
        EXPECT_EQ(Grid(0).Cells(2, 3), "");
        EXPECT_EQ(Grid(0).Cells(8, 3), "3");     // instance T > O
        EXPECT_EQ(Grid(0).Cells(9, 3), "201");   // point T > O
        EXPECT_EQ(Grid(0).Cells(10, 3), "300");  // instance O > T, 16 bits
        EXPECT_EQ(Grid(0).Cells(11, 3), "200");  // point O > T
        EXPECT_EQ(Grid(0).Cells(12, 3), "2");
        EXPECT_EQ(Grid(0).Cells(13, 3), "2");
        EXPECT_EQ(Grid(0).Cells(8, 2), "");
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(ui.FileDialogs().at(0).Filter, "EtherNet/IP EDS (*.eds)|*.eds");
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ScannerWindow, AnEmptyListIsReportedAndClosesThePickDialog) {
    const std::string file = shell::Conf_Path + "/none.eds";
    WriteFile(file, "[Device]\r\nConnection1 = 0,0,,,,,,,,,,,\"a\",\"\",\"20 04 24 01 2C 64 2C 65\";\r\n");
    eds->EDS_FileName = file;
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        for (int i = 0; i < 200 && eds->ModalResult() == mrNone; ++i) {
            test::ProcessEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return mrNone;
    });
    EXPECT_EQ(eds->ShowModal(), mrCancel);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! No Valid Connection found");
    EXPECT_EQ(eds->ACG->RowCount(), 2);
}

class S7Window : public prototest::AccessWindowTest<proto::TFS7_Protocol_Set_Access> {
protected:
    void SetUp() override { OpenWindow("s7_window"); }
};

TEST_F(S7Window, LoadsRackAndSlotDefaultsAndSavesBothTables) {
    WriteFile(shell::S7_Protocol_File,
              "<S7_Protocol><S7_Protocol_Read><row Enable=\"Y\" PLC_Address=\"192.168.1.125\" PLC_Port=\"102\" "
              "PLC_Type=\"S71200\" Data_Type=\"Byte\" Data_Identifier=\"DB\" DB_Number=\"1\" "
              "PLC_Area=\"Inputs (I)\" PLC_Add=\"0\" PLC_Bit=\"0\" PollTime=\"1000\" Position=\"0\" Bit=\"0\" "
              "Swap=\"N\" SwapWord=\"N\" Mnemonic=\"Level\"/></S7_Protocol_Read><S7_Protocol_Write/></S7_Protocol>");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(Grid(0).Cells(5, 1), "0");
        EXPECT_EQ(Grid(0).Cells(6, 1), "0");
        ShowPage(1);
        TypeCell(Grid(1), 2, 1, "192.168.1.126");
        TypeCell(Grid(1), 3, 1, "102");
        SetRows(1, {{1, {{4, "S7300"}, {5, "0"}, {6, "2"}, {7, "Word"}, {8, "DB"}, {9, "5"}, {10, "Output (Q)"},
                         {11, "10"}, {12, "0"}, {13, "0"}, {14, "Y"}, {15, "N"}, {16, "4"}, {17, "0"}, {18, "N"},
                         {19, "N"}, {20, "Setpoint"}}}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFS7_Protocol_Set_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(shell::S7_Protocol_File), Data("S7_Protocol_saved.xml"));
}

TEST_F(S7Window, DeleteAsksItsQuestionAndCopyDoesNotPasteAcrossPages) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);
    Open(ui, [&] {
        Grid(0).SetRow(3);
        test::ClickAt(*dlg->Btn_DelRow);
        test::ClickAt(*dlg->Btn_CopyRow);
        ShowPage(1);
        test::ClickAt(*dlg->Btn_PasteRow);
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Are you sure to delete the Row number 3");
    EXPECT_EQ(ui.Boxes()[1].Text, "Error!!! Copy a valid row before Paste it");
}

class KNXWindow : public prototest::AccessWindowTest<proto::TFKNXAccess> {
protected:
    void SetUp() override { OpenWindow("knx_window"); }
};

TEST_F(KNXWindow, LoadsPriorityAndDefaultsAndSavesTheRules) {
    WriteFile(shell::KNX_SetAccess_File,
              "<BACnet_to_KNX><KNX_in_Write><row Source_Address=\"1.1.20\" Destination_Address=\"1/2/3\" "
              "APCI=\"Write\" Priority=\"urgent\" Extended=\"N\" ReTest=\"N\" On_Change=\"Y\" Poll_Time=\"\" "
              "Position=\"0\" Bit_Mode=\"No\" Length=\"2\" Mnemonic=\"Lamp\"/></KNX_in_Write></BACnet_to_KNX>");
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(Grid(0).Cells(1, 1), "Y");
        EXPECT_EQ(Grid(0).Cells(5, 1), "Normal");
        EXPECT_EQ(Grid(0).Cells(6, 1), "None");
        EXPECT_EQ(Grid(0).Cells(10, 1), "N");
        EXPECT_EQ(Grid(0).Cells(17, 1), "0");
        EXPECT_EQ(Grid(0).Cells(5, 2), "");
        TypeCell(Grid(0), 2, 2, "1.1.21");
        TypeCell(Grid(0), 3, 2, "2/0/1");
        SetRows(0, {{2, {{4, "Read"}, {5, "Low"}, {6, "Swap16"}, {7, "0,5"}, {8, "N"}, {9, "N"}, {10, "N"},
                         {11, "N"}, {12, "Y"}, {13, "1000"}, {14, "2"}, {15, "3"}, {16, "12"}, {17, "500"},
                         {18, "Dimmer"}}}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFKNXAccess")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().at(0).Text;
    EXPECT_EQ(ReadFile(shell::KNX_SetAccess_File), Data("KNX_SetAccess_saved.xml"));
}

}  // namespace
