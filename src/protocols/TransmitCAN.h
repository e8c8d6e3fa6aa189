#pragma once
// "Transmit CAN Frames Set Access": the raw CAN frames the gateway sends,
// when they are sent and where their bytes come from.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFTransmitCAN : public TMemberForm<Transmit_CAN_Member, Check_Transmit_CAN> {
public:
    using TMemberForm::TMemberForm;
    ~TFTransmitCAN() override;
};

extern TFTransmitCAN* FTransmitCAN;

}  // namespace proto
