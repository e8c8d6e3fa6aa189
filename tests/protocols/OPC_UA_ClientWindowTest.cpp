// The OPC UA client window with its server dialog and its scan, as the user
// meets them: servers added through the dialog, variables typed into the
// tables or taken from a scan, and OK writing the model.

#include <gtest/gtest.h>

#include <filesystem>

#include "AccessWindowFixture.h"
#include "protocols/OPC_UA_Add_Server.h"
#include "protocols/OPC_UA_Client_Access.h"
#include "protocols/OPC_UA_Client_File.h"
#include "protocols/OPC_UA_Scan_Server.h"

namespace {

namespace fs = std::filesystem;
using namespace plat;
using namespace proto;
using prototest::ReadFile;

std::string Shot(const std::string& name) { return std::string(VASTRIMO_TEST_OUT) + "/" + name + ".png"; }

class OPC_UA_ClientWindow : public prototest::AccessWindowTest<TFOPC_UA_Client_Access> {
protected:
    void SetUp() override {
        OpenWindow("opcua_client_window");
        add = std::make_unique<TFOPC_UA_Add_Server>(nullptr);
        FOPC_UA_Add_Server = add.get();
        add->DoCreate();
        scan = std::make_unique<TFOPC_UA_Scan_Server>(nullptr);
        FOPC_UA_Scan_Server = scan.get();
        scan->DoCreate();
    }
    void TearDown() override {
        scan.reset();
        add.reset();
        dlg.reset();
        fs::remove(shell::Exe_Dir + "/OPC_UA_Search.so");
    }

    // A configuration with the given servers, written as OK writes it.
    static void Store(const TOPC_UA_Server_List& servers) {
        ASSERT_TRUE(Save_OPC_UA_Client(servers, shell::OPC_UA_Client_File));
    }
    static TOPC_UA_Server Server(const std::string& address) {
        TOPC_UA_Server s;
        s.Enable = true;
        s.ServerAddress = address;
        s.Authorization = "Anonymous";
        s.SecurityType = s.SecurityPolicy = "None";
        return s;
    }
    static TOPC_UA_Variable Variable(const std::string& name) {
        TOPC_UA_Variable v;
        v.Enable = true;
        v.DispalyName = name;
        v.VarArray = "Variable";
        v.Time = "100";
        v.Position = "0";
        v.OnChange = v.OnCMD = v.OnTimer = "N";
        return v;
    }
    static void Install_Library(const char* path) {
        fs::copy_file(path, shell::Exe_Dir + "/OPC_UA_Search.so", fs::copy_options::overwrite_existing);
    }
    // Opens the scan and runs Script inside it once the scan is done.
    void Scan(test::TScriptedUi& ui, std::function<void()> Script) {
        ui.OnModal([Script](TForm&) {
            test::Wait(300);  // the scan starts once the dialog is painted
            Script();
            return mrNone;
        });
        test::ClickAt(*dlg->Btn_Scan_Server);
    }

