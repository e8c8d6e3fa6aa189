#include "protocols/TransmitJ1939.h"

namespace proto {

TFTransmitJ1939* FTransmitJ1939 = nullptr;

TFTransmitJ1939::~TFTransmitJ1939() {
    if (FTransmitJ1939 == this) FTransmitJ1939 = nullptr;
}

}  // namespace proto
