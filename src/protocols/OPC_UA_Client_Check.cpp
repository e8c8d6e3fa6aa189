#include "protocols/OPC_UA_Client_Check.h"

#include <algorithm>

#include "base/StrUtils.h"

namespace proto {

namespace {

using gw::CheckFailed;
using gw::TCheckResult;

bool Blank(const std::string& Text) { return base::Trim(Text).empty(); }

// A number as typed into a cell: blanks around it are no reason to refuse it.
long long CheckNumber(const std::string& Text) { return gw::CheckNumber(base::Trim(Text)); }

// The last position a value of the variable's type may start at: all its
// bytes lie in the exchange area.
int Last_Start(const TOPC_UA_Variable& v) {
    return OPC_UA_Position_Max + 1 - std::max(1, GetLenVarType(v.VarType()));
}

// Position outside 0 .. Last_Start: the text (4200 or 4204) with the limit.
TCheckResult Check_Position(const TOPC_UA_Variable& v, int Text, int s, int n) {
    const long long position = CheckNumber(v.Position);
    if (position < 0 || position > Last_Start(v)) return CheckFailed(Text, {s, n, Last_Start(v)});
    return {};
}

bool Is_String_Type(const std::string& Type) {
    const std::string t = base::UpperCase(base::Trim(Type));
    return t == "STRING" || t == "BYTESTRING";
}

TCheckResult Check_Read(const TOPC_UA_Variable& v, int s, int n) {
    if (Blank(v.VarArray)) return CheckFailed(4211, {s, n});
    if (base::UpperCase(base::Trim(v.VarArray)) == "ARRAY") {
        if (Is_String_Type(v.VarType())) return CheckFailed(4214, {s, n});
        if (CheckNumber(v.Start) < 0) return CheckFailed(4215, {s, n});
        if (CheckNumber(v.Len) < 0) return CheckFailed(4216, {s, n});
    } else if (Is_String_Type(v.VarType())) {
        if (CheckNumber(v.Start) < 0) return CheckFailed(4212, {s, n});
        if (CheckNumber(v.Len) < 0) return CheckFailed(4213, {s, n});
    }
    if (Blank(v.Time)) return CheckFailed(4197, {s, n});
    if (CheckNumber(v.Time) < 1) return CheckFailed(4198, {s, n});
    if (Blank(v.Position)) return CheckFailed(4199, {s, n});
    return Check_Position(v, 4200, s, n);
}

TCheckResult Check_Write(const TOPC_UA_Variable& v, int s, int n) {
    if (v.OnTimer == "Y") {
        if (Blank(v.Time)) return CheckFailed(4201, {s, n});
        if (CheckNumber(v.Time) < 1) return CheckFailed(4202, {s, n});
    }
    if (Blank(v.Position)) return CheckFailed(4203, {s, n});
    return Check_Position(v, 4204, s, n);
}

int End_Of(const std::vector<TOPC_UA_Variable>& Vars) {
    int end = 0;
    for (const TOPC_UA_Variable& v : Vars)
        end = std::max(end, base::StrToIntDef(base::Trim(v.Position), 0) + GetLenVarType(v.VarType()));
    return end;
}

// Numbers the variables on from Start; the first enabled one whose value
// would run past the exchange area is reported with Text (4200 or 4204), as
// the check will at OK.
TCheckResult Number_From(std::vector<TOPC_UA_Variable>& Vars, int Start, int Text, int s) {
    TCheckResult past;
    for (size_t i = 0; i < Vars.size(); ++i) {
        TOPC_UA_Variable& v = Vars[i];
        v.Position = std::to_string(Start);
        if (past.Ok() && v.Enable && Start > Last_Start(v))
            past = CheckFailed(Text, {s, static_cast<int>(i) + 1, Last_Start(v)});
        Start += GetLenVarType(v.VarType());
    }
    return past;
}

}  // namespace

TCheckResult Controllo_Dati(const TOPC_UA_Server_List& Servers) {
    for (size_t s = 0; s < Servers.size(); ++s) {
        const int server = static_cast<int>(s) + 1;
        const TOPC_UA_Server& srv = Servers[s];
        for (size_t i = 0; i < srv.Var_List_R.size(); ++i)
            if (srv.Var_List_R[i].Enable)
                if (TCheckResult r = Check_Read(srv.Var_List_R[i], server, static_cast<int>(i) + 1); !r.Ok()) return r;
        for (size_t i = 0; i < srv.Var_List_W.size(); ++i)
            if (srv.Var_List_W[i].Enable)
                if (TCheckResult r = Check_Write(srv.Var_List_W[i], server, static_cast<int>(i) + 1); !r.Ok()) return r;
    }
    return {};
}

int GetLenVarType(std::string_view Type) {
    const std::string t = base::UpperCase(Type);
    if (t == "BOOLEAN" || t == "INT8" || t == "UINT8") return 1;
    if (t == "INT16" || t == "UINT16") return 2;
    if (t == "INT32" || t == "UINT32" || t == "FLOAT") return 4;
    if (t == "INT64" || t == "UINT64" || t == "DOUBLE" || t == "DATETIME") return 8;
    if (t == "GUID") return 16;
    if (t == "STRING" || t == "BYTESTRING") return 20;
    return 0;
}

TStart_Position Start_Position(const TOPC_UA_Server_List& Servers, int Index) {
    if (Index < 1 || Index > static_cast<int>(Servers.size())) return {};
    const TOPC_UA_Server& above = Servers[static_cast<size_t>(Index - 1)];
    return {End_Of(above.Var_List_R), End_Of(above.Var_List_W)};
}

TCheckResult Auto_Position(TOPC_UA_Server_List& Servers, int Index) {
    if (Index < 0 || Index >= static_cast<int>(Servers.size())) return {};
    const TStart_Position start = Start_Position(Servers, Index);
    TOPC_UA_Server& s = Servers[static_cast<size_t>(Index)];
    const TCheckResult read = Number_From(s.Var_List_R, start.Read, 4200, Index + 1);
    const TCheckResult write = Number_From(s.Var_List_W, start.Write, 4204, Index + 1);
    return read.Ok() ? write : read;
}

}  // namespace proto
