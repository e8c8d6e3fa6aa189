#pragma once
// "Set SDO Client Access": the SDO requests the gateway sends to other
// devices, reads and writes on two pages.

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_SDO_Client_Access : public TCANopenForm<Set_SDO_Client_Member, Check_SDO_Client_Tables> {
public:
    using TCANopenForm::TCANopenForm;
    ~TFSet_SDO_Client_Access() override;
};

extern TFSet_SDO_Client_Access* FSet_SDO_Client_Access;

}  // namespace proto
