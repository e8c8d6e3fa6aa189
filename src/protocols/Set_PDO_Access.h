#pragma once
// "Set PDO Access": the CANopen PDOs the gateway receives and transmits,
// on two pages.

#include <vector>

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_PDO_Access : public TAccessTableForm {
public:
    explicit TFSet_PDO_Access(plat::TComponent* AOwner) : TAccessTableForm(AOwner, Set_PDO_Member) {}
    ~TFSet_PDO_Access() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override {
        return Check_PDO_Tables(Tables);
    }
};

extern TFSet_PDO_Access* FSet_PDO_Access;

}  // namespace proto
