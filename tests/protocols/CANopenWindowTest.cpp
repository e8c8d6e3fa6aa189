// The three CANopen windows as the user meets them: rows typed with the
// keyboard and saved (the PDO list then feeding the data sheet), a repeated
// SDO object entry refused at OK, a PDO list longer than the table, and a
// row copied on one page refused on the other.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "AccessWindowFixture.h"
#include "protocols/EdsWriter.h"
#include "protocols/Set_PDO_Access.h"
#include "protocols/Set_SDO_Client_Access.h"
#include "protocols/Set_SDO_Server_Access.h"

namespace {

using namespace plat;
using prototest::ReadFile;
using prototest::Screenshot;
using prototest::Data;
using prototest::TypeCell;
using prototest::WriteFile;

// Types the cells of one row, column by column, as a user does.
void TypeRow(grid::TExtColumnGrid& Grid, int Row, const std::vector<std::pair<int, std::string>>& Cells) {
    for (const auto& [col, text] : Cells) TypeCell(Grid, col, Row, text);
}

class PDOWindow : public prototest::AccessWindowTest<proto::TFSet_PDO_Access> {
protected:
    void SetUp() override { OpenWindow("pdo_window"); }
    void TearDown() override {
        ::unsetenv("SOURCE_DATE_EPOCH");
        AccessWindowTest::TearDown();
    }
};

class SDOServerWindow : public prototest::AccessWindowTest<proto::TFSet_SDO_Server_Access> {
protected:
    void SetUp() override { OpenWindow("sdo_server_window"); }
};

class SDOClientWindow : public prototest::AccessWindowTest<proto::TFSet_SDO_Client_Access> {
protected:
    void SetUp() override { OpenWindow("sdo_client_window"); }
};

TEST_F(PDOWindow, TypedRowsAreSavedAndDescribedInTheDataSheet) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeRow(Grid(0), 1, {{1, "0x181"}, {2, "2"}, {3, "0"}, {4, "1"}, {11, "0"}, {12, "Valve"}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFSet_PDO_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(shell::PDO_CANopen_File), Data("PDO_CANopen_saved.xml"));

    ::setenv("SOURCE_DATE_EPOCH", "1741350600", 1);
    const std::string eds = std::string(VASTRIMO_TEST_OUT) + "/pdo_window.eds";
    std::string error;
    ASSERT_TRUE(proto::Write_EDS_File(eds, &error)) << error;
    EXPECT_EQ(ReadFile(eds), Data("eds/one_rpdo/expected.eds"));
}

TEST_F(PDOWindow, ALongerListShowsThirtyRowsAndOKAsksBeforeReplacingIt) {
    std::string rows;
    for (int i = 1; i <= 31; ++i)
        rows +=
            "<row COB-ID=\"" + std::to_string(i) +
            "\" Dimension=\"1\" Address_B1=\"0\" Address_B2=\"\" Address_B3=\"\" Address_B4=\"\" "
            "Address_B5=\"\" Address_B6=\"\" Address_B7=\"\" Address_B8=\"\" TimeOut=\"0\" Mnemonic=\"\"/>";
    const std::string file =
        "<PDO_CANopen><Receive_PDO>" + rows + "</Receive_PDO><Transmit_PDO/></PDO_CANopen>";
    WriteFile(shell::PDO_CANopen_File, file);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);  // the load report
    ui.AnswerBox(mrNo);  // do not replace
    Open(ui, [&] {
        EXPECT_EQ(Grid(0).Cells(1, 30), "30");
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_NE(ui.Boxes()[0].Text.find("holds 31 rows; the table has room for 30"), std::string::npos)
        << ui.Boxes()[0].Text;
    EXPECT_EQ(
        ui.Boxes()[1].Text,
        "The file did not load completely. Saving replaces it with the tables shown. Do you want to save?");
    EXPECT_EQ(ReadFile(shell::PDO_CANopen_File), file);
}

TEST_F(SDOServerWindow, TheSameObjectEntryInBothTablesIsRefused) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    Open(ui, [&] {
        TypeRow(Grid(0), 1, {{1, "0x2000"}, {2, "1"}, {3, "2"}, {4, "0"}, {5, "1"}});
        ShowPage(1);
        TypeRow(Grid(1), 1, {{1, "8192"}, {2, "1"}, {3, "1"}, {4, "10"}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFSet_SDO_Server_Access")));
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        test::ClickAt(*dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Type, mtError);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "Error row 1!! [SDO in Write] Index and SubIndex already used in SDO in Read row 1");
    EXPECT_FALSE(std::filesystem::exists(shell::SDO_Server_CANopen_File));
}

TEST_F(SDOClientWindow, TypedRowsAreSaved) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        TypeRow(Grid(0), 1, {{1, "5"}, {2, "0x6000"}, {3, "1"}, {4, "2"}, {5, "500"}, {6, "10"}, {7, "11"}});
        ShowPage(1);
        TypeRow(Grid(1), 1, {{1, "6"}, {2, "$2001"}, {3, "0"}, {4, "1"}, {5, "0"}, {7, "20"}});
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Screenshot("TFSet_SDO_Client_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_EQ(ReadFile(shell::SDO_Client_CANopen_File), Data("SDO_Client_CANopen_saved.xml"));
}

// A row copied on the first page is no row to paste on the second: copying
// clears the other table's flag.
template <class TFixture>
void Paste_Across_Pages_Is_Refused(TFixture& F) {
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    F.Open(ui, [&] {
        F.SetRows(0, {{1, {{1, "first"}}}});
        F.ShowPage(0);
        F.Grid(0).SetRow(1);
        test::ClickAt(*F.dlg->Btn_CopyRow);
        F.ShowPage(1);
        F.Grid(1).SetRow(2);
        test::ClickAt(*F.dlg->Btn_PasteRow);
        EXPECT_EQ(F.Grid(1).Cells(1, 2), "");
        test::ClickAt(*F.dlg->Btn_Cancel);
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!!! Copy a valid row before Paste it");
}

class PDOPaste : public PDOWindow {
public:
    using PDOWindow::dlg, PDOWindow::Grid, PDOWindow::Open, PDOWindow::SetRows, PDOWindow::ShowPage;
};
class SDOServerPaste : public SDOServerWindow {
public:
    using SDOServerWindow::dlg, SDOServerWindow::Grid, SDOServerWindow::Open, SDOServerWindow::SetRows,
        SDOServerWindow::ShowPage;
};
class SDOClientPaste : public SDOClientWindow {
public:
    using SDOClientWindow::dlg, SDOClientWindow::Grid, SDOClientWindow::Open, SDOClientWindow::SetRows,
        SDOClientWindow::ShowPage;
};

TEST_F(PDOPaste, ACopiedReceiveRowIsNotPastedAsATransmitRow) {
    Paste_Across_Pages_Is_Refused(*this);
}
TEST_F(SDOServerPaste, ACopiedReadRowIsNotPastedAsAWriteRow) {
    Paste_Across_Pages_Is_Refused(*this);
}
TEST_F(SDOClientPaste, ACopiedReadRowIsNotPastedAsAWriteRow) {
    Paste_Across_Pages_Is_Refused(*this);
}

}  // namespace
