#pragma once
// "Set SNMP Manager Access": the requests the gateway sends, as SNMP
// manager, to other agents.

#include "protocols/SNMPTables.h"

namespace proto {

class TFSNMPManagerAccess : public TAccessTableForm {
public:
    explicit TFSNMPManagerAccess(plat::TComponent* AOwner) : TAccessTableForm(AOwner, SNMP_Manager_Member) {}
    ~TFSNMPManagerAccess() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override {
        return Check_SNMP_Manager_Table(Tables);
    }
    std::string Check_Text(const TCheckOutcome& Outcome) const override { return SNMP_Manager_Message(Outcome); }
};

extern TFSNMPManagerAccess* FSNMPManagerAccess;

}  // namespace proto
