#include "protocols/EtherNetIP_EDS.h"

#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "protocols/AccessTableForm.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;

namespace {

const int Column_Widths[ecCount] = {100, 200, 100, 110, 120, 110, 120, 125, 125};

}  // namespace

std::string EDS_Cell_Text(const TConnData& Conn, int Row, TEdsColumn Column) {
    switch (Column) {
        case ecConnection: return "Connection" + std::to_string(Row);
        case ecName: return Conn.ConnName;
        case ecHelp: return Conn.HelpStr;
        case ecInstanceOT: return std::to_string(Conn.InstanceOT);
        case ecPointOT: return std::to_string(Conn.ConnPointOT);
        case ecInstanceTO: return std::to_string(Conn.InstanceTO);
        case ecPointTO: return std::to_string(Conn.ConnPointTO);
        case ecHeaderOT: return Conn.DimHeaderOT == 4 ? "Default" : std::to_string(Conn.DimHeaderOT);
        case ecHeaderTO: return Conn.DimHeaderTO == 0 ? "Default" : std::to_string(Conn.DimHeaderTO);
        case ecCount: break;
    }
    return {};
}

TFEtherNEtIP_EDS::TFEtherNEtIP_EDS(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Access_Table_Controls();
    LoadLayoutWhenNeeded("TFEtherNEtIP_EDS",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"TCloseTimer", TNotifyEvent([this](TObject*) { TCloseTimer(); })}},
                         [this] {
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             ACG = &LayoutComponent<grid::TExtColumnGrid>(*this, "ACG");
                             Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
                             TClose = &LayoutComponent<TTimer>(*this, "TClose");
                             ACG->BeginUpdate();
                             ACG->SetColCount(ecCount);
                             ACG->SetFixedCols(0);
                             ACG->SetRowCount(2);
                             ACG->SetOptions((ACG->Options() - TGridOptions{goEditing}) +
                                             TGridOptions{goRowSelect, goColSizing});
                             for (int c = 0; c < ecCount; ++c) {
                                 grid::TGridColumnItem& item = ACG->Columns().Items(c);
                                 item.SetWidth(Column_Widths[c]);
                                 item.SetReadOnly(true);
                                 if (c == ecHeaderOT || c == ecHeaderTO) {
                                     item.SetEditor(grid::edComboEdit);
                                     item.ComboItems().Clear();
                                     item.ComboItems().Add("Default");
                                 }
                             }
                             ACG->EndUpdate();
                         });
}

TFEtherNEtIP_EDS::~TFEtherNEtIP_EDS() {
    if (FEtherNEtIP_EDS == this) FEtherNEtIP_EDS = nullptr;
}

void TFEtherNEtIP_EDS::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientWidth(1150);
    SetClientHeight(337);
    Set_Lang();
}

void TFEtherNEtIP_EDS::Set_Lang() {
    SetCaption(Lang_Texts[5000]);
    L_SW_Desc->SetCaption(Lang_Texts[5001]);
    Btn_OK->SetCaption(Lang_Texts[5002]);
    Btn_Cancel->SetCaption(Lang_Texts[5003]);
    Btn_OK->SetHint(Lang_Texts[5004]);
    Btn_Cancel->SetHint(Lang_Texts[5005]);
    for (int c = 0; c < ecCount; ++c) ACG->Columns().Items(c).SetHeader(Lang_Texts[5006 + c]);
}

void TFEtherNEtIP_EDS::FormShow() {
    List_Conn = Load_EDS_Connections(EDS_FileName);
    ShowDatainGrid();
}

void TFEtherNEtIP_EDS::ShowDatainGrid() {
    ACG->BeginUpdate();
    ACG->SetRowCount(2);
    for (int c = 0; c < ecCount; ++c) ACG->SetCells(c, 1, "");
    if (List_Conn.empty()) {
        ACG->EndUpdate();
        // The window is shown first, so the message stands over it.
        TClose->SetEnabled(true);
        return;
    }
    ACG->SetRowCount(static_cast<int>(List_Conn.size()) + 1);
    for (size_t i = 0; i < List_Conn.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        for (int c = 0; c < ecCount; ++c)
            ACG->SetCells(c, row, EDS_Cell_Text(List_Conn[i], row, static_cast<TEdsColumn>(c)));
    }
    ACG->SetRow(1);
    // The list has no fixed column: it starts at the connection number.
    ACG->SetLeftCol(0);
    ACG->EndUpdate();
}

void TFEtherNEtIP_EDS::TCloseTimer() {
    TClose->SetEnabled(false);
    MessageDlg(Lang_Texts[5015], mtError, mbOK);
    SetModalResult(mrCancel);
}

}  // namespace proto