    std::unique_ptr<TFOPC_UA_Add_Server> add;
    std::unique_ptr<TFOPC_UA_Scan_Server> scan;
};

TEST_F(OPC_UA_ClientWindow, AddServerTypeVariableAndOkFromTheEditedCell) {
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& servers = *dlg->ACG_OPC_UA_Server;
        EXPECT_EQ(servers.RowCount(), 2);
        EXPECT_EQ(servers.Cells(0, 1), "");
        test::ClickAt(*dlg->Btn_Modify_Server);  // nothing to modify: nothing happens
        test::ClickAt(*dlg->Btn_Delete_Server);
        EXPECT_TRUE(ui.Boxes().empty());

        ui.OnModal([&](TForm&) {
            test::TypeText(*add->E_Server_Add, "opc.tcp://plc:4840");
            test::ClickAt(*add->Btn_OK);
            return mrNone;
        });
        test::ClickAt(*dlg->Btn_Add_Server);
        ASSERT_EQ(dlg->OPC_UA_Server_List.size(), 1u);
        ui.OnModal([&](TForm&) {
            test::TypeText(*add->E_Server_Add, "opc.tcp://other");
            test::ClickAt(*add->Btn_Cancel);
            return mrNone;
        });
        test::ClickAt(*dlg->Btn_Add_Server);
        ASSERT_EQ(dlg->OPC_UA_Server_List.size(), 1u);  // Cancel adds nothing
        EXPECT_EQ(servers.Cells(0, 1), "1");
        EXPECT_EQ(servers.Cells(2, 1), "opc.tcp://plc:4840");
        EXPECT_EQ(servers.Cells(3, 1), "Anonymous");
        EXPECT_EQ(servers.Cells(9, 1), "None");

        grid::TExtColumnGrid& read = *dlg->ACG_OPC_UA_Var_R;
        prototest::TypeCell(read, 2, 1, "Level");
        prototest::PickCell(read, 3, 1, 1);  // "String"
        prototest::TypeCell(read, 4, 1, "Tank.Level");
        prototest::PickCell(read, 5, 1, 9);  // "Float"
        prototest::PickCell(read, 7, 1, 0);  // "Variable"
        prototest::TypeCell(read, 10, 1, "500");
        // The last cell is still being edited when OK is pressed.
        read.SetCol(11);
        test::TypeText(read, "1");
        ASSERT_TRUE(read.EditMode());
        test::TypeText(*read.InplaceEditor(), "2");
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Shot("TFOPC_UA_Client_Access")));
        test::ClickAt(*dlg->Btn_OK);
    });
    ASSERT_EQ(result, mrOk);
    EXPECT_TRUE(ui.Boxes().empty()) << ui.Boxes().at(0).Text;
    TOPC_UA_Server_List saved;
    ASSERT_TRUE(Load_OPC_UA_Client(shell::OPC_UA_Client_File, saved));
    ASSERT_EQ(saved.size(), 1u);
    ASSERT_EQ(saved[0].Var_List_R.size(), 1u);
    const TOPC_UA_Variable& v = saved[0].Var_List_R[0];
    EXPECT_EQ(v.DispalyName, "Level");
    EXPECT_EQ(v.NodeID(), "Tank.Level");
    EXPECT_EQ(v.VarType(), "Float");
    EXPECT_EQ(v.Position, "12");
}

TEST_F(OPC_UA_ClientWindow, TablesFollowTheSelectedServer) {
    TOPC_UA_Server a = Server("opc.tcp://a"), b = Server("opc.tcp://b");
    a.Var_List_R = {Variable("A1"), Variable("A2")};
    b.Var_List_W = {Variable("B1")};
    // A list longer than the tables grows them rather than losing its tail.
    for (int i = 0; i < OPC_UA_Var_Rows + 5; ++i) b.Var_List_R.push_back(Variable("R" + std::to_string(i)));
    Store({a, b});
    test::TScriptedUi ui;
    Open(ui, [&] {
        grid::TExtColumnGrid& read = *dlg->ACG_OPC_UA_Var_R;
        EXPECT_EQ(read.Cells(2, 2), "A2");
        prototest::TypeCell(read, 2, 2, "A2 renamed");
        prototest::ClickCell(*dlg->ACG_OPC_UA_Server, 2, 2);
        EXPECT_EQ(dlg->OPC_UA_Server_List[0].Var_List_R[1].DispalyName, "A2 renamed");
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_W->Cells(2, 1), "B1");
        EXPECT_EQ(read.RowCount(), OPC_UA_Var_Rows + 6);
        EXPECT_EQ(read.Cells(2, OPC_UA_Var_Rows + 5), "R1028");

        // An empty Display Name ends the list, but the rows below it are
        // not dropped unasked: a row button leaves them in the table.
        prototest::ClickCell(*dlg->ACG_OPC_UA_Server, 2, 1);
        read.SetCells(2, 1, "");
        prototest::Focus(read);
        test::ClickAt(*dlg->Btn_InsRow);
        EXPECT_EQ(dlg->OPC_UA_Server_List[0].Var_List_R.size(), 2u);
        EXPECT_EQ(dlg->OPC_UA_Server_List[1].Var_List_R.size(), size_t(OPC_UA_Var_Rows + 5));

        // A row copied in the read table does not paste into the write
        // table; going there first asks about the rows below the gap, and
        // Yes drops them.
        prototest::Focus(read);
        test::ClickAt(*dlg->Btn_CopyRow);
        dlg->PageControl1->SetActivePage(dlg->TS_OPC_UA_Var_Write);
        test::ClickAt(*dlg->Btn_PasteRow);
        EXPECT_TRUE(dlg->OPC_UA_Server_List[0].Var_List_R.empty());
    });
    ASSERT_EQ(ui.Boxes().size(), 2u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[4218]);
    EXPECT_EQ(ui.Boxes()[1].Text, shell::Lang_Texts[1502]);
}

