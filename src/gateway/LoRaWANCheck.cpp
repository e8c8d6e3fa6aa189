#include "gateway/LoRaWANCheck.h"

#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "gateway/LoRaWANModel.h"

namespace gw {

int CheckStringHex(const std::string& str, int numChar) {
    const std::string s = base::UpperCase(base::Trim(str));
    if (static_cast<int>(s.size()) != numChar) return 1;
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return 2;
    return 0;
}

namespace {

bool Outside(const std::string& text, long long low, long long high) {
    const long long v = CheckNumber(text);
    return v < low || v > high;
}

// The length the device sees: the image carries one byte per UTF-16 unit.
long long TextLength(const std::string& text) {
    return static_cast<long long>(base::Utf8ToUtf16(text).size());
}

// A hexadecimal field: text numbers for "wrong length" and "wrong character".
TCheckResult Hex(const std::string& value, int numChar, int lengthText, int charText, int n) {
    switch (CheckStringHex(value, numChar)) {
        case 1:
            return CheckFailed(lengthText, {n});
        case 2:
            return CheckFailed(charText, {n});
        default:
            return {};
    }
}

TCheckResult CheckUpLink(const TRuleLoRa& r, int n, int m) {
    if (Outside(r.Port, 0, 65535)) return CheckFailed(5498, {n, m});
    if (!base::Trim(r.StartTest).empty()) {
        if (Outside(r.StartTest, 0, Test_Field_Max)) return CheckFailed(5499, {n, m});
        const long long len = CheckNumber(r.LenTest);
        if (len < 0 || len > Test_Field_Max) return CheckFailed(5500, {n, m});
        const int l = static_cast<int>(len);
        if (r.HexTest) {
            switch (CheckStringHex(r.ValueTest, 2 * l)) {
                case 1:
                    return CheckFailed(5501, {n, m, l, 2 * l});
                case 2:
                    return CheckFailed(5502, {n, m});
                default:
                    break;
            }
        } else if (TextLength(r.ValueTest) != len) {
            return CheckFailed(5503, {n, m, l});
        }
    }
    if (Outside(r.StartBit, 0, Rule_Start_Byte_Max)) return CheckFailed(5504, {n, m});
    const long long count = CheckNumber(r.NumBits);
    if (count < 1 || count > Exchange_Memory_Size) return CheckFailed(5505, {n, m, Exchange_Memory_Size});
    const long long pos = CheckNumber(r.PosBit);
    if (pos < 0 || pos > Exchange_Memory_Size - 1) return CheckFailed(5506, {n, m, Exchange_Memory_Size - 1});
    if (pos + count > Exchange_Memory_Size) return CheckFailed(5507, {n, m, Exchange_Memory_Size});
    return {};
}

TCheckResult CheckDownLink(const TRuleLoRa& r, int n, int m) {
    if (Outside(r.Port, 0, 65535)) return CheckFailed(5508, {n, m});
    if (Outside(r.StartBit, 0, Rule_Start_Byte_Max)) return CheckFailed(5509, {n, m});
    const long long count = CheckNumber(r.NumBits);
    if (count < 1 || count > Exchange_Memory_Size) return CheckFailed(5510, {n, m, Exchange_Memory_Size});
    if (r.OnTimer && Outside(r.Time, 0, 100000000)) return CheckFailed(5511, {n, m});
    const long long pos = CheckNumber(r.PosBit);
    if (pos < 0 || pos > Exchange_Memory_Size - 1) return CheckFailed(5512, {n, m, Exchange_Memory_Size - 1});
    if (pos + count > Exchange_Memory_Size) return CheckFailed(5513, {n, m, Exchange_Memory_Size});
    return {};
}

TCheckResult CheckDevice(const TDeviceLoRa& d, int n) {
    if (auto r = Hex(d.DeviceEUI, 16, 5485, 5486, n); !r.Ok()) return r;
    if (auto r = Hex(d.JoinEUI, 16, 5487, 5488, n); !r.Ok()) return r;
    if (base::Trim(d.ActMethod).empty()) return CheckFailed(5489, {n});
    if (d.ActMethod == Act_Meth_SL()[0]) {
        if (auto r = Hex(d.NetSessKey, 32, 5490, 5491, n); !r.Ok()) return r;
        if (auto r = Hex(d.AppSessKey, 32, 5492, 5493, n); !r.Ok()) return r;
    } else if (auto r = Hex(d.AppKey, 32, 5494, 5495, n); !r.Ok()) {
        return r;
    }
    if (auto r = Hex(d.DevAdd, 8, 5496, 5514, n); !r.Ok()) return r;
    if (Outside(d.DiagTimeOut, 0, 4294967295LL)) return CheckFailed(5497, {n});
    return CheckRules(d, n);
}

}  // namespace

TCheckResult CheckRules(const TDeviceLoRa& d, int n) {
    for (size_t i = 0; i < d.UpLinkRules.size(); ++i)
        if (d.UpLinkRules[i].Enable)
            if (auto r = CheckUpLink(d.UpLinkRules[i], n, static_cast<int>(i) + 1); !r.Ok()) return r;
    for (size_t i = 0; i < d.DownLinkRules.size(); ++i)
        if (d.DownLinkRules[i].Enable)
            if (auto r = CheckDownLink(d.DownLinkRules[i], n, static_cast<int>(i) + 1); !r.Ok()) return r;
    return {};
}

TCheckPlace Check_Place(int text) {
    static const struct {
        int first, last;
        TCheckPlace place;
    } places[] = {
        {5485, 5486, {Check_Table_Devices, 2}},  {5487, 5488, {Check_Table_Devices, 3}},
        {5489, 5489, {Check_Table_Devices, 5}},  {5490, 5491, {Check_Table_Devices, 6}},
        {5492, 5493, {Check_Table_Devices, 7}},  {5494, 5495, {Check_Table_Devices, 8}},
        {5496, 5496, {Check_Table_Devices, 9}},  {5514, 5514, {Check_Table_Devices, 9}},
        {5497, 5497, {Check_Table_Devices, 11}}, {Text_Same_Device_EUI, Text_Same_Device_EUI, {Check_Table_Devices, 2}},
        {5498, 5498, {Check_Table_UpLink, 2}},   {5499, 5499, {Check_Table_UpLink, 3}},
        {5500, 5500, {Check_Table_UpLink, 4}},   {5501, 5503, {Check_Table_UpLink, 6}},
        {5504, 5504, {Check_Table_UpLink, 7}},   {5505, 5505, {Check_Table_UpLink, 8}},
        {5506, 5507, {Check_Table_UpLink, 9}},   {5508, 5508, {Check_Table_DownLink, 2}},
        {5509, 5509, {Check_Table_DownLink, 3}}, {5510, 5510, {Check_Table_DownLink, 4}},
        {5511, 5511, {Check_Table_DownLink, 8}}, {5512, 5513, {Check_Table_DownLink, 9}},
    };
    for (const auto& p : places)
        if (text >= p.first && text <= p.last) return p.place;
    return {};
}

TCheckResult Check_Data(const std::vector<TDeviceLoRa>& devices) {
    for (size_t i = 0; i < devices.size(); ++i) {
        if (base::Trim(devices[i].DeviceEUI).empty()) continue;
        if (auto r = CheckDevice(devices[i], static_cast<int>(i) + 1); !r.Ok()) return r;
        // The gateway tells its devices apart by the EUI: a second device
        // with the same one would never be reached.
        const std::string eui = base::UpperCase(base::Trim(devices[i].DeviceEUI));
        for (size_t j = 0; j < i; ++j)
            if (base::UpperCase(base::Trim(devices[j].DeviceEUI)) == eui)
                return CheckFailed(Text_Same_Device_EUI, {static_cast<int>(i) + 1, static_cast<int>(j) + 1});
    }
    return {};
}

TCheckResult Check_End_Node(const std::vector<TDeviceLoRa>& devices) {
    return devices.empty() ? TCheckResult{} : CheckRules(devices.front(), 1);
}

}  // namespace gw
