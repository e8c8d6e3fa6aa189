#include <gtest/gtest.h>

#include "protocols/BACnetVocabulary.h"

using namespace proto;

TEST(BACnetVocabulary, ObjectTypesByTable) {
    const struct {
        const char* text;
        int readWrite;
        int code;
    } cases[] = {
        {"Analog Input", 0, 4},
        {"  analog input ", 0, 4},  // trimmed, any letter case
        {"Analog Input", 1, -1},    // read only
        {"Accumulator", 1, -1},
        {"Multi-State Input", 1, -1},
        {"Binary Input", 1, -1},
        {"Multi-State Output", 1, 3},
        {"Large Analog Value", 1, 9},
        {"Life Safety Zone", 1, 15},  // accepted, though no data type fits it
        {"130", 0, 130},              // proprietary
        {"130", 1, 130},
        {"128", 1, 128},
        {"1023", 0, 1023},
        {"127", 0, -1},
        {"1024", 0, -1},
        {"$80", 0, -1},  // proprietary types are typed in decimal
        {"", 0, -1},
        {"Analog", 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Object_Type(c.text, c.readWrite), c.code) << c.text << " / " << c.readWrite;
}

TEST(BACnetVocabulary, PropertiesByObjectType) {
    const struct {
        const char* text;
        int readWrite;
        int type;
        int value;
    } cases[] = {
        {"Present Value (85)", 0, 4, 100},
        {"present value (85)", 1, 12, 100},
        {"Object Identifier (75)", 0, 6, 4},
        {"Object Identifier (75)", 1, 12, -1},
        {"Units (117)", 0, 4, 4},
        {"Units (117)", 0, 6, -1},   // no units on a binary input
        {"Units (117)", 0, 130, 4},  // proprietary types are not excluded
        {"Scale (187)", 0, 1, 1},
        {"Scale (187)", 0, 4, -1},
        {"PreScale (185)", 0, 1, 5},
        {"Polarity (84)", 0, 13, 1},
        {"Polarity (84)", 0, 12, -1},
        {"Event State (36)", 0, 9, 4},
        {"Status Flags (111)", 0, 9, 1},
        {"Object Type (79)", 0, 9, 2},
        {"Number of States (74)", 0, 11, 4},
        {"Number of States (74)", 0, 12, -1},
        {"600", 0, 4, 200},  // proprietary property
        {"600", 1, 12, 200},
        {"511", 0, 4, -1},
        {"4194303", 0, 4, 200},
        {"4194304", 0, 4, -1},
        {"85", 0, 4, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Property(c.text, c.readWrite, c.type), c.value)
            << c.text << " / " << c.readWrite << " / " << c.type;
}

TEST(BACnetVocabulary, PresentValueWriteNeedsTheTypesDataType) {
    const struct {
        const char* dataType;
        int type;
        int property;
        bool fits;
        const char* expected;
    } cases[] = {
        {"Real", 12, 100, true, "Real"},
        {"Signed Int", 12, 100, false, "Real"},
        {"Unsigned Int", 10, 100, true, "Unsigned Int"},
        {"Real", 10, 100, false, "Unsigned Int"},
        {" double ", 9, 100, true, "Double"},
        {"Enumerated", 14, 100, false, ""},  // nothing writes a life-safety value
        {"Boolean", 130, 100, true, ""},     // proprietary type: any
        {"Boolean", 12, 200, true, ""},      // other properties: any
        {"", 12, 200, true, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Check_Data_Type(c.dataType, c.type, c.property) >= 0, c.fits)
            << c.dataType << " / " << c.type;
        EXPECT_EQ(Aspected_Data_Type_Value(c.type, c.property), c.expected) << c.type;
    }
}

TEST(BACnetVocabulary, LargestNByteOfADataType) {
    const struct {
        const char* name;
        int most;
    } cases[] = {
        {"Null", 0},           {"boolean", 1},      {"Unsigned Int", 4}, {"Real", 4},       {"Double", 8},
        {"Octet String", 255}, {"Bit String", 120}, {"Object ID", 4},    {"whatever", 255}, {"", 255}};
    for (const auto& c : cases) EXPECT_EQ(Check_Num_Byte_Max(c.name), c.most) << c.name;
}

TEST(BACnetVocabulary, FromStandardObjectTypeNumbers) {
    const struct {
        int number;
        const char* name;
        const char* dataType;
        int nbyte;
    } cases[] = {
        {0, "Analog Input", "Real", 4},
        {3, "Binary Input", "Enumerated", 1},
        {46, "Large Analog Value", "Double", 8},
        {21, "Life Safety Point", "Enumerated", 2},
        {23, "Accumulator", "Unsigned Int", 4},
        {8, "", "Null", 4},
        {-1, "", "Null", 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get_ObjType_EDE(c.number), c.name) << c.number;
        EXPECT_EQ(Get_DataType_EDE(c.number), c.dataType) << c.number;
        EXPECT_EQ(Get_NumByte_EDE(c.number), c.nbyte) << c.number;
    }
}

TEST(BACnetVocabulary, ReadHintIsThePropertysSize) {
    EXPECT_EQ(Str_Hint_Read(4, 100), "4");
    EXPECT_EQ(Str_Hint_Read(6, 100), "1");
    EXPECT_EQ(Str_Hint_Read(9, 100), "8");
    EXPECT_EQ(Str_Hint_Read(11, 100), "");
    EXPECT_EQ(Str_Hint_Read(6, 1), "1");
    EXPECT_EQ(Str_Hint_Read(1, 5), "5");
    EXPECT_EQ(Str_Hint_Read(4, 200), "");
    EXPECT_EQ(Str_Hint_Read(-1, -1), "");
}
