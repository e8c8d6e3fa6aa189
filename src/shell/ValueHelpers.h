#pragma once
// Small parsers and checks that the table windows apply to cell texts. None
// shows a message: each returns a code that the calling window turns into
// its own numbered text.

#include <cstdint>
#include <string>

#include "base/StringList.h"

namespace shell {

// A dotted IPv4 address, blanks around the text and its parts allowed; the
// parts go to ip1..ip4. True only when all four parts are 0..255.
bool Split_IP_Address(const std::string& text, std::string& ip1, std::string& ip2,
                      std::string& ip3, std::string& ip4);

// Beware: true means the text is NOT a valid address (an error flag). An empty
// text leaves the bytes untouched; otherwise every byte is set (0 for a bad part).
bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4);

// "a.b.c.d:port"; true when valid. All outputs are 0 unless the whole text is valid.
bool IP_Port_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3,
                      uint8_t& b4, uint16_t& port);

// Decimal texts of the serial port numbers present, in ascending order.
base::TStringList List_COM_Ports();

// Empties both texts and returns 1 (a single address on this platform).
int Get_IP_Addresses(std::string& ip1, std::string& ip2);

// ',' or '.', from the user's regional settings; ',' for anything else.
char Get_Decimal_Separator();

// Accepts both a decimal comma and a decimal point, whichever separator the
// region (separator) has; blanks around the number are allowed. On failure
// value := 1.0, false.
bool Text_To_Real(const std::string& text, char separator, float& value);

// SNMP object identifier: 0 valid; 1 longer than 128 characters; 2 a character
// other than a digit or "." (also an empty text); 3 leading "."; 4 trailing
// "."; 5 two "." in a row; 6 a component above 4294967295.
int Check_OID(const std::string& text);

// SNMP user name (minimumOne true) or pass phrase (false): 0 valid; 1 longer
// than 15 characters; 2 shorter than 1 or 8; 3 not only letters and digits.
int Check_SNMP_Key(const std::string& text, bool minimumOne);

// "AUTH NOPRIV" 1, "AUTH PRIV" 3, empty -1, anything else 0.
int Text_To_SNMP_SecLevel(const std::string& text);

// KNX individual (area.line.device or a number) or group (main/sub,
// main/middle/sub or a number) address: 0 valid, 1 invalid.
int Check_KNX_Address(const std::string& text, bool group, bool allowZero);

bool Has_No_Dot(const std::string& text);

}  // namespace shell