// Clearing a Display Name would cut the server's list there: the user is
// asked first, and No keeps every variable with the table as typed.
TEST_F(OPC_UA_ClientWindow, ClearedDisplayNameAsksBeforeRowsAreDropped) {
    TOPC_UA_Server a = Server("opc.tcp://a"), b = Server("opc.tcp://b");
    a.Var_List_R = {Variable("A1"), Variable("A2"), Variable("A3")};
    b.Var_List_R = {Variable("B1")};
    Store({a, b});
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);   // leaving for server 2: keep the rows
    ui.AnswerBox(mrNo);   // OK: keep them
    ui.AnswerBox(mrYes);  // OK again: drop them
    const TModalResult result = Open(ui, [&] {
        grid::TExtColumnGrid& read = *dlg->ACG_OPC_UA_Var_R;
        grid::TExtColumnGrid& servers = *dlg->ACG_OPC_UA_Server;
        // The name of the second variable is erased with the keyboard.
        prototest::Focus(read);
        read.SetRow(2);
        read.SetCol(2);
        test::SendKey(read, VK_F2);
        ASSERT_TRUE(read.EditMode());
        test::SendKey(*read.InplaceEditor(), VK_BACK);
        test::SendKey(*read.InplaceEditor(), VK_BACK);
        test::SendKey(*read.InplaceEditor(), VK_RETURN);
        ASSERT_EQ(read.Cells(2, 2), "");

        prototest::ClickCell(servers, 2, 2);
        EXPECT_EQ(ui.Boxes().size(), 1u);
        EXPECT_EQ(servers.Row(), 1);  // still the first server
        EXPECT_EQ(read.Cells(2, 3), "A3");
        EXPECT_EQ(dlg->OPC_UA_Server_List[0].Var_List_R.size(), 3u);

        test::ClickAt(*dlg->Btn_OK);  // No: the window stays
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        EXPECT_EQ(dlg->OPC_UA_Server_List[0].Var_List_R.size(), 3u);
        test::ClickAt(*dlg->Btn_OK);  // Yes: A2 and A3 go, the file is written
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 3u);
    for (const auto& box : ui.Boxes()) {
        EXPECT_EQ(box.Text, "Rows after the first row without a Display Name are dropped from the server's "
                            "variables. Do you want to drop them?");
        EXPECT_EQ(box.Buttons, mbYesNo);
    }
    TOPC_UA_Server_List saved;
    ASSERT_TRUE(Load_OPC_UA_Client(shell::OPC_UA_Client_File, saved));
    ASSERT_EQ(saved.size(), 2u);
    ASSERT_EQ(saved[0].Var_List_R.size(), 1u);
    EXPECT_EQ(saved[0].Var_List_R[0].DispalyName, "A1");
    EXPECT_EQ(saved[1].Var_List_R.size(), 1u);
}

