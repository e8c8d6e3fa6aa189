#pragma once
// What the Modbus RTU and Modbus TCP master windows share beyond the family:
// the data area sizes, the position lists that follow them, the topic list
// nothing fills, and the check of both tables with the Modbus rules.

#include <string>
#include <vector>

#include "protocols/AccessTableForm.h"
#include "protocols/ModbusCheck.h"

namespace proto {

class TModbusAccessForm : public TAccessTableForm {
public:
    // Read and Write describe table 0 and table 1 of the member.
    TModbusAccessForm(plat::TComponent* AOwner, const TAccessMember& Member, const TModbusTable& Read,
                      const TModbusTable& Write);

    std::vector<std::string> List_Publish_Topic;
    int NByte_IN = Modbus_Data_Bytes;
    int NByte_OUT = Modbus_Data_Bytes;

protected:
    TCheckOutcome Check_Tables(const std::vector<TTable>& Tables) override;
    void Show_Prepare() override;
    int Position_Count(int Table, int Col) const override;

    const TModbusTable& FRead;
    const TModbusTable& FWrite;
};

}  // namespace proto
