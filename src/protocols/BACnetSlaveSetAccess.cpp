#include "protocols/BACnetSlaveSetAccess.h"

#include "platform/Dialogs.h"
#include "protocols/BACnetSlaveData.h"
#include "protocols/BACnet_Eng_Unit.h"
#include "shell/Comon.h"
#include "shell/Language.h"
#include "shell/RowHelpers.h"

namespace proto {

using namespace plat;

TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess = nullptr;

TAccessMember& BACnet_Slave_Member() {
    static TAccessMember member = {.Class_Name = "TFBACnetSlaveSetAccess",
                                   .Client_Width = 764,
                                   .Client_Height = 337,
                                   .Texts = {.Caption = 2200,
                                             .Desc = 2201,
                                             .Buttons = {2202, 2203, 2204, 2205, 2206, 2207},
                                             .Button_Hints = {2210, 2211, 2212, 2213, 2214, 2215},
                                             .Error_Row = 2232,
                                             .Delete_Question = 2260,
                                             .Replace_Partial_File = 2263,
                                             .Rows_After_End = 2264},
                                   .File = BACnet_Slave_Access_File(false),
                                   .File_Path = &shell::BACnet_Slave_File};
    return member;
}

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(TComponent* AOwner)
    : TAccessTableForm(AOwner, BACnet_Slave_Member(),
                       {{"FormShow", TNotifyEvent([this](TObject*) { FormShow(); })}}) {}

void TFBACnetSlaveSetAccess::Bind_Contents() {
    for (int t = 0; t < 2; ++t) {
        grid::TExtColumnGrid& g = Table_Grid(t);
        g.MouseActions().SetAutoSizeColOnDblClick(false);
        g.OnDblClickCell = [this, t](TObject*, int ARow, int ACol) { DblClickCell(t, ARow, ACol); };
    }
    Table_Grid(1).OnComboChange = [this](TObject*, int ACol, int ARow, int, const std::string& Text) {
        ACG_BACnet_in_WriteComboChange(ACol, ARow, Text);
    };
}

TFBACnetSlaveSetAccess::~TFBACnetSlaveSetAccess() {
    if (FBACnetSlaveSetAccess == this) FBACnetSlaveSetAccess = nullptr;
}

void TFBACnetSlaveSetAccess::FormShow() {
    // The tables take their length before the family resets and loads them.
    Desc_Lenght = Read_Desc_Chars_Limit(shell::ParGen_File);
    NByte_IN = NByte_OUT = BACnet_Slave_Area;
    const int rows = BACnet_Slave_Rows(Desc_Lenght);
    for (int t = 0; t < 2; ++t) {
        BACnet_Slave_Member().File.Tables[static_cast<size_t>(t)].Rows = rows;
        Table_Grid(t).SetRowCount(rows + 1);
    }
    TAccessTableForm::FormShow();
}

bool TFBACnetSlaveSetAccess::Controllo_dati() {
    const std::vector<TTable> tables = Grid_Tables();
    const TTableFault fault = Check_BACnet_Slave({tables[0], tables[1]}, Desc_Lenght, NByte_IN, NByte_OUT);
    if (fault.Ok()) return true;
    MessageDlg(Table_Fault_Message(fault), mtError, mbOK);
    return false;
}

void TFBACnetSlaveSetAccess::DblClickCell(int Table, int ARow, int ACol) {
    grid::TExtColumnGrid& g = Table_Grid(Table);
    // The picker edits a unit cell; the header above it is never one.
    if (ARow > 0 && g.RealColIndex(ACol) == bac_slave::Eng_Unit && FBACnet_Eng_Unit != nullptr) {
        std::string cell = g.Cells(bac_slave::Eng_Unit, ARow);
        if (FBACnet_Eng_Unit->Edit_Cell(cell)) g.SetCells(bac_slave::Eng_Unit, ARow, cell);
    }
    shell::Grid_DblClick_AutoSize(g, ARow, ACol);
}

void TFBACnetSlaveSetAccess::ACG_BACnet_in_WriteComboChange(int ACol, int ARow, const std::string& Text) {
    // The grid names the real column here.
    if (ARow < 1 || ACol != bac_slave::Data_Type) return;
    const std::string length = Write_Length_Of(Text);
    if (!length.empty()) Table_Grid(1).SetCells(bac_slave::Length, ARow, length);
}

}  // namespace proto
