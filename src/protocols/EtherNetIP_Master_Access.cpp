#include "protocols/EtherNetIP_Master_Access.h"

#include "base/StrUtils.h"
#include "platform/Forms.h"
#include "protocols/EtherNetIP_EDS.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;

namespace {

// Columns of the rule table.
enum { mcEnable = 1, mcIP, mcStartIn, mcNumIn, mcStartOut, mcNumOut, mcPoll, mcInstanceTO, mcPointTO,
       mcInstanceOT, mcPointOT, mcHeaderTO, mcHeaderOT, mcMnemonic };

// A text cell; a file row without the attribute leaves it empty.
TTableColumn Optional_Text(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint) {
    return Text_Column(Header, Attribute, Width, Group, Hint, /*Required*/ false);
}

// "Default" stands for the adapter's usual real-time format.
TTableColumn Header_Format(int Header, const char* Attribute, int Hint) {
    return {.Header = Header, .Attribute = Attribute, .Editor = grid::edComboEdit, .Items = {"Default"},
            .Width = 110, .Group = cgAddress, .Required = false, .Default = "Default", .Hint = Hint};
}

const TTableDescription Rule_Table = {
    .Grid = "ACG",
    .Columns = {Row_Number_Column(4914, 30),
                // A file row without Enable is a disabled rule.
                {.Header = 4915, .Attribute = "Enable", .Editor = grid::edDataCheckBox, .Width = 50,
                 .Group = cgEnable, .Init = "Y", .Required = false, .Default = "N", .Hint = 4923},
                Optional_Text(4916, "IP_Address", 110, cgAddress, 4924),
                Optional_Text(4917, "Start_Input", 70, cgPosition, 4925),
                Optional_Text(4918, "Num_Input", 70, cgPosition, 4926),
                Optional_Text(4919, "Start_Output", 76, cgPosition, 4927),
                Optional_Text(4920, "Num_Output", 76, cgPosition, 4928),
                Optional_Text(4921, "Time_Poll", 66, cgTiming, 4929),
                Optional_Text(4941, "Instance_T_O", 86, cgAddress, 4943),
                Optional_Text(4947, "Connection_Point_T_O", 100, cgAddress, 4949),
                Optional_Text(4942, "Instance_O_T", 86, cgAddress, 4944),
                Optional_Text(4948, "Connection_Point_O_T", 100, cgAddress, 4950),
                Header_Format(4953, "Dim_Header_T_O", 4955),
                Header_Format(4954, "Dim_Header_O_T", 4956),
                Optional_Text(4922, "Mnemonic", 150, cgMnemonic, 4930)},
    .Key_Column = mcIP,
    .Enable_Upper = true,
    .Enable_First = true,
    .Rows = 10,
    .Events = teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true};

bool Header_Format_Valid(const std::string& Cell) {
    return base::UpperCase(base::Trim(Cell)) == "DEFAULT" || In_Range(Cell, 0, 7);
}

}  // namespace

const TAccessMember EtherNetIP_Master_Member = {
    .Class_Name = "TFEtherNetIP_Master_Access",
    .Client_Width = 1180,
    .Client_Height = 337,
    .Texts = Block_Texts(4900, 4931, 4940, 4961, 4962),
    .File = {.Root = "EtherNetIP_Master_Access", .Tables = {Rule_Table}},
    .File_Path = &shell::EtherNetIP_Master_Rules_File,
    .Page_Control = nullptr};

