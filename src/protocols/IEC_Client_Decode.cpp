#include "protocols/IEC_Client_Decode.h"

#include "base/Files.h"
#include "platform/XmlDom.h"

#include <algorithm>
#include <stdexcept>
#include <unordered_map>

namespace proto {

using plat::TXmlNode;

namespace {

// A file that cannot become a sound model; caught once, where a document
// becomes a device.
class TSCL_Fault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Elements are matched by their local name: a file that binds the SCL
// namespace to a prefix describes the same model as one that uses it as the
// default namespace.
bool Is(const TXmlNode& node, std::string_view name) { return node.HasLocalName(name); }

TXmlNode First_Child(const TXmlNode& parent, std::string_view name) {
    for (TXmlNode child = parent.FirstChild(); child; child = child.NextSibling())
        if (Is(child, name)) return child;
    return {};
}

std::string Attr(const TXmlNode& node, std::string_view name) { return std::string(node.AttributeView(name)); }

std::string Join(const std::string& parent, char separator, std::string_view name) {
    std::string reference;
    reference.reserve(parent.size() + 1 + name.size());
    reference += parent;
    reference += separator;
    reference += name;
    return reference;
}

}  // namespace

// A "DO", "SDO", "DA" or "BDA" element of the templates, read once: a type
// is instantiated wherever it is used, and walking its elements and their
// attributes again for every use is most of the cost of a large file. The
// texts point into the document, which outlives the decoding.
struct TSCL_Element {
    std::string_view name, type, bType, fc;
    bool has_fc = false;
    bool sdo = false;  // an "SDO" among the children of a data object type
};

// The "DataTypeTemplates" section, indexed by type id once per file: every
// data object and attribute looks its type up, and a linear walk per lookup
// makes a large file quadratic. Several types may share an id; all of them
// count, in document order.
class TSCL_Templates {
public:
    explicit TSCL_Templates(const TXmlNode& DTT) {
        for (TXmlNode type = DTT.FirstChild(); type; type = type.NextSibling()) {
            if (!type.HasAttribute("id")) continue;
            const std::string_view id = type.AttributeView("id");
            if (Is(type, "LNodeType"))
                Types[LN_Type][id].push_back(type);
            else if (Is(type, "DOType"))
                Types[DO_Type][id].push_back(type);
            else if (Is(type, "DAType"))
                Types[DA_Type][id].push_back(type);
        }
    }

    // The "DO" elements of a logical node type, the "SDO" and "DA" elements
    // of a data object type, the "BDA" elements of an attribute type.
    const std::vector<TSCL_Element>& LN_Children(std::string_view id) { return Children(LN_Type, id).items; }
    struct TChildren {
        std::vector<TSCL_Element> items;
        std::size_t sdos = 0;
    };
    const TChildren& DO_Children(std::string_view id) { return Children(DO_Type, id); }
    const std::vector<TSCL_Element>& DA_Children(std::string_view id) { return Children(DA_Type, id).items; }

    // Counts, before anything is built, the objects a data object of this
    // type becomes, and refuses a type that contains itself, nests too deep
    // or makes the file expand beyond reason. A few nested types used many
    // times over can ask for more memory than the machine has, and finding
    // that out by building would take as long as the building itself.
    void Reserve_DO(std::string_view type) {
        Objects += 1 + Size(DO_Type, type);
        if (Objects > SCL_Max_Objects) throw Too_Many();
    }
    void Reserve_Object() {
        if (++Objects > SCL_Max_Objects) throw Too_Many();
    }

    // The first logical device of that name; data-set members name one each.
    TIEC_LDevice* Find_LDevice(const TIEC_Device& device, std::string_view name) {
        if (LDevices.empty())
            for (const auto& ld : device.List_LDevice) LDevices.emplace(ld->fName, ld.get());
        const auto found = LDevices.find(name);
        return found == LDevices.end() ? nullptr : found->second;
    }

private:
    enum TKind { LN_Type, DO_Type, DA_Type, Kinds };

    static TSCL_Fault Too_Many() {
        return TSCL_Fault("the types expand to more than " + std::to_string(SCL_Max_Objects) + " objects");
    }

