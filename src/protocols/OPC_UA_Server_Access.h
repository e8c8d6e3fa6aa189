#pragma once
// "Definition of OPC UA Server Variables" (unit UOPC_UA_Server_Access): the
// variables the gateway publishes as an OPC UA server, each with its type,
// place in the gateway's data array, size, browse name, access and byte
// swapping. A member of the table family whose Type decides the Length,
// whose check looks at every row, and whose messages are format strings.

#include <string>

#include "protocols/AccessTableForm.h"

namespace proto {

extern const TAccessMember OPC_UA_Server_Member;

// Columns of the variable table.
enum TOPC_UA_Server_Column {
    OSV_Num, OSV_Enable, OSV_Type, OSV_Position, OSV_StartBit, OSV_Length, OSV_Name, OSV_ReadWrite,
    OSV_Swap, OSV_SwapWord, OSV_SwapAll, OSV_Mnemonic
};

// The Length a Type fixes ("1", "2", "4", "8"), "10" for the string types
// (whose Length the user may change), empty for any other text.
std::string OPC_UA_Server_Type_Length(const std::string& Type);
bool OPC_UA_Server_Length_Fixed(const std::string& Type);

// The first enabled row with a Type whose Position is outside 0..1999; every
// row is looked at, also after a row without a Type.
TCheckOutcome Check_OPC_UA_Server(const TTable& Rows);

class TFOPC_UA_Server_Access : public TAccessTableForm {
public:
    explicit TFOPC_UA_Server_Access(plat::TComponent* AOwner);
    ~TFOPC_UA_Server_Access() override;

    // Length and its lock from the Type; an empty R/W becomes "Read/Write".
    void VarSetLength(const std::string& Selection, int Row);

protected:
    void Bind_Contents() override;
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
    std::string Check_Text(const TCheckOutcome& Outcome) const override;
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
    void Btn_DelRowClick() override;
    void Btn_InsRowClick() override;
    void Btn_PasteRowClick() override;

private:
    void FormShow();
    void Lock_Lengths();
};

extern TFOPC_UA_Server_Access* FOPC_UA_Server_Access;

}  // namespace proto
