#pragma once
// The BACnet server objects (unit UBACnetSlaveSetAccess): each row maps one
// BACnet object the gateway serves onto bytes of its input ("BACnet in
// Read") or output ("BACnet in Write") area. The EDE export turns the file
// into the device's object list.

#include <string>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// The window's description; its tables' length follows the parameter file's
// description limit, read at each opening.
TAccessMember& BACnet_Slave_Member();

class TFBACnetSlaveSetAccess : public TAccessTableForm {
public:
    explicit TFBACnetSlaveSetAccess(plat::TComponent* AOwner);
    ~TFBACnetSlaveSetAccess() override;

    bool Controllo_dati() override;

    bool Desc_Lenght = false;
    int NByte_IN = 1500;
    int NByte_OUT = 1500;

protected:
    void Bind_Contents() override;

private:
    void FormShow();
    void DblClickCell(int Table, int ARow, int ACol);
    void ACG_BACnet_in_WriteComboChange(int ACol, int ARow, const std::string& Text);
};

extern TFBACnetSlaveSetAccess* FBACnetSlaveSetAccess;

}  // namespace proto
