#include "protocols/ModbusAccessForm.h"

namespace proto {

TModbusAccessForm::TModbusAccessForm(plat::TComponent* AOwner, const TAccessMember& Member,
                                     const TModbusTable& Read, const TModbusTable& Write)
    : TAccessTableForm(AOwner, Member), FRead(Read), FWrite(Write) {}

void TModbusAccessForm::Show_Prepare() {
    NByte_IN = Modbus_Data_Bytes;
    NByte_OUT = Modbus_Data_Bytes;
}

int TModbusAccessForm::Position_Count(int Table, int Col) const {
    if (Table == 0 && Col == FRead.Columns.Position) return NByte_IN;
    if (Table == 1 && Col == FWrite.Columns.Position) return NByte_OUT;
    return TAccessTableForm::Position_Count(Table, Col);
}

TCheckOutcome TModbusAccessForm::Check_Tables(const std::vector<TTable>& Tables) {
    grid::TExtColumnGrid& read = Table_Grid(0);
    const TModbusRules readRules{
        .Data_Bytes = NByte_IN,
        .Position_Checked = !FRead.Position_When_Shown || !read.IsHiddenColumn(FRead.Columns.Position),
        .Topic_Checked = FRead.Columns.Topic >= 0 && !read.IsHiddenColumn(FRead.Columns.Topic)};
    const TModbusRules writeRules{.Data_Bytes = NByte_OUT};
    return Check_Modbus_Tables(Member().File, Tables, FRead, readRules, FWrite, writeRules);
}

}  // namespace proto
