#pragma once
// "Receive CAN Frames Set Access": the raw CAN frames the gateway receives,
// each with its bytes' positions in the receive data array.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFReceiveCAN : public TMemberForm<Receive_CAN_Member, Check_Receive_CAN> {
public:
    using TMemberForm::TMemberForm;
    ~TFReceiveCAN() override;
};

extern TFReceiveCAN* FReceiveCAN;

}  // namespace proto
