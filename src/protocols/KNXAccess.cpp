#include "protocols/KNXAccess.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "shell/Comon.h"
#include "shell/ValueHelpers.h"

namespace proto {

TFKNXAccess* FKNXAccess = nullptr;

namespace {

enum { kcEnable = 1, kcSource, kcDest, kcAPCI, kcPriority, kcFormat, kcFactor, kcExtended, kcReTest, kcOnCMD,
       kcOnChange, kcOnTimer, kcPoll, kcPosition, kcBitMode, kcLength, kcTimeOut, kcMnemonic };

const std::vector<std::string> Priorities = {"System", "Urgent", "Normal", "Low"};

const TTableDescription KNX_Table = {
    .Grid = "ACG_KNX_in_Write",
    .Section = "KNX_in_Write",
    .Columns = {Row_Number_Column(5314, 40),
                Enable_Column(5315, 5331),
                Text_Column(5316, "Source_Address", 80, cgAddress, 5332),
                Text_Column(5317, "Destination_Address", 80, cgAddress, 5333),
                {.Header = 5318, .Attribute = "APCI", .Editor = grid::edComboEdit, .Items = {"Read", "Write"},
                 .Width = 60, .Group = cgAddress, .Hint = 5334},
                {.Header = 5319, .Attribute = "Priority", .Editor = grid::edComboList, .Items = Priorities,
                 .Width = 64, .Group = cgAddress, .Required = false, .Default = "Normal", .Hint = 5335},
                {.Header = 5320, .Attribute = "Format", .Editor = grid::edComboList,
                 .Items = {"None", "Swap16", "Swap32", "Swap All", "Int to Float", "Float to Int",
                           "Float16 to Float32", "Float16 to Int"},
                 .Width = 110, .Group = cgSwap, .Required = false, .Default = "None", .Hint = 5336},
                Text_Column(5361, "MultiplicationFactor", 70, cgSwap, 5363, /*Required*/ false),
                Check_Column(5321, "Extended", 60, cgAddress, 5337, true),
                Check_Column(5322, "ReTest", 56, cgAddress, 5338, true),
                Check_Column(5323, "On_Command", 60, cgTiming, 5340, false),
                Check_Column(5324, "On_Change", 66, cgTiming, 5341, true),
                Check_Column(5325, "On_Timer", 60, cgTiming, 5342, false),
                Text_Column(5326, "Poll_Time", 66, cgTiming, 5343),
                Position_Column(5327, "Position", 60, 5344, KNX_Data_Bytes),
                List_Column(5328, "Bit_Mode", {"No", "0", "1", "2", "3", "4", "5", "6", "7"}, 60, cgPosition, 5345),
                Text_Column(5329, "Length", 50, cgPosition, 5346),
                {.Header = 5362, .Attribute = "TimeOut", .Width = 96, .Group = cgTiming, .Required = false,
                 .Default = "0", .Hint = 5364},
                Text_Column(5330, "Mnemonic", 150, cgMnemonic, 5347)},
    .Key_Column = kcSource,
    .Rows = 1024,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true};

bool Upper_Is(const std::string& Cell, const char* Word) {
    return base::UpperCase(base::Trim(Cell)) == Word;
}

bool Two_Dotted_Parts(const std::string& Text) {
    return std::count(Text.begin(), Text.end(), '.') == 1;
}

TRowFault Check_KNX_Row(const TTableRow& Row, char Separator) {
    if (!KNX_Individual_Address_Valid(base::Trim(Row[kcSource]))) return Fault(5349);
    const std::string dest = base::Trim(Row[kcDest]);
    if (dest.find('.') == std::string::npos) {
        if (!KNX_Group_Address_Valid(dest)) return Fault(5351);
    } else if (!KNX_Individual_Address_Valid(dest)) {
        return Fault(5350);
    }
    if (!Upper_Is(Row[kcAPCI], "READ") && !Upper_Is(Row[kcAPCI], "WRITE") && !In_Range(Row[kcAPCI], 0, 1023))
        return Fault(5352);
    if (std::find(Priorities.begin(), Priorities.end(), Row[kcPriority]) == Priorities.end()) return Fault(5353);
    if (base::Trim(Row[kcFormat]).empty()) return Fault(5354);
    if (const std::string factor = base::Trim(Row[kcFactor]); !factor.empty()) {
        float value = 0;
        if (!shell::Text_To_Real(factor, Separator, value)) return Fault(5365);
    }
    if (Upper_Is(Row[kcOnTimer], "Y") && !In_Range(Row[kcPoll], 1, 100000000)) return Fault(5355);
    if (!In_Range(Row[kcPosition], 0, KNX_Data_Bytes - 1)) return Fault(5356, KNX_Data_Bytes - 1);
    const bool whole_bytes = Upper_Is(Row[kcBitMode], "NO");
    if (!whole_bytes && !In_Range(Row[kcBitMode], 0, 7)) return Fault(5357);
    const bool extended = Upper_Is(Row[kcExtended], "Y");
    const int limit = whole_bytes ? (extended ? 255 : 14) : (extended ? 2040 : 112);
    if (!In_Range(Row[kcLength], 1, limit)) return Fault(5358, limit);
    const int length = Cell_Number(Row[kcLength]);
    const int used = whole_bytes ? length : (length + Cell_Number(Row[kcBitMode]) + 7) / 8;
    if (Cell_Number(Row[kcPosition]) + used > KNX_Data_Bytes) return Fault(5359, KNX_Data_Bytes);
    if (!In_Range(Row[kcTimeOut], 0, 100000000)) return Fault(5366);
    return {};
}

}  // namespace

const TAccessMember KNX_Access_Member = {
    .Class_Name = "TFKNXAccess",
    .Client_Width = 1250,
    .Client_Height = 337,
    .Texts = Block_Texts(5300, 5348, 5360, 5367, 5368),
    .File = {.Root = "BACnet_to_KNX", .Tables = {KNX_Table}},
    .File_Path = &shell::KNX_SetAccess_File,
    .Page_Control = nullptr};

bool KNX_Individual_Address_Valid(const std::string& Text) {
    // "1.20" names no line and no device for certain: refused rather than
    // sent to a device the user did not mean.
    if (Two_Dotted_Parts(Text)) return false;
    return shell::Check_KNX_Address(Text, false, true) == 0;
}

bool KNX_Group_Address_Valid(const std::string& Text) {
    return shell::Check_KNX_Address(Text, true, true) == 0;
}

TCheckOutcome Check_KNX_Tables(const std::vector<TTable>& Tables, char Decimal_Separator) {
    return Check_Table(KNX_Table, Tables[0], 0,
                       [&](const TTableRow& Row) { return Check_KNX_Row(Row, Decimal_Separator); });
}

TFKNXAccess::~TFKNXAccess() {
    if (FKNXAccess == this) FKNXAccess = nullptr;
}

TCheckOutcome TFKNXAccess::Check_Tables(const std::vector<TTable>& Tables) {
    // The factor is converted with the program's own number format: both
    // "." and "," must read as its decimal separator, whatever the region
    // says, or a factor typed either way would be refused.
    return Check_KNX_Tables(Tables, base::DecimalSeparator());
}

void TFKNXAccess::After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) {
    // The list offers four priorities; any other text from a file, a
    // different letter case included, is the usual one.
    const int loaded = Report.Loaded_Rows.empty() ? 0 : Report.Loaded_Rows[0];
    for (int r = 0; r < loaded && r < static_cast<int>(Tables[0].size()); ++r) {
        std::string& priority = Tables[0][static_cast<size_t>(r)][kcPriority];
        if (std::find(Priorities.begin(), Priorities.end(), priority) == Priorities.end()) priority = "Normal";
    }
}

}  // namespace proto
