#include "protocols/DefOffset.h"

#include "platform/Dialogs.h"
#include "platform/Layout.h"
#include "protocols/AccessTableForm.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

using namespace plat;
using grid::TExtColumnGrid;
using shell::Lang_Texts;

TFDefOffset* FDefOffset = nullptr;

namespace {

// A table of bytes: the byte number (fixed), its position and its mnemonic.
void Build_Byte_Grid(TExtColumnGrid& g) {
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetOptions(g.Options() + TGridOptions{goEditing, goColSizing});
    const int widths[3] = {50, 90, 280};
    for (int c = 0; c < 3; ++c) g.Columns().Items(c).SetWidth(widths[c]);
    g.Columns().Items(1).SetEditor(grid::edComboList);
    g.Columns().Items(1).SetColor(RGB(252, 214, 244));
}

// A grid cut to its header row loses its fixed row; it gets it back with
// its first data row.
void Set_Data_Rows(TExtColumnGrid& g, int Count) {
    g.SetRowCount(Count + 1);
    if (Count > 0 && g.FixedRows() == 0) {
        g.SetFixedRows(1);
        // Headers set meanwhile reached only the columns, not the row.
        for (int c = 0; c < g.ColCount(); ++c) g.Columns().Items(c).SetHeader(g.Columns().Items(c).Header());
    }
}

void Fill_Positions(TExtColumnGrid& g, int Count) {
    TStrings& items = g.Columns().Items(1).ComboItems();
    items.Clear();
    items.Add("None");
    for (int i = 0; i < Count; ++i) items.Add(std::to_string(i));
}

}  // namespace

