#pragma once
// "Set PDO Access": the CANopen PDOs the gateway receives and transmits,
// on two pages.

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_PDO_Access : public TCANopenForm<Set_PDO_Member, Check_PDO_Tables> {
public:
    using TCANopenForm::TCANopenForm;
    ~TFSet_PDO_Access() override;
};

extern TFSet_PDO_Access* FSet_PDO_Access;

}  // namespace proto
