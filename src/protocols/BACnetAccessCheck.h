#pragma once
// The BACnet client window's data check: every used, enabled row of the read
// table, then of the write table, against the BACnet vocabulary and the
// ranges of the gateway; the first fault out.

#include "protocols/BACnetAccessData.h"
#include "protocols/TableFault.h"

namespace proto {

// The destination of a routed rule: network, length ("1", "2", "6" or "M1"
// to "M8") and address. InRead picks the read table's texts.
TTableFault Check_Destination(const std::string& net, const std::string& len, const std::string& add, int Row,
                              bool InRead);

// An address written as NumByte comma-separated bytes ("M3": "10,20,30").
TTableFault Check_Dest_Add(const std::string& values, int NumByte, int Row, bool InRead);

TTableFault Check_BACnet_Access(const TBACnetAccessData& data, int Kind);

}  // namespace proto
