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
    const TModbusTable* tables[2] = {&FRead, &FWrite};
    const int bytes[2] = {NByte_IN, NByte_OUT};
    for (int t = 0; t < 2; ++t) {
        const TModbusTable& m = *tables[t];
        grid::TExtColumnGrid& g = Table_Grid(t);
        const TModbusRules rules{
            .Data_Bytes = bytes[t],
            .Position_Checked = !m.Position_When_Shown || !g.IsHiddenColumn(m.Columns.Position),
            .Topic_Checked = m.Columns.Topic >= 0 && !g.IsHiddenColumn(m.Columns.Topic)};
        const TCheckOutcome outcome =
            Check_Table(Member().File.Tables[static_cast<size_t>(t)], Tables[static_cast<size_t>(t)], t,
                        [&](const TTableRow& row) { return Check_Modbus_Row(row, m, rules); });
        if (!outcome.Ok()) return outcome;
    }
    return {};
}

}  // namespace proto
