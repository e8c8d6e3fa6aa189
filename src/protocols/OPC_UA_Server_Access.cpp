#include "protocols/OPC_UA_Server_Access.h"

#include "base/StrUtils.h"
#include "gateway/CheckResult.h"
#include "platform/Dialogs.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/RowHelpers.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFOPC_UA_Server_Access* FOPC_UA_Server_Access = nullptr;

namespace {

constexpr int Position_Limit = 2000;  // positions 0 .. 1999
constexpr int Text_Position = 4527;   // "Error row %d!! Position Must be Between 0 and %d"
constexpr int Text_Delete = 4528;     // "Are you sure to delete the Row number %d"
constexpr int Text_Replace_Damaged_File = 4540;
constexpr int Text_Rows_After_End = 4541;

bool Ticked(const std::string& Cell) { return Cell != "N"; }

// A swap box starts cleared and is stored as "N" then.
TTableColumn Swap_Column(int Header, const char* Attribute, int Hint) {
    TTableColumn column = Check_Column(Header, Attribute, 70, cgSwap, Hint);
    column.Init = "N";
    return column;
}

const TTableDescription Variables_Table = {
    .Grid = "ESG",
    .Section = "OPC_UA_Server_Variables",
    .Columns = {Row_Number_Column(4514, 40),
                Enable_Column(4515, 4521),
                List_Column(4516, "Type",
                            {"Boolean", "Signed Byte", "Byte", "Int16", "UInt16", "Int32", "UInt32", "Int64",
                             "UInt64", "Float", "Double", "String", "ByteString"},
                            120, cgAddress, 4522, false),
                Text_Column(4517, "Position", 70, cgPosition, 4523, false),
                List_Column(4531, "StartBit", {"0", "1", "2", "3", "4", "5", "6", "7"}, 70, cgPosition, 4535, false),
                Text_Column(4518, "Length", 70, cgPosition, 4524, false),
                Text_Column(4519, "Name", 200, cgTopic, 4525, false),
                List_Column(4529, "ReadWrite", {"Read Only", "Read/Write"}, 70, cgTopic, 4530, false),
                Swap_Column(4532, "Swap", 4536),
                Swap_Column(4533, "SwapWord", 4537),
                Swap_Column(4534, "SwapAll", 4538),
                Text_Column(4520, "Mnemonic", 200, cgMnemonic, 4526, false)},
    .Key_Column = OSV_Type,
    .Rows = 250,
    .Events = teGridHint,
    .Show_Hint = true};


}  // namespace

const TAccessMember OPC_UA_Server_Member = {
    .Class_Name = "TFOPC_UA_Server_Access",
    .Client_Width = 1200,
    .Client_Height = 337,
    .Texts = {.Caption = 4500,
              .Desc = 4501,
              .Buttons = {4502, 4503, 4504, 4505, 4506, 4507},
              .Button_Hints = {4508, 4509, 4510, 4511, 4512, 4513},
              .Delete_Question = Text_Delete,
              .Replace_Partial_File = Text_Replace_Damaged_File,
              .Rows_After_End = Text_Rows_After_End},
    .File = {.Root = "OPC_UA_Server", .Tables = {Variables_Table}},
    .File_Path = &shell::OPC_UA_Server_File,
    .Page_Control = nullptr};

std::string OPC_UA_Server_Type_Length(const std::string& Type) {
    static const std::pair<const char*, const char*> lengths[] = {
        {"Boolean", "1"}, {"Signed Byte", "1"}, {"Byte", "1"},   {"Int16", "2"},  {"UInt16", "2"},
        {"Int32", "4"},   {"UInt32", "4"},      {"Float", "4"},  {"Int64", "8"},  {"UInt64", "8"},
        {"Double", "8"},  {"String", "10"},     {"ByteString", "10"}};
    for (const auto& [type, length] : lengths)
        if (Type == type) return length;
    return {};
}

bool OPC_UA_Server_Length_Fixed(const std::string& Type) {
    const std::string length = OPC_UA_Server_Type_Length(Type);
    return !length.empty() && length != "10";
}

