#include "shell/OpcUaTexts.h"

#include <array>

#include "base/StrUtils.h"
#include "base/TextCodec.h"

namespace shell {

namespace {

constexpr std::array<const char*, 15> DataTypes = {
    "Boolean", "Int8",   "UInt8", "Int16",  "UInt16", "Int32",    "UInt32",    "Int64",
    "UInt64",  "Float", "Double", "String", "DateTime", "Guid", "ByteString"};
constexpr std::array<const char*, 3> Auths = {"Anonymous", "Username and Password", "Certificate"};
constexpr std::array<const char*, 3> SecModes = {"None", "Sign", "Sign and Encrypt"};
constexpr std::array<const char*, 6> SecPolicies = {
    "None", "Basic 128 RSA 15", "Basic 256", "Basic 256 SHA 256", "AES 128 SHA 256 RSA OAEP",
    "AES 256 SHA 256 RSA PSS"};

// Codes outside a table show its last entry, and texts that match none of
// its entries give the last code: stored tables rely on both.
template <size_t N>
std::string LastWins(const std::array<const char*, N>& table, int code) {
    return table[(code >= 0 && code < static_cast<int>(N)) ? code : N - 1];
}
template <size_t N>
int IndexOrLast(const std::array<const char*, N>& table, const std::string& text) {
    for (size_t i = 0; i < N; ++i)
        if (text == table[i])
            return static_cast<int>(i);
    return static_cast<int>(N - 1);
}

// The library hands out 8-bit texts in the Western code page; ours are UTF-8.
std::string LibraryText(const char* text) {
    if (text == nullptr)
        return {};
    const std::string raw(text);
    return base::IsValidUtf8(raw) ? raw : base::Windows1252ToUtf8(raw);
}

}  // namespace

std::string OPC_UA_IdType_To_Text(int code) {
    switch (code) {
    case 0: return "Numeric";
    case 3: return "String";
    case 4: return "Guid";
    case 5: return "ByteString";
    default: return {};
    }
}

int Text_To_OPC_UA_IdType(const std::string& text) {
    const std::string upper = base::UpperCase(text);
    if (upper == "STRING")
        return 3;
    if (upper == "GUID")
        return 4;
    if (upper == "BYTESTRING")
        return 5;
    return 0;
}

std::string OPC_UA_NodeId_To_Text(const opcua_structure& node) {
    switch (node.identifierType) {
    case 0:
        return base::IntToStr(node.numeric);
    case 3:
        return LibraryText(node.stringname);
    case 4: {
        std::string text = base::IntToHex(node.guide1, 8) + "-" + base::IntToHex(node.guide2, 4) +
                           "-" + base::IntToHex(node.guide3, 4) + "-";
        for (int i = 0; i < 8; ++i) {
            if (i == 2)
                text += "-";
            text += base::IntToHex(node.guide4[i], 2);
        }
        return text;
    }
    case 5:
        return LibraryText(node.byteString);
    default:
        return {};
    }
}

std::string OPC_UA_DataType_To_Text(int code) {
    if (code < 0 || code >= static_cast<int>(DataTypes.size()))
        return {};
    return DataTypes[code];
}

std::string OPC_UA_Auth_To_Text(int code) { return LastWins(Auths, code); }
int Text_To_OPC_UA_Auth(const std::string& text) { return IndexOrLast(Auths, text); }
std::string OPC_UA_SecMode_To_Text(int code) { return LastWins(SecModes, code); }
int Text_To_OPC_UA_SecMode(const std::string& text) { return IndexOrLast(SecModes, text); }
std::string OPC_UA_SecPolicy_To_Text(int code) { return LastWins(SecPolicies, code); }
int Text_To_OPC_UA_SecPolicy(const std::string& text) { return IndexOrLast(SecPolicies, text); }

}  // namespace shell
