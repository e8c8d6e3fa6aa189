#pragma once
// "Set SNMP Trap Access": the objects the gateway's SNMP agent offers, on a
// read page (which also defines the traps) and a write page. The "N" column
// shows each enabled row's index in the MIB.

#include "protocols/SNMPTables.h"

namespace proto {

class TFSNMP_Trap_Access : public TAccessTableForm {
public:
    explicit TFSNMP_Trap_Access(plat::TComponent* AOwner);
    ~TFSNMP_Trap_Access() override;

    // Renumbers the "N" column of one grid from its Enable cells.
    void Index_Row_Build(grid::TExtColumnGrid& Grid);

protected:
    void Bind_Contents() override;
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
    std::string Check_Text(const TCheckOutcome& Outcome) const override;
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;

}  // namespace proto
