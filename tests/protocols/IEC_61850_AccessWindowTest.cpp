// The IEC 61850 client window as the user meets it: an SCL file added from
// anywhere lands in the catalog, attributes and data sets picked from the
// tree become rows, OK checks and saves, and the next showing attaches the
// saved rows to the devices again.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "AccessWindowFixture.h"
#include "protocols/IEC_61850_Access.h"

namespace {

using namespace plat;
using proto::TFIEC_61850_Access;
using proto::TIEC_Device;
using prototest::ReadFile;

const std::string Scl = std::string(VASTRIMO_TEST_DATA) + "/scl/";

class IEC61850Window : public prototest::AccessWindowTest<TFIEC_61850_Access> {
protected:
    void SetUp() override { OpenWindow("iec61850_window"); }

    // Picks the first device of the list the way the user does.
    void Choose_Device(int index) {
        ASSERT_GT(dlg->LB_IEC_Devices->Items().Count(), index);
        dlg->LB_IEC_Devices->SetFocus();
        dlg->LB_IEC_Devices->SetItemIndex(-1);
        test::ClickAt(*dlg->LB_IEC_Devices, 20, 8 + 16 * index);
        test::ProcessEvents();
        ASSERT_EQ(dlg->LB_IEC_Devices->ItemIndex(), index);
    }

    // Opens the node's parents and clicks its line.
    void Click_Node(TTreeNode* node) {
        ASSERT_NE(node, nullptr);
        for (TTreeNode* p = node->Parent(); p; p = p->Parent()) p->SetExpanded(true);
        test::ProcessEvents();
        const TRect line = node->DisplayRect();
        ASSERT_GT(line.Height(), 0) << node->Text() << " is not in view";
        test::ClickAt(*dlg->TV_IEC_Device, line.Left + 8, (line.Top + line.Bottom) / 2);
        ASSERT_EQ(dlg->TV_IEC_Device->Selected(), node);
    }

