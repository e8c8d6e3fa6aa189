#pragma once
// "Set EtherNet/IP Slaves Access": the adapters the gateway exchanges cyclic
// I/O with as scanner, one rule per adapter (address, byte ranges, poll
// time, connection data), stored in "EtherNetIP_Master_Rules.xml". The
// connection data can be taken from the adapter's EDS file.

#include <vector>

#include "platform/Dialogs.h"
#include "protocols/AccessTableForm.h"

namespace proto {

extern const TAccessMember EtherNetIP_Master_Member;

// Bytes all rules together may keep and write.
inline constexpr int EtherNetIP_Master_Bytes = 1438;

// The rules of rows 1 .. 10 (a disabled row, even without an address, is
// stepped over), then the totals of the input and output bytes; a total
// fault has row 0.
TCheckOutcome Check_EtherNetIP_Master_Tables(const std::vector<TTable>& Tables);

// The first row whose IP Address and Instance T > O are both blank, 0 when
// none: where an imported connection goes.
int First_Free_Import_Row(const TTable& Rows);

class TFEtherNetIP_Master_Access : public TAccessTableForm {
public:
    explicit TFEtherNetIP_Master_Access(plat::TComponent* AOwner);
    ~TFEtherNetIP_Master_Access() override;

    void Set_Lang() override;
    void Btn_Import_EDSClick();

    plat::TPendingRef<plat::TControl> Btn_Import_EDS{this};
    plat::TOpenDialog* OD_EDS;

protected:
    void Bind_Contents() override;
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
    std::string Check_Text(const TCheckOutcome& Outcome) const override;
};

extern TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access;

}  // namespace proto
