#include "protocols/OPC_UA_Client_Access.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "gateway/CheckResult.h"
#include "platform/Dialogs.h"
#include "protocols/OPC_UA_Add_Server.h"
#include "protocols/OPC_UA_Client_Check.h"
#include "protocols/OPC_UA_Client_File.h"
#include "protocols/OPC_UA_Scan_Server.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/OpcUaTexts.h"
#include "shell/RowHelpers.h"

namespace proto {

using namespace plat;
using grid::TExtColumnGrid;
using shell::Lang_Texts;

TFOPC_UA_Client_Access* FOPC_UA_Client_Access = nullptr;

namespace {

constexpr int Text_Delete_Server = 4189;
constexpr int Text_No_Server = 4190;
constexpr int Text_Append_Read = 4191;
constexpr int Text_Append_Write = 4192;
constexpr int Text_Auto_Position = 4194;
constexpr int Text_Replace_Damaged_File = 4217;
constexpr int Text_Rows_After_Name = 4218;
constexpr int Text_Read_Name_Space = 4219;
constexpr int Text_Write_Name_Space = 4220;

constexpr int Col_Display_Name = 2;
constexpr int Col_Name_Space = 6;

std::vector<std::string> Items(const auto& Texts) { return {Texts.begin(), Texts.end()}; }

// Columns 0 to 6 are the same in both variable tables.
std::vector<TTableColumn> Node_Columns(int Header, int Hint) {
    return {Row_Number_Column(Header, 40),
            Enable_Column(Header + 1, Hint),
            Text_Column(Header + 2, "DisplayName", 200, cgAddress, Hint + 1),
            List_Column(Header + 3, "NodeType", Items(OPC_UA_Node_Types), 90, cgAddress, Hint + 2),
            Text_Column(Header + 4, "NodeID", 200, cgAddress, Hint + 3),
            List_Column(Header + 5, "VarType", Items(OPC_UA_Var_Types), 90, cgAddress, Hint + 4),
            Text_Column(Header + 6, "NameSpaceIndex", 70, cgAddress, Hint + 5)};
}

std::vector<TTableColumn> Read_Columns() {
    std::vector<TTableColumn> c = Node_Columns(4145, 4155);
    c.push_back(List_Column(4205, "VarArray", {"Variable", "Array"}, 70, cgTiming, 4208));
    c.push_back(Text_Column(4206, "Start", 50, cgTiming, 4209));
    c.push_back(Text_Column(4207, "Length", 50, cgTiming, 4210));
    c.push_back(Text_Column(4152, "Time", 70, cgTiming, 4161));
    c.push_back(Text_Column(4153, "Position", 60, cgPosition, 4162));
    c.push_back(Text_Column(4154, "Mnemonic", 150, cgMnemonic, 4163));
    return c;
}

std::vector<TTableColumn> Write_Columns() {
    std::vector<TTableColumn> c = Node_Columns(4164, 4177);
    c.push_back(Check_Column(4171, "OnChange", 70, cgTiming, 4184));
    c.push_back(Check_Column(4172, "OnCMD", 60, cgTiming, 4183));
    c.push_back(Check_Column(4173, "OnTimer", 65, cgTiming, 4185));
    c.push_back(Text_Column(4174, "Time", 70, cgTiming, 4186));
    c.push_back(Text_Column(4175, "Position", 60, cgPosition, 4187));
    c.push_back(Text_Column(4176, "Mnemonic", 150, cgMnemonic, 4188));
    return c;
}

std::vector<TTableColumn> Server_Columns() {
    std::vector<TTableColumn> c = {Row_Number_Column(4111, 30), Check_Column(4112, "Enable", 50, cgEnable, 4122)};
    const int widths[] = {200, 150, 90, 90, 120, 120, 110, 160, 150};
    for (int i = 0; i < 9; ++i) c.push_back(Text_Column(4113 + i, "", widths[i], cgNone, 4123 + i));
    return c;
}

constexpr unsigned Var_Events = teClickCell | teDblClickCell | teKeyPress | teGridHint;

// The server table stands on no page: it borrows the write page, which
// the read and write tables come before, so the row buttons never see it.
const TTableDescription Read_Table = {.Grid = "ACG_OPC_UA_Var_R", .Page = "TS_OPC_UA_Var_Read",
                                      .Columns = Read_Columns(), .Rows = OPC_UA_Var_Rows, .Events = Var_Events,
                                      .Show_Hint = true, .Clear_Other_Hints = true};
const TTableDescription Write_Table = {.Grid = "ACG_OPC_UA_Var_W", .Page = "TS_OPC_UA_Var_Write",
                                       .Columns = Write_Columns(), .Rows = OPC_UA_Var_Rows, .Events = Var_Events,
                                       .Show_Hint = true, .Clear_Other_Hints = true};
const TTableDescription Server_Table = {.Grid = "ACG_OPC_UA_Server", .Page = "TS_OPC_UA_Var_Write",
                                        .Columns = Server_Columns(), .Rows = 1, .Events = teGridHint,
                                        .Show_Hint = true, .Clear_Other_Hints = true};

const char* Flag(bool On) { return On ? "Y" : "N"; }

TTableRow Read_Row(const TOPC_UA_Variable& v, int n) {
    return {std::to_string(n), Flag(v.Enable), v.DispalyName, v.NodeType(), v.NodeID(), v.VarType(),
            std::to_string(v.nameSpaceIndex), v.VarArray, v.Start, v.Len, v.Time, v.Position, v.Mnemonic};
}

TTableRow Write_Row(const TOPC_UA_Variable& v, int n) {
    return {std::to_string(n), Flag(v.Enable), v.DispalyName, v.NodeType(), v.NodeID(), v.VarType(),
            std::to_string(v.nameSpaceIndex), v.OnChange, v.OnCMD, v.OnTimer, v.Time, v.Position, v.Mnemonic};
}

// A typed namespace index: a blank cell is 0, as in a new row; -1 for a
// text that is no number from 0 to 65535.
int Name_Space_Of(const std::string& Text) {
    const std::string t = base::Trim(Text);
    if (t.empty()) return 0;
    const int index = Cell_Number(t);
    return index >= 0 && index <= 0xFFFF ? index : -1;
}

// The first row without a Display Name: the server's list ends before it.
int List_End(TExtColumnGrid& g) {
    int r = 1;
    while (r < g.RowCount() && !g.Cells(Col_Display_Name, r).empty()) ++r;
    return r;
}

// Whether the row holds something typed or picked (check boxes aside).
bool Holds_Data(TExtColumnGrid& g, int r, bool Write) {
    for (int c = Col_Display_Name; c < g.ColCount(); ++c) {
        if (Write && c >= 7 && c <= 9) continue;  // On Change, On CMD, On Timer
        if (!base::Trim(g.Cells(c, r)).empty()) return true;
    }
    return false;
}

// The node columns of a row into a new variable, kind before identifier.
TOPC_UA_Variable Node_Variable(TExtColumnGrid& g, int r) {
    TOPC_UA_Variable v;
    v.Enable = g.Cells(1, r) == "Y";
    v.DispalyName = g.Cells(2, r);
    v.SetNodeType(g.Cells(3, r));
    v.SetNodeID(g.Cells(4, r));
    v.SetVarType(g.Cells(5, r));
    v.nameSpaceIndex = static_cast<uint16_t>(std::max(0, Name_Space_Of(g.Cells(Col_Name_Space, r))));
    return v;
}

void Put_Row(TExtColumnGrid& g, int r, const TTableRow& Row) {
    for (size_t c = 0; c < Row.size(); ++c) g.SetCells(static_cast<int>(c), r, Row[c]);
}

TOPC_UA_Variable Scanned_Variable(const TOPC_UA_Scan_Var& Found) {
    const opcua_structure& r = Found.Record;
    TOPC_UA_Variable v;
    v.Enable = true;
    v.nameSpaceIndex = r.nameSpaceIndex;
    v.identifierType = r.identifierType;
    v.numeric = r.numeric;
    v.guide1 = r.guide1;
    v.guide2 = r.guide2;
    v.guide3 = r.guide3;
    std::copy(std::begin(r.guide4), std::end(r.guide4), v.guide4.begin());
    v.dataType = r.dataType;
    v.DispalyName = Found.displayName;
    v.stringname = Found.stringname;
    v.byteString = Found.byteString;
    return v;
}

}  // namespace

const TAccessMember OPC_UA_Client_Member = {
    .Class_Name = "TFOPC_UA_Client_Access",
    .Client_Width = 1150,
    .Client_Height = 660,
    .Texts = {.Caption = 4100,
              .Desc = 4101,
              .Buttons = {4133, 4134, 4135, 4136, 4137, 4138},
              .Button_Hints = {4139, 4140, 4141, 4142, 4143, 4144},
              .Delete_Question = 4193,
              .Replace_Partial_File = Text_Replace_Damaged_File},
    .File = {.Root = "OPC_UA_Client", .Tables = {Read_Table, Write_Table, Server_Table}},
    .File_Path = &shell::OPC_UA_Client_File,
    .Page_Control = "PC_OPC_UA_Vars"};

TFOPC_UA_Client_Access::TFOPC_UA_Client_Access(TComponent* AOwner)
    : TAccessTableForm(
          AOwner, OPC_UA_Client_Member,
          {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
           {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
           {"Btn_Add_ServerClick", TNotifyEvent([this](TObject*) {
                if (Commit_Edits()) Add_Server();
            })},
           {"Btn_Modify_ServerClick", TNotifyEvent([this](TObject*) {
                if (Commit_Edits()) Modify_Server();
            })},
           {"Btn_Delete_ServerClick", TNotifyEvent([this](TObject*) {
                if (Commit_Edits()) Delete_Server();
            })},
           {"Btn_Scan_ServerClick", TNotifyEvent([this](TObject*) {
                if (Commit_Edits()) Scan_Server();
            })},
           {"Btn_AutoPositionClick", TNotifyEvent([this](TObject*) { Btn_AutoPositionClick(); })}}) {}

void TFOPC_UA_Client_Access::Bind_Contents() {
    ACG_OPC_UA_Var_R = Grids[0];
    ACG_OPC_UA_Var_W = Grids[1];
    ACG_OPC_UA_Server = Grids[2];
    L_Server_List_Title = &LayoutComponent<TLabel>(*this, "L_Server_List_Title");
    L_Variables_List_Title = &LayoutComponent<TLabel>(*this, "L_Variables_List_Title");
    TS_OPC_UA_Var_Read = &LayoutComponent<TTabSheet>(*this, "TS_OPC_UA_Var_Read");
    TS_OPC_UA_Var_Write = &LayoutComponent<TTabSheet>(*this, "TS_OPC_UA_Var_Write");
    Btn_Add_Server = &LayoutComponent<TControl>(*this, "Btn_Add_Server");
    Btn_Modify_Server = &LayoutComponent<TControl>(*this, "Btn_Modify_Server");
    Btn_Delete_Server = &LayoutComponent<TControl>(*this, "Btn_Delete_Server");
    Btn_Scan_Server = &LayoutComponent<TControl>(*this, "Btn_Scan_Server");
    Btn_AutoPosition = &LayoutComponent<TControl>(*this, "Btn_AutoPosition");

    // The server table is a view: servers change only through the dialog.
    TExtColumnGrid& s = *ACG_OPC_UA_Server;
    s.SetOptions(s.Options() - TGridOptions{goEditing} + TGridOptions{goRowSelect});
    for (int c = 1; c < s.Columns().Count(); ++c) s.Columns().Items(c).SetReadOnly(true);
    s.OnClickCell = [this](TObject*, int ARow, int) {
        // The table being edited goes back into the server it belongs to
        // before another server is shown; one that cannot keeps its server.
        if (!Commit_Edits()) {
            ACG_OPC_UA_Server->SetRow(Ind_Server + 1);
            return;
        }
        if (ARow > 0) Show_OPC_UA_Var_List();
    };
    s.OnDblClickCell = [this](TObject*, int ARow, int) {
        if (!Commit_Edits()) return;
        if (ARow < 0)
            Add_Server();
        else if (ARow > 0)
            Modify_Server();
    };
    for (TExtColumnGrid* g : {ACG_OPC_UA_Var_R, ACG_OPC_UA_Var_W}) {
        g->OnEnter = [this, g](TObject*) { Var_Enter(*g); };
        g->OnExit = [this, g](TObject*) { Var_Exit(*g); };
    }
}

TFOPC_UA_Client_Access::~TFOPC_UA_Client_Access() {
    if (FOPC_UA_Client_Access == this) FOPC_UA_Client_Access = nullptr;
}

void TFOPC_UA_Client_Access::Set_Lang() {
    TAccessTableForm::Set_Lang();
    L_Server_List_Title->SetCaption(Lang_Texts[4102]);
    L_Variables_List_Title->SetCaption(Lang_Texts[4132]);
    TControl* buttons[] = {Btn_Add_Server, Btn_Modify_Server, Btn_Delete_Server, Btn_Scan_Server};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->SetCaption(Lang_Texts[4103 + i]);
        buttons[i]->SetHint(Lang_Texts[4107 + i]);
    }
}

// ------------------------------------------------------------ showing

int TFOPC_UA_Client_Access::Selected_Server() const {
    const int s = ACG_OPC_UA_Server->Row() - 1;
    return s >= 0 && s < static_cast<int>(OPC_UA_Server_List.size()) ? s : -1;
}

void TFOPC_UA_Client_Access::FormShow() {
    Ind_Server = -1;
    FEntered = nullptr;
    std::string error;
    FLoaded = Load_OPC_UA_Client(shell::OPC_UA_Client_File, OPC_UA_Server_List, &error);
    Show_OPC_UA_Server_List();
    ACG_OPC_UA_Server->SetRow(1);
    Show_OPC_UA_Var_List();
    PageControl1->SetActivePage(TS_OPC_UA_Var_Read);
    Do_Copy.assign(Grids.size(), false);
    if (!FLoaded) MessageDlg(error, mtError, mbOK);
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Server_List() {
    TExtColumnGrid& g = *ACG_OPC_UA_Server;
    const int row = g.Row();
    g.BeginUpdate();
    g.SetRowCount(static_cast<int>(std::max<size_t>(OPC_UA_Server_List.size(), 1)) + 1);
    for (int c = 0; c < g.ColCount(); ++c) g.SetCells(c, 1, "");
    for (size_t i = 0; i < OPC_UA_Server_List.size(); ++i) {
        const TOPC_UA_Server& s = OPC_UA_Server_List[i];
        Put_Row(g, static_cast<int>(i) + 1,
                {std::to_string(i + 1), Flag(s.Enable), s.ServerAddress, s.Authorization, s.UserName, s.Password,
                 s.Certificate, s.PrivateKey, s.SecurityType, s.SecurityPolicy, s.Mnemonic});
    }
    g.EndUpdate();
    g.SetRow(std::clamp(row, 1, g.RowCount() - 1));
}

void TFOPC_UA_Client_Access::Erase_Var_Tables(int Rows) {
    for (TExtColumnGrid* g : {ACG_OPC_UA_Var_R, ACG_OPC_UA_Var_W}) {
        if (g->EditMode()) g->HideInplaceEdit();
        g->BeginUpdate();
        g->SetRowCount(Rows + 1);
        for (int r = 1; r <= Rows; ++r) {
            g->SetCells(0, r, std::to_string(r));
            g->SetCells(1, r, "Y");
            for (int c = 2; c < g->ColCount(); ++c) g->SetCells(c, r, "");
        }
        g->EndUpdate();
    }
}

void TFOPC_UA_Client_Access::Show_OPC_UA_Var_List() {
    const int s = Selected_Server();
    // A list longer than the tables grows them: no variable is ever left out
    // of view, nor dropped by the next write-back.
    size_t longest = OPC_UA_Var_Rows;
    if (s >= 0) {
        const TOPC_UA_Server& server = OPC_UA_Server_List[static_cast<size_t>(s)];
        longest = std::max({longest, server.Var_List_R.size(), server.Var_List_W.size()});
    }
    Erase_Var_Tables(static_cast<int>(longest));
    if (s < 0) return;
    const TOPC_UA_Server& server = OPC_UA_Server_List[static_cast<size_t>(s)];
    ACG_OPC_UA_Var_R->BeginUpdate();
    for (size_t i = 0; i < server.Var_List_R.size(); ++i)
        Put_Row(*ACG_OPC_UA_Var_R, static_cast<int>(i) + 1, Read_Row(server.Var_List_R[i], static_cast<int>(i) + 1));
    ACG_OPC_UA_Var_R->EndUpdate();
    ACG_OPC_UA_Var_W->BeginUpdate();
    for (size_t i = 0; i < server.Var_List_W.size(); ++i)
        Put_Row(*ACG_OPC_UA_Var_W, static_cast<int>(i) + 1, Write_Row(server.Var_List_W[i], static_cast<int>(i) + 1));
    ACG_OPC_UA_Var_W->EndUpdate();
}

// ------------------------------------------------------------ the edit cycle

void TFOPC_UA_Client_Access::Var_Enter(TExtColumnGrid& Grid) {
    // A table left with its editor open (the focus went through a page tab)
    // is written back before the other one takes over; a table still
    // waiting keeps the server it was entered for.
    if (FEntered != nullptr && FEntered != &Grid && !Commit_Edits()) return;
    if (FEntered == nullptr) {
        Ind_Server = Selected_Server();
        FEntered = &Grid;
    }
}

void TFOPC_UA_Client_Access::Var_Exit(TExtColumnGrid& Grid) {
    // The focus moving into the table's own cell editor is no exit.
    if (Grid.EditMode() || FEntered != &Grid) return;
    // Leaving the table asks nothing: a table that cannot be written waits
    // for the action that needs it.
    Write_Back(false);
}

bool TFOPC_UA_Client_Access::Commit_Edits() {
    // A cell still being edited is part of the table: the click that takes
    // the focus from its editor must not lose it.
    if (FEntered == nullptr) return true;
    TExtColumnGrid& g = *FEntered;
    if (g.EditMode()) g.HideInplaceEdit();
    return !g.EditMode() && Write_Back(true);
}

bool TFOPC_UA_Client_Access::Take_Table(TExtColumnGrid& Grid) {
    if (FEntered != nullptr && FEntered != &Grid && !Commit_Edits()) return false;
    if (Grid.EditMode()) Grid.HideInplaceEdit();
    if (FEntered == nullptr) {
        Ind_Server = Selected_Server();
        FEntered = &Grid;
    }
    return true;
}

bool TFOPC_UA_Client_Access::Write_Back(bool Ask) {
    if (FEntered == nullptr) return true;
    TExtColumnGrid& g = *FEntered;
    const bool write = &g == ACG_OPC_UA_Var_W;
    if (Ind_Server >= 0 && Ind_Server < static_cast<int>(OPC_UA_Server_List.size())) {
        const int end = List_End(g);
        for (int r = 1; r < end; ++r) {
            if (Name_Space_Of(g.Cells(Col_Name_Space, r)) >= 0) continue;
            if (!Ask) return false;
            const int text = write ? Text_Write_Name_Space : Text_Read_Name_Space;
            MessageDlg(gw::CheckMessage(gw::CheckFailed(text, {Ind_Server + 1, r})), mtError, mbOK);
            Return_To(g, r, Col_Name_Space);
            return false;
        }
        bool drops = false;
        for (int r = end + 1; r < g.RowCount() && !drops; ++r) drops = Holds_Data(g, r, write);
        if (drops) {
            if (!Ask) return false;
            if (MessageDlg(Lang_Texts[Text_Rows_After_Name], mtConfirmation, mbYesNo) != mrYes) {
                Return_To(g, end, Col_Display_Name);
                return false;
            }
        }
        Save_Table(g, write);
        if (drops) {
            // The table shows what its server now holds.
            g.BeginUpdate();
            for (int r = end + 1; r < g.RowCount(); ++r) {
                g.SetCells(1, r, "Y");
                for (int c = Col_Display_Name; c < g.ColCount(); ++c) g.SetCells(c, r, "");
            }
            g.EndUpdate();
        }
    }
    Ind_Server = -1;
    FEntered = nullptr;
    return true;
}

void TFOPC_UA_Client_Access::Return_To(TExtColumnGrid& Grid, int Row, int Col) {
    PageControl1->SetActivePage(&Grid == ACG_OPC_UA_Var_W ? TS_OPC_UA_Var_Write : TS_OPC_UA_Var_Read);
    Grid.SetFocus();
    Grid.SetRow(Row);
    Grid.SetCol(Col);
}

void TFOPC_UA_Client_Access::Save_Variable_in_Read() { Save_Table(*ACG_OPC_UA_Var_R, false); }

void TFOPC_UA_Client_Access::Save_Variable_in_Write() { Save_Table(*ACG_OPC_UA_Var_W, true); }

void TFOPC_UA_Client_Access::Save_Table(TExtColumnGrid& Grid, bool Write) {
    if (Ind_Server < 0 || Ind_Server >= static_cast<int>(OPC_UA_Server_List.size())) return;
    TOPC_UA_Server& server = OPC_UA_Server_List[static_cast<size_t>(Ind_Server)];
    std::vector<TOPC_UA_Variable>& list = Write ? server.Var_List_W : server.Var_List_R;
    list.clear();
    // The list ends at the first row without a Display Name.
    for (int r = 1; r < Grid.RowCount() && !Grid.Cells(2, r).empty(); ++r) {
        TOPC_UA_Variable v = Node_Variable(Grid, r);
        // Columns 7 to 9 hold the array settings of a read variable, the
        // write conditions of a write variable.
        std::string* const middle[3] = {Write ? &v.OnChange : &v.VarArray, Write ? &v.OnCMD : &v.Start,
                                        Write ? &v.OnTimer : &v.Len};
        for (int c = 0; c < 3; ++c) *middle[c] = Grid.Cells(7 + c, r);
        if (!Write) v.OnChange = v.OnCMD = v.OnTimer = "N";
        v.Time = Grid.Cells(10, r);
        v.Position = Grid.Cells(11, r);
        v.Mnemonic = Grid.Cells(12, r);
        list.push_back(std::move(v));
    }
}

// ------------------------------------------------------------ buttons

// The row buttons change the table of the page shown and write it back
// when it can be: an inserted row is empty, and the rows below it wait for
// it to be filled rather than be dropped.
void TFOPC_UA_Client_Access::Btn_DelRowClick() {
    const int t = Active_Table();
    if (!Take_Table(Table_Grid(t))) return;
    const int row = Table_Grid(t).Row();
    if (MessageDlg(Lang_Texts[OPC_UA_Client_Member.Texts.Delete_Question] + std::to_string(row),
                   mtConfirmation, mbYesNo) == mrYes)
        shell::Grid_Delete_Row(row, Table_Grid(t));
    Write_Back(false);
}

void TFOPC_UA_Client_Access::Btn_InsRowClick() {
    if (!Take_Table(Table_Grid(Active_Table()))) return;
    TAccessTableForm::Btn_InsRowClick();
    Write_Back(false);
}

void TFOPC_UA_Client_Access::Btn_CopyRowClick() {
    if (!Take_Table(Table_Grid(Active_Table()))) return;
    TAccessTableForm::Btn_CopyRowClick();
    Write_Back(false);
}

void TFOPC_UA_Client_Access::Btn_PasteRowClick() {
    if (!Take_Table(Table_Grid(Active_Table()))) return;
    TAccessTableForm::Btn_PasteRowClick();
    Write_Back(false);
}

bool TFOPC_UA_Client_Access::Controllo_dati() {
    const gw::TCheckResult result = Controllo_Dati(OPC_UA_Server_List);
    if (result.Ok()) return true;
    MessageDlg(gw::CheckMessage(result), mtError, mbOK);
    return false;
}

void TFOPC_UA_Client_Access::Btn_OKClick() {
    if (!Commit_Edits() || !Controllo_dati()) return;
    // A file that could not be read is replaced only when the user says so.
    if (!FLoaded && MessageDlg(Lang_Texts[Text_Replace_Damaged_File], mtConfirmation, mbYesNo) != mrYes) return;
    std::string error;
    if (!Save_OPC_UA_Client(OPC_UA_Server_List, shell::OPC_UA_Client_File, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FLoaded = true;
    SetModalResult(mrOk);
}

void TFOPC_UA_Client_Access::Btn_AutoPositionClick() {
    if (!Commit_Edits()) return;
    const int s = Selected_Server();
    if (s < 0) return;
    if (MessageDlg(Lang_Texts[Text_Auto_Position], mtConfirmation, mbYesNo) != mrYes) return;
    const gw::TCheckResult past = Auto_Position(OPC_UA_Server_List, s);
    Show_OPC_UA_Var_List();
    // Said now, not first at OK: the positions do not fit the exchange area.
    if (!past.Ok()) MessageDlg(gw::CheckMessage(past), mtError, mbOK);
}

// ------------------------------------------------------------ servers

void TFOPC_UA_Client_Access::Add_Server() {
    if (FOPC_UA_Add_Server) {
        FOPC_UA_Add_Server->FormType = 1;
        if (FOPC_UA_Add_Server->ShowModal() == mrOk) {
            TOPC_UA_Server server;
            FOPC_UA_Add_Server->Take_Into(server);
            OPC_UA_Server_List.push_back(std::move(server));
        }
    }
    Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Modify_Server() {
    const int s = Selected_Server();
    if (s >= 0 && FOPC_UA_Add_Server) {
        FOPC_UA_Add_Server->FormType = 2;
        FOPC_UA_Add_Server->Fill_From(OPC_UA_Server_List[static_cast<size_t>(s)]);
        if (FOPC_UA_Add_Server->ShowModal() == mrOk)
            FOPC_UA_Add_Server->Take_Into(OPC_UA_Server_List[static_cast<size_t>(s)]);
    }
    Show_OPC_UA_Server_List();
}

void TFOPC_UA_Client_Access::Delete_Server() {
    const int s = Selected_Server();
    if (s < 0) return;
    if (MessageDlg(Lang_Texts[Text_Delete_Server], mtConfirmation, mbYesNoCancel) != mrYes) return;
    OPC_UA_Server_List.erase(OPC_UA_Server_List.begin() + s);
    Show_OPC_UA_Server_List();
    Show_OPC_UA_Var_List();
}

void TFOPC_UA_Client_Access::Scan_Server() {
    const int s = Selected_Server();
    if (s < 0) {
        MessageDlg(Lang_Texts[Text_No_Server], mtError, mbOK);
        return;
    }
    if (!FOPC_UA_Scan_Server) return;
    TOPC_UA_Server& server = OPC_UA_Server_List[static_cast<size_t>(s)];
    FOPC_UA_Scan_Server->Server = TOPC_UA_Scan_Request(
        server.ServerAddress, shell::Text_To_OPC_UA_Auth(server.Authorization), server.UserName, server.Password,
        server.Certificate, server.PrivateKey, shell::Text_To_OPC_UA_SecMode(server.SecurityType),
        shell::Text_To_OPC_UA_SecPolicy(server.SecurityPolicy));
    if (FOPC_UA_Scan_Server->ShowModal() != mrOk) return;
    const std::vector<TOPC_UA_Scan_Var>& found = FOPC_UA_Scan_Server->List_Var;
    if (!found.empty()) {
        TExtColumnGrid& ticks = *FOPC_UA_Scan_Server->ACG_OPC_UA_Scan_Var;
        const struct {
            std::vector<TOPC_UA_Variable>& list;
            int column;
            int question;
        } lists[] = {{server.Var_List_R, 1, Text_Append_Read}, {server.Var_List_W, 2, Text_Append_Write}};
        for (const auto& l : lists) {
            if (!l.list.empty()) {
                const TModalResult answer = MessageDlg(Lang_Texts[l.question], mtConfirmation, mbYesNoCancel);
                if (answer == mrNo)
                    l.list.clear();
                else if (answer != mrYes)
                    continue;
            }
            for (int r = 1; r < ticks.RowCount() && r <= static_cast<int>(found.size()); ++r)
                if (ticks.Cells(l.column, r) == "Y") l.list.push_back(Scanned_Variable(found[static_cast<size_t>(r - 1)]));
        }
    }
    Show_OPC_UA_Var_List();
}

}  // namespace proto
