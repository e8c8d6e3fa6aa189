#pragma once
// "Set SDO Server Access": the object entries the gateway serves to SDO
// requests, read and written entries on two pages.

#include <vector>

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_SDO_Server_Access : public TAccessTableForm {
public:
    explicit TFSet_SDO_Server_Access(plat::TComponent* AOwner)
        : TAccessTableForm(AOwner, Set_SDO_Server_Member) {}
    ~TFSet_SDO_Server_Access() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override {
        return Check_SDO_Server_Tables(Tables);
    }
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;

}  // namespace proto
