#include "gateway/ConcentratorText.h"

#include <span>
#include <string>

#include "base/StrUtils.h"
#include "gateway/LoRaWANBands.h"

namespace gw {

namespace {

// Templates, one entry per line. "$Name" marks where a value goes.
// clang-format off
const char* const kHead[] = {
    "{",
    "    \"SX130x_conf\": {",
    "        \"com_type\": \"SPI\",",
    "        \"com_path\": \"/dev/spidev0.0\",",
    "        \"lorawan_public\": $NetworkType,",
    "        \"clksrc\": 0,",
    "        \"antenna_gain\": 0, /* antenna gain, in dBi */",
    "        \"full_duplex\": false,",
    "        \"fine_timestamp\": {",
    "            \"enable\": false,",
    "            \"mode\": \"all_sf\" /* high_capacity or all_sf */",
    "        },",
};

// The four bands share the shape of their two radios; what differs is data.
// The gain tables and the uneven indents are kept exactly as the devices in
// the field have them, so the text stays byte for byte the same.
struct TGainStep {
    int rfPower;
    int paGain;
    int pwrIdx;
};

// EU868 and US915.
const TGainStep kGainLowBands[] = {
    {12, 0, 15}, {13, 0, 16}, {14, 0, 17}, {15, 0, 19}, {16, 0, 20}, {17, 0, 22}, {18, 1, 1},  {19, 1, 2},
    {20, 1, 3},  {21, 1, 4},  {22, 1, 5},  {23, 1, 6},  {24, 1, 7},  {25, 1, 9},  {26, 1, 11}, {27, 1, 14},
};

// KR920 and AS923.
const TGainStep kGainHighBands[] = {
    {12, 1, 4},   {13, 1, 5},   {14, 1, 6},   {15, 1, 7},   {16, 1, 8},   {17, 1, 9},   {18, 1, 10}, {19, 1, 11},
    {20, 1, 12},  {21, 1, 13},  {22, 1, 14},  {23, 1, 15},  {24, 1, 16},  {25, 1, 17},  {26, 1, 19}, {27, 1, 20},
};

const char* const kLbtEU868[] = {
    "            \"lbt\": {",
    "                \"enable\": false,",
    "                \"rssi_target\": -70, /* dBm */",
    "                \"channels\":[ /* 16 channels maximum */",
    "                    { \"freq_hz\": 867100000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 867300000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 867500000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 867700000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 867900000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 868100000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 868300000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 868500000, \"bandwidth\": 125000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 },",
    "                    { \"freq_hz\": 869525000, \"bandwidth\": 125000, \"scan_time_us\": 5000, \"transmit_time_ms\": 4000 },",
    "                    { \"freq_hz\": 868300000, \"bandwidth\": 250000, \"scan_time_us\": 128,  \"transmit_time_ms\": 400 }",
    "                ]",
    "            }",
    "        },",
};

const char* const kLbtUS915[] = {
    "            \"lbt\": {",
    "                \"enable\": false /* LBT for 500 Khz channels is not supported */",
    "            }",
    "        },",
};

const char* const kChannelsEU868[] = {
    "        \"chan_multiSF_All\": {\"spreading_factor_enable\": [ 5, 6, 7, 8, 9, 10, 11, 12 ]},",
    "        \"chan_multiSF_0\": {\"enable\": true, \"radio\": 1, \"if\": -400000},",
    "        \"chan_multiSF_1\": {\"enable\": true, \"radio\": 1, \"if\": -200000},",
    "        \"chan_multiSF_2\": {\"enable\": true, \"radio\": 1, \"if\":  0},",
    "        \"chan_multiSF_3\": {\"enable\": true, \"radio\": 0, \"if\": -400000},",
    "        \"chan_multiSF_4\": {\"enable\": true, \"radio\": 0, \"if\": -200000},",
    "        \"chan_multiSF_5\": {\"enable\": true, \"radio\": 0, \"if\":  0},",
    "        \"chan_multiSF_6\": {\"enable\": true, \"radio\": 0, \"if\":  200000},",
    "        \"chan_multiSF_7\": {\"enable\": true, \"radio\": 0, \"if\":  400000},",
    "        \"chan_Lora_std\":  {\"enable\": true, \"radio\": 1, \"if\": -200000, \"bandwidth\": 250000, \"spread_factor\": 7,",
    "                           \"implicit_hdr\": false, \"implicit_payload_length\": 17, \"implicit_crc_en\": false, \"implicit_coderate\": 1},",
    "        \"chan_FSK\":       {\"enable\": true, \"radio\": 1, \"if\":  300000, \"bandwidth\": 125000, \"datarate\": 50000}",
    "    },",
};

const char* const kChannelsUS915[] = {
    "        \"chan_multiSF_All\": {\"spreading_factor_enable\": [ 5, 6, 7, 8, 9, 10, 11, 12 ]},",
    "        \"chan_multiSF_0\": {\"enable\": true, \"radio\": 0, \"if\": -400000},  /* Freq : 903.9 MHz*/",
    "        \"chan_multiSF_1\": {\"enable\": true, \"radio\": 0, \"if\": -200000},  /* Freq : 904.1 MHz*/",
    "        \"chan_multiSF_2\": {\"enable\": true, \"radio\": 0, \"if\":  0},       /* Freq : 904.3 MHz*/",
    "        \"chan_multiSF_3\": {\"enable\": true, \"radio\": 0, \"if\":  200000},  /* Freq : 904.5 MHz*/",
    "        \"chan_multiSF_4\": {\"enable\": true, \"radio\": 1, \"if\": -300000},  /* Freq : 904.7 MHz*/",
    "        \"chan_multiSF_5\": {\"enable\": true, \"radio\": 1, \"if\": -100000},  /* Freq : 904.9 MHz*/",
    "        \"chan_multiSF_6\": {\"enable\": true, \"radio\": 1, \"if\":  100000},  /* Freq : 905.1 MHz*/",
    "        \"chan_multiSF_7\": {\"enable\": true, \"radio\": 1, \"if\":  300000},  /* Freq : 905.3 MHz*/",
    "        \"chan_Lora_std\":  {\"enable\": true, \"radio\": 0, \"if\":  300000, \"bandwidth\": 500000, \"spread_factor\": 8,\t\t\t\t\t\t/* Freq : 904.6 MHz*/",
    "                           \"implicit_hdr\": false, \"implicit_payload_length\": 17, \"implicit_crc_en\": false, \"implicit_coderate\": 1},",
    "        \"chan_FSK\":       {\"enable\": false, \"radio\": 1, \"if\":  300000, \"bandwidth\": 125000, \"datarate\": 50000}\t\t\t\t\t\t/* Freq : 868.8 MHz*/",
    "    },",
    "",
};

const char* const kChannelsKR920[] = {
    "        \"chan_multiSF_0\": {\"enable\": true, \"radio\": 0, \"if\": -300000},",
    "        \"chan_multiSF_1\": {\"enable\": true, \"radio\": 0, \"if\": -100000},",
    "        \"chan_multiSF_2\": {\"enable\": true, \"radio\": 0, \"if\": 100000},",
    "        \"chan_multiSF_3\": {\"enable\": true, \"radio\": 0, \"if\": 300000},",
    "        \"chan_multiSF_4\": { \"enable\": true, \"radio\": 1, \"if\": -100000},",
    "        \"chan_multiSF_5\": {\"enable\": true, \"radio\": 1, \"if\": 100000},",
    "        \"chan_multiSF_6\": {\"enable\": true, \"radio\": 1, \"if\": 300000},",
    "        \"chan_multiSF_7\": {\"enable\": false},",
    "        \"chan_Lora_std\": { \"enable\": false},",
    "        \"chan_FSK\": {\"enable\": false, \"radio\": 0, \"if\": -600000, \"bandwidth\": 250000, \"datarate\": 100000}",
    "    },",
    "",
};

const char* const kChannelsAS923[] = {
    "        \"chan_multiSF_0\": {\"enable\": true, \"radio\": 0, \"if\": -300000},",
    "        \"chan_multiSF_1\": {\"enable\": true, \"radio\": 0, \"if\": -100000},",
    "        \"chan_multiSF_2\": {\"enable\": true, \"radio\": 0, \"if\":  100000},",
    "        \"chan_multiSF_3\": {\"enable\": true, \"radio\": 0, \"if\":  300000},",
    "        \"chan_multiSF_4\": {\"enable\": true, \"radio\": 1, \"if\": -300000},",
    "        \"chan_multiSF_5\": {\"enable\": true, \"radio\": 1, \"if\": -100000},",
    "        \"chan_multiSF_6\": {\"enable\": true, \"radio\": 1, \"if\":  100000},",
    "        \"chan_multiSF_7\": {\"enable\": true, \"radio\": 1, \"if\":  300000},",
    "        \"chan_Lora_std\": { \"enable\": false},",
    "        \"chan_FSK\": {\"enable\": false, \"radio\": 0, \"if\": -600000, \"bandwidth\": 250000, \"datarate\": 100000}",
    "    },",
    "",
};

struct TBandBody {
    const char* scanFreqStart;  // nullptr: the band's board has no sx1261
    std::span<const char* const> lbt;
    const char* radio0Freq;
    const char* txFreqMin;
    const char* txFreqMax;
    std::span<const TGainStep> gain;
    int radio0Indent;  // indent of the radio_0 members
    int gainIndent;    // indent of the gain table entries
    const char* radio1Freq;
    std::span<const char* const> channels;
};

// In band-code order, like kTails.
const TBandBody kBodies[] = {
    {"867100000", kLbtEU868, "867500000", "863000000", "870000000", kGainLowBands, 12, 16, "868500000", kChannelsEU868},
    {"903900000", kLbtUS915, "904300000", "923000000", "928000000", kGainLowBands, 12, 16, "905000000", kChannelsUS915},
    {nullptr, {}, "922400000", "920900000", "923300000", kGainHighBands, 12, 17, "923000000", kChannelsKR920},
    {nullptr, {}, "923500000", "915000000", "928000000", kGainHighBands, 10, 14, "924300000", kChannelsAS923},
};

const char* const kTail[] = {
    "    \"gateway_conf\": {",
    "$GatewayID",
    "        /* change with default server address/ports */",
    "        \"server_address\": \"$Server_Add\",",
    "        \"serv_port_up\": $Server_Port_Up,",
    "        \"serv_port_down\": $Server_Port_Down,",
    "        /* adjust the following parameters for your network */",
    "        \"keepalive_interval\": $KA_Interval,",
    "        \"stat_interval\": 30,",
    "        \"push_timeout_ms\": 100,",
    "        /* forward only valid packets */",
    "        \"forward_crc_valid\": true,",
    "        \"forward_crc_error\": false,",
    "        \"forward_crc_disabled\": false,",
    "        /* GPS configuration */",
    "        \"gps_tty_path\": \"/dev/ttyS0\",",
    "        /* GPS reference coordinates */",
    "        \"ref_latitude\": 0.0,",
    "        \"ref_longitude\": 0.0,",
    "        \"ref_altitude\": 0,",
    "        /* Beaconing parameters */",
    "$BeaconPeriod",
    "$BeaconFreq",
    "        \"beacon_datarate\": 9,",
    "        \"beacon_bw_hz\": 125000,",
    "        \"beacon_power\": 14,",
    "        \"beacon_infodesc\": 0",
    "    },",
    "",
    "    \"debug_conf\": {",
    "        \"ref_payload\":[",
    "            {\"id\": \"0xCAFE1234\"},",
    "            {\"id\": \"0xCAFE2345\"}",
    "        ],",
    "        \"log_file\": \"loragw_hal.log\"",
    "    }",
    "}",
};
// clang-format on

struct TBandTail {
    const char* gatewayID;
    const char* beaconPeriod;
    const char* beaconFreq;
};

const TBandTail kTails[] = {
    {"DCA632FFFFB3DC2B", "        \"beacon_period\": 0,", "869525000"},
    {"AA555A0000000000", "        \"beacon_period\": 0, /* disable class B beacon */", "869525000"},
    {"AA555A0000000000", "        \"beacon_period\": 0,", "923100000"},
    {"AA555A0000000000", "        \"beacon_period\": 0,", "923400000"},
};

std::string Replace(std::string line, std::string_view token, std::string_view value) {
    const size_t at = line.find(token);
    if (at != std::string::npos) line.replace(at, token.size(), value);
    return line;
}


void AppendLines(std::vector<std::string>& out, std::span<const char* const> lines) {
    out.insert(out.end(), lines.begin(), lines.end());
}

// The members every radio starts with.
void AppendRadioHead(std::vector<std::string>& out, const char* name, int indent, const char* freq) {
    const std::string pad(indent, ' ');
    out.push_back(std::string("        \"") + name + "\": {");
    out.push_back(pad + "\"enable\": true,");
    out.push_back(pad + "\"type\": \"SX1250\",");
    out.push_back(pad + "\"freq\": " + freq + ",");
    out.push_back(pad + "\"rssi_offset\": -215.4,");
    out.push_back(pad +
                  "\"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, "
                  "\"coeff_e\": 0},");
}

void AppendBody(std::vector<std::string>& out, const TBandBody& b) {
    if (b.scanFreqStart != nullptr) {
        out.push_back("        \"sx1261_conf\": {");
        out.push_back("            \"spi_path\": \"/dev/spidev0.1\",");
        out.push_back("            \"rssi_offset\": 0, /* dB */");
        out.push_back("            \"spectral_scan\": {");
        out.push_back("                \"enable\": false,");
        out.push_back(std::string("                \"freq_start\": ") + b.scanFreqStart + ",");
        out.push_back("                \"nb_chan\": 8,");
        out.push_back("                \"nb_scan\": 2000,");
        out.push_back("                \"pace_s\": 10");
        out.push_back("            },");
        AppendLines(out, b.lbt);
    }

    // Only radio 0 transmits.
    const std::string pad(b.radio0Indent, ' ');
    AppendRadioHead(out, "radio_0", b.radio0Indent, b.radio0Freq);
    out.push_back(pad + "\"tx_enable\": true,");
    out.push_back(pad + "\"tx_freq_min\": " + b.txFreqMin + ",");
    out.push_back(pad + "\"tx_freq_max\": " + b.txFreqMax + ",");
    out.push_back(pad + "\"tx_gain_lut\":[");
    const std::string gainPad(b.gainIndent, ' ');
    for (size_t i = 0; i < b.gain.size(); ++i) {
        const TGainStep& g = b.gain[i];
        out.push_back(gainPad + "{\"rf_power\": " + std::to_string(g.rfPower) + ", \"pa_gain\": " +
                      std::to_string(g.paGain) + ", \"pwr_idx\": " + std::to_string(g.pwrIdx) + "}" +
                      (i + 1 < b.gain.size() ? "," : ""));
    }
    out.push_back(pad + "]");
    out.push_back("        },");

    AppendRadioHead(out, "radio_1", 12, b.radio1Freq);
    out.push_back("            \"tx_enable\": false");
    out.push_back("        },");

    AppendLines(out, b.channels);
}

}  // namespace

std::string JsonNumberText(std::string_view text, std::string_view def) {
    int64_t value = 0;
    if (!base::TryStrToInt64(base::Trim(text), value)) return std::string(def);
    return base::IntToStr(value);
}

std::vector<std::string> Build_ConfFile(const TLoRaWAN_ParGen& parGen) {
    std::vector<std::string> out;
    const int band = parGen.RF_Band;
    if (band < Band_EU868 || band > Band_AS923) return out;

    // The AS923 text always declares a public network, whatever the file says.
    const std::string networkType = band == Band_AS923 ? "true" : parGen.NetworkType;
    for (const char* line : kHead) out.push_back(Replace(line, "$NetworkType", networkType));

    AppendBody(out, kBodies[band]);

    // A hand-edited "ParGen.xml" must not break the forwarder's parser: the
    // address goes in as a JSON string and the numbers as decimal numbers.
    // Tokens are looked for in the template only, never in an inserted value.
    const TBandTail& t = kTails[band];
    for (const char* line : kTail) {
        const std::string_view tpl = line;
        std::string s;
        if (tpl == "$GatewayID") {
            s = std::string("        \"gateway_ID\": \"") + t.gatewayID + "\",";
        } else if (tpl == "$BeaconPeriod") {
            s = t.beaconPeriod;
        } else if (tpl == "$BeaconFreq") {
            s = std::string("        \"beacon_freq_hz\": ") + t.beaconFreq + ",";
        } else if (tpl.find("$Server_Add") != tpl.npos) {
            s = Replace(line, "$Server_Add", base::JsonEscape(parGen.Server_Add));
        } else if (tpl.find("$Server_Port_Up") != tpl.npos) {
            s = Replace(line, "$Server_Port_Up", JsonNumberText(parGen.Server_Port_Up, "1780"));
        } else if (tpl.find("$Server_Port_Down") != tpl.npos) {
            s = Replace(line, "$Server_Port_Down", JsonNumberText(parGen.Server_Port_Down, "1780"));
        } else if (tpl.find("$KA_Interval") != tpl.npos) {
            s = Replace(line, "$KA_Interval", JsonNumberText(parGen.KA_Interval, "10"));
        } else {
            s = line;
        }
        out.push_back(std::move(s));
    }
    return out;
}

}  // namespace gw
