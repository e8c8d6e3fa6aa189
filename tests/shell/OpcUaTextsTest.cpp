#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/OpcUaTexts.h"

TEST(OpcUaTexts, CodesAndTexts) {
    EXPECT_EQ(shell::OPC_UA_IdType_To_Text(0), "Numeric");
    EXPECT_EQ(shell::OPC_UA_IdType_To_Text(3), "String");
    EXPECT_EQ(shell::OPC_UA_IdType_To_Text(4), "Guid");
    EXPECT_EQ(shell::OPC_UA_IdType_To_Text(5), "ByteString");
    for (int code : {1, 2, 6, -1})
        EXPECT_EQ(shell::OPC_UA_IdType_To_Text(code), "") << code;
    const struct {
        const char* text;
        int code;
    } idTypes[] = {{"Numeric", 0}, {"string", 3}, {"GUID", 4}, {"ByteString", 5}, {"Opaque", 0}, {"", 0}};
    for (const auto& c : idTypes)
        EXPECT_EQ(shell::Text_To_OPC_UA_IdType(c.text), c.code) << c.text;

    const char* dataTypes[] = {"Boolean", "Int8",   "UInt8",  "Int16",    "UInt16",
                               "Int32",   "UInt32", "Int64",  "UInt64",   "Float",
                               "Double",  "String", "DateTime", "Guid", "ByteString"};
    for (int code = 0; code < 15; ++code)
        EXPECT_EQ(shell::OPC_UA_DataType_To_Text(code), dataTypes[code]);
    EXPECT_EQ(shell::OPC_UA_DataType_To_Text(15), "");
    EXPECT_EQ(shell::OPC_UA_DataType_To_Text(-1), "");
}

TEST(OpcUaTexts, OtherCodesAndTextsFallOnTheLastChoice) {
    const struct {
        std::string (*toText)(int);
        int (*toCode)(const std::string&);
        std::vector<std::string> texts;
    } tables[] = {
        {shell::OPC_UA_Auth_To_Text, shell::Text_To_OPC_UA_Auth,
         {"Anonymous", "Username and Password", "Certificate"}},
        {shell::OPC_UA_SecMode_To_Text, shell::Text_To_OPC_UA_SecMode, {"None", "Sign", "Sign and Encrypt"}},
        {shell::OPC_UA_SecPolicy_To_Text, shell::Text_To_OPC_UA_SecPolicy,
         {"None", "Basic 128 RSA 15", "Basic 256", "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP",
          "AES 256 SHA 256 RSA PSS"}},
    };
    for (const auto& t : tables) {
        const int last = static_cast<int>(t.texts.size()) - 1;
        for (int code = 0; code <= last; ++code) {
            EXPECT_EQ(t.toText(code), t.texts[code]);
            EXPECT_EQ(t.toCode(t.texts[code]), code);
        }
        EXPECT_EQ(t.toText(last + 1), t.texts[last]);
        EXPECT_EQ(t.toText(255), t.texts[last]);
        EXPECT_EQ(t.toCode("none"), last);  // exact comparison: "None" only
        EXPECT_EQ(t.toCode(""), last);
    }
}

TEST(OpcUaTexts, NodeIdentifiers) {
    shell::opcua_structure numeric;
    numeric.identifierType = 0;
    numeric.numeric = 4294967295u;
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(numeric), "4294967295");

    shell::opcua_structure text;
    text.identifierType = 3;
    text.stringname = "Boiler.Temp";
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(text), "Boiler.Temp");
    text.stringname = "Caf\xE9";  // an 8-bit text in the Western code page
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(text), "Caf\xC3\xA9");
    text.stringname = nullptr;
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(text), "");

    shell::opcua_structure guid;
    guid.identifierType = 4;
    guid.guide1 = 0x0A1B2C3D;
    guid.guide2 = 0x4E5F;
    guid.guide3 = 0x0607;
    const uint8_t tail[8] = {0x80, 0x09, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0x0F};
    std::copy(tail, tail + 8, guid.guide4);
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(guid), "0A1B2C3D-4E5F-0607-8009-AABBCCDDEE0F");

    shell::opcua_structure bytes;
    bytes.identifierType = 5;
    bytes.byteString = "raw";
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(bytes), "raw");

    shell::opcua_structure other;
    other.identifierType = 1;
    other.numeric = 5;
    EXPECT_EQ(shell::OPC_UA_NodeId_To_Text(other), "");
}
