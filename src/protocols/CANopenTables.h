#pragma once
// The three CANopen tables of the gateway as members of the access-table
// family, without their windows: the PDO list ("PDO_CANopen.xml"), the
// objects the gateway serves as SDO server ("SDO_Server_CANopen.xml") and the
// requests it sends as SDO client ("SDO_Client_CANopen.xml"), each with its
// data check.

#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// Bytes of the gateway's data array a PDO or SDO position may address, in
// either direction.
inline constexpr int CANopen_Data_Bytes = 1500;

extern const TAccessMember Set_PDO_Member;
extern const TAccessMember Set_SDO_Server_Member;
extern const TAccessMember Set_SDO_Client_Member;

// Receive table first, then transmit: COB-ID, Dimension, the positions of
// the PDO's bytes (only as many as its Dimension), TimeOut or Send Time.
TCheckOutcome Check_PDO_Tables(const std::vector<TTable>& Tables);

// Read table first, then write: Index, SubIndex, N Byte and the positions of
// the entry's bytes. An index and sub-index may stand in one row only,
// across both tables: the gateway serves each object entry once, and its
// data sheet names it once.
TCheckOutcome Check_SDO_Server_Tables(const std::vector<TTable>& Tables);

// Read table first, then write: ID Device, Index, SubIndex, N Byte, Poll
// Time (at least 1 ms for reading) and the positions of the bytes.
TCheckOutcome Check_SDO_Client_Tables(const std::vector<TTable>& Tables);

// A CANopen window has nothing of its own but its description and its check.
template <const TAccessMember& Description, TCheckOutcome (*Rules)(const std::vector<TTable>&)>
class TCANopenForm : public TMemberForm<Description, Rules> {
public:
    using TMemberForm<Description, Rules>::TMemberForm;
};

}  // namespace proto
