#pragma once
// "IEC_61850_Client.xml": the IEC 61850 client's servers (as SCL file names
// in the configuration's catalog folder), its variables (cell texts of the
// variable table) and its data sets with the settings of their members.
// The root element really is spelled "IEC_68850_Client": files in the field
// carry that name.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace proto {

// The variable table: column 0 the row number, then the 18 stored columns.
enum TIEC_DA_Column {
    DA_Col_Num, DA_Col_Index, DA_Col_bType, DA_Col_FC, DA_Col_Reference, DA_Col_StartByte,
    DA_Col_NumByte, DA_Col_IPAddress, DA_Col_Port, DA_Col_OnChange, DA_Col_OnCMD, DA_Col_OnTimer,
    DA_Col_Time, DA_Col_Position, DA_Col_StartBit, DA_Col_ReadWrite, DA_Col_Convertion, DA_Col_MoltFact,
    DA_Col_Mnemonic, DA_Columns
};
using TIEC_DA_Row = std::array<std::string, DA_Columns>;

// The data-set table: column 0 the row number, then the 8 stored columns.
enum TIEC_DataSet_Column {
    DS_Col_Num, DS_Col_Index, DS_Col_Reference, DS_Col_GooseName, DS_Col_EnGoose, DS_Col_IPAddress,
    DS_Col_Port, DS_Col_Time, DS_Col_Mnemonic, DS_Columns
};
using TIEC_DataSet_Row = std::array<std::string, DS_Columns>;

// Attribute names of columns 1 onwards, in the order the file writes them.
extern const std::array<const char*, DA_Columns - 1> DA_Item_Attributes;
extern const std::array<const char*, DS_Columns - 1> DataSet_Item_Attributes;

struct TIEC_ICD_File {
    std::string Name;      // the IED name, for the reader's eyes only
    std::string FileName;  // the SCL file in the catalog folder
    bool operator==(const TIEC_ICD_File&) const = default;
};

// The settings of one data-set member, with the type and reference that tie
// it to the member of the decoded data set.
struct TIEC_DataSet_DA_Item {
    std::string bType;
    std::string Reference;
    std::string Position;
    std::string StartBit;
    std::string Convertion;
    std::string MoltFact;
    std::string Mnemonic;
    bool operator==(const TIEC_DataSet_DA_Item&) const = default;
};

struct TIEC_DataSet_Item {
    TIEC_DataSet_Row Cells;  // column 0 is not stored
    std::vector<TIEC_DataSet_DA_Item> Members;
    bool operator==(const TIEC_DataSet_Item&) const = default;
};

struct TIEC_Client_File {
    std::vector<TIEC_ICD_File> Devices;  // the position is the rows' device index
    std::vector<TIEC_DA_Row> Variables;  // column 0 is not stored
    std::vector<TIEC_DataSet_Item> DataSets;
    bool operator==(const TIEC_Client_File&) const = default;
};

// Every list element is written, also when empty; the comment
// "SW_VERSION = 1.000" follows the root. A table of one row whose Index cell
// is empty is the table the window shows when nothing was chosen: it is
// written as no row at all.
std::string IEC_Client_To_Xml(const TIEC_Client_File& file);
// Atomic: a failed save leaves the old file as it was.
bool Save_IEC_Client(const TIEC_Client_File& file, const std::string& path, std::string* error = nullptr);

// Missing list elements and attributes read as empty; rows are numbered
// from 1 in column 0. Only text that is not well-formed is refused, with a
// message naming the file; file is then empty.
bool IEC_Client_From_Xml(std::string_view xml, TIEC_Client_File& file, std::string* error = nullptr,
                         std::string_view fileName = {});
// A missing file is an empty configuration, and true.
bool Load_IEC_Client(const std::string& path, TIEC_Client_File& file, std::string* error = nullptr);

}  // namespace proto
