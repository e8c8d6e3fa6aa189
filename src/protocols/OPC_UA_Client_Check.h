#pragma once
// The rules of the OPC UA client configuration, on the model: the data check
// that OK runs before the file is written, and the byte positions that
// "Auto Pos" hands out.

#include <string_view>

#include "gateway/CheckResult.h"
#include "protocols/OPC_UA_Client_Model.h"

namespace proto {

// The last byte of the gateway's exchange array.
inline constexpr int OPC_UA_Position_Max = 1499;

// The first fault, with the server and variable numbers (from 1) as its
// arguments (and the limit for the position texts); servers in list order,
// disabled ones included; disabled variables are skipped. Every byte of a
// value lies in the array: a Double may start at 1492 at the latest, and
// the position text names that limit. Numbers may have blanks around them.
// The message is gw::CheckMessage of the result.
gw::TCheckResult Controllo_Dati(const TOPC_UA_Server_List& Servers);

// Bytes of one value of a type text (compared in upper case); 0 for a text
// that is no type.
int GetLenVarType(std::string_view Type);

struct TStart_Position {
    int Read = 0;
    int Write = 0;
    bool operator==(const TStart_Position&) const = default;
};
// Where server Index's blocks start: after the largest position + size of
// the server just above it in each list (disabled variables count); 0 for
// the first server.
TStart_Position Start_Position(const TOPC_UA_Server_List& Servers, int Index);

// Positions one after the other from Start_Position, every variable of
// server Index included. Positions are written as computed; the result
// names the first variable whose value runs past the array, as the check
// would (read variables first).
gw::TCheckResult Auto_Position(TOPC_UA_Server_List& Servers, int Index);

}  // namespace proto
