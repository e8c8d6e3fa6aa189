#include "protocols/SNMP_Trap_Access.h"

namespace proto {

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;

TFSNMP_Trap_Access::TFSNMP_Trap_Access(plat::TComponent* AOwner) : TAccessTableForm(AOwner, SNMP_Trap_Member) {}

void TFSNMP_Trap_Access::Bind_Contents() {
    // The numbers follow a ticked or cleared Enable at once, so the user
    // sees the MIB index an object will get before saving.
    for (grid::TExtColumnGrid* g : Grids)
        g->OnCheckBoxClick = [this, g](plat::TObject*, int ACol, int, bool) {
            if (g->RealColIndex(ACol) == 1) Index_Row_Build(*g);
        };
}

TFSNMP_Trap_Access::~TFSNMP_Trap_Access() {
    if (FSNMP_Trap_Access == this) FSNMP_Trap_Access = nullptr;
}

void TFSNMP_Trap_Access::Index_Row_Build(grid::TExtColumnGrid& Grid) {
    TTable rows;
    for (int r = 1; r < Grid.RowCount(); ++r) rows.push_back({Grid.Cells(0, r), Grid.Cells(1, r)});
    proto::Index_Row_Build(rows);
    Grid.BeginUpdate();
    for (int r = 1; r < Grid.RowCount(); ++r) Grid.SetCells(0, r, rows[static_cast<size_t>(r - 1)][0]);
    Grid.EndUpdate();
}

TCheckOutcome TFSNMP_Trap_Access::Check_Tables(const std::vector<TTable>& Tables) {
    return Check_SNMP_Trap_Tables(Tables);
}

std::string TFSNMP_Trap_Access::Check_Text(const TCheckOutcome& Outcome) const {
    return SNMP_Trap_Message(Outcome);
}

void TFSNMP_Trap_Access::After_Load(std::vector<TTable>& Tables, const TLoadReport&) {
    for (TTable& t : Tables) proto::Index_Row_Build(t);
}

}  // namespace proto
