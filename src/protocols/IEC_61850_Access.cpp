#include "protocols/IEC_61850_Access.h"

#include "base/Files.h"
#include "protocols/IEC_Client_Rows.h"
#include "protocols/IEC_Client_Tree.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ValueHelpers.h"

namespace proto {

using namespace plat;
using grid::TExtColumnGrid;
using shell::Lang_Texts;

TFIEC_61850_Access* FIEC_61850_Access = nullptr;

namespace {

const std::vector<std::string> Start_Bits = {"0", "1", "2", "3", "4", "5", "6", "7"};
const std::vector<std::string> Conversions = {"None", "ItoF/FtoI"};

const TTableDescription DA_Table = {
    .Grid = "ACG_DA",
    .Page = "TS_DA",
    .Columns = {Row_Number_Column(3218, 30),
                Text_Column(3219, "Index", 45, cgNone, 3236),
                Text_Column(3220, "bType", 90, cgNone, 3237),
                Text_Column(3221, "fc", 30, cgNone, 3238),
                Text_Column(3222, "Reference", 260, cgNone, 3239),
                Text_Column(3258, "StartByte", 70, cgPosition, 3260),
                Text_Column(3259, "NumByte", 70, cgPosition, 3261),
                Text_Column(3223, "IPAddress", 100, cgAddress, 3240),
                Text_Column(3224, "Port", 50, cgAddress, 3241),
                Check_Column(3225, "OnChange", 70, cgTiming, 3242),
                Check_Column(3226, "OnCMD", 60, cgTiming, 3243),
                Check_Column(3227, "OnTimer", 65, cgTiming, 3244),
                Text_Column(3228, "Time", 70, cgTiming, 3245),
                Text_Column(3229, "Position", 60, cgPosition, 3246),
                List_Column(3230, "StartBit", Start_Bits, 60, cgPosition, 3247),
                List_Column(3231, "ReadWrite", {"Read", "Write"}, 60, cgNone, 3248),
                List_Column(3232, "Convertion", Conversions, 80, cgNone, 3249),
                Text_Column(3233, "MoltFact", 65, cgNone, 3250),
                Text_Column(3234, "Mnemonic", 150, cgMnemonic, 3251)},
    .Rows = 1,
    .Events = teClickCell | teDblClickCell | teKeyPress | teGridHint,
    .Show_Hint = true};

// The two data-set grids keep the fixed headers below.
const TTableDescription DataSet_Table = {
    .Grid = "ACG_DataSet",
    .Page = "TS_DataSet",
    .Columns = {Row_Number_Column(0, 30),
                Text_Column(0, "Index", 45, cgNone, 0),
                Text_Column(0, "Reference", 220, cgNone, 0),
                Text_Column(0, "GooseName", 120, cgNone, 0),
                Check_Column(0, "EnGoose", 70, cgTiming, 0),
                Text_Column(0, "IPAddress", 100, cgAddress, 0),
                Text_Column(0, "Port", 50, cgAddress, 0),
                Text_Column(0, "Time", 70, cgTiming, 0),
                Text_Column(0, "Mnemonic", 150, cgMnemonic, 0)},
    .Rows = 1,
    .Events = teClickCell | teDblClickCell | teKeyPress};
const char* const DataSet_Headers[] = {"N", "Index", "Reference", "Goose Name", "En. Goose",
                                       "IP Address", "Port", "Time (ms)", "Mnemonic"};

const TTableDescription DS_Vars_Table = {
    .Grid = "ACG_DS_Vars",
    .Page = "TS_DataSet",
    .Columns = {Row_Number_Column(0, 30),
                Text_Column(0, "bType", 90, cgNone, 0),
                Text_Column(0, "Reference", 260, cgNone, 0),
                Text_Column(0, "Position", 60, cgPosition, 0),
                List_Column(0, "StartBit", Start_Bits, 60, cgPosition, 0),
                List_Column(0, "Convertion", Conversions, 80, cgNone, 0),
                Text_Column(0, "MoltFact", 65, cgNone, 0),
                Text_Column(0, "Mnemonic", 150, cgMnemonic, 0)},
    .Rows = 1,
    .Events = teClickCell | teDblClickCell | teKeyPress};
const char* const DS_Vars_Headers[] = {"N",          "bType",     "Reference", "Position",
                                       "Start Bit", "Convertion", "Mult Fact", "Mnemonic"};

constexpr int Text_Device_In_Use = 3268;
constexpr int Text_Replace_Damaged_File = 3269;

// The columns only the tree fills.
constexpr int DA_Read_Only[] = {DA_Col_bType, DA_Col_FC, DA_Col_Reference};
constexpr int DataSet_Read_Only[] = {DS_Col_Reference, DS_Col_GooseName};
constexpr int DS_Vars_Read_Only[] = {1, 2};

template <typename Row>
void Put_Rows(TExtColumnGrid& Grid, const std::vector<Row>& Rows) {
    Grid.BeginUpdate();
    Grid.SetRowCount(static_cast<int>(std::max<std::size_t>(Rows.size(), 1)) + 1);
    for (std::size_t r = 0; r < Rows.size(); ++r)
        for (std::size_t c = 0; c < Rows[r].size(); ++c)
            Grid.SetCells(static_cast<int>(c), static_cast<int>(r) + 1, Rows[r][c]);
    Grid.EndUpdate();
}

template <typename Row>
std::vector<Row> Get_Rows(TExtColumnGrid& Grid) {
    std::vector<Row> rows(static_cast<std::size_t>(std::max(Grid.RowCount() - 1, 1)));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            rows[r][c] = Grid.Cells(static_cast<int>(c), static_cast<int>(r) + 1);
    return rows;
}

}  // namespace

const TAccessMember IEC_61850_Client_Member = {
    .Class_Name = "TFIEC_61850_Access",
    .Client_Width = 1200,
    .Client_Height = 550,
    .Texts = {.Caption = 3200,
              .Desc = 3201,
              .Buttons = {3202, 3203, 0, 0, 0, 0},
              .Button_Hints = {3210, 3211, 0, 0, 0, 0},
              .Error_Row = Error_Row_Text,
              .Replace_Partial_File = Text_Replace_Damaged_File},
    .File = {.Root = "IEC_68850_Client", .Tables = {DA_Table, DataSet_Table, DS_Vars_Table}},
    .File_Path = &shell::IEC_61850_Client_File,
    .Page_Control = "PC_DA_DataSet"};

TFIEC_61850_Access::TFIEC_61850_Access(TComponent* AOwner)
    : TAccessTableForm(
          AOwner, IEC_61850_Client_Member,
          {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
           {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
           {"LB_IEC_DevicesClick", TNotifyEvent([this](TObject*) { LB_IEC_DevicesClick(); })},
           {"Btn_Add_IEC_DeviceClick", TNotifyEvent([this](TObject*) { Btn_Add_IEC_DeviceClick(); })},
           {"Btn_Remove_IEC_DeviceClick", TNotifyEvent([this](TObject*) { Btn_Remove_IEC_DeviceClick(); })},
           {"Btn_AddVarClick", TNotifyEvent([this](TObject*) { Btn_AddVarClick(); })},
           {"Btn_RemoveVarClick", TNotifyEvent([this](TObject*) { Btn_RemoveVarClick(); })}}) {}

void TFIEC_61850_Access::Bind_Contents() {
    LB_IEC_Devices = &LayoutComponent<TListBox>(*this, "LB_IEC_Devices");
    TV_IEC_Device = &LayoutComponent<TTreeView>(*this, "TV_IEC_Device");
    TS_DA = &LayoutComponent<TTabSheet>(*this, "TS_DA");
    TS_DataSet = &LayoutComponent<TTabSheet>(*this, "TS_DataSet");
    ACG_DA = Grids[0];
    ACG_DataSet = Grids[1];
    ACG_DS_Vars = Grids[2];
    Btn_AddVar = &LayoutComponent<TControl>(*this, "Btn_AddVar");
    Btn_RemoveVar = &LayoutComponent<TControl>(*this, "Btn_RemoveVar");
    Btn_MoveUp = &LayoutComponent<TControl>(*this, "Btn_MoveUp");
    Btn_ModeDown = &LayoutComponent<TControl>(*this, "Btn_ModeDown");
    Btn_Add_IEC_Device = &LayoutComponent<TControl>(*this, "Btn_Add_IEC_Device");
    Btn_Remove_IEC_Device = &LayoutComponent<TControl>(*this, "Btn_Remove_IEC_Device");
    OD_IcdFile = &LayoutComponent<TOpenDialog>(*this, "OD_IcdFile");

    TV_IEC_Device->SetImages(IEC_Node_Pictures());
    TV_IEC_Device->OnChange = [this](TObject*, TTreeNode*) { TV_IEC_DeviceClick(); };
    for (int c : DA_Read_Only) ACG_DA->Columns().Items(c).SetReadOnly(true);
    for (int c : DataSet_Read_Only) ACG_DataSet->Columns().Items(c).SetReadOnly(true);
    for (int c : DS_Vars_Read_Only) ACG_DS_Vars->Columns().Items(c).SetReadOnly(true);
    // A click on a data-set row shows its members below.
    ACG_DataSet->OnClickCell = [this](TObject*, int ARow, int ACol) { ClickCell(*ACG_DataSet, ARow, ACol); };
    ACG_DS_Vars->OnEditCellDone = [this](TObject*, int ACol, int ARow) { ACG_DS_VarsEditCellDone(ACol, ARow); };
}

TFIEC_61850_Access::~TFIEC_61850_Access() {
    // The tree's nodes go before the devices whose objects point at them.
    TV_IEC_Device->Clear();
    if (FIEC_61850_Access == this) FIEC_61850_Access = nullptr;
}

void TFIEC_61850_Access::Set_Lang() {
    TAccessTableForm::Set_Lang();
    const std::pair<TControl*, int> buttons[] = {{Btn_AddVar, 3204},         {Btn_RemoveVar, 3205},
                                                 {Btn_MoveUp, 3206},         {Btn_ModeDown, 3207},
                                                 {Btn_Add_IEC_Device, 3208}, {Btn_Remove_IEC_Device, 3209}};
    for (const auto& [button, text] : buttons) {
        button->SetCaption(Lang_Texts[text]);
        button->SetHint(Lang_Texts[text + 8]);
    }
    for (int c = 0; c < DS_Columns; ++c) ACG_DataSet->Columns().Items(c).SetHeader(DataSet_Headers[c]);
    for (int c = 0; c < 8; ++c) ACG_DS_Vars->Columns().Items(c).SetHeader(DS_Vars_Headers[c]);
}

// ------------------------------------------------------------ state <-> grids

void TFIEC_61850_Access::Grid_To_State() {
    State.Variables = Get_Rows<TIEC_DA_Row>(*ACG_DA);
    State.DataSets = Get_Rows<TIEC_DataSet_Row>(*ACG_DataSet);
    State.List_DataSet.resize(State.DataSets.size());
}

void TFIEC_61850_Access::State_To_Grid() {
    State.Set_Start_Num_Byte();
    Put_Rows(*ACG_DA, State.Variables);
    for (std::size_t r = 0; r < State.Variables.size(); ++r) {
        const bool fixed = r < State.Fixed_Bytes.size() && State.Fixed_Bytes[r];
        ACG_DA->SetReadOnly(DA_Col_StartByte, static_cast<int>(r) + 1, fixed);
        ACG_DA->SetReadOnly(DA_Col_NumByte, static_cast<int>(r) + 1, fixed);
    }
    Put_Rows(*ACG_DataSet, State.DataSets);
}

int TFIEC_61850_Access::Chosen_Device() const {
    const int index = LB_IEC_Devices->ItemIndex();
    return index >= 0 && index < static_cast<int>(State.List_IEC_Dev.size()) ? index : -1;
}

void TFIEC_61850_Access::Clear_Selection() {
    Selected_IEC_DA = nullptr;
    Selected_IEC_DS = nullptr;
}

// ------------------------------------------------------------ showing and OK

void TFIEC_61850_Access::FormShow() {
    DataSet_Row_Select = 0;
    Clear_Selection();
    TV_IEC_Device->Clear();
    std::vector<std::string> messages;
    FLoaded = State.Load(shell::IEC_61850_Client_File, ICD_Catalog_Folder(shell::Conf_Path), messages);
    State_To_Grid();
    Put_Rows(*ACG_DS_Vars, std::vector<std::array<std::string, 8>>{});
    Show_IEC_Devices();
    PageControl1->SetActivePageIndex(0);
    SetActiveControl(ACG_DA);
    if (!messages.empty()) {
        std::string text;
        for (const std::string& m : messages) text += (text.empty() ? "" : "\n") + m;
        MessageDlg(text, mtError, mbOK);
    }
}

void TFIEC_61850_Access::Btn_OKClick() {
    Grid_To_State();
    const TCheckOutcome outcome = proto::Controllo_dati(State.Variables, shell::Get_Decimal_Separator());
    if (!outcome.Ok()) {
        MessageDlg(Check_Message(Error_Row_Text, outcome), mtError, mbOK);
        return;
    }
    // A file that could not be read is replaced only when the user says so.
    if (!FLoaded &&
        MessageDlg(Lang_Texts[Text_Replace_Damaged_File], mtConfirmation, mbYesNo) != mrYes)
        return;
    std::string error;
    if (!Save_IEC_Client(State.To_File(), shell::IEC_61850_Client_File, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FLoaded = true;
    SetModalResult(mrOk);
}

// ------------------------------------------------------------ devices and tree

void TFIEC_61850_Access::Show_IEC_Devices() {
    TStrings& items = LB_IEC_Devices->Items();
    items.BeginUpdate();
    items.Clear();
    for (const auto& device : State.List_IEC_Dev) items.Add(device->fName);
    items.EndUpdate();
}

void TFIEC_61850_Access::LB_IEC_DevicesClick() {
    const int index = Chosen_Device();
    if (index < 0) return;
    Show_Tree_IEC_Device(*TV_IEC_Device, *State.List_IEC_Dev[static_cast<std::size_t>(index)]);
    Clear_Selection();
}

void TFIEC_61850_Access::TV_IEC_DeviceClick() {
    Clear_Selection();
    const int index = Chosen_Device();
    if (index < 0) return;
    const TIEC_Device& device = *State.List_IEC_Dev[static_cast<std::size_t>(index)];
    Selected_IEC_DA = Search_Node_Selected(device, TV_IEC_Device->Selected());
    if (!Selected_IEC_DA) Selected_IEC_DS = Search_Node_Selected_DataSet(device, TV_IEC_Device->Selected());
}

void TFIEC_61850_Access::Btn_Add_IEC_DeviceClick() {
    if (!OD_IcdFile->Execute()) return;
    const std::string source = OD_IcdFile->FileName;
    const std::string catalog = ICD_Catalog_Folder(shell::Conf_Path);
    const std::string target = Catalog_Target(source, catalog);
    bool copy = true;
    if (base::FileExists(target)) {
        const TModalResult answer = MessageDlg(
            "File already exists in catalog directory. Do you want to overwrite file?", mtConfirmation, mbYesNoCancel);
        if (answer != mrYes && answer != mrNo) return;
        copy = answer == mrYes;
    }
    std::string error;
    if (copy && !Copy_To_Catalog(source, catalog, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    if (!State.Add_Device(target, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    Show_IEC_Devices();
}

void TFIEC_61850_Access::Btn_Remove_IEC_DeviceClick() {
    const int index = Chosen_Device();
    if (index < 0) return;
    Grid_To_State();
    switch (State.Remove_Device(index)) {
        case TIEC_Client_State::In_Use:
            MessageDlg(Lang_Texts[Text_Device_In_Use], mtError, mbOK);
            return;
        case TIEC_Client_State::No_Device:
            return;
        case TIEC_Client_State::Removed:
            break;
    }
    // The tree showed a device of the list; its nodes may point into the
    // one just released.
    TV_IEC_Device->Clear();
    Clear_Selection();
    State_To_Grid();
    Show_IEC_Devices();
}

// ------------------------------------------------------------ variables and data sets

void TFIEC_61850_Access::Btn_AddVarClick() {
    const int device = Chosen_Device();
    if (device < 0 || (!Selected_IEC_DA && !Selected_IEC_DS)) return;
    Grid_To_State();
    int row = 0;
    if (Selected_IEC_DA) {
        PageControl1->SetActivePage(TS_DA);
        if (!State.Add_Variable(device, *Selected_IEC_DA, &row)) return;
        State_To_Grid();
        ACG_DA->SetRow(row);
    } else {
        PageControl1->SetActivePage(TS_DataSet);
        State.Add_DataSet(device, *Selected_IEC_DS, &row);
        State_To_Grid();
        ACG_DataSet->SetRow(row);
        Show_DataSet_DAs();
    }
}

void TFIEC_61850_Access::Btn_RemoveVarClick() {
    if (PageControl1->ActivePage() == TS_DA) {
        const int row = ACG_DA->Row();
        if (row < 1) return;
        Grid_To_State();
        State.Remove_Variable(row);
        State_To_Grid();
    } else {
        const int row = ACG_DataSet->Row();
        if (row < 1 || row > static_cast<int>(State.List_DataSet.size())) return;
        Grid_To_State();
        State.Remove_DataSet(row);
        State_To_Grid();
        Show_DataSet_DAs();
    }
}

void TFIEC_61850_Access::ClickCell(TExtColumnGrid& Grid, int ARow, int ACol) {
    if (ACol == 0 && ARow > 0) Grid.SelectRows(ARow, 1);
    if (&Grid == ACG_DataSet) Show_DataSet_DAs();
}

void TFIEC_61850_Access::Show_DataSet_DAs() {
    const int r = ACG_DataSet->Row();
    std::vector<std::array<std::string, 8>> rows;
    // Edits of the member grid belong to the data set it shows, wherever the
    // data-set grid's cursor has moved since.
    DataSet_Row_Select = 0;
    if (r >= 1 && r <= static_cast<int>(State.List_DataSet.size())) {
        DataSet_Row_Select = r;
        for (const TDataSet_DA& member : State.List_DataSet[static_cast<std::size_t>(r - 1)].List_DAs) {
            rows.push_back({std::to_string(rows.size() + 1), member.Select_DA->fbType, member.Select_DA->fReference,
                            member.Position, member.bitAddress, member.conversion, member.multFactor,
                            member.Mnemonic});
        }
    }
    if (rows.empty()) rows.emplace_back();  // one empty row: no members
    Put_Rows(*ACG_DS_Vars, rows);
}

void TFIEC_61850_Access::ACG_DS_VarsEditCellDone(int ACol, int ARow) {
    if (DataSet_Row_Select < 1 || DataSet_Row_Select > static_cast<int>(State.List_DataSet.size())) return;
    std::vector<TDataSet_DA>& members = State.List_DataSet[static_cast<std::size_t>(DataSet_Row_Select - 1)].List_DAs;
    if (ARow < 1 || ARow > static_cast<int>(members.size())) return;
    TDataSet_DA& member = members[static_cast<std::size_t>(ARow - 1)];
    std::string* const fields[] = {&member.Position, &member.bitAddress, &member.conversion, &member.multFactor,
                                   &member.Mnemonic};
    if (ACol >= 3 && ACol <= 7) *fields[ACol - 3] = ACG_DS_Vars->Cells(ACol, ARow);
}

}  // namespace proto
