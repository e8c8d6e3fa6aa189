#pragma once
// The IEC 61850 model of one SCL file: the first IED it describes, with its
// logical devices, logical nodes, data objects and data attributes as the data
// type templates expand them, and the data sets of each logical node resolved
// to attributes of the same tree. The decoder reads SCL and never writes it.
//
// Object references ("E1LD0/Q0XCBR1.Pos.stVal", "E1LD0/LLN0.DS1") are stored
// in the client configuration file and matched again when it is loaded, so
// their form must not change.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace plat {
class TTreeNode;
class TXmlDocument;
class TXmlNode;
}  // namespace plat

namespace proto {

class TIEC_Device;
class TSCL_Templates;
struct TSCL_Element;

// Data objects and attributes, by far the most numerous objects, are held by
// value; the tree never changes once decoded, so pointers to them (data-set
// members, the window's selection) stay valid as long as their device.

// One "DA" element, or one "BDA" member of a structured attribute. An
// attribute whose List_DA is empty is a leaf.
class TIEC_DA {
public:
    std::string fName;
    std::string fReference;
    std::string fbType;  // as the file writes it
    std::string fFC;     // its own "fc", or inherited from the attribute it belongs to
    std::vector<TIEC_DA> List_DA;
    plat::TTreeNode* TreeNode = nullptr;  // set by the window showing the tree

    const std::string& Name() const { return fName; }
    const std::string& Reference() const { return fReference; }
    const std::string& bType() const { return fbType; }
    const std::string& FC() const { return fFC; }

    TIEC_DA* Find_DA(std::string_view DA_Name) const;
    TIEC_DA* Find_First_DA() const;

    void Decode_DA(const TSCL_Element& DA, TSCL_Templates& DTT, const std::string& str_Reference,
                   const std::string& FC_Father);
};

// One "DO" element or "SDO" of a data object type.
class TIEC_DO {
public:
    std::string fName;
    std::vector<TIEC_DO> List_DO;
    std::vector<TIEC_DA> List_DA;
    plat::TTreeNode* TreeNode = nullptr;

    const std::string& Name() const { return fName; }

    // Depth-first, pre-order, by exact name.
    TIEC_DO* Find_DO(std::string_view DO_Name) const;
    TIEC_DA* Find_DA(std::string_view DA_Name) const;  // not into sub-data-objects
    TIEC_DA* Find_First_DA() const;

    void Decode_DO(const TSCL_Element& NDO, TSCL_Templates& DTT, const std::string& str_Reference);
};

class TIEC_DataSet {
public:
    std::string fName;
    std::string fReference;
    std::string fGooseName;  // the GSEControl naming this data set, empty when none
    std::vector<TIEC_DA*> List_DA;  // members: attributes of the same device's tree, not owned
    plat::TTreeNode* TreeNode = nullptr;

    const std::string& Name() const { return fName; }
    const std::string& Reference() const { return fReference; }
    const std::string& GooseName() const { return fGooseName; }

    void Decode_DataSet(const plat::TXmlNode& DataSet, TSCL_Templates& DTT, const std::string& str_Reference,
                        const TIEC_Device& IEC_Device);
};

// One "LN0" or "LN" element.
class TIEC_LN {
public:
    std::string flnClass;
    std::string flnType;
    std::string fPrefix;
    std::string fInst;
    std::vector<TIEC_DO> List_DO;
    std::vector<std::unique_ptr<TIEC_DataSet>> List_DataSet;
    plat::TTreeNode* TreeNode = nullptr;

    const std::string& lnClass() const { return flnClass; }
    const std::string& lnType() const { return flnType; }
    const std::string& Prefix() const { return fPrefix; }
    const std::string& Inst() const { return fInst; }

    TIEC_DO* Find_DO(std::string_view DO_Name) const;

    void Decode_LN(const plat::TXmlNode& LN, TSCL_Templates& DTT, const std::string& str_Reference);
    void Decode_LN_DataSet(const plat::TXmlNode& LN, TSCL_Templates& DTT, const std::string& str_Reference,
                           const TIEC_Device& IEC_Device);
    void Decode_LN_Goose(const plat::TXmlNode& LN, const std::string& str_Reference);
};

class TIEC_LDevice {
public:
    std::string fName;  // "inst"
    std::vector<std::unique_ptr<TIEC_LN>> List_LN;
    plat::TTreeNode* TreeNode = nullptr;

    const std::string& Name() const { return fName; }

    // The first logical node of that class, whatever its prefix and instance.
    TIEC_LN* Find_LN(std::string_view LN_Class) const;

    // Pass 1 builds the logical nodes; pass 2, once every logical device of
    // the IED exists, adds the data sets, whose members may name a logical
    // device further down the file.
    enum TPass { Pass_Nodes = 1, Pass_DataSets = 2 };
    void Decode_LDevice(const plat::TXmlNode& LDevice, TSCL_Templates& DTT, const std::string& str_Reference,
                        TPass DataSetSearch, const TIEC_Device* IEC_Device);
};

// One SCL file: its first IED.
class TIEC_Device {
public:
    std::string fName;      // the IED's name
    std::string fFileName;  // the decoded file's name without its folder
    // A stand-in for an SCL file that is missing or unreadable: it keeps its
    // place in the window's list, so the rows' device indexes stay right.
    bool fMissing = false;
    std::vector<std::unique_ptr<TIEC_LDevice>> List_LDevice;
    plat::TTreeNode* TreeNode = nullptr;

    const std::string& Name() const { return fName; }
    const std::string& FileName() const { return fFileName; }

    TIEC_LDevice* Find_LDevice(std::string_view LD_Name) const;

    // Decodes FileName_icd. A missing file, or one without an SCL root, an
    // IED or data type templates, gives a device with only fFileName set.
    // A file that is not well-formed, or whose types contain themselves or
    // expand beyond reason, gives null and a message naming the file: never
    // a half-filled model.
    static std::unique_ptr<TIEC_Device> Create(const std::string& FileName_icd, std::string* Error = nullptr);
    // The same on the file's text; FileName is only named in messages and
    // kept as fFileName.
    static std::unique_ptr<TIEC_Device> Create_From_Text(std::string_view Text, const std::string& FileName,
                                                         std::string* Error = nullptr);

private:
    void Decode_Device(const plat::TXmlNode& Root);
    static std::unique_ptr<TIEC_Device> Decode_Document(const plat::TXmlDocument& document,
                                                        const std::string& FileName,
                                                        std::unique_ptr<TIEC_Device> device, std::string* Error);
};

// The most objects one file may expand to; a few nested types used many
// times over can otherwise ask for more memory than the machine has.
constexpr long SCL_Max_Objects = 2'000'000;
// The deepest nesting of data object and attribute types followed.
constexpr int SCL_Max_Type_Depth = 64;

}  // namespace proto
