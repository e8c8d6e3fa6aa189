#include "protocols/IEC_Client_State.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "protocols/IEC_Client_Rows.h"

namespace proto {

std::string ICD_Catalog_Folder(const std::string& confPath) {
    return base::NativePath(confPath + "\\" + "ICD_Catalog");
}

std::string Catalog_Target(const std::string& source, const std::string& catalogFolder) {
    return base::JoinPath(catalogFolder, base::ExtractFileName(base::NativePath(source)));
}

bool Copy_To_Catalog(const std::string& source, const std::string& catalogFolder, std::string* error) {
    const std::string target = Catalog_Target(source, catalogFolder);
    if (base::ForceDirectories(catalogFolder) && base::CopyFile(source, target, false)) return true;
    if (error) *error = "The SCL file \"" + source + "\" cannot be copied to \"" + target + "\".";
    return false;
}

TIEC_DataSet* Get_DataSet(const TIEC_Device_List& devices, int index, const std::string& reference) {
    if (index < 0 || index >= static_cast<int>(devices.size())) return nullptr;
    for (const auto& ld : devices[index]->List_LDevice)
        for (const auto& ln : ld->List_LN)
            for (const auto& dataSet : ln->List_DataSet)
                if (dataSet->fReference == reference) return dataSet.get();
    return nullptr;
}

namespace {

TDataSet Make_DataSet(TIEC_DataSet& dataSet) {
    TDataSet row;
    row.Select_DataSet = &dataSet;
    for (TIEC_DA* member : dataSet.List_DA) row.List_DAs.push_back(TDataSet_DA{member, {}, {}, {}, {}, {}});
    return row;
}

// A saved data-set row attached to the freshly decoded device: members are
// matched by position, type and reference, so a member that moved or
// changed in the SCL file loses its settings rather than take another's.
TDataSet Attach_DataSet(const TIEC_Device_List& devices, const TIEC_DataSet_Item& item) {
    TDataSet row;
    int index = -1;
    if (!base::TryStrToInt(item.Cells[DS_Col_Index], index)) index = -1;
    row.Select_DataSet = Get_DataSet(devices, index, item.Cells[DS_Col_Reference]);
    if (!row.Select_DataSet) {
        if (index >= 0 && index < static_cast<int>(devices.size()) && devices[index]->fMissing)
            row.Kept_Members = item.Members;
        return row;
    }
    const std::vector<TIEC_DA*>& members = row.Select_DataSet->List_DA;
    for (std::size_t k = 0; k < item.Members.size(); ++k) {
        const TIEC_DataSet_DA_Item& saved = item.Members[k];
        if (k >= members.size() || members[k]->fbType != saved.bType || members[k]->fReference != saved.Reference)
            continue;
        row.List_DAs.push_back(
            TDataSet_DA{members[k], saved.Position, saved.StartBit, saved.Convertion, saved.MoltFact, saved.Mnemonic});
    }
    return row;
}

std::vector<TIEC_DataSet_DA_Item> Members_To_Save(const TDataSet& row) {
    if (!row.Select_DataSet) return row.Kept_Members;
    std::vector<TIEC_DataSet_DA_Item> members;
    for (const TDataSet_DA& member : row.List_DAs) {
        members.push_back({member.Select_DA->fbType, member.Select_DA->fReference, member.Position,
                           member.bitAddress, member.conversion, member.multFactor, member.Mnemonic});
    }
    return members;
}

std::unique_ptr<TIEC_Device> Stand_In(const TIEC_ICD_File& file) {
    auto device = std::make_unique<TIEC_Device>();
    device->fName = file.Name;
    device->fFileName = file.FileName;
    device->fMissing = true;
    return device;
}

}  // namespace

void TIEC_Client_State::Reset() {
    List_IEC_Dev.clear();
    Variables.assign(1, TIEC_DA_Row{});
    DataSets.assign(1, TIEC_DataSet_Row{});
    List_DataSet.assign(1, TDataSet{});
    Fixed_Bytes.assign(1, false);
}

bool TIEC_Client_State::Load(const std::string& path, const std::string& catalogFolder,
                             std::vector<std::string>& messages) {
    Reset();
    TIEC_Client_File file;
    std::string error;
    if (!Load_IEC_Client(path, file, &error)) {
        messages.push_back(error);
        return false;
    }
    for (const TIEC_ICD_File& entry : file.Devices) {
        const std::string scl = base::JoinPath(catalogFolder, entry.FileName);
        if (!base::FileExists(scl)) {
            messages.push_back("The SCL file \"" + scl + "\" of the IEC device \"" + entry.Name +
                               "\" is missing from the catalog.");
            List_IEC_Dev.push_back(Stand_In(entry));
            continue;
        }
        auto device = TIEC_Device::Create(scl, &error);
        if (!device) {
            messages.push_back(error);
            device = Stand_In(entry);
        }
        List_IEC_Dev.push_back(std::move(device));
    }
    if (!file.Variables.empty()) Variables = file.Variables;
    if (!file.DataSets.empty()) {
        DataSets.clear();
        List_DataSet.clear();
        for (const TIEC_DataSet_Item& item : file.DataSets) {
            DataSets.push_back(item.Cells);
            List_DataSet.push_back(Attach_DataSet(List_IEC_Dev, item));
        }
    }
    Set_Start_Num_Byte();
    return true;
}

TIEC_Client_File TIEC_Client_State::To_File() const {
    TIEC_Client_File file;
    for (const auto& device : List_IEC_Dev) file.Devices.push_back({device->fName, device->fFileName});
    file.Variables = Variables;
    for (std::size_t r = 0; r < DataSets.size(); ++r) {
        TIEC_DataSet_Item& item = file.DataSets.emplace_back();
        item.Cells = DataSets[r];
        if (r < List_DataSet.size()) item.Members = Members_To_Save(List_DataSet[r]);
    }
    return file;
}

bool TIEC_Client_State::Add_Device(const std::string& catalogFile, std::string* error) {
    auto device = TIEC_Device::Create(catalogFile, error);
    if (!device) return false;
    List_IEC_Dev.push_back(std::move(device));
    return true;
}

TIEC_Client_State::TRemoval TIEC_Client_State::Remove_Device(int index) {
    if (index < 0 || index >= static_cast<int>(List_IEC_Dev.size())) return No_Device;
    if (Device_In_Use(Variables, DataSets, index)) return In_Use;
    List_IEC_Dev.erase(List_IEC_Dev.begin() + index);
    Renumber_After_Removal(Variables, DataSets, index);
    return Removed;
}

bool TIEC_Client_State::Add_Variable(int device, const TIEC_DA& da, int* row) {
    if (!da.List_DA.empty()) return false;
    const std::size_t r = Row_For_New_Entry(Variables);
    TIEC_DA_Row& cells = Variables[r];
    cells[DA_Col_Index] = std::to_string(device);
    cells[DA_Col_bType] = da.fbType;
    cells[DA_Col_FC] = da.fFC;
    cells[DA_Col_Reference] = da.fReference;
    cells[DA_Col_OnChange] = cells[DA_Col_OnCMD] = cells[DA_Col_OnTimer] = "N";
    Set_Start_Num_Byte();
    if (row) *row = static_cast<int>(r + 1);
    return true;
}

void TIEC_Client_State::Add_DataSet(int device, TIEC_DataSet& dataSet, int* row) {
    const std::size_t r = Row_For_New_Entry(DataSets);
    TIEC_DataSet_Row& cells = DataSets[r];
    cells[DS_Col_Index] = std::to_string(device);
    cells[DS_Col_Reference] = dataSet.fReference;
    cells[DS_Col_GooseName] = dataSet.fGooseName;
    cells[DS_Col_EnGoose] = dataSet.fGooseName.empty() ? "N" : "Y";
    // Every row has its member list, also a row typed by hand, so row r
    // and item r-1 always belong together.
    List_DataSet.resize(DataSets.size());
    List_DataSet[r] = Make_DataSet(dataSet);
    if (row) *row = static_cast<int>(r + 1);
}

void TIEC_Client_State::Remove_Variable(int row) {
    if (Remove_Row(Variables, row)) Set_Start_Num_Byte();
}

void TIEC_Client_State::Remove_DataSet(int row) {
    List_DataSet.resize(DataSets.size());
    if (!Remove_Row(DataSets, row)) return;
    if (List_DataSet.size() == 1)
        List_DataSet[0] = TDataSet{};
    else
        List_DataSet.erase(List_DataSet.begin() + (row - 1));
}

void TIEC_Client_State::Set_Start_Num_Byte() { proto::Set_Start_Num_Byte(Variables, &Fixed_Bytes); }

}  // namespace proto
