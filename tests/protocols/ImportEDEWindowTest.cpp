#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "base/Files.h"
#include "platform/Application.h"
#include "platform/Messages.h"
#include "platform/TestHooks.h"
#include "protocols/ImportEDEFile.h"
#include "shell/Comon.h"
#include "shell/Language.h"

using namespace plat;
using proto::TFImportEDEFile;
namespace fs = std::filesystem;

namespace {

const char* const EDE_Text =
    "PROJECT_NAME;P\r\nVERSION_OF_REFERENCEFILE;1\r\nTIMESTAMP_OF_LAST_CHANGE;x\r\nAUTHOR_OF_LAST_CHANGE;"
    "a\r\n"
    "VERSION_OF_LAYOUT;2\r\n\r\n# mandatory;mandatory;mandatory;mandatory;mandatory;optional\r\n"
    "# keyname;device obj.-instance;object-name;object-type;object-instance;description\r\n"
    "K1;100;Room Temp;0;1;Room temperature;21;0;50;N;Y;;;;62;\r\n"
    "K2;100;Setpoint;2;2;Room setpoint;21;15;28;Y;Y;;;;62;\r\n"
    "K3;100;Schedule;17;3;Not a table type;;;;N;N;;;;;\r\n";

class ImportEDEWindow : public ::testing::Test {
protected:
    void SetUp() override {
        shell::Load_Default_Texts();
        shell::SW_Code = "QP4A902";
        InitApplication();
        dlg = std::make_unique<TFImportEDEFile>(nullptr);
        dlg->DoCreate();
        fs::create_directories(VASTRIMO_TEST_OUT);
        file = (fs::path(VASTRIMO_TEST_OUT) / "import-window.csv").string();
        ASSERT_TRUE(base::WriteFileAtomic(file, EDE_Text));
    }
    void TearDown() override { dlg.reset(); }

    // Space on the current cell ticks or clears its box, as a click does.
    void Toggle(int c, int r) {
        dlg->ACG->SetFocus();
        dlg->ACG->SetCol(c);
        dlg->ACG->SetRow(r);
        test::SendKey(*dlg->ACG, VK_SPACE);
    }

    std::unique_ptr<TFImportEDEFile> dlg;
    std::string file;
};

}  // namespace

TEST_F(ImportEDEWindow, MarksObjectsAndChecksTheAddress) {
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        EXPECT_EQ(dlg->ACG->RowCount(), 3);
        EXPECT_EQ(dlg->ACG->Cells(4, 1), "Room Temp");
        EXPECT_EQ(dlg->ACG->Cells(3, 1), "N");
        EXPECT_EQ(dlg->ACG->Cells(3, 2), "Y");
        // "Write" on an object that is not commandable is refused.
        Toggle(3, 1);
        EXPECT_EQ(dlg->ACG->Cells(3, 1), "N");
        EXPECT_FALSE(dlg->List_EDE_Var[0].write);
        // The setpoint goes to the write table only: a click on the box
        // clears it.
        const TRect rc = dlg->ACG->GridCellRect(2, 2);
        test::ClickAt(*dlg->ACG, (rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2);
        EXPECT_FALSE(dlg->List_EDE_Var[1].read);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, std::string(VASTRIMO_TEST_OUT) + "/TFImportEDEFile.png"));
        test::TypeText(*dlg->E_ID_IP, "192.168.1.300");
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        dlg->E_ID_IP->SetText("");
        test::TypeText(*dlg->E_ID_IP, "192.168.1.30");
        test::ClickAt(*dlg->Btn_OK);
        return mrNone;
    });
    EXPECT_TRUE(dlg->Execute(proto::BACnet_IP, file));
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error line 1!! The Variable is only in read");
    EXPECT_EQ(ui.Boxes()[1].Text, "Error!! IP Address is not correct");
    EXPECT_EQ(dlg->E_ID_IP->Text(), "192.168.1.30");
    ASSERT_EQ(dlg->List_EDE_Var.size(), 2u);
    EXPECT_TRUE(dlg->List_EDE_Var[1].write);
}

TEST_F(ImportEDEWindow, UnselectAllThenCancel) {
    test::TScriptedUi ui;
    ui.OnModal([&](TForm&) {
        test::ClickAt(*dlg->Btn_Unselect_All);
        EXPECT_EQ(dlg->ACG->Cells(1, 2), "N");
        test::ClickAt(*dlg->Btn_Cancel);
        return mrNone;
    });
    EXPECT_FALSE(dlg->Execute(2, file));
    for (const auto& v : dlg->List_EDE_Var) EXPECT_FALSE(v.import);
}

TEST_F(ImportEDEWindow, AFileThatCannotBeReadIsReportedWithoutTheDialog) {
    test::TScriptedUi ui;
    bool shown = false;
    ui.OnModal([&](TForm&) {
        shown = true;
        return mrOk;
    });
    EXPECT_FALSE(dlg->Execute(0, file + ".missing"));
    EXPECT_FALSE(shown);
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text.rfind("Error!! The EDE file cannot be read: ", 0), 0u) << ui.Boxes()[0].Text;
}
