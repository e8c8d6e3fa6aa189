#include "protocols/BACnetVocabulary.h"

#include <cstdint>
#include <limits>

#include "base/StrUtils.h"

namespace proto {

namespace {

// Which object types may read a property.
enum class TPropertyScope { Every, EveryBut, Only };

struct TBACnetProperty {
    const char* Text;
    bool Write;  // the write table addresses the present value only
    TPropertyScope Scope;
    std::vector<int> Codes;
    int Value;
};

const std::vector<TBACnetProperty>& Properties() {
    static const std::vector<TBACnetProperty> properties = {
        {Present_Value_Text, true, TPropertyScope::Every, {}, Present_Value_Property},
        {"Object Identifier (75)", false, TPropertyScope::Every, {}, 4},
        {"Units (117)", false, TPropertyScope::EveryBut, {2, 3, 6, 7, 11, 13}, 4},
        {"Scale (187)", false, TPropertyScope::Only, {1}, 1},
        {"PreScale (185)", false, TPropertyScope::Only, {1}, 5},
        {"Polarity (84)", false, TPropertyScope::Only, {6, 7, 13}, 1},
        {"Event State (36)", false, TPropertyScope::Every, {}, 4},
        {"Status Flags (111)", false, TPropertyScope::Every, {}, 1},
        {"Object Type (79)", false, TPropertyScope::Every, {}, 2},
        {"Number of States (74)", false, TPropertyScope::Only, {2, 3, 11}, 4},
    };
    return properties;
}

struct TDataType {
    const char* Name;
    int NByteMax;
};

const std::vector<TDataType>& Data_Types() {
    static const std::vector<TDataType> types = {
        {"Null", 0},         {"Boolean", 1},    {"Unsigned Int", 4},   {"Signed Int", 4},
        {"Real", 4},         {"Double", 8},     {"Octet String", 255}, {"Character String", 255},
        {"Bit String", 120}, {"Enumerated", 4}, {"Date", 4},           {"Time", 4},
        {"Object ID", 4},
    };
    return types;
}

std::string Key(const std::string& text) {
    return base::UpperCase(base::Trim(text));
}

// A plain decimal number (digits only) within [min, max], or -1.
long long Decimal_In(const std::string& text, long long min, long long max) {
    if (text.empty() || text.size() > 12) return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value >= min && value <= max ? value : -1;
}

const TBACnetObjectType* Type_By_Code(int code) {
    for (const TBACnetObjectType& t : BACnet_Object_Types())
        if (t.Code == code) return &t;
    return nullptr;
}

const TBACnetObjectType* Type_By_Number(int number) {
    for (const TBACnetObjectType& t : BACnet_Object_Types())
        if (t.Number == number) return &t;
    return nullptr;
}

bool Contains(const std::vector<int>& codes, int code) {
    for (int c : codes)
        if (c == code) return true;
    return false;
}

}  // namespace

const std::vector<TBACnetObjectType>& BACnet_Object_Types() {
    static const std::vector<TBACnetObjectType> types = {
        {"Accumulator", 1, 23, true, "Unsigned Int", "Unsigned Int", 4},
        {"Multi-State Input", 2, 13, true, "Unsigned Int", "Unsigned Int", 4},
        {"Multi-State Output", 3, 14, false, "Unsigned Int", "Unsigned Int", 4},
        {"Analog Input", 4, 0, true, "Real", "Real", 4},
        {"Analog Output", 5, 1, false, "Real", "Real", 4},
        {"Binary Input", 6, 3, true, "Enumerated", "Enumerated", 1},
        {"Binary Output", 7, 4, false, "Enumerated", "Enumerated", 1},
        {"Integer Value", 8, 45, false, "Signed Int", "Signed Int", 4},
        {"Large Analog Value", 9, 46, false, "Double", "Double", 8},
        {"Positive Integer Value", 10, 48, false, "Unsigned Int", "Unsigned Int", 4},
        {"Multi-State Value", 11, 19, false, "Unsigned Int", "Unsigned Int", 4},
        {"Analog Value", 12, 2, false, "Real", "Real", 4},
        {"Binary Value", 13, 5, false, "Enumerated", "Enumerated", 1},
        // The gateway writes no life-safety value, although a rule may name one.
        {"Life Safety Point", 14, 21, false, "", "Enumerated", 2},
        {"Life Safety Zone", 15, 22, false, "", "Enumerated", 2},
    };
    return types;
}

int Check_Object_Type(const std::string& str, int Read_Write) {
    const std::string key = Key(str);
    for (const TBACnetObjectType& t : BACnet_Object_Types())
        if (key == base::UpperCase(t.Name)) return Read_Write != 0 && t.ReadOnly ? -1 : t.Code;
    return static_cast<int>(Decimal_In(key, Proprietary_Type_Min, Proprietary_Type_Max));
}

int Check_Property(const std::string& str, int Read_Write, int Obj_Type) {
    const std::string key = Key(str);
    for (const TBACnetProperty& p : Properties()) {
        if (key != base::UpperCase(p.Text)) continue;
        if (Read_Write != 0) return p.Write ? p.Value : -1;
        switch (p.Scope) {
            case TPropertyScope::Every:
                return p.Value;
            case TPropertyScope::EveryBut:
                return Contains(p.Codes, Obj_Type) ? -1 : p.Value;
            case TPropertyScope::Only:
                return Contains(p.Codes, Obj_Type) ? p.Value : -1;
        }
    }
    return Decimal_In(key, Proprietary_Property_Min, Proprietary_Property_Max) < 0
               ? -1
               : Proprietary_Property_Value;
}

std::string Aspected_Data_Type_Value(int Obj_Type, int Property_val) {
    if (Property_val != Present_Value_Property) return "";
    if (Obj_Type == 3 || Obj_Type == 5 || (Obj_Type >= 7 && Obj_Type <= 13))
        return Type_By_Code(Obj_Type)->PV_Type;
    return "";
}

int Check_Data_Type(const std::string& str, int Obj_Type, int Property_val) {
    if (Property_val != Present_Value_Property) return 0;
    if (Obj_Type >= Proprietary_Type_Min && Obj_Type <= Proprietary_Type_Max) return 0;
    const std::string expected = Aspected_Data_Type_Value(Obj_Type, Property_val);
    if (expected.empty()) return -1;
    return Key(str) == base::UpperCase(expected) ? 0 : -1;
}

int Check_Num_Byte_Max(const std::string& str) {
    const std::string key = Key(str);
    for (const TDataType& t : Data_Types())
        if (key == base::UpperCase(t.Name)) return t.NByteMax;
    return 255;
}

std::string Get_ObjType_EDE(int val) {
    const TBACnetObjectType* t = Type_By_Number(val);
    return t ? t->Name : "";
}

std::string Get_DataType_EDE(int val) {
    const TBACnetObjectType* t = Type_By_Number(val);
    return t ? t->EDE_Type : "Null";
}

int Get_NumByte_EDE(int val) {
    const TBACnetObjectType* t = Type_By_Number(val);
    return t ? t->EDE_NByte : 4;
}

bool Is_EDE_Object_Type(int val) {
    return Type_By_Number(val) != nullptr;
}

std::string Str_Hint_Read(int Obj_Type, int Property_val) {
    if (Property_val >= 1 && Property_val <= 49) return std::to_string(Property_val);
    if (Property_val != Present_Value_Property) return "";
    switch (Obj_Type) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 8:
        case 10:
            return "4";
        case 6:
        case 7:
            return "1";
        case 9:
            return "8";
        default:
            return "";
    }
}

