#pragma once
// "Set SDO Client Access": the SDO requests the gateway sends to other
// devices, reads and writes on two pages.

#include <vector>

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_SDO_Client_Access : public TAccessTableForm {
public:
    explicit TFSet_SDO_Client_Access(plat::TComponent* AOwner)
        : TAccessTableForm(AOwner, Set_SDO_Client_Member) {}
    ~TFSet_SDO_Client_Access() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override {
        return Check_SDO_Client_Tables(Tables);
    }
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;

}  // namespace proto
