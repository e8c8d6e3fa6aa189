#pragma once
// "EtherNet/IP EDS Decode": lists the I/O connections of the EDS file named
// in EDS_FileName so the user can pick one; the scanner rule table reads the
// picked row's cells back. An empty list is reported and closes the window.

#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "grid/ExtCGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/EtherNetIP_EDS_Reader.h"

namespace proto {

// Columns of the list, as the rule table reads them.
enum TEdsColumn {
    ecConnection, ecName, ecHelp, ecInstanceOT, ecPointOT, ecInstanceTO, ecPointTO, ecHeaderOT, ecHeaderTO,
    ecCount
};

class TFEtherNEtIP_EDS : public plat::TLayoutForm {
public:
    explicit TFEtherNEtIP_EDS(plat::TComponent* AOwner);
    ~TFEtherNEtIP_EDS() override;

    void Set_Lang();
    void ShowDatainGrid();
    // The close after an empty list: the message, then modal result 2.
    void TCloseTimer();

    std::string EDS_FileName;  // set by the caller before showing
    std::vector<TConnData> List_Conn;

    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};
    plat::TPendingRef<plat::TTimer> TClose{this};

private:
    void FormCreate();
    void FormShow();
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;

// The text a list cell shows for a connection ("Default" for the usual
// header formats).
std::string EDS_Cell_Text(const TConnData& Conn, int Row, TEdsColumn Column);

}  // namespace proto
