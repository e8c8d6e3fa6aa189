// The CAN, J1939 and NMEA 2000 frame tables without their windows: every
// check message as a table of cases, the loaders' defaults on hand-written
// files, and each table's file as saved.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AccessCheckSupport.h"
#include "gateway/GatewayTestSupport.h"
#include "protocols/CANFrameTables.h"

namespace {

using prototest::Expect_Messages;
using prototest::TCase;
using proto::TTable;
using proto::TTableRow;

std::string Data(const std::string& Name) {
    return gwtest::ReadFile(std::string(VASTRIMO_TEST_DATA) + "/" + Name);
}

// Enable, CobID, Type, Dimension, TimeOut, Byte1 .. Byte8.
TTableRow Rx(const char* Enable, const char* Cob, const char* Type, const char* Dim, const char* TimeOut,
             std::vector<std::string> Bytes = {}) {
    TTableRow row = {Enable, Cob, Type, Dim, TimeOut};
    Bytes.resize(8);
    row.insert(row.end(), Bytes.begin(), Bytes.end());
    return row;
}

// Enable, CobID, Type, Dimension, OnChange, OnCMD, OnTimer, Time, Byte1 .. Byte8.
TTableRow Tx(const char* Cob, const char* Type, const char* Dim, const char* OnTimer, const char* Time,
             std::vector<std::string> Bytes = {}) {
    TTableRow row = {"Y", Cob, Type, Dim, "Y", "N", OnTimer, Time};
    Bytes.resize(8);
    row.insert(row.end(), Bytes.begin(), Bytes.end());
    return row;
}

const char* const A11 = "2.0A (11 bits)";
const char* const B29 = "2.0B (29 bits)";

std::vector<TTableRow> Repeat(const TTableRow& Row, int Count, const TTableRow& Last = {}) {
    std::vector<TTableRow> rows(static_cast<size_t>(Count), Row);
    if (!Last.empty()) rows.push_back(Last);
    return rows;
}

}  // namespace

