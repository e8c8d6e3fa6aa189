#include "gateway/LoRaWANBands.h"

#include "base/StrUtils.h"

namespace gw {

namespace {

struct TRX2Name {
    const char* name;
    uint8_t index;
};

const TRX2Name kRX2_125[] = {{"SF12BW125", 0}, {"SF11BW125", 1}, {"SF10BW125", 2},
                             {"SF9BW125", 3},  {"SF8BW125", 4},  {"SF7BW125", 5}};
const TRX2Name kRX2_250[] = {{"SF7BW250", 6}};
const TRX2Name kRX2_500[] = {{"SF12BW500", 8}, {"SF11BW500", 9}, {"SF10BW500", 10},
                             {"SF9BW500", 11}, {"SF8BW500", 12}, {"SF7BW500", 13}};

template <size_t N>
bool Lookup(const TRX2Name (&table)[N], const std::string& name, uint8_t& index) {
    for (const auto& e : table) {
        if (name == e.name) {
            index = e.index;
            return true;
        }
    }
    return false;
}

template <size_t N>
void Append(std::vector<std::string>& out, const TRX2Name (&table)[N]) {
    for (const auto& e : table) out.emplace_back(e.name);
}

}  // namespace

const std::vector<std::string>& BandNames() {
    static const std::vector<std::string> names = {"EU868", "US915", "KR920", "AS923"};
    return names;
}

int BandCode(std::string_view name) {
    const auto& names = BandNames();
    for (size_t i = 0; i < names.size(); ++i) {
        if (name == names[i]) return static_cast<int>(i);
    }
    return Band_EU868;
}

std::vector<std::string> DataRateEntries(std::string_view bandName) {
    if (bandName == "EU868") {
        return {"0 -\tLoRa: SF12/125kHz 250 [bit/s]", "1 -\tLoRa: SF11/125kHz 440 [bit/s]",
                "2 -\tLoRa: SF10/125kHz 980 [bit/s]", "3 -\tLoRa: SF9/125kHz 1760 [bit/s]",
                "4 -\tLoRa: SF8/125kHz 3125 [bit/s]", "5 -\tLoRa: SF7/125kHz 5470 [bit/s]",
                "6 - LoRa: SF7/250kHz 11000 [bit/s]", "7 - FSK: 50kbps 50000 [bit/s]"};
    }
    if (bandName == "US915") {
        return {"0  -\tLoRa: SF10/125kHz 980 [bit/s]",  "1  -\tLoRa: SF9/125kHz 1760 [bit/s]",
                "2  -\tLoRa: SF8/125kHz 3125 [bit/s]",  "3  -\tLoRa: SF7/125kHz 5470 [bit/s]",
                "4  -\tLoRa: SF8/500kHz 12500 [bit/s]", "8  -\tLoRa: SF12/500kHz 980 [bit/s]",
                "9  -\tLoRa: SF11/500kHz 1760 [bit/s]", "10 - LoRa: SF10/500kHz 3900 [bit/s]",
                "11 - LoRa: SF9/500kHz 7000 [bit/s]",   "12 - LoRa: SF8/500kHz 12500 [bit/s]",
                "13 - LoRa: SF7/500kHz 21900 [bit/s]"};
    }
    return {};
}

std::vector<std::string> RX2DataRateNames(std::string_view bandName) {
    std::vector<std::string> out;
    if (bandName == "EU868") {
        Append(out, kRX2_125);
        Append(out, kRX2_250);
    } else if (bandName == "US915") {
        Append(out, kRX2_500);
    } else if (bandName == "KR920" || bandName == "AS923") {
        Append(out, kRX2_125);
    }
    return out;
}

uint8_t RX2_DataRate_Index(std::string_view name, int band, uint8_t def) {
    const std::string key = base::UpperCase(base::Trim(name));
    uint8_t index = def;
    switch (band) {
        case Band_US915:
            return Lookup(kRX2_500, key, index) ? index : def;
        case Band_KR920:
        case Band_AS923:
            return Lookup(kRX2_125, key, index) ? index : def;
        default:
            return (Lookup(kRX2_125, key, index) || Lookup(kRX2_250, key, index)) ? index : def;
    }
}

}  // namespace gw
