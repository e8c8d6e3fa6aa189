#pragma once
// "Scan Server OPC UA" (unit UOPC_UA_Scan_Server): lists the variables the
// OPC UA search library finds on a server and lets the user tick which to
// read and which to write. The scan runs once per showing, just after the
// dialog is painted; the client window takes the ticked variables after OK.

#include <string>
#include <vector>

#include "controls/FltButton.h"
#include "grid/ExtCGrid.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Layout.h"
#include "platform/StdCtrls.h"
#include "protocols/OPC_UA_Search.h"

namespace proto {

class TFOPC_UA_Scan_Server : public plat::TLayoutForm {
public:
    explicit TFOPC_UA_Scan_Server(plat::TComponent* AOwner);
    ~TFOPC_UA_Scan_Server() override;

    void Set_Lang();

    TOPC_UA_Scan_Request Server;             // set by the client before each showing
    std::vector<TOPC_UA_Scan_Var> List_Var;  // the last scan's variables
    // Where the search library is looked for before the system's places
    // (the program's folder when empty).
    std::vector<std::string> Library_Folders;

    plat::TPendingRef<plat::TPanel> P_Title{this};
    plat::TPendingRef<plat::TLabel> L_SW_Code{this};
    plat::TPendingRef<plat::TLabel> L_SW_Desc{this};
    plat::TPendingRef<plat::TLabel> LWaiting{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_OPC_UA_Scan_Var{this};
    plat::TPendingRef<ctl::TFltButton> Btn_OK{this};
    plat::TPendingRef<ctl::TFltButton> Btn_Cancel{this};
    plat::TPendingRef<ctl::TFltButton> Btn_SelectAllRead{this};
    plat::TPendingRef<ctl::TFltButton> Btn_ClearAllRead{this};
    plat::TPendingRef<ctl::TFltButton> Btn_SelectAllWrite{this};
    plat::TPendingRef<ctl::TFltButton> Btn_ClearAllWrite{this};
    plat::TPendingRef<plat::TTimer> Timer_Scan{this};

    void Show_Variables_List();
    void Timer_ScanTimer();

private:
    void FormCreate();
    void FormShow();
    void Erase_Table();
    void Tick_All(plat::TObject* Sender, const char* Value);
};

extern TFOPC_UA_Scan_Server* FOPC_UA_Scan_Server;

}  // namespace proto
