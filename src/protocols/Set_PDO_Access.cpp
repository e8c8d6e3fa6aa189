#include "protocols/Set_PDO_Access.h"

namespace proto {

TFSet_PDO_Access* FSet_PDO_Access = nullptr;

TFSet_PDO_Access::~TFSet_PDO_Access() {
    if (FSet_PDO_Access == this) FSet_PDO_Access = nullptr;
}

}  // namespace proto