TCheckOutcome Check_OPC_UA_Server(const TTable& Rows) {
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TTableRow& row = Rows[i];
        if (base::Trim(row[OSV_Type]).empty() || row[OSV_Enable] != "Y") continue;
        if (!In_Range(row[OSV_Position], 0, Position_Limit - 1))
            return {0, static_cast<int>(i) + 1, Fault(Text_Position, Position_Limit)};
    }
    return {};
}

TFOPC_UA_Server_Access::TFOPC_UA_Server_Access(TComponent* AOwner)
    : TAccessTableForm(AOwner, OPC_UA_Server_Member, {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })}}) {}

void TFOPC_UA_Server_Access::Bind_Contents() {
    Table_Grid(0).OnComboChange = [this](TObject*, int ACol, int ARow, int, const std::string& Text) {
        if (ACol == OSV_Type && ARow > 0) VarSetLength(Text, ARow);
    };
}

TFOPC_UA_Server_Access::~TFOPC_UA_Server_Access() {
    if (FOPC_UA_Server_Access == this) FOPC_UA_Server_Access = nullptr;
}

void TFOPC_UA_Server_Access::FormShow() {
    TAccessTableForm::FormShow();
    Lock_Lengths();
}

void TFOPC_UA_Server_Access::Lock_Lengths() {
    grid::TExtColumnGrid& g = Table_Grid(0);
    for (int r = 1; r < g.RowCount(); ++r) g.SetReadOnly(OSV_Length, r, OPC_UA_Server_Length_Fixed(g.Cells(OSV_Type, r)));
}

void TFOPC_UA_Server_Access::VarSetLength(const std::string& Selection, int Row) {
    grid::TExtColumnGrid& g = Table_Grid(0);
    const std::string length = OPC_UA_Server_Type_Length(Selection);
    if (!length.empty()) {
        g.SetCells(OSV_Length, Row, length);
        g.SetReadOnly(OSV_Length, Row, OPC_UA_Server_Length_Fixed(Selection));
    }
    if (g.Cells(OSV_ReadWrite, Row).empty()) g.SetCells(OSV_ReadWrite, Row, "Read/Write");
}

void TFOPC_UA_Server_Access::After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) {
    const int loaded = Report.Loaded_Rows.empty() ? 0 : Report.Loaded_Rows[0];
    for (int i = 0; i < loaded; ++i) {
        TTableRow& row = Tables[0][static_cast<size_t>(i)];
        // A box is cleared only by an exact "N": files in the field hold
        // other spellings for a ticked box.
        for (int c : {OSV_Enable, OSV_Swap, OSV_SwapWord, OSV_SwapAll}) row[c] = Ticked(row[c]) ? "Y" : "N";
        // A stored Length wins over the Type's; a row without one takes it.
        if (row[OSV_Length].empty()) row[OSV_Length] = OPC_UA_Server_Type_Length(row[OSV_Type]);
    }
}

TCheckOutcome TFOPC_UA_Server_Access::Check_Tables(const std::vector<TTable>& Tables) {
    return Check_OPC_UA_Server(Tables[0]);
}

std::string TFOPC_UA_Server_Access::Check_Text(const TCheckOutcome& Outcome) const {
    return gw::CheckMessage(gw::CheckFailed(Outcome.Fault.Text, {Outcome.Row, static_cast<int>(*Outcome.Fault.Limit)}));
}

void TFOPC_UA_Server_Access::Btn_DelRowClick() {
    grid::TExtColumnGrid& g = Table_Grid(0);
    const int row = g.Row();
    if (MessageDlg(gw::CheckMessage(gw::CheckFailed(Text_Delete, {row})), mtConfirmation, mbYesNo) != mrYes) return;
    shell::Grid_Delete_Row(row, g);
    Lock_Lengths();
}

void TFOPC_UA_Server_Access::Btn_InsRowClick() {
    TAccessTableForm::Btn_InsRowClick();
    Lock_Lengths();
}

void TFOPC_UA_Server_Access::Btn_PasteRowClick() {
    TAccessTableForm::Btn_PasteRowClick();
    grid::TExtColumnGrid& g = Table_Grid(0);
    const int row = g.Row();
    // The pasted row's Length follows its Type, as if the Type had been picked.
    VarSetLength(g.Cells(OSV_Type, row), row);
}

}  // namespace proto
