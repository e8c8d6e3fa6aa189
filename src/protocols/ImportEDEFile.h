#pragma once
// "Import BACnet EDE File": lists the objects of a device's EDE file; the
// user marks which to import, into the read table, the write table or both,
// and gives the device's address. The BACnet client window turns the marked
// objects into rows.

#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "grid/ExtCGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/BACnetAccessData.h"
#include "protocols/EDEReader.h"

namespace proto {

class TFImportEDEFile : public plat::TLayoutForm {
public:
    explicit TFImportEDEFile(plat::TComponent* AOwner);

    void Set_Lang();
    // Reads EDE_File and shows its objects; true when the user ended with
    // OK. A file that cannot be read is reported and the dialog not shown.
    bool Execute(int Kind, const std::string& File);

    std::string EDE_File;
    std::vector<TBACnet_Var> List_EDE_Var;
    int App_BACnet_Type = 0;

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> LID_IP{this};
    plat::TPendingRef<plat::TEdit> E_ID_IP{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Select_All{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Unselect_All{this};

private:
    void FormCreate();
    void FormShow();
    void Show_Data_in_Grid();
    void Btn_OKClick();
    void Btn_Select_AllClick();
    void Btn_Unselect_AllClick();
    void ACGCheckBoxClick(int ACol, int ARow, bool State);
    void Mark_All(bool State);
};

extern TFImportEDEFile* FImportEDEFile;

// The grid kinds the BACnet windows lay out; safe to call again.
void Register_BACnet_Controls();

}  // namespace proto
