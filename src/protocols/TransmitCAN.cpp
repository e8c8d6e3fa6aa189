#include "protocols/TransmitCAN.h"

namespace proto {

TFTransmitCAN* FTransmitCAN = nullptr;

TFTransmitCAN::~TFTransmitCAN() {
    if (FTransmitCAN == this) FTransmitCAN = nullptr;
}

}  // namespace proto
