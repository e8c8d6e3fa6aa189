#include "protocols/ReceiveJ1939.h"

namespace proto {

TFReceiveJ1939* FReceiveJ1939 = nullptr;

TFReceiveJ1939::~TFReceiveJ1939() {
    if (FReceiveJ1939 == this) FReceiveJ1939 = nullptr;
}

}  // namespace proto
