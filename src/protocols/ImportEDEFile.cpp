#include "protocols/ImportEDEFile.h"

#include "gateway/GatewayControls.h"
#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "protocols/EDEImport.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/ShellControls.h"

namespace proto {

using namespace plat;
using shell::Lang_Texts;

TFImportEDEFile* FImportEDEFile = nullptr;

namespace {

constexpr int Col_Count = 9;
constexpr int Layout_Rows = 512;

struct TImportColumn {
    int width;
    bool check;
    TColor color;
};

const TImportColumn Import_Columns[Col_Count] = {
    {32, false, clNone},
    {50, true, RGB(168, 255, 168)},
    {40, true, RGB(168, 255, 168)},
    {40, true, RGB(168, 255, 168)},
    {150, false, RGB(224, 250, 254)},
    {85, false, RGB(224, 250, 254)},
    {60, false, RGB(224, 250, 254)},
    {150, false, RGB(224, 250, 254)},
    {90, true, RGB(224, 250, 254)},
};

std::string YN(bool value) {
    return value ? "Y" : "N";
}

}  // namespace

void Register_BACnet_Controls() {
    shell::Register_Shell_Controls();
    gw::Register_Gateway_Controls();
    if (!LayoutClassRegistered("TExtStringGrid"))
        RegisterLayoutClass("TExtStringGrid", "TCustomControl",
                            [](TComponent* o) { return new grid::TExtStringGrid(o); });
    if (!LayoutClassRegistered("TExtColumnGrid"))
        RegisterLayoutClass("TExtColumnGrid", "TExtStringGrid",
                            [](TComponent* o) { return new grid::TExtColumnGrid(o); });
}

TFImportEDEFile::TFImportEDEFile(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_BACnet_Controls();
    LoadLayoutWhenNeeded(
        "TFImportEDEFile",
        {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
         {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
         {"Btn_OKClick", TNotifyEvent([this](TObject*) { Btn_OKClick(); })},
         {"Btn_Select_AllClick", TNotifyEvent([this](TObject*) { Btn_Select_AllClick(); })},
         {"Btn_Unselect_AllClick", TNotifyEvent([this](TObject*) { Btn_Unselect_AllClick(); })}},
        [this] {
            L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
            L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
            LID_IP = &LayoutComponent<TLabel>(*this, "LID_IP");
            E_ID_IP = &LayoutComponent<TEdit>(*this, "E_ID_IP");
            ACG = &LayoutComponent<grid::TExtColumnGrid>(*this, "ACG");
            Btn_OK = &LayoutComponent<ctl::TFltButton>(*this, "Btn_OK");
            Btn_Cancel = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Cancel");
            Btn_Select_All = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Select_All");
            Btn_Unselect_All = &LayoutComponent<ctl::TFltButton>(*this, "Btn_Unselect_All");

            ACG->SetColCount(Col_Count);
            ACG->SetRowCount(Layout_Rows + 1);
            ACG->SetShowHint(true);
            // The marks are ticked in place; the other columns are read-only.
            ACG->SetOptions(ACG->Options() + TGridOptions{goEditing});
            ACG->MouseActions().SetAutoSizeColOnDblClick(false);
            for (int c = 0; c < Col_Count; ++c) {
                grid::TGridColumnItem& item = ACG->Columns().Items(c);
                item.SetWidth(Import_Columns[c].width);
                if (Import_Columns[c].color != clNone) item.SetColor(Import_Columns[c].color);
                if (Import_Columns[c].check) {
                    item.SetEditor(grid::edDataCheckBox);
                    item.SetCheckTrue("Y");
                    item.SetCheckFalse("N");
                    item.SetAlignment(taCenter);
                }
                // Only the marks change; what the file says is shown as it stands.
                if (c >= 4) item.SetReadOnly(true);
            }
            ACG->OnCheckBoxClick = [this](TObject*, int c, int r, bool state) {
                ACGCheckBoxClick(c, r, state);
            };
        });
}

void TFImportEDEFile::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientHeight(337);
    SetClientWidth(863);
    Set_Lang();
}

void TFImportEDEFile::Set_Lang() {
    SetCaption(Lang_Texts[2100]);
    L_SW_Desc->SetCaption(Lang_Texts[2101]);
    Btn_OK->SetCaption(Lang_Texts[2102]);
    Btn_Cancel->SetCaption(Lang_Texts[2103]);
    for (int c = 0; c < Col_Count; ++c) ACG->Columns().Items(c).SetHeader(Lang_Texts[2104 + c]);
    LID_IP->SetCaption(Lang_Texts[2115]);
    Btn_Select_All->SetCaption(Lang_Texts[2120]);
    Btn_Unselect_All->SetCaption(Lang_Texts[2121]);
}

bool TFImportEDEFile::Execute(int Kind, const std::string& File) {
    App_BACnet_Type = Kind;
    EDE_File = File;
    std::vector<TBACnet_Var> vars;
    std::string error;
    if (!Load_EDE_File(EDE_File, vars, &error)) {
        MessageDlg(Lang_Texts[2094] + error, mtError, mbOK);
        return false;
    }
    List_EDE_Var = std::move(vars);
    return ShowModal() == mrOk;
}

void TFImportEDEFile::FormShow() {
    ACG->BeginUpdate();
    ACG->SetRowCount(Layout_Rows + 1);
    for (int r = 1; r <= Layout_Rows; ++r) {
        ACG->SetCells(0, r, std::to_string(r));
        for (int c = 1; c < Col_Count; ++c) ACG->SetCells(c, r, "");
    }
    ACG->EndUpdate();
    if (E_ID_IP->CanFocus()) E_ID_IP->SetFocus();
    Show_Data_in_Grid();
}

void TFImportEDEFile::Show_Data_in_Grid() {
    ACG->BeginUpdate();
    ACG->SetRowCount(List_EDE_Var.empty() ? 2 : static_cast<int>(List_EDE_Var.size()) + 1);
    for (size_t i = 0; i < List_EDE_Var.size(); ++i) {
        const TBACnet_Var& v = List_EDE_Var[i];
        const int r = static_cast<int>(i) + 1;
        ACG->SetCells(0, r, std::to_string(r));
        ACG->SetCells(1, r, YN(v.import));
        ACG->SetCells(2, r, YN(v.read));
        ACG->SetCells(3, r, YN(v.write));
        ACG->SetCells(4, r, v.object_name);
        ACG->SetCells(5, r, std::to_string(v.object_type));
        ACG->SetCells(6, r, std::to_string(v.object_instance));
        ACG->SetCells(7, r, v.description);
        ACG->SetCells(8, r, YN(v.commandable));
    }
    ACG->EndUpdate();
}

void TFImportEDEFile::ACGCheckBoxClick(int ACol, int ARow, bool State) {
    if (ARow < 1 || ARow > static_cast<int>(List_EDE_Var.size())) return;
    TBACnet_Var& v = List_EDE_Var[static_cast<size_t>(ARow - 1)];
    if (ACol == 8) {
        // The device decides what is commandable.
        ACG->SetCells(8, ARow, YN(v.commandable));
        return;
    }
    if (!Set_EDE_Mark(v, ACol, State)) {
        ACG->SetCells(ACol, ARow, "N");
        MessageDlg(Lang_Texts[2113] + std::to_string(ARow) + Lang_Texts[2114], mtError, mbOK);
    }
}

void TFImportEDEFile::Mark_All(bool State) {
    for (size_t i = 0; i < List_EDE_Var.size(); ++i) {
        List_EDE_Var[i].import = State;
        ACG->SetCells(1, static_cast<int>(i) + 1, YN(State));
    }
}

void TFImportEDEFile::Btn_Select_AllClick() {
    Mark_All(true);
}

void TFImportEDEFile::Btn_Unselect_AllClick() {
    Mark_All(false);
}

void TFImportEDEFile::Btn_OKClick() {
    const int fault = Check_EDE_Address(E_ID_IP->Text(), App_BACnet_Type);
    if (fault != 0) {
        MessageDlg(Lang_Texts[fault], mtError, mbOK);
        return;
    }
    SetModalResult(mrOk);
}

}  // namespace proto
