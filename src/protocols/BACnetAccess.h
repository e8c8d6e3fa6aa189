#pragma once
// "Set BACnet Access" (unit UBACnetAccess): the BACnet client rules. A read
// rule reads a property of a device's object into the input data area, a
// write rule writes output data into an object's present value. The device
// is addressed by IP address or MS/TP station as "ParGen.xml" says; objects
// can be taken from the device's EDE file.

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "protocols/AccessTableForm.h"

namespace proto {

// The window's description. Its tables' key column follows the client kind
// read at each opening, so it is the one description the program changes.
TAccessMember& BACnet_Access_Member();

class TFBACnetAccess : public TAccessTableForm {
public:
    explicit TFBACnetAccess(plat::TComponent* AOwner);
    ~TFBACnetAccess() override;

    void Set_Lang() override;
    bool Controllo_dati() override;

    int App_BACnet_Type = 0;
    plat::TPendingRef<plat::TControl> Btn_Import_CSV{this};
    plat::TPendingRef<plat::TOpenDialog> OD_EDE_File{this};

protected:
    void Bind_Contents() override;
    void Show_Prepare() override;

private:
    void FormCreate();
    void Address_Headers();
    void Btn_Import_CSVClick();
    void ACG1GridHint(int ARow, int ACol, std::string& Hint);
};

extern TFBACnetAccess* FBACnetAccess;

}  // namespace proto
