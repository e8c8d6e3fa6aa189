#pragma once
// What the EDE import dialog decides and what the client table does with the
// objects the user marked: the dialog's check-box rule and address check, and
// the rows the marked objects become.

#include <string>
#include <vector>

#include "protocols/BACnetAccessData.h"
#include "protocols/EDEReader.h"

namespace proto {

// The dialog's columns of marks.
inline constexpr int EDE_Col_Import = 1;
inline constexpr int EDE_Col_Read = 2;
inline constexpr int EDE_Col_Write = 3;

// The user ticks or clears a mark of var. A write mark on an object that is
// not commandable is refused: false, and the mark stays clear.
bool Set_EDE_Mark(TBACnet_Var& var, int ACol, bool State);

// The dialog's address check on OK: 0 when accepted, else the text number
// (2116 for BACnet/IP, 2117 for MS/TP). Other kinds take any text.
int Check_EDE_Address(const std::string& text, int Kind);

// The objects that found no free row, by table.
struct TEDEImportReport {
    std::vector<std::string> NotRead;
    std::vector<std::string> NotWritten;
    bool Complete() const { return NotRead.empty() && NotWritten.empty(); }
};

// Appends the marked objects to the client tables: each table from its first
// row whose key cell (of the kind) is blank, at byte positions after the
// furthest one the rows above use. Rows past the table's end are not made:
// those objects are reported by name.
TEDEImportReport Import_EDE_Vars(const std::vector<TBACnet_Var>& vars, const std::string& Device_Address,
                                 int Kind, TBACnetAccessData& data);

}  // namespace proto