    TIEC_Device& Device(int index) { return *dlg->State.List_IEC_Dev.at(static_cast<std::size_t>(index)); }
};

TEST_F(IEC61850Window, AddDevicePickVariablesSaveAndReload) {
    test::TScriptedUi ui;
    ui.AnswerFileDialog(Scl + "basic.icd");
    TModalResult result = Open(ui, [&] {
        test::ClickAt(*dlg->Btn_Add_IEC_Device);
        ASSERT_EQ(dlg->LB_IEC_Devices->Items().Items(), std::vector<std::string>{"E1"});
        Choose_Device(0);

        Click_Node(Device(0).Find_LDevice("LD1")->Find_LN("MMXU")->Find_DO("phsA")->Find_DA("f")->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        grid::TExtColumnGrid& vars = *dlg->ACG_DA;
        EXPECT_EQ(vars.Cells(4, 1), "E1LD1/MMXU1.A.phsA.cVal.mag.f");
        EXPECT_EQ(vars.Cells(5, 1) + vars.Cells(6, 1), "04");
        EXPECT_TRUE(vars.ReadOnly(5, 1));
        prototest::TypeCell(vars, 7, 1, "192.168.1.20");
        prototest::TypeCell(vars, 8, 1, "102");
        prototest::TypeCell(vars, 13, 1, "5");
        prototest::TypeCell(vars, 17, 1, "None");

        Click_Node(Device(0).Find_LDevice("LD0")->Find_LN("LLN0")->List_DataSet.at(0)->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        EXPECT_EQ(dlg->PageControl1->ActivePage(), dlg->TS_DataSet);
        EXPECT_EQ(dlg->ACG_DataSet->Cells(2, 1), "E1LD0/LLN0.DS1");
        EXPECT_EQ(dlg->ACG_DataSet->Cells(4, 1), "Y");
        prototest::ClickCell(*dlg->ACG_DataSet, 1, 1);
        EXPECT_EQ(dlg->ACG_DS_Vars->RowCount(), 4);
        EXPECT_EQ(dlg->ACG_DS_Vars->Cells(2, 3), "E1LD1/MMXU1.A.phsA.cVal.mag.f");
        prototest::TypeCell(*dlg->ACG_DS_Vars, 3, 2, "100");
        test::ProcessEvents();  // the grid reports the finished edit once the key is handled
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFIEC_61850_Access.png"));
        test::ClickAt(*dlg->Btn_OK);
    });
    ASSERT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty());
    EXPECT_TRUE(std::filesystem::exists(proto::ICD_Catalog_Folder(shell::Conf_Path) + "/basic.icd"));

    result = Open(ui, [&] {
        ASSERT_EQ(dlg->LB_IEC_Devices->Items().Items(), std::vector<std::string>{"E1"});
        EXPECT_EQ(dlg->ACG_DA->Cells(7, 1), "192.168.1.20");
        EXPECT_TRUE(dlg->ACG_DA->ReadOnly(6, 1));
        ShowPage(1);
        prototest::ClickCell(*dlg->ACG_DataSet, 1, 1);
        EXPECT_EQ(dlg->ACG_DS_Vars->Cells(3, 2), "100");
        EXPECT_EQ(dlg->ACG_DS_Vars->Cells(2, 2), "E1LD0/Q0XCBR1.Pos.origin.orCat");
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(ui.Boxes().empty());
}

// The member grid edits the data set it shows, also after the data-set
// grid's cursor moved on without showing another.
TEST_F(IEC61850Window, MemberEditsGoToTheDataSetShown) {
    test::TScriptedUi ui;
    ui.AnswerFileDialog(Scl + "basic.icd");
    Open(ui, [&] {
        test::ClickAt(*dlg->Btn_Add_IEC_Device);
        Choose_Device(0);
        Click_Node(Device(0).Find_LDevice("LD0")->Find_LN("LLN0")->List_DataSet.at(0)->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        Click_Node(Device(0).Find_LDevice("LD0")->Find_LN("XCBR")->List_DataSet.at(0)->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        prototest::ClickCell(*dlg->ACG_DataSet, 1, 1);
        ASSERT_EQ(dlg->ACG_DS_Vars->RowCount(), 4);
        test::SendKey(*dlg->ACG_DataSet, VK_DOWN);
        ASSERT_EQ(dlg->ACG_DataSet->Row(), 2);
        prototest::TypeCell(*dlg->ACG_DS_Vars, 3, 1, "7");
        test::ProcessEvents();
    });
    EXPECT_EQ(dlg->State.List_DataSet.at(0).List_DAs.at(0).Position, "7");
    EXPECT_EQ(dlg->State.List_DataSet.at(1).List_DAs.at(0).Position, "");
}

TEST_F(IEC61850Window, CheckAndRefusedRemovalShowTheirMessages) {
    test::TScriptedUi ui;
    ui.AnswerFileDialog(Scl + "basic.icd");
    const TModalResult result = Open(ui, [&] {
        test::ClickAt(*dlg->Btn_Add_IEC_Device);
        Choose_Device(0);
        // A visible string leaves its bytes to the user.
        Click_Node(Device(0).Find_LDevice("LD1")->Find_LN("MMXU")->Find_DO("A")->Find_DA("d")->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        EXPECT_FALSE(dlg->ACG_DA->ReadOnly(5, 1));
        test::ClickAt(*dlg->Btn_OK);
        ASSERT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(ui.Boxes()[0].Text, "Error row 1!! Start Byte must be between 0 and 254");
        EXPECT_EQ(ui.Boxes()[0].Type, mtError);

        test::ClickAt(*dlg->Btn_Remove_IEC_Device);
        ASSERT_EQ(ui.Boxes().size(), 2u);
        EXPECT_EQ(ui.Boxes()[1].Text, shell::Lang_Texts[3268]);
        EXPECT_EQ(dlg->LB_IEC_Devices->Items().Count(), 1);

        // With its only row gone the device may go.
        dlg->ACG_DA->SetRow(1);
        test::ClickAt(*dlg->Btn_RemoveVar);
        EXPECT_EQ(dlg->ACG_DA->Cells(2, 1), "");
        EXPECT_EQ(dlg->ACG_DA->Cells(0, 1), "1");
        Choose_Device(0);
        test::ClickAt(*dlg->Btn_Remove_IEC_Device);
        EXPECT_EQ(dlg->LB_IEC_Devices->Items().Count(), 0);
        EXPECT_EQ(dlg->TV_IEC_Device->TopCount(), 0);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(ui.Boxes().size(), 2u);
}

// Choosing another device drops what was picked in the previous tree, and
// the same file added twice gives two devices.
TEST_F(IEC61850Window, ChoosingAnotherDeviceDropsTheSelection) {
    test::TScriptedUi ui;
    ui.AnswerFileDialog(Scl + "basic.icd");
    ui.AnswerFileDialog(Scl + "basic.icd");
    ui.AnswerBox(mrNo);  // keep the catalog's copy
    Open(ui, [&] {
        test::ClickAt(*dlg->Btn_Add_IEC_Device);
        test::ClickAt(*dlg->Btn_Add_IEC_Device);
        ASSERT_EQ(dlg->LB_IEC_Devices->Items().Count(), 2);
        Choose_Device(0);
        Click_Node(Device(0).Find_LDevice("LD0")->Find_LN("LLN0")->List_DataSet.at(0)->TreeNode);
        EXPECT_NE(dlg->Selected_IEC_DS, nullptr);
        Choose_Device(1);
        EXPECT_EQ(dlg->Selected_IEC_DS, nullptr);
        test::ClickAt(*dlg->Btn_AddVar);
        EXPECT_EQ(dlg->ACG_DataSet->Cells(1, 1), "");
        Click_Node(Device(1).Find_LDevice("LD0")->Find_LN("LLN0")->List_DataSet.at(0)->TreeNode);
        test::ClickAt(*dlg->Btn_AddVar);
        EXPECT_EQ(dlg->ACG_DataSet->Cells(1, 1), "1");
    });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "File already exists in catalog directory. Do you want to overwrite file?");
}

// A file that cannot be read is named at the showing and replaced only when
// the user says so.
TEST_F(IEC61850Window, DamagedFileIsReportedAndKeptUnlessReplaced) {
    const std::string damaged = "<IEC_68850_Client><List_ICD_Files></IEC_68850_Client>";
    prototest::WriteFile(shell::IEC_61850_Client_File, damaged);
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);
    ui.AnswerBox(mrNo);
    TModalResult result = Open(ui, [&] { test::ClickAt(*dlg->Btn_OK); });
    EXPECT_EQ(result, mrCancel);
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_NE(ui.Boxes()[0].Text.find("IEC_61850_Client.xml"), std::string::npos) << ui.Boxes()[0].Text;
    EXPECT_EQ(ui.Boxes()[1].Text, shell::Lang_Texts[3269]);
    EXPECT_EQ(ReadFile(shell::IEC_61850_Client_File), damaged);

    ui.AnswerBox(mrOk);
    ui.AnswerBox(mrYes);
    result = Open(ui, [&] { test::ClickAt(*dlg->Btn_OK); });
    EXPECT_EQ(result, mrOk);
    EXPECT_NE(ReadFile(shell::IEC_61850_Client_File).find("<List_DA_Selected />"), std::string::npos);
}

TEST_F(IEC61850Window, FailedCatalogCopyIsReported) {
    test::TScriptedUi ui;
    ui.AnswerFileDialog(Scl + "no_such_file.icd");
    Open(ui, [&] { test::ClickAt(*dlg->Btn_Add_IEC_Device); });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_NE(ui.Boxes()[0].Text.find("no_such_file.icd"), std::string::npos) << ui.Boxes()[0].Text;
    EXPECT_TRUE(dlg->State.List_IEC_Dev.empty());
}

}  // namespace
