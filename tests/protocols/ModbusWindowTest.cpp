// The Modbus windows as the user meets them: the file each writes (against
// stored files) and reads (hand-written files), the row buttons, the texts,
// and the questions OK asks before it could lose rows of a file.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AccessWindowFixture.h"
#include "protocols/Modbus_TCP_Master_Set_Access.h"
#include "protocols/SetAccess.h"
#include "shell/RowHelpers.h"

namespace {

using namespace plat;
using prototest::ReadFile;
using prototest::Data;
using prototest::WriteFile;

std::vector<std::string> Cells(grid::TExtColumnGrid& g, int r) {
    std::vector<std::string> v;
    for (int c = 0; c < g.AllColCount(); ++c) v.push_back(g.Cells(c, r));
    return v;
}

class ModbusTCPWindow : public prototest::AccessWindowTest<proto::TFModbus_TCP_Master_Set_Access> {
protected:
    void SetUp() override { OpenWindow("modbus_tcp_window"); }
    const std::string& File() { return shell::ModbusTCPM_SetAccess_File; }
};

class ModbusRTUWindow : public prototest::AccessWindowTest<proto::TFSetAccess> {
protected:
    void SetUp() override { OpenWindow("modbus_rtu_window"); }
    const std::string& File() { return shell::ModbusM_SetAccess_File; }
};

// The program makes every protocol window at start-up and opens few of them:
// a window's controls wait until it shows or a field of it is read, and
// then it is the window it would have been had they been made at once.
TEST_F(ModbusRTUWindow, ControlsAreMadeWhenTheWindowFirstShows) {
    EXPECT_EQ(dlg->Name(), "FSetAccess");
    EXPECT_EQ(dlg->ControlCount(), 0);
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_GT(dlg->ControlCount(), 0);
        // OnCreate ran once the controls were there, then OnShow.
        EXPECT_EQ(dlg->Caption(), shell::Lang_Texts[1700]);
        EXPECT_EQ(dlg->ClientWidth(), 1040);
        EXPECT_EQ(dlg->L_SW_Code->Caption(), shell::SW_Code);
        ASSERT_NE(dlg->Btn_DelRow, nullptr);
        EXPECT_EQ(dlg->Btn_DelRow->Caption(), shell::Lang_Texts[1704]);
        // The member's own binding came with them.
        EXPECT_TRUE(Grid(0).OnComboChange);
        EXPECT_EQ(Grid(0).Cells(0, 1), "1");
    });
}

TEST_F(ModbusRTUWindow, ReadingAFieldMakesTheControlsUnshown) {
    ASSERT_EQ(dlg->ControlCount(), 0);
    EXPECT_EQ(dlg->L_SW_Desc->Caption(), shell::Lang_Texts[1701]);
    EXPECT_EQ(dlg->Caption(), shell::Lang_Texts[1700]);
    EXPECT_FALSE(dlg->Visible());
    ASSERT_EQ(dlg->Grids.size(), 2u);
    EXPECT_EQ(dlg->Grids[1], &dlg->Table_Grid(1));
    EXPECT_NE(dlg->FindComponent("P_Button"), nullptr);
    // A window freed without ever being opened or read makes nothing.
    auto unopened = std::make_unique<proto::TFModbus_TCP_Master_Set_Access>(nullptr);
    unopened->DoCreate();
    EXPECT_EQ(unopened->ControlCount(), 0);
    unopened.reset();
}

TEST_F(ModbusTCPWindow, SavesTheStoredFile) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        SetRows(0, {{1, {{2, "192.168.1.10"}, {3, "502"}, {4, "1"}, {5, "Holding Register"}, {6, "0"}, {7, "10"},
                         {8, "1000"}, {9, "0"}, {10, "0"}, {11, "0"}, {12, "N"}, {13, "Y"}, {15, "Boiler temp"}}},
                    {2, {{1, "N"}, {2, " 10.0.0.2"}, {3, "$1F6"}, {4, "9"}, {5, "Coil Status"}, {6, "7"}, {7, "1"},
                         {8, "x"}, {9, ""}, {10, ""}, {11, ""}, {12, "Y"}, {13, "N"}, {15, "disabled & kept"}}}});
        SetRows(1, {{1, {{2, "192.168.1.20"}, {3, "502"}, {4, "247"}, {5, "Coil Status"}, {6, "100"}, {7, "8"},
                         {8, "0"}, {9, "Y"}, {10, "N"}, {11, "3"}, {12, "10"}, {13, "2"}, {14, "N"}, {15, "N"},
                         {16, "\"valve\" <1>"}}}});
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(File()), Data("ModbusTCPM_SetAccess.xml"));
}

