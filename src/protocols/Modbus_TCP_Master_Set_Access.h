#pragma once
// "Set Modbus TCP Master Access" (unit UModbus_TCP_Master_Set_Access): the
// Modbus TCP master rules. A read rule polls a slave at an IP address and
// port into the input data area, a write rule sends output data to one.

#include <string>
#include <vector>

#include "protocols/ModbusAccessForm.h"

namespace proto {

extern const TAccessMember Modbus_TCP_Member;
// The rules of its read and write tables.
extern const TModbusTable Modbus_TCP_Read_Rules;
extern const TModbusTable Modbus_TCP_Write_Rules;

class TFModbus_TCP_Master_Set_Access : public TModbusAccessForm {
public:
    explicit TFModbus_TCP_Master_Set_Access(plat::TComponent* AOwner);
    ~TFModbus_TCP_Master_Set_Access() override;

protected:
    // The topic column is stored as its index in List_Publish_Topic, which
    // nothing fills: the files hold -1 and the topic shows empty.
    void After_Load(std::vector<TTable>& Tables, const TLoadReport& Report) override;
    void Before_Save(std::vector<TTable>& Tables) override;
};

extern TFModbus_TCP_Master_Set_Access* FModbus_TCP_Master_Set_Access;

}  // namespace proto
