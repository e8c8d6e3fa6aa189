#include "protocols/ReceiveCAN.h"

namespace proto {

TFReceiveCAN* FReceiveCAN = nullptr;

TFReceiveCAN::~TFReceiveCAN() {
    if (FReceiveCAN == this) FReceiveCAN = nullptr;
}

}  // namespace proto