TEST_F(ModbusRTUWindow, SavesTheStoredFile) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        SetRows(0, {{1, {{2, "1"}, {3, "Input Register"}, {4, "30"}, {5, "2"}, {6, "500"}, {7, "5"}, {8, "12"},
                         {9, "0"}, {10, "Y"}, {11, "N"}, {13, "Flow"}}}});
        SetRows(1, {{1, {{2, "5"}, {3, "Holding Register"}, {4, "0"}, {5, "10"}, {6, "0"}, {7, "N"}, {8, "Y"},
                         {9, "0"}, {10, "100"}, {11, "0"}, {12, "N"}, {13, "N"}, {14, "Set point"}}},
                    {2, {{1, "N"}, {2, "6"}, {14, "spare"}}}});
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadFile(File()), Data("ModbusM_SetAccess.xml"));
}

TEST_F(ModbusTCPWindow, LoadsAHandWrittenFile) {
    // Older files lack the later attributes: Swap, SwapWord, Index_Topic in
    // the read rows, Enable and OnCMD in the write rows.
    WriteFile(File(),
              "<?xml version=\"1.0\"?>\n<PROFINET_Master_to_Modbus_TCP_Master>\n<!-- note -->\n"
              "<Modbus_Read>\n"
              "  <row Enable=\"N\" IP_Address=\"10.1.1.1\" Port=\"502\" Slave_ID=\"3\" Type=\"Input Register\" "
              "Address=\"40\" NPoint=\"4\" PollTime=\"250\" MaxError=\"2\" Position=\"20\" Bit=\"0\" "
              "Mnemonic=\"  padded  \"/>\n"
              "</Modbus_Read>\n<Modbus_Write>\n"
              "  <row IP_Address=\"10.1.1.2\" Port=\"503\" Slave_ID=\"4\" Type=\"Coil Status\" Address=\"1\" "
              "NPoint=\"16\" PollTime=\"0\" OnChange=\"Y\" MaxError=\"0\" Position=\"30\" Bit=\"4\" Swap=\"Y\" "
              "SwapWord=\"N\" Mnemonic=\"\"/>\n"
              "</Modbus_Write>\n</PROFINET_Master_to_Modbus_TCP_Master>\n<!--SW_VERSION = 1.000-->\n");
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(Cells(Grid(0), 1),
                  (std::vector<std::string>{"1", "N", "10.1.1.1", "502", "3", "Input Register", "40", "4", "250", "2",
                                            "20", "0", "N", "N", "", "  padded  "}));
        EXPECT_EQ(Cells(Grid(0), 2)[1], "Y");
        EXPECT_EQ(Cells(Grid(1), 1),
                  (std::vector<std::string>{"1", "Y", "10.1.1.2", "503", "4", "Coil Status", "1", "16", "0", "Y", "N",
                                            "0", "30", "4", "Y", "N", ""}));
    });
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(ModbusRTUWindow, ShowsTheFamilyLayout) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "Set Modbus Access");
        EXPECT_EQ(dlg->L_SW_Code->Caption(), "QP4A902");
        EXPECT_EQ(dlg->ClientWidth(), 1040);
        EXPECT_EQ(Grid(0).RowCount(), 513);
        EXPECT_EQ(Grid(0).AllColCount(), 14);
        EXPECT_EQ(Grid(1).AllColCount(), 15);
        EXPECT_TRUE(Grid(0).IsHiddenColumn(12));
        EXPECT_EQ(Grid(0).Columns().Items(13).Header(), "Mnemonic");
        EXPECT_EQ(Grid(0).Columns().Items(8).ComboItems().Count(), 1500);
        EXPECT_EQ(Grid(1).Columns().Items(10).ComboItems()[1499], "1499");
        EXPECT_EQ(Grid(1).Columns().Items(3).ComboItems().Count(), 2);
        EXPECT_EQ(Cells(Grid(1), 512)[0], "512");
        EXPECT_EQ(Cells(Grid(1), 512)[1], "Y");
        EXPECT_EQ(dlg->Btn_CopyRow->Caption(), "Copy Row");
        EXPECT_EQ(dlg->PageControl1->ActivePageIndex(), 0);
        // The read table's header hints follow its real columns: "Mnemonic"
        // stands at position 12 while "Topic" is hidden.
        std::string hint = "grid's own";
        Grid(0).OnGridHint(&Grid(0), 0, 12, hint);
        EXPECT_EQ(hint, "Insert the Description of Modbus Rule");
        hint = "grid's own";
        Grid(0).OnGridHint(&Grid(0), 3, 12, hint);
        EXPECT_EQ(hint, "grid's own");
        EXPECT_TRUE(Grid(0).ShowHint());
        EXPECT_FALSE(Grid(1).ShowHint());
    });
}

