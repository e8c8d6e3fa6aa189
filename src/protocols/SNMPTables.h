#pragma once
// The two SNMP tables of the gateway as members of the access-table family,
// without their windows: the agent's objects and traps ("SNMP_Trap.xml", a
// read page and a write page, the source of the MIB) and the manager's
// requests to other agents ("SNMP_Manager.xml"), each with its data check.

#include <string>
#include <string_view>
#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// Bytes of the data array an agent object or a manager request may address.
inline constexpr int SNMP_Data_Bytes = 1440;

extern const TAccessMember SNMP_Trap_Member;
extern const TAccessMember SNMP_Manager_Member;

// True when the text is NOT acceptable: a character other than "0"-"9",
// "A"-"Z", "a"-"z", or with Check_Type 1 a first character other than
// "a"-"z". The empty text is acceptable; nothing is trimmed.
bool Check_Error_CommName_Desc(std::string_view Text, int Check_Type);

// The "N" column of one agent table: the ordinal of each row among the rows
// whose Enable reads "Y" in any case (the index of its MIB object), empty
// for the others. Every row counts, below the end of the table too.
void Index_Row_Build(TTable& Rows);

// Read page, write page, then the Descriptions of the enabled rows, which
// become the MIB's object names: they must all differ, and none may be a
// name the MIB uses itself.
TCheckOutcome Check_SNMP_Trap_Tables(const std::vector<TTable>& Tables);
// The error box's text: "Error row " and the rule, or the Descriptions'
// message alone.
std::string SNMP_Trap_Message(const TCheckOutcome& Outcome);

// The enabled rows, then no two enabled rows with the same IP Address,
// Version and OID.
TCheckOutcome Check_SNMP_Manager_Table(const std::vector<TTable>& Tables);
// "Error row " and the rule, or, for a repeated request, both rows.
std::string SNMP_Manager_Message(const TCheckOutcome& Outcome);

}  // namespace proto
