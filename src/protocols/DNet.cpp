#include "protocols/DNet.h"

#include "shell/Comon.h"

namespace proto {

TFDNet* FDNet = nullptr;

namespace {

const TTableDescription DNet_Table = {
    .Grid = "ESG",
    .Columns = {Row_Number_Column(2914, 34), Text_Column(2915, "ID", 80, cgAddress, 2919),
                Text_Column(2916, "NB_IN", 100, cgPosition, 2920), Text_Column(2917, "NB_OUT", 100, cgPosition, 2921),
                Text_Column(2918, "Mnemonic", 300, cgMnemonic, 2922)},
    .Key_Column = 1,
    // A blank ID is no empty ID: the row is checked, and refused.
    .Key_Trimmed = false,
    .Enable_Column = -1,
    .Rows = DNet_Slaves,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

}  // namespace

const TAccessMember DNet_Member = {
    .Class_Name = "TFDNet",
    .Client_Width = 745,
    .Client_Height = 337,
    .Texts = {.Caption = 2900,
              .Desc = 2901,
              .Buttons = {2902, 2903, 2904, 2905, 2906, 2907},
              .Button_Hints = {2908, 2909, 2910, 2911, 2912, 2913},
              .Error_Row = 2923,
              .Delete_Question = 2927,
              .Replace_Partial_File = 2928,
              .Rows_After_End = 2929},
    .File = {.Root = "DNET_Net", .Tables = {DNet_Table}},
    .File_Path = &shell::DNETM_Net_File,
    .Page_Control = nullptr};

TCheckOutcome Check_DNet(const std::vector<TTable>& Tables) {
    return Check_Table(DNet_Table, Tables[0], 0, [](const TTableRow& Row) -> TRowFault {
        if (!In_Range(Row[1], 0, 63)) return Fault(2924);
        if (!In_Range(Row[2], 0, 65535)) return Fault(2925);
        if (!In_Range(Row[3], 0, 65535)) return Fault(2926);
        return {};
    });
}

TFDNet::~TFDNet() {
    if (FDNet == this) FDNet = nullptr;
}

}  // namespace proto
