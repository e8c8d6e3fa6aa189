#include "protocols/OPC_UA_Scan_Server.h"

#include "platform/Dialogs.h"
#include "platform/DynamicLibrary.h"
#include "platform/Layout.h"
#include "protocols/AccessTableForm.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/OpcUaTexts.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server = nullptr;

namespace {

constexpr int Columns = 9;
constexpr int Widths[Columns] = {40, 50, 50, 250, 90, 260, 90, 110, 90};

std::string Access_Text(uint8_t Level) {
    switch (Level) {
        case 1: return "Read";
        case 2: return "Write";
        default: return "Read/Write";
    }
}

}  // namespace

TFOPC_UA_Scan_Server::TFOPC_UA_Scan_Server(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Access_Table_Controls();
    LoadLayoutWhenNeeded(
        "TFOPC_UA_Scan_Server",
        {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
         {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
         {"Timer_ScanTimer", TNotifyEvent([this](TObject*) { Timer_ScanTimer(); })},
         {"Btn_SelectAllReadClick", TNotifyEvent([this](TObject* Sender) { Tick_All(Sender, "Y"); })},
         {"Btn_ClearAllReadClick", TNotifyEvent([this](TObject* Sender) { Tick_All(Sender, "N"); })}},
        [this] {
            P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
            L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
            L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
            LWaiting = &LayoutComponent<TLabel>(*this, "LWaiting");
            ACG_OPC_UA_Scan_Var = &LayoutComponent<grid::TExtColumnGrid>(*this, "ACG_OPC_UA_Scan_Var");
            Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
            Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
            Btn_SelectAllRead = &LayoutComponent<ctl::TFltButton>(*this, "Btn_SelectAllRead");
            Btn_ClearAllRead = &LayoutComponent<ctl::TFltButton>(*this, "Btn_ClearAllRead");
            Btn_SelectAllWrite = &LayoutComponent<ctl::TFltButton>(*this, "Btn_SelectAllWrite");
            Btn_ClearAllWrite = &LayoutComponent<ctl::TFltButton>(*this, "Btn_ClearAllWrite");
            Timer_Scan = &LayoutComponent<TTimer>(*this, "Timer_Scan");

            grid::TExtColumnGrid& g = *ACG_OPC_UA_Scan_Var;
            g.SetColCount(Columns);
            g.SetRowCount(2);
            for (int c = 0; c < Columns; ++c) {
                grid::TGridColumnItem& item = g.Columns().Items(c);
                item.SetWidth(Widths[c]);
                if (c == 0) continue;
                const bool tick = c == 1 || c == 2;
                item.SetEditor(tick ? grid::edDataCheckBox : grid::edNormal);
                item.SetCheckTrue("Y");
                item.SetCheckFalse("N");
                item.SetAlignment(tick ? taCenter : taLeftJustify);
                item.SetReadOnly(!tick && c != 8);
            }
            g.Columns().Items(8).SetHeader("Read/Write");
        });
}

TFOPC_UA_Scan_Server::~TFOPC_UA_Scan_Server() {
    if (FOPC_UA_Scan_Server == this) FOPC_UA_Scan_Server = nullptr;
}

void TFOPC_UA_Scan_Server::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientHeight(337);
    SetClientWidth(1035);
    Set_Lang();
}

void TFOPC_UA_Scan_Server::Set_Lang() {
    SetCaption(Lang_Texts[4400]);
    L_SW_Desc->SetCaption(Lang_Texts[4401]);
    const struct {
        ctl::TFltButton* button;
        int caption, hint;
    } buttons[] = {{Btn_OK, 4402, 4406},           {Btn_Cancel, 4403, 4407},       {Btn_SelectAllRead, 4404, 4408},
                   {Btn_ClearAllRead, 4405, 4409}, {Btn_SelectAllWrite, 4426, 4428}, {Btn_ClearAllWrite, 4427, 4429}};
    for (const auto& b : buttons) {
        b.button->SetCaption(Lang_Texts[b.caption]);
        b.button->SetHint(Lang_Texts[b.hint]);
    }
    const int headers[] = {4410, 4411, 4424, 4412, 4413, 4414, 4415, 4416};
    for (int c = 0; c < 8; ++c) ACG_OPC_UA_Scan_Var->Columns().Items(c).SetHeader(Lang_Texts[headers[c]]);
    LWaiting->SetCaption(Lang_Texts[4423]);
}