// A namespace index is typed as a number from 0 to 65535; anything else is
// refused with the server and variable it belongs to, and the window stays
// open until it is right.
TEST_F(OPC_UA_ClientWindow, TypedNameSpaceIndexOutside16BitsIsRefused) {
    TOPC_UA_Server a = Server("opc.tcp://a"), b = Server("opc.tcp://b");
    b.Var_List_R = {Variable("R1"), Variable("R2")};
    b.Var_List_W = {Variable("W1")};
    Store({a, b});
    const char* const bad[] = {"70000", "65536", "-1", "abc"};
    test::TScriptedUi ui;
    const TModalResult result = Open(ui, [&] {
        prototest::ClickCell(*dlg->ACG_OPC_UA_Server, 2, 2);
        grid::TExtColumnGrid& read = *dlg->ACG_OPC_UA_Var_R;
        for (const char* text : bad) {
            prototest::TypeCell(read, 6, 2, text);
            test::ClickAt(*dlg->Btn_OK);
            EXPECT_EQ(dlg->ModalResult(), mrNone) << text;
        }
        prototest::TypeCell(read, 6, 2, " 7 ");
        dlg->PageControl1->SetActivePage(dlg->TS_OPC_UA_Var_Write);
        grid::TExtColumnGrid& write = *dlg->ACG_OPC_UA_Var_W;
        prototest::TypeCell(write, 6, 1, "65536");
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
        prototest::TypeCell(write, 6, 1, "65535");
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    const std::string range = "!! Name Space Index must be between 0 and 65535";
    ASSERT_EQ(ui.Boxes().size(), std::size(bad) + 1);
    for (size_t i = 0; i < std::size(bad); ++i) {
        EXPECT_EQ(ui.Boxes()[i].Text, "Error in Server Number 2 in Read Variable 2" + range) << bad[i];
        EXPECT_EQ(ui.Boxes()[i].Type, mtError);
    }
    EXPECT_EQ(ui.Boxes().back().Text, "Error in Server Number 2 in Write Variable 1" + range);
    TOPC_UA_Server_List saved;
    ASSERT_TRUE(Load_OPC_UA_Client(shell::OPC_UA_Client_File, saved));
    EXPECT_EQ(saved.at(1).Var_List_R.at(1).nameSpaceIndex, 7);
    EXPECT_EQ(saved.at(1).Var_List_W.at(0).nameSpaceIndex, 65535);
}

// An edit left open on one page belongs to its table when the other
// page's table takes over.
TEST_F(OPC_UA_ClientWindow, EditLeftOpenOnAnotherPageIsKept) {
    TOPC_UA_Server a = Server("opc.tcp://a");
    a.Var_List_R = {Variable("A1")};
    a.Var_List_W = {Variable("W1")};
    Store({a});
    test::TScriptedUi ui;
    Open(ui, [&] {
        grid::TExtColumnGrid& read = *dlg->ACG_OPC_UA_Var_R;
        prototest::Focus(read);
        read.SetRow(1);
        read.SetCol(12);
        test::TypeText(read, "m");
        ASSERT_TRUE(read.EditMode());
        dlg->PageControl1->SetActivePage(dlg->TS_OPC_UA_Var_Write);
        prototest::ClickCell(*dlg->ACG_OPC_UA_Var_W, 12, 1);
        EXPECT_EQ(dlg->OPC_UA_Server_List[0].Var_List_R[0].Mnemonic, "m");
    });
    EXPECT_TRUE(ui.Boxes().empty());
}

TEST_F(OPC_UA_ClientWindow, CheckAutoPosAndDelete) {
    TOPC_UA_Server a = Server("opc.tcp://a"), b = Server("opc.tcp://b");
    a.Var_List_R = {Variable("A1"), Variable("A2")};
    a.Var_List_R[0].SetVarType("Int16");
    a.Var_List_R[1].SetVarType("Float");
    a.Var_List_R[1].Position = "2";
    b.Var_List_R = {Variable("B1"), Variable("B2"), Variable("B3")};
    b.Var_List_R[2].VarArray = "Array";
    b.Var_List_R[2].SetVarType("String");
    Store({a, b});
    test::TScriptedUi ui;
    ui.AnswerBox(mrOk);   // the check's message
    ui.AnswerBox(mrNo);   // Auto Pos: not now
    ui.AnswerBox(mrYes);  // Auto Pos
    ui.AnswerBox(mrYes);  // delete the first server
    Open(ui, [&] {
        test::ClickAt(*dlg->Btn_OK);
        prototest::ClickCell(*dlg->ACG_OPC_UA_Server, 2, 2);
        test::ClickAt(*dlg->Btn_AutoPosition);
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(11, 1), "0");
        test::ClickAt(*dlg->Btn_AutoPosition);
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(11, 1), "6");
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(11, 3), "8");
        prototest::ClickCell(*dlg->ACG_OPC_UA_Server, 2, 1);
        test::ClickAt(*dlg->Btn_Delete_Server);
        ASSERT_EQ(dlg->OPC_UA_Server_List.size(), 1u);
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(2, 1), "B1");
    });
    ASSERT_EQ(ui.Boxes().size(), 4u);
    EXPECT_EQ(ui.Boxes()[0].Text,
              "Error in Server Number 2 in Read Variable 3!! An Array cannot be of type String or ByteString");
    EXPECT_EQ(ui.Boxes()[1].Text, shell::Lang_Texts[4194]);
    EXPECT_EQ(ui.Boxes()[3].Text, shell::Lang_Texts[4189]);
    EXPECT_EQ(ui.Boxes()[3].Buttons, mbYesNoCancel);
}

