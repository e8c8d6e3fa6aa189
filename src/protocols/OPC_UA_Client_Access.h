#pragma once
// "OCP UA Client Access" (unit UOPC_UA_Client_Access): the OPC UA servers the
// gateway connects to as a client, with the variables it reads from and
// writes to each. The server table above is a view of the model; the two
// variable tables below show the selected server's lists and are written
// back into it when they lose the focus and before any button acts. OK
// checks and writes the model, not the tables.
//
// A write-back never changes what the user typed unasked: a namespace index
// outside 0 .. 65535 is refused, and rows below the first row without a
// Display Name, which the list ends before, go only when the user agrees.
// Until then the table stays as typed and belongs to its server; an action
// that would replace it or save (another server, a server button, Auto Pos,
// OK) reports or asks first, and stops unless the table could be written.

#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/StdCtrls.h"
#include "protocols/AccessTableForm.h"
#include "protocols/OPC_UA_Client_Model.h"

namespace proto {

extern const TAccessMember OPC_UA_Client_Member;

// The variable tables always have room for this many rows, and more when a
// server's list is longer.
inline constexpr int OPC_UA_Var_Rows = 1024;

class TFOPC_UA_Client_Access : public TAccessTableForm {
public:
    explicit TFOPC_UA_Client_Access(plat::TComponent* AOwner);
    ~TFOPC_UA_Client_Access() override;

    void Set_Lang() override;

    TOPC_UA_Server_List OPC_UA_Server_List;
    int Ind_Server = -1;  // the server a focused variable table belongs to

    plat::TPendingRef<plat::TLabel> L_Server_List_Title{this};
    plat::TPendingRef<plat::TLabel> L_Variables_List_Title{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_OPC_UA_Server{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_OPC_UA_Var_R{this};
    plat::TPendingRef<grid::TExtColumnGrid> ACG_OPC_UA_Var_W{this};
    plat::TPendingRef<plat::TTabSheet> TS_OPC_UA_Var_Read{this};
    plat::TPendingRef<plat::TTabSheet> TS_OPC_UA_Var_Write{this};
    plat::TPendingRef<plat::TControl> Btn_Add_Server{this};
    plat::TPendingRef<plat::TControl> Btn_Modify_Server{this};
    plat::TPendingRef<plat::TControl> Btn_Delete_Server{this};
    plat::TPendingRef<plat::TControl> Btn_Scan_Server{this};
    plat::TPendingRef<plat::TControl> Btn_AutoPosition{this};

    // The index of the server the server table's selected row shows; -1
    // when it shows none.
    int Selected_Server() const;
    void Show_OPC_UA_Server_List();
    void Show_OPC_UA_Var_List();
    void Save_Variable_in_Read();
    void Save_Variable_in_Write();
    void Add_Server();
    void Modify_Server();
    void Delete_Server();
    void Scan_Server();
    bool Controllo_dati() override;

protected:
    void Bind_Contents() override;
    void Btn_DelRowClick() override;
    void Btn_InsRowClick() override;
    void Btn_CopyRowClick() override;
    void Btn_PasteRowClick() override;

private:
    void FormShow();
    void Btn_OKClick();
    void Btn_AutoPositionClick();
    void Var_Enter(grid::TExtColumnGrid& Grid);
    void Var_Exit(grid::TExtColumnGrid& Grid);
    // Ends an open cell edit and writes the entered table back: every
    // button acts on what the user sees. False when the table cannot be
    // written (the user was told, or said No); the focus is then back in
    // the table and the action stops.
    bool Commit_Edits();
    // The table of a row button: a table of the other page still waiting
    // is committed first; false when it cannot be.
    bool Take_Table(grid::TExtColumnGrid& Grid);
    // Writes the entered table back into its server. Ask: report a wrong
    // namespace index and ask before rows are dropped; without it such a
    // table just stays waiting. True when it was written (or nothing was
    // waiting).
    bool Write_Back(bool Ask);
    void Save_Table(grid::TExtColumnGrid& Grid, bool Write);
    void Return_To(grid::TExtColumnGrid& Grid, int Row, int Col);
    void Erase_Var_Tables(int Rows);

    bool FLoaded = true;  // the file read cleanly at the last showing
    // The variable table Ind_Server belongs to, not yet written back.
    grid::TExtColumnGrid* FEntered = nullptr;
};

extern TFOPC_UA_Client_Access* FOPC_UA_Client_Access;

}  // namespace proto
