#pragma once
// "Define Offset": for every DeviceNet slave of the network list, the
// position in the gateway's data array of each input and output byte. The
// upper table lists the slaves; the pages below show the bytes of the one
// selected. Edits on the pages reach the slave when another slave is
// clicked or OK is pressed; every showing rebuilds the slaves from the
// files, so Cancel drops every edit. The model is DNetOffsets.h.

#include "grid/ExtCGrid.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "protocols/DNetOffsets.h"

namespace proto {

class TFDefOffset : public plat::TForm {
public:
    explicit TFDefOffset(plat::TComponent* AOwner);
    ~TFDefOffset() override;

    void Set_Lang();

    // The slaves as they stand, with the pages' edits stored.
    const TSlaves& Slaves() const { return List_Slaves_DN; }

    plat::TPanel* P_Title;
    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* Label1;
    plat::TLabel* Label2;
    plat::TLabel* Label3;
    grid::TExtColumnGrid* ACG_DN_Slaves;
    plat::TPageControl* PageControl1;
    plat::TTabSheet* TabSheet1;
    plat::TTabSheet* TabSheet2;
    grid::TExtColumnGrid* ACG_ByteIN;
    grid::TExtColumnGrid* ACG_ByteOUT;
    plat::TControl* Btn_OK;
    plat::TControl* Btn_Cancel;

private:
    void FormCreate();
    void FormShow();
    void ACG_DN_SlavesClick();
    void bitbtn1Click();

    void Select_First();
    void Update_Slave_DN();
    bool Save_Data_ByteIN_ByteOUT();
    void Fill_Bytes(grid::TExtColumnGrid& Grid, const std::vector<std::string>& Offsets,
                    const std::vector<std::string>& Mnemonics);
    void Store_Bytes(grid::TExtColumnGrid& Grid, std::vector<std::string>& Offsets,
                     std::vector<std::string>& Mnemonics);

    TSlaves List_Slaves_DN;
    int Slave_Before_Select = -1;  // the slave the pages show; -1: none
    bool FLoaded_Clean = true;
};

extern TFDefOffset* FDefOffset;

}  // namespace proto