TEST(CANFrameChecks, ReceiveCAN) {
    const TTableRow good = Rx("Y", "1", A11, "1", "0");
    Expect_Messages(
        proto::Receive_CAN_Member, proto::Check_Receive_CAN,
        {
            {"passes",
             {{Rx("Y", "$7FF", A11, "2", "100000000", {"None", "1999"}), Rx("y", "0x7FF", A11, "8", "0"),
               Rx("Y", "0x1FFFFFFF", "", "1", "0"), Rx("Y", "536870911", B29, "2", "0", {" None ", "", "5000"}),
               Rx("N", "junk", "", "", ""), Rx("", "junk", "", "", "")}},
             ""},
            {"blank CobID ends the table", {{good, Rx("Y", "  ", A11, "9", ""), Rx("Y", "x", "", "", "")}}, ""},
            {"11-bit 2048", {{good, good, good, good, good, good, Rx("Y", "2048", A11, "1", "0")}},
             "Error row 7!! CobID must be between 0 and 2047"},
            {"7FFh is no number", {{Rx("Y", "7FFh", A11, "1", "0")}}, "Error row 1!! CobID must be between 0 and 2047"},
            {"empty Type is 29-bit", {{Rx("Y", "0x20000000", "", "1", "0")}},
             "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
            {"Dimension 9", {{good, good, Rx("Y", "1", A11, "9", "0")}},
             "Error row 3!! Dimension must be between 1 and 8"},
            {"empty TimeOut", {{Rx("Y", "1", A11, "1", "")}},
             "Error row 1!! TimeOut must be between 0 and 100000000 milliseconds"},
            {"Byte1", {{Rx("Y", "1", A11, "1", "0", {"2000"})}},
             "Error row 1!! Byte1 must be between 0 and 1999 or None"},
            {"Byte2", {{Rx("Y", "1", A11, "3", "0", {"0", "2100"})}},
             "Error row 1!! Byte2 must be between 0 and 1999 or None"},
            {"Byte8 text", {{Rx("Y", "1", A11, "8", "0", {"0", "0", "0", "0", "0", "0", "0", "x"})}},
             "Error row 1!! Byte8 must be between 0 and 1999 or None"},
        });
}

TEST(CANFrameChecks, TransmitCAN) {
    Expect_Messages(proto::Transmit_CAN_Member, proto::Check_Transmit_CAN,
                    {
                        {"passes",
                         {{Tx("0x7FF", A11, "2", "Y", "100000000", {"2499", "None"}), Tx("1", A11, "1", "N", "x"),
                           Tx("0x1FFFFFFF", B29, "1", "", "")}},
                         ""},
                        {"Time on timer", {{Tx("1", A11, "1", "N", ""), Tx("1", A11, "1", "Y", "")}},
                         "Error row 2!! Time must be between 0 and 100000000 milliseconds"},
                        {"lower-case y is on timer", {{Tx("1", A11, "1", " y ", "-1")}},
                         "Error row 1!! Time must be between 0 and 100000000 milliseconds"},
                        {"CobID 11", {{Tx("0x800", A11, "1", "N", "")}},
                         "Error row 1!! CobID must be between 0 and 2047"},
                        {"CobID 29", {{Tx("0x20000000", B29, "1", "N", "")}},
                         "Error row 1!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
                        {"Dimension", {{Tx("1", A11, "0", "N", "")}},
                         "Error row 1!! Dimension must be between 1 and 8"},
                        {"Byte1", {{Tx("1", A11, "1", "N", "", {"2500"})}},
                         "Error row 1!! Byte1 must be between 0 and 2499 or None"},
                        {"Byte3", {{Tx("1", A11, "4", "N", "", {"0", "1", "-1"})}},
                         "Error row 1!! Byte3 must be between 0 and 2499 or None"},
                    });
}

TEST(CANFrameChecks, ReceiveJ1939) {
    // Data Page, PGN, SA, TP, Start, N Byte, Cancel, On Request, Time.
    const TTableRow frame = {"0", "0xFEF1", "0", "", "", "", "", "", ""};
    Expect_Messages(
        proto::Receive_J1939_Member, proto::Check_Receive_J1939,
        {
            {"passes",
             {{{"7", "$FFFF", "239", "Y", "0", "0"}, {"1", "1", "0", "N", "2", "6"}, {"0", "1", "0", "Y", "100", "1000"},
               {"0", "1", "0", "", "", "", "", "Y", "2"}, {"0", "1", "0", "", " ", " ", "", "N", ""}}},
             ""},
            {"Data Page", {{frame, {"", "1", "0"}}}, "Error in row 2!! Data Page must be 0 or 1"},
            {"PGN of spaces", {{{"0", "  ", "0"}}}, "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
            {"PGN of spaces, no Data Page", {{{"", "  ", "0"}}}, "Error in row 1!! Data Page must be 0 or 1"},
            {"PGN", {{{"0", "0x10000", "0"}}}, "Error in row 1!! PGN must be between 0x0000 and 0xFFFF"},
            {"Source Address", {{frame, frame, frame, frame, {"0", "1", "240"}}},
             "Error in row 5!! Source Address must be between 0 and 239"},
            {"TP Start", {{{"0", "1", "0", "Y", "", "1"}}}, "Error in row 1!! Start Byte must be between 0 and 1785"},
            {"TP sum", {{{"0", "1", "0", "Y", "100", "1686"}}},
             "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
            {"TP whole message", {{{"0", "1", "0", "Y", "0", "1785"}}},
             "Error!! Too many bytes of data, the max number is 1440"},
            {"single: one given", {{{"0", "1", "0", "", "2", ""}}},
             "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
            {"single: Start 0", {{{"0", "1", "0", "", "0", "4"}}},
             "Error in row 1!! The Start Byte must be between 1 and 8"},
            {"single: Start 9", {{{"0", "1", "0", "", "9", "1"}}},
             "Error in row 1!! The Start Byte must be between 1 and 8"},
            {"single: N 9", {{{"0", "1", "0", "", "1", "9"}}},
             "Error in row 1!! The Number Bytes must be between 1 and 8"},
            {"single: 1 + 8", {{{"0", "1", "0", "", "1", "8"}}},
             "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
            {"180 frames fill 1440", {Repeat(frame, 180)}, ""},
            {"181 frames", {Repeat(frame, 181)}, "Error!! Too many bytes of data, the max number is 1440"},
            // A captured part counts its bytes and the frame: 14 here.
            {"N Byte + 8", {{{"0", "1", "0", "Y", "0", "1427"}, {"0", "1", "0", "", "2", "6"}}},
             "Error!! Too many bytes of data, the max number is 1440"},
            {"request time 1", {{{"0", "1", "0", "", "", "", "", "Y", "1"}}},
             "Error in row 1!! Time(ms) must be between 2 and 10000000"},
        });
}

TEST(CANFrameChecks, TransmitJ1939) {
    // Priority, Data Page, PGN, SA, N Bytes, Request, Data Change, On Timer, Send Timer.
    const TTableRow frame = {"6", "0", "0xFEF1", "0", "8"};
    Expect_Messages(proto::Transmit_J1939_Member, proto::Check_Transmit_J1939,
                    {
                        {"passes",
                         {{{"0", "7", "0x1FFFF", "255", "1", "Y", "Y", "Y", "65535"},
                           {"7", "1", "0", "0", "$10", "", "", "N", ""}, {"1", "", "", "", ""}, {"x", "x", "x"}}},
                         ""},
                        {"Priority", {{frame, frame, {"8", "0", "1", "0", "8"}}},
                         "Error in row 3!! Priority must be between 0 and 7"},
                        {"empty Priority", {{{"", "0", "1", "0", "8"}}},
                         "Error in row 1!! Priority must be between 0 and 7"},
                        {"Data Page", {{{"0", "", "1", "0", "8"}}}, "Error in row 1!! Data Page must be 0 or 1"},
                        {"PGN", {{{"0", "0", "0x20000", "0", "8"}}},
                         "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
                        {"Source Address", {{{"0", "0", "1", "256", "8"}}},
                         "Error in row 1!! Source Address must be between 0 and 255"},
                        {"N Bytes 0", {{frame, frame, frame, frame, frame, {"0", "0", "1", "0", "0"}}},
                         "Error in row 6!! Num Byte must be between 0 and 512"},
                        {"N Bytes 513", {{{"0", "0", "1", "0", "513"}}},
                         "Error in row 1!! Num Byte must be between 0 and 512"},
                        {"64 frames fill 512", {Repeat(frame, 64)}, ""},
                        {"65 frames", {Repeat(frame, 65)}, "Error!! Too many bytes of data, the max number is 512"},
                        {"Send Timer 0", {{{"0", "0", "1", "0", "8", "", "", "Y", "0"}}},
                         "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
                        {"Send Timer 65536", {{{"0", "0", "1", "0", "8", "", "", "Y", "65536"}}},
                         "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
                    });
}

TEST(CANFrameChecks, ReceiveNMEA) {
    // PGN, SA, TP, FP, Start, N Byte, Cancel.
    const TTableRow frame = {"0x1F801", "0"};
    Expect_Messages(
        proto::Receive_NMEA_Member, proto::Check_Receive_NMEA,
        {
            {"passes",
             {{{"0x1FFFF", "239", "Y", "", "1700", "85"}, {"1", "0", "Y", "Y", "0", "200"}}},
             ""},
            {"fast packet 223", {{{"1", "0", "", "Y", "0", "223"}, {"1", "0", "N", "N", "2", "6"}}}, ""},
            {"62 frames", {Repeat(frame, 62)}, ""},
            {"PGN of a blank", {{{" ", "0"}}}, "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
            {"Source Address", {{frame, {"1", "240"}}}, "Error in row 2!! Source Address must be between 0 and 239"},
            {"TP sum", {{{"1", "0", "Y", "", "1700", "86"}}},
             "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
            {"TP Start empty", {{{"1", "0", "Y", "", "", "1"}}},
             "Error in row 1!! Start Byte must be between 0 and 1785"},
            {"TP N empty", {{{"1", "0", "Y", "", "0", ""}}},
             "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 1785"},
            {"FP sum", {{{"1", "0", "", "Y", "0", "224"}}},
             "Error in row 1!! Start Byte plus Number Bytes must be between 0 and 223"},
            {"FP Start", {{{"1", "0", "", "Y", "300", "0"}}}, "Error in row 1!! Start Byte must be between 0 and 223"},
            {"single 3 + 6", {{{"1", "0", "", "", "3", "6"}}},
             "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
            {"single 1 + 8", {{{"1", "0", "", "", "1", "8"}}},
             "Error in row 1!! The Number Bytes plus Start Byte must be minor of 9"},
            {"single Start 0", {{{"1", "0", "", "", "0", "4"}}},
             "Error in row 1!! The Start Byte must be between 1 and 8"},
            {"single N 0", {{{"1", "0", "", "", "2", "0"}}},
             "Error in row 1!! The Number Bytes must be between 1 and 8"},
            {"single N empty", {{{"1", "0", "", "", "2", ""}}},
             "Error in row 1!! Start Byte and Number Bytes must be both compiled"},
            {"513 bytes", {{{"1", "0", "Y", "", "0", "505"}, frame, {"", "x"}}},
             "Error!! Too many bytes of data, the max number is 512"},
        });
}

TEST(CANFrameChecks, TransmitNMEA) {
    // Priority, PGN, SA, FP, Num Byte, Request, Data Change, On Timer, Send Timer.
    Expect_Messages(proto::Transmit_NMEA_Member, proto::Check_Transmit_NMEA,
                    {
                        {"passes",
                         {{{"7", "0x1FFFF", "239", "Y", "500", "", "", "N", ""}, {"0", "1", "0", "", "12", "", "", "Y", "1"},
                           {"9", "", "999"}}},
                         ""},
                        {"512 then 1", {{{"0", "1", "0", "Y", "512"}, {"0", "1", "0", "", "1"}}},
                         "Error!! Too many bytes of data, the max number is 512"},
                        {"Num Byte 513", {{{"0", "1", "0", "", "513"}}},
                         "Error in row 1!! Num Byte must be between 0 and 512"},
                        {"empty Priority", {{{"", "1", "0", "", "1"}}},
                         "Error in row 1!! Priority must be between 0 and 7"},
                        {"PGN", {{{"0", "0x20000", "0", "", "1"}}},
                         "Error in row 1!! PGN must be between 0x00000 and 0x1FFFF"},
                        {"Source Address", {{{"0", "1", "240", "", "1"}}},
                         "Error in row 1!! Source Address must be between 0 and 239"},
                        {"Send Timer 0", {{{"0", "1", "0", "", "1", "", "", "Y", "0"}}},
                         "Error in row 1!! Send Timer must be between 1 and 65535 ms"},
                    });
}

// ------------------------------------------------------------------ loading

namespace {

std::vector<TTable> Load(const proto::TAccessMember& Member, const std::string& Xml, bool Clean = true) {
    std::vector<TTable> tables = proto::Reset_Tables(Member.File);
    const proto::TLoadReport report = proto::Read_Access_Xml(Member.File, Xml, tables);
    EXPECT_EQ(report.Clean(), Clean) << report.Error;
    return tables;
}

TTableRow Cells(const TTable& Table, int Row, int First, int Last) {
    const TTableRow& row = Table[static_cast<size_t>(Row - 1)];
    return TTableRow(row.begin() + First, row.begin() + Last + 1);
}

}  // namespace

TEST(CANFrameLoad, ReceiveCANDefaults) {
    const auto t = Load(proto::Receive_CAN_Member, R"(<Other><row COBID="0x181" Dim="1" Byte1="4"/></Other>)");
    // Enable, CobID, Type, Dimension, TimeOut, Byte1, Byte2.
    EXPECT_EQ(Cells(t[0], 1, 1, 7), (TTableRow{"Y", "0x181", "", "1", "0", "4", ""}));
    EXPECT_EQ(Cells(t[0], 2, 1, 5), (TTableRow{"Y", "", "", "", ""}));
}

TEST(CANFrameLoad, TransmitCANDefaults) {
    const auto t = Load(proto::Transmit_CAN_Member,
                        R"(<Transmit_Frames><row COBID="1"/><row COBID="2" OnTimer="Y"/>)"
                        R"(<row COBID="3" OnTimer="y"/><row COBID="4" OnTimer="Y" Time="250"/></Transmit_Frames>)");
    // Type, Dimension, OnChange, OnCMD, OnTimer, Time.
    EXPECT_EQ(Cells(t[0], 1, 3, 8), (TTableRow{"2.0A (11 bits)", "", "Y", "N", "N", ""}));
    EXPECT_EQ(Cells(t[0], 2, 7, 8), (TTableRow{"Y", "0"}));
    EXPECT_EQ(Cells(t[0], 3, 7, 8), (TTableRow{"y", ""}));
    EXPECT_EQ(Cells(t[0], 4, 7, 8), (TTableRow{"Y", "250"}));
}

TEST(CANFrameLoad, ReceiveJ1939Defaults) {
    const auto t = Load(proto::Receive_J1939_Member, R"(<Receive_J1939><row PGN="1"/></Receive_J1939>)");
    EXPECT_EQ(Cells(t[0], 1, 1, 10), (TTableRow{"", "1", "", "N", "", "", "N", "N", "1000", ""}));
}

TEST(CANFrameLoad, TransmitJ1939ReadsTheOlderSendCondition) {
    const auto t = Load(proto::Transmit_J1939_Member,
                        R"(<Transmit_J1939>)"
                        R"(<row PGN="1" T_Type="on timer" On_Request="Y" On_Data_Change="Y"/>)"
                        R"(<row PGN="2" TP_NByte="" T_Type="ON DATA CHANGE"/>)"
                        R"(<row PGN="3" TP_NByte="4" T_Type="On Request" On_Timer="Y"/>)"
                        R"(<row PGN="4" On_Request="Y"/>)"
                        R"(</Transmit_J1939>)");
    // N Bytes, Request, Data Change, On Timer.
    EXPECT_EQ(Cells(t[0], 1, 5, 8), (TTableRow{"8", "N", "N", "Y"}));
    EXPECT_EQ(Cells(t[0], 2, 5, 8), (TTableRow{"8", "N", "Y", "N"}));
    EXPECT_EQ(Cells(t[0], 3, 5, 8), (TTableRow{"4", "N", "N", "N"}));
    EXPECT_EQ(Cells(t[0], 4, 5, 8), (TTableRow{"8", "Y", "N", "N"}));
    // The writer knows only the three boxes.
    const std::string saved = proto::Access_To_Xml(proto::Transmit_J1939_Member.File, t);
    EXPECT_EQ(saved.find("T_Type"), std::string::npos);
    EXPECT_NE(saved.find(R"(<row Priority="" DP="" PGN="1" SA="" TP_NByte="8" On_Request="N" )"
                         R"(On_Data_Change="N" On_Timer="Y" SendTimer="" Mnemonic="" />)"),
              std::string::npos)
        << saved;
}

TEST(CANFrameLoad, NMEADefaultsAndRowLimit) {
    std::string rows;
    for (int i = 1; i <= 63; ++i) rows += "<row PGN=\"" + std::to_string(i) + "\"/>";
    const auto rx = Load(proto::Receive_NMEA_Member, "<Receive_NMEA_2000>" + rows + "</Receive_NMEA_2000>", false);
    EXPECT_EQ(rx[0].size(), 62u);
    EXPECT_EQ(Cells(rx[0], 62, 1, 8), (TTableRow{"62", "", "N", "N", "", "", "N", ""}));
    const auto tx = Load(proto::Transmit_NMEA_Member, R"(<Receive_NMEA_2000><row PGN="5"/></Receive_NMEA_2000>)");
    EXPECT_EQ(Cells(tx[0], 1, 1, 10), (TTableRow{"", "5", "", "N", "", "N", "N", "N", "", ""}));
}

// ------------------------------------------------------------------ saving

TEST(CANFrameSave, EachTableWritesItsFile) {
    const struct {
        const proto::TAccessMember& member;
        std::vector<TTableRow> rows;
        const char* golden;
    } cases[] = {
        {proto::Receive_CAN_Member,
         {Rx("Y", "0x181", A11, "4", "500", {"10", "11", "12", "13"}), Rx("N", " 7 ", "", "", "0"),
          Rx("Y", "", A11, "1", "0")},
         "CAN_Rec_Frames_saved.xml"},
        {proto::Transmit_CAN_Member,
         {Tx("0x18FF0001", B29, "2", "Y", "100", {"None", "2499"}), Tx("5", "", "1", "", "")},
         "CAN_Send_Frames_saved.xml"},
        {proto::Receive_J1939_Member,
         {{"0", "0xFEF1", "0", "N", "", "", "Y", "Y", "500", "Speed & <gear>"}, {"1", " ", "x"}},
         "J1939_Rec_Frames_saved.xml"},
        {proto::Transmit_J1939_Member,
         {{"6", "0", "0xFEF1", "17", "8", "N", "Y", "Y", "100", "Engine"}},
         "J1939_Send_Frames_saved.xml"},
        {proto::Receive_NMEA_Member,
         {{"0x1F801", "1", "N", "Y", "0", "8", "N", "Position"}, {"127250", "2"}},
         "NMEA_Rec_Frames_saved.xml"},
        {proto::Transmit_NMEA_Member,
         {{"2", "0x1F802", "3", "Y", "12", "N", "N", "Y", "250", "COG"}},
         "NMEA_Send_Frames_saved.xml"},
    };
    for (const auto& c : cases) {
        const std::vector<TTable> tables = prototest::Tables(c.member, {c.rows});
        EXPECT_EQ(proto::Access_To_Xml(c.member.File, tables), Data(c.golden)) << c.golden;
    }
}