TEST_F(ModbusTCPWindow, KeepsCopyAndPasteCaptionsAndBindsTheWriteTableOnly) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "Set Modbus TCP Master Access");
        EXPECT_EQ(dlg->ClientWidth(), 1150);
        EXPECT_EQ(dlg->Btn_DelRow->Caption(), "Delete Row");
        EXPECT_EQ(dlg->Btn_PasteRow->Caption(), "Paste Row");
        EXPECT_EQ(dlg->Btn_PasteRow->Hint(), "Paste the Copied Fields in the Selected Row");
        EXPECT_EQ(dlg->Pages[1]->Caption(), "Modbus Write");
        EXPECT_FALSE(Grid(0).OnKeyPress);
        EXPECT_TRUE(Grid(1).OnKeyPress);
        EXPECT_TRUE(Grid(1).OnGridHint);
        EXPECT_FALSE(Grid(0).ShowHint());
    });
}

TEST_F(ModbusRTUWindow, TopicIndexIsReadAndNotWrittenWhileTheColumnIsHidden) {
    WriteFile(File(),
              "<EtherNetIP_to_Modbus><Modbus_Read>"
              "<row Enable=\"Y\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" PollTime=\"1\" "
              "MaxError=\"0\" Position=\"0\" Bit=\"0\" Swap=\"N\" SwapWord=\"N\" Index_Topic=\"3\" Mnemonic=\"\"/>"
              "<row Enable=\"Y\" Slave_ID=\"2\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" PollTime=\"1\" "
              "MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"\"/>"
              "</Modbus_Read><Modbus_Write/></EtherNetIP_to_Modbus>");
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(dlg->ComboItem_Topic[0], 3);
        EXPECT_EQ(dlg->ComboItem_Topic[1], -1);
        EXPECT_EQ(Grid(0).Cells(12, 1), "") << "no topic list: index 3 names nothing";
        test::ClickAt(*dlg->Btn_OK);
    });
    const std::string saved = ReadFile(File());
    EXPECT_NE(saved.find("Index_Topic=\"\" Mnemonic"), std::string::npos) << saved;
}

TEST_F(ModbusTCPWindow, PartialFileIsReportedAndOKAsksBeforeReplacingIt) {
    // The second read row lacks PollTime: the rest is still shown.
    const std::string file =
        "<PROFINET_Master_to_Modbus_TCP_Master><Modbus_Read>"
        "<row IP_Address=\"1.1.1.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" "
        "PollTime=\"10\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"a\"/>"
        "<row IP_Address=\"1.1.1.2\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" "
        "MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"b\"/>"
        "<row IP_Address=\"1.1.1.3\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" Address=\"0\" NPoint=\"1\" "
        "PollTime=\"30\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"c\"/>"
        "</Modbus_Read><Modbus_Write/></PROFINET_Master_to_Modbus_TCP_Master>";
    WriteFile(File(), file);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);  // the load report
    ui.AnswerBox(mrNo);  // do not replace
    ui.AnswerBox(mrOk);  // the load report of the second showing
    ui.AnswerBox(mrYes);
    bool stayedOpen = false;
    Open(ui, [&] {
        EXPECT_EQ(Grid(0).Cells(15, 3), "c");
        EXPECT_EQ(Grid(0).Cells(8, 2), "");
        Grid(0).SetCells(8, 2, "20");
        test::ClickAt(*dlg->Btn_OK);
        stayedOpen = dlg->ModalResult() == mrNone;
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ui.Boxes()[0].Text, "\"" + File() + "\": section \"Modbus_Read\": row 2 lacks the attribute \"PollTime\"");
    EXPECT_EQ(ui.Boxes()[1].Text,
              "The file did not load completely. Saving replaces it with the tables shown. Do you want to save?");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(ReadFile(File()), file);

    const TModalResult result = Open(ui, [&] {
        Grid(0).SetCells(8, 2, "20");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    const std::string saved = ReadFile(File());
    EXPECT_NE(saved.find("PollTime=\"20\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("Mnemonic=\"c\""), std::string::npos) << saved;
}

TEST_F(ModbusRTUWindow, OKAsksBeforeDroppingRowsAfterAnEmptySlaveID) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);
    ui.AnswerBox(mrYes);
    const TModalResult result = Open(ui, [&] {
        SetRows(1, {{1, {{2, "5"}, {3, "Holding Register"}, {4, "0"}, {5, "1"}, {6, "0"}, {7, "N"}, {9, "0"},
                         {10, "0"}, {11, "0"}}},
                    {3, {{14, "typed below a gap"}}}});
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        EXPECT_FALSE(std::filesystem::exists(File()));
        test::ClickAt(*dlg->Btn_OK);
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtConfirmation);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "Rows after the first row without a Slave ID are not saved. Do you want to save without them?");
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadFile(File()).find("typed below a gap"), std::string::npos);
}

