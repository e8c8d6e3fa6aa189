#pragma once
// "Transmit NMEA 2000 Frames": the NMEA 2000 messages the gateway sends.
// No button of the main window opens it.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFTransmitNMEA : public TMemberForm<Transmit_NMEA_Member, Check_Transmit_NMEA> {
public:
    using TMemberForm::TMemberForm;
    ~TFTransmitNMEA() override;
};

extern TFTransmitNMEA* FTransmitNMEA;

}  // namespace proto
