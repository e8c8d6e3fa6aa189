#pragma once
// "Set SDO Server Access": the object entries the gateway serves to SDO
// requests, read and written entries on two pages.

#include "protocols/CANopenTables.h"

namespace proto {

class TFSet_SDO_Server_Access : public TCANopenForm<Set_SDO_Server_Member, Check_SDO_Server_Tables> {
public:
    using TCANopenForm::TCANopenForm;
    ~TFSet_SDO_Server_Access() override;
};

extern TFSet_SDO_Server_Access* FSet_SDO_Server_Access;

}  // namespace proto
