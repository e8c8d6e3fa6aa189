#include "protocols/EdsWriter.h"

#include <ostream>
#include <set>
#include <sstream>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "protocols/Generators.h"

namespace proto {

namespace {

// Names of the data bytes of PDO i: prefix i and the byte number. The
// gaps (no "aj", "ak", "cj", "ck") are in the gateway's own variable list.
const char* const RPDO_Var_Prefix[EDS_PDO_Max] = {"b",  "c",  "d",  "e",  "f",  "g",  "h",  "j",  "k",  "i",
                                                  "aa", "ab", "ac", "ad", "ae", "af", "ag", "ah", "ai", "al",
                                                  "am", "an", "ao", "ap", "aq", "ar", "as", "at", "au", "av"};
const char* const TPDO_Var_Prefix[EDS_PDO_Max] = {"l",  "m",  "n",  "o",  "p",  "q",  "r",  "s",  "t",  "u",
                                                  "ca", "cb", "cc", "cd", "ce", "cf", "cg", "ch", "ci", "cl",
                                                  "cm", "cn", "co", "cp", "cq", "cr", "cs", "ct", "cu", "cv"};

constexpr const char* Product_Text = "CANopen / LoRaWAN Gateway - Converter";

std::string Hex(int64_t Value, int Digits) {
    return base::IntToHex(static_cast<uint32_t>(Value), Digits);
}

std::string Two(int Value) {
    return Value < 10 ? "0" + std::to_string(Value) : std::to_string(Value);
}

std::string Section_Name(int Index, int Sub = -1) {
    std::string name = "[" + Hex(Index, 4);
    if (Sub >= 0) name += "sub" + std::to_string(Sub);
    return name + "]";
}

// One fixed row of the communication objects: a head block when Sub_Number
// is given, a variable block otherwise.
struct TFixedObject {
    int Index;
    int Sub;         // -1: the object itself
    int Sub_Number;  // 0: a variable block
    const char* Name;
    const char* Object_Type;
    const char* Data_Type;
    const char* Access;
    const char* Default;
};

const TFixedObject Fixed_Objects[] = {
    {0x1000, -1, 0, "Device Type", "0x07", "0x0007", "const", "0x000101A4"},
    {0x1001, -1, 0, "Error Register", "0x07", "0x0005", "ro", "0x00"},
    {0x1005, -1, 0, "COB-ID SYNC", "0x07", "0x0007", "rw", "0x80000080"},
    {0x1006, -1, 0, "Communication Cycle Period", "0x07", "0x0007", "rw", "0x00000000"},
    {0x1008, -1, 0, "Manufacturer Device Name", "0x07", "0x0009", "const", "s1"},
    {0x1014, -1, 0, "COB-ID EMCY", "0x07", "0x0007", "ro", "$NODEID+0x80"},
    {0x1016, -1, 3, "Heartbeat Consumer Entries", "0x08", nullptr, nullptr, nullptr},
    {0x1016, 0, 0, "Number of Entries", "0x07", "0x0005", "ro", "0x02"},
    {0x1016, 1, 0, "Consumer Heartbeat Time 1", "0x07", "0x0007", "rw", "0x00000000"},
    {0x1016, 2, 0, "Consumer Heartbeat Time 2", "0x07", "0x0007", "rw", "0x00000000"},
    {0x1017, -1, 0, "Producer Heartbeat Time", "0x07", "0x0006", "rw", "0x000003E8"},
    {0x1018, -1, 5, "Identity Object", "0x09", nullptr, nullptr, nullptr},
    {0x1018, 0, 0, "number of entries", "0x07", "0x0005", "ro", "0x4"},
    {0x1018, 1, 0, "Vendor Id", "0x07", "0x0007", "ro", nullptr},
    {0x1018, 2, 0, "Product Code", "0x07", "0x0007", "ro", nullptr},
    {0x1018, 3, 0, "Revision number", "0x07", "0x0007", "ro", nullptr},
    {0x1018, 4, 0, "Serial number", "0x07", "0x0007", "ro", nullptr},
    {0x1029, -1, 2, "Error Behaviour", "0x08", nullptr, nullptr, nullptr},
    {0x1029, 0, 0, "Number of Entries", "0x07", "0x0005", "ro", "1"},
    {0x1029, 1, 0, "Communication Error", "0x07", "0x0005", "rw", "0x0"},
    {0x1280, -1, 4, "Client SDO Parameter 1", "0x09", nullptr, nullptr, nullptr},
    {0x1280, 0, 0, "Number of Entries", "0x07", "0x0005", "ro", "0x03"},
    {0x1280, 1, 0, "COB-ID Client -> Server", "0x07", "0x0007", "rw", nullptr},
    {0x1280, 2, 0, "COB-ID Server -> Client", "0x07", "0x0007", "rw", nullptr},
    {0x1280, 3, 0, "Node ID of the SDO Server", "0x07", "0x0005", "rw", nullptr},
};

// The optional objects listed in [OptionalObjects] before the PDO objects.
const int Optional_Fixed[] = {0x1005, 0x1006, 0x1008, 0x1014, 0x1016, 0x1017, 0x1029, 0x1280};

class TEdsLines {
public:
    void Line(const std::string& Text) { text_ += Text + "\r\n"; }
    void Key(const char* Key, const std::string& Value) { Line(std::string(Key) + "=" + Value); }
    void Empty() { text_ += "\r\n"; }

