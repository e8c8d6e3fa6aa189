#include "protocols/DMXDefVal.h"

#include <algorithm>

#include "base/StrUtils.h"
#include "platform/Dialogs.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ProjectXmlFile.h"

namespace proto {

TFDMXDefVal* FDMXDefVal = nullptr;

namespace {

const TTableDescription DMX_Table = {
    .Grid = "ACG_DMX_Def_Val",
    .Columns = {Row_Number_Column(3106, 60),
                {.Header = 3107, .Attribute = "Default_Value", .Width = 100, .Group = cgPosition, .Init = "0",
                 .Required = false, .Default = "0", .Hint = 3109},
                Text_Column(3108, "Mnemonic", 260, cgMnemonic, 3110, false)},
    .Key_Column = -1,
    .Enable_Column = -1,
    .Rows = DMX_Max_Channels,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Clear_Other_Hints = true};

}  // namespace

const TAccessMember DMX_Member = {
    .Class_Name = "TFDMXDefVal",
    .Client_Width = 475,
    .Client_Height = 337,
    .Texts = {.Caption = 3100,
              .Desc = 3101,
              .Buttons = {3102, 3103},
              .Button_Hints = {3104, 3105},
              .Error_Row = 3111,
              .Replace_Partial_File = 3113},
    .File = {.Root = "DMX_Default_Values", .Tables = {DMX_Table}, .Row_Element = "Row"},
    .File_Path = &shell::DMX_Default_Values_File,
    .Page_Control = nullptr};

int Read_DMX_Num_Channels(const std::string& ParGen_Path, std::string* Error) {
    plat::TXmlDocument doc;
    if (shell::Load_Project_XML(doc, ParGen_Path, Error) != shell::TXmlLoad::Loaded) return DMX_Max_Channels;
    const plat::TXmlNode key = doc.Root().FindNode("DMX_Num_Channels");
    if (key.IsNull()) return DMX_Max_Channels;
    // A table of millions of rows, or of fewer than none, is no universe.
    return std::clamp(base::StrToIntDef(key.Text(), DMX_Max_Channels), 0, DMX_Max_Channels);
}

TCheckOutcome Check_DMX(const std::vector<TTable>& Tables) {
    return Check_Table(DMX_Table, Tables[0], 0, [](const TTableRow& Row) -> TRowFault {
        if (!In_Range(Row[1], 0, 255)) return Fault(3112);
        return {};
    });
}

void TFDMXDefVal::Show_Prepare() {
    std::string error;
    FChannels = Read_DMX_Num_Channels(shell::ParGen_File, &error);
    if (!error.empty()) plat::MessageDlg(error, plat::mtError, plat::mbOK);
}

int TFDMXDefVal::Shown_Rows(int) const {
    return FChannels;
}

int TFDMXDefVal::Read_Rows(int) const {
    return DMX_Max_Channels;
}

void TFDMXDefVal::After_Load(std::vector<TTable>& Tables, const TLoadReport&) {
    TTable& rows = Tables[0];
    FLeft_Out_Values = false;
    for (size_t i = static_cast<size_t>(FChannels); i < rows.size() && !FLeft_Out_Values; ++i)
        FLeft_Out_Values = Cell_Number(rows[i][1]) != 0 || !base::Trim(rows[i][2]).empty();
    rows.resize(static_cast<size_t>(FChannels));
}

bool TFDMXDefVal::Confirm_Save(const std::vector<TTable>&) {
    return !FLeft_Out_Values ||
           plat::MessageDlg(shell::Lang_Texts[3114], plat::mtConfirmation, plat::mbYesNo) == plat::mrYes;
}

TFDMXDefVal::~TFDMXDefVal() {
    if (FDMXDefVal == this) FDMXDefVal = nullptr;
}

}  // namespace proto
