#pragma once
// "DeviceNet Network": the DeviceNet slaves the gateway exchanges data with,
// each with its node ID and its input and output byte counts. The byte-offset
// window (DefOffset.h) reads the saved list; the k-th row is the k-th slave.

#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

inline constexpr int DNet_Slaves = 64;

extern const TAccessMember DNet_Member;

// ID 0 to 63, Num Byte In and Num Byte Out 0 to 65535; two rows may carry
// the same ID.
TCheckOutcome Check_DNet(const std::vector<TTable>& Tables);

class TFDNet : public TMemberForm<DNet_Member, Check_DNet> {
public:
    using TMemberForm::TMemberForm;
    ~TFDNet() override;
};

extern TFDNet* FDNet;

}  // namespace proto
