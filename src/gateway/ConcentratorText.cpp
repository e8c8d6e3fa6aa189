#include "gateway/ConcentratorText.h"

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

const char* const kBodyEU868[] = {
    "        \"sx1261_conf\": {",
    "            \"spi_path\": \"/dev/spidev0.1\",",
    "            \"rssi_offset\": 0, /* dB */",
    "            \"spectral_scan\": {",
    "                \"enable\": false,",
    "                \"freq_start\": 867100000,",
    "                \"nb_chan\": 8,",
    "                \"nb_scan\": 2000,",
    "                \"pace_s\": 10",
    "            },",
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
    "        \"radio_0\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 867500000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": true,",
    "            \"tx_freq_min\": 863000000,",
    "            \"tx_freq_max\": 870000000,",
    "            \"tx_gain_lut\":[",
    "                {\"rf_power\": 12, \"pa_gain\": 0, \"pwr_idx\": 15},",
    "                {\"rf_power\": 13, \"pa_gain\": 0, \"pwr_idx\": 16},",
    "                {\"rf_power\": 14, \"pa_gain\": 0, \"pwr_idx\": 17},",
    "                {\"rf_power\": 15, \"pa_gain\": 0, \"pwr_idx\": 19},",
    "                {\"rf_power\": 16, \"pa_gain\": 0, \"pwr_idx\": 20},",
    "                {\"rf_power\": 17, \"pa_gain\": 0, \"pwr_idx\": 22},",
    "                {\"rf_power\": 18, \"pa_gain\": 1, \"pwr_idx\": 1},",
    "                {\"rf_power\": 19, \"pa_gain\": 1, \"pwr_idx\": 2},",
    "                {\"rf_power\": 20, \"pa_gain\": 1, \"pwr_idx\": 3},",
    "                {\"rf_power\": 21, \"pa_gain\": 1, \"pwr_idx\": 4},",
    "                {\"rf_power\": 22, \"pa_gain\": 1, \"pwr_idx\": 5},",
    "                {\"rf_power\": 23, \"pa_gain\": 1, \"pwr_idx\": 6},",
    "                {\"rf_power\": 24, \"pa_gain\": 1, \"pwr_idx\": 7},",
    "                {\"rf_power\": 25, \"pa_gain\": 1, \"pwr_idx\": 9},",
    "                {\"rf_power\": 26, \"pa_gain\": 1, \"pwr_idx\": 11},",
    "                {\"rf_power\": 27, \"pa_gain\": 1, \"pwr_idx\": 14}",
    "            ]",
    "        },",
    "        \"radio_1\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 868500000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": false",
    "        },",
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

const char* const kBodyUS915[] = {
    "        \"sx1261_conf\": {",
    "            \"spi_path\": \"/dev/spidev0.1\",",
    "            \"rssi_offset\": 0, /* dB */",
    "            \"spectral_scan\": {",
    "                \"enable\": false,",
    "                \"freq_start\": 903900000,",
    "                \"nb_chan\": 8,",
    "                \"nb_scan\": 2000,",
    "                \"pace_s\": 10",
    "            },",
    "            \"lbt\": {",
    "                \"enable\": false /* LBT for 500 Khz channels is not supported */",
    "            }",
    "        },",
    "        \"radio_0\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 904300000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": true,",
    "            \"tx_freq_min\": 923000000,",
    "            \"tx_freq_max\": 928000000,",
    "            \"tx_gain_lut\":[",
    "                {\"rf_power\": 12, \"pa_gain\": 0, \"pwr_idx\": 15},",
    "                {\"rf_power\": 13, \"pa_gain\": 0, \"pwr_idx\": 16},",
    "                {\"rf_power\": 14, \"pa_gain\": 0, \"pwr_idx\": 17},",
    "                {\"rf_power\": 15, \"pa_gain\": 0, \"pwr_idx\": 19},",
    "                {\"rf_power\": 16, \"pa_gain\": 0, \"pwr_idx\": 20},",
    "                {\"rf_power\": 17, \"pa_gain\": 0, \"pwr_idx\": 22},",
    "                {\"rf_power\": 18, \"pa_gain\": 1, \"pwr_idx\": 1},",
    "                {\"rf_power\": 19, \"pa_gain\": 1, \"pwr_idx\": 2},",
    "                {\"rf_power\": 20, \"pa_gain\": 1, \"pwr_idx\": 3},",
    "                {\"rf_power\": 21, \"pa_gain\": 1, \"pwr_idx\": 4},",
    "                {\"rf_power\": 22, \"pa_gain\": 1, \"pwr_idx\": 5},",
    "                {\"rf_power\": 23, \"pa_gain\": 1, \"pwr_idx\": 6},",
    "                {\"rf_power\": 24, \"pa_gain\": 1, \"pwr_idx\": 7},",
    "                {\"rf_power\": 25, \"pa_gain\": 1, \"pwr_idx\": 9},",
    "                {\"rf_power\": 26, \"pa_gain\": 1, \"pwr_idx\": 11},",
    "                {\"rf_power\": 27, \"pa_gain\": 1, \"pwr_idx\": 14}",
    "            ]",
    "        },",
    "        \"radio_1\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 905000000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": false",
    "        },",
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

const char* const kBodyKR920[] = {
    "        \"radio_0\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 922400000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": true,",
    "            \"tx_freq_min\": 920900000,",
    "            \"tx_freq_max\": 923300000,",
    "            \"tx_gain_lut\":[",
    "                 {\"rf_power\": 12, \"pa_gain\": 1, \"pwr_idx\": 4},",
    "                 {\"rf_power\": 13, \"pa_gain\": 1, \"pwr_idx\": 5},",
    "                 {\"rf_power\": 14, \"pa_gain\": 1, \"pwr_idx\": 6},",
    "                 {\"rf_power\": 15, \"pa_gain\": 1, \"pwr_idx\": 7},",
    "                 {\"rf_power\": 16, \"pa_gain\": 1, \"pwr_idx\": 8},",
    "                 {\"rf_power\": 17, \"pa_gain\": 1, \"pwr_idx\": 9},",
    "                 {\"rf_power\": 18, \"pa_gain\": 1, \"pwr_idx\": 10},",
    "                 {\"rf_power\": 19, \"pa_gain\": 1, \"pwr_idx\": 11},",
    "                 {\"rf_power\": 20, \"pa_gain\": 1, \"pwr_idx\": 12},",
    "                 {\"rf_power\": 21, \"pa_gain\": 1, \"pwr_idx\": 13},",
    "                 {\"rf_power\": 22, \"pa_gain\": 1, \"pwr_idx\": 14},",
    "                 {\"rf_power\": 23, \"pa_gain\": 1, \"pwr_idx\": 15},",
    "                 {\"rf_power\": 24, \"pa_gain\": 1, \"pwr_idx\": 16},",
    "                 {\"rf_power\": 25, \"pa_gain\": 1, \"pwr_idx\": 17},",
    "                 {\"rf_power\": 26, \"pa_gain\": 1, \"pwr_idx\": 19},",
    "                 {\"rf_power\": 27, \"pa_gain\": 1, \"pwr_idx\": 20}",
    "            ]",
    "        },",
    "        \"radio_1\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 923000000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": false",
    "        },",
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

const char* const kBodyAS923[] = {
    "        \"radio_0\": {",
    "          \"enable\": true,",
    "          \"type\": \"SX1250\",",
    "          \"freq\": 923500000,",
    "          \"rssi_offset\": -215.4,",
    "          \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "          \"tx_enable\": true,",
    "          \"tx_freq_min\": 915000000,",
    "          \"tx_freq_max\": 928000000,",
    "          \"tx_gain_lut\":[",
    "              {\"rf_power\": 12, \"pa_gain\": 1, \"pwr_idx\": 4},",
    "              {\"rf_power\": 13, \"pa_gain\": 1, \"pwr_idx\": 5},",
    "              {\"rf_power\": 14, \"pa_gain\": 1, \"pwr_idx\": 6},",
    "              {\"rf_power\": 15, \"pa_gain\": 1, \"pwr_idx\": 7},",
    "              {\"rf_power\": 16, \"pa_gain\": 1, \"pwr_idx\": 8},",
    "              {\"rf_power\": 17, \"pa_gain\": 1, \"pwr_idx\": 9},",
    "              {\"rf_power\": 18, \"pa_gain\": 1, \"pwr_idx\": 10},",
    "              {\"rf_power\": 19, \"pa_gain\": 1, \"pwr_idx\": 11},",
    "              {\"rf_power\": 20, \"pa_gain\": 1, \"pwr_idx\": 12},",
    "              {\"rf_power\": 21, \"pa_gain\": 1, \"pwr_idx\": 13},",
    "              {\"rf_power\": 22, \"pa_gain\": 1, \"pwr_idx\": 14},",
    "              {\"rf_power\": 23, \"pa_gain\": 1, \"pwr_idx\": 15},",
    "              {\"rf_power\": 24, \"pa_gain\": 1, \"pwr_idx\": 16},",
    "              {\"rf_power\": 25, \"pa_gain\": 1, \"pwr_idx\": 17},",
    "              {\"rf_power\": 26, \"pa_gain\": 1, \"pwr_idx\": 19},",
    "              {\"rf_power\": 27, \"pa_gain\": 1, \"pwr_idx\": 20}",
    "          ]",
    "        },",
    "        \"radio_1\": {",
    "            \"enable\": true,",
    "            \"type\": \"SX1250\",",
    "            \"freq\": 924300000,",
    "            \"rssi_offset\": -215.4,",
    "            \"rssi_tcomp\": {\"coeff_a\": 0, \"coeff_b\": 0, \"coeff_c\": 20.41, \"coeff_d\": 2162.56, \"coeff_e\": 0},",
    "            \"tx_enable\": false",
    "        },",
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

template <size_t N>
void AppendLines(std::vector<std::string>& out, const char* const (&lines)[N]) {
    out.insert(out.end(), lines, lines + N);
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

    switch (band) {
        case Band_EU868:
            AppendLines(out, kBodyEU868);
            break;
        case Band_US915:
            AppendLines(out, kBodyUS915);
            break;
        case Band_KR920:
            AppendLines(out, kBodyKR920);
            break;
        default:
            AppendLines(out, kBodyAS923);
            break;
    }

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
