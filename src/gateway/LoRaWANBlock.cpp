#include "gateway/LoRaWANBlock.h"

namespace gw {

namespace {

void PutU8(std::string& out, uint8_t v) {
    out.push_back(static_cast<char>(v));
}

void PutU16(std::string& out, uint16_t v) {
    PutU8(out, static_cast<uint8_t>(v));
    PutU8(out, static_cast<uint8_t>(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) PutU8(out, static_cast<uint8_t>(v >> (8 * i)));
}

template <size_t N>
void PutArray(std::string& out, const std::array<uint8_t, N>& a) {
    out.append(reinterpret_cast<const char*>(a.data()), N);
}

}  // namespace

void Assign_Addresses(TLoRaWAN_Infos& infos, uint32_t base) {
    infos.Address_DevList = base + Bank2_Header_Size;
    infos.Address_RuleList = infos.Address_DevList + Device_Record_Size * infos.Num_Devices;
    uint32_t a = infos.Address_RuleList + Rule_Record_Size * infos.Num_Rules;
    for (auto& rule : infos.Rules_List) {
        rule.data_test_add = a;
        a += static_cast<uint32_t>(rule.data_test.size());
    }
    infos.Address_ConfFile = a;
}

std::string ConfFile_Bytes(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        for (char c : line) {
            if (c != '\r') out.push_back(c);
        }
        out.push_back('\n');
    }
    out.push_back('\0');
    return out;
}

bool Write_Bank2(const TLoRaWAN_Infos& infos, const std::vector<std::string>& confLines, std::string& buffer,
                 std::string* error) {
    size_t testBytes = 0;
    for (const auto& rule : infos.Rules_List) testBytes += rule.data_test.size();
    const std::string text = ConfFile_Bytes(confLines);
    const size_t size = Bank2_Header_Size + Device_Record_Size * infos.Devices_List.size() +
                        Rule_Record_Size * infos.Rules_List.size() + testBytes + text.size();
    if (size > Bank2_Max_Size) {
        if (error) {
            *error = "The LoRaWAN configuration needs " + std::to_string(size) + " bytes, more than the " +
                     std::to_string(Bank2_Max_Size) +
                     " bytes the device has for it: reduce the devices, rules or test values";
        }
        return false;
    }

    std::string out;
    out.reserve(size);
    PutU32(out, infos.Num_Devices);
    PutU32(out, infos.Num_Rules);
    PutU32(out, infos.Address_DevList);
    PutU32(out, infos.Address_RuleList);
    PutU32(out, infos.Address_ConfFile);
    PutU32(out, infos.opzioni_funzionamento);
    PutU8(out, infos.RF_Band);
    PutU8(out, infos.DataRate);
    PutU8(out, infos.Adaptive_DataRate);
    PutU8(out, infos.Transmission_Type);
    PutU32(out, infos.position_diagnostic);
    PutU8(out, infos.Freq_SubBand);
    out.append(3, '\0');

    for (const auto& d : infos.Devices_List) {
        PutArray(out, d.DevEUI);
        PutArray(out, d.JoinEUI);
        PutArray(out, d.DevNAME);
        PutArray(out, d.NwkSKey);
        PutArray(out, d.AppSKey);
        PutArray(out, d.AppKey);
        PutArray(out, d.DevADDR);
        PutU32(out, d.options);
        PutU32(out, d.timeout);
        PutU8(out, d.DL_settings);
        out.append(3, '\0');
    }
    for (const auto& r : infos.Rules_List) {
        PutU16(out, r.num_device);
        PutU16(out, r.port);
        PutU16(out, r.start_test);
        PutU16(out, r.len_test);
        PutU32(out, r.data_test_add);
        PutU32(out, r.time_poll);
        PutU16(out, r.byte_offset_frame);
        PutU16(out, r.byte_offset_memory);
        PutU16(out, r.num_bytes);
        PutU16(out, r.options);
    }
    for (const auto& r : infos.Rules_List) out += r.data_test;
    out += text;
    buffer += out;
    return true;
}

}  // namespace gw
