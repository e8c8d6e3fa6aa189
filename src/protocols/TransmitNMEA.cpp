#include "protocols/TransmitNMEA.h"

namespace proto {

TFTransmitNMEA* FTransmitNMEA = nullptr;

TFTransmitNMEA::~TFTransmitNMEA() {
    if (FTransmitNMEA == this) FTransmitNMEA = nullptr;
}

}  // namespace proto
