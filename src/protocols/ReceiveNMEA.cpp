#include "protocols/ReceiveNMEA.h"

namespace proto {

TFReceiveNMEA* FReceiveNMEA = nullptr;

TFReceiveNMEA::~TFReceiveNMEA() {
    if (FReceiveNMEA == this) FReceiveNMEA = nullptr;
}

}  // namespace proto
