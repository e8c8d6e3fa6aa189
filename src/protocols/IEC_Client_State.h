#pragma once
// What the IEC 61850 client window edits, held apart from the window: the
// decoded devices, the rows of the variable and data-set tables, and the
// member settings of each data-set row. The window copies its cells into
// this state and back; loading, saving and every row operation live here.

#include <memory>
#include <string>
#include <vector>

#include "protocols/IEC_Client_Decode.h"
#include "protocols/IEC_Client_File.h"

namespace proto {

// The settings of one member of a chosen data set.
struct TDataSet_DA {
    TIEC_DA* Select_DA = nullptr;
    std::string Position;
    std::string bitAddress;
    std::string conversion;
    std::string multFactor;
    std::string Mnemonic;
};

// One row of the data-set table.
struct TDataSet {
    TIEC_DataSet* Select_DataSet = nullptr;  // none when a loaded row found no data set
    std::vector<TDataSet_DA> List_DAs;
    // The saved members of a row whose device is a stand-in: written back
    // unchanged, so an SCL file missing for a while costs no settings.
    std::vector<TIEC_DataSet_DA_Item> Kept_Members;
};

using TIEC_Device_List = std::vector<std::unique_ptr<TIEC_Device>>;

// The configuration's catalog of SCL files: Conf_Path + "\ICD_Catalog".
std::string ICD_Catalog_Folder(const std::string& confPath);
// Where an SCL file picked anywhere lands in the catalog.
std::string Catalog_Target(const std::string& source, const std::string& catalogFolder);
// Copies the file into the catalog (made when missing); false with a message
// naming both files when that fails.
bool Copy_To_Catalog(const std::string& source, const std::string& catalogFolder, std::string* error);

// The first data set of device `index` whose reference is `reference`.
TIEC_DataSet* Get_DataSet(const TIEC_Device_List& devices, int index, const std::string& reference);

struct TIEC_Client_State {
    TIEC_Device_List List_IEC_Dev;          // position = the rows' device index
    std::vector<TIEC_DA_Row> Variables;     // the variable table, one row at least
    std::vector<TIEC_DataSet_Row> DataSets; // the data-set table, one row at least
    std::vector<TDataSet> List_DataSet;     // item i belongs to data-set row i+1
    std::vector<bool> Fixed_Bytes;          // per variable row: Start and Num Byte read-only

    TIEC_Client_State() { Reset(); }

    // No devices, each table one empty row.
    void Reset();

    // Reset, then the file and the catalog's SCL files. An SCL file that is
    // missing or cannot be decoded gives a stand-in device in its place and
    // a message; a file that cannot be read leaves the reset state and
    // gives false with the message.
    bool Load(const std::string& path, const std::string& catalogFolder, std::vector<std::string>& messages);
    TIEC_Client_File To_File() const;

    // Decodes an SCL file of the catalog and appends its device; false with
    // the decoder's message, and nothing added, when the file is not sound.
    bool Add_Device(const std::string& catalogFile, std::string* error);
    enum TRemoval { Removed, No_Device, In_Use };
    // A device that a row names stays; otherwise the rows after it are
    // renumbered so that each keeps naming its device.
    TRemoval Remove_Device(int index);

    // A leaf attribute of device `device` as a new variable row; false for a
    // structured attribute. Returns the row (from 1) through *row.
    bool Add_Variable(int device, const TIEC_DA& da, int* row = nullptr);
    void Add_DataSet(int device, TIEC_DataSet& dataSet, int* row = nullptr);
    void Remove_Variable(int row);
    void Remove_DataSet(int row);

    // Fixed-size types get their byte position; run after every row change.
    void Set_Start_Num_Byte();
};

}  // namespace proto
