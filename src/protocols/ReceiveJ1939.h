#pragma once
// "Receive J1939 Frames": the J1939 parameter groups the gateway captures.
// No button of the main window opens it.

#include "protocols/CANFrameTables.h"

namespace proto {

class TFReceiveJ1939 : public TMemberForm<Receive_J1939_Member, Check_Receive_J1939> {
public:
    using TMemberForm::TMemberForm;
    ~TFReceiveJ1939() override;
};

extern TFReceiveJ1939* FReceiveJ1939;

}  // namespace proto
