#include "gateway/LoRaWAN_Gateway.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Files.h"
#include "gateway/CheckResult.h"
#include "gateway/GatewayControls.h"
#include "gateway/LoRaWANCheck.h"
#include "gateway/LoRaWANFile.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/RowHelpers.h"

namespace gw {

using namespace plat;
using grid::TExtColumnGrid;
using grid::TExtStringGrid;
using shell::Lang_Texts;

TFLoRaWAN_Gateway* FLoRaWAN_Gateway = nullptr;

namespace {

constexpr int Client_Width = 1150;
constexpr int Client_Height = 660;
constexpr int Device_Col_Count = 14;
constexpr int Rule_Col_Count = 11;
constexpr int Act_Method_Col = 5;
constexpr int Net_Sess_Key_Col = 6;
constexpr int App_Sess_Key_Col = 7;
constexpr int App_Key_Col = 8;
constexpr int Class_Col = 10;
constexpr int RX2_Col = 12;
constexpr int Text_Replace_Partial_File = 5517;
constexpr int Text_Exit_Unsaved = 5519;

struct TColumnSpec {
    int header;  // text number
    int width;
    TColor color;  // clNone: the grid's own
    bool check;    // a check box ("Y"/"N" in the rule tables)
};

const TColumnSpec Device_Columns[Device_Col_Count] = {
    {5418, 40, clNone, false},
    {5419, 50, RGB(255, 216, 176), true},
    {5420, 80, RGB(224, 250, 254), false},
    {5421, 60, RGB(224, 250, 254), false},
    {5422, 80, RGB(224, 250, 254), false},
    {5423, 120, RGB(255, 255, 168), false},
    {5424, 140, RGB(255, 255, 168), false},
    {5425, 150, RGB(255, 255, 168), false},
    {5426, 100, RGB(255, 255, 168), false},
    {5427, 100, RGB(168, 255, 168), false},
    {5428, 60, RGB(252, 214, 244), false},
    {5429, 100, RGB(213, 213, 255), false},
    {5515, 100, RGB(255, 222, 145), false},
    {5430, 120, clWhite, false},
};

const TColumnSpec UpLink_Columns[Rule_Col_Count] = {
    {5443, 40, clNone, false},
    {5444, 50, RGB(255, 216, 176), true},
    {5445, 70, RGB(255, 255, 168), false},
    {5446, 70, RGB(255, 255, 168), false},
    {5447, 70, RGB(255, 255, 168), false},
    {5448, 30, RGB(255, 255, 168), true},
    {5449, 230, RGB(255, 255, 168), false},
    {5450, 70, RGB(224, 250, 254), false},
    {5451, 90, RGB(224, 250, 254), false},
    {5452, 80, RGB(252, 214, 244), false},
    {5453, 310, clWhite, false},
};

const TColumnSpec DownLink_Columns[Rule_Col_Count] = {
    {5464, 40, clNone, false},
    {5465, 50, RGB(255, 216, 176), true},
    {5466, 70, RGB(255, 255, 168), false},
    {5467, 70, RGB(224, 250, 254), false},
    {5468, 90, RGB(224, 250, 254), false},
    {5469, 68, RGB(168, 255, 168), true},
    {5470, 52, RGB(168, 255, 168), true},
    {5471, 60, RGB(168, 255, 168), true},
    {5472, 80, RGB(168, 255, 168), false},
    {5473, 80, RGB(252, 214, 244), false},
    {5474, 450, clWhite, false},
};

// The grids are not among the kinds the lower layers register; this window
// is the first to lay them out from a file.
void Register_LoRaWAN_Controls() {
    Register_Gateway_Controls();
    if (!LayoutClassRegistered("TExtStringGrid"))
        RegisterLayoutClass("TExtStringGrid", "TCustomControl",
                            [](TComponent* o) { return new TExtStringGrid(o); });
    if (!LayoutClassRegistered("TExtColumnGrid"))
        RegisterLayoutClass("TExtColumnGrid", "TExtStringGrid",
                            [](TComponent* o) { return new TExtColumnGrid(o); });
}

void Set_Rule_Columns(TExtColumnGrid& g, const TColumnSpec (&cols)[Rule_Col_Count]) {
    g.SetColCount(Rule_Col_Count);
    g.SetRowCount(Rule_Rows + 1);
    for (int c = 0; c < Rule_Col_Count; ++c) {
        grid::TGridColumnItem& item = g.Columns().Items(c);
        item.SetWidth(cols[c].width);
        if (cols[c].color != clNone) item.SetColor(cols[c].color);
        if (cols[c].check) {
            item.SetEditor(grid::edDataCheckBox);
            item.SetCheckTrue("Y");
            item.SetCheckFalse("N");
            item.SetAlignment(taCenter);
        }
    }
}

// Rows 1 and up: the row number, "Y" in Enable, "N" in the other check
// columns and nothing elsewhere.
void Clear_Rule_Table(TExtColumnGrid& g, const TColumnSpec (&cols)[Rule_Col_Count]) {
    g.BeginUpdate();
    for (int r = 1; r < g.RowCount(); ++r) {
        g.SetCells(0, r, std::to_string(r));
        for (int c = 1; c < Rule_Col_Count; ++c) g.SetCells(c, r, cols[c].check ? (c == 1 ? "Y" : "N") : "");
    }
    g.EndUpdate();
}

void Put_Rule_Rows(TExtColumnGrid& g, const std::vector<TRuleRow>& rows) {
    g.BeginUpdate();
    for (size_t i = 0; i < rows.size() && static_cast<int>(i) + 1 < g.RowCount(); ++i)
        for (int c = 1; c < Rule_Col_Count && c - 1 < static_cast<int>(rows[i].size()); ++c)
            g.SetCells(c, static_cast<int>(i) + 1, rows[i][static_cast<size_t>(c - 1)]);
    g.EndUpdate();
}

// Read-only key cells show the button face instead of their column's
// colour, so the user sees at once which keys the method asks for.
constexpr TColor Read_Only_Key_Color = clBtnFace;

// The hexadecimal digits of an identifier or key column; 0 for the others.
int Hex_Column_Length(int col) {
    switch (col) {
        case 2:
        case 3: return 16;
        case Net_Sess_Key_Col:
        case App_Sess_Key_Col:
        case App_Key_Col: return 32;
        case 9: return 8;
        default: return 0;
    }
}

// The texts a column is made for: the identifiers and keys in full, every
// entry of a list column. None for the columns of free text.
std::vector<std::string> Column_Samples(int col, const std::vector<std::string>& rx2) {
    if (const int hex = Hex_Column_Length(col)) return {std::string(static_cast<size_t>(hex), 'D')};
    switch (col) {
        case Act_Method_Col: return Act_Meth_SL();
        case Class_Col: return Class_SL();
        case RX2_Col: return rx2;
        default: return {};
    }
}

// Each column is as wide as its header and the widest text it is made for
// at the platform's font, and never narrower than its designed width: a
// larger font must not cut a header or a key short, and a list column shows
// its longest entry whole, with room for the list's button while it is open.
void Fit_Columns(TExtStringGrid& g, const TColumnSpec* cols, int count, const std::vector<std::string>* rx2) {
    TBitmap measure(1, 1);
    TCanvas& canvas = measure.Canvas();
    const int margin = 14;
    const int list_button = 20;
    for (int c = 1; c < count; ++c) {
        canvas.Font().Assign(g.FixedFont());
        int wanted = canvas.TextWidth(g.Cells(c, 0)) + margin;
        if (rx2 != nullptr) {
            const bool list = c == Act_Method_Col || c == Class_Col || c == RX2_Col;
            canvas.Font().Assign(g.Font());
            for (const std::string& sample : Column_Samples(c, *rx2))
                wanted = std::max(wanted, canvas.TextWidth(sample) + margin + (list ? list_button : 0));
        }
        g.SetColWidths(c, std::max(cols[c].width, wanted));
    }
}

std::string Row_Question(int text, int row) {
    return CheckMessage(CheckFailed(text, {row}));
}

}  // namespace

TFLoRaWAN_Gateway::TFLoRaWAN_Gateway(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_LoRaWAN_Controls();
    LoadLayoutWhenNeeded(
        "TFLoRaWAN_Gateway",
        {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
         {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
         {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
         {"Btn_CancelClick", TNotifyEvent([this](TObject*) { Btn_CancelClick(); })},
         {"Btn_DelRowClick", TNotifyEvent([this](TObject*) { Btn_DelRowClick(); })},
         {"Btn_InsRowClick", TNotifyEvent([this](TObject*) { Btn_InsRowClick(); })},
         {"Btn_CopyRowClick", TNotifyEvent([this](TObject*) { Btn_CopyRowClick(); })},
         {"Btn_PasteRowClick", TNotifyEvent([this](TObject*) { Btn_PasteRowClick(); })},
         {"Grid_Enter", TNotifyEvent([this](TObject* s) { Grid_Enter(s); })},
         {"Grid_Exit", TNotifyEvent([this](TObject* s) { Grid_Exit(s); })}},
        [this] {
            P_Title = &Ctl<TPanel>("P_Title");
            L_SW_Code = &Ctl<TLabel>("L_SW_Code");
            L_SW_Desc = &Ctl<TLabel>("L_SW_Desc");
            P_Button = &Ctl<TPanel>("P_Button");
            Btn_OK = &Ctl<TControl>("Btn_OK");
            Btn_Cancel = &Ctl<TControl>("Btn_Cancel");
            Btn_DelRow = &Ctl<TControl>("Btn_DelRow");
            Btn_InsRow = &Ctl<TControl>("Btn_InsRow");
            Btn_CopyRow = &Ctl<TControl>("Btn_CopyRow");
            Btn_PasteRow = &Ctl<TControl>("Btn_PasteRow");
            PLoRaWAN_Device_List = &Ctl<TPanel>("PLoRaWAN_Device_List");
            LLoRaWAN_Device_List_Title = &Ctl<TLabel>("LLoRaWAN_Device_List_Title");
            ESG_LoRaWAN_Device_List = &Ctl<TExtStringGrid>("ESG_LoRaWAN_Device_List");
            Splitter1 = &Ctl<TSplitter>("Splitter1");
            PLoRaWAN_Rules_List = &Ctl<TPanel>("PLoRaWAN_Rules_List");
            LLoRaWAN_Rules_List_Title = &Ctl<TLabel>("LLoRaWAN_Rules_List_Title");
            PC_LoRaWAN_Device_Rules_List = &Ctl<TPageControl>("PC_LoRaWAN_Device_Rules_List");
            TS_LoRaWAN_Uplink_Rules_List = &Ctl<TTabSheet>("TS_LoRaWAN_Uplink_Rules_List");
            TS_LoRaWAN_Downlink_Rules_List = &Ctl<TTabSheet>("TS_LoRaWAN_Downlink_Rules_List");
            ACG_LoRaWAN_Uplink = &Ctl<TExtColumnGrid>("ACG_LoRaWAN_Uplink");
            ACG_LoRaWAN_Downlink = &Ctl<TExtColumnGrid>("ACG_LoRaWAN_Downlink");
            // The splitter moves the edge between the two tables, up and down.
            Splitter1->SetCursor(crSizeNS);

            TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
            dev.OnSelectCell = [this](TObject*, int c, int r, bool& can) { Device_SelectCell(c, r, can); };
            dev.OnGetEditorType = [this](TObject*, int c, int r, grid::TEditorType& e) {
                Device_GetEditorType(c, r, e);
            };
            dev.OnComboChange = [this](TObject*, int c, int r, int, const std::string& text) {
                Device_ComboChange(c, r, text);
            };
        });
}

TFLoRaWAN_Gateway::~TFLoRaWAN_Gateway() {
    if (FLoRaWAN_Gateway == this) FLoRaWAN_Gateway = nullptr;
}

void TFLoRaWAN_Gateway::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(Client_Width);
    SetClientHeight(Client_Height);
    Init_Table();
    Set_Lang();
    FRX2_SL = RX2_SL("");
}

void TFLoRaWAN_Gateway::Set_Lang() {
    SetCaption(Lang_Texts[5400]);
    L_SW_Desc->SetCaption(Lang_Texts[5401]);
    const std::pair<TControl*, int> buttons[] = {{Btn_OK, 5402},      {Btn_Cancel, 5403},
                                                 {Btn_DelRow, 5404},  {Btn_InsRow, 5405},
                                                 {Btn_CopyRow, 5406}, {Btn_PasteRow, 5407}};
    for (const auto& [button, text] : buttons) {
        button->SetCaption(Lang_Texts[text]);
        button->SetHint(Lang_Texts[text + 6]);
    }
    LLoRaWAN_Device_List_Title->SetCaption(Lang_Texts[5414]);
    LLoRaWAN_Rules_List_Title->SetCaption(Lang_Texts[5415]);
    // The captions go by place, not by table: an end node shows its tables
    // the other way round.
    PC_LoRaWAN_Device_Rules_List->Pages(0)->SetCaption(Lang_Texts[5416]);
    PC_LoRaWAN_Device_Rules_List->Pages(1)->SetCaption(Lang_Texts[5417]);
    for (int c = 0; c < Device_Col_Count; ++c)
        ESG_LoRaWAN_Device_List->SetCells(c, 0, Lang_Texts[Device_Columns[c].header]);
    for (int c = 0; c < Rule_Col_Count; ++c) {
        ACG_LoRaWAN_Uplink->Columns().Items(c).SetHeader(Lang_Texts[UpLink_Columns[c].header]);
        ACG_LoRaWAN_Downlink->Columns().Items(c).SetHeader(Lang_Texts[DownLink_Columns[c].header]);
    }
}

void TFLoRaWAN_Gateway::Init_Table() {
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    dev.SetColCount(Device_Col_Count);
    dev.SetRowCount(Device_Rows + 1);
    dev.SetOptions(dev.Options() + TGridOptions{goEditing});
    // Devices and rules are typed field after field: Tab goes on to the next
    // cell instead of leaving the table after the first one.
    for (TExtStringGrid* g : {static_cast<TExtStringGrid*>(&dev), static_cast<TExtStringGrid*>(ACG_LoRaWAN_Uplink),
                              static_cast<TExtStringGrid*>(ACG_LoRaWAN_Downlink)})
        g->SetOptions(g->Options() + TGridOptions{goTabs});
    for (TExtStringGrid* g :
         {static_cast<TExtStringGrid*>(&dev), static_cast<TExtStringGrid*>(ACG_LoRaWAN_Uplink),
          static_cast<TExtStringGrid*>(ACG_LoRaWAN_Downlink)})
    {
        // A double click on a header fits the column only where a window
        // asks for it on the user's option; this one does not.
        g->MouseActions().SetAutoSizeColOnDblClick(false);
        // Every value of these tables is one field of one line: a line
        // break would only hide the rest of it in its cell.
        g->Navigation().SetAllowCtrlEnter(false);
    }
    dev.BeginUpdate();
    for (int c = 0; c < Device_Col_Count; ++c) dev.SetColWidths(c, Device_Columns[c].width);
    for (int r = 1; r <= Device_Rows; ++r) {
        dev.SetCells(0, r, std::to_string(r));
        for (int c = 1; c < Device_Col_Count; ++c) dev.SetColors(c, r, Device_Columns[c].color);
        dev.SetAlignments(1, r, taCenter);
    }
    dev.AddCheckBoxColumn(1, false, false);
    dev.EndUpdate();

    Set_Rule_Columns(*ACG_LoRaWAN_Uplink, UpLink_Columns);
    Set_Rule_Columns(*ACG_LoRaWAN_Downlink, DownLink_Columns);
    for (TExtColumnGrid* g : {ACG_LoRaWAN_Uplink, ACG_LoRaWAN_Downlink})
        for (int r = 1; r < g->RowCount(); ++r) g->SetCells(0, r, std::to_string(r));
}

bool TFLoRaWAN_Gateway::Is_a_Master() {
    if (!base::FileExists(shell::ParGen_File)) return true;
    if (!XML1.LoadFromFile(shell::ParGen_File)) return true;
    const TXmlNode mode = XML1.Root().FindNode("LoRaWAN_Mode");
    if (mode.IsNull()) return true;
    const std::string text = mode.Text();
    return Is_Master_Mode(&text);
}

void TFLoRaWAN_Gateway::Arrange_Pages() {
    PLoRaWAN_Device_List->SetVisible(FModel.ModeMaster());
    Splitter1->SetVisible(FModel.ModeMaster());
    // An end node sends what a gateway's downlink rules describe and
    // receives what its uplink rules describe: the downlink table comes
    // first, under the uplink caption.
    TTabSheet* first = FModel.ModeMaster() ? TS_LoRaWAN_Uplink_Rules_List : TS_LoRaWAN_Downlink_Rules_List;
    if (PC_LoRaWAN_Device_Rules_List->Pages(0) != first) {
        TTabSheet* second = PC_LoRaWAN_Device_Rules_List->Pages(0);
        second->SetPageControl(nullptr);
        second->SetPageControl(PC_LoRaWAN_Device_Rules_List);
    }
    PC_LoRaWAN_Device_Rules_List->Pages(0)->SetCaption(Lang_Texts[5416]);
    PC_LoRaWAN_Device_Rules_List->Pages(1)->SetCaption(Lang_Texts[5417]);
    PC_LoRaWAN_Device_Rules_List->SetActivePageIndex(0);
}

void TFLoRaWAN_Gateway::Load_Configuration() {
    std::string band;
    if (base::FileExists(shell::ParGen_File) && XML1.LoadFromFile(shell::ParGen_File))
        band = XML1.Root().FindNode("LoRaWAN_RF_Band").Text();
    FRX2_SL = RX2_SL(band);

    const bool master = Is_a_Master();
    TLoRaWANConfig config;
    std::string error;
    FLoaded_Clean = LoadLoRaWAN(shell::LoRaWAN_Gateway_File, master, config, &error);
    if (!FLoaded_Clean) {
        // What was read before the fault is shown; the file itself stays as
        // it is unless the user saves with OK.
        MessageDlg(error, mtError, mbOK);
    }
    FModel.Load(master, config.Devices);
    FLoaded = FModel.Configuration();
}

void TFLoRaWAN_Gateway::FormShow() {
    // Every row of the three tables is written below from the records, so
    // the tables need no clearing of their own first.
    Load_Configuration();
    Arrange_Pages();
    Fit_Columns(*ESG_LoRaWAN_Device_List, Device_Columns, Device_Col_Count, &FRX2_SL);
    Fit_Columns(*ACG_LoRaWAN_Uplink, UpLink_Columns, Rule_Col_Count, nullptr);
    Fit_Columns(*ACG_LoRaWAN_Downlink, DownLink_Columns, Rule_Col_Count, nullptr);
    // The records' current device is the first; the table follows.
    FMovingRow = true;
    ESG_LoRaWAN_Device_List->SetCol(1);
    ESG_LoRaWAN_Device_List->SetRow(1);
    ESG_LoRaWAN_Device_List->SetTopRow(1);
    FMovingRow = false;
    Show_Data_Devices_Table();
    Show_Rules(FModel.Show_Rules_Data());
    FLast_Grid = Grid_Devices;
    DoCopy_Dev = DoCopy_Up = DoCopy_Down = false;
    // The focus starts in a table, never on a row button, so a stray Enter
    // or Space on opening cannot delete or insert a device.
    if (ESG_LoRaWAN_Device_List->Visible()) SetActiveControl(ESG_LoRaWAN_Device_List);
    else SetActiveControl(ACG_LoRaWAN_Uplink);
}

void TFLoRaWAN_Gateway::Clear_Rules_Tables() {
    Clear_Rule_Table(*ACG_LoRaWAN_Uplink, UpLink_Columns);
    Clear_Rule_Table(*ACG_LoRaWAN_Downlink, DownLink_Columns);
}

void TFLoRaWAN_Gateway::Apply_Key_Cells(int ARow, const std::string& ActMethod) {
    const TKeyCells keys = Key_Cells(ActMethod);
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    const std::pair<int, bool> cells[] = {{Net_Sess_Key_Col, keys.sessionKeysEditable},
                                          {App_Sess_Key_Col, keys.sessionKeysEditable},
                                          {App_Key_Col, keys.appKeyEditable}};
    for (const auto& [col, editable] : cells) {
        dev.SetReadOnly(col, ARow, !editable);
        dev.SetColors(col, ARow, editable ? Device_Columns[col].color : Read_Only_Key_Color);
    }
}

void TFLoRaWAN_Gateway::Show_Data_Devices_Table() {
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    dev.BeginUpdate();
    for (int r = 1; r <= Device_Rows; ++r) {
        const TDeviceLoRa& d = FModel.Device(r - 1);
        dev.SetCheckBoxState(1, r, d.Enable);
        for (int c = 0; c < Device_Text_Columns; ++c) dev.SetCells(c + 2, r, d.*Device_Text_Fields[c].text);
        Apply_Key_Cells(r, d.ActMethod);
    }
    dev.EndUpdate();
}

void TFLoRaWAN_Gateway::Show_Rules(const TLoRaWANModel::TShownRules& Rules) {
    Clear_Rules_Tables();
    Put_Rule_Rows(*ACG_LoRaWAN_Uplink, Rules.upLink);
    Put_Rule_Rows(*ACG_LoRaWAN_Downlink, Rules.downLink);
}

std::vector<TDeviceRow> TFLoRaWAN_Gateway::Device_Table_Rows() const {
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    std::vector<TDeviceRow> rows(static_cast<size_t>(Device_Rows));
    for (int r = 1; r <= Device_Rows; ++r) {
        TDeviceRow& row = rows[static_cast<size_t>(r - 1)];
        bool state = false;
        row.enable = dev.GetCheckBoxState(1, r, state) && state;
        row.texts.reserve(Device_Text_Columns);
        for (int c = 2; c < Device_Col_Count; ++c) row.texts.push_back(dev.Cells(c, r));
    }
    return rows;
}

std::vector<TRuleRow> TFLoRaWAN_Gateway::Rule_Rows(TExtColumnGrid& Grid) const {
    std::vector<TRuleRow> rows;
    rows.reserve(static_cast<size_t>(Grid.RowCount() - 1));
    for (int r = 1; r < Grid.RowCount(); ++r) {
        TRuleRow row;
        row.reserve(Rule_Columns);
        for (int c = 1; c < Rule_Col_Count; ++c) row.push_back(Grid.Cells(c, r));
        rows.push_back(std::move(row));
    }
    return rows;
}

void TFLoRaWAN_Gateway::Save_Device_List() {
    FModel.Save_Device_List(Device_Table_Rows());
}

void TFLoRaWAN_Gateway::Save_UpLink_Rules_List() {
    FModel.Save_UpLink_Rules_List(Rule_Rows(*ACG_LoRaWAN_Uplink));
}

void TFLoRaWAN_Gateway::Save_DownLink_Rules_List() {
    FModel.Save_DownLink_Rules_List(Rule_Rows(*ACG_LoRaWAN_Downlink));
}

void TFLoRaWAN_Gateway::Store_All() {
    Save_Device_List();
    Save_UpLink_Rules_List();
    Save_DownLink_Rules_List();
}

void TFLoRaWAN_Gateway::Grid_Enter(TObject* Sender) {
    if (Sender == ESG_LoRaWAN_Device_List)
        FLast_Grid = Grid_Devices;
    else if (Sender == ACG_LoRaWAN_Uplink)
        FLast_Grid = Grid_UpLink;
    else if (Sender == ACG_LoRaWAN_Downlink)
        FLast_Grid = Grid_DownLink;
}

void TFLoRaWAN_Gateway::Grid_Exit(TObject* Sender) {
    if (Sender == ESG_LoRaWAN_Device_List)
        Save_Device_List();
    else if (Sender == ACG_LoRaWAN_Uplink)
        Save_UpLink_Rules_List();
    else if (Sender == ACG_LoRaWAN_Downlink)
        Save_DownLink_Rules_List();
}

void TFLoRaWAN_Gateway::Device_SelectCell(int, int ARow, bool& CanSelect) {
    if (!CanSelect || FMovingRow || ARow == ESG_LoRaWAN_Device_List->Row()) return;
    // Whether the row moves by mouse or by keyboard, the rule tables still
    // hold the rules of the device being left: they go back into that
    // device before the new device's rules are shown.
    Show_Rules(FModel.Current_Device_Changed(ARow, Rule_Rows(*ACG_LoRaWAN_Uplink),
                                             Rule_Rows(*ACG_LoRaWAN_Downlink)));
}

void TFLoRaWAN_Gateway::Device_GetEditorType(int ACol, int ARow, grid::TEditorType& AEditor) {
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    // Identifiers and keys are hexadecimal of a fixed length: their cells
    // take no other character and no more of them, typed or pasted. The
    // limits are the grid's, so only the cell being edited sets them.
    const int hexLength = Hex_Column_Length(ACol);
    if (ACol == dev.Col() && ARow == dev.Row()) {
        dev.SetMaxEditLength(hexLength);
        dev.SetValidChars(hexLength > 0 ? "0123456789ABCDEFabcdef" : "");
    }
    if (hexLength > 0) {
        AEditor = grid::edValidChars;
        return;
    }
    const std::vector<std::string>* items = nullptr;
    if (ACol == Act_Method_Col)
        items = &Act_Meth_SL();
    else if (ACol == Class_Col)
        items = &Class_SL();
    else if (ACol == RX2_Col)
        items = &FRX2_SL;
    if (items == nullptr) return;
    AEditor = grid::edComboList;
    dev.ClearComboString();
    for (const std::string& s : *items) dev.AddComboString(s);
}

void TFLoRaWAN_Gateway::Device_ComboChange(int ACol, int ARow, const std::string& Text) {
    if (ACol != Act_Method_Col) return;
    Apply_Key_Cells(ARow, Text);
    ESG_LoRaWAN_Device_List->Invalidate();
}

bool TFLoRaWAN_Gateway::Check_Data() {
    const TCheckResult result =
        FModel.ModeMaster() ? gw::Check_Data(FModel.Devices()) : Check_End_Node(FModel.Devices());
    if (result.Ok()) return true;
    MessageDlg(CheckMessage(result), mtError, mbOK);
    Go_To_Failure(result);
    return false;
}

void TFLoRaWAN_Gateway::Go_To_Failure(const TCheckResult& Result) {
    const TCheckPlace place = Check_Place(Result.text);
    if (place.table == Check_Table_None || Result.args.empty()) return;
    TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
    // The rule tables show the failing device's rules, numbered as the
    // message numbers them.
    const int device = Result.args[0];
    if (FModel.ModeMaster() && device >= 1 && device <= Device_Rows && device != dev.Row()) {
        Show_Rules(FModel.Current_Device_Changed(device, Rule_Rows(*ACG_LoRaWAN_Uplink),
                                                 Rule_Rows(*ACG_LoRaWAN_Downlink)));
        FMovingRow = true;
        dev.SetRow(device);
        FMovingRow = false;
    }
    TExtStringGrid* grid = &dev;
    int row = device;
    if (place.table != Check_Table_Devices) {
        const bool up = place.table == Check_Table_UpLink;
        PC_LoRaWAN_Device_Rules_List->SetActivePage(up ? TS_LoRaWAN_Uplink_Rules_List
                                                       : TS_LoRaWAN_Downlink_Rules_List);
        grid = up ? static_cast<TExtStringGrid*>(ACG_LoRaWAN_Uplink) : ACG_LoRaWAN_Downlink;
        row = Result.args.size() > 1 ? Result.args[1] : 1;
    }
    if (row < 1 || row >= grid->RowCount() || !grid->Visible()) return;
    grid->SetRow(row);
    grid->SetCol(place.column);
    if (grid->CanFocus()) grid->SetFocus();
    else SetActiveControl(grid);
}

void TFLoRaWAN_Gateway::Btn_CancelClick() {
    Store_All();
    // As the parameter window does: only changes are worth a question.
    if (FModel.Configuration() != FLoaded &&
        MessageDlg(Lang_Texts[Text_Exit_Unsaved], mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    SetModalResult(mrCancel);
}

void TFLoRaWAN_Gateway::Btn_OKClick() {
    Store_All();
    // The records hold the rules without the empty rows between them: the
    // table shows them so, so that a check message's rule number is the
    // row the user sees.
    Show_Rules(FModel.Show_Rules_Data());
    if (!Check_Data()) return;
    // The tables show only what could be read; saving them replaces the
    // whole file, the unread part included.
    if (!FLoaded_Clean &&
        MessageDlg(Lang_Texts[Text_Replace_Partial_File], mtConfirmation, mbYesNo) != mrYes)
        return;
    std::string error;
    if (!SaveLoRaWAN(FModel.Configuration(), shell::LoRaWAN_Gateway_File, &error)) {
        // The old file is untouched and the window keeps the user's tables,
        // so the save can be tried again.
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FLoaded_Clean = true;
    SetModalResult(mrOk);
}

void TFLoRaWAN_Gateway::Btn_DelRowClick() {
    Store_All();
    switch (FLast_Grid) {
        case Grid_Devices: {
            const int row = ESG_LoRaWAN_Device_List->Row();
            if (MessageDlg(Row_Question(3346, row), mtConfirmation, mbYesNo) != mrYes) return;
            shell::Grid_Delete_Row_Check(row, *ESG_LoRaWAN_Device_List, true);
            // The row helper leaves every cell of the emptied last row
            // editable; without a method it is a personalized device.
            Apply_Key_Cells(Device_Rows, "");
            Show_Rules(FModel.Delete_Device(row));
            Save_Device_List();
            break;
        }
        case Grid_UpLink: {
            const int row = ACG_LoRaWAN_Uplink->Row();
            if (MessageDlg(Row_Question(3347, row), mtConfirmation, mbYesNo) != mrYes) return;
            shell::Grid_Delete_Row(row, *ACG_LoRaWAN_Uplink);
            Save_UpLink_Rules_List();
            break;
        }
        case Grid_DownLink: {
            const int row = ACG_LoRaWAN_Downlink->Row();
            if (MessageDlg(Row_Question(3348, row), mtConfirmation, mbYesNo) != mrYes) return;
            shell::Grid_Delete_Row(row, *ACG_LoRaWAN_Downlink);
            Save_DownLink_Rules_List();
            break;
        }
    }
}

void TFLoRaWAN_Gateway::Btn_InsRowClick() {
    Store_All();
    switch (FLast_Grid) {
        case Grid_Devices: {
            const int row = ESG_LoRaWAN_Device_List->Row();
            if (!shell::Grid_Insert_Row_Check(row, *ESG_LoRaWAN_Device_List, true)) return;
            Apply_Key_Cells(row, "");
            Show_Rules(FModel.Insert_Device(row));
            Save_Device_List();
            break;
        }
        case Grid_UpLink:
            if (shell::Grid_Insert_Row(ACG_LoRaWAN_Uplink->Row(), *ACG_LoRaWAN_Uplink, true))
                Save_UpLink_Rules_List();
            break;
        case Grid_DownLink:
            if (shell::Grid_Insert_Row(ACG_LoRaWAN_Downlink->Row(), *ACG_LoRaWAN_Downlink, true))
                Save_DownLink_Rules_List();
            break;
    }
}

void TFLoRaWAN_Gateway::Btn_CopyRowClick() {
    switch (FLast_Grid) {
        case Grid_Devices:
            shell::Grid_Copy_Row_Check(*ESG_LoRaWAN_Device_List, ESG_LoRaWAN_Device_List->Row());
            break;
        case Grid_UpLink:
            shell::Grid_Copy_Row(*ACG_LoRaWAN_Uplink, ACG_LoRaWAN_Uplink->Row());
            break;
        case Grid_DownLink:
            shell::Grid_Copy_Row(*ACG_LoRaWAN_Downlink, ACG_LoRaWAN_Downlink->Row());
            break;
    }
    DoCopy_Dev = FLast_Grid == Grid_Devices;
    DoCopy_Up = FLast_Grid == Grid_UpLink;
    DoCopy_Down = FLast_Grid == Grid_DownLink;
}

void TFLoRaWAN_Gateway::Btn_PasteRowClick() {
    Store_All();
    switch (FLast_Grid) {
        case Grid_Devices: {
            TExtStringGrid& dev = *ESG_LoRaWAN_Device_List;
            const int row = dev.Row();
            shell::Grid_Paste_Row_Check(dev, row, DoCopy_Dev);
            // The pasted method decides which key cells take input, as if
            // it had been picked in the row.
            Apply_Key_Cells(row, dev.Cells(Act_Method_Col, row));
            dev.Invalidate();
            Save_Device_List();
            break;
        }
        case Grid_UpLink:
            shell::Grid_Paste_Row(*ACG_LoRaWAN_Uplink, ACG_LoRaWAN_Uplink->Row(), DoCopy_Up);
            Save_UpLink_Rules_List();
            break;
        case Grid_DownLink:
            shell::Grid_Paste_Row(*ACG_LoRaWAN_Downlink, ACG_LoRaWAN_Downlink->Row(), DoCopy_Down);
            Save_DownLink_Rules_List();
            break;
    }
}

}  // namespace gw
