#include "protocols/IEC61850_Variables.h"

#include "base/StrUtils.h"
#include "shell/Comon.h"
#include "shell/ValueHelpers.h"

namespace proto {

TFIEC61850_Variables* FIEC61850_Variables = nullptr;

namespace {

const TTableDescription Variables_Table = {
    .Grid = "ACG",
    .Columns = {Row_Number_Column(3314, 30),
                Enable_Column(3315, 3322),
                Text_Column(3316, "Name", 170, cgAddress, 3323, false),
                List_Column(3317, "Type", {"Int", "Float", "Digital (Bit)"}, 95, cgAddress, 3324, false),
                Text_Column(3318, "Length", 55, cgAddress, 3325, false),
                Check_Column(3319, "ReadOnly", 70, cgTiming, 3326),
                Text_Column(3320, "Position", 60, cgPosition, 3327, false),
                List_Column(3332, "StartBit", {"0", "1", "2", "3", "4", "5", "6", "7"}, 60, cgPosition, 3335,
                            false),
                List_Column(3333, "Conversion", {"None", "Int to Float", "Float to Int"}, 95, cgNone, 3336, false),
                {.Header = 3334, .Attribute = "MultiplicationFactor", .Editor = grid::edComboEdit,
                 .Items = {"None"}, .Width = 85, .Required = false, .Hint = 3337},
                Check_Column(3342, "Swap", 45, cgSwap, 3344),
                Check_Column(3343, "SwapWord", 75, cgSwap, 3345),
                Text_Column(3321, "Mnemonic", 250, cgMnemonic, 3328, false)},
    .Key_Column = iec_var::Name,
    .Rows = 50,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

constexpr int Error_Row = 3329;

}  // namespace

const TAccessMember IEC61850_Variables_Member = {
    .Class_Name = "TFIEC61850_Variables",
    .Client_Width = 1155,
    .Client_Height = 337,
    .Texts = {.Caption = 3300,
              .Desc = 3301,
              .Buttons = {3302, 3303, 3304, 3305, 3306, 3307},
              .Button_Hints = {3308, 3309, 3310, 3311, 3312, 3313},
              .Error_Row = Error_Row,
              .Delete_Question = 3331,
              .Replace_Partial_File = 3349,
              .Rows_After_End = 3350},
    .File = {.Root = "IEC61850_Variables", .Tables = {Variables_Table}},
    .File_Path = &shell::IEC61850_Variables_File,
    .Page_Control = nullptr};

TCheckOutcome Check_IEC61850_Variables(const std::vector<TTable>& Tables, char Separator) {
    using namespace iec_var;
    return Check_Table(Variables_Table, Tables[0], 0, [Separator](const TTableRow& row) -> TRowFault {
        if (!In_Range(row[Length], 1, 4)) return Fault(3341);
        if (!In_Range(row[Position], 0, IEC61850_Input_Bytes - 1)) return Fault(3330, IEC61850_Input_Bytes - 1);
        if (row[Type] == "Digital (Bit)" && base::Trim(row[Start_Bit]).empty()) return Fault(3338);
        if (base::Trim(row[Conversion]).empty()) return Fault(3339);
        float factor = 0;
        if (base::UpperCase(base::Trim(row[Molt_Factor])) != "NONE" &&
            !shell::Text_To_Real(row[Molt_Factor], Separator, factor))
            return Fault(3340);
        return {};
    });
}

TFIEC61850_Variables::TFIEC61850_Variables(plat::TComponent* AOwner)
    : TAccessTableForm(AOwner, IEC61850_Variables_Member) {}

TFIEC61850_Variables::~TFIEC61850_Variables() {
    if (FIEC61850_Variables == this) FIEC61850_Variables = nullptr;
}

TCheckOutcome TFIEC61850_Variables::Check_Tables(const std::vector<TTable>& Tables) {
    return Check_IEC61850_Variables(Tables, shell::Get_Decimal_Separator());
}

}  // namespace proto
