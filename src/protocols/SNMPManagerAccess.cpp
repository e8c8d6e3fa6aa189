#include "protocols/SNMPManagerAccess.h"

namespace proto {

TFSNMPManagerAccess* FSNMPManagerAccess = nullptr;

TFSNMPManagerAccess::~TFSNMPManagerAccess() {
    if (FSNMPManagerAccess == this) FSNMPManagerAccess = nullptr;
}

}  // namespace proto