    const TChildren& Children(TKind kind, std::string_view id) {
        const auto known = Compiled[kind].find(id);
        if (known != Compiled[kind].end()) return known->second;
        TChildren& children = Compiled[kind][id];
        const auto types = Types[kind].find(id);
        if (types == Types[kind].end()) return children;
        for (const TXmlNode& type : types->second) {
            for (TXmlNode child = type.FirstChild(); child; child = child.NextSibling()) {
                TSCL_Element element;
                if (kind == LN_Type ? Is(child, "DO") : kind == DA_Type ? Is(child, "BDA") : Is(child, "DA")) {
                } else if (kind == DO_Type && Is(child, "SDO")) {
                    element.sdo = true;
                    ++children.sdos;
                } else {
                    continue;
                }
                element.name = child.AttributeView("name");
                element.type = child.AttributeView("type");
                element.bType = child.AttributeView("bType");
                element.has_fc = child.HasAttribute("fc");
                element.fc = child.AttributeView("fc");
                children.items.push_back(element);
            }
        }
        return children;
    }

    // Enumerations have no members; their types are not read.
    static std::string_view Expanded_Type(const TSCL_Element& da) {
        return da.bType == "Enum" ? std::string_view() : da.type;
    }

    // Objects below one object of the type, at most SCL_Max_Objects + 1.
    long Size(TKind kind, std::string_view id) {
        if (id.empty()) return 0;
        auto& sizes = Sizes[kind];
        const auto known = sizes.find(id);
        if (known != sizes.end()) {
            if (known->second < 0) throw TSCL_Fault("the type \"" + std::string(id) + "\" contains itself");
            return known->second;
        }
        if (++Depth > SCL_Max_Type_Depth)
            throw TSCL_Fault("the types nest deeper than " + std::to_string(SCL_Max_Type_Depth) + " levels");
        sizes[id] = -1;  // being counted
        long size = 0;
        for (const TSCL_Element& child : Children(kind, id).items) {
            const long below = child.sdo ? Size(DO_Type, child.type) : Size(DA_Type, Expanded_Type(child));
            size = std::min(size + 1 + below, SCL_Max_Objects + 1);
        }
        --Depth;
        sizes[id] = size;
        return size;
    }

