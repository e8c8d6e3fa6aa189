#pragma once
// "IEC61850 Client Set Access" (unit UIEC_61850_Access): the IEC 61850
// servers the gateway reads from, as SCL files in the configuration's
// catalog, each shown as a tree; the user picks leaf attributes (variables)
// and data sets from the tree and sets how the gateway handles each.
//
// A variant member of the table family: three grids on two pages and a
// device list with its tree; rows come from the tree through Add Var and
// Remove Var, so the family's row buttons stay hidden. Its file is a tree of
// lists (IEC_Client_File.h) and everything it edits is a TIEC_Client_State;
// the window copies cells between that state and its grids.

#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/Dialogs.h"
#include "platform/StdCtrls.h"
#include "protocols/AccessTableForm.h"
#include "protocols/IEC_Client_State.h"

namespace proto {

extern const TAccessMember IEC_61850_Client_Member;

class TFIEC_61850_Access : public TAccessTableForm {
public:
    explicit TFIEC_61850_Access(plat::TComponent* AOwner);
    ~TFIEC_61850_Access() override;

    void Set_Lang() override;

    TIEC_Client_State State;  // devices, table rows, data-set members
    TIEC_DA* Selected_IEC_DA = nullptr;
    TIEC_DataSet* Selected_IEC_DS = nullptr;
    int DataSet_Row_Select = 0;  // the data-set row whose members the member grid shows; 0: none

    plat::TPendingRef<plat::TListBox> LB_IEC_Devices{this};
    plat::TPendingRef<plat::TTreeView> TV_IEC_Device{this};
    plat::TPendingRef<plat::TTabSheet> TS_DA{this};
    plat::TPendingRef<plat::TTabSheet> TS_DataSet{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_DA{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_DataSet{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_DS_Vars{this};
    plat::TPendingRef<plat::TControl> Btn_AddVar{this};
    plat::TPendingRef<plat::TControl> Btn_RemoveVar{this};
    plat::TPendingRef<plat::TControl> Btn_MoveUp{this};
    plat::TPendingRef<plat::TControl> Btn_ModeDown{this};
    plat::TPendingRef<plat::TControl> Btn_Add_IEC_Device{this};
    plat::TPendingRef<plat::TControl> Btn_Remove_IEC_Device{this};
    plat::TPendingRef<plat::TOpenDialog> OD_IcdFile{this};

    void Show_IEC_Devices();
    void Show_DataSet_DAs();

protected:
    void Bind_Contents() override;

private:
    void FormShow();
    void Btn_OKClick();
    void LB_IEC_DevicesClick();
    void TV_IEC_DeviceClick();
    void Btn_Add_IEC_DeviceClick();
    void Btn_Remove_IEC_DeviceClick();
    void Btn_AddVarClick();
    void Btn_RemoveVarClick();
    void ClickCell(grid::TExtColumnGrid& Grid, int ARow, int ACol);
    void ACG_DS_VarsEditCellDone(int ACol, int ARow);

    // The tables' cells into State (the user's typing) and State back into
    // the tables, with the read-only state of the byte cells.
    void Grid_To_State();
    void State_To_Grid();
    int Chosen_Device() const;  // the list's item index when it names a device, else -1
    void Clear_Selection();

    bool FLoaded = true;  // the file read cleanly at the last showing
};

extern TFIEC_61850_Access* FIEC_61850_Access;

}  // namespace proto
