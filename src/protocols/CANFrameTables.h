#pragma once
// The frame tables of the CAN bus family as members of the access-table
// family, without their windows: raw CAN frames received and sent
// ("CAN_Rec_Frames.xml", "CAN_Send_Frames.xml"), J1939 parameter groups
// ("J1939_Rec_Frames.xml", "J1939_Send_Frames.xml") and NMEA 2000 messages
// ("NMEA_Rec_Frames.xml", "NMEA_Send_Frames.xml"), each with its data check.

#include <vector>

#include "protocols/AccessTableForm.h"

namespace proto {

// Byte positions of the gateway's data arrays the CAN frames address.
inline constexpr int CAN_Receive_Positions = 2000;
inline constexpr int CAN_Transmit_Positions = 2500;
// Bytes of the gateway's data arrays the J1939 and NMEA 2000 rows fill.
inline constexpr int J1939_Input_Bytes = 1440;
inline constexpr int J1939_Output_Bytes = 512;
inline constexpr int NMEA_Input_Bytes = 512;
inline constexpr int NMEA_Output_Bytes = 512;
// The largest messages of the transport protocol and of a fast packet.
inline constexpr int Transport_Protocol_Bytes = 1785;
inline constexpr int Fast_Packet_Bytes = 223;

extern const TAccessMember Receive_CAN_Member;
extern const TAccessMember Transmit_CAN_Member;
extern const TAccessMember Receive_J1939_Member;
extern const TAccessMember Transmit_J1939_Member;
extern const TAccessMember Receive_NMEA_Member;
extern const TAccessMember Transmit_NMEA_Member;

// CobID by the frame format (an empty Type is a 29-bit frame), Dimension
// 1 to 8, TimeOut, and the positions of the bytes the Dimension covers.
TCheckOutcome Check_Receive_CAN(const std::vector<TTable>& Tables);
// As the receive table, with the Time examined only for frames on timer.
TCheckOutcome Check_Transmit_CAN(const std::vector<TTable>& Tables);
// Data Page, PGN, Source Address, the captured bytes (transport protocol or
// single frame) counted against the input array, and the request time.
TCheckOutcome Check_Receive_J1939(const std::vector<TTable>& Tables);
// Priority, Data Page, PGN, Source Address, N Bytes counted against the
// output array, and the send timer of frames on timer.
TCheckOutcome Check_Transmit_J1939(const std::vector<TTable>& Tables);
// PGN, Source Address, the captured bytes (transport protocol, fast packet
// or single frame) counted against the input array.
TCheckOutcome Check_Receive_NMEA(const std::vector<TTable>& Tables);
// Priority, PGN, Source Address, Num Byte counted against the output array,
// and the send timer of messages on timer.
TCheckOutcome Check_Transmit_NMEA(const std::vector<TTable>& Tables);

}  // namespace proto