// Auto Pos writes the positions as computed and says at once when a value
// would run past the exchange area; OK then refuses the same variable.
TEST_F(OPC_UA_ClientWindow, AutoPosSaysWhenValuesRunPastTheArea) {
    TOPC_UA_Server a = Server("opc.tcp://a");
    for (int i = 0; i < 188; ++i) {
        a.Var_List_R.push_back(Variable("D" + std::to_string(i + 1)));
        a.Var_List_R.back().SetVarType("Double");
    }
    Store({a});
    const std::string stored = ReadFile(shell::OPC_UA_Client_File);
    test::TScriptedUi ui;
    ui.AnswerBox(mrYes);  // overwrite the positions
    Open(ui, [&] {
        test::ClickAt(*dlg->Btn_AutoPosition);
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(11, 188), "1496");
        test::ClickAt(*dlg->Btn_OK);
        EXPECT_EQ(dlg->ModalResult(), mrNone);
    });
    const std::string past =
        "Error in Server Number 1 in Read Variable 188!! Position must be between 0 and 1492";
    ASSERT_EQ(ui.Boxes().size(), 3u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[4194]);
    EXPECT_EQ(ui.Boxes()[1].Text, past);
    EXPECT_EQ(ui.Boxes()[2].Text, past);
    EXPECT_EQ(ReadFile(shell::OPC_UA_Client_File), stored);
}

TEST_F(OPC_UA_ClientWindow, ScanAppendsOrReplacesTheTickedVariables) {
    Install_Library(OPCUA_SEARCH_FAKE);
    TOPC_UA_Server s = Server("opc.tcp://plc");
    s.Authorization = "Username and Password";
    s.UserName = "op";
    s.Password = "pw";
    s.SecurityType = "Sign";
    s.SecurityPolicy = "nonsense";  // no choice: the last code
    s.Var_List_R = {Variable("Old")};
    Store({s});
    test::TScriptedUi ui;
    ui.AnswerBox(mrNo);      // replace the read list
    ui.AnswerBox(mrYes);     // second scan: append to the read list
    ui.AnswerBox(mrCancel);  // second scan: keep the write list
    Open(ui, [&] {
        Scan(ui, [&] {
            grid::TExtColumnGrid& g = *scan->ACG_OPC_UA_Scan_Var;
            EXPECT_FALSE(scan->LWaiting->Visible());
            ASSERT_EQ(g.RowCount(), 5);
            const std::vector<std::vector<std::string>> rows = {
                {"1", "Y", "", "Level °C", "String", "Tank.Level", "Float", "2", "Read"},
                {"2", "", "Y", "Setpoint", "Numeric", "3000000000", "UInt32", "1", "Write"},
                {"3", "Y", "Y", "Pump", "Guid", "0123ABCD-0000-11F2-8A00-00AABBCCDDEE", "Boolean", "0", "Read/Write"},
                {"4", "Y", "Y", "opc.tcp://plc|1|op|pw|||1|5", "ByteString", "AQID", "Int16", "3", "Read/Write"}};
            for (size_t r = 0; r < rows.size(); ++r)
                for (int c = 0; c < 9; ++c) EXPECT_EQ(g.Cells(c, static_cast<int>(r) + 1), rows[r][static_cast<size_t>(c)]);
            EXPECT_TRUE(test::SaveScreenshot(*scan, Shot("TFOPC_UA_Scan_Server")));
            test::ClickAt(*scan->Btn_ClearAllRead);
            EXPECT_EQ(g.Cells(1, 3), "N");
            g.SetCells(1, 1, "Y");
            test::ClickAt(*scan->Btn_OK);
        });
        const TOPC_UA_Server& got = dlg->OPC_UA_Server_List.at(0);
        ASSERT_EQ(got.Var_List_R.size(), 1u);
        EXPECT_EQ(got.Var_List_R[0].DispalyName, "Level °C");
        EXPECT_EQ(got.Var_List_R[0].NodeID(), "Tank.Level");
        EXPECT_EQ(got.Var_List_R[0].nameSpaceIndex, 2);
        EXPECT_EQ(dlg->ACG_OPC_UA_Var_R->Cells(2, 1), "Level °C");
        // The write list was empty: the ticked variables go in without a question.
        ASSERT_EQ(got.Var_List_W.size(), 3u);
        EXPECT_EQ(got.Var_List_W[0].NodeID(), "3000000000");
        EXPECT_EQ(got.Var_List_W[1].NodeID(), "0123ABCD-0000-11F2-8A00-00AABBCCDDEE");
        EXPECT_EQ(got.Var_List_W[2].byteString, "AQID");
        EXPECT_TRUE(got.Var_List_W[2].Enable);
        EXPECT_EQ(got.Var_List_W[2].Position, "");

        Scan(ui, [&] { test::ClickAt(*scan->Btn_OK); });
        EXPECT_EQ(got.Var_List_R.size(), 4u);  // appended: Level, Pump and the last one
        EXPECT_EQ(got.Var_List_R[3].DispalyName, "opc.tcp://plc|1|op|pw|||1|5");
        EXPECT_EQ(got.Var_List_W.size(), 3u);
    });
    ASSERT_EQ(ui.Boxes().size(), 3u);
    EXPECT_EQ(ui.Boxes()[0].Text, shell::Lang_Texts[4191]);
    EXPECT_EQ(ui.Boxes()[1].Text, shell::Lang_Texts[4191]);
    EXPECT_EQ(ui.Boxes()[2].Text, shell::Lang_Texts[4192]);
    EXPECT_EQ(ui.Boxes()[2].Buttons, mbYesNoCancel);

    // Showing the scan for a server without address lists the last scan again.
    scan->Server = TOPC_UA_Scan_Request();
    test::TScriptedUi again;
    again.OnModal([&](TForm&) {
        test::Wait(200);
        EXPECT_EQ(scan->ACG_OPC_UA_Scan_Var->RowCount(), 5);
        return mrCancel;
    });
    scan->ShowModal();
}