const std::vector<std::string>& Read_Object_Type_Items() {
    static const std::vector<std::string> items = {"Accumulator",
                                                   "Multi-State Input",
                                                   "Multi-State Output",
                                                   "Multi-State Value",
                                                   "Analog Input",
                                                   "Analog Output",
                                                   "Analog Value",
                                                   "Binary Input",
                                                   "Binary Output",
                                                   "Binary Value",
                                                   "Integer Value",
                                                   "Large Analog Value",
                                                   "Positive Integer Value",
                                                   "Life Safety Point",
                                                   "Life Safety Zone"};
    return items;
}

const std::vector<std::string>& Write_Object_Type_Items() {
    static const std::vector<std::string> items = {
        "Multi-State Output", "Multi-State Value",  "Analog Output",
        "Analog Value",       "Binary Output",      "Binary Value",
        "Integer Value",      "Large Analog Value", "Positive Integer Value"};
    return items;
}

const std::vector<std::string>& Read_Property_Items() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> texts;
        for (const TBACnetProperty& p : Properties()) texts.push_back(p.Text);
        return texts;
    }();
    return items;
}

const std::vector<std::string>& Write_Property_Items() {
    static const std::vector<std::string> items = {Present_Value_Text};
    return items;
}

const std::vector<std::string>& Data_Type_Items() {
    static const std::vector<std::string> items = [] {
        std::vector<std::string> names;
        for (const TDataType& t : Data_Types()) names.push_back(t.Name);
        return names;
    }();
    return items;
}

const std::vector<std::string>& Destination_Length_Items() {
    static const std::vector<std::string> items = {"1",  "2",  "6",  "M1", "M2", "M3",
                                                   "M4", "M5", "M6", "M7", "M8"};
    return items;
}

int Int_Or_Minus_One(const std::string& text) {
    int value = 0;
    return base::TryStrToInt(base::Trim(text), value) ? value : -1;
}

long long Int64_Or_Minus_One(const std::string& text) {
    int64_t value = 0;
    return base::TryStrToInt64(base::Trim(text), value) ? value : -1;
}

}  // namespace proto
