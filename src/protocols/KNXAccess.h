#pragma once
// "KNX Set Access": the KNX rules of the gateway (source and destination
// addresses, service, priority, format, triggers and where the data lie in
// the gateway's data array), stored in "KNX_SetAccess.xml".

#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

extern const TAccessMember KNX_Access_Member;

inline constexpr int KNX_Data_Bytes = 1500;

// Decimal_Separator is the one the number conversion uses, for the factor.
TCheckOutcome Check_KNX_Tables(const std::vector<TTable>& Tables, char Decimal_Separator);

// An individual address area.line.device or a plain number 1 .. 65535; two
// dotted parts say neither and are refused.
bool KNX_Individual_Address_Valid(const std::string& Text);
// main/middle/sub, main/sub or a plain number 1 .. 65535.
bool KNX_Group_Address_Valid(const std::string& Text);

class TFKNXAccess : public TAccessTableForm {
public:
    explicit TFKNXAccess(plat::TComponent* AOwner) : TAccessTableForm(AOwner, KNX_Access_Member) {}
    ~TFKNXAccess() override;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
};

extern TFKNXAccess* FKNXAccess;

}  // namespace proto