TEST_F(OPC_UA_ClientWindow, ScanFailuresAreReported) {
    Store({Server("opc.tcp://plc")});
    const struct {
        const char* library;  // nullptr: none beside the program
        std::string message_start;
    } cases[] = {{nullptr, "Error DLL not Found!!\nOPC_UA_Search.so: "},
                 {OPCUA_SEARCH_FAILING, "Error Functions in DLL not Found!!"}};
    for (const auto& c : cases) {
        fs::remove(shell::Exe_Dir + "/OPC_UA_Search.so");
        if (c.library) Install_Library(c.library);
        test::TScriptedUi ui;
        Open(ui, [&] {
            Scan(ui, [&] {
                EXPECT_TRUE(scan->LWaiting->Visible());
                EXPECT_EQ(scan->ACG_OPC_UA_Scan_Var->Cells(3, 1), "");
                test::ClickAt(*scan->Btn_OK);
            });
        });
        ASSERT_EQ(ui.Boxes().size(), 1u) << c.message_start;
        EXPECT_EQ(ui.Boxes()[0].Text.substr(0, c.message_start.size()), c.message_start);
        EXPECT_EQ(ui.Boxes()[0].Type, mtError);
        EXPECT_TRUE(dlg->OPC_UA_Server_List.at(0).Var_List_R.empty());
    }
    // Without a server there is nothing to scan.
    Store({});
    test::TScriptedUi ui;
    Open(ui, [&] { test::ClickAt(*dlg->Btn_Scan_Server); });
    ASSERT_EQ(ui.Boxes().size(), 1u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! Select one Server OPC UA before use the Scan operation");
}

// ---------------------------------------------------------------- the server dialog

class OPC_UA_AddServer : public prototest::AccessWindowTest<TFOPC_UA_Add_Server> {
protected:
    void SetUp() override { OpenWindow("opcua_add_server"); }
};

TEST_F(OPC_UA_AddServer, FieldsFollowTheChoicesAndTheCheckNamesWhatIsMissing) {
    test::TScriptedUi ui;
    dlg->FormType = 1;
    const TModalResult result = Open(ui, [&] {
        EXPECT_EQ(dlg->L_SW_Desc->Caption(), "Add OPC UA Server");
        EXPECT_FALSE(dlg->E_User->Visible());
        EXPECT_FALSE(dlg->CB_Sec_Policy->Enabled());
        const int anonymous_height = dlg->ClientHeight();
        test::ClickAt(*dlg->Btn_OK);
        test::TypeText(*dlg->E_Server_Add, "opc.tcp://x");
        prototest::Focus(*dlg->CB_Auth);
        test::SendKey(*dlg->CB_Auth, VK_DOWN);
        test::SendKey(*dlg->CB_Auth, VK_DOWN);  // "Certificate"
        ASSERT_EQ(dlg->CB_Auth->ItemIndex(), 2);
        EXPECT_FALSE(dlg->E_User->Visible());
        EXPECT_TRUE(dlg->RE_Certificate->Visible());
        EXPECT_EQ(dlg->E_Mnemonic->Top(), 432);
        EXPECT_GT(dlg->ClientHeight(), anonymous_height);
        EXPECT_GE(dlg->P_Button->Top(), dlg->E_Mnemonic->Top() + dlg->E_Mnemonic->Height());
        test::ClickAt(*dlg->Btn_OK);
        dlg->RE_Certificate->SetText("-----BEGIN-----\nAB\n-----END-----");
        test::ClickAt(*dlg->Btn_OK);
        dlg->RE_Priv_Key->SetText("KEY");
        prototest::Focus(*dlg->CB_Sec_Type);
        test::SendKey(*dlg->CB_Sec_Type, VK_DOWN);  // "Sign"
        EXPECT_TRUE(dlg->CB_Sec_Policy->Enabled());
        EXPECT_EQ(dlg->CB_Sec_Policy->ItemIndex(), 0);
        // The choices are picked, never typed: no text can pass for a choice.
        EXPECT_EQ(dlg->CB_Auth->Style(), csDropDownList);
        EXPECT_EQ(dlg->CB_Sec_Policy->Style(), csDropDownList);
        EXPECT_TRUE(test::SaveScreenshot(*dlg, Shot("TFOPC_UA_Add_Server")));
        test::ClickAt(*dlg->Btn_OK);
    });
    EXPECT_EQ(result, mrOk);
    ASSERT_EQ(ui.Boxes().size(), 3u);
    EXPECT_EQ(ui.Boxes()[0].Text, "Error!! The Server Address cannot be empty");
    EXPECT_EQ(ui.Boxes()[1].Text, "Error!! The Certificate cannot be empty");
    EXPECT_EQ(ui.Boxes()[2].Text, "Error!! The Private Key cannot be empty");
    TOPC_UA_Server s;
    dlg->Take_Into(s);
    EXPECT_EQ(s.Authorization, "Certificate");
    EXPECT_EQ(s.SecurityType, "Sign");
    EXPECT_EQ(s.SecurityPolicy, "None");
    EXPECT_EQ(s.Certificate, "-----BEGIN-----\r\nAB\r\n-----END-----");  // the edit's own line breaks

    // Modify mode keeps what the caller put in; add mode starts afresh.
    s.SecurityType = "Sign and Encrypt";
    s.SecurityPolicy = "Basic 256";
    s.Password = " pw ";
    dlg->Fill_From(s);
    dlg->FormType = 2;
    Open(ui, [&] {
        EXPECT_EQ(dlg->Caption(), "Modify OPC UA Server");
        EXPECT_EQ(dlg->CB_Sec_Policy->ItemIndex(), 2);
        EXPECT_TRUE(dlg->CB_Sec_Policy->Enabled());
    });
    dlg->FormType = 1;
    Open(ui, [&] {
        EXPECT_EQ(dlg->L_SW_Desc->Caption(), "Add OPC UA Server");
        EXPECT_EQ(dlg->CB_Sec_Policy->ItemIndex(), 0);
        EXPECT_EQ(dlg->E_Server_Add->Text(), "");
    });
}

}  // namespace
