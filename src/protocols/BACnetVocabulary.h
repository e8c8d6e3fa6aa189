#pragma once
// The BACnet words the client table, the EDE import and the EDE export share:
// object types, the properties a rule may address and the data types a write
// rule may send. Names are compared trimmed and without regard to letter case.

#include <string>
#include <vector>

namespace proto {

struct TBACnetObjectType {
    const char* Name;      // as the client table offers it
    int Code;              // what the checks work with
    int Number;            // the standard object-type number EDE files carry
    bool ReadOnly;         // refused in the write table
    const char* PV_Type;   // the one data type a present-value write accepts ("" none)
    const char* EDE_Type;  // the data type the import proposes
    int EDE_NByte;         // the bytes the import gives a read of the present value
};

// The fifteen named object types, in code order.
const std::vector<TBACnetObjectType>& BACnet_Object_Types();

// A proprietary object type is typed as its number.
inline constexpr int Proprietary_Type_Min = 128;
inline constexpr int Proprietary_Type_Max = 1023;
// A proprietary property is typed as its number; its check value.
inline constexpr int Proprietary_Property_Min = 512;
inline constexpr int Proprietary_Property_Max = 4194303;
inline constexpr int Proprietary_Property_Value = 200;
// The check value of the present value; values below 50 are byte counts.
inline constexpr int Present_Value_Property = 100;
inline constexpr const char* Present_Value_Text = "Present Value (85)";

// The type's code, the proprietary number, or -1 for an unknown name;
// Read_Write 0 is the read table, any other value the write table, where the
// read-only types give -1.
int Check_Object_Type(const std::string& str, int Read_Write);

// The property's check value for the object-type code, -1 when the property
// is unknown or not allowed there.
int Check_Property(const std::string& str, int Read_Write, int Obj_Type);

// Negative when a write rule's data type does not fit the property; only the
// present value of a named type asks for one particular data type.
int Check_Data_Type(const std::string& str, int Obj_Type, int Property_val);

// The data type a present-value write of the type must use ("" when the
// check names none).
std::string Aspected_Data_Type_Value(int Obj_Type, int Property_val);

// The largest NByte a data type allows (255 for a name not in the list).
int Check_Num_Byte_Max(const std::string& str);

// From a standard object-type number: the table's name ("" for others), the
// data type the import proposes ("Null" for others), the import's NByte (4).
std::string Get_ObjType_EDE(int val);
std::string Get_DataType_EDE(int val);
int Get_NumByte_EDE(int val);
bool Is_EDE_Object_Type(int val);

// The read table's cell hint on a row's Property: the bytes the property
// occupies, from the row's object-type code and property value ("" none).
std::string Str_Hint_Read(int Obj_Type, int Property_val);

// The picking lists of the client table's columns.
const std::vector<std::string>& Read_Object_Type_Items();
const std::vector<std::string>& Write_Object_Type_Items();
const std::vector<std::string>& Read_Property_Items();
const std::vector<std::string>& Write_Property_Items();
const std::vector<std::string>& Data_Type_Items();
const std::vector<std::string>& Destination_Length_Items();

// A cell read with the integer-or-minus-one rule: decimal, or hexadecimal
// after "$" or "0x", as a signed 32-bit number, blanks around it allowed;
// -1 for anything else.
int Int_Or_Minus_One(const std::string& text);
// The same rule over 64 bits (instances run to 4294967295).
long long Int64_Or_Minus_One(const std::string& text);

}  // namespace proto