TEST_F(ModbusTCPWindow, RowButtonsActOnTheTableOfTheActivePage) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);  // delete row 1 of the write table
    ui.AnswerBox(mrOk);   // paste refused
    ui.AnswerBox(mrNo);   // keep the used last row
    Open(ui, [&] {
        SetRows(1, {{1, {{2, "w1"}}}, {2, {{2, "w2"}}}, {512, {{2, "last"}}}});
        SetRows(0, {{1, {{2, "r1"}}}});
        ShowPage(1);
        Grid(1).SetRow(1);
        test::ClickAt(*dlg->Btn_DelRow);
        EXPECT_EQ(ui.Boxes().back().Text, "Are you sure to delete the Row number 1");
        EXPECT_EQ(Grid(1).Cells(2, 1), "w2");
        EXPECT_EQ(Grid(0).Cells(2, 1), "r1");
        EXPECT_EQ(Grid(1).Cells(2, 511), "last");

        ShowPage(0);
        Grid(0).SetRow(1);
        test::ClickAt(*dlg->Btn_CopyRow);
        ShowPage(1);
        Grid(1).SetRow(3);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(ui.Boxes().back().Text, "Error!!! Copy a valid row before Paste it");
        EXPECT_EQ(Grid(1).Cells(2, 3), "");

        Grid(1).SetCells(2, 512, "used last");
        Grid(1).SetRow(2);
        test::ClickAt(*dlg->Btn_InsRow);  // No: the used last row stays
        EXPECT_EQ(Grid(1).Cells(2, 512), "used last");
        EXPECT_EQ(Grid(1).Cells(2, 1), "w2");

        Grid(1).SetCells(2, 512, "");
        Grid(1).SetRow(1);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_EQ(Grid(1).Cells(1, 1), "Y");
        EXPECT_EQ(Grid(1).Cells(2, 1), "");
        EXPECT_EQ(Grid(1).Cells(2, 2), "w2");

        Grid(1).SetRow(2);
        test::ClickAt(*dlg->Btn_CopyRow);
        Grid(1).SetRow(5);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(Grid(1).Cells(2, 5), "w2");
    });
    EXPECT_EQ(ui.Boxes().size(), 3u);
}

TEST_F(ModbusTCPWindow, CancelKeepsTheFileAndTheNextShowingRereadsIt) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        SetRows(0, {{1, {{2, "1.2.3.4"}}}});
        test::ClickAt(*dlg->Btn_Cancel);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(std::filesystem::exists(File()));
    Open(ui, [&] { EXPECT_EQ(Grid(0).Cells(2, 1), ""); });
}

}  // namespace

namespace {

TEST_F(ModbusRTUWindow, ScreenshotWithTypedRows) {
    test::TScriptedUi ui;
    Open(ui, [&] {
        prototest::TypeCell(Grid(0), 2, 1, "1");
        prototest::PickCell(Grid(0), 3, 1, 3);  // Input Register
        prototest::TypeCell(Grid(0), 4, 1, "30");
        prototest::TypeCell(Grid(0), 12, 1, "Flow");  // Mnemonic, shown at 12
        EXPECT_EQ(Grid(0).Cells(3, 1), "Input Register");
        EXPECT_EQ(Grid(0).Cells(13, 1), "Flow");
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFSetAccess.png"));
    });
}

}  // namespace

namespace {

// A save that cannot be made (the configuration folder is gone) is reported;
// the window stays open with the user's rows, so nothing typed is lost.
TEST_F(ModbusTCPWindow, FailedSaveKeepsTheWindowAndItsRows) {
    test::TScriptedUi ui;
    bool stayedOpen = false;
    Open(ui, [&] {
        SetRows(1, {{1, {{2, "1.2.3.4"}, {3, "502"}, {4, "1"}, {5, "Coil Status"}, {6, "0"}, {7, "1"}, {8, "0"},
                         {11, "0"}, {12, "0"}, {13, "0"}}}});
        std::filesystem::remove_all(shell::Conf_Path);
        test::ClickAt(*dlg->Btn_OK);
        stayedOpen = dlg->ModalResult() == mrNone;
        EXPECT_EQ(Grid(1).Cells(2, 1), "1.2.3.4");
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("ModbusTCPM_SetAccess.xml"), std::string::npos) << ui.Boxes()[0].Text;
    EXPECT_TRUE(stayedOpen);
}

}  // namespace
