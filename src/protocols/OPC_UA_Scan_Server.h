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
#include "platform/StdCtrls.h"
#include "protocols/OPC_UA_Search.h"

namespace proto {

class TFOPC_UA_Scan_Server : public plat::TForm {
public:
    explicit TFOPC_UA_Scan_Server(plat::TComponent* AOwner);
    ~TFOPC_UA_Scan_Server() override;

    void Set_Lang();

    TOPC_UA_Scan_Request Server;             // set by the client before each showing
    std::vector<TOPC_UA_Scan_Var> List_Var;  // the last scan's variables
    // Where the search library is looked for before the system's places
    // (the program's folder when empty).
    std::vector<std::string> Library_Folders;

    plat::TPanel* P_Title;
    plat::TLabel* L_SW_Code;
    plat::TLabel* L_SW_Desc;
    plat::TLabel* LWaiting;
    grid::TExtColumnGrid* ACG_OPC_UA_Scan_Var;
    ctl::TFltButton* Btn_OK;
    ctl::TFltButton* Btn_Cancel;
    ctl::TFltButton* Btn_SelectAllRead;
    ctl::TFltButton* Btn_ClearAllRead;
    ctl::TFltButton* Btn_SelectAllWrite;
    ctl::TFltButton* Btn_ClearAllWrite;
    plat::TTimer* Timer_Scan;

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
