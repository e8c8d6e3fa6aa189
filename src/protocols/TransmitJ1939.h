#pragma once
// "Transmit J1939 Frames": the J1939 parameter groups the gateway sends.
// No button of the main window opens it.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFTransmitJ1939 : public TMemberForm<Transmit_J1939_Member, Check_Transmit_J1939> {
public:
    using TMemberForm::TMemberForm;
    ~TFTransmitJ1939() override;
};

extern TFTransmitJ1939* FTransmitJ1939;

}  // namespace proto