void TFOPC_UA_Scan_Server::Erase_Table() {
    grid::TExtColumnGrid& g = *ACG_OPC_UA_Scan_Var;
    g.SetRowCount(2);
    for (int c = 0; c < Columns; ++c) g.SetCells(c, 1, "");
}

void TFOPC_UA_Scan_Server::FormShow() {
    Erase_Table();
    if (Server.Has_Address()) {
        List_Var.clear();
        LWaiting->SetVisible(true);
        Timer_Scan->SetEnabled(true);
    } else {
        Show_Variables_List();
    }
}

void TFOPC_UA_Scan_Server::Timer_ScanTimer() {
    Timer_Scan->SetEnabled(false);
    std::string reason;
    const std::vector<std::string> folders = Library_Folders.empty() ? std::vector{shell::Exe_Dir} : Library_Folders;
    switch (Run_OPC_UA_Scan(Server, folders, List_Var, &reason)) {
        case TScan_Result::No_Library:
            // Name the file looked for and why it did not load: no search
            // library ships with the program, so the user must know what to
            // put where.
            MessageDlg(Lang_Texts[4430] + "\n" + plat::TDynamicLibrary::File_Name(OPC_UA_Search_Library) + ": " +
                           reason,
                       mtError, mbOK);
            return;
        case TScan_Result::No_Functions:
            MessageDlg(Lang_Texts[4431], mtError, mbOK);
            return;
        case TScan_Result::Scanned:
            break;
    }
    LWaiting->SetVisible(false);
    Show_Variables_List();
}

void TFOPC_UA_Scan_Server::Show_Variables_List() {
    if (List_Var.empty()) {
        Erase_Table();
        return;
    }
    grid::TExtColumnGrid& g = *ACG_OPC_UA_Scan_Var;
    g.BeginUpdate();
    g.SetRowCount(static_cast<int>(List_Var.size()) + 1);
    for (size_t i = 0; i < List_Var.size(); ++i) {
        const opcua_structure& v = List_Var[i].Record;
        const int r = static_cast<int>(i) + 1;
        // Level 0 means the server did not tell: both ways are offered.
        const bool read = v.accessLevel == 0 || (v.accessLevel & 1);
        const bool write = v.accessLevel == 0 || (v.accessLevel & 2);
        const std::string cells[Columns] = {std::to_string(r),
                                            read ? "Y" : "",
                                            write ? "Y" : "",
                                            List_Var[i].displayName,
                                            shell::OPC_UA_IdType_To_Text(v.identifierType),
                                            shell::OPC_UA_NodeId_To_Text(v),
                                            shell::OPC_UA_DataType_To_Text(v.dataType),
                                            std::to_string(v.nameSpaceIndex),
                                            Access_Text(v.accessLevel)};
        for (int c = 0; c < Columns; ++c) g.SetCells(c, r, cells[c]);
    }
    g.EndUpdate();
}

void TFOPC_UA_Scan_Server::Tick_All(TObject* Sender, const char* Value) {
    if (List_Var.empty()) return;
    const int column = Sender == Btn_SelectAllRead || Sender == Btn_ClearAllRead ? 1 : 2;
    grid::TExtColumnGrid& g = *ACG_OPC_UA_Scan_Var;
    for (int r = 1; r < g.RowCount(); ++r) g.SetCells(column, r, Value);
}

}  // namespace proto
