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
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/DNetOffsets.h"

namespace proto {

class TFDefOffset : public plat::TLayoutForm {
public:
    explicit TFDefOffset(plat::TComponent* AOwner);
    ~TFDefOffset() override;

    void Set_Lang();

    // The slaves as they stand, with the pages' edits stored.
    const TSlaves& Slaves() const { return List_Slaves_DN; }

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> Label1{this};
    plat::TPendingRef<plat::TLabel> Label2{this};
    plat::TPendingRef<plat::TLabel> Label3{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_DN_Slaves{this};
    plat::TPendingRef<plat::TPageControl> PageControl1{this};
    plat::TPendingRef<plat::TTabSheet> TabSheet1{this};
    plat::TPendingRef<plat::TTabSheet> TabSheet2{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_ByteIN{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_ByteOUT{this};
    plat::TPendingRef<plat::TControl> Btn_OK{this};
    plat::TPendingRef<plat::TControl> Btn_Cancel{this};

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
