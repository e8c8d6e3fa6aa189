#pragma once
// The parameter window's data check: the values as its controls show them
// (flags "1" for on) in, the first fault out (its text number and
// arguments), in the order the user reads the window. Nothing is shown here.

#include "gateway/CheckResult.h"
#include "gateway/ParGenFile.h"
#include "gateway/ParGenLayout.h"

namespace gw {

inline constexpr int Diag_Position_Max = 1536;
inline constexpr int EtherNetIP_Bytes_Max = 496;
// The server address goes into a JSON text on the device; bytes that are no
// UTF-8 would leave that text unreadable for its packet forwarder.
inline constexpr int Text_Server_Address_Unreadable = 1413;

// A control's value is checked only while it is shown: a hidden value is
// written back as it was loaded, and the user could not mend it anyway.
TCheckResult Controllo_Dati(const TParGenData& data, const TLoRaWANLayout& shown);

// The key of the file whose value made the check fail (its field in
// TParGenData), so that the window can take the user to it; nullptr for a
// passed check.
const char* Failed_Key(const TCheckResult& result);

// The layout the window shows for these values: the mode list ends on
// "Gateway" whatever the file held, the activation method on its stored entry.
TLoRaWANLayout LayoutOf(const TParGenData& data);

}  // namespace gw
