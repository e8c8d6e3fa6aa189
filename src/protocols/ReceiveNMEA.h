#pragma once
// "Receive NMEA 2000 Frames": the NMEA 2000 messages the gateway captures.
// No button of the main window opens it.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFReceiveNMEA : public TMemberForm<Receive_NMEA_Member, Check_Receive_NMEA> {
public:
    using TMemberForm::TMemberForm;
    ~TFReceiveNMEA() override;
};

extern TFReceiveNMEA* FReceiveNMEA;

}  // namespace proto