    std::unordered_map<std::string_view, std::vector<TXmlNode>> Types[Kinds];
    std::unordered_map<std::string_view, TChildren> Compiled[Kinds];
    std::unordered_map<std::string_view, long> Sizes[Kinds];
    std::unordered_map<std::string_view, TIEC_LDevice*> LDevices;
    int Depth = 0;
    long Objects = 0;
};

// ------------------------------------------------------------------ searches

namespace {

// Depth-first, pre-order: each item, then what it holds.
template <typename T>
T* Find_In(const std::vector<T>& list, std::string_view name, std::vector<T> T::*children) {
    for (const T& item : list) {
        if (item.fName == name) return const_cast<T*>(&item);
        if (T* found = Find_In(item.*children, name, children)) return found;
    }
    return nullptr;
}

TIEC_DA* Find_DA_In(const std::vector<TIEC_DA>& list, std::string_view name) {
    return Find_In(list, name, &TIEC_DA::List_DA);
}

TIEC_DO* Find_DO_In(const std::vector<TIEC_DO>& list, std::string_view name) {
    return Find_In(list, name, &TIEC_DO::List_DO);
}

// The first leaf along the chain of first members.
TIEC_DA* Find_First_DA_In(const std::vector<TIEC_DA>& list) {
    if (list.empty()) return nullptr;
    const TIEC_DA& first = list.front();
    return first.List_DA.empty() ? const_cast<TIEC_DA*>(&first) : Find_First_DA_In(first.List_DA);
}

}  // namespace

TIEC_DA* TIEC_DA::Find_DA(std::string_view DA_Name) const { return Find_DA_In(List_DA, DA_Name); }

TIEC_DA* TIEC_DA::Find_First_DA() const { return Find_First_DA_In(List_DA); }

TIEC_DO* TIEC_DO::Find_DO(std::string_view DO_Name) const { return Find_DO_In(List_DO, DO_Name); }

TIEC_DA* TIEC_DO::Find_DA(std::string_view DA_Name) const { return Find_DA_In(List_DA, DA_Name); }

TIEC_DA* TIEC_DO::Find_First_DA() const { return Find_First_DA_In(List_DA); }

TIEC_DO* TIEC_LN::Find_DO(std::string_view DO_Name) const { return Find_DO_In(List_DO, DO_Name); }

TIEC_LN* TIEC_LDevice::Find_LN(std::string_view LN_Class) const {
    for (const auto& ln : List_LN)
        if (ln->flnClass == LN_Class) return ln.get();
    return nullptr;
}

TIEC_LDevice* TIEC_Device::Find_LDevice(std::string_view LD_Name) const {
    for (const auto& ld : List_LDevice)
        if (ld->fName == LD_Name) return ld.get();
    return nullptr;
}

// ------------------------------------------------------------------ decoding

void TIEC_DA::Decode_DA(const TSCL_Element& DA, TSCL_Templates& DTT, const std::string& str_Reference,
                        const std::string& FC_Father) {
    fName = DA.name;
    fReference = Join(str_Reference, '.', fName);
    fbType = DA.bType;
    fFC = DA.has_fc ? std::string(DA.fc) : FC_Father;
    // Enumerations have no members; their types are not read.
    if (DA.type.empty() || fbType == "Enum") return;
    const std::vector<TSCL_Element>& members = DTT.DA_Children(DA.type);
    // Sized first: the members are held by value and must not move.
    List_DA.reserve(members.size());
    for (const TSCL_Element& member : members) List_DA.emplace_back().Decode_DA(member, DTT, fReference, fFC);
}

void TIEC_DO::Decode_DO(const TSCL_Element& NDO, TSCL_Templates& DTT, const std::string& str_Reference) {
    fName = NDO.name;
    if (NDO.type.empty()) return;
    const std::string reference = Join(str_Reference, '.', fName);
    const TSCL_Templates::TChildren& children = DTT.DO_Children(NDO.type);
    List_DO.reserve(children.sdos);
    List_DA.reserve(children.items.size() - children.sdos);
    for (const TSCL_Element& child : children.items) {
        if (child.sdo)
            List_DO.emplace_back().Decode_DO(child, DTT, reference);
        else
            List_DA.emplace_back().Decode_DA(child, DTT, reference, std::string());
    }
}

void TIEC_LN::Decode_LN(const TXmlNode& LN, TSCL_Templates& DTT, const std::string& str_Reference) {
    flnClass = Attr(LN, "lnClass");
    flnType = Attr(LN, "lnType");
    fPrefix = Attr(LN, "prefix");
    fInst = Attr(LN, "inst");
    const std::string reference = str_Reference + "/" + fPrefix + flnClass + fInst;
    if (flnType.empty()) return;
    const std::vector<TSCL_Element>& objects = DTT.LN_Children(flnType);
    List_DO.reserve(objects.size());
    for (const TSCL_Element& object : objects) {
        DTT.Reserve_DO(object.type);
        List_DO.emplace_back().Decode_DO(object, DTT, reference);
    }
}

void TIEC_LN::Decode_LN_DataSet(const TXmlNode& LN, TSCL_Templates& DTT, const std::string& str_Reference,
                                const TIEC_Device& IEC_Device) {
    flnClass = Attr(LN, "lnClass");
    const std::string reference = str_Reference + "/" + flnClass;
    if (LN.AttributeView("lnType").empty()) return;
    // Every data set exists before the first GSEControl is read, so their
    // order in the file does not matter.
    for (TXmlNode child = LN.FirstChild(); child; child = child.NextSibling()) {
        if (!Is(child, "DataSet")) continue;
        DTT.Reserve_Object();
        auto dataSet = std::make_unique<TIEC_DataSet>();
        dataSet->Decode_DataSet(child, DTT, reference, IEC_Device);
        List_DataSet.push_back(std::move(dataSet));
    }
    for (TXmlNode child = LN.FirstChild(); child; child = child.NextSibling())
        if (Is(child, "GSEControl")) Decode_LN_Goose(child, reference);
}

void TIEC_LN::Decode_LN_Goose(const TXmlNode& LN, const std::string& /*str_Reference*/) {
    const std::string_view name = LN.AttributeView("name");
    const std::string_view datSet = LN.AttributeView("datSet");
    if (name.empty() || datSet.empty()) return;
    for (const auto& dataSet : List_DataSet) {
        if (dataSet->fName == datSet) {
            dataSet->fGooseName = std::string(name);
            return;
        }
    }
}

void TIEC_DataSet::Decode_DataSet(const TXmlNode& DataSet, TSCL_Templates& DTT, const std::string& str_Reference,
                                  const TIEC_Device& IEC_Device) {
    fName = Attr(DataSet, "name");
    fReference = Join(str_Reference, '.', fName);
    for (TXmlNode fcda = DataSet.FirstChild(); fcda; fcda = fcda.NextSibling()) {
        if (!Is(fcda, "FCDA")) continue;
        const std::string_view ldInst = fcda.AttributeView("ldInst");
        const std::string_view lnClass = fcda.AttributeView("lnClass");
        const std::string_view doName = fcda.AttributeView("doName");
        const std::string_view daName = fcda.AttributeView("daName");
        const TIEC_LDevice* ld = ldInst.empty() ? nullptr : DTT.Find_LDevice(IEC_Device, ldInst);
        if (!ld) continue;
        const TIEC_LN* ln = lnClass.empty() ? nullptr : ld->Find_LN(lnClass);
        const TIEC_DO* data = (ln && !doName.empty()) ? ln->Find_DO(doName) : nullptr;
        if (!data) continue;
        TIEC_DA* member = daName.empty() ? data->Find_First_DA() : data->Find_DA(daName);
        if (member) List_DA.push_back(member);
    }
}

void TIEC_LDevice::Decode_LDevice(const TXmlNode& LDevice, TSCL_Templates& DTT, const std::string& str_Reference,
                                  TPass DataSetSearch, const TIEC_Device* IEC_Device) {
    fName = Attr(LDevice, "inst");
    const std::string reference = str_Reference + fName;
    std::size_t k = 0;
    for (TXmlNode child = LDevice.FirstChild(); child; child = child.NextSibling()) {
        if (!Is(child, "LN0") && !Is(child, "LN")) continue;
        if (DataSetSearch == Pass_Nodes) {
            auto ln = std::make_unique<TIEC_LN>();
            ln->Decode_LN(child, DTT, reference);
            List_LN.push_back(std::move(ln));
        } else if (k < List_LN.size() && IEC_Device) {
            List_LN[k]->Decode_LN_DataSet(child, DTT, reference, *IEC_Device);
        }
        ++k;
    }
}

void TIEC_Device::Decode_Device(const TXmlNode& Root) {
    const TXmlNode scl = Is(Root, "SCL") ? Root : TXmlNode();
    const TXmlNode ied = First_Child(scl, "IED");
    const TXmlNode dtt = First_Child(scl, "DataTypeTemplates");
    if (!ied || !dtt) return;
    fName = Attr(ied, "name");
    const TXmlNode server = First_Child(First_Child(ied, "AccessPoint"), "Server");
    if (!server) return;
    TSCL_Templates templates(dtt);
    for (TXmlNode child = server.FirstChild(); child; child = child.NextSibling()) {
        if (!Is(child, "LDevice")) continue;
        auto ld = std::make_unique<TIEC_LDevice>();
        ld->Decode_LDevice(child, templates, fName, TIEC_LDevice::Pass_Nodes, nullptr);
        List_LDevice.push_back(std::move(ld));
    }
    std::size_t k = 0;
    for (TXmlNode child = server.FirstChild(); child; child = child.NextSibling()) {
        if (!Is(child, "LDevice")) continue;
        List_LDevice[k++]->Decode_LDevice(child, templates, fName, TIEC_LDevice::Pass_DataSets, this);
    }
}

// Builds the device from a loaded document; null and a message naming the
// file when the file cannot become a sound model.
std::unique_ptr<TIEC_Device> TIEC_Device::Decode_Document(const plat::TXmlDocument& document,
                                                          const std::string& FileName,
                                                          std::unique_ptr<TIEC_Device> device, std::string* Error) {
    try {
        device->Decode_Device(document.Root());
    } catch (const TSCL_Fault& fault) {
        if (Error) *Error = "The SCL file \"" + FileName + "\" cannot be read: " + fault.what();
        return nullptr;
    } catch (const std::bad_alloc&) {
        if (Error) *Error = "The SCL file \"" + FileName + "\" is too large to read";
        return nullptr;
    }
    return device;
}

std::unique_ptr<TIEC_Device> TIEC_Device::Create_From_Text(std::string_view Text, const std::string& FileName,
                                                           std::string* Error) {
    auto device = std::make_unique<TIEC_Device>();
    device->fFileName = base::ExtractFileName(base::NativePath(FileName));
    plat::TXmlDocument document;
    std::string parseError;
    if (!document.LoadFromString(Text, &parseError)) {
        if (Error) *Error = "The SCL file \"" + FileName + "\" is not well-formed: " + parseError;
        return nullptr;
    }
    return Decode_Document(document, FileName, std::move(device), Error);
}

std::unique_ptr<TIEC_Device> TIEC_Device::Create(const std::string& FileName_icd, std::string* Error) {
    const std::string path = base::NativePath(FileName_icd);
    auto device = std::make_unique<TIEC_Device>();
    device->fFileName = base::ExtractFileName(path);
    if (!base::FileExists(path)) return device;
    plat::TXmlDocument document;
    // The document's own message names the file and the line and column.
    std::string parseError;
    if (!document.LoadFromFile(path, &parseError)) {
        if (Error) *Error = "The SCL file is not well-formed: " + parseError;
        return nullptr;
    }
    return Decode_Document(document, FileName_icd, std::move(device), Error);
}

}  // namespace proto
