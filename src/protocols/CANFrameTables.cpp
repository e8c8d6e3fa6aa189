#include "protocols/CANFrameTables.h"

#include <string>

#include "base/StrUtils.h"
#include "shell/Comon.h"

namespace proto {

namespace {

constexpr unsigned Table_Events = teClickCell | teDblClickCell | teKeyPress | teGridHint;
const char* const Standard_Frame = "2.0A (11 bits)";

const char* const Byte_Attributes[8] = {"Byte1", "Byte2", "Byte3", "Byte4", "Byte5", "Byte6", "Byte7", "Byte8"};

// The eight drop-downs of byte positions, "None" first.
void Add_Byte_Columns(std::vector<TTableColumn>& Columns, int First_Header, int First_Hint, int Positions) {
    for (int k = 0; k < 8; ++k)
        Columns.push_back(
            Position_Column(First_Header + k, Byte_Attributes[k], 50, First_Hint + k, Positions, true, false));
}

TTableColumn Optional_Text(int Header, const char* Attribute, int Width, TColorGroup Group, int Hint,
                           const char* Default = "") {
    TTableColumn c = Text_Column(Header, Attribute, Width, Group, Hint, false);
    c.Default = Default;
    return c;
}

bool Is_Y(const std::string& Cell) {
    return base::UpperCase(base::Trim(Cell)) == "Y";
}

// ------------------------------------------------------------------ CAN

const TTableDescription Receive_CAN_Table = [] {
    std::vector<TTableColumn> c = {
        Row_Number_Column(2408, 34),
        Enable_Column(2409, 2429),
        Optional_Text(2410, "COBID", 80, cgAddress, 2430),
        List_Column(2411, "CAN_Type", {"2.0A (11 bits)", "2.0B (29 bits)"}, 100, cgAddress, 2431, false),
        Optional_Text(2412, "Dim", 66, cgAddress, 2432),
        Optional_Text(2413, "TimeOut", 60, cgTiming, 2433, "0")};
    Add_Byte_Columns(c, 2414, 2434, CAN_Receive_Positions);
    c.push_back(Optional_Text(2422, "Mnemonic", 150, cgMnemonic, 2442));
    return TTableDescription{.Grid = "ACG_CAN_Receive",
                             .Columns = std::move(c),
                             .Key_Column = 2,
                             .Enable_Upper = true,
                             .Events = teDblClickCell | teKeyPress | teGridHint,
                             .Show_Hint = true,
                             .Clear_Other_Hints = true};
}();

// A file row that lacks the Time of a frame on timer gets the shortest
// period; one that is not on timer keeps its cell empty.
void Transmit_CAN_Row_Loaded(TTableRow& Row, const TRowAttributes& Attributes) {
    if (!Find_Attribute(Attributes, "Time") && Row[7] == "Y") Row[8] = "0";
}

const TTableDescription Transmit_CAN_Table = [] {
    std::vector<TTableColumn> c = {
        Row_Number_Column(2508, 34),
        Enable_Column(2509, 2531),
        Optional_Text(2510, "COBID", 80, cgAddress, 2532),
        List_Column(2511, "CAN_Type", {"2.0A (11 bits)", "2.0B (29 bits)"}, 100, cgAddress, 2533, false),
        Optional_Text(2512, "Dim", 66, cgAddress, 2534),
        Check_Column(2513, "OnChange", 66, cgTiming, 2535),
        Check_Column(2562, "OnCMD", 56, cgTiming, 2563),
        Check_Column(2514, "OnTimer", 56, cgTiming, 2536),
        Optional_Text(2515, "Time", 60, cgTiming, 2537)};
    c[3].Default = Standard_Frame;
    c[5].Default = "Y";
    Add_Byte_Columns(c, 2516, 2538, CAN_Transmit_Positions);
    c.push_back(Optional_Text(2524, "Mnemonic", 150, cgMnemonic, 2546));
    return TTableDescription{.Grid = "ACG_CAN_Transmit",
                             .Columns = std::move(c),
                             .Key_Column = 2,
                             .Enable_Upper = true,
                             .Events = teDblClickCell | teKeyPress | teGridHint,
                             .Show_Hint = true,
                             .Clear_Other_Hints = true,
                             .Row_Loaded = Transmit_CAN_Row_Loaded};
}();

struct TFrameTexts {
    int COBID_11, COBID_29, Dimension;
    int Byte1, Or_None, Byte2;  // bytes 2 to 8 follow Byte2
};

// CobID, Dimension and the positions of the bytes the Dimension covers;
// Extra runs between the Dimension and the bytes.
template <class TExtra>
TRowFault Check_Frame(const TTableRow& Row, const TFrameTexts& Texts, int First_Byte_Col, int Positions,
                      TExtra Extra) {
    const bool standard = base::Trim(Row[3]) == Standard_Frame;
    if (!In_Range(Row[2], 0, standard ? 0x7FF : 0x1FFFFFFF)) return Fault(standard ? Texts.COBID_11 : Texts.COBID_29);
    const int dimension = Cell_Number(Row[4]);
    if (dimension < 1 || dimension > 8) return Fault(Texts.Dimension);
    if (TRowFault f = Extra(); f.Failed()) return f;
    for (int k = 1; k <= dimension; ++k) {
        const std::string cell = base::Trim(Row[static_cast<size_t>(First_Byte_Col + k - 1)]);
        if (cell.empty() || cell == "None") continue;
        if (!In_Range(cell, 0, Positions - 1))
            return Fault(k == 1 ? Texts.Byte1 : Texts.Byte2 + k - 2, Positions - 1, Texts.Or_None);
    }
    return {};
}

// ------------------------------------------------------------------ J1939 and NMEA 2000

struct TCaptureTexts {
    int Start, Sum;
};
struct TSingleFrameTexts {
    int Both, Start, Count, Sum;
};

// The bytes of a long message captured from Start on; the row counts them.
TRowFault Check_Long_Capture(const TTableRow& Row, int Start_Col, int Largest, const TCaptureTexts& Texts,
                             int& Count) {
    const int start = Cell_Number(Row[static_cast<size_t>(Start_Col)]);
    if (start < 0 || start > Largest) return Fault(Texts.Start);
    const int n = Cell_Number(Row[static_cast<size_t>(Start_Col + 1)]);
    if (n < 0 || start + n > Largest) return Fault(Texts.Sum);
    Count = n;
    return {};
}

// A single frame: the whole frame (8 bytes) when neither Start Byte nor
// N Byte is given. A row with both given counts N Byte + 8: the gateway's
// receive image reserves the frame beside the captured bytes, and peers
// read the array at those offsets.
TRowFault Check_Single_Frame(const TTableRow& Row, int Start_Col, const TSingleFrameTexts& Texts, int& Count) {
    const bool no_start = base::Trim(Row[static_cast<size_t>(Start_Col)]).empty();
    const bool no_count = base::Trim(Row[static_cast<size_t>(Start_Col + 1)]).empty();
    if (no_start && no_count) {
        Count = 8;
        return {};
    }
    if (no_start || no_count) return Fault(Texts.Both);
    const int start = Cell_Number(Row[static_cast<size_t>(Start_Col)]);
    if (start < 1 || start > 8) return Fault(Texts.Start);
    const int n = Cell_Number(Row[static_cast<size_t>(Start_Col + 1)]);
    if (n < 1 || n > 8) return Fault(Texts.Count);
    if (start + n > 8) return Fault(Texts.Sum);
    Count = n + 8;
    return {};
}

const TTableDescription Receive_J1939_Table = {
    .Grid = "sga",
    .Columns = {Row_Number_Column(3514, 34),
                List_Column(3515, "DP", {"0", "1"}, 70, cgAddress, 3525, false),
                Optional_Text(3516, "PGN", 66, cgAddress, 3526),
                Optional_Text(3517, "SA", 100, cgAddress, 3527),
                Check_Column(3518, "TP", 110, cgSwap, 3528),
                Optional_Text(3519, "TP_Start", 70, cgPosition, 3529),
                Optional_Text(3520, "TP_NByte", 60, cgPosition, 3530),
                Check_Column(3521, "Delete", 76, cgTiming, 3531),
                Check_Column(3522, "OnRequest", 76, cgTiming, 3532),
                Optional_Text(3523, "OnReq_Time", 66, cgTiming, 3533, "1000"),
                Optional_Text(3524, "Mnemonic", 150, cgMnemonic, 3534)},
    .Key_Column = 2,
    .Key_Trimmed = false,
    .Enable_Column = -1,
    .Events = Table_Events,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

// Older files carry the send condition as one text instead of three boxes.
void Transmit_J1939_Row_Loaded(TTableRow& Row, const TRowAttributes& Attributes) {
    if (Row[5].empty()) Row[5] = "8";
    if (const auto type = Find_Attribute(Attributes, "T_Type")) {
        const std::string kind = base::UpperCase(std::string(*type));
        Row[6] = "N";
        Row[7] = kind == "ON DATA CHANGE" ? "Y" : "N";
        Row[8] = kind == "ON TIMER" ? "Y" : "N";
    }
}

const TTableDescription Transmit_J1939_Table = {
    .Grid = "sga",
    .Columns = {Row_Number_Column(3614, 34),
                Optional_Text(3615, "Priority", 56, cgAddress, 3625),
                List_Column(3616, "DP", {"0", "1"}, 70, cgAddress, 3626, false),
                Optional_Text(3617, "PGN", 66, cgAddress, 3627),
                Optional_Text(3618, "SA", 100, cgAddress, 3628),
                Optional_Text(3619, "TP_NByte", 56, cgPosition, 3629),
                Check_Column(3620, "On_Request", 60, cgTiming, 3630),
                Check_Column(3621, "On_Data_Change", 80, cgTiming, 3631),
                Check_Column(3622, "On_Timer", 60, cgTiming, 3632),
                Optional_Text(3623, "SendTimer", 70, cgTiming, 3633),
                Optional_Text(3624, "Mnemonic", 130, cgMnemonic, 3634)},
    .Key_Column = 3,
    .Key_Trimmed = false,
    .Enable_Column = -1,
    .Events = Table_Events,
    .Show_Hint = true,
    .Clear_Other_Hints = true,
    .Row_Loaded = Transmit_J1939_Row_Loaded};

const TTableDescription Receive_NMEA_Table = {
    .Grid = "sga",
    .Columns = {Row_Number_Column(3914, 34),
                Optional_Text(3915, "PGN", 70, cgAddress, 3923),
                Optional_Text(3916, "SA", 100, cgAddress, 3924),
                Check_Column(3917, "TP", 110, cgSwap, 3925),
                Check_Column(3918, "FP", 80, cgSwap, 3926),
                Optional_Text(3919, "TP_Start", 70, cgPosition, 3927),
                Optional_Text(3920, "TP_NByte", 60, cgPosition, 3928),
                Check_Column(3921, "Delete", 76, cgTiming, 3929),
                Optional_Text(3922, "Mnemonic", 180, cgMnemonic, 3930)},
    .Key_Column = 1,
    .Key_Trimmed = false,
    .Enable_Column = -1,
    .Rows = 62,
    .Events = Table_Events,
    .Show_Hint = true,
    .Clear_Other_Hints = true};

const TTableDescription Transmit_NMEA_Table = {
    .Grid = "sga",
    .Columns = {Row_Number_Column(4014, 34),
                Optional_Text(4015, "Priority", 56, cgAddress, 4025),
                Optional_Text(4016, "PGN", 70, cgAddress, 4026),
                Optional_Text(4017, "SA", 100, cgAddress, 4027),
                Check_Column(4018, "FP", 80, cgSwap, 4028),
                Optional_Text(4019, "TP_NByte", 66, cgPosition, 4029),
                Check_Column(4020, "On_Request", 60, cgTiming, 4030),
                Check_Column(4021, "On_Data_Change", 80, cgTiming, 4031),
                Check_Column(4022, "On_Timer", 60, cgTiming, 4032),
                Optional_Text(4023, "SendTimer", 70, cgTiming, 4033),
                Optional_Text(4024, "Mnemonic", 100, cgMnemonic, 4034)},
    .Key_Column = 2,
    .Key_Trimmed = false,
    .Enable_Column = -1,
    .Rows = 62,
    .Events = Table_Events,
    .Clear_Other_Hints = true};

}  // namespace

const TAccessMember Receive_CAN_Member = {
    .Class_Name = "TFReceiveCAN",
    .Client_Width = 1010,
    .Client_Height = 337,
    .Texts = Block_Texts(2400, 2444, 2458, 2460, 2461, 2423),
    .File = {.Root = "Receive_Frames", .Tables = {Receive_CAN_Table}},
    .File_Path = &shell::CAN_Rec_Frames_File,
    .Page_Control = nullptr};

const TAccessMember Transmit_CAN_Member = {
    .Class_Name = "TFTransmitCAN",
    .Client_Width = 1100,
    .Client_Height = 337,
    .Texts = Block_Texts(2500, 2547, 2561, 2564, 2565, 2525),
    .File = {.Root = "Transmit_Frames", .Tables = {Transmit_CAN_Table}},
    .File_Path = &shell::CAN_Send_Frames_File,
    .Page_Control = nullptr};

const TAccessMember Receive_J1939_Member = {
    .Class_Name = "TFReceiveJ1939",
    .Client_Width = 876,
    .Client_Height = 337,
    .Texts = Block_Texts(3500, 3535, 3547, 3548, 3549, 3508),
    .File = {.Root = "Receive_J1939", .Tables = {Receive_J1939_Table}},
    .File_Path = &shell::J1939_Rec_Frames_File,
    .Page_Control = nullptr};

const TAccessMember Transmit_J1939_Member = {
    .Class_Name = "TFTransmitJ1939",
    .Client_Width = 800,
    .Client_Height = 337,
    .Texts = Block_Texts(3600, 3635, 3643, 3644, 3645, 3608),
    .File = {.Root = "Transmit_J1939", .Tables = {Transmit_J1939_Table}},
    .File_Path = &shell::J1939_Send_Frames_File,
    .Page_Control = nullptr};

const TAccessMember Receive_NMEA_Member = {
    .Class_Name = "TFReceiveNMEA",
    .Client_Width = 810,
    .Client_Height = 337,
    .Texts = Block_Texts(3900, 3931, 3943, 3944, 3945, 3908),
    .File = {.Root = "Receive_NMEA_2000", .Tables = {Receive_NMEA_Table}},
    .File_Path = &shell::NMEA_Rec_Frames_File,
    .Page_Control = nullptr};

// The transmit file carries the receive file's root name: the gateway reads
// both files by that name.
const TAccessMember Transmit_NMEA_Member = {
    .Class_Name = "TFTransmitNMEA",
    .Client_Width = 810,
    .Client_Height = 337,
    .Texts = Block_Texts(4000, 4035, 4042, 4043, 4044, 4008),
    .File = {.Root = "Receive_NMEA_2000", .Tables = {Transmit_NMEA_Table}},
    .File_Path = &shell::NMEA_Send_Frames_File,
    .Page_Control = nullptr};

TCheckOutcome Check_Receive_CAN(const std::vector<TTable>& Tables) {
    const TFrameTexts texts = {2445, 2446, 2447, 2449, 2450, 2451};
    return Check_Table(Receive_CAN_Table, Tables[0], 0, [&](const TTableRow& Row) {
        return Check_Frame(Row, texts, 6, CAN_Receive_Positions, [&]() -> TRowFault {
            if (!In_Range(Row[5], 0, 100000000)) return Fault(2448);
            return {};
        });
    });
}

TCheckOutcome Check_Transmit_CAN(const std::vector<TTable>& Tables) {
    const TFrameTexts texts = {2548, 2549, 2550, 2552, 2553, 2554};
    return Check_Table(Transmit_CAN_Table, Tables[0], 0, [&](const TTableRow& Row) {
        return Check_Frame(Row, texts, 9, CAN_Transmit_Positions, [&]() -> TRowFault {
            if (Is_Y(Row[7]) && !In_Range(Row[8], 0, 100000000)) return Fault(2551);
            return {};
        });
    });
}

TCheckOutcome Check_Receive_J1939(const std::vector<TTable>& Tables) {
    int total = 0;
    return Check_Table(Receive_J1939_Table, Tables[0], 0, [&](const TTableRow& Row) -> TRowFault {
        if (Row[1].empty()) return Fault(3536);
        if (!In_Range(Row[2], 0, 0xFFFF)) return Fault(3537);
        if (!In_Range(Row[3], 0, 239)) return Fault(3538);
        int count = 0;
        const TRowFault f = Row[4] == "Y"
                                ? Check_Long_Capture(Row, 5, Transport_Protocol_Bytes, {3539, 3540}, count)
                                : Check_Single_Frame(Row, 5, {3541, 3542, 3543, 3544}, count);
        if (f.Failed()) return f;
        total += count;
        if (total > J1939_Input_Bytes) return Table_Fault(3545, J1939_Input_Bytes);
        if (Row[8] == "Y" && !In_Range(Row[9], 2, 10000000)) return Fault(3546);
        return {};
    });
}

TCheckOutcome Check_Transmit_J1939(const std::vector<TTable>& Tables) {
    int total = 0;
    return Check_Table(Transmit_J1939_Table, Tables[0], 0, [&](const TTableRow& Row) -> TRowFault {
        if (!In_Range(Row[1], 0, 7)) return Fault(3636);
        if (Row[2].empty()) return Fault(3637);
        if (!In_Range(Row[3], 0, 0x1FFFF)) return Fault(3638);
        if (!In_Range(Row[4], 0, 255)) return Fault(3639);
        const int bytes = Cell_Number(Row[5]);
        if (bytes < 1 || bytes > J1939_Output_Bytes) return Fault(3640, J1939_Output_Bytes);
        total += bytes;
        if (total > J1939_Output_Bytes) return Table_Fault(3641, J1939_Output_Bytes);
        if (Row[8] == "Y" && !In_Range(Row[9], 1, 65535)) return Fault(3642);
        return {};
    });
}

TCheckOutcome Check_Receive_NMEA(const std::vector<TTable>& Tables) {
    int total = 0;
    return Check_Table(Receive_NMEA_Table, Tables[0], 0, [&](const TTableRow& Row) -> TRowFault {
        if (!In_Range(Row[1], 0, 0x1FFFF)) return Fault(3932);
        if (!In_Range(Row[2], 0, 239)) return Fault(3933);
        int count = 0;
        TRowFault f;
        if (Row[3] == "Y")
            f = Check_Long_Capture(Row, 5, Transport_Protocol_Bytes, {3934, 3935}, count);
        else if (Row[4] == "Y")
            f = Check_Long_Capture(Row, 5, Fast_Packet_Bytes, {3936, 3937}, count);
        else
            f = Check_Single_Frame(Row, 5, {3938, 3939, 3940, 3941}, count);
        if (f.Failed()) return f;
        total += count;
        if (total > NMEA_Input_Bytes) return Table_Fault(3942, NMEA_Input_Bytes);
        return {};
    });
}

TCheckOutcome Check_Transmit_NMEA(const std::vector<TTable>& Tables) {
    int total = 0;
    return Check_Table(Transmit_NMEA_Table, Tables[0], 0, [&](const TTableRow& Row) -> TRowFault {
        if (!In_Range(Row[1], 0, 7)) return Fault(4036);
        if (!In_Range(Row[2], 0, 0x1FFFF)) return Fault(4037);
        if (!In_Range(Row[3], 0, 239)) return Fault(4038);
        const int bytes = Cell_Number(Row[5]);
        if (bytes < 0 || bytes > NMEA_Output_Bytes) return Fault(4039, NMEA_Output_Bytes);
        total += bytes;
        if (total > NMEA_Output_Bytes) return Table_Fault(4040, NMEA_Output_Bytes);
        if (Row[8] == "Y" && !In_Range(Row[9], 1, 65535)) return Fault(4041);
        return {};
    });
}

}  // namespace proto
