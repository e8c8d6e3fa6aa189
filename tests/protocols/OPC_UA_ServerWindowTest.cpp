// The OPC UA server variable table as the user meets it: the Type decides
// the Length, the check looks at every row, the stored boxes and lengths
// come back as they were.

#include <gtest/gtest.h>

#include "AccessWindowFixture.h"
#include "protocols/OPC_UA_Server_Access.h"

namespace {

using namespace plat;
using namespace proto;
using prototest::ReadFile;

class OPC_UA_ServerWindow : public prototest::AccessWindowTest<TFOPC_UA_Server_Access> {
protected:
    void SetUp() override { OpenWindow("opcua_server_window"); }
    grid::TExtColumnGrid& G() { return Grid(0); }
};

TEST_F(OPC_UA_ServerWindow, TypeDecidesLengthAndOkSaves) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "Definition of OPC UA Server Variables");
        EXPECT_EQ(G().Cells(OSV_Enable, 250), "Y");
        prototest::PickCell(G(), OSV_Type, 1, 9);  // "Float"
        EXPECT_EQ(G().Cells(OSV_Length, 1), "4");
        EXPECT_TRUE(G().ReadOnly(OSV_Length, 1));
        EXPECT_EQ(G().Cells(OSV_ReadWrite, 1), "Read/Write");
        prototest::PickCell(G(), OSV_ReadWrite, 1, 0);  // "Read Only" stays on the next pick
        prototest::PickCell(G(), OSV_Type, 1, 11);      // "String"
        EXPECT_EQ(G().Cells(OSV_Length, 1), "10");
        EXPECT_FALSE(G().ReadOnly(OSV_Length, 1));
        EXPECT_EQ(G().Cells(OSV_ReadWrite, 1), "Read Only");
        prototest::TypeCell(G(), OSV_Length, 1, "32");
        prototest::TypeCell(G(), OSV_Position, 1, "10");
        prototest::TypeCell(G(), OSV_Name, 1, "Level");
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFOPC_UA_Server_Access.png"));
        test::ClickAt(*dlg->Btn_OK);
    });
    ASSERT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(shell::OPC_UA_Server_File),
              "<OPC_UA_Server>\n"
              "  <OPC_UA_Server_Variables>\n"
              "    <row Enable=\"Y\" Type=\"String\" Position=\"10\" StartBit=\"\" Length=\"32\" Name=\"Level\" "
              "ReadWrite=\"Read Only\" Swap=\"N\" SwapWord=\"N\" SwapAll=\"N\" Mnemonic=\"\" />\n"
              "  </OPC_UA_Server_Variables>\n"
              "</OPC_UA_Server>\n"
              "<!--SW_VERSION = 1.000-->\n");
}

TEST_F(OPC_UA_ServerWindow, StoredRowsComeBackAsStored) {
    prototest::WriteFile(shell::OPC_UA_Server_File,
                         "<OPC_UA_Server><OPC_UA_Server_Variables>"
                         "<row Enable=\"N\" Type=\"String\" Position=\"1\" Length=\"32\" Swap=\"n\" SwapAll=\"N\"/>"
                         "<row Enable=\"yes\" Type=\"Double\" Position=\"2\" Length=\"3\" ReadWrite=\"Read Only\"/>"
                         "<row Type=\"Int16\" Position=\"3\"/>"
                         "</OPC_UA_Server_Variables></OPC_UA_Server>");
    test::TScriptedUi ui;
    Open(ui, [&] {
        EXPECT_EQ(G().Cells(OSV_Enable, 1), "N");
        EXPECT_EQ(G().Cells(OSV_Length, 1), "32");
        EXPECT_FALSE(G().ReadOnly(OSV_Length, 1));
        EXPECT_EQ(G().Cells(OSV_Swap, 1), "Y");  // only an exact "N" clears a box
        EXPECT_EQ(G().Cells(OSV_SwapWord, 1), "N");
        EXPECT_EQ(G().Cells(OSV_ReadWrite, 1), "");  // no R/W stored: none shown
        EXPECT_EQ(G().Cells(OSV_Enable, 2), "Y");
        EXPECT_EQ(G().Cells(OSV_Length, 2), "3");
        EXPECT_TRUE(G().ReadOnly(OSV_Length, 2));
        EXPECT_EQ(G().Cells(OSV_Enable, 3), "Y");
        EXPECT_EQ(G().Cells(OSV_Length, 3), "2");
        EXPECT_FALSE(G().ReadOnly(OSV_Length, 4));

        // A copied "String" row pasted elsewhere takes its Type's Length.
        G().SetRow(1);
        test::ClickAt(*dlg->Btn_CopyRow);
        G().SetRow(5);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_EQ(G().Cells(OSV_Type, 5), "String");
        EXPECT_EQ(G().Cells(OSV_Length, 5), "10");
    });
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(OPC_UA_ServerWindow, CheckLooksAtEveryEnabledRow) {
    const struct {
        const char* name;
        std::map<int, prototest::TCells> rows;
        std::string message;
    } cases[] = {
        {"2000 refused", {{2, {{OSV_Type, "Byte"}, {OSV_Position, "2000"}}}},
         "Error row 2!! Position Must be Between 0 and 2000"},
        {"1999 passes", {{2, {{OSV_Type, "Byte"}, {OSV_Position, "1999"}}}}, ""},
        {"disabled passes", {{2, {{OSV_Enable, "N"}, {OSV_Type, "Byte"}, {OSV_Position, "2000"}}}}, ""},
        {"after a blank Type", {{1, {{OSV_Type, "Byte"}, {OSV_Position, "0"}}}, {3, {{OSV_Type, "Int16"}, {OSV_Position, "x"}}}},
         "Error row 3!! Position Must be Between 0 and 2000"},
    };
    for (const auto& c : cases) {
        test::TScriptedUi ui;
        ui.AnswerBox(mrYes);  // rows below a blank Type are not saved: save all the same
        const TModalResult result = Open(ui, [&] {
            SetRows(0, c.rows);
            test::ClickAt(*dlg->Btn_OK);
        });
        if (c.message.empty()) {
            EXPECT_EQ(result, mrOk) << c.name;
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[4541]) << c.name;
        } else {
            EXPECT_EQ(result, mrCancel) << c.name;
            ASSERT_EQ(ui.Boxes().size(), 1u) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Text, c.message) << c.name;
            EXPECT_EQ(ui.Boxes()[0].Type, mtError);
        }
    }
}

TEST_F(OPC_UA_ServerWindow, DeleteAsksWithTheRowNumber) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);
    Open(ui, [&] {
        SetRows(0, {{1, {{OSV_Type, "Byte"}}}, {2, {{OSV_Type, "Int16"}}}});
        G().SetRow(1);
        test::ClickAt(*dlg->Btn_DelRow);
        EXPECT_EQ(G().Cells(OSV_Type, 1), "Int16");
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Are you sure to delete the Row number 1");
}

}  // namespace
