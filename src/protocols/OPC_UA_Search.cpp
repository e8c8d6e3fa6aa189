#include "protocols/OPC_UA_Search.h"

#include "base/TextCodec.h"
#include "platform/DynamicLibrary.h"

namespace proto {

namespace {

// The library speaks the Western 8-bit code page; our texts are UTF-8.
std::string Copy_Text(const char* Text) {
    if (!Text) return {};
    const std::string raw(Text);
    return base::IsValidUtf8(raw) ? raw : base::Windows1252ToUtf8(raw);
}

std::string To_Library(const std::string& Text) { return base::Utf8ToWindows1252(Text); }

}  // namespace

TOPC_UA_Scan_Var::TOPC_UA_Scan_Var(const opcua_structure& From)
    : Record(From),
      stringname(Copy_Text(From.stringname)),
      byteString(Copy_Text(From.byteString)),
      displayName(Copy_Text(From.displayName)) {
    Point_Texts();
}

TOPC_UA_Scan_Var::TOPC_UA_Scan_Var(const TOPC_UA_Scan_Var& Other)
    : Record(Other.Record), stringname(Other.stringname), byteString(Other.byteString), displayName(Other.displayName) {
    Point_Texts();
}

TOPC_UA_Scan_Var& TOPC_UA_Scan_Var::operator=(const TOPC_UA_Scan_Var& Other) {
    Record = Other.Record;
    stringname = Other.stringname;
    byteString = Other.byteString;
    displayName = Other.displayName;
    Point_Texts();
    return *this;
}

void TOPC_UA_Scan_Var::Point_Texts() {
    Record.stringname = stringname.c_str();
    Record.byteString = byteString.c_str();
    Record.displayName = displayName.c_str();
}

TOPC_UA_Scan_Request::TOPC_UA_Scan_Request(std::string Address, int Auth, std::string User, std::string Pass,
                                           std::string Cert, std::string Key, int Sec_Type, int Sec_Policy)
    : address_(To_Library(Address)),
      user_(To_Library(User)),
      pass_(To_Library(Pass)),
      cert_(To_Library(Cert)),
      key_(To_Library(Key)) {
    server_.user_pass_auth_flag = Auth;
    server_.security_type = Sec_Type;
    server_.security_policy = Sec_Policy;
    Point();
}

TOPC_UA_Scan_Request& TOPC_UA_Scan_Request::operator=(const TOPC_UA_Scan_Request& Other) {
    address_ = Other.address_;
    user_ = Other.user_;
    pass_ = Other.pass_;
    cert_ = Other.cert_;
    key_ = Other.key_;
    server_ = Other.server_;
    Point();
    return *this;
}

void TOPC_UA_Scan_Request::Point() {
    server_.server_address = address_.c_str();
    server_.username = user_.c_str();
    server_.password = pass_.c_str();
    server_.cert = cert_.c_str();
    server_.priv_key = key_.c_str();
}

TScan_Result Run_OPC_UA_Scan(const TOPC_UA_Scan_Request& Request, const std::vector<std::string>& Folders,
                             std::vector<TOPC_UA_Scan_Var>& List, std::string* Error, const std::string& Library) {
    List.clear();
    plat::TDynamicLibrary library;
    if (!library.Load(Library, Folders)) {
        if (Error) *Error = library.Error();
        return TScan_Result::No_Library;
    }
    const auto begin = reinterpret_cast<opcua_client_begin_fn>(library.Symbol("opcua_client_begin"));
    const auto fetch = reinterpret_cast<opcua_return_variable_fn>(library.Symbol("opcua_return_variable"));
    if (!begin || !fetch) return TScan_Result::No_Functions;
    const int32_t count = begin(Request.Server());
    opcua_structure buffer;
    for (int32_t i = 0; i < count; ++i) {
        fetch(&buffer, i);
        // The texts are copied now: they go with the library.
        List.emplace_back(buffer);
    }
    return TScan_Result::Scanned;
}

}  // namespace proto
