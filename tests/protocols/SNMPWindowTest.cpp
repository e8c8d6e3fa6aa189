// The two SNMP windows as the user meets them: the agent table numbering its
// enabled rows and refusing a repeated Description, the manager table
// refusing an empty OID; each saved after the fault is mended.

#include <gtest/gtest.h>

#include <string>

#include "AccessWindowFixture.h"
#include "protocols/SNMPManagerAccess.h"
#include "protocols/SNMP_Trap_Access.h"

namespace {

using namespace plat;
using prototest::ReadFile;
using prototest::TypeCell;
using prototest::WriteFile;

// Types into a drop-down that also takes typed text (the community names):
// the first character opens its editor and starts the new text.
void TypeCombo(grid::TExtColumnGrid& G, int Col, int Row, const std::string& Text) {
    prototest::Focus(G);
    G.SetRow(Row);
    G.SetCol(Col);
    test::TypeText(G, Text.substr(0, 1));
    ASSERT_TRUE(G.EditMode());
    ASSERT_NE(G.EditCombo(), nullptr);
    test::TypeText(*G.EditCombo(), Text.substr(1));
    test::SendKey(*G.EditCombo(), VK_RETURN);
    test::ProcessEvents();
    ASSERT_EQ(G.Cells(Col, Row), Text);
}

std::string Screenshot(const std::string& Name) {
    return std::string(VASTRIMO_TEST_OUT) + "/" + Name + ".png";
}

class SNMPTrapWindow : public prototest::AccessWindowTest<proto::TFSNMP_Trap_Access> {
protected:
    void SetUp() override { OpenWindow("snmp_trap_window"); }
};

class SNMPManagerWindow : public prototest::AccessWindowTest<proto::TFSNMPManagerAccess> {
protected:
    void SetUp() override { OpenWindow("snmp_manager_window"); }
};

// Rows without the trap switches and the conversion, as an older table has.
const char* const Agent_File =
    R"(<SNMP_Trap><SNMP_Trap_Read>)"
    R"(<row Enable="Y" Community_Name="public" Type="Int" Time="" Position="0" Bit="0" NumBits="8" )"
    R"(Description="temp" IP_Address="192.168.1.10" Mnemonic=""/>)"
    R"(<row Enable="N" Community_Name="public" Type="Int" Time="" Position="1" Bit="0" NumBits="8" )"
    R"(Description="temp" IP_Address="192.168.1.10" Mnemonic=""/>)"
    R"(<row Enable="Y" Community_Name="public" Type="String" Time="" Position="2" Bit="0" NumBits="4" )"
    R"(Description="" IP_Address="192.168.1.10" Mnemonic=""/>)"
    R"(</SNMP_Trap_Read><SNMP_Trap_Write/></SNMP_Trap>)";

std::string Column(grid::TExtColumnGrid& G, int Col, int Rows) {
    std::string text;
    for (int r = 1; r <= Rows; ++r) text += G.Cells(Col, r) + "|";
    return text;
}

TEST_F(SNMPTrapWindow, NumbersEnabledRowsAndRefusesARepeatedDescription) {
    WriteFile(shell::SNMP_Trap_File, Agent_File);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& read = Grid(0);
        EXPECT_EQ(Column(read, 0, 4), "1||2|3|");
        EXPECT_EQ(read.Cells(4, 1) + read.Cells(5, 1) + read.Cells(6, 1) + read.Cells(13, 1), "NNNNone");
        // Enabling row 2 numbers it at once, and moves the rows after it.
        prototest::Focus(read);
        read.SetRow(2);
        read.SetCol(1);
        test::SendKey(read, VK_SPACE);
        EXPECT_EQ(Column(read, 0, 4), "1|2|3|4|");
        test::ClickAt(*dlg->Btn_OK);  // rows 1 and 2 are both "temp"
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "Error!! The Descriptions must be all differents");
        TypeCell(read, 11, 2, "pressure");
        ShowPage(1);
        TypeCombo(Grid(1), 2, 1, "private");
        prototest::PickCell(Grid(1), 3, 1, 0);
        prototest::PickCell(Grid(1), 4, 1, 10);
        prototest::PickCell(Grid(1), 5, 1, 0);
        TypeCell(Grid(1), 6, 1, "16");
        TypeCell(Grid(1), 7, 1, "setpoint");
        EXPECT_EQ(Grid(1).Cells(8, 1), "");  // a typed row starts without a conversion
        prototest::PickCell(Grid(1), 8, 1, 0);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFSNMP_Trap_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ui.Boxes().size(), 1u);
    const std::string saved = ReadFile(shell::SNMP_Trap_File);
    EXPECT_NE(saved.find(R"(<row Enable="Y" Community_Name="public" Type="Int" On_Change="N" On_Command="N" )"
                         R"(On_Timer="N" Time="" Position="1" Bit="0" NumBits="8" Description="pressure" )"
                         R"(IP_Address="192.168.1.10" Conversion="None" Mnemonic="" />)"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find(R"(<row Enable="Y" Community_Name="private" Type="Int" Position="10" Bit="0" )"
                         R"(NumBits="16" Description="setpoint" Conversion="None" Mnemonic="" />)"),
              std::string::npos)
        << saved;
}

TEST_F(SNMPManagerWindow, RefusesAnEmptyOIDAndSavesTheTypedRequest) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& g = Grid(0);
        TypeCell(g, 2, 1, "192.168.1.20");
        prototest::PickCell(g, 3, 1, 1);
        TypeCombo(g, 4, 1, "public");
        prototest::PickCell(g, 6, 1, 1);
        prototest::PickCell(g, 7, 1, 0);
        TypeCell(g, 13, 1, "4");
        prototest::PickCell(g, 14, 1, 0);
        test::ClickAt(*dlg->Btn_OK);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! OID must not be empty");
        TypeCell(g, 5, 1, "1.3.6.1.2.1.1.5.0");
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFSNMPManagerAccess")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(ReadFile(shell::SNMP_Manager_File),
              "<SNMP_Manager_Access>\n"
              R"(  <row Enable="Y" IP_Address="192.168.1.20" Version="2" Community_String="public" )"
              R"(OID="1.3.6.1.2.1.1.5.0" Type="Int" Mode="Get" On_Change="" On_Command="" On_Timer="" Time="" )"
              R"(Position="" Number_Bytes="4" ConvertFrom="None" Cancel="" User="" Auth_Pass="" Priv_Pass="" )"
              R"(Security_Level="" Auth_Mode="" Priv_Mode="" Mnemonic="" />)"
              "\n</SNMP_Manager_Access>\n<!--SW_VERSION = 1.000-->\n");
}

}  // namespace