TFDefOffset::TFDefOffset(TComponent* AOwner) : TLayoutForm(AOwner) {
    Register_Access_Table_Controls();
    LoadLayoutWhenNeeded("TFDefOffset",
                         {{"FormCreate", TNotifyEvent([this](TObject*) { FormCreate(); })},
                          {"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })},
                          {"ACG_DN_SlavesClick", TNotifyEvent([this](TObject*) { ACG_DN_SlavesClick(); })},
                          {"bitbtn1Click", TNotifyEvent([this](TObject*) { bitbtn1Click(); })}},
                         [this] {
                             P_Title = &LayoutComponent<TPanel>(*this, "P_Title");
                             L_SW_Code = &LayoutComponent<TLabel>(*this, "L_SW_Code");
                             L_SW_Desc = &LayoutComponent<TLabel>(*this, "L_SW_Desc");
                             Label1 = &LayoutComponent<TLabel>(*this, "Label1");
                             Label2 = &LayoutComponent<TLabel>(*this, "Label2");
                             Label3 = &LayoutComponent<TLabel>(*this, "Label3");
                             ACG_DN_Slaves = &LayoutComponent<TExtColumnGrid>(*this, "ACG_DN_Slaves");
                             PageControl1 = &LayoutComponent<TPageControl>(*this, "PageControl1");
                             TabSheet1 = &LayoutComponent<TTabSheet>(*this, "TabSheet1");
                             TabSheet2 = &LayoutComponent<TTabSheet>(*this, "TabSheet2");
                             ACG_ByteIN = &LayoutComponent<TExtColumnGrid>(*this, "ACG_ByteIN");
                             ACG_ByteOUT = &LayoutComponent<TExtColumnGrid>(*this, "ACG_ByteOUT");
                             Btn_OK = &LayoutComponent<TControl>(*this, "Btn_OK");
                             Btn_Cancel = &LayoutComponent<TControl>(*this, "Btn_Cancel");

                             TExtColumnGrid& s = *ACG_DN_Slaves;
                             s.SetColCount(4);
                             s.SetRowCount(2);
                             s.SetFixedCols(0);
                             s.SetOptions(s.Options() + TGridOptions{goRowSelect, goColSizing});
                             const int widths[4] = {70, 90, 90, 200};
                             for (int c = 0; c < 4; ++c) {
                                 s.Columns().Items(c).SetWidth(widths[c]);
                                 s.Columns().Items(c).SetReadOnly(true);
                             }
                             Build_Byte_Grid(*ACG_ByteIN);
                             Build_Byte_Grid(*ACG_ByteOUT);
                         });
}

TFDefOffset::~TFDefOffset() {
    if (FDefOffset == this) FDefOffset = nullptr;
}

void TFDefOffset::FormCreate() {
    L_SW_Code->SetCaption(shell::SW_Code);
    SetClientHeight(610);
    SetClientWidth(482);
    PageControl1->SetActivePage(TabSheet1);
    Set_Lang();
}

void TFDefOffset::Set_Lang() {
    SetCaption(Lang_Texts[3000]);
    L_SW_Desc->SetCaption(Lang_Texts[3001]);
    Btn_OK->SetCaption(Lang_Texts[3002]);
    Btn_Cancel->SetCaption(Lang_Texts[3003]);
    Btn_OK->SetHint(Lang_Texts[3004]);
    Btn_Cancel->SetHint(Lang_Texts[3005]);
    TabSheet1->SetCaption(Lang_Texts[3006]);
    TabSheet2->SetCaption(Lang_Texts[3007]);
    Label1->SetCaption(Lang_Texts[3008]);
    Label2->SetCaption(Lang_Texts[3009]);
    Label3->SetCaption(Lang_Texts[3010]);
    for (int c = 0; c < 4; ++c) ACG_DN_Slaves->Columns().Items(c).SetHeader(Lang_Texts[3011 + c]);
    for (int c = 0; c < 3; ++c) {
        ACG_ByteIN->Columns().Items(c).SetHeader(Lang_Texts[3015 + c]);
        ACG_ByteOUT->Columns().Items(c).SetHeader(Lang_Texts[3018 + c]);
    }
}

void TFDefOffset::FormShow() {
    List_Slaves_DN.clear();
    Fill_Positions(*ACG_ByteIN, DNet_Positions);
    Fill_Positions(*ACG_ByteOUT, DNet_Positions);
    Slave_Before_Select = -1;
    TOffsetRead report;
    Load_Slave_DN(shell::DNETM_Net_File, List_Slaves_DN, report);
    TExtColumnGrid& s = *ACG_DN_Slaves;
    s.BeginUpdate();
    Set_Data_Rows(s, static_cast<int>(List_Slaves_DN.size()));
    for (size_t i = 0; i < List_Slaves_DN.size(); ++i)
        for (int c = 0; c < 4; ++c) s.SetCells(c, static_cast<int>(i) + 1, List_Slaves_DN[i].Row[static_cast<size_t>(c)]);
    s.EndUpdate();
    Load_Offset_Slave_DN(shell::DNETM_DefOff_File, List_Slaves_DN, report);
    FLoaded_Clean = report.Clean;
    Select_First();
    if (!report.Clean) MessageDlg(report.Error, mtError, mbOK);
}

void TFDefOffset::Select_First() {
    if (ACG_DN_Slaves->RowCount() < 2) {
        Update_Slave_DN();
        return;
    }
    ACG_DN_Slaves->SetRow(1);
    ACG_DN_Slaves->SetCol(0);
    ACG_DN_Slaves->SetLeftCol(0);
    ACG_DN_SlavesClick();
}

void TFDefOffset::ACG_DN_SlavesClick() {
    Save_Data_ByteIN_ByteOUT();
    const int row = ACG_DN_Slaves->Row();
    if (row < 1 || row > static_cast<int>(List_Slaves_DN.size())) return;
    ACG_DN_Slaves->SelectRows(row, 1);
    Slave_Before_Select = row - 1;
    Update_Slave_DN();
}

void TFDefOffset::Fill_Bytes(TExtColumnGrid& Grid, const std::vector<std::string>& Offsets,
                             const std::vector<std::string>& Mnemonics) {
    Grid.BeginUpdate();
    Set_Data_Rows(Grid, static_cast<int>(Offsets.size()));
    for (size_t j = 0; j < Offsets.size(); ++j) {
        const int r = static_cast<int>(j) + 1;
        Grid.SetCells(0, r, std::to_string(j));
        Grid.SetCells(1, r, Offsets[j]);
        Grid.SetCells(2, r, Mnemonics[j]);
    }
    Grid.EndUpdate();
}

void TFDefOffset::Update_Slave_DN() {
    if (List_Slaves_DN.empty() || ACG_DN_Slaves->RowCount() < 2) {
        Fill_Bytes(*ACG_ByteIN, {}, {});
        Fill_Bytes(*ACG_ByteOUT, {}, {});
        return;
    }
    const int index = ACG_DN_Slaves->Row() - 1;
    if (index < 0 || index >= static_cast<int>(List_Slaves_DN.size())) return;
    const TSlave_DN& slave = List_Slaves_DN[static_cast<size_t>(index)];
    Fill_Bytes(*ACG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
    Fill_Bytes(*ACG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
}

void TFDefOffset::Store_Bytes(TExtColumnGrid& Grid, std::vector<std::string>& Offsets,
                              std::vector<std::string>& Mnemonics) {
    // An open editor's text belongs to the slave it was typed for.
    if (Grid.EditMode()) Grid.HideInplaceEdit();
    for (int r = 1; r < Grid.RowCount() && r <= static_cast<int>(Offsets.size()); ++r) {
        Offsets[static_cast<size_t>(r - 1)] = Grid.Cells(1, r);
        Mnemonics[static_cast<size_t>(r - 1)] = Grid.Cells(2, r);
    }
}

bool TFDefOffset::Save_Data_ByteIN_ByteOUT() {
    if (Slave_Before_Select < 0 || Slave_Before_Select >= static_cast<int>(List_Slaves_DN.size())) return true;
    TSlave_DN& slave = List_Slaves_DN[static_cast<size_t>(Slave_Before_Select)];
    Store_Bytes(*ACG_ByteIN, slave.SL_ByteIN, slave.SL_ByteIN_M);
    Store_Bytes(*ACG_ByteOUT, slave.SL_ByteOUT, slave.SL_ByteOUT_M);
    return true;
}

void TFDefOffset::bitbtn1Click() {
    if (!Save_Data_ByteIN_ByteOUT()) return;
    if (const auto fault = Check_Data(List_Slaves_DN)) {
        MessageDlg(Offset_Fault_Message(*fault), mtError, mbOK);
        return;
    }
    // The pages show only what could be read; saving replaces the whole file.
    if (!FLoaded_Clean && MessageDlg(Lang_Texts[3026], mtConfirmation, mbYesNo) != mrYes) return;
    std::string error;
    if (!Save_Offset_Slave_DN(List_Slaves_DN, shell::DNETM_DefOff_File, &error)) {
        MessageDlg(error, mtError, mbOK);
        return;
    }
    FLoaded_Clean = true;
    SetModalResult(mrOk);
}

}  // namespace proto
