#include "protocols/Set_SDO_Client_Access.h"

namespace proto {

TFSet_SDO_Client_Access* FSet_SDO_Client_Access = nullptr;

TFSet_SDO_Client_Access::~TFSet_SDO_Client_Access() {
    if (FSet_SDO_Client_Access == this) FSet_SDO_Client_Access = nullptr;
}

}  // namespace proto
