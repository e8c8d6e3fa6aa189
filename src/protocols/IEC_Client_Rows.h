#pragma once
// The rules of the IEC 61850 client's tables, on plain rows: the byte
// position of fixed-size values, the data check of the variable table, and
// the device index that both tables keep in column 1.

#include <string>
#include <string_view>
#include <vector>

#include "protocols/AccessTable.h"
#include "protocols/IEC_Client_File.h"

namespace proto {

// Byte count of a value of the basic type (compared in upper case), or 0 for
// a type whose Start Byte and Num Byte the user types (strings, octets, an
// empty cell).
int Fixed_Byte_Size(std::string_view bType);

// Start Byte "0" and Num Byte the type's size on every fixed-size row,
// whatever the cells held; fixed[r] tells whether row r's two cells are
// read-only (one entry per row).
void Set_Start_Num_Byte(std::vector<TIEC_DA_Row>& rows, std::vector<bool>* fixed = nullptr);

inline constexpr int Position_Max = 1399;
inline constexpr int Error_Row_Text = 3252;  // "Error row "

// The first fault of the variable table (table 0). Every row is examined; a
// row with an empty bType is skipped and the rows after it are still
// checked. decimalSeparator is the regional one. The message is
// Check_Message(Error_Row_Text, outcome).
TCheckOutcome Controllo_dati(const std::vector<TIEC_DA_Row>& rows, char decimalSeparator);

// Whether a row of either table names the device (column 1, read as a number).
bool Device_In_Use(const std::vector<TIEC_DA_Row>& variables, const std::vector<TIEC_DataSet_Row>& dataSets,
                   int device);

// After removing device `removed`, every Index above it moves down by one,
// so each row keeps naming its device.
void Renumber_After_Removal(std::vector<TIEC_DA_Row>& variables, std::vector<TIEC_DataSet_Row>& dataSets,
                            int removed);

// Column 0 := the row number from 1.
template <typename Row>
void Number_Rows(std::vector<Row>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) rows[r][0] = std::to_string(r + 1);
}

// Removes data row `row` (from 1). The last remaining row is cleared
// instead and stays as row 1. False when there is no such row.
template <typename Row>
bool Remove_Row(std::vector<Row>& rows, int row) {
    if (row < 1 || row > static_cast<int>(rows.size())) return false;
    if (rows.size() == 1)
        rows[0] = Row{};
    else
        rows.erase(rows.begin() + (row - 1));
    Number_Rows(rows);
    return true;
}

// The row Add Var fills: the single row with an empty Index when the table
// is in its empty state, else a new last row. Returns its index in rows.
template <typename Row>
std::size_t Row_For_New_Entry(std::vector<Row>& rows) {
    if (rows.size() == 1 && rows[0][1].empty()) {
        rows[0] = Row{};
    } else {
        rows.emplace_back();
    }
    Number_Rows(rows);
    return rows.size() - 1;
}

}  // namespace proto