TCheckOutcome Check_EtherNetIP_Master_Tables(const std::vector<TTable>& Tables) {
    long long input = 0, output = 0;
    const TCheckOutcome o = Check_Table(Rule_Table, Tables[0], 0, [&](const TTableRow& Row) -> TRowFault {
        std::string ip1, ip2, ip3, ip4;
        if (!shell::Split_IP_Address(Row[mcIP], ip1, ip2, ip3, ip4)) return Fault(4932);
        if (!In_Range(Row[mcStartIn], 0, 65535)) return Fault(4933);
        if (!In_Range(Row[mcNumIn], 0, 65535)) return Fault(4934);
        if (!In_Range(Row[mcStartOut], 0, 65535)) return Fault(4935);
        if (!In_Range(Row[mcNumOut], 0, 65535)) return Fault(4936);
        if (!In_Range(Row[mcPoll], 1, 100000000)) return Fault(4937);
        if (!In_Range(Row[mcInstanceTO], 0, 65535)) return Fault(4945);
        if (!In_Range(Row[mcPointTO], 0, 65535)) return Fault(4951);
        if (!In_Range(Row[mcInstanceOT], 0, 65535)) return Fault(4946);
        if (!In_Range(Row[mcPointOT], 0, 65535)) return Fault(4952);
        if (!Header_Format_Valid(Row[mcHeaderTO])) return Fault(4957);
        if (!Header_Format_Valid(Row[mcHeaderOT])) return Fault(4958);
        input += Cell_Number(Row[mcNumIn]);
        output += Cell_Number(Row[mcNumOut]);
        return {};
    });
    if (!o.Ok()) return o;
    if (input > EtherNetIP_Master_Bytes) return TCheckOutcome{0, 0, Fault(4938, EtherNetIP_Master_Bytes)};
    if (output > EtherNetIP_Master_Bytes) return TCheckOutcome{0, 0, Fault(4939, EtherNetIP_Master_Bytes)};
    return {};
}

int First_Free_Import_Row(const TTable& Rows) {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (base::Trim(Rows[i][mcIP]).empty() && base::Trim(Rows[i][mcInstanceTO]).empty())
            return static_cast<int>(i) + 1;
    return 0;
}

TFEtherNetIP_Master_Access::TFEtherNetIP_Master_Access(TComponent* AOwner)
    : TAccessTableForm(AOwner, EtherNetIP_Master_Member,
                       {{"Btn_Import_EDSClick", TNotifyEvent([this](TObject*) { Btn_Import_EDSClick(); })}}) {
    OD_EDS = new TOpenDialog(this);
    OD_EDS->Filter = "EtherNet/IP EDS (*.eds)|*.eds";
}

void TFEtherNetIP_Master_Access::Bind_Contents() {
    Btn_Import_EDS = &LayoutComponent<TControl>(*this, "Btn_Import_EDS");
}

TFEtherNetIP_Master_Access::~TFEtherNetIP_Master_Access() {
    if (FEtherNetIP_Master_Access == this) FEtherNetIP_Master_Access = nullptr;
}

void TFEtherNetIP_Master_Access::Set_Lang() {
    TAccessTableForm::Set_Lang();
    Btn_Import_EDS->SetCaption(Lang_Texts[4959]);
    Btn_Import_EDS->SetHint(Lang_Texts[4960]);
}

TCheckOutcome TFEtherNetIP_Master_Access::Check_Tables(const std::vector<TTable>& Tables) {
    return Check_EtherNetIP_Master_Tables(Tables);
}

std::string TFEtherNetIP_Master_Access::Check_Text(const TCheckOutcome& Outcome) const {
    // The totals concern no single row.
    if (Outcome.Row == 0) return Lang_Texts[Outcome.Fault.Text] + std::to_string(*Outcome.Fault.Limit);
    return TAccessTableForm::Check_Text(Outcome);
}

void TFEtherNetIP_Master_Access::Btn_Import_EDSClick() {
    if (FEtherNEtIP_EDS == nullptr || !OD_EDS->Execute()) return;
    FEtherNEtIP_EDS->EDS_FileName = OD_EDS->FileName;
    if (FEtherNEtIP_EDS->ShowModal() != mrOk) return;
    std::vector<TTable> tables = Grid_Tables();
    const int row = First_Free_Import_Row(tables[0]);
    if (row == 0) return;
    grid::TExtColumnGrid& list = *FEtherNEtIP_EDS->ACG;
    const int picked = list.Row();
    const std::pair<int, TEdsColumn> copies[] = {{mcInstanceTO, ecInstanceTO}, {mcPointTO, ecPointTO},
                                                 {mcInstanceOT, ecInstanceOT}, {mcPointOT, ecPointOT},
                                                 {mcHeaderTO, ecHeaderTO},     {mcHeaderOT, ecHeaderOT}};
    for (const auto& [to, from] : copies) Table_Grid(0).SetCells(to, row, list.Cells(from, picked));
}

}  // namespace proto
