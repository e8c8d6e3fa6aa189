#pragma once
// "Set Modbus Access" (unit USetAccess): the Modbus RTU master rules. Read
// rules poll a serial slave into the input data area, write rules send
// output data to a slave. No command opens it in this model; it is created
// and relabelled with the other windows.

#include <string>
#include <vector>

#include "protocols/ModbusAccessForm.h"

namespace proto {

extern const TAccessMember Modbus_RTU_Member;
// The rules of its read and write tables.
extern const TModbusTable Modbus_RTU_Read_Rules;
extern const TModbusTable Modbus_RTU_Write_Rules;

class TFSetAccess : public TModbusAccessForm {
public:
    explicit TFSetAccess(plat::TComponent* AOwner);
    ~TFSetAccess() override;

    // The list index last picked in each read row's topic cell; -1 for none.
    std::vector<int> ComboItem_Topic;

    // The index of Topic: Index itself when that entry holds Topic, else the
    // first entry equal to it, -1 when none.
    int Get_Index_From_Topic(const std::string& Topic, int Index) const;

protected:
    void Bind_Contents() override;
    void Show_Prepare() override;
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
    void Before_Save(std::vector<TTable>& Tables) override;
};

extern TFSetAccess* FSetAccess;

}  // namespace proto
