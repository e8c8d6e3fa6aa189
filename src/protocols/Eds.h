#pragma once
// The CANopen object model the EDS file is written from: the receive and
// transmit PDOs of "PDO_CANopen.xml" (COB-ID and length of each) and the
// object entries of "SDO_Server_CANopen.xml", grouped by object index with
// their sub-indexes in ascending order. Plain data, filled from loaded
// documents or from the files, so the writer needs no window and no disk.

#include <cstdint>
#include <string>
#include <vector>

namespace plat {
class TXmlDocument;
}

namespace proto {

// The gateway holds this many PDOs per direction, as the PDO window does; the
// EDS names their variables from tables of the same length.
inline constexpr int EDS_PDO_Max = 30;

struct TEDS_PDO {
    int32_t COB_ID = 0;
    int32_t Dimension = 8;  // data length in bytes
    bool operator==(const TEDS_PDO&) const = default;
};

// In file order; never more than EDS_PDO_Max entries per direction.
struct TEDS_PDO_Table {
    std::vector<TEDS_PDO> Receive;
    std::vector<TEDS_PDO> Transmit;
    bool operator==(const TEDS_PDO_Table&) const = default;
};

struct SDO_Sub_Type {
    uint8_t Sub = 0;
    uint8_t Quantity = 0;  // bytes: 1, 2 or 4 from the window
    bool Readonly = true;  // a row of the read table
    std::string Mnemonic;  // left empty: the EDS names every entry alike
    bool operator==(const SDO_Sub_Type&) const = default;
};

struct SDO_Index {
    uint16_t Index = 0;
    std::vector<SDO_Sub_Type> Sub_Indexs;
    bool operator==(const SDO_Index&) const = default;
};

// In the order the indexes first appear in the file, read rows first.
using TSDO_Index_List = std::vector<SDO_Index>;

struct TEdsModel {
    TEDS_PDO_Table PDO;
    TSDO_Index_List SDO_Index_List;
};

// Fills Table from a loaded "PDO_CANopen.xml": every row element of
// Receive_PDO and Transmit_PDO, COB-ID (default 0) and Dimension (default 8)
// read as numbers, an empty or unreadable text giving the default. A missing
// section gives no PDOs of that direction. Refused, with the reason in
// *Error: another root, a row without one of the two attributes, and more
// rows in a section than the gateway holds (only a hand-edited file has them).
bool Read_EDS_PDO_List(const plat::TXmlDocument& Doc, TEDS_PDO_Table& Table, std::string* Error = nullptr,
                       const std::string& File_Name = "PDO_CANopen.xml");
// A missing file is no error: no PDOs.
bool Load_EDS_PDO_List(const std::string& Path, TEDS_PDO_Table& Table, std::string* Error = nullptr);

// Appends the rows of a loaded "SDO_Server_CANopen.xml" to List: SDO_Read
// rows read-only, then SDO_Write rows read-write, each joining the group of
// its index. Index, SubIndex and NByte must be numbers; a missing attribute
// or one that is no number is refused, naming the file, the section and row.
bool Read_EDS_SDO_Objects(const plat::TXmlDocument& Doc, TSDO_Index_List& List, std::string* Error = nullptr,
                          const std::string& File_Name = "SDO_Server_CANopen.xml");
// A missing file is no error: the list is left as it is.
bool Load_EDS_SDO_Objects(const std::string& Path, TSDO_Index_List& List, std::string* Error = nullptr);

// Position of the first group of that index, -1 when there is none.
int Find_SDO_Index(const TSDO_Index_List& List, int Index);

// Each group's entries ascending by sub-index; equal sub-indexes keep their
// reading order, and the order of the groups does not change.
void Sort_SDO_Sub_Indexes(TSDO_Index_List& List);

// The model of the open configuration (the paths of shell::Set_Files),
// sorted and ready to write.
bool Load_EDS_Model(TEdsModel& Model, std::string* Error = nullptr);

}  // namespace proto
