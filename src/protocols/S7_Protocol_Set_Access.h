#pragma once
// "S7comm Access": the requests the gateway sends as a client of S7 PLCs,
// reads into its data array and writes from it, on two pages, stored in
// "S7_Protocol.xml". The gateway holds at most 10 PLC connections (one per
// address and port) for both tables together.

#include <array>
#include <cstdint>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

extern const TAccessMember S7_Protocol_Member;

inline constexpr int S7_Data_Bytes = 1500;
inline constexpr int S7_Connections = 10;

struct TIPPort {
    int IP1 = -1, IP2 = -1, IP3 = -1, IP4 = -1, Port = -1;  // IP1 -1: a free slot
};

// The connection slot of an address and port: the slot already holding
// them, else the first free one (claimed), else -1.
int Check_IP_Port(std::array<TIPPort, S7_Connections>& Slots, int B1, int B2, int B3, int B4, int Port);

// The read rules, then the write rules, sharing the connection slots.
TCheckOutcome Check_S7_Tables(const std::vector<TTable>& Tables);

class TFS7_Protocol_Set_Access : public TAccessTableForm {
public:
    explicit TFS7_Protocol_Set_Access(plat::TComponent* AOwner) : TAccessTableForm(AOwner, S7_Protocol_Member) {}
    ~TFS7_Protocol_Set_Access() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override { return Check_S7_Tables(Tables); }
};

extern TFS7_Protocol_Set_Access* FS7_Protocol_Set_Access;

}  // namespace proto
