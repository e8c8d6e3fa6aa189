#include "protocols/Set_SDO_Server_Access.h"

namespace proto {

TFSet_SDO_Server_Access* FSet_SDO_Server_Access = nullptr;

TFSet_SDO_Server_Access::~TFSet_SDO_Server_Access() {
    if (FSet_SDO_Server_Access == this) FSet_SDO_Server_Access = nullptr;
}

}  // namespace proto