    void Head(int Index, int Sub_Number, const std::string& Name, const char* Object_Type) {
        Line(Section_Name(Index));
        Key("SubNumber", std::to_string(Sub_Number));
        Key("ParameterName", Name);
        Key("ObjectType", Object_Type);
        Empty();
    }

    // Without the empty line after it: the caller adds it.
    void Variable_Lines(int Index, int Sub, const std::string& Name, const char* Data_Type,
                        const char* Access, const std::string& Default, const char* Mapping) {
        Line(Section_Name(Index, Sub));
        Key("ParameterName", Name);
        Key("ObjectType", "0x07");
        Key("DataType", Data_Type);
        Key("AccessType", Access);
        if (!Default.empty()) Key("DefaultValue", Default);
        Key("PDOMapping", Mapping);
    }

    void Variable(int Index, int Sub, const std::string& Name, const char* Data_Type, const char* Access,
                  const std::string& Default, const char* Mapping = "0") {
        Variable_Lines(Index, Sub, Name, Data_Type, Access, Default, Mapping);
        Empty();
    }

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

void Write_Header(TEdsLines& L, const TEdsModel& Model, base::TDateTime When) {
    const int R = static_cast<int>(Model.PDO.Receive.size());
    const int T = static_cast<int>(Model.PDO.Transmit.size());
    const std::string date = EDS_Date_Text(When);
    const std::string time = EDS_Time_Text(When);

    L.Line("[FileInfo]");
    L.Key("FileName", "CANopen_LoRaWAN_Gateway.eds");
    L.Key("FileVersion", "1");
    L.Key("FileRevision", "0");
    L.Key("EDSVersion", "4.0");
    L.Key("Description", Product_Text);
    L.Key("CreationTime", time);
    L.Key("CreationDate", date);
    L.Key("CreatedBy", "Vekrun");
    L.Key("ModificationTime", time);
    L.Key("ModificationDate", date);
    L.Key("ModifiedBy", "Vekrun");
    L.Empty();

    L.Line("[DeviceInfo]");
    L.Key("VendorName", "Vekrun");
    L.Key("VendorNumber", "0x00");
    L.Key("ProductName", Product_Text);
    L.Key("ProductNumber", "W8Q");
    L.Key("RevisionNumber", "0x0");
    L.Key("OrderCode", "KV4C069");
    for (const char* rate : {"10", "20", "50", "125", "250", "500", "800", "1000"})
        L.Key(("BaudRate_" + std::string(rate)).c_str(), std::string(rate) == "800" ? "0" : "1");
    L.Key("DynamicChannelsSupported", "0");
    L.Key("GroupMessaging", "0");
    L.Key("LSS_Supported", "0");
    L.Key("Granularity", "0");
    L.Key("SimpleBootUpSlave", "1");
    L.Key("SimpleBootUpMaster", "0");
    L.Key("NrOfRXPDO", std::to_string(R));
    L.Key("NrOfTXPDO", std::to_string(T));
    L.Empty();

    L.Line("[Comments]");
    L.Key("Lines", "0");
    L.Empty();

    L.Line("[DummyUsage]");
    for (int i = 1; i <= 7; ++i) L.Key(("Dummy000" + std::to_string(i)).c_str(), "0");
    L.Empty();

    L.Line("[MandatoryObjects]");
    L.Key("SupportedObjects", "3");
    L.Key("1", "0x1000");
    L.Key("2", "0x1001");
    L.Key("3", "0x1018");
    L.Empty();

    L.Line("[OptionalObjects]");
    L.Key("SupportedObjects", std::to_string(3 * R + 3 * T + 8));
    int n = 0;
    auto entry = [&](int Index) { L.Key(std::to_string(++n).c_str(), "0x" + Hex(Index, 4)); };
    for (int index : Optional_Fixed) entry(index);
    for (int i = 0; i < R; ++i) entry(0x1400 + i);
    for (int i = 0; i < R; ++i) entry(0x1600 + i);
    for (int i = 0; i < T; ++i) entry(0x1800 + i);
    for (int i = 0; i < T; ++i) entry(0x1A00 + i);
    for (int i = 0; i < R; ++i) entry(0x7000 + i);
    for (int i = 0; i < T; ++i) entry(0x7050 + i);
    L.Empty();

    L.Line("[ManufacturerObjects]");
    L.Key("SupportedObjects", std::to_string(Model.SDO_Index_List.size()));
    for (size_t j = 0; j < Model.SDO_Index_List.size(); ++j)
        L.Key(std::to_string(j + 1).c_str(), "0x" + Hex(Model.SDO_Index_List[j].Index, 4));
    L.Empty();
}

void Write_Fixed_Objects(TEdsLines& L) {
    for (const TFixedObject& o : Fixed_Objects) {
        if (o.Sub_Number) {
            L.Head(o.Index, o.Sub_Number, o.Name, o.Object_Type);
            continue;
        }
        L.Variable_Lines(o.Index, o.Sub, o.Name, o.Data_Type, o.Access, o.Default ? o.Default : "", "0");
        // The last fixed block runs straight into the next section, as in
        // every EDS the gateway has been shipped with.
        if (!(o.Index == 0x1280 && o.Sub == 3)) L.Empty();
    }
}

void Write_Communication(TEdsLines& L, int Index, const std::string& Name, const TEDS_PDO& Pdo) {
    L.Head(Index, 4, Name, "0x09");
    L.Variable(Index, 0, "Number of Entries", "0x0005", "ro", "0x03");
    L.Variable(Index, 1, "COB-ID", "0x0007", "rw", "0x" + Hex(Pdo.COB_ID, 8));
    L.Variable(Index, 2, "Transmission Type", "0x0005", "rw", "0xFE");
    L.Variable(Index, 3, "Inhibit Time", "0x0006", "rw", "0x0");
}

void Write_Mapping(TEdsLines& L, int Index, const std::string& Name, int Variable_Index, int Dimension) {
    L.Head(Index, Dimension + 1, Name, "0x09");
    L.Variable(Index, 0, "Number of Entries", "0x0005", "ro", "0x" + Hex(Dimension, 2));
    for (int k = 1; k <= Dimension; ++k)
        L.Variable(Index, k, "Mapping Entry " + std::to_string(k), "0x0007", "ro",
                   "0x" + Hex(Variable_Index, 4) + Hex(k, 2) + "08");
}

void Write_Pdo_Variables(TEdsLines& L, int Index, const std::string& Name, const char* Sub0_Access,
                         const char* Prefix, const char* Access, int Dimension) {
    L.Head(Index, Dimension + 1, Name, "0x08");
    L.Variable(Index, 0, "Number of Entries", "0x0005", Sub0_Access, "0x" + Hex(Dimension, 2));
    for (int k = 1; k <= Dimension; ++k)
        L.Variable(Index, k, Prefix + std::to_string(k), "0x0005", Access, "0x00", "1");
}

void Write_Sdo_Objects(TEdsLines& L, const TSDO_Index_List& List) {
    for (const SDO_Index& index : List) {
        if (index.Sub_Indexs.empty()) continue;
        const int first = index.Sub_Indexs.front().Sub;
        const int last = index.Sub_Indexs.back().Sub;
        const int n = static_cast<int>(index.Sub_Indexs.size());
        L.Head(index.Index, first != 0 ? n + 1 : n, "App Vars", "0x9");
        if (first != 0) {
            L.Line(Section_Name(index.Index, 0));
            L.Key("ParameterName", "Largest Sub-Index supported");
            L.Key("ObjectType", "0x7");
            L.Key("DataType", "0x0005");
            L.Key("AccessType", "ro");
            L.Key("DefaultValue", "0x" + Hex(last, 2));
            L.Key("PDOMapping", "0");
            L.Empty();
        }
        for (const SDO_Sub_Type& sub : index.Sub_Indexs) {
            L.Line(Section_Name(index.Index, sub.Sub));
            L.Key("ParameterName", "Application Variable");
            L.Key("ObjectType", "0x7");
            const int digits = sub.Quantity == 1 ? 2 : sub.Quantity == 2 ? 4 : 8;
            L.Key("DataType", sub.Quantity == 1 ? "0x0005" : sub.Quantity == 2 ? "0x0006" : "0x0007");
            L.Key("LowLimit", "0x" + std::string(static_cast<size_t>(digits), '0'));
            L.Key("HighLimit", "0x" + std::string(static_cast<size_t>(digits), 'F'));
            L.Key("DefaultValue", "0x" + std::string(static_cast<size_t>(digits), '0'));
            L.Key("AccessType", sub.Readonly ? "ro" : "rw");
            L.Key("PDOMapping", "0");
            L.Empty();
        }
    }
}

std::string Build_EDS_Text(const TEdsModel& Model, base::TDateTime When) {
    TEdsLines L;
    Write_Header(L, Model, When);
    Write_Fixed_Objects(L);
    const auto& rx = Model.PDO.Receive;
    const auto& tx = Model.PDO.Transmit;
    for (size_t i = 0; i < rx.size(); ++i)
        Write_Communication(L, 0x1400 + static_cast<int>(i),
                            "Receive PDO Communication Parameter " + std::to_string(i + 1), rx[i]);
    for (size_t i = 0; i < rx.size(); ++i)
        Write_Mapping(L, 0x1600 + static_cast<int>(i), "Receive PDO Mapping Parameter",
                      0x7000 + static_cast<int>(i), rx[i].Dimension);
    for (size_t i = 0; i < tx.size(); ++i)
        Write_Communication(L, 0x1800 + static_cast<int>(i),
                            "Transmit PDO Communication Parameter " + std::to_string(i + 1), tx[i]);
    for (size_t i = 0; i < tx.size(); ++i)
        Write_Mapping(L, 0x1A00 + static_cast<int>(i),
                      "Transmit PDO Mapping Parameter " + std::to_string(i + 1), 0x7050 + static_cast<int>(i),
                      tx[i].Dimension);
    for (size_t i = 0; i < rx.size(); ++i)
        Write_Pdo_Variables(L, 0x7000 + static_cast<int>(i), "RPDO" + std::to_string(i + 1), "ro",
                            RPDO_Var_Prefix[i], "rww", rx[i].Dimension);
    for (size_t i = 0; i < tx.size(); ++i)
        Write_Pdo_Variables(L, 0x7050 + static_cast<int>(i), "TPDO" + std::to_string(i + 1), "rw",
                            TPDO_Var_Prefix[i], "rwr", tx[i].Dimension);
    Write_Sdo_Objects(L, Model.SDO_Index_List);
    L.Empty();
    return L.Text();
}

}  // namespace

std::string EDS_Date_Text(base::TDateTime When) {
    const base::TDateParts d = base::DecodeDate(When);
    return Two(d.month) + "-" + Two(d.day) + "-" + std::to_string(d.year);
}

std::string EDS_Time_Text(base::TDateTime When) {
    const base::TTimeParts t = base::DecodeTime(When);
    // A 12-hour clock has no hour 0: the hour after midnight is 12:10AM,
    // as the hour after noon is 12:30PM.
    const bool pm = t.hour >= 12;
    const int hour = t.hour % 12 == 0 ? 12 : t.hour % 12;
    return Two(hour) + ":" + Two(t.minute) + (pm ? "PM" : "AM");
}

bool Check_EDS_Model(const TEdsModel& Model, std::string* Error) {
    auto refuse = [&](const std::string& Text) {
        if (Error) *Error = Text;
        return false;
    };
    const int R = static_cast<int>(Model.PDO.Receive.size());
    const int T = static_cast<int>(Model.PDO.Transmit.size());
    if (R > EDS_PDO_Max || T > EDS_PDO_Max)
        return refuse("The PDO list holds " + std::to_string(R > EDS_PDO_Max ? R : T) + " " +
                      (R > EDS_PDO_Max ? "receive" : "transmit") + " PDOs; the gateway holds at most " +
                      std::to_string(EDS_PDO_Max));

    std::set<int> own;
    for (const TFixedObject& o : Fixed_Objects) own.insert(o.Index);
    for (int i = 0; i < R; ++i) own.insert({0x1400 + i, 0x1600 + i, 0x7000 + i});
    for (int i = 0; i < T; ++i) own.insert({0x1800 + i, 0x1A00 + i, 0x7050 + i});
    std::set<int> indexes;
    for (const SDO_Index& index : Model.SDO_Index_List) {
        const std::string name = "0x" + Hex(index.Index, 4);
        if (own.count(index.Index))
            return refuse("The SDO server list gives the object " + name +
                          ", which the EDS already describes as a communication or PDO object");
        if (!indexes.insert(index.Index).second)
            return refuse("The SDO server list gives the object " + name + " twice");
        std::set<int> subs;
        for (const SDO_Sub_Type& sub : index.Sub_Indexs)
            if (!subs.insert(sub.Sub).second)
                return refuse("The SDO server list gives the index " + name + " with the sub-index " +
                              std::to_string(sub.Sub) + " twice; an EDS names each object entry once");
    }
    return true;
}

bool TEdsWriter::Write(const TEdsModel& Model, base::TDateTime When, std::ostream& Out) {
    error_.clear();
    if (!Check_EDS_Model(Model, &error_)) return false;
    Out << Build_EDS_Text(Model, When);
    if (!Out) {
        error_ = "The EDS text could not be written";
        return false;
    }
    return true;
}

bool TEdsWriter::Save(const TEdsModel& Model, base::TDateTime When, const std::string& Path) {
    std::ostringstream text;
    if (!Write(Model, When, text)) return false;
    return base::WriteFileAtomic(Path, text.str(), &error_);
}

bool Write_EDS_File(const std::string& File_Name, std::string* Error) {
    TEdsModel model;
    if (!Load_EDS_Model(model, Error)) return false;
    TEdsWriter writer;
    if (writer.Save(model, Generated_File_Time(), File_Name)) return true;
    if (Error) *Error = writer.ErrorString();
    return false;
}

}  // namespace proto
