#pragma once
// The LoRaWAN window's data check over its device records: the first fault
// out, as a text number with the device and rule numbers it names.

#include <string>
#include <vector>

#include "gateway/CheckResult.h"
#include "gateway/LoRaWANFile.h"

namespace gw {

// 0 when the text, upper-cased and trimmed, has numChar hexadecimal digits;
// 1 when its length differs; 2 when a character is no hexadecimal digit.
int CheckStringHex(const std::string& str, int numChar);

inline constexpr int Exchange_Memory_Size = 1536;
// "Error Device %d!! Device EUI is the same as the one of Device %d"
inline constexpr int Text_Same_Device_EUI = 5518;
inline constexpr int Rule_Start_Byte_Max = 500;
// The device keeps a test's start and length in 16 bits and reads 65535 as
// "no test", so a typed 65535 would switch the test off unseen.
inline constexpr int Test_Field_Max = 65534;

// Devices are numbered from 1 in table order and rules from 1 in list
// order. A device with a blank Device EUI is skipped with its rules (it ends
// the list in the file); a disabled device is still checked, because it is
// written and may be enabled later; a disabled rule is not.
TCheckResult Check_Data(const std::vector<TDeviceLoRa>& devices);

// Where the field a check text names lies in the window: its table and the
// column in it. The device is the text's first number, the rule (when the
// table is a rule table) its second.
enum TCheckTable { Check_Table_None, Check_Table_Devices, Check_Table_UpLink, Check_Table_DownLink };
struct TCheckPlace {
    TCheckTable table = Check_Table_None;
    int column = 0;
    bool operator==(const TCheckPlace&) const = default;
};
TCheckPlace Check_Place(int text);

// The enabled rules of one device, numbered as device n.
TCheckResult CheckRules(const TDeviceLoRa& device, int n);

// An end node takes its identity and keys from the parameter file, and the
// window shows no device table to correct them in: only the rules of its one
// device (the first record) are checked.
TCheckResult Check_End_Node(const std::vector<TDeviceLoRa>& devices);

}  // namespace gw
